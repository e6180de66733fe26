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

    inline float magnitude (float x) noexcept   { return x < 0.0f ? -x : x; }

    /** One envelope step towards open (detector above threshold) or closed; returns the gain. */
    inline float stepEnvelope (float& envelope, float detector, float threshold,
                               float attackCoeff, float decayCoeff) noexcept
    {
        const float target = (detector > threshold ? 1.0f : 0.0f) + envelopeOffset;
        const float coeff = target > envelope ? attackCoeff : decayCoeff;
        envelope = target + (envelope - target) * coeff;
        return envelope + (-envelopeOffset);
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

void NoiseGate::processMonoGate (float* buffer, int numSamples) noexcept
{
    // Locals, so the compiler need not assume the output stores alias the members.
    const float threshold = thresholdGain_, attack = attackCoeff_, decay = decayCoeff_;
    float envelope = envelopeL_;

    for (int i = 0; i < numSamples; ++i)
    {
        const float x = buffer[i];
        buffer[i] = stepEnvelope (envelope, magnitude (x), threshold, attack, decay) * x;
    }

    envelopeL_ = envelope;
    envelopeR_ = envelope;
}

void NoiseGate::processNoiseGate (float* left, float* right, int numSamples) noexcept
{
    // Public, so it may be called directly: no samples, no step, and the envelopes stay
    // as they are (a linked block would otherwise copy the left envelope to the right).
    if (numSamples <= 0)
        return;

    const float threshold = thresholdGain_, attack = attackCoeff_, decay = decayCoeff_;
    float envelopeL = envelopeL_;
    float envelopeR = envelopeR_;

    if (isDualMono_)
    {
        for (int i = 0; i < numSamples; ++i)
        {
            const float l = left[i], r = right[i];
            left[i]  = stepEnvelope (envelopeL, magnitude (l), threshold, attack, decay) * l;
            right[i] = stepEnvelope (envelopeR, magnitude (r), threshold, attack, decay) * r;
        }
    }
    else
    {
        for (int i = 0; i < numSamples; ++i)
        {
            const float l = left[i], r = right[i];
            const float gain = stepEnvelope (envelopeL, std::max (magnitude (l), magnitude (r)),
                                             threshold, attack, decay);
            left[i]  = gain * l;
            right[i] = gain * r;
        }

        envelopeR = envelopeL;
    }

    envelopeL_ = envelopeL;
    envelopeR_ = envelopeR;
}

template <bool fadingIn>
void NoiseGate::mixFade (float* const* channels, const float* const* dry, int numChannels, int numSamples) noexcept
{
    float wet = wetGain_, dryGain = dryGain_;
    const float increment = fadeIncrement_;
    CrossfadeState state = fadeState_;

    for (int k = 0; k < numSamples; ++k)
    {
        for (int ch = 0; ch < numChannels; ++ch)
            channels[ch][k] = dryGain * dry[ch][k] + wet * channels[ch][k];

        if (fadingIn)
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

    wetGain_ = wet;
    dryGain_ = dryGain;
    fadeState_ = state;
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

    switch (fadeState_)
    {
        case stateOn:
            processMonoGate (buffer, numSamples);
            break;

        case stateFadingIn:
        case stateFadingOut:
        {
            float* const dryCopy = dryBufferL_.get();
            std::copy (buffer, buffer + numSamples, dryCopy);
            processMonoGate (buffer, numSamples);

            float* const channels[] { buffer };
            const float* const dry[] { dryCopy };

            if (fadeState_ == stateFadingIn)
                mixFade<true> (channels, dry, 1, numSamples);
            else
                mixFade<false> (channels, dry, 1, numSamples);
            break;
        }

        case stateOff:
        default:
            break;
    }
}

void NoiseGate::process (float* left, float* right, int numSamples)
{
    if (numSamples <= 0)
        return;

    ensureCapacity (numSamples);

    switch (fadeState_)
    {
        case stateOn:
            processNoiseGate (left, right, numSamples);
            break;

        case stateFadingIn:
        case stateFadingOut:
        {
            std::copy (left, left + numSamples, dryBufferL_.get());
            std::copy (right, right + numSamples, dryBufferR_.get());
            processNoiseGate (left, right, numSamples);

            float* const channels[] { left, right };
            const float* const dry[] { dryBufferL_.get(), dryBufferR_.get() };

            if (fadeState_ == stateFadingIn)
                mixFade<true> (channels, dry, 2, numSamples);
            else
                mixFade<false> (channels, dry, 2, numSamples);
            break;
        }

        case stateOff:
        default:
            break;
    }
}
