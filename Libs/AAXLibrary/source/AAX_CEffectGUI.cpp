#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_Guarded.h"
#include "AAX_IEffectParameters.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    ReleaseHostObjects();
}

void AAX_CEffectGUI::ReleaseHostObjects() noexcept
{
    m_EffectParameters.Reset();
    m_Controller.reset();
    m_Transport.reset();
}

AAX_ResultCode AAX_CEffectGUI::Initialize (IACFUnknown* host)
{
    return AAX_Guarded ([&]
    {
        // A second Initialize starts afresh. The subclass's view may show the first one's
        // effect, so it goes (through Uninitialize) before that effect is let go.
        if (m_Controller != nullptr)
            Uninitialize();

        ReleaseHostObjects();
        m_Controller = std::make_unique<AAX_VController> (host);

        if (host == nullptr)
            return AAX_RESULT_NO_HOST;

        host->QueryInterface (IID_IAAXEffectParametersV1, m_EffectParameters.Out());
        m_Transport = std::make_unique<AAX_VTransport> (host);
        CreateViewContents();
        return AAX_SUCCESS;
    });
}

AAX_ResultCode AAX_CEffectGUI::Uninitialize()
{
    ReleaseHostObjects();
    return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectGUI::SetViewContainer (IACFUnknown* viewContainer)
{
    return AAX_Guarded ([&]
    {
        if (viewContainer == nullptr)
        {
            m_ViewContainer.reset();
            DeleteViewContainer();
        }
        else
        {
            m_ViewContainer = std::make_unique<AAX_VViewContainer> (viewContainer);
            CreateViewContainer();
            UpdateAllParameters();
        }

        return AAX_SUCCESS;
    });
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (m_EffectParameters.IsEmpty())
        return;

    std::int32_t numParameters = 0;

    if (m_EffectParameters->GetNumberOfParameters (&numParameters) != AAX_SUCCESS || numParameters < 0)
        return;

    for (std::int32_t index = 0; index < numParameters; ++index)
    {
        AAX_CString parameterID;

        if (m_EffectParameters->GetParameterIDFromIndex (index, &parameterID) == AAX_SUCCESS)
            ParameterUpdated (parameterID.CString());
    }
}

AAX_IEffectParameters* AAX_CEffectGUI::GetEffectParameters() const noexcept
{
    // The host hands the GUI the plug-in's own effect-parameters object.
    return static_cast<AAX_IEffectParameters*> (m_EffectParameters.Get());
}

std::int32_t AAX_CEffectGUI::GetViewContainerType() const
{
    return m_ViewContainer != nullptr ? m_ViewContainer->GetType() : 0;
}

void* AAX_CEffectGUI::GetViewContainerPtr() const
{
    return m_ViewContainer != nullptr ? m_ViewContainer->GetPtr() : nullptr;
}

AAX_ResultCode AAX_CEffectGUI::NotificationReceived (std::uint32_t, const void*, std::uint32_t) { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectGUI::GetViewSize (AAX_Point*) const                                   { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectGUI::Draw (AAX_Rect*)                                                 { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectGUI::TimerWakeup()                                                    { return AAX_SUCCESS; }
AAX_ResultCode AAX_CEffectGUI::ParameterUpdated (const char*)                                   { return AAX_SUCCESS; }

AAX_ResultCode AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const
{
    return AAX_RESULT_MISSING_OBJECT;
}

AAX_ResultCode AAX_CEffectGUI::SetControlHighlightInfo (const char*, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}
