#include "ProcessorTestSupport.h"
#include "tests/support/ReferenceGate.h"

#include <gtest/gtest.h>

#include <limits>

using namespace hushmoor::test;

namespace
{
    constexpr float defaults[totalNumParams] { 1.0f, 0.0f, 0.0f, 0.134f, 0.367f };

    juce::String textFor (GraviloHushmoorAudioProcessor& p, int index, float value)
    {
        p.setParameter (index, value);
        return p.getParameterText (index);
    }

    NoiseGate& mutableGate (GraviloHushmoorAudioProcessor& p)
    {
        return const_cast<NoiseGate&> (p.getGate());
    }
}

//==============================================================================
TEST (Processor, FreshProcessorReportsItsIdentityProgramsAndDefaults)
{
    GraviloHushmoorAudioProcessor p;

    EXPECT_EQ (p.getName(), "Gravilo Hushmoor");
    EXPECT_EQ (p.getNumPrograms(), 12);
    EXPECT_EQ (p.getCurrentProgram(), 0);

    for (int b = 0; b < 12; ++b)
        EXPECT_EQ (p.getProgramName (b), "Init");

    EXPECT_EQ (p.getNumParameters(), 5);
    for (int k = 0; k < totalNumParams; ++k)
    {
        EXPECT_EQ (bitsOf (p.getParameter (k)), bitsOf (defaults[k])) << k;
        EXPECT_EQ (bitsOf (p.getParameterDefaultValue (k)), bitsOf (defaults[k])) << k;
    }

    EXPECT_EQ (p.getParameterName (0), "bypass");
    EXPECT_EQ (p.getParameterName (1), "dualmono");
    EXPECT_EQ (p.getParameterName (2), "threshold");
    EXPECT_EQ (p.getParameterName (3), "attack");
    EXPECT_EQ (p.getParameterName (4), "decay");
    EXPECT_STREQ (c_bypass, "bypass");
    EXPECT_STREQ (c_decay, "decay");

    EXPECT_EQ (p.getParameterText (0), "On");
    EXPECT_EQ (p.getParameterText (1), "Off");
    EXPECT_EQ (p.getParameterText (2), "-oo");
    EXPECT_EQ (p.getParameterText (3), "2.00 ms");
    EXPECT_EQ (p.getParameterText (4), "100.42 ms");

    EXPECT_FALSE (p.paramsChanged_.load());
    EXPECT_FALSE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi());
    EXPECT_FALSE (p.silenceInProducesSilenceOut());
    EXPECT_EQ (p.getTailLengthSeconds(), 0.0);
    EXPECT_EQ (p.getLatencySamples(), 0);

    // A stereo "Input" and a stereo "Output" bus, active from the start.
    ASSERT_EQ (p.getBusCount (true), 1);
    ASSERT_EQ (p.getBusCount (false), 1);
    EXPECT_EQ (p.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (p.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (p.getBus (true, 0)->getDefaultLayout(), juce::AudioChannelSet::stereo());
    EXPECT_EQ (p.getBus (false, 0)->getDefaultLayout(), juce::AudioChannelSet::stereo());
    EXPECT_EQ (p.getTotalNumInputChannels(), 2);
    EXPECT_EQ (p.getTotalNumOutputChannels(), 2);
}

TEST (Processor, HasAnEditor)
{
    // The editor itself is tested with the GUI.
    GraviloHushmoorAudioProcessor p;
    EXPECT_TRUE (p.hasEditor());
}

TEST (Processor, ChannelNamesAndPairs)
{
    GraviloHushmoorAudioProcessor p;
    EXPECT_EQ (p.getInputChannelName (0), "1");
    EXPECT_EQ (p.getInputChannelName (1), "2");
    EXPECT_EQ (p.getOutputChannelName (6), "7");
    EXPECT_EQ (p.getOutputChannelName (std::numeric_limits<int>::max()), "2147483648");
    EXPECT_TRUE (p.isInputChannelStereoPair (0));
    EXPECT_TRUE (p.isOutputChannelStereoPair (3));
}

TEST (Processor, CreatePluginFilterMakesTheProcessor)
{
    std::unique_ptr<juce::AudioProcessor> p (createPluginFilter());
    ASSERT_NE (dynamic_cast<GraviloHushmoorAudioProcessor*> (p.get()), nullptr);
    EXPECT_EQ (p->getName(), "Gravilo Hushmoor");
}

//==============================================================================
TEST (ProcessorTexts, SwitchTexts)
{
    GraviloHushmoorAudioProcessor p;
    EXPECT_EQ (textFor (p, 0, 0.3f), "On");
    EXPECT_EQ (textFor (p, 0, -0.5f), "On");
    EXPECT_EQ (textFor (p, 0, 0.0f), "Off");
    EXPECT_EQ (textFor (p, 0, -0.0f), "Off");
    EXPECT_EQ (textFor (p, 1, 1.0f), "On");
    EXPECT_EQ (textFor (p, 1, 0.0f), "Off");
}

TEST (ProcessorTexts, ThresholdTexts)
{
    GraviloHushmoorAudioProcessor p;
    EXPECT_EQ (textFor (p, 2, 1.0f), "0.00 dB");
    EXPECT_EQ (textFor (p, 2, 0.5f), "-32.04 dB");
    EXPECT_EQ (textFor (p, 2, 0.0f), "-oo");
    EXPECT_EQ (textFor (p, 2, -0.2f), "-oo");
}

TEST (ProcessorTexts, ThresholdBelowTheSinglePrecisionStepIsMinusInfinityDecibels)
{
    GraviloHushmoorAudioProcessor p;
    const float v = 0.0001f;   // above 0, below about 0.000116

    float g = ::powf (81.0f, v * v);
    g = g + (-1.0f);
    g = g * 0.0125f;
    ASSERT_EQ (g, 0.0f);

    const auto text = textFor (p, 2, v);
    EXPECT_EQ (text, juce::String (-std::numeric_limits<double>::infinity(), 2) + " dB");
    EXPECT_NE (text, "-oo");

    // Just above the step the gain is not 0 any more.
    EXPECT_TRUE (textFor (p, 2, 0.00012f).endsWith (" dB"));
    EXPECT_NE (textFor (p, 2, 0.00012f), text);
}

TEST (ProcessorTexts, TimeTexts)
{
    GraviloHushmoorAudioProcessor p;
    EXPECT_EQ (textFor (p, 3, 0.134f), "2.00 ms");
    EXPECT_EQ (textFor (p, 3, 1.0f), "200.00 ms");
    EXPECT_EQ (textFor (p, 3, 0.0f), "0.00 ms");
    EXPECT_EQ (textFor (p, 4, 0.367f), "100.42 ms");
    EXPECT_EQ (textFor (p, 4, 1.0f), "2000.00 ms");
    EXPECT_EQ (textFor (p, 4, 0.0f), "0.00 ms");
}

TEST (ProcessorTexts, OddValuesGiveTextsWithoutTrouble)
{
    GraviloHushmoorAudioProcessor p;
    const float odd[] { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity(), 1.0e30f, -1.0e30f,
                        std::numeric_limits<float>::denorm_min(), 7.0f };

    for (int k = 0; k < totalNumParams; ++k)
        for (float v : odd)
            EXPECT_FALSE (textFor (p, k, v).isEmpty()) << k << " " << v;
}

//==============================================================================
TEST (ProcessorParameters, SetParameterStoresUnclampedAndFlagsTheEditorOnly)
{
    GraviloHushmoorAudioProcessor p;
    CountingListener listener;
    p.addListener (&listener);

    p.setParameter (2, 1.5f);
    EXPECT_EQ (p.getParameter (2), 1.5f);
    EXPECT_EQ (p.getPreset (0).getValue (2), 1.5f);
    EXPECT_TRUE (p.paramsChanged_.load());
    EXPECT_TRUE (listener.changes.empty());

    p.setParameter (3, -2.0f);
    EXPECT_EQ (p.getParameter (3), -2.0f);

    p.removeListener (&listener);
}

TEST (ProcessorParameters, OutOfRangeIndicesAreIgnored)
{
    GraviloHushmoorAudioProcessor p;
    const Snapshot before (p);

    for (int index : { -1, 5, 6, 100, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() })
    {
        p.setParameter (index, 0.5f);
        EXPECT_EQ (p.getParameter (index), 0.0f);
        EXPECT_EQ (p.getParameterName (index), "");
        EXPECT_EQ (p.getParameterText (index), "");
        EXPECT_EQ (p.getParameterDefaultValue (index), 0.0f);
    }

    EXPECT_TRUE (Snapshot (p) == before);
    EXPECT_FALSE (p.paramsChanged_.load());
}

//==============================================================================
TEST (ProcessorPrograms, SelectingAProgramPushesItsValuesThroughTheHost)
{
    GraviloHushmoorAudioProcessor p;
    p.setCurrentProgram (4);
    p.setParameter (2, 0.25f);
    p.setParameter (0, 0.0f);
    p.changeProgramName (4, "Four");
    p.setCurrentProgram (0);
    p.paramsChanged_ = false;

    CountingListener listener;
    p.addListener (&listener);
    p.setCurrentProgram (4);

    EXPECT_EQ (p.getCurrentProgram(), 4);
    EXPECT_EQ (p.getProgramName (4), "Four");
    EXPECT_EQ (p.getParameter (2), 0.25f);
    EXPECT_EQ (p.getParameterText (0), "Off");
    EXPECT_TRUE (p.paramsChanged_.load());

    ASSERT_EQ (listener.changes.size(), 5u);
    for (int k = 0; k < 5; ++k)
    {
        EXPECT_EQ (listener.changes[static_cast<size_t> (k)].index, k);
        EXPECT_EQ (listener.changes[static_cast<size_t> (k)].value, p.getPreset (4).getValue (k));
    }

    // Program 0 kept its own values.
    EXPECT_EQ (p.getPreset (0).getValue (2), 0.0f);
    EXPECT_EQ (p.getPreset (0).getValue (0), 1.0f);
    p.removeListener (&listener);
}

TEST (ProcessorPrograms, OutOfRangeProgramsChangeAndNotifyNothing)
{
    GraviloHushmoorAudioProcessor p;
    p.setCurrentProgram (2);
    p.paramsChanged_ = false;
    const Snapshot before (p);

    CountingListener listener;
    p.addListener (&listener);

    for (int index : { 12, -1, 13, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() })
        p.setCurrentProgram (index);

    EXPECT_EQ (p.getCurrentProgram(), 2);
    EXPECT_TRUE (listener.changes.empty());
    EXPECT_FALSE (p.paramsChanged_.load());
    EXPECT_TRUE (Snapshot (p) == before);

    // Names outside the bank: nothing to read, nothing written.
    EXPECT_EQ (p.getProgramName (12), "");
    EXPECT_EQ (p.getProgramName (-1), "");
    p.changeProgramName (12, "x");
    p.changeProgramName (-1, "x");
    EXPECT_TRUE (Snapshot (p) == before);
    p.removeListener (&listener);
}

TEST (ProcessorPrograms, InitDefaultPresetResetsTheBankSilently)
{
    GraviloHushmoorAudioProcessor p;
    p.setCurrentProgram (7);
    p.setParameter (4, 0.9f);
    p.changeProgramName (7, "Seven");
    p.paramsChanged_ = false;

    CountingListener listener;
    p.addListener (&listener);
    p.initDefaultPreset();

    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_EQ (p.getProgramName (7), "Init");
    EXPECT_EQ (p.getPreset (7).getValue (4), 0.367f);
    EXPECT_TRUE (listener.changes.empty());
    EXPECT_FALSE (p.paramsChanged_.load());
    p.removeListener (&listener);
}

//==============================================================================
TEST (ProcessorPrepare, SizesTheGateForAtLeast16384Samples)
{
    GraviloHushmoorAudioProcessor p;
    p.prepareToPlay (48000.0, 512);
    EXPECT_EQ (mutableGate (p).getExpectedSampleFrame(), 16384);
    EXPECT_EQ (mutableGate (p).getSampleRate(), 48000.0f);
    EXPECT_EQ (p.getGate().getFadeLength(), 2048);

    p.prepareToPlay (96000.0, 32768);
    EXPECT_EQ (mutableGate (p).getExpectedSampleFrame(), 32768);
    EXPECT_EQ (p.getGate().getFadeLength(), 4096);

    p.prepareToPlay (44100.0, 0);
    EXPECT_EQ (mutableGate (p).getExpectedSampleFrame(), 16384);
}

TEST (ProcessorPrepare, TakesEveryRateWhoseCoefficientsStayInRangeAndKeepsTheLastGoodOneOtherwise)
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float tiny = std::numeric_limits<float>::denorm_min();
    constexpr float biggest = std::numeric_limits<float>::max();
    const float nan = std::numeric_limits<float>::quiet_NaN();

    // A host's rate across the float classes, the float it rounds to, and whether the gate takes it.
    struct Rate { double host; float narrowed; bool taken; };
    const Rate rates[] {
        { -static_cast<double> (inf), -inf, false },  { -1.0e300, -inf, false },   { -48000.0, -48000.0f, false },
        { -1.0e-300, -0.0f, false },                   { -0.0, -0.0f, false },      { 0.0, 0.0f, true },
        { 1.0e-300, 0.0f, true },                      { tiny, tiny, true },        { 1.0e-30, 1.0e-30f, true },
        { 1.0, 1.0f, true },                           { 34050.0, 34050.0f, true }, { 192000.0, 192000.0f, true },
        { biggest, biggest, true },                    { 1.0e300, inf, false },     { inf, inf, false },
        { static_cast<double> (nan), nan, false },
    };

    // Times of every class: 0 (tiny values), ordinary, beyond the float range, none at all.
    const float values[] { 1.0e-10f, tiny, 0.134f, 1.0f, 25.0f, biggest, inf, nan, -1.0f, 0.0f };
    const auto inRange = [] (float c) { return c >= 0.0f && c <= 1.0f; };
    juce::MidiBuffer midi;

    for (const auto& rate : rates)
    {
        // What the gate's rules give at that rate, for every value.
        NoiseGate rules;
        rules.setSampleRate (rate.narrowed);
        bool rulesInRange = true;

        for (const float v : values)
        {
            rules.setParameter (attackParam, v);
            rules.setParameter (decayParam, v);
            rulesInRange = rulesInRange && inRange (rules.getAttackCoeff()) && inRange (rules.getDecayCoeff());
        }

        // Only +0 is taken where the rules fail: a time beyond the float range there gives 0 * inf.
        const bool positiveZero = rate.narrowed == 0.0f && ! std::signbit (rate.narrowed);
        EXPECT_EQ (rate.taken, rulesInRange || positiveZero) << rate.host;

        GraviloHushmoorAudioProcessor p;
        p.setParameter (thresholdParam, 0.3f);
        p.prepareToPlay (96000.0, 512);
        p.prepareToPlay (rate.host, 512);
        EXPECT_EQ (p.getGate().getFadeLength(), rate.taken ? NoiseGate::fadeLengthForSampleRate (rate.narrowed) : 4096) << rate.host;
        EXPECT_EQ (mutableGate (p).getSampleRate(), rate.taken ? std::max (rate.narrowed, tiny) : 96000.0f) << rate.host;

        for (const float v : values)
        {
            p.setParameter (bypassParam, 1.0f);
            p.setParameter (attackParam, v);
            p.setParameter (decayParam, v);
            juce::AudioBuffer<float> buffer (2, 1024);
            fillSignal (buffer);
            p.processBlock (buffer, midi);

            // Where the rules give a coefficient in range, the gate has exactly that one.
            rules.setParameter (attackParam, v);
            if (rate.taken && inRange (rules.getAttackCoeff()))
            {
                EXPECT_EQ (bitsOf (p.getGate().getAttackCoeff()), bitsOf (rules.getAttackCoeff())) << rate.host << " " << v;
            }

            p.setParameter (bypassParam, 0.0f);   // and through a fade
            p.processBlock (buffer, midi);

            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < buffer.getNumSamples(); ++i)
                    ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i))) << rate.host << " value " << v << " sample " << i;
        }
    }
}

TEST (ProcessorPrepare, AppliesTheActiveProgramAtOnce)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (0, 0.0f);
    p.setParameter (1, 0.7f);
    p.setParameter (2, 0.5f);
    p.prepareToPlay (48000.0, 512);

    EXPECT_EQ (p.getGate().getFadeState(), stateOff);   // no fade: settled at once
    EXPECT_TRUE (p.getGate().isDualMono());
    EXPECT_EQ (p.getGate().getEnvelopeLeft(), 0.0f);

    NoiseGate reference;
    const float values[totalNumParams] { 0.0f, 0.7f, 0.5f, 0.134f, 0.367f };
    prepareReference (reference, values, 48000.0f, 512);
    EXPECT_EQ (bitsOf (p.getGate().getThresholdGain()), bitsOf (reference.getThresholdGain()));
    EXPECT_EQ (bitsOf (p.getGate().getAttackCoeff()), bitsOf (reference.getAttackCoeff()));
    EXPECT_EQ (bitsOf (p.getGate().getDecayCoeff()), bitsOf (reference.getDecayCoeff()));
}

//==============================================================================
TEST (ProcessorBlocks, StereoOutputMatchesTheGateRunDirectly)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    p.setParameter (4, 0.2f);
    prepareWithLayout (p, 2, 2);

    NoiseGate reference;
    const float values[totalNumParams] { 1.0f, 0.0f, 0.4f, 0.134f, 0.2f };
    prepareReference (reference, values, 48000.0f, 512);

    juce::MidiBuffer midi;
    for (int block = 0; block < 20; ++block)
    {
        juce::AudioBuffer<float> buffer (2, 512), expected (2, 512);
        fillSignal (buffer, block * 512);
        expected.makeCopyOf (buffer);

        if (block == 10)
        {
            // A change reaches the gate at the start of the next block, as in the gate itself.
            p.setParameter (1, 1.0f);
            reference.setParameter (1, 1.0f);
            reference.calcParameter (1);
        }

        p.processBlock (buffer, midi);
        reference.process (expected.getWritePointer (0), expected.getWritePointer (1), 512);

        for (int ch = 0; ch < 2; ++ch)
            ASSERT_EQ (std::memcmp (buffer.getReadPointer (ch), expected.getReadPointer (ch), 512 * sizeof (float)), 0)
                << "block " << block << " channel " << ch;
    }
}

TEST (ProcessorBlocks, OneInTwoOutGatesChannelZeroAndDuplicatesIt)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    prepareWithLayout (p, 1, 2);
    ASSERT_EQ (p.getTotalNumInputChannels(), 1);
    ASSERT_EQ (p.getTotalNumOutputChannels(), 2);

    NoiseGate reference;
    const float values[totalNumParams] { 1.0f, 0.0f, 0.4f, 0.134f, 0.367f };
    prepareReference (reference, values, 48000.0f, 512);

    juce::MidiBuffer midi;
    for (int block = 0; block < 8; ++block)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        fillSignal (buffer, block * 512);
        buffer.clear (1, 0, 512);
        std::vector<float> expected (buffer.getReadPointer (0), buffer.getReadPointer (0) + 512);

        p.processBlock (buffer, midi);
        reference.process (expected.data(), 512);

        ASSERT_EQ (std::memcmp (buffer.getReadPointer (0), expected.data(), 512 * sizeof (float)), 0);
        ASSERT_EQ (std::memcmp (buffer.getReadPointer (1), buffer.getReadPointer (0), 512 * sizeof (float)), 0);
    }
}

TEST (ProcessorBlocks, TwoInOneOutGatesTheFirstTwoChannelsAsAPair)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    prepareWithLayout (p, 2, 1);

    NoiseGate reference;
    const float values[totalNumParams] { 1.0f, 0.0f, 0.4f, 0.134f, 0.367f };
    prepareReference (reference, values, 48000.0f, 512);

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (2, 512), expected (2, 512);
    fillSignal (buffer);
    buffer.applyGain (1, 0, 512, 0.01f);   // a quiet right channel kept open by the left
    expected.makeCopyOf (buffer);

    p.processBlock (buffer, midi);
    reference.process (expected.getWritePointer (0), expected.getWritePointer (1), 512);

    for (int ch = 0; ch < 2; ++ch)
        EXPECT_EQ (std::memcmp (buffer.getReadPointer (ch), expected.getReadPointer (ch), 512 * sizeof (float)), 0);
}

TEST (ProcessorBlocks, OneInOneOutLeavesEverythingButChannelZero)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    prepareWithLayout (p, 1, 1);

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (1, 512);
    fillSignal (buffer);
    juce::AudioBuffer<float> original;
    original.makeCopyOf (buffer);
    p.processBlock (buffer, midi);
    EXPECT_NE (std::memcmp (buffer.getReadPointer (0), original.getReadPointer (0), 512 * sizeof (float)), 0);

    // A host handing over more channels than the layout has: only channel 0 is touched.
    juce::AudioBuffer<float> wide (3, 512);
    fillSignal (wide);
    juce::AudioBuffer<float> wideOriginal;
    wideOriginal.makeCopyOf (wide);
    p.processBlock (wide, midi);
    EXPECT_EQ (std::memcmp (wide.getReadPointer (1), wideOriginal.getReadPointer (1), 512 * sizeof (float)), 0);
    EXPECT_EQ (std::memcmp (wide.getReadPointer (2), wideOriginal.getReadPointer (2), 512 * sizeof (float)), 0);
}

TEST (ProcessorBlocks, ChannelsFromTwoUpwardsAreNeverTouched)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    prepareWithLayout (p, 2, 2);

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (4, 512);
    fillSignal (buffer);
    juce::AudioBuffer<float> original;
    original.makeCopyOf (buffer);
    p.processBlock (buffer, midi);

    for (int ch = 2; ch < 4; ++ch)
        EXPECT_EQ (std::memcmp (buffer.getReadPointer (ch), original.getReadPointer (ch), 512 * sizeof (float)), 0);
}

TEST (ProcessorBlocks, ABlockWithNoChangeCallsOnlyProcess)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    prepareWithLayout (p, 2, 2);

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (2, 256);
    fillSignal (buffer);

    const int before = p.getGateParameterCallCount();
    p.processBlock (buffer, midi);
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGateParameterCallCount(), before);

    // Setting a value to what it already is is no change either.
    p.setParameter (2, 0.4f);
    p.setParameter (0, 0.5f);   // still "on"
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGateParameterCallCount(), before);

    // A changed threshold: one setParameter and one calcParameter, once.
    p.setParameter (2, 0.45f);
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGateParameterCallCount(), before + 2);
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGateParameterCallCount(), before + 2);

    // And the gate's own state is left alone by a block without change: a value put
    // into the gate behind the processor's back survives it.
    mutableGate (p).setParameter (thresholdParam, 0.9f);
    const float gain = p.getGate().getThresholdGain();
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGate().getThresholdGain(), gain);
}

TEST (ProcessorBlocks, ANotANumberAlwaysCountsAsAChange)
{
    GraviloHushmoorAudioProcessor p;
    prepareWithLayout (p, 2, 2);
    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (2, 64);

    p.setParameter (3, std::numeric_limits<float>::quiet_NaN());
    int count = p.getGateParameterCallCount();

    for (int i = 0; i < 3; ++i)
    {
        fillSignal (buffer);
        p.processBlock (buffer, midi);
        EXPECT_EQ (p.getGateParameterCallCount(), count + 2);
        count = p.getGateParameterCallCount();
    }
}

TEST (ProcessorBlocks, SwitchingOffStartsTheFadeAtTheNextBlock)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    prepareWithLayout (p, 2, 2);
    ASSERT_EQ (p.getGate().getFadeState(), stateOn);

    p.setParameter (0, 0.0f);
    EXPECT_EQ (p.getParameterText (0), "Off");
    EXPECT_EQ (p.getGate().getFadeState(), stateOn);   // nothing reaches the gate before a block

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (2, 512);
    fillSignal (buffer);
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGate().getFadeState(), stateFadingOut);

    p.setParameter (0, 0.3f);   // on again (0.3 > 0)
    p.processBlock (buffer, midi);
    EXPECT_EQ (p.getGate().getFadeState(), stateFadingIn);
}

TEST (ProcessorBlocks, SwitchesReachTheGateAsOneOrZeroAndOtherValuesUnchanged)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (0, 0.3f);
    p.setParameter (1, 0.7f);
    p.setParameter (2, 0.25f);
    prepareWithLayout (p, 2, 2);

    // prepareToPlay: the switches as 1.0 or 0.0, the other three as they are.
    EXPECT_EQ (mutableGate (p).getParameter (0), 1.0f);
    EXPECT_EQ (mutableGate (p).getParameter (1), 1.0f);
    EXPECT_EQ (mutableGate (p).getParameter (2), 0.25f);

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (2, 64);
    fillSignal (buffer);

    p.setParameter (0, -0.5f);   // off: not above 0
    p.setParameter (1, -2.0f);
    p.setParameter (3, 0.6f);
    p.processBlock (buffer, midi);
    EXPECT_EQ (bitsOf (mutableGate (p).getParameter (0)), bitsOf (0.0f));
    EXPECT_EQ (bitsOf (mutableGate (p).getParameter (1)), bitsOf (0.0f));
    EXPECT_EQ (mutableGate (p).getParameter (3), 0.6f);
    EXPECT_EQ (p.getGate().getFadeState(), stateFadingOut);   // calcParameter (0) ran
    EXPECT_FALSE (p.getGate().isDualMono());

    p.setParameter (0, 2.5f);
    p.setParameter (1, 1.0e-30f);
    p.processBlock (buffer, midi);
    EXPECT_EQ (mutableGate (p).getParameter (0), 1.0f);
    EXPECT_EQ (mutableGate (p).getParameter (1), 1.0f);
    EXPECT_EQ (p.getGate().getFadeState(), stateFadingIn);
    EXPECT_TRUE (p.getGate().isDualMono());
}

TEST (ProcessorBlocks, MidiIsIgnored)
{
    GraviloHushmoorAudioProcessor p;
    prepareWithLayout (p, 2, 2);
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, 0.5f), 0);
    juce::AudioBuffer<float> buffer (2, 64);
    fillSignal (buffer);
    p.processBlock (buffer, midi);
    EXPECT_EQ (midi.getNumEvents(), 1);
}

//==============================================================================
TEST (ProcessorBadInput, BlockSizesFromZeroTo65536)
{
    GraviloHushmoorAudioProcessor p;
    p.setParameter (2, 0.4f);
    juce::MidiBuffer midi;

    for (int prepared : { 0, 1, 512, 65536 })
    {
        prepareWithLayout (p, 2, 2, 44100.0, prepared);

        for (int n : { 0, 1, 2, 511, 16384, 16385, 40000, 65536 })
        {
            juce::AudioBuffer<float> buffer (2, n);
            fillSignal (buffer);
            p.processBlock (buffer, midi);

            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < n; ++i)
                    ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i)));
        }
    }

    // Also a fade over a block far larger than the prepared size.
    p.prepareToPlay (48000.0, 64);
    p.setParameter (0, 0.0f);
    juce::AudioBuffer<float> big (2, 65536);
    fillSignal (big);
    p.processBlock (big, midi);
    EXPECT_EQ (p.getGate().getFadeState(), stateOff);
}

TEST (ProcessorBadInput, OddLayoutsAndBuffers)
{
    GraviloHushmoorAudioProcessor p;
    juce::MidiBuffer midi;

    for (auto [ins, outs] : { std::pair { 0, 0 }, { 0, 2 }, { 2, 0 }, { 1, 1 }, { 1, 2 }, { 2, 1 }, { 2, 2 }, { 6, 6 }, { 8, 1 } })
    {
        prepareWithLayout (p, ins, outs);

        for (int channels : { 0, 1, 2, 3, 8 })
        {
            juce::AudioBuffer<float> buffer (channels, 256);
            fillSignal (buffer);
            p.processBlock (buffer, midi);
        }
    }

    // Processing without any prepareToPlay at all.
    GraviloHushmoorAudioProcessor unprepared;
    juce::AudioBuffer<float> buffer (2, 1024);
    fillSignal (buffer);
    unprepared.processBlock (buffer, midi);
    SUCCEED();
}

TEST (ProcessorBadInput, OddSampleRatesAndHostValuesLeaveOtherPresetsAlone)
{
    GraviloHushmoorAudioProcessor p;
    p.setCurrentProgram (5);
    juce::MidiBuffer midi;
    const float odd[] { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity(), 1.0e38f, -1.0e38f, 2.0f, -1.0f,
                        std::numeric_limits<float>::denorm_min() };

    GraviloHushmoorAudioProcessor fresh;
    const Snapshot freshSnapshot (fresh);

    for (double rate : { 0.0, -1.0, 1.0, 8000.0, 192000.0, 1.0e9, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity() })
    {
        p.prepareToPlay (rate, 512);

        for (float v : odd)
        {
            for (int k = -1; k <= 5; ++k)
                p.setParameter (k, v);

            juce::AudioBuffer<float> buffer (2, 512);
            fillSignal (buffer);
            p.processBlock (buffer, midi);
            (void) p.getParameterText (2);
        }
    }

    // Presets other than 5 are untouched, and 5 holds what was set last.
    for (int b = 0; b < 12; ++b)
    {
        if (b == 5)
            continue;
        EXPECT_EQ (p.getProgramName (b), "Init");
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ (bitsOf (p.getPreset (b).getValue (k)), bitsOf (defaults[k]));
    }

    for (int k = 0; k < 5; ++k)
        EXPECT_EQ (bitsOf (p.getPreset (5).getValue (k)), bitsOf (std::numeric_limits<float>::denorm_min()));
}
