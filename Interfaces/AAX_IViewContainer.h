#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"

/** The plug-in's view of the host window that holds the editor, in the host's own order. */
class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;

    /** The host's type code of the native view; 1 is the one an editor attaches to. */
    virtual std::int32_t GetType() = 0;
    /** The native view, or null. */
    virtual void* GetPtr() = 0;
    virtual AAX_ResultCode GetModifiers (std::uint32_t* modifiers) = 0;
    virtual AAX_ResultCode SetViewSize (AAX_Point& size) = 0;
    virtual AAX_ResultCode HandleParameterMouseDown (const char* parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleParameterMouseDrag (const char* parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleParameterMouseUp (const char* parameterID, std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleMultipleParametersMouseDown (const char* const* parameterIDs, std::uint32_t count,
                                                              std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleMultipleParametersMouseDrag (const char* const* parameterIDs, std::uint32_t count,
                                                              std::uint32_t modifiers) = 0;
    virtual AAX_ResultCode HandleMultipleParametersMouseUp (const char* const* parameterIDs, std::uint32_t count,
                                                            std::uint32_t modifiers) = 0;

protected:
    AAX_IViewContainer() = default;
    AAX_IViewContainer (const AAX_IViewContainer&) = default;
    AAX_IViewContainer& operator= (const AAX_IViewContainer&) = default;
};
