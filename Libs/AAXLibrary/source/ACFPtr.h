#pragma once

#include "ACFIdentifiers.h"
#include "IACFComponentFactory.h"

#include <utility>

/**
    Owns one reference to one host interface. Member access on an empty pointer throws
    ACF_RESULT_NULL_POINTER as a plain int, which the exported entry points turn into a
    protocol result; release never throws.
*/
template <class T>
class ACFPtr
{
public:
    /** Hands the pointer's storage to a host call that writes an interface into it. */
    class OutParameter
    {
    public:
        explicit OutParameter (ACFPtr& owner) noexcept : m_Owner (owner) {}
        ~OutParameter()                                  { m_Owner.m_Pointer = static_cast<T*> (m_Written); }

        OutParameter (const OutParameter&) = delete;
        OutParameter& operator= (const OutParameter&) = delete;

        operator void**() noexcept                       { return &m_Written; }

    private:
        ACFPtr& m_Owner;
        void* m_Written = nullptr;
    };

    ACFPtr() noexcept = default;
    /** Takes a reference of its own. */
    explicit ACFPtr (T* pointer) : m_Pointer (pointer)  { if (m_Pointer != nullptr) m_Pointer->AddRef(); }
    ~ACFPtr()                                            { Reset(); }

    ACFPtr (ACFPtr&& other) noexcept : m_Pointer (std::exchange (other.m_Pointer, nullptr)) {}
    ACFPtr& operator= (ACFPtr&& other) noexcept
    {
        if (&other != this)
        {
            Reset();
            m_Pointer = std::exchange (other.m_Pointer, nullptr);
        }

        return *this;
    }

    ACFPtr (const ACFPtr&) = delete;
    ACFPtr& operator= (const ACFPtr&) = delete;

    T* operator->() const
    {
        if (m_Pointer == nullptr)
            throw static_cast<int> (ACF_RESULT_NULL_POINTER);

        return m_Pointer;
    }

    /** The raw pointer, without touching the reference count. */
    T* Get() const noexcept                              { return m_Pointer; }
    bool IsEmpty() const noexcept                        { return m_Pointer == nullptr; }

    /**
        Releases what is held, then lets a host call write a new interface; the reference
        that the host writes belongs to this pointer when the call's full expression ends.
    */
    OutParameter Out() noexcept
    {
        Reset();
        return OutParameter (*this);
    }

    /** Releases the reference held, if any. A host Release that throws is absorbed. */
    void Reset() noexcept
    {
        if (auto* pointer = std::exchange (m_Pointer, nullptr))
        {
            try { pointer->Release(); }
            catch (...) {}
        }
    }

private:
    T* m_Pointer = nullptr;
};

/** Asks a host object for one version of an interface; the result is not looked at. Null asks nothing. */
template <class To>
void ACFQueryHostVersion (IACFUnknown* from, const _acfUID& interfaceID, ACFPtr<To>& into)
{
    if (from != nullptr)
        from->QueryInterface (interfaceID, into.Out());
}

/** Asks a host object for a newer version of its interface; the result is not looked at. */
template <class From, class To>
void ACFQueryHostVersion (const ACFPtr<From>& from, const _acfUID& interfaceID, ACFPtr<To>& into)
{
    ACFQueryHostVersion (static_cast<IACFUnknown*> (from.Get()), interfaceID, into);
}

/**
    Runs use with the component factory that the host's unknown offers, holding one
    reference to it for the whole call; without a host or a factory nothing runs. The
    factory query is the only result looked at: a host that answers success but gives no
    factory throws through the empty pointer.
*/
template <class Use>
void ACFWithHostFactory (IACFUnknown* host, Use&& use)
{
    if (host == nullptr)
        return;

    ACFPtr<IACFComponentFactory> factory;

    if (host->QueryInterface (IID_IACFComponentFactory, factory.Out()) != ACF_OK)
        return;

    use (factory);
}

/** Makes a host component through the host's factory, writing the interface into the given pointer. */
template <class T>
void ACFCreateHostComponent (IACFUnknown* host, const _acfUID& componentID, const _acfUID& interfaceID,
                             ACFPtr<T>& into)
{
    ACFWithHostFactory (host, [&] (const ACFPtr<IACFComponentFactory>& factory)
    {
        factory->CreateComponent (componentID, nullptr, interfaceID, into.Out());
    });
}

/**
    The same for a component with a second interface version: it is asked of the first while
    the factory is still held, so the whole creation happens under one factory reference.
*/
template <class V1, class V2>
void ACFCreateHostComponent (IACFUnknown* host, const _acfUID& componentID, const _acfUID& version1ID,
                             ACFPtr<V1>& version1, const _acfUID& version2ID, ACFPtr<V2>& version2)
{
    ACFWithHostFactory (host, [&] (const ACFPtr<IACFComponentFactory>& factory)
    {
        factory->CreateComponent (componentID, nullptr, version1ID, version1.Out());
        ACFQueryHostVersion (version1, version2ID, version2);
    });
}

/**
    Calls one operation of a host interface with the arguments unchanged and answers the
    host's result; an empty pointer answers whenMissing without calling anything.
*/
template <class Interface, class Result, class Operation, class... Args>
Result ACFForward (const ACFPtr<Interface>& host, Result whenMissing, Operation operation, Args&&... args)
{
    if (host.IsEmpty())
        return whenMissing;

    return (host.Get()->*operation) (std::forward<Args> (args)...);
}
