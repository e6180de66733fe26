#pragma once

#include "FakeUnknown.h"
#include "IACFComponentFactory.h"

#include <memory>

namespace fakehost
{
    /** How the fake host behaves: per kind of object, and for the factory itself. */
    struct HostConfig
    {
        ObjectConfig factory;     // the host's own unknown; refuse IID_IACFComponentFactory to have none
        ObjectConfig collection, effectDescriptor, componentDescriptor, propertyMap, hostServices;

        /** After this many good factory queries the next ones answer success but give no factory. */
        int factoryQueriesBeforeNull = -1;
        /** A failing CreateComponent (failures["CreateComponent"]) still writes the object it made. */
        bool failingCreateStillWrites = false;
    };

    /**
        The host: the unknown handed to the module, offering the component factory that makes
        every other fake object. It owns what it makes, so the objects outlive the library's
        references and a test can count what is left.
    */
    class FakeComponentFactory final : public FakeUnknown<IACFComponentFactory>
    {
    public:
        explicit FakeComponentFactory (HostLog& log, HostConfig config = {});
        ~FakeComponentFactory() override;

        ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
        ACFRESULT CreateComponent (const _acfUID& componentID, IACFUnknown* outer,
                                   const _acfUID& interfaceID, void** interfaceOut) override;

        IACFUnknown* Unknown() noexcept                         { return this; }
        using FakeUnknown::AsUnknown;
        const std::vector<std::unique_ptr<FakeObject>>& Made() const noexcept { return m_Made; }
        /** The object made under that name ("collection#1"), or null. */
        FakeObject* Find (const std::string& name) const;
        /** References still held on the host and everything it made. */
        std::int32_t OutstandingReferences() const noexcept;
        int OverReleases() const noexcept override;

    private:
        std::unique_ptr<FakeObject> Make (const _acfUID& componentID);

        HostConfig m_HostConfig;
        std::vector<std::unique_ptr<FakeObject>> m_Made;
        std::map<std::string, int> m_Serials;
        int m_FactoryQueries = 0;
    };
}
