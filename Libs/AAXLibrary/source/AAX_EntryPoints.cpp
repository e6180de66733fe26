#include "AAX_EntryPoints.h"

#include "AAX_CHostServices.h"
#include "AAX_VCollection.h"
#include "CACFUnknown.h"

ACFRESULT AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definitionOut)
{
    AAX_VCollection collection (host);

    if (const auto result = GetEffectDescriptions (&collection); result != AAX_SUCCESS)
        return result;

    // A host that gave nowhere to put the definition gets an answer instead of a crash.
    if (definitionOut == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *definitionOut = nullptr;
    auto* hostCollection = collection.GetIUnknown();

    if (hostCollection == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    void* definition = nullptr;
    const auto queried = hostCollection->QueryInterface (IID_IACFPluginDefinition, &definition);
    *definitionOut = static_cast<IACFPluginDefinition*> (definition);

    return queried == ACF_OK ? AAX_SUCCESS : AAX_RESULT_MISSING_OBJECT;
}

ACFRESULT AAXRegisterComponent (IACFUnknown*, acfUInt32, IACFComponentDefinition** definitionOut)
{
    if (definitionOut != nullptr)
        *definitionOut = nullptr;

    return AAX_SUCCESS;
}

ACFRESULT AAXGetClassFactory (IACFUnknown*, const _acfUID&, const _acfUID&, void** factoryOut)
{
    if (factoryOut != nullptr)
        *factoryOut = nullptr;

    return AAX_RESULT_NOT_IMPLEMENTED;
}

ACFRESULT AAXCanUnloadNow (IACFUnknown*)
{
    return CACFUnknown::GetActiveObjectCount();
}

ACFRESULT AAXStartup (IACFUnknown* host)
{
    AAX_CHostServices::Set (host);
    return AAX_SUCCESS;
}

ACFRESULT AAXShutdown (IACFUnknown*)
{
    AAX_CHostServices::Set (nullptr);
    return AAX_SUCCESS;
}

ACFRESULT AAXGetSDKVersion (acfUInt64* versionOut)
{
    if (versionOut == nullptr)
        return ACF_RESULT_NULL_POINTER;

    *versionOut = AAX_LibraryVersion;
    return AAX_SUCCESS;
}
