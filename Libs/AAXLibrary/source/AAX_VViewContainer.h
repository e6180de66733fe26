#pragma once

#include "AAX_IACFViewContainer.h"
#include "AAX_IViewContainer.h"
#include "ACFPtr.h"

/**
    The host window that holds the editor, queried once per version from the container's
    unknown (which is not kept). Without the first version there is no window: GetType
    answers 0, GetPtr null, SetViewSize 0 (nothing to size), and the modifier and mouse
    operations -20009, as do the multi-parameter ones without the second version.
*/
class AAX_VViewContainer : public AAX_IViewContainer
{
public:
    explicit AAX_VViewContainer (IACFUnknown* host);
    ~AAX_VViewContainer() override;

    AAX_VViewContainer (const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator= (const AAX_VViewContainer&) = delete;

    std::int32_t GetType() override;
    void* GetPtr() override;
    AAX_ResultCode GetModifiers (std::uint32_t* modifiers) override;
    AAX_ResultCode SetViewSize (AAX_Point& size) override;
    AAX_ResultCode HandleParameterMouseDown (const char* parameterID, std::uint32_t modifiers) override;
    AAX_ResultCode HandleParameterMouseDrag (const char* parameterID, std::uint32_t modifiers) override;
    AAX_ResultCode HandleParameterMouseUp (const char* parameterID, std::uint32_t modifiers) override;
    AAX_ResultCode HandleMultipleParametersMouseDown (const char* const* parameterIDs, std::uint32_t count,
                                                      std::uint32_t modifiers) override;
    AAX_ResultCode HandleMultipleParametersMouseDrag (const char* const* parameterIDs, std::uint32_t count,
                                                      std::uint32_t modifiers) override;
    AAX_ResultCode HandleMultipleParametersMouseUp (const char* const* parameterIDs, std::uint32_t count,
                                                    std::uint32_t modifiers) override;

private:
    ACFPtr<AAX_IACFViewContainer> m_HostViewContainer;
    ACFPtr<AAX_IACFViewContainer_V2> m_HostViewContainerV2;
};
