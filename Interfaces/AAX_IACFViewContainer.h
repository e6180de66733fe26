#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

/** The host window that holds the editor, first version. */
class AAX_IACFViewContainer : public IACFUnknown
{
public:
    virtual std::int32_t GetType() = 0;
    virtual void* GetPtr() = 0;
    virtual AAX_ResultCode GetModifiers (std::uint32_t* modifiers) = 0;
    virtual AAX_ResultCode SetViewSize (AAX_Point& size) = 0;
    virtual AAX_ResultCode HandleParameterMouseDown (const char* parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleParameterMouseDrag (const char* parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleParameterMouseUp (const char* parameterID, std::uint32_t modifiers) = 0;

protected:
    ~AAX_IACFViewContainer() = default;
};

/** Second version: mouse events on several parameters at once. */
class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer
{
public:
    virtual AAX_ResultCode HandleMultipleParametersMouseDown (const char* const* parameterIDs, std::uint32_t count,
                                                              std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleMultipleParametersMouseDrag (const char* const* parameterIDs, std::uint32_t count,
                                                              std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleMultipleParametersMouseUp (const char* const* parameterIDs, std::uint32_t count,
                                                            std::uint32_t modifiers) = 0;

protected:
    ~AAX_IACFViewContainer_V2() = default;
};
