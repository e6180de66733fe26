#include "TestDescriptionHook.h"

#include "AAX_EntryPoints.h"

std::function<AAX_ResultCode (AAX_ICollection*)> testDescriptionHook;

AAX_ResultCode GetEffectDescriptions (AAX_ICollection* collection)
{
    return testDescriptionHook ? testDescriptionHook (collection) : AAX_SUCCESS;
}
