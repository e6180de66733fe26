#pragma once

#include "AAX_Results.h"

class AAX_IEffectDescriptor;
class AAX_IPropertyMap;

/**
    What the plug-in fills in when the host registers it: its effects and its package.
    Everything it makes belongs to it and lives only as long as the registration call.
*/
class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_ResultCode AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) = 0;
    virtual AAX_ResultCode SetManufacturerName (const char* name) = 0;
    virtual AAX_ResultCode AddPackageName (const char* name) = 0;
    virtual AAX_ResultCode SetPackageVersion (std::uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_ResultCode SetProperties (AAX_IPropertyMap* properties) = 0;

protected:
    AAX_ICollection() = default;
    AAX_ICollection (const AAX_ICollection&) = default;
    AAX_ICollection& operator= (const AAX_ICollection&) = default;
};
