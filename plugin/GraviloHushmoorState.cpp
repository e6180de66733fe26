// The processor's persistent state (Part 2.102): one XML element with the active
// program and every program's name and five values, in the framework's binary container.
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <cfloat>
#include <cmath>

namespace
{
    const char* const stateTag = "VEZUREZARADADIZUZORUZA";

    /** double to float as a cast would on this machine, but defined for every input:
        beyond the float range gives an infinity of the same sign, NaN stays NaN. */
    inline float narrowToFloat (double value) noexcept
    {
        if (value > static_cast<double> (FLT_MAX))   return HUGE_VALF;
        if (value < -static_cast<double> (FLT_MAX))  return -HUGE_VALF;
        return static_cast<float> (value);
    }
}

void GraviloHushmoorAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    juce::XmlElement element (stateTag);
    element.setAttribute (juce::Identifier ("activePreset"), activePreset_.load (std::memory_order_relaxed));

    for (int b = 0; b < getNumPrograms() && b < numPresets; ++b)
    {
        const juce::String suffix (b);
        element.setAttribute (juce::Identifier ("PresetName" + suffix), getProgramName (b));

        for (int k = 0; k < getNumParameters() && k < totalNumParams; ++k)
            element.setAttribute (juce::Identifier (getParameterName (k) + suffix),
                                  static_cast<double> (presets_[b].getValue (k)));
    }

    destData.reset();
    copyXmlToBinary (element, destData);
}

void GraviloHushmoorAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8)
        return;

    // The framework's UTF-8 decoding may look up to three bytes past a multi-byte lead
    // byte at the very end of the text: give it a zeroed tail to look at, so that a
    // truncated blob never makes it read beyond the host's memory.
    juce::MemoryBlock padded (static_cast<size_t> (sizeInBytes) + 4, true);
    padded.copyFrom (data, 0, static_cast<size_t> (sizeInBytes));

    const std::unique_ptr<juce::XmlElement> element (getXmlFromBinary (padded.getData(), sizeInBytes));

    if (element == nullptr || ! element->hasTagName (stateTag))
        return;

    const int active = element->getIntAttribute (juce::Identifier ("activePreset"), 0);

    for (int b = 0; b < getNumPrograms() && b < numPresets; ++b)
    {
        const juce::String suffix (b);
        presets_[b].name = element->getStringAttribute (juce::Identifier ("PresetName" + suffix));

        for (int k = 0; k < getNumParameters() && k < totalNumParams; ++k)
        {
            const juce::Identifier name (getParameterName (k) + suffix);
            presets_[b].setValue (k, element->hasAttribute (name.toString())
                                        ? narrowToFloat (element->getDoubleAttribute (name))
                                        : getParameterDefaultValue (k));
        }
    }

    setCurrentProgram (active);
}

void GraviloHushmoorAudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    getStateInformation (destData);
}

void GraviloHushmoorAudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    setStateInformation (data, sizeInBytes);
}
