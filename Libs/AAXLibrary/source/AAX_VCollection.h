#pragma once

#include "AAX_IACFCollection.h"
#include "AAX_ICollection.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "ACFPtr.h"

#include <memory>
#include <vector>

/**
    The host's collection, made through the host's factory for one registration call.
    Everything made through it (effect descriptors, maps and all beneath them) dies with it.
*/
class AAX_VCollection : public AAX_ICollection
{
public:
    explicit AAX_VCollection (IACFUnknown* host);
    ~AAX_VCollection() override;

    AAX_IEffectDescriptor* NewDescriptor() override;
    /** A null descriptor answers -20004 without reaching the host. */
    AAX_ResultCode AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) override;
    AAX_ResultCode SetManufacturerName (const char* name) override;
    AAX_ResultCode AddPackageName (const char* name) override;
    AAX_ResultCode SetPackageVersion (std::uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_ResultCode SetProperties (AAX_IPropertyMap* properties) override;

    /** The host collection, without a new reference; null when missing. */
    IACFUnknown* GetIUnknown() const noexcept    { return m_HostCollection.Get(); }

private:
    ACFPtr<IACFUnknown> m_HostUnknown;
    ACFPtr<AAX_IACFCollection> m_HostCollection;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> m_EffectDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> m_PropertyMaps;
};
