#pragma once

#include "AAX_Results.h"
#include "IACFPluginDefinition.h"

class AAX_ICollection;

/**
    The framework's description hook: describes the plug-in's effects into the collection
    and answers 0, or a code that goes to the host unchanged. The module that links this
    library supplies it.
*/
AAX_ResultCode GetEffectDescriptions (AAX_ICollection* collection);

/** The module version this library reports to the host. */
inline constexpr acfUInt64 AAX_LibraryVersion = 0x0000020200B45B38ull;

// The library side of the module's exports: same arguments, same results; these may throw.

/** Describes the plug-in into the host's collection and hands back its plug-in definition. */
ACFRESULT AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definitionOut);
/** Registers no components: null and 0. */
ACFRESULT AAXRegisterComponent (IACFUnknown* host, acfUInt32 index, IACFComponentDefinition** definitionOut);
/** Offers no class factory: null and -20009. */
ACFRESULT AAXGetClassFactory (IACFUnknown* host, const _acfUID& componentID, const _acfUID& interfaceID,
                              void** factoryOut);
/** The number of live objects; 0 means the module may be unloaded. */
ACFRESULT AAXCanUnloadNow (IACFUnknown* host);
ACFRESULT AAXStartup (IACFUnknown* host);
ACFRESULT AAXShutdown (IACFUnknown* host);
ACFRESULT AAXGetSDKVersion (acfUInt64* versionOut);

// The module's exports, unmangled. Each forwards to its library function above and turns
// any exception into ACF_RESULT_UNEXPECTED, so nothing escapes into the host.
#define AAX_EXPORT __attribute__ ((visibility ("default")))

extern "C"
{
    AAX_EXPORT ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definitionOut);
    AAX_EXPORT ACFRESULT ACFRegisterComponent (IACFUnknown* host, acfUInt32 index,
                                               IACFComponentDefinition** definitionOut);
    AAX_EXPORT ACFRESULT ACFGetClassFactory (IACFUnknown* host, const _acfUID& componentID,
                                             const _acfUID& interfaceID, void** factoryOut);
    AAX_EXPORT ACFRESULT ACFCanUnloadNow (IACFUnknown* host);
    AAX_EXPORT ACFRESULT ACFStartup (IACFUnknown* host);
    AAX_EXPORT ACFRESULT ACFShutdown (IACFUnknown* host);
    AAX_EXPORT ACFRESULT ACFGetSDKVersion (acfUInt64* versionOut);
}

#undef AAX_EXPORT
