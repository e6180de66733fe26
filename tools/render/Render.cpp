#include "tools/render/Render.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace hushmoor::render
{

//==============================================================================
bool parseParameterSetting (const juce::String& text, ParameterSetting& result, juce::String& error)
{
    const int equals = text.lastIndexOfChar ('=');

    if (equals <= 0 || equals == text.length() - 1)
    {
        error = "a parameter setting is NAME=VALUE or INDEX=VALUE (VALUE normalised, 0..1), not \"" + text + "\"";
        return false;
    }

    const auto key = text.substring (0, equals).trim();
    const auto value = text.substring (equals + 1).trim();

    if (! value.containsOnly ("0123456789.-+eE") || ! value.containsAnyOf ("0123456789"))
    {
        error = "the value in \"" + text + "\" is not a number";
        return false;
    }

    const auto number = value.getFloatValue();

    if (! (number >= 0.0f && number <= 1.0f))
    {
        error = "the value in \"" + text + "\" is outside 0..1 (values are normalised)";
        return false;
    }

    result.key = key;
    result.value = number;
    return true;
}

int findParameter (LoadedPlugin& plugin, const juce::String& key)
{
    const int n = plugin.getNumParameters();

    for (int i = 0; i < n; ++i)
        if (plugin.getParameterName (i) == key)
            return i;

    for (int i = 0; i < n; ++i)
        if (plugin.getParameterName (i).equalsIgnoreCase (key))
            return i;

    if (key.isNotEmpty() && key.containsOnly ("0123456789"))
    {
        const int index = key.getIntValue();
        if (index >= 0 && index < n)
            return index;
    }

    return -1;
}

juce::String describePlugin (LoadedPlugin& plugin)
{
    juce::String text;
    text << "plug-in:    " << plugin.getName() << " (" << plugin.getFormatName() << ")\n"
         << "maker:      " << plugin.getMaker() << "\n"
         << "version:    " << plugin.getVersion() << "\n";

    const int numParams = plugin.getNumParameters();
    text << "parameters: " << numParams << "\n";

    for (int i = 0; i < numParams; ++i)
    {
        text << "  " << juce::String (i).paddedLeft (' ', 2) << "  "
             << plugin.getParameterName (i).paddedRight (' ', 10) << "  "
             << juce::String (plugin.getParameter (i), 6) << "  \""
             << plugin.getParameterText (i) << "\""
             << (plugin.isWrapperParameter (i) ? "  (added by the " + plugin.getFormatName() + " wrapper)" : juce::String())
             << "\n";
    }

    const int numPrograms = plugin.getNumPrograms();
    text << "programs:   " << numPrograms << ", current " << plugin.getCurrentProgram() << "\n";

    for (int i = 0; i < numPrograms; ++i)
        text << "  " << juce::String (i).paddedLeft (' ', 2) << "  \"" << plugin.getProgramName (i) << "\"\n";

    return text;
}

//==============================================================================
juce::String decibelText (double linear)
{
    if (! (linear > 0.0))
        return "-inf dBFS";

    return juce::String (20.0 * std::log10 (linear), 2) + " dBFS";
}

juce::String PassageReport::toText() const
{
    const auto change = [] (double before, double after)
    {
        if (! (before > 0.0))
            return juce::String ("n/a");
        if (! (after > 0.0))
            return juce::String ("silenced");
        const double db = 20.0 * std::log10 (after / before);
        return (db >= 0 ? "+" : "") + juce::String (db, 2) + " dB";
    };

    const juce::String ms (juce::roundToInt (windowSeconds * 1000.0));
    juce::String text;
    text << "quiet passages: " << numQuiet << " of " << numWindows << " windows of " << ms << " ms"
         << " (input within 6 dB of its noise floor)\n"
         << "  RMS before " << decibelText (quietBefore) << ", after " << decibelText (quietAfter)
         << "  (" << change (quietBefore, quietAfter) << ")\n"
         << "  median window before " << decibelText (quietMedianBefore) << ", after " << decibelText (quietMedianAfter)
         << "  (" << change (quietMedianBefore, quietMedianAfter) << ")\n"
         << "loud passages:  " << numLoud << " windows (input within 20 dB of its loudest window)\n"
         << "  RMS before " << decibelText (loudBefore) << ", after " << decibelText (loudAfter)
         << "  (" << change (loudBefore, loudAfter) << ")\n"
         << "whole file:     RMS before " << decibelText (wholeBefore) << ", after " << decibelText (wholeAfter)
         << "; peak before " << decibelText (peakBefore) << ", after " << decibelText (peakAfter) << "\n";
    return text;
}

PassageMeter::PassageMeter (double sampleRate, int channels, double windowSeconds)
    : windowLength (juce::jmax (1, static_cast<int> (std::lround (sampleRate * windowSeconds)))),
      numChannels (juce::jmax (1, channels))
{
}

void PassageMeter::add (const juce::AudioBuffer<float>& before, const juce::AudioBuffer<float>& after,
                        int channels, int numSamples)
{
    for (int n = 0; n < numSamples; ++n)
    {
        for (int ch = 0; ch < channels; ++ch)
        {
            const double b = before.getSample (ch, n), a = after.getSample (ch, n);
            sumBefore += b * b;
            sumAfter += a * a;
            peakBefore = std::max (peakBefore, std::abs (b));
            peakAfter = std::max (peakAfter, std::abs (a));
        }

        if (++filled == windowLength)
            closeWindow();
    }
}

void PassageMeter::closeWindow()
{
    if (filled == 0)
        return;

    const double count = static_cast<double> (filled) * numChannels;
    powerBefore.push_back (sumBefore / count);
    powerAfter.push_back (sumAfter / count);
    sumBefore = sumAfter = 0;
    filled = 0;
}

PassageReport PassageMeter::finish()
{
    // A short last window would skew the classes: only whole windows count, unless
    // there is nothing else.
    if (powerBefore.empty())
        closeWindow();

    PassageReport report;
    report.windowSeconds = 0.0;   // filled in by the caller, who knows the rate
    report.numWindows = static_cast<int> (powerBefore.size());
    report.peakBefore = peakBefore;
    report.peakAfter = peakAfter;

    if (powerBefore.empty())
        return report;

    auto sorted = powerBefore;
    std::sort (sorted.begin(), sorted.end());
    const double floorPower = sorted[sorted.size() / 10];
    const double loudest = sorted.back();
    const double quietLimit = floorPower * 4.0;       // +6 dB in amplitude
    const double loudLimit = loudest / 100.0;         // -20 dB in amplitude

    double quietB = 0, quietA = 0, loudB = 0, loudA = 0, allB = 0, allA = 0;
    std::vector<double> quietPowersBefore, quietPowersAfter;

    for (size_t i = 0; i < powerBefore.size(); ++i)
    {
        allB += powerBefore[i];
        allA += powerAfter[i];

        if (powerBefore[i] <= quietLimit)
        {
            quietB += powerBefore[i];
            quietA += powerAfter[i];
            quietPowersBefore.push_back (powerBefore[i]);
            quietPowersAfter.push_back (powerAfter[i]);
            ++report.numQuiet;
        }
        else if (powerBefore[i] >= loudLimit)
        {
            loudB += powerBefore[i];
            loudA += powerAfter[i];
            ++report.numLoud;
        }
    }

    const auto rms = [] (double sum, int count) { return count > 0 ? std::sqrt (sum / count) : 0.0; };
    report.quietBefore = rms (quietB, report.numQuiet);
    report.quietAfter = rms (quietA, report.numQuiet);
    const auto medianRms = [] (std::vector<double>& powers)
    {
        if (powers.empty())
            return 0.0;
        std::nth_element (powers.begin(), powers.begin() + static_cast<std::ptrdiff_t> (powers.size() / 2), powers.end());
        return std::sqrt (powers[powers.size() / 2]);
    };
    report.quietMedianBefore = medianRms (quietPowersBefore);
    report.quietMedianAfter = medianRms (quietPowersAfter);
    report.loudBefore = rms (loudB, report.numLoud);
    report.loudAfter = rms (loudA, report.numLoud);
    report.wholeBefore = rms (allB, report.numWindows);
    report.wholeAfter = rms (allA, report.numWindows);
    return report;
}

//==============================================================================
namespace
{
    std::unique_ptr<juce::AudioFormatReader> openReader (const juce::File& file, juce::String& error)
    {
        if (! file.existsAsFile())
        {
            error = "no such audio file: " + file.getFullPathName();
            return nullptr;
        }

        juce::AudioFormatManager formats;
        formats.registerBasicFormats();
        std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (file));

        if (reader == nullptr)
            error = "not an audio file this tool can read (WAV, AIFF, FLAC, Ogg): " + file.getFullPathName();

        return reader;
    }

    std::unique_ptr<juce::AudioFormatWriter> openWriter (const juce::File& file, double sampleRate,
                                                         int numChannels, int bitsPerSample, juce::String& error)
    {
        if (! file.getParentDirectory().createDirectory())
        {
            error = "cannot create the folder " + file.getParentDirectory().getFullPathName();
            return nullptr;
        }

        file.deleteFile();
        auto stream = std::make_unique<juce::FileOutputStream> (file);

        if (! stream->openedOk())
        {
            error = "cannot write " + file.getFullPathName() + ": " + stream->getStatus().getErrorMessage();
            return nullptr;
        }

        juce::WavAudioFormat wav;
        const int bits = bitsPerSample == 16 || bitsPerSample == 24 || bitsPerSample == 32 ? bitsPerSample : 32;
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), sampleRate,
                                                                              static_cast<unsigned int> (numChannels),
                                                                              bits, {}, 0));
        if (writer == nullptr)
        {
            error = "cannot write a WAV file with " + juce::String (numChannels) + " channels at "
                    + juce::String (sampleRate) + " Hz";
            return nullptr;
        }

        stream.release();   // the writer owns it now
        return writer;
    }
}

bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& buffer, double sampleRate,
               int bitsPerSample, juce::String& error)
{
    auto writer = openWriter (file, sampleRate, buffer.getNumChannels(), bitsPerSample, error);

    if (writer == nullptr)
        return false;

    if (! writer->writeFromAudioSampleBuffer (buffer, 0, buffer.getNumSamples()))
    {
        error = "writing " + file.getFullPathName() + " failed";
        return false;
    }

    return true;
}

bool readAudioFile (const juce::File& file, juce::AudioBuffer<float>& buffer, double& sampleRate, juce::String& error)
{
    auto reader = openReader (file, error);

    if (reader == nullptr)
        return false;

    if (reader->lengthInSamples > std::numeric_limits<int>::max())
    {
        error = "the file is too long: " + file.getFullPathName();
        return false;
    }

    const int numSamples = static_cast<int> (reader->lengthInSamples);
    buffer.setSize (static_cast<int> (reader->numChannels), numSamples);
    reader->read (&buffer, 0, numSamples, 0, true, true);
    sampleRate = reader->sampleRate;
    return true;
}

bool renderFile (LoadedPlugin& plugin, const juce::File& input, const juce::File& output,
                 const RenderSettings& settings, RenderResult& result, juce::String& error)
{
    auto reader = openReader (input, error);

    if (reader == nullptr)
        return false;

    const int fileChannels = static_cast<int> (reader->numChannels);

    if (fileChannels < 1 || fileChannels > 2)
    {
        error = "only mono and stereo files can be rendered; " + input.getFileName() + " has "
                + juce::String (fileChannels) + " channels";
        return false;
    }

    if (! (reader->sampleRate > 0.0))
    {
        error = "the file gives no sample rate: " + input.getFullPathName();
        return false;
    }

    const int blockSize = settings.blockSize;

    if (blockSize < 1 || blockSize > (1 << 20))
    {
        error = "the block size must be 1 to 1048576 samples, not " + juce::String (blockSize);
        return false;
    }

    if (output.getFullPathName() == input.getFullPathName())
    {
        error = "the output would overwrite the input";
        return false;
    }

    if (! plugin.prepare (reader->sampleRate, blockSize, fileChannels, error))
        return false;

    const int pluginChannels = juce::jmax (1, plugin.getNumProcessingChannels());
    const int bufferChannels = juce::jmax (pluginChannels, fileChannels);
    const int bits = reader->usesFloatingPointData ? 32 : static_cast<int> (reader->bitsPerSample);

    auto writer = openWriter (output, reader->sampleRate, fileChannels, bits, error);

    if (writer == nullptr)
    {
        plugin.release();
        return false;
    }

    juce::AudioBuffer<float> original (fileChannels, blockSize);
    juce::AudioBuffer<float> work (bufferChannels, blockSize);
    PassageMeter meter (reader->sampleRate, fileChannels);

    result.sampleRate = reader->sampleRate;
    result.numChannels = fileChannels;
    result.numSamples = reader->lengthInSamples;
    result.numBlocks = 0;

    juce::int64 position = 0;
    int lastPercent = -1;

    while (position < reader->lengthInSamples)
    {
        const int n = static_cast<int> (juce::jmin<juce::int64> (blockSize, reader->lengthInSamples - position));
        original.clear();
        reader->read (&original, 0, n, position, true, true);

        work.clear();
        for (int ch = 0; ch < bufferChannels; ++ch)
            work.copyFrom (ch, 0, original, juce::jmin (ch, fileChannels - 1), 0, n);

        // A mono file in a stereo-only plug-in feeds both inputs; only channel 0 is kept.
        juce::AudioBuffer<float> block (work.getArrayOfWritePointers(), pluginChannels, n);
        plugin.process (block);

        if (settings.analyse)
            meter.add (original, work, fileChannels, n);

        if (! writer->writeFromAudioSampleBuffer (work, 0, n))
        {
            error = "writing " + output.getFullPathName() + " failed";
            plugin.release();
            return false;
        }

        position += n;
        ++result.numBlocks;

        const int percent = static_cast<int> (100 * position / reader->lengthInSamples);
        if (percent / 25 != lastPercent / 25)
        {
            std::cerr << "rendering: " << percent << "%\n";
            lastPercent = percent;
        }
    }

    plugin.release();
    writer.reset();

    if (settings.analyse)
    {
        result.passages = meter.finish();
        result.passages.windowSeconds = 0.02;
    }

    return true;
}

bool compareFiles (const juce::File& before, const juce::File& after, PassageReport& report, juce::String& error)
{
    juce::AudioBuffer<float> a, b;
    double rateA = 0, rateB = 0;

    if (! readAudioFile (before, a, rateA, error) || ! readAudioFile (after, b, rateB, error))
        return false;

    if (a.getNumChannels() != b.getNumChannels() || a.getNumSamples() != b.getNumSamples())
    {
        error = "the two files differ in channels or length";
        return false;
    }

    PassageMeter meter (rateA, a.getNumChannels());
    meter.add (a, b, a.getNumChannels(), a.getNumSamples());
    report = meter.finish();
    report.windowSeconds = 0.02;
    return true;
}

} // namespace hushmoor::render
