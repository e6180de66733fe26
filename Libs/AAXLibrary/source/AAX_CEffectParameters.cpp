#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_Guarded.h"
#include "AAX_IParameter.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

namespace
{
    constexpr std::uint32_t sPreviewNotification = 0x41535076;   // 'ASPv'
    constexpr std::size_t sNameWorkLength = 255;

    /** Runs the operation on the parameter with that identifier; -20001 when there is none. */
    template <class Manager, class Operation>
    AAX_ResultCode withParameter (Manager& manager, const char* parameterID, Operation&& operation) noexcept
    {
        return AAX_Guarded ([&]
        {
            auto* parameter = manager.GetParameterByID (parameterID);
            return parameter != nullptr ? operation (*parameter) : AAX_RESULT_UNKNOWN_PARAMETER;
        });
    }

    double clampedSum (double value, double delta) noexcept
    {
        return std::max (0.0, std::min (1.0, delta + value));
    }

    //==============================================================================
    // A parameter's value in the controls chunk takes the first kind the parameter answers,
    // in this order. Floats and doubles are stored as doubles, bools and int32s as int32s.
    enum class ValueKind { none, float32, int32, boolean, float64, text };

    struct CurrentValue
    {
        ValueKind kind = ValueKind::none;
        float floatValue = 0.0f;
        std::int32_t intValue = 0;
        bool boolValue = false;
        double doubleValue = 0.0;
        AAX_CString text;
    };

    CurrentValue currentValueOf (const AAX_IParameter& parameter)
    {
        CurrentValue value;

        if (parameter.GetValueAsFloat (&value.floatValue))         value.kind = ValueKind::float32;
        else if (parameter.GetValueAsInt32 (&value.intValue))      value.kind = ValueKind::int32;
        else if (parameter.GetValueAsBool (&value.boolValue))      value.kind = ValueKind::boolean;
        else if (parameter.GetValueAsDouble (&value.doubleValue))  value.kind = ValueKind::float64;
        else if (parameter.GetValueAsString (&value.text))         value.kind = ValueKind::text;

        return value;
    }

    struct StoredValue
    {
        double doubleValue = 0.0;
        std::int32_t intValue = 0;
        AAX_CString text;
    };

    /** The value stored under the identifier in the form the kind uses; false when there is none. */
    bool findStored (AAX_CChunkDataParser& parser, const char* parameterID, ValueKind kind, StoredValue& stored)
    {
        switch (kind)
        {
            case ValueKind::float32:
            case ValueKind::float64: return parser.FindDouble (parameterID, &stored.doubleValue);
            case ValueKind::int32:
            case ValueKind::boolean: return parser.FindInt32 (parameterID, &stored.intValue);
            case ValueKind::text:    return parser.FindString (parameterID, &stored.text);
            case ValueKind::none:    break;
        }

        return false;
    }

    void store (AAX_CChunkDataParser& parser, const char* parameterID, const CurrentValue& value)
    {
        switch (value.kind)
        {
            case ValueKind::float32: parser.AddDouble (parameterID, static_cast<double> (value.floatValue)); break;
            case ValueKind::int32:   parser.AddInt32 (parameterID, value.intValue); break;
            case ValueKind::boolean: parser.AddInt32 (parameterID, value.boolValue ? 1 : 0); break;
            case ValueKind::float64: parser.AddDouble (parameterID, value.doubleValue); break;
            case ValueKind::text:    parser.AddString (parameterID, value.text); break;
            case ValueKind::none:    break;
        }
    }

    void restore (AAX_IParameter& parameter, ValueKind kind, const StoredValue& stored)
    {
        switch (kind)
        {
            case ValueKind::float32: parameter.SetValueWithFloat (static_cast<float> (stored.doubleValue)); break;
            case ValueKind::int32:   parameter.SetValueWithInt32 (stored.intValue); break;
            case ValueKind::boolean: parameter.SetValueWithBool (stored.intValue != 0); break;
            case ValueKind::float64: parameter.SetValueWithDouble (stored.doubleValue); break;
            case ValueKind::text:    parameter.SetValueWithString (stored.text); break;
            case ValueKind::none:    break;
        }
    }

    /** Doubles compare at single precision; a not-a-number on either side is a difference. */
    bool matches (const CurrentValue& current, const StoredValue& stored)
    {
        switch (current.kind)
        {
            case ValueKind::float32: return current.floatValue == static_cast<float> (stored.doubleValue);
            case ValueKind::int32:   return current.intValue == stored.intValue;
            case ValueKind::boolean: return current.boolValue == (stored.intValue != 0);
            case ValueKind::float64: return static_cast<float> (current.doubleValue) == static_cast<float> (stored.doubleValue);
            case ValueKind::text:    return current.text == stored.text;
            case ValueKind::none:    break;
        }

        return true;
    }
}

//==============================================================================
AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    ReleaseHostWrappers();
}

void AAX_CEffectParameters::ReleaseHostWrappers() noexcept
{
    // Parameters unregister from the automation delegate as they go, so they go first; the
    // dispatcher must not post through a controller that is gone.
    m_ParameterManager.RemoveAllParameters();
    m_ParameterManager.Initialize (nullptr);
    m_PacketDispatcher.Initialize (nullptr, this);

    m_Controller.reset();
    m_AutomationDelegate.reset();
    m_Transport.reset();
}

AAX_ResultCode AAX_CEffectParameters::Initialize (IACFUnknown* host)
{
    return AAX_Guarded ([&]
    {
        // A second Initialize starts afresh instead of leaking the first one's wrappers.
        ReleaseHostWrappers();

        m_Controller = std::make_unique<AAX_VController> (host);
        m_AutomationDelegate = std::make_unique<AAX_VAutomationDelegate> (host);
        m_Transport = std::make_unique<AAX_VTransport> (host);

        m_ParameterManager.Initialize (m_AutomationDelegate.get());
        m_PacketDispatcher.Initialize (m_Controller.get(), this);

        if (const auto result = EffectInit(); result != AAX_SUCCESS)
            return result;

        AAX_CString bypassID;
        GetMasterBypassParameter (&bypassID);
        FilterParameterIDOnSave (bypassID.Get());
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::Uninitialize()
{
    ReleaseHostWrappers();
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::NotificationReceived (std::uint32_t type, const void* data, std::uint32_t size)
{
    // The payload is one 32-bit integer; a shorter or missing one is not read.
    if (type != sPreviewNotification || data == nullptr || size < sizeof (std::int32_t))
        return AAX_SUCCESS;

    std::int32_t previewing = 0;
    std::memcpy (&previewing, data, sizeof (previewing));

    withParameter (m_ParameterManager, cPreviewID, [&] (AAX_IParameter& parameter)
    {
        parameter.SetValueWithBool (previewing != 0);
        return AAX_SUCCESS;
    });

    return AAX_SUCCESS;
}

void AAX_CEffectParameters::FilterParameterIDOnSave (const char* parameterID)
{
    if (parameterID != nullptr)
        m_FilteredParameterIDs.emplace (parameterID);
}

//==============================================================================
AAX_ResultCode AAX_CEffectParameters::GetNumberOfParameters (std::int32_t* numParameters) const
{
    if (numParameters == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *numParameters = m_ParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* parameterID) const
{
    if (parameterID == nullptr)
        return AAX_RESULT_BAD_STRING;

    return AAX_Guarded ([&]
    {
        const bool present = m_ParameterManager.GetParameterByID (cDefaultMasterBypassID) != nullptr;
        parameterID->Set (present ? cDefaultMasterBypassID : "");
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterIsAutomatable (const char* parameterID, AAX_CBoolean* automatable) const
{
    if (automatable == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *automatable = 0;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        *automatable = parameter.Automatable() ? 1 : 0;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterNumberOfSteps (const char* parameterID, std::int32_t* numSteps) const
{
    if (numSteps == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        const auto steps = static_cast<std::int32_t> (parameter.GetNumberOfSteps());

        if (steps < 0)
            return AAX_RESULT_BAD_STEP_COUNT;

        *numSteps = steps;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterName (const char* parameterID, AAX_IString* name) const
{
    if (name == nullptr)
        return AAX_RESULT_BAD_STRING;

    return AAX_Guarded ([&]
    {
        const auto* parameter = m_ParameterManager.GetParameterByID (parameterID);
        name->Set (parameter != nullptr ? parameter->Name().Get() : "");
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterNameOfLength (const char* parameterID, AAX_IString* name,
                                                                std::int32_t maxLength) const
{
    if (name == nullptr)
        return AAX_RESULT_BAD_STRING;

    return AAX_Guarded ([&]
    {
        const auto* parameter = m_ParameterManager.GetParameterByID (parameterID);

        if (parameter == nullptr)
        {
            name->Set ("");
            return AAX_SUCCESS;
        }

        const auto& shortened = parameter->ShortenedName (maxLength);
        const std::string_view work (shortened.Get(), std::min<std::size_t> (std::strlen (shortened.Get()), sNameWorkLength));

        // A name may offer several lengths, one per line: the longest line that fits wins,
        // the first of equally long ones, and an empty line never.
        std::string best;

        for (std::size_t start = 0; start < work.size();)
        {
            const auto end = std::min (work.find ('\n', start), work.size());
            const auto line = work.substr (start, end - start);

            if (line.size() > best.size() && line.size() <= static_cast<std::size_t> (std::max (maxLength, 0)))
                best = line;

            start = end + 1;
        }

        if (! best.empty())
            name->Set (best.c_str());
        else if (maxLength < 1)
            name->Set ("");
        else
            shortened.SubString (0, static_cast<std::uint32_t> (maxLength), name);

        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterDefaultNormalizedValue (const char* parameterID, double* value) const
{
    if (value == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        *value = parameter.GetNormalizedDefaultValue();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::SetParameterDefaultNormalizedValue (const char* parameterID, double value)
{
    return withParameter (m_ParameterManager, parameterID, [&] (AAX_IParameter& parameter)
    {
        parameter.SetNormalizedDefaultValue (value);
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterType (const char* parameterID, AAX_EParameterType* type) const
{
    if (type == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        *type = parameter.GetType();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterOrientation (const char* parameterID, std::int32_t* orientation) const
{
    if (orientation == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        *orientation = parameter.GetOrientation();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameter (const char* parameterID, AAX_IParameter** parameter)
{
    if (parameter == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *parameter = m_ParameterManager.GetParameterByID (parameterID);
    return *parameter != nullptr ? AAX_SUCCESS : AAX_RESULT_UNKNOWN_PARAMETER;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterIndex (const char* parameterID, std::int32_t* index) const
{
    if (index == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *index = m_ParameterManager.GetParameterIndex (parameterID);
    return *index >= 0 ? AAX_SUCCESS : AAX_RESULT_UNKNOWN_PARAMETER;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterIDFromIndex (std::int32_t index, AAX_IString* parameterID) const
{
    if (parameterID == nullptr)
        return AAX_RESULT_BAD_STRING;

    return AAX_Guarded ([&]
    {
        const auto* parameter = m_ParameterManager.GetParameter (index);
        parameterID->Set (parameter != nullptr ? parameter->Identifier() : "");
        return parameter != nullptr ? AAX_SUCCESS : AAX_RESULT_UNKNOWN_PARAMETER;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterValueInfo (const char*, std::int32_t, std::int32_t* value) const
{
    if (value != nullptr)
        *value = 0;

    return AAX_RESULT_NOT_IMPLEMENTED;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterValueFromString (const char* parameterID, double* value,
                                                                   const AAX_IString& valueString) const
{
    if (value == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        // The parameter writes a clamped value even when it refuses; the host sees only accepted ones.
        double converted = 0.0;

        if (! parameter.GetNormalizedValueFromString (AAX_CString (valueString), &converted))
            return AAX_RESULT_BAD_STRING;

        *value = converted;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterStringFromValue (const char* parameterID, double value,
                                                                   AAX_IString* valueString, std::int32_t maxLength) const
{
    if (valueString == nullptr)
        return AAX_RESULT_BAD_STRING;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        AAX_CString text;

        if (! parameter.GetStringFromNormalizedValue (value, maxLength, text))
            return AAX_RESULT_BAD_STRING;

        *valueString = text;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterValueString (const char* parameterID, AAX_IString* valueString,
                                                               std::int32_t maxLength) const
{
    if (valueString == nullptr)
        return AAX_RESULT_BAD_STRING;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        AAX_CString text;
        parameter.GetValueString (maxLength, &text);
        *valueString = text;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetParameterNormalizedValue (const char* parameterID, double* value) const
{
    if (value == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return withParameter (m_ParameterManager, parameterID, [&] (const AAX_IParameter& parameter)
    {
        *value = parameter.GetNormalizedValue();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::SetParameterNormalizedValue (const char* parameterID, double value)
{
    return withParameter (m_ParameterManager, parameterID, [&] (AAX_IParameter& parameter)
    {
        parameter.SetNormalizedValue (value);
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::SetParameterNormalizedRelative (const char* parameterID, double delta)
{
    return AAX_Guarded ([&]
    {
        double current = 0.0;

        if (const auto result = GetParameterNormalizedValue (parameterID, &current); result != AAX_SUCCESS)
            return result;

        return SetParameterNormalizedValue (parameterID, clampedSum (current, delta));
    });
}

AAX_ResultCode AAX_CEffectParameters::TouchParameter (const char* parameterID)
{
    return withParameter (m_ParameterManager, parameterID, [] (AAX_IParameter& parameter)
    {
        parameter.Touch();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::ReleaseParameter (const char* parameterID)
{
    return withParameter (m_ParameterManager, parameterID, [] (AAX_IParameter& parameter)
    {
        parameter.Release();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::UpdateParameterTouch (const char*, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::UpdateParameterNormalizedValue (const char* parameterID, double value,
                                                                      AAX_EUpdateSource)
{
    return withParameter (m_ParameterManager, parameterID, [&] (AAX_IParameter& parameter)
    {
        const auto previous = parameter.GetNormalizedValue();
        parameter.UpdateNormalizedValue (value);
        const auto result = m_PacketDispatcher.SetDirty (parameterID, true);

        // Any inequality counts, a not-a-number on either side included.
        if (! (value == previous) && m_ChangeCount < std::numeric_limits<std::int32_t>::max())
            ++m_ChangeCount;

        return result;
    });
}

AAX_ResultCode AAX_CEffectParameters::UpdateParameterNormalizedRelative (const char* parameterID, double delta)
{
    return AAX_Guarded ([&]
    {
        double current = 0.0;

        if (const auto result = GetParameterNormalizedValue (parameterID, &current); result != AAX_SUCCESS)
            return result;

        return UpdateParameterNormalizedValue (parameterID, clampedSum (current, delta), AAX_EUpdateSource {});
    });
}

AAX_ResultCode AAX_CEffectParameters::GenerateCoefficients()
{
    return AAX_Guarded ([this] { return m_PacketDispatcher.Dispatch(); });
}

AAX_ResultCode AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* data, std::uint32_t size) const
{
    if (data == nullptr && size > 0)
        return ACF_RESULT_NULL_POINTER;

    if (size > 0)
        std::memset (data, 0, size);

    return AAX_SUCCESS;
}

//==============================================================================
AAX_ResultCode AAX_CEffectParameters::GetNumberOfChunks (std::int32_t* numChunks) const
{
    if (numChunks == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *numChunks = 1;
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetChunkIDFromIndex (std::int32_t index, std::uint32_t* chunkID) const
{
    if (chunkID == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *chunkID = index == 0 ? CONTROLS_CHUNK_TAG : 0;
    return index == 0 ? AAX_SUCCESS : AAX_RESULT_BAD_CHUNK_INDEX;
}

void AAX_CEffectParameters::BuildChunkData() const
{
    m_ChunkParser.Clear();

    std::int32_t numParameters = 0;
    GetNumberOfParameters (&numParameters);

    // A subclass may count parameters the manager does not hold: those are skipped.
    for (std::int32_t index = 0; index < numParameters; ++index)
        if (const auto* parameter = m_ParameterManager.GetParameter (index))
            if (m_FilteredParameterIDs.count (std::string_view (parameter->Identifier())) == 0)
                store (m_ChunkParser, parameter->Identifier(), currentValueOf (*parameter));
}

AAX_ResultCode AAX_CEffectParameters::GetChunkSize (std::uint32_t chunkID, std::uint32_t* size) const
{
    if (size == nullptr)
        return ACF_RESULT_NULL_POINTER;

    if (chunkID != CONTROLS_CHUNK_TAG)
    {
        *size = 0;
        return AAX_RESULT_BAD_CHUNK_ID;
    }

    return AAX_Guarded ([&]
    {
        BuildChunkData();
        m_LastChunkSize = m_ChunkParser.GetChunkDataSize();

        if (m_LastChunkSize < 0)
            return AAX_RESULT_BAD_CHUNK_SIZE;

        *size = static_cast<std::uint32_t> (m_LastChunkSize);
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetChunk (std::uint32_t chunkID, AAX_SPlugInChunk* chunk) const
{
    if (chunkID != CONTROLS_CHUNK_TAG)
        return AAX_RESULT_BAD_CHUNK_ID;

    if (chunk == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return AAX_Guarded ([&]
    {
        // The host sized the record by the last GetChunkSize: a body of another size would not fit.
        BuildChunkData();

        if (m_LastChunkSize == 0 || m_ChunkParser.GetChunkDataSize() != m_LastChunkSize)
            return AAX_RESULT_BAD_CHUNK_SIZE;

        chunk->version = m_ChunkParser.GetChunkVersion();
        std::memset (chunk->name, 0, sizeof (chunk->name));
        std::strncpy (chunk->name, CONTROLS_CHUNK_DESCRIPTION, sizeof (chunk->name) - 1);
        return m_ChunkParser.GetChunkData (chunk);
    });
}

AAX_ResultCode AAX_CEffectParameters::SetChunk (std::uint32_t chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunkID != CONTROLS_CHUNK_TAG)
        return AAX_RESULT_BAD_CHUNK_ID;

    if (chunk == nullptr)
        return ACF_RESULT_NULL_POINTER;

    return AAX_Guarded ([&]
    {
        m_ChunkParser.LoadChunk (chunk);

        std::int32_t numParameters = 0;
        GetNumberOfParameters (&numParameters);

        for (std::int32_t index = 0; index < numParameters; ++index)
        {
            auto* parameter = m_ParameterManager.GetParameter (index);

            if (parameter == nullptr || m_FilteredParameterIDs.count (std::string_view (parameter->Identifier())) != 0)
                continue;

            const auto kind = currentValueOf (*parameter).kind;

            if (StoredValue stored; findStored (m_ChunkParser, parameter->Identifier(), kind, stored))
                restore (*parameter, kind, stored);
        }

        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const
{
    if (chunk == nullptr || isEqual == nullptr)
        return ACF_RESULT_NULL_POINTER;

    // Another chunk's record is not this class's to judge.
    if (chunk->chunkID != CONTROLS_CHUNK_TAG)
    {
        *isEqual = 1;
        return AAX_SUCCESS;
    }

    *isEqual = 0;

    return AAX_Guarded ([&]
    {
        m_ChunkParser.LoadChunk (chunk);

        std::int32_t numParameters = 0;
        GetNumberOfParameters (&numParameters);

        for (std::int32_t index = 0; index < numParameters; ++index)
        {
            const auto* parameter = m_ParameterManager.GetParameter (index);

            if (parameter == nullptr || m_FilteredParameterIDs.count (std::string_view (parameter->Identifier())) != 0)
                continue;

            const auto current = currentValueOf (*parameter);

            if (current.kind == ValueKind::none)
                continue;

            if (StoredValue stored; ! findStored (m_ChunkParser, parameter->Identifier(), current.kind, stored)
                                     || ! matches (current, stored))
                return AAX_SUCCESS;
        }

        *isEqual = 1;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectParameters::GetNumberOfChanges (std::int32_t* numChanges) const
{
    if (numChanges == nullptr)
        return ACF_RESULT_NULL_POINTER;

    if (m_ChangeCount >= 0)
        *numChanges = m_ChangeCount;

    return AAX_SUCCESS;
}

//==============================================================================
AAX_ResultCode AAX_CEffectParameters::TimerWakeup()                        { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectParameters::SetCustomData (std::uint32_t, std::uint32_t, const void*) { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectParameters::DoMIDITransfers()                    { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*) { return AAX_RESULT_NOT_IMPLEMENTED; }
AAX_ResultCode AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&)  { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectParameters::UpdateControlMIDINodes (std::uint32_t, AAX_CMidiPacket&) { return AAX_SUCCESS; }

AAX_ResultCode AAX_CEffectParameters::GetCurveData (std::uint32_t, const float*, std::uint32_t, float*) const
{
    return AAX_RESULT_NOT_IMPLEMENTED;
}

AAX_ResultCode AAX_CEffectParameters::GetCustomData (std::uint32_t, std::uint32_t, void*, std::uint32_t* sizeOut) const
{
    if (sizeOut == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *sizeOut = 0;
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetCurveDataMeterIds (std::uint32_t, std::uint32_t*, std::uint32_t*) const
{
    return AAX_RESULT_NOT_IMPLEMENTED;
}

AAX_ResultCode AAX_CEffectParameters::GetCurveDataDisplayRange (std::uint32_t, float*, float*, float*, float*) const
{
    return AAX_RESULT_NOT_IMPLEMENTED;
}
