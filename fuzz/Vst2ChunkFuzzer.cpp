// Any bytes as a VST 2.4 chunk, through the plug-in's entry point and dispatcher as a host
// calls it: the answer is 1 only when the state was restored, a refused chunk changes
// nothing, and a restored one saves again as bytes that restore byte for byte.
#include "fuzz/FuzzSupport.h"
#include "wrappers/vst2/HushmoorVst2Wrapper.h"

#include <vector>

extern "C" AEffect* VSTPluginMain (VstHostCallback hostCallback);

namespace
{
    std::intptr_t host (AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float)
    {
        return opcode == toInt (VstHostOpcode::version) ? 2400 : 0;
    }

    std::intptr_t dispatch (AEffect* effect, VstDispatcherOpcode opcode, std::int32_t index, std::intptr_t value, void* ptr)
    {
        return effect->dispatcher (effect, toInt (opcode), index, value, ptr, 0.0f);
    }

    std::vector<std::uint8_t> chunkOf (AEffect* effect)
    {
        void* data = nullptr;
        const auto size = dispatch (effect, VstDispatcherOpcode::getChunk, 0, 0, &data);
        hushmoor::fuzz::check (size > 0 && data != nullptr, "no chunk");
        const auto* bytes = static_cast<const std::uint8_t*> (data);
        return { bytes, bytes + size };
    }

    std::intptr_t setChunk (AEffect* effect, std::vector<std::uint8_t> chunk, bool isProgram)
    {
        return dispatch (effect, VstDispatcherOpcode::setChunk, isProgram ? 1 : 0,
                         static_cast<std::intptr_t> (chunk.size()), chunk.data());
    }

    AEffect* makeInstance()
    {
        auto* effect = VSTPluginMain (&host);
        hushmoor::fuzz::check (effect != nullptr, "no instance");
        dispatch (effect, VstDispatcherOpcode::open, 0, 0, nullptr);
        return effect;
    }

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
            dispatch (plugin, VstDispatcherOpcode::close, 0, 0, nullptr);
            dispatch (second, VstDispatcherOpcode::close, 0, 0, nullptr);
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

    check (setChunk (plugin, baseline, false) == 1, "the baseline was refused");

    // The host's buffer holds exactly the chunk: any read past it is a finding.
    const bool isProgram = size > 0 && (data[0] & 1) != 0;
    const auto answer = setChunk (plugin, { data, data + size }, isProgram);
    const auto saved = chunkOf (plugin);

    check (answer == 0 || answer == 1, "setChunk answered something other than 0 or 1");

    if (answer == 0)
    {
        check (saved == baseline, "a refused chunk changed something");
        return 0;
    }

    check (setChunk (second, saved, false) == 1, "a saved chunk was refused");
    check (chunkOf (second) == saved, "a saved chunk does not restore byte for byte");
    return 0;
}
