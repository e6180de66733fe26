#pragma once

#include "AAX_Types.h"

#include <cstdint>

class AAX_CString;
class AAX_IAutomationDelegate;
class AAX_IDisplayDelegateBase;
class AAX_IParameterValue;
class AAX_IString;
class AAX_ITaperDelegateBase;

/**
    One host parameter, addressed by a text identifier of at most 31 characters. The host
    deals in normalised values (0 to 1); the parameter holds a real value and converts
    through its taper and display delegates.

    With an automation delegate attached, the set operations only ask the host (touch,
    set-value request, release); the value changes when the host answers through
    UpdateNormalizedValue. Without one, they store the value at once.

    Of the typed forms (bool, int32, float, double) only the parameter's own type answers;
    the others answer false and change nothing.
*/
class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    /** The identifier and current value, as a new object owned by the caller. */
    virtual AAX_IParameterValue* CloneValue() const = 0;
    virtual const char* Identifier() const = 0;
    virtual void SetName (const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    /** Keeps the name under its length; a later one of the same length replaces it. */
    virtual void AddShortenedName (const AAX_CString& name) = 0;
    /**
        The full name when it fits (or there are no shortened ones, or the limit is negative);
        else the longest shortened name that fits; else the shortest one.
    */
    virtual const AAX_CString& ShortenedName (std::int32_t maxChars) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool Automatable() const = 0;
    /** Unregisters from the old delegate, registers with the new one (either may be null). */
    virtual void SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;
    virtual void SetNormalizedValue (double normalizedValue) = 0;
    virtual double GetNormalizedValue() const = 0;
    /** Changes the default only; the current value stays. */
    virtual void SetNormalizedDefaultValue (double normalizedDefault) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;
    /** 0 is ignored. */
    virtual void SetNumberOfSteps (std::uint32_t numSteps) = 0;
    virtual std::uint32_t GetNumberOfSteps() const = 0;
    virtual std::uint32_t GetStepValue() const = 0;
    virtual double GetNormalizedValueFromStep (std::uint32_t step) const = 0;
    virtual std::uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const = 0;
    virtual void SetStepValue (std::uint32_t step) = 0;
    virtual bool GetValueString (AAX_CString* valueString) const = 0;
    virtual bool GetValueString (std::int32_t maxChars, AAX_CString* valueString) const = 0;
    virtual bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromInt32 (std::int32_t value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const = 0;
    /** False for unreadable text; for a number out of range, false with the clamped value written. */
    virtual bool GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const = 0;
    virtual bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const = 0;
    virtual bool GetInt32FromNormalizedValue (double normalizedValue, std::int32_t* value) const = 0;
    virtual bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const = 0;
    virtual bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const = 0;
    /** False when the text fails or the real value lies out of range (the text is written anyway). */
    virtual bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, std::int32_t maxChars,
                                               AAX_CString& valueString) const = 0;
    virtual bool SetValueFromString (const AAX_CString& valueString) = 0;
    virtual bool GetValueAsBool (bool* value) const = 0;
    virtual bool GetValueAsInt32 (std::int32_t* value) const = 0;
    virtual bool GetValueAsFloat (float* value) const = 0;
    virtual bool GetValueAsDouble (double* value) const = 0;
    virtual bool GetValueAsString (AAX_IString* value) const = 0;
    virtual bool SetValueWithBool (bool value) = 0;
    virtual bool SetValueWithInt32 (std::int32_t value) = 0;
    virtual bool SetValueWithFloat (float value) = 0;
    virtual bool SetValueWithDouble (double value) = 0;
    virtual bool SetValueWithString (const AAX_IString& value) = 0;
    virtual void SetType (AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation (std::int32_t orientation) = 0;
    virtual std::int32_t GetOrientation() const = 0;
    /**
        Takes a copy of a taper of the parameter's own value type (any other is ignored).
        keepRealValue keeps the real value and moves its normalised position; otherwise the
        position stays and the real value follows.
    */
    virtual void SetTaperDelegate (AAX_ITaperDelegateBase& taper, bool keepRealValue) = 0;
    /** Takes a copy of a display delegate of the parameter's own value type (any other is ignored). */
    virtual void SetDisplayDelegate (AAX_IDisplayDelegateBase& display) = 0;
    /** Stores a value the host confirmed and reports it back exactly as received. */
    virtual void UpdateNormalizedValue (double normalizedValue) = 0;

protected:
    AAX_IParameter() = default;
    AAX_IParameter (const AAX_IParameter&) = default;
    AAX_IParameter& operator= (const AAX_IParameter&) = default;
};
