#pragma once

#include "AAX_IACFHostServices.h"
#include "AAX_IHostServices.h"
#include "ACFPtr.h"

/**
    The host's diagnostic services, made through the host's component factory once per
    interface version. A version the host lacks shows only in the results: -20004 without
    the first version, -20009 for StackTrace without the second.
*/
class AAX_VHostServices : public AAX_IHostServices
{
public:
    explicit AAX_VHostServices (IACFUnknown* host);
    ~AAX_VHostServices() override;

    AAX_ResultCode Assert (const char* file, std::int32_t line, const char* note) override;
    AAX_ResultCode Trace (std::int32_t priority, const char* message) override;
    AAX_ResultCode StackTrace (std::int32_t traceLevel, std::int32_t stackLevel, const char* message) override;

private:
    ACFPtr<AAX_IACFHostServices> m_HostServices;
    ACFPtr<AAX_IACFHostServices_V2> m_HostServicesV2;
};
