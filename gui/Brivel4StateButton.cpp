#include "gui/Brivel4StateButton.h"

Brivel4StateButton::Brivel4StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

Brivel4StateButton::~Brivel4StateButton() = default;

void Brivel4StateButton::setImage (juce::Image filmstrip)
{
    image_ = std::move (filmstrip);

    if (image_.isValid())
    {
        frameHeight_ = image_.getHeight() / numFrames;
        frameWidth_ = image_.getWidth();
    }

    repaint();
}

int Brivel4StateButton::getImageHeight() const
{
    return image_.isValid() ? image_.getHeight() / numFrames : 0;
}

int Brivel4StateButton::getImageWidth() const
{
    return image_.isValid() ? image_.getWidth() : 0;
}

int Brivel4StateButton::frameFor (bool isMouseOver, bool isButtonDown) const noexcept
{
    if (getClickingTogglesState())
    {
        if (getToggleState())
            return isMouseOver ? 2 : 3;

        return isMouseOver ? 1 : 0;
    }

    return isButtonDown ? 2 : (isMouseOver ? 1 : 0);
}

void Brivel4StateButton::paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    drawFrame (g, frameFor (isMouseOver, isButtonDown));
}

void Brivel4StateButton::drawFrame (juce::Graphics& g, int frame) const
{
    if (! image_.isValid())
        return;

    g.setOpacity (isEnabled() ? 1.0f : 0.4f);
    g.drawImage (image_, 0, 0, getWidth(), getHeight(),
                 0, frame * frameHeight_, frameWidth_, frameHeight_, false);
}

//==============================================================================
Brivel4StateButton3PDT::Brivel4StateButton3PDT (const juce::String& name)
    : Brivel4StateButton (name)
{
}

Brivel4StateButton3PDT::~Brivel4StateButton3PDT() = default;

int Brivel4StateButton3PDT::frameFor (bool isButtonDown) const noexcept
{
    if (! getClickingTogglesState())
        return 0;

    return (getToggleState() ? 2 : 0) + (isButtonDown ? 1 : 0);
}

void Brivel4StateButton3PDT::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    drawFrame (g, frameFor (isButtonDown));
}
