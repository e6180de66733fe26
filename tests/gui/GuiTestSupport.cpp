#include "tests/gui/GuiTestSupport.h"

#include "tests/support/JuceTestFramework.h"
#include "tests/support/XErrorHandler.h"

#include <cstdlib>

namespace hushmoor::test
{
namespace
{
    // One framework instance for the whole test program, on the main thread, which
    // becomes the message thread.
    struct JuceGuiEnvironment : ::testing::Environment
    {
        void SetUp() override
        {
            installQuietXErrorHandler();
            framework = std::make_unique<JuceTestFramework>();
        }

        void TearDown() override
        {
            framework.reset();
        }

        std::unique_ptr<JuceTestFramework> framework;
    };

    [[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment (new JuceGuiEnvironment);

    juce::Image paintOnBlack (juce::Component& component)
    {
        juce::Image image (juce::Image::ARGB, juce::jmax (1, component.getWidth()), juce::jmax (1, component.getHeight()), true);
        juce::Graphics g (image);
        component.paintEntireComponent (g, true);
        return image;
    }
}

void pumpMessages (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

bool haveDisplay()
{
    const auto* display = std::getenv ("DISPLAY");
    return display != nullptr && *display != 0;
}

juce::Colour frameColour (int frame)
{
    return juce::Colour ((juce::uint8) (frame * 2 + 1), (juce::uint8) (255 - frame), (juce::uint8) 77);
}

juce::Image makeNumberedFilmstrip (int frameWidth, int frameHeight, int numFrames, juce::Image::PixelFormat format)
{
    juce::Image strip (format, frameWidth, frameHeight * numFrames, true);
    juce::Graphics g (strip);

    for (int frame = 0; frame < numFrames; ++frame)
    {
        g.setColour (frameColour (frame));
        g.fillRect (0, frame * frameHeight, frameWidth, frameHeight);
    }

    return strip;
}

juce::Colour paintedCentre (juce::Component& component)
{
    return paintOnBlack (component).getPixelAt (component.getWidth() / 2, component.getHeight() / 2);
}

int paintedFrame (juce::Component& component)
{
    const auto colour = paintedCentre (component);

    if (colour.getAlpha() == 0)
        return -1;

    for (int frame = 0; frame < 128; ++frame)
        if (frameColour (frame) == colour)
            return frame;

    ADD_FAILURE() << "centre pixel " << colour.toDisplayString (true) << " belongs to no frame";
    return -2;
}

namespace
{
    // Button::paintButton is protected; this reaches it the way the framework does.
    struct ButtonPainter : juce::Button
    {
        static void paintOnto (juce::Button& button, juce::Graphics& g, bool over, bool down)
        {
            (button.*(&ButtonPainter::paintButton)) (g, over, down);
        }
    };
}

int paintedButtonFrame (juce::Button& button, bool isMouseOver, bool isButtonDown)
{
    juce::Image image (juce::Image::ARGB, button.getWidth(), button.getHeight(), true);
    {
        juce::Graphics g (image);
        ButtonPainter::paintOnto (button, g, isMouseOver, isButtonDown);
    }

    const auto colour = image.getPixelAt (button.getWidth() / 2, button.getHeight() / 2);

    if (colour.getAlpha() == 0)
        return -1;

    for (int frame = 0; frame < 8; ++frame)
        if (frameColour (frame) == colour)
            return frame;

    return -2;
}

void EditorDeleter::operator() (GraviloHushmoorAudioProcessorEditor* editor) const
{
    editor->getAudioProcessor()->editorBeingDeleted (editor);
    delete editor;
}

EditorPtr openEditor (GraviloHushmoorAudioProcessor& processor)
{
    auto* editor = dynamic_cast<GraviloHushmoorAudioProcessorEditor*> (processor.createEditor());
    return EditorPtr (editor);
}

//==============================================================================
DesktopMouse::DesktopMouse (juce::Component& topLevel)
    : component (topLevel), time (juce::Time::currentTimeMillis())
{
    component.setTopLeftPosition (0, 0);
    component.addToDesktop (0);
    component.setVisible (true);
    pumpMessages (50);
}

DesktopMouse::~DesktopMouse()
{
    component.removeFromDesktop();
}

void DesktopMouse::send (juce::Point<int> position, juce::ModifierKeys mods)
{
    auto* peer = component.getPeer();
    ASSERT_NE (peer, nullptr);
    time += 20;
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position.toFloat(), mods,
                            juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation, time);
}

void DesktopMouse::press (juce::Point<int> position)
{
    send (position, juce::ModifierKeys());
    send (position, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier));
}

void DesktopMouse::release (juce::Point<int> position)
{
    send (position, juce::ModifierKeys());
    pumpMessages (20);
}

void DesktopMouse::click (juce::Point<int> position)
{
    press (position);
    release (position);
    // Far enough apart that the next click is not taken as the second of a double-click.
    time += 1000;
}

void DesktopMouse::doubleClick (juce::Point<int> position)
{
    press (position);
    release (position);
    press (position);
    release (position);
    time += 1000;
}
}
