#include "tools/render/DemoSignal.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace hushmoor::render
{

namespace
{
    /** xorshift64*: the same numbers on every machine. */
    struct Rng
    {
        std::uint64_t state;

        explicit Rng (std::uint64_t seed) : state (seed != 0 ? seed : 0x9e3779b97f4a7c15ull) {}

        std::uint64_t next() noexcept
        {
            state ^= state >> 12;
            state ^= state << 25;
            state ^= state >> 27;
            return state * 0x2545f4914f6cdd1dull;
        }

        /** Uniform in [0, 1). */
        double uniform() noexcept   { return static_cast<double> (next() >> 11) * (1.0 / 9007199254740992.0); }
        double range (double lo, double hi) noexcept  { return lo + (hi - lo) * uniform(); }

        /** Roughly normal, mean 0, deviation 1 (sum of twelve uniforms). */
        double gaussian() noexcept
        {
            double sum = 0.0;
            for (int i = 0; i < 12; ++i)
                sum += uniform();
            return sum - 6.0;
        }
    };

    struct Vowel { double f1, f2, f3; };

    constexpr Vowel vowels[] { { 730, 1090, 2440 }, { 270, 2290, 3010 }, { 300, 870, 2240 },
                               { 530, 1840, 2480 }, { 570, 840, 2410 }, { 660, 1720, 2410 } };

    double formantWeight (double frequency, const Vowel& v) noexcept
    {
        const auto peak = [frequency] (double centre, double width, double gain)
        {
            const double x = (frequency - centre) / width;
            return gain / (1.0 + x * x);
        };

        // A gentle spectral tilt under three resonances.
        return (peak (v.f1, 90.0, 1.0) + peak (v.f2, 120.0, 0.55) + peak (v.f3, 160.0, 0.3))
               * (1.0 / (1.0 + frequency / 1500.0));
    }

    struct Syllable
    {
        double start, length;
        double f0Start, f0End;
        Vowel vowel;
        bool fricative;
    };

    constexpr double twoPi = 6.283185307179586;
}

juce::AudioBuffer<float> makeDemoSignal (double sampleRate, double seconds)
{
    const int numSamples = juce::jmax (1, static_cast<int> (std::lround (sampleRate * seconds)));
    juce::AudioBuffer<float> out (2, numSamples);
    out.clear();

    Rng rng (20240611);

    // The schedule: words of one to three syllables, then a pause.
    std::vector<Syllable> syllables;
    double t = 0.6;

    while (t < seconds - 0.8)
    {
        const int count = 1 + static_cast<int> (rng.uniform() * 3.0);

        for (int s = 0; s < count && t < seconds - 0.6; ++s)
        {
            Syllable syl;
            syl.start = t;
            syl.length = rng.range (0.14, 0.30);
            syl.f0Start = rng.range (115.0, 190.0);
            syl.f0End = syl.f0Start * rng.range (0.85, 1.1);
            syl.vowel = vowels[static_cast<size_t> (rng.uniform() * 6.0) % 6];
            syl.fricative = rng.uniform() < 0.35;
            syllables.push_back (syl);
            t += syl.length + rng.range (0.01, 0.05);
        }

        t += rng.range (0.45, 0.95);
    }

    std::vector<double> speech (static_cast<size_t> (numSamples), 0.0);

    for (const auto& syl : syllables)
    {
        const int first = static_cast<int> (syl.start * sampleRate);
        const int length = static_cast<int> (syl.length * sampleRate);
        const int fricativeLength = syl.fricative ? static_cast<int> (0.06 * sampleRate) : 0;
        double phase = rng.uniform() * twoPi;
        double fricativeState = 0.0, previousNoise = 0.0;

        for (int i = -fricativeLength; i < length; ++i)
        {
            const int n = first + i;

            if (n < 0 || n >= numSamples)
                continue;

            double value = 0.0;

            if (i < 0)
            {
                // A hiss before the vowel: differentiated, smoothed noise.
                const double noise = rng.gaussian();
                fricativeState = 0.6 * fricativeState + (noise - previousNoise);
                previousNoise = noise;
                const double x = static_cast<double> (i + fricativeLength) / fricativeLength;
                value = 0.05 * fricativeState * std::sin (0.5 * twoPi * x);
            }
            else
            {
                const double x = static_cast<double> (i) / length;
                const double envelope = std::pow (std::sin (0.5 * twoPi * x), 0.7);
                const double f0 = (syl.f0Start + (syl.f0End - syl.f0Start) * x)
                                  * (1.0 + 0.01 * std::sin (twoPi * 5.0 * i / sampleRate));
                phase += twoPi * f0 / sampleRate;

                for (int k = 1; k * f0 < juce::jmin (5000.0, 0.45 * sampleRate); ++k)
                    value += formantWeight (k * f0, syl.vowel) * std::sin (k * phase);

                value *= envelope;
            }

            speech[static_cast<size_t> (n)] += value;
        }
    }

    double peak = 0.0;
    for (double v : speech)
        peak = juce::jmax (peak, std::abs (v));

    const double speechGain = peak > 0.0 ? 0.5 / peak : 0.0;   // -6 dBFS
    const double noiseRms = 0.001;                              // -60 dBFS
    const double channelGain[2] { 1.0, 0.8 };

    for (int ch = 0; ch < 2; ++ch)
    {
        Rng noiseRng (1000 + static_cast<std::uint64_t> (ch));
        double lowpass = 0.0;
        float* const data = out.getWritePointer (ch);

        for (int n = 0; n < numSamples; ++n)
        {
            // Slightly darkened white noise, kept at its RMS (a one-pole low-pass at a
            // = 0.3 loses a factor of sqrt((1 - a) / (1 + a)) of the deviation).
            lowpass = 0.3 * lowpass + 0.7 * noiseRng.gaussian();
            const double noise = lowpass * noiseRms / std::sqrt (0.7 / 1.3);
            data[n] = static_cast<float> (channelGain[ch] * speechGain * speech[static_cast<size_t> (n)] + noise);
        }
    }

    return out;
}

} // namespace hushmoor::render
