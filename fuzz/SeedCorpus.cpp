// Writes the fuzz targets' seed inputs, made by the plug-in's own code, into
// <corpus root>/<target>/: `tools/fuzz.sh seeds` refreshes fuzz/corpus/ with them.
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <juce_events/juce_events.h>

#include <cstdio>
#include <limits>

namespace
{
    void write (const juce::File& root, const char* target, const char* name, const juce::MemoryBlock& bytes)
    {
        const auto dir = root.getChildFile (target);
        dir.createDirectory();
        dir.getChildFile (name).replaceWithData (bytes.getData(), bytes.getSize());
    }

    juce::MemoryBlock stateOf (GraviloHushmoorAudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    void writeStates (const juce::File& root)
    {
        GraviloHushmoorAudioProcessor p;
        write (root, "fuzz_state", "fresh", stateOf (p));

        for (int b = 0; b < GraviloHushmoorAudioProcessor::numPresets; ++b)
        {
            p.setCurrentProgram (b);
            p.changeProgramName (b, juce::String::fromUTF8 (b % 2 == 0 ? "Kick \"&<'>\" \xe2\x99\xaa" : "Snare\ttwo\nlines"));

            for (int k = 0; k < totalNumParams; ++k)
                p.setParameter (k, 0.037f * static_cast<float> (b * totalNumParams + k));
        }

        p.setCurrentProgram (5);
        write (root, "fuzz_state", "edited", stateOf (p));

        const float special[] { std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                                std::numeric_limits<float>::quiet_NaN(), -0.0f, std::numeric_limits<float>::denorm_min() };
        for (int k = 0; k < totalNumParams; ++k)
            p.setParameter (k, special[k]);

        write (root, "fuzz_state", "special-values", stateOf (p));
    }
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <corpus root>\n", argv[0]);
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI framework;
    const juce::File root (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    writeStates (root);
    return 0;
}
