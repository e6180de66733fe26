#pragma once

#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace hushmoor::test
{

/** Counts the parameter-change notifications that reach the processor's listeners. */
struct CountingListener : juce::AudioProcessorListener
{
    struct Change { int index; float value; };
    std::vector<Change> changes;
    int processorChanges = 0;

    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        changes.push_back ({ index, value });
    }

    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override  { ++processorChanges; }
};

inline std::uint32_t bitsOf (float v)
{
    std::uint32_t b;
    std::memcpy (&b, &v, sizeof b);
    return b;
}

inline float floatFromBits (std::uint32_t b)
{
    float v;
    std::memcpy (&v, &b, sizeof v);
    return v;
}

/** Every preset's name and values and the active index, for "nothing changed" checks. */
struct Snapshot
{
    int active = -1;
    juce::StringArray names;
    std::vector<std::uint32_t> bits;

    explicit Snapshot (GraviloHushmoorAudioProcessor& p)
    {
        active = p.getCurrentProgram();
        for (int b = 0; b < GraviloHushmoorAudioProcessor::numPresets; ++b)
        {
            names.add (p.getProgramName (b));
            for (int k = 0; k < totalNumParams; ++k)
                bits.push_back (bitsOf (p.getPreset (b).getValue (k)));
        }
    }

    bool operator== (const Snapshot& o) const  { return active == o.active && names == o.names && bits == o.bits; }
};

/** A deterministic test signal: bursts of a sine over a quiet one. */
inline void fillSignal (juce::AudioBuffer<float>& buffer, int offset = 0)
{
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
        {
            const int n = i + offset;
            const float level = (n / 900) % 2 == 0 ? 0.6f : 0.002f;
            buffer.setSample (ch, i, level * std::sin (0.013f * static_cast<float> (n) + 0.7f * static_cast<float> (ch)));
        }
}

/** Gives the processor a layout of numIns inputs and numOuts outputs and prepares it. */
inline void prepareWithLayout (GraviloHushmoorAudioProcessor& p, int numIns, int numOuts,
                               double sampleRate = 48000.0, int blockSize = 512)
{
    p.setPlayConfigDetails (numIns, numOuts, sampleRate, blockSize);
    p.prepareToPlay (sampleRate, blockSize);
}

} // namespace hushmoor::test
