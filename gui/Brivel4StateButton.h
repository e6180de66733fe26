#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/**
    A toggling button drawn from a 4-frame vertical filmstrip (frame 0 at the top):
    off, off with the mouse over, on with the mouse over, on. Used as a momentary button
    it shows 0 idle, 1 under the mouse and 2 while held. Drawn at 40% opacity when
    disabled.
*/
class Brivel4StateButton : public juce::Button
{
public:
    explicit Brivel4StateButton (const juce::String& name);
    ~Brivel4StateButton() override;

    /** Takes the filmstrip; an empty image keeps the previous frame size. */
    void setImage (juce::Image filmstrip);

    /** Height of one frame of the current image, or 0 without one. */
    virtual int getImageHeight() const;

    /** Width of the current image, or 0 without one. */
    virtual int getImageWidth() const;

protected:
    void paintButton (juce::Graphics&, bool isMouseOver, bool isButtonDown) override;

    /** Draws one frame of the filmstrip into the whole button, at 40% opacity when the
        button is disabled; draws nothing at all without an image. */
    void drawFrame (juce::Graphics&, int frame) const;

    static constexpr int numFrames = 4;

private:
    int frameFor (bool isMouseOver, bool isButtonDown) const noexcept;

    juce::Image image_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brivel4StateButton)
};

/**
    A 4-frame footswitch in the manner of a three-pole double-throw switch: off, off held
    down, on, on held down, from the top. The hover state plays no part.
*/
class Brivel4StateButton3PDT : public Brivel4StateButton
{
public:
    explicit Brivel4StateButton3PDT (const juce::String& name);
    ~Brivel4StateButton3PDT() override;

protected:
    void paintButton (juce::Graphics&, bool isMouseOver, bool isButtonDown) override;

private:
    int frameFor (bool isButtonDown) const noexcept;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brivel4StateButton3PDT)
};
