#include "tests/gui/GuiTestSupport.h"

#include "gui/HushmoorKnobs.h"

#include <limits>

using namespace hushmoor::test;

namespace
{
    struct FilmstripKnob : ::testing::Test
    {
        FilmstripKnob()
        {
            knob.setBounds (0, 0, 96, 73);
            knob.setImage (makeNumberedFilmstrip (96, 73, 101), 101, false);
        }

        int frameFor (double value)
        {
            knob.setValue (value, juce::dontSendNotification);
            return paintedFrame (knob);
        }

        HushmoorAttackKnob knob { "knob" };
    };
}

TEST_F (FilmstripKnob, ShowsTheFrameOfTheValueRoundedUp)
{
    EXPECT_EQ (frameFor (0.0), 0);
    EXPECT_EQ (frameFor (0.001), 1);
    EXPECT_EQ (frameFor (0.009), 1);
    EXPECT_EQ (frameFor (0.01), 1);
    EXPECT_EQ (frameFor (0.011), 2);
    EXPECT_EQ (frameFor (0.5), 50);
    EXPECT_EQ (frameFor (0.999), 100);
    EXPECT_EQ (frameFor (1.0), 100);
}

TEST_F (FilmstripKnob, ValuesOnTheGridKeepTheirOwnFrame)
{
    // In binary arithmetic 0.07 x 100 is a hair above 7; the knob must still show frame 7.
    for (int hundredths = 0; hundredths <= 100; ++hundredths)
        EXPECT_EQ (frameFor (hundredths / 100.0), hundredths) << "value " << hundredths / 100.0;

    // A value the host sends as a float lands on the same grid point.
    EXPECT_EQ (frameFor ((double) 0.07f), 7);
}

TEST (ContinuousFilmstripKnob, AnyValueAboveZeroLeavesFrameZeroAndValuesBetweenFramesRoundUp)
{
    BrivelKnob knob ("knob");
    knob.setBounds (0, 0, 96, 73);
    knob.setImage (makeNumberedFilmstrip (96, 73, 101), 101, false);

    const auto frameFor = [&knob] (double value)
    {
        knob.setValue (value, juce::dontSendNotification);
        return paintedFrame (knob);
    };

    EXPECT_EQ (frameFor (0.0), 0);
    EXPECT_EQ (frameFor (1.0e-12), 1) << "the rounding allowance must not swallow a tiny value";
    EXPECT_EQ (frameFor (std::numeric_limits<double>::min()), 1);
    EXPECT_EQ (frameFor (0.0700001), 8);
    EXPECT_EQ (frameFor (0.5000001), 51);
    EXPECT_EQ (frameFor (0.9999999), 100);
}

TEST_F (FilmstripKnob, DrawsTheFrameUnscaledIntoItsBounds)
{
    knob.setValue (0.25, juce::dontSendNotification);
    juce::Image image (juce::Image::ARGB, 96, 73, true);
    {
        juce::Graphics g (image);
        knob.paintEntireComponent (g, true);
    }

    for (auto [x, y] : { std::pair { 0, 0 }, { 95, 0 }, { 0, 72 }, { 95, 72 } })
        EXPECT_EQ (image.getPixelAt (x, y), frameColour (25)) << x << ", " << y;
}

TEST (FilmstripKnobWithoutImage, PaintsNothingButStillTakesTheValue)
{
    BrivelKnob never ("never");
    never.setBounds (0, 0, 96, 73);
    EXPECT_EQ (paintedFrame (never), -1);
    EXPECT_EQ (never.getFrameToDraw(), -1);

    BrivelKnob emptied ("emptied");
    emptied.setBounds (0, 0, 96, 73);
    emptied.setImage (makeNumberedFilmstrip (96, 73, 101), 101, false);
    emptied.setImage ({}, 101, false);
    emptied.setValue (0.5);
    EXPECT_EQ (paintedFrame (emptied), -1);
    EXPECT_DOUBLE_EQ (emptied.getValue(), 0.5);
}

TEST (FilmstripKnobWithoutImage, RefusesAFrameCountBelowOne)
{
    BrivelKnob knob ("knob");
    knob.setBounds (0, 0, 96, 73);
    knob.setImage (makeNumberedFilmstrip (96, 73, 101), 0, false);
    knob.setValue (0.5);
    EXPECT_EQ (paintedFrame (knob), -1);
}

TEST (FilmstripKnobGeometry, UsesTheTruncatedFrameHeightOfAnUnevenStrip)
{
    // 7373 rows over 101 frames: 73 each, the last rows never drawn.
    auto strip = makeNumberedFilmstrip (96, 73, 101);
    juce::Image uneven (juce::Image::RGB, 96, 73 * 101 + 50, true);
    {
        juce::Graphics g (uneven);
        g.drawImageAt (strip, 0, 0);
        g.setColour (juce::Colours::magenta);
        g.fillRect (0, 73 * 101, 96, 50);
    }

    BrivelKnob knob ("knob");
    knob.setBounds (0, 0, 96, 73);
    knob.setImage (uneven, 101, false);
    knob.setValue (1.0);
    EXPECT_EQ (paintedFrame (knob), 100);
}

TEST (FilmstripKnobBehaviour, IsAContinuousRotaryWithoutTextBoxAndTheProductKnobsSnapToAThousandth)
{
    BrivelKnob plain ("plain");
    EXPECT_EQ (plain.getSliderStyle(), juce::Slider::RotaryVerticalDrag);
    EXPECT_EQ (plain.getTextBoxPosition(), juce::Slider::NoTextBox);
    EXPECT_EQ (plain.getMinimum(), 0.0);
    EXPECT_EQ (plain.getMaximum(), 1.0);
    plain.setValue (0.1234);
    EXPECT_DOUBLE_EQ (plain.getValue(), 0.1234);

    HushmoorThresholdKnob threshold ("t");
    HushmoorAttackKnob attack ("a");
    HushmoorDecayKnob decay ("d");

    for (BrivelKnob* knob : { (BrivelKnob*) &threshold, (BrivelKnob*) &attack, (BrivelKnob*) &decay })
    {
        EXPECT_EQ (knob->getInterval(), 0.001);
        knob->setValue (0.1234);
        EXPECT_NEAR (knob->getValue(), 0.123, 1.0e-12);
    }
}

TEST (ProductKnobTexts, ThresholdInDecibelsWithMinusInfinityAtZero)
{
    HushmoorThresholdKnob knob ("t");
    EXPECT_EQ (knob.getTextFromValue (0.0), "-oo");
    EXPECT_EQ (knob.getTextFromValue (-0.5), "-oo");
    EXPECT_EQ (knob.getTextFromValue (0.001), "-145.20 dB");
    EXPECT_EQ (knob.getTextFromValue (0.5), "-32.04 dB");
    EXPECT_EQ (knob.getTextFromValue (1.0), "0.00 dB");
}

TEST (ProductKnobTexts, AttackAndDecayInMilliseconds)
{
    HushmoorAttackKnob attack ("a");
    EXPECT_EQ (attack.getTextFromValue (0.0), "0.00 ms");
    EXPECT_EQ (attack.getTextFromValue (0.134), "2.00 ms");
    EXPECT_EQ (attack.getTextFromValue (0.25), "5.00 ms");
    EXPECT_EQ (attack.getTextFromValue (0.5), "20.00 ms");
    EXPECT_EQ (attack.getTextFromValue (1.0), "200.00 ms");

    HushmoorDecayKnob decay ("d");
    EXPECT_EQ (decay.getTextFromValue (0.0), "0.00 ms");
    EXPECT_EQ (decay.getTextFromValue (0.367), "100.42 ms");
    EXPECT_EQ (decay.getTextFromValue (0.5), "200.00 ms");
    EXPECT_EQ (decay.getTextFromValue (1.0), "2000.00 ms");
}
