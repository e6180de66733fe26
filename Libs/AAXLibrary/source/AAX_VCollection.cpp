#include "AAX_VCollection.h"

AAX_VCollection::AAX_VCollection (IACFUnknown* host) : m_HostUnknown (host)
{
    ACFCreateHostComponent (host, AAXCompID_AAXCollection, IID_IAAXCollectionV1, m_HostCollection);
}

AAX_VCollection::~AAX_VCollection()
{
    m_EffectDescriptors.clear();
    m_PropertyMaps.clear();
    m_HostCollection.Reset();
    m_HostUnknown.Reset();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    auto descriptor = std::make_unique<AAX_VEffectDescriptor> (m_HostUnknown.Get());
    m_EffectDescriptors.push_back (std::move (descriptor));
    return m_EffectDescriptors.back().get();
}

AAX_ResultCode AAX_VCollection::AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor)
{
    if (m_HostCollection.IsEmpty() || effectDescriptor == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostCollection->AddEffect (effectID, AAX_HostInterfaceOf (effectDescriptor));
}

AAX_ResultCode AAX_VCollection::SetManufacturerName (const char* name)
{
    if (m_HostCollection.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostCollection->SetManufacturerName (name);
}

AAX_ResultCode AAX_VCollection::AddPackageName (const char* name)
{
    if (m_HostCollection.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostCollection->AddPackageName (name);
}

AAX_ResultCode AAX_VCollection::SetPackageVersion (std::uint32_t version)
{
    if (m_HostCollection.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostCollection->SetPackageVersion (version);
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    auto map = std::make_unique<AAX_VPropertyMap> (m_HostUnknown.Get());
    m_PropertyMaps.push_back (std::move (map));
    return m_PropertyMaps.back().get();
}

AAX_ResultCode AAX_VCollection::SetProperties (AAX_IPropertyMap* properties)
{
    if (m_HostCollection.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostCollection->SetProperties (AAX_HostInterfaceOf (properties));
}
