// Cost of NoiseGate::process per frame in each crossfade state, against JUCE's own
// gate (a reference point) and a bare loop doing only the envelope arithmetic (the floor).

#include "dsp/NoiseGate.h"

#include <benchmark/benchmark.h>
#include <juce_dsp/juce_dsp.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace
{
    constexpr int blockSizes[] { 64, 512, 4096 };

    enum class GateState { onLinked, onDualMono, fading, off };

    const char* stateName (GateState s)
    {
        switch (s)
        {
            case GateState::onLinked:   return "on linked";
            case GateState::onDualMono: return "on dual mono";
            case GateState::fading:     return "fading";
            case GateState::off:        return "off";
        }
        return "";
    }

    /** Bursts over low noise, so the gate opens and closes inside every block. */
    std::vector<float> makeSignal (int numSamples, unsigned seed)
    {
        std::mt19937 rng (seed);
        std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
        std::vector<float> s (static_cast<size_t> (numSamples));
        for (int i = 0; i < numSamples; ++i)
        {
            const bool burst = (i / 48) % 3 == 0;
            s[static_cast<size_t> (i)] = noise (rng) * (burst ? 0.5f : 0.0005f);
        }
        return s;
    }

    /**
        A ring of precomputed input, processed in place one block after the other. It is
        refilled only when used up, so the refill stays out of the per-block timing
        without pausing the clock on every iteration.
    */
    class InputRing
    {
    public:
        explicit InputRing (int blockSize)
            : block (blockSize),
              numBlocks (std::max (1, ringSamples / blockSize)),
              sourceL (makeSignal (block * numBlocks, 1)),
              sourceR (makeSignal (block * numBlocks, 2)),
              left (sourceL),
              right (sourceR)
        {}

        /** The next block's channel pointers; refills the ring (untimed) when it is used up. */
        template <typename State>
        std::pair<float*, float*> next (State& st)
        {
            if (position == numBlocks)
            {
                st.PauseTiming();
                left = sourceL;
                right = sourceR;
                position = 0;
                st.ResumeTiming();
            }

            const auto offset = static_cast<size_t> (position++ * block);
            return { left.data() + offset, right.data() + offset };
        }

    private:
        static constexpr int ringSamples = 32768;   // per channel: stays in L2
        int block, numBlocks, position = 0;
        std::vector<float> sourceL, sourceR, left, right;
    };

    void prepareGate (NoiseGate& gate, GateState state, float sampleRate)
    {
        gate.setSampleRate (sampleRate);
        gate.setExpectedSampleFrame (16384);
        gate.reset();
        gate.setParameter (bypassParam, state == GateState::off ? 0.0f : 1.0f);
        gate.setParameter (dualMonoParam, state == GateState::onDualMono ? 1.0f : 0.0f);
        gate.setParameter (thresholdParam, 0.3f);
        gate.setParameter (attackParam, 0.134f);
        gate.setParameter (decayParam, 0.367f);
        gate.forceCalcParams();
    }

    void gateBenchmark (benchmark::State& st, GateState gateState, int channels)
    {
        const int n = static_cast<int> (st.range (0));
        InputRing ring (n);
        NoiseGate gate;
        // The fading case runs at 192 kHz, where a fade (8192 samples) spans every block.
        prepareGate (gate, gateState, gateState == GateState::fading ? 192000.0f : 44100.0f);

        for (auto _ : st)
        {
            auto [left, right] = ring.next (st);

            if (gateState == GateState::fading)
            {
                // Restart a fade-out from the settled on state: a few stores per block.
                gate.setParameter (bypassParam, 1.0f);
                gate.forceCalcParams();
                gate.setParameter (bypassParam, 0.0f);
                gate.calcParameter (bypassParam);
            }

            if (channels == 2)
                gate.process (left, right, n);
            else
                gate.process (left, n);

            benchmark::DoNotOptimize (left);
            benchmark::DoNotOptimize (right);
            benchmark::ClobberMemory();
        }

        st.counters["frames"] = n;
    }

    /** The envelope arithmetic alone: detector, one step, the multiplies; returns the envelope. */
    template <int channels>
    __attribute__ ((noinline)) float floorLoop (float* l, float* r, int n, float threshold,
                                                float attack, float decay, float env) noexcept
    {
        for (int i = 0; i < n; ++i)
        {
            float d = std::fabs (l[i]);
            if constexpr (channels == 2)
                d = std::max (d, std::fabs (r[i]));

            const float target = (d > threshold ? 1.0f : 0.0f) + 1.0e-20f;
            env = target + (env - target) * (target > env ? attack : decay);
            const float g = env + (-1.0e-20f);
            l[i] = g * l[i];
            if constexpr (channels == 2)
                r[i] = g * r[i];
        }

        return env;
    }

    template <int channels>
    void floorBenchmark (benchmark::State& st)
    {
        const int n = static_cast<int> (st.range (0));
        InputRing ring (n);
        // The same settings as the gate's "on" case, taken at run time like the gate's.
        NoiseGate settings;
        prepareGate (settings, GateState::onLinked, 44100.0f);
        const float threshold = settings.getThresholdGain();
        const float attack = settings.getAttackCoeff(), decay = settings.getDecayCoeff();
        float env = 0.0f;

        for (auto _ : st)
        {
            auto [l, r] = ring.next (st);
            env = floorLoop<channels> (l, r, n, threshold, attack, decay, env);
            benchmark::ClobberMemory();
        }

        benchmark::DoNotOptimize (env);
        st.counters["frames"] = n;
    }

    void juceGateBenchmark (benchmark::State& st, int channels)
    {
        const int n = static_cast<int> (st.range (0));
        InputRing ring (n);
        juce::dsp::NoiseGate<float> gate;
        gate.prepare ({ 44100.0, static_cast<juce::uint32> (n), static_cast<juce::uint32> (channels) });
        gate.setThreshold (-40.0f);
        gate.setRatio (10.0f);
        gate.setAttack (2.0f);
        gate.setRelease (100.0f);

        for (auto _ : st)
        {
            auto [left, right] = ring.next (st);
            float* chans[] { left, right };
            juce::dsp::AudioBlock<float> block (chans, static_cast<size_t> (channels), static_cast<size_t> (n));
            gate.process (juce::dsp::ProcessContextReplacing<float> (block));
            benchmark::ClobberMemory();
        }

        st.counters["frames"] = n;
    }

    /** Collects ns per frame for the summary printed after the usual benchmark output. */
    class SummaryReporter final : public benchmark::ConsoleReporter
    {
    public:
        void ReportRuns (const std::vector<Run>& runs) override
        {
            ConsoleReporter::ReportRuns (runs);
            for (const auto& run : runs)
            {
                const auto frames = run.counters.find ("frames");
                if (run.error_occurred || frames == run.counters.end())
                    continue;
                // Adjusted times are per iteration in the run's time unit (ns here).
                nsPerFrame[run.benchmark_name()] = run.GetAdjustedCPUTime() / frames->second.value;
            }
        }

        std::map<std::string, double> nsPerFrame;
    };

    std::string caseName (const std::string& what, int channels)
    {
        return what + "/" + (channels == 2 ? "stereo" : "mono");
    }

    std::string caseName (const std::string& what, int channels, int block)
    {
        return caseName (what, channels) + "/" + std::to_string (block);   // as the library names an Arg
    }

    void registerAll()
    {
        for (int channels : { 1, 2 })
        {
            for (auto s : { GateState::onLinked, GateState::onDualMono, GateState::fading, GateState::off })
            {
                if (channels == 1 && s == GateState::onDualMono)
                    continue;   // dual mono is a stereo mode

                benchmark::RegisterBenchmark (caseName (std::string ("NoiseGate ") + stateName (s), channels).c_str(),
                                              gateBenchmark, s, channels)->Arg (64)->Arg (512)->Arg (4096);
            }

            benchmark::RegisterBenchmark (caseName ("floor", channels).c_str(),
                                          channels == 2 ? floorBenchmark<2> : floorBenchmark<1>)->Arg (64)->Arg (512)->Arg (4096);
            benchmark::RegisterBenchmark (caseName ("juce::dsp::NoiseGate", channels).c_str(),
                                          juceGateBenchmark, channels)->Arg (64)->Arg (512)->Arg (4096);
        }
    }

    void printSummary (const std::map<std::string, double>& ns)
    {
        std::printf ("\nns per frame (a stereo frame is one left and one right sample)\n");
        std::printf ("%-24s %-7s %6s %10s %12s %12s\n", "case", "chans", "block", "ns/frame", "x floor", "x juce gate");

        auto lookup = [&ns] (const std::string& key) { auto it = ns.find (key); return it == ns.end() ? 0.0 : it->second; };

        for (int channels : { 2, 1 })
        {
            for (auto s : { GateState::onLinked, GateState::onDualMono, GateState::fading, GateState::off })
            {
                if (channels == 1 && s == GateState::onDualMono)
                    continue;

                for (int block : blockSizes)
                {
                    const double t = lookup (caseName (std::string ("NoiseGate ") + stateName (s), channels, block));
                    const double f = lookup (caseName ("floor", channels, block));
                    const double j = lookup (caseName ("juce::dsp::NoiseGate", channels, block));
                    std::printf ("%-24s %-7s %6d %10.2f %12.2f %12.3f\n", (std::string ("NoiseGate ") + stateName (s)).c_str(),
                                 channels == 2 ? "stereo" : "mono", block, t, f > 0 ? t / f : 0.0, j > 0 ? t / j : 0.0);
                }
            }

            for (const char* ref : { "floor", "juce::dsp::NoiseGate" })
                for (int block : blockSizes)
                    std::printf ("%-24s %-7s %6d %10.2f\n", ref, channels == 2 ? "stereo" : "mono", block,
                                 lookup (caseName (ref, channels, block)));
        }

        const double on512 = lookup (caseName ("NoiseGate on linked", 2, 512));
        const double fade512 = lookup (caseName ("NoiseGate fading", 2, 512));
        const double floor512 = lookup (caseName ("floor", 2, 512));
        std::printf ("\nstereo, block 512: on / floor = %.2f (target <= 1.3), fading / on = %.2f (target <= 2.5)\n",
                     floor512 > 0 ? on512 / floor512 : 0.0, on512 > 0 ? fade512 / on512 : 0.0);
    }
}

int main (int argc, char** argv)
{
    registerAll();
    benchmark::Initialize (&argc, argv);

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    printSummary (reporter.nsPerFrame);
    benchmark::Shutdown();
    return 0;
}
