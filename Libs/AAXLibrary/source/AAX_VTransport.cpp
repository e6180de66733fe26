#include "AAX_VTransport.h"

namespace
{
    constexpr auto sMissing = AAX_RESULT_MISSING_OBJECT;
    constexpr auto sNotImplemented = AAX_RESULT_NOT_IMPLEMENTED;
}

AAX_VTransport::AAX_VTransport (IACFUnknown* host)
{
    ACFQueryHostVersion (host, IID_IAAXTransportV1, m_HostTransport);
    ACFQueryHostVersion (host, IID_IAAXTransportV2, m_HostTransportV2);
}

AAX_VTransport::~AAX_VTransport()
{
    m_HostTransportV2.Reset();
    m_HostTransport.Reset();
}

AAX_ResultCode AAX_VTransport::GetCurrentTempo (double* tempo) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCurrentTempo, tempo);
}

AAX_ResultCode AAX_VTransport::GetCurrentMeter (std::int32_t* numerator, std::int32_t* denominator) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCurrentMeter, numerator, denominator);
}

AAX_ResultCode AAX_VTransport::IsTransportPlaying (bool* isPlaying) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::IsTransportPlaying, isPlaying);
}

AAX_ResultCode AAX_VTransport::GetCurrentTickPosition (std::int64_t* tick) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCurrentTickPosition, tick);
}

AAX_ResultCode AAX_VTransport::GetCurrentLoopPosition (bool* looping, std::int64_t* startTick, std::int64_t* endTick) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCurrentLoopPosition, looping, startTick, endTick);
}

AAX_ResultCode AAX_VTransport::GetCurrentNativeSampleLocation (std::int64_t* sampleLocation) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCurrentNativeSampleLocation, sampleLocation);
}

AAX_ResultCode AAX_VTransport::GetCustomTickPosition (std::int64_t* tick, std::int64_t sampleLocation) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCustomTickPosition, tick, sampleLocation);
}

AAX_ResultCode AAX_VTransport::GetBarBeatPosition (std::int32_t* bars, std::int32_t* beats, std::int64_t* displayTicks,
                                                   std::int64_t sampleLocation) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetBarBeatPosition,
                       bars, beats, displayTicks, sampleLocation);
}

AAX_ResultCode AAX_VTransport::GetTicksPerQuarter (std::uint32_t* ticks) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetTicksPerQuarter, ticks);
}

AAX_ResultCode AAX_VTransport::GetCurrentTicksPerBeat (std::uint32_t* ticks) const
{
    return ACFForward (m_HostTransport, sMissing, &AAX_IACFTransport::GetCurrentTicksPerBeat, ticks);
}

AAX_ResultCode AAX_VTransport::GetTimelineSelectionStartPosition (std::int64_t* sampleLocation) const
{
    return ACFForward (m_HostTransportV2, sNotImplemented, &AAX_IACFTransport_V2::GetTimelineSelectionStartPosition,
                       sampleLocation);
}

AAX_ResultCode AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* frameRate, std::int32_t* offset) const
{
    return ACFForward (m_HostTransportV2, sNotImplemented, &AAX_IACFTransport_V2::GetTimeCodeInfo, frameRate, offset);
}

AAX_ResultCode AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* feetFramesRate, std::int64_t* offset) const
{
    return ACFForward (m_HostTransportV2, sNotImplemented, &AAX_IACFTransport_V2::GetFeetFramesInfo,
                       feetFramesRate, offset);
}

AAX_ResultCode AAX_VTransport::IsMetronomeEnabled (std::int32_t* isEnabled) const
{
    return ACFForward (m_HostTransportV2, sNotImplemented, &AAX_IACFTransport_V2::IsMetronomeEnabled, isEnabled);
}
