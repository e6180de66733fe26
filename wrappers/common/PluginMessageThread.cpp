#include "wrappers/common/PluginMessageThread.h"

namespace hushmoor::wrappers
{

PluginMessageThread::PluginMessageThread()
    : juce::Thread ("Hushmoor message thread")
{
    startThread (juce::Thread::Priority::normal);

    // The thread must own the message manager before any instance posts to it.
    started.wait (10000);
}

PluginMessageThread::~PluginMessageThread()
{
    signalThreadShouldExit();
    stopThread (10000);

    // Nothing dispatches after this; leave the message manager to the host's thread,
    // which shuts the framework down.
    if (auto* mm = juce::MessageManager::getInstanceWithoutCreating())
        mm->setCurrentThreadAsMessageThread();
}

void PluginMessageThread::run()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
    started.signal();

    // Short slices, so that a request to stop is seen quickly.
    while (! threadShouldExit())
        if (! juce::MessageManager::getInstance()->runDispatchLoopUntil (20))
            juce::Thread::sleep (20);  // a quit was posted: nothing more will be dispatched
}

} // namespace hushmoor::wrappers
