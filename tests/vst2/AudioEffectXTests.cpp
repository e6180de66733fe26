#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
    intptr_t dispatch (AudioEffect& e, int32_t op, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
    {
        return e.getAeffect()->dispatcher (e.getAeffect(), op, index, value, ptr, opt);
    }

    class Overriding : public PlainEffect
    {
    public:
        using PlainEffect::PlainEffect;

        bool getProgramNameIndexed (int32 category, int32 index, char*) override { seenCategory = category; seenIndex = index; return true; }
        bool setSpeakerArrangement (VstSpeakerArrangement* in, VstSpeakerArrangement* out) override { seenIn = in; seenOut = out; return true; }
        bool setBypass (bool state) override                        { bypass = state; return true; }
        intptr vendorSpecific (int32, intptr, void*, float) override { return static_cast<intptr> (0x123456789abLL); }
        int32 setChunk (void*, int32 size, bool) override            { return size; }
        int32 getPlugCategory() override                             { return -1; }
        int32 canDo (const char* text) override                      { canDoText = text; return canDoAnswer; }
        void __wantEventsDeprecated (int32 filter) override          { wantEventsFilter = filter; }
        bool getEffectName (char* name) override                     { std::strcpy (name, "Name"); return true; }

        int32 seenCategory = -1, seenIndex = -1;
        VstSpeakerArrangement* seenIn = nullptr;
        VstSpeakerArrangement* seenOut = nullptr;
        bool bypass = false;
        std::string canDoText;
        int32 canDoAnswer = 0;
        int32 wantEventsFilter = 0;
    };
}

TEST (AudioEffectXDispatcher, DefaultsAnswerNeutrally)
{
    PlainEffect e;
    char text[16] = "keep";

    EXPECT_EQ (dispatch (e, 58), 2400);
    EXPECT_EQ (dispatch (e, 26, 0), 1);
    EXPECT_EQ (dispatch (e, 27, 0, 0, text), 0);
    EXPECT_EQ (dispatch (e, 45, 0, 0, text), 0);
    EXPECT_EQ (dispatch (e, 63, 0, 0, text), -1);
    EXPECT_EQ (dispatch (e, 63, 0, 0, nullptr), -1);  // no record: still no current program, not program 0
    EXPECT_EQ (dispatch (e, 73, 0, 4096), 4096);
    EXPECT_STREQ (text, "keep");

    for (int32_t op : { 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, 80 })
        EXPECT_EQ (dispatch (e, op, 1, 1, text, 1.0f), 0) << "opcode " << op;
}

TEST (AudioEffectXDispatcher, CategoryFollowsTheSynthFlagAndIsZeroExtended)
{
    PlainEffect e;
    e.isSynth (true);
    EXPECT_EQ (dispatch (e, 35), 2);
    e.isSynth (false);
    EXPECT_EQ (dispatch (e, 35), 0);

    Overriding o;
    EXPECT_EQ (dispatch (o, 35), static_cast<intptr_t> (0xffffffffu));
}

TEST (AudioEffectXDispatcher, ArgumentsReachTheOperationInTheRightPlaces)
{
    Overriding o;
    char text[16] {};

    EXPECT_EQ (dispatch (o, 29, 7, 3, text), 1);
    EXPECT_EQ (o.seenCategory, 3);
    EXPECT_EQ (o.seenIndex, 7);

    VstSpeakerArrangement in {}, out {};
    EXPECT_EQ (dispatch (o, 42, 0, reinterpret_cast<intptr_t> (&in), &out), 1);
    EXPECT_EQ (o.seenIn, &in);
    EXPECT_EQ (o.seenOut, &out);

    EXPECT_EQ (dispatch (o, 44, 0, 2), 1);
    EXPECT_TRUE (o.bypass);
    dispatch (o, 44, 0, 0);
    EXPECT_FALSE (o.bypass);

    EXPECT_EQ (dispatch (o, 50), static_cast<intptr_t> (0x123456789abLL));
    EXPECT_EQ (dispatch (o, 24, 0, 5, text), 5);  // reaches setChunk through the base

    EXPECT_EQ (dispatch (o, 45, 0, 0, text), 1);
    EXPECT_STREQ (text, "Name");
    EXPECT_EQ (dispatch (o, 45, 0, 0, nullptr), 0);  // no buffer, no call
}

TEST (AudioEffectXDispatcher, DefaultSpeakerArrangementQueryClearsOnlyGivenPointers)
{
    PlainEffect e;
    VstSpeakerArrangement dummy {};
    VstSpeakerArrangement* in = &dummy;
    VstSpeakerArrangement* out = &dummy;

    EXPECT_EQ (dispatch (e, 69, 0, reinterpret_cast<intptr_t> (&in), &out), 0);
    EXPECT_EQ (in, nullptr);
    EXPECT_EQ (out, nullptr);

    out = &dummy;
    EXPECT_EQ (dispatch (e, 69, 0, 0, &out), 0);
    EXPECT_EQ (out, nullptr);
    EXPECT_EQ (dispatch (e, 69, 0, 0, nullptr), 0);
}

TEST (AudioEffectXDispatcher, KeyAndKnobOpcodesBuildTheKeyRecordForTheEditor)
{
    struct Editor : EffectEditor
    {
        bool keyDown (EditorKeyCode& k) override      { down = k; return true; }
        bool keyUp (EditorKeyCode& k) override        { up = k; return true; }
        bool changeKnobMode (int32_t m) override      { mode = m; return true; }
        EditorKeyCode down, up;
        int32_t mode = -1;
    };

    PlainEffect e;
    EXPECT_EQ (dispatch (e, 59, 65, 0x1ff, nullptr, 3.9f), 0);
    EXPECT_EQ (dispatch (e, 61, 0, 2), 0);

    auto editor = std::make_unique<Editor>();
    auto* raw = editor.get();
    e.setEditor (std::move (editor));

    EXPECT_EQ (dispatch (e, 59, 65, 0x1ff, nullptr, 3.9f), 1);
    EXPECT_EQ (raw->down.keyCharacter, 65);
    EXPECT_EQ (raw->down.virtualKey, 0xff);
    EXPECT_EQ (raw->down.modifierKeys, 3);

    EXPECT_EQ (dispatch (e, 60, 66, 2, nullptr, 260.0f), 1);
    EXPECT_EQ (raw->up.keyCharacter, 66);
    EXPECT_EQ (raw->up.modifierKeys, 4);

    EXPECT_EQ (dispatch (e, 60, 1, 0, nullptr, std::numeric_limits<float>::quiet_NaN()), 1);
    EXPECT_EQ (raw->up.modifierKeys, 0);

    EXPECT_EQ (dispatch (e, 61, 0, 2), 1);
    EXPECT_EQ (raw->mode, 2);
}

TEST (AudioEffectXResume, AsksForEventsOnlyForSynthsOrMidiReceivers)
{
    Overriding o;
    o.isSynth (true);
    o.resume();
    EXPECT_EQ (o.wantEventsFilter, 1);
    EXPECT_TRUE (o.canDoText.empty());

    for (int answer : { -1, 0, 2 })
    {
        Overriding plain;
        plain.canDoAnswer = answer;
        plain.resume();
        EXPECT_EQ (plain.wantEventsFilter, 0) << answer;
        EXPECT_EQ (plain.canDoText, "receiveVstMidiEvent");
    }

    Overriding receiver;
    receiver.canDoAnswer = 1;
    dispatch (receiver, 12, 0, 1);
    EXPECT_EQ (receiver.wantEventsFilter, 1);
}

TEST (AudioEffectXResume, RequestForEventsGoesToTheHost)
{
    RecordingHost host;
    PlainEffect e (&RecordingHost::callback);
    e.isSynth (true);
    dispatch (e, 12, 0, 1);
    ASSERT_EQ (host.calls.size(), 1u);
    EXPECT_EQ (host.last().opcode, 6);
    EXPECT_EQ (host.last().value, 1);
}
