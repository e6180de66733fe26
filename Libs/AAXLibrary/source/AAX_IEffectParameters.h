#pragma once

#include "AAX_IACFEffectParameters.h"
#include "CACFUnknown.h"

/**
    The plug-in's data-model object as the host reaches it. The host sees the first base;
    the second carries the reference count. One table serves all three interface versions,
    so every version's identifier yields this same pointer.
*/
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V3,
                              public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
    acfUInt32 AddRef() override;
    acfUInt32 Release() override;

    ACFRESULT InternalQueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
    ~AAX_IEffectParameters() override;
};
