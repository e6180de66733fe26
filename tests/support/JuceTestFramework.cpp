#include "tests/support/JuceTestFramework.h"

#include <gtest/gtest.h>

namespace hushmoor::test
{

// The framework logs a failed assertion as one line through the current logger.
struct JuceTestFramework::AssertionLogger : juce::Logger
{
    AssertionLogger()   { juce::Logger::setCurrentLogger (this); }
    ~AssertionLogger() override  { juce::Logger::setCurrentLogger (nullptr); }

    void logMessage (const juce::String& message) override
    {
        if (message.startsWith ("JUCE Assertion failure"))
            ADD_FAILURE() << message;
        else
            juce::Logger::outputDebugString (message);
    }
};

JuceTestFramework::JuceTestFramework() : logger (std::make_unique<AssertionLogger>()) {}

JuceTestFramework::~JuceTestFramework() = default;

} // namespace hushmoor::test
