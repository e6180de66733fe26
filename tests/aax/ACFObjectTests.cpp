#include "ACFIdentifiers.h"
#include "ACFPtr.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace
{
    struct Lifecycle
    {
        int finalReleases = 0;
        int destructions = 0;
        bool finalReleaseBeforeDestruction = false;
    };

    class TestEffectParameters final : public AAX_CEffectParameters
    {
    public:
        explicit TestEffectParameters (Lifecycle& lifecycle) : m_Lifecycle (lifecycle) {}
        ~TestEffectParameters() override   { ++m_Lifecycle.destructions; }

        void FinalRelease() override
        {
            ++m_Lifecycle.finalReleases;
            m_Lifecycle.finalReleaseBeforeDestruction = m_Lifecycle.destructions == 0;
        }

    private:
        Lifecycle& m_Lifecycle;
    };

    using TestEffectGUI = testeffect::RecordingGUI;

    _acfUID withLastByteChanged (_acfUID id)
    {
        id.data4[7] ^= 1;
        return id;
    }

    // Takes the host's first reference the way a host does, and hands it back.
    IACFUnknown* firstQuery (IACFUnknown& object, const _acfUID& id)
    {
        void* out = nullptr;
        EXPECT_EQ (object.QueryInterface (id, &out), ACF_OK);
        return static_cast<IACFUnknown*> (out);
    }
}

TEST (ACFObject, UnknownQueryYieldsThePrivateUnknownWithOneMoreReference)
{
    Lifecycle lifecycle;
    auto* effect = new TestEffectParameters (lifecycle);
    IACFUnknown& host = *effect;

    auto* unknown = firstQuery (host, IID_IACFUnknown);
    EXPECT_NE (unknown, static_cast<IACFUnknown*> (effect));
    EXPECT_EQ (host.AddRef(), 2u);

    // The private unknown counts on the same object.
    auto* again = firstQuery (*unknown, IID_IACFUnknown);
    EXPECT_EQ (again, unknown);
    EXPECT_EQ (unknown->Release(), 2u);
    EXPECT_EQ (host.Release(), 1u);
    EXPECT_EQ (unknown->Release(), 0u);
    EXPECT_EQ (lifecycle.destructions, 1);
}

TEST (ACFObject, EveryEffectParametersVersionYieldsTheSameInterfaceAndAReference)
{
    Lifecycle lifecycle;
    auto* effect = new TestEffectParameters (lifecycle);
    IACFUnknown& host = *effect;

    for (const auto* id : { &IID_IAAXEffectParametersV1, &IID_IAAXEffectParametersV2, &IID_IAAXEffectParametersV3 })
        EXPECT_EQ (firstQuery (host, *id), static_cast<IACFUnknown*> (effect));

    EXPECT_EQ (host.Release(), 2u);
    EXPECT_EQ (host.Release(), 1u);
    EXPECT_EQ (host.Release(), 0u);
    EXPECT_EQ (lifecycle.destructions, 1);
}

TEST (ACFObject, UnknownIdentifiersAreRefusedWithoutAReference)
{
    Lifecycle lifecycle;
    auto* effect = new TestEffectParameters (lifecycle);
    IACFUnknown& host = *effect;
    firstQuery (host, IID_IAAXEffectParametersV1);

    for (const auto& id : { IID_IAAXEffectGUIV1, IID_IAAXCollectionV1, withLastByteChanged (IID_IAAXEffectParametersV2),
                            withLastByteChanged (IID_IACFUnknown) })
    {
        void* out = &lifecycle;
        EXPECT_EQ (host.QueryInterface (id, &out), ACF_RESULT_NO_INTERFACE);
        EXPECT_EQ (out, nullptr);
    }

    // A host that passes no out-pointer gets an answer, and nothing is counted.
    EXPECT_EQ (host.QueryInterface (IID_IAAXEffectParametersV1, nullptr), ACF_RESULT_NULL_POINTER);
    EXPECT_EQ (host.QueryInterface (IID_IACFUnknown, nullptr), ACF_RESULT_NULL_POINTER);

    EXPECT_EQ (host.Release(), 0u);
    EXPECT_EQ (lifecycle.destructions, 1);
}

TEST (ACFObject, LastReleaseRunsFinalReleaseThenDestroysAndCountsTheObjectGone)
{
    const auto before = CACFUnknown::GetActiveObjectCount();
    Lifecycle lifecycle;
    auto* effect = new TestEffectParameters (lifecycle);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before + 1);

    IACFUnknown& host = *effect;
    EXPECT_EQ (host.AddRef(), 1u);
    EXPECT_EQ (host.AddRef(), 2u);
    EXPECT_EQ (host.Release(), 1u);
    EXPECT_EQ (lifecycle.finalReleases, 0);

    EXPECT_EQ (host.Release(), 0u);
    EXPECT_EQ (lifecycle.finalReleases, 1);
    EXPECT_EQ (lifecycle.destructions, 1);
    EXPECT_TRUE (lifecycle.finalReleaseBeforeDestruction);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before);
}

TEST (ACFObject, GUIAnswersItsOwnIdentifierOnly)
{
    auto* gui = new TestEffectGUI;
    IACFUnknown& host = *gui;

    EXPECT_EQ (firstQuery (host, IID_IAAXEffectGUIV1), static_cast<IACFUnknown*> (gui));
    EXPECT_NE (firstQuery (host, IID_IACFUnknown), static_cast<IACFUnknown*> (gui));

    for (const auto& id : { withLastByteChanged (IID_IAAXEffectGUIV1), IID_IAAXEffectParametersV1 })
    {
        void* out = nullptr;
        EXPECT_EQ (host.QueryInterface (id, &out), ACF_RESULT_NO_INTERFACE);
        EXPECT_EQ (out, nullptr);
    }

    EXPECT_EQ (host.Release(), 1u);
    EXPECT_EQ (host.Release(), 0u);
}

TEST (ACFObject, LiveObjectCountStaysExactUnderConcurrentUse)
{
    const auto before = CACFUnknown::GetActiveObjectCount();
    std::vector<std::thread> threads;

    for (int t = 0; t < 8; ++t)
        threads.emplace_back ([]
        {
            for (int i = 0; i < 500; ++i)
            {
                Lifecycle lifecycle;
                IACFUnknown* object = new TestEffectParameters (lifecycle);
                object->AddRef();
                object->AddRef();
                object->Release();
                object->Release();
            }
        });

    for (auto& thread : threads)
        thread.join();

    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), before);
}

TEST (ACFObject, IdentifiersAreAllDistinct)
{
    const _acfUID* ids[] {
        &IID_IACFUnknown, &IID_IACFPluginDefinition, &IID_IACFComponentFactory, &AAXCompID_HostServices,
        &IID_IAAXHostServicesV1, &IID_IAAXHostServicesV2, &AAXCompID_AAXCollection, &IID_IAAXCollectionV1,
        &AAXCompID_AAXEffectDescriptor, &IID_IAAXEffectDescriptorV1, &IID_IAAXEffectDescriptorV2,
        &AAXCompID_AAXComponentDescriptor, &IID_IAAXComponentDescriptorV1, &IID_IAAXComponentDescriptorV2,
        &AAXCompID_AAXPropertyMap, &IID_IAAXPropertyMapV1, &IID_IAAXPropertyMapV2, &IID_IAAXAutomationDelegateV1,
        &IID_IAAXControllerV1, &IID_IAAXControllerV2, &IID_IAAXControllerV3, &IID_IAAXViewContainerV1,
        &IID_IAAXViewContainerV2, &IID_IAAXEffectParametersV1, &IID_IAAXEffectParametersV2,
        &IID_IAAXEffectParametersV3, &IID_IAAXEffectGUIV1, &IID_IAAXTransportV1, &IID_IAAXTransportV2 };

    for (std::size_t i = 0; i < std::size (ids); ++i)
        for (std::size_t j = i + 1; j < std::size (ids); ++j)
            EXPECT_NE (*ids[i], *ids[j]) << i << " and " << j;

    // The byte layout the host reads.
    EXPECT_EQ (IID_IACFUnknown.data4[0], 0xC0);
    EXPECT_EQ (IID_IACFUnknown.data4[7], 0x46);
    EXPECT_EQ (IID_IAAXEffectGUIV1.data1, 0x964E323Du);
}

namespace
{
    class CountedInterface final : public IACFUnknown
    {
    public:
        ACFRESULT QueryInterface (const _acfUID&, void** out) override
        {
            *out = this;
            AddRef();
            return queryResult;
        }

        acfUInt32 AddRef() override    { return static_cast<acfUInt32> (++references); }

        acfUInt32 Release() override
        {
            --references;

            if (throwOnRelease)
                throw 42;

            return static_cast<acfUInt32> (references);
        }

        int references = 0;
        bool throwOnRelease = false;
        ACFRESULT queryResult = ACF_OK;
    };
}

TEST (ACFPointer, HoldsOneReferenceAndReleasesIt)
{
    CountedInterface object;
    {
        ACFPtr<IACFUnknown> pointer (&object);
        EXPECT_EQ (object.references, 1);
        EXPECT_EQ (pointer.Get(), &object);

        ACFPtr<IACFUnknown> moved (std::move (pointer));
        EXPECT_TRUE (pointer.IsEmpty());
        EXPECT_EQ (object.references, 1);
    }
    EXPECT_EQ (object.references, 0);
}

TEST (ACFPointer, EmptyMemberAccessThrowsTheNullPointerResultAsInt)
{
    ACFPtr<IACFUnknown> empty;

    try
    {
        empty->AddRef();
        FAIL() << "no exception";
    }
    catch (int thrown)
    {
        EXPECT_EQ (thrown, ACF_RESULT_NULL_POINTER);
        EXPECT_EQ (thrown, -2147483643);
    }
}

TEST (ACFPointer, OutParameterReleasesTheOldReferenceAndOwnsTheWrittenOne)
{
    CountedInterface first, second;
    ACFPtr<IACFUnknown> pointer (&first);

    second.QueryInterface (IID_IACFUnknown, pointer.Out());

    EXPECT_EQ (first.references, 0);
    EXPECT_EQ (second.references, 1);
    EXPECT_EQ (pointer.Get(), &second);

    // A pointer written together with a failure result is still owned.
    second.queryResult = ACF_RESULT_NO_INTERFACE;
    second.QueryInterface (IID_IACFUnknown, pointer.Out());
    EXPECT_EQ (second.references, 1);

    pointer.Reset();
    EXPECT_EQ (second.references, 0);
}

TEST (ACFPointer, AReleaseThatThrowsDoesNotEscape)
{
    CountedInterface object;
    object.throwOnRelease = true;

    EXPECT_NO_THROW ({ ACFPtr<IACFUnknown> pointer (&object); });
    EXPECT_EQ (object.references, 0);
}
