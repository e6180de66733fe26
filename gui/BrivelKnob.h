#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A rotary slider that draws one frame of a vertical filmstrip (frame 0 at the top)
    instead of going through the look-and-feel. The value runs from 0 to 1 and follows
    vertical drags; the frame shown is the value's proportion of the range, rounded up.
*/
class BrivelKnob : public juce::Slider
{
public:
    explicit BrivelKnob (const juce::String& name);
    ~BrivelKnob() override;

    /** Takes a filmstrip of `numFrames` frames stacked from the top. An empty image hides
        the knob (it still takes mouse input); the flag is kept with the filmstrip. */
    void setImage (juce::Image filmstrip, int numFrames, bool flag);

    /** The frame that paint() shows for the current value, or -1 when nothing is drawn. */
    int getFrameToDraw() const noexcept;

    void paint (juce::Graphics&) override;

private:
    juce::Image filmstrip_;
    int numFrames_ = 0;
    bool imageFlag_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BrivelKnob)
};
