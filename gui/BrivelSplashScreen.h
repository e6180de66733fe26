#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

/**
    The about panel: the about picture with a one-line version text on it. show() puts it
    up as a modal layer over its parent; a mouse press anywhere on it hides it again.
    Starts hidden, sized to its picture.
*/
class BrivelSplashScreen : public juce::Component
{
public:
    explicit BrivelSplashScreen (const juce::String& name);
    ~BrivelSplashScreen() override;

    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    /** Makes the panel visible and modal. */
    virtual void show();

    /** Ends the modal state with the result 1 and hides the panel. */
    virtual void hide();

    /** Sets the version line, without notification. */
    void setVersion (const juce::String& versionText);

    juce::Label& getVersionLabel() noexcept     { return *versionLabel_; }

private:
    juce::Image image_;
    std::unique_ptr<juce::Label> versionLabel_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BrivelSplashScreen)
};
