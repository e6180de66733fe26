#pragma once

#include <cstdint>

class AAX_IString;

/**
    A parameter's identifier and value, detached from the parameter. Only the getter of the
    value's own type answers true; the others answer false and write nothing.
*/
class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;

    /** A new copy, owned by the caller. */
    virtual AAX_IParameterValue* Clone() const = 0;
    virtual const char* Identifier() const = 0;
    virtual bool GetValueAsBool (bool* value) const = 0;
    virtual bool GetValueAsInt32 (std::int32_t* value) const = 0;
    virtual bool GetValueAsFloat (float* value) const = 0;
    virtual bool GetValueAsDouble (double* value) const = 0;
    virtual bool GetValueAsString (AAX_IString* value) const = 0;

protected:
    AAX_IParameterValue() = default;
    AAX_IParameterValue (const AAX_IParameterValue&) = default;
    AAX_IParameterValue& operator= (const AAX_IParameterValue&) = default;
};
