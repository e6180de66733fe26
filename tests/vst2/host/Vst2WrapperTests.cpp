// The wrapper built in-process around a processor, with a host callback that records
// every call: what the wrapper tells and asks the host on its own initiative (edits from
// the editor, the play head, the process level, window sizes), which a host outside the
// binary cannot provoke.

#include "tests/support/AllocationCounter.h"
#include "wrappers/vst2/HushmoorVst2Wrapper.h"

#include <gtest/gtest.h>

#include <juce_audio_processors/juce_audio_processors.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{
    using hushmoor::vst2::HushmoorVst2Wrapper;

    struct Call
    {
        std::int32_t opcode, index;
        std::intptr_t value;
        std::string text;  // the text a canDo question carried
        float opt;
    };

    /** The one host of these tests: records calls, answers from a table (0 otherwise). */
    struct Host
    {
        static std::intptr_t callback (AEffect*, std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr, float opt)
        {
            const bool isCanDo = opcode == toInt (VstHostOpcode::canDo) && ptr != nullptr;
            calls.push_back ({ opcode, index, value, isCanDo ? static_cast<const char*> (ptr) : "", opt });
            const auto found = answers.find (opcode);
            return found != answers.end() ? found->second : 0;
        }

        static std::vector<std::int32_t> opcodes()
        {
            std::vector<std::int32_t> result;
            for (const auto& c : calls)
                result.push_back (c.opcode);
            return result;
        }

        static inline std::vector<Call> calls;
        static inline std::map<std::int32_t, std::intptr_t> answers;
    };

    class Vst2Wrapper : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            Host::calls.clear();
            Host::answers.clear();
            wrapper = std::make_unique<HushmoorVst2Wrapper> (&Host::callback, std::make_unique<GraviloHushmoorAudioProcessor>());
            Host::calls.clear();  // only what happens after construction
        }

        void TearDown() override
        {
            // As a host ends an instance: opcode 1 through the record deletes the wrapper.
            auto* record = wrapper.release()->getAeffect();
            EXPECT_EQ (record->dispatcher (record, toInt (VstDispatcherOpcode::close), 0, 0, nullptr, 0.0f), 1);
        }

        std::intptr_t dispatch (VstDispatcherOpcode op, std::int32_t index = 0, std::intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
        {
            auto* record = wrapper->getAeffect();
            return record->dispatcher (record, toInt (op), index, value, ptr, opt);
        }

        GraviloHushmoorAudioProcessor& processor()    { return wrapper->getProcessor(); }

        juce::ScopedJuceInitialiser_GUI framework;
        std::unique_ptr<HushmoorVst2Wrapper> wrapper;
    };
}

TEST_F (Vst2Wrapper, RecordCarriesTheEditorBitAndOurIdentity)
{
    const AEffect& e = *wrapper->getAeffect();
    EXPECT_EQ (e.flags & 0x1, 0x1) << "has editor";
    EXPECT_EQ (e.flags & (0x10 | 0x20), 0x10 | 0x20);
    EXPECT_EQ (e.uniqueID, vstFourCC ('B', 'h', 'm', 'r'));
    EXPECT_EQ (e.version, 100);
}

TEST_F (Vst2Wrapper, EditorEditsReachTheHostAsAGestureWithAutomationAndHostEditsAreNotEchoed)
{
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    processor().beginParameterChangeGesture (2);
    processor().setParameterNotifyingHost (2, 0.25f);
    processor().endParameterChangeGesture (2);
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    const std::vector<std::int32_t> expected { toInt (VstHostOpcode::beginEdit), toInt (VstHostOpcode::automate),
                                               toInt (VstHostOpcode::endEdit) };
    ASSERT_EQ (Host::opcodes(), expected);

    for (const auto& c : Host::calls)
        EXPECT_EQ (c.index, 2);

    EXPECT_EQ (Host::calls[1].opt, 0.25f);
    EXPECT_EQ (processor().getParameter (2), 0.25f);

    // A value the host sets itself is stored without being reported back to it.
    Host::calls.clear();
    wrapper->getAeffect()->setParameter (wrapper->getAeffect(), 3, 0.5f);
    EXPECT_EQ (processor().getParameter (3), 0.5f);
    EXPECT_TRUE (Host::calls.empty());
}

TEST_F (Vst2Wrapper, PlayHeadAsksTheHostForEveryTimeField)
{
    auto* playHead = processor().getPlayHead();
    ASSERT_NE (playHead, nullptr);

    EXPECT_FALSE (playHead->getPosition().hasValue()) << "the host has no time info";
    ASSERT_EQ (Host::calls.size(), 1u);
    EXPECT_EQ (Host::calls[0].opcode, toInt (VstHostOpcode::getTime));
    EXPECT_EQ (Host::calls[0].value, 0xFE00);

    static char timeInfo[144] {};
    Host::answers[toInt (VstHostOpcode::getTime)] = reinterpret_cast<std::intptr_t> (timeInfo);
    EXPECT_TRUE (playHead->getPosition().hasValue());
}

TEST_F (Vst2Wrapper, ProcessLevelIsAskedAtResumeAndNotInEveryBlock)
{
    Host::answers[toInt (VstHostOpcode::getCurrentProcessLevel)] = 4;
    dispatch (VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch (VstDispatcherOpcode::setBlockSize, 0, 256);
    dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
    EXPECT_TRUE (processor().isNonRealtime()) << "4 means offline";
    EXPECT_EQ (processor().getSampleRate(), 48000.0);
    EXPECT_EQ (processor().getBlockSize(), 256);

    // The host leaves offline rendering: the plug-in learns it at the next resume.
    Host::answers[toInt (VstHostOpcode::getCurrentProcessLevel)] = 2;
    Host::calls.clear();
    float left[64] {}, right[64] {};
    float* channels[] { left, right };
    wrapper->getAeffect()->processReplacing (wrapper->getAeffect(), channels, channels, 64);
    EXPECT_TRUE (Host::calls.empty());

    dispatch (VstDispatcherOpcode::suspendResume, 0, 0);
    dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
    EXPECT_FALSE (processor().isNonRealtime());
    dispatch (VstDispatcherOpcode::suspendResume, 0, 0);
}

TEST_F (Vst2Wrapper, AnswersItsCategoryAsAnEffect)
{
    EXPECT_EQ (dispatch (VstDispatcherOpcode::getPlugCategory), 1);
}

TEST_F (Vst2Wrapper, TakesMonoAndStereoArrangementsAndTheBusesFollow)
{
    struct Side { std::int32_t type, channels; };
    const Side mono { 0, 1 }, stereo { 1, 2 }, monoOfTwo { 0, 2 }, stereoOfOne { 1, 1 }, surround { 2, 2 }, none { -1, 0 };

    struct Case { Side in, out; bool taken; };
    const Case cases[] {
        { mono, mono, true }, { mono, stereo, true }, { stereo, mono, true }, { stereo, stereo, true },
        { monoOfTwo, stereo, false }, { stereo, stereoOfOne, false }, { surround, surround, false },
        { none, stereo, false }, { stereo, none, false } };

    for (const auto& c : cases)
    {
        // Start each case from a layout that differs from the one asked for.
        const bool startMono = ! (c.taken && c.in.channels == 1 && c.out.channels == 1);
        auto start = processor().getBusesLayout();
        start.getChannelSet (true, 0) = startMono ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
        start.getChannelSet (false, 0) = start.getChannelSet (true, 0);
        ASSERT_TRUE (processor().setBusesLayout (start));
        wrapper->setNumInputs (start.getMainInputChannels());
        wrapper->setNumOutputs (start.getMainOutputChannels());

        std::vector<std::int32_t> in (64), out (64);   // room for the head and two speakers
        in[0] = c.in.type;   in[1] = c.in.channels;
        out[0] = c.out.type; out[1] = c.out.channels;
        const auto answer = dispatch (VstDispatcherOpcode::setSpeakerArrangement, 0, reinterpret_cast<std::intptr_t> (in.data()), out.data());

        const int wantIn = c.taken ? c.in.channels : start.getMainInputChannels();
        const int wantOut = c.taken ? c.out.channels : start.getMainOutputChannels();
        EXPECT_EQ (answer, c.taken ? 1 : 0) << c.in.type << "/" << c.in.channels << " -> " << c.out.type << "/" << c.out.channels;
        EXPECT_EQ (processor().getTotalNumInputChannels(), wantIn);
        EXPECT_EQ (processor().getTotalNumOutputChannels(), wantOut);
        EXPECT_EQ (wrapper->getAeffect()->numInputs, wantIn);
        EXPECT_EQ (wrapper->getAeffect()->numOutputs, wantOut);
    }

    EXPECT_EQ (dispatch (VstDispatcherOpcode::setSpeakerArrangement, 0, 0, nullptr), 0);
}

TEST_F (Vst2Wrapper, TheAudioPathNeitherAllocatesNorCallsTheHost)
{
    dispatch (VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch (VstDispatcherOpcode::setBlockSize, 0, 256);
    dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
    Host::calls.clear();

    auto* record = wrapper->getAeffect();
    std::vector<float> a (1000, 0.25f), b (1000, -0.5f), c (1000), d (1000);
    float* in[] { a.data(), b.data() };
    float* const layouts[][2] { { c.data(), d.data() }, { a.data(), b.data() }, { b.data(), a.data() } };
    const int allocationsBefore = hushmoor::test::allocationsOnThisThread();
    int block = 0;

    for (const auto& outLayout : layouts)
        for (int frames : { 1, 7, 256, 1000 })
        {
            // One parameter change per block, the switches included.
            record->setParameter (record, block % 5, (block % 3) == 0 ? 0.0f : 0.6f);
            float* out[] { outLayout[0], outLayout[1] };
            hushmoor::test::countAllocationsOnThisThread (true);
            record->processReplacing (record, in, out, frames);
            hushmoor::test::countAllocationsOnThisThread (false);
            ++block;
        }

    EXPECT_EQ (hushmoor::test::allocationsOnThisThread(), allocationsBefore);
    EXPECT_TRUE (Host::calls.empty());
    dispatch (VstDispatcherOpcode::suspendResume, 0, 0);
}

TEST_F (Vst2Wrapper, EditorResizeAsksTheHostBeforeSizingItsWindow)
{
    wrapper->editorResized (400, 300);
    ASSERT_EQ (Host::calls.size(), 1u);
    EXPECT_EQ (Host::calls[0].opcode, toInt (VstHostOpcode::canDo));
    EXPECT_EQ (Host::calls[0].text, "sizeWindow");

    Host::calls.clear();
    Host::answers[toInt (VstHostOpcode::canDo)] = 1;
    wrapper->editorResized (400, 300);
    const std::vector<std::int32_t> expected { toInt (VstHostOpcode::canDo), toInt (VstHostOpcode::sizeWindow) };
    ASSERT_EQ (Host::opcodes(), expected);
    EXPECT_EQ (Host::calls[1].index, 400);
    EXPECT_EQ (Host::calls[1].value, 300);
}
