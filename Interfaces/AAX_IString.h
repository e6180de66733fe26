#pragma once

#include <cstdint>

/**
    The text interface that crosses between host, library and wrapper: names, labels,
    identifiers and value texts are read and replaced through it. The slot order is
    binary; AAX_CString is the one implementation.
*/
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    virtual std::uint32_t Length() const = 0;
    virtual std::uint32_t MaxLength() const = 0;
    /** Never null: the characters, NUL-terminated. */
    virtual const char* Get() const = 0;
    virtual void Set (const char* text) = 0;
    virtual AAX_IString& operator= (const AAX_IString& other) = 0;
    virtual AAX_IString& operator= (const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString (const AAX_IString&) = default;
};
