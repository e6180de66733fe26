// The processor's persistent state: one XML element with the active
// program and every program's name and five values, in the framework's binary container.
//
// Where the framework of this build (JUCE 7) differs from the one the format was fixed
// against, and what is done about it:
// - JUCE 7's copyXmlToBinary puts an XML declaration in front of the element, and its
//   XmlElement::setAttribute (double) writes at most 17 significant digits ("1.0",
//   "0.1340000033378601"). The bytes are fixed: no declaration, doubles with 20
//   significant digits and no trailing zeros ("1", "0.13400000333786010742"). So the
//   numbers are formatted here (locale-independent) and the container is written here,
//   byte for byte as the table gives it.
// - JUCE 7's XML parser is not safe on hostile text (some inputs never return, others
//   read past their end, its number reader overflows) and accepts a document cut off in
//   the middle. A host's bytes are read by HushmoorStateReader instead, which accepts
//   exactly the shape written here (and by the framework's own writer).
#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "plugin/HushmoorStateReader.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace
{
    const char* const stateTag = "VEZUREZARADADIZUZORUZA";
    constexpr std::uint32_t magicXmlNumber = 0x21324356;

    /** double to float with IEEE round-to-nearest, defined for every input: beyond the
        float range's rounding limit an infinity of the same sign, NaN stays NaN. */
    inline float narrowToFloat (double value) noexcept
    {
        constexpr double overflowLimit = 0x1.ffffffp+127;   // FLT_MAX + half an ulp

        if (value >= overflowLimit)   return HUGE_VALF;
        if (value <= -overflowLimit)  return -HUGE_VALF;
        return static_cast<float> (value);
    }

    /** A double with 20 significant digits and no trailing zeros (printf's %.20g),
        whatever the C locale says. */
    juce::String numberText (double value)
    {
        char buffer[64];
        const auto result = std::to_chars (buffer, buffer + sizeof buffer, value, std::chars_format::general, 20);

        if (result.ec != std::errc())
            return "0";

        return juce::String (buffer, static_cast<size_t> (result.ptr - buffer));
    }
}

//==============================================================================
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
                                  numberText (static_cast<double> (presets_[b].getValue (k))));
    }

    // The container: magic, length, the element on one line without a declaration, a zero byte.
    const auto text = element.toString (juce::XmlElement::TextFormat().singleLine().withoutHeader());
    const auto utf8 = text.toRawUTF8();
    const auto length = std::strlen (utf8);

    destData.reset();
    juce::MemoryOutputStream out (destData, false);
    out.writeInt (static_cast<int> (magicXmlNumber));
    out.writeInt (static_cast<int> (length));
    out.write (utf8, length);
    out.writeByte (0);
}

void GraviloHushmoorAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    restoreState (data, sizeInBytes);
}

bool GraviloHushmoorAudioProcessor::restoreState (const void* data, int sizeInBytes)
{
    HushmoorStateReader reader;

    // The tag exactly: the framework's hasTagName would ignore case.
    if (! reader.read (data, sizeInBytes) || reader.getTagName() != stateTag)
        return false;

    // Numbers are read as getIntAttribute and getDoubleAttribute read them: a text
    // without a leading number is 0, not a reason to refuse the state.
    const auto activeText = reader.getAttribute ("activePreset");
    const int active = activeText ? HushmoorStateReader::parseInteger (*activeText) : 0;

    // Read aside first, so that even a failed allocation leaves the presets as they were.
    struct ReadPreset
    {
        juce::String name;
        float values[totalNumParams] {};
    };

    ReadPreset read[numPresets];
    const int numPrograms = juce::jmin (getNumPrograms(), numPresets);
    const int numParameters = juce::jmin (getNumParameters(), static_cast<int> (totalNumParams));

    for (int b = 0; b < numPrograms; ++b)
    {
        const juce::String suffix (b);

        if (const auto name = reader.getAttribute (("PresetName" + suffix).toStdString()))
            read[b].name = juce::String::fromUTF8 (name->data(), static_cast<int> (name->size()));

        for (int k = 0; k < numParameters; ++k)
        {
            const auto text = reader.getAttribute ((getParameterName (k) + suffix).toStdString());
            read[b].values[k] = text ? narrowToFloat (HushmoorStateReader::parseNumber (*text))
                                     : getParameterDefaultValue (k);
        }
    }

    for (int b = 0; b < numPrograms; ++b)
    {
        presets_[b].name = read[b].name;

        for (int k = 0; k < numParameters; ++k)
            presets_[b].setValue (k, read[b].values[k]);
    }

    setCurrentProgram (active);
    return true;
}

void GraviloHushmoorAudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    getStateInformation (destData);
}

void GraviloHushmoorAudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    setStateInformation (data, sizeInBytes);
}
