#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A toggling button drawn from a 2-frame vertical filmstrip: off at the top, on below.
    Made momentary with setClickingTogglesState (false), it shows frame 1 while held.
*/
class Brivel2StateButton : public juce::Button
{
public:
    explicit Brivel2StateButton (const juce::String& name);
    ~Brivel2StateButton() override;

    /** Takes the filmstrip; an empty image keeps the previous frame size. */
    void setImage (juce::Image filmstrip);

protected:
    void paintButton (juce::Graphics&, bool isMouseOver, bool isButtonDown) override;

private:
    int frameFor (bool isButtonDown) const noexcept;

    static constexpr int numFrames = 2;

    juce::Image image_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brivel2StateButton)
};
