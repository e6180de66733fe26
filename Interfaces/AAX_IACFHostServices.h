#pragma once

#include "AAX_Results.h"
#include "IACFUnknown.h"

/** The host's diagnostic services, first version. */
class AAX_IACFHostServices : public IACFUnknown
{
public:
    virtual AAX_ResultCode Assert (const char* file, std::int32_t line, const char* note) = 0;
    virtual AAX_ResultCode Trace (std::int32_t priority, const char* message) = 0;

protected:
    ~AAX_IACFHostServices() = default;
};

/** Second version: adds a stack trace. */
class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    virtual AAX_ResultCode StackTrace (std::int32_t traceLevel, std::int32_t stackLevel, const char* message) = 0;

protected:
    ~AAX_IACFHostServices_V2() = default;
};
