#include "wrappers/aax/HushmoorAAXGUI.h"

#include "AAX_IViewContainer.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"
#include "wrappers/aax/HushmoorAAXProcessor.h"
#include "wrappers/common/EditorHostComponent.h"

namespace hushmoor::aax
{

IACFUnknown* HushmoorAAXGUI::Create()
{
    try
    {
        // The reference count owns the object from the host's first query on.
        return static_cast<AAX_IACFEffectGUI*> (new HushmoorAAXGUI());
    }
    catch (...)
    {
        return nullptr;
    }
}

HushmoorAAXGUI::~HushmoorAAXGUI()
{
    DeleteViewContainer();
}

AAX_ResultCode HushmoorAAXGUI::Uninitialize()
{
    DeleteViewContainer();
    return AAX_CEffectGUI::Uninitialize();
}

HushmoorAAXProcessor* HushmoorAAXGUI::getEffect() const
{
    return dynamic_cast<HushmoorAAXProcessor*> (GetEffectParameters());
}

AAX_ResultCode HushmoorAAXGUI::TimerWakeup()
{
    if (auto* effect = getEffect())
        effect->deliverQueuedChanges();

    if (auto* container = GetViewContainer(); container != nullptr && sizeChanged.exchange (false))
    {
        const auto size = viewSize.load();
        AAX_Point point { static_cast<float> (size & 0xffff), static_cast<float> (size >> 16) };
        container->SetViewSize (point);
    }

    return AAX_CEffectGUI::TimerWakeup();
}

AAX_ResultCode HushmoorAAXGUI::CreateViewContents()
{
    auto* effect = getEffect();

    if (effect == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    {
        const juce::MessageManagerLock lock;

        // A view of an earlier effect goes first: it must never outlive that effect.
        view.reset();
        view = std::make_unique<wrappers::EditorHostComponent> (effect->getProcessor(),
                                                                [this] (int width, int height) { editorResized (width, height); });

        if (! view->hasEditor())
        {
            view.reset();
            return AAX_RESULT_MISSING_OBJECT;
        }

        viewSize = packSize (view->getWidth(), view->getHeight());
    }

    return attachView();
}

AAX_ResultCode HushmoorAAXGUI::CreateViewContainer()
{
    // The view goes with each container. A view whose editor a newer GUI of the same
    // effect took over is built again: the view given a container last shows the editor.
    return view == nullptr || ! view->hasEditor() ? CreateViewContents() : attachView();
}

AAX_ResultCode HushmoorAAXGUI::attachView()
{
    if (view == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    auto* nativeWindow = GetViewContainerPtr();
    const bool isNative = nativeWindow != nullptr && GetViewContainerType() == nativeWindowType;
    const juce::MessageManagerLock lock;

    // Only a native window can take the editor (an X11 window on Linux); it never stays in
    // a window the host has replaced.
    if (! isNative)
    {
        view->detachFromHostWindow();
        return GetViewContainer() == nullptr ? AAX_SUCCESS : AAX_RESULT_NOT_IMPLEMENTED;
    }

    if (! wrappers::EditorHostComponent::canOpenWindows() || ! view->attachToHostWindow (nativeWindow))
        return AAX_RESULT_MISSING_OBJECT;

    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXGUI::DeleteViewContainer()
{
    if (view != nullptr)
    {
        const juce::MessageManagerLock lock;
        view.reset();
    }

    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXGUI::GetViewSize (AAX_Point* size) const
{
    if (size == nullptr)
        return ACF_RESULT_NULL_POINTER;

    if (view == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    const auto packed = viewSize.load();
    size->vertical = static_cast<float> (packed & 0xffff);
    size->horizontal = static_cast<float> (packed >> 16);
    return AAX_SUCCESS;
}

void HushmoorAAXGUI::editorResized (int width, int height)
{
    // On the message thread: the host hears of it on its own thread.
    viewSize = packSize (width, height);
    sizeChanged = true;
}

} // namespace hushmoor::aax
