// Cost of NoiseGate::process per frame in each crossfade state, against JUCE's own
// gate (a reference point) and a bare loop doing only the envelope arithmetic (the floor).

#include "bench/BenchSupport.h"
#include "dsp/NoiseGate.h"

#include <juce_dsp/juce_dsp.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
    using namespace hushmoor::bench;

    constexpr int blockSizes[] { 64, 256, 512, 4096 };

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

    std::string caseName (const std::string& what, int channels)
    {
        return what + "/" + (channels == 2 ? "stereo" : "mono");
    }

    std::string caseName (const std::string& what, int channels, int block)
    {
        return caseName (what, channels) + "/" + std::to_string (block);   // as the library names an Arg
    }

    benchmark::internal::Benchmark* withBlockSizes (benchmark::internal::Benchmark* b)
    {
        for (int block : blockSizes)
            b->Arg (block);
        return b;
    }

    void registerAll()
    {
        for (int channels : { 1, 2 })
        {
            for (auto s : allStates)
            {
                if (channels == 1 && s == GateState::onDualMono)
                    continue;   // dual mono is a stereo mode

                withBlockSizes (benchmark::RegisterBenchmark (caseName (std::string ("NoiseGate ") + stateName (s), channels).c_str(),
                                                              gateBenchmark, s, channels));
            }

            withBlockSizes (benchmark::RegisterBenchmark (caseName ("floor", channels).c_str(),
                                                          channels == 2 ? floorBenchmark<2> : floorBenchmark<1>));
            withBlockSizes (benchmark::RegisterBenchmark (caseName ("juce::dsp::NoiseGate", channels).c_str(),
                                                          juceGateBenchmark, channels));
        }
    }

    /** "  1.23", or "     -" for a case that did not run. */
    std::string cell (double value, const char* format = "%10.2f")
    {
        char text[32];
        if (value < 0)
            std::snprintf (text, sizeof (text), "%10s", "-");
        else
            std::snprintf (text, sizeof (text), format, value);
        return text;
    }

    double ratio (double a, double b)   { return a >= 0 && b > 0 ? a / b : -1.0; }

    void printSummary (const hushmoor::bench::NsPerFrameReporter& ns)
    {
        std::printf ("\nns per frame (a stereo frame is one left and one right sample)\n");
        std::printf ("%-24s %-7s %6s %10s %10s %10s\n", "case", "chans", "block", "ns/frame", "x floor", "x juce");

        const auto row = [&ns] (const std::string& what, int channels, int block, bool compare)
        {
            const double t = ns.nsPerFrame (caseName (what, channels, block));
            if (t < 0)
                return;

            std::printf ("%-24s %-7s %6d %s", what.c_str(), channels == 2 ? "stereo" : "mono", block, cell (t).c_str());
            if (compare)
                std::printf (" %s %s", cell (ratio (t, ns.nsPerFrame (caseName ("floor", channels, block)))).c_str(),
                             cell (ratio (t, ns.nsPerFrame (caseName ("juce::dsp::NoiseGate", channels, block))), "%10.3f").c_str());
            std::printf ("\n");
        };

        for (int channels : { 2, 1 })
        {
            for (auto s : allStates)
                for (int block : blockSizes)
                    row (std::string ("NoiseGate ") + stateName (s), channels, block, true);

            for (const char* ref : { "floor", "juce::dsp::NoiseGate" })
                for (int block : blockSizes)
                    row (ref, channels, block, false);
        }

        std::printf ("\nstereo ratios (target):\n");
        for (int block : blockSizes)
        {
            const double on = ns.nsPerFrame (caseName ("NoiseGate on linked", 2, block));
            const double dual = ns.nsPerFrame (caseName ("NoiseGate on dual mono", 2, block));
            const double fading = ns.nsPerFrame (caseName ("NoiseGate fading", 2, block));
            const double floor = ns.nsPerFrame (caseName ("floor", 2, block));

            if (on < 0)
                continue;

            std::printf ("  block %5d: on / floor %s (1.3)   dual mono / on %s (1.1)   fading / on %s (1.2)\n", block,
                         cell (ratio (on, floor), "%5.2f").c_str(), cell (ratio (dual, on), "%5.2f").c_str(),
                         cell (ratio (fading, on), "%5.2f").c_str());
        }
    }
}

int main (int argc, char** argv)
{
    registerAll();
    benchmark::Initialize (&argc, argv);

    hushmoor::bench::NsPerFrameReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    printSummary (reporter);
    benchmark::Shutdown();
    return 0;
}
