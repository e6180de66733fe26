#pragma once

#include <juce_events/juce_events.h>

namespace hushmoor::wrappers
{

/**
    The framework's message thread inside a VST 2.4 or AAX host. Linux hosts give a plug-in
    no run loop of the framework's kind, so this thread becomes the message thread and keeps
    dispatching: timers (the editor's refresh), window events and async callbacks.
    Other threads that touch components take a juce::MessageManagerLock.

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
    void run() override;

    juce::WaitableEvent started;

    JUCE_DECLARE_NON_COPYABLE (PluginMessageThread)
};

} // namespace hushmoor::wrappers
