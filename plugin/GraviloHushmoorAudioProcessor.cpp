// Placeholder until the processor lands: lets the plug-in target link.
#include <juce_audio_processors/juce_audio_processors.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return nullptr;
}
