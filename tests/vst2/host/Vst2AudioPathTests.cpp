// The built VST 2.4 binary's audio against the reference gate: every speaker arrangement
// a host may offer, every way a host may lay out its buffers, odd and huge blocks, and
// each gate state, bit for bit.

#include "Vst2TestHost.h"

#include "tests/support/ReferenceGate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
    /** Offers a mono or stereo arrangement on each side, as a host does before resuming. */
    bool arrange (const Vst2Instance& plugin, int numIn, int numOut)
    {
        // Head (type, count) and room for two speaker records.
        std::vector<std::int32_t> in (64), out (64);
        in[0] = numIn - 1;  in[1] = numIn;     // mono 0, stereo 1
        out[0] = numOut - 1; out[1] = numOut;
        return plugin.dispatch (VstDispatcherOpcode::setSpeakerArrangement, 0,
                                reinterpret_cast<std::intptr_t> (in.data()), out.data()) == 1;
    }

    std::vector<float> signal (size_t n, float phase)
    {
        std::vector<float> s (n);
        for (size_t i = 0; i < n; ++i)
            s[i] = (i / 300 % 2 == 0 ? 0.5f : 0.0005f) * std::sin (0.019f * static_cast<float> (i) + phase);

        for (size_t at : { size_t (41), size_t (500), size_t (1201) })
            if (at < n)
                s[at] = at == 41 ? std::numeric_limits<float>::quiet_NaN()
                      : at == 500 ? std::numeric_limits<float>::infinity() : -0.0f;
        return s;
    }

    enum class Buffers { separate, inPlace, crossed };
    enum class GateState { linked, dualMono, fading, off };

    const float values[totalNumParams] { 1.0f, 0.0f, 0.35f, 0.2f, 0.4f };

    /** The plug-in and a reference gate side by side, block after block. */
    struct SideBySide
    {
        int numIn, numOut, blockSize;
        Buffers buffers;
        GateState state;

        /** Processes length samples from a fresh resume; true when every output block
            matched the reference. */
        bool matches (const Vst2Instance& plugin, size_t length)
        {
            float v[totalNumParams];
            std::copy (std::begin (values), std::end (values), v);
            v[0] = state == GateState::off ? 0.0f : 1.0f;
            v[1] = state == GateState::dualMono ? 1.0f : 0.0f;

            for (int k = 0; k < totalNumParams; ++k)
                plugin.setParameter (k, v[k]);

            plugin.start (48000.0f, std::max (blockSize, 1));

            NoiseGate reference;
            prepareReference (reference, v, 48000.0f, std::max (blockSize, 1));
            bool on = v[0] > 0.0f;

            const auto inputL = signal (length, 0.0f), inputR = signal (length, 1.3f);
            const auto n = static_cast<size_t> (blockSize);
            std::vector<float> pool[4] { std::vector<float> (n), std::vector<float> (n), std::vector<float> (n), std::vector<float> (n) };
            bool same = true;

            for (size_t start = 0, block = 0; start < length; start += n, ++block)
            {
                if (state == GateState::fading)
                {
                    // A switch change every block keeps the crossfade running in both directions.
                    const bool next = block % 2 != 0;
                    plugin.setParameter (0, next ? 1.0f : 0.0f);
                    if (next != on)
                    {
                        reference.setParameter (0, next ? 1.0f : 0.0f);
                        reference.calcParameter (0);
                        on = next;
                    }
                }

                float* in[2] { pool[0].data(), pool[1].data() };
                float* out[2] {};
                for (int ch = 0; ch < numOut; ++ch)
                    out[ch] = buffers == Buffers::separate ? pool[2 + ch].data()
                            : buffers == Buffers::inPlace  ? (ch < numIn ? in[ch] : pool[2 + ch].data())
                                                           : in[(ch + 1) % numIn];

                const size_t count = std::min (n, length - start);
                const auto first = static_cast<long> (start), last = static_cast<long> (start + count);
                std::copy (inputL.begin() + first, inputL.begin() + last, in[0]);
                std::copy (inputR.begin() + first, inputR.begin() + last, in[1]);

                std::vector<float> refL (inputL.begin() + first, inputL.begin() + last);
                std::vector<float> refR (inputR.begin() + first, inputR.begin() + last);
                if (numIn == 2)
                    reference.process (refL.data(), refR.data(), static_cast<int> (count));
                else
                    reference.process (refL.data(), static_cast<int> (count));

                plugin.get()->processReplacing (plugin.get(), in, out, static_cast<std::int32_t> (count));

                const auto bytes = count * sizeof (float);
                same = same && std::memcmp (out[0], refL.data(), bytes) == 0;
                if (numOut == 2)
                    same = same && std::memcmp (out[1], numIn == 2 ? refR.data() : refL.data(), bytes) == 0;
            }

            plugin.stop();
            return same;
        }
    };

    class Vst2AudioPath : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE (Vst2TestHost::get().isLoaded()) << Vst2TestHost::get().loadError();
        }
    };
}

TEST_F (Vst2AudioPath, EveryArrangementBufferLayoutBlockSizeAndStateGivesTheReferenceGatesBits)
{
    const std::pair<int, int> arrangements[] { { 2, 2 }, { 1, 1 }, { 1, 2 }, { 2, 1 } };

    for (auto [numIn, numOut] : arrangements)
    {
        Vst2Instance plugin;
        ASSERT_TRUE (arrange (plugin, numIn, numOut)) << numIn << " in, " << numOut << " out";
        EXPECT_EQ (plugin.get()->numInputs, numIn);
        EXPECT_EQ (plugin.get()->numOutputs, numOut);

        for (auto buffers : { Buffers::separate, Buffers::inPlace, Buffers::crossed })
            for (auto state : { GateState::linked, GateState::dualMono, GateState::fading, GateState::off })
                for (int blockSize : { 1, 7, 256, 65536 })
                {
                    SideBySide run { numIn, numOut, blockSize, buffers, state };
                    EXPECT_TRUE (run.matches (plugin, blockSize == 65536 ? 65536 : 3000))
                        << numIn << " in, " << numOut << " out, buffers " << static_cast<int> (buffers)
                        << ", state " << static_cast<int> (state) << ", block " << blockSize;
                }
    }
}

TEST_F (Vst2AudioPath, AnEmptyBlockWritesNothing)
{
    Vst2Instance plugin;
    plugin.start (48000.0f, 256);

    std::vector<float> left (16, 0.5f), right (16, -0.5f), outL (16, 7.0f), outR (16, 7.0f);
    float* in[2] { left.data(), right.data() };
    float* out[2] { outL.data(), outR.data() };
    plugin.get()->processReplacing (plugin.get(), in, out, 0);

    EXPECT_EQ (outL, std::vector<float> (16, 7.0f));
    EXPECT_EQ (outR, std::vector<float> (16, 7.0f));
    plugin.stop();
}
