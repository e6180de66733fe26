#include "gui/BrivelSplashScreen.h"

#include "GraviloHushmoorBinImg.h"
#include "gui/HushmoorLayout.h"

BrivelSplashScreen::BrivelSplashScreen (const juce::String& name)
    : juce::Component (name)
{
    image_ = juce::ImageFileFormat::loadFrom (GraviloHushmoorBinImg::about_hmr_png,
                                              (size_t) GraviloHushmoorBinImg::about_hmr_pngSize);
    setSize (image_.getWidth(), image_.getHeight());

    versionLabel_ = std::make_unique<juce::Label> ("versionLabel_", juce::String());
    addAndMakeVisible (*versionLabel_);

    const auto box = hushmoor::layout::versionLabel;
    versionLabel_->setBounds (box.x, box.y, box.width, box.height);
    versionLabel_->setJustificationType (juce::Justification::bottomLeft);
    versionLabel_->setColour (juce::Label::textColourId, juce::Colour::fromRGB (211, 211, 211));

    setVisible (false);
}

BrivelSplashScreen::~BrivelSplashScreen()
{
    versionLabel_.reset();
}

void BrivelSplashScreen::mouseDown (const juce::MouseEvent&)
{
    hide();
}

void BrivelSplashScreen::paint (juce::Graphics& g)
{
    if (image_.isValid())
        g.drawImage (image_, 0, 0, proportionOfWidth (1.0f), proportionOfHeight (1.0f),
                     0, 0, image_.getWidth(), image_.getHeight(), false);
}

void BrivelSplashScreen::show()
{
    // Focus can only go to a panel that will be on screen; off screen (an editor being
    // rendered without a window) the panel is still shown and modal.
    const auto* parent = getParentComponent();
    const auto willBeShowing = isOnDesktop() || (parent != nullptr && parent->isShowing());
    enterModalState (willBeShowing, nullptr, false);
    setVisible (true);
}

void BrivelSplashScreen::hide()
{
    exitModalState (1);
    setVisible (false);
}

void BrivelSplashScreen::setVersion (const juce::String& versionText)
{
    versionLabel_->setText (versionText, juce::dontSendNotification);
}
