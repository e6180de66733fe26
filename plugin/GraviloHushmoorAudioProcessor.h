#pragma once

#include "dsp/NoiseGate.h"
#include "plugin/Preset.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

/** Host parameter keys, also the stems of the state's attribute names. */
extern const char* c_bypass;
extern const char* c_dualmono;
extern const char* c_threshold;
extern const char* c_attack;
extern const char* c_decay;

/**
    The plug-in: five host parameters held in the active one of twelve programs, pushed
    into the noise gate at the start of each block.
*/
class GraviloHushmoorAudioProcessor : public juce::AudioProcessor
{
public:
    static constexpr int numPresets = 12;

    GraviloHushmoorAudioProcessor();
    ~GraviloHushmoorAudioProcessor() override;

    // (interface filled in by the processor's implementation)

    /** Set whenever a value changes; the editor's timer refreshes its controls and clears it. */
    std::atomic<bool> paramsChanged_ { false };
};
