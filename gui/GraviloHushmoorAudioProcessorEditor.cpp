#include "gui/GraviloHushmoorAudioProcessorEditor.h"

#include "GraviloHushmoorBinImg.h"
#include "dsp/ParamIndex.h"
#include "gui/HushmoorLayout.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <cmath>

namespace
{
    juce::Image decode (const char* data, int size)
    {
        return juce::ImageFileFormat::loadFrom (data, (size_t) size);
    }

    void place (juce::Component& component, hushmoor::layout::Box box)
    {
        component.setBounds (box.x, box.y, box.width, box.height);
    }

    /** Shows a stored value on a knob without telling anyone. A value that is not a
        number shows as the bottom of the range: a slider cannot hold one (it never equals
        itself, so the slider would post updates to itself for ever). The slider itself
        puts an infinity at the end of its range. */
    void showOnKnob (juce::Slider& knob, float value)
    {
        knob.setValue (std::isnan (value) ? knob.getMinimum() : (double) value, juce::dontSendNotification);
    }

    // The versions of the product and of its build, as the about panel shows them.
    constexpr const char* productVersion = "1.0.0";
    constexpr const char* buildWidth = " (64bit)";
}

GraviloHushmoorAudioProcessorEditor::GraviloHushmoorAudioProcessorEditor (GraviloHushmoorAudioProcessor* processorToEdit)
    : juce::AudioProcessorEditor (processorToEdit)
{
    namespace layout = hushmoor::layout;
    namespace img = GraviloHushmoorBinImg;
    auto& proc = getHushmoorProcessor();

    setLookAndFeel (&lookAndFeel_);

    // The background fixes the editor's size, before any child exists.
    backgroundImage_ = decode (img::hmr_bg_png, img::hmr_bg_pngSize);
    setSize (backgroundImage_.getWidth(), backgroundImage_.getHeight());

    juce::Image image;

    image = decode (img::bypass_png, img::bypass_pngSize);
    bypassButton_ = std::make_unique<Brivel4StateButton3PDT> ("bypassButton_");
    addAndMakeVisible (*bypassButton_);
    bypassButton_->setImage (image);
    place (*bypassButton_, layout::bypassButton);
    bypassButton_->setToggleState (proc.getParameter (bypassParam) > 0.0f, juce::dontSendNotification);
    bypassButton_->addListener (this);

    image = decode (img::dualmono_png, img::dualmono_pngSize);
    dualMonoOnButton_ = std::make_unique<Brivel2StateButton> ("dualMonoOnButton_");
    addAndMakeVisible (*dualMonoOnButton_);
    dualMonoOnButton_->setImage (image);
    place (*dualMonoOnButton_, layout::dualMonoButton);
    dualMonoOnButton_->setToggleState (proc.getParameter (dualMonoParam) > 0.0f, juce::dontSendNotification);
    dualMonoOnButton_->addListener (this);

    const auto setUpKnob = [this, &proc] (BrivelKnob& knob, const juce::Image& filmstrip,
                                          layout::Box box, int parameterIndex)
    {
        addAndMakeVisible (knob);
        knob.setImage (filmstrip, layout::knobFrames, false);
        place (knob, box);
        showOnKnob (knob, proc.getParameter (parameterIndex));
        knob.setDoubleClickReturnValue (true, (double) proc.getParameterDefaultValue (parameterIndex));
        // Not yet inside the host window here, so the bubble gets a desktop window of its own.
        knob.setPopupDisplayEnabled (true, false, getParentComponent());
        knob.addListener (this);
    };

    image = decode (img::threshold_png, img::threshold_pngSize);
    thresholdKnob_ = std::make_unique<HushmoorThresholdKnob> ("thresholdKnob_");
    setUpKnob (*thresholdKnob_, image, layout::thresholdKnob, thresholdParam);

    image = decode (img::attack_png, img::attack_pngSize);
    attackKnob_ = std::make_unique<HushmoorAttackKnob> ("attackKnob_");
    setUpKnob (*attackKnob_, image, layout::attackKnob, attackParam);

    image = decode (img::decay_png, img::decay_pngSize);
    decayKnob_ = std::make_unique<HushmoorDecayKnob> ("decayKnob_");
    setUpKnob (*decayKnob_, image, layout::decayKnob, decayParam);

    aboutShowButton_ = std::make_unique<Brivel2StateKickButton> ("aboutShowButton_");
    addAndMakeVisible (*aboutShowButton_);
    place (*aboutShowButton_, layout::aboutHotspot);
    aboutShowButton_->addListener (this);

    image = decode (img::about_hmr_png, img::about_hmr_pngSize);
    aboutContainer_ = std::make_unique<BrivelSplashScreen> ("aboutContainer_");
    addChildComponent (*aboutContainer_);
    aboutContainer_->setBounds (0, 0, image.getWidth(), image.getHeight());

    // The first tick refreshes every control once more, in case a value moved meanwhile.
    proc.paramsChanged_ = true;
    startTimer (refreshIntervalMs);
}

GraviloHushmoorAudioProcessorEditor::~GraviloHushmoorAudioProcessorEditor()
{
    stopTimer();

    // Children go in the order they were made; reset() empties each pointer before
    // deleting its object.
    bypassButton_.reset();
    dualMonoOnButton_.reset();
    thresholdKnob_.reset();
    attackKnob_.reset();
    decayKnob_.reset();
    aboutShowButton_.reset();
    aboutContainer_.reset();

    // JUCE asserts if a look-and-feel dies while a component still refers to it.
    setLookAndFeel (nullptr);
}

GraviloHushmoorAudioProcessor& GraviloHushmoorAudioProcessorEditor::getHushmoorProcessor() const noexcept
{
    return static_cast<GraviloHushmoorAudioProcessor&> (processor);
}

void GraviloHushmoorAudioProcessorEditor::paint (juce::Graphics& g)
{
    const auto w = backgroundImage_.getWidth();
    const auto h = backgroundImage_.getHeight();
    g.drawImage (backgroundImage_, 0, 0, w, h, 0, 0, w, h);
}

void GraviloHushmoorAudioProcessorEditor::timerCallback()
{
    auto& proc = getHushmoorProcessor();

    // Cleared before the values are read, so a change landing while they are read
    // raises the flag again and is shown on the next tick rather than lost.
    if (! proc.paramsChanged_.exchange (false))
        return;

    bypassButton_->setToggleState (proc.getParameter (bypassParam) > 0.0f, juce::dontSendNotification);
    dualMonoOnButton_->setToggleState (proc.getParameter (dualMonoParam) > 0.0f, juce::dontSendNotification);
    showOnKnob (*thresholdKnob_, proc.getParameter (thresholdParam));
    showOnKnob (*attackKnob_, proc.getParameter (attackParam));
    showOnKnob (*decayKnob_, proc.getParameter (decayParam));
}

void GraviloHushmoorAudioProcessorEditor::notifyHost (int parameterIndex, float value)
{
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    processor.setParameterNotifyingHost (parameterIndex, value);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
}

void GraviloHushmoorAudioProcessorEditor::buttonClicked (juce::Button* button)
{
    // Both switches toggle before telling us, so the state read here is the new one.
    if (button == bypassButton_.get())
    {
        notifyHost (bypassParam, bypassButton_->getToggleState() ? 1.0f : 0.0f);
    }
    else if (button == dualMonoOnButton_.get())
    {
        notifyHost (dualMonoParam, dualMonoOnButton_->getToggleState() ? 1.0f : 0.0f);
    }
    else if (button == aboutShowButton_.get())
    {
        aboutContainer_->setVersion (juce::String (productVersion) + buildWidth);
        aboutContainer_->show();
    }
}

void GraviloHushmoorAudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    if (slider == thresholdKnob_.get())
        notifyHost (thresholdParam, (float) slider->getValue());
    else if (slider == attackKnob_.get())
        notifyHost (attackParam, (float) slider->getValue());
    else if (slider == decayKnob_.get())
        notifyHost (decayParam, (float) slider->getValue());
}
