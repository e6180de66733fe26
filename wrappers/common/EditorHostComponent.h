#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace hushmoor::wrappers
{

/**
    Holds the processor's editor inside the host's window. The editor is created here
    and deleted here (telling the processor first); the component is a child of the
    host's native window once attached. A processor has one editor: a second component
    made for it takes the editor over from the first, which is left empty. When the
    component holding the editor goes, the editor moves to the one of the processor's
    other components that was put into a host window last and is still in one; only
    without such a component is it deleted. Message thread (or under its lock) only.
*/
class EditorHostComponent final : public juce::Component
{
public:
    using ResizeCallback = std::function<void (int width, int height)>;

    /** Null editor when the processor has none, or when its editor is held by something
        other than an EditorHostComponent; check hasEditor(). */
    EditorHostComponent (juce::AudioProcessor& processor, ResizeCallback onResize);
    ~EditorHostComponent() override;

    bool hasEditor() const noexcept                  { return editor != nullptr; }

    /** Puts the component into the host's native window (an X11 window id on Linux),
        taking it out of the one it was in. */
    bool attachToHostWindow (void* nativeParent);
    /** Takes the component out of the host's window, if it is in one. */
    void detachFromHostWindow();

    /** False when there is no display to put a window on (then attaching would fail
        inside the windowing code). Message thread (or under its lock) only. */
    static bool canOpenWindows();

    void paint (juce::Graphics& g) override;
    void childBoundsChanged (juce::Component* child) override;

private:
    /** Gives the editor up to a newer component, which then owns it. */
    std::unique_ptr<juce::AudioProcessorEditor> releaseEditor();
    /** Shows an editor given up by another component of the same processor. */
    void adoptEditor (std::unique_ptr<juce::AudioProcessorEditor> newEditor);

    juce::AudioProcessor& processor;
    ResizeCallback onResize;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    std::uint64_t attachedAt = 0;   // when it last went into a host window; 0 never

    JUCE_DECLARE_NON_COPYABLE (EditorHostComponent)
};

} // namespace hushmoor::wrappers
