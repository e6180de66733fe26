#include "AAX_VCollection.h"
#include "FakeComponentFactory.h"
#include "FakePropertyMap.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace fakehost;
using Calls = std::vector<std::string>;

namespace
{
    void processProc (void* const*, const void*) {}
    int initProc (const void*, AAX_EComponentInstanceInitAction) { return 0; }
    int backgroundProc() { return 0; }

    const auto mode = static_cast<AAX_IDma::EMode> (3);
    const auto midiType = static_cast<AAX_EMIDINodeType> (2);
    const auto portType = static_cast<AAX_EDataInPortType> (1);
    const auto resourceType = static_cast<AAX_EResourceType> (5);
    const auto property = static_cast<AAX_EProperty> (77);

    /** Every operation of the effect descriptor and of a component descriptor and map beneath it. */
    struct Everything
    {
        explicit Everything (AAX_ICollection& collection)
        {
            effect = collection.NewDescriptor();
            component = effect->NewComponentDescriptor();
            map = component->NewPropertyMap();
        }

        std::vector<AAX_ResultCode> CallEffect()
        {
            auto* effectMap = effect->NewPropertyMap();
            return { effect->AddComponent (component), effect->AddName ("Hushmoor"), effect->AddCategory (2),
                     effect->AddCategoryBypassParameter (2, "MasterBypassID"), effect->AddProcPtr (procPointer, 1),
                     effect->SetProperties (effectMap), effect->AddResourceInfo (resourceType, "page.xml"),
                     effect->AddMeterDescription (9, "Gain", map), effect->AddControlMIDINode (4, midiType, "midi", 0xFFFFu) };
        }

        std::vector<AAX_ResultCode> CallComponent()
        {
            return { component->Clear(), component->AddAudioIn (10), component->AddAudioOut (11),
                     component->AddAudioBufferLength (12), component->AddSampleRate (13), component->AddClock (14),
                     component->AddSideChainIn (15), component->AddDataInPort (16, 4, portType),
                     component->AddAuxOutputStem (17, 0x20002, "aux"), component->AddPrivateData (18, 8, 1),
                     component->AddTemporaryData (19, 32), component->AddDmaInstance (20, mode),
                     component->AddMeters (21, meterIDs, 2), component->AddMIDINode (22, midiType, "node", 3),
                     component->AddReservedField (23, 7),
                     component->AddProcessProc_Native (processProc, map, initProc, backgroundProc, &procID),
                     component->AddProcessProc_TI ("dsp.dll", "proc", map, "init", "bg", &procID) };
        }

        std::vector<AAX_ResultCode> CallMap()
        {
            std::int32_t value = 0;
            const AAX_SPlugInIdentifierTriad* ids = nullptr;
            std::uint32_t count = 0;

            return { map->AddProperty (property, -5), map->GetProperty (property, &value), map->RemoveProperty (property),
                     map->AddPropertyWithIDArray (property, triads, 2), map->GetPropertyWithIDArray (property, &ids, &count) };
        }

        AAX_IEffectDescriptor* effect;
        AAX_IComponentDescriptor* component;
        AAX_IPropertyMap* map;
        void* procPointer = reinterpret_cast<void*> (&processProc);
        std::uint32_t meterIDs[2] { 1, 2 };
        std::uint32_t procID = 0;
        AAX_SPlugInIdentifierTriad triads[2] {};
    };

    std::vector<AAX_ResultCode> repeated (AAX_ResultCode code, std::size_t count)
    {
        return std::vector<AAX_ResultCode> (count, code);
    }
}

TEST (DescriptionWrappers, WithoutAHostEveryOperationAnswersWithoutCalling)
{
    HostLog log;
    HostConfig noFactory;
    noFactory.factory.refused = { IID_IACFComponentFactory };
    FakeComponentFactory refusingHost (log, noFactory);

    for (auto* host : { static_cast<IACFUnknown*> (nullptr), refusingHost.Unknown() })
    {
        AAX_VCollection collection (host);
        EXPECT_EQ (collection.GetIUnknown(), nullptr);
        EXPECT_EQ (collection.AddEffect ("id", collection.NewDescriptor()), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (collection.SetManufacturerName ("Brivel"), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (collection.AddPackageName ("Gravilo Hushmoor"), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (collection.SetPackageVersion (0x10000), AAX_RESULT_MISSING_OBJECT);
        EXPECT_EQ (collection.SetProperties (collection.NewPropertyMap()), AAX_RESULT_MISSING_OBJECT);

        Everything everything (collection);
        ASSERT_NE (everything.effect, nullptr);
        ASSERT_NE (everything.component, nullptr);
        ASSERT_NE (everything.map, nullptr);

        auto expectedEffect = repeated (AAX_RESULT_MISSING_OBJECT, 9);
        expectedEffect.back() = AAX_RESULT_NOT_IMPLEMENTED;
        EXPECT_EQ (everything.CallEffect(), expectedEffect);

        auto expectedComponent = repeated (AAX_RESULT_MISSING_OBJECT, 17);
        expectedComponent[10] = AAX_RESULT_NOT_IMPLEMENTED;
        EXPECT_EQ (everything.CallComponent(), expectedComponent);

        EXPECT_EQ (everything.CallMap(), (std::vector<AAX_ResultCode> {
            AAX_RESULT_MISSING_OBJECT, 0, AAX_RESULT_MISSING_OBJECT, AAX_RESULT_NOT_IMPLEMENTED, 0 }));

        std::int32_t untouched = 1234;
        const AAX_SPlugInIdentifierTriad* ids = everything.triads;
        std::uint32_t count = 99;
        EXPECT_FALSE (everything.map->GetProperty (property, &untouched));
        EXPECT_FALSE (everything.map->GetPropertyWithIDArray (property, &ids, &count));
        EXPECT_EQ (untouched, 1234);
        EXPECT_EQ (ids, everything.triads);
        EXPECT_EQ (count, 99u);

        // A refusing host sees only the factory queries and its references, all given back.
        if (host != nullptr)
            EXPECT_EQ (refusingHost.References(), 4);   // collection, two effects, component
    }

    for (const auto& operation : log.OperationsOn ("host"))
        EXPECT_EQ (operation, "QueryInterface(IID_IACFComponentFactory)");

    EXPECT_EQ (log.OperationsOn ("host").size(), 7u);   // collection, 2 effects, component, 3 maps
    EXPECT_EQ (refusingHost.OutstandingReferences(), 0);
    EXPECT_EQ (refusingHost.OverReleases(), 0);
}

TEST (DescriptionWrappers, OperationsForwardArgumentsAndResultsUnchanged)
{
    HostLog log;
    HostConfig config;
    config.effectDescriptor.failures["AddName"] = -11;
    config.componentDescriptor.failures["AddMeters"] = -12;
    config.propertyMap.failures["RemoveProperty"] = -13;
    config.collection.failures["AddPackageName"] = -14;
    FakeComponentFactory host (log, config);

    {
        AAX_VCollection collection (host.Unknown());
        Everything everything (collection);
        ASSERT_NE (collection.GetIUnknown(), nullptr);
        log.Clear();

        auto effectResults = repeated (0, 9);
        effectResults[1] = -11;
        EXPECT_EQ (everything.CallEffect(), effectResults);
        char procText[32];
        std::snprintf (procText, sizeof (procText), "%p", everything.procPointer);
        EXPECT_EQ (log.OperationsOn ("effect#1"), (Calls {
            "AddComponent(component#1)", "AddName(\"Hushmoor\")", "AddCategory(2)",
            "AddCategoryBypassParameter(2, \"MasterBypassID\")", std::string ("AddProcPtr(") + procText + ", 1)",
            "SetProperties(map#2)", "AddResourceInfo(5, \"page.xml\")", "AddMeterDescription(9, \"Gain\", map#1)",
            "AddControlMIDINode(4, 2, \"midi\", 65535)" }));

        auto componentResults = repeated (0, 17);
        componentResults[12] = -12;
        EXPECT_EQ (everything.CallComponent(), componentResults);
        const auto meters = Arg (static_cast<const void*> (everything.meterIDs));
        const auto procID = Arg (static_cast<const void*> (&everything.procID));
        EXPECT_EQ (log.OperationsOn ("component#1"), (Calls {
            "Clear()", "AddAudioIn(10)", "AddAudioOut(11)", "AddAudioBufferLength(12)", "AddSampleRate(13)",
            "AddClock(14)", "AddSideChainIn(15)", "AddDataInPort(16, 4, 1)", "AddAuxOutputStem(17, 131074, \"aux\")",
            "AddPrivateData(18, 8, 1)", "AddTemporaryData(19, 32)", "AddDmaInstance(20, 3)",
            "AddMeters(21, " + meters + ", 2)", "AddMIDINode(22, 2, \"node\", 3)", "AddReservedField(23, 7)",
            "AddProcessProc_Native(function, map#1, function, function, " + procID + ")",
            "AddProcessProc_TI(\"dsp.dll\", \"proc\", map#1, \"init\", \"bg\", " + procID + ")" }));

        EXPECT_EQ (everything.CallMap(), (std::vector<AAX_ResultCode> { 0, 1, -13, 0, 1 }));
        const auto triads = Arg (static_cast<const void*> (everything.triads));
        EXPECT_EQ (log.OperationsOn ("map#1"), (Calls {
            "AddProperty(77, -5)", "GetProperty(77)", "RemoveProperty(77)",
            "AddPropertyWithIDArray(77, " + triads + ", 2)", "GetPropertyWithIDArray(77)" }));

        EXPECT_EQ (collection.AddEffect ("com.brivel.hushmoor", everything.effect), 0);
        EXPECT_EQ (collection.SetManufacturerName ("Brivel"), 0);
        EXPECT_EQ (collection.AddPackageName ("Gravilo Hushmoor"), -14);
        EXPECT_EQ (collection.SetPackageVersion (0x10000), 0);
        EXPECT_EQ (collection.SetProperties (collection.NewPropertyMap()), 0);
        EXPECT_EQ (log.OperationsOn ("collection#1"), (Calls {
            "AddEffect(\"com.brivel.hushmoor\", effect#1)", "SetManufacturerName(\"Brivel\")",
            "AddPackageName(\"Gravilo Hushmoor\")", "SetPackageVersion(65536)", "SetProperties(map#3)" }));
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}

TEST (DescriptionWrappers, NullChildrenReachTheHostAsNullButANullEffectDoesNot)
{
    HostLog log;
    FakeComponentFactory host (log);
    AAX_VCollection collection (host.Unknown());
    auto* effect = collection.NewDescriptor();
    auto* component = effect->NewComponentDescriptor();
    log.Clear();

    EXPECT_EQ (collection.AddEffect ("id", nullptr), AAX_RESULT_MISSING_OBJECT);
    EXPECT_TRUE (log.OperationsOn ("collection#1").empty());

    effect->AddComponent (nullptr);
    effect->SetProperties (nullptr);
    effect->AddMeterDescription (1, "m", nullptr);
    component->AddProcessProc_Native (processProc, nullptr, nullptr, nullptr, nullptr);
    component->AddProcessProc_TI ("a", "b", nullptr, "c", "d", nullptr);
    collection.SetProperties (nullptr);

    EXPECT_EQ (log.OperationsOn ("effect#1"), (Calls {
        "AddComponent(null)", "SetProperties(null)", "AddMeterDescription(1, \"m\", null)" }));
    EXPECT_EQ (log.OperationsOn ("component#1"), (Calls {
        "AddProcessProc_Native(function, null, null, null, null)",
        "AddProcessProc_TI(\"a\", \"b\", null, \"c\", \"d\", null)" }));
    EXPECT_EQ (log.OperationsOn ("collection#1"), Calls { "SetProperties(null)" });
}

TEST (DescriptionWrappers, HostObjectsWithoutSecondVersionsAnswerNotImplemented)
{
    HostLog log;
    HostConfig config;
    config.effectDescriptor.refused = { IID_IAAXEffectDescriptorV2 };
    config.componentDescriptor.refused = { IID_IAAXComponentDescriptorV2 };
    config.propertyMap.refused = { IID_IAAXPropertyMapV2 };
    FakeComponentFactory host (log, config);

    {
        AAX_VCollection collection (host.Unknown());
        Everything everything (collection);
        log.Clear();

        auto effectResults = repeated (0, 9);
        effectResults.back() = AAX_RESULT_NOT_IMPLEMENTED;
        EXPECT_EQ (everything.CallEffect(), effectResults);
        EXPECT_EQ (log.OperationsOn ("effect#1").size(), 8u);

        auto componentResults = repeated (0, 17);
        componentResults[10] = AAX_RESULT_NOT_IMPLEMENTED;
        EXPECT_EQ (everything.CallComponent(), componentResults);
        EXPECT_EQ (log.OperationsOn ("component#1").size(), 16u);
        EXPECT_EQ (log.Count ("component#1.AddTemporaryData(19, 32)"), 0u);

        EXPECT_EQ (everything.CallMap(), (std::vector<AAX_ResultCode> { 0, 1, 0, AAX_RESULT_NOT_IMPLEMENTED, 0 }));
        EXPECT_EQ (log.OperationsOn ("map#1"), (Calls { "AddProperty(77, -5)", "GetProperty(77)", "RemoveProperty(77)" }));
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST (DescriptionWrappers, TheSecondVersionIsQueriedBeforeTheFactoryIsReleased)
{
    HostLog log;
    FakeComponentFactory host (log);
    AAX_VCollection collection (host.Unknown());
    AAX_IEffectDescriptor* effect = nullptr;

    const struct { std::function<void()> make; const char* made; const char* version2; } rows[] {
        { [&] { effect = collection.NewDescriptor(); }, "effect#1", "IID_IAAXEffectDescriptorV2" },
        { [&] { effect->NewComponentDescriptor(); }, "component#1", "IID_IAAXComponentDescriptorV2" },
        { [&] { collection.NewPropertyMap(); }, "map#1", "IID_IAAXPropertyMapV2" },
    };

    for (const auto& row : rows)
    {
        log.Clear();
        row.make();
        const auto& calls = log.Calls();
        ASSERT_GE (calls.size(), 3u) << row.made;
        EXPECT_EQ (Calls (calls.end() - 3, calls.end()), (Calls {
            std::string (row.made) + ".QueryInterface(" + row.version2 + ")", std::string (row.made) + ".AddRef()",
            "host.Release()" })) << row.made;
    }
}

TEST (DescriptionWrappers, HostBooleanAnswersPassThroughUnfolded)
{
    HostLog log;
    HostConfig config;
    config.propertyMap.trueAnswer = 7;
    FakeComponentFactory host (log, config);
    AAX_VCollection collection (host.Unknown());
    auto* map = collection.NewPropertyMap();

    map->AddProperty (AAX_PROPERTY_CAN_BYPASS, 1);
    std::int32_t value = 0;
    EXPECT_EQ (map->GetProperty (AAX_PROPERTY_CAN_BYPASS, &value), 7);
    EXPECT_EQ (value, 1);
    EXPECT_EQ (map->GetProperty (AAX_PROPERTY_PRODUCT_CODE, &value), 0);
}

TEST (DescriptionWrappers, DuplicateCopiesPlainPropertiesTenTo401IntoAMapOfTheComponent)
{
    HostLog log;
    FakeComponentFactory host (log);
    AAX_VCollection collection (host.Unknown());
    auto* source = collection.NewPropertyMap();

    for (const auto& [number, value] : std::initializer_list<std::pair<int, int>> { { 9, 90 }, { 10, 100 },
                                                                                   { 401, 4010 }, { 402, 4020 } })
        source->AddProperty (static_cast<AAX_EProperty> (number), value);

    auto* effect = collection.NewDescriptor();
    auto* component = effect->NewComponentDescriptor();
    auto* copy = component->DuplicatePropertyMap (source);

    ASSERT_NE (copy, nullptr);
    EXPECT_NE (copy, source);
    auto* hostCopy = dynamic_cast<FakePropertyMap*> (host.Find ("map#2"));
    ASSERT_NE (hostCopy, nullptr);
    EXPECT_EQ (hostCopy->Properties(), (std::map<std::int32_t, std::int32_t> { { 10, 100 }, { 401, 4010 } }));
    EXPECT_EQ (log.Count ("map#1.GetProperty(9)"), 0u);
    EXPECT_EQ (log.Count ("map#1.GetProperty(402)"), 0u);
    EXPECT_EQ (log.Count ("map#1.GetProperty(200)"), 1u);

    // Any implementation will do as the source; a missing one gives an empty copy.
    auto* copyOfCopy = component->DuplicatePropertyMap (copy);
    EXPECT_EQ (dynamic_cast<FakePropertyMap*> (host.Find ("map#3"))->Properties().size(), 2u);
    EXPECT_NE (copyOfCopy, copy);
    EXPECT_NE (component->DuplicatePropertyMap (nullptr), nullptr);
    EXPECT_TRUE (dynamic_cast<FakePropertyMap*> (host.Find ("map#4"))->Properties().empty());

    // Each copy is a wrapper of its own on a host map of its own, one reference per version.
    for (const auto* name : { "map#1", "map#2", "map#3", "map#4" })
        EXPECT_EQ (host.Find (name)->References(), 2) << name;
}

TEST (DescriptionWrappers, MakingCallsAnswerDistinctObjectsAndEverythingIsReleasedOnce)
{
    HostLog log;
    FakeComponentFactory host (log);

    {
        AAX_VCollection collection (host.Unknown());
        std::set<const void*> made;

        for (int i = 0; i < 3; ++i)
        {
            auto* effect = collection.NewDescriptor();
            made.insert (effect);
            made.insert (collection.NewPropertyMap());
            made.insert (effect->NewPropertyMap());

            for (int j = 0; j < 2; ++j)
            {
                auto* component = effect->NewComponentDescriptor();
                made.insert (component);
                made.insert (component->NewPropertyMap());
                made.insert (component->DuplicatePropertyMap (nullptr));
            }
        }

        EXPECT_EQ (made.size(), 27u);
        EXPECT_GT (host.OutstandingReferences(), 0);
    }

    EXPECT_EQ (host.Made().size(), 28u);
    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}

TEST (DescriptionWrappers, APointerWrittenWithAFailureIsStillHeldAndUsed)
{
    HostLog log;
    HostConfig config;
    config.factory.failures["CreateComponent"] = -1;
    config.failingCreateStillWrites = true;
    FakeComponentFactory host (log, config);

    {
        AAX_VCollection collection (host.Unknown());
        EXPECT_NE (collection.GetIUnknown(), nullptr);
        EXPECT_EQ (collection.SetManufacturerName ("Brivel"), 0);
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
}

TEST (DescriptionWrappers, AChildWhoseHostGivesNoFactoryThrowsAndLeavesNothingBehind)
{
    HostLog log;
    HostConfig config;
    config.factoryQueriesBeforeNull = 1;   // the collection gets its factory, its children do not
    FakeComponentFactory host (log, config);

    {
        AAX_VCollection collection (host.Unknown());
        ASSERT_NE (collection.GetIUnknown(), nullptr);

        try
        {
            collection.NewDescriptor();
            FAIL() << "no exception";
        }
        catch (int thrown)
        {
            EXPECT_EQ (thrown, ACF_RESULT_NULL_POINTER);
        }

        EXPECT_THROW (collection.NewPropertyMap(), int);
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}

namespace
{
    /** A property map that this library did not make: it has no host interface inside. */
    class ForeignMap final : public AAX_IPropertyMap
    {
    public:
        AAX_CBoolean GetProperty (AAX_EProperty property, std::int32_t* value) const override
        {
            ++queries;

            if (property != 10 && property != 200)
                return 0;

            *value = property * 3;
            return 1;
        }

        AAX_ResultCode AddProperty (AAX_EProperty, std::int32_t) override    { return AAX_SUCCESS; }
        AAX_ResultCode RemoveProperty (AAX_EProperty) override               { return AAX_SUCCESS; }
        AAX_ResultCode AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad*,
                                               std::uint32_t) override      { return AAX_SUCCESS; }
        AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad**,
                                             std::uint32_t*) const override { return 0; }

        mutable int queries = 0;
    };
}

TEST (DescriptionWrappers, AMapTheLibraryDidNotMakeReachesTheHostAsNullAndCanBeDuplicated)
{
    HostLog log;
    FakeComponentFactory host (log);

    {
        AAX_VCollection collection (host.Unknown());
        auto* effect = collection.NewDescriptor();
        auto* component = effect->NewComponentDescriptor();
        ForeignMap foreign;
        log.Clear();

        EXPECT_EQ (collection.SetProperties (&foreign), 0);
        EXPECT_EQ (effect->SetProperties (&foreign), 0);
        EXPECT_EQ (effect->AddMeterDescription (2, "Gain", &foreign), 0);
        EXPECT_EQ (component->AddProcessProc_Native (processProc, &foreign, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ (log.OperationsOn ("collection#1"), Calls { "SetProperties(null)" });
        EXPECT_EQ (log.OperationsOn ("effect#1"), (Calls { "SetProperties(null)", "AddMeterDescription(2, \"Gain\", null)" }));
        EXPECT_EQ (log.OperationsOn ("component#1"), Calls { "AddProcessProc_Native(function, null, null, null, null)" });

        // Duplication reads the source only through the interface.
        ASSERT_NE (component->DuplicatePropertyMap (&foreign), nullptr);
        EXPECT_EQ (foreign.queries, 392);
        auto* hostCopy = dynamic_cast<FakePropertyMap*> (host.Find ("map#1"));
        ASSERT_NE (hostCopy, nullptr);
        EXPECT_EQ (hostCopy->Properties(), (std::map<std::int32_t, std::int32_t> { { 10, 30 }, { 200, 600 } }));
    }

    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}
