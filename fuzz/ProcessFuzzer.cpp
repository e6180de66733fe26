// Any layout, sample rate, parameter bits and block sizes from 0 to 65536 samples through
// processBlock: finite input must give finite output.
//
// Input: a layout byte (bit 0: two inputs, bit 1: two outputs, bit 2: a rate of any
// bits follows as a double, else bits 3-5 pick a common rate), the prepared block size
// (uint32), 64 samples (int16, as multiples of 1/16384) that the blocks repeat, then up
// to eight blocks: a count of parameter changes (uint8), each an index (uint8) and any
// float bits (uint32), and the block's length (uint32).
#include "fuzz/FuzzFramework.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using namespace hushmoor::fuzz;
    initialiseJuce();

    static GraviloHushmoorAudioProcessor processor;
    static juce::AudioBuffer<float> buffer (2, 65536);
    static juce::MidiBuffer midi;
    constexpr std::uint32_t maxBlock = 65536;

    ByteReader input (data, size);
    const auto layout = input.take<std::uint8_t>();
    const int numIns = 1 + (layout & 1);
    const int numOuts = 1 + ((layout >> 1) & 1);
    const double rates[] { 44100.0, 48000.0, 96000.0, 192000.0, 8000.0, 22050.0, 88200.0, 176400.0 };
    const double rate = (layout & 4) != 0 ? input.take<double>() : rates[(layout >> 3) & 7];
    const int blockSize = static_cast<int> (input.take<std::uint32_t>() % (maxBlock + 1));

    processor.setPlayConfigDetails (numIns, numOuts, rate, blockSize);
    processor.prepareToPlay (rate, blockSize);

    float pattern[64];
    for (auto& sample : pattern)
        sample = static_cast<float> (input.take<std::int16_t>()) / 16384.0f;

    const int numChannels = std::max (numIns, numOuts);

    for (int block = 0; block < 8 && ! input.atEnd(); ++block)
    {
        for (int changes = input.take<std::uint8_t>() % 8; changes > 0; --changes)
        {
            const int index = input.take<std::uint8_t>() % totalNumParams;
            processor.setParameter (index, floatFromBits (input.take<std::uint32_t>()));
        }

        const int numSamples = static_cast<int> (input.take<std::uint32_t>() % (maxBlock + 1));
        juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), numChannels, numSamples);

        for (int ch = 0; ch < numChannels; ++ch)
        {
            auto* samples = view.getWritePointer (ch);
            for (int i = 0; i < numSamples; ++i)
                samples[i] = pattern[(i + 17 * ch) % 64];
        }

        processor.processBlock (view, midi);

        for (int ch = 0; ch < numChannels; ++ch)
        {
            const auto* samples = view.getReadPointer (ch);
            for (int i = 0; i < numSamples; ++i)
                if (! std::isfinite (samples[i]))
                    fail ("finite input gave output that is not finite");
        }
    }

    processor.releaseResources();
    return 0;
}
