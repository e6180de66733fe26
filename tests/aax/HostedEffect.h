#pragma once

#include "FakeEffectHost.h"
#include "TestEffect.h"

namespace testeffect
{
    /** A KindsEffect on a fake host of its own, which answers every set-value request with the value. */
    struct HostedEffect
    {
        HostedEffect()
        {
            host.automation.answerSetValue = [this] (const char* id, double value)
            {
                effect.UpdateParameterNormalizedValue (id, value, AAX_EUpdateSource {});
            };

            initResult = effect.Initialize (host.Unknown());
        }

        fakehost::HostLog log;
        fakehost::FakeEffectHost host { log };
        KindsEffect effect;
        AAX_ResultCode initResult;
    };
}
