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

    It uses the framework's legacy (index-based) parameter API: the JUCE 7 wrappers wrap
    these virtuals in their own parameter objects. The overrides are not deprecated
    themselves; only calls through the juce::AudioProcessor base warn.

    Threads: the preset values, activePreset_ and paramsChanged_ are relaxed atomics of
    single words, shared by the audio thread (processBlock), host threads (setParameter,
    setCurrentProgram, state) and the message thread (the editor). Everything named
    last* and the gate belong to the audio thread (and to prepareToPlay, which the
    wrappers never run concurrently with processBlock).
*/
class GraviloHushmoorAudioProcessor : public juce::AudioProcessor
{
public:
    static constexpr int numPresets = 12;

    GraviloHushmoorAudioProcessor();
    ~GraviloHushmoorAudioProcessor() override;

    //==============================================================================
    // juce::AudioProcessor, in the order of its virtual table.
    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;

    using juce::AudioProcessor::processBlock;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlockBypassed;
    /** The framework's pass-through; also reports a VST3 program change's values. */
    void processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override;

    // The legacy parameter API (deprecated in the base; overriding it does not warn).
    using juce::AudioProcessor::getParameterName;
    using juce::AudioProcessor::getParameterText;
    int getNumParameters() override;
    const juce::String getParameterName (int index) override;
    float getParameter (int index) override;
    const juce::String getParameterText (int index) override;
    float getParameterDefaultValue (int index) override;
    void setParameter (int index, float newValue) override;

    // Legacy channel queries (still deprecated virtuals in JUCE 7.0.5).
    const juce::String getInputChannelName (int channelIndex) const override;
    const juce::String getOutputChannelName (int channelIndex) const override;
    bool isInputChannelStereoPair (int index) const override;
    bool isOutputChannelStereoPair (int index) const override;
    bool silenceInProducesSilenceOut() const override;

    //==============================================================================
    /** All twelve programs "Init" with the default values, program 0 active; tells nobody. */
    void initDefaultPreset();

    /** Resets the gate and applies all five values of the active program at once. */
    void forceCalcParams();

    /** Restores a saved state completely, or refuses it and changes nothing: the one
        judge of whether a host's bytes are this plug-in's state. */
    bool restoreState (const void* data, int sizeInBytes);

    /** The text getParameterText shows for a parameter when its value is the given one;
        "" for an index outside 0..4. */
    static juce::String getParameterTextForValue (int index, float value);

    //==============================================================================
    // Read-only views for tests and diagnostics.
    const NoiseGate& getGate() const noexcept          { return gate_; }
    const Preset& getPreset (int index) const noexcept { return presets_[index]; }
    /** How many calls other than process() processBlock has made into the gate so far
        (setParameter and calcParameter each count one). Audio thread only. */
    int getGateParameterCallCount() const noexcept     { return gateParameterCalls_; }

private:
    void pushChangedValuesToGate() noexcept;
    /** Through VST3, off the message thread: a program's values go to the host with the next block. */
    bool defersProgramReport() const noexcept;
    void reportDeferredProgramValues();
    Preset& activePreset() noexcept                    { return presets_[activePreset_.load (std::memory_order_relaxed)]; }

    // paramsChanged_ comes last and stays public: the editor reads and clears it.
    std::atomic<int> activePreset_ { 0 };
    Preset presets_[numPresets];
    bool lastOn_ = true;
    bool lastDualMono_ = false;
    NoiseGate gate_;
    float lastThreshold_ = 0.0f;
    float lastAttack_ = 0.0f;
    float lastDecay_ = 0.0f;

public:
    /** Set whenever a value changes; the editor's timer refreshes its controls and clears it. */
    std::atomic<bool> paramsChanged_ { false };

private:
    int gateParameterCalls_ = 0;   // for tests only
    std::atomic<bool> programReportPending_ { false };   // a program's values wait for the next block

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GraviloHushmoorAudioProcessor)
};
