#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A momentary button that shows a picture, or the lower half of a 2-frame filmstrip
    while held. Without a picture it paints nothing and still takes clicks, which makes
    it an invisible hotspot.
*/
class Brivel2StateKickButton : public juce::Button
{
public:
    explicit Brivel2StateKickButton (const juce::String& name);
    ~Brivel2StateKickButton() override;

protected:
    void paintButton (juce::Graphics&, bool isMouseOver, bool isButtonDown) override;

private:
    juce::Image image_;
    juce::Image downImage_;
    bool useTwoImages_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brivel2StateKickButton)
};
