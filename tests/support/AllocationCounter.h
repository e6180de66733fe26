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

    /** Makes the n-th throwing operator new from now on this thread throw std::bad_alloc
        (counted whether or not counting is on); 0 makes none fail. */
    void failNewOnThisThread (int n) noexcept;
    /** How many throwing news remain before the failure; 0 once it happened (or none is set). */
    int newsUntilFailureOnThisThread() noexcept;
}
