// Cost per stereo frame of the built plug-in binaries, loaded the way a host loads them
// (the render tool's loaders), beside the bare gate and the gate plus the one copy a host
// with separate input and output buffers needs. 48 kHz stereo, one parameter change per
// block: the on-switch in the fading case (which keeps a crossfade running in every
// block), the threshold otherwise.
//
//   hushmoor_binaries_bench [--vst2=PATH] [--vst3=PATH] [benchmark flags]
//
// The paths default to the binaries of this build tree.

#include "bench/BenchSupport.h"
#include "tools/render/LoadedPlugin.h"

#include <juce_events/juce_events.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
    using namespace hushmoor::bench;

    constexpr double sampleRate = 48000.0;
    constexpr int blockSizes[] { 64, 256, 1024 };

    juce::String vst2Path = HUSHMOOR_VST2_PATH, vst3Path = HUSHMOOR_VST3_PATH;

    enum class Path { bareGate, gateAndCopy, vst2Separate, vst2InPlace, vst3 };
    constexpr Path allPaths[] { Path::bareGate, Path::gateAndCopy, Path::vst2Separate, Path::vst2InPlace, Path::vst3 };

    const char* pathName (Path p)
    {
        switch (p)
        {
            case Path::bareGate:     return "bare gate in place";
            case Path::gateAndCopy:  return "gate + one copy in to out";
            case Path::vst2Separate: return "VST 2.4 binary, separate buffers";
            case Path::vst2InPlace:  return "VST 2.4 binary, in place";
            case Path::vst3:         return "VST3 bundle (JUCE hosting)";
        }
        return "";
    }

    /** The block's one parameter change: index and value. */
    std::pair<int, float> changeFor (GateState state, std::int64_t block)
    {
        // From the on state, switching off and on in turn: each block fades a little way
        // out, then back to fully on, and never settles.
        if (state == GateState::fading)
            return { bypassParam, block % 2 == 0 ? 0.0f : 1.0f };

        return { thresholdParam, block % 2 == 0 ? 0.31f : 0.3f };
    }

    /** The gate driven the way the processor drives it: changes first, then the block. */
    void gateBenchmark (benchmark::State& st, GateState state, bool withCopy)
    {
        const int n = static_cast<int> (st.range (0));
        InputRing ring (n);
        AlignedSamples outL (static_cast<size_t> (n)), outR (static_cast<size_t> (n));
        NoiseGate gate;
        prepareGate (gate, state, static_cast<float> (sampleRate));
        std::int64_t block = 0;

        for (auto _ : st)
        {
            auto [left, right] = ring.next (st);
            const auto [index, value] = changeFor (state, block++);
            gate.setParameter (index, value);
            gate.calcParameter (index);

            if (withCopy)
            {
                std::memcpy (outL.data(), left, sizeof (float) * static_cast<size_t> (n));
                std::memcpy (outR.data(), right, sizeof (float) * static_cast<size_t> (n));
                left = outL.data();
                right = outR.data();
            }

            gate.process (left, right, n);
            benchmark::ClobberMemory();
        }

        st.counters["frames"] = n;
    }

    void pluginBenchmark (benchmark::State& st, GateState state, Path path)
    {
        const int n = static_cast<int> (st.range (0));
        const bool isVst3 = path == Path::vst3;
        juce::String error;
        auto plugin = hushmoor::render::loadPlugin (juce::File (isVst3 ? vst3Path : vst2Path), isVst3 ? "VST3" : "VST2",
                                                    sampleRate, n, error);

        if (plugin == nullptr || ! plugin->prepare (sampleRate, n, 2, error) || plugin->getNumProcessingChannels() != 2)
        {
            st.SkipWithError ((error.isNotEmpty() ? error : juce::String ("not a stereo plug-in")).toRawUTF8());
            return;
        }

        const auto values = startValues (state);
        for (int k = 0; k < totalNumParams; ++k)
            plugin->setParameter (k, values[static_cast<size_t> (k)]);

        InputRing ring (n);
        AlignedSamples outL (static_cast<size_t> (n)), outR (static_cast<size_t> (n));
        float* out[] { outL.data(), outR.data() };
        juce::AudioBuffer<float> output (out, 2, n);

        // Lets the values arrive and the gate settle before the clock runs.
        for (int i = 0; i < 8; ++i)
        {
            auto [left, right] = ring.next (st);
            float* channels[] { left, right };
            juce::AudioBuffer<float> buffer (channels, 2, n);
            plugin->process (buffer);
            plugin->pumpMessages();
        }

        std::int64_t block = 0;

        for (auto _ : st)
        {
            auto [left, right] = ring.next (st);
            const auto [index, value] = changeFor (state, block++);
            plugin->setParameter (index, value);

            float* channels[] { left, right };
            juce::AudioBuffer<float> input (channels, 2, n);

            if (path == Path::vst2Separate)
                plugin->processInto (input, output);
            else
                plugin->process (input);

            benchmark::ClobberMemory();
        }

        st.counters["frames"] = n;
    }

    std::string caseName (Path p, GateState s)                 { return std::string (pathName (p)) + "/" + stateName (s); }
    std::string caseName (Path p, GateState s, int block)      { return caseName (p, s) + "/" + std::to_string (block); }

    void registerAll()
    {
        for (auto path : allPaths)
            for (auto state : allStates)
            {
                auto* b = path == Path::bareGate || path == Path::gateAndCopy
                              ? benchmark::RegisterBenchmark (caseName (path, state).c_str(), gateBenchmark, state, path == Path::gateAndCopy)
                              : benchmark::RegisterBenchmark (caseName (path, state).c_str(), pluginBenchmark, state, path);
                for (int block : blockSizes)
                    b->Arg (block);
            }
    }

    void printTable (const NsPerFrameReporter& ns)
    {
        for (int block : blockSizes)
        {
            if (ns.nsPerFrame (caseName (Path::bareGate, GateState::onLinked, block)) < 0
                && ns.nsPerFrame (caseName (Path::vst2Separate, GateState::onLinked, block)) < 0)
                continue;

            std::printf ("\nns per stereo frame, %.0f Hz, block %d, one parameter change per block\n", sampleRate, block);
            std::printf ("%-34s %10s %10s %10s %10s\n", "path", "on linked", "dual mono", "fading", "off");

            for (auto path : allPaths)
            {
                std::printf ("%-34s", pathName (path));
                for (auto state : allStates)
                {
                    const double t = ns.nsPerFrame (caseName (path, state, block));
                    t < 0 ? std::printf (" %10s", "-") : std::printf (" %10.2f", t);
                }
                std::printf ("\n");
            }

            std::printf ("%-34s", "VST 2.4 separate / gate + copy");
            for (auto state : allStates)
            {
                const double plugin = ns.nsPerFrame (caseName (Path::vst2Separate, state, block));
                const double gate = ns.nsPerFrame (caseName (Path::gateAndCopy, state, block));
                plugin < 0 || gate <= 0 ? std::printf (" %10s", "-") : std::printf (" %9.2fx", plugin / gate);
            }
            std::printf ("\n");
        }
    }

    /** Takes --vst2=PATH and --vst3=PATH out of the arguments; the rest go to the library. */
    void takePathArguments (int& argc, char** argv)
    {
        int kept = 1;
        for (int i = 1; i < argc; ++i)
        {
            const juce::String arg (argv[i]);
            if (arg.startsWith ("--vst2="))       vst2Path = arg.fromFirstOccurrenceOf ("=", false, false);
            else if (arg.startsWith ("--vst3="))  vst3Path = arg.fromFirstOccurrenceOf ("=", false, false);
            else                                  argv[kept++] = argv[i];
        }
        argc = kept;
    }
}

int main (int argc, char** argv)
{
    // The VST3 host side needs the framework and a message manager on this thread.
    const juce::ScopedJuceInitialiser_GUI framework;

    takePathArguments (argc, argv);
    registerAll();
    benchmark::Initialize (&argc, argv);

    NsPerFrameReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);
    printTable (reporter);
    benchmark::Shutdown();
    return 0;
}
