// Any bytes as a saved state: the processor restores them completely or not at all, and
// whatever it then saves survives another round trip byte for byte.
#include "fuzz/FuzzFramework.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"

namespace
{
    juce::MemoryBlock stateOf (GraviloHushmoorAudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    /** A bank unlike a fresh one, so that a partial restore would show. */
    void makeDistinct (GraviloHushmoorAudioProcessor& p)
    {
        for (int b = 0; b < GraviloHushmoorAudioProcessor::numPresets; ++b)
        {
            p.changeProgramName (b, "P" + juce::String (b));
            p.setCurrentProgram (b);

            for (int k = 0; k < totalNumParams; ++k)
                p.setParameter (k, 0.01f * static_cast<float> (b * totalNumParams + k + 1));
        }

        p.setCurrentProgram (7);
    }
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using namespace hushmoor::fuzz;
    initialiseJuce();

    static GraviloHushmoorAudioProcessor p, q;
    static const juce::MemoryBlock baseline = [] { makeDistinct (p); return stateOf (p); }();

    if (size > static_cast<std::size_t> (std::numeric_limits<int>::max()))
        return 0;

    check (p.restoreState (baseline.getData(), static_cast<int> (baseline.getSize())), "the baseline was refused");

    const bool restored = p.restoreState (data, static_cast<int> (size));
    const auto saved = stateOf (p);

    if (! restored)
    {
        check (saved == baseline, "a refused state changed something");
        return 0;
    }

    check (q.restoreState (saved.getData(), static_cast<int> (saved.getSize())), "a saved state was refused");
    check (stateOf (q) == saved, "a saved state does not restore byte for byte");
    return 0;
}
