#pragma once

#include "IACFUnknown.h"

#include <atomic>

/**
    The reference-counted base of every object the host holds. The host reaches it through
    an interface whose three base operations forward to the controlling unknown; every
    object here is its own controlling unknown (the embedded PrivateUnknown), so queries and
    counts land in the virtual Internal... operations below.

    A new object has count 0; the first successful query brings it to 1, and the release
    that brings it back to 0 runs FinalRelease() and deletes the object.
*/
class CACFUnknown
{
public:
    CACFUnknown() noexcept;
    virtual ~CACFUnknown();

    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    virtual ACFRESULT InitializeInstance (IACFUnknown* outer);
    virtual void FinalRelease();
    /** Deletes the object through its most-derived destructor. */
    virtual void ReclaimMemory();
    /** Answers IID_IACFUnknown with the private unknown; everything else with ACF_RESULT_NO_INTERFACE. */
    virtual ACFRESULT InternalQueryInterface (const _acfUID& interfaceID, void** interfaceOut);
    virtual acfUInt32 InternalAddRef();
    virtual acfUInt32 InternalRelease();

    /** The number of CACFUnknown objects alive in this module; 0 means it may be unloaded. */
    static acfInt32 GetActiveObjectCount() noexcept;

protected:
    class PrivateUnknown final : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown& owner) noexcept : m_Owner (&owner) {}

        ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
        acfUInt32 AddRef() override;
        acfUInt32 Release() override;

    private:
        CACFUnknown* m_Owner;
    };

    std::atomic<acfInt32> m_ReferenceCount { 0 };
    IACFUnknown* m_OuterUnknown;
    PrivateUnknown m_PrivateUnknown;

    static std::atomic<acfInt32> m_ActiveObjects;
};
