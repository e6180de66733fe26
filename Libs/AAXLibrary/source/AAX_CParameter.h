#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_IParameterValue.h"
#include "AAX_ITaperDelegate.h"

#include <map>
#include <memory>

/**
    A parameter's identifier (at most 31 characters kept; null counts as empty) and a value
    of type T. Only the getter of type T answers.
*/
template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    explicit AAX_CParameterValue (const char* identifier, T value = T());
    AAX_CParameterValue (const AAX_CParameterValue& other);
    AAX_CParameterValue& operator= (const AAX_CParameterValue& other);

    AAX_IParameterValue* Clone() const override;
    const char* Identifier() const override;
    bool GetValueAsBool (bool* value) const override;
    bool GetValueAsInt32 (std::int32_t* value) const override;
    bool GetValueAsFloat (float* value) const override;
    bool GetValueAsDouble (double* value) const override;
    bool GetValueAsString (AAX_IString* value) const override;

    T Get() const noexcept                                { return m_Value; }
    void Set (T value) noexcept                           { m_Value = value; }

private:
    static constexpr std::size_t sIdentifierCapacity = 32;

    char m_Identifier[sIdentifierCapacity];
    T m_Value;
};

/**
    A host parameter with a real value of type T (float or bool), converted to and from the
    host's normalised value by its taper and to and from text by its display delegate. It
    keeps its own copies of both delegates.
*/
template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    /**
        Stores the default unconstrained, then sets the value to it as the taper constrains
        it; 128 steps, continuous, orientation 0, no automation delegate.
    */
    AAX_CParameter (const char* identifier, const AAX_IString& name, T defaultValue,
                    const AAX_ITaperDelegate<T>& taperDelegate, const AAX_IDisplayDelegate<T>& displayDelegate,
                    bool automatable);
    /** Unregisters from the automation delegate, which must still exist. */
    ~AAX_CParameter() override;

    AAX_CParameter (const AAX_CParameter&) = delete;
    AAX_CParameter& operator= (const AAX_CParameter&) = delete;

    /** Sets a real value through the same request cycle as the normalised setters. */
    void SetValue (T value);

    AAX_IParameterValue* CloneValue() const override;
    const char* Identifier() const override;
    void SetName (const AAX_CString& name) override;
    const AAX_CString& Name() const override;
    void AddShortenedName (const AAX_CString& name) override;
    const AAX_CString& ShortenedName (std::int32_t maxChars) const override;
    void ClearShortenedNames() override;
    bool Automatable() const override;
    void SetAutomationDelegate (AAX_IAutomationDelegate* automationDelegate) override;
    void Touch() override;
    void Release() override;
    void SetNormalizedValue (double normalizedValue) override;
    double GetNormalizedValue() const override;
    void SetNormalizedDefaultValue (double normalizedDefault) override;
    double GetNormalizedDefaultValue() const override;
    void SetToDefaultValue() override;
    void SetNumberOfSteps (std::uint32_t numSteps) override;
    std::uint32_t GetNumberOfSteps() const override;
    std::uint32_t GetStepValue() const override;
    double GetNormalizedValueFromStep (std::uint32_t step) const override;
    std::uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const override;
    void SetStepValue (std::uint32_t step) override;
    bool GetValueString (AAX_CString* valueString) const override;
    bool GetValueString (std::int32_t maxChars, AAX_CString* valueString) const override;
    bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const override;
    bool GetNormalizedValueFromInt32 (std::int32_t value, double* normalizedValue) const override;
    bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const override;
    bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const override;
    bool GetNormalizedValueFromString (const AAX_CString& valueString, double* normalizedValue) const override;
    bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const override;
    bool GetInt32FromNormalizedValue (double normalizedValue, std::int32_t* value) const override;
    bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const override;
    bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& valueString) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, std::int32_t maxChars,
                                       AAX_CString& valueString) const override;
    bool SetValueFromString (const AAX_CString& valueString) override;
    bool GetValueAsBool (bool* value) const override;
    bool GetValueAsInt32 (std::int32_t* value) const override;
    bool GetValueAsFloat (float* value) const override;
    bool GetValueAsDouble (double* value) const override;
    bool GetValueAsString (AAX_IString* value) const override;
    bool SetValueWithBool (bool value) override;
    bool SetValueWithInt32 (std::int32_t value) override;
    bool SetValueWithFloat (float value) override;
    bool SetValueWithDouble (double value) override;
    bool SetValueWithString (const AAX_IString& value) override;
    void SetType (AAX_EParameterType type) override;
    AAX_EParameterType GetType() const override;
    void SetOrientation (std::int32_t orientation) override;
    std::int32_t GetOrientation() const override;
    void SetTaperDelegate (AAX_ITaperDelegateBase& taperDelegate, bool keepRealValue) override;
    void SetDisplayDelegate (AAX_IDisplayDelegateBase& displayDelegate) override;
    void UpdateNormalizedValue (double normalizedValue) override;

private:
    /** Asks the host for the value, or without an automation delegate stores it at once. */
    void PostValue (double normalizedValue);
    template <typename V> bool ToNormalized (V value, double* normalizedValue) const;
    template <typename V> bool FromNormalized (double normalizedValue, V* value) const;
    template <typename V> bool SetTyped (V value);
    bool IsOutOfRange (T value) const;

    AAX_CString m_Name;
    std::map<std::uint32_t, AAX_CString> m_ShortenedNames;
    bool m_Automatable;
    std::uint32_t m_NumberOfSteps = 0;
    AAX_EParameterType m_Type = AAX_PARAMETER_TYPE_CONTINUOUS;
    std::int32_t m_Orientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> m_TaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> m_DisplayDelegate;
    AAX_IAutomationDelegate* m_AutomationDelegate = nullptr;
    bool m_ForceUpdate = true;
    AAX_CParameterValue<T> m_Value;
    T m_DefaultValue;
};

extern template class AAX_CParameterValue<float>;
extern template class AAX_CParameterValue<bool>;
extern template class AAX_CParameter<float>;
extern template class AAX_CParameter<bool>;
