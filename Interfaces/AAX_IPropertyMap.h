#pragma once

#include "AAX_Results.h"
#include "AAX_Types.h"

/** A property map as the plug-in sees it while describing itself. */
class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    /** True (the host's own non-zero answer) when the property is held; the value is then written. */
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, std::int32_t* value) const = 0;
    virtual AAX_ResultCode AddProperty (AAX_EProperty property, std::int32_t value) = 0;
    virtual AAX_ResultCode RemoveProperty (AAX_EProperty property) = 0;
    virtual AAX_ResultCode AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                   std::uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                                 std::uint32_t* count) const = 0;

protected:
    AAX_IPropertyMap() = default;
    AAX_IPropertyMap (const AAX_IPropertyMap&) = default;
    AAX_IPropertyMap& operator= (const AAX_IPropertyMap&) = default;
};
