#pragma once

#include "AAX_IString.h"
#include "AAX_Results.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

/** The host's view of the plug-in's GUI object; the host calls it by position. */
class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_ResultCode Initialize (IACFUnknown* host) = 0;
    virtual AAX_ResultCode Uninitialize() = 0;
    virtual AAX_ResultCode NotificationReceived (std::uint32_t type, const void* data, std::uint32_t size) = 0;
    /** The host window to show the view in, or null when the window goes. */
    virtual AAX_ResultCode SetViewContainer (IACFUnknown* viewContainer) = 0;
    virtual AAX_ResultCode GetViewSize (AAX_Point* size) const = 0;
    virtual AAX_ResultCode Draw (AAX_Rect* area) = 0;
    virtual AAX_ResultCode TimerWakeup() = 0;
    virtual AAX_ResultCode ParameterUpdated (const char* parameterID) = 0;
    virtual AAX_ResultCode GetCustomLabel (AAX_EPlugInStrings selector, AAX_IString* label) const = 0;
    virtual AAX_ResultCode SetControlHighlightInfo (const char* parameterID, AAX_CBoolean highlighted,
                                                    AAX_EHighlightColor colour) = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};
