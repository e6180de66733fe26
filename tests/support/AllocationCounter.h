#pragma once

/**
    Counts heap allocations made by one thread while it asks for counting: every global
    operator new, and malloc, calloc and realloc when the program is linked with
    -Wl,--wrap=malloc,--wrap=calloc,--wrap=realloc. Link AllocationCounter.cpp into a
    test program to use it.
*/
namespace hushmoor::test
{
    void countAllocationsOnThisThread (bool shouldCount) noexcept;
    int allocationsOnThisThread() noexcept;
}
