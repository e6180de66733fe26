// The AAX module's editor in a host window, the way a Linux host would show it: the host
// makes an X11 window and hands it over in a view container of the native-window type.
// Needs a display (run under xvfb-run -a).

#include "HostGUI.h"

#include "tests/support/HostWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace fakehost;

namespace
{
    struct LoadedModule
    {
        HostLog log;
        HostModule module { AAX_MODULE_PATH, log };
        ACFRESULT started = module.StartUp();
        ACFRESULT registered = module.Register();

        static LoadedModule& get()
        {
            static LoadedModule loaded;
            return loaded;
        }
    };

    /** An effect instance and its editor, made as a host makes them when a window opens. */
    struct Session
    {
        Session()
            : effect (registered(), *registered().FindComponent (2, 2), log),
              initialised (effect.Initialize()),
              gui (registered(), effect, log)
        {
        }

        static const RegisteredEffect& registered()    { return LoadedModule::get().module.Effects().at (0); }

        HostLog log;
        HostEffect effect;
        ACFRESULT initialised;
        HostGUI gui;
    };

    /** What the editor shows once it has stopped changing: the same picture twice, a
        quarter of a second apart (the editor's timer runs every 50 ms; painting may take
        much longer in a slow build). */
    std::uint64_t settledPixels (const hushmoor::test::HostWindow& window)
    {
        auto last = window.childPixels();

        for (int attempt = 0; attempt < 80; ++attempt)
        {
            std::this_thread::sleep_for (std::chrono::milliseconds (250));
            const auto now = window.childPixels();

            if (now == last && now != 0)
                break;

            last = now;
        }

        return last;
    }

    /** Waits (at most 20 s) for the picture to differ from before, then for it to settle. */
    std::uint64_t pixelsOnceChangedFrom (const hushmoor::test::HostWindow& window, std::uint64_t before)
    {
        for (int attempt = 0; attempt < 200 && window.childPixels() == before; ++attempt)
            std::this_thread::sleep_for (std::chrono::milliseconds (100));

        return settledPixels (window);
    }

    class AAXEditor : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_NE (std::getenv ("DISPLAY"), nullptr) << "no X display: run the tests under xvfb-run -a";
            ASSERT_TRUE (window.isOpen());
            ASSERT_TRUE (LoadedModule::get().module.IsLoaded()) << LoadedModule::get().module.Error();
            ASSERT_EQ (LoadedModule::get().registered, ACF_OK);
        }

        hushmoor::test::HostWindow window;
    };
}

TEST_F (AAXEditor, OpensInTheHostWindowAndFollowsTheHostsValues)
{
    Session session;
    ASSERT_EQ (session.initialised, AAX_SUCCESS);
    ASSERT_TRUE (session.gui.IsCreated());
    ASSERT_EQ (session.gui.Initialized(), AAX_SUCCESS);

    ASSERT_EQ (session.gui.Attach (window.handle()), AAX_SUCCESS);
    ASSERT_EQ (window.waitForChildren (1), 1u) << "the editor's window sits in the host's";
    const auto size = session.gui.ViewSize();
    EXPECT_EQ (size.vertical, 366.0f);
    EXPECT_EQ (size.horizontal, 325.0f);

    // The threshold knob turns when the host changes the value: the picture changes, and
    // comes back when the value does.
    const auto closed = settledPixels (window);
    ASSERT_NE (closed, 0u);

    session.effect.SetParameter ("2", 1.0);
    const auto open = pixelsOnceChangedFrom (window, closed);
    EXPECT_NE (open, closed);

    session.effect.SetParameter ("2", 0.0);
    EXPECT_EQ (pixelsOnceChangedFrom (window, open), closed);

    EXPECT_EQ (session.gui.Detach(), AAX_SUCCESS);
    EXPECT_EQ (window.waitForChildren (0), 0u);
}

TEST_F (AAXEditor, ComesAndGoesWithItsContainerAndItsInstance)
{
    Session session;

    for (int round = 0; round < 10; ++round)
    {
        ASSERT_EQ (session.gui.Attach (window.handle()), AAX_SUCCESS) << "round " << round;
        EXPECT_EQ (window.waitForChildren (1), 1u);
        EXPECT_EQ (session.gui.Detach(), AAX_SUCCESS);
        EXPECT_EQ (window.waitForChildren (0), 0u);
    }

    // A container that hands no native window, or another kind of view, gets no editor
    // (the host hears 0 either way).
    EXPECT_EQ (session.gui.Attach (nullptr), AAX_SUCCESS);
    EXPECT_EQ (session.gui.Attach (window.handle(), 2), AAX_SUCCESS);
    EXPECT_EQ (window.waitForChildren (0), 0u);

    // Closing everything with the editor open.
    for (int round = 0; round < 5; ++round)
    {
        Session open;
        ASSERT_EQ (open.gui.Attach (window.handle()), AAX_SUCCESS);
        EXPECT_EQ (window.waitForChildren (1), 1u);
    }

    EXPECT_EQ (window.waitForChildren (0), 0u);
}

TEST_F (AAXEditor, ShowsTheEffectAndLivesInTheWindowItWasGivenLast)
{
    hushmoor::test::HostWindow otherWindow;
    ASSERT_TRUE (otherWindow.isOpen());
    const auto& registered = Session::registered();
    HostLog log;
    auto first = std::make_unique<HostEffect> (registered, *registered.FindComponent (2, 2), log);
    HostEffect second (registered, *registered.FindComponent (2, 2), log);
    ASSERT_EQ (first->Initialize(), AAX_SUCCESS);
    ASSERT_EQ (second.Initialize(), AAX_SUCCESS);
    second.SetParameter ("2", 1.0);

    HostGUI gui (registered, *first, log);
    ASSERT_EQ (gui.Attach (window.handle()), AAX_SUCCESS);
    ASSERT_EQ (window.waitForChildren (1), 1u);

    // A new container without a null in between: the editor moves into its window.
    ASSERT_EQ (gui.Attach (otherWindow.handle()), AAX_SUCCESS);
    EXPECT_EQ (otherWindow.waitForChildren (1), 1u);
    EXPECT_EQ (window.waitForChildren (0), 0u);
    const auto closed = settledPixels (otherWindow);

    // Initialised again with the second effect, after which the first goes: the editor
    // shows the second effect's open threshold, in the same window, and follows it.
    ASSERT_EQ (gui.Initialize (second), AAX_SUCCESS);
    first.reset();
    EXPECT_EQ (otherWindow.waitForChildren (1), 1u);
    const auto open = pixelsOnceChangedFrom (otherWindow, closed);
    EXPECT_NE (open, closed);

    second.SetParameter ("2", 0.0);
    EXPECT_EQ (pixelsOnceChangedFrom (otherWindow, open), closed);
}

TEST_F (AAXEditor, ViewsOfOneEffectHandTheEditorToTheNewestAndBackToTheLastAttachedLeftOpen)
{
    hushmoor::test::HostWindow otherWindow (420, 0);
    const auto& registered = Session::registered();

    // A window reopened (the old view closed after), or two windows with the newer closed first.
    for (const bool olderClosesFirst : { true, false })
    {
        SCOPED_TRACE (olderClosesFirst ? "older closes first" : "newer closes first");
        HostLog log;
        HostEffect effect (registered, *registered.FindComponent (2, 2), log);
        ASSERT_EQ (effect.Initialize(), AAX_SUCCESS);
        auto older = std::make_unique<HostGUI> (registered, effect, log);
        ASSERT_EQ (older->Attach (window.handle()), AAX_SUCCESS);
        const auto editorShown = settledPixels (window);

        // The newer view takes the one editor over; the older one is left empty.
        auto newer = std::make_unique<HostGUI> (registered, effect, log);
        ASSERT_EQ (newer->Attach (otherWindow.handle()), AAX_SUCCESS);
        EXPECT_EQ (settledPixels (otherWindow), editorShown);
        EXPECT_NE (settledPixels (window), editorShown);

        // The view left open shows the editor (the older one takes it back), which follows.
        (olderClosesFirst ? older : newer).reset();
        auto& open = olderClosesFirst ? otherWindow : window;
        EXPECT_EQ (settledPixels (open), editorShown);
        effect.SetParameter ("2", 1.0);
        EXPECT_NE (pixelsOnceChangedFrom (open, editorShown), editorShown);

        (olderClosesFirst ? newer : older).reset();
        EXPECT_EQ (window.waitForChildren (0) + otherWindow.waitForChildren (0), 0u);

        // The editor went with its last view: another view makes a new one.
        HostGUI again (registered, effect, log);
        ASSERT_EQ (again.Attach (window.handle()), AAX_SUCCESS);
        EXPECT_NE (settledPixels (window), 0u);
    }

    // Three views: when the newest goes, the editor returns to the one attached last.
    hushmoor::test::HostWindow thirdWindow (840, 0);
    HostLog log;
    HostEffect effect (registered, *registered.FindComponent (2, 2), log);
    ASSERT_EQ (effect.Initialize(), AAX_SUCCESS);
    std::unique_ptr<HostGUI> views[3];
    hushmoor::test::HostWindow* windows[3] { &window, &otherWindow, &thirdWindow };

    for (int i = 0; i < 3; ++i)
    {
        views[i] = std::make_unique<HostGUI> (registered, effect, log);
        ASSERT_EQ (views[i]->Attach (windows[i]->handle()), AAX_SUCCESS);
    }

    const auto editorShown = settledPixels (thirdWindow);
    const auto empty = settledPixels (window);
    views[2].reset();
    EXPECT_EQ (settledPixels (otherWindow), editorShown);
    EXPECT_EQ (settledPixels (window), empty);
}

TEST_F (AAXEditor, LeavesNothingOfTheModuleAliveOnceClosed)
{
    {
        Session session;
        ASSERT_EQ (session.gui.Attach (window.handle()), AAX_SUCCESS);
        EXPECT_GT (LoadedModule::get().module.CanUnloadNow(), 0);
    }

    EXPECT_EQ (LoadedModule::get().module.CanUnloadNow(), 0);
}
