// Hammers the processor from three threads at once: a host thread setting parameters,
// programs and state, an editor-like thread reading values and clearing the flag, and
// the audio thread running blocks. Run under a thread sanitizer, it must be clean.
#include "ProcessorTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <random>
#include <thread>

using namespace hushmoor::test;

TEST (ProcessorThreads, ParametersProgramsAndStateWhileAudioRuns)
{
    GraviloHushmoorAudioProcessor p;
    prepareWithLayout (p, 2, 2, 48000.0, 256);

    std::atomic<bool> stop { false };
    std::atomic<int> blocks { 0 }, hostCalls { 0 }, editorReads { 0 };

    std::thread audio ([&]
    {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        int offset = 0;

        while (! stop.load())
        {
            fillSignal (buffer, offset);
            offset += 256;
            p.processBlock (buffer, midi);
            blocks.fetch_add (1);
        }
    });

    std::thread host ([&]
    {
        std::mt19937 rng (99);
        juce::MemoryBlock state;
        p.getStateInformation (state);

        while (! stop.load())
        {
            const auto r = rng();
            switch (r % 6)
            {
                case 0:
                case 1:  p.setParameter (static_cast<int> (rng() % 7) - 1, static_cast<float> (rng() % 1000) / 999.0f); break;
                case 2:  p.setCurrentProgram (static_cast<int> (rng() % 14) - 1); break;
                case 3:  (void) p.getParameterText (static_cast<int> (rng() % 5)); break;
                case 4:  p.getStateInformation (state); break;
                default: p.setStateInformation (state.getData(), static_cast<int> (state.getSize())); break;
            }
            hostCalls.fetch_add (1);
        }
    });

    std::thread editor ([&]
    {
        while (! stop.load())
        {
            if (p.paramsChanged_.load (std::memory_order_relaxed))
            {
                float sum = 0.0f;
                for (int k = 0; k < 5; ++k)
                    sum += p.getParameter (k) + p.getParameterDefaultValue (k);
                (void) sum;
                (void) p.getCurrentProgram();
                p.paramsChanged_.store (false, std::memory_order_relaxed);
            }
            editorReads.fetch_add (1);
            std::this_thread::yield();
        }
    });

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (1500);
    while (std::chrono::steady_clock::now() < deadline
           && (blocks.load() < 2000 || hostCalls.load() < 20000))
        std::this_thread::sleep_for (std::chrono::milliseconds (10));

    stop = true;
    audio.join();
    host.join();
    editor.join();

    std::cout << "[ hammer   ] " << blocks.load() << " blocks, " << hostCalls.load() << " host calls, "
              << editorReads.load() << " editor polls\n";
    EXPECT_GT (blocks.load(), 10);
    EXPECT_GT (hostCalls.load(), 100);
    EXPECT_GT (editorReads.load(), 10);
    EXPECT_GE (p.getCurrentProgram(), 0);
    EXPECT_LT (p.getCurrentProgram(), 12);
}
