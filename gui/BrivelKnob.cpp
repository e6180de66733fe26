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

    // A value that is not a number has no frame of its own: the first one.
    if (std::isnan (proportion))
        return 0;

    // The frame is the proportion rounded up, so that any value above the minimum leaves
    // frame 0. Binary rounding puts some values on the grid a hair above their frame (0.07
    // gives 7.000000000000001 frames), so the product is shrunk by a relative allowance far
    // above the rounding error before the ceiling. Being relative, it never takes a value
    // above the minimum, however small, down to frame 0.
    constexpr double roundingAllowance = 1.0e-12;
    const auto exactFrame = (double) (numFrames_ - 1) * proportion;
    const auto frame = (int) std::ceil (exactFrame * (1.0 - roundingAllowance));

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
