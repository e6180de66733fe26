#pragma once

/** Root of the module family: sample rate, module name and the reset hooks. */
class DspBase
{
public:
    DspBase() noexcept = default;
    virtual ~DspBase();

    virtual void setSampleRate (float newSampleRate);
    virtual float getSampleRate();
    /** Never null: a module without a name answers "". */
    virtual const char* getName();
    /** resetBuffer() then resetCoeffs(). */
    virtual void reset();
    virtual void resetBuffer();
    virtual void resetCoeffs();
    virtual void calc();

protected:
    float sampleRate_ = 44100.0f;
    const char* name_ = nullptr;   // static text, not owned
};
