#include "FakeComponentFactory.h"

#include "FakeCollection.h"
#include "FakeComponentDescriptor.h"
#include "FakeEffectDescriptor.h"
#include "FakeHostServices.h"
#include "FakePropertyMap.h"

namespace fakehost
{
    FakeComponentFactory::FakeComponentFactory (HostLog& log, HostConfig config)
        : FakeUnknown (log, "host", config.factory, { IID_IACFUnknown, IID_IACFComponentFactory }),
          m_HostConfig (std::move (config))
    {
    }

    FakeComponentFactory::~FakeComponentFactory() = default;

    ACFRESULT FakeComponentFactory::QueryInterface (const _acfUID& interfaceID, void** interfaceOut)
    {
        if (interfaceID == IID_IACFComponentFactory && m_HostConfig.factoryQueriesBeforeNull >= 0
             && m_FactoryQueries++ >= m_HostConfig.factoryQueriesBeforeNull)
        {
            m_Log.Record ("host.QueryInterface(" + UIDName (interfaceID) + ")");
            *interfaceOut = nullptr;
            return ACF_OK;
        }

        return FakeUnknown::QueryInterface (interfaceID, interfaceOut);
    }

    ACFRESULT FakeComponentFactory::CreateComponent (const _acfUID& componentID, IACFUnknown* outer,
                                                     const _acfUID& interfaceID, void** interfaceOut)
    {
        const auto result = Call ("CreateComponent",
                                  Args ({ UIDName (componentID), Object (outer), UIDName (interfaceID) }));
        *interfaceOut = nullptr;

        if (result != ACF_OK && ! m_HostConfig.failingCreateStillWrites)
            return result;

        auto made = Make (componentID);

        if (made == nullptr)
            return ACF_RESULT_NO_INTERFACE;

        auto* unknown = made->AsUnknown();
        m_Made.push_back (std::move (made));
        const auto queried = unknown->QueryInterface (interfaceID, interfaceOut);

        return result != ACF_OK ? result : queried;
    }

    std::unique_ptr<FakeObject> FakeComponentFactory::Make (const _acfUID& componentID)
    {
        const auto nextName = [this] (const std::string& kind) { return kind + "#" + std::to_string (++m_Serials[kind]); };

        if (componentID == AAXCompID_AAXCollection)
            return std::make_unique<FakeCollection> (m_Log, nextName ("collection"), m_HostConfig.collection);
        if (componentID == AAXCompID_AAXEffectDescriptor)
            return std::make_unique<FakeEffectDescriptor> (m_Log, nextName ("effect"), m_HostConfig.effectDescriptor);
        if (componentID == AAXCompID_AAXComponentDescriptor)
            return std::make_unique<FakeComponentDescriptor> (m_Log, nextName ("component"), m_HostConfig.componentDescriptor);
        if (componentID == AAXCompID_AAXPropertyMap)
            return std::make_unique<FakePropertyMap> (m_Log, nextName ("map"), m_HostConfig.propertyMap);
        if (componentID == AAXCompID_HostServices)
            return std::make_unique<FakeHostServices> (m_Log, nextName ("services"), m_HostConfig.hostServices);

        return nullptr;
    }

    FakeObject* FakeComponentFactory::Find (const std::string& name) const
    {
        for (const auto& made : m_Made)
            if (made->Name() == name)
                return made.get();

        return nullptr;
    }

    std::int32_t FakeComponentFactory::OutstandingReferences() const noexcept
    {
        auto total = References();

        for (const auto& made : m_Made)
            total += made->References();

        return total;
    }

    int FakeComponentFactory::OverReleases() const noexcept
    {
        auto total = FakeUnknown::OverReleases();

        for (const auto& made : m_Made)
            total += made->OverReleases();

        return total;
    }
}
