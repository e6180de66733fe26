#include "AAX_CMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
    using namespace std::chrono_literals;

    /** Another thread that tries to lock and reports when it got the mutex. */
    class Contender
    {
    public:
        explicit Contender (AAX_CMutex& mutex)
            : m_Thread ([this, &mutex]
                        {
                            m_Result = mutex.Lock();
                            m_Acquired = true;
                            while (! m_MayFinish) std::this_thread::yield();
                            mutex.Unlock();
                        })
        {
        }

        ~Contender()
        {
            m_MayFinish = true;
            m_Thread.join();
        }

        bool Acquired() const noexcept    { return m_Acquired; }
        bool Result() const noexcept      { return m_Result; }

        bool AcquiresWithin (std::chrono::milliseconds limit) const
        {
            const auto deadline = std::chrono::steady_clock::now() + limit;

            while (! m_Acquired && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for (1ms);

            return m_Acquired;
        }

    private:
        std::atomic<bool> m_Acquired { false }, m_Result { false }, m_MayFinish { false };
        std::thread m_Thread;
    };
}

TEST (Mutex, OwnerLocksOnceAndOneUnlockReleasesForOthers)
{
    AAX_CMutex mutex;
    EXPECT_TRUE (mutex.Lock());
    EXPECT_FALSE (mutex.Lock());

    Contender other (mutex);
    EXPECT_FALSE (other.AcquiresWithin (50ms));

    mutex.Unlock();
    EXPECT_TRUE (other.AcquiresWithin (5s));
    EXPECT_TRUE (other.Result());
}

TEST (Mutex, UnlockFromAThreadThatDoesNotOwnItLeavesItLocked)
{
    AAX_CMutex mutex;
    ASSERT_TRUE (mutex.Lock());

    std::thread ([&] { mutex.Unlock(); }).join();

    Contender other (mutex);
    EXPECT_FALSE (other.AcquiresWithin (50ms));

    mutex.Unlock();
    EXPECT_TRUE (other.AcquiresWithin (5s));
}

TEST (Mutex, UnlockWithoutOwnerDoesNothing)
{
    AAX_CMutex mutex;
    mutex.Unlock();
    EXPECT_TRUE (mutex.Lock());
    mutex.Unlock();
    EXPECT_TRUE (mutex.Lock());
    mutex.Unlock();
}

TEST (Mutex, NestedGuardsHoldUntilTheOuterOneEnds)
{
    AAX_CMutex mutex;
    std::unique_ptr<Contender> other;

    {
        AAX_StLock_Guard outer (mutex);
        {
            AAX_StLock_Guard inner (mutex);
        }

        // The inner guard did not lock, so it did not unlock either.
        other = std::make_unique<Contender> (mutex);
        EXPECT_FALSE (other->AcquiresWithin (50ms));
    }

    EXPECT_TRUE (other->AcquiresWithin (5s));
}

TEST (Mutex, GuardsOnManyThreadsSerialise)
{
    AAX_CMutex mutex;
    int counter = 0;
    std::vector<std::thread> threads;

    for (int t = 0; t < 4; ++t)
        threads.emplace_back ([&]
        {
            for (int i = 0; i < 2000; ++i)
            {
                AAX_StLock_Guard guard (mutex);
                AAX_StLock_Guard nested (mutex);
                ++counter;
            }
        });

    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ (counter, 8000);
}
