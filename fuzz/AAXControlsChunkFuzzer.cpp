// Any bytes as the body of the AAX wrapper's controls chunk ('elck'): comparing and
// restoring never fail, a record that compares equal changes nothing when restored, the
// master bypass is never restored, the processor always holds the published values, and
// the current settings always compare equal to their own chunk.
#include "fuzz/AAXFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using namespace hushmoor::fuzz;
    auto* const instance = AAXInstance::forInput (size);

    if (instance == nullptr)
        return 0;

    auto& host = instance->host();
    const auto input = AAXInstance::record (controlsChunkID, data, size);
    const auto stateBefore = host.GetChunk (stateChunkID);
    const auto bypassBefore = instance->published ("MasterBypassID");

    const auto equalBefore = host.CompareChunk (input);
    check (host.SetChunk (controlsChunkID, input) == AAX_SUCCESS, "a controls chunk is refused with an error");

    if (equalBefore == 1)
        check (host.GetChunk (stateChunkID) == stateBefore, "restoring an equal record changed the settings");

    check (instance->published ("MasterBypassID") == bypassBefore, "a controls chunk restored the master bypass");
    instance->checkInStep();

    const auto saved = host.GetChunk (controlsChunkID);
    check (! saved.empty() && host.CompareChunk (saved) == 1, "the settings differ from their own controls chunk");
    instance->endInput();
    return 0;
}
