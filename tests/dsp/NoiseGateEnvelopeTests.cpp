#include "dsp/NoiseGate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    // A gate prepared the way the processor prepares it, settled in the on state.
    struct PreparedGate
    {
        explicit PreparedGate (float threshold = 0.0f, float attack = 0.134f, float decay = 0.367f,
                               bool dualMono = false, float sampleRate = 44100.0f)
        {
            gate.setSampleRate (sampleRate);
            gate.setExpectedSampleFrame (16384);
            gate.reset();
            gate.setParameter (bypassParam, 1.0f);
            gate.setParameter (dualMonoParam, dualMono ? 1.0f : 0.0f);
            gate.setParameter (thresholdParam, threshold);
            gate.setParameter (attackParam, attack);
            gate.setParameter (decayParam, decay);
            gate.forceCalcParams();
        }

        NoiseGate gate;
    };

    // The envelope step written out once more, to predict the gate sample by sample.
    float referenceStep (float& env, float detector, float threshold, float attack, float decay)
    {
        const float target = (detector > threshold ? 1.0f : 0.0f) + 1.0e-20f;
        const float c = target > env ? attack : decay;
        env = target + (env - target) * c;
        return env + (-1.0e-20f);
    }
}

TEST (NoiseGateEnvelope, ZeroThresholdOpensForEveryNonZeroSampleAndClosesOnZeros)
{
    PreparedGate p (0.0f, 0.0f, 0.0f);   // instant attack and decay
    std::vector<float> block { 0.5f, 1.0e-30f, 0.0f, -0.25f, 0.0f };
    p.gate.process (block.data(), static_cast<int> (block.size()));

    // Instant attack: 1 + 1e-20 is 1 in single precision, so the gain is exactly 1.
    EXPECT_EQ (block[0], 0.5f);
    EXPECT_EQ (block[1], 1.0e-30f);
    EXPECT_EQ (block[2], 0.0f);
    EXPECT_EQ (block[3], -0.25f);
    EXPECT_EQ (block[4], 0.0f);
    EXPECT_EQ (p.gate.getEnvelopeLeft(), 1.0e-20f);   // instant decay: exactly the floor
}

TEST (NoiseGateEnvelope, FullThresholdNeverOpensWithinUnity)
{
    PreparedGate p (1.0f, 0.0f, 0.0f);
    std::vector<float> block { 1.0f, -1.0f, 0.999f, 1.5f };
    p.gate.process (block.data(), 4);
    EXPECT_EQ (block[0], 0.0f);
    EXPECT_EQ (block[1], -0.0f);
    EXPECT_EQ (block[2], 0.0f);
    EXPECT_EQ (block[3], 1.5f);   // above 1.0 it opens
}

TEST (NoiseGateEnvelope, DetectorEqualToThresholdCountsAsBelow)
{
    PreparedGate p (0.5f, 0.0f, 0.0f);
    const float threshold = p.gate.getThresholdGain();
    std::vector<float> block { threshold, std::nextafter (threshold, 1.0f) };
    p.gate.process (block.data(), 2);
    EXPECT_EQ (block[0], 0.0f);
    EXPECT_EQ (block[1], std::nextafter (threshold, 1.0f));
}

TEST (NoiseGateEnvelope, NanSampleCountsAsBelowAndLeavesTheEnvelopeFinite)
{
    PreparedGate p (0.0f, 0.0f, 0.5f);
    std::vector<float> block { 1.0f, std::nanf (""), 1.0f };
    p.gate.process (block.data(), 3);
    EXPECT_EQ (block[0], 1.0f);
    EXPECT_TRUE (std::isnan (block[1]));
    EXPECT_TRUE (std::isfinite (p.gate.getEnvelopeLeft()));
    EXPECT_EQ (block[2], 1.0f);   // re-opened at once by the instant attack
}

TEST (NoiseGateEnvelope, MonoMatchesTheStepAndLeavesBothEnvelopesEqual)
{
    PreparedGate p (0.3f);
    const float thr = p.gate.getThresholdGain(), a = p.gate.getAttackCoeff(), d = p.gate.getDecayCoeff();

    std::vector<float> block (1000);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = (i / 100 % 2 == 0 ? 0.8f : 0.001f) * std::sin (0.05f * static_cast<float> (i));

    auto expected = block;
    float env = 0.0f;
    for (auto& x : expected)
        x = referenceStep (env, std::fabs (x), thr, a, d) * x;

    p.gate.process (block.data(), static_cast<int> (block.size()));
    EXPECT_EQ (block, expected);
    EXPECT_EQ (p.gate.getEnvelopeLeft(), env);
    EXPECT_EQ (p.gate.getEnvelopeRight(), env);
}

TEST (NoiseGateEnvelope, LinkedStereoKeepsAQuietChannelOpenWithALoudOne)
{
    PreparedGate p (0.5f, 0.0f, 0.0f);
    std::vector<float> left (64, 0.9f), right (64, 0.001f);
    p.gate.process (left.data(), right.data(), 64);
    EXPECT_EQ (right, std::vector<float> (64, 0.001f));
    EXPECT_EQ (left, std::vector<float> (64, 0.9f));
    EXPECT_EQ (p.gate.getEnvelopeLeft(), p.gate.getEnvelopeRight());
}

TEST (NoiseGateEnvelope, DualMonoGatesEachChannelOnItsOwn)
{
    PreparedGate p (0.5f, 0.0f, 0.0f, true);
    std::vector<float> left (64, 0.9f), right (64, 0.001f);
    p.gate.process (left.data(), right.data(), 64);
    EXPECT_EQ (left, std::vector<float> (64, 0.9f));
    EXPECT_EQ (right, std::vector<float> (64, 0.0f));
    EXPECT_EQ (p.gate.getEnvelopeLeft(), 1.0f);
    EXPECT_EQ (p.gate.getEnvelopeRight(), 1.0e-20f);
}

TEST (NoiseGateEnvelope, StereoMatchesTheStepInBothModes)
{
    for (bool dualMono : { false, true })
    {
        PreparedGate p (0.2f, 0.134f, 0.367f, dualMono, 48000.0f);
        const float thr = p.gate.getThresholdGain(), a = p.gate.getAttackCoeff(), d = p.gate.getDecayCoeff();

        std::vector<float> left (4096), right (4096);
        for (size_t i = 0; i < left.size(); ++i)
        {
            left[i] = (i / 512 % 2 == 0 ? 0.7f : 0.0005f) * std::sin (0.03f * static_cast<float> (i));
            right[i] = (i / 300 % 2 == 0 ? 0.6f : 0.0002f) * std::cos (0.02f * static_cast<float> (i));
        }

        auto expL = left, expR = right;
        float envL = 0.0f, envR = 0.0f;
        for (size_t i = 0; i < left.size(); ++i)
        {
            if (dualMono)
            {
                expL[i] *= referenceStep (envL, std::fabs (expL[i]), thr, a, d);
                expR[i] *= referenceStep (envR, std::fabs (expR[i]), thr, a, d);
            }
            else
            {
                const float g = referenceStep (envL, std::max (std::fabs (expL[i]), std::fabs (expR[i])), thr, a, d);
                expL[i] *= g;
                expR[i] *= g;
            }
        }

        p.gate.process (left.data(), right.data(), static_cast<int> (left.size()));
        EXPECT_EQ (left, expL) << "dual mono " << dualMono;
        EXPECT_EQ (right, expR) << "dual mono " << dualMono;
    }
}

TEST (NoiseGateEnvelope, NonPositiveBlockLengthsProcessNothing)
{
    PreparedGate p;
    float sample = 0.5f, other = 0.25f;
    p.gate.process (&sample, 0);
    p.gate.process (&sample, -3);
    p.gate.process (&sample, &other, 0);
    p.gate.process (&sample, &other, -1);
    EXPECT_EQ (sample, 0.5f);
    EXPECT_EQ (other, 0.25f);
    EXPECT_EQ (p.gate.getEnvelopeLeft(), 0.0f);
    EXPECT_EQ (p.gate.getExpectedSampleFrame(), 16384);
}

TEST (NoiseGateEnvelope, TheStereoLoopCalledDirectlyWithNoSamplesLeavesTheEnvelopesAlone)
{
    // Dual mono leaves the two envelopes apart; a linked call of the public stereo loop
    // with n <= 0 must then process nothing, not even copy the left envelope to the right.
    PreparedGate p (0.5f, 0.0f, 0.0f, true);
    std::vector<float> left (8, 0.9f), right (8, 0.001f);
    p.gate.process (left.data(), right.data(), 8);
    ASSERT_EQ (p.gate.getEnvelopeLeft(), 1.0f);
    ASSERT_EQ (p.gate.getEnvelopeRight(), 1.0e-20f);

    p.gate.setParameter (dualMonoParam, 0.0f);
    float l = 0.5f, r = 0.25f;
    p.gate.processNoiseGate (&l, &r, 0);
    p.gate.processNoiseGate (&l, &r, -4);

    EXPECT_EQ (l, 0.5f);
    EXPECT_EQ (r, 0.25f);
    EXPECT_EQ (p.gate.getEnvelopeLeft(), 1.0f);
    EXPECT_EQ (p.gate.getEnvelopeRight(), 1.0e-20f);
}
