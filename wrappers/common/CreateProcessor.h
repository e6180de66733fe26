#pragma once

#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <memory>

namespace hushmoor::wrappers
{

/**
    A new processor, made the way every format wrapper makes it: through the plug-in's
    factory, with the format recorded so the processor can ask which wrapper carries it.
    Null when the factory makes something else. May throw what the constructor throws.
*/
std::unique_ptr<GraviloHushmoorAudioProcessor> createProcessor (juce::AudioProcessor::WrapperType format);

} // namespace hushmoor::wrappers
