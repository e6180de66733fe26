#pragma once

#include "gui/BrivelKnob.h"

/** The threshold knob: its bubble shows the gate's threshold in dB ("-oo" at 0). */
class HushmoorThresholdKnob : public BrivelKnob
{
public:
    explicit HushmoorThresholdKnob (const juce::String& name);
    juce::String getTextFromValue (double value) override;
};

/** The attack knob: its bubble shows the attack time in ms. */
class HushmoorAttackKnob : public BrivelKnob
{
public:
    explicit HushmoorAttackKnob (const juce::String& name);
    juce::String getTextFromValue (double value) override;
};

/** The decay knob: its bubble shows the decay time in ms. */
class HushmoorDecayKnob : public BrivelKnob
{
public:
    explicit HushmoorDecayKnob (const juce::String& name);
    juce::String getTextFromValue (double value) override;
};
