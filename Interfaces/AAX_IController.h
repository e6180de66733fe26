#pragma once

#include "AAX_IString.h"
#include "AAX_Results.h"
#include "AAX_Types.h"

/**
    The plug-in's view of the host's controller. The order differs from the host's table in
    two places (SendNotification, GetMeterCount); each operation reaches the host's by name.
*/
class AAX_IController
{
public:
    virtual ~AAX_IController() = default;

    virtual AAX_ResultCode GetEffectID (AAX_IString* effectID) const = 0;
    virtual AAX_ResultCode GetSampleRate (float* sampleRate) const = 0;
    virtual AAX_ResultCode GetInputStemFormat (AAX_EStemFormat* format) const = 0;
    virtual AAX_ResultCode GetOutputStemFormat (AAX_EStemFormat* format) const = 0;
    virtual AAX_ResultCode GetSignalLatency (std::int32_t* samples) const = 0;
    virtual AAX_ResultCode GetCycleCount (AAX_EProperty which, std::int32_t* cycles) const = 0;
    virtual AAX_ResultCode GetTODLocation (std::int64_t* location) const = 0;
    virtual AAX_ResultCode SetSignalLatency (std::int32_t samples) = 0;
    virtual AAX_ResultCode SetCycleCount (AAX_EProperty* which, std::int32_t* cycles, std::int32_t count) = 0;
    /** The host copies what it keeps during the call. */
    virtual AAX_ResultCode PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) = 0;
    virtual AAX_ResultCode SendNotification (std::uint32_t type, const void* data, std::uint32_t size) = 0;
    virtual AAX_ResultCode GetCurrentMeterValue (std::uint32_t meterID, float* value) const = 0;
    virtual AAX_ResultCode GetMeterPeakValue (std::uint32_t meterID, float* value) const = 0;
    virtual AAX_ResultCode ClearMeterPeakValue (std::uint32_t meterID) const = 0;
    virtual AAX_ResultCode GetMeterCount (std::uint32_t* count) const = 0;
    virtual AAX_ResultCode GetMeterClipped (std::uint32_t meterID, AAX_CBoolean* clipped) const = 0;
    virtual AAX_ResultCode ClearMeterClipped (std::uint32_t meterID) const = 0;
    virtual AAX_ResultCode GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) = 0;
    virtual AAX_ResultCode GetHybridSignalLatency (std::int32_t* samples) const = 0;
    virtual AAX_ResultCode GetCurrentAutomationTimestamp (std::int64_t* timestamp) const = 0;
    virtual AAX_ResultCode GetHostName (AAX_IString* name) const = 0;
    virtual AAX_ResultCode GetPlugInTargetPlatform (std::int32_t* platform) const = 0;
    virtual AAX_ResultCode GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const = 0;

protected:
    AAX_IController() = default;
    AAX_IController (const AAX_IController&) = default;
    AAX_IController& operator= (const AAX_IController&) = default;
};
