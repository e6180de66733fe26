#include "wrappers/common/PluginMessageThread.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace juce
{
// The framework's Linux event loop: dispatches what is ready, or, with false, sleeps in
// poll() on every registered descriptor until something is and dispatches that.
// Implemented in juce_linux_Messaging.cpp, not declared in any header.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace hushmoor::wrappers
{

PluginMessageThread::WakeUp::WakeUp() noexcept
    : fd (::eventfd (0, EFD_NONBLOCK | EFD_CLOEXEC))
{
}

PluginMessageThread::WakeUp::~WakeUp()
{
    if (isValid())
        ::close (fd);
}

void PluginMessageThread::WakeUp::signal() const noexcept
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write (fd, &one, sizeof (one));
}

void PluginMessageThread::WakeUp::clear() const noexcept
{
    std::uint64_t count = 0;
    [[maybe_unused]] const auto read = ::read (fd, &count, sizeof (count));
}

//==============================================================================
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

    if (wakeUp.isValid())
        wakeUp.signal();
    else
        juce::MessageManager::callAsync ([] {});  // no descriptor: any message ends the sleep

    stopThread (10000);

    // Nothing dispatches after this; leave the message manager to the host's thread,
    // which shuts the framework down.
    if (auto* mm = juce::MessageManager::getInstanceWithoutCreating())
        mm->setCurrentThreadAsMessageThread();
}

void PluginMessageThread::run()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();

    if (wakeUp.isValid())
        juce::LinuxEventLoop::registerFdCallback (wakeUp.fd, [this] (int) { wakeUp.clear(); });

    started.signal();

    // Returns only after dispatching something; a stop request is always followed by a
    // wake-up, which stays pending until read, so it cannot be missed. The poll holds the
    // framework's run-loop lock: a descriptor (un)registered from another thread waits for
    // the next event. Window work on other threads runs under a MessageManagerLock, whose
    // request wakes this thread first.
    while (! threadShouldExit())
        juce::dispatchNextMessageOnSystemQueue (false);

    if (wakeUp.isValid())
        juce::LinuxEventLoop::unregisterFdCallback (wakeUp.fd);
}

} // namespace hushmoor::wrappers
