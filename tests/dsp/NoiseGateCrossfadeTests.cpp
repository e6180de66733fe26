#include "dsp/NoiseGate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
    void prepare (NoiseGate& gate, float sampleRate, bool on, int blockSize = 16384)
    {
        gate.setSampleRate (sampleRate);
        gate.setExpectedSampleFrame (blockSize);
        gate.reset();
        gate.setParameter (bypassParam, on ? 1.0f : 0.0f);
        gate.setParameter (dualMonoParam, 0.0f);
        gate.setParameter (thresholdParam, 0.1f);
        gate.setParameter (attackParam, 0.134f);
        gate.setParameter (decayParam, 0.367f);
        gate.forceCalcParams();
    }

    std::vector<float> testSignal (size_t n, float phase = 0.0f)
    {
        std::vector<float> s (n);
        for (size_t i = 0; i < n; ++i)
            s[i] = (i / 700 % 2 == 0 ? 0.5f : 0.001f) * std::sin (0.01f * static_cast<float> (i) + phase);
        return s;
    }

    void switchTo (NoiseGate& gate, bool on)
    {
        gate.setParameter (bypassParam, on ? 1.0f : 0.0f);
        gate.calcParameter (bypassParam);
    }
}

TEST (NoiseGateCrossfade, FadeLengthFollowsTheSampleRateBoundaries)
{
    const std::pair<float, int> expectations[] {
        { 22050.0f, 1024 }, { 32000.0f, 1024 }, { 34049.0f, 1024 }, { 34050.0f, 2048 },
        { 44100.0f, 2048 }, { 48000.0f, 2048 }, { 67999.0f, 2048 }, { 68000.0f, 4096 },
        { 88200.0f, 4096 }, { 96000.0f, 4096 }, { 135999.0f, 4096 }, { 136000.0f, 8192 },
        { 176400.0f, 8192 }, { 192000.0f, 8192 } };

    for (auto [rate, length] : expectations)
    {
        NoiseGate gate;
        prepare (gate, rate, true);
        EXPECT_EQ (gate.getFadeLength(), length) << rate;
    }
}

TEST (NoiseGateCrossfade, FadeOutRampsExactlyAndSettlesAfterTheLastFadeSample)
{
    // At each boundary rate the fade takes the longer length; check the exact gains k / L.
    for (float rate : { 48000.0f, 34050.0f, 68000.0f, 136000.0f })
    {
        NoiseGate gate, reference;
        prepare (gate, rate, true);
        prepare (reference, rate, true);
        const int length = gate.getFadeLength();

        switchTo (gate, false);
        EXPECT_EQ (gate.getFadeState(), stateFadingOut);

        const auto dry = testSignal (static_cast<size_t> (length) + 100);
        auto out = dry, gated = dry;
        reference.process (gated.data(), static_cast<int> (gated.size()));

        // Process up to and including the sample at k = L - 1: still fading.
        gate.process (out.data(), length);
        EXPECT_EQ (gate.getFadeState(), stateFadingOut) << rate;
        // The sample at k = L is the first with the final gains; the state changes after it.
        gate.process (out.data() + length, 1);
        EXPECT_EQ (gate.getFadeState(), stateOff) << rate;
        gate.process (out.data() + length + 1, 99);

        const float step = 1.0f / static_cast<float> (length);
        for (int k = 0; k <= length; ++k)
        {
            const float dryGain = static_cast<float> (k) * step;
            const float wetGain = 1.0f - dryGain;
            const float expected = dryGain * dry[static_cast<size_t> (k)] + wetGain * gated[static_cast<size_t> (k)];
            ASSERT_EQ (out[static_cast<size_t> (k)], expected) << "rate " << rate << " k " << k;
        }

        for (size_t k = static_cast<size_t> (length); k < dry.size(); ++k)
            ASSERT_EQ (out[k], dry[k]) << "fully dry from k = L";

        EXPECT_EQ (gate.getDryGain(), 1.0f);
        EXPECT_EQ (gate.getWetGain(), 0.0f);
    }
}

TEST (NoiseGateCrossfade, FadeInRampsStereoWithTheSameGainsOnBothChannels)
{
    NoiseGate gate, reference;
    prepare (gate, 44100.0f, false);
    prepare (reference, 44100.0f, true);

    switchTo (gate, true);
    EXPECT_EQ (gate.getFadeState(), stateFadingIn);

    const auto dryL = testSignal (3000), dryR = testSignal (3000, 1.0f);
    auto outL = dryL, outR = dryR, gatedL = dryL, gatedR = dryR;
    reference.process (gatedL.data(), gatedR.data(), 3000);
    gate.process (outL.data(), outR.data(), 3000);

    EXPECT_EQ (gate.getFadeState(), stateOn);
    for (size_t k = 0; k < 3000; ++k)
    {
        const float wet = k >= 2048 ? 1.0f : static_cast<float> (k) / 2048.0f;
        const float dryGain = 1.0f - wet;
        ASSERT_EQ (outL[k], dryGain * dryL[k] + wet * gatedL[k]) << k;
        ASSERT_EQ (outR[k], dryGain * dryR[k] + wet * gatedR[k]) << k;
    }
}

TEST (NoiseGateCrossfade, OffStatePassesAudioBitExactlyAndFreezesTheEnvelopes)
{
    NoiseGate gate;
    prepare (gate, 48000.0f, true);

    auto warmUp = testSignal (700);
    gate.process (warmUp.data(), 700);
    switchTo (gate, false);
    auto fade = testSignal (4096);
    gate.process (fade.data(), 4096);
    ASSERT_EQ (gate.getFadeState(), stateOff);

    const float frozenL = gate.getEnvelopeLeft(), frozenR = gate.getEnvelopeRight();
    auto left = testSignal (8192), right = testSignal (8192, 2.0f);
    left[5] = std::nanf ("");
    right[9] = -std::numeric_limits<float>::infinity();
    const auto inL = left, inR = right;
    gate.process (left.data(), right.data(), 8192);
    gate.process (left.data(), 8192);

    EXPECT_EQ (0, std::memcmp (left.data(), inL.data(), left.size() * sizeof (float)));
    EXPECT_EQ (0, std::memcmp (right.data(), inR.data(), right.size() * sizeof (float)));
    EXPECT_EQ (gate.getEnvelopeLeft(), frozenL);
    EXPECT_EQ (gate.getEnvelopeRight(), frozenR);

    // Switching on again resumes from the frozen envelope.
    switchTo (gate, true);
    EXPECT_EQ (gate.getFadeState(), stateFadingIn);
    EXPECT_EQ (gate.getEnvelopeLeft(), frozenL);
}

TEST (NoiseGateCrossfade, ReversedSwitchFadesBackFromTheCurrentMix)
{
    NoiseGate gate;
    prepare (gate, 44100.0f, false);
    switchTo (gate, true);

    auto block = testSignal (1024);
    gate.process (block.data(), 1024);   // half of the 2048-sample fade
    EXPECT_EQ (gate.getWetGain(), 0.5f);
    EXPECT_EQ (gate.getDryGain(), 0.5f);

    switchTo (gate, false);
    EXPECT_EQ (gate.getFadeState(), stateFadingOut);
    EXPECT_EQ (gate.getWetGain(), 0.5f);   // the gains carry over

    block = testSignal (1024);
    gate.process (block.data(), 1024);
    EXPECT_EQ (gate.getFadeState(), stateFadingOut);
    EXPECT_EQ (gate.getDryGain(), 1.0f);
    block = testSignal (1);
    gate.process (block.data(), 1);
    EXPECT_EQ (gate.getFadeState(), stateOff);
}

TEST (NoiseGateCrossfade, SwitchingTwiceWithoutAChangeStartsNoFade)
{
    NoiseGate gate;
    prepare (gate, 44100.0f, true);
    switchTo (gate, true);
    EXPECT_EQ (gate.getFadeState(), stateOn);
    gate.calc();
    EXPECT_EQ (gate.getFadeState(), stateOn);
    gate.calcParameter (thresholdParam);   // only index 0 acts
    EXPECT_EQ (gate.getFadeState(), stateOn);
}

TEST (NoiseGateCrossfade, ForceCalcParamsSettlesAFadeAtOnce)
{
    NoiseGate gate;
    prepare (gate, 44100.0f, true);
    switchTo (gate, false);
    auto block = testSignal (100);
    gate.process (block.data(), 100);
    ASSERT_EQ (gate.getFadeState(), stateFadingOut);

    gate.forceCalcParams();
    EXPECT_EQ (gate.getFadeState(), stateOff);
    EXPECT_EQ (gate.getDryGain(), 1.0f);
    EXPECT_EQ (gate.getWetGain(), 0.0f);
}

TEST (NoiseGateCrossfade, LongerBlockRegrowsTheDryBuffersBeforeProcessing)
{
    NoiseGate gate, reference;
    prepare (gate, 44100.0f, true);
    prepare (reference, 44100.0f, true);
    switchTo (gate, false);

    auto left = testSignal (20000), right = testSignal (20000, 0.5f);
    const auto dryL = left;
    auto gatedL = left, gatedR = right;
    reference.process (gatedL.data(), gatedR.data(), 20000);

    gate.process (left.data(), right.data(), 20000);
    EXPECT_EQ (gate.getExpectedSampleFrame(), 20000);

    // The dry copy of the whole block sits in the new buffer.
    for (size_t k = 0; k < 20000; ++k)
        ASSERT_EQ (gate.getDryBufferLeft()[k], dryL[k]);

    EXPECT_EQ (gate.getFadeState(), stateOff);
    for (size_t k = 2048; k < 20000; ++k)
        ASSERT_EQ (left[k], dryL[k]);
}
