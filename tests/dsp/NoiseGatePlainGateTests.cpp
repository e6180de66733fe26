// The gate's single-pass loops against the same processing written out one step per
// pass (tests/support/ReferenceGate.h): every state, layout and block size, bit for bit.

#include "tests/support/ReferenceGate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
    enum class Layout { mono, linked, dualMono };

    struct Settings { float threshold, attack, decay; };

    /** Bursts over a quiet floor, with the values a host may hand over now and then. */
    std::vector<float> signal (size_t n, float phase)
    {
        std::vector<float> s (n);
        for (size_t i = 0; i < n; ++i)
            s[i] = (i / 400 % 2 == 0 ? 0.6f : 0.0004f) * std::sin (0.021f * static_cast<float> (i) + phase);

        const float specials[] { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity(), -0.0f, 1.0e-40f, 1.5f, -1.0f };
        for (size_t j = 0; j < std::size (specials); ++j)
            if (size_t at = 97 + 211 * j + static_cast<size_t> (phase); at < n)
                s[at] = specials[j];

        return s;
    }

    void prepare (NoiseGate& gate, const Settings& s, Layout layout, bool on)
    {
        gate.setSampleRate (48000.0f);
        gate.setExpectedSampleFrame (16384);
        gate.reset();
        gate.setParameter (bypassParam, on ? 1.0f : 0.0f);
        gate.setParameter (dualMonoParam, layout == Layout::dualMono ? 1.0f : 0.0f);
        gate.setParameter (thresholdParam, s.threshold);
        gate.setParameter (attackParam, s.attack);
        gate.setParameter (decayParam, s.decay);
        gate.forceCalcParams();
    }

    void switchTo (NoiseGate& gate, bool on)
    {
        gate.setParameter (bypassParam, on ? 1.0f : 0.0f);
        gate.calcParameter (bypassParam);
    }

    void process (NoiseGate& gate, std::vector<float>& l, std::vector<float>& r, Layout layout, size_t start, int n)
    {
        if (layout == Layout::mono)
            gate.process (l.data() + start, n);
        else
            gate.process (l.data() + start, r.data() + start, n);
    }

    /** Brings a gate into one of the states a block can start in. */
    struct StartState
    {
        const char* name;
        void (*enter) (NoiseGate&, const Settings&, Layout);
    };

    const StartState startStates[] {
        { "on",          [] (NoiseGate& g, const Settings& s, Layout l) { prepare (g, s, l, true); } },
        { "off",         [] (NoiseGate& g, const Settings& s, Layout l) { prepare (g, s, l, false); } },
        { "fading in",   [] (NoiseGate& g, const Settings& s, Layout l) { prepare (g, s, l, false); switchTo (g, true); } },
        { "fading out",  [] (NoiseGate& g, const Settings& s, Layout l)
          {
              prepare (g, s, l, true);
              auto warmL = signal (300, 0.0f), warmR = signal (300, 1.0f);
              process (g, warmL, warmR, l, 0, 300);
              switchTo (g, false);
          } },
        { "reversed mid-fade", [] (NoiseGate& g, const Settings& s, Layout l)
          {
              prepare (g, s, l, true);
              switchTo (g, false);
              auto partL = signal (1000, 0.0f), partR = signal (1000, 1.0f);
              process (g, partL, partR, l, 0, 1000);
              switchTo (g, true);
          } },
    };

    bool sameBits (float a, float b)   { return std::memcmp (&a, &b, sizeof a) == 0; }
}

TEST (NoiseGateAgainstPlainGate, EveryStateLayoutAndBlockSizeGivesTheSameBits)
{
    const Settings settings[] { { 0.3f, 0.134f, 0.367f }, { 0.5f, 0.0f, 0.0f } };
    const int blockSizes[] { 0, 1, 7, 256, 1023, 65536 };

    for (const auto& s : settings)
        for (auto layout : { Layout::mono, Layout::linked, Layout::dualMono })
            for (const auto& start : startStates)
                for (int blockSize : blockSizes)
                {
                    SCOPED_TRACE (testing::Message() << start.name << ", layout " << static_cast<int> (layout)
                                                     << ", block " << blockSize << ", threshold " << s.threshold);
                    NoiseGate gate;
                    start.enter (gate, s, layout);
                    PlainGate plain (gate);

                    const size_t length = blockSize == 65536 ? 65536 : 4500;
                    auto left = signal (length, 0.0f), right = signal (length, 1.0f);
                    auto plainL = left, plainR = right;

                    for (size_t at = 0; at < length; at += static_cast<size_t> (std::max (blockSize, 1)))
                    {
                        const int n = blockSize == 0 ? 0 : static_cast<int> (std::min<size_t> (static_cast<size_t> (blockSize), length - at));
                        process (gate, left, right, layout, at, n);
                        plain.process (plainL.data() + at, layout == Layout::mono ? nullptr : plainR.data() + at, n);
                    }

                    ASSERT_EQ (std::memcmp (left.data(), plainL.data(), length * sizeof (float)), 0);
                    ASSERT_EQ (std::memcmp (right.data(), plainR.data(), length * sizeof (float)), 0);
                    EXPECT_TRUE (sameBits (gate.getEnvelopeLeft(), plain.envL));
                    EXPECT_TRUE (sameBits (gate.getEnvelopeRight(), plain.envR));
                    EXPECT_EQ (gate.getFadeState(), plain.state);
                    EXPECT_TRUE (sameBits (gate.getWetGain(), plain.wet));
                    EXPECT_TRUE (sameBits (gate.getDryGain(), plain.dry));
                }
}
