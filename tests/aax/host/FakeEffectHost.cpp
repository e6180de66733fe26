#include "FakeEffectHost.h"

#include "AAX_IString.h"

namespace fakehost
{
    //==============================================================================
    FakeController::FakeController (HostLog& log, ObjectConfig config)
        : FakeUnknown (log, "controller", std::move (config),
                       { IID_IACFUnknown, IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3 })
    {
    }

    AAX_ResultCode FakeController::GetEffectID (AAX_IString* effectID) const
    {
        const auto result = Call ("GetEffectID", {});

        if (result == AAX_SUCCESS && effectID != nullptr)
            effectID->Set (state.effectID.c_str());

        return result;
    }

    AAX_ResultCode FakeController::GetHostName (AAX_IString* name) const
    {
        const auto result = Call ("GetHostName", {});

        if (result == AAX_SUCCESS && name != nullptr)
            name->Set (state.hostName.c_str());

        return result;
    }

    AAX_ResultCode FakeController::GetSampleRate (float* rate) const    { return Answer ("GetSampleRate", {}, rate, state.sampleRate); }
    AAX_ResultCode FakeController::GetInputStemFormat (AAX_EStemFormat* f) const  { return Answer ("GetInputStemFormat", {}, f, state.inputStemFormat); }
    AAX_ResultCode FakeController::GetOutputStemFormat (AAX_EStemFormat* f) const { return Answer ("GetOutputStemFormat", {}, f, state.outputStemFormat); }
    AAX_ResultCode FakeController::GetSignalLatency (std::int32_t* s) const       { return Answer ("GetSignalLatency", {}, s, state.signalLatency); }
    AAX_ResultCode FakeController::GetCycleCount (AAX_EProperty which, std::int32_t*) const { return Call ("GetCycleCount", Arg (which)); }
    AAX_ResultCode FakeController::GetTODLocation (std::int64_t*) const           { return Call ("GetTODLocation", {}); }
    AAX_ResultCode FakeController::SetSignalLatency (std::int32_t samples)        { return Call ("SetSignalLatency", Arg (samples)); }

    AAX_ResultCode FakeController::SetCycleCount (AAX_EProperty*, std::int32_t*, std::int32_t count)
    {
        return Call ("SetCycleCount", Arg (count));
    }

    AAX_ResultCode FakeController::PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size)
    {
        const auto result = Call ("PostPacket", Args ({ Arg (port), Arg (size) }));
        const auto* bytes = static_cast<const unsigned char*> (data);
        posted.push_back ({ port, std::vector<unsigned char> (bytes, bytes + size) });
        return result;
    }

    AAX_ResultCode FakeController::GetCurrentMeterValue (std::uint32_t id, float*) const { return Call ("GetCurrentMeterValue", Arg (id)); }
    AAX_ResultCode FakeController::GetMeterPeakValue (std::uint32_t id, float*) const    { return Call ("GetMeterPeakValue", Arg (id)); }
    AAX_ResultCode FakeController::ClearMeterPeakValue (std::uint32_t id) const          { return Call ("ClearMeterPeakValue", Arg (id)); }
    AAX_ResultCode FakeController::GetMeterClipped (std::uint32_t id, AAX_CBoolean*) const { return Call ("GetMeterClipped", Arg (id)); }
    AAX_ResultCode FakeController::ClearMeterClipped (std::uint32_t id) const            { return Call ("ClearMeterClipped", Arg (id)); }
    AAX_ResultCode FakeController::GetMeterCount (std::uint32_t* count) const            { return Answer ("GetMeterCount", {}, count, state.meterCount); }
    AAX_ResultCode FakeController::GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) { return Call ("GetNextMIDIPacket", {}); }

    AAX_ResultCode FakeController::SendNotification (std::uint32_t type, const void*, std::uint32_t size)
    {
        return Call ("SendNotification", Args ({ Arg (type), Arg (size) }));
    }

    AAX_ResultCode FakeController::GetHybridSignalLatency (std::int32_t* s) const { return Answer ("GetHybridSignalLatency", {}, s, state.hybridSignalLatency); }

    AAX_ResultCode FakeController::GetCurrentAutomationTimestamp (std::int64_t* timestamp) const
    {
        return Answer ("GetCurrentAutomationTimestamp", {}, timestamp, state.automationTimestamp);
    }

    AAX_ResultCode FakeController::GetPlugInTargetPlatform (std::int32_t* p) const { return Answer ("GetPlugInTargetPlatform", {}, p, state.targetPlatform); }
    AAX_ResultCode FakeController::GetIsAudioSuite (AAX_CBoolean* is) const        { return Answer ("GetIsAudioSuite", {}, is, state.isAudioSuite); }

    //==============================================================================
    FakeTransport::FakeTransport (HostLog& log, ObjectConfig config)
        : FakeUnknown (log, "transport", std::move (config), { IID_IACFUnknown, IID_IAAXTransportV1, IID_IAAXTransportV2 })
    {
    }

    AAX_ResultCode FakeTransport::GetCurrentTempo (double* tempo) const      { return Answer ("GetCurrentTempo", {}, tempo, state.tempo); }

    AAX_ResultCode FakeTransport::GetCurrentMeter (std::int32_t* numerator, std::int32_t* denominator) const
    {
        const auto result = Answer ("GetCurrentMeter", {}, numerator, state.meterNumerator);

        if (result == AAX_SUCCESS && denominator != nullptr)
            *denominator = state.meterDenominator;

        return result;
    }

    AAX_ResultCode FakeTransport::IsTransportPlaying (bool* playing) const   { return Answer ("IsTransportPlaying", {}, playing, state.playing); }
    AAX_ResultCode FakeTransport::GetCurrentTickPosition (std::int64_t* t) const { return Answer ("GetCurrentTickPosition", {}, t, state.tick); }
    AAX_ResultCode FakeTransport::GetCurrentLoopPosition (bool*, std::int64_t*, std::int64_t*) const { return Call ("GetCurrentLoopPosition", {}); }
    AAX_ResultCode FakeTransport::GetCurrentNativeSampleLocation (std::int64_t* s) const { return Answer ("GetCurrentNativeSampleLocation", {}, s, state.sampleLocation); }
    AAX_ResultCode FakeTransport::GetCustomTickPosition (std::int64_t*, std::int64_t at) const { return Call ("GetCustomTickPosition", Arg (at)); }
    AAX_ResultCode FakeTransport::GetBarBeatPosition (std::int32_t*, std::int32_t*, std::int64_t*, std::int64_t at) const { return Call ("GetBarBeatPosition", Arg (at)); }
    AAX_ResultCode FakeTransport::GetTicksPerQuarter (std::uint32_t* t) const { return Answer ("GetTicksPerQuarter", {}, t, state.ticksPerQuarter); }
    AAX_ResultCode FakeTransport::GetCurrentTicksPerBeat (std::uint32_t*) const { return Call ("GetCurrentTicksPerBeat", {}); }
    AAX_ResultCode FakeTransport::GetTimelineSelectionStartPosition (std::int64_t*) const { return Call ("GetTimelineSelectionStartPosition", {}); }
    AAX_ResultCode FakeTransport::GetTimeCodeInfo (AAX_EFrameRate*, std::int32_t*) const { return Call ("GetTimeCodeInfo", {}); }
    AAX_ResultCode FakeTransport::GetFeetFramesInfo (AAX_EFeetFramesRate*, std::int64_t*) const { return Call ("GetFeetFramesInfo", {}); }
    AAX_ResultCode FakeTransport::IsMetronomeEnabled (std::int32_t*) const { return Call ("IsMetronomeEnabled", {}); }

    //==============================================================================
    FakeViewContainer::FakeViewContainer (HostLog& log, ObjectConfig config)
        : FakeUnknown (log, "view", std::move (config), { IID_IACFUnknown, IID_IAAXViewContainerV1, IID_IAAXViewContainerV2 })
    {
    }

    std::int32_t FakeViewContainer::GetType()                          { Call ("GetType", {}); return state.type; }
    void* FakeViewContainer::GetPtr()                                  { Call ("GetPtr", {}); return state.view; }
    AAX_ResultCode FakeViewContainer::GetModifiers (std::uint32_t* m)  { return Answer ("GetModifiers", {}, m, state.modifiers); }

    AAX_ResultCode FakeViewContainer::SetViewSize (AAX_Point& size)
    {
        return Call ("SetViewSize", Args ({ Arg (size.vertical), Arg (size.horizontal) }));
    }

    AAX_ResultCode FakeViewContainer::HandleParameterMouseDown (const char* id, std::uint32_t m) { return Call ("HandleParameterMouseDown", Args ({ Arg (id), Arg (m) })); }
    AAX_ResultCode FakeViewContainer::HandleParameterMouseDrag (const char* id, std::uint32_t m) { return Call ("HandleParameterMouseDrag", Args ({ Arg (id), Arg (m) })); }
    AAX_ResultCode FakeViewContainer::HandleParameterMouseUp (const char* id, std::uint32_t m)   { return Call ("HandleParameterMouseUp", Args ({ Arg (id), Arg (m) })); }

    AAX_ResultCode FakeViewContainer::HandleMultipleParametersMouseDown (const char* const*, std::uint32_t n, std::uint32_t m)
    {
        return Call ("HandleMultipleParametersMouseDown", Args ({ Arg (n), Arg (m) }));
    }

    AAX_ResultCode FakeViewContainer::HandleMultipleParametersMouseDrag (const char* const*, std::uint32_t n, std::uint32_t m)
    {
        return Call ("HandleMultipleParametersMouseDrag", Args ({ Arg (n), Arg (m) }));
    }

    AAX_ResultCode FakeViewContainer::HandleMultipleParametersMouseUp (const char* const*, std::uint32_t n, std::uint32_t m)
    {
        return Call ("HandleMultipleParametersMouseUp", Args ({ Arg (n), Arg (m) }));
    }

    //==============================================================================
    FakeAutomationDelegate::FakeAutomationDelegate (HostLog& log, ObjectConfig config)
        : FakeUnknown (log, "automation", std::move (config), { IID_IACFUnknown, IID_IAAXAutomationDelegateV1 })
    {
    }

    AAX_ResultCode FakeAutomationDelegate::RegisterParameter (const char* id)   { return Call ("RegisterParameter", Arg (id)); }
    AAX_ResultCode FakeAutomationDelegate::UnregisterParameter (const char* id) { return Call ("UnregisterParameter", Arg (id)); }

    AAX_ResultCode FakeAutomationDelegate::PostSetValueRequest (const char* id, double normalizedValue) const
    {
        const auto result = Call ("PostSetValueRequest", Args ({ Arg (id), Arg (normalizedValue) }));

        if (result == AAX_SUCCESS && answerSetValue)
            answerSetValue (id, normalizedValue);

        return result;
    }

    AAX_ResultCode FakeAutomationDelegate::PostCurrentValue (const char* id, double normalizedValue) const
    {
        return Call ("PostCurrentValue", Args ({ Arg (id), Arg (normalizedValue) }));
    }

    AAX_ResultCode FakeAutomationDelegate::PostTouchRequest (const char* id)
    {
        const auto result = Call ("PostTouchRequest", Arg (id));
        touched[id] = 1;
        return result;
    }

    AAX_ResultCode FakeAutomationDelegate::PostReleaseRequest (const char* id)
    {
        const auto result = Call ("PostReleaseRequest", Arg (id));
        touched[id] = 0;
        return result;
    }

    AAX_ResultCode FakeAutomationDelegate::GetTouchState (const char* id, AAX_CBoolean* touchedOut)
    {
        return Answer ("GetTouchState", Arg (id), touchedOut, touched[id]);
    }

    //==============================================================================
    FakeEffectHost::FakeEffectHost (HostLog& log, EffectHostConfig config)
        : FakeUnknown (log, "context", config.context, { IID_IACFUnknown }),
          controller (log, config.controller),
          transport (log, config.transport),
          viewContainer (log, config.viewContainer),
          automation (log, config.automation)
    {
    }

    ACFRESULT FakeEffectHost::QueryInterface (const _acfUID& interfaceID, void** interfaceOut)
    {
        const std::pair<std::vector<_acfUID>, IACFUnknown*> owners[] {
            { { IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3 }, &controller },
            { { IID_IAAXTransportV1, IID_IAAXTransportV2 }, &transport },
            { { IID_IAAXViewContainerV1, IID_IAAXViewContainerV2 }, &viewContainer },
            { { IID_IAAXAutomationDelegateV1 }, &automation },
        };

        for (const auto& [identifiers, owner] : owners)
        {
            if (std::find (identifiers.begin(), identifiers.end(), interfaceID) != identifiers.end())
            {
                // The object that has the interface answers, or refuses, for itself.
                m_Log.Record (m_Name + ".QueryInterface(" + UIDName (interfaceID) + ")");
                return owner->QueryInterface (interfaceID, interfaceOut);
            }
        }

        if (effect != nullptr && interfaceID == IID_IAAXEffectParametersV1)
        {
            m_Log.Record (m_Name + ".QueryInterface(" + UIDName (interfaceID) + ")");
            return effect->QueryInterface (interfaceID, interfaceOut);
        }

        return FakeUnknown::QueryInterface (interfaceID, interfaceOut);
    }

    std::int32_t FakeEffectHost::OutstandingReferences() const noexcept
    {
        return References() + controller.References() + transport.References() + viewContainer.References()
             + automation.References();
    }

    int FakeEffectHost::OverReleases() const noexcept
    {
        return FakeUnknown::OverReleases() + controller.OverReleases() + transport.OverReleases()
             + viewContainer.OverReleases() + automation.OverReleases();
    }
}
