#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"
#include "IACFUnknown.h"

/** The host's map from property numbers to 32-bit values, first version. */
class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, std::int32_t* value) const = 0;
    virtual AAX_ResultCode AddProperty (AAX_EProperty property, std::int32_t value) = 0;
    virtual AAX_ResultCode RemoveProperty (AAX_EProperty property) = 0;

protected:
    ~AAX_IACFPropertyMap() = default;
};

/** Second version: adds properties whose value is an array of plug-in identities. */
class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_ResultCode AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                   std::uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                                 std::uint32_t* count) const = 0;

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};
