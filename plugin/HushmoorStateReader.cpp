#include "plugin/HushmoorStateReader.h"

#include "plugin/ValidUtf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
    constexpr std::uint32_t containerMagic = 0x21324356;

    // The framework reads at most 8 hexadecimal or 12 decimal digits in a reference and
    // something else beyond: longer ones are refused ("#" and 12 digits is the longest body).
    constexpr std::size_t maxHexDigits = 8, maxDecimalDigits = 12;
    constexpr std::size_t maxReferenceLength = 1 + maxDecimalDigits;

    std::uint32_t littleEndian32 (const unsigned char* p) noexcept
    {
        return static_cast<std::uint32_t> (p[0]) | static_cast<std::uint32_t> (p[1]) << 8
             | static_cast<std::uint32_t> (p[2]) << 16 | static_cast<std::uint32_t> (p[3]) << 24;
    }

    /*  Tag and attribute names: the ASCII characters that XML and the framework's reader
        both allow, whatever the process's locale. A name starts with a letter, '_' or ':'
        and goes on with those, digits, '-' and '.'. Nothing above 0x7F: the framework
        never takes U+0080..U+009F and decides the rest by the locale's letter test (an
        'é' is a letter in C.UTF-8, not in C), so a state with such a name would restore
        on one machine and not on another. The writer only writes ASCII names. */
    constexpr bool isNameStart (unsigned char c) noexcept
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
    }

    constexpr bool isNameChar (unsigned char c) noexcept
    {
        return isNameStart (c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }

    // White space before a number: the ASCII set that isspace and iswspace give in every
    // locale (the framework's test beyond ASCII depends on the locale).
    constexpr bool isNumberSpace (char c) noexcept
    {
        return c == ' ' || (c >= '\t' && c <= '\r');
    }

    std::string_view skipNumberSpace (std::string_view s) noexcept
    {
        while (! s.empty() && isNumberSpace (s.front()))
            s.remove_prefix (1);
        return s;
    }

    std::size_t countDigits (std::string_view s, std::size_t from) noexcept
    {
        auto n = from;
        while (n < s.size() && s[n] >= '0' && s[n] <= '9')
            ++n;
        return n - from;
    }

    /** The character that the text between '&' and ';' stands for: one of the five
        standard entities, or a decimal or hexadecimal reference to 1 .. 0x10FFFF
        (lone surrogates included: a name a host gave in UTF-16 may hold them). */
    std::optional<std::uint32_t> resolveReference (std::string_view body) noexcept
    {
        if (body == "lt")    return '<';
        if (body == "gt")    return '>';
        if (body == "amp")   return '&';
        if (body == "quot")  return '"';
        if (body == "apos")  return '\'';

        if (body.size() < 2 || body[0] != '#')
            return {};

        const bool hex = body[1] == 'x';
        const auto digits = body.substr (hex ? 2 : 1);

        if (digits.empty() || digits.size() > (hex ? maxHexDigits : maxDecimalDigits))
            return {};

        std::uint32_t value = 0;

        for (const char c : digits)
        {
            std::uint32_t digit;

            if (c >= '0' && c <= '9')                 digit = static_cast<std::uint32_t> (c - '0');
            else if (hex && c >= 'a' && c <= 'f')     digit = static_cast<std::uint32_t> (c - 'a' + 10);
            else if (hex && c >= 'A' && c <= 'F')     digit = static_cast<std::uint32_t> (c - 'A' + 10);
            else                                      return {};

            value = value * (hex ? 16u : 10u) + digit;

            if (value > 0x10ffff)
                return {};
        }

        if (value == 0)
            return {};

        return value;
    }

    void appendUtf8 (std::string& out, std::uint32_t c)
    {
        const auto byte = [&out] (std::uint32_t b) { out.push_back (static_cast<char> (b)); };

        if (c < 0x80)          { byte (c); }
        else if (c < 0x800)    { byte (0xc0 | (c >> 6));  byte (0x80 | (c & 0x3f)); }
        else if (c < 0x10000)  { byte (0xe0 | (c >> 12)); byte (0x80 | ((c >> 6) & 0x3f)); byte (0x80 | (c & 0x3f)); }
        else                   { byte (0xf0 | (c >> 18)); byte (0x80 | ((c >> 12) & 0x3f));
                                 byte (0x80 | ((c >> 6) & 0x3f)); byte (0x80 | (c & 0x3f)); }
    }

    /**
        Walks an attribute value's raw text (without its quotes), calling onText for each
        run of plain characters and onCharacter for each resolved reference. False at
        the first '<' or unresolvable reference.
    */
    template <typename OnText, typename OnCharacter>
    bool walkValue (std::string_view raw, OnText&& onText, OnCharacter&& onCharacter)
    {
        while (! raw.empty())
        {
            const auto special = raw.find_first_of ("<&");
            onText (raw.substr (0, special));

            if (special == std::string_view::npos)
                return true;

            if (raw[special] == '<')
                return false;

            raw.remove_prefix (special + 1);
            const auto semicolon = raw.substr (0, maxReferenceLength + 1).find (';');

            if (semicolon == std::string_view::npos)
                return false;

            const auto character = resolveReference (raw.substr (0, semicolon));

            if (! character)
                return false;

            onCharacter (*character);
            raw.remove_prefix (semicolon + 1);
        }

        return true;
    }

    /** One forward pass over the element's text. */
    class Scanner
    {
    public:
        explicit Scanner (std::string_view textToScan) noexcept : rest (textToScan) {}

        bool atEnd() const noexcept                      { return rest.empty(); }
        bool startsWith (std::string_view s) const noexcept  { return rest.substr (0, s.size()) == s; }

        bool skip (std::string_view s) noexcept
        {
            if (! startsWith (s))
                return false;

            rest.remove_prefix (s.size());
            return true;
        }

        /** Moves to the first occurrence of s (or to the end) and gives the text passed over. */
        std::string_view upTo (std::string_view s) noexcept
        {
            const auto result = rest.substr (0, rest.find (s));
            rest.remove_prefix (result.size());
            return result;
        }

        /** Skips white space; true when there was some. */
        bool skipSpace() noexcept
        {
            const auto before = rest.size();
            rest = rest.substr (std::min (rest.size(), rest.find_first_not_of (" \t\r\n")));
            return rest.size() != before;
        }

        std::optional<std::string_view> name() noexcept
        {
            if (rest.empty() || ! isNameStart (static_cast<unsigned char> (rest.front())))
                return {};

            std::size_t n = 1;
            while (n < rest.size() && isNameChar (static_cast<unsigned char> (rest[n])))
                ++n;

            const auto result = rest.substr (0, n);
            rest.remove_prefix (n);
            return result;
        }

        /** name = "value" (or 'value'): the name and the raw value, references checked. */
        bool attribute (std::string_view& attributeName, std::string_view& rawValue)
        {
            const auto n = name();

            if (! n)
                return false;

            skipSpace();

            if (! skip ("="))
                return false;

            skipSpace();

            if (rest.empty() || (rest.front() != '"' && rest.front() != '\''))
                return false;

            const char quote = rest.front();
            const auto close = rest.find (quote, 1);

            if (close == std::string_view::npos)
                return false;

            const auto raw = rest.substr (1, close - 1);

            if (! walkValue (raw, [] (std::string_view) {}, [] (std::uint32_t) {}))
                return false;

            attributeName = *n;
            rawValue = raw;
            rest.remove_prefix (close + 1);
            return true;
        }

    private:
        std::string_view rest;
    };
}

//==============================================================================
bool HushmoorStateReader::read (const void* data, int sizeInBytes)
{
    attributes.clear();
    tag.clear();
    text.clear();

    if (data == nullptr || sizeInBytes <= 8)
        return false;

    const auto* bytes = static_cast<const unsigned char*> (data);

    if (littleEndian32 (bytes) != containerMagic)
        return false;

    // The stored length is a signed number: zero or negative holds nothing.
    const auto storedLength = static_cast<std::int32_t> (littleEndian32 (bytes + 4));

    if (storedLength <= 0)
        return false;

    // The text is what both the size and the stored length cover, up to a zero byte.
    const auto* textStart = bytes + 8;
    auto textLength = static_cast<std::size_t> (std::min (sizeInBytes - 8, storedLength));

    if (const void* zero = std::memchr (textStart, 0, textLength))
        textLength = static_cast<std::size_t> (static_cast<const unsigned char*> (zero) - textStart);

    if (! hushmoor::isValidUtf8 (reinterpret_cast<const char*> (textStart), textLength))
        return false;

    text.assign (reinterpret_cast<const char*> (textStart), textLength);

    const auto refuse = [this]
    {
        attributes.clear();
        text.clear();
        return false;
    };

    // No byte-order mark: the framework's reader takes one for the first character of the text.
    Scanner scanner (text);
    std::string_view attributeName, rawValue;

    scanner.skipSpace();

    if (scanner.startsWith ("<?xml ") || scanner.startsWith ("<?xml?") || scanner.startsWith ("<?xml\t")
        || scanner.startsWith ("<?xml\r") || scanner.startsWith ("<?xml\n"))
    {
        // The declaration ends at the first "?>", even one inside quotes, as the framework
        // reads it: what stands before that must be attributes and nothing else.
        scanner.skip ("<?xml");
        Scanner declaration (scanner.upTo ("?>"));

        if (! scanner.skip ("?>"))
            return refuse();

        for (;;)
        {
            const bool spaced = declaration.skipSpace();

            if (declaration.atEnd())
                break;

            if (! spaced || ! declaration.attribute (attributeName, rawValue))
                return refuse();
        }

        scanner.skipSpace();
    }

    if (! scanner.skip ("<"))
        return refuse();

    const auto tagName = scanner.name();

    if (! tagName)
        return refuse();

    for (;;)
    {
        const bool spaced = scanner.skipSpace();

        if (scanner.skip ("/>"))
            break;

        if (scanner.skip (">"))
        {
            // An end tag right after the start tag (white space between is no content).
            scanner.skipSpace();

            if (! scanner.skip ("</") || scanner.name() != tagName)
                return refuse();

            scanner.skipSpace();

            if (! scanner.skip (">"))
                return refuse();

            break;
        }

        if (! spaced || ! scanner.attribute (attributeName, rawValue)
             || ! attributes.emplace (attributeName, rawValue).second)
            return refuse();
    }

    scanner.skipSpace();

    if (! scanner.atEnd())
        return refuse();

    tag = *tagName;
    return true;
}

std::optional<std::string> HushmoorStateReader::getAttribute (std::string_view name) const
{
    const auto found = attributes.find (name);

    if (found == attributes.end())
        return {};

    std::string value;
    walkValue (found->second,
               [&value] (std::string_view plain) { value.append (plain); },
               [&value] (std::uint32_t c) { appendUtf8 (value, c); });
    return value;
}

//==============================================================================
double HushmoorStateReader::parseNumber (std::string_view s) noexcept
{
    s = skipNumberSpace (s);
    const bool negative = ! s.empty() && s.front() == '-';

    if (! s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix (1);

    const auto sign = negative ? -1.0 : 1.0;
    const auto startsWithWord = [s] (std::string_view word)
    {
        if (s.size() < word.size())
            return false;

        for (std::size_t i = 0; i < word.size(); ++i)
            if ((s[i] | 0x20) != word[i])
                return false;

        return true;
    };

    if (startsWithWord ("nan"))
        return std::copysign (std::numeric_limits<double>::quiet_NaN(), sign);

    if (startsWithWord ("inf"))
        return sign * std::numeric_limits<double>::infinity();

    // The leading number: digits [. digits] [e [sign] digits]; an 'e' without digits after
    // it ends the number, and so does anything else.
    const auto integerDigits = countDigits (s, 0);
    auto end = integerDigits;
    std::size_t fractionDigits = 0;

    if (end < s.size() && s[end] == '.')
    {
        fractionDigits = countDigits (s, end + 1);
        end += 1 + fractionDigits;
    }

    if (integerDigits + fractionDigits == 0)
        return 0.0;

    const auto mantissaEnd = end;
    std::int64_t exponent = 0;

    if (end < s.size() && (s[end] == 'e' || s[end] == 'E'))
    {
        auto pos = end + 1;
        const bool negativeExponent = pos < s.size() && s[pos] == '-';

        if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
            ++pos;

        if (const auto exponentDigits = countDigits (s, pos); exponentDigits > 0)
        {
            // Only its sign and rough size matter beyond the double range: saturate.
            for (auto i = pos; i < pos + exponentDigits; ++i)
                exponent = std::min<std::int64_t> (exponent * 10 + (s[i] - '0'), std::int64_t { 1 } << 40);

            exponent = negativeExponent ? -exponent : exponent;
            end = pos + exponentDigits;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars (s.data(), s.data() + end, value, std::chars_format::general);

    if (result.ec != std::errc::result_out_of_range)
        return sign * value;

    // Beyond the double range: the power of ten of the first non-zero digit says which way.
    const auto firstNonZero = s.substr (0, mantissaEnd).find_first_of ("123456789");

    if (firstNonZero == std::string_view::npos)
        return sign * 0.0;

    const auto leadingPower = firstNonZero < integerDigits
                                ? static_cast<std::int64_t> (integerDigits - 1 - firstNonZero)
                                : -static_cast<std::int64_t> (firstNonZero - integerDigits);   // the '.' counts one

    return leadingPower + exponent >= 0 ? sign * std::numeric_limits<double>::infinity() : sign * 0.0;
}

int HushmoorStateReader::parseInteger (std::string_view s) noexcept
{
    s = skipNumberSpace (s);
    const bool negative = ! s.empty() && s.front() == '-';

    if (! s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix (1);

    constexpr std::int64_t limit = std::int64_t { std::numeric_limits<int>::max() } + 1;
    std::int64_t magnitude = 0;

    for (std::size_t i = 0, n = countDigits (s, 0); i < n; ++i)
        magnitude = std::min (magnitude * 10 + (s[i] - '0'), limit);

    const auto value = negative ? -magnitude : magnitude;
    return static_cast<int> (std::clamp<std::int64_t> (value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
