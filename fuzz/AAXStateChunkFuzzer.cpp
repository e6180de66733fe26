// Any bytes as the AAX wrapper's state chunk ('juce'): the restore answers success, the
// host hears of every value that changed (the published values stay the processor's), and
// the wrapper still writes its state afterwards. Restoring the state itself completely or
// not at all, byte for byte, is the processor's and fuzz_state's part.
#include "fuzz/AAXFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using namespace hushmoor::fuzz;
    auto* const instance = AAXInstance::forInput (size);

    if (instance == nullptr)
        return 0;

    auto& host = instance->host();

    check (host.SetChunk (stateChunkID, AAXInstance::record (stateChunkID, data, size)) == AAX_SUCCESS,
           "a state chunk is refused with an error");
    instance->checkInStep();
    check (! host.GetChunk (stateChunkID).empty(), "no state chunk after a restore");
    instance->endInput();
    return 0;
}
