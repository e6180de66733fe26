#include "FakeEffectHost.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

using namespace fakehost;
using namespace testeffect;
using Calls = std::vector<std::string>;

namespace
{
    class EffectGUI : public ::testing::Test
    {
    protected:
        EffectGUI()
        {
            effect->Initialize (nullptr);
            host.effect = effect.Get();
        }

        HostLog log;
        FakeEffectHost host { log };
        ACFPtr<KindsEffect> effect { new KindsEffect };
        RecordingGUI gui;
    };
}

TEST_F (EffectGUI, InitializeTakesTheEffectAndBuildsTheViewContents)
{
    EXPECT_EQ (gui.Initialize (host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ (gui.GetEffectParameters(), effect.Get());
    EXPECT_EQ (gui.calls, Calls { "contents" });
    EXPECT_EQ (log.OperationsOn ("context"), (Calls { "QueryInterface(IID_IAAXControllerV1)", "QueryInterface(IID_IAAXControllerV2)",
                                                      "QueryInterface(IID_IAAXControllerV3)", "QueryInterface(IID_IAAXEffectParametersV1)",
                                                      "QueryInterface(IID_IAAXTransportV1)", "QueryInterface(IID_IAAXTransportV2)" }));

    // A second Initialize replaces everything; Uninitialize lets go of it and may run twice.
    EXPECT_EQ (gui.Initialize (host.Unknown()), AAX_SUCCESS);
    const auto liveObjects = CACFUnknown::GetActiveObjectCount();
    EXPECT_EQ (gui.Uninitialize() + gui.Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (gui.GetEffectParameters(), nullptr);
    EXPECT_EQ (host.OutstandingReferences(), 0);
    effect.Reset();
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveObjects - 1);

    // Without a host only the empty controller wrapper is made.
    EXPECT_EQ (gui.Initialize (nullptr), AAX_RESULT_NO_HOST);
    EXPECT_EQ (gui.calls, (Calls { "contents", "contents" }));
    EXPECT_EQ (gui.Uninitialize(), AAX_SUCCESS);
}

TEST_F (EffectGUI, EachViewContainerAttachesAndPushesEveryParameter)
{
    gui.Initialize (host.Unknown());
    gui.calls.clear();
    host.viewContainer.state.view = &host;

    EXPECT_EQ (gui.SetViewContainer (host.viewContainer.AsUnknown()), AAX_SUCCESS);
    EXPECT_EQ (gui.SetViewContainer (host.viewContainer.AsUnknown()), AAX_SUCCESS);
    const Calls attach { "attach", "updated MasterBypassID", "updated float", "updated bool", "updated int32",
                         "updated double", "updated text" };
    Calls twice (attach);
    twice.insert (twice.end(), attach.begin(), attach.end());
    EXPECT_EQ (gui.calls, twice);
    EXPECT_EQ (std::make_pair (gui.GetViewContainerType(), gui.GetViewContainerPtr()), std::make_pair (1, static_cast<void*> (&host)));
    EXPECT_EQ (host.viewContainer.References(), 2);   // one wrapper, both versions: the replaced one is gone

    gui.calls.clear();
    EXPECT_EQ (gui.SetViewContainer (nullptr), AAX_SUCCESS);
    EXPECT_EQ (gui.calls, Calls { "detach" });
    EXPECT_EQ (std::make_tuple (gui.GetViewContainer(), gui.GetViewContainerType(), gui.GetViewContainerPtr()),
               std::make_tuple (nullptr, 0, nullptr));
    EXPECT_EQ (host.viewContainer.References(), 0);

    // No parameters, or no effect at all, means no updates.
    effect->Uninitialize();
    gui.calls.clear();
    gui.SetViewContainer (host.viewContainer.AsUnknown());
    host.effect = nullptr;
    RecordingGUI refused;
    refused.Initialize (host.Unknown());
    refused.SetViewContainer (host.viewContainer.AsUnknown());
    EXPECT_EQ (refused.GetEffectParameters(), nullptr);
    EXPECT_EQ (refused.calls, (Calls { "contents", "attach" }));
    EXPECT_EQ (gui.calls, Calls { "attach" });
}

TEST_F (EffectGUI, DestructionFreesEveryWrapperAndTheDefaultsChangeNothing)
{
    {
        RecordingGUI shortLived;
        shortLived.Initialize (host.Unknown());
        shortLived.SetViewContainer (host.viewContainer.AsUnknown());

        AAX_Point size { 3.0f, 4.0f };
        AAX_CString label ("label");
        EXPECT_EQ (shortLived.GetCustomLabel (AAX_EPlugInStrings {}, &label), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (shortLived.GetViewSize (&size) + shortLived.Draw (nullptr) + shortLived.TimerWakeup()
                   + shortLived.NotificationReceived (1, nullptr, 0)
                   + shortLived.SetControlHighlightInfo ("float", 1, AAX_EHighlightColor {}),
                   AAX_SUCCESS);
        EXPECT_EQ (std::make_tuple (size.vertical, size.horizontal, std::string (label.Get())), std::make_tuple (3.0f, 4.0f, "label"));
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}
