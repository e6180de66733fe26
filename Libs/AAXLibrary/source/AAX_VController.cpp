#include "AAX_VController.h"

namespace
{
    constexpr auto sMissing = AAX_RESULT_MISSING_OBJECT;
    constexpr auto sNotImplemented = AAX_RESULT_NOT_IMPLEMENTED;
}

AAX_VController::AAX_VController (IACFUnknown* host)
{
    ACFQueryHostVersion (host, IID_IAAXControllerV1, m_HostController);
    ACFQueryHostVersion (host, IID_IAAXControllerV2, m_HostControllerV2);
    ACFQueryHostVersion (host, IID_IAAXControllerV3, m_HostControllerV3);
}

AAX_VController::~AAX_VController()
{
    m_HostControllerV3.Reset();
    m_HostControllerV2.Reset();
    m_HostController.Reset();
}

AAX_ResultCode AAX_VController::GetEffectID (AAX_IString* effectID) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetEffectID, effectID);
}

AAX_ResultCode AAX_VController::GetSampleRate (float* sampleRate) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetSampleRate, sampleRate);
}

AAX_ResultCode AAX_VController::GetInputStemFormat (AAX_EStemFormat* format) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetInputStemFormat, format);
}

AAX_ResultCode AAX_VController::GetOutputStemFormat (AAX_EStemFormat* format) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetOutputStemFormat, format);
}

AAX_ResultCode AAX_VController::GetSignalLatency (std::int32_t* samples) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetSignalLatency, samples);
}

AAX_ResultCode AAX_VController::GetCycleCount (AAX_EProperty which, std::int32_t* cycles) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetCycleCount, which, cycles);
}

AAX_ResultCode AAX_VController::GetTODLocation (std::int64_t* location) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetTODLocation, location);
}

AAX_ResultCode AAX_VController::SetSignalLatency (std::int32_t samples)
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::SetSignalLatency, samples);
}

AAX_ResultCode AAX_VController::SetCycleCount (AAX_EProperty* which, std::int32_t* cycles, std::int32_t count)
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::SetCycleCount, which, cycles, count);
}

AAX_ResultCode AAX_VController::PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size)
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::PostPacket, port, data, size);
}

AAX_ResultCode AAX_VController::SendNotification (std::uint32_t type, const void* data, std::uint32_t size)
{
    return ACFForward (m_HostControllerV2, sNotImplemented, &AAX_IACFController_V2::SendNotification, type, data, size);
}

AAX_ResultCode AAX_VController::GetCurrentMeterValue (std::uint32_t meterID, float* value) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetCurrentMeterValue, meterID, value);
}

AAX_ResultCode AAX_VController::GetMeterPeakValue (std::uint32_t meterID, float* value) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetMeterPeakValue, meterID, value);
}

AAX_ResultCode AAX_VController::ClearMeterPeakValue (std::uint32_t meterID) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::ClearMeterPeakValue, meterID);
}

AAX_ResultCode AAX_VController::GetMeterCount (std::uint32_t* count) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetMeterCount, count);
}

AAX_ResultCode AAX_VController::GetMeterClipped (std::uint32_t meterID, AAX_CBoolean* clipped) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetMeterClipped, meterID, clipped);
}

AAX_ResultCode AAX_VController::ClearMeterClipped (std::uint32_t meterID) const
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::ClearMeterClipped, meterID);
}

AAX_ResultCode AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet)
{
    return ACFForward (m_HostController, sMissing, &AAX_IACFController::GetNextMIDIPacket, port, packet);
}

AAX_ResultCode AAX_VController::GetHybridSignalLatency (std::int32_t* samples) const
{
    return ACFForward (m_HostControllerV2, sNotImplemented, &AAX_IACFController_V2::GetHybridSignalLatency, samples);
}

AAX_ResultCode AAX_VController::GetCurrentAutomationTimestamp (std::int64_t* timestamp) const
{
    // Callers read the timestamp whatever the answer, so an old host yields time 0.
    if (m_HostControllerV2.IsEmpty() && timestamp != nullptr)
        *timestamp = 0;

    return ACFForward (m_HostControllerV2, sNotImplemented, &AAX_IACFController_V2::GetCurrentAutomationTimestamp,
                       timestamp);
}

AAX_ResultCode AAX_VController::GetHostName (AAX_IString* name) const
{
    return ACFForward (m_HostControllerV2, sNotImplemented, &AAX_IACFController_V2::GetHostName, name);
}

AAX_ResultCode AAX_VController::GetPlugInTargetPlatform (std::int32_t* platform) const
{
    return ACFForward (m_HostControllerV3, sNotImplemented, &AAX_IACFController_V3::GetPlugInTargetPlatform, platform);
}

AAX_ResultCode AAX_VController::GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const
{
    return ACFForward (m_HostControllerV3, sNotImplemented, &AAX_IACFController_V3::GetIsAudioSuite, isAudioSuite);
}
