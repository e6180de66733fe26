#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_EntryPoints.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "FakeCollection.h"
#include "FakeComponentFactory.h"
#include "TestDescriptionHook.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

using namespace fakehost;

namespace
{
    class EntryPoints : public ::testing::Test
    {
    protected:
        // Stops the services while the host they hold is still alive.
        void TearDown() override
        {
            testDescriptionHook = nullptr;
            ACFShutdown (nullptr);
        }

        FakeComponentFactory& MakeHost (HostConfig config = {})
        {
            hosts.push_back (std::make_unique<FakeComponentFactory> (log, std::move (config)));
            return *hosts.back();
        }

        HostLog log;
        std::vector<std::unique_ptr<FakeComponentFactory>> hosts;
    };

    class LiveEffect final : public AAX_CEffectParameters {};

    IACFPluginDefinition* const untouched = reinterpret_cast<IACFPluginDefinition*> (0x1234);
}

TEST_F (EntryPoints, CanUnloadOnlyWithoutLiveObjects)
{
    ASSERT_EQ (ACFCanUnloadNow (nullptr), 0);

    IACFUnknown* first = new LiveEffect;
    IACFUnknown* second = new LiveEffect;
    first->AddRef();
    second->AddRef();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), 2);

    first->Release();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), 1);
    second->Release();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), 0);
}

TEST_F (EntryPoints, NoComponentsNoClassFactoryAndTheLibraryVersion)
{
    auto& host = MakeHost();

    IACFComponentDefinition* definition = reinterpret_cast<IACFComponentDefinition*> (0x1);
    EXPECT_EQ (ACFRegisterComponent (host.Unknown(), 0, &definition), 0);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (ACFRegisterComponent (host.Unknown(), 3, nullptr), 0);

    void* factory = &definition;
    EXPECT_EQ (ACFGetClassFactory (host.Unknown(), AAXCompID_AAXCollection, IID_IACFComponentFactory, &factory),
               AAX_RESULT_NOT_IMPLEMENTED);
    EXPECT_EQ (factory, nullptr);
    EXPECT_EQ (ACFGetClassFactory (nullptr, IID_IACFUnknown, IID_IACFUnknown, nullptr), AAX_RESULT_NOT_IMPLEMENTED);

    acfUInt64 version = 0;
    EXPECT_EQ (ACFGetSDKVersion (&version), 0);
    EXPECT_EQ (version, 0x0000020200B45B38ull);
    EXPECT_EQ (version >> 32, 0x202u);
    EXPECT_EQ (version & 0xFFFFFFFFu, 11819832u);
    EXPECT_EQ (ACFGetSDKVersion (nullptr), ACF_RESULT_NULL_POINTER);

    EXPECT_TRUE (log.Calls().empty());
}

TEST_F (EntryPoints, RegistrationDescribesThroughTheHostAndHandsBackTheDefinition)
{
    auto& host = MakeHost();
    AAX_ICollection* described = nullptr;

    testDescriptionHook = [&] (AAX_ICollection* collection)
    {
        described = collection;
        auto* effect = collection->NewDescriptor();
        effect->AddName ("Hushmoor");
        collection->AddEffect ("com.brivel.hushmoor", effect);
        return AAX_SUCCESS;
    };

    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), &definition), 0);
    ASSERT_NE (described, nullptr);

    auto* collection = dynamic_cast<FakeCollection*> (host.Find ("collection#1"));
    ASSERT_NE (collection, nullptr);
    EXPECT_EQ (definition, collection->Definition());
    EXPECT_EQ (log.OperationsOn ("collection#1"), (std::vector<std::string> {
        "QueryInterface(IID_IAAXCollectionV1)", "AddEffect(\"com.brivel.hushmoor\", effect#1)",
        "QueryInterface(IID_IACFPluginDefinition)" }));

    // Only the definition's reference is left, and it belongs to the host now.
    EXPECT_EQ (host.OutstandingReferences(), 1);
    definition->Release();
    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}

TEST_F (EntryPoints, AFailedDescriptionIsPassedOnWithTheOutPointerUntouched)
{
    auto& host = MakeHost();
    testDescriptionHook = [] (AAX_ICollection*) { return AAX_ResultCode { -4711 }; };

    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), &definition), -4711);
    EXPECT_EQ (definition, untouched);
    EXPECT_EQ (log.Count ("collection#1.QueryInterface(IID_IACFPluginDefinition)"), 0u);
    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST_F (EntryPoints, ARefusedDefinitionIsAMissingObject)
{
    HostConfig config;
    config.collection.refused = { IID_IACFPluginDefinition };
    auto& host = MakeHost (config);

    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), &definition), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (definition, nullptr);
    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST_F (EntryPoints, RegistrationWithoutAHostCollectionIsAMissingObject)
{
    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (nullptr, &definition), AAX_RESULT_MISSING_OBJECT);
    EXPECT_EQ (definition, nullptr);

    HostConfig config;
    config.collection.refused = { IID_IAAXCollectionV1 };
    auto& host = MakeHost (config);
    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), &definition), AAX_RESULT_MISSING_OBJECT);

}

TEST_F (EntryPoints, NowhereToPutTheDefinitionIsAnAnswerNotACrash)
{
    auto& host = MakeHost();

    // The description still runs, and its failure still reaches the host unchanged.
    int described = 0;
    AAX_ResultCode answer = AAX_SUCCESS;
    testDescriptionHook = [&] (AAX_ICollection*) { ++described; return answer; };

    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), nullptr), ACF_RESULT_NULL_POINTER);
    EXPECT_EQ (log.Count ("collection#1.QueryInterface(IID_IACFPluginDefinition)"), 0u);

    answer = -4711;
    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), nullptr), -4711);
    EXPECT_EQ (described, 2);
    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST_F (EntryPoints, ExceptionsBecomeUnexpectedAndTheCollectionStillDies)
{
    auto& host = MakeHost();

    for (const auto& thrower : std::vector<std::function<void()>> {
             [] { throw std::runtime_error ("framework failure"); },
             [] { throw std::bad_alloc(); },
             [] { throw 17; } })
    {
        testDescriptionHook = [&] (AAX_ICollection* collection) -> AAX_ResultCode
        {
            collection->NewDescriptor()->NewComponentDescriptor()->NewPropertyMap();
            thrower();
            return AAX_SUCCESS;
        };

        IACFPluginDefinition* definition = untouched;
        EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), &definition), static_cast<ACFRESULT> (0x8000FFFFu));
        EXPECT_EQ (definition, untouched);
        EXPECT_EQ (host.OutstandingReferences(), 0);
    }
}

TEST_F (EntryPoints, AHostWhoseFactoryQueryGivesNothingCannotCrashAnExport)
{
    HostConfig config;
    config.factoryQueriesBeforeNull = 0;
    auto& host = MakeHost (config);

    EXPECT_EQ (ACFStartup (host.Unknown()), ACF_RESULT_UNEXPECTED);
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "nobody listens"), 0);

    IACFPluginDefinition* definition = untouched;
    EXPECT_EQ (ACFRegisterPlugin (host.Unknown(), &definition), ACF_RESULT_UNEXPECTED);
    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST_F (EntryPoints, StartupAndShutdownBracketTheTrace)
{
    auto& host = MakeHost();

    EXPECT_EQ (ACFStartup (host.Unknown()), 0);
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "value %d", 5);
    EXPECT_EQ (log.Count ("services#1.Trace(134217728, \"value 5\")"), 1u);

    EXPECT_EQ (ACFStartup (host.Unknown()), 0);
    EXPECT_EQ (host.Made().size(), 2u);

    EXPECT_EQ (ACFShutdown (host.Unknown()), 0);
    EXPECT_EQ (ACFShutdown (nullptr), 0);
    log.Clear();
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "after");
    EXPECT_TRUE (log.Calls().empty());
    EXPECT_EQ (host.OutstandingReferences(), 0);
}
