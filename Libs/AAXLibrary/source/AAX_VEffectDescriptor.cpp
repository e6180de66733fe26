#include "AAX_VEffectDescriptor.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* host) : m_HostUnknown (host)
{
    ACFCreateHostComponent (host, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1, m_HostEffectDescriptor,
                            IID_IAAXEffectDescriptorV2, m_HostEffectDescriptorV2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    m_ComponentDescriptors.clear();
    m_PropertyMaps.clear();
    m_HostEffectDescriptorV2.Reset();
    m_HostEffectDescriptor.Reset();
    m_HostUnknown.Reset();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    auto descriptor = std::make_unique<AAX_VComponentDescriptor> (m_HostUnknown.Get());
    m_ComponentDescriptors.push_back (std::move (descriptor));
    return m_ComponentDescriptors.back().get();
}

AAX_ResultCode AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* componentDescriptor)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddComponent (AAX_HostInterfaceOf (componentDescriptor));
}

AAX_ResultCode AAX_VEffectDescriptor::AddName (const char* name)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddName (name);
}

AAX_ResultCode AAX_VEffectDescriptor::AddCategory (std::uint32_t category)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddCategory (category);
}

AAX_ResultCode AAX_VEffectDescriptor::AddCategoryBypassParameter (std::uint32_t category, const char* parameterID)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddCategoryBypassParameter (category, parameterID);
}

AAX_ResultCode AAX_VEffectDescriptor::AddProcPtr (void* procPointer, AAX_CProcPtrID procID)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddProcPtr (procPointer, procID);
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    auto map = std::make_unique<AAX_VPropertyMap> (m_HostUnknown.Get());
    m_PropertyMaps.push_back (std::move (map));
    return m_PropertyMaps.back().get();
}

AAX_ResultCode AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* properties)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->SetProperties (AAX_HostInterfaceOf (properties));
}

AAX_ResultCode AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType type, const char* info)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddResourceInfo (type, info);
}

AAX_ResultCode AAX_VEffectDescriptor::AddMeterDescription (std::uint32_t meterID, const char* name,
                                                           AAX_IPropertyMap* properties)
{
    if (m_HostEffectDescriptor.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostEffectDescriptor->AddMeterDescription (meterID, name, AAX_HostInterfaceOf (properties));
}

AAX_ResultCode AAX_VEffectDescriptor::AddControlMIDINode (std::uint32_t nodeID, AAX_EMIDINodeType type,
                                                          const char* name, std::uint32_t channelMask)
{
    if (m_HostEffectDescriptorV2.IsEmpty())
        return AAX_RESULT_NOT_IMPLEMENTED;

    return m_HostEffectDescriptorV2->AddControlMIDINode (nodeID, type, name, channelMask);
}

IACFUnknown* AAX_HostInterfaceOf (const AAX_IEffectDescriptor* descriptor) noexcept
{
    const auto* ours = dynamic_cast<const AAX_VEffectDescriptor*> (descriptor);
    return ours != nullptr ? ours->GetIUnknown() : nullptr;
}
