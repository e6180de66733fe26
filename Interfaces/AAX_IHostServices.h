#pragma once

#include "AAX_Results.h"

/** The library's view of the host's diagnostic services. */
class AAX_IHostServices
{
public:
    virtual ~AAX_IHostServices() = default;

    virtual AAX_ResultCode Assert (const char* file, std::int32_t line, const char* note) = 0;
    virtual AAX_ResultCode Trace (std::int32_t priority, const char* message) = 0;
    virtual AAX_ResultCode StackTrace (std::int32_t traceLevel, std::int32_t stackLevel, const char* message) = 0;

protected:
    AAX_IHostServices() = default;
    AAX_IHostServices (const AAX_IHostServices&) = default;
    AAX_IHostServices& operator= (const AAX_IHostServices&) = default;
};
