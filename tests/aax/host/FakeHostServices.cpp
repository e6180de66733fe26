#include "FakeHostServices.h"

namespace fakehost
{
    FakeHostServices::FakeHostServices (HostLog& log, std::string name, ObjectConfig config)
        : FakeUnknown (log, std::move (name), std::move (config),
                       { IID_IACFUnknown, IID_IAAXHostServicesV1, IID_IAAXHostServicesV2 })
    {
    }

    AAX_ResultCode FakeHostServices::Assert (const char* file, std::int32_t line, const char* note)
    {
        return Call ("Assert", Args ({ Arg (file), Arg (line), Arg (note) }));
    }

    AAX_ResultCode FakeHostServices::Trace (std::int32_t priority, const char* message)
    {
        return Call ("Trace", Args ({ Arg (priority), Arg (message) }));
    }

    AAX_ResultCode FakeHostServices::StackTrace (std::int32_t traceLevel, std::int32_t stackLevel, const char* message)
    {
        return Call ("StackTrace", Args ({ Arg (traceLevel), Arg (stackLevel), Arg (message) }));
    }
}
