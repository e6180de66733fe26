#include "FakeComponentFactory.h"
#include "IACFPluginDefinition.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace fakehost;

namespace
{
    /** The test module as a host loads it: by file, reaching only its exported names. */
    class LoadedModule
    {
    public:
        LoadedModule() : m_Handle (dlopen (AAX_TEST_MODULE_PATH, RTLD_NOW | RTLD_LOCAL)) {}
        ~LoadedModule()    { if (m_Handle != nullptr) dlclose (m_Handle); }

        LoadedModule (const LoadedModule&) = delete;
        LoadedModule& operator= (const LoadedModule&) = delete;

        bool IsLoaded() const noexcept    { return m_Handle != nullptr; }

        template <class Function>
        Function* Find (const char* name) const
        {
            return reinterpret_cast<Function*> (dlsym (m_Handle, name));
        }

    private:
        void* m_Handle;
    };

    using HostCall = ACFRESULT (IACFUnknown*);
    using RegisterPlugin = ACFRESULT (IACFUnknown*, IACFPluginDefinition**);
    using GetSDKVersion = ACFRESULT (acfUInt64*);
}

TEST (AAXModule, AHostLoadsRegistersAndUnloadsTheModule)
{
    LoadedModule module;
    ASSERT_TRUE (module.IsLoaded()) << dlerror();

    for (const auto* name : { "ACFRegisterPlugin", "ACFRegisterComponent", "ACFGetClassFactory", "ACFCanUnloadNow",
                              "ACFStartup", "ACFShutdown", "ACFGetSDKVersion" })
        EXPECT_NE (module.Find<void()> (name), nullptr) << name;

    // Library internals stay inside the module.
    EXPECT_EQ (module.Find<void()> ("AAXRegisterPlugin"), nullptr);
    EXPECT_EQ (module.Find<void()> ("_Z21GetEffectDescriptionsP15AAX_ICollection"), nullptr);

    HostLog log;
    FakeComponentFactory host (log);

    EXPECT_EQ (module.Find<HostCall> ("ACFStartup") (host.Unknown()), 0);

    IACFPluginDefinition* definition = nullptr;
    EXPECT_EQ (module.Find<RegisterPlugin> ("ACFRegisterPlugin") (host.Unknown(), &definition), 0);
    ASSERT_NE (definition, nullptr);

    EXPECT_EQ (log.OperationsOn ("effect#1"), (std::vector<std::string> {
        "QueryInterface(IID_IAAXEffectDescriptorV1)", "QueryInterface(IID_IAAXEffectDescriptorV2)",
        "AddName(\"Hushmoor\")", "AddName(\"Gravilo Hushmoor\")", "AddCategory(2)", "AddComponent(component#1)" }));
    EXPECT_EQ (log.OperationsOn ("map#1"), (std::vector<std::string> {
        "QueryInterface(IID_IAAXPropertyMapV1)", "QueryInterface(IID_IAAXPropertyMapV2)",
        "AddProperty(11, 1112034655)", "AddProperty(12, 1114140018)", "AddProperty(60, 1)" }));
    EXPECT_EQ (log.OperationsOn ("collection#1"), (std::vector<std::string> {
        "QueryInterface(IID_IAAXCollectionV1)", "AddEffect(\"com.brivel.hushmoor\", effect#1)",
        "SetManufacturerName(\"Brivel\")", "AddPackageName(\"Gravilo Hushmoor\")", "SetPackageVersion(65536)",
        "QueryInterface(IID_IACFPluginDefinition)" }));

    acfUInt64 version = 0;
    EXPECT_EQ (module.Find<GetSDKVersion> ("ACFGetSDKVersion") (&version), 0);
    EXPECT_EQ (version, 0x0000020200B45B38ull);

    EXPECT_EQ (module.Find<HostCall> ("ACFCanUnloadNow") (host.Unknown()), 0);
    EXPECT_EQ (module.Find<HostCall> ("ACFShutdown") (host.Unknown()), 0);

    definition->Release();
    EXPECT_EQ (host.OutstandingReferences(), 0);
    EXPECT_EQ (host.OverReleases(), 0);
}
