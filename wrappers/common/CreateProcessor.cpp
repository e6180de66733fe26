#include "wrappers/common/CreateProcessor.h"

namespace hushmoor::wrappers
{

std::unique_ptr<GraviloHushmoorAudioProcessor> createProcessor (juce::AudioProcessor::WrapperType format)
{
    // The recorded format is a global of the framework: it must not outlive this call,
    // even when construction throws.
    struct FormatScope
    {
        explicit FormatScope (juce::AudioProcessor::WrapperType type)  { juce::AudioProcessor::setTypeOfNextNewPlugin (type); }
        ~FormatScope()  { juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined); }
    };

    std::unique_ptr<juce::AudioProcessor> created;

    {
        const FormatScope scope (format);
        created.reset (createPluginFilter());
    }

    auto* concrete = dynamic_cast<GraviloHushmoorAudioProcessor*> (created.get());

    if (concrete == nullptr)
        return nullptr;

    created.release();
    return std::unique_ptr<GraviloHushmoorAudioProcessor> (concrete);
}

} // namespace hushmoor::wrappers
