#pragma once

#include "IACFUnknown.h"

/** The host's factory for its own components (collections, descriptors, maps, services). */
class IACFComponentFactory : public IACFUnknown
{
public:
    virtual ACFRESULT CreateComponent (const _acfUID& componentID, IACFUnknown* outer,
                                       const _acfUID& interfaceID, void** interfaceOut) = 0;

protected:
    ~IACFComponentFactory() = default;
};
