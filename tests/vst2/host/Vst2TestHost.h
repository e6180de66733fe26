#pragma once

#include "vst2/AEffect.h"
#include "vst2/VstOpcodes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

/**
    A minimal VST 2.4 host for tests: loads the plug-in binary once per process and makes
    instances through VSTPluginMain with its own host callback. The callback records the
    plug-in's notifications and answers a handful of host queries.
*/
class Vst2TestHost
{
public:
    struct Notification
    {
        std::int32_t opcode, index;
        float opt;
    };

    /** The loaded binary, or null with loadError() set. */
    static Vst2TestHost& get();

    bool isLoaded() const noexcept                { return entry != nullptr; }
    const std::string& loadError() const noexcept { return error; }

    using Entry = AEffect* (*) (VstHostCallback);
    Entry getEntry (const char* name) const;

    /** An instance through the given entry point, or through VSTPluginMain. */
    AEffect* createInstance (Entry through = nullptr) const
    {
        auto e = through != nullptr ? through : entry;
        return e != nullptr ? e (&callback) : nullptr;
    }

    // What the host answers.
    std::int32_t processLevel = 1;
    bool canSizeWindow = true;
    std::vector<Notification> notifications;
    std::vector<std::pair<int, int>> sizeWindowRequests;

private:
    Vst2TestHost();
    static std::intptr_t callback (AEffect*, std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr, float opt);

    void* handle = nullptr;
    Entry entry = nullptr;
    std::string error;
};

/** One plug-in instance, closed (and so deleted) when this goes. */
class Vst2Instance
{
public:
    Vst2Instance() : effect (Vst2TestHost::get().createInstance()) {}
    explicit Vst2Instance (AEffect* e) : effect (e) {}
    ~Vst2Instance()                                   { close(); }

    Vst2Instance (const Vst2Instance&) = delete;
    Vst2Instance& operator= (const Vst2Instance&) = delete;

    AEffect* get() const noexcept                     { return effect; }
    explicit operator bool() const noexcept           { return effect != nullptr; }

    std::intptr_t dispatch (VstDispatcherOpcode op, std::int32_t index = 0, std::intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f) const
    {
        return effect->dispatcher (effect, toInt (op), index, value, ptr, opt);
    }

    std::intptr_t dispatchRaw (std::int32_t op, std::int32_t index = 0, std::intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f) const
    {
        return effect->dispatcher (effect, op, index, value, ptr, opt);
    }

    std::string text (VstDispatcherOpcode op, std::int32_t index = 0) const;

    /** Open, rate, block size and resume, as a host does before audio. */
    void start (float sampleRate, int blockSize) const;
    void stop() const                                  { dispatch (VstDispatcherOpcode::suspendResume, 0, 0); }

    void setParameter (int index, float value) const   { effect->setParameter (effect, index, value); }
    float getParameter (int index) const               { return effect->getParameter (effect, index); }

    void process (std::vector<float>& left, std::vector<float>& right, int blockSize) const;

    /** Closes through dispatcher opcode 1; answers what the plug-in answered. */
    std::intptr_t close();

private:
    AEffect* effect;
};
