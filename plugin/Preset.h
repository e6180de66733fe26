#pragma once

#include "dsp/ParamIndex.h"

#include <juce_core/juce_core.h>

#include <atomic>

/**
    One program slot. The values are read by the audio thread while the host and the
    editor write them, so each is a relaxed atomic word.
*/
struct Preset
{
    juce::String name;
    std::atomic<float> values[totalNumParams] {};

    float getValue (int index) const noexcept                 { return values[index].load (std::memory_order_relaxed); }
    void setValue (int index, float newValue) noexcept        { values[index].store (newValue, std::memory_order_relaxed); }
};
