#pragma once

#include "gui/HushmoorLayout.h"

#include <juce_graphics/juce_graphics.h>

/**
    Draws the editor's artwork: the panel, the three knob filmstrips, the two switch
    filmstrips and the about picture. Everything is drawn from code, so the images can be
    rebuilt at any time; the results are deterministic for a given font installation.

    The switch and knob filmstrips are opaque and each frame carries the piece of the
    panel under its control, which is why they are cut from the finished background.
*/
namespace hushmoor::artwork
{
    enum class KnobKind
    {
        threshold,
        attack,
        decay
    };

    /** The whole panel without its controls, 325 x 366, ARGB (fully opaque). */
    juce::Image createBackground();

    /** Footswitch filmstrip, RGB: off, off pressed, on, on pressed, from the top. */
    juce::Image createBypassFilmstrip (const juce::Image& background);

    /** Dual-mono toggle filmstrip, RGB: off, on, from the top. */
    juce::Image createDualMonoFilmstrip (const juce::Image& background);

    /** 101-frame knob filmstrip, RGB: the pointer sweeps from minimum (frame 0) to maximum. */
    juce::Image createKnobFilmstrip (const juce::Image& background, KnobKind kind);

    /** About picture, 325 x 365, ARGB: a veil over the editor with a card that leaves
        room for the version line. */
    juce::Image createAboutPicture();

    /** The piece of the background under a control, as an RGB image of the box's size. */
    juce::Image cutBackground (const juce::Image& background, layout::Box box);
}
