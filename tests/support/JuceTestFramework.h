#pragma once

#include <juce_events/juce_events.h>

#include <memory>

namespace hushmoor::test
{

/**
    The framework as a host runs it, for the whole test program: initialised on the main
    thread, which becomes the message thread (the gate's ActionBroadcaster base and the
    processor expect one). Where the framework's assertions are on and logged (the
    sanitizer build), a failed assertion fails the test that was running.
*/
class JuceTestFramework
{
public:
    JuceTestFramework();
    ~JuceTestFramework();

private:
    struct AssertionLogger;
    std::unique_ptr<AssertionLogger> logger;
    juce::ScopedJuceInitialiser_GUI framework;
};

} // namespace hushmoor::test
