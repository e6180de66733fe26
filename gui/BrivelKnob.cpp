#include "gui/BrivelKnob.h"

#include <cmath>

BrivelKnob::BrivelKnob (const juce::String& name)
    : juce::Slider (name)
{
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.0);
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
}

BrivelKnob::~BrivelKnob() = default;

void BrivelKnob::setImage (juce::Image filmstrip, int numFrames, bool flag)
{
    filmstrip_ = std::move (filmstrip);

    if (filmstrip_.isValid() && numFrames > 0)
    {
        numFrames_ = numFrames;
        imageFlag_ = flag;
        frameHeight_ = filmstrip_.getHeight() / numFrames_;
        frameWidth_ = filmstrip_.getWidth();
    }
    else
    {
        numFrames_ = 0;
    }

    repaint();
}

int BrivelKnob::getFrameToDraw() const noexcept
{
    const auto minimum = getMinimum();
    const auto maximum = getMaximum();

    if (! filmstrip_.isValid() || numFrames_ <= 0 || ! (maximum > minimum))
        return -1;

    const auto proportion = (getValue() - minimum) / (maximum - minimum);

    // The frame is the proportion rounded up, so that any value above the minimum leaves
    // frame 0. The small allowance keeps values on the grid on their own frame: 0.07 is
    // 7.000000000000001 frames in binary arithmetic and must not round up to frame 8.
    constexpr double gridAllowance = 1.0e-9;
    const auto frame = (int) std::ceil ((double) (numFrames_ - 1) * proportion - gridAllowance);

    return juce::jlimit (0, numFrames_ - 1, frame);
}

void BrivelKnob::paint (juce::Graphics& g)
{
    const auto frame = getFrameToDraw();

    if (frame < 0)
        return;

    g.drawImage (filmstrip_, 0, 0, getWidth(), getHeight(),
                 0, frame * frameHeight_, frameWidth_, frameHeight_, false);
}
