#pragma once

#include "AAX_IACFTransport.h"
#include "AAX_ITransport.h"
#include "ACFPtr.h"

/**
    The host's transport, queried once per version from the host's unknown (which is not
    kept). A missing first version answers -20004, a missing second one -20009; outputs are
    left as the caller set them.
*/
class AAX_VTransport : public AAX_ITransport
{
public:
    explicit AAX_VTransport (IACFUnknown* host);
    ~AAX_VTransport() override;

    AAX_VTransport (const AAX_VTransport&) = delete;
    AAX_VTransport& operator= (const AAX_VTransport&) = delete;

    AAX_ResultCode GetCurrentTempo (double* tempo) const override;
    AAX_ResultCode GetCurrentMeter (std::int32_t* numerator, std::int32_t* denominator) const override;
    AAX_ResultCode IsTransportPlaying (bool* isPlaying) const override;
    AAX_ResultCode GetCurrentTickPosition (std::int64_t* tick) const override;
    AAX_ResultCode GetCurrentLoopPosition (bool* looping, std::int64_t* startTick, std::int64_t* endTick) const override;
    AAX_ResultCode GetCurrentNativeSampleLocation (std::int64_t* sampleLocation) const override;
    AAX_ResultCode GetCustomTickPosition (std::int64_t* tick, std::int64_t sampleLocation) const override;
    AAX_ResultCode GetBarBeatPosition (std::int32_t* bars, std::int32_t* beats, std::int64_t* displayTicks,
                                       std::int64_t sampleLocation) const override;
    AAX_ResultCode GetTicksPerQuarter (std::uint32_t* ticks) const override;
    AAX_ResultCode GetCurrentTicksPerBeat (std::uint32_t* ticks) const override;
    AAX_ResultCode GetTimelineSelectionStartPosition (std::int64_t* sampleLocation) const override;
    AAX_ResultCode GetTimeCodeInfo (AAX_EFrameRate* frameRate, std::int32_t* offset) const override;
    AAX_ResultCode GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, std::int64_t* offset) const override;
    AAX_ResultCode IsMetronomeEnabled (std::int32_t* isEnabled) const override;

private:
    ACFPtr<AAX_IACFTransport> m_HostTransport;
    ACFPtr<AAX_IACFTransport_V2> m_HostTransportV2;
};
