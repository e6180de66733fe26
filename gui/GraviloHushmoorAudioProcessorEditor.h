#pragma once

#include "gui/Brivel2StateButton.h"
#include "gui/Brivel2StateKickButton.h"
#include "gui/Brivel4StateButton.h"
#include "gui/BrivelSplashScreen.h"
#include "gui/HushmoorKnobs.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

class GraviloHushmoorAudioProcessor;

/**
    The plug-in's fixed-size bitmap editor: the panel picture, the on and dual-mono
    switches, the threshold, attack and decay knobs, and the about panel behind an
    invisible hotspot on the maker's plate.

    Only the user's own actions reach the host (through setParameterNotifyingHost); changes
    made elsewhere (automation, programs, restored state) are picked up every 50 ms when the
    processor flags them, and shown without notifying anyone.
*/
class GraviloHushmoorAudioProcessorEditor : public juce::AudioProcessorEditor,
                                            private juce::Timer,
                                            private juce::Button::Listener,
                                            private juce::Slider::Listener
{
public:
    explicit GraviloHushmoorAudioProcessorEditor (GraviloHushmoorAudioProcessor* processorToEdit);
    ~GraviloHushmoorAudioProcessorEditor() override;

    void paint (juce::Graphics&) override;

    static constexpr int refreshIntervalMs = 50;

private:
    void timerCallback() override;
    void buttonClicked (juce::Button*) override;
    void sliderValueChanged (juce::Slider*) override;

    GraviloHushmoorAudioProcessor& getHushmoorProcessor() const noexcept;
    void notifyHost (int parameterIndex, float value);

    juce::LookAndFeel_V3 lookAndFeel_;
    juce::Image backgroundImage_;

    std::unique_ptr<Brivel4StateButton3PDT> bypassButton_;
    std::unique_ptr<Brivel2StateButton> dualMonoOnButton_;
    std::unique_ptr<HushmoorThresholdKnob> thresholdKnob_;
    std::unique_ptr<HushmoorAttackKnob> attackKnob_;
    std::unique_ptr<HushmoorDecayKnob> decayKnob_;
    std::unique_ptr<Brivel2StateKickButton> aboutShowButton_;
    std::unique_ptr<BrivelSplashScreen> aboutContainer_;

    juce::TooltipWindow tooltipWindow_ { nullptr, 700 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GraviloHushmoorAudioProcessorEditor)
};
