#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace hushmoor::test
{
    /** Loud tone bursts over quiet noise: something for a gate to open and close on. */
    void makeDemoSignal (std::vector<float>& left, std::vector<float>& right, int numSamples, double sampleRate);

    /** The values the format tests render with: on, linked, threshold 0.35, attack 0.2, decay 0.4. */
    inline constexpr float demoValues[] { 1.0f, 0.0f, 0.35f, 0.2f, 0.4f };

    /**
        Runs one or two channels in place through the built VST3 bundle, hosted by the
        framework's own VST3 host with the parameters set to values, in blocks of blockSize:
        the reference every other format's audio must match bit for bit. Needs the framework
        running on the calling thread. Answers why it could not, or an empty text.
    */
    juce::String processThroughVst3 (const juce::File& vst3Binary, const float (&values)[5],
                                     std::vector<std::vector<float>*> channels, double sampleRate, int blockSize);
}
