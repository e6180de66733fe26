#include "AAX_CMutex.h"

namespace
{
    bool isCallingThread (pthread_t thread) noexcept
    {
        // A zero id never names a running thread, so an unowned mutex never matches.
        return thread != pthread_t {} && pthread_equal (thread, pthread_self()) != 0;
    }
}

AAX_CMutex::AAX_CMutex() : m_State (std::make_unique<MutexState>())
{
    if (pthread_mutex_init (&m_State->m_SystemMutex, nullptr) != 0)
        m_State.reset();
}

AAX_CMutex::~AAX_CMutex()
{
    if (m_State != nullptr)
    {
        pthread_mutex_destroy (&m_State->m_SystemMutex);
        m_State.reset();
    }
}

bool AAX_CMutex::Lock()
{
    if (m_State == nullptr)
        return false;

    if (isCallingThread (m_State->m_OwnerThread.load (std::memory_order_relaxed)))
        return false;

    pthread_mutex_lock (&m_State->m_SystemMutex);
    m_State->m_OwnerThread.store (pthread_self(), std::memory_order_relaxed);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (m_State == nullptr)
        return;

    if (! isCallingThread (m_State->m_OwnerThread.load (std::memory_order_relaxed)))
        return;

    m_State->m_OwnerThread.store (pthread_t {}, std::memory_order_relaxed);
    pthread_mutex_unlock (&m_State->m_SystemMutex);
}
