// The module's seven exports. This file is linked into the module as an object of its
// own (not from the archive), so the exports are always present in the shared object.

#include "AAX_EntryPoints.h"

ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definitionOut)
{
    try { return AAXRegisterPlugin (host, definitionOut); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}

ACFRESULT ACFRegisterComponent (IACFUnknown* host, acfUInt32 index, IACFComponentDefinition** definitionOut)
{
    try { return AAXRegisterComponent (host, index, definitionOut); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}

ACFRESULT ACFGetClassFactory (IACFUnknown* host, const _acfUID& componentID, const _acfUID& interfaceID,
                              void** factoryOut)
{
    try { return AAXGetClassFactory (host, componentID, interfaceID, factoryOut); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}

ACFRESULT ACFCanUnloadNow (IACFUnknown* host)
{
    try { return AAXCanUnloadNow (host); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}

ACFRESULT ACFStartup (IACFUnknown* host)
{
    try { return AAXStartup (host); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}

ACFRESULT ACFShutdown (IACFUnknown* host)
{
    try { return AAXShutdown (host); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}

ACFRESULT ACFGetSDKVersion (acfUInt64* versionOut)
{
    try { return AAXGetSDKVersion (versionOut); }
    catch (...) { return ACF_RESULT_UNEXPECTED; }
}
