#include "gui/HushmoorKnobs.h"

#include <cmath>

namespace
{
    // The knobs show the gate's curves worked out here in double precision, so the
    // bubble text does not depend on the audio code.
    constexpr double knobInterval = 0.001;

    double curve (double exponent)
    {
        return (std::pow (81.0, exponent) - 1.0) * 0.0125;
    }
}

HushmoorThresholdKnob::HushmoorThresholdKnob (const juce::String& name)
    : BrivelKnob (name)
{
    setRange (0.0, 1.0, knobInterval);
}

juce::String HushmoorThresholdKnob::getTextFromValue (double value)
{
    if (value <= 0.0)
        return "-oo";

    return juce::String (20.0 * std::log10 (curve (value * value)), 2) + " dB";
}

HushmoorAttackKnob::HushmoorAttackKnob (const juce::String& name)
    : BrivelKnob (name)
{
    setRange (0.0, 1.0, knobInterval);
}

juce::String HushmoorAttackKnob::getTextFromValue (double value)
{
    return juce::String (curve (value) * 200.0, 2) + " ms";
}

HushmoorDecayKnob::HushmoorDecayKnob (const juce::String& name)
    : BrivelKnob (name)
{
    setRange (0.0, 1.0, knobInterval);
}

juce::String HushmoorDecayKnob::getTextFromValue (double value)
{
    return juce::String (curve (value) * 2000.0, 2) + " ms";
}
