#include "AAX_VHostServices.h"

AAX_VHostServices::AAX_VHostServices (IACFUnknown* host)
{
    // One creation per version.
    ACFWithHostFactory (host, [this] (const ACFPtr<IACFComponentFactory>& factory)
    {
        factory->CreateComponent (AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV1, m_HostServices.Out());
        factory->CreateComponent (AAXCompID_HostServices, nullptr, IID_IAAXHostServicesV2, m_HostServicesV2.Out());
    });
}

AAX_VHostServices::~AAX_VHostServices()
{
    m_HostServicesV2.Reset();
    m_HostServices.Reset();
}

AAX_ResultCode AAX_VHostServices::Assert (const char* file, std::int32_t line, const char* note)
{
    if (m_HostServices.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostServices->Assert (file, line, note);
}

AAX_ResultCode AAX_VHostServices::Trace (std::int32_t priority, const char* message)
{
    if (m_HostServices.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostServices->Trace (priority, message);
}

AAX_ResultCode AAX_VHostServices::StackTrace (std::int32_t traceLevel, std::int32_t stackLevel, const char* message)
{
    if (m_HostServicesV2.IsEmpty())
        return AAX_RESULT_NOT_IMPLEMENTED;

    return m_HostServicesV2->StackTrace (traceLevel, stackLevel, message);
}
