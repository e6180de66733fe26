#include "HostModule.h"

#include "FakeCollection.h"
#include "FakeComponentDescriptor.h"
#include "FakeEffectDescriptor.h"
#include "FakePropertyMap.h"

#include <dlfcn.h>

namespace fakehost
{
    std::int32_t RegisteredComponent::Property (AAX_EProperty property, std::int32_t fallback) const
    {
        const auto found = properties.find (property);
        return found != properties.end() ? found->second : fallback;
    }

    const RegisteredComponent* RegisteredEffect::FindComponent (int numInputs, int numOutputs) const
    {
        for (const auto& component : components)
            if (component.NumInputs() == numInputs && component.NumOutputs() == numOutputs)
                return &component;

        return nullptr;
    }

    //==============================================================================
    HostModule::HostModule (const std::string& path, HostLog& log)
        : m_Log (log), m_Host (log), m_Handle (dlopen (path.empty() ? nullptr : path.c_str(), RTLD_NOW | RTLD_LOCAL))
    {
        if (m_Handle == nullptr)
        {
            const char* why = dlerror();
            m_Error = "cannot load " + path + (why != nullptr ? std::string (": ") + why : std::string());
            return;
        }

        m_Startup = reinterpret_cast<HostCall> (Find ("ACFStartup"));
        m_Shutdown = reinterpret_cast<HostCall> (Find ("ACFShutdown"));
        m_CanUnloadNow = reinterpret_cast<HostCall> (Find ("ACFCanUnloadNow"));
        m_RegisterPlugin = reinterpret_cast<RegisterCall> (Find ("ACFRegisterPlugin"));

        if (m_Startup == nullptr || m_Shutdown == nullptr || m_CanUnloadNow == nullptr || m_RegisterPlugin == nullptr)
        {
            m_Error = "not an AAX module (no ACF entry points): " + path;
            dlclose (m_Handle);
            m_Handle = nullptr;
        }
    }

    HostModule::~HostModule()
    {
        if (m_Definition != nullptr)
            m_Definition->Release();

        if (m_Started)
            ShutDown();

        if (m_Handle != nullptr)
            dlclose (m_Handle);
    }

    void* HostModule::Find (const char* name) const
    {
        return m_Handle != nullptr ? dlsym (m_Handle, name) : nullptr;
    }

    ACFRESULT HostModule::StartUp()
    {
        if (! IsLoaded())
            return AAX_RESULT_MISSING_OBJECT;

        const auto result = m_Startup (m_Host.Unknown());
        m_Started = m_Started || result == ACF_OK;
        return result;
    }

    ACFRESULT HostModule::ShutDown()
    {
        if (! IsLoaded())
            return AAX_RESULT_MISSING_OBJECT;

        m_Started = false;
        return m_Shutdown (m_Host.Unknown());
    }

    ACFRESULT HostModule::CanUnloadNow()
    {
        return IsLoaded() ? m_CanUnloadNow (m_Host.Unknown()) : AAX_RESULT_MISSING_OBJECT;
    }

    ACFRESULT HostModule::Register()
    {
        if (! IsLoaded())
            return AAX_RESULT_MISSING_OBJECT;

        if (m_Definition != nullptr)
        {
            m_Definition->Release();
            m_Definition = nullptr;
        }

        const auto result = m_RegisterPlugin (m_Host.Unknown(), &m_Definition);

        if (result == ACF_OK)
            CollectEffects();

        return result;
    }

    void HostModule::CollectEffects()
    {
        // The host objects reach us as the interfaces the library handed over; the log
        // knows which fake object each one is.
        const auto fake = [this] (auto* typed, const IACFUnknown* object)
        {
            return dynamic_cast<decltype (typed)> (m_Host.Find (m_Log.NameOf (object)));
        };

        m_Effects.clear();

        // The collection of this registration: the last one the host made.
        const FakeCollection* collection = nullptr;

        for (const auto& made : m_Host.Made())
            if (auto* c = dynamic_cast<const FakeCollection*> (made.get()))
                collection = c;

        if (collection == nullptr)
            return;

        {
            for (const auto& [identifier, descriptorObject] : collection->effects)
            {
                const auto* descriptor = fake (static_cast<FakeEffectDescriptor*> (nullptr), descriptorObject);

                if (descriptor == nullptr)
                    continue;

                RegisteredEffect effect;
                effect.identifier = identifier;
                effect.names = descriptor->names;
                effect.manufacturer = collection->manufacturer;
                effect.packageVersion = collection->packageVersion;

                if (const auto found = descriptor->procPointers.find (AAX_PROCPTR_EFFECT_PARAMETERS); found != descriptor->procPointers.end())
                    effect.effectCreator = found->second;

                if (const auto found = descriptor->procPointers.find (AAX_PROCPTR_EFFECT_GUI); found != descriptor->procPointers.end())
                    effect.guiCreator = found->second;

                for (const auto* componentObject : descriptor->components)
                {
                    RegisteredComponent component;
                    component.descriptor = fake (static_cast<FakeComponentDescriptor*> (nullptr), componentObject);

                    if (component.descriptor == nullptr)
                        continue;

                    if (const auto* map = fake (static_cast<FakePropertyMap*> (nullptr), component.descriptor->processProperties))
                        component.properties = map->Properties();

                    effect.components.push_back (std::move (component));
                }

                m_Effects.push_back (std::move (effect));
            }
        }
    }
}
