#pragma once

#include "IACFUnknown.h"

/**
    The host's view of the plug-in's GUI object. The host-facing GUI operations join this
    class together with the effect GUI base.
*/
class AAX_IACFEffectGUI : public IACFUnknown
{
protected:
    ~AAX_IACFEffectGUI() = default;
};
