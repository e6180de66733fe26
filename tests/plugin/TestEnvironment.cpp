// A host always has a framework message thread when it makes the processor (the gate's
// ActionBroadcaster base expects one): the test program's main thread serves.
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

namespace
{
    struct JuceEnvironment : ::testing::Environment
    {
        void SetUp() override     { juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>(); }
        void TearDown() override  { juce.reset(); }

        std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
    };

    [[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment (new JuceEnvironment);
}
