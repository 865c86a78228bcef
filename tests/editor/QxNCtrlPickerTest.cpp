#include "ImageProbe.h"
#include "QxNCtrlPickerButton.h"
#include "QxNCtrlPickerKnob.h"

#include <gtest/gtest.h>

namespace
{
enum class Widget { button, knob };

std::unique_ptr<juce::Button> make (Widget kind)
{
    if (kind == Widget::knob)
        return std::make_unique<QxNCtrlPickerKnob> ("ignored");
    return std::make_unique<QxNCtrlPickerButton> ("ignored");
}

juce::Image render (juce::Button& b)
{
    auto image = ImageProbe::blank (b.getWidth(), b.getHeight());
    juce::Graphics g (image);
    b.paintEntireComponent (g, true);
    return image;
}

bool isMark (juce::Colour c) { return c.getAlpha() > 150 && c.getBrightness() < 0.25f; }

struct StateCase
{
    const char* name;
    Widget kind;
    bool on;
    juce::Button::ButtonState state;
    juce::uint32 centre; // the tint at the centre of the widget, 0 for none
    bool cornerTinted;   // the rectangle is filled, not an ellipse
    bool marks;
};

void PrintTo (const StateCase& c, std::ostream* os) { *os << c.name; }

class PickerState : public ::testing::TestWithParam<StateCase> {};
} // namespace

TEST_P (PickerState, tintsAndMarksByState)
{
    const auto& c = GetParam();
    auto widget = make (c.kind);
    widget->setButtonText ("0x01-0x21"); // carried, never drawn
    widget->setToggleState (c.on, juce::dontSendNotification);
    widget->setState (c.state);

    const auto image = render (*widget);
    const auto centre = image.getPixelAt (30, 20);

    EXPECT_TRUE (ImageProbe::near (centre, juce::Colour (c.centre), 6)) << centre.toString();

    // Just inside the top-left corner: tinted by a rectangle, left clear by an ellipse.
    if (! c.marks)
    {
        EXPECT_EQ (image.getPixelAt (1, 1) == centre, c.cornerTinted || c.centre == 0);
    }

    // A point on the top-left and one on the bottom-right mark: square marks
    // run along the edges, curved ones cut across the corners.
    const bool square = c.kind == Widget::button;
    EXPECT_EQ (isMark (square ? image.getPixelAt (9, 0) : image.getPixelAt (6, 4)), c.marks);
    EXPECT_EQ (isMark (square ? image.getPixelAt (50, 39) : image.getPixelAt (53, 35)), c.marks);

    // Between the marks the widget is one flat tint: its text is never drawn.
    const juce::Rectangle<int> middle (20, 4, 20, 32);
    EXPECT_EQ (ImageProbe::count (image, middle, [&] (juce::Colour p) { return p != centre; }), 0);
}

INSTANTIATE_TEST_SUITE_P (Button, PickerState, ::testing::Values (
    StateCase { "offUntouched", Widget::button, false, juce::Button::buttonNormal, 0, false, false },
    StateCase { "offHovered", Widget::button, false, juce::Button::buttonOver, 0x20ffffff, true, true },
    StateCase { "offPressed", Widget::button, false, juce::Button::buttonDown, 0x40ffffff, true, false },
    StateCase { "onUntouched", Widget::button, true, juce::Button::buttonNormal, 0x60ff8080, true, false },
    StateCase { "onHovered", Widget::button, true, juce::Button::buttonOver, 0x40ff8080, true, true },
    StateCase { "onPressed", Widget::button, true, juce::Button::buttonDown, 0x40ff8080, true, false }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

INSTANTIATE_TEST_SUITE_P (Knob, PickerState, ::testing::Values (
    StateCase { "offUntouched", Widget::knob, false, juce::Button::buttonNormal, 0, false, false },
    StateCase { "offHovered", Widget::knob, false, juce::Button::buttonOver, 0x20ffffff, true, true },
    StateCase { "offPressed", Widget::knob, false, juce::Button::buttonDown, 0x40ffffff, true, false },
    StateCase { "onUntouched", Widget::knob, true, juce::Button::buttonNormal, 0x80ff8080, false, false },
    StateCase { "onHovered", Widget::knob, true, juce::Button::buttonOver, 0x40ff8080, false, true },
    StateCase { "onPressed", Widget::knob, true, juce::Button::buttonDown, 0x40ff8080, false, false }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

TEST (PickerWidgets, startSixtyByFortyWithNoNameAndDrawNothing)
{
    for (auto kind : { Widget::button, Widget::knob })
    {
        auto widget = make (kind);
        widget->setButtonText ("0x40");
        EXPECT_EQ (widget->getBounds(), juce::Rectangle<int> (0, 0, 60, 40));
        EXPECT_TRUE (widget->getName().isEmpty());

        const auto image = render (*widget);
        EXPECT_EQ (ImageProbe::count (image, image.getBounds(), [] (juce::Colour c) { return c.getAlpha() > 0; }), 0);
    }
}

// Marks span three tenths of each side from every corner and follow the bounds.
TEST (PickerWidgets, squareMarksFollowTheBounds)
{
    QxNCtrlPickerButton widget ("");

    for (auto [w, h] : { std::pair { 60, 40 }, std::pair { 120, 80 }, std::pair { 40, 100 } })
    {
        widget.setSize (w, h);
        widget.setState (juce::Button::buttonOver);
        const auto image = render (widget);
        const int mx = juce::roundToInt (0.3f * (float) w), my = juce::roundToInt (0.3f * (float) h);

        EXPECT_TRUE (isMark (image.getPixelAt (0, 0)));
        EXPECT_TRUE (isMark (image.getPixelAt (mx - 2, 0))) << w << "x" << h;
        EXPECT_FALSE (isMark (image.getPixelAt (mx + 2, 0))) << w << "x" << h;
        EXPECT_TRUE (isMark (image.getPixelAt (0, my - 2)));
        EXPECT_FALSE (isMark (image.getPixelAt (0, my + 2)));
        EXPECT_TRUE (isMark (image.getPixelAt (w - 1, h - my + 2)));
        EXPECT_FALSE (isMark (image.getPixelAt (w - 1, h - my - 2)));
        EXPECT_TRUE (isMark (image.getPixelAt (w - mx + 2, h - 1)));
        EXPECT_TRUE (isMark (image.getPixelAt (w - 1, 0)));
        EXPECT_TRUE (isMark (image.getPixelAt (0, h - 1)));
    }
}

TEST (PickerWidgets, knobMarksCurveAwayFromTheCorners)
{
    QxNCtrlPickerKnob widget ("");
    widget.setState (juce::Button::buttonOver);

    for (auto [w, h] : { std::pair { 60, 40 }, std::pair { 120, 80 } })
    {
        widget.setSize (w, h);
        const auto image = render (widget);

        for (auto corner : { juce::Point<int> (0, 0), { w - 1, 0 }, { 0, h - 1 }, { w - 1, h - 1 } })
            EXPECT_FALSE (isMark (image.getPixelAt (corner.x, corner.y))) << corner.toString();

        // The curves start and end on the edges at three tenths of each side.
        const int mx = juce::roundToInt (0.3f * (float) w), my = juce::roundToInt (0.3f * (float) h);
        EXPECT_TRUE (isMark (image.getPixelAt (mx - 2, 0)));
        EXPECT_TRUE (isMark (image.getPixelAt (0, my - 2)));
        EXPECT_TRUE (isMark (image.getPixelAt (w - mx + 2, h - 1)));
        EXPECT_FALSE (isMark (image.getPixelAt (w / 2, 0)));
    }
}
