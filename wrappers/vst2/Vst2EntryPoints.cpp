// The two symbols a VST 2.4 host looks up: each builds one plug-in instance and hands
// the host its AEffect record. The host owns the instance from then on and ends it with
// dispatcher opcode 1, which deletes the wrapper.

#include "wrappers/common/CreateProcessor.h"
#include "wrappers/vst2/HushmoorVst2Wrapper.h"

namespace
{
    AEffect* createInstance (VstHostCallback hostCallback)
    {
        if (hostCallback == nullptr)
            return nullptr;

        try
        {
            // Keeps the framework alive while the processor is built on the host's thread.
            const juce::ScopedJuceInitialiser_GUI libraryInitialiser;

            auto processor = hushmoor::wrappers::createProcessor (juce::AudioProcessor::wrapperType_VST);

            if (processor == nullptr)
                return nullptr;

            auto wrapper = std::make_unique<hushmoor::vst2::HushmoorVst2Wrapper> (hostCallback, std::move (processor));

            return wrapper.release()->getAeffect();
        }
        catch (...)
        {
            return nullptr;
        }
    }
}

extern "C" __attribute__ ((visibility ("default"))) AEffect* VSTPluginMain (VstHostCallback hostCallback);
extern "C" __attribute__ ((visibility ("default"))) AEffect* main_macho (VstHostCallback hostCallback);

extern "C" AEffect* VSTPluginMain (VstHostCallback hostCallback)
{
    return createInstance (hostCallback);
}

extern "C" AEffect* main_macho (VstHostCallback hostCallback)
{
    return createInstance (hostCallback);
}
