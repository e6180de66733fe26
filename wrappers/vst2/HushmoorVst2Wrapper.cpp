#include "wrappers/vst2/HushmoorVst2Wrapper.h"

#include "plugin/ValidUtf8.h"
#include "wrappers/common/EditorHostComponent.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace hushmoor::vst2
{

namespace
{
    using int32 = std::int32_t;
    using wrappers::EditorHostComponent;

    /** Writes text into a host buffer of maxLength bytes plus the NUL: valid UTF-8,
        cut before a character that does not fit rather than inside it. */
    void copyToHost (const juce::String& text, char* destination, int32 maxLength)
    {
        if (destination != nullptr)
            hushmoor::makeValidUtf8 (text).copyToUTF8 (destination, static_cast<size_t> (maxLength) + 1);
    }

    /** True when any input and output share memory other than as the same channel in
        place, or two outputs share memory: then a channel's copy could overwrite input
        that another channel has yet to read. */
    bool buffersOverlap (const float* const* in, int numIn, const float* const* out, int numOut, int numSamples)
    {
        const auto span = sizeof (float) * static_cast<size_t> (numSamples);
        const auto overlap = [span] (const float* a, const float* b)
        {
            const auto x = reinterpret_cast<std::uintptr_t> (a), y = reinterpret_cast<std::uintptr_t> (b);
            return x < y + span && y < x + span;
        };

        for (int o = 0; o < numOut; ++o)
        {
            for (int i = 0; i < numIn; ++i)
                if (in[i] != nullptr && overlap (in[i], out[o]) && ! (i == o && in[i] == out[o]))
                    return true;

            for (int other = 0; other < o; ++other)
                if (overlap (out[other], out[o]))
                    return true;
        }

        return false;
    }
}

//==============================================================================
HushmoorVst2Wrapper::HushmoorVst2Wrapper (VstHostCallback callback, std::unique_ptr<GraviloHushmoorAudioProcessor> p)
    : AudioEffectX (callback, p->getNumPrograms(), p->getNumParameters()),
      processor (std::move (p))
{
    // The processor's buses start disabled; a host always plays through both.
    processor->enableAllBuses();

    setUniqueID (vstFourCC ('B', 'h', 'm', 'r'));
    setNumInputs (processor->getTotalNumInputChannels());
    setNumOutputs (processor->getTotalNumOutputChannels());
    canProcessReplacing (true);
    canDoubleReplacing (processor->supportsDoublePrecisionProcessing());
    isSynth (false);
    setInitialDelay (processor->getLatencySamples());
    programsAreChunks (true);

    if (processor->hasEditor())
        aeffect.flags |= toBits (VstEffectFlags::hasEditor);

    aeffect.version = 100;

    processor->setPlayHead (this);
    processor->addListener (this);
}

HushmoorVst2Wrapper::~HushmoorVst2Wrapper()
{
    closeEditor();
    processor->removeListener (this);
    processor->setPlayHead (nullptr);
}

//==============================================================================
AudioEffect::intptr HushmoorVst2Wrapper::dispatcher (int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    switch (opcode)
    {
        case toInt (VstDispatcherOpcode::editorGetRect):  return getEditorRect (ptr);
        case toInt (VstDispatcherOpcode::editorOpen):     return openEditor (ptr);
        case toInt (VstDispatcherOpcode::editorClose):    closeEditor(); return 0;
        // Our message thread runs the editor's timers; the host's idle call has nothing to add.
        case toInt (VstDispatcherOpcode::editorIdle):     return 0;
        default:                                          return AudioEffectX::dispatcher (opcode, index, value, ptr, opt);
    }
}

void HushmoorVst2Wrapper::close()
{
    closeEditor();
}

void HushmoorVst2Wrapper::suspend()
{
    const juce::ScopedLock lock (processor->getCallbackLock());

    if (prepared)
    {
        prepared = false;
        processor->releaseResources();
    }
}

void HushmoorVst2Wrapper::resume()
{
    const double rate = static_cast<double> (getSampleRate());
    const int size = std::max (1, static_cast<int> (getBlockSize()));

    // Allocated before taking the lock, so the audio thread waits only for the swap. Room
    // for a stereo pair whatever the arrangement, so a later arrangement needs no new one.
    juce::AudioBuffer<float> newScratch (maxArrangedChannels, size);
    newScratch.clear();

    // Asked here, where the host changes state, rather than in every block.
    processor->setNonRealtime (getCurrentProcessLevel() == vstProcessLevelOffline);

    {
        const juce::ScopedLock lock (processor->getCallbackLock());

        if (prepared)
            processor->releaseResources();

        processor->setRateAndBufferSizeDetails (rate, size);
        processor->prepareToPlay (rate, size);
        std::swap (scratch, newScratch);
        preparedBlockSize = size;
        prepared = true;
    }

    AudioEffectX::resume();
}

//==============================================================================
void HushmoorVst2Wrapper::processReplacing (float** inputs, float** outputs, int32 sampleFrames)
{
    if (sampleFrames <= 0 || outputs == nullptr)
        return;

    const juce::ScopedLock lock (processor->getCallbackLock());

    // The record's counts are the arrangement's, changed only under this lock.
    const int numIn = std::clamp (static_cast<int> (aeffect.numInputs), 0, maxArrangedChannels);
    const int numOut = std::clamp (static_cast<int> (aeffect.numOutputs), 0, maxArrangedChannels);

    for (int ch = 0; ch < numOut; ++ch)
        if (outputs[ch] == nullptr)
            return;

    float* in[maxArrangedChannels] {};

    for (int ch = 0; ch < numIn && inputs != nullptr; ++ch)
        in[ch] = inputs[ch];

    if (! prepared)
    {
        // Not resumed yet: let the signal through untouched rather than run an unready gate.
        for (int ch = 0; ch < numOut; ++ch)
        {
            if (in[ch] != nullptr)
                std::memmove (outputs[ch], in[ch], sizeof (float) * static_cast<size_t> (sampleFrames));
            else
                std::memset (outputs[ch], 0, sizeof (float) * static_cast<size_t> (sampleFrames));
        }

        return;
    }

    const bool throughScratch = buffersOverlap (in, numIn, outputs, numOut, sampleFrames);

    // The processor was prepared for blocks of preparedBlockSize; longer host blocks go in slices.
    for (int start = 0; start < sampleFrames; start += preparedBlockSize)
        processSlice (in, outputs, numIn, numOut, start, std::min (preparedBlockSize, static_cast<int> (sampleFrames) - start),
                      throughScratch);
}

void HushmoorVst2Wrapper::processSlice (float* const* in, float* const* out, int numIn, int numOut,
                                        int start, int numSamples, bool throughScratch)
{
    const auto bytes = sizeof (float) * static_cast<size_t> (numSamples);
    const int numChannels = std::max (numIn, numOut);
    float* channels[maxArrangedChannels] {};

    for (int ch = 0; ch < numChannels; ++ch)
    {
        // Each output is gated where it lies; an input without an output (two in, one
        // out) is gated in scratch, and so is everything when the host's buffers overlap.
        const bool inScratch = throughScratch || ch >= numOut;
        channels[ch] = inScratch ? scratch.getWritePointer (ch) : out[ch] + start;

        if (ch >= numIn || in[ch] == nullptr)
            std::memset (channels[ch], 0, bytes);
        else if (channels[ch] != in[ch] + start)
            std::memcpy (channels[ch], in[ch] + start, bytes);
    }

    juce::AudioBuffer<float> buffer (channels, numChannels, numSamples);
    midiEvents.clear();

    if (processor->isSuspended())
        buffer.clear();
    else if (bypassed.load (std::memory_order_relaxed))
        processor->processBlockBypassed (buffer, midiEvents);
    else
        processor->processBlock (buffer, midiEvents);

    if (throughScratch)
        for (int ch = 0; ch < numOut; ++ch)
            std::memcpy (out[ch] + start, channels[ch], bytes);
}

//==============================================================================
void HushmoorVst2Wrapper::setParameter (int32 index, float value)
{
    if (isParameterIndex (index) && std::isfinite (value))
        processor->setParameter (index, value);
}

float HushmoorVst2Wrapper::getParameter (int32 index)
{
    return isParameterIndex (index) ? processor->getParameter (index) : 0.0f;
}

void HushmoorVst2Wrapper::getParameterLabel (int32 index, char* label)
{
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    copyToHost (isParameterIndex (index) ? processor->getParameterLabel (index) : juce::String(), label, maxTextLength);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE
}

void HushmoorVst2Wrapper::getParameterDisplay (int32 index, char* text)
{
    copyToHost (isParameterIndex (index) ? processor->getParameterText (index) : juce::String(), text, maxTextLength);
}

void HushmoorVst2Wrapper::getParameterName (int32 index, char* text)
{
    copyToHost (isParameterIndex (index) ? processor->getParameterName (index) : juce::String(), text, maxNameLength);
}

bool HushmoorVst2Wrapper::canParameterBeAutomated (int32 index)
{
    return isParameterIndex (index);
}

//==============================================================================
void HushmoorVst2Wrapper::setProgram (int32 program)
{
    if (isProgramIndex (program))
        processor->setCurrentProgram (program);
}

AudioEffect::int32 HushmoorVst2Wrapper::getProgram()
{
    return processor->getCurrentProgram();
}

void HushmoorVst2Wrapper::setProgramName (const char* name)
{
    // At most the field's length; the bytes need not be UTF-8.
    if (name != nullptr)
        processor->changeProgramName (processor->getCurrentProgram(),
                                      hushmoor::makeValidUtf8 (name, strnlen (name, maxTextLength)));
}

void HushmoorVst2Wrapper::getProgramName (char* name)
{
    copyToHost (processor->getProgramName (processor->getCurrentProgram()), name, maxTextLength);
}

bool HushmoorVst2Wrapper::getProgramNameIndexed (int32, int32 index, char* text)
{
    if (! isProgramIndex (index) || text == nullptr)
        return false;

    copyToHost (processor->getProgramName (index), text, maxTextLength);
    return true;
}

//==============================================================================
AudioEffect::int32 HushmoorVst2Wrapper::getChunk (void** data, bool isProgram)
{
    if (data == nullptr)
        return 0;

    chunkMemory.reset();

    if (isProgram)
        processor->getCurrentProgramStateInformation (chunkMemory);
    else
        processor->getStateInformation (chunkMemory);

    if (chunkMemory.getSize() == 0 || chunkMemory.getSize() > static_cast<size_t> (std::numeric_limits<int32>::max()))
    {
        *data = nullptr;
        return 0;
    }

    *data = chunkMemory.getData();
    return static_cast<int32> (chunkMemory.getSize());
}

AudioEffect::int32 HushmoorVst2Wrapper::setChunk (void* data, int32 byteSize, bool)
{
    // A program chunk is the whole state too; only the processor can tell whether the
    // bytes are its state, and the host hears whether they were restored.
    return processor->restoreState (data, byteSize) ? 1 : 0;
}

//==============================================================================
bool HushmoorVst2Wrapper::setSpeakerArrangement (VstSpeakerArrangement* input, VstSpeakerArrangement* output)
{
    const auto channelSet = [] (const VstSpeakerArrangement* a)
    {
        if (a != nullptr && a->arrangementType == vstSpeakerArrangementMono && a->channelCount == 1)
            return juce::AudioChannelSet::mono();

        if (a != nullptr && a->arrangementType == vstSpeakerArrangementStereo && a->channelCount == 2)
            return juce::AudioChannelSet::stereo();

        return juce::AudioChannelSet::disabled();
    };

    auto layout = processor->getBusesLayout();
    layout.getChannelSet (true, 0) = channelSet (input);
    layout.getChannelSet (false, 0) = channelSet (output);

    if (layout.getMainInputChannels() == 0 || layout.getMainOutputChannels() == 0)
        return false;

    const juce::ScopedLock lock (processor->getCallbackLock());

    if (! processor->setBusesLayout (layout))
        return false;

    // The host reads the counts back to know how many channel pointers to pass.
    setNumInputs (processor->getTotalNumInputChannels());
    setNumOutputs (processor->getTotalNumOutputChannels());
    return true;
}

bool HushmoorVst2Wrapper::setBypass (bool state)
{
    bypassed.store (state, std::memory_order_relaxed);
    return true;
}

bool HushmoorVst2Wrapper::getEffectName (char* name)
{
    copyToHost (JucePlugin_Name, name, maxProductLength);
    return true;
}

bool HushmoorVst2Wrapper::getVendorString (char* text)
{
    copyToHost (JucePlugin_Manufacturer, text, maxProductLength);
    return true;
}

bool HushmoorVst2Wrapper::getProductString (char* text)
{
    copyToHost (JucePlugin_Name, text, maxProductLength);
    return true;
}

AudioEffect::int32 HushmoorVst2Wrapper::getVendorVersion()
{
    return JucePlugin_VersionCode;
}

AudioEffect::int32 HushmoorVst2Wrapper::canDo (const char* text)
{
    if (text == nullptr)
        return 0;

    const juce::String capability (text);

    if (capability == "bypass")
        return 1;

    // No MIDI in either direction.
    if (capability.containsIgnoreCase ("MidiEvent") || capability.containsIgnoreCase ("VstEvents"))
        return -1;

    return 0;
}

AudioEffect::int32 HushmoorVst2Wrapper::getGetTailSize()
{
    const auto tail = processor->getTailLengthSeconds();
    // 1 tells the host "no tail" (0 would mean "unknown").
    return tail <= 0.0 ? 1 : static_cast<int32> (std::ceil (tail * static_cast<double> (getSampleRate())));
}

AudioEffect::int32 HushmoorVst2Wrapper::getPlugCategory()
{
    return vstPlugCategoryEffect;
}

//==============================================================================
void HushmoorVst2Wrapper::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value)
{
    // An edit from the editor or a program change: the host records it as automation.
    setParameterAutomated (index, value);
}

void HushmoorVst2Wrapper::audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details)
{
    if (details.latencyChanged)
    {
        setInitialDelay (processor->getLatencySamples());
        ioChanged();
    }

    if (details.programChanged || details.parameterInfoChanged)
        updateDisplay();
}

void HushmoorVst2Wrapper::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    beginEdit (index);
}

void HushmoorVst2Wrapper::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    endEdit (index);
}

juce::Optional<juce::AudioPlayHead::PositionInfo> HushmoorVst2Wrapper::getPosition() const
{
    // Asked on demand: the gate itself never needs the transport. The host's record is
    // only known to exist; none of its fields are decoded here.
    auto* self = const_cast<HushmoorVst2Wrapper*> (this);

    if (self->getTimeInfo (vstTimeInfoAllFields) == nullptr)
        return {};

    return PositionInfo {};
}

//==============================================================================
AudioEffect::intptr HushmoorVst2Wrapper::getEditorRect (void* ptr)
{
    if (ptr == nullptr || ! processor->hasEditor())
        return 0;

    const juce::MessageManagerLock lock;

    if (editorHost == nullptr)
        editorHost = std::make_unique<EditorHostComponent> (*processor, [this] (int w, int h) { editorResized (w, h); });

    if (! editorHost->hasEditor())
    {
        editorHost.reset();
        return 0;
    }

    editorRect.top = 0;
    editorRect.left = 0;
    editorRect.bottom = static_cast<std::int16_t> (editorHost->getHeight());
    editorRect.right = static_cast<std::int16_t> (editorHost->getWidth());
    *static_cast<VstEditorRect**> (ptr) = &editorRect;
    return 1;
}

AudioEffect::intptr HushmoorVst2Wrapper::openEditor (void* parentWindow)
{
    if (parentWindow == nullptr || ! processor->hasEditor())
        return 0;

    const juce::MessageManagerLock lock;

    // No display to draw on: say so instead of failing inside the windowing code.
    if (! EditorHostComponent::canOpenWindows())
        return 0;

    if (editorHost != nullptr && editorHost->isOnDesktop())
        editorHost.reset();

    if (editorHost == nullptr)
        editorHost = std::make_unique<EditorHostComponent> (*processor, [this] (int w, int h) { editorResized (w, h); });

    if (editorHost->attachToHostWindow (parentWindow))
        return 1;

    editorHost.reset();
    return 0;
}

void HushmoorVst2Wrapper::closeEditor()
{
    if (editorHost == nullptr)
        return;

    const juce::MessageManagerLock lock;
    editorHost.reset();
}

void HushmoorVst2Wrapper::editorResized (int width, int height)
{
    editorRect.bottom = static_cast<std::int16_t> (height);
    editorRect.right = static_cast<std::int16_t> (width);

    if (canHostDo (HostCanDos::canDoSizeWindow) != 0)
        sizeWindow (width, height);
}

} // namespace hushmoor::vst2
