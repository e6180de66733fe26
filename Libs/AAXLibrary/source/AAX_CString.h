#pragma once

#include "AAX_IString.h"

#include <string>

/**
    The library's string: an owned 8-bit, NUL-terminated text (no encoding is assumed).
    Copies are independent values. Besides the interface it offers the editing, number
    formatting and parsing that parameters, display delegates and chunks need.
*/
class AAX_CString : public AAX_IString
{
public:
    AAX_CString() = default;
    /** A null text gives the empty string. */
    AAX_CString (const char* text);
    AAX_CString (const AAX_CString& other);
    /** Copies through the interface, so any implementation can be copied. */
    AAX_CString (const AAX_IString& other);
    ~AAX_CString() override;

    AAX_CString& operator= (const AAX_CString& other);
    AAX_CString& operator= (const AAX_IString& other) override;
    /** A null text gives the empty string. */
    AAX_CString& operator= (const char* text) override;
    /** As operator= (const char*). */
    void Set (const char* text) override;

    std::uint32_t Length() const override;
    /** Always 0xFFFFFFFE. */
    std::uint32_t MaxLength() const override;
    const char* Get() const override;
    const char* CString() const noexcept                   { return m_Text.c_str(); }

    /** Unchecked: the index must be below Length(). */
    char& operator[] (std::uint32_t index) noexcept         { return m_Text[index]; }

    void Clear() noexcept;
    /** Removes up to count characters from pos; a range past the end stops at the end. */
    AAX_CString& Erase (std::uint32_t pos, std::uint32_t count);
    /** Appends the number in fixed-point notation with exactly that many decimals ('.' as
        point); at most maxAppendDecimals of them, the most a double can have. */
    AAX_CString& AppendNumber (double number, std::int32_t precision);

    /** Every double is a multiple of 2^-1074, so its exact decimal expansion ends within
        1074 decimals: more would only add zeros (and a huge precision would exhaust the
        memory and stack of the standard library's formatting). */
    static constexpr std::int32_t maxAppendDecimals = 1074;

    /** Sets out to at most count characters from pos on (none when pos is past the end). */
    void SubString (std::uint32_t pos, std::uint32_t count, AAX_IString* out) const;

    /**
        Reads a number from the start of the text ('.' as point, leading white space skipped,
        trailing characters ignored). False, and 0.0 in out, when there is none.
    */
    bool ToDouble (double* out) const;

    /** Compares as NUL-terminated texts: characters after an embedded NUL do not count. */
    bool operator== (const AAX_CString& other) const noexcept;
    bool operator!= (const AAX_CString& other) const noexcept;

private:
    std::string m_Text;
};
