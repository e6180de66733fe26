#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <algorithm>
#include <vector>

/**
    One text for false and one for true, with optional shorter pairs for narrow displays.
    Reading accepts the two full texts only, exactly as written.
*/
template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CBinaryDisplayDelegate (const char* falseString, const char* trueString)
        : m_FalseString (falseString), m_TrueString (trueString),
          m_MaxStringLength (std::max (m_FalseString.Length(), m_TrueString.Length()))
    {
    }

    AAX_CBinaryDisplayDelegate* Clone() const override      { return new AAX_CBinaryDisplayDelegate (*this); }

    /** Adds a pair for displays of at most maxChars characters, kept in ascending order of the limit. */
    void AddShortenedStrings (const char* falseString, const char* trueString, std::int32_t maxChars)
    {
        const auto after = std::upper_bound (m_ShortenedStrings.begin(), m_ShortenedStrings.end(), maxChars,
                                             [] (std::int32_t limit, const StringTable& entry)
                                             { return limit < entry.m_MaxLength; });
        m_ShortenedStrings.insert (after, StringTable { maxChars, AAX_CString (falseString), AAX_CString (trueString) });
    }

    bool ValueToString (T value, AAX_CString* text) const override
    {
        if (text == nullptr)
            return false;

        *text = value ? m_TrueString : m_FalseString;
        return true;
    }

    /** The full text when it fits; else the longest pair that fits; else the shortest pair. */
    bool ValueToString (T value, std::int32_t maxChars, AAX_CString* text) const override
    {
        const auto limit = std::max (maxChars, 0);

        if (text == nullptr || m_ShortenedStrings.empty() || static_cast<std::uint32_t> (limit) >= m_MaxStringLength)
            return ValueToString (value, text);

        const auto* chosen = &m_ShortenedStrings.front();

        for (auto entry = m_ShortenedStrings.rbegin(); entry != m_ShortenedStrings.rend(); ++entry)
        {
            if (entry->m_MaxLength <= limit)
            {
                chosen = &*entry;
                break;
            }
        }

        *text = value ? chosen->m_TrueString : chosen->m_FalseString;
        return true;
    }

    bool StringToValue (const AAX_CString& text, T* value) const override
    {
        const bool isTrue = text == m_TrueString;

        if (value != nullptr)
            *value = isTrue;

        return isTrue || text == m_FalseString;
    }

private:
    struct StringTable
    {
        std::int32_t m_MaxLength;
        AAX_CString m_FalseString;
        AAX_CString m_TrueString;
    };

    AAX_CString m_FalseString;
    AAX_CString m_TrueString;
    std::uint32_t m_MaxStringLength;
    std::vector<StringTable> m_ShortenedStrings;
};
