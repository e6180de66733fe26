// These tests put the editor on screen and drive it with mouse events through its
// window: they need a display (run under xvfb-run -a).
#include "tests/gui/GuiTestSupport.h"

#include "dsp/ParamIndex.h"

using namespace hushmoor::test;

namespace
{
    struct EditorOnScreen : ::testing::Test
    {
        void SetUp() override
        {
            ASSERT_TRUE (haveDisplay()) << "no X display: run the tests under xvfb-run -a";
            editor = openEditor (processor);
            ASSERT_NE (editor, nullptr);
            mouse = std::make_unique<DesktopMouse> (*editor);
            pumpMessages (80);
            host.changes.clear();
        }

        void TearDown() override
        {
            mouse.reset();
            editor.reset();
            pumpMessages (20);
        }

        template <typename T>
        T& child (const char* name) { return *findChild<T> (*editor, name); }

        float valueOf (int index)
        {
            JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
            return processor.getParameter (index);
            JUCE_END_IGNORE_WARNINGS_GCC_LIKE
        }

        GraviloHushmoorAudioProcessor processor;
        HostNotifications host { processor };
        EditorPtr editor;
        std::unique_ptr<DesktopMouse> mouse;
    };

    const juce::Point<int> onBypass { 267, 330 };
    const juce::Point<int> onDualMono { 68, 230 };
    const juce::Point<int> onThreshold { 65, 76 };
}

TEST_F (EditorOnScreen, ClickingTheSwitchesSendsOneAndZero)
{
    mouse->click (onBypass);
    ASSERT_EQ (host.changes.size(), 1u);
    EXPECT_EQ (host.changes[0].index, bypassParam);
    EXPECT_EQ (host.changes[0].value, 0.0f);

    mouse->click (onBypass);
    ASSERT_EQ (host.changes.size(), 2u);
    EXPECT_EQ (host.changes[1].value, 1.0f);

    mouse->click (onDualMono);
    ASSERT_EQ (host.changes.size(), 3u);
    EXPECT_EQ (host.changes[2].index, dualMonoParam);
    EXPECT_EQ (host.changes[2].value, 1.0f);
    EXPECT_EQ (valueOf (dualMonoParam), 1.0f);
}

TEST_F (EditorOnScreen, HoldingTheFootswitchShowsItPressed)
{
    auto& bypass = child<juce::Button> ("bypassButton_");
    mouse->press (onBypass);
    EXPECT_TRUE (bypass.isDown());
    mouse->release (onBypass);
    EXPECT_FALSE (bypass.isDown());
    EXPECT_FALSE (bypass.getToggleState());
}

TEST_F (EditorOnScreen, DoubleClickingAKnobReturnsItToItsDefaultAndTellsTheHost)
{
    auto& threshold = child<juce::Slider> ("thresholdKnob_");
    threshold.setValue (0.6, juce::sendNotificationSync);
    host.changes.clear();

    mouse->doubleClick (onThreshold);

    EXPECT_EQ (threshold.getValue(), 0.0);
    EXPECT_EQ (valueOf (thresholdParam), 0.0f);
    ASSERT_FALSE (host.changes.empty());
    EXPECT_EQ (host.changes.back().index, thresholdParam);
    EXPECT_EQ (host.changes.back().value, 0.0f);

    auto& attack = child<juce::Slider> ("attackKnob_");
    attack.setValue (0.9, juce::sendNotificationSync);
    mouse->doubleClick ({ 161, 76 });
    EXPECT_NEAR (valueOf (attackParam), 0.134f, 1.0e-6f);
}

TEST_F (EditorOnScreen, TheHotspotOpensTheAboutPanelAndAPressOnItClosesIt)
{
    auto& panel = child<BrivelSplashScreen> ("aboutContainer_");

    mouse->click ({ 14, 330 });   // just left of the hotspot
    EXPECT_FALSE (panel.isVisible());

    mouse->click ({ 237, 352 });  // its bottom-right pixel
    EXPECT_TRUE (panel.isVisible());
    EXPECT_TRUE (panel.isCurrentlyModal());
    EXPECT_EQ (panel.getVersionLabel().getText(), "1.0.0 (64bit)");

    // While it is up, the switches under it take no clicks.
    mouse->click (onBypass);
    EXPECT_TRUE (host.changes.empty());
    EXPECT_TRUE (child<juce::Button> ("bypassButton_").getToggleState());
    EXPECT_FALSE (panel.isVisible()) << "the press landed on the panel and closed it";
    EXPECT_FALSE (panel.isCurrentlyModal());
    pumpMessages (30);

    // Afterwards the controls work again.
    mouse->click (onBypass);
    EXPECT_EQ (host.changes.size(), 1u);

    mouse->click ({ 15, 313 });
    EXPECT_TRUE (panel.isVisible());
    mouse->click ({ 300, 20 });
    EXPECT_FALSE (panel.isVisible());
}
