#include "wrappers/aax/HushmoorAAXParameterText.h"

#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace hushmoor::aax
{

namespace
{
    std::string_view trim (std::string_view s) noexcept
    {
        const auto isSpace = [] (char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };

        while (! s.empty() && isSpace (s.front()))  s.remove_prefix (1);
        while (! s.empty() && isSpace (s.back()))   s.remove_suffix (1);
        return s;
    }

    bool equalsIgnoringCase (std::string_view a, std::string_view b) noexcept
    {
        if (a.size() != b.size())
            return false;

        for (std::size_t i = 0; i < a.size(); ++i)
            if ((a[i] | 0x20) != (b[i] | 0x20))
                return false;

        return true;
    }

    /** A leading number, read in the C locale whatever the process's, and what follows it. */
    struct LeadingNumber
    {
        double value;
        std::string_view rest;   // trimmed
    };

    std::optional<LeadingNumber> readLeadingNumber (std::string_view text) noexcept
    {
        text = trim (text);

        if (! text.empty() && text.front() == '+')
        {
            text.remove_prefix (1);

            if (! text.empty() && text.front() == '-')   // "+-3" is no number
                return {};
        }

        double number = 0.0;
        const auto [end, error] = std::from_chars (text.data(), text.data() + text.size(), number);

        if (error != std::errc() || std::isnan (number))
            return {};

        return LeadingNumber { number, trim (text.substr (static_cast<std::size_t> (end - text.data()))) };
    }

    /** A number followed by its unit, in any case, or by the start of it that a host's
        length limit left ("-37.89 d"). */
    std::optional<double> readNumber (std::string_view text, std::string_view unit) noexcept
    {
        const auto number = readLeadingNumber (text);

        if (! number || number->rest.empty() || number->rest.size() > unit.size()
             || ! equalsIgnoringCase (number->rest, unit.substr (0, number->rest.size())))
            return {};

        return number->value;
    }

    /** Numbers as texts order them: "-0.00" comes before "0.00". */
    bool isBefore (double a, double b) noexcept
    {
        return a < b || (a == b && std::signbit (a) && ! std::signbit (b));
    }

    bool isSame (double a, double b) noexcept   { return ! isBefore (a, b) && ! isBefore (b, a); }

    std::uint32_t bitsOf (float v) noexcept    { std::uint32_t b; std::memcpy (&b, &v, sizeof b); return b; }
    float floatOf (std::uint32_t b) noexcept   { float v; std::memcpy (&v, &b, sizeof v); return v; }

    /** The first float in [lo, hi] (both not negative) for which the test holds; the test
        must hold for every float after one for which it holds. Nothing when it never does. */
    template <typename Test>
    std::optional<float> firstWhere (float lo, float hi, Test&& test)
    {
        auto a = bitsOf (lo), b = bitsOf (hi);

        if (! test (hi))
            return {};

        // Not negative floats are ordered as their bits.
        while (a < b)
        {
            const auto middle = a + (b - a) / 2;

            if (test (floatOf (middle)))
                b = middle;
            else
                a = middle + 1;
        }

        return floatOf (a);
    }
}

std::optional<float> readParameterText (int index, std::string_view text)
{
    if (index < 0 || index >= totalNumParams)
        return {};

    text = trim (text);

    // A bare number is the value itself, as the host's number display shows it ("0.250",
    // never with a sign): not a number of decibels or milliseconds without its unit, which
    // would read the same text two ways.
    if (const auto number = readLeadingNumber (text); number && number->rest.empty())
    {
        if (std::signbit (number->value) || number->value > 1.0)
            return {};

        return static_cast<float> (number->value);
    }

    if (index == bypassParam || index == dualMonoParam)
    {
        if (equalsIgnoringCase (text, "On"))   return 1.0f;
        if (equalsIgnoringCase (text, "Off"))  return 0.0f;
        return {};
    }

    if (index == thresholdParam && text == "-oo")
        return 0.0f;

    const std::string_view unit = index == thresholdParam ? "dB" : "ms";
    const auto target = readNumber (text, unit);

    if (! target)
        return {};

    // The number a value shows; the texts grow with the value, so a search over the
    // values finds the ones that show a number.
    const auto shown = [index, unit] (float v)
    {
        const auto shownText = GraviloHushmoorAudioProcessor::getParameterTextForValue (index, v).toStdString();
        return readNumber (shownText, unit).value_or (-std::numeric_limits<double>::infinity());
    };

    // Above 0 the threshold shows a number of decibels; 0 itself is "-oo". A number below
    // the lowest or above the highest the parameter shows is refused, not taken as an end.
    const float lowest = index == thresholdParam ? std::numeric_limits<float>::denorm_min() : 0.0f;

    if (*target < shown (lowest))
        return {};

    const auto first = firstWhere (lowest, 1.0f, [&] (float v) { return ! isBefore (shown (v), *target); });

    if (! first)
        return {};

    if (! isSame (shown (*first), *target))
        return *first;

    // The middle of the values that show this text, so that a host's rounding keeps it.
    const auto after = firstWhere (*first, 1.0f, [&] (float v) { return isBefore (*target, shown (v)); });
    const auto last = after ? floatOf (bitsOf (*after) - 1) : 1.0f;
    const auto middle = static_cast<float> ((static_cast<double> (*first) + static_cast<double> (last)) / 2.0);

    return isSame (shown (middle), *target) ? middle : *first;
}

} // namespace hushmoor::aax
