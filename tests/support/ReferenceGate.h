#pragma once

#include "dsp/NoiseGate.h"

#include <algorithm>

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
