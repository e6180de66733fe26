#pragma once

#include "tools/render/LoadedPlugin.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <vector>

namespace hushmoor::render
{

/** A --param setting: a parameter by name or index, and a normalised value. */
struct ParameterSetting
{
    juce::String key;
    float value = 0.0f;
};

/** Parses "KEY=VALUE" (VALUE a number from 0 to 1). False with a message otherwise. */
bool parseParameterSetting (const juce::String& text, ParameterSetting& result, juce::String& error);

/** The index of the parameter that a key names: its name (case-insensitive) or its
    index in decimal; -1 when none does. */
int findParameter (LoadedPlugin& plugin, const juce::String& key);

/** What the plug-in reports: name, maker, parameters with their values and texts, programs. */
juce::String describePlugin (LoadedPlugin& plugin);

/** Loudness of the quiet and the loud passages of an input, and of the same stretches of
    an output. The windows are classified on the input alone: quiet = RMS within 6 dB
    of the noise floor (the 10th percentile of the window RMS values), loud = within
    20 dB of the loudest window. */
struct PassageReport
{
    double windowSeconds = 0.02;
    int numWindows = 0, numQuiet = 0, numLoud = 0;
    double quietBefore = 0, quietAfter = 0;    // RMS, linear
    double quietMedianBefore = 0, quietMedianAfter = 0;   // the median quiet window's RMS
    double loudBefore = 0, loudAfter = 0;
    double wholeBefore = 0, wholeAfter = 0;
    double peakBefore = 0, peakAfter = 0;

    juce::String toText() const;
};

/** Accumulates both signals window by window as blocks go by. */
class PassageMeter
{
public:
    PassageMeter (double sampleRate, int numChannels, double windowSeconds = 0.02);

    void add (const juce::AudioBuffer<float>& before, const juce::AudioBuffer<float>& after,
              int numChannels, int numSamples);
    PassageReport finish();

private:
    void closeWindow();

    int windowLength, numChannels, filled = 0;
    double sumBefore = 0, sumAfter = 0;
    std::vector<double> powerBefore, powerAfter;
    double peakBefore = 0, peakAfter = 0;
};

struct RenderSettings
{
    int blockSize = 512;
    bool analyse = false;
};

struct RenderResult
{
    double sampleRate = 0;
    int numChannels = 0;
    juce::int64 numSamples = 0;
    int numBlocks = 0;
    PassageReport passages;
};

/** Reads the input (WAV, AIFF, FLAC or Ogg; mono or stereo), prepares the plug-in at
    the file's rate, runs it in blocks of the given size (the last one shorter) and
    writes a WAV file with the input's rate, channels and sample format. */
bool renderFile (LoadedPlugin& plugin, const juce::File& input, const juce::File& output,
                 const RenderSettings& settings, RenderResult& result, juce::String& error);

/** Writes a buffer as a 32-bit float WAV file. */
bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& buffer, double sampleRate,
               int bitsPerSample, juce::String& error);

/** Reads a whole audio file. */
bool readAudioFile (const juce::File& file, juce::AudioBuffer<float>& buffer, double& sampleRate,
                    juce::String& error);

/** Compares two files of the same length window by window (no plug-in involved). */
bool compareFiles (const juce::File& before, const juce::File& after, PassageReport& report, juce::String& error);

/** "-60.00 dBFS", or "-inf dBFS" for silence. */
juce::String decibelText (double linear);

} // namespace hushmoor::render
