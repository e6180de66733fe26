#pragma once

#include <cstddef>
#include <cstdint>

/**
    The plug-in record a VST 2.4 host receives, with the callback type through which the
    plug-in reaches the host. The layout is binary: x86-64, little-endian, 192 bytes.
*/
struct AEffect;

/** The host's entry point: (record, opcode, index, value, ptr, opt). */
using VstHostCallback = std::intptr_t (*) (AEffect*, std::int32_t, std::int32_t, std::intptr_t, void*, float);

using VstDispatcherProc      = std::intptr_t (*) (AEffect*, std::int32_t, std::int32_t, std::intptr_t, void*, float);
using VstProcessProc         = void (*) (AEffect*, float**, float**, std::int32_t);
using VstProcessDoubleProc   = void (*) (AEffect*, double**, double**, std::int32_t);
using VstSetParameterProc    = void (*) (AEffect*, std::int32_t, float);
using VstGetParameterProc    = float (*) (AEffect*, std::int32_t);

struct AEffect
{
    std::int32_t magic;
    std::int32_t padding1;
    VstDispatcherProc dispatcher;
    VstProcessProc processDeprecated;
    VstSetParameterProc setParameter;
    VstGetParameterProc getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    std::int32_t padding2;
    std::intptr_t reserved1;
    std::intptr_t reserved2;
    std::int32_t initialDelay;
    std::int32_t realQualities;
    std::int32_t offQualities;
    float ioSampleRatio;
    void* object;
    void* user;
    std::int32_t uniqueID;
    std::int32_t version;
    VstProcessProc processReplacing;
    VstProcessDoubleProc processDoubleReplacing;
    char reservedTail[56];
};

static_assert (sizeof (AEffect) == 192);
static_assert (alignof (AEffect) == 8);
static_assert (offsetof (AEffect, magic) == 0);
static_assert (offsetof (AEffect, padding1) == 4);
static_assert (offsetof (AEffect, dispatcher) == 8);
static_assert (offsetof (AEffect, processDeprecated) == 16);
static_assert (offsetof (AEffect, setParameter) == 24);
static_assert (offsetof (AEffect, getParameter) == 32);
static_assert (offsetof (AEffect, numPrograms) == 40);
static_assert (offsetof (AEffect, numParams) == 44);
static_assert (offsetof (AEffect, numInputs) == 48);
static_assert (offsetof (AEffect, numOutputs) == 52);
static_assert (offsetof (AEffect, flags) == 56);
static_assert (offsetof (AEffect, padding2) == 60);
static_assert (offsetof (AEffect, reserved1) == 64);
static_assert (offsetof (AEffect, reserved2) == 72);
static_assert (offsetof (AEffect, initialDelay) == 80);
static_assert (offsetof (AEffect, realQualities) == 84);
static_assert (offsetof (AEffect, offQualities) == 88);
static_assert (offsetof (AEffect, ioSampleRatio) == 92);
static_assert (offsetof (AEffect, object) == 96);
static_assert (offsetof (AEffect, user) == 104);
static_assert (offsetof (AEffect, uniqueID) == 112);
static_assert (offsetof (AEffect, version) == 116);
static_assert (offsetof (AEffect, processReplacing) == 120);
static_assert (offsetof (AEffect, processDoubleReplacing) == 128);
static_assert (offsetof (AEffect, reservedTail) == 136);

/** Builds a four-character code, first character in the most significant byte. */
constexpr std::int32_t vstFourCC (char a, char b, char c, char d) noexcept
{
    return static_cast<std::int32_t> ((static_cast<std::uint32_t> (static_cast<unsigned char> (a)) << 24)
                                    | (static_cast<std::uint32_t> (static_cast<unsigned char> (b)) << 16)
                                    | (static_cast<std::uint32_t> (static_cast<unsigned char> (c)) << 8)
                                    |  static_cast<std::uint32_t> (static_cast<unsigned char> (d)));
}

constexpr std::int32_t vstEffectMagic      = vstFourCC ('V', 's', 't', 'P');
constexpr std::int32_t vstDefaultUniqueID  = vstFourCC ('N', 'o', 'E', 'f');
constexpr std::int32_t vstIdentifyAnswer   = vstFourCC ('N', 'v', 'E', 'f');

/** Bits of AEffect::flags. */
enum class VstEffectFlags : std::int32_t
{
    hasEditor            = 0x1,
    hasClip              = 0x2,
    hasVu                = 0x4,
    canMono              = 0x8,
    canReplacing         = 0x10,
    programChunks        = 0x20,
    isSynth              = 0x100,
    noSoundInStop        = 0x200,
    extIsAsync           = 0x400,
    extHasBuffer         = 0x800,
    canDoubleReplacing   = 0x1000
};

constexpr std::int32_t toBits (VstEffectFlags flag) noexcept   { return static_cast<std::int32_t> (flag); }
