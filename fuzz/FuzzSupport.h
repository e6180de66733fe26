#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

/** libFuzzer's entry point: each target defines it once. */
extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size);

namespace hushmoor::fuzz
{

/** Ends the run as a finding: libFuzzer saves the input that got here. */
[[noreturn]] inline void fail (const char* what)
{
    std::fprintf (stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check (bool condition, const char* what)
{
    if (! condition)
        fail (what);
}

/** Reads an input from the front as plain little-endian values; past its end, zeros. The
    seed writer (SeedCorpus.cpp) writes the same way. */
class ByteReader
{
public:
    ByteReader (const std::uint8_t* data, std::size_t size) noexcept : next (data), left (size) {}

    bool atEnd() const noexcept  { return left == 0; }

    template <typename T>
    T take() noexcept
    {
        unsigned char bytes[sizeof (T)] {};
        const auto n = left < sizeof (T) ? left : sizeof (T);
        std::memcpy (bytes, next, n);
        next += n;
        left -= n;

        T value;
        std::memcpy (&value, bytes, sizeof (T));
        return value;
    }

    /** A length byte, then that many bytes (fewer at the end of the input). */
    std::string takeText()
    {
        const std::size_t wanted = take<std::uint8_t>();
        const auto n = wanted < left ? wanted : left;
        std::string text (reinterpret_cast<const char*> (next), n);
        next += n;
        left -= n;
        return text;
    }

private:
    const std::uint8_t* next;
    std::size_t left;
};

inline float floatFromBits (std::uint32_t bits) noexcept
{
    float value;
    std::memcpy (&value, &bits, sizeof value);
    return value;
}

} // namespace hushmoor::fuzz
