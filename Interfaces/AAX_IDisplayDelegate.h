#pragma once

#include <cstdint>

class AAX_CString;

/** Any display delegate, whatever its value type: what a parameter accepts before it checks the type. */
class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;

protected:
    AAX_IDisplayDelegateBase() = default;
    AAX_IDisplayDelegateBase (const AAX_IDisplayDelegateBase&) = default;
    AAX_IDisplayDelegateBase& operator= (const AAX_IDisplayDelegateBase&) = default;
};

/** Turns a real value of type T into text for the host and reads text back. Immutable once made. */
template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    /** A new copy, owned by the caller. */
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString (T value, AAX_CString* text) const = 0;
    /** As above, for a display of at most maxChars characters. */
    virtual bool ValueToString (T value, std::int32_t maxChars, AAX_CString* text) const = 0;
    virtual bool StringToValue (const AAX_CString& text, T* value) const = 0;
};
