#pragma once

#include <cstdint>

namespace hushmoor::test
{
    /**
        A host's window for a plug-in editor: a plain top-level X11 window, on one X
        connection kept for the whole run (an X server started without -noreset, as
        xvfb-run starts it, resets when its last client leaves, and a connection made during
        that reset fails). Quiet about X errors. Needs a display.
    */
    class HostWindow
    {
    public:
        /** At that place on the screen: windows that overlap hide each other's pixels. */
        explicit HostWindow (int x = 0, int y = 0);
        ~HostWindow();

        HostWindow (const HostWindow&) = delete;
        HostWindow& operator= (const HostWindow&) = delete;

        bool isOpen() const noexcept;
        /** The window id, as hosts hand it to a plug-in. */
        void* handle() const noexcept;

        /** Number of child windows the plug-in has put into ours, waiting a little for it to become wanted. */
        unsigned int waitForChildren (unsigned int wanted) const;

        /** A checksum of what the first child window shows; 0 without a child. */
        std::uint64_t childPixels() const;

    private:
        unsigned long window = 0;
    };
}
