#pragma once

#include "AAX_IACFHostServices.h"
#include "FakeUnknown.h"

namespace fakehost
{
    /** The host's diagnostic services, both versions. */
    class FakeHostServices final : public FakeUnknown<AAX_IACFHostServices_V2>
    {
    public:
        FakeHostServices (HostLog& log, std::string name, ObjectConfig config);

        AAX_ResultCode Assert (const char* file, std::int32_t line, const char* note) override;
        AAX_ResultCode Trace (std::int32_t priority, const char* message) override;
        AAX_ResultCode StackTrace (std::int32_t traceLevel, std::int32_t stackLevel, const char* message) override;
    };
}
