#pragma once

#include "dsp/FxBase.h"

#include <juce_events/juce_events.h>

/** A module that can be placed in a larger arrangement of modules. */
class ModuleModel : public FxBase,
                    public juce::ActionBroadcaster
{
public:
    ModuleModel() noexcept;
    ~ModuleModel() override;

    void process (float* buffer, int numSamples) override;
    void process (float* left, float* right, int numSamples) override;

    virtual void setInputsUsed (int numInputs);
    virtual int getInputsUsed();
    virtual void setOutputsUsed (int numOutputs);
    virtual int getOutputsUsed();
    virtual bool isContainer();
    virtual void setFloorId (int floorId);
    virtual int getFloorId();
    virtual void setColumn (int column);
    virtual int getColumn();
    virtual bool isUiNeedsUpdate();
    virtual void requestUiNeedsUpdate();
    virtual void clearUiNeedsUpdate();
    /** Two inputs used: stereo in place. One: mono on a, then a copied to b. Otherwise nothing. */
    virtual void processBlock (float* a, float* b, int numSamples);

protected:
    bool uiNeedsUpdate_ = false;
    int floorId_ = 0;
    int column_ = 0;
    int inputsUsed_ = 1;
    int outputsUsed_ = 1;
};
