#include "AAX_CHostServices.h"

#include "AAX_VHostServices.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>

namespace
{
    // Owned; published atomically because any thread may trace.
    std::atomic<AAX_IHostServices*> sHostServices { nullptr };

    constexpr int sTraceBufferSize = 512;
}

void AAX_CHostServices::Set (IACFUnknown* host)
{
    auto* current = sHostServices.load (std::memory_order_acquire);

    if (current == nullptr && host != nullptr)
    {
        auto services = std::make_unique<AAX_VHostServices> (host);
        sHostServices.store (services.release(), std::memory_order_release);
    }
    else if (current != nullptr && host == nullptr)
    {
        std::unique_ptr<AAX_IHostServices> dropped (sHostServices.exchange (nullptr, std::memory_order_acq_rel));
    }
}

AAX_ResultCode AAX_CHostServices::Trace (AAX_ETracePriorityHost priority, const char* format, ...)
{
    auto* services = sHostServices.load (std::memory_order_acquire);

    if (services == nullptr || format == nullptr)
        return AAX_SUCCESS;

    char message[sTraceBufferSize];

    va_list args;
    va_start (args, format);
    const auto written = std::vsnprintf (message, sizeof (message), format, args);
    va_end (args);

    if (written < 0)
        message[0] = 0;

    return services->Trace (static_cast<std::int32_t> (priority), message);
}
