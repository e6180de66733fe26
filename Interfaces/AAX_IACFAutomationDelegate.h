#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

/** The host's side of parameter automation: registration, set requests, touch and release. */
class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
    virtual AAX_ResultCode RegisterParameter (const char* parameterID) = 0;
    virtual AAX_ResultCode UnregisterParameter (const char* parameterID) = 0;
    virtual AAX_ResultCode PostSetValueRequest (const char* parameterID, double normalizedValue) const = 0;
    virtual AAX_ResultCode PostCurrentValue (const char* parameterID, double normalizedValue) const = 0;
    virtual AAX_ResultCode PostTouchRequest (const char* parameterID) = 0;
    virtual AAX_ResultCode PostReleaseRequest (const char* parameterID) = 0;
    virtual AAX_ResultCode GetTouchState (const char* parameterID, AAX_CBoolean* touched) = 0;

protected:
    ~AAX_IACFAutomationDelegate() = default;
};
