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

AAX_ResultCode HushmoorAAXGUI::CreateViewContents()
{
    if (view != nullptr)
        return AAX_SUCCESS;

    auto* effect = getEffect();

    if (effect == nullptr)
        return AAX_RESULT_MISSING_OBJECT;

    const juce::MessageManagerLock lock;
    view = std::make_unique<wrappers::EditorHostComponent> (effect->getProcessor(),
                                                            [this] (int width, int height) { editorResized (width, height); });

    if (! view->hasEditor())
    {
        view.reset();
        return AAX_RESULT_MISSING_OBJECT;
    }

    return AAX_SUCCESS;
}

AAX_ResultCode HushmoorAAXGUI::CreateViewContainer()
{
    // The view goes with each container; a new container gets a new one.
    if (const auto result = CreateViewContents(); result != AAX_SUCCESS)
        return result;

    auto* nativeWindow = GetViewContainerPtr();

    // Only a native window can take the editor (an X11 window on Linux).
    if (nativeWindow == nullptr || GetViewContainerType() != nativeWindowType)
        return AAX_RESULT_NOT_IMPLEMENTED;

    const juce::MessageManagerLock lock;

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

    size->vertical = static_cast<float> (view->getHeight());
    size->horizontal = static_cast<float> (view->getWidth());
    return AAX_SUCCESS;
}

void HushmoorAAXGUI::editorResized (int width, int height)
{
    if (auto* container = GetViewContainer())
    {
        AAX_Point size { static_cast<float> (height), static_cast<float> (width) };
        container->SetViewSize (size);
    }
}

} // namespace hushmoor::aax
