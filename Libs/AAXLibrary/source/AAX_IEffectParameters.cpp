#include "AAX_IEffectParameters.h"

#include "ACFIdentifiers.h"

AAX_IEffectParameters::~AAX_IEffectParameters() = default;

ACFRESULT AAX_IEffectParameters::QueryInterface (const _acfUID& interfaceID, void** interfaceOut)
{
    return m_OuterUnknown->QueryInterface (interfaceID, interfaceOut);
}

acfUInt32 AAX_IEffectParameters::AddRef()
{
    return m_OuterUnknown->AddRef();
}

acfUInt32 AAX_IEffectParameters::Release()
{
    return m_OuterUnknown->Release();
}

ACFRESULT AAX_IEffectParameters::InternalQueryInterface (const _acfUID& interfaceID, void** interfaceOut)
{
    if (interfaceOut == nullptr)
        return ACF_RESULT_NULL_POINTER;

    if (interfaceID == IID_IAAXEffectParametersV1
         || interfaceID == IID_IAAXEffectParametersV2
         || interfaceID == IID_IAAXEffectParametersV3)
    {
        *interfaceOut = static_cast<AAX_IACFEffectParameters*> (this);
        AddRef();
        return ACF_OK;
    }

    return CACFUnknown::InternalQueryInterface (interfaceID, interfaceOut);
}
