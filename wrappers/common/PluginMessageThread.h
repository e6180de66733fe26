#pragma once

#include <juce_events/juce_events.h>

namespace hushmoor::wrappers
{

/**
    The framework's message thread inside a VST 2.4 or AAX host. Linux hosts give a plug-in
    no run loop of the framework's kind, so this thread becomes the message thread and keeps
    dispatching: timers (the editor's refresh), window events and async callbacks.
    Other threads that touch components take a juce::MessageManagerLock.

    Between messages the thread sleeps in the framework's poll on its message queue and
    window connection (which gives up every 2 s and sleeps again), so an instance with
    nothing to show costs next to nothing. Stopping wakes it through a descriptor of its
    own, which works even when the framework's queue no longer accepts messages, and never
    posts the framework's quit: the message manager may outlive this thread and serve a
    later one.

    Shared by every instance in the process through a juce::SharedResourcePointer: the
    first instance starts it, the last one stops it, before the framework shuts down.
*/
class PluginMessageThread final : private juce::Thread
{
public:
    PluginMessageThread();
    ~PluginMessageThread() override;

    bool isDispatching() const noexcept        { return isThreadRunning(); }

private:
    /** An eventfd that the dispatch loop watches: signal() ends the loop's sleep. */
    struct WakeUp
    {
        WakeUp() noexcept;
        ~WakeUp();

        bool isValid() const noexcept          { return fd >= 0; }
        void signal() const noexcept;
        void clear() const noexcept;

        const int fd;

        JUCE_DECLARE_NON_COPYABLE (WakeUp)
    };

    void run() override;

    WakeUp wakeUp;
    juce::WaitableEvent started;

    JUCE_DECLARE_NON_COPYABLE (PluginMessageThread)
};

} // namespace hushmoor::wrappers
