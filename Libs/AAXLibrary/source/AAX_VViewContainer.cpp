#include "AAX_VViewContainer.h"

namespace
{
    constexpr auto sNotImplemented = AAX_RESULT_NOT_IMPLEMENTED;
}

AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* host)
{
    ACFQueryHostVersion (host, IID_IAAXViewContainerV1, m_HostViewContainer);
    ACFQueryHostVersion (host, IID_IAAXViewContainerV2, m_HostViewContainerV2);
}

AAX_VViewContainer::~AAX_VViewContainer()
{
    m_HostViewContainerV2.Reset();
    m_HostViewContainer.Reset();
}

std::int32_t AAX_VViewContainer::GetType()
{
    return ACFForward (m_HostViewContainer, std::int32_t { 0 }, &AAX_IACFViewContainer::GetType);
}

void* AAX_VViewContainer::GetPtr()
{
    return ACFForward (m_HostViewContainer, static_cast<void*> (nullptr), &AAX_IACFViewContainer::GetPtr);
}

AAX_ResultCode AAX_VViewContainer::GetModifiers (std::uint32_t* modifiers)
{
    return ACFForward (m_HostViewContainer, sNotImplemented, &AAX_IACFViewContainer::GetModifiers, modifiers);
}

AAX_ResultCode AAX_VViewContainer::SetViewSize (AAX_Point& size)
{
    return ACFForward (m_HostViewContainer, AAX_SUCCESS, &AAX_IACFViewContainer::SetViewSize, size);
}

AAX_ResultCode AAX_VViewContainer::HandleParameterMouseDown (const char* parameterID, std::uint32_t modifiers)
{
    return ACFForward (m_HostViewContainer, sNotImplemented, &AAX_IACFViewContainer::HandleParameterMouseDown,
                       parameterID, modifiers);
}

AAX_ResultCode AAX_VViewContainer::HandleParameterMouseDrag (const char* parameterID, std::uint32_t modifiers)
{
    return ACFForward (m_HostViewContainer, sNotImplemented, &AAX_IACFViewContainer::HandleParameterMouseDrag,
                       parameterID, modifiers);
}

AAX_ResultCode AAX_VViewContainer::HandleParameterMouseUp (const char* parameterID, std::uint32_t modifiers)
{
    return ACFForward (m_HostViewContainer, sNotImplemented, &AAX_IACFViewContainer::HandleParameterMouseUp,
                       parameterID, modifiers);
}

AAX_ResultCode AAX_VViewContainer::HandleMultipleParametersMouseDown (const char* const* parameterIDs,
                                                                      std::uint32_t count, std::uint32_t modifiers)
{
    return ACFForward (m_HostViewContainerV2, sNotImplemented,
                       &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDown, parameterIDs, count, modifiers);
}

AAX_ResultCode AAX_VViewContainer::HandleMultipleParametersMouseDrag (const char* const* parameterIDs,
                                                                      std::uint32_t count, std::uint32_t modifiers)
{
    return ACFForward (m_HostViewContainerV2, sNotImplemented,
                       &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseDrag, parameterIDs, count, modifiers);
}

AAX_ResultCode AAX_VViewContainer::HandleMultipleParametersMouseUp (const char* const* parameterIDs,
                                                                    std::uint32_t count, std::uint32_t modifiers)
{
    return ACFForward (m_HostViewContainerV2, sNotImplemented,
                       &AAX_IACFViewContainer_V2::HandleMultipleParametersMouseUp, parameterIDs, count, modifiers);
}
