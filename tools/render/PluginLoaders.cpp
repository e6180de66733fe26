#include "tools/render/LoadedPlugin.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace hushmoor::render
{

namespace
{
    struct Entry
    {
        int order;
        PluginLoaderRegistration::Factory factory;
    };

    std::vector<Entry>& registry()
    {
        static std::vector<Entry> entries;
        return entries;
    }
}

PluginLoaderRegistration::PluginLoaderRegistration (int order, Factory factory)
{
    registry().push_back ({ order, std::move (factory) });
}

std::vector<std::unique_ptr<PluginLoader>> createPluginLoaders()
{
    auto entries = registry();
    std::stable_sort (entries.begin(), entries.end(),
                      [] (const Entry& a, const Entry& b) { return a.order < b.order; });

    std::vector<std::unique_ptr<PluginLoader>> loaders;

    for (auto& entry : entries)
        if (auto loader = entry.factory())
            loaders.push_back (std::move (loader));

    return loaders;
}

juce::File findBundle (const juce::File& file, const juce::String& extension)
{
    if (file.hasFileExtension (extension))
        return file;

    const auto contents = file.getParentDirectory().getParentDirectory();
    const auto bundle = contents.getParentDirectory();

    if (file.hasFileExtension (".so") && contents.getFileName() == "Contents" && bundle.hasFileExtension (extension))
        return bundle;

    return {};
}

std::unique_ptr<LoadedPlugin> loadPlugin (const juce::File& file, const juce::String& formatName,
                                          double sampleRate, int blockSize, juce::String& error)
{
    if (! file.exists())
    {
        error = "no such file or folder: " + file.getFullPathName();
        return nullptr;
    }

    auto loaders = createPluginLoaders();
    juce::StringArray known;

    for (auto& loader : loaders)
    {
        known.add (loader->getFormatName());

        const bool chosen = formatName.isNotEmpty() ? loader->getFormatName().equalsIgnoreCase (formatName)
                                                    : loader->recognises (file);
        if (chosen)
        {
            auto plugin = loader->load (file, sampleRate, blockSize, error);

            if (plugin == nullptr && error.isEmpty())
                error = "not a loadable " + loader->getFormatName() + " plug-in: " + file.getFullPathName();

            return plugin;
        }
    }

    if (formatName.isNotEmpty())
        error = "unknown plug-in format \"" + formatName + "\" (this tool knows: " + known.joinIntoString (", ") + ")";
    else
        error = "not a plug-in binary this tool can load (" + known.joinIntoString (", ") + "): " + file.getFullPathName();

    return nullptr;
}

} // namespace hushmoor::render
