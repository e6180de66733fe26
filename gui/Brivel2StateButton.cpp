#include "gui/Brivel2StateButton.h"

Brivel2StateButton::Brivel2StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

Brivel2StateButton::~Brivel2StateButton() = default;

void Brivel2StateButton::setImage (juce::Image filmstrip)
{
    image_ = std::move (filmstrip);

    if (image_.isValid())
    {
        frameHeight_ = image_.getHeight() / numFrames;
        frameWidth_ = image_.getWidth();
    }

    repaint();
}

int Brivel2StateButton::frameFor (bool isButtonDown) const noexcept
{
    if (getClickingTogglesState())
        return getToggleState() ? 1 : 0;

    return isButtonDown ? 1 : 0;
}

void Brivel2StateButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    if (! image_.isValid())
        return;

    const auto frame = frameFor (isButtonDown);
    g.drawImage (image_, 0, 0, getWidth(), getHeight(),
                 0, frame * frameHeight_, frameWidth_, frameHeight_, false);
}
