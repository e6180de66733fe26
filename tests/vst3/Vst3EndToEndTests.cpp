// End to end: the built VST3 bundle, loaded through the framework's VST3 hosting the way
// a DAW built on it loads it. Everything here goes through the host's view of the
// plug-in: its description, the parameters the VST3 edit controller publishes, the
// programs of its unit, audio through IAudioProcessor and state through the streams.
#include "dsp/NoiseGate.h"
#include "tests/support/ReferenceGate.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstring>
#include <functional>

namespace
{
    juce::File bundle()
    {
        // <bundle>.vst3/Contents/x86_64-linux/<name>.so
        return juce::File (HUSHMOOR_VST3_BINARY).getParentDirectory().getParentDirectory().getParentDirectory();
    }

    void pump (int milliseconds = 20)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    void fillSignal (juce::AudioBuffer<float>& buffer, int offset)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                const int n = i + offset;
                const float level = (n / 1500) % 2 == 0 ? 0.5f : 0.001f;
                buffer.setSample (ch, i, level * std::sin (0.011f * static_cast<float> (n) + 1.3f * static_cast<float> (ch)));
            }
    }

    bool containsBytes (const juce::MemoryBlock& block, const char* text)
    {
        const auto* begin = static_cast<const char*> (block.getData());
        const auto* end = begin + block.getSize();
        return std::search (begin, end, text, text + std::strlen (text)) != end;
    }

    /** The plug-in's own state, out of the container the host saves. */
    juce::MemoryBlock componentState (juce::AudioPluginInstance& instance)
    {
        juce::MemoryBlock state, component;
        instance.getStateInformation (state);

        if (auto outer = juce::AudioProcessor::getXmlFromBinary (state.getData(), static_cast<int> (state.getSize())))
            if (auto* child = outer->getChildByName ("IComponent"))
                component.fromBase64Encoding (child->getAllSubText());

        return component;
    }

    struct Vst3Host : ::testing::Test
    {
        void SetUp() override
        {
            ASSERT_TRUE (bundle().isDirectory()) << bundle().getFullPathName();
            format.findAllTypesForFile (types, bundle().getFullPathName());
            ASSERT_EQ (types.size(), 1);
            instance = create();
            ASSERT_NE (instance, nullptr);
        }

        void TearDown() override
        {
            instance.reset();
            pump();
        }

        std::unique_ptr<juce::AudioPluginInstance> create()
        {
            juce::String error;
            auto p = format.createInstanceFromDescription (*types[0], 48000.0, 512, error);
            EXPECT_NE (p, nullptr) << error;
            return p;
        }

        juce::AudioProcessorParameter& param (int index)
        {
            return *instance->getParameters()[index];
        }

        juce::String text (int index)
        {
            auto& p = param (index);
            return p.getText (p.getValue(), 128);
        }

        void set (int index, float value)
        {
            param (index).setValueNotifyingHost (value);
            pump (5);
        }

        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> types;
        std::unique_ptr<juce::AudioPluginInstance> instance;
    };
}

//==============================================================================
TEST_F (Vst3Host, DescribesThePlugIn)
{
    const auto& d = *types[0];
    EXPECT_EQ (d.name, "Gravilo Hushmoor");
    EXPECT_EQ (d.manufacturerName, "Brivel");
    EXPECT_EQ (d.version, "1.0.0");
    EXPECT_EQ (d.pluginFormatName, "VST3");
    EXPECT_TRUE (d.category.contains ("Fx")) << d.category;
    EXPECT_FALSE (d.isInstrument);
    EXPECT_EQ (d.numInputChannels, 2);
    EXPECT_EQ (d.numOutputChannels, 2);

    EXPECT_EQ (instance->getName(), "Gravilo Hushmoor");
    EXPECT_FALSE (instance->acceptsMidi());
    EXPECT_FALSE (instance->producesMidi());
    EXPECT_EQ (instance->getLatencySamples(), 0);
    EXPECT_EQ (instance->getTailLengthSeconds(), 0.0);
}

TEST_F (Vst3Host, PublishesTheFiveParametersWithTheirTextsBesidesBypassAndProgram)
{
    const auto& params = instance->getParameters();
    ASSERT_EQ (params.size(), 7);

    const char* names[] { "bypass", "dualmono", "threshold", "attack", "decay" };
    const float values[] { 1.0f, 0.0f, 0.0f, 0.134f, 0.367f };
    const char* texts[] { "On", "Off", "-oo", "2.00 ms", "100.42 ms" };

    for (int k = 0; k < 5; ++k)
    {
        EXPECT_EQ (params[k]->getName (128), names[k]) << k;
        EXPECT_FLOAT_EQ (params[k]->getValue(), values[k]) << k;
        EXPECT_FLOAT_EQ (params[k]->getDefaultValue(), values[k]) << k;
        EXPECT_EQ (text (k), texts[k]) << k;
    }

    // The framework's VST3 wrapper adds these two.
    EXPECT_EQ (params[5]->getName (128), "Bypass");
    EXPECT_EQ (params[5], instance->getBypassParameter());
    EXPECT_EQ (params[6]->getName (128), "Program");

    // Texts follow the values the host sets.
    set (2, 0.5f);
    EXPECT_EQ (text (2), "-32.04 dB");
    set (2, 1.0f);
    EXPECT_EQ (text (2), "0.00 dB");
    set (3, 1.0f);
    EXPECT_EQ (text (3), "200.00 ms");
    set (4, 1.0f);
    EXPECT_EQ (text (4), "2000.00 ms");
    set (0, 0.0f);
    EXPECT_EQ (text (0), "Off");
    set (0, 0.3f);
    EXPECT_EQ (text (0), "On");
    set (1, 1.0f);
    EXPECT_EQ (text (1), "On");
}

TEST_F (Vst3Host, HasTwelveProgramsNamedInit)
{
    ASSERT_EQ (instance->getNumPrograms(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ (instance->getProgramName (i), "Init") << i;

    EXPECT_EQ (instance->getCurrentProgram(), 0);

    // Programs hold their own values: change program 0, move to 3, and back.
    set (2, 0.5f);
    instance->setCurrentProgram (3);
    pump();
    EXPECT_EQ (instance->getCurrentProgram(), 3);
    EXPECT_EQ (text (2), "-oo");
    instance->setCurrentProgram (0);
    pump();
    EXPECT_EQ (text (2), "-32.04 dB");
}

TEST_F (Vst3Host, GatesStereoAudioExactlyAsTheGateDoes)
{
    const float values[totalNumParams] { 1.0f, 0.0f, 0.4f, 0.2f, 0.3f };
    for (int k = 2; k < 5; ++k)
        set (k, values[k]);

    ASSERT_TRUE (instance->setBusesLayout ({ { juce::AudioChannelSet::stereo() }, { juce::AudioChannelSet::stereo() } }));
    instance->prepareToPlay (48000.0, 512);

    NoiseGate reference;
    prepareReference (reference, values, 48000.0f, 512);

    juce::MidiBuffer midi;
    int differingBlocks = 0;
    double gatedEnergy = 0, inputEnergy = 0;

    for (int block = 0; block < 60; ++block)
    {
        if (block == 30)
        {
            // A host change while playing reaches the gate at the start of the block it
            // comes with; the reference takes it at the same place.
            param (1).setValueNotifyingHost (1.0f);
            reference.setParameter (1, 1.0f);
            reference.calcParameter (1);
        }

        if (block == 45)
        {
            param (0).setValueNotifyingHost (0.0f);   // off: the fade to dry starts here
            reference.setParameter (0, 0.0f);
            reference.calcParameter (0);
        }

        juce::AudioBuffer<float> buffer (2, 512), expected (2, 512);
        fillSignal (buffer, block * 512);
        expected.makeCopyOf (buffer);
        for (int ch = 0; ch < 2; ++ch)
            inputEnergy += std::pow (expected.getRMSLevel (ch, 0, 512), 2.0);

        instance->processBlock (buffer, midi);
        reference.process (expected.getWritePointer (0), expected.getWritePointer (1), 512);

        for (int ch = 0; ch < 2; ++ch)
        {
            gatedEnergy += std::pow (buffer.getRMSLevel (ch, 0, 512), 2.0);
            if (std::memcmp (buffer.getReadPointer (ch), expected.getReadPointer (ch), 512 * sizeof (float)) != 0)
                ++differingBlocks;
        }
    }

    EXPECT_EQ (differingBlocks, 0);
    EXPECT_LT (gatedEnergy, inputEnergy);   // the gate did take something away
    EXPECT_EQ (reference.getFadeState(), stateOff);   // 15 blocks after the switch: the fade is over

    instance->releaseResources();
}

TEST_F (Vst3Host, MonoInStereoOutGivesTwoEqualChannels)
{
    set (2, 0.4f);

    if (! instance->setBusesLayout ({ { juce::AudioChannelSet::mono() }, { juce::AudioChannelSet::stereo() } }))
        GTEST_SKIP() << "the host side refused a mono-to-stereo layout";

    instance->prepareToPlay (48000.0, 512);
    juce::MidiBuffer midi;

    for (int block = 0; block < 8; ++block)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        fillSignal (buffer, block * 512);
        buffer.clear (1, 0, 512);
        instance->processBlock (buffer, midi);
        ASSERT_EQ (std::memcmp (buffer.getReadPointer (0), buffer.getReadPointer (1), 512 * sizeof (float)), 0);
    }

    instance->releaseResources();
}

TEST_F (Vst3Host, StateSavedByTheHostRestoresIntoASecondInstance)
{
    instance->setCurrentProgram (5);
    pump();
    set (0, 0.0f);
    set (1, 1.0f);
    set (2, 0.625f);
    set (3, 0.75f);
    set (4, 0.125f);

    juce::MemoryBlock state;
    instance->getStateInformation (state);
    ASSERT_GT (state.getSize(), 0u);

    // The host's container holds the plug-in's own XML state.
    auto outer = juce::AudioProcessor::getXmlFromBinary (state.getData(), static_cast<int> (state.getSize()));
    ASSERT_NE (outer, nullptr);
    auto* component = outer->getChildByName ("IComponent");
    ASSERT_NE (component, nullptr);
    juce::MemoryBlock componentState;
    ASSERT_TRUE (componentState.fromBase64Encoding (component->getAllSubText()));
    EXPECT_TRUE (containsBytes (componentState, "<VEZUREZARADADIZUZORUZA activePreset=\"5\""));
    EXPECT_TRUE (containsBytes (componentState, " threshold5=\"0.625\" attack5=\"0.75\" decay5=\"0.125\""));

    auto second = create();
    ASSERT_NE (second, nullptr);
    second->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    pump (50);

    EXPECT_EQ (second->getCurrentProgram(), 5);
    for (int k = 0; k < 5; ++k)
    {
        auto& p = *second->getParameters()[k];
        EXPECT_FLOAT_EQ (p.getValue(), param (k).getValue()) << k;
        EXPECT_EQ (p.getText (p.getValue(), 128), text (k)) << k;
    }

    // The other programs came across as they were.
    second->setCurrentProgram (0);
    pump();
    EXPECT_EQ (second->getParameters()[2]->getText (0, 128), "-oo");
    EXPECT_EQ (second->getParameters()[0]->getText (0, 128), "On");

    // And the second instance saves the same plug-in state.
    juce::MemoryBlock secondState;
    second->setCurrentProgram (5);
    pump();
    second->getStateInformation (secondState);
    auto secondOuter = juce::AudioProcessor::getXmlFromBinary (secondState.getData(), static_cast<int> (secondState.getSize()));
    ASSERT_NE (secondOuter, nullptr);
    juce::MemoryBlock secondComponent;
    ASSERT_TRUE (secondComponent.fromBase64Encoding (secondOuter->getChildByName ("IComponent")->getAllSubText()));
    EXPECT_EQ (secondComponent, componentState);
}

TEST_F (Vst3Host, SurvivesBadInputFromTheHost)
{
    // Values far outside 0..1, block sizes from 0 to 65536, junk state.
    for (int k = 0; k < 5; ++k)
        for (float v : { -100.0f, 100.0f, std::numeric_limits<float>::infinity(), -0.0f })
            param (k).setValueNotifyingHost (v);
    pump();

    instance->prepareToPlay (44100.0, 65536);
    juce::MidiBuffer midi;

    for (int n : { 0, 1, 7, 512, 4096, 65536 })
    {
        juce::AudioBuffer<float> buffer (2, n);
        fillSignal (buffer, 0);
        instance->processBlock (buffer, midi);
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < n; ++i)
                ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i)));
    }

    instance->releaseResources();

    juce::MemoryBlock before;
    instance->getStateInformation (before);

    const char junk[] = "definitely not a state";
    instance->setStateInformation (junk, sizeof junk);
    instance->setStateInformation (junk, 3);
    pump();

    // A VST3 container around a broken plug-in state changes nothing either.
    auto outer = juce::AudioProcessor::getXmlFromBinary (before.getData(), static_cast<int> (before.getSize()));
    ASSERT_NE (outer, nullptr);
    juce::MemoryBlock inner;
    ASSERT_TRUE (inner.fromBase64Encoding (outer->getChildByName ("IComponent")->getAllSubText()));
    inner.setSize (inner.getSize() / 2);
    outer->getChildByName ("IComponent")->deleteAllTextElements();
    outer->getChildByName ("IComponent")->addTextElement (inner.toBase64Encoding());
    juce::MemoryBlock broken;
    juce::AudioProcessor::copyXmlToBinary (*outer, broken);
    instance->setStateInformation (broken.getData(), static_cast<int> (broken.getSize()));
    pump();

    juce::MemoryBlock after;
    instance->getStateInformation (after);
    EXPECT_EQ (after, before);
    ASSERT_EQ (instance->getNumPrograms(), 12);
}

//==============================================================================
// Hosts change programs from their own threads. Whatever the host sets or restores after
// a program change is its last word: the plug-in plays it and saves it.
TEST_F (Vst3Host, ValuesAndStatesGivenAfterAProgramChangeAreTheOnesPlayedAndSaved)
{
    using Step = std::function<void (juce::AudioPluginInstance&)>;
    const Step program3 = [] (auto& p) { p.setCurrentProgram (3); };
    const Step stepThroughPrograms = [] (auto& p)   // as a host reading each program's name
    {
        for (int i : { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0 })
            p.setCurrentProgram (i);
    };
    const Step setValuesAtOnce = [] (auto& p)
    {
        p.getParameters()[2]->setValueNotifyingHost (0.5f);
        p.getParameters()[3]->setValueNotifyingHost (0.25f);
    };

    juce::MemoryBlock savedInProgram3;
    auto source = create();
    program3 (*source);
    setValuesAtOnce (*source);
    source->getStateInformation (savedInProgram3);
    const Step restore = [&] (auto& p) { p.setStateInformation (savedInProgram3.getData(), (int) savedInProgram3.getSize()); };

    const struct { const char* what; Step first, then; int program; } sequences[] {
        { "program 3, then values at once", program3, setValuesAtOnce, 3 },
        { "programs stepped through on loading, then values", stepThroughPrograms, setValuesAtOnce, 0 },
        { "programs stepped through on loading, then a state restored", stepThroughPrograms, restore, 3 },
        { "a state with program 3 active restored", [] (auto&) {}, restore, 3 },
    };

    for (const auto& sequence : sequences)
    {
        SCOPED_TRACE (sequence.what);
        auto host = create();
        sequence.first (*host);
        sequence.then (*host);

        // Quiet noise far below the threshold 0.5 (-32.04 dB): the gate closes and stays closed.
        host->prepareToPlay (48000.0, 512);
        juce::Random noise (7);
        juce::MidiBuffer midi;
        double inputEnergy = 0, outputEnergy = 0;

        for (int block = 0; block < 60; ++block, pump (1))
        {
            juce::AudioBuffer<float> buffer (2, 512);
            for (int i = 0; i < 512; ++i)
                buffer.setSample (0, i, 0.001f * (2.0f * noise.nextFloat() - 1.0f));
            buffer.copyFrom (1, 0, buffer, 0, 0, 512);

            const auto in = buffer.getRMSLevel (0, 0, 512);
            host->processBlock (buffer, midi);
            inputEnergy += block >= 40 ? in * in : 0.0;
            outputEnergy += block >= 40 ? std::pow (buffer.getRMSLevel (0, 0, 512), 2.0) : 0.0;
        }

        host->releaseResources();
        EXPECT_LT (outputEnergy, inputEnergy * 1.0e-6);

        const juce::String b (sequence.program);
        const auto saved = componentState (*host);
        EXPECT_TRUE (containsBytes (saved, ("activePreset=\"" + b + "\"").toRawUTF8()));
        EXPECT_TRUE (containsBytes (saved, (" threshold" + b + "=\"0.5\" attack" + b + "=\"0.25\"").toRawUTF8()));
    }
}
