#pragma once

#include "AAX_CEffectGUI.h"
#include "wrappers/common/PluginMessageThread.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <memory>

namespace hushmoor::wrappers
{
class EditorHostComponent;
}

namespace hushmoor::aax
{

class HushmoorAAXProcessor;

/**
    The plug-in's editor in an AAX host's view: built for the processor of the effect the
    object was last initialised with, and put into the native window of the view container
    the host handed over last. The editor follows the processor's values by itself (its
    timer), so parameter updates need nothing here.

    A processor has one editor. When two GUI objects show one effect (a window reopened
    before the old GUI is released, or two windows at once), the newest view takes the
    editor over and the older view is left empty. When the view holding the editor is
    released, the editor goes back to the view of the others that was attached to a
    window last and still is (and is deleted only when there is none), so the GUIs may be
    released in any order. An emptied view also gets the editor back when the host hands
    it a container again.

    Host calls come from the host's thread; every touch of the view takes a
    juce::MessageManagerLock, since the framework's message thread is our own. What the
    editor does on that thread reaches the host on the host's thread: its edits through
    the effect's queue, its size at the host's next TimerWakeup.

    The object is reference counted: Create() hands it to the host, whose last Release
    deletes it.
*/
class HushmoorAAXGUI final : public AAX_CEffectGUI
{
public:
    /** The GUI creator the description registers; null when the object cannot be made. */
    static IACFUnknown* Create();

    ~HushmoorAAXGUI() override;

    /** The editor's size (height first), or -20004 without an editor. */
    AAX_ResultCode GetViewSize (AAX_Point* size) const override;
    /** The editor goes before the effect it shows is let go. */
    AAX_ResultCode Uninitialize() override;
    /** The host's periodic call on its thread: hands it the editor's edits and size. */
    AAX_ResultCode TimerWakeup() override;

    /** The native window type a view container must report for the editor to attach. */
    static constexpr std::int32_t nativeWindowType = 1;

private:
    HushmoorAAXGUI() = default;

    AAX_ResultCode CreateViewContents() override;
    AAX_ResultCode CreateViewContainer() override;
    AAX_ResultCode DeleteViewContainer() override;

    HushmoorAAXProcessor* getEffect() const;
    /** Puts the view into the current container's window, or out of any window when the
        container has none the editor can live in. */
    AAX_ResultCode attachView();
    void editorResized (int width, int height);

    static constexpr std::uint32_t packSize (int width, int height) noexcept
    {
        return (static_cast<std::uint32_t> (width & 0xffff) << 16) | static_cast<std::uint32_t> (height & 0xffff);
    }

    // Declaration order is teardown order in reverse: the view goes before the message
    // thread, the message thread before the framework.
    juce::ScopedJuceInitialiser_GUI libraryInitialiser;
    juce::SharedResourcePointer<wrappers::PluginMessageThread> messageThread;
    std::unique_ptr<wrappers::EditorHostComponent> view;
    std::atomic<std::uint32_t> viewSize { 0 };   // width and height, as packSize makes them
    std::atomic<bool> sizeChanged { false };     // the host has not heard of the size yet

    JUCE_DECLARE_NON_COPYABLE (HushmoorAAXGUI)
};

} // namespace hushmoor::aax
