// The plug-in's own message thread: asleep while an instance has nothing to do, stopped
// promptly with the last instance, and started afresh for a later one. The idle cases load
// the built VST 2.4 binary and the built AAX module as hosts load them.

#include "wrappers/common/PluginMessageThread.h"

#include "HostEffect.h"
#include "tests/vst2/host/Vst2TestHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace
{
    /** Voluntary plus involuntary context switches of every thread in this process except
        the calling one. */
    long switchesOfOtherThreads()
    {
        const auto self = std::to_string (::gettid());
        long total = 0;

        for (const auto& task : std::filesystem::directory_iterator ("/proc/self/task"))
        {
            std::ifstream status (task.path() / "status");

            for (std::string line; task.path().filename() != self && std::getline (status, line);)
                if (line.find ("ctxt_switches:") != std::string::npos)
                    total += std::stol (line.substr (line.find (':') + 1));
        }

        return total;
    }

    /** Idles with the instance open, then closes it (the last one): the plug-in's threads
        must have slept, and closing must not wait for them. */
    void expectAsleepThenPromptClose (std::shared_ptr<void> instance)
    {
        ASSERT_NE (instance, nullptr);

        std::this_thread::sleep_for (300ms);  // whatever opening posted is dispatched
        const auto before = switchesOfOtherThreads();
        std::this_thread::sleep_for (5s);

        // The framework's own poll gives up every 2 s and goes back to sleep: two or three
        // wake-ups, where polling in slices made thousands.
        EXPECT_LE (switchesOfOtherThreads() - before, 10);

        // Stopping wakes the thread at once; a thread left asleep would hold this for seconds.
        const auto start = std::chrono::steady_clock::now();
        instance.reset();
        EXPECT_LT (std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count(), 1.0) << "seconds to close";
    }

    struct AAXInstance
    {
        static fakehost::HostModule& registeredModule()
        {
            static fakehost::HostLog log;
            static fakehost::HostModule module { AAX_MODULE_PATH, log };
            [[maybe_unused]] static const bool registered = module.StartUp() == ACF_OK && module.Register() == ACF_OK;
            return module;
        }

        fakehost::HostLog log;
        fakehost::HostEffect effect { registeredModule().Effects().at (0), *registeredModule().Effects().at (0).FindComponent (2, 2), log };
        ACFRESULT initialised = effect.Initialize();
    };
}

TEST (IdleInstance, Vst2LeavesThePluginsThreadsAsleepAndClosesPromptly)
{
    auto instance = std::make_shared<Vst2Instance>();
    ASSERT_TRUE (*instance) << Vst2TestHost::get().loadError();

    instance->start (48000.0f, 512);
    expectAsleepThenPromptClose (std::move (instance));
}

TEST (IdleInstance, AAXLeavesThePluginsThreadsAsleepAndClosesPromptly)
{
    ASSERT_FALSE (AAXInstance::registeredModule().Effects().empty()) << AAXInstance::registeredModule().Error();

    auto instance = std::make_shared<AAXInstance>();
    ASSERT_EQ (instance->initialised, AAX_SUCCESS);
    expectAsleepThenPromptClose (std::move (instance));
}

// A host that runs the framework itself keeps its message manager after our thread stops;
// each later instance's thread must dispatch again.
TEST (PluginMessageThread, DispatchesForEveryInstanceWhileTheFrameworkLivesOn)
{
    const juce::ScopedJuceInitialiser_GUI framework;

    for (int round = 0; round < 3; ++round)
    {
        const juce::SharedResourcePointer<hushmoor::wrappers::PluginMessageThread> thread;
        ASSERT_TRUE (thread->isDispatching());

        juce::WaitableEvent dispatched;
        std::thread::id dispatcher;

        ASSERT_TRUE (juce::MessageManager::callAsync ([&] { dispatcher = std::this_thread::get_id(); dispatched.signal(); }));
        ASSERT_TRUE (dispatched.wait (5000)) << "round " << round;
        EXPECT_NE (dispatcher, std::this_thread::get_id());
    }
}
