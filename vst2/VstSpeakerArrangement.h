#pragma once

#include <cstddef>
#include <cstdint>

/** Arrangement types of the one- and two-channel layouts. */
constexpr std::int32_t vstSpeakerArrangementMono = 0;
constexpr std::int32_t vstSpeakerArrangementStereo = 1;

/** One speaker of an arrangement (host-facing, 112 bytes). */
struct VstSpeakerProperties
{
    char speakerPosition[16];
    char speakerName[64];
    std::int32_t speakerType;
    char speakerReserved[28];
};

static_assert (sizeof (VstSpeakerProperties) == 112);
static_assert (offsetof (VstSpeakerProperties, speakerPosition) == 0);
static_assert (offsetof (VstSpeakerProperties, speakerName) == 16);
static_assert (offsetof (VstSpeakerProperties, speakerType) == 80);
static_assert (offsetof (VstSpeakerProperties, speakerReserved) == 84);

/**
    A variable-length arrangement: the head is followed by channelCount speaker records
    back to back. The array member declares room for one; records made by
    AudioEffectX::allocateArrangement are exactly 8 + 112 * channelCount bytes.
*/
struct VstSpeakerArrangement
{
    std::int32_t arrangementType;
    std::int32_t channelCount;
    VstSpeakerProperties channelProperties[1];

    /** Channel i of a record that has at least i + 1 of them. */
    VstSpeakerProperties* getChannel (std::int32_t i) noexcept
    {
        return reinterpret_cast<VstSpeakerProperties*> (reinterpret_cast<char*> (this) + headSize
                                                        + static_cast<std::size_t> (i) * sizeof (VstSpeakerProperties));
    }

    static constexpr std::size_t headSize = 8;
};

static_assert (offsetof (VstSpeakerArrangement, arrangementType) == 0);
static_assert (offsetof (VstSpeakerArrangement, channelCount) == 4);
static_assert (offsetof (VstSpeakerArrangement, channelProperties) == VstSpeakerArrangement::headSize);
