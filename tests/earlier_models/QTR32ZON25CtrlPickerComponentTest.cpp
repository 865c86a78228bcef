#include "../editor/ImageProbe.h"
#include "../editor/PickerProbe.h"
#include "QTR32CtrlPickerComponent.h"
#include "QxNCtrlPickerButton.h"
#include "ZON25CtrlPickerComponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <type_traits>
#include <vector>

// The 32-key and 25-key pickers follow one rule with their own tables, so each
// test runs on both, with the expectations of each model below.
namespace
{
struct Row
{
    int row; // counted from 1 in the order of the picker's table
    const char* text;
    const char* tooltip;
    juce::Rectangle<int> bounds;
};

struct Step
{
    int row;
    const char* sent; // null: the click sends nothing
};

struct HitCase
{
    juce::Point<int> point;
    int row; // the widget that takes a click there
};
} // namespace

// The models stand outside the anonymous namespace, so that the tests are
// named after them plainly (SmallPicker.rowsLieOverTheirControls<QTR32>).
struct QTR32
{
    using Picker = QTR32CtrlPickerComponent;
    static constexpr int widgets = 29;
    static constexpr int shiftRow = 27;
    static const char* png() { return Picker::qtr32_picker_png; }
    static int pngSize() { return Picker::qtr32_picker_pngSize; }

    static std::vector<Row> rows()
    {
        return {
            { 1, "0x40", "Modulation Wheel Setting", { 49, 16, 20, 72 } },
            { 2, "0x30", "Level Setting", { 119, 21, 26, 24 } },
            { 12, "0x0A", "Delay Mix Knob Setting", { 508, 21, 26, 24 } },
            { 14, "0x0C", "Delay Envelope Slider Setting", { 572, 17, 24, 72 } },
            { 17, "0x10-0x20", "Preset - Button Setting", { 104, 68, 27, 14 } },
            { 25, "0x18-0x28", "Snapshot #7 Button Setting", { 404, 68, 27, 14 } },
            { 26, "0x19-0x29", "Snapshot #8 Button Setting", { 432, 68, 27, 14 } },
            { 27, "Shift", "Activate Shift Mode", { 187, 68, 26, 14 } },
            { 28, "0x51", "Expression Pedal Setting", { 365, 111, 19, 18 } },
            { 29, "0x50", "Sustain Pedal Setting", { 403, 111, 19, 18 } },
        };
    }

    static std::vector<HitCase> hits()
    {
        return { { { 571, 50 }, 13 }, { { 572, 50 }, 14 }, { { 595, 50 }, 15 }, { { 641, 50 }, 16 },
                 { { 403, 75 }, 24 }, { { 404, 75 }, 25 }, { { 35, 50 }, 0 } }; // the pitch wheel has no widget
    }

    static std::vector<Step> steps()
    {
        return { { shiftRow, nullptr }, { 17, "0x20" }, { shiftRow, "0x10" }, { 1, "0x40" },
                 { shiftRow, "0x40" },  { 25, "0x28" }, { 25, "0x28" },       { shiftRow, "0x18" },
                 { 14, "0x0C" },        { 28, "0x51" } };
    }

    static std::set<short> supported()
    {
        return { 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E,
                 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19,
                 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29,
                 0x30, 0x31, 0x32, 0x40, 0x50, 0x51 };
    }
};

struct ZON25
{
    using Picker = ZON25CtrlPickerComponent;
    static constexpr int widgets = 15;
    static constexpr int shiftRow = 13;
    static const char* png() { return Picker::zon25_picker_png; }
    static int pngSize() { return Picker::zon25_picker_pngSize; }

    static std::vector<Row> rows()
    {
        return {
            { 1, "0x40", "Joystick Up - Modulation Wheel Setting", { 64, 0, 24, 32 } },
            { 3, "0x01-0x0B", "Cutoff Knob Setting/Attack", { 274, 25, 26, 24 } },
            { 6, "0x0A-0x0E", "Delay Mix Knob Setting/Release", { 392, 24, 26, 24 } },
            { 8, "0x11-0x21", "Preset + Button Setting", { 170, 30, 27, 14 } },
            { 12, "0x15-0x25", "Snapshot #4 Button Setting", { 542, 31, 27, 14 } },
            { 13, "Shift", "Activate Shift Mode", { 581, 30, 26, 14 } },
            { 14, "0x50", "Sustain Pedal Setting", { 358, 102, 19, 18 } },
            { 15, "0x42", "Joystick Down - Extra Wheel Setting", { 64, 32, 24, 32 } },
        };
    }

    static std::vector<HitCase> hits()
    {
        return { { { 70, 31 }, 1 }, { { 70, 32 }, 15 }, { { 87, 63 }, 15 }, { { 70, 64 }, 0 } };
    }

    static std::vector<Step> steps()
    {
        return { { 3, "0x01" },  { shiftRow, "0x0B" }, { 4, "0x0C" },        { 5, "0x0D" },
                 { 6, "0x0E" },  { 1, "0x40" },        { 15, "0x42" },       { shiftRow, "0x42" },
                 { 6, "0x0A" },  { 7, "0x10" },        { shiftRow, "0x20" }, { 9, "0x22" } };
    }

    static std::set<short> supported()
    {
        return { 0x01, 0x02, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x12, 0x13, 0x14, 0x15,
                 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x30, 0x31, 0x32, 0x40, 0x42, 0x50 };
    }
};

namespace
{
using PickerProbe::MessageLog;
using PickerProbe::waitUntil;

template <typename Model>
class SmallPicker : public ::testing::Test
{
protected:
    typename Model::Picker picker;
    MessageLog log;

    void SetUp() override
    {
        picker.setVisible (true); // hit tests only find widgets of a visible component
        picker.addActionListener (&log);
    }
    void TearDown() override { picker.removeActionListener (&log); }

    juce::Button& row (int n) { return PickerProbe::widget (picker, n); }
    juce::Button& shift() { return row (Model::shiftRow); }

    /** Clicks through the message loop and waits until `expected` messages in all have arrived. */
    bool click (int n, int expected)
    {
        row (n).triggerClick();
        return waitUntil ([&] { return log.messages.size() >= expected; });
    }

    /** Clicks Shift and waits for the click itself to be handled. */
    bool clickShift()
    {
        const bool before = shift().getToggleState();
        shift().triggerClick();
        return waitUntil ([&] { return shift().getToggleState() != before; });
    }

    juce::Image picture() { return juce::ImageCache::getFromMemory (Model::png(), Model::pngSize()); }

    juce::Image render() { return PickerProbe::render (picker); }

    /** The ids that the control widgets broadcast, with Shift off or on. */
    std::set<short> broadcastIds()
    {
        std::set<short> ids;
        for (int n = 1; n <= Model::widgets; ++n)
            if (n != Model::shiftRow)
                for (auto& part : juce::StringArray::fromTokens (row (n).getButtonText(), "-", ""))
                    ids.insert ((short) part.substring (2).getHexValue32());
        return ids;
    }
};

using Models = ::testing::Types<QTR32, ZON25>;
TYPED_TEST_SUITE (SmallPicker, Models);
} // namespace

TYPED_TEST (SmallPicker, rowsLieOverTheirControls)
{
    for (const auto& r : TypeParam::rows())
    {
        auto& b = this->row (r.row);
        EXPECT_EQ (b.getButtonText(), r.text) << r.row;
        EXPECT_EQ (b.getTooltip(), r.tooltip) << r.row;
        EXPECT_EQ (b.getBounds(), r.bounds) << r.row;
    }
}

TYPED_TEST (SmallPicker, everyWidgetIsAPickerButtonAndAllButShiftShareOneRadioGroup)
{
    ASSERT_EQ (this->picker.getNumChildComponents(), TypeParam::widgets);
    EXPECT_EQ (this->picker.getBounds(), juce::Rectangle<int> (0, 0, 645, 134));

    juce::StringArray tooltips;

    for (int n = 1; n <= TypeParam::widgets; ++n)
    {
        auto& b = this->row (n);
        tooltips.addIfNotAlreadyThere (b.getTooltip());

        EXPECT_NE (dynamic_cast<QxNCtrlPickerButton*> (&b), nullptr) << n;
        EXPECT_EQ (b.getRadioGroupId(), n == TypeParam::shiftRow ? 0 : 1) << n;
        EXPECT_TRUE (b.isConnectedOnLeft() && b.isConnectedOnRight()) << n;
        EXPECT_FALSE (b.isConnectedOnTop() || b.isConnectedOnBottom()) << n;
        EXPECT_TRUE (b.getName().isEmpty()) << n;
        EXPECT_TRUE (b.isVisible()) << n;
        EXPECT_FALSE (b.getToggleState()) << n;
        EXPECT_TRUE (this->picker.getLocalBounds().contains (b.getBounds())) << n;
        EXPECT_EQ (b.findColour (juce::TextButton::buttonColourId), juce::Colour (0x40ffffff)) << n;
        EXPECT_EQ (b.findColour (juce::TextButton::buttonOnColourId), juce::Colour (0x40ffffff)) << n;
        EXPECT_EQ (b.findColour (juce::TextButton::textColourOnId), juce::Colours::red) << n;
    }

    EXPECT_EQ (tooltips.size(), TypeParam::widgets);
}

TYPED_TEST (SmallPicker, laterRowTakesTheClickWhereWidgetsMeet)
{
    for (const auto& h : TypeParam::hits())
    {
        auto* hit = this->picker.getComponentAt (h.point);
        const int expected = h.row == 0 ? -1 : h.row - 1;
        EXPECT_EQ (this->picker.getIndexOfChildComponent (hit), expected) << h.point.toString();
    }
}

TYPED_TEST (SmallPicker, layoutIgnoresThePickersOwnSize)
{
    std::vector<juce::Rectangle<int>> fixed;
    for (int n = 1; n <= TypeParam::widgets; ++n)
        fixed.push_back (this->row (n).getBounds());

    for (auto [w, h] : { std::pair { 900, 300 }, std::pair { 200, 60 } })
    {
        this->picker.setSize (w, h);
        for (int n = 1; n <= TypeParam::widgets; ++n)
            EXPECT_EQ (this->row (n).getBounds(), fixed[(size_t) n - 1]) << n << " at " << w << "x" << h;
    }
}

TYPED_TEST (SmallPicker, clicksBroadcastTheIdThatShiftChooses)
{
    int expected = 0;
    for (const auto& step : TypeParam::steps())
    {
        if (step.sent == nullptr)
        {
            ASSERT_TRUE (this->clickShift());
            continue;
        }

        ASSERT_TRUE (this->click (step.row, ++expected)) << "no message after row " << step.row;
        EXPECT_EQ (this->log.messages[expected - 1], step.sent) << "after row " << step.row;
    }

    // Messages arrive in order, so a click that sent nothing would have shown up here.
    EXPECT_EQ (this->log.messages.size(), expected);
}

TYPED_TEST (SmallPicker, oneControlStaysSelectedAndShiftKeepsItsOwnState)
{
    ASSERT_TRUE (this->clickShift());
    EXPECT_TRUE (this->shift().getToggleState());

    const int level = 2, last = TypeParam::widgets; // two control widgets
    ASSERT_TRUE (this->click (level, 1));
    ASSERT_TRUE (this->click (last, 2));
    ASSERT_TRUE (this->click (last, 3)); // the selected control again

    // The first message is the control's: Shift alone announced nothing.
    EXPECT_EQ (this->log.messages[0], "0x30");
    EXPECT_EQ (this->log.messages[2], this->log.messages[1]);

    for (int n = 1; n <= TypeParam::widgets; ++n)
    {
        if (n != TypeParam::shiftRow)
        {
            EXPECT_EQ (this->row (n).getToggleState(), n == last) << n;
        }
    }
    EXPECT_TRUE (this->shift().getToggleState());
}

TYPED_TEST (SmallPicker, supportsTheModelsIdsWhichDifferFromTheBroadcastOnes)
{
    IKbdCtrlPicker& asPicture = this->picker;
    const auto supported = asPicture.getSupportedControls();
    EXPECT_EQ (supported, TypeParam::supported());

    // The category controls have no widget; the preset buttons' ids without Shift are not the model's.
    const auto broadcast = this->broadcastIds();
    std::set<short> onlySupported, onlyBroadcast;
    std::set_difference (supported.begin(), supported.end(), broadcast.begin(), broadcast.end(),
                         std::inserter (onlySupported, onlySupported.end()));
    std::set_difference (broadcast.begin(), broadcast.end(), supported.begin(), supported.end(),
                         std::inserter (onlyBroadcast, onlyBroadcast.end()));
    EXPECT_EQ (onlySupported, (std::set<short> { 0x31, 0x32 }));
    EXPECT_EQ (onlyBroadcast, (std::set<short> { 0x10, 0x11 }));
}

TYPED_TEST (SmallPicker, pictureIsAnOpaqueRgbPngWithAControlUnderEveryWidget)
{
    const auto* bytes = reinterpret_cast<const unsigned char*> (TypeParam::png());
    ASSERT_GT (TypeParam::pngSize(), 33);

    // Signature, then IHDR: width, height, bit depth 8, colour type 2 (RGB), not interlaced.
    EXPECT_EQ (juce::String::fromUTF8 (TypeParam::png() + 1, 3), "PNG");
    EXPECT_EQ (juce::ByteOrder::bigEndianInt (bytes + 16), 645u);
    EXPECT_EQ (juce::ByteOrder::bigEndianInt (bytes + 20), 134u);
    EXPECT_EQ (bytes[24], 8);
    EXPECT_EQ (bytes[25], 2);
    EXPECT_EQ (bytes[28], 0);

    const auto image = this->picture();
    ASSERT_EQ (image.getBounds(), this->picker.getLocalBounds());

    // The two strips' plain surfaces are the picture's most frequent colours.
    std::map<juce::uint32, int> histogram;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            ++histogram[image.getPixelAt (x, y).getARGB()];

    std::vector<std::pair<int, juce::uint32>> byCount;
    for (auto [argb, n] : histogram)
        byCount.emplace_back (n, argb);
    std::sort (byCount.rbegin(), byCount.rend());

    std::set<juce::uint32> plain;
    for (size_t i = 0; i < 2; ++i)
        plain.insert (byCount[i].second);

    const auto isPlain = [&] (juce::Colour c) { return plain.count (c.getARGB()) > 0; };

    for (int n = 1; n <= TypeParam::widgets; ++n)
    {
        const auto area = this->row (n).getBounds();
        EXPECT_LT (ImageProbe::count (image, area, isPlain) * 2, area.getWidth() * area.getHeight())
            << this->row (n).getTooltip();
    }
}

TYPED_TEST (SmallPicker, paintsThePictureOverWhiteAtItsFixedPlace)
{
    const auto image = this->picture();
    this->picker.setSize (700, 160);
    const auto rendered = this->render();

    // Untouched widgets draw nothing: the picture shows unchanged, white around it.
    const auto differs = [&] (juce::Rectangle<int> area)
    {
        int n = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                n += rendered.getPixelAt (x, y) != image.getPixelAt (x, y) ? 1 : 0;
        return n;
    };
    EXPECT_EQ (differs (image.getBounds()), 0);

    const auto isWhite = [] (juce::Colour c) { return c == juce::Colours::white; };
    EXPECT_EQ (ImageProbe::count (rendered, { 645, 0, 55, 160 }, isWhite), 55 * 160);
    EXPECT_EQ (ImageProbe::count (rendered, { 0, 134, 645, 26 }, isWhite), 645 * 26);

    // The selected control is tinted red over the picture.
    ASSERT_TRUE (this->click (2, 1));
    const auto selected = this->render();
    const auto centre = this->row (2).getBounds().getCentre();
    EXPECT_GT (selected.getPixelAt (centre.x, centre.y).getRed(), rendered.getPixelAt (centre.x, centre.y).getRed() + 20);
}

TYPED_TEST (SmallPicker, rendersForReview)
{
    // Row 2 selected with Shift on, written next to the test binary.
    ASSERT_TRUE (this->click (2, 1));
    ASSERT_TRUE (this->click (TypeParam::shiftRow, 2));

    const auto name = juce::String (std::is_same_v<TypeParam, QTR32> ? "qtr32" : "zon25") + "_picker_rendered.png";
    const auto file = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getSiblingFile (name);
    file.deleteFile();
    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (this->render(), out));
    }

    EXPECT_EQ (juce::ImageFileFormat::loadFrom (file).getBounds(), this->picker.getLocalBounds());
}
