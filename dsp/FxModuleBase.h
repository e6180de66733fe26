#pragma once

#include "dsp/DspBase.h"

/** A DspBase that is an effect module; it only names itself. */
class FxModuleBase : public DspBase
{
public:
    FxModuleBase() noexcept { name_ = "FxModuleBase"; }
    ~FxModuleBase() override = default;
};
