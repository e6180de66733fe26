#include "tests/support/Vst3Reference.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>

namespace hushmoor::test
{
    void makeDemoSignal (std::vector<float>& left, std::vector<float>& right, int numSamples, double sampleRate)
    {
        left.resize (static_cast<size_t> (numSamples));
        right.resize (static_cast<size_t> (numSamples));
        std::uint32_t seed = 12345;

        for (int i = 0; i < numSamples; ++i)
        {
            seed = seed * 1664525u + 1013904223u;
            const float noise = (static_cast<float> (seed >> 8) / 16777216.0f - 0.5f) * 0.004f;
            const bool burst = (i / static_cast<int> (sampleRate * 0.25)) % 2 == 0;
            const auto phase = 2.0 * juce::MathConstants<double>::pi * 440.0 * i / sampleRate;
            const float tone = burst ? 0.5f * static_cast<float> (std::sin (phase)) : 0.0f;
            left[static_cast<size_t> (i)] = tone + noise;
            right[static_cast<size_t> (i)] = 0.7f * tone - noise;
        }
    }

    juce::String processThroughVst3 (const juce::File& vst3Binary, const float (&values)[5],
                                     std::vector<std::vector<float>*> channels, double sampleRate, int blockSize)
    {
        const auto pump = [] { juce::MessageManager::getInstance()->runDispatchLoopUntil (20); };

        // <bundle>.vst3/Contents/x86_64-linux/<name>.so
        const auto bundle = vst3Binary.getParentDirectory().getParentDirectory().getParentDirectory();
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> types;
        format.findAllTypesForFile (types, bundle.getFullPathName());

        if (types.size() != 1)
            return "no single plug-in in " + bundle.getFullPathName();

        juce::String error;
        auto vst3 = format.createInstanceFromDescription (*types[0], sampleRate, blockSize, error);

        if (vst3 == nullptr)
            return error;

        const auto set = channels.size() == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();

        if (! vst3->setChannelLayoutOfBus (true, 0, set) || ! vst3->setChannelLayoutOfBus (false, 0, set))
            return "the VST3 build refused " + set.getDescription();

        const char* const names[] { "bypass", "dualmono", "threshold", "attack", "decay" };

        for (int k = 0; k < 5; ++k)
        {
            auto* p = vst3->getParameters()[k];

            if (p == nullptr || p->getName (64) != names[k])
                return "the VST3 build's parameter " + juce::String (k) + " is not \"" + names[k] + "\"";

            p->setValueNotifyingHost (values[k]);
        }

        pump();
        vst3->prepareToPlay (sampleRate, blockSize);
        juce::MidiBuffer midi;
        const auto length = channels.front()->size();

        for (size_t start = 0; start < length; start += static_cast<size_t> (blockSize))
        {
            float* pointers[2] {};

            for (size_t ch = 0; ch < channels.size() && ch < 2; ++ch)
                pointers[ch] = channels[ch]->data() + start;

            juce::AudioBuffer<float> buffer (pointers, static_cast<int> (channels.size()),
                                             static_cast<int> (std::min<size_t> (static_cast<size_t> (blockSize), length - start)));
            vst3->processBlock (buffer, midi);
        }

        vst3->releaseResources();
        vst3.reset();
        pump();
        return {};
    }
}
