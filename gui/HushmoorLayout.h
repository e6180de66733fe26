#pragma once

/**
    Where the editor's controls sit, in editor pixels. The editor places its children
    here and the artwork generator cuts each control's piece of the background from the
    same places, so the opaque filmstrips line up with the panel behind them.
*/
namespace hushmoor::layout
{
    struct Box
    {
        int x, y, width, height;
    };

    constexpr int editorWidth  = 325;
    constexpr int editorHeight = 366;
    constexpr int aboutWidth   = 325;
    constexpr int aboutHeight  = 365;

    constexpr Box bypassButton    { 222, 266,  90,  99 };
    constexpr Box dualMonoButton  {  12, 167, 113, 125 };
    constexpr Box thresholdKnob   {  17,  40,  96,  73 };
    constexpr Box attackKnob      { 113,  40,  96,  73 };
    constexpr Box decayKnob       { 209,  40,  96,  73 };
    constexpr Box aboutHotspot    {  15, 313, 223,  40 };
    constexpr Box versionLabel    { 150,  66, 100,  16 };

    constexpr int bypassFrames   = 4;
    constexpr int dualMonoFrames = 2;
    constexpr int knobFrames     = 101;
}
