#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

namespace hushmoor::render
{

/**
    The bundled demo, made by code: speech-like bursts (voiced syllables with moving
    formants and a few fricatives, peaking near -6 dBFS) in words separated by pauses,
    over a low-level noise floor (about -60 dBFS RMS) that runs through the whole file.
    Stereo, the right channel a little quieter, independent noise per channel.
    The same arguments always give the same samples.
*/
juce::AudioBuffer<float> makeDemoSignal (double sampleRate, double seconds);

} // namespace hushmoor::render
