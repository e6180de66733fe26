// The VST3 loader: the framework's own VST3 hosting (juce::VST3PluginFormat), as a DAW
// built on the framework would load the bundle.
#include "tools/render/LoadedPlugin.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace hushmoor::render
{

namespace
{
    class Vst3Plugin final : public LoadedPlugin
    {
    public:
        Vst3Plugin (std::unique_ptr<juce::AudioPluginInstance> instanceIn, const juce::PluginDescription& desc)
            : instance (std::move (instanceIn)), description (desc)
        {
        }

        ~Vst3Plugin() override
        {
            release();
        }

        juce::String getFormatName() const override     { return "VST3"; }
        juce::String getName() override                  { return description.name; }
        juce::String getMaker() override                 { return description.manufacturerName; }
        juce::String getVersion() override               { return description.version; }

        int getNumParameters() override                  { return instance->getParameters().size(); }

        juce::String getParameterName (int index) override
        {
            auto* p = parameter (index);
            return p != nullptr ? p->getName (128) : juce::String();
        }

        float getParameter (int index) override
        {
            auto* p = parameter (index);
            return p != nullptr ? p->getValue() : 0.0f;
        }

        juce::String getParameterText (int index) override
        {
            auto* p = parameter (index);
            return p != nullptr ? p->getText (p->getValue(), 128) : juce::String();
        }

        void setParameter (int index, float value) override
        {
            if (auto* p = parameter (index))
                p->setValueNotifyingHost (value);
        }

        bool isWrapperParameter (int index) override
        {
            auto* p = parameter (index);

            if (p == nullptr)
                return false;

            // The framework's VST3 wrapper adds a bypass and a program-change parameter.
            const auto name = p->getName (128);
            return p == instance->getBypassParameter() || name == "Bypass" || name == "Program";
        }

        int getNumPrograms() override                    { return instance->getNumPrograms(); }
        juce::String getProgramName (int index) override { return instance->getProgramName (index); }
        int getCurrentProgram() override                 { return instance->getCurrentProgram(); }
        void setCurrentProgram (int index) override      { instance->setCurrentProgram (index); }

        bool prepare (double sampleRate, int maximumBlockSize, int numChannels, juce::String& error) override
        {
            release();

            const auto wanted = numChannels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
            bool laidOut = instance->setChannelLayoutOfBus (true, 0, wanted)
                        && instance->setChannelLayoutOfBus (false, 0, wanted);

            if (! laidOut && numChannels == 1)
                laidOut = instance->setChannelLayoutOfBus (true, 0, juce::AudioChannelSet::stereo())
                       && instance->setChannelLayoutOfBus (false, 0, juce::AudioChannelSet::stereo());

            if (! laidOut)
            {
                error = "the plug-in takes neither a " + wanted.getDescription() + " nor a stereo layout";
                return false;
            }

            instance->setNonRealtime (true);
            instance->prepareToPlay (sampleRate, maximumBlockSize);
            prepared = true;
            numProcessingChannels = juce::jmax (instance->getTotalNumInputChannels(),
                                                instance->getTotalNumOutputChannels());
            return true;
        }

        int getNumProcessingChannels() const override    { return numProcessingChannels; }

        void process (juce::AudioBuffer<float>& buffer) override
        {
            juce::MidiBuffer midi;
            instance->processBlock (buffer, midi);
        }

        void release() override
        {
            if (prepared)
                instance->releaseResources();

            prepared = false;
        }

        void pumpMessages() override
        {
            // The host side hands edit-controller updates over on the message thread.
            juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
        }

        juce::AudioPluginInstance& getInstance() noexcept  { return *instance; }

    private:
        juce::AudioProcessorParameter* parameter (int index) const
        {
            return instance->getParameters()[index];
        }

        std::unique_ptr<juce::AudioPluginInstance> instance;
        juce::PluginDescription description;
        bool prepared = false;
        int numProcessingChannels = 0;
    };

    class Vst3Loader final : public PluginLoader
    {
    public:
        juce::String getFormatName() const override  { return "VST3"; }

        bool recognises (const juce::File& file) const override
        {
            return findBundle (file, ".vst3") != juce::File();
        }

        std::unique_ptr<LoadedPlugin> load (const juce::File& file, double sampleRate,
                                            int blockSize, juce::String& error) override
        {
            auto bundle = findBundle (file, ".vst3");

            if (bundle == juce::File())
                bundle = file;   // asked for by --format: let the framework judge it

            if (! bundle.exists())
            {
                error = "no such file or folder: " + bundle.getFullPathName();
                return nullptr;
            }

            juce::VST3PluginFormat format;
            juce::OwnedArray<juce::PluginDescription> types;
            format.findAllTypesForFile (types, bundle.getFullPathName());

            if (types.isEmpty())
            {
                error = "not a VST3 plug-in (no module with a plug-in factory, or no audio effect class in it): "
                        + bundle.getFullPathName();
                return nullptr;
            }

            juce::String message;
            auto instance = format.createInstanceFromDescription (*types[0], sampleRate, blockSize, message);

            if (instance == nullptr)
            {
                error = "the VST3 plug-in \"" + types[0]->name + "\" failed to load"
                        + (message.isNotEmpty() ? ": " + message : juce::String());
                return nullptr;
            }

            return std::make_unique<Vst3Plugin> (std::move (instance), *types[0]);
        }
    };

    const PluginLoaderRegistration registration { 30, [] { return std::make_unique<Vst3Loader>(); } };
}

} // namespace hushmoor::render
