#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

/**
    A number in fixed-point notation with Precision decimals ('.' as point). A character
    limit cuts the text, dropping a decimal point left dangling at the end. SpaceAfter is
    0, the only kind this library has: nothing follows the number.
*/
template <typename T, std::uint32_t Precision, std::uint32_t SpaceAfter>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
    static_assert (SpaceAfter == 0, "nothing is appended after the number");

public:
    AAX_CNumberDisplayDelegate* Clone() const override      { return new AAX_CNumberDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* text) const override
    {
        if (text == nullptr)
            return false;

        text->Clear();
        text->AppendNumber (static_cast<double> (value), static_cast<std::int32_t> (Precision));
        return true;
    }

    bool ValueToString (T value, std::int32_t maxChars, AAX_CString* text) const override
    {
        if (! ValueToString (value, text))
            return false;

        const auto limit = static_cast<std::uint32_t> (maxChars > 0 ? maxChars : 0);

        if (text->Length() > limit)
            text->Erase (limit, text->Length() - limit);

        if (limit > 0 && text->Length() == limit && (*text)[limit - 1] == '.')
            text->Erase (limit - 1, 1);

        return true;
    }

    bool StringToValue (const AAX_CString& text, T* value) const override
    {
        double number = 0.0;
        const bool read = text.ToDouble (&number);

        if (value != nullptr)
            *value = read ? static_cast<T> (number) : T();

        return read;
    }
};
