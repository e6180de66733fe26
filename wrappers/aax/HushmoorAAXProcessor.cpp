#include "wrappers/aax/HushmoorAAXProcessor.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_Guarded.h"
#include "AAX_IController.h"
#include "AAX_ITransport.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "wrappers/aax/HushmoorAAXParameterText.h"
#include "wrappers/common/CreateProcessor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>

namespace hushmoor::aax
{

namespace
{
    juce::AudioChannelSet channelSetOf (AAX_EStemFormat format)
    {
        switch (static_cast<StemFormat> (format))
        {
            case StemFormat::mono:   return juce::AudioChannelSet::mono();
            case StemFormat::stereo: return juce::AudioChannelSet::stereo();
        }

        return juce::AudioChannelSet::disabled();
    }

    /** A host value for the processor: within 0 to 1; nothing for a value that is not a number. */
    std::optional<float> processorValue (double value) noexcept
    {
        if (std::isnan (value))
            return std::nullopt;

        return static_cast<float> (std::clamp (value, 0.0, 1.0));
    }

    void writeText (AAX_IString& destination, const juce::String& text, std::int32_t maxLength)
    {
        destination.Set (text.substring (0, std::max (0, maxLength)).toRawUTF8());
    }

    /** How many host calls the current thread is inside: the processor's changes made there
        go to the host at once, all others wait for the host's thread. */
    thread_local int hostCallDepth = 0;

    struct HostCallScope
    {
        HostCallScope() noexcept   { ++hostCallDepth; }
        ~HostCallScope()           { --hostCallDepth; }

        HostCallScope (const HostCallScope&) = delete;
        HostCallScope& operator= (const HostCallScope&) = delete;
    };

    constexpr int longestParameterName = 31;
    constexpr int shortenedNameLength = 4;
    constexpr std::int32_t invertedOrientation = 0x13;
    constexpr std::uint32_t continuousAboveSteps = 1000;
}

//==============================================================================
IACFUnknown* HushmoorAAXProcessor::Create()
{
    try
    {
        // The reference count owns the object from the host's first query on.
        return static_cast<AAX_IACFEffectParameters*> (new HushmoorAAXProcessor());
    }
    catch (...)
    {
        return nullptr;
    }
}

HushmoorAAXProcessor::HushmoorAAXProcessor()
    : processor (wrappers::createProcessor (juce::AudioProcessor::wrapperType_AAX))
{
    if (processor == nullptr)
        throw std::runtime_error ("the plug-in factory made no Gravilo Hushmoor processor");

    // The processor's state chunk comes after the library's own.
    AAX_CEffectParameters::GetNumberOfChunks (&stateChunkIndex);

    queuedChanges.reserve (64);
    changesBeingDelivered.reserve (64);
    gesturesLeftOut.assign (static_cast<size_t> (std::max (0, processor->getNumParameters())), 0);

    processor->setPlayHead (this);
    processor->addListener (this);
}

HushmoorAAXProcessor::~HushmoorAAXProcessor()
{
    processor->removeListener (this);
    processor->setPlayHead (nullptr);
}

int HushmoorAAXProcessor::getProcessorIndex (const char* parameterID) const noexcept
{
    if (parameterID == nullptr)
        return -1;

    for (size_t i = 0; i < parameterIDs.size(); ++i)
        if (parameterIDs[i] == parameterID)
            return static_cast<int> (i);

    return -1;
}

const char* HushmoorAAXProcessor::getParameterID (int processorIndex) const noexcept
{
    return processorIndex >= 0 && static_cast<size_t> (processorIndex) < parameterIDs.size()
         ? parameterIDs[static_cast<size_t> (processorIndex)].c_str() : nullptr;
}

//==============================================================================
AAX_ResultCode HushmoorAAXProcessor::EffectInit()
{
    return AAX_Guarded ([this]
    {
        if (auto* controller = Controller())
        {
            float rate = 0.0f;

            if (controller->GetSampleRate (&rate) == AAX_SUCCESS && std::isfinite (rate) && rate > 0.0f)
                sampleRate = static_cast<double> (rate);
        }

        // Every Initialize starts the processor afresh, at the rate the host reports now.
        if (const auto result = prepare (true); result != AAX_SUCCESS)
            return result;

        return addParameters();
    });
}

AAX_ResultCode HushmoorAAXProcessor::addParameters()
{
    const int numParameters = processor->getNumParameters();
    parameterIDs.clear();

    const auto add = [this] (auto parameter)
    {
        const auto* added = parameter.get();
        m_ParameterManager.AddParameter (parameter.get());

        // The manager refuses a duplicate, which then stays ours to delete.
        if (m_ParameterManager.GetParameterByID (added->Identifier()) == added)
            parameter.release();
    };

    for (int i = 0; i < numParameters; ++i)
    {
        parameterIDs.push_back (std::to_string (i));
        const auto name = processor->getParameterName (i).substring (0, longestParameterName);

        JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
        const bool automatable = processor->isParameterAutomatable (i);
        const auto steps = static_cast<std::uint32_t> (processor->getParameterNumSteps (i));
        const bool inverted = processor->isParameterOrientationInverted (i);
        JUCE_END_IGNORE_WARNINGS_GCC_LIKE

        auto parameter = std::make_unique<AAX_CParameter<float>> (parameterIDs.back().c_str(), AAX_CString (name.toRawUTF8()),
                                                                  processor->getParameterDefaultValue (i),
                                                                  AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                                  AAX_CNumberDisplayDelegate<float, 3, 0>(), automatable);
        parameter->AddShortenedName (AAX_CString (name.substring (0, shortenedNameLength).toRawUTF8()));
        parameter->SetNumberOfSteps (steps);
        parameter->SetType (steps > continuousAboveSteps ? AAX_PARAMETER_TYPE_CONTINUOUS : AAX_PARAMETER_TYPE_DISCRETE);
        parameter->SetOrientation (inverted ? invertedOrientation : 0);

        // A new Initialize publishes what the processor holds, not the defaults. Set before
        // the parameter is added, so the host is not asked to record it.
        if (const auto value = processorValue (static_cast<double> (processor->getParameter (i))))
            parameter->SetValueWithFloat (*value);

        add (std::move (parameter));
    }

    auto bypass = std::make_unique<AAX_CParameter<bool>> (cDefaultMasterBypassID, AAX_CString ("Master Bypass"), false,
                                                          AAX_CBinaryTaperDelegate<bool>(),
                                                          AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true);
    bypass->SetNumberOfSteps (2);
    bypass->SetType (AAX_PARAMETER_TYPE_DISCRETE);
    bypass->SetValueWithBool (masterBypass);
    add (std::move (bypass));

    // Registrations outlive Uninitialize: one is enough for every Initialize.
    if (! bypassPacketRegistered)
    {
        const AAX_CPacketHandler<AAX_CPacketDispatcher> handler (&m_PacketDispatcher,
                                                                 &AAX_CPacketDispatcher::GenerateSingleValuePacket);

        // Without it the bypass would never reach the audio.
        if (const auto result = m_PacketDispatcher.RegisterPacket (cDefaultMasterBypassID, bypassField, &handler);
            result != AAX_SUCCESS)
            return result;

        bypassPacketRegistered = true;
    }

    // The data port may hold a value of an earlier Initialize: the next coefficients post it anew.
    return m_PacketDispatcher.SetDirty (cDefaultMasterBypassID, true);
}

//==============================================================================
AAX_ResultCode HushmoorAAXProcessor::GetParameterName (const char* parameterID, AAX_IString* name) const
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0 || name == nullptr)
        return AAX_CEffectParameters::GetParameterName (parameterID, name);

    return GetParameterNameOfLength (parameterID, name, longestParameterName);
}

AAX_ResultCode HushmoorAAXProcessor::GetParameterNameOfLength (const char* parameterID, AAX_IString* name,
                                                               std::int32_t maxLength) const
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0 || name == nullptr)
        return AAX_CEffectParameters::GetParameterNameOfLength (parameterID, name, maxLength);

    return AAX_Guarded ([&]
    {
        writeText (*name, processor->getParameterName (index), maxLength);
        return AAX_SUCCESS;
    });
}

AAX_ResultCode HushmoorAAXProcessor::GetParameterDefaultNormalizedValue (const char* parameterID, double* value) const
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0 || value == nullptr)
        return AAX_CEffectParameters::GetParameterDefaultNormalizedValue (parameterID, value);

    *value = static_cast<double> (processor->getParameterDefaultValue (index));
    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXProcessor::GetParameterStringFromValue (const char* parameterID, double value,
                                                                  AAX_IString* valueString, std::int32_t maxLength) const
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0 || valueString == nullptr)
        return AAX_CEffectParameters::GetParameterStringFromValue (parameterID, value, valueString, maxLength);

    const auto shown = processorValue (value);

    if (! shown.has_value())
        return AAX_RESULT_BAD_STRING;

    return AAX_Guarded ([&]
    {
        writeText (*valueString, GraviloHushmoorAudioProcessor::getParameterTextForValue (index, *shown), maxLength);
        return AAX_SUCCESS;
    });
}

AAX_ResultCode HushmoorAAXProcessor::GetParameterValueFromString (const char* parameterID, double* value,
                                                                  const AAX_IString& valueString) const
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0 || value == nullptr)
        return AAX_CEffectParameters::GetParameterValueFromString (parameterID, value, valueString);

    const char* text = valueString.Get();
    const auto read = text != nullptr ? readParameterText (index, text) : std::nullopt;

    if (! read.has_value())
        return AAX_RESULT_BAD_STRING;

    *value = static_cast<double> (*read);
    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXProcessor::GetParameterNormalizedValue (const char* parameterID, double* value) const
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0 || value == nullptr)
        return AAX_CEffectParameters::GetParameterNormalizedValue (parameterID, value);

    // A restored state may hold values a host cannot: it gets the processor's value as it
    // would publish it, and for one that is no number the value it was last given.
    if (const auto v = processorValue (static_cast<double> (processor->getParameter (index))))
    {
        *value = static_cast<double> (*v);
        return AAX_SUCCESS;
    }

    return AAX_CEffectParameters::GetParameterNormalizedValue (parameterID, value);
}

AAX_ResultCode HushmoorAAXProcessor::SetParameterNormalizedValue (const char* parameterID, double value)
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0)
        return AAX_CEffectParameters::SetParameterNormalizedValue (parameterID, value);

    // A value that is not a number cannot be converted to one the processor can take.
    if (std::isnan (value))
        return AAX_RESULT_BAD_STRING;

    return AAX_Guarded ([&]
    {
        // The host hears of the value through its automation and confirms it later; the
        // processor takes it now, as a host that set a value expects.
        const auto result = AAX_CEffectParameters::SetParameterNormalizedValue (parameterID, value);
        giveToProcessor (index, value);
        return result;
    });
}

AAX_ResultCode HushmoorAAXProcessor::SetParameterNormalizedRelative (const char* parameterID, double delta)
{
    const int index = getProcessorIndex (parameterID);

    if (index < 0)
        return AAX_CEffectParameters::SetParameterNormalizedRelative (parameterID, delta);

    if (std::isnan (delta))
        return AAX_RESULT_BAD_STRING;

    const auto current = static_cast<double> (processor->getParameter (index));
    return SetParameterNormalizedValue (parameterID, std::clamp (current + delta, 0.0, 1.0));
}

AAX_ResultCode HushmoorAAXProcessor::UpdateParameterNormalizedValue (const char* parameterID, double value,
                                                                     AAX_EUpdateSource source)
{
    const int index = getProcessorIndex (parameterID);

    // The processor cannot take it, so the parameter must not either: both keep their value.
    if (index >= 0 && std::isnan (value))
        return AAX_RESULT_BAD_STRING;

    const auto result = AAX_CEffectParameters::UpdateParameterNormalizedValue (parameterID, value, source);

    if (result != AAX_SUCCESS)
        return result;

    if (index < 0)
    {
        // Kept for the parameter a new Initialize makes.
        if (std::strcmp (parameterID, cDefaultMasterBypassID) == 0)
            if (const auto* bypass = m_ParameterManager.GetParameterByID (cDefaultMasterBypassID))
                bypass->GetValueAsBool (&masterBypass);

        return result;
    }

    // The value the parameter now holds (the host's, as its range keeps it).
    float stored = 0.0f;

    if (const auto* parameter = m_ParameterManager.GetParameterByID (parameterID);
        parameter != nullptr && parameter->GetValueAsFloat (&stored))
        giveToProcessor (index, static_cast<double> (stored));

    return result;
}

void HushmoorAAXProcessor::giveToProcessor (int index, double value)
{
    if (const auto v = processorValue (value); v.has_value() && *v != processor->getParameter (index))
        processor->setParameter (index, *v);
}

//==============================================================================
AAX_ResultCode HushmoorAAXProcessor::ResetFieldData (AAX_CFieldIndex fieldIndex, void* data, std::uint32_t size) const
{
    const auto result = AAX_CEffectParameters::ResetFieldData (fieldIndex, data, size);

    if (result != AAX_SUCCESS || data == nullptr)
        return result;

    if (fieldIndex == linkField && size >= sizeof (ProcessorLink))
    {
        const ProcessorLink link { const_cast<HushmoorAAXProcessor*> (this) };
        std::memcpy (data, &link, sizeof (link));
    }
    else if (fieldIndex == preparedField && size >= sizeof (std::int32_t))
    {
        const auto prepareResult = AAX_Guarded ([this] { return const_cast<HushmoorAAXProcessor*> (this)->prepare (false); });
        const std::int32_t flag = prepareResult == AAX_SUCCESS ? 1 : 0;
        std::memcpy (data, &flag, sizeof (flag));
        return prepareResult;
    }

    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXProcessor::prepare (bool always)
{
    auto* controller = Controller();

    if (controller == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    AAX_EStemFormat inputFormat {}, outputFormat {};
    controller->GetInputStemFormat (&inputFormat);
    controller->GetOutputStemFormat (&outputFormat);

    auto layout = processor->getBusesLayout();
    layout.getChannelSet (true, 0) = channelSetOf (inputFormat);
    layout.getChannelSet (false, 0) = channelSetOf (outputFormat);

    if (layout.getMainInputChannels() == 0 || layout.getMainOutputChannels() == 0
         || ! processor->checkBusesLayoutSupported (layout))
        return AAX_RESULT_NOT_IMPLEMENTED;

    AAX_CBoolean offline = 0;
    controller->GetIsAudioSuite (&offline);
    processor->setNonRealtime (offline != 0);

    const bool layoutChanged = layout != processor->getBusesLayout();

    if (always || layoutChanged || ! prepared)
    {
        // Allocated before taking the lock, so the audio thread waits only for the swap.
        juce::AudioBuffer<float> newScratch (2, maxBlockSize);
        newScratch.clear();

        const juce::ScopedLock lock (processor->getCallbackLock());

        if (prepared)
        {
            prepared = false;
            processor->releaseResources();
        }

        if (layoutChanged && ! processor->setBusesLayout (layout))
            return AAX_RESULT_NOT_IMPLEMENTED;

        processor->setRateAndBufferSizeDetails (sampleRate, maxBlockSize);
        processor->prepareToPlay (sampleRate, maxBlockSize);
        std::swap (scratch, newScratch);
        prepared = true;
        audioHasRun = false;
    }

    controller->SetSignalLatency (processor->getLatencySamples());
    return AAX_SUCCESS;
}

//==============================================================================
void HushmoorAAXProcessor::processCallback (void* const* instancesBegin, const void* instancesEnd)
{
    if (instancesBegin == nullptr || instancesEnd == nullptr)
        return;

    for (auto* const* instance = instancesBegin; instance < static_cast<void* const*> (instancesEnd); ++instance)
    {
        const auto* context = static_cast<const ProcessContext*> (*instance);

        if (context != nullptr && context->link != nullptr && context->link->processor != nullptr)
            context->link->processor->process (*context);
    }
}

void HushmoorAAXProcessor::process (const ProcessContext& context) noexcept
{
    if (context.inputChannels == nullptr || context.outputChannels == nullptr || context.bufferSize == nullptr)
        return;

    const int numSamples = *context.bufferSize;

    if (numSamples <= 0)
        return;

    const bool bypassed = context.bypass != nullptr && *context.bypass != 0;
    const juce::ScopedLock lock (processor->getCallbackLock());

    // The layout was chosen from the host's stem formats: one or two channels each side.
    const int numIn = std::clamp (processor->getTotalNumInputChannels(), 0, 2);
    const int numOut = std::clamp (processor->getTotalNumOutputChannels(), 0, 2);

    for (int ch = 0; ch < numOut; ++ch)
        if (context.outputChannels[ch] == nullptr)
            return;

    if (! prepared)
    {
        // Not readied yet: let the signal through rather than run an unready gate.
        for (int ch = 0; ch < numOut; ++ch)
        {
            const float* input = ch < numIn ? context.inputChannels[ch] : nullptr;
            const auto bytes = sizeof (float) * static_cast<size_t> (numSamples);

            if (input == nullptr)
                std::memset (context.outputChannels[ch], 0, bytes);
            else if (input != context.outputChannels[ch])
                std::memmove (context.outputChannels[ch], input, bytes);
        }

        return;
    }

    if (! audioHasRun)
    {
        // Values the host gave between preparation and the first block (a restored
        // session) start without a fade, as they do when given before preparation.
        processor->forceCalcParams();
        audioHasRun = true;
    }

    for (int start = 0; start < numSamples; start += maxBlockSize)
        processSlice (context.inputChannels, context.outputChannels, numIn, numOut, start,
                      std::min (maxBlockSize, numSamples - start), bypassed);
}

void HushmoorAAXProcessor::processSlice (float* const* inputs, float* const* outputs, int numIn, int numOut,
                                         int start, int numSamples, bool bypassed) noexcept
{
    const auto bytes = sizeof (float) * static_cast<size_t> (numSamples);
    const int numChannels = std::max (numIn, numOut);
    float* channels[2] {};

    for (int ch = 0; ch < numChannels; ++ch)
    {
        // Each output is gated where it lies; an input without an output is gated in scratch.
        channels[ch] = ch < numOut ? outputs[ch] + start : scratch.getWritePointer (ch);
        const float* input = ch < numIn && inputs[ch] != nullptr ? inputs[ch] + start : nullptr;

        if (input == nullptr)
            std::memset (channels[ch], 0, bytes);
        else if (input != channels[ch])
            std::memmove (channels[ch], input, bytes);
    }

    juce::AudioBuffer<float> buffer (channels, numChannels, numSamples);
    midiEvents.clear();

    if (bypassed)
    {
        processor->processBlockBypassed (buffer, midiEvents);

        // One input on two outputs: both carry it, as they do while processing.
        if (numIn == 1 && numOut >= 2)
            std::memcpy (channels[1], channels[0], bytes);
    }
    else if (processor->isSuspended())
        buffer.clear();
    else
        processor->processBlock (buffer, midiEvents);
}

//==============================================================================
AAX_ResultCode HushmoorAAXProcessor::GetNumberOfChunks (std::int32_t* numChunks) const
{
    if (numChunks == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *numChunks = stateChunkIndex + 1;
    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXProcessor::GetChunkIDFromIndex (std::int32_t index, std::uint32_t* chunkID) const
{
    if (index != stateChunkIndex || chunkID == nullptr)
        return AAX_CEffectParameters::GetChunkIDFromIndex (index, chunkID);

    *chunkID = stateChunkID;
    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXProcessor::GetChunkSize (std::uint32_t chunkID, std::uint32_t* size) const
{
    // What the host saves holds the editor's last changes.
    const_cast<HushmoorAAXProcessor*> (this)->deliverQueuedChanges();

    if (chunkID != stateChunkID || size == nullptr)
        return AAX_CEffectParameters::GetChunkSize (chunkID, size);

    return AAX_Guarded ([&]
    {
        // The state is taken here and GetChunk hands over this copy: the editor may change
        // a value (and so the state's length) between the host's two calls.
        savedState.reset();
        reportedStateSize = 0;
        juce::MemoryBlock state;
        processor->getStateInformation (state);

        if (state.getSize() > static_cast<size_t> (std::numeric_limits<std::int32_t>::max()))
            return AAX_RESULT_BAD_CHUNK_SIZE;

        std::swap (savedState, state);
        reportedStateSize = static_cast<std::uint32_t> (savedState.getSize());
        *size = reportedStateSize;
        return AAX_SUCCESS;
    });
}

AAX_ResultCode HushmoorAAXProcessor::GetChunk (std::uint32_t chunkID, AAX_SPlugInChunk* chunk) const
{
    if (chunkID != stateChunkID || chunk == nullptr)
        return AAX_CEffectParameters::GetChunk (chunkID, chunk);

    return AAX_Guarded ([&]
    {
        // The copy serves the one save it was measured for: a later GetChunk (after an edit,
        // or after a SetChunk) must not hand over an older state as the current one.
        juce::MemoryBlock state;
        std::swap (state, savedState);

        if (state.isEmpty())
            processor->getStateInformation (state);

        // The host made room for the size it was told; anything else would overflow it.
        if (reportedStateSize == 0 || state.getSize() != reportedStateSize)
            return AAX_RESULT_BAD_CHUNK_SIZE;

        chunk->dataSize = static_cast<std::int32_t> (state.getSize());
        std::memset (chunk->name, 0, sizeof (chunk->name));
        std::strncpy (chunk->name, stateChunkName, sizeof (chunk->name) - 1);
        std::memcpy (chunk->data, state.getData(), state.getSize());
        return AAX_SUCCESS;
    });
}

AAX_ResultCode HushmoorAAXProcessor::SetChunk (std::uint32_t chunkID, const AAX_SPlugInChunk* chunk)
{
    // Earlier changes go first, so the restored values are the last word.
    deliverQueuedChanges();
    savedState.reset();   // a state measured before this restore is no longer the current one

    if (chunkID != stateChunkID || chunk == nullptr)
        return AAX_CEffectParameters::SetChunk (chunkID, chunk);

    return AAX_Guarded ([&]
    {
        if (chunk->dataSize <= 0)
            return AAX_SUCCESS;

        const HostCallScope scope;
        processor->setStateInformation (chunk->data, chunk->dataSize);

        // A restored state whose stored program index is out of range changes the active
        // program's values without telling anyone: tell the host about every difference.
        for (int i = 0; i < static_cast<int> (parameterIDs.size()); ++i)
        {
            float published = 0.0f;
            const auto* parameter = m_ParameterManager.GetParameterByID (getParameterID (i));

            if (parameter != nullptr && parameter->GetValueAsFloat (&published) && published != processor->getParameter (i))
                SetParameterNormalizedValue (getParameterID (i), static_cast<double> (processor->getParameter (i)));
        }

        return AAX_SUCCESS;
    });
}

AAX_ResultCode HushmoorAAXProcessor::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const
{
    const_cast<HushmoorAAXProcessor*> (this)->deliverQueuedChanges();
    return AAX_CEffectParameters::CompareActiveChunk (chunk, isEqual);
}

AAX_ResultCode HushmoorAAXProcessor::TimerWakeup()
{
    deliverQueuedChanges();
    return AAX_CEffectParameters::TimerWakeup();
}

//==============================================================================
// An edit in the editor or a program change: the host records it through its automation.
void HushmoorAAXProcessor::audioProcessorParameterChanged (juce::AudioProcessor*, int index, float)
{
    onProcessorChange ({ ProcessorChange::Kind::value, index });
}

void HushmoorAAXProcessor::audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&)
{
    onProcessorChange ({ ProcessorChange::Kind::other, -1 });
}

void HushmoorAAXProcessor::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index)
{
    onProcessorChange ({ ProcessorChange::Kind::gestureBegin, index });
}

void HushmoorAAXProcessor::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index)
{
    onProcessorChange ({ ProcessorChange::Kind::gestureEnd, index });
}

void HushmoorAAXProcessor::onProcessorChange (ProcessorChange change)
{
    if (hostCallDepth > 0)
    {
        deliver (change);
        return;
    }

    using Kind = ProcessorChange::Kind;
    const std::lock_guard<std::mutex> lock (queueLock);
    const bool isGesture = change.kind == Kind::gestureBegin || change.kind == Kind::gestureEnd;
    auto* leftOut = change.index >= 0 && static_cast<size_t> (change.index) < gesturesLeftOut.size()
                  ? &gesturesLeftOut[static_cast<size_t> (change.index)] : nullptr;

    if (change.kind == Kind::gestureEnd && leftOut != nullptr && *leftOut > 0)
    {
        --*leftOut;
        return;
    }

    // A value is delivered as it is then: a run of changes to one parameter needs one.
    const auto isQueued = [this, change] (auto first)
    {
        return std::any_of (first, queuedChanges.cend(), [change] (const ProcessorChange& queued)
        {
            return queued.kind == change.kind && queued.index == change.index;
        });
    };

    if (! isGesture && ! queuedChanges.empty() && isQueued (queuedChanges.cend() - 1))
        return;

    if (queuedChanges.size() >= queueCapacity)
    {
        if (change.kind == Kind::gestureBegin && leftOut != nullptr)
        {
            ++*leftOut;
            return;
        }

        // The end of a gesture whose start is queued still goes in, and so does a value
        // that is not queued yet: a few more at most.
        if (! isGesture && isQueued (queuedChanges.cbegin()))
            return;
    }

    queuedChanges.push_back (change);
}

void HushmoorAAXProcessor::deliverQueuedChanges()
{
    // Not while a delivery runs (a host may answer a request inside it), and not without
    // parameters to deliver to: the changes wait for the next Initialize.
    if (delivering || m_ParameterManager.NumParameters() == 0)
        return;

    {
        const std::lock_guard<std::mutex> lock (queueLock);

        if (queuedChanges.empty())
            return;

        std::swap (queuedChanges, changesBeingDelivered);
    }

    const juce::ScopedValueSetter<bool> deliveringNow (delivering, true);

    for (const auto& change : changesBeingDelivered)
        deliver (change);

    changesBeingDelivered.clear();
}

void HushmoorAAXProcessor::deliver (ProcessorChange change)
{
    if (change.kind == ProcessorChange::Kind::other)
    {
        ++m_ChangeCount;
        return;
    }

    const auto* parameterID = getParameterID (change.index);

    if (parameterID == nullptr)
        return;

    switch (change.kind)
    {
        case ProcessorChange::Kind::value:
            SetParameterNormalizedValue (parameterID, static_cast<double> (processor->getParameter (change.index)));
            break;

        case ProcessorChange::Kind::gestureBegin:  TouchParameter (parameterID);    break;
        case ProcessorChange::Kind::gestureEnd:    ReleaseParameter (parameterID);  break;
        case ProcessorChange::Kind::other:         break;
    }
}

juce::Optional<juce::AudioPlayHead::PositionInfo> HushmoorAAXProcessor::getPosition() const
{
    const auto* transport = Transport();

    if (transport == nullptr)
        return {};

    PositionInfo info;

    if (double bpm = 0.0; transport->GetCurrentTempo (&bpm) == AAX_SUCCESS)
        info.setBpm (bpm);

    if (std::int32_t numerator = 4, denominator = 4; transport->GetCurrentMeter (&numerator, &denominator) == AAX_SUCCESS)
        info.setTimeSignature (TimeSignature { numerator, denominator });

    if (bool playing = false; transport->IsTransportPlaying (&playing) == AAX_SUCCESS)
        info.setIsPlaying (playing);

    if (std::int64_t sample = 0; transport->GetCurrentNativeSampleLocation (&sample) == AAX_SUCCESS)
    {
        info.setTimeInSamples (sample);
        info.setTimeInSeconds (static_cast<double> (sample) / sampleRate);
    }

    return info;
}

} // namespace hushmoor::aax
