// Any bytes as a saved state: the processor restores them completely or not at all, only
// when the framework's own reader takes them too and reads the same texts from them, and
// whatever it then saves survives another round trip byte for byte.
#include "fuzz/FuzzFramework.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "plugin/HushmoorStateReader.h"

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

    /** The framework's reader takes the bytes, with the same tag and the same text for
        every attribute a restore reads. It is only given text that ours took: up to the
        first zero byte, as both read it (what follows need not be UTF-8). */
    bool frameworkReadsTheSame (GraviloHushmoorAudioProcessor& p, const std::uint8_t* data, std::size_t size)
    {
        HushmoorStateReader ours;

        if (! ours.read (data, static_cast<int> (size)))
            return false;

        const auto* zero = static_cast<const std::uint8_t*> (std::memchr (data + 8, 0, size - 8));
        const auto textEnd = zero != nullptr ? static_cast<std::size_t> (zero - data) : size;
        const auto element = juce::AudioProcessor::getXmlFromBinary (data, static_cast<int> (textEnd));

        if (element == nullptr || element->getTagName().toStdString() != ours.getTagName())
            return false;

        const auto same = [&] (const juce::String& name)
        {
            const auto text = ours.getAttribute (name.toStdString());
            return element->hasAttribute (name) == text.has_value()
                && (! text || element->getStringAttribute (name) == juce::String::fromUTF8 (text->data(), static_cast<int> (text->size())));
        };

        bool result = same ("activePreset");

        for (int b = 0; b < GraviloHushmoorAudioProcessor::numPresets; ++b)
        {
            result = result && same ("PresetName" + juce::String (b));

            for (int k = 0; k < totalNumParams; ++k)
                result = result && same (p.getParameterName (k) + juce::String (b));
        }

        return result;
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

    check (frameworkReadsTheSame (p, data, size), "a state the framework's reader refuses or reads otherwise was restored");
    check (q.restoreState (saved.getData(), static_cast<int> (saved.getSize())), "a saved state was refused");
    check (stateOf (q) == saved, "a saved state does not restore byte for byte");
    return 0;
}
