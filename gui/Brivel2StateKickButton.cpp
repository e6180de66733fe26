#include "gui/Brivel2StateKickButton.h"

Brivel2StateKickButton::Brivel2StateKickButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (false);
}

Brivel2StateKickButton::~Brivel2StateKickButton()
{
    downImage_ = {};
    image_ = {};
}

void Brivel2StateKickButton::paintButton (juce::Graphics& g, bool, bool isButtonDown)
{
    if (useTwoImages_)
    {
        const auto& picture = isButtonDown ? downImage_ : image_;

        if (image_.isValid() && downImage_.isValid())
            g.drawImage (picture, 0, 0, getWidth(), getHeight(), 0, 0, frameWidth_, frameHeight_, false);

        return;
    }

    if (image_.isValid())
        g.drawImage (image_, 0, 0, getWidth(), getHeight(),
                     0, isButtonDown ? frameHeight_ : 0, frameWidth_, frameHeight_, false);
}
