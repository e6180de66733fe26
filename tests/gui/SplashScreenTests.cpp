#include "tests/gui/GuiTestSupport.h"

#include "gui/BrivelSplashScreen.h"

using namespace hushmoor::test;

namespace
{
    struct ResultRecorder : juce::ModalComponentManager::Callback
    {
        explicit ResultRecorder (int& r) : result (r) {}
        void modalStateFinished (int returnValue) override { result = returnValue; }
        int& result;
    };
}

TEST (AboutPanel, StartsHiddenAndNotModalAtThePictureSize)
{
    BrivelSplashScreen panel ("aboutContainer_");
    EXPECT_EQ (panel.getName(), "aboutContainer_");
    EXPECT_FALSE (panel.isVisible());
    EXPECT_FALSE (panel.isCurrentlyModal());
    EXPECT_EQ (panel.getWidth(), 325);
    EXPECT_EQ (panel.getHeight(), 365);
}

TEST (AboutPanel, CarriesAnEmptyVersionLabelAtItsPlace)
{
    BrivelSplashScreen panel ("p");
    auto& label = panel.getVersionLabel();

    EXPECT_EQ (label.getName(), "versionLabel_");
    EXPECT_EQ (label.getParentComponent(), &panel);
    EXPECT_TRUE (label.isVisible());
    EXPECT_TRUE (label.getText().isEmpty());
    EXPECT_EQ (label.getBounds(), juce::Rectangle<int> (150, 66, 100, 16));
    EXPECT_EQ (label.getJustificationType().getFlags(), 17);
    EXPECT_EQ (label.findColour (juce::Label::textColourId), juce::Colour (0xffd3d3d3));
}

TEST (AboutPanel, ShowMakesItModalAndAPressHidesItWithResultOne)
{
    juce::Component parent;
    parent.setSize (325, 366);
    BrivelSplashScreen panel ("p");
    parent.addChildComponent (panel);

    panel.setVersion ("1.0.0 (64bit)");
    panel.show();
    EXPECT_TRUE (panel.isVisible());
    EXPECT_TRUE (panel.isCurrentlyModal());

    auto result = 0;
    juce::ModalComponentManager::getInstance()->attachCallback (&panel, new ResultRecorder (result));

    const juce::MouseEvent press (juce::Desktop::getInstance().getMainMouseSource(), { 10.0f, 300.0f },
                                  juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                                  juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                  juce::MouseInputSource::defaultRotation, 0.0f, 0.0f, &panel, &panel,
                                  juce::Time::getCurrentTime(), { 10.0f, 300.0f }, juce::Time::getCurrentTime(), 1, false);
    panel.mouseDown (press);
    pumpMessages (30);

    EXPECT_FALSE (panel.isVisible());
    EXPECT_FALSE (panel.isCurrentlyModal());
    EXPECT_EQ (result, 1);
    EXPECT_EQ (panel.getVersionLabel().getText(), "1.0.0 (64bit)") << "the text stays until set again";

    // It can be shown again after hiding.
    panel.show();
    EXPECT_TRUE (panel.isCurrentlyModal());
    panel.hide();
    EXPECT_FALSE (panel.isCurrentlyModal());
}

TEST (AboutPanel, PaintsItsPictureUnderTheVersionText)
{
    BrivelSplashScreen panel ("p");
    panel.setVersion ("1.0.0 (64bit)");

    juce::Image image (juce::Image::ARGB, 325, 365, true);
    {
        juce::Graphics g (image);
        panel.paintEntireComponent (g, true);
    }

    // The veil covers the whole panel; the label's light text sits inside its box.
    EXPECT_GT (image.getPixelAt (5, 360).getAlpha(), 100);

    auto brightest = 0.0f;
    for (int y = 66; y < 82; ++y)
        for (int x = 150; x < 250; ++x)
            brightest = juce::jmax (brightest, image.getPixelAt (x, y).getBrightness());

    EXPECT_GT (brightest, 0.6f);
}
