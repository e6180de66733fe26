#include "AAX_CString.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "FakeEffectHost.h"

#include <gtest/gtest.h>

using namespace fakehost;
using Calls = std::vector<std::string>;
using Results = std::vector<AAX_ResultCode>;

namespace
{
    constexpr auto missing = AAX_RESULT_MISSING_OBJECT;
    constexpr auto notImplemented = AAX_RESULT_NOT_IMPLEMENTED;

    /** Every output an operation may fill, preset so that a test can tell whether it was written. */
    struct Outputs
    {
        AAX_CString text { "untouched" };
        float value = -1.0f;
        AAX_EStemFormat stem = static_cast<AAX_EStemFormat> (-1);
        std::int32_t number = -1, second = -1;
        std::int64_t wide = -1, wideSecond = -1, wideThird = -1;
        std::uint32_t unsignedNumber = 99;
        AAX_CBoolean flag = 7;
        bool boolean = true;
        double tempo = -1.0;
        AAX_EProperty property {};
        AAX_EFrameRate frameRate = static_cast<AAX_EFrameRate> (-1);
        AAX_EFeetFramesRate feetFramesRate = static_cast<AAX_EFeetFramesRate> (-1);
        AAX_Point size { 366.0f, 325.0f };
        const char* ids[2] { "0", "1" };
    };

    Results CallEvery (AAX_IController& c, Outputs& o)
    {
        const unsigned char data[4] {};
        return { c.GetEffectID (&o.text), c.GetSampleRate (&o.value), c.GetInputStemFormat (&o.stem),
                 c.GetOutputStemFormat (&o.stem), c.GetSignalLatency (&o.number), c.GetCycleCount (o.property, &o.number),
                 c.GetTODLocation (&o.wide), c.SetSignalLatency (64), c.SetCycleCount (&o.property, &o.number, 1),
                 c.PostPacket (3, data, 4), c.SendNotification (0x41535076, data, 4), c.GetCurrentMeterValue (1, &o.value),
                 c.GetMeterPeakValue (1, &o.value), c.ClearMeterPeakValue (1), c.GetMeterCount (&o.unsignedNumber),
                 c.GetMeterClipped (1, &o.flag), c.ClearMeterClipped (1), c.GetNextMIDIPacket (&o.number, nullptr),
                 c.GetHybridSignalLatency (&o.second), c.GetCurrentAutomationTimestamp (&o.wideSecond),
                 c.GetHostName (&o.text), c.GetPlugInTargetPlatform (&o.number), c.GetIsAudioSuite (&o.flag) };
    }

    Results CallEvery (AAX_ITransport& t, Outputs& o)
    {
        return { t.GetCurrentTempo (&o.tempo), t.GetCurrentMeter (&o.number, &o.second), t.IsTransportPlaying (&o.boolean),
                 t.GetCurrentTickPosition (&o.wide), t.GetCurrentLoopPosition (&o.boolean, &o.wide, &o.wideSecond),
                 t.GetCurrentNativeSampleLocation (&o.wide), t.GetCustomTickPosition (&o.wide, 480),
                 t.GetBarBeatPosition (&o.number, &o.second, &o.wide, 480), t.GetTicksPerQuarter (&o.unsignedNumber),
                 t.GetCurrentTicksPerBeat (&o.unsignedNumber), t.GetTimelineSelectionStartPosition (&o.wideThird),
                 t.GetTimeCodeInfo (&o.frameRate, &o.second), t.GetFeetFramesInfo (&o.feetFramesRate, &o.wideThird),
                 t.IsMetronomeEnabled (&o.second) };
    }

    Results CallEvery (AAX_IViewContainer& v, Outputs& o)
    {
        return { v.GetType(), v.GetPtr() != nullptr ? 1 : 0, v.GetModifiers (&o.unsignedNumber), v.SetViewSize (o.size),
                 v.HandleParameterMouseDown ("2", 4), v.HandleParameterMouseDrag ("2", 4), v.HandleParameterMouseUp ("2", 4),
                 v.HandleMultipleParametersMouseDown (o.ids, 2, 8), v.HandleMultipleParametersMouseDrag (o.ids, 2, 8),
                 v.HandleMultipleParametersMouseUp (o.ids, 2, 8) };
    }

    Results CallEvery (AAX_IAutomationDelegate& a, Outputs& o)
    {
        return { a.RegisterParameter ("3"), a.UnregisterParameter ("3"), a.PostSetValueRequest ("3", 0.25),
                 a.PostCurrentValue ("3", 0.25), a.PostTouchRequest ("3"), a.PostReleaseRequest ("3"),
                 a.GetTouchState ("3", &o.flag) };
    }

    Results Repeated (AAX_ResultCode code, std::size_t count, std::initializer_list<std::pair<std::size_t, AAX_ResultCode>> except = {})
    {
        Results results (count, code);

        for (const auto& [index, other] : except)
            results[index] = other;

        return results;
    }

    void ExpectUntouched (const Outputs& o)
    {
        EXPECT_STREQ (o.text.Get(), "untouched");
        EXPECT_EQ (o.value, -1.0f);
        EXPECT_EQ (o.number, -1);
        EXPECT_EQ (o.wide, -1);
        EXPECT_EQ (o.wideThird, -1);
        EXPECT_EQ (o.unsignedNumber, 99u);
        EXPECT_EQ (o.flag, 7);
        EXPECT_EQ (o.tempo, -1.0);
    }

    class HostInterfaceWrappers : public ::testing::Test
    {
    protected:
        void TearDown() override
        {
            EXPECT_EQ (host.OutstandingReferences(), 0);
            EXPECT_EQ (host.OverReleases(), 0);
        }

        HostLog log;
        FakeEffectHost host { log };
        Outputs outputs;
    };
}

TEST_F (HostInterfaceWrappers, EveryOperationReachesTheHostOperationOfTheSameName)
{
    host.controller.state.sampleRate = 44100.0f;
    host.transport.state.tempo = 98.5;
    AAX_VController controller (host.Unknown());
    AAX_VTransport transport (host.Unknown());
    AAX_VViewContainer view (host.Unknown());
    AAX_VAutomationDelegate automation (host.Unknown());
    EXPECT_EQ (host.controller.References(), 3);   // one per version answered
    log.Clear();

    EXPECT_EQ (CallEvery (controller, outputs), Results (23, AAX_SUCCESS));
    EXPECT_EQ (log.OperationsOn ("controller"), (Calls {
        "GetEffectID()", "GetSampleRate()", "GetInputStemFormat()", "GetOutputStemFormat()", "GetSignalLatency()",
        "GetCycleCount(0)", "GetTODLocation()", "SetSignalLatency(64)", "SetCycleCount(1)", "PostPacket(3, 4)",
        "SendNotification(1095979126, 4)", "GetCurrentMeterValue(1)", "GetMeterPeakValue(1)", "ClearMeterPeakValue(1)",
        "GetMeterCount()", "GetMeterClipped(1)", "ClearMeterClipped(1)", "GetNextMIDIPacket()", "GetHybridSignalLatency()",
        "GetCurrentAutomationTimestamp()", "GetHostName()", "GetPlugInTargetPlatform()", "GetIsAudioSuite()" }));
    EXPECT_EQ (outputs.value, 44100.0f);
    EXPECT_STREQ (outputs.text.Get(), "Fake Host");

    EXPECT_EQ (CallEvery (transport, outputs), Results (14, AAX_SUCCESS));
    EXPECT_EQ (log.OperationsOn ("transport").size(), 14u);
    EXPECT_EQ (log.OperationsOn ("transport")[7], "GetBarBeatPosition(480)");
    EXPECT_EQ (outputs.tempo, 98.5);

    EXPECT_EQ (CallEvery (view, outputs), Repeated (AAX_SUCCESS, 10, { { 0, 1 } }));
    EXPECT_EQ (log.OperationsOn ("view"), (Calls {
        "GetType()", "GetPtr()", "GetModifiers()", "SetViewSize(366.000000, 325.000000)",
        "HandleParameterMouseDown(\"2\", 4)", "HandleParameterMouseDrag(\"2\", 4)", "HandleParameterMouseUp(\"2\", 4)",
        "HandleMultipleParametersMouseDown(2, 8)", "HandleMultipleParametersMouseDrag(2, 8)",
        "HandleMultipleParametersMouseUp(2, 8)" }));

    EXPECT_EQ (CallEvery (automation, outputs), Results (7, AAX_SUCCESS));
    EXPECT_EQ (log.OperationsOn ("automation"), (Calls {
        "RegisterParameter(\"3\")", "UnregisterParameter(\"3\")", "PostSetValueRequest(\"3\", 0.250000)",
        "PostCurrentValue(\"3\", 0.250000)", "PostTouchRequest(\"3\")", "PostReleaseRequest(\"3\")",
        "GetTouchState(\"3\")" }));
}

TEST_F (HostInterfaceWrappers, WithoutAHostNothingIsCalledAndOutputsStay)
{
    AAX_VController controller (nullptr);
    AAX_VTransport transport (nullptr);
    AAX_VViewContainer view (nullptr);
    AAX_VAutomationDelegate automation (nullptr);

    EXPECT_EQ (CallEvery (controller, outputs), Repeated (missing, 23, { { 10, notImplemented }, { 18, notImplemented },
        { 19, notImplemented }, { 20, notImplemented }, { 21, notImplemented }, { 22, notImplemented } }));
    EXPECT_EQ (outputs.wideSecond, 0);   // the automation timestamp alone is written
    EXPECT_EQ (CallEvery (transport, outputs), Repeated (missing, 14, { { 10, notImplemented }, { 11, notImplemented },
        { 12, notImplemented }, { 13, notImplemented } }));
    EXPECT_EQ (CallEvery (view, outputs), Repeated (notImplemented, 10, { { 0, 0 }, { 1, 0 }, { 3, AAX_SUCCESS } }));
    EXPECT_EQ (CallEvery (automation, outputs), Results (7, missing));
    ExpectUntouched (outputs);
    EXPECT_TRUE (log.Calls().empty());
}

TEST_F (HostInterfaceWrappers, RefusedVersionsAnswerWithoutCallingTheHost)
{
    EffectHostConfig config;
    config.controller.refused = { IID_IAAXControllerV2, IID_IAAXControllerV3 };
    config.transport.refused = { IID_IAAXTransportV2 };
    config.viewContainer.refused = { IID_IAAXViewContainerV1 };
    config.automation.refused = { IID_IAAXAutomationDelegateV1 };
    config.controller.failures = { { "GetSampleRate", -7 }, { "PostPacket", -1234 } };
    FakeEffectHost oldHost (log, config);
    {
        AAX_VController controller (oldHost.Unknown());
        AAX_VTransport transport (oldHost.Unknown());
        AAX_VViewContainer view (oldHost.Unknown());
        AAX_VAutomationDelegate automation (oldHost.Unknown());
        log.Clear();

        const auto controllerResults = CallEvery (controller, outputs);
        EXPECT_EQ (outputs.wideSecond, 0);
        EXPECT_EQ (outputs.value, -1.0f);   // the host's failure is passed on, and it wrote nothing
        EXPECT_EQ (controllerResults, Repeated (AAX_SUCCESS, 23, { { 1, -7 }, { 9, -1234 }, { 10, notImplemented }, { 18, notImplemented },
            { 19, notImplemented }, { 20, notImplemented }, { 21, notImplemented }, { 22, notImplemented } }));
        EXPECT_EQ (log.OperationsOn ("controller").size(), 17u);

        outputs = Outputs {};
        EXPECT_EQ (CallEvery (transport, outputs), Repeated (AAX_SUCCESS, 14, { { 10, notImplemented },
            { 11, notImplemented }, { 12, notImplemented }, { 13, notImplemented } }));
        EXPECT_EQ (outputs.wideThird, -1);
        EXPECT_EQ (outputs.frameRate, static_cast<AAX_EFrameRate> (-1));

        // The view container's second version alone is of no use: the window is missing.
        EXPECT_EQ (CallEvery (view, outputs), Repeated (notImplemented, 10, { { 0, 0 }, { 1, 0 }, { 3, AAX_SUCCESS },
            { 7, AAX_SUCCESS }, { 8, AAX_SUCCESS }, { 9, AAX_SUCCESS } }));
        EXPECT_EQ (CallEvery (automation, outputs), Results (7, missing));
        EXPECT_EQ (log.OperationsOn ("automation").size(), 0u);
    }
    EXPECT_EQ (oldHost.OutstandingReferences(), 0);
}
