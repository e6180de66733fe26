#include "CACFUnknown.h"

#include "ACFIdentifiers.h"

std::atomic<acfInt32> CACFUnknown::m_ActiveObjects { 0 };

CACFUnknown::CACFUnknown() noexcept
    : m_OuterUnknown (&m_PrivateUnknown),
      m_PrivateUnknown (*this)
{
    m_ActiveObjects.fetch_add (1);
}

CACFUnknown::~CACFUnknown()
{
    m_ActiveObjects.fetch_sub (1);
}

ACFRESULT CACFUnknown::InitializeInstance (IACFUnknown*)
{
    return ACF_OK;
}

void CACFUnknown::FinalRelease() {}

void CACFUnknown::ReclaimMemory()
{
    delete this;
}

ACFRESULT CACFUnknown::InternalQueryInterface (const _acfUID& interfaceID, void** interfaceOut)
{
    // A host that passes no out-pointer gets an answer instead of a crash.
    if (interfaceOut == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *interfaceOut = nullptr;

    if (interfaceID == IID_IACFUnknown)
    {
        *interfaceOut = static_cast<IACFUnknown*> (&m_PrivateUnknown);
        m_PrivateUnknown.AddRef();
        return ACF_OK;
    }

    return ACF_RESULT_NO_INTERFACE;
}

acfUInt32 CACFUnknown::InternalAddRef()
{
    return static_cast<acfUInt32> (m_ReferenceCount.fetch_add (1) + 1);
}

acfUInt32 CACFUnknown::InternalRelease()
{
    const auto newCount = m_ReferenceCount.fetch_sub (1) - 1;

    if (newCount == 0)
    {
        FinalRelease();
        ReclaimMemory();
    }

    return static_cast<acfUInt32> (newCount);
}

acfInt32 CACFUnknown::GetActiveObjectCount() noexcept
{
    return m_ActiveObjects.load (std::memory_order_relaxed);
}

ACFRESULT CACFUnknown::PrivateUnknown::QueryInterface (const _acfUID& interfaceID, void** interfaceOut)
{
    return m_Owner->InternalQueryInterface (interfaceID, interfaceOut);
}

acfUInt32 CACFUnknown::PrivateUnknown::AddRef()
{
    return m_Owner->InternalAddRef();
}

acfUInt32 CACFUnknown::PrivateUnknown::Release()
{
    return m_Owner->InternalRelease();
}
