#pragma once

#include <cstdint>
#include <cstring>

// Plain types of the host's component protocol.
using acfInt32  = std::int32_t;
using acfUInt32 = std::uint32_t;
using acfUInt64 = std::uint64_t;
using ACFRESULT = std::int32_t;

/** A 16-byte interface or component identifier, laid out like a GUID in native byte order. */
struct _acfUID
{
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t  data4[8];
};

static_assert (sizeof (_acfUID) == 16, "identifiers are exchanged with the host as 16 bytes");

/** Equal when all four parts are equal; the last eight bytes compare as two 32-bit words. */
inline bool operator== (const _acfUID& a, const _acfUID& b) noexcept
{
    std::uint32_t wordsA[2], wordsB[2];
    std::memcpy (wordsA, a.data4, sizeof (wordsA));
    std::memcpy (wordsB, b.data4, sizeof (wordsB));

    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3
        && wordsA[0] == wordsB[0] && wordsA[1] == wordsB[1];
}

inline bool operator!= (const _acfUID& a, const _acfUID& b) noexcept    { return ! (a == b); }

// Protocol-level results; these sit outside the library's own result codes.
inline constexpr ACFRESULT ACF_OK                  = 0;
inline constexpr ACFRESULT ACF_RESULT_UNEXPECTED   = static_cast<ACFRESULT> (0x8000FFFFu);
inline constexpr ACFRESULT ACF_RESULT_NO_INTERFACE = static_cast<ACFRESULT> (0x80000004u);
inline constexpr ACFRESULT ACF_RESULT_NULL_POINTER = static_cast<ACFRESULT> (0x80000005u);
