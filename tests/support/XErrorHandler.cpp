// Kept apart from any JUCE code: the X11 headers define macros (None, Bool, Status...)
// that clash with JUCE's names.
#include "tests/support/XErrorHandler.h"

#include <X11/Xlib.h>

#include <atomic>

namespace
{
    std::atomic<int> ignoredErrors { 0 };

    int ignoreXError (Display*, XErrorEvent*)
    {
        ignoredErrors.fetch_add (1, std::memory_order_relaxed);
        return 0;
    }
}

namespace hushmoor::test
{
    void installQuietXErrorHandler() noexcept
    {
        XSetErrorHandler (ignoreXError);
    }

    int getNumIgnoredXErrors() noexcept
    {
        return ignoredErrors.load (std::memory_order_relaxed);
    }
}
