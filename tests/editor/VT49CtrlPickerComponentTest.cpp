#include "ImageProbe.h"
#include "OrluneDescriptors.h"
#include "PickerProbe.h"
#include "QxNCtrlPickerButton.h"
#include "QxNCtrlPickerKnob.h"
#include "VT49CtrlPickerComponent.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kControls = 65;
constexpr int kShiftRow = 66;

using PickerProbe::MessageLog;

struct PickerFixture : public ::testing::Test
{
    VT49CtrlPickerComponent picker;
    MessageLog log;

    void SetUp() override { picker.addActionListener (&log); }
    void TearDown() override { picker.removeActionListener (&log); }

    /** Widget rows count from 1 in the order of the picker's table; row 66 is Shift. */
    juce::Button& row (int n) { return PickerProbe::widget (picker, n); }
    juce::Button& shift() { return row (kShiftRow); }

    /** Clicks through the message loop and waits until `expected` messages in all have arrived. */
    bool click (int n, int expected)
    {
        row (n).triggerClick();
        return PickerProbe::waitUntil ([&] { return log.messages.size() >= expected; });
    }

    /** Clicks Shift and waits for the click itself to be handled. */
    void clickShift()
    {
        const bool before = shift().getToggleState();
        shift().triggerClick();
        PickerProbe::waitUntil ([&] { return shift().getToggleState() != before; });
    }

    juce::Image render() { return PickerProbe::render (picker); }

    std::set<short> carriedIds()
    {
        std::set<short> ids;
        for (int n = 1; n <= kControls; ++n)
            for (auto& part : juce::StringArray::fromTokens (row (n).getButtonText(), "-", ""))
                ids.insert ((short) part.substring (2).getHexValue32());
        return ids;
    }
};

struct WidgetCase
{
    int row;
    bool knob;
    const char* text;
    const char* tooltip;
    juce::Rectangle<int> bounds;
};

void PrintTo (const WidgetCase& c, std::ostream* os) { *os << "row " << c.row; }

class PickerWidget : public PickerFixture, public ::testing::WithParamInterface<WidgetCase> {};
} // namespace

TEST_P (PickerWidget, liesOverItsControl)
{
    const auto& c = GetParam();
    auto& b = row (c.row);

    EXPECT_EQ (dynamic_cast<QxNCtrlPickerKnob*> (&b) != nullptr, c.knob);
    EXPECT_EQ (dynamic_cast<QxNCtrlPickerButton*> (&b) != nullptr, ! c.knob);
    EXPECT_EQ (b.getButtonText(), c.text);
    EXPECT_EQ (b.getTooltip(), c.tooltip);
    EXPECT_EQ (b.getBounds(), c.bounds);
}

INSTANTIATE_TEST_SUITE_P (Rows, PickerWidget, ::testing::Values (
    WidgetCase { 1, false, "0x40", "Modulation Wheel Setting", { 97, 324, 20, 68 } },
    WidgetCase { 2, true, "0x30", "Level Setting", { 83, 67, 26, 24 } },
    WidgetCase { 3, true, "0x01-0x21", "Cutoff Knob Setting", { 344, 67, 24, 24 } },
    WidgetCase { 12, true, "0x0A-0x2A", "Delay Mix Knob Setting", { 534, 114, 24, 24 } },
    WidgetCase { 13, false, "0x0B-0x2B", "Attack Envelope Slider Setting", { 596, 63, 28, 81 } },
    WidgetCase { 25, true, "0x51", "Expression Pedal Setting", { 340, 365, 19, 18 } },
    WidgetCase { 31, false, "0x4F-0x6F", "Tempo Slider", { 922, 64, 28, 80 } },
    WidgetCase { 33, true, "0x52", "Breath Control Setting", { 470, 376, 11, 10 } },
    WidgetCase { 40, false, "0x58", "Play/|| Button Setting", { 862, 178, 19, 14 } },
    WidgetCase { 47, false, "0x1C", "Bank 2 Button Setting", { 303, 119, 16, 14 } },
    WidgetCase { 53, false, "0x34", "Preset Select Setting", { 83, 185, 26, 12 } },
    WidgetCase { 61, false, "0x7B", "Pad #12 Setting", { 863, 323, 36, 29 } },
    WidgetCase { 65, false, "0x7F", "Pad #16 Setting", { 863, 279, 36, 29 } },
    WidgetCase { 66, false, "Shift", "Select Bank 2 editing", { 294, 150, 32, 8 } }),
    [] (const auto& testCase) { return "row" + std::to_string (testCase.param.row); });

TEST_F (PickerFixture, controlWidgetsShareOneRadioGroupWithoutShift)
{
    ASSERT_EQ (picker.getNumChildComponents(), kShiftRow);
    EXPECT_EQ (picker.getBounds(), juce::Rectangle<int> (0, 0, 1024, 485));

    int knobs = 0;
    juce::StringArray tooltips;

    for (int n = 1; n <= kShiftRow; ++n)
    {
        auto& b = row (n);
        knobs += dynamic_cast<QxNCtrlPickerKnob*> (&b) != nullptr ? 1 : 0;
        tooltips.addIfNotAlreadyThere (b.getTooltip());

        EXPECT_EQ (b.getRadioGroupId(), n == kShiftRow ? 0 : 1) << n;
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

    EXPECT_EQ (knobs, 15);
    EXPECT_EQ (tooltips.size(), kShiftRow);
}

TEST_F (PickerFixture, layoutIgnoresThePickersOwnSize)
{
    std::vector<juce::Rectangle<int>> fixed;
    for (int n = 1; n <= kShiftRow; ++n)
        fixed.push_back (row (n).getBounds());

    for (auto [w, h] : { std::pair { 1500, 800 }, std::pair { 300, 200 } })
    {
        picker.setSize (w, h);
        for (int n = 1; n <= kShiftRow; ++n)
            EXPECT_EQ (row (n).getBounds(), fixed[(size_t) n - 1]) << n << " at " << w << "x" << h;
    }
}

TEST_F (PickerFixture, idTextsNameEveryDescribedControlButTheTwoExtraWheels)
{
    for (int n = 1; n <= kControls; ++n)
    {
        const auto text = row (n).getButtonText();
        const auto parts = juce::StringArray::fromTokens (text, "-", "");
        ASSERT_TRUE (parts.size() == 1 || parts.size() == 2) << text;

        for (auto& part : parts)
        {
            EXPECT_TRUE (part.startsWith ("0x") && part.length() == 4) << text;
            EXPECT_TRUE (part.substring (2).containsOnly ("0123456789ABCDEF")) << text;
        }

        // The bank-2 id of a control is its bank-1 id plus 0x20.
        if (parts.size() == 2)
        {
            EXPECT_EQ (parts[1].substring (2).getHexValue32(), parts[0].substring (2).getHexValue32() + 0x20) << text;
        }
    }

    auto ids = carriedIds();
    ids.insert ({ 0x41, 0x42 }); // pitch and extra wheel: described, not pictured

    std::set<short> described;
    for (const auto& entry : getOrluneDescriptors())
        described.insert (entry.first);

    EXPECT_EQ (ids, described);
}

TEST_F (PickerFixture, pictureShowsAControlUnderEveryWidget)
{
    const auto picture = juce::ImageCache::getFromMemory (VT49CtrlPickerComponent::orlune49_picker_png,
                                                          VT49CtrlPickerComponent::orlune49_picker_pngSize);
    ASSERT_EQ (picture.getBounds(), picker.getLocalBounds());

    // The picture's background is light neutral grey; controls are dark or coloured.
    const auto isBackground = [] (juce::Colour c)
    {
        return c.getRed() > 0xc8 && std::abs (c.getRed() - c.getGreen()) < 12 && std::abs (c.getGreen() - c.getBlue()) < 12;
    };

    for (int n = 1; n <= kShiftRow; ++n)
    {
        const auto area = row (n).getBounds();
        const int background = ImageProbe::count (picture, area, isBackground);
        EXPECT_LT (background * 4, area.getWidth() * area.getHeight()) << row (n).getTooltip();
    }
}

TEST_F (PickerFixture, paintsPictureCaptionsAndShiftFrame)
{
    const auto picture = juce::ImageCache::getFromMemory (VT49CtrlPickerComponent::orlune49_picker_png,
                                                          VT49CtrlPickerComponent::orlune49_picker_pngSize);
    const auto image = render();
    const juce::Colour frame (0xffff1100);

    EXPECT_EQ (image.getPixelAt (10, 300), picture.getPixelAt (10, 300));
    EXPECT_EQ (image.getPixelAt (600, 300), picture.getPixelAt (600, 300));

    for (auto p : { juce::Point<int> (294, 150), { 325, 150 }, { 294, 157 }, { 325, 157 }, { 310, 150 }, { 310, 157 } })
        EXPECT_EQ (image.getPixelAt (p.x, p.y), frame) << p.toString();
    EXPECT_NE (image.getPixelAt (310, 154), frame);

    const auto isBlack = [] (juce::Colour c) { return c.getBrightness() < 0.15f; };

    for (auto [box, caption] : { std::pair { juce::Rectangle<int> (231, 423, 417, 28), "Back Panel" },
                                 std::pair { juce::Rectangle<int> (704, 448, 200, 32), "Drum Pads" } })
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

TEST_F (PickerFixture, shiftChoosesTheBankOfTwoIdControls)
{
    struct Step
    {
        int row;
        const char* sent;
    };

    const Step steps[] = {
        { 3, "0x01" }, { kShiftRow, "0x21" }, { 4, "0x22" }, { kShiftRow, "0x02" },
        { kShiftRow, "0x22" }, { 1, "0x40" }, { kShiftRow, "0x40" }, { 34, "0x70" },
    };

    int expected = 0;
    for (const auto& step : steps)
    {
        ASSERT_TRUE (click (step.row, ++expected)) << "no message after row " << step.row;
        EXPECT_EQ (log.messages[expected - 1], step.sent) << "after row " << step.row;
    }

    EXPECT_EQ (log.messages.size(), expected);
}

TEST_F (PickerFixture, exactlyOneControlStaysSelectedAndShiftKeepsItsOwnState)
{
    clickShift();
    ASSERT_TRUE (shift().getToggleState());
    EXPECT_TRUE (log.messages.isEmpty());

    // The first message is the control's: Shift alone announced nothing.
    ASSERT_TRUE (click (2, 1));
    ASSERT_TRUE (click (60, 2));
    EXPECT_EQ (log.messages, juce::StringArray ({ "0x30", "0x7A" }));

    for (int n = 1; n <= kControls; ++n)
        EXPECT_EQ (row (n).getToggleState(), n == 60) << n;
    EXPECT_TRUE (shift().getToggleState());

    // Clicking the selected control again announces it again.
    ASSERT_TRUE (click (60, 3));
    EXPECT_EQ (log.messages[2], "0x7A");
    EXPECT_TRUE (row (60).getToggleState());
}

TEST_F (PickerFixture, selectionIsTintedOverThePicture)
{
    const auto before = render();
    ASSERT_TRUE (click (2, 1));
    const auto after = render();

    const auto centre = row (2).getBounds().getCentre();
    const auto tinted = after.getPixelAt (centre.x, centre.y);
    EXPECT_GT (tinted.getRed(), before.getPixelAt (centre.x, centre.y).getRed() + 20);
    EXPECT_EQ (after.getPixelAt (10, 10), before.getPixelAt (10, 10));
}

TEST (VT49CtrlPicker, supportsItsFixedListOfFortyFiveControls)
{
    VT49CtrlPickerComponent picker;
    IKbdCtrlPicker& asPicture = picker;

    const std::set<short> expected {
        0x40, 0x30, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
        0x0B, 0x0C, 0x0D, 0x0E, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x31, 0x32, 0x33, 0x34, 0x20, 0x21,
        0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
        0x70, 0x71, 0x72, 0x73, 0x50, 0x51, 0x53, 0x52,
    };

    EXPECT_EQ (asPicture.getSupportedControls(), expected);
    EXPECT_EQ (expected.size(), 45u);
}

TEST_F (PickerFixture, rendersForReview)
{
    // Row 3 selected with Shift on: the tint and the frame show in the picture
    // written next to the test binary.
    ASSERT_TRUE (click (3, 1));
    ASSERT_TRUE (click (kShiftRow, 2));

    const auto file = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                          .getSiblingFile ("orlune49_picker_rendered.png");
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (render(), out));
    }

    const auto written = juce::ImageFileFormat::loadFrom (file);
    EXPECT_EQ (written.getWidth(), 1024);
    EXPECT_EQ (written.getHeight(), 485);
}
