#include "FakeCollection.h"

namespace fakehost
{
    FakeCollection::FakeCollection (HostLog& log, std::string name, ObjectConfig config)
        : FakeUnknown (log, std::move (name), std::move (config),
                       { IID_IACFUnknown, IID_IAAXCollectionV1, IID_IACFPluginDefinition })
    {
        m_Log.Name (static_cast<IACFPluginDefinition*> (this), m_Name + ".definition");
    }

    ACFRESULT FakeCollection::QueryInterface (const _acfUID& id, void** out)  { return FakeUnknown::QueryInterface (id, out); }
    acfUInt32 FakeCollection::AddRef()                                        { return FakeUnknown::AddRef(); }
    acfUInt32 FakeCollection::Release()                                       { return FakeUnknown::Release(); }

    void* FakeCollection::InterfaceFor (const _acfUID& interfaceID)
    {
        if (interfaceID == IID_IACFPluginDefinition)
            return static_cast<IACFPluginDefinition*> (this);

        return FakeUnknown::InterfaceFor (interfaceID);
    }

    AAX_ResultCode FakeCollection::ReservedSlot1()                     { return Call ("ReservedSlot1", {}); }
    AAX_ResultCode FakeCollection::ReservedSlot2()                     { return Call ("ReservedSlot2", {}); }
    AAX_ResultCode FakeCollection::ReservedSlot3()                     { return Call ("ReservedSlot3", {}); }
    AAX_ResultCode FakeCollection::ReservedSlot4()                     { return Call ("ReservedSlot4", {}); }

    AAX_ResultCode FakeCollection::AddEffect (const char* effectID, IACFUnknown* effectDescriptor)
    {
        effects.emplace_back (effectID != nullptr ? effectID : "", effectDescriptor);
        return Call ("AddEffect", Args ({ Arg (effectID), Object (effectDescriptor) }));
    }

    AAX_ResultCode FakeCollection::SetManufacturerName (const char* name)
    {
        manufacturer = name != nullptr ? name : "";
        return Call ("SetManufacturerName", Arg (name));
    }

    AAX_ResultCode FakeCollection::AddPackageName (const char* name)       { return Call ("AddPackageName", Arg (name)); }

    AAX_ResultCode FakeCollection::SetPackageVersion (std::uint32_t version)
    {
        packageVersion = version;
        return Call ("SetPackageVersion", Arg (version));
    }
    AAX_ResultCode FakeCollection::SetProperties (IACFUnknown* propertyMap)  { return Call ("SetProperties", Object (propertyMap)); }
}
