#pragma once

#include "AAX_Types.h"
#include "FakeComponentFactory.h"
#include "IACFPluginDefinition.h"

#include <map>
#include <string>
#include <vector>

namespace fakehost
{
    class FakeComponentDescriptor;

    /** One processing component of a registered effect: its context record and properties. */
    struct RegisteredComponent
    {
        const FakeComponentDescriptor* descriptor = nullptr;
        std::map<std::int32_t, std::int32_t> properties;

        /** The property's value, or the fallback when the component has none. */
        std::int32_t Property (AAX_EProperty property, std::int32_t fallback = 0) const;
        /** Channels of a stem format: its lower 16 bits, as hosts number them. */
        static int ChannelCount (std::int32_t stemFormat) noexcept   { return stemFormat & 0xffff; }
        int NumInputs() const    { return ChannelCount (Property (AAX_PROPERTY_INPUT_STEM_FORMAT)); }
        int NumOutputs() const   { return ChannelCount (Property (AAX_PROPERTY_OUTPUT_STEM_FORMAT)); }
    };

    /** One effect as the module registered it, with its package's maker and version. */
    struct RegisteredEffect
    {
        std::string identifier;
        std::vector<std::string> names;
        std::string manufacturer;
        std::uint32_t packageVersion = 0;
        void* effectCreator = nullptr;
        void* guiCreator = nullptr;
        std::vector<RegisteredComponent> components;

        /** The component with these channel counts, or null. */
        const RegisteredComponent* FindComponent (int numInputs, int numOutputs) const;
    };

    /**
        An AAX module as a host loads it: by file, reaching only its exported entry points,
        with this project's fake host behind every host object. After Register() it knows the
        module's effects, with their creators and processing components.

        Keep it alive (loaded) for as long as anything made from the module exists.
    */
    class HostModule
    {
    public:
        /** Loads the module at path; an empty path means the running program itself, when
            it links a module's entry points and exports them. */
        HostModule (const std::string& path, HostLog& log);
        ~HostModule();

        HostModule (const HostModule&) = delete;
        HostModule& operator= (const HostModule&) = delete;

        bool IsLoaded() const noexcept                         { return m_Handle != nullptr; }
        const std::string& Error() const noexcept              { return m_Error; }

        /** An exported symbol of the module, or null. */
        void* Find (const char* name) const;

        ACFRESULT StartUp();
        /** Registers the plug-in and collects its effects. */
        ACFRESULT Register();
        /** The module's live-object count: 0 means it may be unloaded. */
        ACFRESULT CanUnloadNow();
        ACFRESULT ShutDown();

        const std::vector<RegisteredEffect>& Effects() const noexcept { return m_Effects; }
        FakeComponentFactory& Host() noexcept                  { return m_Host; }

    private:
        void CollectEffects();

        using HostCall = ACFRESULT (*) (IACFUnknown*);
        using RegisterCall = ACFRESULT (*) (IACFUnknown*, IACFPluginDefinition**);

        HostLog& m_Log;
        FakeComponentFactory m_Host;
        void* m_Handle = nullptr;
        std::string m_Error;
        HostCall m_Startup = nullptr, m_Shutdown = nullptr, m_CanUnloadNow = nullptr;
        RegisterCall m_RegisterPlugin = nullptr;
        IACFPluginDefinition* m_Definition = nullptr;
        bool m_Started = false;
        std::vector<RegisteredEffect> m_Effects;
    };
}
