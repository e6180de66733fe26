// The AAX wrapper compiled into the test itself, driven through the same host layer, for
// what a host outside the module cannot provoke or see: the processor's own changes and
// the allocations of the audio path.

#include "HostEffect.h"

#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "tests/support/AllocationCounter.h"
#include "wrappers/aax/HushmoorAAXProcessor.h"

#include <gtest/gtest.h>

using namespace fakehost;

namespace
{
    /** This program's own entry points, registered once. */
    struct Registered
    {
        HostLog log;
        HostModule module { "", log };
        ACFRESULT started = module.StartUp();
        ACFRESULT registered = module.Register();

        static const RegisteredEffect& effect()
        {
            static Registered loaded;
            return loaded.module.Effects().at (0);
        }
    };

    class AAXWrapper : public ::testing::Test
    {
    protected:
        AAXWrapper() : plugin (Registered::effect(), *Registered::effect().FindComponent (2, 2), log)
        {
            initialised = plugin.Initialize();
        }

        GraviloHushmoorAudioProcessor& processor()
        {
            return dynamic_cast<hushmoor::aax::HushmoorAAXProcessor&> (plugin.Effect()).getProcessor();
        }

        HostLog log;
        HostEffect plugin;
        ACFRESULT initialised;
    };
}

TEST_F (AAXWrapper, TheProcessorsOwnChangesReachTheHostThroughItsAutomation)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    log.Clear();

    // An edit in the editor: a gesture around a notified change.
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    processor().beginParameterChangeGesture (3);
    processor().setParameterNotifyingHost (3, 0.5f);
    processor().endParameterChangeGesture (3);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    EXPECT_EQ (log.OperationsOn ("automation"), (std::vector<std::string> {
        "PostTouchRequest(\"3\")",
        "PostTouchRequest(\"3\")", "PostSetValueRequest(\"3\", 0.500000)", "PostCurrentValue(\"3\", 0.500000)",
        "PostReleaseRequest(\"3\")",
        "PostReleaseRequest(\"3\")" }));
    EXPECT_EQ (plugin.ParameterValue ("3"), 0.5);

    // A program change tells the host all five values; any other change is counted.
    log.Clear();
    processor().setCurrentProgram (5);
    for (const auto* request : { "(\"0\", 1.000000)", "(\"1\", 0.000000)", "(\"2\", 0.000000)", "(\"3\", 0.134000)",
                                 "(\"4\", 0.367000)" })
        EXPECT_EQ (log.Count (std::string ("automation.PostSetValueRequest") + request), 1u) << request;

    EXPECT_EQ (plugin.ParameterValue ("3"), 0.134f);

    std::int32_t before = 0, after = 0;
    plugin.Effect().GetNumberOfChanges (&before);
    processor().updateHostDisplay();
    plugin.Effect().GetNumberOfChanges (&after);
    EXPECT_EQ (after, before + 1);
}

TEST_F (AAXWrapper, TheAudioPathAllocatesNothing)
{
    ASSERT_EQ (initialised, AAX_SUCCESS);
    std::vector<float> left (4096, 0.3f), right (4096, -0.2f);
    float* channels[] { left.data(), right.data() };
    const auto allocationsBefore = hushmoor::test::allocationsOnThisThread();

    for (int block = 0; block < 200; ++block)
    {
        // Between blocks, on the host's side: every kind of change, the bypass included.
        plugin.SetParameter (std::to_string (block % 5), (block % 3) == 0 ? 0.0 : 0.6);
        plugin.SetParameter ("MasterBypassID", (block % 7) == 0 ? 1.0 : 0.0);
        plugin.GenerateCoefficients();

        hushmoor::test::countAllocationsOnThisThread (true);
        plugin.Process (channels, channels, block % 2 == 0 ? 512 : 4096);
        hushmoor::test::countAllocationsOnThisThread (false);
    }

    EXPECT_EQ (hushmoor::test::allocationsOnThisThread(), allocationsBefore);
}
