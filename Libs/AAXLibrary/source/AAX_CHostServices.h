#pragma once

#include "AAX_IHostServices.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

/**
    The module's one front door to the host's diagnostic services: set up when the host
    starts the module, dropped when it stops it. While absent, Trace is silent.
*/
class AAX_CHostServices
{
public:
    AAX_CHostServices() = delete;

    /**
        With a host and no services yet: makes the services. With null and services: drops
        them. Anything else (a second start, a second stop) changes nothing.
    */
    static void Set (IACFUnknown* host);

    /**
        Formats printf-style into 512 bytes (longer messages are cut at 511 characters) and
        passes the text to the host. 0 without services, else the host's answer.
    */
    static AAX_ResultCode Trace (AAX_ETracePriorityHost priority, const char* format, ...)
        __attribute__ ((format (printf, 2, 3)));
};
