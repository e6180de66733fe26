#pragma once

#include "fuzz/FuzzSupport.h"

#include <juce_events/juce_events.h>

namespace hushmoor::fuzz
{

/** A host always has the framework running when it makes a plug-in: so do the fuzzers,
    from the first input to the program's exit. */
inline void initialiseJuce()
{
    static const juce::ScopedJuceInitialiser_GUI framework;
}

} // namespace hushmoor::fuzz
