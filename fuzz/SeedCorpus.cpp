// Writes the fuzz targets' seed inputs, made by the plug-in's own code, into
// <corpus root>/<target>/: `tools/fuzz.sh seeds` refreshes fuzz/corpus/ with them.
// Each target's source says how it reads its input.
#include "fuzz/AAXFuzzSupport.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include "AAX_CChunkDataParser.h"
#include "AAX_CString.h"
#include "TestEffect.h"

#include <juce_events/juce_events.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace
{
    void write (const juce::File& root, const char* target, const char* name, const juce::MemoryBlock& bytes)
    {
        const auto dir = root.getChildFile (target);
        dir.createDirectory();
        dir.getChildFile (name).replaceWithData (bytes.getData(), bytes.getSize());
    }

    juce::MemoryBlock stateOf (GraviloHushmoorAudioProcessor& p)
    {
        juce::MemoryBlock block;
        p.getStateInformation (block);
        return block;
    }

    /** A saved state is both a state and a VST 2.4 chunk. */
    void writeState (const juce::File& root, const char* name, GraviloHushmoorAudioProcessor& p)
    {
        const auto state = stateOf (p);
        write (root, "fuzz_state", name, state);
        write (root, "fuzz_vst2_chunk", name, state);
    }

    void writeStates (const juce::File& root)
    {
        GraviloHushmoorAudioProcessor p;
        writeState (root, "fresh", p);

        for (int b = 0; b < GraviloHushmoorAudioProcessor::numPresets; ++b)
        {
            p.setCurrentProgram (b);
            p.changeProgramName (b, juce::String::fromUTF8 (b % 2 == 0 ? "Kick \"&<'>\" \xe2\x99\xaa" : "Snare\ttwo\nlines"));

            for (int k = 0; k < totalNumParams; ++k)
                p.setParameter (k, 0.037f * static_cast<float> (b * totalNumParams + k));
        }

        p.setCurrentProgram (5);
        writeState (root, "edited", p);

        const float extremes[] { std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                                 std::numeric_limits<float>::quiet_NaN(), -0.0f, std::numeric_limits<float>::denorm_min() };
        for (int k = 0; k < totalNumParams; ++k)
            p.setParameter (k, extremes[k]);

        writeState (root, "extreme-values", p);
    }

    /** Program names as hosts hand them over: records of a program, a length and the bytes. */
    void writeProgramNames (const juce::File& root)
    {
        const std::pair<const char*, std::vector<std::string>> seeds[] {
            { "not-utf8", { "Fl\xf6\x80\x80\x80te", "x\xf4\x90\x80\x80", "x\xf7\xbf\xbf\xbf", "\xc0\x80", "s\xed\xa0\x80" } },
            { "legacy-8-bit", { "Fl\xf6te", "Caf\xe9", "\xc4nderung \xa7 3" } },
            { "longer-than-the-field", { "a" + std::string (24, '\xe4'), "a\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4",
                                         std::string (40, 'x') } },
        };

        for (const auto& [name, names] : seeds)
        {
            juce::MemoryOutputStream out;
            int program = 0;

            for (const auto& text : names)
            {
                out.writeByte (static_cast<char> (program++));
                out.writeByte (static_cast<char> (text.size()));
                out.write (text.data(), text.size());
            }

            write (root, "fuzz_vst2_program_names", name, out.getMemoryBlock());
        }
    }

    /** Blocks through the processor with the values of its own programs: stereo at 48 kHz,
        then mono in, stereo out at 44.1 kHz with the switches flipped. */
    void writeProcessing (const juce::File& root)
    {
        GraviloHushmoorAudioProcessor p;

        for (const bool stereo : { true, false })
        {
            juce::MemoryOutputStream out;
            out.writeByte (static_cast<char> (stereo ? (1 | 2 | (1 << 3)) : 2));   // layout, rate 48000 or 44100
            out.writeInt (512);

            for (int i = 0; i < 64; ++i)
                out.writeShort (static_cast<short> (16384.0 * 0.8 * std::sin (0.3 * i) * (i < 32 ? 1.0 : 0.01)));

            for (int block = 0; block < 4; ++block)
            {
                out.writeByte (totalNumParams);

                for (int k = 0; k < totalNumParams; ++k)
                {
                    const float value = k < dualMonoParam + 1 && ! stereo ? 1.0f - p.getParameter (k) : p.getParameter (k);
                    out.writeByte (static_cast<char> (k));
                    out.writeFloat (value);
                }

                out.writeInt (block == 3 ? 65536 : 512);
            }

            write (root, "fuzz_process", stereo ? "stereo-48k" : "mono-in-44k", out.getMemoryBlock());
        }
    }

    /** Number texts as the AAX string writes them, read back and edited. */
    void writeStrings (const juce::File& root)
    {
        const std::pair<double, int> numbers[] { { 0.5, 3 }, { -1.23456, 3 }, { 2.0, 0 }, { -6.0205999, 2 }, { 1.0e300, 1 } };
        int n = 0;

        for (const auto& [number, precision] : numbers)
        {
            AAX_CString text;
            text.AppendNumber (number, precision);

            juce::MemoryOutputStream out;
            out.writeByte (static_cast<char> (text.Length()));
            out.write (text.Get(), text.Length());
            out.writeByte (4);                         // ToDouble
            out.writeByte (2);                         // AppendNumber
            out.writeDouble (number);
            out.writeInt (precision);
            out.writeByte (3);                         // SubString
            out.writeInt (1);
            out.writeInt (4);
            out.writeByte (1);                         // Erase
            out.writeInt (0);
            out.writeInt (2);
            out.writeByte (4);
            write (root, "fuzz_aax_string", ("number-" + juce::String (n++)).toRawUTF8(), out.getMemoryBlock());
        }
    }

    /** The whole record a host keeps for the controls chunk: its head, then the body. */
    juce::MemoryBlock controlsChunkOf (testeffect::KindsEffect& effect)
    {
        auto record = testeffect::SaveChunk (effect);
        record->manufacturerID = 0x42484D5F;   // 'BHM_'
        record->productID = record->plugInID = 0x42686D72;   // 'Bhmr'
        const auto bytes = record.Bytes();
        return { bytes.data(), bytes.size() };
    }

    void writeControlsChunks (const juce::File& root)
    {
        // Without a host nothing answers a set request: values arrive as the host's updates.
        testeffect::KindsEffect effect;
        effect.Initialize (nullptr);
        write (root, "fuzz_aax_chunk", "fresh", controlsChunkOf (effect));

        effect.UpdateParameterNormalizedValue ("float", 0.9, {});
        effect.UpdateParameterNormalizedValue ("bool", 0.0, {});
        effect["int32"].SetValueWithInt32 (-3);
        effect["double"].SetValueWithDouble (1e300);
        effect["text"].SetValueWithString (AAX_CString ("a longer text\twith a tab"));
        write (root, "fuzz_aax_chunk", "edited", controlsChunkOf (effect));

        effect.UpdateParameterNormalizedValue ("float", std::numeric_limits<double>::quiet_NaN(), {});
        effect["int32"].SetValueWithInt32 (std::numeric_limits<std::int32_t>::min());
        effect["double"].SetValueWithDouble (-std::numeric_limits<double>::infinity());
        effect["text"].SetValueWithString (AAX_CString (""));
        write (root, "fuzz_aax_chunk", "extreme-values", controlsChunkOf (effect));
        effect.Uninitialize();
    }

    void write (const juce::File& root, const char* target, const char* name, const AAX_CChunkDataParser& parser)
    {
        // The record's 56-byte head is the host's; the target reads the body alone.
        constexpr int headSize = 56;
        juce::MemoryBlock record (static_cast<std::size_t> (headSize + parser.GetChunkDataSize()), true);
        parser.GetChunkData (static_cast<AAX_SPlugInChunk*> (record.getData()));
        write (root, target, name, juce::MemoryBlock (record.begin() + headSize, record.getSize() - headSize));
    }

    void writeParserBodies (const juce::File& root)
    {
        constexpr auto target = "fuzz_controls_chunk";
        AAX_CChunkDataParser parser;
        write (root, target, "empty", parser);

        // The body the library saves for the plug-in: each parameter's value as a double, named by its index.
        GraviloHushmoorAudioProcessor p;

        for (int k = 0; k < totalNumParams; ++k)
            parser.AddDouble (juce::String (k).toRawUTF8(), static_cast<double> (p.getParameterDefaultValue (k)));

        write (root, target, "plugin-defaults", parser);

        const std::pair<const char*, std::function<void()>> examples[] {
            { "int32", [&] { parser.AddInt32 ("ab", 1); } },
            { "double", [&] { parser.AddDouble ("t", 0.5); } },
            { "text", [&] { parser.AddString ("n", "xyz"); } },
            { "text-then-int32", [&] { parser.AddString ("n", "hello"); parser.AddInt32 ("k", 7); } },
        };

        for (const auto& [name, fill] : examples)
        {
            parser.Clear();
            fill();
            write (root, target, name, parser);
        }

        // Items a host may hand back that the library never writes: float, int16, an unknown tag.
        const unsigned char otherKinds[] { 1, 1, 1, 1, 'f', '_', 'g', 0, 0x3F, 0xC0, 0, 0, 's', '_', 'h', 0, 0x80, 0x01, 0, 0,
                                           'q', '_', 'u', 0, 'l', '_', 'k', 0, 0, 0, 0, 7 };
        write (root, target, "other-kinds", juce::MemoryBlock (otherKinds, sizeof (otherKinds)));
    }

    /** The texts a host shows, the processor's own and its number display's, as a host's
        user would type them back. */
    void writeParameterTexts (const juce::File& root)
    {
        const auto writeText = [&root] (int index, const juce::String& name, const juce::String& text)
        {
            juce::MemoryOutputStream out;
            out.writeByte (static_cast<char> (index + 1));
            out << text;
            write (root, "fuzz_parameter_text", (juce::String (index) + "-" + name).toRawUTF8(), out.getMemoryBlock());
        };

        for (int index = 0; index < totalNumParams; ++index)
        {
            for (const float v : { 0.0f, 0.0001f, 0.134f, 0.4f, 1.0f })
                writeText (index, juce::String (v), GraviloHushmoorAudioProcessor::getParameterTextForValue (index, v));

            AAX_CString number;
            number.AppendNumber (0.25, 3);
            writeText (index, "number", number.Get());
        }
    }

    /** The bodies of the AAX wrapper's chunks, as its own GetChunk writes them. */
    void writeAAXChunks (const juce::File& root)
    {
        using namespace hushmoor::fuzz;
        auto& instance = AAXInstance::get();

        const auto writeBodies = [&] (const char* name)
        {
            for (const auto& [target, chunkID] : { std::pair { "fuzz_aax_state_chunk", stateChunkID },
                                                   std::pair { "fuzz_aax_controls_chunk", controlsChunkID } })
            {
                const auto record = instance.host().GetChunk (chunkID);
                write (root, target, name, juce::MemoryBlock (record.data() + 56, record.size() - 56));
            }
        };

        writeBodies ("fresh");

        for (int k = 0; k < totalNumParams; ++k)
            instance.host().SetParameter (std::to_string (k), 0.1 + 0.2 * k);

        writeBodies ("edited");
        instance.processor().setCurrentProgram (9);
        writeBodies ("program-9");
    }
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s <corpus root>\n", argv[0]);
        return 2;
    }

    const juce::ScopedJuceInitialiser_GUI framework;
    const juce::File root (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    writeStates (root);
    writeProgramNames (root);
    writeProcessing (root);
    writeStrings (root);
    writeControlsChunks (root);
    writeParserBodies (root);
    writeParameterTexts (root);
    writeAAXChunks (root);
    return 0;
}
