#include "tests/gui/GuiTestSupport.h"

#include "dsp/ParamIndex.h"

#include <cstring>
#include <limits>

using namespace hushmoor::test;

namespace
{
    struct Editor : ::testing::Test
    {
        void openEditorNow() { editor = openEditor (processor); ASSERT_NE (editor, nullptr); }

        template <typename T>
        T& child (const char* name)
        {
            auto* c = findChild<T> (*editor, name);
            EXPECT_NE (c, nullptr) << name;
            return *c;
        }

        void setFromHost (int index, float value)
        {
            JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
            processor.setParameter (index, value);
            JUCE_END_IGNORE_WARNINGS_GCC_LIKE
        }

        float valueOf (int index)
        {
            JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
            return processor.getParameter (index);
            JUCE_END_IGNORE_WARNINGS_GCC_LIKE
        }

        GraviloHushmoorAudioProcessor processor;
        HostNotifications host { processor };
        EditorPtr editor;
    };
}

TEST_F (Editor, IsTheProcessorsFixedSizeEditor)
{
    EXPECT_TRUE (processor.hasEditor());
    openEditorNow();
    EXPECT_EQ (editor->getWidth(), 325);
    EXPECT_EQ (editor->getHeight(), 366);
    EXPECT_FALSE (editor->isResizable());
}

TEST_F (Editor, HasItsSevenChildrenInCreationOrderWithNamesAndBounds)
{
    openEditorNow();

    struct Expected { const char* name; juce::Rectangle<int> bounds; bool visible; };
    const Expected expected[] {
        { "bypassButton_",     { 222, 266,  90,  99 }, true },
        { "dualMonoOnButton_", {  12, 167, 113, 125 }, true },
        { "thresholdKnob_",    {  17,  40,  96,  73 }, true },
        { "attackKnob_",       { 113,  40,  96,  73 }, true },
        { "decayKnob_",        { 209,  40,  96,  73 }, true },
        { "aboutShowButton_",  {  15, 313, 223,  40 }, true },
        { "aboutContainer_",   {   0,   0, 325, 365 }, false },
    };

    ASSERT_EQ (editor->getNumChildComponents(), 7);

    for (int i = 0; i < 7; ++i)
    {
        auto* c = editor->getChildComponent (i);
        EXPECT_EQ (c->getName(), expected[i].name);
        EXPECT_EQ (c->getBounds(), expected[i].bounds) << expected[i].name;
        EXPECT_EQ (c->isVisible(), expected[i].visible) << expected[i].name;
        EXPECT_TRUE (c->isEnabled()) << expected[i].name;
        EXPECT_EQ (&c->getLookAndFeel(), &editor->getLookAndFeel()) << "children inherit the editor's look";
    }

    EXPECT_NE (dynamic_cast<Brivel4StateButton3PDT*> (editor->getChildComponent (0)), nullptr);
    EXPECT_NE (dynamic_cast<Brivel2StateButton*> (editor->getChildComponent (1)), nullptr);
    EXPECT_NE (dynamic_cast<HushmoorThresholdKnob*> (editor->getChildComponent (2)), nullptr);
    EXPECT_NE (dynamic_cast<HushmoorAttackKnob*> (editor->getChildComponent (3)), nullptr);
    EXPECT_NE (dynamic_cast<HushmoorDecayKnob*> (editor->getChildComponent (4)), nullptr);
    EXPECT_NE (dynamic_cast<Brivel2StateKickButton*> (editor->getChildComponent (5)), nullptr);
    EXPECT_NE (dynamic_cast<BrivelSplashScreen*> (editor->getChildComponent (6)), nullptr);
    EXPECT_NE (dynamic_cast<juce::LookAndFeel_V3*> (&editor->getLookAndFeel()), nullptr);
}

TEST_F (Editor, OpensShowingTheProcessorsValuesAndTheirDefaultsOnDoubleClick)
{
    setFromHost (bypassParam, 0.5f);
    setFromHost (dualMonoParam, 0.0f);
    setFromHost (thresholdParam, 0.25f);
    setFromHost (attackParam, 0.5f);
    setFromHost (decayParam, 0.75f);
    processor.paramsChanged_ = false;

    openEditorNow();

    EXPECT_TRUE (child<juce::Button> ("bypassButton_").getToggleState()) << "any value above 0 is on";
    EXPECT_FALSE (child<juce::Button> ("dualMonoOnButton_").getToggleState());
    EXPECT_DOUBLE_EQ (child<juce::Slider> ("thresholdKnob_").getValue(), 0.25);
    EXPECT_DOUBLE_EQ (child<juce::Slider> ("attackKnob_").getValue(), 0.5);
    EXPECT_DOUBLE_EQ (child<juce::Slider> ("decayKnob_").getValue(), 0.75);

    EXPECT_DOUBLE_EQ (child<juce::Slider> ("thresholdKnob_").getDoubleClickReturnValue(), 0.0);
    EXPECT_NEAR (child<juce::Slider> ("attackKnob_").getDoubleClickReturnValue(), 0.134, 1.0e-7);
    EXPECT_NEAR (child<juce::Slider> ("decayKnob_").getDoubleClickReturnValue(), 0.367, 1.0e-7);
    EXPECT_TRUE (child<juce::Slider> ("decayKnob_").isDoubleClickReturnEnabled());

    EXPECT_TRUE (processor.paramsChanged_) << "the first tick refreshes everything once more";
    EXPECT_TRUE (host.changes.empty()) << "opening the editor tells the host nothing";
}

TEST_F (Editor, FollowsAHostChangeWithinFiftyMillisecondsWithoutNotifyingBack)
{
    openEditorNow();
    pumpMessages (120);
    EXPECT_FALSE (processor.paramsChanged_);

    setFromHost (attackParam, 0.1234f);
    setFromHost (bypassParam, 0.0f);
    setFromHost (dualMonoParam, 0.3f);
    setFromHost (thresholdParam, 0.7f);
    setFromHost (decayParam, 0.05f);
    pumpMessages (GraviloHushmoorAudioProcessorEditor::refreshIntervalMs + 40);

    EXPECT_NEAR (child<juce::Slider> ("attackKnob_").getValue(), 0.123, 1.0e-12) << "shown on the knob's grid";
    EXPECT_FLOAT_EQ (valueOf (attackParam), 0.1234f) << "the processor keeps the host's value";
    EXPECT_FALSE (child<juce::Button> ("bypassButton_").getToggleState());
    EXPECT_TRUE (child<juce::Button> ("dualMonoOnButton_").getToggleState());
    EXPECT_NEAR (child<juce::Slider> ("thresholdKnob_").getValue(), 0.7, 1.0e-12);
    EXPECT_NEAR (child<juce::Slider> ("decayKnob_").getValue(), 0.05, 1.0e-12);
    EXPECT_FALSE (processor.paramsChanged_);
    EXPECT_TRUE (host.changes.empty()) << "a refresh writes no automation";
}

TEST_F (Editor, FollowsAProgramChange)
{
    openEditorNow();
    pumpMessages (120);

    setFromHost (decayParam, 0.9f);   // into program 0
    processor.setCurrentProgram (3);  // still at the defaults
    host.changes.clear();
    pumpMessages (GraviloHushmoorAudioProcessorEditor::refreshIntervalMs + 40);

    EXPECT_NEAR (child<juce::Slider> ("decayKnob_").getValue(), 0.367, 1.0e-12);
    EXPECT_TRUE (host.changes.empty());
}

TEST_F (Editor, SwitchClicksSendExactlyOneOrZero)
{
    setFromHost (bypassParam, 0.5f);
    openEditorNow();
    pumpMessages (80);

    auto& bypass = child<juce::Button> ("bypassButton_");
    bypass.triggerClick();
    pumpMessages (30);
    ASSERT_EQ (host.changes.size(), 1u);
    EXPECT_EQ (host.changes[0].index, bypassParam);
    EXPECT_EQ (host.changes[0].value, 0.0f);
    EXPECT_EQ (valueOf (bypassParam), 0.0f);

    bypass.triggerClick();
    pumpMessages (30);
    ASSERT_EQ (host.changes.size(), 2u);
    EXPECT_EQ (host.changes[1].value, 1.0f);
    EXPECT_EQ (valueOf (bypassParam), 1.0f);

    auto& dualMono = child<juce::Button> ("dualMonoOnButton_");
    dualMono.triggerClick();
    pumpMessages (30);
    ASSERT_EQ (host.changes.size(), 3u);
    EXPECT_EQ (host.changes[2].index, dualMonoParam);
    EXPECT_EQ (host.changes[2].value, 1.0f);

    // The tick after a user change leaves the controls as they are and tells nobody.
    pumpMessages (GraviloHushmoorAudioProcessorEditor::refreshIntervalMs + 40);
    EXPECT_TRUE (bypass.getToggleState());
    EXPECT_TRUE (dualMono.getToggleState());
    EXPECT_EQ (host.changes.size(), 3u);
}

TEST_F (Editor, KnobMovesReachTheHostAsFloats)
{
    openEditorNow();
    pumpMessages (80);

    child<juce::Slider> ("thresholdKnob_").setValue (0.42, juce::sendNotificationSync);
    child<juce::Slider> ("decayKnob_").setValue (0.8, juce::sendNotificationSync);

    ASSERT_EQ (host.changes.size(), 2u);
    EXPECT_EQ (host.changes[0].index, thresholdParam);
    EXPECT_EQ (host.changes[0].value, 0.42f);
    EXPECT_EQ (host.changes[1].index, decayParam);
    EXPECT_EQ (host.changes[1].value, 0.8f);
    EXPECT_EQ (valueOf (thresholdParam), 0.42f);
}

TEST_F (Editor, TheHotspotOpensTheAboutPanelWithTheVersionText)
{
    openEditorNow();
    auto& panel = child<BrivelSplashScreen> ("aboutContainer_");
    EXPECT_FALSE (panel.isVisible());

    child<juce::Button> ("aboutShowButton_").triggerClick();
    pumpMessages (30);

    EXPECT_TRUE (panel.isVisible());
    EXPECT_TRUE (panel.isCurrentlyModal());
    EXPECT_EQ (panel.getVersionLabel().getText(), "1.0.0 (64bit)");
    EXPECT_TRUE (host.changes.empty());

    panel.hide();
    pumpMessages (30);
    EXPECT_FALSE (panel.isVisible());
}

TEST_F (Editor, ClosingWhileTheAboutPanelIsUpLeavesNoModalState)
{
    openEditorNow();
    child<juce::Button> ("aboutShowButton_").triggerClick();
    pumpMessages (30);
    ASSERT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1);

    editor.reset();
    pumpMessages (30);
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
    EXPECT_EQ (processor.getActiveEditor(), nullptr);
}

TEST_F (Editor, AReopenedEditorMatchesTheProcessor)
{
    openEditorNow();
    pumpMessages (80);
    child<juce::Slider> ("attackKnob_").setValue (0.6, juce::sendNotificationSync);
    child<juce::Button> ("dualMonoOnButton_").triggerClick();
    pumpMessages (30);
    editor.reset();

    setFromHost (thresholdParam, 0.3f);
    processor.paramsChanged_ = false;

    openEditorNow();
    EXPECT_NEAR (child<juce::Slider> ("attackKnob_").getValue(), 0.6, 1.0e-7);
    EXPECT_NEAR (child<juce::Slider> ("thresholdKnob_").getValue(), 0.3, 1.0e-7);
    EXPECT_TRUE (child<juce::Button> ("dualMonoOnButton_").getToggleState());
    EXPECT_TRUE (child<juce::Button> ("bypassButton_").getToggleState());
    EXPECT_FALSE (child<BrivelSplashScreen> ("aboutContainer_").isVisible());
}

TEST_F (Editor, PaintsThePanelAndItsControls)
{
    setFromHost (thresholdParam, 0.4f);
    setFromHost (attackParam, 0.134f);
    setFromHost (decayParam, 0.367f);
    openEditorNow();

    const auto snapshot = editor->createComponentSnapshot (editor->getLocalBounds(), true, 1.0f);
    EXPECT_EQ (snapshot.getWidth(), 325);
    EXPECT_EQ (snapshot.getHeight(), 366);

    // Opaque everywhere, and each control shows the frame of its own filmstrip.
    for (auto [x, y] : { std::pair { 0, 0 }, { 324, 365 }, { 160, 200 }, { 265, 300 } })
        EXPECT_EQ (snapshot.getPixelAt (x, y).getAlpha(), 255) << x << ", " << y;

    const auto file = juce::File (HUSHMOOR_GUI_TEST_OUTPUT_DIR).getChildFile ("editor.png");
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (snapshot, out));
    }
    EXPECT_GT (file.getSize(), 1000);

    child<juce::Button> ("aboutShowButton_").triggerClick();
    pumpMessages (30);
    const auto about = editor->createComponentSnapshot (editor->getLocalBounds(), true, 1.0f);
    const auto aboutFile = juce::File (HUSHMOOR_GUI_TEST_OUTPUT_DIR).getChildFile ("editor-about.png");
    aboutFile.deleteFile();
    juce::FileOutputStream out (aboutFile);
    ASSERT_TRUE (out.openedOk());
    ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (about, out));
}

TEST_F (Editor, ShowsValuesThatAreNoNumbersOrInfiniteWithoutHanging)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();

    // Each value, set by automation or restored with a saved state (which keeps such
    // values as they are), before the editor opens and again while it is open; the
    // knobs take turns. Not a number shows at the bottom, infinities at their end.
    const int knobs[] { thresholdParam, attackParam, decayParam };
    int turn = 0;

    // Until the editor's timer has shown the change (however busy the machine is).
    const auto untilRefreshed = [this] { for (int i = 0; i < 500 && processor.paramsChanged_; ++i) pumpMessages (10); };

    for (const float value : { nan, -nan, inf, -inf })
        for (const bool byState : { false, true })
        {
            const int index = knobs[turn++ % 3];
            const auto label = juce::String (index) + " " + juce::String (value) + (byState ? " state" : " automation");
            const auto set = [&]
            {
                if (! byState)
                    return setFromHost (index, value);

                GraviloHushmoorAudioProcessor source;
                JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
                source.setParameter (index, value);
                JUCE_END_IGNORE_WARNINGS_GCC_LIKE
                juce::MemoryBlock state;
                source.getStateInformation (state);
                processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
                host.changes.clear();
            };

            set();
            openEditorNow();
            auto& knob = dynamic_cast<BrivelKnob&> (*editor->getChildComponent (index));
            const double shown = value > 0.0f ? 1.0 : 0.0;
            EXPECT_EQ (knob.getValue(), shown) << label;

            setFromHost (index, 0.5f);
            untilRefreshed();
            set();
            untilRefreshed();

            const float stored = valueOf (index);
            EXPECT_EQ (knob.getValue(), shown) << label;
            EXPECT_EQ (knob.getFrameToDraw(), shown > 0.0 ? 100 : 0) << label;
            EXPECT_EQ (std::memcmp (&stored, &value, sizeof value), 0) << label << ": the processor keeps what it was given";
            EXPECT_TRUE (host.changes.empty()) << label;

            editor.reset();
            setFromHost (index, 0.5f);
        }
}
