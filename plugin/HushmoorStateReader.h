#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

/**
    Reads the processor's saved state: the framework's binary container around one XML
    element with attributes only. It accepts exactly that shape and nothing else: valid
    UTF-8, an optional XML declaration, one element (empty, or with nothing but white
    space before its end tag), unique ASCII attribute names, and in values only the five
    standard entities and character references of 1 to 0x10FFFF. Everything it accepts,
    the framework's XML reader accepts too and reads the same way, in any locale.

    Anything else, whatever its bytes, is refused in one pass over the input, with memory
    in proportion to it: no framework XML reader is involved.
*/
class HushmoorStateReader
{
public:
    HushmoorStateReader() = default;
    HushmoorStateReader (const HushmoorStateReader&) = delete;
    HushmoorStateReader& operator= (const HushmoorStateReader&) = delete;

    /** Reads a container; false (and no element) unless it holds exactly that shape. */
    bool read (const void* data, int sizeInBytes);

    const std::string& getTagName() const noexcept      { return tag; }

    /** The value of an attribute with its references resolved; nothing when missing. */
    std::optional<std::string> getAttribute (std::string_view name) const;

    /** A number as the state writes it (decimal, "inf", "nan", each with an optional
        sign, white space around), read in the C locale with its exact decimal meaning:
        a magnitude beyond the double range is an infinity of its sign, one below it a
        zero of its sign; a "-nan" has its sign. Nothing for any other text. */
    static std::optional<double> parseNumber (std::string_view text);

    /** A decimal integer with an optional sign, white space around; values beyond the
        int range saturate. Nothing for any other text. */
    static std::optional<int> parseInteger (std::string_view text);

private:
    std::string text;
    std::string tag;
    std::unordered_map<std::string_view, std::string_view> attributes;   // raw values, views into text
};
