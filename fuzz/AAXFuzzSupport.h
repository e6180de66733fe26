#pragma once

#include "AAX_IParameter.h"
#include "HostEffect.h"
#include "fuzz/FuzzFramework.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "wrappers/aax/HushmoorAAXProcessor.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace hushmoor::fuzz
{

inline constexpr std::uint32_t controlsChunkID = 0x656C636B;   // 'elck'
inline constexpr std::uint32_t stateChunkID = 0x6A756365;      // 'juce'

/**
    One stereo instance of the AAX wrapper, compiled into the fuzzer, registered through
    the program's own entry points and run by the project's AAX host layer, whose host
    answers every automation request at once. It lives for the whole run (inputs change
    its settings one after another) and goes before the framework does.
*/
class AAXInstance
{
public:
    static AAXInstance& get()
    {
        initialiseJuce();
        static AAXInstance instance;
        return instance;
    }

    /** The instance for one input, with the framework up; null for more bytes than a
        host keeps in a chunk. */
    static AAXInstance* forInput (std::size_t size)
    {
        return size <= (1u << 20) ? &get() : nullptr;
    }

    fakehost::HostEffect& host()                      { return effect; }

    /** Forgets the host calls an input made: a log that grows would read as a leak to the
        fuzzer (and make its leak checks ever slower). */
    void endInput()                                    { log.Clear(); }
    AAX_IACFEffectParameters_V3& parameters()          { return effect.Effect(); }

    GraviloHushmoorAudioProcessor& processor()
    {
        return dynamic_cast<aax::HushmoorAAXProcessor&> (effect.Effect()).getProcessor();
    }

    /** A chunk record as the host hands it over: the 56-byte head, then the bytes. */
    static std::vector<char> record (std::uint32_t chunkID, const std::uint8_t* body, std::size_t size)
    {
        std::vector<char> bytes (56 + size, 0);
        auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (bytes.data());
        chunk->dataSize = static_cast<std::int32_t> (size);
        chunk->chunkID = chunkID;

        if (size > 0)
            std::memcpy (bytes.data() + 56, body, size);

        return bytes;
    }

    /** The published value of a parameter, as the library holds it. */
    float published (const char* parameterID)
    {
        AAX_IParameter* parameter = nullptr;
        float value = -1.0f;

        if (parameters().GetParameter (parameterID, &parameter) == AAX_SUCCESS && parameter != nullptr)
            parameter->GetValueAsFloat (&value);

        return value;
    }

    /** Every processor parameter publishes the value the processor holds: the same number
        (either zero for the other). A value that is not a number cannot be published; the
        host keeps its last one. */
    void checkInStep()
    {
        for (int k = 0; k < totalNumParams; ++k)
        {
            const auto id = std::to_string (k);
            const float p = processor().getParameter (k), a = published (id.c_str());
            check (p == a || std::isnan (p), "a published value differs from the processor's");
        }
    }

private:
    AAXInstance()
        : module ("", log),
          started (module.StartUp()), registered (module.Register()),
          effect (module.Effects().at (0), *module.Effects().at (0).FindComponent (2, 2), log)
    {
        check (started == ACF_OK && registered == ACF_OK && effect.Initialize() == AAX_SUCCESS,
               "the AAX wrapper did not start");
    }

    fakehost::HostLog log;
    fakehost::HostModule module;
    ACFRESULT started, registered;
    fakehost::HostEffect effect;
};

} // namespace hushmoor::fuzz
