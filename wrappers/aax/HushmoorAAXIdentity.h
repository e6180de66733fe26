#pragma once

#include "AAX_Types.h"

#include <cstddef>
#include <cstdint>

/**
    Everything an AAX host knows the plug-in by, in one place: names, codes, the formats
    of its processing components, its own chunk and the context record its process
    callback receives. The names and the manufacturer and product codes are the ones every
    format uses; the rest is this wrapper's own choice, made once here and never changed,
    since hosts store them in their sessions.
*/
namespace hushmoor::aax
{
    class HushmoorAAXProcessor;

    /** A four-character code as hosts compare them: the first character in the top byte. */
    constexpr std::uint32_t fourCC (const char (&code)[5]) noexcept
    {
        return (static_cast<std::uint32_t> (static_cast<unsigned char> (code[0])) << 24)
             | (static_cast<std::uint32_t> (static_cast<unsigned char> (code[1])) << 16)
             | (static_cast<std::uint32_t> (static_cast<unsigned char> (code[2])) << 8)
             |  static_cast<std::uint32_t> (static_cast<unsigned char> (code[3]));
    }

    //==============================================================================
    inline constexpr const char* effectID = "com.brivel.gravilohushmoor";
    inline constexpr const char* shortName = "Hushmoor";
    inline constexpr const char* longName = "Gravilo Hushmoor";
    inline constexpr const char* manufacturerName = "Brivel";
    /** The package's names, longest first. */
    inline constexpr const char* packageNames[] { "Gravilo Hushmoor", "Hushmoor" };
    /** 1.0.0 */
    inline constexpr std::uint32_t packageVersion = 0x10000;
    /** The host's effect category for dynamics processors. */
    inline constexpr std::uint32_t effectCategory = 2;

    inline constexpr std::uint32_t manufacturerCode = fourCC ("BHM_");
    inline constexpr std::uint32_t productCode = fourCC ("Bhmr");

    //==============================================================================
    /** A main bus as a stem format: a layout number in the upper 16 bits, the channel
        count in the lower 16, so the count can be read off the format itself. */
    enum class StemFormat : std::int32_t
    {
        mono   = (0 << 16) | 1,
        stereo = (1 << 16) | 2
    };

    constexpr int channelCount (StemFormat format) noexcept    { return static_cast<std::int32_t> (format) & 0xffff; }

    /** The plug-in code of one channel configuration: 'Bh' (real time) or 'Bo' (offline),
        then the input and the output channel counts as digits ('Bh12': mono in, stereo out). */
    constexpr std::uint32_t pluginCode (StemFormat in, StemFormat out, bool offline) noexcept
    {
        return (static_cast<std::uint32_t> ('B') << 24)
             | (static_cast<std::uint32_t> (offline ? 'o' : 'h') << 16)
             | (static_cast<std::uint32_t> ('0' + channelCount (in)) << 8)
             |  static_cast<std::uint32_t> ('0' + channelCount (out));
    }

    //==============================================================================
    /** The processor's own chunk, beside the library's controls chunk: the processor's
        whole state (all twelve programs and the active one). */
    inline constexpr std::uint32_t stateChunkID = fourCC ("juce");
    inline constexpr const char* stateChunkName = "Gravilo Hushmoor State";

    //==============================================================================
    /** What the host keeps for the process callback in the instance's private data. */
    struct ProcessorLink
    {
        HushmoorAAXProcessor* processor;
    };

    /**
        The context record of the process callback: one per processing instance, filled
        in by the host. Each field is a pointer; a field's index is its position.
    */
    struct ProcessContext
    {
        float* const* inputChannels;     // the host's input channels
        float* const* outputChannels;    // the host's output channels
        const std::int32_t* bufferSize;  // samples in this call
        const std::int32_t* bypass;      // the master bypass packet: non-zero while engaged
        ProcessorLink* link;             // private data, set up by the processor
        std::int32_t* prepared;          // private data: 1 once the processor was readied
    };

    template <std::size_t Offset>
    inline constexpr AAX_CFieldIndex fieldIndex = static_cast<AAX_CFieldIndex> (Offset / sizeof (void*));

    inline constexpr AAX_CFieldIndex inputChannelsField  = fieldIndex<offsetof (ProcessContext, inputChannels)>;
    inline constexpr AAX_CFieldIndex outputChannelsField = fieldIndex<offsetof (ProcessContext, outputChannels)>;
    inline constexpr AAX_CFieldIndex bufferSizeField     = fieldIndex<offsetof (ProcessContext, bufferSize)>;
    inline constexpr AAX_CFieldIndex bypassField         = fieldIndex<offsetof (ProcessContext, bypass)>;
    inline constexpr AAX_CFieldIndex linkField           = fieldIndex<offsetof (ProcessContext, link)>;
    inline constexpr AAX_CFieldIndex preparedField       = fieldIndex<offsetof (ProcessContext, prepared)>;

    static_assert (sizeof (ProcessorLink) == 8 && bypassField == 3 && preparedField == 5,
                   "hosts size and number the record's fields as described");

    /** The bypass packet: one int32, 1 while the master bypass is engaged. */
    inline constexpr std::uint32_t bypassPacketSize = sizeof (std::int32_t);
}
