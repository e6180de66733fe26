#pragma once

namespace hushmoor::test
{
    /** Makes X protocol errors non-fatal for this process.

        A console program that puts windows on screen does not get JUCE's own X error
        handler, so an error such as BadAtom from a window-manager property query would
        end the process. Call once, after the display is open or before the first window;
        calling again is harmless. Does nothing useful without X, and never fails.
    */
    void installQuietXErrorHandler() noexcept;

    /** Number of X errors swallowed since the handler was installed. */
    int getNumIgnoredXErrors() noexcept;
}
