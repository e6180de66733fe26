#pragma once

// What the benchmarks share: the gate states and settings, the test signal, a ring of
// input blocks, and a reporter that turns every run into ns per frame for the summaries.

#include "dsp/NoiseGate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace hushmoor::bench
{

enum class GateState { onLinked, onDualMono, fading, off };

constexpr GateState allStates[] { GateState::onLinked, GateState::onDualMono, GateState::fading, GateState::off };

inline const char* stateName (GateState s)
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

/** The five parameter values a case starts from (fading starts on). */
inline std::array<float, totalNumParams> startValues (GateState s)
{
    return { s == GateState::off ? 0.0f : 1.0f, s == GateState::onDualMono ? 1.0f : 0.0f, 0.3f, 0.134f, 0.367f };
}

/** A gate prepared the way the processor prepares its own, in the case's starting state. */
inline void prepareGate (NoiseGate& gate, GateState state, float sampleRate)
{
    gate.setSampleRate (sampleRate);
    gate.setExpectedSampleFrame (16384);
    gate.reset();

    const auto values = startValues (state);
    for (int k = 0; k < totalNumParams; ++k)
        gate.setParameter (k, values[static_cast<size_t> (k)]);

    gate.forceCalcParams();
}

/** Bursts over low noise, so the gate opens and closes inside every block. */
inline std::vector<float> makeSignal (int numSamples, unsigned seed)
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

/** Samples that start on a cache line, as hosts' buffers usually do, so that every path
    measured meets the same alignment wherever the allocator happens to put them. */
class AlignedSamples
{
public:
    explicit AlignedSamples (size_t numSamples) : storage (numSamples + lineFloats)
    {
        void* p = storage.data();
        size_t space = storage.size() * sizeof (float);
        start = static_cast<float*> (std::align (lineFloats * sizeof (float), numSamples * sizeof (float), p, space));
    }

    float* data() noexcept   { return start; }

private:
    static constexpr size_t lineFloats = 16;   // 64 bytes
    std::vector<float> storage;
    float* start = nullptr;
};

/**
    A ring of precomputed stereo input, handed out one block after the other and
    processed in place. It is refilled only when used up, so the refill stays out of the
    per-block timing without pausing the clock on every iteration.
*/
class InputRing
{
public:
    explicit InputRing (int blockSize)
        : block (blockSize),
          numBlocks (std::max (1, ringSamples / blockSize)),
          sourceL (makeSignal (block * numBlocks, 1)),
          sourceR (makeSignal (block * numBlocks, 2)),
          left (sourceL.size()),
          right (sourceR.size())
    {
        refill();
    }

    /** The next block's channel pointers; refills the ring (untimed) when it is used up. */
    std::pair<float*, float*> next (benchmark::State& st)
    {
        if (position == numBlocks)
        {
            st.PauseTiming();
            refill();
            position = 0;
            st.ResumeTiming();
        }

        const auto offset = static_cast<size_t> (position++ * block);
        return { left.data() + offset, right.data() + offset };
    }

private:
    void refill()
    {
        std::copy (sourceL.begin(), sourceL.end(), left.data());
        std::copy (sourceR.begin(), sourceR.end(), right.data());
    }

    static constexpr int ringSamples = 32768;   // per channel: stays in L2
    int block, numBlocks, position = 0;
    std::vector<float> sourceL, sourceR;
    AlignedSamples left, right;
};

/**
    The console output as usual, and ns per frame for every case that reports a "frames"
    counter: the median when the run was repeated (whether or not only the aggregates
    are reported), otherwise the single run. Cases that did not run (filtered out) stay
    unknown rather than zero.
*/
class NsPerFrameReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns (const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns (runs);

        for (const auto& run : runs)
        {
            const auto frames = run.counters.find ("frames");
            if (run.error_occurred || frames == run.counters.end() || frames->second.value <= 0)
                continue;

            // Adjusted times are per iteration in the run's time unit (ns here).
            const double ns = run.GetAdjustedCPUTime() / frames->second.value;
            const auto name = run.run_name.str();

            if (run.run_type == Run::RT_Aggregate)
            {
                if (run.aggregate_name == "median")
                    medians[name] = ns;
            }
            else
            {
                repetitions[name].push_back (ns);
            }
        }
    }

    /** ns per frame of a case by its full name ("what/arg"), or a negative number when it did not run. */
    double nsPerFrame (const std::string& name) const
    {
        if (const auto m = medians.find (name); m != medians.end())
            return m->second;

        const auto r = repetitions.find (name);
        if (r == repetitions.end() || r->second.empty())
            return -1.0;

        auto values = r->second;
        const auto middle = values.begin() + static_cast<long> (values.size() / 2);
        std::nth_element (values.begin(), middle, values.end());
        return *middle;
    }

private:
    std::map<std::string, double> medians;
    std::map<std::string, std::vector<double>> repetitions;
};

} // namespace hushmoor::bench
