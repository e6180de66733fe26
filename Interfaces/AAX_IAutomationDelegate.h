#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"

/**
    The plug-in's view of the host's automation. A parameter never changes its own value
    while one is attached: it asks with PostSetValueRequest, and the host answers later with
    the value to store.
*/
class AAX_IAutomationDelegate
{
public:
    virtual ~AAX_IAutomationDelegate() = default;

    virtual AAX_ResultCode RegisterParameter (const char* parameterID) = 0;
    virtual AAX_ResultCode UnregisterParameter (const char* parameterID) = 0;
    virtual AAX_ResultCode PostSetValueRequest (const char* parameterID, double normalizedValue) const = 0;
    virtual AAX_ResultCode PostCurrentValue (const char* parameterID, double normalizedValue) const = 0;
    virtual AAX_ResultCode PostTouchRequest (const char* parameterID) = 0;
    virtual AAX_ResultCode PostReleaseRequest (const char* parameterID) = 0;
    virtual AAX_ResultCode GetTouchState (const char* parameterID, AAX_CBoolean* touched) = 0;

protected:
    AAX_IAutomationDelegate() = default;
    AAX_IAutomationDelegate (const AAX_IAutomationDelegate&) = default;
    AAX_IAutomationDelegate& operator= (const AAX_IAutomationDelegate&) = default;
};
