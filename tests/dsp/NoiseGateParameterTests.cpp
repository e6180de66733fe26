#include "dsp/NoiseGate.h"

#include <gtest/gtest.h>

#include <cmath>

TEST (NoiseGateParameters, FreshGateHoldsTheDefaults)
{
    NoiseGate gate;
    EXPECT_STREQ (gate.getName(), "Noise Gate");
    EXPECT_EQ (gate.getParameterNum(), 5);
    EXPECT_EQ (gate.getExpectedSampleFrame(), 0);
    EXPECT_EQ (gate.getDryBufferLeft(), nullptr);
    EXPECT_EQ (gate.getEnvelopeLeft(), 0.0f);
    EXPECT_EQ (gate.getEnvelopeRight(), 0.0f);

    const float defaults[] { 1.0f, 0.0f, 0.0f, 0.134f, 0.367f };
    const char* names[] { "Bypass", "DualMonoOn", "Threshold", "Attack", "Decay" };

    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ (gate.getDefaultParameter (i), defaults[i]);
        EXPECT_EQ (gate.getParameter (i), defaults[i]);
        EXPECT_STREQ (gate.getParameterName (i), names[i]);
    }

    EXPECT_FALSE (gate.isDualMono());
    EXPECT_EQ (gate.getThresholdGain(), 0.0f);
}

TEST (NoiseGateParameters, OutOfRangeIndicesAreIgnored)
{
    NoiseGate gate;
    for (int index : { -1, 5, 1000 })
    {
        EXPECT_EQ (gate.getDefaultParameter (index), 0.0f);
        EXPECT_STREQ (gate.getParameterName (index), "");
        gate.setParameter (index, 0.75f);
        gate.calcParameter (index);
    }

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (gate.getParameter (i), gate.getDefaultParameter (i));
}

TEST (NoiseGateParameters, DefaultTimesGiveTheDocumentedCoefficientsAt44100)
{
    NoiseGate gate;
    EXPECT_NEAR (gate.getAttackCoeff(), 0.98875f, 1.0e-5f);
    EXPECT_NEAR (gate.getDecayCoeff(), 0.99977f, 1.0e-5f);

    // The times behind them: 2.0048 ms and 100.42 ms.
    const float attackMs = (::powf (81.0f, 0.134f) - 1.0f) * 0.0125f * 200.0f;
    const float decayMs = (::powf (81.0f, 0.367f) - 1.0f) * 0.0125f * 2000.0f;
    EXPECT_NEAR (attackMs, 2.0048f, 1.0e-4f);
    EXPECT_NEAR (decayMs, 100.42f, 1.0e-2f);
    EXPECT_FLOAT_EQ (gate.getAttackCoeff(), ::expf (-1000.0f / (attackMs * 44100.0f)));
}

TEST (NoiseGateParameters, CoefficientsUseTheRateAtTheTimeOfSetting)
{
    NoiseGate gate;
    const float at44 = gate.getAttackCoeff();
    gate.setSampleRate (96000.0f);
    EXPECT_EQ (gate.getAttackCoeff(), at44);   // not recomputed by the rate change

    gate.setParameter (attackParam, 0.134f);
    EXPECT_GT (gate.getAttackCoeff(), at44);
    EXPECT_NEAR (gate.getAttackCoeff(), 0.99481f, 1.0e-5f);
}

TEST (NoiseGateParameters, ThresholdCurveAtKnownPoints)
{
    NoiseGate gate;
    gate.setParameter (thresholdParam, 0.0f);
    EXPECT_EQ (gate.getThresholdGain(), 0.0f);

    gate.setParameter (thresholdParam, 1.0f);
    EXPECT_EQ (gate.getThresholdGain(), 1.0f);

    gate.setParameter (thresholdParam, 0.5f);
    EXPECT_NEAR (20.0 * std::log10 (gate.getThresholdGain()), -32.04, 0.005);

    // The curve squares the value, so a negative value acts like its magnitude.
    gate.setParameter (thresholdParam, -0.5f);
    EXPECT_NEAR (20.0 * std::log10 (gate.getThresholdGain()), -32.04, 0.005);
}

TEST (NoiseGateParameters, NonPositiveOrNanTimesGiveAZeroCoefficient)
{
    NoiseGate gate;
    for (float v : { 0.0f, -0.5f, std::nanf ("") })
    {
        gate.setParameter (attackParam, v);
        gate.setParameter (decayParam, v);
        EXPECT_EQ (gate.getAttackCoeff(), 0.0f);
        EXPECT_EQ (gate.getDecayCoeff(), 0.0f);
    }
}

TEST (NoiseGateParameters, SwitchesEngageAboveZero)
{
    NoiseGate gate;
    gate.setParameter (dualMonoParam, 0.3f);
    EXPECT_TRUE (gate.isDualMono());
    gate.setParameter (dualMonoParam, 0.0f);
    EXPECT_FALSE (gate.isDualMono());
    gate.setParameter (dualMonoParam, -1.0f);
    EXPECT_FALSE (gate.isDualMono());

    gate.setParameter (bypassParam, 0.0f);
    gate.forceCalcParams();
    EXPECT_EQ (gate.getFadeState(), stateOff);
    gate.setParameter (bypassParam, 0.001f);
    gate.forceCalcParams();
    EXPECT_EQ (gate.getFadeState(), stateOn);
}

TEST (NoiseGateParameters, ExpectedFrameReallocatesZeroedBuffersOnEveryCall)
{
    NoiseGate gate;
    gate.setExpectedSampleFrame (64);
    ASSERT_NE (gate.getDryBufferLeft(), nullptr);
    ASSERT_NE (gate.getDryBufferRight(), nullptr);
    EXPECT_EQ (gate.getExpectedSampleFrame(), 64);

    for (int i = 0; i < 64; ++i)
    {
        EXPECT_EQ (gate.getDryBufferLeft()[i], 0.0f);
        EXPECT_EQ (gate.getDryBufferRight()[i], 0.0f);
    }

    gate.setExpectedSampleFrame (16);   // smaller: still replaced
    EXPECT_EQ (gate.getExpectedSampleFrame(), 16);
    EXPECT_NE (gate.getDryBufferLeft(), nullptr);

    gate.setExpectedSampleFrame (-5);   // nonsense from a caller must not throw
    EXPECT_NE (gate.getDryBufferLeft(), nullptr);
}
