// Kept apart from any JUCE code: the X11 headers define macros that clash with JUCE's names.
#include "tests/support/HostWindow.h"

#include "tests/support/XErrorHandler.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <thread>

namespace hushmoor::test
{
    namespace
    {
        Display* hostDisplay()
        {
            static Display* const display = XOpenDisplay (nullptr);
            return display;
        }

        ::Window firstChild (Display* display, ::Window parent, unsigned int* count)
        {
            ::Window root = 0, grandParent = 0, *children = nullptr, first = 0;
            *count = 0;
            XSync (display, False);

            if (XQueryTree (display, parent, &root, &grandParent, &children, count) == 0)
                *count = 0;

            if (children != nullptr)
            {
                first = *count > 0 ? children[0] : 0;
                XFree (children);
            }

            return first;
        }
    }

    HostWindow::HostWindow (int x, int y)
    {
        auto* display = hostDisplay();

        if (display == nullptr)
            return;

        installQuietXErrorHandler();
        const int screen = DefaultScreen (display);
        window = XCreateSimpleWindow (display, RootWindow (display, screen), x, y, 400, 400, 0,
                                      BlackPixel (display, screen), BlackPixel (display, screen));
        XMapWindow (display, window);
        XSync (display, False);
    }

    HostWindow::~HostWindow()
    {
        if (auto* display = hostDisplay(); display != nullptr && window != 0)
        {
            XDestroyWindow (display, window);
            XSync (display, False);
        }
    }

    bool HostWindow::isOpen() const noexcept     { return hostDisplay() != nullptr && window != 0; }
    void* HostWindow::handle() const noexcept    { return reinterpret_cast<void*> (window); }

    unsigned int HostWindow::waitForChildren (unsigned int wanted) const
    {
        unsigned int count = 0;

        for (int attempt = 0; attempt < 100; ++attempt)
        {
            firstChild (hostDisplay(), window, &count);

            if (count == wanted)
                break;

            std::this_thread::sleep_for (std::chrono::milliseconds (10));
        }

        return count;
    }

    std::uint64_t HostWindow::childPixels() const
    {
        auto* display = hostDisplay();
        unsigned int count = 0;
        const auto child = firstChild (display, window, &count);
        XWindowAttributes attributes {};

        if (child == 0 || XGetWindowAttributes (display, child, &attributes) == 0)
            return 0;

        auto* image = XGetImage (display, child, 0, 0, static_cast<unsigned int> (attributes.width),
                                 static_cast<unsigned int> (attributes.height), AllPlanes, ZPixmap);

        if (image == nullptr)
            return 0;

        std::uint64_t sum = 1469598103934665603ull;    // FNV-1a over every pixel

        for (int y = 0; y < attributes.height; ++y)
            for (int x = 0; x < attributes.width; ++x)
                sum = (sum ^ XGetPixel (image, x, y)) * 1099511628211ull;

        XDestroyImage (image);
        return sum;
    }
}
