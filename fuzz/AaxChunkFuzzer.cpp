// Any bytes as a controls chunk record from the host's disk, given to an effect with a
// parameter of every value kind, automated through a host: restoring and comparing never
// crash or leak, a comparison or a record offered under another chunk ID changes nothing,
// the master bypass is never restored, and whatever the effect then saves restores into
// a second effect byte for byte.
//
// Input: the record as a host keeps it, its 56-byte head and then the body.
#include "HostedEffect.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
    using namespace testeffect;
    using Bytes = std::vector<unsigned char>;

    constexpr std::size_t sHeadSize = offsetof (AAX_SPlugInChunk, data);
    constexpr std::uint32_t sOtherChunk = 0x6A756365;   // 'juce'

    Bytes save (HostedEffect& hosted)
    {
        auto record = SaveChunk (hosted.effect);
        hushmoor::fuzz::check (record->dataSize >= 4, "the effect saves its chunk");
        return record.Bytes();
    }

    /** The host's record: it may claim fewer body bytes than it holds, or a negative count, never more. */
    ChunkRecord recordFrom (const std::uint8_t* data, std::size_t size)
    {
        const auto bodySize = size > sHeadSize ? size - sHeadSize : 0;
        ChunkRecord record (bodySize);
        std::memcpy (record.bytes(), data, size);

        if (record->dataSize > 0 && static_cast<std::size_t> (record->dataSize) > bodySize)
            record->dataSize = static_cast<std::int32_t> (bodySize);

        return record;
    }
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using hushmoor::fuzz::check;

    // The effects live across inputs, as in a host session; each input starts from one saved
    // state and ends by restoring it, so that it leaves behind what it found (leaks show).
    static HostedEffect hosted, copy;
    check (hosted.initResult == AAX_SUCCESS && copy.initResult == AAX_SUCCESS, "initialise");
    static const Bytes baseline = [] { hosted.effect.SetParameterNormalizedValue (cDefaultMasterBypassID, 1.0); return save (hosted); }();
    const auto* baselineRecord = reinterpret_cast<const AAX_SPlugInChunk*> (baseline.data());

    if (size > (1u << 20))
        return 0;

    auto& effect = hosted.effect;
    auto record = recordFrom (data, size);
    check (effect.SetChunk (sOtherChunk, record.get()) == AAX_RESULT_BAD_CHUNK_ID, "another chunk ID is refused");
    AAX_CBoolean equal = 7;
    check (effect.CompareActiveChunk (record.get(), &equal) == AAX_SUCCESS && (equal == 0 || equal == 1), "comparison");
    check (save (hosted) == baseline, "refusing or comparing a record changes nothing");

    check (effect.SetChunk (CONTROLS_CHUNK_TAG, record.get()) == AAX_SUCCESS, "restore answers 0");
    double bypass = 0.0;
    check (effect.GetParameterNormalizedValue (cDefaultMasterBypassID, &bypass) == AAX_SUCCESS && bypass == 1.0,
           "the master bypass is never restored");

    const auto after = save (hosted);
    check (copy.effect.SetChunk (CONTROLS_CHUNK_TAG, reinterpret_cast<const AAX_SPlugInChunk*> (after.data())) == AAX_SUCCESS
             && save (copy) == after, "a saved chunk restores byte for byte");

    for (auto* each : { &hosted, &copy })
    {
        check (each->effect.SetChunk (CONTROLS_CHUNK_TAG, baselineRecord) == AAX_SUCCESS, "restore of the saved state");
        check (save (*each) == baseline, "a saved state restores exactly");
        each->log.Clear();
    }

    return 0;
}
