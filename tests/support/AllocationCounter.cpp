#include "tests/support/AllocationCounter.h"

#include <cstdlib>
#include <new>

extern "C"
{
    void* __real_malloc (std::size_t);
    void* __real_calloc (std::size_t, std::size_t);
    void* __real_realloc (void*, std::size_t);
}

namespace
{
    thread_local bool counting = false;
    thread_local int count = 0;
    thread_local int newsUntilFailure = 0;

    void noteAllocation() noexcept
    {
        if (counting)
            ++count;
    }

    void* allocate (std::size_t size)
    {
        noteAllocation();

        if (newsUntilFailure > 0 && --newsUntilFailure == 0)
            throw std::bad_alloc();

        if (void* p = __real_malloc (size == 0 ? 1 : size))
            return p;

        throw std::bad_alloc();
    }
}

namespace hushmoor::test
{
    void countAllocationsOnThisThread (bool shouldCount) noexcept   { counting = shouldCount; }
    int allocationsOnThisThread() noexcept                          { return count; }
    void failNewOnThisThread (int n) noexcept                       { newsUntilFailure = n; }
    int newsUntilFailureOnThisThread() noexcept                     { return newsUntilFailure; }
}

extern "C"
{
    void* __wrap_malloc (std::size_t size)                      { noteAllocation(); return __real_malloc (size); }
    void* __wrap_calloc (std::size_t n, std::size_t size)       { noteAllocation(); return __real_calloc (n, size); }
    void* __wrap_realloc (void* p, std::size_t size)            { noteAllocation(); return __real_realloc (p, size); }
}

// The nothrow forms too: every new that the deletes below may receive must come from
// malloc, or a sanitizer's allocator reports mismatched pairs.
void* operator new (std::size_t size)                               { return allocate (size); }
void* operator new[] (std::size_t size)                             { return allocate (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept   { noteAllocation(); return __real_malloc (size == 0 ? 1 : size); }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept { noteAllocation(); return __real_malloc (size == 0 ? 1 : size); }
void operator delete (void* p, const std::nothrow_t&) noexcept      { std::free (p); }
void operator delete[] (void* p, const std::nothrow_t&) noexcept    { std::free (p); }
void operator delete (void* p) noexcept                             { std::free (p); }
void operator delete[] (void* p) noexcept                           { std::free (p); }
void operator delete (void* p, std::size_t) noexcept                { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept              { std::free (p); }
