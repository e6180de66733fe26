#pragma once

#include "vst2/AudioEffectX.h"

#include <cstdint>
#include <map>
#include <vector>

/** A host callback that records each call and answers from a table (0 by default).
    One instance at a time is current; tests create it on the stack. */
struct RecordingHost
{
    struct Call
    {
        AEffect* effect;
        std::int32_t opcode;
        std::int32_t index;
        std::intptr_t value;
        void* ptr;
        float opt;
    };

    RecordingHost()  { current = this; }
    ~RecordingHost() { current = nullptr; }

    static std::intptr_t callback (AEffect* e, std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr, float opt)
    {
        if (current == nullptr)
            return 0;

        current->calls.push_back ({ e, opcode, index, value, ptr, opt });
        auto found = current->answers.find (opcode);
        return found != current->answers.end() ? found->second : 0;
    }

    void answer (VstHostOpcode op, std::intptr_t result)   { answers[toInt (op)] = result; }
    const Call& last() const                               { return calls.back(); }

    std::vector<Call> calls;
    std::map<std::int32_t, std::intptr_t> answers;

    static inline RecordingHost* current = nullptr;
};

/** An effect that overrides only what it must, and records a few virtual calls. */
class PlainEffect : public AudioEffectX
{
public:
    explicit PlainEffect (VstHostCallback callback = nullptr, int32 programs = 4, int32 params = 3)
        : AudioEffectX (callback, programs, params) {}

    ~PlainEffect() override
    {
        if (destroyedFlag != nullptr)
            *destroyedFlag = true;
    }

    void processReplacing (float**, float**, int32) override {}

    void setEditor (std::unique_ptr<EffectEditor> e)       { editor = std::move (e); }
    std::int32_t rawFlags() const noexcept                 { return aeffect.flags; }

    bool* destroyedFlag = nullptr;
};
