#pragma once

#include "dsp/FxModuleBase.h"

/** Abstract effect on raw float buffers, with a parameter array owned by the concrete module. */
class FxBase : public FxModuleBase
{
public:
    FxBase() noexcept = default;
    ~FxBase() override;

    /** In-place mono processing. */
    virtual void process (float* buffer, int numSamples) = 0;
    /** In-place stereo processing. */
    virtual void process (float* left, float* right, int numSamples) = 0;
    virtual void setParameter (int index, float value) = 0;
    virtual void calcParameter (int index) = 0;
    virtual float getDefaultParameter (int index) = 0;
    /** Reads the array without a range check; 0 when there is no array. */
    virtual float getParameter (int index);
    virtual float* getAllParameters();
    virtual const char* getParameterName (int index) = 0;
    virtual int getParameterNum();
    virtual void setExpectedSampleFrame (int numSamples);
    virtual int getExpectedSampleFrame();
    virtual void setBpm (float newBpm);
    virtual float getBpm();
    virtual void forceCalcParams() = 0;

protected:
    float* parameters_ = nullptr;   // allocated and freed by the concrete module
    int parameterNum_ = 0;
    int expectedSampleFrame_ = 0;
    float bpm_ = 120.0f;
    float reserved_ = -1.0f;        // kept for layout; nothing reads it
};
