#pragma once

#include "AAX_Results.h"
#include "IACFUnknown.h"

/**
    The host's collection of effect descriptions. The first four operations are never
    called by this library; they only hold their places in the table.
*/
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_ResultCode ReservedSlot1() = 0;
    virtual AAX_ResultCode ReservedSlot2() = 0;
    virtual AAX_ResultCode ReservedSlot3() = 0;
    virtual AAX_ResultCode ReservedSlot4() = 0;

    virtual AAX_ResultCode AddEffect (const char* effectID, IACFUnknown* effectDescriptor) = 0;
    virtual AAX_ResultCode SetManufacturerName (const char* name) = 0;
    virtual AAX_ResultCode AddPackageName (const char* name) = 0;
    virtual AAX_ResultCode SetPackageVersion (std::uint32_t version) = 0;
    virtual AAX_ResultCode SetProperties (IACFUnknown* propertyMap) = 0;

protected:
    ~AAX_IACFCollection() = default;
};
