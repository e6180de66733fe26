#pragma once

// The VST 2.4 plug-in compiled into a fuzz target, reached through its entry point and
// dispatcher as a host reaches it.
#include "fuzz/FuzzSupport.h"
#include "wrappers/vst2/HushmoorVst2Wrapper.h"

#include <vector>

extern "C" AEffect* VSTPluginMain (VstHostCallback hostCallback);

namespace hushmoor::fuzz::vst2
{
    inline std::intptr_t host (AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float)
    {
        return opcode == toInt (VstHostOpcode::version) ? 2400 : 0;
    }

    inline std::intptr_t dispatch (AEffect* effect, VstDispatcherOpcode opcode, std::int32_t index, std::intptr_t value, void* ptr)
    {
        return effect->dispatcher (effect, toInt (opcode), index, value, ptr, 0.0f);
    }

    /** The whole state, as the host saves it. */
    inline std::vector<std::uint8_t> chunkOf (AEffect* effect)
    {
        void* data = nullptr;
        const auto size = dispatch (effect, VstDispatcherOpcode::getChunk, 0, 0, &data);
        check (size > 0 && data != nullptr, "no chunk");
        const auto* bytes = static_cast<const std::uint8_t*> (data);
        return { bytes, bytes + size };
    }

    /** The host's buffer holds exactly the chunk: any read past it is a finding. */
    inline std::intptr_t setChunk (AEffect* effect, std::vector<std::uint8_t> chunk, bool isProgram = false)
    {
        return dispatch (effect, VstDispatcherOpcode::setChunk, isProgram ? 1 : 0,
                         static_cast<std::intptr_t> (chunk.size()), chunk.data());
    }

    /** An opened instance, ended as a host ends it by close(). */
    inline AEffect* makeInstance()
    {
        auto* effect = VSTPluginMain (&host);
        check (effect != nullptr, "no instance");
        dispatch (effect, VstDispatcherOpcode::open, 0, 0, nullptr);
        return effect;
    }

    inline void close (AEffect* effect)
    {
        dispatch (effect, VstDispatcherOpcode::close, 0, 0, nullptr);
    }
}
