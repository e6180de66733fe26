#include "dsp/NoiseGate.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace
{
    // Keeps the envelope away from zero (and from denormals); added to the target and
    // taken off again before the gain is applied.
    constexpr float envelopeOffset = 1.0e-20f;

    constexpr const char* parameterNames[totalNumParams] { "Bypass", "DualMonoOn", "Threshold", "Attack", "Decay" };

    // Only ever compared, where clearing the sign bit and negating negative values agree
    // (for signed zeros and NaNs too); the single instruction keeps the loops short.
    inline float magnitude (float x) noexcept   { return std::fabs (x); }

    struct GateSettings
    {
        float threshold, attack, decay;
    };

    /** One envelope step towards open (detector above threshold) or closed; returns the gain. */
    inline float stepEnvelope (float& envelope, float detector, const GateSettings& s) noexcept
    {
        // Branches rather than selects: which side of the threshold the detector is on, and
        // which way the envelope moves, seldom change from one sample to the next, and
        // predicted branches keep both comparisons out of the chain from one envelope value
        // to the next, which is what bounds the loop. The target is still 1 or 0, plus the
        // offset, and the step's arithmetic is the same.
        const auto towards = [&envelope, &s] (float target)
        {
            if (target > envelope)
                envelope = target + (envelope - target) * s.attack;
            else
                envelope = target + (envelope - target) * s.decay;
        };

        if (detector > s.threshold)
            towards (1.0f + envelopeOffset);
        else
            towards (0.0f + envelopeOffset);

        return envelope + (-envelopeOffset);
    }

    /** The settled on state: each output is the gated sample. */
    struct GatedOutput
    {
        float operator() (int, int, float, float gated) const noexcept   { return gated; }
        void advance() noexcept {}
    };

    /**
        A running crossfade, mixed in the same pass as the gate: keeps the dry sample in
        the dry buffer, mixes it with the gated one and steps both gains once per frame.
    */
    template <bool fadingIn>
    struct CrossfadeOutput
    {
        float* const* dry;
        float wet, dryGain, increment;
        CrossfadeState state;

        float operator() (int channel, int k, float x, float gated) noexcept
        {
            dry[channel][k] = x;
            return dryGain * x + wet * gated;
        }

        void advance() noexcept
        {
            if constexpr (fadingIn)
            {
                if (wet < 1.0f)  { wet += increment; dryGain -= increment; }
                else             { wet = 1.0f; dryGain = 0.0f; state = stateOn; }
            }
            else
            {
                if (dryGain < 1.0f)  { dryGain += increment; wet -= increment; }
                else                 { dryGain = 1.0f; wet = 0.0f; state = stateOff; }
            }
        }
    };

    /** How the envelope follows the channels. */
    enum GateMode : int { monoGate, linkedGate, dualMonoGate };

    /**
        The gate loop. Dual mono advances both envelope chains in the same iteration: they
        are independent, so they overlap and cost about what the one linked chain costs.
    */
    template <int mode, typename Output>
    inline void runGate (float* left, float* right, int numSamples, const GateSettings& s,
                         float& envelopeL, float& envelopeR, Output& output) noexcept
    {
        // Locals, so the compiler need not assume the output stores alias the envelopes.
        float envL = envelopeL, envR = envelopeR;

        for (int k = 0; k < numSamples; ++k)
        {
            if constexpr (mode == monoGate)
            {
                const float x = left[k];
                left[k] = output (0, k, x, stepEnvelope (envL, magnitude (x), s) * x);
            }
            else if constexpr (mode == linkedGate)
            {
                const float l = left[k], r = right[k];
                const float gain = stepEnvelope (envL, std::max (magnitude (l), magnitude (r)), s);
                left[k]  = output (0, k, l, gain * l);
                right[k] = output (1, k, r, gain * r);
            }
            else
            {
                const float l = left[k], r = right[k];
                const float gainL = stepEnvelope (envL, magnitude (l), s);
                const float gainR = stepEnvelope (envR, magnitude (r), s);
                left[k]  = output (0, k, l, gainL * l);
                right[k] = output (1, k, r, gainR * r);
            }

            output.advance();
        }

        // Mono and linked keep both envelopes equal.
        envelopeL = envL;
        envelopeR = mode == dualMonoGate ? envR : envL;
    }

    std::unique_ptr<float[]> allocateZeroed (int numSamples)
    {
        return std::unique_ptr<float[]> (new (std::nothrow) float[static_cast<size_t> (std::max (numSamples, 0))]());
    }
}

NoiseGate::NoiseGate()
{
    name_ = "Noise Gate";
    parameters_ = new float[totalNumParams];   // owned here, freed in the destructor
    parameterNum_ = totalNumParams;

    for (int i = 0; i < parameterNum_; ++i)
        setParameter (i, getDefaultParameter (i));

    reset();
}

NoiseGate::~NoiseGate()
{
    delete[] parameters_;
}

void NoiseGate::setSampleRate (float newSampleRate)
{
    // Coefficients already computed keep the rate they were computed for.
    sampleRate_ = newSampleRate;
}

void NoiseGate::resetBuffer()
{
    envelopeL_ = 0.0f;
    envelopeR_ = 0.0f;
}

void NoiseGate::resetCoeffs() {}

void NoiseGate::calc()
{
    if (isOn_ != wasOn_)
    {
        fadeState_ = isOn_ ? stateFadingIn : stateFadingOut;
        wasOn_ = isOn_;
    }
}

void NoiseGate::calcParameter (int index)
{
    if (index == bypassParam)
        calc();
}

float NoiseGate::timeCoefficient (float value, float scaleMs) const noexcept
{
    if (! (value > 0.0f))
        return 0.0f;

    float p = ::powf (81.0f, value);
    p = p + (-1.0f);
    p = p * 0.0125f;
    p = p * scaleMs;
    p = p * sampleRate_;
    return ::expf (-1000.0f / p);
}

void NoiseGate::setParameter (int index, float value)
{
    if (index >= 0 && index < parameterNum_)
        parameters_[index] = value;

    switch (index)
    {
        case bypassParam:
            isOn_ = value > 0.0f;
            break;

        case dualMonoParam:
            isDualMono_ = value > 0.0f;
            break;

        case thresholdParam:
        {
            float p = ::powf (81.0f, value * value);
            p = p + (-1.0f);
            thresholdGain_ = p * 0.0125f;
            break;
        }

        case attackParam:
            attackCoeff_ = timeCoefficient (value, 200.0f);
            break;

        case decayParam:
            decayCoeff_ = timeCoefficient (value, 2000.0f);
            break;

        default:
            break;
    }
}

float NoiseGate::getDefaultParameter (int index)
{
    return index >= 0 && index < totalNumParams ? defaultValues[index] : 0.0f;
}

const char* NoiseGate::getParameterName (int index)
{
    return index >= 0 && index < totalNumParams ? parameterNames[index] : "";
}

void NoiseGate::setExpectedSampleFrame (int numSamples)
{
    expectedSampleFrame_ = numSamples;
    dryBufferL_.reset();
    dryBufferR_.reset();
    dryBufferL_ = allocateZeroed (numSamples);
    dryBufferR_ = allocateZeroed (numSamples);

    if (dryBufferL_ == nullptr || dryBufferR_ == nullptr)
    {
        // Out of memory: hold no buffers, so the next block asks again.
        dryBufferL_.reset();
        dryBufferR_.reset();
        expectedSampleFrame_ = 0;
    }
}

int NoiseGate::fadeLengthForSampleRate (float sampleRate) noexcept
{
    if (sampleRate < 34050.0f)   return 1024;
    if (sampleRate < 68000.0f)   return 2048;
    if (sampleRate < 136000.0f)  return 4096;
    return 8192;
}

void NoiseGate::forceCalcParams()
{
    wasOn_ = isOn_;

    if (isOn_)
    {
        fadeState_ = stateOn;
        wetGain_ = 1.0f;
        dryGain_ = 0.0f;
    }
    else
    {
        fadeState_ = stateOff;
        dryGain_ = 1.0f;
        wetGain_ = 0.0f;
    }

    fadeLength_ = fadeLengthForSampleRate (sampleRate_);
    fadeIncrement_ = 1.0f / static_cast<float> (fadeLength_);

    calc();
}

void NoiseGate::processNoiseGate (float* left, float* right, int numSamples) noexcept
{
    // Public, so it may be called directly: no samples, no step, and the envelopes stay
    // as they are (a linked block would otherwise copy the left envelope to the right).
    if (numSamples <= 0)
        return;

    const GateSettings settings { thresholdGain_, attackCoeff_, decayCoeff_ };
    GatedOutput output;

    if (isDualMono_)
        runGate<dualMonoGate> (left, right, numSamples, settings, envelopeL_, envelopeR_, output);
    else
        runGate<linkedGate> (left, right, numSamples, settings, envelopeL_, envelopeR_, output);
}

template <int mode>
void NoiseGate::gateBlock (float* left, float* right, int numSamples) noexcept
{
    const GateSettings settings { thresholdGain_, attackCoeff_, decayCoeff_ };

    const auto fade = [&] (auto output)
    {
        runGate<mode> (left, right, numSamples, settings, envelopeL_, envelopeR_, output);
        wetGain_ = output.wet;
        dryGain_ = output.dryGain;
        fadeState_ = output.state;
    };

    float* const dry[] { dryBufferL_.get(), dryBufferR_.get() };

    switch (fadeState_)
    {
        case stateOn:
        {
            GatedOutput output;
            runGate<mode> (left, right, numSamples, settings, envelopeL_, envelopeR_, output);
            break;
        }

        case stateFadingIn:
            fade (CrossfadeOutput<true> { dry, wetGain_, dryGain_, fadeIncrement_, fadeState_ });
            break;

        case stateFadingOut:
            fade (CrossfadeOutput<false> { dry, wetGain_, dryGain_, fadeIncrement_, fadeState_ });
            break;

        case stateOff:
        default:
            break;
    }
}

bool NoiseGate::ensureCapacity (int numSamples)
{
    if (numSamples > expectedSampleFrame_)
        setExpectedSampleFrame (numSamples);

    if (dryBufferL_ != nullptr && dryBufferR_ != nullptr)
        return true;

    // Without room for the dry copy a fade cannot run: settle it where it was heading.
    if (fadeState_ == stateFadingIn)       { fadeState_ = stateOn;  wetGain_ = 1.0f; dryGain_ = 0.0f; }
    else if (fadeState_ == stateFadingOut) { fadeState_ = stateOff; wetGain_ = 0.0f; dryGain_ = 1.0f; }

    return false;
}

void NoiseGate::process (float* buffer, int numSamples)
{
    if (numSamples <= 0)
        return;

    ensureCapacity (numSamples);
    gateBlock<monoGate> (buffer, nullptr, numSamples);
}

void NoiseGate::process (float* left, float* right, int numSamples)
{
    if (numSamples <= 0)
        return;

    ensureCapacity (numSamples);

    if (isDualMono_)
        gateBlock<dualMonoGate> (left, right, numSamples);
    else
        gateBlock<linkedGate> (left, right, numSamples);
}
