// The VST 2.4 loader: opens the binary with dlopen, calls its VSTPluginMain with a host
// callback of our own and drives the plug-in through its AEffect record, as a VST 2.4
// host does.
#include "tools/render/LoadedPlugin.h"

#include "vst2/AEffect.h"
#include "vst2/VstOpcodes.h"

#include <atomic>
#include <cstring>
#include <dlfcn.h>

namespace hushmoor::render
{

namespace
{
    // What the host callback answers; the tool renders one plug-in at a time, offline.
    std::atomic<double> hostSampleRate { 44100.0 };
    std::atomic<int> hostBlockSize { 512 };

    std::intptr_t hostCallback (AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float)
    {
        switch (opcode)
        {
            case toInt (VstHostOpcode::version):                return 2400;
            case toInt (VstHostOpcode::getSampleRate):          return static_cast<std::intptr_t> (hostSampleRate.load());
            case toInt (VstHostOpcode::getBlockSize):           return hostBlockSize.load();
            case toInt (VstHostOpcode::getCurrentProcessLevel): return vstProcessLevelOffline;
            default:                                            return 0;
        }
    }

    /** Owns the dlopen handle; closes it last. */
    struct LibraryHandle
    {
        explicit LibraryHandle (void* h) noexcept : handle (h) {}
        ~LibraryHandle()                                    { if (handle != nullptr) dlclose (handle); }
        LibraryHandle (const LibraryHandle&) = delete;
        LibraryHandle& operator= (const LibraryHandle&) = delete;
        void* handle;
    };

    class Vst2Plugin final : public LoadedPlugin
    {
    public:
        Vst2Plugin (std::unique_ptr<LibraryHandle> lib, AEffect* e) : library (std::move (lib)), effect (e)
        {
            dispatch (VstDispatcherOpcode::open);
        }

        ~Vst2Plugin() override
        {
            release();
            // Opcode 1 deletes the plug-in object; the library goes after it.
            dispatch (VstDispatcherOpcode::close);
        }

        juce::String getFormatName() const override     { return "VST2"; }
        juce::String getName() override                  { return text (VstDispatcherOpcode::getEffectName); }
        juce::String getMaker() override                 { return text (VstDispatcherOpcode::getVendorString); }

        juce::String getVersion() override
        {
            const auto v = static_cast<int> (dispatch (VstDispatcherOpcode::getVendorVersion));
            return juce::String ((v >> 16) & 0xff) + "." + juce::String ((v >> 8) & 0xff) + "." + juce::String (v & 0xff);
        }

        int getNumParameters() override                  { return effect->numParams; }
        juce::String getParameterName (int index) override { return text (VstDispatcherOpcode::getParameterName, index); }
        float getParameter (int index) override          { return effect->getParameter (effect, index); }
        juce::String getParameterText (int index) override { return text (VstDispatcherOpcode::getParameterDisplay, index); }
        void setParameter (int index, float value) override { effect->setParameter (effect, index, value); }

        int getNumPrograms() override                    { return effect->numPrograms; }

        juce::String getProgramName (int index) override
        {
            char buffer[256] {};
            dispatch (VstDispatcherOpcode::getProgramNameIndexed, index, 0, buffer);
            return juce::String::fromUTF8 (buffer);
        }

        int getCurrentProgram() override                 { return static_cast<int> (dispatch (VstDispatcherOpcode::getProgram)); }
        void setCurrentProgram (int index) override      { dispatch (VstDispatcherOpcode::setProgram, 0, index); }

        bool prepare (double sampleRate, int maximumBlockSize, int numChannels, juce::String& error) override
        {
            release();

            // The record's channel counts are fixed; a mono request is rendered through them.
            numProcessingChannels = juce::jmax (effect->numInputs, effect->numOutputs);

            if (numProcessingChannels < numChannels || numProcessingChannels <= 0)
            {
                error = "the plug-in has " + juce::String (effect->numInputs) + " inputs and "
                        + juce::String (effect->numOutputs) + " outputs";
                return false;
            }

            hostSampleRate = sampleRate;
            hostBlockSize = maximumBlockSize;
            dispatch (VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, static_cast<float> (sampleRate));
            dispatch (VstDispatcherOpcode::setBlockSize, 0, maximumBlockSize);
            dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
            prepared = true;
            return true;
        }

        int getNumProcessingChannels() const override    { return numProcessingChannels; }

        void process (juce::AudioBuffer<float>& buffer) override
        {
            auto* const* channels = buffer.getArrayOfWritePointers();
            effect->processReplacing (effect, const_cast<float**> (channels), const_cast<float**> (channels),
                                      buffer.getNumSamples());
        }

        void processInto (const juce::AudioBuffer<float>& input, juce::AudioBuffer<float>& output) override
        {
            auto* const* in = input.getArrayOfReadPointers();
            auto* const* out = output.getArrayOfWritePointers();
            effect->processReplacing (effect, const_cast<float**> (in), const_cast<float**> (out), output.getNumSamples());
        }

        void release() override
        {
            if (prepared)
                dispatch (VstDispatcherOpcode::suspendResume, 0, 0);

            prepared = false;
        }

    private:
        std::intptr_t dispatch (VstDispatcherOpcode op, std::int32_t index = 0, std::intptr_t value = 0,
                                void* ptr = nullptr, float opt = 0.0f)
        {
            return effect->dispatcher (effect, toInt (op), index, value, ptr, opt);
        }

        juce::String text (VstDispatcherOpcode op, std::int32_t index = 0)
        {
            char buffer[256] {};
            dispatch (op, index, 0, buffer);
            return juce::String::fromUTF8 (buffer);
        }

        std::unique_ptr<LibraryHandle> library;
        AEffect* effect;
        bool prepared = false;
        int numProcessingChannels = 0;
    };

    class Vst2Loader final : public PluginLoader
    {
    public:
        juce::String getFormatName() const override  { return "VST2"; }

        bool recognises (const juce::File& file) const override
        {
            // A bare shared object; one inside a bundle belongs to the VST3 or AAX loader.
            return file.existsAsFile() && file.hasFileExtension (".so")
                && findBundle (file, ".vst3") == juce::File() && findBundle (file, ".aaxplugin") == juce::File();
        }

        std::unique_ptr<LoadedPlugin> load (const juce::File& file, double sampleRate,
                                            int blockSize, juce::String& error) override
        {
            hostSampleRate = sampleRate;
            hostBlockSize = blockSize;

            auto library = std::make_unique<LibraryHandle> (dlopen (file.getFullPathName().toRawUTF8(), RTLD_NOW | RTLD_LOCAL));

            if (library->handle == nullptr)
            {
                const char* why = dlerror();
                error = "cannot load " + file.getFullPathName() + (why != nullptr ? ": " + juce::String (why) : juce::String());
                return nullptr;
            }

            using Entry = AEffect* (*) (VstHostCallback);
            auto entry = reinterpret_cast<Entry> (dlsym (library->handle, "VSTPluginMain"));

            if (entry == nullptr)
                entry = reinterpret_cast<Entry> (dlsym (library->handle, "main_macho"));

            if (entry == nullptr)
            {
                error = "not a VST 2.4 plug-in (no VSTPluginMain): " + file.getFullPathName();
                return nullptr;
            }

            auto* effect = entry (&hostCallback);

            if (effect == nullptr || effect->magic != vstEffectMagic)
            {
                error = "the VST 2.4 plug-in refused to start: " + file.getFullPathName();
                return nullptr;
            }

            return std::make_unique<Vst2Plugin> (std::move (library), effect);
        }
    };

    const PluginLoaderRegistration registration { 40, [] { return std::make_unique<Vst2Loader>(); } };
}

} // namespace hushmoor::render
