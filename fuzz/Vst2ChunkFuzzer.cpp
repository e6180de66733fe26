// Any bytes as a VST 2.4 chunk, through the plug-in's entry point and dispatcher as a host
// calls it: the answer is 1 only when the state was restored, a refused chunk changes
// nothing, and a restored one saves again as bytes that restore byte for byte.
#include "fuzz/Vst2FuzzSupport.h"

namespace
{
    using namespace hushmoor::fuzz::vst2;

    /** Two instances for the whole run, ended as a host ends them when the run is over. */
    struct Instances
    {
        Instances()
        {
            for (int program = 0; program < 12; ++program)
            {
                dispatch (plugin, VstDispatcherOpcode::setProgram, 0, program, nullptr);
                plugin->setParameter (plugin, program % 5, 0.08f * static_cast<float> (program));
            }

            baseline = chunkOf (plugin);
        }

        ~Instances()
        {
            close (plugin);
            close (second);
        }

        AEffect* const plugin = makeInstance();
        AEffect* const second = makeInstance();
        std::vector<std::uint8_t> baseline;
    };
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using hushmoor::fuzz::check;

    static Instances instances;
    auto* const plugin = instances.plugin;
    auto* const second = instances.second;
    const auto& baseline = instances.baseline;

    check (setChunk (plugin, baseline) == 1, "the baseline was refused");

    const bool isProgram = size > 0 && (data[0] & 1) != 0;
    const auto answer = setChunk (plugin, { data, data + size }, isProgram);
    const auto saved = chunkOf (plugin);

    check (answer == 0 || answer == 1, "setChunk answered something other than 0 or 1");

    if (answer == 0)
    {
        check (saved == baseline, "a refused chunk changed something");
        return 0;
    }

    check (setChunk (second, saved) == 1, "a saved chunk was refused");
    check (chunkOf (second) == saved, "a saved chunk does not restore byte for byte");
    return 0;
}
