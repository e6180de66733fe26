#include "FakeEffectDescriptor.h"

namespace fakehost
{
    FakeEffectDescriptor::FakeEffectDescriptor (HostLog& log, std::string name, ObjectConfig config)
        : FakeUnknown (log, std::move (name), std::move (config),
                       { IID_IACFUnknown, IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2 })
    {
    }

    AAX_ResultCode FakeEffectDescriptor::AddComponent (IACFUnknown* componentDescriptor)
    {
        components.push_back (componentDescriptor);
        return Call ("AddComponent", Object (componentDescriptor));
    }

    AAX_ResultCode FakeEffectDescriptor::AddName (const char* name)
    {
        names.emplace_back (name != nullptr ? name : "");
        return Call ("AddName", Arg (name));
    }

    AAX_ResultCode FakeEffectDescriptor::AddCategory (std::uint32_t category)   { return Call ("AddCategory", Arg (category)); }

    AAX_ResultCode FakeEffectDescriptor::AddCategoryBypassParameter (std::uint32_t category, const char* parameterID)
    {
        return Call ("AddCategoryBypassParameter", Args ({ Arg (category), Arg (parameterID) }));
    }

    AAX_ResultCode FakeEffectDescriptor::AddProcPtr (void* procPointer, AAX_CProcPtrID procID)
    {
        procPointers[procID] = procPointer;
        return Call ("AddProcPtr", Args ({ Arg (static_cast<const void*> (procPointer)), Arg (procID) }));
    }

    AAX_ResultCode FakeEffectDescriptor::SetProperties (IACFUnknown* propertyMap)
    {
        return Call ("SetProperties", Object (propertyMap));
    }

    AAX_ResultCode FakeEffectDescriptor::AddResourceInfo (AAX_EResourceType type, const char* info)
    {
        return Call ("AddResourceInfo", Args ({ Arg (type), Arg (info) }));
    }

    AAX_ResultCode FakeEffectDescriptor::AddMeterDescription (std::uint32_t meterID, const char* name,
                                                              IACFUnknown* propertyMap)
    {
        return Call ("AddMeterDescription", Args ({ Arg (meterID), Arg (name), Object (propertyMap) }));
    }

    AAX_ResultCode FakeEffectDescriptor::AddControlMIDINode (std::uint32_t nodeID, AAX_EMIDINodeType type,
                                                             const char* name, std::uint32_t channelMask)
    {
        return Call ("AddControlMIDINode", Args ({ Arg (nodeID), Arg (type), Arg (name), Arg (channelMask) }));
    }
}
