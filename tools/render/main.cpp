// hushmoor-render: an offline render host. It loads a built plug-in binary the way a DAW
// does, sets parameters and a program, renders an audio file through it block by block
// and writes the result. The report goes to stdout; progress and errors go to stderr.
#include "tools/render/DemoSignal.h"
#include "tools/render/Render.h"

#include <juce_events/juce_events.h>

#include <iostream>

using namespace hushmoor::render;

namespace
{
    constexpr int exitUsage = 64, exitLoad = 2, exitRender = 3;

    const char* const usage =
        "usage:\n"
        "  hushmoor-render --plugin PATH [--format NAME] [--list]\n"
        "                  [--program N] [--param KEY=VALUE]... [--block N]\n"
        "                  [--in IN.wav --out OUT.wav [--analyse]]\n"
        "  hushmoor-render --generate-demo OUT.wav [--seconds S] [--rate HZ]\n"
        "  hushmoor-render --compare BEFORE.wav AFTER.wav\n"
        "\n"
        "  --plugin PATH     a VST3 bundle (Name.vst3, or the .so inside it), a VST 2.4 binary (Name.so)\n"
        "                    or an AAX bundle (Name.aaxplugin, or the .so inside it)\n"
        "  --format NAME     load through this format's loader, whatever the file looks like\n"
        "  --list            only report the plug-in (name, maker, parameters with texts, programs)\n"
        "  --program N       select program N (0-based) before the parameters are set\n"
        "  --param KEY=VALUE set a parameter, by name or index, to a normalised value (0..1)\n"
        "  --block N         render in blocks of N samples (default 512; the last block is shorter)\n"
        "  --analyse         after rendering, report the RMS of the quiet and loud passages\n"
        "                    before and after\n"
        "  --generate-demo   write the demo: speech-like bursts over a -60 dBFS noise floor\n"
        "                    (default 8 s, 48000 Hz, stereo, 32-bit float)\n"
        "  --compare         the passage report for two files, without a plug-in\n";

    struct Arguments
    {
        juce::String pluginPath, format, input, output, demoPath, compareBefore, compareAfter;
        juce::StringArray params;
        int program = -1, blockSize = 512;
        double demoSeconds = 8.0, demoRate = 48000.0;
        bool list = false, analyse = false, help = false;
    };

    bool parseInteger (const juce::String& text, int& value)
    {
        const auto t = text.trim();
        if (t.isEmpty() || ! t.substring (t.startsWithChar ('-') ? 1 : 0).containsOnly ("0123456789") || t.length() > 10)
            return false;
        const auto v = t.getLargeIntValue();
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            return false;
        value = static_cast<int> (v);
        return true;
    }

    bool parseArguments (const juce::StringArray& args, Arguments& a, juce::String& error)
    {
        for (int i = 0; i < args.size(); ++i)
        {
            const auto& arg = args[i];
            const auto needValue = [&] (juce::String& out)
            {
                if (i + 1 >= args.size())
                {
                    error = arg + " needs a value";
                    return false;
                }
                out = args[++i];
                return true;
            };

            juce::String value;

            if (arg == "--help" || arg == "-h")                 a.help = true;
            else if (arg == "--list")                           a.list = true;
            else if (arg == "--analyse" || arg == "--analyze")  a.analyse = true;
            else if (arg == "--plugin")        { if (! needValue (a.pluginPath)) return false; }
            else if (arg == "--format")        { if (! needValue (a.format)) return false; }
            else if (arg == "--in")            { if (! needValue (a.input)) return false; }
            else if (arg == "--out")           { if (! needValue (a.output)) return false; }
            else if (arg == "--param")         { if (! needValue (value)) return false; a.params.add (value); }
            else if (arg == "--generate-demo") { if (! needValue (a.demoPath)) return false; }
            else if (arg == "--program" || arg == "--block")
            {
                if (! needValue (value))
                    return false;
                int number = 0;
                if (! parseInteger (value, number))
                {
                    error = arg + " needs a whole number, not \"" + value + "\"";
                    return false;
                }
                (arg == "--program" ? a.program : a.blockSize) = number;
            }
            else if (arg == "--seconds" || arg == "--rate")
            {
                if (! needValue (value))
                    return false;
                const double number = value.getDoubleValue();
                const bool ok = arg == "--seconds" ? (number > 0.0 && number <= 600.0)
                                                   : (number >= 8000.0 && number <= 384000.0);
                if (! ok)
                {
                    error = arg + ": out of range: " + value;
                    return false;
                }
                (arg == "--seconds" ? a.demoSeconds : a.demoRate) = number;
            }
            else if (arg == "--compare")
            {
                if (! needValue (a.compareBefore) || ! needValue (a.compareAfter))
                    return false;
            }
            else
            {
                error = "unknown argument \"" + arg + "\"";
                return false;
            }
        }

        if (a.help)
            return true;

        if (a.demoPath.isEmpty() && a.compareBefore.isEmpty() && a.pluginPath.isEmpty())
        {
            error = "nothing to do: give --plugin, --generate-demo or --compare";
            return false;
        }

        if (a.pluginPath.isNotEmpty() && ! a.list && (a.input.isEmpty() != a.output.isEmpty()))
        {
            error = "--in and --out go together";
            return false;
        }

        if (a.blockSize < 1 || a.blockSize > (1 << 20))
        {
            error = "--block must be 1 to 1048576, not " + juce::String (a.blockSize);
            return false;
        }

        return true;
    }

    juce::File fileFromArgument (const juce::String& path)
    {
        return juce::File::getCurrentWorkingDirectory().getChildFile (path);
    }

    int run (const juce::StringArray& args)
    {
        Arguments a;
        juce::String error;

        if (! parseArguments (args, a, error))
        {
            std::cerr << "hushmoor-render: " << error << "\n\n" << usage;
            return exitUsage;
        }

        if (a.help)
        {
            std::cout << usage;
            return 0;
        }

        if (a.demoPath.isNotEmpty())
        {
            const auto file = fileFromArgument (a.demoPath);
            std::cerr << "generating the demo signal (" << a.demoSeconds << " s at " << a.demoRate << " Hz)\n";
            const auto demo = makeDemoSignal (a.demoRate, a.demoSeconds);

            if (! writeWav (file, demo, a.demoRate, 32, error))
            {
                std::cerr << "hushmoor-render: " << error << "\n";
                return exitRender;
            }

            std::cout << "demo written: " << file.getFullPathName() << " (" << demo.getNumChannels() << " channels, "
                      << demo.getNumSamples() << " samples at " << a.demoRate << " Hz)\n";
        }

        if (a.compareBefore.isNotEmpty())
        {
            PassageReport report;

            if (! compareFiles (fileFromArgument (a.compareBefore), fileFromArgument (a.compareAfter), report, error))
            {
                std::cerr << "hushmoor-render: " << error << "\n";
                return exitRender;
            }

            std::cout << report.toText();
        }

        if (a.pluginPath.isEmpty())
            return 0;

        const auto pluginFile = fileFromArgument (a.pluginPath);
        std::cerr << "loading " << pluginFile.getFullPathName() << "\n";

        // Parameters are set and reported at the rate the input file will be played at.
        double sampleRate = 48000.0;
        if (a.input.isNotEmpty())
        {
            juce::AudioFormatManager formats;
            formats.registerBasicFormats();
            if (std::unique_ptr<juce::AudioFormatReader> reader { formats.createReaderFor (fileFromArgument (a.input)) })
                sampleRate = reader->sampleRate;
        }

        auto plugin = loadPlugin (pluginFile, a.format, sampleRate, a.blockSize, error);

        if (plugin == nullptr)
        {
            std::cerr << "hushmoor-render: " << error << "\n";
            return exitLoad;
        }

        if (a.program >= 0 || a.program < -1)
        {
            if (a.program >= plugin->getNumPrograms() || a.program < 0)
            {
                std::cerr << "hushmoor-render: program " << a.program << " does not exist (the plug-in has "
                          << plugin->getNumPrograms() << ")\n";
                return exitUsage;
            }

            plugin->setCurrentProgram (a.program);
            plugin->pumpMessages();
        }

        for (const auto& text : a.params)
        {
            ParameterSetting setting;

            if (! parseParameterSetting (text, setting, error))
            {
                std::cerr << "hushmoor-render: " << error << "\n";
                return exitUsage;
            }

            const int index = findParameter (*plugin, setting.key);

            if (index < 0)
            {
                std::cerr << "hushmoor-render: the plug-in has no parameter \"" << setting.key << "\"\n";
                return exitUsage;
            }

            plugin->setParameter (index, setting.value);
            plugin->pumpMessages();
        }

        std::cout << describePlugin (*plugin);

        if (a.list || a.input.isEmpty())
            return 0;

        RenderSettings settings;
        settings.blockSize = a.blockSize;
        settings.analyse = a.analyse;
        RenderResult result;
        const auto output = fileFromArgument (a.output);

        if (! renderFile (*plugin, fileFromArgument (a.input), output, settings, result, error))
        {
            std::cerr << "hushmoor-render: " << error << "\n";
            return exitRender;
        }

        std::cout << "rendered:   " << result.numSamples << " samples, " << result.numChannels << " channel(s) at "
                  << result.sampleRate << " Hz in " << result.numBlocks << " blocks of up to " << a.blockSize << "\n"
                  << "written:    " << output.getFullPathName() << "\n";

        if (a.analyse)
            std::cout << result.passages.toText();

        return 0;
    }
}

int main (int argc, char* argv[])
{
    // Plug-in hosting needs a message thread: this one.
    juce::ScopedJuceInitialiser_GUI juce;

    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    int exitCode = 0;

    try
    {
        exitCode = run (args);
    }
    catch (const std::exception& e)
    {
        std::cerr << "hushmoor-render: " << e.what() << "\n";
        exitCode = exitRender;
    }

    return exitCode;
}
