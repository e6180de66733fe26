#include "HostedEffect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <new>

using namespace fakehost;
using namespace testeffect;

namespace
{
    constexpr std::uint32_t sJuceChunk = 0x6A756365;
    constexpr std::uint32_t sPreview = 0x41535076;

    /** Counts two parameters more than it holds, and can make its EffectInit fail or throw. */
    class OddEffect final : public KindsEffect
    {
    public:
        AAX_ResultCode EffectInit() override
        {
            if (throwInInit)
                throw std::bad_alloc();

            return initResult != AAX_SUCCESS ? initResult : KindsEffect::EffectInit();
        }

        AAX_ResultCode GetNumberOfParameters (std::int32_t* numParameters) const override
        {
            const auto result = KindsEffect::GetNumberOfParameters (numParameters);
            *numParameters += 2;
            return result;
        }

        AAX_ResultCode initResult = AAX_SUCCESS;
        bool throwInInit = false;
    };

    class EffectParameters : public ::testing::Test
    {
    protected:
        EffectParameters()       { EXPECT_EQ (hosted.initResult, AAX_SUCCESS); }

        double Value (const char* id)
        {
            double value = -1.0;
            EXPECT_EQ (effect.GetParameterNormalizedValue (id, &value), AAX_SUCCESS);
            return value;
        }

        static AAX_CBoolean Compare (AAX_CEffectParameters& with, ChunkRecord& record)
        {
            AAX_CBoolean equal = 7;
            EXPECT_EQ (with.CompareActiveChunk (record.get(), &equal), AAX_SUCCESS);
            return equal;
        }

        HostedEffect hosted;
        HostLog& log = hosted.log;
        FakeEffectHost& host = hosted.host;
        KindsEffect& effect = hosted.effect;
    };

    std::string Text (const AAX_CString& text)         { return text.Get(); }
}

//==============================================================================
TEST_F (EffectParameters, InitializeWrapsTheHostInOrderAndUninitializeLetsGoOfIt)
{
    EXPECT_EQ (log.OperationsOn ("context"), (std::vector<std::string> {
                   "QueryInterface(IID_IAAXControllerV1)", "QueryInterface(IID_IAAXControllerV2)",
                   "QueryInterface(IID_IAAXControllerV3)", "QueryInterface(IID_IAAXAutomationDelegateV1)",
                   "QueryInterface(IID_IAAXTransportV1)", "QueryInterface(IID_IAAXTransportV2)" }));
    EXPECT_NE (effect.Transport(), nullptr);
    AAX_CString bypass;
    EXPECT_EQ (effect.GetMasterBypassParameter (&bypass), AAX_SUCCESS);
    EXPECT_EQ (Text (bypass), cDefaultMasterBypassID);

    // A second Initialize replaces the first one's parameters and wrappers.
    EXPECT_EQ (effect.Initialize (host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ (log.Count ("automation.UnregisterParameter(\"text\")"), 1u);

    EXPECT_EQ (effect.Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (effect.Controller(), nullptr);
    EXPECT_EQ (effect.GetMasterBypassParameter (&bypass), AAX_SUCCESS);
    EXPECT_EQ (Text (bypass), "");
    EXPECT_EQ (log.Count ("automation.UnregisterParameter(\"text\")"), 2u);
    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);

    // The dispatcher has let go of the controller too.
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_RESULT_MISSING_OBJECT);
}

TEST_F (EffectParameters, AFailedInitializeFiltersNothingAndDestructionFreesTheWrappers)
{
    HostLog otherLog;
    FakeEffectHost other (otherLog);
    {
        OddEffect failing;
        failing.initResult = AAX_RESULT_MISSING_OBJECT;
        EXPECT_EQ (failing.Initialize (other.Unknown()), AAX_RESULT_MISSING_OBJECT);
        EXPECT_GT (other.OutstandingReferences(), 0);

        failing.Add (MakeBool (cDefaultMasterBypassID, false));
        std::uint32_t size = 0;
        EXPECT_EQ (failing.GetChunkSize (CONTROLS_CHUNK_TAG, &size), AAX_SUCCESS);
        EXPECT_EQ (size, 4u + 20u + 4u);

        failing.throwInInit = true;
        EXPECT_EQ (failing.Initialize (other.Unknown()), ACF_RESULT_UNEXPECTED);
    }
    EXPECT_EQ (other.OutstandingReferences(), 0);
    EXPECT_EQ (other.OverReleases(), 0);
}

TEST_F (EffectParameters, EveryHostOperationAnswersUnknownParametersNullOutputsAndItsDefault)
{
    double number = 42.0;
    std::int32_t integer = 42;
    std::int32_t info = 42;
    std::uint32_t size = 42;
    AAX_CBoolean flag = 42;
    AAX_EParameterType type {};
    AAX_IParameter* parameter = &effect["float"];
    AAX_CString text ("stale");
    unsigned char field[6] { 1, 2, 3, 4, 5, 6 };
    const auto unknown = AAX_RESULT_UNKNOWN_PARAMETER;
    effect["float"].SetNumberOfSteps (0xFFFFFFFFu);

    const std::pair<std::function<AAX_ResultCode()>, AAX_ResultCode> cases[] {
        { [&] { return effect.GetParameterIsAutomatable ("none", &flag); }, unknown },
        { [&] { return effect.GetParameterNumberOfSteps ("none", &integer); }, unknown },
        { [&] { return effect.GetParameterDefaultNormalizedValue ("none", &number); }, unknown },
        { [&] { return effect.SetParameterDefaultNormalizedValue (nullptr, 0.5); }, unknown },
        { [&] { return effect.GetParameterType ("none", &type); }, unknown },
        { [&] { return effect.GetParameterOrientation ("none", &integer); }, unknown },
        { [&] { return effect.GetParameterValueFromString ("none", &number, AAX_CString ("0.5")); }, unknown },
        { [&] { return effect.GetParameterStringFromValue ("none", 0.5, &text, 8); }, unknown },
        { [&] { return effect.GetParameterValueString ("none", &text, 8); }, unknown },
        { [&] { return effect.GetParameterNormalizedValue ("none", &number); }, unknown },
        { [&] { return effect.SetParameterNormalizedValue ("none", 0.5); }, unknown },
        { [&] { return effect.SetParameterNormalizedRelative ("none", 0.5); }, unknown },
        { [&] { return effect.UpdateParameterNormalizedValue ("none", 0.5, {}); }, unknown },
        { [&] { return effect.UpdateParameterNormalizedRelative ("none", 0.5); }, unknown },
        { [&] { return effect.TouchParameter ("none"); }, unknown },
        { [&] { return effect.ReleaseParameter (nullptr); }, unknown },
        { [&] { return effect.GetParameter ("none", &parameter); }, unknown },
        { [&] { return effect.GetParameterNumberOfSteps ("float", &integer); }, AAX_RESULT_BAD_STEP_COUNT },
        { [&] { return effect.GetParameterValueFromString ("float", &number, AAX_CString ("2")); }, AAX_RESULT_BAD_STRING },
        { [&] { return effect.GetNumberOfParameters (nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetMasterBypassParameter (nullptr); }, AAX_RESULT_BAD_STRING },
        { [&] { return effect.GetParameterIsAutomatable ("float", nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetParameterName ("float", nullptr); }, AAX_RESULT_BAD_STRING },
        { [&] { return effect.GetParameterNameOfLength ("float", nullptr, 4); }, AAX_RESULT_BAD_STRING },
        { [&] { return effect.GetParameterNormalizedValue ("float", nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetParameterValueString ("float", nullptr, 8); }, AAX_RESULT_BAD_STRING },
        { [&] { return effect.GetParameter ("float", nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetParameterIndex ("float", nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetParameterIDFromIndex (0, nullptr); }, AAX_RESULT_BAD_STRING },
        { [&] { return effect.GetNumberOfChunks (nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.SetChunk (CONTROLS_CHUNK_TAG, nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.CompareActiveChunk (nullptr, &flag); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetCustomData (0, 4, nullptr, nullptr); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.ResetFieldData (0, nullptr, 4); }, ACF_RESULT_NULL_POINTER },
        { [&] { return effect.GetCurveData (0, nullptr, 0, nullptr); }, AAX_RESULT_NOT_IMPLEMENTED },
        { [&] { return effect.RenderAudio_Hybrid (nullptr); }, AAX_RESULT_NOT_IMPLEMENTED },
        { [&] { return effect.GetCurveDataMeterIds (0, nullptr, nullptr); }, AAX_RESULT_NOT_IMPLEMENTED },
        { [&] { return effect.GetCurveDataDisplayRange (0, nullptr, nullptr, nullptr, nullptr); }, AAX_RESULT_NOT_IMPLEMENTED },
        { [&] { return effect.SetCustomData (0, 4, nullptr); }, AAX_SUCCESS },
        { [&] { return effect.UpdateParameterTouch ("float", 1); }, AAX_SUCCESS },
        { [&] { return effect.TimerWakeup() + effect.DoMIDITransfers(); }, AAX_SUCCESS },
        { [&] { return effect.ResetFieldData (9, nullptr, 0) + effect.ResetFieldData (9, field, 4); }, AAX_SUCCESS },
        { [&] { return effect.GetCustomData (0, 4, nullptr, &size); }, AAX_SUCCESS },
        { [&] { return effect.GetParameterValueInfo ("float", 1, &info); }, AAX_RESULT_NOT_IMPLEMENTED },
    };

    for (std::size_t i = 0; i < std::size (cases); ++i)
        EXPECT_EQ (cases[i].first(), cases[i].second) << "case " << i;

    // Refusals write nothing, except the cleared flag and the null parameter; the defaults write zeros.
    EXPECT_EQ (std::make_tuple (number, integer, flag, Text (text), parameter, Value ("float")),
               std::make_tuple (42.0, 42, 0, "stale", nullptr, 0.25));
    EXPECT_EQ (std::make_tuple (info, size, field[3], field[4]), std::make_tuple (0, 0u, 0, 5));

    const std::tuple<std::int32_t, AAX_ResultCode, std::int32_t, const char*, const char*> byIndex[] {
        { 4, AAX_SUCCESS, 4, "double", "double" }, { 6, unknown, -1, "", "none" } };

    for (const auto& [index, expected, foundIndex, id, name] : byIndex)
    {
        EXPECT_EQ (effect.GetParameterIDFromIndex (index, &text), expected);
        EXPECT_EQ (Text (text), id);
        EXPECT_EQ (effect.GetParameterIndex (name, &integer), expected);
        EXPECT_EQ (integer, foundIndex);
        EXPECT_EQ (effect.GetParameterName (name, &text), AAX_SUCCESS);
        EXPECT_EQ (Text (text), id);
    }
}

TEST_F (EffectParameters, NameOfLengthTakesTheLongestLineThatFits)
{
    effect["float"].SetName (AAX_CString ("Threshold\nThr"));
    const std::tuple<const char*, std::int32_t, const char*> cases[] {
        { "float", 20, "Threshold" }, { "float", 9, "Threshold" }, { "float", 4, "Thr" }, { "float", 2, "Th" },
        { "float", 0, "" }, { "float", -1, "" }, { "none", 8, "" }, { "empty", 8, "" } };

    effect.Add (MakeFloat ("empty", 0.0f)).SetName (AAX_CString (""));

    for (const auto& [id, length, expected] : cases)
    {
        AAX_CString name ("stale");
        EXPECT_EQ (effect.GetParameterNameOfLength (id, &name, length), AAX_SUCCESS);
        EXPECT_EQ (Text (name), expected) << id << " " << length;
    }
}

TEST_F (EffectParameters, RelativeChangesStayInRangeAndUpdatesCountChangesAndMarkPackets)
{
    const std::tuple<double, double, double, bool> relative[] {
        { 0.9, 0.3, 1.0, false }, { 0.2, -0.5, 0.0, false }, { 0.5, 0.25, 0.75, true }, { 0.1, -1.0, 0.0, true } };

    for (const auto& [start, delta, expected, throughUpdate] : relative)
    {
        effect.SetParameterNormalizedValue ("float", start);
        EXPECT_EQ (throughUpdate ? effect.UpdateParameterNormalizedRelative ("float", delta)
                                 : effect.SetParameterNormalizedRelative ("float", delta),
                   AAX_SUCCESS);
        EXPECT_EQ (Value ("float"), expected) << start << " + " << delta;
    }

    const AAX_CPacketHandler<AAX_CPacketDispatcher> handler (&effect.m_PacketDispatcher,
                                                            &AAX_CPacketDispatcher::GenerateSingleValuePacket);
    effect.m_PacketDispatcher.RegisterPacket ("float", 3, &handler);
    effect.m_ChangeCount = 0;
    std::int32_t changes = -5;
    const std::pair<double, std::int32_t> updates[] { { 0.0, 0 }, { 0.5, 1 }, { 0.5, 1 }, { std::nan (""), 2 },
                                                      { std::nan (""), 3 } };

    for (const auto& [value, expected] : updates)
    {
        EXPECT_EQ (effect.UpdateParameterNormalizedValue ("float", value, {}), AAX_SUCCESS);
        EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
        EXPECT_EQ (effect.GetNumberOfChanges (&changes), AAX_SUCCESS);
        EXPECT_EQ (changes, expected) << value;
    }

    // Every update posts, an unchanged value too: the host asked for it.
    EXPECT_EQ (host.controller.posted.size(), std::size (updates));
    effect.m_ChangeCount = -1;
    EXPECT_EQ (effect.GetNumberOfChanges (&changes), AAX_SUCCESS);
    EXPECT_EQ (changes, 3);
}

TEST_F (EffectParameters, PreviewNotificationReadsOnlyAWholePayload)
{
    auto& preview = effect.Add (MakeBool (cPreviewID, false));
    const std::int32_t on = 7, off = 0;
    const std::tuple<std::uint32_t, const void*, std::uint32_t, bool> cases[] {
        { sPreview, &on, 4, true }, { sPreview, &off, 4, false }, { sPreview, &on, 8, true }, { sPreview, &off, 3, true },
        { sPreview, nullptr, 4, true }, { sPreview - 1, &off, 4, true }, { sPreview, &off, 4, false } };

    for (const auto& [type, data, size, expected] : cases)
    {
        EXPECT_EQ (effect.NotificationReceived (type, data, size), AAX_SUCCESS);
        bool previewing = ! expected;
        preview.GetValueAsBool (&previewing);
        EXPECT_EQ (previewing, expected) << type << " " << size;
    }
}

//==============================================================================
TEST_F (EffectParameters, OneControlsChunkWhoseRecordNeedsTheSizeLastReported)
{
    std::int32_t count = 0;
    std::uint32_t id = 42, size = 42;
    EXPECT_EQ (effect.GetNumberOfChunks (&count) + effect.GetChunkIDFromIndex (0, &id), AAX_SUCCESS);
    EXPECT_EQ (std::make_pair (count, id), std::make_pair (1, 0x656C636Bu));
    EXPECT_EQ (effect.GetChunkIDFromIndex (1, &id), AAX_RESULT_BAD_CHUNK_INDEX);
    EXPECT_EQ (effect.GetChunkSize (sJuceChunk, &size), AAX_RESULT_BAD_CHUNK_ID);
    EXPECT_EQ (std::make_pair (id, size), std::make_pair (0u, 0u));

    ChunkRecord record (256);
    std::memset (record.bytes(), 0xAB, 56);
    EXPECT_EQ (effect.GetChunk (sJuceChunk, record.get()), AAX_RESULT_BAD_CHUNK_ID);
    EXPECT_EQ (effect.SetChunk (sJuceChunk, record.get()), AAX_RESULT_BAD_CHUNK_ID);
    EXPECT_EQ (effect.GetChunk (CONTROLS_CHUNK_TAG, record.get()), AAX_RESULT_BAD_CHUNK_SIZE);
    EXPECT_EQ (record->version, static_cast<std::int32_t> (0xABABABAB));

    EXPECT_EQ (effect.GetChunkSize (CONTROLS_CHUNK_TAG, &size), AAX_SUCCESS);
    EXPECT_EQ (effect.GetChunk (CONTROLS_CHUNK_TAG, record.get()), AAX_SUCCESS);
    EXPECT_EQ (record->dataSize, static_cast<std::int32_t> (size));
    EXPECT_EQ (record->version, -1);
    EXPECT_EQ (std::string (record->name), "Complete Controls State");
    EXPECT_EQ (record->name[31], 0);
    EXPECT_EQ (std::make_pair (record->manufacturerID, record->chunkID), std::make_pair (0xABABABABu, 0xABABABABu));

    // A body that has grown since the size was reported would not fit.
    static_cast<PlainParameter<AAX_CString>&> (effect["text"]).value = "a longer text";
    record->version = 5;
    EXPECT_EQ (effect.GetChunk (CONTROLS_CHUNK_TAG, record.get()), AAX_RESULT_BAD_CHUNK_SIZE);
    EXPECT_EQ (record->version, 5);

    // With every parameter filtered the body is its header alone.
    for (const auto* filtered : { "float", "bool", "int32", "double", "text", static_cast<const char*> (nullptr) })
        effect.FilterParameterIDOnSave (filtered);

    EXPECT_EQ (effect.GetChunkSize (CONTROLS_CHUNK_TAG, &size), AAX_SUCCESS);
    EXPECT_EQ (size, 4u);
}

TEST_F (EffectParameters, ChunkRoundTripRestoresEveryKindThroughTheHostButTheBypass)
{
    auto saved = SaveChunk (effect);
    EXPECT_EQ (Compare (effect, saved), 1);
    effect.SetParameterNormalizedValue ("float", 0.9);
    EXPECT_EQ (Compare (effect, saved), 0);
    effect.SetParameterNormalizedValue ("bool", 0.0);
    effect.SetParameterNormalizedValue (cDefaultMasterBypassID, 1.0);
    effect["int32"].SetValueWithInt32 (-3);
    effect["double"].SetValueWithDouble (0.125);
    effect["text"].SetValueWithString (AAX_CString ("other"));
    log.Clear();

    EXPECT_EQ (effect.SetChunk (CONTROLS_CHUNK_TAG, saved.get()), AAX_SUCCESS);
    EXPECT_EQ (log.Count ("automation.PostSetValueRequest(\"float\", 0.250000)"), 1u);
    EXPECT_EQ (std::make_tuple (Value ("float"), Value ("bool"), Value (cDefaultMasterBypassID)), std::make_tuple (0.25, 1.0, 1.0));
    double number = 0.0;
    std::int32_t integer = 0;
    AAX_CString text;
    EXPECT_TRUE (effect["int32"].GetValueAsInt32 (&integer) && effect["double"].GetValueAsDouble (&number)
                 && effect["text"].GetValueAsString (&text));
    EXPECT_EQ (std::make_tuple (integer, number, Text (text)), std::make_tuple (7, 0.5, "text"));
    EXPECT_EQ (Compare (effect, saved), 1);

    // Doubles compare at single precision; a record of another chunk is not judged.
    effect["double"].SetValueWithDouble (0.5 + 1e-12);
    EXPECT_EQ (Compare (effect, saved), 1);
    effect["double"].SetValueWithDouble (0.75);
    saved->chunkID = sJuceChunk;
    EXPECT_EQ (Compare (effect, saved), 1);
}

TEST_F (EffectParameters, UnreadableOrIncompleteChunksRestoreOnlyWhatTheyHold)
{
    auto saved = SaveChunk (effect);
    effect.SetParameterNormalizedValue ("float", 0.9);

    // A body without its header, or one that claims no room, changes nothing and compares different.
    for (const std::int32_t claimed : { saved->dataSize, 0, -1 })
    {
        auto broken = SaveChunk (effect);
        broken->dataSize = claimed;
        broken->data[0] = 2;
        EXPECT_EQ (effect.SetChunk (CONTROLS_CHUNK_TAG, broken.get()), AAX_SUCCESS);
        EXPECT_NEAR (Value ("float"), 0.9, 1e-6);
        EXPECT_EQ (Compare (effect, broken), 0);
    }

    // A parameter the record does not hold keeps its value and makes the states differ.
    auto& late = effect.Add (MakeFloat ("late", 0.5f));
    EXPECT_EQ (effect.SetChunk (CONTROLS_CHUNK_TAG, saved.get()), AAX_SUCCESS);
    EXPECT_EQ (std::make_pair (Value ("float"), late.GetNormalizedValue()), std::make_pair (0.25, 0.5));
    EXPECT_EQ (Compare (effect, saved), 0);

    // Parameters that are counted but missing are skipped when saving, restoring and comparing.
    OddEffect odd;
    odd.Initialize (nullptr);
    auto record = SaveChunk (odd);
    EXPECT_EQ (odd.SetChunk (CONTROLS_CHUNK_TAG, record.get()), AAX_SUCCESS);
    EXPECT_EQ (Compare (odd, record), 1);
}

TEST_F (EffectParameters, ExceptionsStayInsideTheHostOperations)
{
    class ThrowingParameter final : public PlainParameter<double>
    {
    public:
        ThrowingParameter() : PlainParameter<double> ("throws", 0.0) {}
        bool GetValueAsDouble (double*) const override              { throw std::bad_alloc(); }
        const AAX_CString& Name() const override                    { throw std::bad_alloc(); }
    };

    effect.Add (std::make_unique<ThrowingParameter>());
    std::uint32_t size = 42;
    AAX_CString name;
    ChunkRecord record (64);
    record->dataSize = 4;
    std::memset (record->data, 1, 4);

    EXPECT_EQ (effect.GetChunkSize (CONTROLS_CHUNK_TAG, &size), ACF_RESULT_UNEXPECTED);
    EXPECT_EQ (size, 42u);
    EXPECT_EQ (effect.GetChunk (CONTROLS_CHUNK_TAG, record.get()), ACF_RESULT_UNEXPECTED);
    EXPECT_EQ (effect.SetChunk (CONTROLS_CHUNK_TAG, record.get()), ACF_RESULT_UNEXPECTED);
    EXPECT_EQ (effect.GetParameterName ("throws", &name), ACF_RESULT_UNEXPECTED);
}
