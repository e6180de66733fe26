#pragma once

#include "AAX_Results.h"
#include "IACFUnknown.h"

class AAX_IParameter;

// The host's view of the plug-in's data-model object, in three versions that share one
// table. The rest of the host-facing operations join these classes together with the
// effect-parameters base, around the ones declared here.

class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    /** Writes the parameter with that identifier (null when there is none): 0, or -20001 when unknown. */
    virtual AAX_ResultCode GetParameter (const char* parameterID, AAX_IParameter** parameter) = 0;

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
