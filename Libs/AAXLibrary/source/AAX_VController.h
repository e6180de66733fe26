#pragma once

#include "AAX_IACFController.h"
#include "AAX_IController.h"
#include "ACFPtr.h"

/**
    The host's controller, queried once per version from the host's unknown (which is not
    kept). A missing first version answers -20004, a missing newer one -20009; outputs are
    left as the caller set them, except the automation timestamp, which becomes 0 without
    the second version.
*/
class AAX_VController : public AAX_IController
{
public:
    explicit AAX_VController (IACFUnknown* host);
    ~AAX_VController() override;

    AAX_VController (const AAX_VController&) = delete;
    AAX_VController& operator= (const AAX_VController&) = delete;

    AAX_ResultCode GetEffectID (AAX_IString* effectID) const override;
    AAX_ResultCode GetSampleRate (float* sampleRate) const override;
    AAX_ResultCode GetInputStemFormat (AAX_EStemFormat* format) const override;
    AAX_ResultCode GetOutputStemFormat (AAX_EStemFormat* format) const override;
    AAX_ResultCode GetSignalLatency (std::int32_t* samples) const override;
    AAX_ResultCode GetCycleCount (AAX_EProperty which, std::int32_t* cycles) const override;
    AAX_ResultCode GetTODLocation (std::int64_t* location) const override;
    AAX_ResultCode SetSignalLatency (std::int32_t samples) override;
    AAX_ResultCode SetCycleCount (AAX_EProperty* which, std::int32_t* cycles, std::int32_t count) override;
    AAX_ResultCode PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) override;
    AAX_ResultCode SendNotification (std::uint32_t type, const void* data, std::uint32_t size) override;
    AAX_ResultCode GetCurrentMeterValue (std::uint32_t meterID, float* value) const override;
    AAX_ResultCode GetMeterPeakValue (std::uint32_t meterID, float* value) const override;
    AAX_ResultCode ClearMeterPeakValue (std::uint32_t meterID) const override;
    AAX_ResultCode GetMeterCount (std::uint32_t* count) const override;
    AAX_ResultCode GetMeterClipped (std::uint32_t meterID, AAX_CBoolean* clipped) const override;
    AAX_ResultCode ClearMeterClipped (std::uint32_t meterID) const override;
    AAX_ResultCode GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) override;
    AAX_ResultCode GetHybridSignalLatency (std::int32_t* samples) const override;
    AAX_ResultCode GetCurrentAutomationTimestamp (std::int64_t* timestamp) const override;
    AAX_ResultCode GetHostName (AAX_IString* name) const override;
    AAX_ResultCode GetPlugInTargetPlatform (std::int32_t* platform) const override;
    AAX_ResultCode GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const override;

private:
    ACFPtr<AAX_IACFController> m_HostController;
    ACFPtr<AAX_IACFController_V2> m_HostControllerV2;
    ACFPtr<AAX_IACFController_V3> m_HostControllerV3;
};
