#pragma once

#include "IACFUnknown.h"

// The host's view of the plug-in's data-model object, in three versions that share one
// table. The host-facing operations join these classes together with the effect-parameters
// base; until then the three share the base interface's slots only.

class AAX_IACFEffectParameters : public IACFUnknown
{
protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
protected:
    ~AAX_IACFEffectParameters_V3() = default;
};
