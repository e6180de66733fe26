// A long run of the built VST 2.4 binary, loaded as a host loads it, at 48 kHz stereo with
// random automation (on-switch included) before every block: blocks back to back, or with
// --paced at the pace of the audio, as an audio callback would call them. Prints the
// distribution of the block times, how often the audio thread was preempted, how much the
// plug-in's own threads ran, and whether the output stayed finite. Pin it to one core to
// share that core with the plug-in's threads:
//
//   taskset -c 3 build/bench/hushmoor_vst2_soak --seconds=600 [--paced] [--block=256] [--vst2=PATH]
//
// A measurement, not a test: the figures depend on the machine and its load.

#include "bench/BenchSupport.h"
#include "tools/render/LoadedPlugin.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace
{
    using Clock = std::chrono::steady_clock;
    constexpr double sampleRate = 48000.0;

    struct Options
    {
        juce::String vst2Path = HUSHMOOR_VST2_PATH;
        int seconds = 600;
        int blockSize = 256;
        bool paced = false;
    };

    Options parse (int argc, char** argv)
    {
        Options o;

        for (int i = 1; i < argc; ++i)
        {
            const juce::String arg (argv[i]);
            const auto value = arg.fromFirstOccurrenceOf ("=", false, false);

            if (arg.startsWith ("--vst2="))          o.vst2Path = value;
            else if (arg.startsWith ("--seconds="))  o.seconds = juce::jmax (1, value.getIntValue());
            else if (arg.startsWith ("--block="))    o.blockSize = juce::jlimit (16, 4096, value.getIntValue());
            else if (arg == "--paced")               o.paced = true;
            else std::fprintf (stderr, "ignored: %s\n", argv[i]);
        }

        return o;
    }

    /** Voluntary and involuntary context switches of one thread of this process. */
    struct Switches
    {
        long voluntary = 0, involuntary = 0;
    };

    Switches switchesOf (const std::filesystem::path& task)
    {
        Switches s;
        std::ifstream status (task / "status");

        for (std::string line; std::getline (status, line);)
        {
            const auto count = [&line] { return std::stol (line.substr (line.find (':') + 1)); };

            if (line.rfind ("voluntary_ctxt_switches:", 0) == 0)      s.voluntary = count();
            if (line.rfind ("nonvoluntary_ctxt_switches:", 0) == 0)   s.involuntary = count();
        }

        return s;
    }

    /** Switches of this thread, and the sum over every other thread. */
    std::pair<Switches, Switches> switchesHereAndElsewhere()
    {
        const auto self = std::to_string (::gettid());
        std::pair<Switches, Switches> result;

        for (const auto& task : std::filesystem::directory_iterator ("/proc/self/task"))
        {
            const auto s = switchesOf (task.path());
            auto& into = task.path().filename() == self ? result.first : result.second;
            into.voluntary += s.voluntary;
            into.involuntary += s.involuntary;
        }

        return result;
    }

    /** Block times in buckets 1 % wide, from 1 ns to about 20 s: a flat-out run makes too
        many blocks to keep each one. */
    class Histogram
    {
    public:
        void add (double ns) noexcept
        {
            const auto bucket = static_cast<size_t> (std::log (std::max (1.0, ns)) / logStep);
            ++counts[std::min (bucket, counts.size() - 1)];
            ++total;
            worst = std::max (worst, ns);
        }

        /** The upper edge of the bucket holding the fraction p of all blocks, in us. */
        double percentile (double p) const noexcept
        {
            const auto wanted = static_cast<std::uint64_t> (p * static_cast<double> (total));
            std::uint64_t seen = 0;

            for (size_t b = 0; b < counts.size(); ++b)
                if ((seen += counts[b]) > wanted)
                    return std::exp (logStep * static_cast<double> (b + 1)) / 1000.0;

            return worstMicros();
        }

        double worstMicros() const noexcept          { return worst / 1000.0; }
        std::uint64_t size() const noexcept          { return total; }

    private:
        static constexpr double logStep = 0.00995033;   // log (1.01)
        std::array<std::uint64_t, 2400> counts {};
        std::uint64_t total = 0;
        double worst = 0.0;
    };
}

int main (int argc, char** argv)
{
    const auto options = parse (argc, argv);
    const int n = options.blockSize;

    juce::String error;
    auto plugin = hushmoor::render::loadPlugin (juce::File (options.vst2Path), "VST2", sampleRate, n, error);

    if (plugin == nullptr || ! plugin->prepare (sampleRate, n, 2, error) || plugin->getNumProcessingChannels() != 2)
    {
        std::fprintf (stderr, "cannot run %s: %s\n", options.vst2Path.toRawUTF8(),
                      error.isNotEmpty() ? error.toRawUTF8() : "not a stereo plug-in");
        return 1;
    }

    // One second of bursts over low noise, played round and round.
    const auto sourceL = hushmoor::bench::makeSignal (static_cast<int> (sampleRate), 1);
    const auto sourceR = hushmoor::bench::makeSignal (static_cast<int> (sampleRate), 2);
    const int sourceBlocks = static_cast<int> (sampleRate) / n;

    std::vector<float> outL (static_cast<size_t> (n)), outR (static_cast<size_t> (n));
    float* out[] { outL.data(), outR.data() };
    juce::AudioBuffer<float> output (out, 2, n);

    Histogram blockTimes;
    std::mt19937 rng (17);
    std::uniform_int_distribution<int> howMany (1, 3), which (0, totalNumParams - 1);
    std::uniform_real_distribution<float> anyValue (0.0f, 1.0f);
    long nonFinite = 0;
    float peak = 0.0f;

    std::printf ("%s\n%d s at %.0f Hz, block %d, %s, random automation before every block\n",
                 options.vst2Path.toRawUTF8(), options.seconds, sampleRate, n,
                 options.paced ? "paced at the audio rate" : "blocks back to back");

    const auto period = std::chrono::duration_cast<Clock::duration> (std::chrono::duration<double> (n / sampleRate));
    const auto [audioBefore, othersBefore] = switchesHereAndElsewhere();
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds (options.seconds);
    auto deadline = start;
    std::uint64_t worstBlock = 0;

    for (std::uint64_t block = 0;; ++block)
    {
        for (int k = howMany (rng); --k >= 0;)
        {
            const int index = which (rng);
            plugin->setParameter (index, index == bypassParam ? std::round (anyValue (rng)) : anyValue (rng));
        }

        const auto offset = static_cast<size_t> (block % static_cast<std::uint64_t> (sourceBlocks)) * static_cast<size_t> (n);
        const float* in[] { sourceL.data() + offset, sourceR.data() + offset };
        const juce::AudioBuffer<float> input (const_cast<float* const*> (in), 2, n);

        const auto t0 = Clock::now();
        plugin->processInto (input, output);
        const auto t1 = Clock::now();
        const double ns = std::chrono::duration<double, std::nano> (t1 - t0).count();

        if (ns > blockTimes.worstMicros() * 1000.0)
            worstBlock = block;

        blockTimes.add (ns);

        for (const auto* channel : out)
            for (int i = 0; i < n; ++i)
            {
                if (! std::isfinite (channel[i]))
                    ++nonFinite;
                else
                    peak = std::max (peak, std::abs (channel[i]));
            }

        if (t1 >= end)
            break;

        if (options.paced)
            std::this_thread::sleep_until (deadline += period);
    }

    const double elapsed = std::chrono::duration<double> (Clock::now() - start).count();
    const auto [audioAfter, othersAfter] = switchesHereAndElsewhere();

    std::printf ("%llu blocks; block time (processReplacing), us: median %.2f, p99 %.2f, p99.9 %.2f, p99.99 %.2f, "
                 "worst %.2f (block %llu)\n",
                 static_cast<unsigned long long> (blockTimes.size()), blockTimes.percentile (0.5), blockTimes.percentile (0.99),
                 blockTimes.percentile (0.999), blockTimes.percentile (0.9999), blockTimes.worstMicros(),
                 static_cast<unsigned long long> (worstBlock));
    std::printf ("audio thread: preempted %ld times, %ld voluntary switches\n",
                 audioAfter.involuntary - audioBefore.involuntary, audioAfter.voluntary - audioBefore.voluntary);
    const auto others = (othersAfter.voluntary - othersBefore.voluntary) + (othersAfter.involuntary - othersBefore.involuntary);
    std::printf ("plug-in's threads: %ld switches in %.0f s (%.1f per s)\n", others, elapsed, static_cast<double> (others) / elapsed);
    std::printf ("output: %s, peak %.3f\n", nonFinite == 0 ? "finite throughout" : "NOT FINITE", static_cast<double> (peak));

    if (nonFinite != 0)
        std::printf ("%ld non-finite samples\n", nonFinite);

    return nonFinite == 0 ? 0 : 2;
}
