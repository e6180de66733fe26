#pragma once

#include "dsp/CrossfadeState.h"
#include "dsp/ModuleModel.h"
#include "dsp/ParamIndex.h"

#include <memory>

/**
    The plug-in's signal path: a per-sample envelope gate with a linked-stereo or
    dual-mono detector, and a linear crossfade between dry and gated signal whenever
    the on-switch changes. Parameters are plain floats, nominally 0..1, never clamped.
*/
class NoiseGate : public ModuleModel
{
public:
    NoiseGate();
    ~NoiseGate() override;

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    /** Starts a crossfade when the on-switch differs from the one last acted on. */
    void calc() override;
    void process (float* buffer, int numSamples) override;
    void process (float* left, float* right, int numSamples) override;
    void setParameter (int index, float value) override;
    /** Only index 0 acts: the switch-change rule of calc(). */
    void calcParameter (int index) override;
    float getDefaultParameter (int index) override;
    const char* getParameterName (int index) override;
    /** Reallocates both dry buffers to numSamples zeroed floats, on every call. */
    void setExpectedSampleFrame (int numSamples) override;
    /** Puts the crossfade into the switch's settled state at once and picks the fade length. */
    void forceCalcParams() override;

    /** The stereo gate loop, without any crossfade; n <= 0 processes nothing. */
    void processNoiseGate (float* left, float* right, int numSamples) noexcept;

    static constexpr float defaultValues[totalNumParams] { 1.0f, 0.0f, 0.0f, 0.134f, 0.367f };

    /** Crossfade length in samples for a sample rate: 1024, 2048, 4096 or 8192. */
    static int fadeLengthForSampleRate (float sampleRate) noexcept;

    // Read-only views of the gate's state, for tests and diagnostics.
    CrossfadeState getFadeState() const noexcept   { return fadeState_; }
    int getFadeLength() const noexcept             { return fadeLength_; }
    float getWetGain() const noexcept              { return wetGain_; }
    float getDryGain() const noexcept              { return dryGain_; }
    float getThresholdGain() const noexcept        { return thresholdGain_; }
    float getAttackCoeff() const noexcept          { return attackCoeff_; }
    float getDecayCoeff() const noexcept           { return decayCoeff_; }
    float getEnvelopeLeft() const noexcept         { return envelopeL_; }
    float getEnvelopeRight() const noexcept        { return envelopeR_; }
    bool isDualMono() const noexcept               { return isDualMono_; }
    const float* getDryBufferLeft() const noexcept { return dryBufferL_.get(); }
    const float* getDryBufferRight() const noexcept { return dryBufferR_.get(); }

private:
    /** One block in the current crossfade state, gated and mixed in a single pass;
        mode is one of the detector modes in the source file. */
    template <int mode>
    void gateBlock (float* left, float* right, int numSamples) noexcept;
    bool ensureCapacity (int numSamples);
    float timeCoefficient (float value, float scaleMs) const noexcept;

    bool isOn_ = true;
    bool wasOn_ = true;
    float thresholdGain_ = 0.0f;
    float attackCoeff_ = 0.0f;
    float decayCoeff_ = 0.0f;
    float envelopeL_ = 0.0f;
    float envelopeR_ = 0.0f;
    bool isDualMono_ = false;
    std::unique_ptr<float[]> dryBufferL_;
    std::unique_ptr<float[]> dryBufferR_;
    CrossfadeState fadeState_ = stateOn;
    int fadeLength_ = 2048;
    float fadeIncrement_ = 1.0f / 2048.0f;
    float wetGain_ = 1.0f;
    float dryGain_ = 0.0f;
};
