#include "plugin/GraviloHushmoorAudioProcessor.h"

#include "gui/GraviloHushmoorAudioProcessorEditor.h"
#include "plugin/ValidUtf8.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

const char* c_bypass    = "bypass";
const char* c_dualmono  = "dualmono";
const char* c_threshold = "threshold";
const char* c_attack    = "attack";
const char* c_decay     = "decay";

namespace
{
    const char* const parameterKeys[totalNumParams] { c_bypass, c_dualmono, c_threshold, c_attack, c_decay };

    inline bool isParameterIndex (int index) noexcept  { return index >= 0 && index < totalNumParams; }

    inline bool isProgramIndex (int index) noexcept
    {
        return index >= 0 && index < GraviloHushmoorAudioProcessor::numPresets;
    }

    /*  The rate the gate is given for a host's rate; nothing when it keeps its last good
        rate (44100 before one). Its coefficients are expf (-1000 / (ms * rate)) in single
        precision, ms running from 0 (tiny values) to +inf (huge ones). They stay within
        0..1, and so the samples finite, for every rate from 0 to the largest float, and
        for no other:
        - not a number, or below zero (-0 and -inf included): coefficients above 1,
          +inf (-1000 / -0) or not a number (0 * -inf);
        - +inf, or a double beyond the float range: ms = 0 gives 0 * inf.
        0 Hz (or a double too small for a float) becomes the smallest float: every
        coefficient is 0 as at 0 Hz, except that a time beyond the float range (0 * inf
        at exactly 0) holds the envelope, as it does at every other rate. */
    std::optional<float> gateSampleRateFor (double sampleRate) noexcept
    {
        constexpr double roundsToInfinity = 0x1.ffffffp+127;   // FLT_MAX + half an ulp

        if (! (sampleRate >= 0.0) || std::signbit (sampleRate) || sampleRate >= roundsToInfinity)
            return {};

        return std::max (static_cast<float> (sampleRate), std::numeric_limits<float>::denorm_min());
    }
}

//==============================================================================
GraviloHushmoorAudioProcessor::GraviloHushmoorAudioProcessor()
    // The classic default of the framework: a stereo bus "Input" and a stereo bus
    // "Output", both active. (JUCE 7's own default makes them inactive until a wrapper
    // enables them, so a VST3 host would see a plug-in with no default channels.)
    : juce::AudioProcessor (BusesProperties().withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                             .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    initDefaultPreset();
}

GraviloHushmoorAudioProcessor::~GraviloHushmoorAudioProcessor() = default;

const juce::String GraviloHushmoorAudioProcessor::getName() const
{
    return "Gravilo Hushmoor";
}

//==============================================================================
void GraviloHushmoorAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    if (const auto rate = gateSampleRateFor (sampleRate))
        gate_.setSampleRate (*rate);

    gate_.setExpectedSampleFrame (std::max (samplesPerBlock, 16384));
    forceCalcParams();
}

void GraviloHushmoorAudioProcessor::releaseResources() {}

void GraviloHushmoorAudioProcessor::forceCalcParams()
{
    const Preset& preset = activePreset();

    static_cast<DspBase&> (gate_).reset();

    const bool on = preset.getValue (bypassParam) > 0.0f;
    gate_.setParameter (bypassParam, on ? 1.0f : 0.0f);
    lastOn_ = on;

    const bool dualMono = preset.getValue (dualMonoParam) > 0.0f;
    gate_.setParameter (dualMonoParam, dualMono ? 1.0f : 0.0f);
    lastDualMono_ = dualMono;

    lastThreshold_ = preset.getValue (thresholdParam);
    lastAttack_    = preset.getValue (attackParam);
    lastDecay_     = preset.getValue (decayParam);
    gate_.setParameter (thresholdParam, lastThreshold_);
    gate_.setParameter (attackParam, lastAttack_);
    gate_.setParameter (decayParam, lastDecay_);

    gate_.forceCalcParams();
}

void GraviloHushmoorAudioProcessor::pushChangedValuesToGate() noexcept
{
    // Each shared value is read once per block.
    const Preset& preset = activePreset();

    const auto pushSwitch = [this] (int index, float value, bool& last)
    {
        const bool on = value > 0.0f;

        if (on != last)
        {
            gate_.setParameter (index, on ? 1.0f : 0.0f);
            gate_.calcParameter (index);
            gateParameterCalls_ += 2;
            last = on;
        }
    };

    const auto pushValue = [this] (int index, float value, float& last)
    {
        // A value that is not a number always differs (v != v), whatever the compiler flags.
        if (std::isnan (value) || value != last)
        {
            gate_.setParameter (index, value);
            gate_.calcParameter (index);
            gateParameterCalls_ += 2;
            last = value;
        }
    };

    pushSwitch (bypassParam,   preset.getValue (bypassParam),   lastOn_);
    pushSwitch (dualMonoParam, preset.getValue (dualMonoParam), lastDualMono_);
    pushValue (thresholdParam, preset.getValue (thresholdParam), lastThreshold_);
    pushValue (attackParam,    preset.getValue (attackParam),    lastAttack_);
    pushValue (decayParam,     preset.getValue (decayParam),     lastDecay_);
}

void GraviloHushmoorAudioProcessor::processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    // A host learns a program's values while the plug-in is bypassed, too.
    reportDeferredProgramValues();
    juce::AudioProcessor::processBlockBypassed (buffer, midi);
}

void GraviloHushmoorAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const int numSamples = buffer.getNumSamples();
    const int numIn  = getTotalNumInputChannels();
    const int numOut = getTotalNumOutputChannels();

    pushChangedValuesToGate();
    reportDeferredProgramValues();

    // The layout's totals say how to route; the buffer says what is really there.
    const int numChannels = buffer.getNumChannels();

    if (numChannels <= 0 || numSamples <= 0)
        return;

    float* const left = buffer.getWritePointer (0);
    float* const right = numChannels >= 2 && (numIn >= 2 || numOut >= 2) ? buffer.getWritePointer (1) : nullptr;

    if (numIn >= 2 && right != nullptr)
    {
        gate_.process (left, right, numSamples);
    }
    else
    {
        gate_.process (left, numSamples);

        if (numOut >= 2 && right != nullptr)
            std::copy (left, left + numSamples, right);
    }
}

//==============================================================================
double GraviloHushmoorAudioProcessor::getTailLengthSeconds() const  { return 0.0; }
bool GraviloHushmoorAudioProcessor::acceptsMidi() const             { return false; }
bool GraviloHushmoorAudioProcessor::producesMidi() const            { return false; }
bool GraviloHushmoorAudioProcessor::silenceInProducesSilenceOut() const { return false; }

juce::AudioProcessorEditor* GraviloHushmoorAudioProcessor::createEditor()
{
    return new GraviloHushmoorAudioProcessorEditor (this);
}

bool GraviloHushmoorAudioProcessor::hasEditor() const
{
    return true;
}

//==============================================================================
int GraviloHushmoorAudioProcessor::getNumParameters()
{
    return totalNumParams;
}

const juce::String GraviloHushmoorAudioProcessor::getParameterName (int index)
{
    return isParameterIndex (index) ? juce::String (parameterKeys[index]) : juce::String();
}

float GraviloHushmoorAudioProcessor::getParameter (int index)
{
    return isParameterIndex (index) ? activePreset().getValue (index) : 0.0f;
}

const juce::String GraviloHushmoorAudioProcessor::getParameterText (int index)
{
    return isParameterIndex (index) ? getParameterTextForValue (index, activePreset().getValue (index)) : juce::String();
}

juce::String GraviloHushmoorAudioProcessor::getParameterTextForValue (int index, float v)
{
    if (! isParameterIndex (index))
        return {};

    switch (index)
    {
        case bypassParam:
        case dualMonoParam:
            return v == 0.0f ? "Off" : "On";

        case thresholdParam:
        {
            if (v <= 0.0f)
                return "-oo";

            float g = ::powf (81.0f, v * v);
            g = g + (-1.0f);
            g = g * 0.0125f;
            const double d = 20.0 * std::log10 (static_cast<double> (g));
            return juce::String (d, 2) + " dB";
        }

        case attackParam:
        case decayParam:
        default:
        {
            float m = ::powf (81.0f, v);
            m = m + (-1.0f);
            m = m * 0.0125f;
            m = m * (index == attackParam ? 200.0f : 2000.0f);
            return juce::String (m, 2) + " ms";
        }
    }
}

float GraviloHushmoorAudioProcessor::getParameterDefaultValue (int index)
{
    return isParameterIndex (index) ? gate_.getDefaultParameter (index) : 0.0f;
}

void GraviloHushmoorAudioProcessor::setParameter (int index, float newValue)
{
    if (! isParameterIndex (index))
        return;

    activePreset().setValue (index, newValue);
    paramsChanged_.store (true, std::memory_order_relaxed);
}

//==============================================================================
int GraviloHushmoorAudioProcessor::getNumPrograms()
{
    return numPresets;
}

int GraviloHushmoorAudioProcessor::getCurrentProgram()
{
    return activePreset_.load (std::memory_order_relaxed);
}

void GraviloHushmoorAudioProcessor::setCurrentProgram (int index)
{
    if (! isProgramIndex (index))
        return;

    activePreset_.store (index, std::memory_order_relaxed);
    const Preset& preset = presets_[index];

    // The framework's VST3 wrapper keeps a value notified off its message thread (hosts
    // change programs from their own threads) until the end of the next block, and only
    // then reports it, as the value the host must take. A value the host set or restored
    // in between would be taken back by the program's. So through VST3 the next block
    // reports the values as they are by then, after everything the host sent before it.
    if (defersProgramReport())
    {
        programReportPending_.store (true, std::memory_order_release);
    }
    else
    {
        for (int k = 0; k < totalNumParams; ++k)
        {
            JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
            setParameterNotifyingHost (k, preset.getValue (k));
            JUCE_END_IGNORE_WARNINGS_GCC_LIKE
        }
    }

    paramsChanged_.store (true, std::memory_order_relaxed);
}

bool GraviloHushmoorAudioProcessor::defersProgramReport() const noexcept
{
    return wrapperType == wrapperType_VST3 && ! juce::MessageManager::existsAndIsCurrentThread();
}

void GraviloHushmoorAudioProcessor::reportDeferredProgramValues()
{
    // Through the framework's own notification path, which its VST3 wrapper also takes on
    // this thread for every value a host sends with a block; here only in the block after
    // a program change.
    if (! programReportPending_.load (std::memory_order_relaxed)
        || ! programReportPending_.exchange (false, std::memory_order_acquire))
        return;

    const Preset& preset = activePreset();

    for (int k = 0; k < totalNumParams; ++k)
        sendParamChangeMessageToListeners (k, preset.getValue (k));
}

const juce::String GraviloHushmoorAudioProcessor::getProgramName (int index)
{
    // Callers pass 0..11; anything else answers an empty name rather than reading past the bank.
    return isProgramIndex (index) ? presets_[index].name : juce::String();
}

void GraviloHushmoorAudioProcessor::changeProgramName (int index, const juce::String& newName)
{
    // Whatever a host handed over, the name is kept as text the state can write and read back.
    if (isProgramIndex (index))
        presets_[index].name = hushmoor::makeValidUtf8 (newName);
}

void GraviloHushmoorAudioProcessor::initDefaultPreset()
{
    activePreset_.store (0, std::memory_order_relaxed);

    for (int b = 0; b < getNumPrograms(); ++b)
    {
        if (! isProgramIndex (b))
            break;

        presets_[b].name = "Init";

        for (int k = 0; k < totalNumParams; ++k)
            presets_[b].setValue (k, getParameterDefaultValue (k));
    }
}

//==============================================================================
const juce::String GraviloHushmoorAudioProcessor::getInputChannelName (int channelIndex) const
{
    return juce::String (static_cast<juce::int64> (channelIndex) + 1);
}

const juce::String GraviloHushmoorAudioProcessor::getOutputChannelName (int channelIndex) const
{
    return juce::String (static_cast<juce::int64> (channelIndex) + 1);
}

bool GraviloHushmoorAudioProcessor::isInputChannelStereoPair (int) const   { return true; }
bool GraviloHushmoorAudioProcessor::isOutputChannelStereoPair (int) const  { return true; }

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new GraviloHushmoorAudioProcessor();
}
