// Any bytes as a saved state: the processor restores them completely or not at all, and
// whatever it then saves survives another round trip byte for byte.
#include "fuzz/FuzzSupport.h"
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

    if (size > static_cast<std::size_t> (std::numeric_limits<int>::max()))
        return 0;

    GraviloHushmoorAudioProcessor p;
    makeDistinct (p);
    const auto before = stateOf (p);

    p.setStateInformation (data, static_cast<int> (size));
    const auto after = stateOf (p);

    GraviloHushmoorAudioProcessor q;
    q.setStateInformation (after.getData(), static_cast<int> (after.getSize()));
    check (stateOf (q) == after, "a saved state does not restore byte for byte");

    (void) before;
    return 0;
}
