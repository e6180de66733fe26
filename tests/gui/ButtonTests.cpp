#include "tests/gui/GuiTestSupport.h"

#include "gui/Brivel2StateButton.h"
#include "gui/Brivel2StateKickButton.h"
#include "gui/Brivel4StateButton.h"

using namespace hushmoor::test;

namespace
{
    template <typename ButtonType>
    std::unique_ptr<ButtonType> makeButton (int frameWidth, int frameHeight, int frames)
    {
        auto button = std::make_unique<ButtonType> ("button");
        button->setImage (makeNumberedFilmstrip (frameWidth, frameHeight, frames));
        button->setBounds (0, 0, frameWidth, frameHeight);
        return button;
    }

    struct ClickCounter : juce::Button::Listener
    {
        void buttonClicked (juce::Button*) override { ++clicks; }
        int clicks = 0;
    };
}

TEST (FootswitchButton, FrameFollowsToggleAndPressOnly)
{
    auto button = makeButton<Brivel4StateButton3PDT> (90, 99, 4);
    EXPECT_TRUE (button->getClickingTogglesState());

    for (bool over : { false, true })
    {
        button->setToggleState (false, juce::dontSendNotification);
        EXPECT_EQ (paintedButtonFrame (*button, over, false), 0);
        EXPECT_EQ (paintedButtonFrame (*button, over, true), 1);

        button->setToggleState (true, juce::dontSendNotification);
        EXPECT_EQ (paintedButtonFrame (*button, over, false), 2);
        EXPECT_EQ (paintedButtonFrame (*button, over, true), 3);
    }

    button->setClickingTogglesState (false);
    EXPECT_EQ (paintedButtonFrame (*button, true, true), 0);
    EXPECT_EQ (paintedButtonFrame (*button, false, false), 0);
}

TEST (FootswitchButton, AClickOnAPressedOnSwitchTurnsItOffAndShowsFrameZero)
{
    auto button = makeButton<Brivel4StateButton3PDT> (90, 99, 4);
    button->setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (paintedButtonFrame (*button, true, true), 3);

    ClickCounter counter;
    button->addListener (&counter);
    button->triggerClick();
    pumpMessages (30);

    EXPECT_FALSE (button->getToggleState());
    EXPECT_EQ (counter.clicks, 1);
    EXPECT_EQ (paintedButtonFrame (*button, true, false), 0);
}

TEST (FourStateButton, HoverChoosesBetweenTheLitAndUnlitPairs)
{
    auto button = makeButton<Brivel4StateButton> (90, 99, 4);

    button->setToggleState (false, juce::dontSendNotification);
    EXPECT_EQ (paintedButtonFrame (*button, false, false), 0);
    EXPECT_EQ (paintedButtonFrame (*button, true, false), 1);
    EXPECT_EQ (paintedButtonFrame (*button, true, true), 1);

    button->setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (paintedButtonFrame (*button, false, false), 3);
    EXPECT_EQ (paintedButtonFrame (*button, false, true), 3);
    EXPECT_EQ (paintedButtonFrame (*button, true, false), 2);

    button->setClickingTogglesState (false);
    EXPECT_EQ (paintedButtonFrame (*button, false, false), 0);
    EXPECT_EQ (paintedButtonFrame (*button, true, false), 1);
    EXPECT_EQ (paintedButtonFrame (*button, true, true), 2);
    EXPECT_EQ (paintedButtonFrame (*button, false, true), 2);
}

TEST (FourStateButton, ReportsTheFrameSizeOfItsImage)
{
    Brivel4StateButton button ("b");
    EXPECT_EQ (button.getImageHeight(), 0);
    EXPECT_EQ (button.getImageWidth(), 0);

    button.setImage (juce::Image (juce::Image::RGB, 90, 396, true));
    EXPECT_EQ (button.getImageHeight(), 99);
    EXPECT_EQ (button.getImageWidth(), 90);

    // An empty image keeps the frame size used for drawing but reports no size.
    button.setImage ({});
    EXPECT_EQ (button.getImageHeight(), 0);
}

TEST (FourStateButton, DrawsAtFortyPercentWhenDisabledAndTheTwoStateButtonDoesNot)
{
    auto footswitch = makeButton<Brivel4StateButton3PDT> (90, 99, 4);
    auto toggle = makeButton<Brivel2StateButton> (113, 125, 2);

    EXPECT_EQ (paintedCentre (*footswitch).getAlpha(), 255);
    footswitch->setEnabled (false);
    EXPECT_NEAR (paintedCentre (*footswitch).getAlpha(), 102, 1);

    toggle->setEnabled (false);
    EXPECT_EQ (paintedCentre (*toggle).getAlpha(), 255);
}

TEST (TwoStateButton, ShowsOnAndOffAndWhenMomentaryOnlyWhileHeld)
{
    auto button = makeButton<Brivel2StateButton> (113, 125, 2);
    EXPECT_TRUE (button->getClickingTogglesState());

    EXPECT_EQ (paintedButtonFrame (*button, true, true), 0);
    button->setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (paintedButtonFrame (*button, false, false), 1);

    button->setClickingTogglesState (false);
    EXPECT_EQ (paintedButtonFrame (*button, true, false), 0);
    EXPECT_EQ (paintedButtonFrame (*button, true, true), 1);
}

TEST (TwoStateButton, LeftoverRowsOfAnUnevenStripAreNeverDrawn)
{
    // 251 rows over 2 frames: 125 each; row 250 is magenta and must not show.
    juce::Image strip (juce::Image::RGB, 113, 251, true);
    {
        juce::Graphics g (strip);
        g.drawImageAt (makeNumberedFilmstrip (113, 125, 2), 0, 0);
        g.setColour (juce::Colours::magenta);
        g.fillRect (0, 250, 113, 1);
    }

    Brivel2StateButton button ("b");
    button.setImage (strip);
    button.setBounds (0, 0, 113, 125);
    button.setToggleState (true, juce::dontSendNotification);

    juce::Image image (juce::Image::ARGB, 113, 125, true);
    {
        juce::Graphics g (image);
        button.paintEntireComponent (g, true);
    }
    EXPECT_EQ (image.getPixelAt (56, 124), frameColour (1));
}

TEST (KickButton, WithoutAPictureIsAnInvisibleHotspotThatStillCallsItsListeners)
{
    Brivel2StateKickButton hotspot ("hotspot");
    hotspot.setBounds (0, 0, 223, 40);
    EXPECT_FALSE (hotspot.getClickingTogglesState());
    EXPECT_EQ (paintedButtonFrame (hotspot, true, true), -1);
    EXPECT_EQ (paintedFrame (hotspot), -1);

    ClickCounter counter;
    hotspot.addListener (&counter);
    hotspot.triggerClick();
    hotspot.triggerClick();
    pumpMessages (30);

    EXPECT_EQ (counter.clicks, 2);
    EXPECT_FALSE (hotspot.getToggleState());
}
