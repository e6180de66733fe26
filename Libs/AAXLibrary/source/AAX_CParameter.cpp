#include "AAX_CParameter.h"

#include "AAX_IAutomationDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <utility>

namespace
{
    /** Writes the value when it is of the wanted type; any other type answers false. */
    template <typename Own, typename Wanted>
    bool deliverIfSameType (Own value, Wanted* out) noexcept
    {
        if constexpr (std::is_same_v<Own, Wanted>)
        {
            if (out == nullptr)
                return false;

            *out = value;
            return true;
        }
        else
        {
            return false;
        }
    }
}

//==============================================================================
template <typename T>
AAX_CParameterValue<T>::AAX_CParameterValue (const char* identifier, T value) : m_Value (value)
{
    const auto* text = identifier != nullptr ? identifier : "";
    const auto length = std::min (std::strlen (text), sIdentifierCapacity - 1);
    std::memcpy (m_Identifier, text, length);
    m_Identifier[length] = 0;
}

template <typename T>
AAX_CParameterValue<T>::AAX_CParameterValue (const AAX_CParameterValue& other)
    : AAX_IParameterValue(), m_Value (other.m_Value)
{
    std::memcpy (m_Identifier, other.m_Identifier, sizeof (m_Identifier));
}

template <typename T>
AAX_CParameterValue<T>& AAX_CParameterValue<T>::operator= (const AAX_CParameterValue& other)
{
    std::memmove (m_Identifier, other.m_Identifier, sizeof (m_Identifier));
    m_Value = other.m_Value;
    return *this;
}

template <typename T>
AAX_IParameterValue* AAX_CParameterValue<T>::Clone() const                { return new AAX_CParameterValue (*this); }
template <typename T>
const char* AAX_CParameterValue<T>::Identifier() const                    { return m_Identifier; }
template <typename T>
bool AAX_CParameterValue<T>::GetValueAsBool (bool* value) const           { return deliverIfSameType (m_Value, value); }
template <typename T>
bool AAX_CParameterValue<T>::GetValueAsInt32 (std::int32_t* value) const  { return deliverIfSameType (m_Value, value); }
template <typename T>
bool AAX_CParameterValue<T>::GetValueAsFloat (float* value) const         { return deliverIfSameType (m_Value, value); }
template <typename T>
bool AAX_CParameterValue<T>::GetValueAsDouble (double* value) const       { return deliverIfSameType (m_Value, value); }
template <typename T>
bool AAX_CParameterValue<T>::GetValueAsString (AAX_IString*) const        { return false; }

//==============================================================================
template <typename T>
AAX_CParameter<T>::AAX_CParameter (const char* identifier, const AAX_IString& name, T defaultValue,
                                   const AAX_ITaperDelegate<T>& taperDelegate,
                                   const AAX_IDisplayDelegate<T>& displayDelegate, bool automatable)
    : m_Name (name),
      m_Automatable (automatable),
      m_TaperDelegate (taperDelegate.Clone()),
      m_DisplayDelegate (displayDelegate.Clone()),
      m_Value (identifier),
      m_DefaultValue (defaultValue)
{
    SetNumberOfSteps (128);
    SetToDefaultValue();
}

template <typename T>
AAX_CParameter<T>::~AAX_CParameter()
{
    if (auto* automationDelegate = std::exchange (m_AutomationDelegate, nullptr))
        automationDelegate->UnregisterParameter (Identifier());
}

template <typename T>
void AAX_CParameter<T>::SetValue (T value)
{
    PostValue (m_TaperDelegate->RealToNormalized (value));
}

template <typename T>
void AAX_CParameter<T>::PostValue (double normalizedValue)
{
    // Not a number is no value (a damaged chunk may hold one): nothing is asked of the
    // host and nothing changes.
    if (std::isnan (normalizedValue))
        return;

    if (m_AutomationDelegate != nullptr)
    {
        // The host answers with UpdateNormalizedValue; its results here mean nothing to us.
        Touch();
        m_AutomationDelegate->PostSetValueRequest (Identifier(), normalizedValue);
        Release();
    }
    else
    {
        m_ForceUpdate = true;
        UpdateNormalizedValue (normalizedValue);
    }
}

template <typename T>
void AAX_CParameter<T>::UpdateNormalizedValue (double normalizedValue)
{
    const auto value = m_TaperDelegate->NormalizedToReal (normalizedValue);

    if (! m_ForceUpdate && value == m_Value.Get())
        return;

    m_Value.Set (value);

    // Reported exactly as received, so the host recognises its own value.
    if (m_AutomationDelegate != nullptr)
        m_AutomationDelegate->PostCurrentValue (Identifier(), normalizedValue);

    m_ForceUpdate = false;
}

template <typename T>
AAX_IParameterValue* AAX_CParameter<T>::CloneValue() const            { return new AAX_CParameterValue<T> (m_Value); }
template <typename T>
const char* AAX_CParameter<T>::Identifier() const                     { return m_Value.Identifier(); }
template <typename T>
void AAX_CParameter<T>::SetName (const AAX_CString& name)             { m_Name = name; }
template <typename T>
const AAX_CString& AAX_CParameter<T>::Name() const                    { return m_Name; }
template <typename T>
void AAX_CParameter<T>::AddShortenedName (const AAX_CString& name)    { m_ShortenedNames[name.Length()] = name; }
template <typename T>
void AAX_CParameter<T>::ClearShortenedNames()                         { m_ShortenedNames.clear(); }
template <typename T>
bool AAX_CParameter<T>::Automatable() const                           { return m_Automatable; }

template <typename T>
const AAX_CString& AAX_CParameter<T>::ShortenedName (std::int32_t maxChars) const
{
    if (maxChars < 0 || m_ShortenedNames.empty() || m_Name.Length() <= static_cast<std::uint32_t> (maxChars))
        return m_Name;

    const auto firstTooLong = m_ShortenedNames.upper_bound (static_cast<std::uint32_t> (maxChars));

    if (firstTooLong == m_ShortenedNames.begin())
        return firstTooLong->second;   // even the shortest is too long: the best there is

    return std::prev (firstTooLong)->second;
}

template <typename T>
void AAX_CParameter<T>::SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate)
{
    if (m_AutomationDelegate != nullptr)
        m_AutomationDelegate->UnregisterParameter (Identifier());

    m_AutomationDelegate = automationDelegate;

    if (m_AutomationDelegate != nullptr)
        m_AutomationDelegate->RegisterParameter (Identifier());
}

template <typename T>
void AAX_CParameter<T>::Touch()
{
    if (m_AutomationDelegate != nullptr)
        m_AutomationDelegate->PostTouchRequest (Identifier());
}

template <typename T>
void AAX_CParameter<T>::Release()
{
    if (m_AutomationDelegate != nullptr)
        m_AutomationDelegate->PostReleaseRequest (Identifier());
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedValue (double normalizedValue)
{
    // Once through the taper and back: clamped into its range.
    PostValue (m_TaperDelegate->RealToNormalized (m_TaperDelegate->NormalizedToReal (normalizedValue)));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValue() const
{
    return m_TaperDelegate->RealToNormalized (m_Value.Get());
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedDefaultValue (double normalizedDefault)
{
    m_DefaultValue = m_TaperDelegate->ConstrainRealValue (m_TaperDelegate->NormalizedToReal (normalizedDefault));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedDefaultValue() const
{
    return m_TaperDelegate->RealToNormalized (m_DefaultValue);
}

template <typename T>
void AAX_CParameter<T>::SetToDefaultValue()
{
    PostValue (m_TaperDelegate->RealToNormalized (m_DefaultValue));
}

template <typename T>
void AAX_CParameter<T>::SetNumberOfSteps (std::uint32_t numSteps)
{
    if (numSteps > 0)
        m_NumberOfSteps = numSteps;
}

template <typename T>
std::uint32_t AAX_CParameter<T>::GetNumberOfSteps() const             { return m_NumberOfSteps; }

template <typename T>
std::uint32_t AAX_CParameter<T>::GetStepValue() const
{
    return GetStepValueFromNormalizedValue (GetNormalizedValue());
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValueFromStep (std::uint32_t step) const
{
    const auto numSteps = GetNumberOfSteps();

    if (numSteps < 2)
        return 0.0;

    const auto normalized = step * (1.0 / (numSteps - 1.0));
    return std::clamp (normalized, 0.0, 1.0);
}

template <typename T>
std::uint32_t AAX_CParameter<T>::GetStepValueFromNormalizedValue (double normalizedValue) const
{
    const auto numSteps = GetNumberOfSteps();

    if (numSteps < 2)
        return 0;

    const auto step = normalizedValue / (1.0 / (numSteps - 1.0)) + 0.5;

    // A NaN has no step; converting it to an integer would be undefined.
    if (! (step > 0.0))
        return 0;

    return static_cast<std::uint32_t> (std::min (step, numSteps - 1.0));
}

template <typename T>
void AAX_CParameter<T>::SetStepValue (std::uint32_t step)
{
    if (GetNumberOfSteps() >= 2)
        SetNormalizedValue (GetNormalizedValueFromStep (step));
}

template <typename T>
bool AAX_CParameter<T>::GetValueString (AAX_CString* valueString) const
{
    return m_DisplayDelegate->ValueToString (m_Value.Get(), valueString);
}

template <typename T>
bool AAX_CParameter<T>::GetValueString (std::int32_t maxChars, AAX_CString* valueString) const
{
    return m_DisplayDelegate->ValueToString (m_Value.Get(), maxChars, valueString);
}

template <typename T>
bool AAX_CParameter<T>::IsOutOfRange (T value) const
{
    return value > m_TaperDelegate->GetMaximumValue() || value < m_TaperDelegate->GetMinimumValue();
}

template <typename T>
template <typename V>
bool AAX_CParameter<T>::ToNormalized (V value, double* normalizedValue) const
{
    if constexpr (std::is_same_v<T, V>)
        return deliverIfSameType (m_TaperDelegate->RealToNormalized (value), normalizedValue);
    else
        return false;
}

template <typename T>
template <typename V>
bool AAX_CParameter<T>::FromNormalized (double normalizedValue, V* value) const
{
    if constexpr (std::is_same_v<T, V>)
        return deliverIfSameType (m_TaperDelegate->NormalizedToReal (normalizedValue), value);
    else
        return false;
}

template <typename T>
template <typename V>
bool AAX_CParameter<T>::SetTyped (V value)
{
    if constexpr (std::is_same_v<T, V>)
    {
        SetValue (value);
        return true;
    }
    else
    {
        return false;
    }
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromBool (bool value, double* normalizedValue) const
{
    return ToNormalized (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromInt32 (std::int32_t value, double* normalizedValue) const
{
    return ToNormalized (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromFloat (float value, double* normalizedValue) const
{
    return ToNormalized (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromDouble (double value, double* normalizedValue) const
{
    return ToNormalized (value, normalizedValue);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const
{
    T value {};

    if (! m_DisplayDelegate->StringToValue (valueString, &value))
        return false;

    // The clamped value is written even when the text lies out of range.
    if (normalizedValue != nullptr)
        *normalizedValue = m_TaperDelegate->RealToNormalized (value);

    return ! IsOutOfRange (value);
}

template <typename T>
bool AAX_CParameter<T>::GetBoolFromNormalizedValue (double normalizedValue, bool* value) const
{
    return FromNormalized (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetInt32FromNormalizedValue (double normalizedValue, std::int32_t* value) const
{
    return FromNormalized (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetFloatFromNormalizedValue (double normalizedValue, float* value) const
{
    return FromNormalized (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetDoubleFromNormalizedValue (double normalizedValue, double* value) const
{
    return FromNormalized (normalizedValue, value);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const
{
    const auto value = m_TaperDelegate->NormalizedToReal (normalizedValue);
    return m_DisplayDelegate->ValueToString (value, &valueString) && ! IsOutOfRange (value);
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, std::int32_t maxChars,
                                                      AAX_CString& valueString) const
{
    const auto value = m_TaperDelegate->NormalizedToReal (normalizedValue);
    return m_DisplayDelegate->ValueToString (value, maxChars, &valueString) && ! IsOutOfRange (value);
}

template <typename T>
bool AAX_CParameter<T>::SetValueFromString (const AAX_CString& valueString)
{
    T value {};

    if (! m_DisplayDelegate->StringToValue (valueString, &value))
        return false;

    SetValue (value);
    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsBool (bool* value) const           { return m_Value.GetValueAsBool (value); }
template <typename T>
bool AAX_CParameter<T>::GetValueAsInt32 (std::int32_t* value) const  { return m_Value.GetValueAsInt32 (value); }
template <typename T>
bool AAX_CParameter<T>::GetValueAsFloat (float* value) const         { return m_Value.GetValueAsFloat (value); }
template <typename T>
bool AAX_CParameter<T>::GetValueAsDouble (double* value) const       { return m_Value.GetValueAsDouble (value); }

template <typename T>
bool AAX_CParameter<T>::GetValueAsString (AAX_IString* value) const
{
    if (value == nullptr)
        return false;

    AAX_CString text;
    const bool converted = GetValueString (&text);

    if (converted)
        *value = static_cast<const AAX_IString&> (text);

    return converted;
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithBool (bool value)                 { return SetTyped (value); }
template <typename T>
bool AAX_CParameter<T>::SetValueWithInt32 (std::int32_t value)        { return SetTyped (value); }
template <typename T>
bool AAX_CParameter<T>::SetValueWithFloat (float value)               { return SetTyped (value); }
template <typename T>
bool AAX_CParameter<T>::SetValueWithDouble (double value)             { return SetTyped (value); }

template <typename T>
bool AAX_CParameter<T>::SetValueWithString (const AAX_IString& value)
{
    return SetValueFromString (AAX_CString (value));
}

template <typename T>
void AAX_CParameter<T>::SetType (AAX_EParameterType type)             { m_Type = type; }
template <typename T>
AAX_EParameterType AAX_CParameter<T>::GetType() const                 { return m_Type; }
template <typename T>
void AAX_CParameter<T>::SetOrientation (std::int32_t orientation)     { m_Orientation = orientation; }
template <typename T>
std::int32_t AAX_CParameter<T>::GetOrientation() const                { return m_Orientation; }

template <typename T>
void AAX_CParameter<T>::SetTaperDelegate (AAX_ITaperDelegateBase& taperDelegate, bool keepRealValue)
{
    // A taper of another value type would read this parameter's value as the wrong type.
    const auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*> (&taperDelegate);

    if (typed == nullptr)
        return;

    std::unique_ptr<AAX_ITaperDelegate<T>> copy (typed->Clone());

    if (copy == nullptr)
        return;

    const auto oldPosition = GetNormalizedValue();
    m_TaperDelegate = std::move (copy);
    m_ForceUpdate = true;

    if (keepRealValue)
        PostValue (m_TaperDelegate->RealToNormalized (m_Value.Get()));
    else
        UpdateNormalizedValue (oldPosition);
}

template <typename T>
void AAX_CParameter<T>::SetDisplayDelegate (AAX_IDisplayDelegateBase& displayDelegate)
{
    const auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*> (&displayDelegate);

    if (typed == nullptr)
        return;

    std::unique_ptr<AAX_IDisplayDelegate<T>> copy (typed->Clone());

    if (copy == nullptr)
        return;

    m_DisplayDelegate = std::move (copy);

    // Makes the host ask for the value's new text.
    if (m_AutomationDelegate != nullptr)
        m_AutomationDelegate->PostCurrentValue (Identifier(), GetNormalizedValue());
}

template class AAX_CParameterValue<float>;
template class AAX_CParameterValue<bool>;
template class AAX_CParameter<float>;
template class AAX_CParameter<bool>;
