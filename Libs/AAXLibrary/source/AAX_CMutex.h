#pragma once

#include <atomic>
#include <memory>
#include <pthread.h>

/**
    A mutex that knows its owning thread: the owner's second Lock() answers false instead
    of blocking on itself, and only the owner can unlock. It does not count: the owner's
    first Unlock() releases it. If the system mutex cannot be made, the mutex is inert:
    Lock() answers false and Unlock() does nothing.
*/
class AAX_CMutex
{
public:
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    /** True when this call took the mutex (waiting while another thread holds it). */
    bool Lock();
    /** Releases the mutex when the calling thread owns it; otherwise does nothing. */
    void Unlock();

private:
    struct MutexState
    {
        // Written only by the holder; other threads only compare it with their own id.
        std::atomic<pthread_t> m_OwnerThread {};
        pthread_mutex_t m_SystemMutex;
    };

    std::unique_ptr<MutexState> m_State;
};

/** Locks for its scope; unlocks at its end only if its own Lock() took the mutex. */
class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex& mutex) : m_Mutex (mutex), m_Locked (mutex.Lock()) {}
    ~AAX_StLock_Guard()                                     { if (m_Locked) m_Mutex.Unlock(); }

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& m_Mutex;
    bool m_Locked;
};
