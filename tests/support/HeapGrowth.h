#pragma once

#include <cstdio>
#include <functional>
#include <malloc.h>

namespace hushmoor::test
{
    /** Heap bytes in use after one cycle has run cycles times, against the bytes in use
        after a few warm-up cycles (caches the first ones fill are not growth). Prints both. */
    inline std::size_t heapGrowthOver (int cycles, const std::function<void()>& cycle, int warmUpCycles = 10)
    {
        const auto inUse = []
        {
            malloc_trim (0);
            return mallinfo2().uordblks;
        };

        for (int i = 0; i < warmUpCycles; ++i)
            cycle();

        const auto before = inUse();

        for (int i = 0; i < cycles; ++i)
            cycle();

        const auto after = inUse();
        std::printf ("heap in use before %zu, after %d cycles %zu bytes\n", before, cycles, after);
        return after > before ? after - before : 0;
    }
}
