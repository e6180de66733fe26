#include "AAX_VPropertyMap.h"

AAX_VPropertyMap::AAX_VPropertyMap (IACFUnknown* host)
{
    ACFCreateHostComponent (host, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1, m_HostPropertyMap,
                            IID_IAAXPropertyMapV2, m_HostPropertyMapV2);
}

AAX_VPropertyMap::~AAX_VPropertyMap()
{
    m_HostPropertyMapV2.Reset();
    m_HostPropertyMap.Reset();
}

AAX_CBoolean AAX_VPropertyMap::GetProperty (AAX_EProperty property, std::int32_t* value) const
{
    if (m_HostPropertyMap.IsEmpty())
        return false;

    return m_HostPropertyMap->GetProperty (property, value);
}

AAX_ResultCode AAX_VPropertyMap::AddProperty (AAX_EProperty property, std::int32_t value)
{
    if (m_HostPropertyMap.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostPropertyMap->AddProperty (property, value);
}

AAX_ResultCode AAX_VPropertyMap::RemoveProperty (AAX_EProperty property)
{
    if (m_HostPropertyMap.IsEmpty())
        return AAX_RESULT_MISSING_OBJECT;

    return m_HostPropertyMap->RemoveProperty (property);
}

AAX_ResultCode AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                         std::uint32_t count)
{
    if (m_HostPropertyMapV2.IsEmpty())
        return AAX_RESULT_NOT_IMPLEMENTED;

    return m_HostPropertyMapV2->AddPropertyWithIDArray (property, ids, count);
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                                       std::uint32_t* count) const
{
    if (m_HostPropertyMapV2.IsEmpty())
        return false;

    return m_HostPropertyMapV2->GetPropertyWithIDArray (property, ids, count);
}

IACFUnknown* AAX_HostInterfaceOf (const AAX_IPropertyMap* map) noexcept
{
    const auto* ours = dynamic_cast<const AAX_VPropertyMap*> (map);
    return ours != nullptr ? ours->GetIUnknown() : nullptr;
}
