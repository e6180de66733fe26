#include "AAX_VAutomationDelegate.h"

namespace
{
    constexpr auto sMissing = AAX_RESULT_MISSING_OBJECT;
}

AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* host)
{
    ACFQueryHostVersion (host, IID_IAAXAutomationDelegateV1, m_HostAutomationDelegate);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate()
{
    m_HostAutomationDelegate.Reset();
}

AAX_ResultCode AAX_VAutomationDelegate::RegisterParameter (const char* parameterID)
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::RegisterParameter, parameterID);
}

AAX_ResultCode AAX_VAutomationDelegate::UnregisterParameter (const char* parameterID)
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::UnregisterParameter, parameterID);
}

AAX_ResultCode AAX_VAutomationDelegate::PostSetValueRequest (const char* parameterID, double normalizedValue) const
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::PostSetValueRequest,
                       parameterID, normalizedValue);
}

AAX_ResultCode AAX_VAutomationDelegate::PostCurrentValue (const char* parameterID, double normalizedValue) const
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::PostCurrentValue,
                       parameterID, normalizedValue);
}

AAX_ResultCode AAX_VAutomationDelegate::PostTouchRequest (const char* parameterID)
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::PostTouchRequest, parameterID);
}

AAX_ResultCode AAX_VAutomationDelegate::PostReleaseRequest (const char* parameterID)
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::PostReleaseRequest, parameterID);
}

AAX_ResultCode AAX_VAutomationDelegate::GetTouchState (const char* parameterID, AAX_CBoolean* touched)
{
    return ACFForward (m_HostAutomationDelegate, sMissing, &AAX_IACFAutomationDelegate::GetTouchState,
                       parameterID, touched);
}
