#pragma once

#include "AAX_IACFEffectGUI.h"
#include "CACFUnknown.h"

/**
    The plug-in's GUI object as the host reaches it: the host sees the first base, the
    second carries the reference count.
*/
class AAX_IEffectGUI : public AAX_IACFEffectGUI,
                       public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
    acfUInt32 AddRef() override;
    acfUInt32 Release() override;

    ACFRESULT InternalQueryInterface (const _acfUID& interfaceID, void** interfaceOut) override;
    ~AAX_IEffectGUI() override;
};
