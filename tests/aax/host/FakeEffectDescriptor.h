#pragma once

#include "AAX_IACFEffectDescriptor.h"
#include "FakeUnknown.h"

namespace fakehost
{
    /** The host's effect descriptor, both versions; it keeps the creators and components
        it is given, so a host can make the effect. */
    class FakeEffectDescriptor final : public FakeUnknown<AAX_IACFEffectDescriptor_V2>
    {
    public:
        FakeEffectDescriptor (HostLog& log, std::string name, ObjectConfig config);

        std::vector<std::string> names;
        std::map<AAX_CProcPtrID, void*> procPointers;
        std::vector<IACFUnknown*> components;

        AAX_ResultCode AddComponent (IACFUnknown* componentDescriptor) override;
        AAX_ResultCode AddName (const char* name) override;
        AAX_ResultCode AddCategory (std::uint32_t category) override;
        AAX_ResultCode AddCategoryBypassParameter (std::uint32_t category, const char* parameterID) override;
        AAX_ResultCode AddProcPtr (void* procPointer, AAX_CProcPtrID procID) override;
        AAX_ResultCode SetProperties (IACFUnknown* propertyMap) override;
        AAX_ResultCode AddResourceInfo (AAX_EResourceType type, const char* info) override;
        AAX_ResultCode AddMeterDescription (std::uint32_t meterID, const char* name, IACFUnknown* propertyMap) override;
        AAX_ResultCode AddControlMIDINode (std::uint32_t nodeID, AAX_EMIDINodeType type,
                                           const char* name, std::uint32_t channelMask) override;
    };
}
