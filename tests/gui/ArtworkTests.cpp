#include "tests/gui/GuiTestSupport.h"

#include "GraviloHushmoorBinImg.h"
#include "gui/HushmoorLayout.h"

using namespace hushmoor;

namespace
{
    struct Artwork
    {
        const char* name;
        const char* data;
        int size;
        int width, height;
        bool hasAlpha;
        int numFrames;
        layout::Box bounds;   // where an opaque filmstrip sits on the panel
    };

    const Artwork artworks[] {
        { "hmr_bg",    GraviloHushmoorBinImg::hmr_bg_png,    GraviloHushmoorBinImg::hmr_bg_pngSize,    325,  366, true,  1,   {} },
        { "bypass",    GraviloHushmoorBinImg::bypass_png,    GraviloHushmoorBinImg::bypass_pngSize,     90,  396, false, 4,   layout::bypassButton },
        { "dualmono",  GraviloHushmoorBinImg::dualmono_png,  GraviloHushmoorBinImg::dualmono_pngSize,  113,  250, false, 2,   layout::dualMonoButton },
        { "threshold", GraviloHushmoorBinImg::threshold_png, GraviloHushmoorBinImg::threshold_pngSize,  96, 7373, false, 101, layout::thresholdKnob },
        { "attack",    GraviloHushmoorBinImg::attack_png,    GraviloHushmoorBinImg::attack_pngSize,     96, 7373, false, 101, layout::attackKnob },
        { "decay",     GraviloHushmoorBinImg::decay_png,     GraviloHushmoorBinImg::decay_pngSize,      96, 7373, false, 101, layout::decayKnob },
        { "about_hmr", GraviloHushmoorBinImg::about_hmr_png, GraviloHushmoorBinImg::about_hmr_pngSize, 325,  365, true,  1,   {} },
    };

    juce::Image decode (const Artwork& a)
    {
        return juce::ImageFileFormat::loadFrom (a.data, (size_t) a.size);
    }

    juce::Image background()
    {
        return decode (artworks[0]);
    }

    int differingPixels (const juce::Image& image, int frameA, int frameB, int frameHeight)
    {
        auto count = 0;
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, frameA * frameHeight + y) != image.getPixelAt (x, frameB * frameHeight + y))
                    ++count;
        return count;
    }
}

TEST (EmbeddedArtwork, HasTheSizesAndPixelFormatsTheEditorNeeds)
{
    for (const auto& a : artworks)
    {
        SCOPED_TRACE (a.name);
        ASSERT_GT (a.size, 33);

        // The PNG header: signature, then IHDR with width, height, depth and colour type
        // (2 = RGB, 6 = RGB with alpha).
        const auto* bytes = reinterpret_cast<const unsigned char*> (a.data);
        EXPECT_EQ (std::memcmp (bytes, "\x89PNG\r\n\x1a\n", 8), 0);
        EXPECT_EQ (std::memcmp (bytes + 12, "IHDR", 4), 0);
        const auto be32 = [bytes] (int at) { return (bytes[at] << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3]; };
        EXPECT_EQ (be32 (16), a.width);
        EXPECT_EQ (be32 (20), a.height);
        EXPECT_EQ (bytes[24], 8) << "bit depth";
        EXPECT_EQ (bytes[25], a.hasAlpha ? 6 : 2) << "colour type";

        const auto image = decode (a);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), a.width);
        EXPECT_EQ (image.getHeight(), a.height);
        EXPECT_EQ (image.hasAlphaChannel(), a.hasAlpha);
    }
}

TEST (EmbeddedArtwork, ThePanelIsOpaque)
{
    const auto bg = background();
    for (int y = 0; y < bg.getHeight(); ++y)
        for (int x = 0; x < bg.getWidth(); ++x)
            ASSERT_EQ (bg.getPixelAt (x, y).getAlpha(), 255) << x << ", " << y;
}

TEST (EmbeddedArtwork, EveryFilmstripFrameCarriesThePanelUnderItsControl)
{
    const auto bg = background();

    for (const auto& a : artworks)
    {
        if (a.hasAlpha)
            continue;

        SCOPED_TRACE (a.name);
        const auto strip = decode (a);
        const auto frameHeight = a.height / a.numFrames;
        ASSERT_EQ (frameHeight, a.bounds.height);
        ASSERT_EQ (a.width, a.bounds.width);

        // The corners lie outside every drawn control, so they must match the panel.
        for (int frame = 0; frame < a.numFrames; ++frame)
            for (auto [x, y] : { std::pair { 0, 0 }, { a.width - 1, 0 }, { 0, frameHeight - 1 }, { a.width - 1, frameHeight - 1 } })
                ASSERT_EQ (strip.getPixelAt (x, frame * frameHeight + y), bg.getPixelAt (a.bounds.x + x, a.bounds.y + y))
                    << "frame " << frame << " at " << x << ", " << y;
    }
}

TEST (EmbeddedArtwork, KnobPointersMoveOnEveryFrameAndSwitchesLightUp)
{
    for (const auto& a : artworks)
    {
        if (a.hasAlpha)
            continue;

        SCOPED_TRACE (a.name);
        const auto strip = decode (a);
        const auto frameHeight = a.height / a.numFrames;

        for (int frame = 1; frame < a.numFrames; ++frame)
            EXPECT_GT (differingPixels (strip, frame - 1, frame, frameHeight), 5) << "frame " << frame;
    }

    // The footswitch's lit frames differ from the unlit ones around the lamp.
    const auto bypass = decode (artworks[1]);
    EXPECT_GT (bypass.getPixelAt (45, 2 * 99 + 25).getRed(), bypass.getPixelAt (45, 25).getRed() + 80);
}

TEST (EmbeddedArtwork, TheAboutPictureLeavesADarkPlaceForTheVersionText)
{
    const auto about = decode (artworks[6]);
    const auto box = layout::versionLabel;

    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
        {
            const auto pixel = about.getPixelAt (x, y);
            ASSERT_EQ (pixel.getAlpha(), 255) << x << ", " << y;
            ASSERT_LT (pixel.getBrightness(), 0.3f) << x << ", " << y;
        }
}
