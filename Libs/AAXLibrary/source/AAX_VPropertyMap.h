#pragma once

#include "AAX_IACFPropertyMap.h"
#include "AAX_IPropertyMap.h"
#include "ACFPtr.h"

/** A property map of the host's, made through the host's factory. It makes no children. */
class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    explicit AAX_VPropertyMap (IACFUnknown* host);
    ~AAX_VPropertyMap() override;

    AAX_CBoolean GetProperty (AAX_EProperty property, std::int32_t* value) const override;
    AAX_ResultCode AddProperty (AAX_EProperty property, std::int32_t value) override;
    AAX_ResultCode RemoveProperty (AAX_EProperty property) override;
    AAX_ResultCode AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                           std::uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                         std::uint32_t* count) const override;

    /** The host's first-version interface, without a new reference; null when missing. */
    IACFUnknown* GetIUnknown() const noexcept    { return m_HostPropertyMap.Get(); }

private:
    ACFPtr<AAX_IACFPropertyMap> m_HostPropertyMap;
    ACFPtr<AAX_IACFPropertyMap_V2> m_HostPropertyMapV2;
};

/**
    The host interface inside a map that this library made, for passing it on to the host;
    null for null. A map of any other kind has no host interface to give and also answers null.
*/
IACFUnknown* AAX_HostInterfaceOf (const AAX_IPropertyMap* map) noexcept;
