#include "AAX_IEffectGUI.h"

#include "ACFIdentifiers.h"

AAX_IEffectGUI::~AAX_IEffectGUI() = default;

ACFRESULT AAX_IEffectGUI::QueryInterface (const _acfUID& interfaceID, void** interfaceOut)
{
    return m_OuterUnknown->QueryInterface (interfaceID, interfaceOut);
}

acfUInt32 AAX_IEffectGUI::AddRef()
{
    return m_OuterUnknown->AddRef();
}

acfUInt32 AAX_IEffectGUI::Release()
{
    return m_OuterUnknown->Release();
}

ACFRESULT AAX_IEffectGUI::InternalQueryInterface (const _acfUID& interfaceID, void** interfaceOut)
{
    if (interfaceOut == nullptr)
        return ACF_RESULT_NULL_POINTER;

    if (interfaceID == IID_IAAXEffectGUIV1)
    {
        *interfaceOut = static_cast<AAX_IACFEffectGUI*> (this);
        AddRef();
        return ACF_OK;
    }

    return CACFUnknown::InternalQueryInterface (interfaceID, interfaceOut);
}
