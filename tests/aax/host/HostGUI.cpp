#include "HostGUI.h"

namespace fakehost
{
    HostGUI::HostGUI (const RegisteredEffect& effect, HostEffect& instance, HostLog& log)
        : m_Context (log)
    {
        if (effect.guiCreator == nullptr || ! instance.IsCreated())
            return;

        auto* made = reinterpret_cast<AAX_CCreateProc> (effect.guiCreator)();
        void* gui = nullptr;

        if (made == nullptr || made->QueryInterface (IID_IAAXEffectGUIV1, &gui) != ACF_OK)
            return;

        m_GUI = static_cast<AAX_IACFEffectGUI*> (gui);
        m_Context.effect = &instance.Effect();
        m_Initialized = m_GUI->Initialize (m_Context.Unknown());
    }

    HostGUI::~HostGUI()
    {
        if (m_GUI == nullptr)
            return;

        m_GUI->SetViewContainer (nullptr);
        m_GUI->Uninitialize();
        m_GUI->Release();
    }

    ACFRESULT HostGUI::Initialize (HostEffect& instance)
    {
        m_Context.effect = &instance.Effect();
        return m_Initialized = m_GUI->Initialize (m_Context.Unknown());
    }

    ACFRESULT HostGUI::Attach (void* nativeWindow, std::int32_t type)
    {
        m_Context.viewContainer.state.view = nativeWindow;
        m_Context.viewContainer.state.type = type;
        return m_GUI->SetViewContainer (&m_Context.viewContainer);
    }

    ACFRESULT HostGUI::Detach()
    {
        return m_GUI->SetViewContainer (nullptr);
    }

    AAX_Point HostGUI::ViewSize() const
    {
        AAX_Point size { 0.0f, 0.0f };
        m_GUI->GetViewSize (&size);
        return size;
    }
}
