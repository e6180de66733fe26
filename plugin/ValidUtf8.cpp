#include "plugin/ValidUtf8.h"

#include <algorithm>
#include <string>

namespace hushmoor
{

namespace
{
    constexpr char replacementCharacter[] = "\xef\xbf\xbd";   // U+FFFD

    /** The length of the well-formed sequence a lead byte starts, and the range its
        second byte must lie in (the later ones are 80..BF); 0 for a byte no sequence
        starts with. */
    struct Lead
    {
        std::size_t length;
        unsigned char secondLow = 0x80, secondHigh = 0xbf;
    };

    constexpr Lead leadOf (unsigned char c) noexcept
    {
        if (c < 0x80)               return { 1 };
        if (c >= 0xc2 && c <= 0xdf) return { 2 };
        if (c == 0xe0)              return { 3, 0xa0, 0xbf };   // no overlong forms
        if (c == 0xed)              return { 3, 0x80, 0x9f };   // no surrogates
        if (c >= 0xe1 && c <= 0xef) return { 3 };
        if (c == 0xf0)              return { 4, 0x90, 0xbf };
        if (c >= 0xf1 && c <= 0xf3) return { 4 };
        if (c == 0xf4)              return { 4, 0x80, 0x8f };   // nothing above U+10FFFF
        return { 0 };
    }

    /** What the bytes start with: a well-formed sequence, an ill-formed part (to be
        replaced), or a sequence cut off by their end (to be left out). */
    struct Piece
    {
        enum class Kind { wellFormed, illFormed, cutOff } kind;
        std::size_t length;
    };

    Piece firstPiece (const unsigned char* in, std::size_t numBytes) noexcept
    {
        const auto lead = leadOf (in[0]);

        if (lead.length == 0)
            return { Piece::Kind::illFormed, 1 };

        // How far the bytes follow the sequence the lead byte starts.
        std::size_t n = 1;

        for (; n < lead.length && n < numBytes; ++n)
        {
            const auto low = n == 1 ? lead.secondLow : static_cast<unsigned char> (0x80);
            const auto high = n == 1 ? lead.secondHigh : static_cast<unsigned char> (0xbf);

            if (in[n] < low || in[n] > high)
                break;
        }

        if (n == lead.length)  return { Piece::Kind::wellFormed, n };
        if (n == numBytes)     return { Piece::Kind::cutOff, n };
        return { Piece::Kind::illFormed, n };
    }
}

juce::String makeValidUtf8 (const char* bytes, std::size_t numBytes)
{
    if (bytes == nullptr)
        return {};

    numBytes = static_cast<std::size_t> (std::find (bytes, bytes + numBytes, '\0') - bytes);
    const auto* in = reinterpret_cast<const unsigned char*> (bytes);
    std::string out;
    out.reserve (numBytes);

    for (std::size_t i = 0; i < numBytes;)
    {
        const auto piece = firstPiece (in + i, numBytes - i);

        if (piece.kind == Piece::Kind::wellFormed)
            out.append (bytes + i, piece.length);
        else if (piece.kind == Piece::Kind::illFormed)
            out += replacementCharacter;

        i += piece.length;
    }

    return juce::String::fromUTF8 (out.data(), static_cast<int> (out.size()));
}

juce::String makeValidUtf8 (const juce::String& text)
{
    const auto* bytes = text.toRawUTF8();
    const auto numBytes = text.getNumBytesAsUTF8();

    // Most texts are valid already: they come back as they are, without a copy.
    return isValidUtf8 (bytes, numBytes) ? text : makeValidUtf8 (bytes, numBytes);
}

bool isValidUtf8 (const char* bytes, std::size_t numBytes) noexcept
{
    const auto* in = reinterpret_cast<const unsigned char*> (bytes);

    for (std::size_t i = 0; i < numBytes;)
    {
        const auto piece = firstPiece (in + i, numBytes - i);

        if (piece.kind != Piece::Kind::wellFormed)
            return false;

        i += piece.length;
    }

    return true;
}

} // namespace hushmoor
