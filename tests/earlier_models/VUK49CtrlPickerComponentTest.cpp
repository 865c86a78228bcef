#include "../editor/ImageProbe.h"
#include "../editor/PickerProbe.h"
#include "QxNCtrlPickerButton.h"
#include "VUK49CtrlPickerComponent.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kButtons = 53;

using PickerProbe::MessageLog;

juce::Image embeddedPicture()
{
    return juce::ImageCache::getFromMemory (VUK49CtrlPickerComponent::vuk49_picker_png,
                                            VUK49CtrlPickerComponent::vuk49_picker_pngSize);
}

struct Vuk49PickerFixture : public ::testing::Test
{
    VUK49CtrlPickerComponent picker;
    MessageLog log;

    void SetUp() override { picker.addActionListener (&log); }
    void TearDown() override { picker.removeActionListener (&log); }

    /** Buttons count from 1 in the order of the picker's table. */
    juce::Button& button (int n) { return PickerProbe::widget (picker, n); }

    /** Clicks through the message loop and waits until `expected` messages in all have arrived. */
    bool click (int n, int expected)
    {
        button (n).triggerClick();
        return PickerProbe::waitUntil ([&] { return log.messages.size() >= expected; });
    }

    juce::Image render() { return PickerProbe::render (picker); }

    int selectedButton()
    {
        int selected = 0;
        for (int n = 1; n <= kButtons; ++n)
            if (button (n).getToggleState())
                selected = selected == 0 ? n : -1; // -1: more than one
        return selected;
    }
};

struct ButtonCase
{
    int row;
    const char* text;
    const char* tooltip;
    juce::Rectangle<int> bounds;
};

void PrintTo (const ButtonCase& c, std::ostream* os) { *os << "button " << c.row; }

class Vuk49PickerButton : public Vuk49PickerFixture, public ::testing::WithParamInterface<ButtonCase> {};
} // namespace

TEST_P (Vuk49PickerButton, liesOverItsControl)
{
    const auto& c = GetParam();
    auto& b = button (c.row);

    EXPECT_EQ (b.getButtonText(), c.text);
    EXPECT_EQ (b.getTooltip(), c.tooltip);
    EXPECT_EQ (b.getBounds(), c.bounds);
}

INSTANTIATE_TEST_SUITE_P (Rows, Vuk49PickerButton, ::testing::Values (
    ButtonCase { 1, "0x40", "Modulation Wheel Setting", { 63, 210, 20, 80 } },
    ButtonCase { 2, "0x30", "Level Setting", { 20, 25, 26, 24 } },
    ButtonCase { 12, "0x0A", "Delay Mix Knob Setting", { 758, 73, 26, 24 } },
    ButtonCase { 13, "0x0B", "Attack Envelope Slider Setting", { 813, 27, 16, 64 } },
    ButtonCase { 21, "0x16", "Snapshot #5 Button Setting", { 372, 27, 27, 14 } },
    ButtonCase { 25, "0x51", "Expression Pedal Setting", { 283, 228, 19, 18 } },
    ButtonCase { 31, "0x4F", "Tempo Slider", { 1037, 26, 16, 64 } },
    ButtonCase { 33, "0x52", "Breath Control Setting", { 408, 240, 11, 10 } },
    ButtonCase { 37, "0x73", "Pad #4 Setting", { 970, 205, 48, 48 } },
    ButtonCase { 40, "0x58", "Host Control #1 Button Setting", { 412, 28, 27, 14 } },
    ButtonCase { 47, "0x1C", "Lower Panel Button Setting", { 519, 79, 27, 14 } },
    ButtonCase { 49, "0x1F", "Scene Mode Button Setting", { 53, 78, 27, 14 } },
    ButtonCase { 53, "0x34", "Preset Select Setting", { 185, 88, 26, 12 } }),
    [] (const auto& testCase) { return "button" + std::to_string (testCase.param.row); });

TEST_F (Vuk49PickerFixture, buildsFiftyThreeIdleButtonsInOneRadioGroup)
{
    EXPECT_EQ (picker.getBounds(), juce::Rectangle<int> (0, 0, 1063, 317));
    ASSERT_EQ (picker.getNumChildComponents(), kButtons);

    juce::StringArray tooltips;

    for (int n = 1; n <= kButtons; ++n)
    {
        auto& b = button (n);
        tooltips.addIfNotAlreadyThere (b.getTooltip());

        EXPECT_NE (dynamic_cast<QxNCtrlPickerButton*> (&b), nullptr) << n;
        EXPECT_EQ (b.getRadioGroupId(), 1) << n;
        EXPECT_TRUE (b.isConnectedOnLeft() && b.isConnectedOnRight()) << n;
        EXPECT_FALSE (b.isConnectedOnTop() || b.isConnectedOnBottom()) << n;
        EXPECT_TRUE (b.getName().isEmpty()) << n;
        EXPECT_TRUE (b.isVisible()) << n;
        EXPECT_FALSE (b.getToggleState()) << n;
        EXPECT_TRUE (picker.getLocalBounds().contains (b.getBounds())) << n;
        EXPECT_EQ (b.findColour (juce::TextButton::buttonColourId), juce::Colour (0x40ffffff)) << n;
        EXPECT_EQ (b.findColour (juce::TextButton::buttonOnColourId), juce::Colour (0x40ffffff)) << n;
        EXPECT_EQ (b.findColour (juce::TextButton::textColourOnId), juce::Colours::red) << n;
    }

    EXPECT_EQ (tooltips.size(), kButtons);
}

TEST_F (Vuk49PickerFixture, buttonsCarryOneIdEachOfEveryControlButTheTwoExtraWheels)
{
    std::set<short> carried;

    for (int n = 1; n <= kButtons; ++n)
    {
        const auto text = button (n).getButtonText();
        EXPECT_TRUE (text.startsWith ("0x") && text.length() == 4) << text;
        EXPECT_TRUE (text.substring (2).containsOnly ("0123456789ABCDEF")) << text;
        carried.insert ((short) text.substring (2).getHexValue32());
    }

    // The keyboard's 55 assignable controls, less the pitch wheel 0x41 and the extra wheel 0x42.
    std::set<short> controls { 0x40, 0x30, 0x31, 0x32, 0x33, 0x34, 0x50, 0x51, 0x52, 0x53,
                               0x1C, 0x1D, 0x1E, 0x1F, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
                               0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x70, 0x71, 0x72, 0x73 };
    for (short id = 0x01; id <= 0x0E; ++id)
        controls.insert (id);
    for (short id = 0x12; id <= 0x1B; ++id)
        controls.insert (id);

    EXPECT_EQ (carried, controls);
}

TEST_F (Vuk49PickerFixture, layoutIgnoresThePickersOwnSize)
{
    std::vector<juce::Rectangle<int>> fixed;
    for (int n = 1; n <= kButtons; ++n)
        fixed.push_back (button (n).getBounds());

    for (auto [w, h] : { std::pair { 1500, 500 }, std::pair { 300, 200 } })
    {
        picker.setSize (w, h);
        for (int n = 1; n <= kButtons; ++n)
            EXPECT_EQ (button (n).getBounds(), fixed[(size_t) n - 1]) << n << " at " << w << "x" << h;
    }
}

TEST_F (Vuk49PickerFixture, clickSelectsItsButtonAndBroadcastsItsText)
{
    struct Step
    {
        int button;
        const char* sent;
    };

    // A repeated click sends again and keeps the button on; another button takes the selection.
    const Step steps[] = {
        { 31, "0x4F" }, { 12, "0x0A" }, { 12, "0x0A" }, { 1, "0x40" }, { 2, "0x30" }, { 53, "0x34" },
    };

    EXPECT_EQ (selectedButton(), 0);

    int expected = 0;
    for (const auto& step : steps)
    {
        ASSERT_TRUE (click (step.button, ++expected)) << "no message after button " << step.button;
        EXPECT_EQ (log.messages[expected - 1], step.sent) << "after button " << step.button;
        EXPECT_EQ (selectedButton(), step.button);
    }

    EXPECT_EQ (log.messages.size(), expected);
}

TEST_F (Vuk49PickerFixture, paintsPictureCaptionsAndBreathDot)
{
    const auto picture = embeddedPicture();
    ASSERT_EQ (picture.getBounds(), picker.getLocalBounds());
    const auto image = render();

    for (auto p : { juce::Point<int> (5, 5), { 600, 60 }, { 1050, 300 }, { 120, 250 } })
        EXPECT_EQ (image.getPixelAt (p.x, p.y), picture.getPixelAt (p.x, p.y)) << p.toString();

    // The dot fills the breath socket under its transparent button.
    EXPECT_EQ (image.getPixelAt (413, 245), juce::Colour (0xff1d1d1d));
    EXPECT_NE (picture.getPixelAt (413, 245), juce::Colour (0xff1d1d1d));

    const auto isBlack = [] (juce::Colour c) { return c.getBrightness() < 0.15f; };

    for (auto [box, caption] : { std::pair { juce::Rectangle<int> (151, 278, 454, 30), "Back Panel" },
                                 std::pair { juce::Rectangle<int> (729, 278, 305, 30), "Drum Pads" } })
    {
        EXPECT_EQ (ImageProbe::count (picture, box, isBlack), 0) << caption; // the component writes it
        const auto ink = ImageProbe::boundsOf (image, box, isBlack);
        ASSERT_FALSE (ink.isEmpty()) << caption;

        // Ink is a little narrower than the text's advance: the letters' side bearings.
        const float width = juce::Font (15.0f).getStringWidthFloat (caption);
        EXPECT_GT ((float) ink.getWidth(), 0.85f * width) << caption;
        EXPECT_LE ((float) ink.getWidth(), width + 1.0f) << caption;
        EXPECT_NEAR (ink.getCentreX(), box.getCentreX(), 2) << caption;
        EXPECT_NEAR (ink.getCentreY(), box.getCentreY(), 3) << caption;
    }
}

TEST_F (Vuk49PickerFixture, largerPickerShowsThePictureAtItsOwnSizeOnWhite)
{
    const auto picture = embeddedPicture();
    picker.setSize (1200, 400);
    const auto image = render();

    EXPECT_EQ (image.getPixelAt (1062, 316), picture.getPixelAt (1062, 316));
    EXPECT_EQ (image.getPixelAt (600, 60), picture.getPixelAt (600, 60));
    for (auto p : { juce::Point<int> (1063, 10), { 1199, 399 }, { 10, 317 } })
        EXPECT_EQ (image.getPixelAt (p.x, p.y), juce::Colours::white) << p.toString();
}

TEST_F (Vuk49PickerFixture, pictureShowsAControlUnderEveryButton)
{
    const auto picture = embeddedPicture();

    // The picture's background is light neutral grey; controls are dark or coloured.
    const auto isBackground = [] (juce::Colour c)
    {
        return c.getRed() > 0xc8 && std::abs (c.getRed() - c.getGreen()) < 12 && std::abs (c.getGreen() - c.getBlue()) < 12;
    };

    for (int n = 1; n <= kButtons; ++n)
    {
        const auto area = button (n).getBounds();
        const int background = ImageProbe::count (picture, area, isBackground);
        EXPECT_LT (background * 4, area.getWidth() * area.getHeight()) << button (n).getTooltip();
    }
}

TEST_F (Vuk49PickerFixture, selectionIsTintedOverThePicture)
{
    const auto before = render();
    ASSERT_TRUE (click (34, 1));
    const auto after = render();

    const auto centre = button (34).getBounds().getCentre();
    EXPECT_GT (after.getPixelAt (centre.x, centre.y).getRed(), before.getPixelAt (centre.x, centre.y).getRed() + 20);
    EXPECT_EQ (after.getPixelAt (10, 10), before.getPixelAt (10, 10));
}

TEST (VUK49CtrlPicker, supportsItsFixedListOfFortyFiveControls)
{
    VUK49CtrlPickerComponent picker;
    IKbdCtrlPicker& asPicture = picker;

    const std::set<short> expected {
        0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E,
        0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x20, 0x21,
        0x30, 0x31, 0x32, 0x33, 0x34, 0x40, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
        0x50, 0x51, 0x52, 0x53, 0x70, 0x71, 0x72, 0x73,
    };

    EXPECT_EQ (asPicture.getSupportedControls(), expected);
    EXPECT_EQ (expected.size(), 45u);
}

TEST (VUK49CtrlPicker, embedsAnEightBitRgbaPictureOfItsSize)
{
    const auto* bytes = reinterpret_cast<const unsigned char*> (VUK49CtrlPickerComponent::vuk49_picker_png);
    ASSERT_GT (VUK49CtrlPickerComponent::vuk49_picker_pngSize, 33);

    // PNG signature, then the IHDR chunk: bit depth 8, colour type 6 (RGBA).
    EXPECT_EQ (juce::String::fromUTF8 (VUK49CtrlPickerComponent::vuk49_picker_png + 1, 3), "PNG");
    EXPECT_EQ (bytes[24], 8);
    EXPECT_EQ (bytes[25], 6);

    const auto image = embeddedPicture();
    EXPECT_EQ (image.getWidth(), 1063);
    EXPECT_EQ (image.getHeight(), 317);
}

TEST_F (Vuk49PickerFixture, rendersForReview)
{
    // Pad #2 selected: the tint shows in the picture written next to the test binary.
    ASSERT_TRUE (click (35, 1));

    const auto file = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                          .getSiblingFile ("vuk49_picker_rendered.png");
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (render(), out));
    }

    const auto written = juce::ImageFileFormat::loadFrom (file);
    EXPECT_EQ (written.getWidth(), 1063);
    EXPECT_EQ (written.getHeight(), 317);
}
