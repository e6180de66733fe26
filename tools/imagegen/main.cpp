// Writes the editor's seven PNG images into a folder (the repository's gui/images by default
// through the hushmoor_images target). Usage: hushmoor_imagegen <output folder>
#include "tools/imagegen/HushmoorArtwork.h"

#include <juce_events/juce_events.h>
#include <juce_graphics/juce_graphics.h>

#include <iostream>

namespace
{
    bool writePng (const juce::Image& image, const juce::File& file)
    {
        file.deleteFile();
        juce::FileOutputStream stream (file);

        if (! stream.openedOk())
            return false;

        juce::PNGImageFormat png;
        return png.writeImageToStream (image, stream) && stream.getStatus().wasOk();
    }
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: hushmoor_imagegen <output folder>\n";
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI juce;
    using namespace hushmoor::artwork;

    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (juce::String::fromUTF8 (argv[1]));

    if (! folder.createDirectory())
    {
        std::cerr << "cannot create " << folder.getFullPathName() << "\n";
        return 1;
    }

    const auto background = createBackground();

    const std::pair<const char*, juce::Image> images[] {
        { "hmr_bg.png",    background },
        { "bypass.png",    createBypassFilmstrip (background) },
        { "dualmono.png",  createDualMonoFilmstrip (background) },
        { "threshold.png", createKnobFilmstrip (background, KnobKind::threshold) },
        { "attack.png",    createKnobFilmstrip (background, KnobKind::attack) },
        { "decay.png",     createKnobFilmstrip (background, KnobKind::decay) },
        { "about_hmr.png", createAboutPicture() }
    };

    for (const auto& [name, image] : images)
    {
        const auto file = folder.getChildFile (name);

        if (! writePng (image, file))
        {
            std::cerr << "cannot write " << file.getFullPathName() << "\n";
            return 1;
        }

        std::cout << file.getFullPathName() << ": " << image.getWidth() << " x " << image.getHeight()
                  << (image.hasAlphaChannel() ? " RGBA" : " RGB") << "\n";
    }

    return 0;
}
