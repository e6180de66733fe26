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

    /** The leading number of a text, as the framework's getDoubleAttribute reads it:
        white space, an optional sign, then "nan", "inf" or digits [. digits] [e [sign]
        digits]; whatever follows is ignored, and a text without such a number is 0.
        Where the framework's reader goes wrong, this one keeps the exact decimal meaning:
        all digits count (it keeps 18, zeros after the point among them), an exponent of
        any length is read without overflow, a magnitude beyond the double range is an
        infinity of its sign and one below it a zero of its sign, and a zero or a "nan"
        keeps its sign, so that "-0" and "-nan", as the state writes them, restore bit
        for bit. */
    static double parseNumber (std::string_view text) noexcept;

    /** The leading decimal integer of a text, as getIntAttribute reads it: white space,
        an optional sign, digits up to the first other character; 0 when there are none.
        Values beyond the int range saturate (where the framework's atoi is undefined). */
    static int parseInteger (std::string_view text) noexcept;

private:
    std::string text;
    std::string tag;
    std::unordered_map<std::string_view, std::string_view> attributes;   // raw values, views into text
};
