#pragma once

#include "AAX_CEffectParameters.h"
#include "wrappers/aax/HushmoorAAXIdentity.h"
#include "wrappers/common/PluginMessageThread.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class GraviloHushmoorAudioProcessor;

namespace hushmoor::aax
{

/**
    The plug-in as an AAX host sees its data model: the effect parameters, carrying the
    processor. It publishes the processor's parameters as "0" to "4" plus the master
    bypass, carries the host's values to the processor and the processor's own changes
    (editor gestures, program changes) to the host through the automation cycle, answers
    a second chunk with the processor's state, and runs the process callback.

    Threads: the process callback runs on the host's audio thread and takes only the
    processor's callback lock; preparation takes the same lock around the layout change
    and prepareToPlay. The host's own calls run on its thread, and only they touch the
    published parameters, the chunks and the host's interfaces. The processor's own
    changes made elsewhere (the editor, on the plug-in's message thread) are queued under
    a small lock of their own and delivered on the host's thread: from TimerWakeup and
    before the chunk operations. Changes the processor makes inside a host call (a
    restored state selecting its program) are delivered at once.

    The object is reference counted: Create() hands it to the host, whose last Release
    deletes it.
*/
class HushmoorAAXProcessor final : public AAX_CEffectParameters,
                                   private juce::AudioProcessorListener,
                                   private juce::AudioPlayHead
{
public:
    /** The effect-parameters creator the description registers; null when the processor cannot be made. */
    static IACFUnknown* Create();

    /** The process callback of every processing component: a range of ProcessContext records. */
    static void processCallback (void* const* instancesBegin, const void* instancesEnd);

    ~HushmoorAAXProcessor() override;

    GraviloHushmoorAudioProcessor& getProcessor() const noexcept    { return *processor; }

    /** The processor parameter an identifier names: its index, or -1 (also for the master bypass). */
    int getProcessorIndex (const char* parameterID) const noexcept;

    //==============================================================================
    /** Publishes the processor's current values (the master bypass keeps its last value
        across a new Initialize) and prepares the processor at the host's current rate. */
    AAX_ResultCode EffectInit() override;

    AAX_ResultCode GetParameterName (const char* parameterID, AAX_IString* name) const override;
    AAX_ResultCode GetParameterNameOfLength (const char* parameterID, AAX_IString* name,
                                             std::int32_t maxLength) const override;
    AAX_ResultCode GetParameterDefaultNormalizedValue (const char* parameterID, double* value) const override;
    /** The processor's text for that value, whatever the current one. */
    AAX_ResultCode GetParameterStringFromValue (const char* parameterID, double value, AAX_IString* valueString,
                                                std::int32_t maxLength) const override;
    /** Reads every text the processor shows for its parameters ("-37.89 dB", "2.00 ms",
        "On"); numbers beyond a parameter's range give its end. */
    AAX_ResultCode GetParameterValueFromString (const char* parameterID, double* value,
                                                const AAX_IString& valueString) const override;
    /** The processor's value within 0 to 1; for one that is no number, the value the
        host was last given. */
    AAX_ResultCode GetParameterNormalizedValue (const char* parameterID, double* value) const override;
    /** Asks the host to take the value and gives it to the processor at once, kept within 0 to 1. */
    AAX_ResultCode SetParameterNormalizedValue (const char* parameterID, double value) override;
    AAX_ResultCode SetParameterNormalizedRelative (const char* parameterID, double delta) override;
    /** The host's value: stored in the parameter (the library's part), then given to the
        processor. Not-a-number is refused for the processor's parameters. */
    AAX_ResultCode UpdateParameterNormalizedValue (const char* parameterID, double value,
                                                   AAX_EUpdateSource source) override;
    /** Links the instance's private data to this object, and readies the processor. */
    AAX_ResultCode ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, std::uint32_t size) const override;

    /** The library's chunks, then the processor's state chunk. */
    AAX_ResultCode GetNumberOfChunks (std::int32_t* numChunks) const override;
    AAX_ResultCode GetChunkIDFromIndex (std::int32_t index, std::uint32_t* chunkID) const override;
    AAX_ResultCode GetChunkSize (std::uint32_t chunkID, std::uint32_t* size) const override;
    /** The state as GetChunkSize took it, whatever changed since, for the first GetChunk
        after it (unless a SetChunk came between); otherwise the current state if it still
        has the size GetChunkSize reported, else -20008 with the record untouched. */
    AAX_ResultCode GetChunk (std::uint32_t chunkID, AAX_SPlugInChunk* chunk) const override;
    /** Restores through the processor's own state code, which ignores what it cannot read. */
    AAX_ResultCode SetChunk (std::uint32_t chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_ResultCode CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const override;

    /** The host's periodic call on its own thread: delivers the processor's queued changes. */
    AAX_ResultCode TimerWakeup() override;
    /** Hands the host the processor's changes made outside its calls (by the editor). */
    void deliverQueuedChanges();

    /** Host blocks longer than this are processed in slices of it. */
    static constexpr int maxBlockSize = 1024;

private:
    HushmoorAAXProcessor();

    const char* getParameterID (int processorIndex) const noexcept;
    AAX_ResultCode addParameters();
    /** Takes the host's channel formats, sample rate and mode; prepares the processor when
        asked to (every Initialize, which also takes the host's rate), when it was not yet,
        or when its layout changed. */
    AAX_ResultCode prepare (bool always);
    void process (const ProcessContext& context) noexcept;
    void processSlice (float* const* inputs, float* const* outputs, int numIn, int numOut,
                       int start, int numSamples, bool bypassed) noexcept;
    /** Sets the processor parameter to a host value, kept within 0 to 1; not-a-number is ignored. */
    void giveToProcessor (int index, double value);

    /** A change the processor reported: a value, a gesture's start or end, or anything else. */
    struct ProcessorChange
    {
        enum class Kind : std::uint8_t { value, gestureBegin, gestureEnd, other };
        Kind kind;
        int index;
    };

    /** Delivers the change now when it comes from inside a host call, else queues it. */
    void onProcessorChange (ProcessorChange change);
    void deliver (ProcessorChange change);

    // juce::AudioProcessorListener
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override;
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override;

    // juce::AudioPlayHead
    juce::Optional<PositionInfo> getPosition() const override;

    // Declaration order is teardown order in reverse: the processor goes before the
    // message thread, the message thread before the framework.
    juce::ScopedJuceInitialiser_GUI libraryInitialiser;
    juce::SharedResourcePointer<wrappers::PluginMessageThread> messageThread;
    std::unique_ptr<GraviloHushmoorAudioProcessor> processor;

    std::vector<std::string> parameterIDs;  // "0" .. "4", by processor index
    std::int32_t stateChunkIndex = 0;
    mutable juce::MemoryBlock savedState;   // taken by GetChunkSize, handed over once by GetChunk
    mutable std::uint32_t reportedStateSize = 0;   // by the last GetChunkSize; 0 before any
    bool bypassPacketRegistered = false;
    bool masterBypass = false;              // the host's last value, kept for the next Initialize

    /** Beyond this many queued changes, whole gestures are left out and a parameter's value
        is queued once: a host that takes no changes for long costs no more memory. */
    static constexpr std::size_t queueCapacity = 1 << 16;

    std::mutex queueLock;
    std::vector<ProcessorChange> queuedChanges, changesBeingDelivered;
    std::vector<int> gesturesLeftOut;       // by processor index, under queueLock
    bool delivering = false;                // host thread only

    double sampleRate = 44100.0;
    juce::AudioBuffer<float> scratch;       // inputs without an output (two in, one out)
    juce::MidiBuffer midiEvents;
    bool prepared = false;                  // changed under the callback lock
    bool audioHasRun = false;               // audio thread, and preparation under the lock

    JUCE_DECLARE_NON_COPYABLE (HushmoorAAXProcessor)
};

} // namespace hushmoor::aax
