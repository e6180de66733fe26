#pragma once

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

#include <functional>
#include <memory>

namespace hushmoor::render
{

/**
    One plug-in binary loaded the way a DAW loads it, whatever its format. The render
    tool talks only to this interface; each format has its own loader in its own source
    file (Vst3Loader.cpp here; a VST 2.4 loader goes through the AEffect record).

    All calls come from the thread that loaded the plug-in (the tool's message thread),
    except process(), which the tool also calls from there, block after block.
*/
class LoadedPlugin
{
public:
    virtual ~LoadedPlugin() = default;

    /** "VST3", "VST2", ... */
    virtual juce::String getFormatName() const = 0;
    virtual juce::String getName() = 0;
    virtual juce::String getMaker() = 0;
    virtual juce::String getVersion() = 0;

    /** Every parameter that the host sees, including ones the format's wrapper adds. */
    virtual int getNumParameters() = 0;
    virtual juce::String getParameterName (int index) = 0;
    /** The normalised value, 0..1. */
    virtual float getParameter (int index) = 0;
    /** The plug-in's display text for the parameter's current value. */
    virtual juce::String getParameterText (int index) = 0;
    virtual void setParameter (int index, float normalisedValue) = 0;
    /** True for a parameter the format's wrapper adds by itself (VST3 Bypass and Program). */
    virtual bool isWrapperParameter (int /*index*/)                    { return false; }

    virtual int getNumPrograms() = 0;
    virtual juce::String getProgramName (int index) = 0;
    virtual int getCurrentProgram() = 0;
    virtual void setCurrentProgram (int index) = 0;

    /** Readies the plug-in for numChannels in and out (1 or 2). False, with a message,
        when the plug-in takes neither that layout nor a stereo one. */
    virtual bool prepare (double sampleRate, int maximumBlockSize, int numChannels, juce::String& error) = 0;
    /** The channel count the plug-in was prepared with (what process() wants). */
    virtual int getNumProcessingChannels() const = 0;
    /** Processes the buffer in place: getNumProcessingChannels() channels, at most
        maximumBlockSize samples. */
    virtual void process (juce::AudioBuffer<float>& buffer) = 0;
    /** Processes input into a separate output of the same size, as a host with separate
        input and output buffers does. By default a copy, then process() in place. */
    virtual void processInto (const juce::AudioBuffer<float>& input, juce::AudioBuffer<float>& output)
    {
        output.makeCopyOf (input, true);
        process (output);
    }
    virtual void release() = 0;

    /** Lets messages (parameter and program changes on their way to the plug-in's
        audio side) go through; a format with nothing to deliver does nothing. */
    virtual void pumpMessages()                                        {}
};

/** Loads one plug-in format. Each loader registers itself with a PluginLoaderRegistration. */
class PluginLoader
{
public:
    virtual ~PluginLoader() = default;

    /** "VST3", "VST2", ... (compared case-insensitively with --format). */
    virtual juce::String getFormatName() const = 0;

    /** True when the file looks like this loader's kind of binary (by its name or
        layout; no code is run). */
    virtual bool recognises (const juce::File& file) const = 0;

    /** Loads the plug-in, or gives nullptr and a message that says why not. Never throws. */
    virtual std::unique_ptr<LoadedPlugin> load (const juce::File& file, double sampleRate,
                                                int blockSize, juce::String& error) = 0;
};

/** A static object of this type in a loader's source file adds the loader to the tool. */
struct PluginLoaderRegistration
{
    using Factory = std::function<std::unique_ptr<PluginLoader>()>;
    PluginLoaderRegistration (int order, Factory factory);
};

/** The bundle folder for a path to a bundle with that extension (".vst3") or to the
    binary inside it (<Name><extension>/Contents/<arch>-linux/<Name>.so); none otherwise. */
juce::File findBundle (const juce::File& file, const juce::String& extension);

/** Every registered loader, in the order given at registration. */
std::vector<std::unique_ptr<PluginLoader>> createPluginLoaders();

/**
    Loads a plug-in binary: through the loader named by formatName if it is not empty,
    else through the first loader that recognises the file. A missing file, a file no
    loader recognises or a binary that fails to load gives nullptr and a message.
*/
std::unique_ptr<LoadedPlugin> loadPlugin (const juce::File& file, const juce::String& formatName,
                                          double sampleRate, int blockSize, juce::String& error);

} // namespace hushmoor::render
