#pragma once

#include "AAX_IACFCollection.h"
#include "FakeUnknown.h"
#include "IACFPluginDefinition.h"

namespace fakehost
{
    /** The host's collection; it also answers for the plug-in definition it stands for,
        and keeps the effects added to it. */
    class FakeCollection final : public FakeUnknown<AAX_IACFCollection>, public IACFPluginDefinition
    {
    public:
        FakeCollection (HostLog& log, std::string name, ObjectConfig config);

        std::vector<std::pair<std::string, IACFUnknown*>> effects;
        std::string manufacturer;
        std::uint32_t packageVersion = 0;

        ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
        acfUInt32 AddRef() override;
        acfUInt32 Release() override;

        AAX_ResultCode ReservedSlot1() override;
        AAX_ResultCode ReservedSlot2() override;
        AAX_ResultCode ReservedSlot3() override;
        AAX_ResultCode ReservedSlot4() override;
        AAX_ResultCode AddEffect (const char* effectID, IACFUnknown* effectDescriptor) override;
        AAX_ResultCode SetManufacturerName (const char* name) override;
        AAX_ResultCode AddPackageName (const char* name) override;
        AAX_ResultCode SetPackageVersion (std::uint32_t version) override;
        AAX_ResultCode SetProperties (IACFUnknown* propertyMap) override;

        IACFPluginDefinition* Definition() noexcept    { return this; }

    protected:
        void* InterfaceFor (const _acfUID& interfaceID) override;
    };
}
