#pragma once

#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "ACFPtr.h"

#include <memory>
#include <vector>

/**
    An effect's description, made through the host's factory. Every operation forwards to
    the host operation of the same name, child wrappers replaced by their host interfaces;
    the component descriptors and maps it makes live until it is destroyed.
*/
class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    explicit AAX_VEffectDescriptor (IACFUnknown* host);
    ~AAX_VEffectDescriptor() override;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_ResultCode AddComponent (AAX_IComponentDescriptor* componentDescriptor) override;
    AAX_ResultCode AddName (const char* name) override;
    AAX_ResultCode AddCategory (std::uint32_t category) override;
    AAX_ResultCode AddCategoryBypassParameter (std::uint32_t category, const char* parameterID) override;
    AAX_ResultCode AddProcPtr (void* procPointer, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_ResultCode SetProperties (AAX_IPropertyMap* properties) override;
    AAX_ResultCode AddResourceInfo (AAX_EResourceType type, const char* info) override;
    AAX_ResultCode AddMeterDescription (std::uint32_t meterID, const char* name, AAX_IPropertyMap* properties) override;
    AAX_ResultCode AddControlMIDINode (std::uint32_t nodeID, AAX_EMIDINodeType type,
                                       const char* name, std::uint32_t channelMask) override;

    /** The host's first-version interface, without a new reference; null when missing. */
    IACFUnknown* GetIUnknown() const noexcept    { return m_HostEffectDescriptor.Get(); }

private:
    ACFPtr<IACFUnknown> m_HostUnknown;
    ACFPtr<AAX_IACFEffectDescriptor> m_HostEffectDescriptor;
    ACFPtr<AAX_IACFEffectDescriptor_V2> m_HostEffectDescriptorV2;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> m_ComponentDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> m_PropertyMaps;
};

/** As AAX_HostInterfaceOf for maps: null for null and for descriptors this library did not make. */
IACFUnknown* AAX_HostInterfaceOf (const AAX_IEffectDescriptor* descriptor) noexcept;
