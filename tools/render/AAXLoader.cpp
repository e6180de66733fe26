// The AAX loader: loads the module through the project's own AAX host layer (the one the
// tests use), registers it and runs one effect instance on the processing component for
// the file's channels, as an AAX host would.
#include "tools/render/LoadedPlugin.h"

#include "HostEffect.h"

namespace hushmoor::render
{

namespace
{
    constexpr std::uint32_t stateChunk = 0x6A756365;   // 'juce': the processor's whole state
    constexpr const char* masterBypassID = "MasterBypassID";

    /** The module's binary for a path to the bundle or to the binary inside it. */
    juce::File findBinary (const juce::File& file)
    {
        const auto bundle = findBundle (file, ".aaxplugin");

        if (bundle == juce::File() || ! bundle.isDirectory())
            return file;

        return bundle.getChildFile ("Contents/x86_64-linux")
                     .getChildFile (bundle.getFileNameWithoutExtension() + ".so");
    }

    class AAXPlugin final : public LoadedPlugin
    {
    public:
        AAXPlugin (std::unique_ptr<fakehost::HostLog> logIn, std::unique_ptr<fakehost::HostModule> moduleIn)
            : log (std::move (logIn)), module (std::move (moduleIn))
        {
        }

        ~AAXPlugin() override
        {
            // Instances go before the module that made them.
            instance.reset();
        }

        /** Makes the instance on the component for these channels, at this rate, keeping the
            settings of the one before (as a host keeps them when a track's format changes). */
        bool instantiate (int numChannels, double sampleRate, juce::String& error)
        {
            const auto& effect = module->Effects().front();
            const auto* component = effect.FindComponent (numChannels, numChannels);

            if (component == nullptr)
                component = effect.FindComponent (2, 2);

            if (component == nullptr)
            {
                error = "the AAX plug-in has neither a " + juce::String (numChannels) + "-channel nor a stereo component";
                return false;
            }

            if (instance != nullptr && &instance->Component() == component && instanceRate == sampleRate)
                return true;

            const auto state = instance != nullptr ? instance->GetChunk (stateChunk) : std::vector<char>();
            const auto bypass = instance != nullptr ? instance->ParameterValue (masterBypassID) : 0.0;
            instance.reset();

            auto made = std::make_unique<fakehost::HostEffect> (effect, *component, *log, static_cast<float> (sampleRate));

            if (! made->IsCreated() || made->Initialize() != AAX_SUCCESS)
            {
                error = "the AAX plug-in refused to start";
                return false;
            }

            if (! state.empty())
                made->SetChunk (stateChunk, state);

            made->SetParameter (masterBypassID, bypass);
            made->GenerateCoefficients();
            instance = std::move (made);
            instanceRate = sampleRate;
            ids = instance->ParameterIDs();
            log->Clear();
            return true;
        }

        juce::String getFormatName() const override     { return "AAX"; }

        juce::String getName() override
        {
            // The longest of the names the effect registered.
            juce::String name;

            for (const auto& n : module->Effects().front().names)
                if (static_cast<int> (n.size()) > name.length())
                    name = juce::String::fromUTF8 (n.c_str());

            return name;
        }

        juce::String getMaker() override                 { return module->Effects().front().manufacturer; }

        juce::String getVersion() override
        {
            const auto v = module->Effects().front().packageVersion;
            return juce::String ((v >> 16) & 0xff) + "." + juce::String ((v >> 8) & 0xff) + "." + juce::String (v & 0xff);
        }

        int getNumParameters() override                  { return static_cast<int> (ids.size()); }
        juce::String getParameterName (int index) override { return isIndex (index) ? text (instance->ParameterName (id (index))) : juce::String(); }
        float getParameter (int index) override          { return isIndex (index) ? static_cast<float> (instance->ParameterValue (id (index))) : 0.0f; }
        juce::String getParameterText (int index) override { return isIndex (index) ? text (instance->ParameterText (id (index))) : juce::String(); }

        void setParameter (int index, float value) override
        {
            if (isIndex (index))
            {
                instance->SetParameter (id (index), static_cast<double> (value));
                instance->GenerateCoefficients();
            }
        }

        bool isWrapperParameter (int index) override     { return isIndex (index) && id (index) == masterBypassID; }

        // The format has no programs of its own; the processor's live in its state chunk.
        int getNumPrograms() override                    { return 0; }
        juce::String getProgramName (int) override       { return {}; }
        int getCurrentProgram() override                 { return 0; }
        void setCurrentProgram (int) override            {}

        bool prepare (double sampleRate, int, int numChannels, juce::String& error) override
        {
            if (! instantiate (numChannels, sampleRate, error))
                return false;

            numProcessingChannels = instance->Component().NumInputs();
            return true;
        }

        int getNumProcessingChannels() const override    { return numProcessingChannels; }

        void process (juce::AudioBuffer<float>& buffer) override
        {
            auto* const* channels = buffer.getArrayOfWritePointers();
            instance->Process (channels, channels, buffer.getNumSamples());
        }

        void release() override {}

    private:
        bool isIndex (int index) const noexcept          { return index >= 0 && static_cast<size_t> (index) < ids.size(); }
        const std::string& id (int index) const          { return ids[static_cast<size_t> (index)]; }
        static juce::String text (const std::string& s)  { return juce::String::fromUTF8 (s.c_str()); }

        std::unique_ptr<fakehost::HostLog> log;
        std::unique_ptr<fakehost::HostModule> module;
        std::unique_ptr<fakehost::HostEffect> instance;
        std::vector<std::string> ids;
        double instanceRate = 0.0;
        int numProcessingChannels = 0;
    };

    class AAXLoader final : public PluginLoader
    {
    public:
        juce::String getFormatName() const override  { return "AAX"; }

        bool recognises (const juce::File& file) const override
        {
            return findBundle (file, ".aaxplugin") != juce::File();
        }

        std::unique_ptr<LoadedPlugin> load (const juce::File& file, double sampleRate,
                                            int, juce::String& error) override
        {
            const auto binary = findBinary (file);

            if (! binary.existsAsFile())
            {
                error = "no AAX module at " + binary.getFullPathName();
                return nullptr;
            }

            auto log = std::make_unique<fakehost::HostLog>();
            auto module = std::make_unique<fakehost::HostModule> (binary.getFullPathName().toStdString(), *log);

            if (! module->IsLoaded())
            {
                error = module->Error();
                return nullptr;
            }

            if (module->StartUp() != ACF_OK || module->Register() != ACF_OK || module->Effects().empty())
            {
                error = "the AAX module registered no effect: " + binary.getFullPathName();
                return nullptr;
            }

            auto plugin = std::make_unique<AAXPlugin> (std::move (log), std::move (module));

            if (! plugin->instantiate (2, sampleRate, error))
                return nullptr;

            return plugin;
        }
    };

    const PluginLoaderRegistration registration { 35, [] { return std::make_unique<AAXLoader>(); } };
}

} // namespace hushmoor::render
