#pragma once

#include "dsp/NoiseGate.h"

#include <algorithm>
#include <vector>

/** A gate set up the way the processor's prepareToPlay sets up its own, to predict its output. */
inline void prepareReference (NoiseGate& gate, const float (&values)[totalNumParams], float sampleRate, int blockSize)
{
    gate.setSampleRate (sampleRate);
    gate.setExpectedSampleFrame (std::max (blockSize, 16384));
    gate.reset();
    gate.setParameter (0, values[0] > 0.0f ? 1.0f : 0.0f);
    gate.setParameter (1, values[1] > 0.0f ? 1.0f : 0.0f);
    for (int k = 2; k < totalNumParams; ++k)
        gate.setParameter (k, values[k]);
    gate.forceCalcParams();
}

/**
    The gate's block processing written out the plain way, one pass per step: copy the
    dry block, gate it in place sample by sample, then mix dry and gated. It starts from
    a NoiseGate's state, so the two can be run side by side and compared bit for bit.
    Needs -ffp-contract=off, like the gate itself.
*/
class PlainGate
{
public:
    explicit PlainGate (const NoiseGate& g)
        : threshold (g.getThresholdGain()), attack (g.getAttackCoeff()), decay (g.getDecayCoeff()),
          envL (g.getEnvelopeLeft()), envR (g.getEnvelopeRight()), dualMono (g.isDualMono()),
          state (g.getFadeState()), wet (g.getWetGain()), dry (g.getDryGain()),
          increment (1.0f / static_cast<float> (g.getFadeLength()))
    {}

    /** right == nullptr processes left as a mono block. */
    void process (float* left, float* right, int n)
    {
        if (n <= 0 || state == stateOff)
            return;

        const auto count = static_cast<size_t> (n);
        std::vector<float> dryL (left, left + count), dryR;
        if (right != nullptr)
            dryR.assign (right, right + count);

        for (size_t k = 0; k < count; ++k)
        {
            if (right == nullptr)
            {
                left[k] *= step (envL, magnitude (left[k]));
                envR = envL;
            }
            else if (dualMono)
            {
                left[k] *= step (envL, magnitude (left[k]));
                right[k] *= step (envR, magnitude (right[k]));
            }
            else
            {
                const float gain = step (envL, std::max (magnitude (left[k]), magnitude (right[k])));
                left[k] *= gain;
                right[k] *= gain;
                envR = envL;
            }
        }

        if (state == stateOn)
            return;

        bool settled = false;

        for (size_t k = 0; k < count; ++k)
        {
            left[k] = dry * dryL[k] + wet * left[k];
            if (right != nullptr)
                right[k] = dry * dryR[k] + wet * right[k];

            float& rising = state == stateFadingIn ? wet : dry;
            float& falling = state == stateFadingIn ? dry : wet;

            if (rising < 1.0f)
            {
                rising += increment;
                falling -= increment;
            }
            else
            {
                rising = 1.0f;
                falling = 0.0f;
                settled = true;
            }
        }

        if (settled)
            state = state == stateFadingIn ? stateOn : stateOff;
    }

    float threshold, attack, decay, envL, envR;
    bool dualMono;
    CrossfadeState state;
    float wet, dry, increment;

private:
    static float magnitude (float x)   { return x < 0.0f ? -x : x; }

    float step (float& env, float detector) const
    {
        const float target = (detector > threshold ? 1.0f : 0.0f) + 1.0e-20f;
        const float c = target > env ? attack : decay;
        env = target + (env - target) * c;
        return env + (-1.0e-20f);
    }
};
