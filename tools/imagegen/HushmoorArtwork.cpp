#include "tools/imagegen/HushmoorArtwork.h"

#include <cmath>

namespace hushmoor::artwork
{
namespace
{
    using juce::Colour;
    using juce::Graphics;
    using juce::Image;
    using juce::Path;

    const Colour panelTop      { 0xff2a2f35 };
    const Colour panelBottom   { 0xff16191c };
    const Colour labelText     { 0xffd3d3d3 };
    const Colour dimText       { 0xff868d94 };
    const Colour accent        { 0xff46c8b4 };
    const Colour accentDim     { 0xff1d3d3a };
    const Colour ledRedLit     { 0xffff4433 };
    const Colour ledRedDark    { 0xff40120e };

    constexpr float pi = juce::MathConstants<float>::pi;
    constexpr float knobStartAngle = -0.75f * pi;   // 7:30 o'clock
    constexpr float knobEndAngle   =  0.75f * pi;   // 4:30 o'clock

    juce::Font sansFont (float height, bool bold = false)
    {
        return juce::Font ("DejaVu Sans", height, bold ? juce::Font::bold : juce::Font::plain);
    }

    juce::Font spacedFont (float height, bool bold, float kerning)
    {
        auto font = sansFont (height, bold);
        font.setExtraKerningFactor (kerning);
        return font;
    }

    juce::Point<float> onCircle (float cx, float cy, float radius, float angle)
    {
        // Angles run clockwise from twelve o'clock, as on a knob's scale.
        return { cx + radius * std::sin (angle), cy - radius * std::cos (angle) };
    }

    // Deterministic fine grain with horizontal streaks: a brushed-metal feel that stays
    // identical from one run to the next.
    void addBrushedGrain (Image& image, int seed, float strength)
    {
        juce::Random random (seed);
        const Image::BitmapData pixels (image, Image::BitmapData::readWrite);

        for (int y = 0; y < image.getHeight(); ++y)
        {
            const auto rowShade = (random.nextFloat() - 0.5f) * strength;
            auto streak = 0.0f;

            for (int x = 0; x < image.getWidth(); ++x)
            {
                streak = 0.92f * streak + 0.08f * (random.nextFloat() - 0.5f) * strength * 4.0f;
                const auto grain = (random.nextFloat() - 0.5f) * strength * 0.6f;
                const auto colour = pixels.getPixelColour (x, y);
                const auto delta = rowShade * 0.5f + streak + grain;
                pixels.setPixelColour (x, y, delta >= 0.0f ? colour.brighter (delta) : colour.darker (-delta));
            }
        }
    }

    void drawScrew (Graphics& g, float cx, float cy)
    {
        const auto r = 4.5f;
        g.setColour (Colour (0x90000000));
        g.fillEllipse (cx - r, cy - r + 1.0f, 2.0f * r, 2.0f * r);
        g.setGradientFill (juce::ColourGradient (Colour (0xff9aa1a8), cx - r, cy - r,
                                                 Colour (0xff3b4046), cx + r, cy + r, false));
        g.fillEllipse (cx - r, cy - r, 2.0f * r, 2.0f * r);
        g.setColour (Colour (0xff24272b));
        Path slot;
        slot.addRectangle (-r + 1.2f, -0.6f, 2.0f * r - 2.4f, 1.2f);
        g.fillPath (slot, juce::AffineTransform::rotation (0.6f).translated (cx, cy));
    }

    void drawGroove (Graphics& g, float x1, float x2, float y)
    {
        g.setColour (Colour (0xff0c0e10));
        g.drawLine (x1, y, x2, y, 1.0f);
        g.setColour (Colour (0x30ffffff));
        g.drawLine (x1, y + 1.0f, x2, y + 1.0f, 1.0f);
    }

    // The product mark: a low moon over three lines of moor.
    void drawMark (Graphics& g, float cx, float cy, float radius, Colour colour)
    {
        Path moon;
        moon.addCentredArc (cx, cy, radius, radius, 0.0f, -0.5f * pi, 0.5f * pi, true);
        g.setColour (colour);
        g.strokePath (moon, juce::PathStrokeType (1.6f, juce::PathStrokeType::curved,
                                                  juce::PathStrokeType::rounded));

        for (int i = 0; i < 3; ++i)
        {
            const auto y = cy + 3.0f + (float) i * 4.0f;
            const auto half = radius * (1.25f - 0.3f * (float) i);
            g.drawLine (cx - half, y, cx + half, y, 1.6f);
        }
    }

    void drawLed (Graphics& g, float cx, float cy, float r, Colour lit, Colour dark, bool on)
    {
        if (on)
        {
            g.setGradientFill (juce::ColourGradient (lit.withAlpha (0.45f), cx, cy,
                                                     lit.withAlpha (0.0f), cx + 3.2f * r, cy, true));
            g.fillEllipse (cx - 3.2f * r, cy - 3.2f * r, 6.4f * r, 6.4f * r);
        }

        g.setColour (Colour (0xff0a0b0c));
        g.fillEllipse (cx - r - 1.5f, cy - r - 1.5f, 2.0f * r + 3.0f, 2.0f * r + 3.0f);

        const auto body = on ? lit : dark;
        g.setGradientFill (juce::ColourGradient (body.brighter (on ? 0.6f : 0.2f), cx - 0.4f * r, cy - 0.5f * r,
                                                 body.darker (0.3f), cx + r, cy + r, true));
        g.fillEllipse (cx - r, cy - r, 2.0f * r, 2.0f * r);

        g.setColour (Colour (on ? 0xc0ffffff : 0x30ffffff));
        g.fillEllipse (cx - 0.45f * r, cy - 0.6f * r, 0.6f * r, 0.45f * r);
    }

    //==========================================================================
    void drawKnobFrame (Graphics& g, KnobKind kind, float proportion)
    {
        const auto cx = 48.0f, cy = 35.0f;
        const auto angle = knobStartAngle + proportion * (knobEndAngle - knobStartAngle);

        // Scale: eleven ticks, the ends a little longer.
        for (int i = 0; i <= 10; ++i)
        {
            const auto a = knobStartAngle + (float) i / 10.0f * (knobEndAngle - knobStartAngle);
            const auto inner = onCircle (cx, cy, (i == 0 || i == 10) ? 29.0f : 30.0f, a);
            const auto outer = onCircle (cx, cy, 33.5f, a);
            g.setColour (i == 0 || i == 10 ? labelText.withAlpha (0.8f) : dimText.withAlpha (0.8f));
            g.drawLine ({ inner, outer }, 1.2f);
        }

        // Value ring: a dim track with the lit part up to the pointer.
        Path track;
        track.addCentredArc (cx, cy, 26.5f, 26.5f, 0.0f, knobStartAngle, knobEndAngle, true);
        g.setColour (Colour (0xff0b0d0f));
        g.strokePath (track, juce::PathStrokeType (3.0f));

        if (proportion > 0.0f)
        {
            Path lit;
            lit.addCentredArc (cx, cy, 26.5f, 26.5f, 0.0f, knobStartAngle, angle, true);
            g.setColour (accent.withAlpha (0.25f));
            g.strokePath (lit, juce::PathStrokeType (5.0f));
            g.setColour (accent);
            g.strokePath (lit, juce::PathStrokeType (2.0f));
        }

        // Body with its shadow, knurled skirt and a satin cap.
        const auto r = 22.0f;
        juce::DropShadow (Colour (0xc0000000), 8, { 0, 3 }).drawForPath (g, [&] {
            Path p; p.addEllipse (cx - r, cy - r, 2.0f * r, 2.0f * r); return p; }());

        g.setGradientFill (juce::ColourGradient (Colour (0xff3a3f45), cx, cy - r,
                                                 Colour (0xff0e1012), cx, cy + r, false));
        g.fillEllipse (cx - r, cy - r, 2.0f * r, 2.0f * r);

        for (int i = 0; i < 48; ++i)
        {
            const auto a = angle + (float) i / 48.0f * 2.0f * pi;
            const auto p1 = onCircle (cx, cy, r - 3.0f, a);
            const auto p2 = onCircle (cx, cy, r - 0.5f, a);
            const auto lightness = 0.5f + 0.5f * std::cos (a + 0.6f);
            g.setColour (Colour (0xff000000).interpolatedWith (Colour (0xff5a6067), lightness * 0.6f));
            g.drawLine ({ p1, p2 }, 1.0f);
        }

        const auto capR = 17.0f;
        g.setGradientFill (juce::ColourGradient (Colour (0xff4a5057), cx - 6.0f, cy - capR,
                                                 Colour (0xff15181b), cx + 6.0f, cy + capR, false));
        g.fillEllipse (cx - capR, cy - capR, 2.0f * capR, 2.0f * capR);
        g.setColour (Colour (0x50ffffff));
        g.drawEllipse (cx - capR, cy - capR, 2.0f * capR, 2.0f * capR, 0.8f);

        // Pointer line on the cap, with a soft glow.
        const auto p1 = onCircle (cx, cy, 5.0f, angle);
        const auto p2 = onCircle (cx, cy, capR - 2.0f, angle);
        g.setColour (Colour (0x60ffffff));
        g.drawLine ({ p1, p2 }, 3.5f);
        g.setColour (Colour (0xfff4f6f7));
        g.drawLine ({ p1, p2 }, 2.0f);

        // End labels of the scale.
        const char* minText = kind == KnobKind::threshold ? "-\xe2\x88\x9e" : "0";
        const char* maxText = kind == KnobKind::threshold ? "0 dB" : kind == KnobKind::attack ? "200 ms" : "2 s";
        g.setFont (sansFont (8.5f));
        g.setColour (dimText);
        g.drawText (juce::String::fromUTF8 (minText), juce::Rectangle<float> (2.0f, 60.0f, 36.0f, 12.0f),
                    juce::Justification::centred, false);
        g.drawText (maxText, juce::Rectangle<float> (58.0f, 60.0f, 36.0f, 12.0f),
                    juce::Justification::centred, false);
    }

    //==========================================================================
    void drawFootswitchFrame (Graphics& g, bool on, bool down)
    {
        const auto cx = 45.0f;

        g.setFont (spacedFont (11.0f, true, 0.12f));
        g.setColour (labelText);
        g.drawText ("ON", juce::Rectangle<float> (0.0f, 2.0f, 90.0f, 13.0f), juce::Justification::centred, false);

        drawLed (g, cx, 25.0f, 4.5f, ledRedLit, ledRedDark, on);

        // Hex nut, then the plunger; pressing sinks the plunger and darkens its top.
        const auto cy = 65.0f;
        Path hex;
        hex.addPolygon ({ cx, cy }, 6, 25.0f, pi / 6.0f);
        juce::DropShadow (Colour (0xb0000000), 6, { 0, 3 }).drawForPath (g, hex);
        g.setGradientFill (juce::ColourGradient (Colour (0xffb4bbc2), cx - 20.0f, cy - 22.0f,
                                                 Colour (0xff40464c), cx + 18.0f, cy + 22.0f, false));
        g.fillPath (hex);
        g.setColour (Colour (0xff1c1f22));
        g.strokePath (hex, juce::PathStrokeType (0.8f));

        g.setColour (Colour (0xff0d0f11));
        g.fillEllipse (cx - 17.0f, cy - 17.0f, 34.0f, 34.0f);

        const auto r = down ? 13.5f : 15.0f;
        const auto shift = down ? 1.0f : 0.0f;
        g.setGradientFill (juce::ColourGradient (Colour (down ? 0xffa9b0b6 : 0xffe6eaed), cx - 6.0f, cy - r + shift,
                                                 Colour (down ? 0xff3d4247 : 0xff5b6167), cx + 6.0f, cy + r + shift, false));
        g.fillEllipse (cx - r, cy - r + shift, 2.0f * r, 2.0f * r);

        g.setGradientFill (juce::ColourGradient (Colour (down ? 0xff80878d : 0xffc5cbd0), cx, cy - 9.0f + shift,
                                                 Colour (down ? 0xff4e5358 : 0xff7b8288), cx, cy + 9.0f + shift, false));
        g.fillEllipse (cx - 10.0f, cy - 10.0f + shift, 20.0f, 20.0f);
        g.setColour (Colour (0x40000000));
        g.drawEllipse (cx - 10.0f, cy - 10.0f + shift, 20.0f, 20.0f, 0.8f);
    }

    void drawToggleFrame (Graphics& g, bool on)
    {
        const auto cx = 56.5f;

        g.setFont (spacedFont (10.5f, true, 0.12f));
        g.setColour (labelText);
        g.drawText ("DUAL MONO", juce::Rectangle<float> (0.0f, 4.0f, 113.0f, 13.0f), juce::Justification::centred, false);

        drawLed (g, cx, 30.0f, 4.0f, accent.brighter (0.2f), accentDim, on);

        // Position legends: dual mono up, linked stereo down.
        g.setFont (spacedFont (8.5f, false, 0.1f));
        g.setColour (on ? labelText : dimText);
        g.drawText ("DUAL", juce::Rectangle<float> (74.0f, 45.0f, 36.0f, 11.0f), juce::Justification::centredLeft, false);
        g.setColour (on ? dimText : labelText);
        g.drawText ("LINK", juce::Rectangle<float> (74.0f, 100.0f, 36.0f, 11.0f), juce::Justification::centredLeft, false);

        // Mounting plate.
        const juce::Rectangle<float> plate (cx - 16.0f, 42.0f, 32.0f, 74.0f);
        juce::DropShadow (Colour (0xa0000000), 5, { 0, 2 }).drawForRectangle (g, plate.toNearestInt());
        g.setGradientFill (juce::ColourGradient (Colour (0xff4c5258), plate.getX(), plate.getY(),
                                                 Colour (0xff1e2124), plate.getRight(), plate.getBottom(), false));
        g.fillRoundedRectangle (plate, 4.0f);
        g.setColour (Colour (0xff1a1d20));
        g.drawRoundedRectangle (plate, 4.0f, 0.8f);

        const auto cy = 79.0f;
        Path hex;
        hex.addPolygon ({ cx, cy }, 6, 11.0f, 0.0f);
        g.setGradientFill (juce::ColourGradient (Colour (0xffd4d9dd), cx - 8.0f, cy - 9.0f,
                                                 Colour (0xff4d5359), cx + 8.0f, cy + 9.0f, false));
        g.fillPath (hex);
        g.setColour (Colour (0xff101214));
        g.fillEllipse (cx - 5.0f, cy - 5.0f, 10.0f, 10.0f);

        // Bat lever, thick at the tip, thrown up or down.
        const auto tipY = on ? 50.0f : 108.0f;
        Path lever;
        lever.startNewSubPath (cx - 2.5f, cy);
        lever.lineTo (cx + 2.5f, cy);
        lever.lineTo (cx + 4.0f, tipY);
        lever.lineTo (cx - 4.0f, tipY);
        lever.closeSubPath();
        juce::DropShadow (Colour (0xc0000000), 4, { 2, 2 }).drawForPath (g, lever);
        g.setGradientFill (juce::ColourGradient (Colour (0xfff2f4f6), cx - 4.0f, 0.0f,
                                                 Colour (0xff5e656b), cx + 4.0f, 0.0f, false));
        g.fillPath (lever);
        g.setGradientFill (juce::ColourGradient (Colour (0xffffffff), cx - 3.0f, tipY - 3.0f,
                                                 Colour (0xff6c7379), cx + 4.0f, tipY + 4.0f, true));
        g.fillEllipse (cx - 5.0f, tipY - 5.0f, 10.0f, 10.0f);
    }

    // Draws frames of one size stacked from the top, each on its piece of the background.
    template <typename DrawFrame>
    Image makeFilmstrip (const Image& background, layout::Box box, int numFrames, DrawFrame&& drawFrame)
    {
        Image strip (Image::RGB, box.width, box.height * numFrames, true);
        Graphics g (strip);
        const auto piece = cutBackground (background, box);

        for (int frame = 0; frame < numFrames; ++frame)
        {
            const juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (0, frame * box.height, box.width, box.height);
            g.setOrigin (0, frame * box.height);
            g.drawImageAt (piece, 0, 0);
            drawFrame (g, frame);
        }

        return strip;
    }
}

//==============================================================================
Image cutBackground (const Image& background, layout::Box box)
{
    Image piece (Image::RGB, box.width, box.height, true);
    Graphics g (piece);
    g.drawImage (background, 0, 0, box.width, box.height, box.x, box.y, box.width, box.height);
    return piece;
}

Image createBackground()
{
    const auto w = (float) layout::editorWidth;
    const auto h = (float) layout::editorHeight;

    Image image (Image::ARGB, layout::editorWidth, layout::editorHeight, true);
    {
        Graphics g (image);
        g.setGradientFill (juce::ColourGradient (panelTop, 0.0f, 0.0f, panelBottom, 0.0f, h, false));
        g.fillAll();
    }

    addBrushedGrain (image, 0x4875, 0.05f);

    Graphics g (image);

    // Bevelled edge of the faceplate.
    g.setColour (Colour (0x38ffffff));
    g.drawLine (0.0f, 0.5f, w, 0.5f, 1.0f);
    g.drawLine (0.5f, 0.0f, 0.5f, h, 1.0f);
    g.setColour (Colour (0xff08090a));
    g.drawLine (0.0f, h - 0.5f, w, h - 0.5f, 1.0f);
    g.drawLine (w - 0.5f, 0.0f, w - 0.5f, h, 1.0f);

    drawScrew (g, 8.0f, 8.0f);
    drawScrew (g, w - 8.0f, 8.0f);
    drawScrew (g, 8.0f, h - 8.0f);
    drawScrew (g, w - 8.0f, h - 8.0f);

    // Header.
    g.setFont (spacedFont (12.5f, true, 0.16f));
    g.setColour (labelText);
    g.drawText ("GRAVILO HUSHMOOR", juce::Rectangle<float> (20.0f, 10.0f, 200.0f, 16.0f),
                juce::Justification::centredLeft, false);
    g.setFont (spacedFont (9.5f, false, 0.2f));
    g.setColour (accent);
    g.drawText ("NOISE GATE", juce::Rectangle<float> (200.0f, 10.0f, 105.0f, 16.0f),
                juce::Justification::centredRight, false);
    drawGroove (g, 18.0f, w - 18.0f, 31.0f);

    // Knob names under the knobs.
    g.setFont (spacedFont (10.5f, true, 0.14f));
    g.setColour (labelText);
    const std::pair<layout::Box, const char*> knobs[] { { layout::thresholdKnob, "THRESHOLD" },
                                                        { layout::attackKnob, "ATTACK" },
                                                        { layout::decayKnob, "DECAY" } };
    for (const auto& [box, name] : knobs)
        g.drawText (name, juce::Rectangle<int> (box.x, box.y + box.height + 4, box.width, 14),
                    juce::Justification::centred, false);

    drawGroove (g, 18.0f, w - 18.0f, 145.0f);

    // Recessed well behind the dual-mono toggle.
    {
        const juce::Rectangle<float> well (18.0f, 160.0f, 101.0f, 136.0f);
        g.setColour (Colour (0x40000000));
        g.fillRoundedRectangle (well, 6.0f);
        g.setColour (Colour (0x18ffffff));
        g.drawRoundedRectangle (well.translated (0.0f, 1.0f), 6.0f, 1.0f);
        g.setColour (Colour (0xa0000000));
        g.drawRoundedRectangle (well, 6.0f, 1.0f);
    }

    // Product mark and name on the open part of the panel.
    drawMark (g, 225.0f, 182.0f, 18.0f, accent.withAlpha (0.85f));
    g.setFont (juce::Font ("DejaVu Serif", 25.0f, juce::Font::italic));
    g.setColour (labelText);
    g.drawText ("Hushmoor", juce::Rectangle<float> (140.0f, 204.0f, 170.0f, 30.0f), juce::Justification::centred, false);
    g.setFont (spacedFont (8.5f, false, 0.3f));
    g.setColour (dimText);
    g.drawText ("STEREO NOISE GATE", juce::Rectangle<float> (140.0f, 234.0f, 170.0f, 12.0f),
                juce::Justification::centred, false);

    // Maker's plate; the invisible about hotspot lies over it.
    {
        const juce::Rectangle<float> plate (20.0f, 318.0f, 196.0f, 31.0f);
        juce::DropShadow (Colour (0x90000000), 5, { 0, 2 }).drawForRectangle (g, plate.toNearestInt());
        g.setGradientFill (juce::ColourGradient (Colour (0xff32373d), 0.0f, plate.getY(),
                                                 Colour (0xff1b1e21), 0.0f, plate.getBottom(), false));
        g.fillRoundedRectangle (plate, 3.0f);
        g.setColour (Colour (0x30ffffff));
        g.drawRoundedRectangle (plate, 3.0f, 0.8f);

        g.setFont (spacedFont (15.0f, true, 0.35f));
        g.setColour (labelText);
        g.drawText ("BRIVEL", juce::Rectangle<float> (32.0f, 318.0f, 100.0f, 31.0f), juce::Justification::centredLeft, false);

        g.setFont (spacedFont (7.5f, false, 0.2f));
        g.setColour (dimText);
        g.drawText ("AUDIO TOOLS", juce::Rectangle<float> (120.0f, 318.0f, 70.0f, 31.0f), juce::Justification::centredLeft, false);

        // A small "i": the plate opens the about panel.
        const auto ix = 200.0f, iy = 333.5f;
        g.setColour (accent.withAlpha (0.8f));
        g.drawEllipse (ix - 6.0f, iy - 6.0f, 12.0f, 12.0f, 1.0f);
        g.setFont (juce::Font ("DejaVu Serif", 10.0f, juce::Font::bold));
        g.drawText ("i", juce::Rectangle<float> (ix - 6.0f, iy - 6.0f, 12.0f, 12.0f), juce::Justification::centred, false);
    }

    return image;
}

Image createBypassFilmstrip (const Image& background)
{
    return makeFilmstrip (background, layout::bypassButton, layout::bypassFrames, [] (Graphics& g, int frame)
    {
        drawFootswitchFrame (g, frame >= 2, (frame % 2) == 1);
    });
}

Image createDualMonoFilmstrip (const Image& background)
{
    return makeFilmstrip (background, layout::dualMonoButton, layout::dualMonoFrames, [] (Graphics& g, int frame)
    {
        drawToggleFrame (g, frame == 1);
    });
}

Image createKnobFilmstrip (const Image& background, KnobKind kind)
{
    const auto box = kind == KnobKind::threshold ? layout::thresholdKnob
                   : kind == KnobKind::attack    ? layout::attackKnob
                                                 : layout::decayKnob;

    return makeFilmstrip (background, box, layout::knobFrames, [kind] (Graphics& g, int frame)
    {
        drawKnobFrame (g, kind, (float) frame / (float) (layout::knobFrames - 1));
    });
}

Image createAboutPicture()
{
    Image image (Image::ARGB, layout::aboutWidth, layout::aboutHeight, true);
    Graphics g (image);

    g.fillAll (Colour (0xd0080a0c));

    const juce::Rectangle<float> card (20.0f, 24.0f, 285.0f, 232.0f);
    juce::DropShadow (Colour (0xff000000), 14, { 0, 4 }).drawForRectangle (g, card.toNearestInt());
    g.setGradientFill (juce::ColourGradient (Colour (0xff262b30), 0.0f, card.getY(),
                                             Colour (0xff181b1e), 0.0f, card.getBottom(), false));
    g.fillRoundedRectangle (card, 8.0f);
    g.setColour (accent.withAlpha (0.55f));
    g.drawRoundedRectangle (card.reduced (0.5f), 8.0f, 1.0f);

    drawMark (g, 52.0f, 44.0f, 11.0f, accent);
    g.setFont (spacedFont (14.0f, true, 0.12f));
    g.setColour (labelText);
    g.drawText ("GRAVILO HUSHMOOR", juce::Rectangle<float> (72.0f, 32.0f, 220.0f, 22.0f),
                juce::Justification::centredLeft, false);

    // The version text itself is a label laid over this picture at 150, 66.
    g.setFont (sansFont (12.0f));
    g.setColour (dimText);
    g.drawText ("Version", juce::Rectangle<float> (40.0f, 66.0f, 106.0f, 16.0f),
                juce::Justification::bottomRight, false);

    drawGroove (g, 38.0f, 287.0f, 96.0f);

    g.setFont (sansFont (11.5f));
    g.setColour (labelText.withAlpha (0.9f));
    const char* lines[] { "A stereo noise gate with linked-stereo",
                          "or dual-mono detection, adjustable",
                          "threshold, attack and decay, and a",
                          "click-free on/off switch." };
    auto y = 108.0f;
    for (auto* line : lines)
    {
        g.drawText (line, juce::Rectangle<float> (40.0f, y, 250.0f, 15.0f), juce::Justification::centredLeft, false);
        y += 16.0f;
    }

    g.setFont (sansFont (10.5f));
    g.setColour (dimText);
    g.drawText (juce::String::fromUTF8 ("\xc2\xa9 Brivel. All rights reserved."),
                juce::Rectangle<float> (40.0f, 186.0f, 250.0f, 14.0f), juce::Justification::centredLeft, false);

    g.setFont (spacedFont (9.0f, false, 0.2f));
    g.setColour (accent.withAlpha (0.8f));
    g.drawText ("CLICK ANYWHERE TO CLOSE", juce::Rectangle<float> (20.0f, 226.0f, 285.0f, 14.0f),
                juce::Justification::centred, false);

    return image;
}
}
