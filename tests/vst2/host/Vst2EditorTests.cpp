// A console VST 2.4 host that opens the plug-in's editor in a window of its own, the way
// Linux hosts do: the host makes an X11 window and hands its id to dispatcher opcode 14.
// Needs a display (run under xvfb-run -a).

#include "Vst2TestHost.h"

#include "tests/support/HostWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace
{
    struct EditorRect
    {
        std::int16_t top, left, bottom, right;
    };

    class Vst2Editor : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_NE (std::getenv ("DISPLAY"), nullptr) << "no X display: run the tests under xvfb-run -a";
            ASSERT_TRUE (host.isOpen());
            ASSERT_TRUE (Vst2TestHost::get().isLoaded()) << Vst2TestHost::get().loadError();
        }

        hushmoor::test::HostWindow host;
    };
}

TEST_F (Vst2Editor, RecordAnnouncesAnEditorOfTheFixedSize)
{
    Vst2Instance plugin;
    EXPECT_NE (plugin.get()->flags & 0x1, 0);

    EditorRect* rect = nullptr;
    ASSERT_EQ (plugin.dispatch (VstDispatcherOpcode::editorGetRect, 0, 0, &rect), 1);
    ASSERT_NE (rect, nullptr);
    EXPECT_EQ (rect->top, 0);
    EXPECT_EQ (rect->left, 0);
    EXPECT_EQ (rect->right - rect->left, 325);
    EXPECT_EQ (rect->bottom - rect->top, 366);
}

TEST_F (Vst2Editor, OpensInsideTheHostWindowAndClosesAgain)
{
    Vst2Instance plugin;
    plugin.start (48000.0f, 512);
    Vst2TestHost::get().sizeWindowRequests.clear();

    for (int round = 0; round < 20; ++round)
    {
        ASSERT_EQ (plugin.dispatch (VstDispatcherOpcode::editorOpen, 0, 0, host.handle()), 1) << "round " << round;
        EXPECT_EQ (host.waitForChildren (1), 1u) << "the editor's window sits in the host's";

        // Automation while the editor is open reaches it through its timer; nothing to see
        // from here but that nothing breaks.
        plugin.setParameter (2, 0.1f * static_cast<float> (round % 10));
        std::this_thread::sleep_for (std::chrono::milliseconds (60));
        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::editorIdle), 0);

        EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::editorClose), 0);
        EXPECT_EQ (host.waitForChildren (0), 0u);
    }

    // A fixed-size editor never asks the host to resize.
    EXPECT_TRUE (Vst2TestHost::get().sizeWindowRequests.empty());
    plugin.stop();
}

TEST_F (Vst2Editor, ClosingThePluginWithItsEditorOpenIsSafe)
{
    for (int round = 0; round < 5; ++round)
    {
        Vst2Instance plugin;
        ASSERT_EQ (plugin.dispatch (VstDispatcherOpcode::editorOpen, 0, 0, host.handle()), 1);
        EXPECT_EQ (host.waitForChildren (1), 1u);
        EXPECT_EQ (plugin.close(), 1);
        EXPECT_EQ (host.waitForChildren (0), 0u);
    }
}

TEST_F (Vst2Editor, OpeningWithoutAParentWindowIsRefused)
{
    Vst2Instance plugin;
    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::editorOpen, 0, 0, nullptr), 0);
    EXPECT_EQ (plugin.dispatch (VstDispatcherOpcode::editorClose), 0);
    EXPECT_EQ (host.waitForChildren (0), 0u);
}
