#include "Vst2TestHost.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <utility>

#ifndef HUSHMOOR_VST2_PATH
 #error "HUSHMOOR_VST2_PATH must name the plug-in binary"
#endif

Vst2TestHost& Vst2TestHost::get()
{
    static Vst2TestHost host;
    return host;
}

Vst2TestHost::Vst2TestHost()
{
    handle = dlopen (HUSHMOOR_VST2_PATH, RTLD_NOW | RTLD_LOCAL);

    if (handle == nullptr)
    {
        error = dlerror();
        return;
    }

    entry = getEntry ("VSTPluginMain");

    if (entry == nullptr)
        error = "no VSTPluginMain";
}

Vst2TestHost::Entry Vst2TestHost::getEntry (const char* name) const
{
    return handle != nullptr ? reinterpret_cast<Entry> (dlsym (handle, name)) : nullptr;
}

std::intptr_t Vst2TestHost::callback (AEffect*, std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr, float opt)
{
    auto& host = get();

    switch (opcode)
    {
        case toInt (VstHostOpcode::version):                return 2400;
        case toInt (VstHostOpcode::getCurrentProcessLevel): return host.processLevel;
        case toInt (VstHostOpcode::canDo):
            return ptr != nullptr && std::strcmp (static_cast<const char*> (ptr), "sizeWindow") == 0 && host.canSizeWindow ? 1 : 0;
        case toInt (VstHostOpcode::sizeWindow):
            host.sizeWindowRequests.emplace_back (index, static_cast<int> (value));
            return 1;
        case toInt (VstHostOpcode::automate):
        case toInt (VstHostOpcode::beginEdit):
        case toInt (VstHostOpcode::endEdit):
        case toInt (VstHostOpcode::ioChanged):
        case toInt (VstHostOpcode::updateDisplay):
            host.notifications.push_back ({ opcode, index, opt });
            return 1;
        default:
            return 0;
    }
}

//==============================================================================
std::string Vst2Instance::text (VstDispatcherOpcode op, std::int32_t index) const
{
    char buffer[256];
    std::memset (buffer, 0, sizeof (buffer));
    dispatch (op, index, 0, buffer);
    return buffer;
}

void Vst2Instance::start (float sampleRate, int blockSize) const
{
    dispatch (VstDispatcherOpcode::open);
    dispatch (VstDispatcherOpcode::setSampleRate, 0, 0, nullptr, sampleRate);
    dispatch (VstDispatcherOpcode::setBlockSize, 0, blockSize);
    dispatch (VstDispatcherOpcode::suspendResume, 0, 1);
}

void Vst2Instance::process (std::vector<float>& left, std::vector<float>& right, int blockSize) const
{
    const auto total = static_cast<int> (left.size());

    for (int start = 0; start < total; start += blockSize)
    {
        const int n = std::min (blockSize, total - start);
        float* channels[2] { left.data() + start, right.data() + start };
        effect->processReplacing (effect, channels, channels, n);
    }
}

std::intptr_t Vst2Instance::close()
{
    if (effect == nullptr)
        return 0;

    auto* e = std::exchange (effect, nullptr);
    return e->dispatcher (e, toInt (VstDispatcherOpcode::close), 0, 0, nullptr, 0.0f);
}
