#include "AAX_CString.h"

#include <algorithm>
#include <cstring>
#include <ios>
#include <locale>
#include <sstream>

namespace
{
    const char* textOrEmpty (const char* text) noexcept    { return text != nullptr ? text : ""; }

    bool isDigit (char c) noexcept                         { return c >= '0' && c <= '9'; }
    bool isSpace (char c) noexcept                         { return c == ' ' || (c >= '\t' && c <= '\r'); }
    bool isSign (char c) noexcept                          { return c == '+' || c == '-'; }

    /**
        The longest number at the start of the text, after white space: a sign, digits with
        an optional fraction, and an exponent only when digits follow its mark. Empty when
        the text does not start with a number.
    */
    std::string LeadingNumber (const std::string& text)
    {
        const auto size = text.size();
        const auto skip = [&] (std::size_t pos, bool (*matches) (char)) noexcept
        {
            while (pos < size && matches (text[pos]))
                ++pos;

            return pos;
        };

        const auto start = skip (0, isSpace);
        const auto integerStart = start < size && isSign (text[start]) ? start + 1 : start;
        const auto integerEnd = skip (integerStart, isDigit);
        auto end = integerEnd;
        std::size_t fractionDigits = 0;

        if (end < size && text[end] == '.')
        {
            end = skip (end + 1, isDigit);
            fractionDigits = end - integerEnd - 1;
        }

        if (integerEnd == integerStart && fractionDigits == 0)
            return {};

        if (end < size && (text[end] == 'e' || text[end] == 'E'))
        {
            const auto exponentStart = end + 1 < size && isSign (text[end + 1]) ? end + 2 : end + 1;

            if (const auto exponentEnd = skip (exponentStart, isDigit); exponentEnd > exponentStart)
                end = exponentEnd;
        }

        return text.substr (start, end - start);
    }
}

AAX_CString::AAX_CString (const char* text) : m_Text (textOrEmpty (text)) {}
AAX_CString::AAX_CString (const AAX_CString& other) : AAX_IString(), m_Text (other.m_Text) {}
AAX_CString::AAX_CString (const AAX_IString& other) : m_Text (textOrEmpty (other.Get())) {}
AAX_CString::~AAX_CString() = default;

AAX_CString& AAX_CString::operator= (const AAX_CString& other)
{
    m_Text = other.m_Text;
    return *this;
}

AAX_CString& AAX_CString::operator= (const AAX_IString& other)
{
    if (&other != this)
        m_Text = textOrEmpty (other.Get());

    return *this;
}

AAX_CString& AAX_CString::operator= (const char* text)
{
    m_Text = textOrEmpty (text);
    return *this;
}

void AAX_CString::Set (const char* text)
{
    m_Text = textOrEmpty (text);
}

std::uint32_t AAX_CString::Length() const
{
    return static_cast<std::uint32_t> (m_Text.size());
}

std::uint32_t AAX_CString::MaxLength() const
{
    return 0xFFFFFFFEu;
}

const char* AAX_CString::Get() const
{
    return m_Text.c_str();
}

void AAX_CString::Clear() noexcept
{
    m_Text.clear();
}

AAX_CString& AAX_CString::Erase (std::uint32_t pos, std::uint32_t count)
{
    if (pos < m_Text.size())
        m_Text.erase (pos, count);

    return *this;
}

AAX_CString& AAX_CString::AppendNumber (double number, std::int32_t precision)
{
    std::ostringstream stream;
    stream.imbue (std::locale::classic());
    stream.setf (std::ios::fixed, std::ios::floatfield);
    stream.precision (std::min (precision, maxAppendDecimals));
    stream << number;

    m_Text += stream.str();
    return *this;
}

void AAX_CString::SubString (std::uint32_t pos, std::uint32_t count, AAX_IString* out) const
{
    if (out == nullptr)
        return;

    out->Set (pos <= m_Text.size() ? m_Text.substr (pos, count).c_str() : "");
}

bool AAX_CString::ToDouble (double* out) const
{
    // The stream gets only the number itself: an exponent mark without digits ("1.5e",
    // "2e+") ends the number instead of failing it, as it does in strtod.
    std::istringstream stream (LeadingNumber (m_Text));
    stream.imbue (std::locale::classic());

    double value = 0.0;
    const bool parsed = static_cast<bool> (stream >> value);

    if (out != nullptr)
        *out = parsed ? value : 0.0;

    return parsed;
}

bool AAX_CString::operator== (const AAX_CString& other) const noexcept
{
    return std::strcmp (Get(), other.Get()) == 0;
}

bool AAX_CString::operator!= (const AAX_CString& other) const noexcept
{
    return ! operator== (other);
}
