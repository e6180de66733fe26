#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"

/** The plug-in's view of the host's transport, in the host's own order. */
class AAX_ITransport
{
public:
    virtual ~AAX_ITransport() = default;

    virtual AAX_ResultCode GetCurrentTempo (double* tempo) const = 0;
    virtual AAX_ResultCode GetCurrentMeter (std::int32_t* numerator, std::int32_t* denominator) const = 0;
    virtual AAX_ResultCode IsTransportPlaying (bool* isPlaying) const = 0;
    virtual AAX_ResultCode GetCurrentTickPosition (std::int64_t* tick) const = 0;
    virtual AAX_ResultCode GetCurrentLoopPosition (bool* looping, std::int64_t* startTick, std::int64_t* endTick) const = 0;
    virtual AAX_ResultCode GetCurrentNativeSampleLocation (std::int64_t* sampleLocation) const = 0;
    virtual AAX_ResultCode GetCustomTickPosition (std::int64_t* tick, std::int64_t sampleLocation) const = 0;
    virtual AAX_ResultCode GetBarBeatPosition (std::int32_t* bars, std::int32_t* beats, std::int64_t* displayTicks,
                                               std::int64_t sampleLocation) const = 0;
    virtual AAX_ResultCode GetTicksPerQuarter (std::uint32_t* ticks) const = 0;
    virtual AAX_ResultCode GetCurrentTicksPerBeat (std::uint32_t* ticks) const = 0;
    virtual AAX_ResultCode GetTimelineSelectionStartPosition (std::int64_t* sampleLocation) const = 0;
    virtual AAX_ResultCode GetTimeCodeInfo (AAX_EFrameRate* frameRate, std::int32_t* offset) const = 0;
    virtual AAX_ResultCode GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, std::int64_t* offset) const = 0;
    virtual AAX_ResultCode IsMetronomeEnabled (std::int32_t* isEnabled) const = 0;

protected:
    AAX_ITransport() = default;
    AAX_ITransport (const AAX_ITransport&) = default;
    AAX_ITransport& operator= (const AAX_ITransport&) = default;
};
