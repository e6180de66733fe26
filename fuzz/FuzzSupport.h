#pragma once

#include <juce_events/juce_events.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

/** libFuzzer's entry point: each target defines it once. */
extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size);

namespace hushmoor::fuzz
{

/** A host always has the framework running when it makes a plug-in: so do the fuzzers,
    from the first input to the program's exit. */
inline void initialiseJuce()
{
    static const juce::ScopedJuceInitialiser_GUI framework;
}

/** Ends the run as a finding: libFuzzer saves the input that got here. */
[[noreturn]] inline void fail (const char* what)
{
    std::fprintf (stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check (bool condition, const char* what)
{
    if (! condition)
        fail (what);
}

} // namespace hushmoor::fuzz
