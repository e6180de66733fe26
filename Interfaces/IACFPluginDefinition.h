#pragma once

#include "IACFUnknown.h"

/** The host's record of a registered plug-in; the module only hands it back. */
class IACFPluginDefinition : public IACFUnknown
{
protected:
    ~IACFPluginDefinition() = default;
};

/** The host's record of a registered component; this module registers none. */
class IACFComponentDefinition : public IACFUnknown
{
protected:
    ~IACFComponentDefinition() = default;
};
