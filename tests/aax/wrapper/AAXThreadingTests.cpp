// The AAX wrapper from three threads at once, as a Linux host drives it: the editor's
// thread making gestures on the processor, the host's thread setting values, saving (never
// failing) and restoring both chunks and initialising the effect again, and the audio
// thread running blocks. The ThreadSanitizer build runs it too (test.sh): it must be clean there.

#include "HostEffect.h"

#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "wrappers/aax/HushmoorAAXIdentity.h"
#include "wrappers/aax/HushmoorAAXProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace fakehost;

namespace
{
    constexpr std::uint32_t elck = 0x656C636B, juceChunk = 0x6A756365;

    const RegisteredEffect& registeredEffect()
    {
        struct Registered
        {
            HostLog log;
            HostModule module { "", log };
            ACFRESULT started = module.StartUp();
            ACFRESULT registered = module.Register();
        };

        static Registered loaded;
        return loaded.module.Effects().at (0);
    }
}

TEST (AAXThreads, EditorGesturesMeetTheHostsCallsOnlyOnTheHostsThread)
{
    HostLog log;
    HostEffect plugin (registeredEffect(), *registeredEffect().FindComponent (2, 2), log);
    ASSERT_EQ (plugin.Initialize(), AAX_SUCCESS);
    auto& effect = dynamic_cast<hushmoor::aax::HushmoorAAXProcessor&> (plugin.Effect());
    auto& processor = effect.getProcessor();

    std::atomic<bool> stop { false };
    std::size_t gestures = 0;

    std::thread editor ([&]
    {
        JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
        for (; ! stop || gestures < 1000; ++gestures)
        {
            processor.beginParameterChangeGesture (3);
            processor.setParameterNotifyingHost (3, static_cast<float> (gestures % 100) / 100.0f);
            processor.endParameterChangeGesture (3);

            // Quick hands, but a person's: the host takes them as fast as they come.
            std::this_thread::sleep_for (std::chrono::microseconds (20));
        }
        JUCE_END_IGNORE_WARNINGS_GCC_LIKE
    });

    // The audio thread, with a context record of its own (the host's is the host thread's).
    std::thread audio ([&]
    {
        std::vector<float> left (256, 0.1f), right (256, -0.1f);
        float* channels[] { left.data(), right.data() };
        std::int32_t length = 256, bypass = 0, prepared = 1;
        hushmoor::aax::ProcessorLink link { &effect };
        hushmoor::aax::ProcessContext context { channels, channels, &length, &bypass, &link, &prepared };
        void* instances[] { &context };

        while (! stop)
            effect.processCallback (instances, instances + 1);
    });

    // The host thread. It tallies what reached its automation as it goes.
    std::size_t sets = 0, touches = 0, releases = 0, hostSets = 0, ownSets = 0, failedSaves = 0;
    const auto tally = [&]
    {
        sets += log.Count ("automation.PostSetValueRequest(\"3\"", true);
        touches += log.Count ("automation.PostTouchRequest(\"3\")");
        releases += log.Count ("automation.PostReleaseRequest(\"3\")");
        hostSets += log.Count ("automation.PostSetValueRequest(\"2\"", true);
        log.Clear();
    };

    for (int round = 0; round < 400; ++round)
    {
        ownSets += plugin.SetParameter ("2", (round % 10) / 10.0) == AAX_SUCCESS ? 1u : 0u;
        // Saves while the editor edits: none may fail (the state's length moves with the values).
        for (const auto chunkID : { juceChunk, elck })
        {
            ACFRESULT saved = AAX_RESULT_NOT_IMPLEMENTED;
            const auto record = plugin.GetChunk (chunkID, &saved);
            failedSaves += saved == AAX_SUCCESS ? 0u : 1u;
            plugin.SetChunk (chunkID, record);
        }

        plugin.TimerWakeup();

        if (round % 20 == 19)
        {
            plugin.Uninitialize();
            EXPECT_EQ (plugin.Initialize(), AAX_SUCCESS);
        }

        tally();
    }

    stop = true;
    editor.join();
    audio.join();
    plugin.TimerWakeup();
    tally();

    // Every gesture reached the host once, around values the host was asked to record
    // (each set request comes with a touch and a release of its own).
    EXPECT_EQ (touches, sets + gestures);
    EXPECT_EQ (releases, sets + gestures);
    EXPECT_GE (sets, gestures);
    EXPECT_GE (hostSets, ownSets);
    EXPECT_EQ (failedSaves, 0u);
    EXPECT_EQ (plugin.ParameterValue ("3"), static_cast<double> (processor.getParameter (3)));
}
