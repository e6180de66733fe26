// Loads the built "Gravilo Hushmoor.so" the way a VST 2.4 host does and checks what a
// host sees: identity, parameters, programs, audio, state, lifecycle.

#include "Vst2TestHost.h"

#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "tests/support/HeapGrowth.h"
#include "tests/support/Vst3Reference.h"

#include <gtest/gtest.h>

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace
{
    constexpr int numParams = 5;
    constexpr int numPrograms = 12;

    using hushmoor::test::demoValues;
    using hushmoor::test::makeDemoSignal;

    void setDemoValues (GraviloHushmoorAudioProcessor& p, bool dualMono = false)
    {
        for (int k = 0; k < numParams; ++k)
            p.setParameter (k, k == 1 ? (dualMono ? 1.0f : 0.0f) : demoValues[k]);
    }

    /** The processor run directly, as the framework's wrappers run it: prepare, blocks, release. */
    void runProcessor (GraviloHushmoorAudioProcessor& p, std::vector<float>& left, std::vector<float>& right, double rate, int blockSize)
    {
        p.enableAllBuses();
        p.setRateAndBufferSizeDetails (rate, blockSize);
        p.prepareToPlay (rate, blockSize);
        juce::MidiBuffer midi;
        const auto total = static_cast<int> (left.size());

        for (int start = 0; start < total; start += blockSize)
        {
            float* channels[2] { left.data() + start, right.data() + start };
            juce::AudioBuffer<float> buffer (channels, 2, std::min (blockSize, total - start));
            p.processBlock (buffer, midi);
        }

        p.releaseResources();
    }

    void processDirectly (std::vector<float>& left, std::vector<float>& right, double rate, int blockSize, bool dualMono = false)
    {
        GraviloHushmoorAudioProcessor p;
        setDemoValues (p, dualMono);
        runProcessor (p, left, right, rate, blockSize);
    }

    void applyDemoValues (const Vst2Instance& plugin, bool dualMono = false)
    {
        for (int k = 0; k < numParams; ++k)
            plugin.setParameter (k, k == 1 ? (dualMono ? 1.0f : 0.0f) : demoValues[k]);
    }

    std::vector<char> getChunk (const Vst2Instance& plugin, bool programOnly = false)
    {
        void* data = nullptr;
        const auto size = plugin.dispatch (VstDispatcherOpcode::getChunk, programOnly ? 1 : 0, 0, &data);
        if (size <= 0 || data == nullptr)
            return {};
        const auto* bytes = static_cast<const char*> (data);
        return { bytes, bytes + size };
    }

    std::intptr_t setChunk (const Vst2Instance& plugin, std::vector<char> chunk)
    {
        return plugin.dispatch (VstDispatcherOpcode::setChunk, 0, static_cast<std::intptr_t> (chunk.size()), chunk.data());
    }

    class Vst2EndToEnd : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE (Vst2TestHost::get().isLoaded()) << Vst2TestHost::get().loadError();
            Vst2TestHost::get().notifications.clear();
        }
    };
}

TEST_F (Vst2EndToEnd, BothEntryPointsGiveARecordWithThePluginsIdentity)
{
    for (const char* name : { "VSTPluginMain", "main_macho" })
    {
        auto entry = Vst2TestHost::get().getEntry (name);
        ASSERT_NE (entry, nullptr) << name;
        EXPECT_EQ (entry (nullptr), nullptr) << "no host callback, no instance";

        Vst2Instance real (Vst2TestHost::get().createInstance (entry));
        ASSERT_TRUE (real);
        const AEffect& e = *real.get();

        EXPECT_EQ (e.magic, vstFourCC ('V', 's', 't', 'P'));
        EXPECT_EQ (e.uniqueID, vstFourCC ('B', 'h', 'm', 'r'));
        EXPECT_EQ (e.version, 100);
        EXPECT_EQ (e.numPrograms, numPrograms);
        EXPECT_EQ (e.numParams, numParams);
        EXPECT_EQ (e.numInputs, 2);
        EXPECT_EQ (e.numOutputs, 2);
        EXPECT_EQ (e.initialDelay, 0);
        EXPECT_NE (e.flags & 0x10, 0) << "single-precision replacing";
        EXPECT_NE (e.flags & 0x20, 0) << "programs are chunks";
        EXPECT_EQ (e.flags & 0x100, 0) << "not a synth";
        EXPECT_EQ (e.flags & 0x1000, 0) << "no double precision";

        EXPECT_EQ (real.text (VstDispatcherOpcode::getEffectName), "Gravilo Hushmoor");
        EXPECT_EQ (real.text (VstDispatcherOpcode::getVendorString), "Brivel");
        EXPECT_EQ (real.text (VstDispatcherOpcode::getProductString), "Gravilo Hushmoor");
        EXPECT_EQ (real.dispatch (VstDispatcherOpcode::getVendorVersion), 0x10000);
        EXPECT_EQ (real.dispatch (VstDispatcherOpcode::getVstVersion), 2400);
        EXPECT_EQ (real.dispatch (VstDispatcherOpcode::identify), vstFourCC ('N', 'v', 'E', 'f'));
        EXPECT_EQ (real.dispatch (VstDispatcherOpcode::getPlugCategory), 1) << "an effect";

        char bypass[] = "bypass";
        char midi[] = "receiveVstMidiEvent";
        EXPECT_EQ (real.dispatch (VstDispatcherOpcode::canDo, 0, 0, bypass), 1);
        EXPECT_EQ (real.dispatch (VstDispatcherOpcode::canDo, 0, 0, midi), -1);

        EXPECT_EQ (real.close(), 1);
    }
}

TEST_F (Vst2EndToEnd, FiveParametersWithTheProcessorsNamesAndTexts)
{
    Vst2Instance plugin;
    GraviloHushmoorAudioProcessor reference;
    const char* names[numParams] { "bypass", "dualmono", "threshold", "attack", "decay" };

    for (int k = 0; k < numParams; ++k)
    {
        EXPECT_EQ (plugin.text (VstDispatcherOpcode::getParameterName, k), names[k]);
        EXPECT_EQ (plugin.getParameter (k), reference.getParameter (k)) << "default of " << names[k];
        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::canBeAutomated, k), 1);

        for (float v : { 0.0f, 0.134f, 0.5f, 1.0f })
        {
            plugin.setParameter (k, v);
            reference.setParameter (k, v);
            EXPECT_EQ (plugin.getParameter (k), v);
            EXPECT_EQ (plugin.text (VstDispatcherOpcode::getParameterDisplay, k), reference.getParameterText (k).toStdString())
                << names[k] << " at " << v;
        }
    }

    plugin.setParameter (2, 0.0f);
    EXPECT_EQ (plugin.text (VstDispatcherOpcode::getParameterDisplay, 2), "-oo");
    plugin.setParameter (3, 0.0f);
    EXPECT_EQ (plugin.text (VstDispatcherOpcode::getParameterDisplay, 3), "0.00 ms");
}

TEST_F (Vst2EndToEnd, TwelveProgramsNamedInitAndSelectable)
{
    Vst2Instance plugin;

    for (int b = 0; b < numPrograms; ++b)
    {
        char name[64] {};
        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::getProgramNameIndexed, b, 0, name), 1);
        EXPECT_STREQ (name, "Init");
    }

    plugin.dispatch (VstDispatcherOpcode::setProgram, 0, 5);
    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::getProgram), 5);

    char newName[] = "Drums";
    plugin.dispatch (VstDispatcherOpcode::setProgramName, 0, 0, newName);
    EXPECT_EQ (plugin.text (VstDispatcherOpcode::getProgramName), "Drums");

    // Each program keeps its own values.
    plugin.setParameter (2, 0.8f);
    plugin.dispatch (VstDispatcherOpcode::setProgram, 0, 6);
    EXPECT_NE (plugin.getParameter (2), 0.8f);
    plugin.dispatch (VstDispatcherOpcode::setProgram, 0, 5);
    EXPECT_EQ (plugin.getParameter (2), 0.8f);

    // The program change reaches the host as automation of all five parameters.
    int automated = 0;
    for (auto& n : Vst2TestHost::get().notifications)
        automated += n.opcode == toInt (VstHostOpcode::automate) ? 1 : 0;
    EXPECT_GE (automated, 2 * numParams);
}

TEST_F (Vst2EndToEnd, StereoAudioIsGatedBitIdenticallyToTheProcessorRunDirectly)
{
    for (bool dualMono : { false, true })
    {
        std::vector<float> left, right;
        makeDemoSignal (left, right, 44100, 44100.0);
        auto refLeft = left, refRight = right;
        const auto inLeft = left;

        Vst2Instance plugin;
        applyDemoValues (plugin, dualMono);
        plugin.start (44100.0f, 512);
        plugin.process (left, right, 512);
        plugin.stop();

        processDirectly (refLeft, refRight, 44100.0, 512, dualMono);

        EXPECT_EQ (std::memcmp (left.data(), refLeft.data(), left.size() * sizeof (float)), 0) << "dual mono " << dualMono;
        EXPECT_EQ (std::memcmp (right.data(), refRight.data(), right.size() * sizeof (float)), 0) << "dual mono " << dualMono;
        EXPECT_NE (left, inLeft) << "the gate acted on the signal";

        // Late in the first pause between bursts the noise is gated well down.
        double inEnergy = 0.0, outEnergy = 0.0;
        for (auto i = static_cast<size_t> (44100 * 0.45); i < static_cast<size_t> (44100 * 0.5); ++i)
        {
            inEnergy += static_cast<double> (inLeft[i]) * inLeft[i];
            outEnergy += static_cast<double> (left[i]) * left[i];
        }
        EXPECT_LT (outEnergy, inEnergy * 0.25) << "at least 6 dB down";
    }
}

TEST_F (Vst2EndToEnd, SeparateInputAndOutputBuffersGiveTheSameAudio)
{
    std::vector<float> left, right;
    makeDemoSignal (left, right, 8192, 48000.0);
    auto refLeft = left, refRight = right;

    Vst2Instance plugin;
    applyDemoValues (plugin);
    plugin.start (48000.0f, 256);

    std::vector<float> outLeft (left.size()), outRight (right.size());
    for (size_t start = 0; start < left.size(); start += 256)
    {
        float* in[2] { left.data() + start, right.data() + start };
        float* out[2] { outLeft.data() + start, outRight.data() + start };
        plugin.get()->processReplacing (plugin.get(), in, out, 256);
    }

    processDirectly (refLeft, refRight, 48000.0, 256);
    EXPECT_EQ (outLeft, refLeft);
    EXPECT_EQ (outRight, refRight);
}

TEST_F (Vst2EndToEnd, ChunkRestoresEveryProgramIntoAFreshInstance)
{
    std::vector<char> saved;
    {
        Vst2Instance a;
        for (int b = 0; b < numPrograms; ++b)
        {
            a.dispatch (VstDispatcherOpcode::setProgram, 0, b);
            a.setParameter (2, 0.05f * static_cast<float> (b));
            a.setParameter (4, 1.0f - 0.05f * static_cast<float> (b));
            std::string name = "Slot " + std::to_string (b);
            a.dispatch (VstDispatcherOpcode::setProgramName, 0, 0, name.data());
        }
        a.dispatch (VstDispatcherOpcode::setProgram, 0, 7);
        saved = getChunk (a);
        ASSERT_FALSE (saved.empty());
        EXPECT_EQ (getChunk (a, true), saved) << "the program chunk is the same state";
    }

    Vst2Instance b;
    EXPECT_EQ (setChunk (b, saved), 1);
    EXPECT_EQ (b.dispatch (VstDispatcherOpcode::getProgram), 7);
    EXPECT_EQ (getChunk (b), saved);

    for (int p = 0; p < numPrograms; ++p)
    {
        char name[64] {};
        b.dispatch (VstDispatcherOpcode::getProgramNameIndexed, p, 0, name);
        EXPECT_EQ (std::string (name), "Slot " + std::to_string (p));
    }

    EXPECT_FLOAT_EQ (b.getParameter (2), 0.35f);
}

TEST_F (Vst2EndToEnd, ProgramNamesOfAnyBytesReadBackAsUtf8AndTheSavedStateRestores)
{
    // What a host may pass: a legacy 8-bit encoding, sequences that are not UTF-8 (each
    // maximal ill-formed part becomes one U+FFFD, written ? below), names longer than the
    // 24-byte field. Then every single byte. What comes back is valid UTF-8 within the field.
    const auto times = [] (const std::string& s, int n) { std::string t; while (n-- > 0) t += s; return t; };
    const std::string a = "\xc3\xa4", smile = "\xf0\x9f\x98\x80";
    std::vector<std::pair<std::string, std::string>> names {
        { "Fl\xf6\x80\x80\x80te", "Fl????te" }, { "x\xf4\x90\x80\x80", "x????" }, { "x\xf7\xbf\xbf\xbf", "x????" },
        { "\xc0\x80\xe0\x80\x80", "?????" }, { "s\xed\xa0\x80", "s???" }, { "\xf5\xfe\xff\xe2\x82" "a", "????a" },
        { "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac " + smile, "" }, { "a" + times (a, 12), "a" + times (a, 11) },
        { times (smile, 7), times (smile, 6) }, { times ("\xff", 30), "????????" } };

    for (int byte = 1; byte < 256; ++byte)
        names.emplace_back (std::string ("a") + static_cast<char> (byte) + "z", byte < 0x80 ? "" : "a?z");

    for (std::size_t i = 0; i < names.size(); i += numPrograms)
    {
        Vst2Instance plugin, restored;

        for (std::int32_t program = 0; program < numPrograms && i + static_cast<std::size_t> (program) < names.size(); ++program)
        {
            auto [given, expected] = names[i + static_cast<std::size_t> (program)];
            plugin.dispatch (VstDispatcherOpcode::setProgram, 0, program);
            plugin.dispatch (VstDispatcherOpcode::setProgramName, 0, 0, given.data());
            const auto shown = plugin.text (VstDispatcherOpcode::getProgramNameIndexed, program);

            for (auto at = expected.find ('?'); at != std::string::npos; at = expected.find ('?'))
                expected.replace (at, 1, "\xef\xbf\xbd");

            EXPECT_EQ (shown, expected.empty() ? given : expected);
        }

        const auto saved = getChunk (plugin);
        EXPECT_EQ (setChunk (restored, saved), 1);
        EXPECT_EQ (getChunk (restored), saved);
    }
}

TEST_F (Vst2EndToEnd, EmptyTruncatedOrForeignChunksAreRefusedAndChangeNothing)
{
    Vst2Instance plugin;
    plugin.setParameter (2, 0.3f);
    const auto before = getChunk (plugin);
    ASSERT_GT (before.size(), 16u);

    std::vector<char> truncated (before.begin(), before.begin() + static_cast<long> (before.size() / 2));
    std::vector<char> garbage (200, 'x');

    juce::MemoryBlock foreignBlock;
    juce::AudioProcessor::copyXmlToBinary (juce::XmlElement ("SOMEONE_ELSE"), foreignBlock);
    std::vector<char> foreign (static_cast<const char*> (foreignBlock.getData()),
                               static_cast<const char*> (foreignBlock.getData()) + foreignBlock.getSize());

    // The container with text that once hung the plug-in or made it read past the chunk,
    // and a tag that differs only in case (once answered 1 with nothing restored).
    const auto container = [] (const std::string& text)
    {
        std::vector<char> chunk { 'V', 'C', '2', '!' };
        for (int shift = 0; shift < 32; shift += 8)
            chunk.push_back (static_cast<char> ((text.size() >> shift) & 0xff));
        chunk.insert (chunk.end(), text.begin(), text.end());
        return chunk;
    };

    std::string otherCase (before.begin() + 8, before.end());
    otherCase[1] = 'v';

    for (const auto& text : { std::string ("<E><?" "?>5"), std::string ("<V>&#x"), std::string ("<V t=\"\xff"), otherCase })
        EXPECT_EQ (setChunk (plugin, container (text)), 0) << text;

    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::setChunk, 0, 0, garbage.data()), 0);
    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::setChunk, 0, 10, nullptr), 0);
    EXPECT_EQ (setChunk (plugin, truncated), 0);
    EXPECT_EQ (setChunk (plugin, garbage), 0);
    EXPECT_EQ (setChunk (plugin, foreign), 0);
    EXPECT_EQ (getChunk (plugin), before);
    EXPECT_EQ (setChunk (plugin, before), 1);
    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::getChunk, 0, 0, nullptr), 0);
}

TEST_F (Vst2EndToEnd, SuspendResumeAtEveryBlockSizeFrom32To16384)
{
    Vst2Instance plugin;
    applyDemoValues (plugin);
    plugin.dispatch (VstDispatcherOpcode::open);
    plugin.dispatch (VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, 96000.0f);

    // One reference processor through the same prepare/release sequence.
    GraviloHushmoorAudioProcessor reference;
    setDemoValues (reference);

    for (int blockSize = 32; blockSize <= 16384; blockSize *= 2)
    {
        std::vector<float> left, right;
        makeDemoSignal (left, right, blockSize * 3, 96000.0);
        auto refLeft = left, refRight = right;

        plugin.dispatch (VstDispatcherOpcode::setBlockSize, 0, blockSize);
        plugin.dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
        plugin.process (left, right, blockSize);
        plugin.stop();

        runProcessor (reference, refLeft, refRight, 96000.0, blockSize);
        EXPECT_EQ (left, refLeft) << "block size " << blockSize;
        EXPECT_EQ (right, refRight) << "block size " << blockSize;
    }

    // A host block longer than announced is processed in slices, not overrun.
    plugin.dispatch (VstDispatcherOpcode::setBlockSize, 0, 64);
    plugin.dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
    std::vector<float> left, right;
    makeDemoSignal (left, right, 40000, 96000.0);
    plugin.process (left, right, 40000);
    for (float s : left)
        ASSERT_TRUE (std::isfinite (s));
    plugin.stop();
}

TEST_F (Vst2EndToEnd, BadInputAnswersZeroAndChangesNothing)
{
    Vst2Instance plugin;
    const auto before = getChunk (plugin);

    for (auto op : { VstDispatcherOpcode::getParameterName, VstDispatcherOpcode::getParameterDisplay,
                     VstDispatcherOpcode::getParameterLabel, VstDispatcherOpcode::getProgramName,
                     VstDispatcherOpcode::setProgramName, VstDispatcherOpcode::getEffectName,
                     VstDispatcherOpcode::getVendorString, VstDispatcherOpcode::getProductString,
                     VstDispatcherOpcode::getProgramNameIndexed, VstDispatcherOpcode::canDo,
                     VstDispatcherOpcode::editorGetRect, VstDispatcherOpcode::editorOpen })
        EXPECT_EQ (plugin.dispatch (op, 0, 0, nullptr), 0) << toInt (op);

    for (int index : { -1, 5, 1000 })
    {
        EXPECT_EQ (plugin.text (VstDispatcherOpcode::getParameterName, index), "");
        EXPECT_EQ (plugin.text (VstDispatcherOpcode::getParameterDisplay, index), "");
        EXPECT_EQ (plugin.getParameter (index), 0.0f);
        plugin.setParameter (index, 0.5f);
        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::canBeAutomated, index), 0);
    }

    for (std::intptr_t program : { static_cast<std::intptr_t> (-1), static_cast<std::intptr_t> (12), static_cast<std::intptr_t> (1) << 40 })
    {
        plugin.dispatch (VstDispatcherOpcode::setProgram, 0, program);
        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::getProgram), 0);
    }

    for (int program : { -1, 12, 1000 })
    {
        char name[64] = "keep";
        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::getProgramNameIndexed, program, 0, name), 0);
        EXPECT_STREQ (name, "keep");
    }

    plugin.setParameter (2, std::numeric_limits<float>::quiet_NaN());

    for (int op : { 80, 100, 1000, -1, -100 })
        EXPECT_EQ (plugin.dispatchRaw (op, 1, 1, nullptr, 1.0f), 0) << op;

    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::setBlockSize, 0, -5), 0);
    EXPECT_EQ (getChunk (plugin), before);

    // Processing before resume, with no channels, or no frames: no crash, audio passes.
    std::vector<float> left (64, 0.25f), right (64, -0.25f);
    float* channels[2] { left.data(), right.data() };
    plugin.get()->processReplacing (plugin.get(), channels, channels, 64);
    EXPECT_EQ (left[10], 0.25f);
    plugin.get()->processReplacing (plugin.get(), nullptr, nullptr, 64);
    plugin.get()->processReplacing (plugin.get(), channels, channels, 0);
    plugin.get()->processReplacing (plugin.get(), channels, channels, -3);
}

TEST_F (Vst2EndToEnd, TwoHundredOpenCloseCyclesLeaveNoMemoryBehind)
{
    const auto cycle = []
    {
        Vst2Instance plugin;
        ASSERT_TRUE (plugin);
        plugin.start (44100.0f, 512);
        std::vector<float> left (512, 0.1f), right (512, 0.1f);
        plugin.process (left, right, 512);
        plugin.stop();
        EXPECT_EQ (plugin.close(), 1);  // the host's close, then the record's delete
    };

    const auto grown = hushmoor::test::heapGrowthOver (200, cycle);
    EXPECT_LT (grown, 64u * 1024u) << "about " << grown / 200 << " bytes per cycle";
}

TEST_F (Vst2EndToEnd, StereoAudioMatchesTheVst3BuildBitForBit)
{
    // The demo, and the gate switched off from the start.
    const float gateOff[numParams] { 0.0f, 0.0f, 0.35f, 0.2f, 0.4f };

    for (const auto* values : { &demoValues, &gateOff })
    {
        SCOPED_TRACE ((*values)[0]);
        std::vector<float> left, right;
        makeDemoSignal (left, right, 48000 * 2, 48000.0);
        auto vst3Left = left, vst3Right = right;
        const auto input = left;

        ASSERT_EQ (hushmoor::test::processThroughVst3 (juce::File (HUSHMOOR_VST3_BINARY), *values,
                                                       { &vst3Left, &vst3Right }, 48000.0, 512), "");

        Vst2Instance plugin;

        for (int k = 0; k < numParams; ++k)
            plugin.setParameter (k, (*values)[k]);

        plugin.start (48000.0f, 512);
        plugin.process (left, right, 512);
        plugin.stop();

        EXPECT_EQ (std::memcmp (left.data(), vst3Left.data(), left.size() * sizeof (float)), 0);
        EXPECT_EQ (std::memcmp (right.data(), vst3Right.data(), right.size() * sizeof (float)), 0);
        EXPECT_EQ (left != input, (*values)[0] > 0.0f) << "both builds gated the signal, or neither";
    }
}
