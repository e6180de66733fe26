#pragma once

#include "ACFBase.h"

/**
    The base of every interface the host and the module exchange: its three operations
    occupy the first three slots of every table. Objects are never deleted through it;
    they go when their reference count drops to zero.
*/
class IACFUnknown
{
public:
    virtual ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) = 0;
    virtual acfUInt32 AddRef() = 0;
    virtual acfUInt32 Release() = 0;

protected:
    IACFUnknown() = default;
    IACFUnknown (const IACFUnknown&) = default;
    IACFUnknown& operator= (const IACFUnknown&) = default;
    ~IACFUnknown() = default;
};
