#pragma once

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IAutomationDelegate.h"
#include "ACFPtr.h"

/** The host's automation delegate, queried from the host's unknown (which is not kept); missing, it answers -20004. */
class AAX_VAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    explicit AAX_VAutomationDelegate (IACFUnknown* host);
    ~AAX_VAutomationDelegate() override;

    AAX_VAutomationDelegate (const AAX_VAutomationDelegate&) = delete;
    AAX_VAutomationDelegate& operator= (const AAX_VAutomationDelegate&) = delete;

    AAX_ResultCode RegisterParameter (const char* parameterID) override;
    AAX_ResultCode UnregisterParameter (const char* parameterID) override;
    AAX_ResultCode PostSetValueRequest (const char* parameterID, double normalizedValue) const override;
    AAX_ResultCode PostCurrentValue (const char* parameterID, double normalizedValue) const override;
    AAX_ResultCode PostTouchRequest (const char* parameterID) override;
    AAX_ResultCode PostReleaseRequest (const char* parameterID) override;
    AAX_ResultCode GetTouchState (const char* parameterID, AAX_CBoolean* touched) override;

private:
    ACFPtr<AAX_IACFAutomationDelegate> m_HostAutomationDelegate;
};
