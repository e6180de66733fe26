#pragma once

#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "vst2/AudioEffectX.h"
#include "wrappers/common/PluginMessageThread.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <memory>

namespace hushmoor::wrappers
{
class EditorHostComponent;
}

namespace hushmoor::vst2
{

/** The host's editor rectangle record, in pixels. */
struct VstEditorRect
{
    std::int16_t top = 0, left = 0, bottom = 0, right = 0;
};

/**
    The plug-in as a VST 2.4 host sees it: an AudioEffectX that carries the processor.

    Threads: processReplacing runs on the host's audio thread and takes only the
    processor's callback lock; suspend, resume and setSpeakerArrangement take the same
    lock around releaseResources / prepareToPlay and the bus change. Editor opcodes come from the host's GUI thread and
    take a juce::MessageManagerLock, since the framework's message thread is our own
    PluginMessageThread. Everything else runs on the caller's thread.
*/
class HushmoorVst2Wrapper final : public AudioEffectX,
                                  private juce::AudioProcessorListener,
                                  private juce::AudioPlayHead
{
public:
    /** Takes the processor; the counts and layout come from it. */
    HushmoorVst2Wrapper (VstHostCallback hostCallback, std::unique_ptr<GraviloHushmoorAudioProcessor> processor);
    ~HushmoorVst2Wrapper() override;

    GraviloHushmoorAudioProcessor& getProcessor() noexcept    { return *processor; }

    //==============================================================================
    intptr dispatcher (int32 opcode, int32 index, intptr value, void* ptr, float opt) override;

    void close() override;
    void suspend() override;
    void resume() override;

    /** Gates the host's output buffers in place, after copying each input over its
        output (no copy when the host processes in place). Only buffers that overlap in
        another pattern go through a scratch buffer. */
    void processReplacing (float** inputs, float** outputs, int32 sampleFrames) override;

    void setParameter (int32 index, float value) override;
    float getParameter (int32 index) override;
    void getParameterLabel (int32 index, char* label) override;
    void getParameterDisplay (int32 index, char* text) override;
    void getParameterName (int32 index, char* text) override;
    bool canParameterBeAutomated (int32 index) override;

    void setProgram (int32 program) override;
    int32 getProgram() override;
    void setProgramName (const char* name) override;
    void getProgramName (char* name) override;
    bool getProgramNameIndexed (int32 category, int32 index, char* text) override;

    int32 getChunk (void** data, bool isProgram) override;
    int32 setChunk (void* data, int32 byteSize, bool isProgram) override;

    /** Takes a mono or stereo arrangement on each side; the processor's buses follow. */
    bool setSpeakerArrangement (VstSpeakerArrangement* input, VstSpeakerArrangement* output) override;
    bool setBypass (bool state) override;
    bool getEffectName (char* name) override;
    bool getVendorString (char* text) override;
    bool getProductString (char* text) override;
    int32 getVendorVersion() override;
    int32 canDo (const char* text) override;
    int32 getGetTailSize() override;
    int32 getPlugCategory() override;

    /** Called by the editor's host component when the editor changes size. */
    void editorResized (int width, int height);

    /** The most channels an arrangement has on either side: a stereo pair. */
    static constexpr int maxArrangedChannels = 2;

    // Text limits used for the host's buffers (what hosts are known to provide).
    static constexpr int32 maxNameLength = 32;
    static constexpr int32 maxTextLength = 24;
    static constexpr int32 maxProductLength = 64;

private:
    // juce::AudioProcessorListener
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details) override;
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

    // juce::AudioPlayHead
    juce::Optional<PositionInfo> getPosition() const override;

    intptr getEditorRect (void* ptr);
    intptr openEditor (void* parentWindow);
    void closeEditor();
    void processSlice (float* const* inputs, float* const* outputs, int numIn, int numOut,
                       int start, int numSamples, bool throughScratch);
    bool isParameterIndex (int32 index) const noexcept   { return index >= 0 && index < parameterCount; }
    bool isProgramIndex (int32 index) const noexcept     { return index >= 0 && index < programCount; }

    // Declaration order is teardown order in reverse: the editor goes before the
    // processor, the message thread before the framework.
    juce::ScopedJuceInitialiser_GUI libraryInitialiser;
    juce::SharedResourcePointer<wrappers::PluginMessageThread> messageThread;
    std::unique_ptr<GraviloHushmoorAudioProcessor> processor;
    std::unique_ptr<wrappers::EditorHostComponent> editorHost;
    VstEditorRect editorRect;

    juce::MemoryBlock chunkMemory;
    juce::MidiBuffer midiEvents;
    juce::AudioBuffer<float> scratch;  // inputs without an output, and overlapping buffers
    int preparedBlockSize = 0;
    bool prepared = false;             // audio-thread view, changed under the callback lock
    std::atomic<bool> bypassed { false };

    JUCE_DECLARE_NON_COPYABLE (HushmoorVst2Wrapper)
};

} // namespace hushmoor::vst2
