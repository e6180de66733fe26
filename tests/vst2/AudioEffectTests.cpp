#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace
{
    template <typename T>
    T readAt (const AEffect& e, std::size_t offset)
    {
        T value;
        std::memcpy (&value, reinterpret_cast<const unsigned char*> (&e) + offset, sizeof (T));
        return value;
    }

    /** Records which virtual operations the base dispatcher reached. */
    class ProbeEffect : public PlainEffect
    {
    public:
        using PlainEffect::PlainEffect;

        void open() override                                { opened++; }
        void close() override                               { closed++; }
        void suspend() override                             { suspended++; }
        void resume() override                              { resumed++; }
        void setProgram (int32 p) override                  { programsSet.push_back (p); AudioEffectX::setProgram (p); }
        void setProgramName (const char* n) override        { programName = n; }
        void getParameterName (int32 index, char* text) override { std::strcpy (text, ("p" + std::to_string (index)).c_str()); }
        int32 getChunk (void** data, bool isProgram) override { *data = chunk.data(); lastIsProgram = isProgram; return 3; }
        int32 setChunk (void* data, int32 size, bool isProgram) override
        {
            lastIsProgram = isProgram;
            setChunkCalls++;
            return std::memcmp (data, chunk.data(), static_cast<std::size_t> (size)) == 0 ? 1 : 0;
        }

        int opened = 0, closed = 0, suspended = 0, resumed = 0, setChunkCalls = 0;
        std::vector<int32> programsSet;
        std::string programName;
        std::array<char, 3> chunk { 'a', 'b', 'c' };
        bool lastIsProgram = false;
    };

    intptr_t dispatch (AudioEffect& e, VstDispatcherOpcode op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
    {
        return e.getAeffect()->dispatcher (e.getAeffect(), toInt (op), index, value, ptr, opt);
    }
}

TEST (AEffectRecord, FreshRecordHoldsTheInitialValuesAndZeroElsewhere)
{
    PlainEffect effect (nullptr, 7, 5);
    const AEffect& e = *effect.getAeffect();

    EXPECT_EQ (readAt<int32_t> (e, 0), 0x56737450);
    EXPECT_EQ (readAt<int32_t> (e, 40), 7);
    EXPECT_EQ (readAt<int32_t> (e, 44), 5);
    EXPECT_EQ (readAt<int32_t> (e, 48), 1);
    EXPECT_EQ (readAt<int32_t> (e, 52), 2);
    EXPECT_EQ (readAt<int32_t> (e, 56), 0x10);
    EXPECT_EQ (readAt<float> (e, 92), 1.0f);
    EXPECT_EQ (readAt<void*> (e, 96), static_cast<void*> (&effect));
    EXPECT_EQ (readAt<int32_t> (e, 112), 0x4E6F4566);
    EXPECT_EQ (readAt<int32_t> (e, 116), 1);

    EXPECT_EQ (e.dispatcher, &AudioEffect::dispatchEffectClass);
    EXPECT_EQ (e.processDeprecated, &AudioEffect::__processClassDeprecated);
    EXPECT_EQ (e.setParameter, &AudioEffect::setParameterClass);
    EXPECT_EQ (e.getParameter, &AudioEffect::getParameterClass);
    EXPECT_EQ (e.processReplacing, &AudioEffect::processClassReplacing);
    EXPECT_EQ (e.processDoubleReplacing, &AudioEffect::processClassDoubleReplacing);

    // Every byte that is neither a pointer nor given a value above is zero.
    const std::array<std::pair<std::size_t, std::size_t>, 4> zeroRanges {{
        { 4, 8 }, { 60, 92 }, { 104, 112 }, { 136, 192 } }};
    const auto* bytes = reinterpret_cast<const unsigned char*> (&e);

    for (auto [from, to] : zeroRanges)
        for (auto i = from; i < to; ++i)
            EXPECT_EQ (bytes[i], 0) << "byte " << i;

    EXPECT_EQ (effect.getSampleRate(), 44100.0f);
    EXPECT_EQ (effect.getBlockSize(), 1024);
    EXPECT_EQ (effect.getProgram(), 0);
    EXPECT_EQ (effect.getEditor(), nullptr);
}

TEST (AEffectRecord, SettersWriteOnlyTheirOwnFieldOrBit)
{
    PlainEffect effect;
    auto& e = *effect.getAeffect();

    effect.setUniqueID (0x42686d72);
    effect.setNumInputs (2);
    effect.setNumOutputs (6);
    effect.setInitialDelay (64);
    effect.__setRealtimeQualitiesDeprecated (3);
    effect.__setOfflineQualitiesDeprecated (4);
    EXPECT_EQ (e.uniqueID, 0x42686d72);
    EXPECT_EQ (e.numInputs, 2);
    EXPECT_EQ (e.numOutputs, 6);
    EXPECT_EQ (e.initialDelay, 64);
    EXPECT_EQ (e.realQualities, 3);
    EXPECT_EQ (e.offQualities, 4);

    effect.canProcessReplacing (false);
    EXPECT_EQ (e.flags, 0);
    effect.canDoubleReplacing (true);
    effect.programsAreChunks (true);
    effect.__hasVuDeprecated (true);
    effect.__hasClipDeprecated (true);
    effect.__canMonoDeprecated (true);
    effect.isSynth (true);
    effect.noTail (true);
    effect.__wantAsyncOperationDeprecated (true);
    effect.__hasExternalBufferDeprecated (true);
    EXPECT_EQ (e.flags, 0x1000 | 0x20 | 0x4 | 0x2 | 0x8 | 0x100 | 0x200 | 0x400 | 0x800);

    e.flags |= 0x1;  // a derived class's own bit survives the setters
    effect.programsAreChunks (false);
    effect.__hasVuDeprecated (false);
    EXPECT_EQ (e.flags, 0x1 | 0x1000 | 0x2 | 0x8 | 0x100 | 0x200 | 0x400 | 0x800);
}

TEST (AudioEffectDispatcher, ProgramSelectionStaysWithinTheProgramCount)
{
    ProbeEffect effect (nullptr, 4, 3);

    dispatch (effect, VstDispatcherOpcode::setProgram, 0, 3);
    dispatch (effect, VstDispatcherOpcode::setProgram, 0, 4);
    dispatch (effect, VstDispatcherOpcode::setProgram, 0, -1);
    dispatch (effect, VstDispatcherOpcode::setProgram, 0, static_cast<intptr_t> (1) << 40);

    ASSERT_EQ (effect.programsSet.size(), 1u);
    EXPECT_EQ (effect.programsSet[0], 3);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::getProgram), 3);
}

TEST (AudioEffectDispatcher, SuspendResumeFollowsTheValue)
{
    ProbeEffect effect;

    dispatch (effect, VstDispatcherOpcode::suspendResume, 0, 0);
    dispatch (effect, VstDispatcherOpcode::suspendResume, 0, 1);
    dispatch (effect, VstDispatcherOpcode::suspendResume, 0, -1);
    EXPECT_EQ (effect.suspended, 1);
    EXPECT_EQ (effect.resumed, 2);

    dispatch (effect, VstDispatcherOpcode::open);
    EXPECT_EQ (effect.opened, 1);
}

TEST (AudioEffectDispatcher, UnknownAndEmptyOpcodesAnswerZero)
{
    ProbeEffect effect;

    for (int32_t op : { 9, 16, 17, 18, 20, 21, 25, 28, 53, 80, 1000, -1, -2147483647 - 1 })
        EXPECT_EQ (effect.getAeffect()->dispatcher (effect.getAeffect(), op, 1, 1, nullptr, 1.0f), 0) << "opcode " << op;

    EXPECT_EQ (effect.AudioEffect::dispatcher (25, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::identify), 0x4E764566);
    EXPECT_EQ (effect.opened + effect.closed + effect.suspended + effect.resumed, 0);
}

TEST (AudioEffectDispatcher, SampleRateAndBlockSizeRefuseNonsense)
{
    ProbeEffect effect;

    dispatch (effect, VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch (effect, VstDispatcherOpcode::setBlockSize, 0, 256);
    EXPECT_EQ (effect.getSampleRate(), 48000.0f);
    EXPECT_EQ (effect.getBlockSize(), 256);

    for (float bad : { 0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity() })
        dispatch (effect, VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, bad);

    for (intptr_t bad : { static_cast<intptr_t> (0), static_cast<intptr_t> (-64), static_cast<intptr_t> (1) << 33 })
        dispatch (effect, VstDispatcherOpcode::setBlockSize, 0, bad);

    EXPECT_EQ (effect.getSampleRate(), 48000.0f);
    EXPECT_EQ (effect.getBlockSize(), 256);
}

TEST (AudioEffectDispatcher, TextOpcodesWriteNothingWithoutABuffer)
{
    ProbeEffect effect;
    char text[32] = "untouched";

    for (auto op : { VstDispatcherOpcode::getProgramName, VstDispatcherOpcode::getParameterLabel,
                     VstDispatcherOpcode::getParameterDisplay, VstDispatcherOpcode::getParameterName,
                     VstDispatcherOpcode::setProgramName, VstDispatcherOpcode::getChunk })
        EXPECT_EQ (dispatch (effect, op, 0, 0, nullptr), 0);

    EXPECT_TRUE (effect.programName.empty());

    dispatch (effect, VstDispatcherOpcode::getParameterName, 2, 0, text);
    EXPECT_STREQ (text, "p2");

    // The defaults write the empty text.
    PlainEffect plain;
    std::strcpy (text, "x");
    dispatch (plain, VstDispatcherOpcode::getParameterDisplay, 0, 0, text);
    EXPECT_STREQ (text, "");

    char name[] = "Lead";
    dispatch (effect, VstDispatcherOpcode::setProgramName, 0, 0, name);
    EXPECT_EQ (effect.programName, "Lead");
}

TEST (AudioEffectDispatcher, ChunksPassSizeAndProgramFlag)
{
    ProbeEffect effect;
    void* data = nullptr;

    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::getChunk, 1, 0, &data), 3);
    EXPECT_EQ (data, effect.chunk.data());
    EXPECT_TRUE (effect.lastIsProgram);

    char same[] = { 'a', 'b', 'c' };
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::setChunk, 0, 3, same), 1);
    EXPECT_FALSE (effect.lastIsProgram);

    // An empty chunk, a size beyond 32 bits or no data never reach setChunk.
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::setChunk, 0, 0, same), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::setChunk, 0, -3, same), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::setChunk, 0, static_cast<intptr_t> (1) << 32, same), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::setChunk, 0, 3, nullptr), 0);
    EXPECT_EQ (effect.setChunkCalls, 1);
}

TEST (AudioEffectDispatcher, CloseThroughTheRecordDeletesTheObjectAndAnswersOne)
{
    bool destroyed = false;
    auto* effect = new ProbeEffect();
    effect->destroyedFlag = &destroyed;
    AEffect* record = effect->getAeffect();

    EXPECT_EQ (record->dispatcher (record, toInt (VstDispatcherOpcode::close), 0, 0, nullptr, 0.0f), 1);
    EXPECT_TRUE (destroyed);

    // Called directly, the dispatcher only closes.
    ProbeEffect kept;
    EXPECT_EQ (kept.dispatcher (toInt (VstDispatcherOpcode::close), 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ (kept.closed, 1);
}

TEST (AudioEffectDispatcher, TrampolinesRefuseARecordWithoutObject)
{
    AEffect empty {};
    EXPECT_EQ (AudioEffect::dispatchEffectClass (nullptr, 0, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ (AudioEffect::dispatchEffectClass (&empty, 1, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ (AudioEffect::getParameterClass (&empty, 0), 0.0f);
    AudioEffect::setParameterClass (&empty, 0, 1.0f);
    AudioEffect::processClassReplacing (&empty, nullptr, nullptr, 16);
}

TEST (AudioEffectDispatcher, EditorOpcodesReachTheEditorOnlyWhenThereIsOne)
{
    struct Editor : EffectEditor
    {
        explicit Editor (int& c) : counter (c) {}
        bool queryRect (void*) override     { counter += 1; return true; }
        bool openView (void*) override      { counter += 10; return true; }
        void closeView() override           { counter += 100; }
        void idleView() override            { counter += 1000; }
        int& counter;
    };

    PlainEffect effect;
    void* rect = nullptr;
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorGetRect, 0, 0, &rect), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorOpen), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorClose), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorIdle), 0);

    int counter = 0;
    effect.setEditor (std::make_unique<Editor> (counter));
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorGetRect, 0, 0, &rect), 1);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorOpen, 0, 0, &rect), 1);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorClose), 0);
    EXPECT_EQ (dispatch (effect, VstDispatcherOpcode::editorIdle), 0);
    EXPECT_EQ (counter, 1111);
}

TEST (AudioEffectHostCallbacks, WrappersPassTheRecordAndInterpretAnswers)
{
    RecordingHost host;
    PlainEffect effect (&RecordingHost::callback);

    EXPECT_EQ (effect.getMasterVersion(), 1);
    host.answer (VstHostOpcode::version, 2400);
    EXPECT_EQ (effect.getMasterVersion(), 2400);
    EXPECT_EQ (host.last().effect, effect.getAeffect());
    EXPECT_EQ (host.last().opcode, 1);

    host.answer (VstHostOpcode::currentUniqueId, 0x42686d72);
    EXPECT_EQ (effect.getCurrentUniqueId(), 0x42686d72);

    effect.masterIdle();
    EXPECT_EQ (host.last().opcode, 3);

    EXPECT_TRUE (effect.__isInputConnectedDeprecated (3));
    EXPECT_EQ (host.last().index, 3);
    EXPECT_EQ (host.last().value, 0);
    host.answer (VstHostOpcode::pinConnected, 1);
    EXPECT_FALSE (effect.__isOutputConnectedDeprecated (2));
    EXPECT_EQ (host.last().value, 1);
    // Only the low 32 bits of the answer count.
    host.answer (VstHostOpcode::pinConnected, static_cast<intptr_t> (1) << 32);
    EXPECT_TRUE (effect.__isOutputConnectedDeprecated (2));
}

TEST (AudioEffectHostCallbacks, AutomationSetsTheParameterThenTellsTheHost)
{
    struct Effect : PlainEffect
    {
        using PlainEffect::PlainEffect;
        void setParameter (int32 index, float value) override
        {
            calledBeforeHost = RecordingHost::current == nullptr || RecordingHost::current->calls.empty();
            lastIndex = index;
            lastValue = value;
        }
        bool calledBeforeHost = false;
        int32 lastIndex = -1;
        float lastValue = 0.0f;
    };

    {
        RecordingHost host;
        Effect effect (&RecordingHost::callback);
        effect.setParameterAutomated (2, 0.75f);
        EXPECT_TRUE (effect.calledBeforeHost);
        ASSERT_EQ (host.calls.size(), 1u);
        EXPECT_EQ (host.last().opcode, 0);
        EXPECT_EQ (host.last().index, 2);
        EXPECT_EQ (host.last().opt, 0.75f);
    }

    Effect alone;
    alone.setParameterAutomated (1, 0.5f);
    EXPECT_EQ (alone.lastIndex, 1);
    EXPECT_EQ (alone.lastValue, 0.5f);
    EXPECT_EQ (alone.getMasterVersion(), 1);
    EXPECT_EQ (alone.getCurrentUniqueId(), 0);
    EXPECT_TRUE (alone.__isInputConnectedDeprecated (0));
}
