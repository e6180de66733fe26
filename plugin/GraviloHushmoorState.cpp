// The processor's persistent state: one XML element with the active
// program and every program's name and five values, in the framework's binary container.
//
// Two places where the framework of this build (JUCE 7) differs from the one the
// format was fixed against, and what is done about them:
// - JUCE 7's copyXmlToBinary puts an XML declaration in front of the element, and its
//   XmlElement::setAttribute (double) writes at most 17 significant digits ("1.0",
//   "0.1340000033378601"). The bytes are fixed: no declaration, doubles with 20
//   significant digits and no trailing zeros ("1", "0.13400000333786010742"). So the
//   numbers are formatted here (locale-independent) and the container is written here,
//   byte for byte as the table gives it.
// - JUCE 7's XML parser accepts a document that stops in the middle (a truncated blob
//   still gives an element with the attributes read so far). Truncated or corrupt
//   data must change nothing, so the text is first checked to be one complete,
//   well-formed element in valid UTF-8; only then is getXmlFromBinary asked for it.
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <unordered_set>

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

    /** An attribute's number, as getDoubleAttribute reads it, narrowed to float; the
        framework's reader drops the sign of a zero ("-0") and of a not-a-number ("-nan",
        which the writer gives a negative one), which is kept here. */
    float readNumber (const juce::String& text)
    {
        const float value = narrowToFloat (text.getDoubleValue());

        if ((value == 0.0f || std::isnan (value)) && text.trimStart().startsWithChar ('-'))
            return std::copysign (value, -1.0f);

        return value;
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

    //==============================================================================
    /** True when the bytes are valid UTF-8 (no overlong forms, surrogates or code
        points above U+10FFFF, nothing cut off). */
    bool isValidUtf8 (const unsigned char* p, const unsigned char* end) noexcept
    {
        while (p < end)
        {
            const unsigned c = *p++;

            if (c < 0x80)
                continue;

            int extra;
            unsigned codePoint, minimum;

            if ((c & 0xe0) == 0xc0)       { extra = 1; codePoint = c & 0x1f; minimum = 0x80; }
            else if ((c & 0xf0) == 0xe0)  { extra = 2; codePoint = c & 0x0f; minimum = 0x800; }
            else if ((c & 0xf8) == 0xf0)  { extra = 3; codePoint = c & 0x07; minimum = 0x10000; }
            else                          return false;

            if (end - p < extra)
                return false;

            for (int i = 0; i < extra; ++i)
            {
                const unsigned next = *p++;
                if ((next & 0xc0) != 0x80)
                    return false;
                codePoint = (codePoint << 6) | (next & 0x3f);
            }

            if (codePoint < minimum || codePoint > 0x10ffff || (codePoint >= 0xd800 && codePoint <= 0xdfff))
                return false;
        }

        return true;
    }

    /**
        A strict check that a text is one complete, well-formed XML element (with an
        optional declaration, comments and processing instructions around it): names,
        quoted attribute values, unique attribute names, references, matching end tags.
        Nesting deeper than 64 elements is refused (the state has none at all).
    */
    class XmlShapeCheck
    {
    public:
        XmlShapeCheck (const char* begin, const char* endIn) noexcept : p (begin), end (endIn) {}

        bool isCompleteDocument()
        {
            if (startsWith ("\xef\xbb\xbf"))
                p += 3;

            skipSpace();

            if (startsWith ("<?xml") && ! skipPast ("?>"))
                return false;

            if (! skipMisc() || startsWith ("<!"))   // no DOCTYPE: the state has none
                return false;

            if (! element (0))
                return false;

            if (! skipMisc())
                return false;

            return p == end;
        }

    private:
        const char* p;
        const char* end;

        bool atEnd() const noexcept   { return p >= end; }

        bool startsWith (const char* s) const noexcept
        {
            const auto n = std::strlen (s);
            return static_cast<size_t> (end - p) >= n && std::memcmp (p, s, n) == 0;
        }

        bool skipPast (const char* s) noexcept
        {
            const std::string_view rest (p, static_cast<size_t> (end - p));
            const auto found = rest.find (s);

            if (found == std::string_view::npos)
                return false;

            p += found + std::strlen (s);
            return true;
        }

        void skipSpace() noexcept
        {
            while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
                ++p;
        }

        bool skipMisc() noexcept
        {
            for (;;)
            {
                skipSpace();

                if (startsWith ("<!--"))
                {
                    p += 4;
                    if (! skipPast ("-->"))
                        return false;
                }
                else if (startsWith ("<?"))
                {
                    p += 2;
                    if (! skipPast ("?>"))
                        return false;
                }
                else
                {
                    return true;
                }
            }
        }

        static bool isNameStart (unsigned char c) noexcept
        {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
        }

        static bool isNameChar (unsigned char c) noexcept
        {
            return isNameStart (c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
        }

        bool name (std::string_view& result) noexcept
        {
            const char* start = p;

            if (atEnd() || ! isNameStart (static_cast<unsigned char> (*p)))
                return false;

            while (p < end && isNameChar (static_cast<unsigned char> (*p)))
                ++p;

            result = std::string_view (start, static_cast<size_t> (p - start));
            return true;
        }

        bool reference() noexcept
        {
            ++p;   // '&'
            const char* start = p;

            while (p < end && *p != ';' && p - start < 16)
                ++p;

            if (atEnd() || *p != ';' || p == start)
                return false;

            const std::string_view body (start, static_cast<size_t> (p - start));
            ++p;

            if (body[0] == '#')
            {
                const bool hex = body.size() > 1 && body[1] == 'x';
                const auto digits = body.substr (hex ? 2 : 1);

                if (digits.empty())
                    return false;

                for (char c : digits)
                    if (! ((c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))))
                        return false;

                return true;
            }

            for (char c : body)
                if (! isNameChar (static_cast<unsigned char> (c)))
                    return false;

            return true;
        }

        bool quotedValue() noexcept
        {
            const char quote = *p;

            if (quote != '"' && quote != '\'')
                return false;

            ++p;

            while (p < end && *p != quote)
            {
                if (*p == '<')
                    return false;

                if (*p == '&')
                {
                    if (! reference())
                        return false;
                }
                else
                {
                    ++p;
                }
            }

            if (atEnd())
                return false;

            ++p;
            return true;
        }

        bool element (int depth)
        {
            if (depth > 64 || atEnd() || *p != '<')
                return false;

            ++p;
            std::string_view tag;

            if (! name (tag))
                return false;

            std::unordered_set<std::string_view> attributeNames;

            for (;;)
            {
                const char* beforeSpace = p;
                skipSpace();

                if (atEnd())
                    return false;

                if (*p == '/')
                {
                    ++p;
                    return ! atEnd() && *p++ == '>';
                }

                if (*p == '>')
                {
                    ++p;
                    break;
                }

                std::string_view attribute;

                if (p == beforeSpace || ! name (attribute) || ! attributeNames.insert (attribute).second)
                    return false;

                skipSpace();

                if (atEnd() || *p != '=')
                    return false;

                ++p;
                skipSpace();

                if (atEnd() || ! quotedValue())
                    return false;
            }

            // Content, up to the matching end tag.
            for (;;)
            {
                if (atEnd())
                    return false;

                if (*p == '&')
                {
                    if (! reference())
                        return false;
                    continue;
                }

                if (*p != '<')
                {
                    ++p;
                    continue;
                }

                if (startsWith ("</"))
                {
                    p += 2;
                    std::string_view closing;

                    if (! name (closing) || closing != tag)
                        return false;

                    skipSpace();
                    return ! atEnd() && *p++ == '>';
                }

                if (startsWith ("<!--"))
                {
                    p += 4;
                    if (! skipPast ("-->"))
                        return false;
                }
                else if (startsWith ("<![CDATA["))
                {
                    p += 9;
                    if (! skipPast ("]]>"))
                        return false;
                }
                else if (startsWith ("<?"))
                {
                    p += 2;
                    if (! skipPast ("?>"))
                        return false;
                }
                else if (! element (depth + 1))
                {
                    return false;
                }
            }
        }
    };

    /** The container's rule for which bytes hold the text (as getXmlFromBinary reads
        them), and whether they are one complete element. */
    bool holdsCompleteXml (const void* data, int sizeInBytes)
    {
        if (data == nullptr || sizeInBytes <= 8)
            return false;

        const auto* bytes = static_cast<const unsigned char*> (data);

        if (juce::ByteOrder::littleEndianInt (bytes) != magicXmlNumber)
            return false;

        const auto storedLength = static_cast<int> (juce::ByteOrder::littleEndianInt (bytes + 4));

        if (storedLength <= 0)
            return false;

        const auto* text = bytes + 8;
        const auto* textEnd = text + juce::jmin (sizeInBytes - 8, storedLength);

        // The framework's string stops at the first zero byte.
        if (const void* zero = std::memchr (text, 0, static_cast<size_t> (textEnd - text)))
            textEnd = static_cast<const unsigned char*> (zero);

        if (! isValidUtf8 (text, textEnd))
            return false;

        return XmlShapeCheck (reinterpret_cast<const char*> (text), reinterpret_cast<const char*> (textEnd))
                   .isCompleteDocument();
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
    if (data == nullptr || sizeInBytes <= 8)
        return;

    // The framework's UTF-8 decoding may look up to three bytes past a multi-byte lead
    // byte at the very end of the text: give it a zeroed tail to look at, so that no
    // blob makes it read beyond the host's memory.
    juce::MemoryBlock padded (static_cast<size_t> (sizeInBytes) + 4, true);
    padded.copyFrom (data, 0, static_cast<size_t> (sizeInBytes));

    if (! holdsCompleteXml (padded.getData(), sizeInBytes))
        return;

    const std::unique_ptr<juce::XmlElement> element (getXmlFromBinary (padded.getData(), sizeInBytes));

    // The tag exactly (the framework's hasTagName ignores case, and asserts on a mismatch).
    if (element == nullptr || element->getTagName() != stateTag)
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
                                        ? readNumber (element->getStringAttribute (name))
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
