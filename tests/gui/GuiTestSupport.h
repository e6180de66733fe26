#pragma once

#include "gui/GraviloHushmoorAudioProcessorEditor.h"
#include "plugin/GraviloHushmoorAudioProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace hushmoor::test
{
    /** Runs the message loop for a while: timers, async updates and posted clicks. */
    void pumpMessages (int milliseconds);

    /** True when windows can be put on screen (tests needing one run under xvfb-run -a). */
    bool haveDisplay();

    /** A filmstrip whose frame i is filled with frameColour (i) and nothing else. */
    juce::Image makeNumberedFilmstrip (int frameWidth, int frameHeight, int numFrames, juce::Image::PixelFormat = juce::Image::RGB);
    juce::Colour frameColour (int frame);

    /** Paints a component on transparent black and tells which frame of a numbered
        filmstrip shows at its centre: -1 when nothing was drawn there. */
    int paintedFrame (juce::Component&);

    /** The pixel at the centre of a component painted on transparent black. */
    juce::Colour paintedCentre (juce::Component&);

    /** Hands a button the mouse state it would see, then paints it. */
    int paintedButtonFrame (juce::Button&, bool isMouseOver, bool isButtonDown);

    /** Records every parameter change the processor reports to its host. */
    struct HostNotifications : juce::AudioProcessorListener
    {
        struct Change { int index; float value; };

        explicit HostNotifications (juce::AudioProcessor& p) : processor (p) { processor.addListener (this); }
        ~HostNotifications() override { processor.removeListener (this); }

        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
        {
            changes.push_back ({ index, value });
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

        juce::AudioProcessor& processor;
        std::vector<Change> changes;
    };

    /** An editor made by the processor and deleted the way a host wrapper does it. */
    struct EditorDeleter
    {
        void operator() (GraviloHushmoorAudioProcessorEditor* editor) const;
    };

    using EditorPtr = std::unique_ptr<GraviloHushmoorAudioProcessorEditor, EditorDeleter>;

    EditorPtr openEditor (GraviloHushmoorAudioProcessor&);

    template <typename ComponentType>
    ComponentType* findChild (juce::Component& parent, const juce::String& name)
    {
        for (auto* child : parent.getChildren())
            if (child->getName() == name)
                return dynamic_cast<ComponentType*> (child);

        return nullptr;
    }

    /** Puts a component on the desktop and feeds it mouse events through its window,
        so that hit-testing, modal blocking and double-click detection are JUCE's own. */
    class DesktopMouse
    {
    public:
        explicit DesktopMouse (juce::Component& topLevel);
        ~DesktopMouse();

        void press (juce::Point<int> position);
        void release (juce::Point<int> position);
        void click (juce::Point<int> position);
        void doubleClick (juce::Point<int> position);

    private:
        void send (juce::Point<int> position, juce::ModifierKeys mods);

        juce::Component& component;
        juce::int64 time;
    };
}
