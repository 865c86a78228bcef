#include "ALookAndFeel.h"
#include "ImageProbe.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour kOff (0xff2050c0);
const juce::Colour kOn (0xffc05020);
const juce::Colour kGrey50 (50, 50, 50);
const juce::Colour kGrey120 (120, 120, 120);

struct ButtonFixture : public ::testing::Test
{
    ALookAndFeel lf;
    juce::TextButton button { "b" };

    void SetUp() override
    {
        button.setColour (juce::TextButton::buttonColourId, kOff);
        button.setColour (juce::TextButton::buttonOnColourId, kOn);
    }

    juce::Image background (int w, int h, bool over, bool down)
    {
        button.setSize (w, h);
        auto image = ImageProbe::blank (w, h);
        juce::Graphics g (image);
        lf.drawButtonBackground (g, button, juce::Colours::hotpink, over, down);
        return image;
    }

    juce::Image text (int w, int h)
    {
        button.setSize (w, h);
        auto image = ImageProbe::blank (w, h);
        juce::Graphics g (image);
        lf.drawButtonText (g, button, false, false);
        return image;
    }
};

bool isInk (juce::Colour c) { return c.getAlpha() > 0; }
} // namespace

TEST (ALookAndFeel, setsOnlyTheThreeComboBoxColours)
{
    ALookAndFeel lf;
    juce::LookAndFeel_V2 classic;

    EXPECT_EQ (lf.findColour (juce::ComboBox::outlineColourId), juce::Colour (0xff959595));
    EXPECT_EQ (lf.findColour (juce::ComboBox::buttonColourId), juce::Colour (0xffd7d7d7));
    EXPECT_EQ (lf.findColour (juce::ComboBox::arrowColourId), juce::Colour (0xff595959));

    for (int id : std::initializer_list<int> { juce::TextButton::buttonColourId, juce::TextButton::buttonOnColourId,
                    juce::TooltipWindow::backgroundColourId, juce::TooltipWindow::outlineColourId,
                    juce::ComboBox::backgroundColourId })
        EXPECT_EQ (lf.findColour (id), classic.findColour (id)) << std::hex << id;
}

// Which corners are round, by connected edges: a pixel just inside each corner
// is painted only where that corner is square.
struct CornerCase
{
    const char* name;
    int edges;
    bool topLeft, topRight, bottomRight, bottomLeft; // true: square
};

void PrintTo (const CornerCase& c, std::ostream* os) { *os << c.name; }

class ButtonCorners : public ButtonFixture, public ::testing::WithParamInterface<CornerCase> {};

TEST_P (ButtonCorners, areSquareExactlyWhereTheButtonIsConnected)
{
    const auto& c = GetParam();
    button.setConnectedEdges (c.edges);
    const auto image = background (100, 24, false, false);

    EXPECT_EQ (isInk (image.getPixelAt (1, 1)), c.topLeft);
    EXPECT_EQ (isInk (image.getPixelAt (98, 1)), c.topRight);
    EXPECT_EQ (isInk (image.getPixelAt (98, 22)), c.bottomRight);
    EXPECT_EQ (isInk (image.getPixelAt (1, 22)), c.bottomLeft);
}

INSTANTIATE_TEST_SUITE_P (Edges, ButtonCorners, ::testing::Values (
    CornerCase { "none", 0, false, false, false, false },
    CornerCase { "leftAndRight", juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight, true, true, true, true },
    CornerCase { "top", juce::Button::ConnectedOnTop, true, true, false, false },
    CornerCase { "bottom", juce::Button::ConnectedOnBottom, false, false, true, true },
    CornerCase { "left", juce::Button::ConnectedOnLeft, true, false, false, true },
    CornerCase { "right", juce::Button::ConnectedOnRight, false, true, true, false }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

TEST_F (ButtonFixture, cornerRadiusIsThreeTenthsOfTheSmallerSide)
{
    for (auto [w, h] : { std::pair { 100, 24 }, std::pair { 60, 200 }, std::pair { 300, 50 } })
    {
        const auto image = background (w, h, false, false);
        const float r = 0.3f * (float) juce::jmin (w, h);

        // The top outline is straight from x = 0.5 + r on and curves away before it.
        EXPECT_TRUE (ImageProbe::near (image.getPixelAt ((int) (0.5f + r) + 1, 0), kGrey120, 2)) << w << "x" << h;
        EXPECT_FALSE (isInk (image.getPixelAt ((int) (0.5f + r * 0.3f), 0))) << w << "x" << h;
    }
}

TEST_F (ButtonFixture, insetIsHalfAPixelUnlessConnected)
{
    // Unconnected, the outline covers the outermost pixel column exactly.
    auto image = background (100, 24, false, false);
    EXPECT_TRUE (ImageProbe::near (image.getPixelAt (99, 12), kGrey120, 2));
    EXPECT_TRUE (ImageProbe::near (image.getPixelAt (50, 23), kGrey120, 2));

    // Connected on the right, it sits 0.1 px from the edge and shares the pixel with the face.
    button.setConnectedEdges (juce::Button::ConnectedOnRight);
    image = background (100, 24, false, false);
    EXPECT_FALSE (ImageProbe::near (image.getPixelAt (99, 12), kGrey120, 8));
    EXPECT_TRUE (ImageProbe::near (image.getPixelAt (50, 23), kGrey120, 2));
}

struct ColourCase
{
    const char* name;
    bool down, toggled;
    juce::Colour expected;
};

void PrintTo (const ColourCase& c, std::ostream* os) { *os << c.name; }

class ButtonBaseColour : public ButtonFixture, public ::testing::WithParamInterface<ColourCase> {};

TEST_P (ButtonBaseColour, fadesFromTheStateColourToDarkGrey)
{
    const auto& c = GetParam();
    button.setToggleState (c.toggled, juce::dontSendNotification);
    const auto image = background (80, 104, false, c.down);

    EXPECT_TRUE (ImageProbe::near (image.getPixelAt (40, 1), c.expected, 4)) << image.getPixelAt (40, 1).toString();
    EXPECT_TRUE (ImageProbe::near (image.getPixelAt (40, 50), c.expected.interpolatedWith (kGrey50, 0.5f), 4));
    EXPECT_EQ (image.getPixelAt (40, 101), kGrey50);
}

INSTANTIATE_TEST_SUITE_P (States, ButtonBaseColour, ::testing::Values (
    ColourCase { "resting", false, false, kOff },
    ColourCase { "pressed", true, false, kOn },
    ColourCase { "toggledOn", false, true, kOn },
    ColourCase { "pressedAndOn", true, true, kOn }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

struct HoverCase
{
    const char* name;
    juce::uint32 base;
    int alpha;
    bool lighter;
};

void PrintTo (const HoverCase& c, std::ostream* os) { *os << c.name; }

class ButtonHover : public ButtonFixture, public ::testing::WithParamInterface<HoverCase> {};

TEST_P (ButtonHover, shiftsBrightnessAndSetsAlpha)
{
    const auto& c = GetParam();
    const auto base = juce::Colour (c.base);
    button.setColour (juce::TextButton::buttonColourId, base);
    const auto top = background (80, 204, true, false).getPixelAt (40, 1);

    EXPECT_NEAR (top.getAlpha(), c.alpha, 3);
    if (c.lighter)
        EXPECT_GT (top.getBrightness(), base.getBrightness());
    else
        EXPECT_LT (top.getBrightness(), base.getBrightness());
}

INSTANTIATE_TEST_SUITE_P (Colours, ButtonHover, ::testing::Values (
    HoverCase { "lightOpaque", 0xffe0e0e0, 204, false },
    HoverCase { "darkOpaque", 0xff303848, 204, true },
    HoverCase { "lightBarelyTransparent", 0xfee0e0e0, 51, false },
    HoverCase { "darkTransparent", 0x20303848, 51, true }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

TEST_F (ButtonFixture, textIsBoldInTheStateColourAndStaysWithinTheIndents)
{
    button.setButtonText ("Load");
    button.setColour (juce::TextButton::textColourOffId, juce::Colour (0xff00ff00));
    button.setColour (juce::TextButton::textColourOnId, juce::Colour (0xffff0000));
    button.setEnabled (false); // disabled text is not dimmed

    for (bool on : { false, true })
    {
        button.setToggleState (on, juce::dontSendNotification);
        const auto image = text (100, 24);
        const auto expected = on ? juce::Colour (0xffff0000) : juce::Colour (0xff00ff00);

        EXPECT_GT (ImageProbe::count (image, image.getBounds(), [&] (juce::Colour c) { return c == expected; }), 10);

        // Height 24: font 14.4, side indent 4, vertical indent 4.
        const auto ink = ImageProbe::boundsOf (image, image.getBounds(), isInk);
        EXPECT_TRUE (juce::Rectangle<int> (4, 4, 92, 16).contains (ink)) << ink.toString();
    }

    // Bold: more ink than the same text in the plain font.
    auto plain = ImageProbe::blank (100, 24);
    {
        juce::Graphics g (plain);
        g.setColour (juce::Colours::white);
        g.setFont (juce::Font (14.4f));
        g.drawFittedText ("Load", 4, 4, 92, 16, juce::Justification::centred, 2, 0.7f);
    }
    const auto boldInk = ImageProbe::count (text (100, 24), { 100, 24 }, isInk);
    EXPECT_GT (boldInk, ImageProbe::count (plain, { 100, 24 }, isInk) * 11 / 10);
}

TEST_F (ButtonFixture, longTextIsFittedIntoAtMostTwoLines)
{
    button.setButtonText ("Send the whole state to the unit now"); // no descenders: the lines stay apart
    button.setColour (juce::TextButton::textColourOffId, juce::Colours::white);

    const auto image = text (140, 60);
    const auto ink = ImageProbe::boundsOf (image, image.getBounds(), isInk);

    EXPECT_EQ (ImageProbe::bandsOf (image, image.getBounds(), isInk), 2);
    EXPECT_TRUE (juce::Rectangle<int> (4, 4, 132, 52).contains (ink)) << ink.toString();
}

TEST (ALookAndFeelTooltip, boxIsTheTextPlusFourteenByTen)
{
    ALookAndFeel lf;
    const juce::Rectangle<int> screen (0, 0, 3000, 3000);
    const juce::Font font (12.0f);

    const auto shortTip = lf.getTooltipBounds ("Level Setting", { 100, 100 }, screen);
    EXPECT_NEAR (shortTip.getWidth(), font.getStringWidthFloat ("Level Setting") + 14.0f, 1.5f);
    EXPECT_NEAR (shortTip.getHeight(), font.getHeight() + 10.0f, 1.5f);
    EXPECT_EQ (shortTip.getPosition(), juce::Point<int> (124, 106)); // beside the pointer

    juce::String longText;
    for (int i = 0; i < 12; ++i)
        longText << "Midi control number ";

    const auto longTip = lf.getTooltipBounds (longText, { 100, 100 }, screen);
    EXPECT_LE (longTip.getWidth(), 414);
    EXPECT_GT (longTip.getWidth(), 300);
    EXPECT_GE (longTip.getHeight(), (int) (3.0f * font.getHeight()) + 10); // wrapped into several lines
}

TEST (ALookAndFeelTooltip, drawsOutlinedBoxWithCentredLeftAlignedText)
{
    ALookAndFeel lf;
    const juce::Colour background (0xfff0f0d0), outline (0xff0000ff), ink (0xffff0000);
    lf.setColour (juce::TooltipWindow::backgroundColourId, background);
    lf.setColour (juce::TooltipWindow::outlineColourId, outline);
    lf.setColour (juce::TooltipWindow::textColourId, ink);

    const juce::String tip ("A fairly wide first line\nx");
    const auto size = lf.getTooltipBounds (tip, {}, { 0, 0, 3000, 3000 });
    const int w = size.getWidth() + 40, h = size.getHeight() + 20; // room to see the centring

    auto image = ImageProbe::blank (w, h);
    {
        juce::Graphics g (image);
        lf.drawTooltip (g, tip, w, h);
    }

    for (auto p : { juce::Point<int> (0, 0), { w - 1, h / 2 }, { w / 2, h - 1 }, { 0, h / 2 } })
        EXPECT_EQ (image.getPixelAt (p.x, p.y), outline) << p.toString();
    EXPECT_EQ (image.getPixelAt (2, 2), background);

    const auto isText = [] (juce::Colour c) { return c.getRed() > 200 && c.getGreen() < 150; };
    const auto text = ImageProbe::boundsOf (image, image.getBounds().reduced (1), isText);
    ASSERT_FALSE (text.isEmpty());
    EXPECT_NEAR (text.getX(), w - text.getRight(), 3);
    EXPECT_NEAR (text.getY(), h - text.getBottom(), 4);

    // The short second line starts at the block's left edge, not in its middle.
    const auto secondLine = ImageProbe::boundsOf (image, image.getBounds().withTrimmedTop (h / 2), isText);
    EXPECT_LE (secondLine.getX() - text.getX(), 2);
}
