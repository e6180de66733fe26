#include "wrappers/common/EditorHostComponent.h"

#include <algorithm>
#include <vector>

namespace hushmoor::wrappers
{

namespace
{
    // Every component alive, of every processor; message thread (or under its lock) only.
    std::vector<EditorHostComponent*>& liveComponents()
    {
        static std::vector<EditorHostComponent*> components;
        return components;
    }

    std::uint64_t attachCount = 0;
}

EditorHostComponent::EditorHostComponent (juce::AudioProcessor& p, ResizeCallback resizeCallback)
    : processor (p), onResize (std::move (resizeCallback))
{
    setOpaque (true);

    // A processor has one editor. When another view holds it (a host that opens a second
    // view of one instance), this newer view takes it over and the older one is left
    // empty: an editor is only ever deleted by the view that holds it.
    if (auto* existing = processor.getActiveEditor())
    {
        if (auto* holder = dynamic_cast<EditorHostComponent*> (existing->getParentComponent()))
            editor = holder->releaseEditor();
    }
    else if (auto* created = processor.createEditorIfNeeded())
    {
        editor.reset (created);
    }

    if (editor != nullptr)
    {
        addAndMakeVisible (*editor);
        setSize (editor->getWidth(), editor->getHeight());
    }

    // Last: a constructor that throws before here leaves no dangling entry behind.
    liveComponents().push_back (this);
}

std::unique_ptr<juce::AudioProcessorEditor> EditorHostComponent::releaseEditor()
{
    if (editor != nullptr)
        removeChildComponent (editor.get());

    return std::move (editor);
}

void EditorHostComponent::adoptEditor (std::unique_ptr<juce::AudioProcessorEditor> newEditor)
{
    editor = std::move (newEditor);
    addAndMakeVisible (*editor);
    childBoundsChanged (editor.get());
}

EditorHostComponent::~EditorHostComponent()
{
    auto& live = liveComponents();
    live.erase (std::remove (live.begin(), live.end(), this), live.end());

    if (isOnDesktop())
        removeFromDesktop();

    if (editor == nullptr)
        return;

    // A window of the processor that is still open shows the editor again: the one the
    // host put it into last.
    EditorHostComponent* heir = nullptr;

    for (auto* other : live)
        if (&other->processor == &processor && other->isOnDesktop() && (heir == nullptr || other->attachedAt > heir->attachedAt))
            heir = other;

    if (heir != nullptr)
    {
        heir->adoptEditor (releaseEditor());
        return;
    }

    processor.editorBeingDeleted (editor.get());
    removeChildComponent (editor.get());
    editor.reset();
}

bool EditorHostComponent::attachToHostWindow (void* nativeParent)
{
    if (editor == nullptr || nativeParent == nullptr)
        return false;

    // The framework keeps an existing window when asked for one of the same style: a
    // new parent needs a new one.
    detachFromHostWindow();

    // Created directly as a child of the host's window, without decoration.
    setVisible (false);
    addToDesktop (0, nativeParent);
    setTopLeftPosition (0, 0);
    setVisible (true);
    attachedAt = ++attachCount;
    return isOnDesktop();
}

void EditorHostComponent::detachFromHostWindow()
{
    if (isOnDesktop())
        removeFromDesktop();
}

bool EditorHostComponent::canOpenWindows()
{
    return ! juce::Desktop::getInstance().getDisplays().displays.isEmpty();
}

void EditorHostComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void EditorHostComponent::childBoundsChanged (juce::Component* child)
{
    if (child != editor.get() || editor == nullptr)
        return;

    const auto width = editor->getWidth();
    const auto height = editor->getHeight();

    if (width == getWidth() && height == getHeight())
        return;

    setSize (width, height);

    if (onResize)
        onResize (width, height);
}

} // namespace hushmoor::wrappers
