// Loads the built VST3 bundle the way a host does and opens its editor on screen: needs a
// display (run under xvfb-run -a).
#include "tests/gui/GuiTestSupport.h"

#include <juce_audio_processors/juce_audio_processors.h>

using namespace hushmoor::test;

#if defined (__has_feature)
 #if __has_feature (address_sanitizer)
// AddressSanitizer holds freed memory back for a while to catch late uses. With its
// default of 256 MB the fifty editors' images are all still held when the resident size
// is measured; a small hold keeps that measurement about leaks (which it also reports).
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=8"; }
 #endif
#endif

namespace
{
    juce::File bundle()
    {
        // <bundle>.vst3/Contents/x86_64-linux/<name>.so
        return juce::File (HUSHMOOR_VST3_BINARY).getParentDirectory().getParentDirectory().getParentDirectory();
    }

    std::int64_t residentBytes()
    {
        const auto statm = juce::File ("/proc/self/statm").loadFileAsString();
        const auto pages = juce::StringArray::fromTokens (statm, false)[1].getLargeIntValue();
        return pages * 4096;
    }

    struct HostedPlugin : ::testing::Test
    {
        void SetUp() override
        {
            ASSERT_TRUE (haveDisplay()) << "no X display: run the tests under xvfb-run -a";
            ASSERT_TRUE (bundle().isDirectory()) << bundle().getFullPathName();

            juce::OwnedArray<juce::PluginDescription> types;
            format.findAllTypesForFile (types, bundle().getFullPathName());
            ASSERT_EQ (types.size(), 1);
            EXPECT_EQ (types[0]->name, "Gravilo Hushmoor");
            EXPECT_EQ (types[0]->manufacturerName, "Brivel");

            juce::String error;
            instance = format.createInstanceFromDescription (*types[0], 48000.0, 512, error);
            ASSERT_NE (instance, nullptr) << error;
        }

        void TearDown() override
        {
            instance.reset();
            pumpMessages (50);
        }

        // Opens the editor in a window of its own, as a host does, and closes it again.
        juce::Rectangle<int> openAndClose()
        {
            std::unique_ptr<juce::AudioProcessorEditor> editor (instance->createEditorIfNeeded());
            if (editor == nullptr)
            {
                ADD_FAILURE() << "the plug-in made no editor";
                return {};
            }

            editor->setTopLeftPosition (10, 10);
            editor->addToDesktop (juce::ComponentPeer::windowHasTitleBar);
            editor->setVisible (true);
            pumpMessages (40);
            const auto bounds = editor->getLocalBounds();

            editor->setVisible (false);
            editor->removeFromDesktop();
            instance->editorBeingDeleted (editor.get());
            editor.reset();
            pumpMessages (10);
            return bounds;
        }

        juce::VST3PluginFormat format;
        std::unique_ptr<juce::AudioPluginInstance> instance;
    };
}

TEST_F (HostedPlugin, OpensItsEditorAtTheFixedSize)
{
    EXPECT_TRUE (instance->hasEditor());
    EXPECT_EQ (openAndClose(), juce::Rectangle<int> (325, 366));
    EXPECT_EQ (instance->getActiveEditor(), nullptr);
}

TEST_F (HostedPlugin, OpensAndClosesItsEditorFiftyTimesWithoutLeaking)
{
    const auto desktopWindowsBefore = juce::Desktop::getInstance().getNumComponents();

    // A few rounds first, so that caches and the plug-in's own one-off set-up settle.
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ (openAndClose(), juce::Rectangle<int> (325, 366));

    const auto memoryBefore = residentBytes();

    for (int i = 0; i < 50; ++i)
        ASSERT_EQ (openAndClose(), juce::Rectangle<int> (325, 366)) << "round " << i;

    const auto growth = residentBytes() - memoryBefore;
    EXPECT_EQ (juce::Desktop::getInstance().getNumComponents(), desktopWindowsBefore);

    // Each editor decodes about 7 MB of images: fifty leaked editors would be hundreds.
    EXPECT_LT (growth, 48 * 1024 * 1024) << "resident memory grew by " << growth << " bytes";
    EXPECT_EQ (instance->getActiveEditor(), nullptr);

    // The plug-in still works after all that.
    juce::AudioBuffer<float> buffer (2, 512);
    juce::MidiBuffer midi;
    instance->prepareToPlay (48000.0, 512);
    buffer.clear();
    instance->processBlock (buffer, midi);
    instance->releaseResources();
}
