#include "SmallKeyboardArt.h"

namespace SmallKeyboardArt
{
namespace
{
juce::Colour labelColour() { return juce::Colour (0xffdfe2e6); }

juce::Font labelFont (float height)
{
    return juce::Font (juce::Font::getDefaultSansSerifFontName(), height, juce::Font::bold);
}

void fillStrip (juce::Graphics& g, Box box, juce::Colour colour)
{
    g.setColour (juce::Colours::black.withAlpha (0.3f));
    g.fillRoundedRectangle (box.translated (1.5f, 2.0f), 6.0f);
    g.setColour (colour);
    g.fillRoundedRectangle (box, 6.0f);
    g.setColour (colour.brighter (0.5f));
    g.drawRoundedRectangle (box.reduced (0.5f), 6.0f, 1.0f);
}
} // namespace

juce::Colour controlPanelColour() { return juce::Colour (0xff2d3034); }
juce::Colour backPanelColour() { return juce::Colour (0xff1f2023); }

juce::Image drawStrips (int width, int height, float panelBottom, float backTop)
{
    // RGB without alpha: the pictures are opaque.
    juce::Image image (juce::Image::RGB, width, height, true);
    juce::Graphics g (image);

    g.fillAll (juce::Colour (0xffe6e6e6));
    const auto w = (float) width;
    fillStrip (g, { 1.0f, 0.0f, w - 3.0f, panelBottom }, controlPanelColour());
    fillStrip (g, { 1.0f, backTop, w - 3.0f, (float) height - backTop - 1.0f }, backPanelColour());
    return image;
}

void drawLabel (juce::Graphics& g, const juce::String& text, Box box, float height, juce::Justification j)
{
    g.setColour (labelColour());
    g.setFont (labelFont (height));
    g.drawText (text, box, j, false);
}

void drawKnob (juce::Graphics& g, Box box, float pointerAngle)
{
    const auto centre = box.getCentre();
    const float r = juce::jmin (box.getWidth(), box.getHeight()) * 0.5f;
    const auto round = Box (2.0f * r, 2.0f * r).withCentre (centre);

    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.fillEllipse (round.translated (0.8f, 1.2f));
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff6a6d73), centre.x, round.getY(),
                                             juce::Colour (0xff17181a), centre.x, round.getBottom(), false));
    g.fillEllipse (round);
    g.setColour (juce::Colour (0xff303236));
    g.fillEllipse (round.reduced (r * 0.25f));
    g.setColour (juce::Colour (0xff0a0a0b));
    g.drawEllipse (round, 0.8f);

    g.setColour (juce::Colours::white);
    g.drawLine ({ centre.getPointOnCircumference (r * 0.25f, pointerAngle),
                  centre.getPointOnCircumference (r * 0.85f, pointerAngle) }, 1.5f);
}

void drawFader (juce::Graphics& g, Box box, float position)
{
    const float cx = box.getCentreX();
    const float top = box.getY() + 4.0f;
    const float bottom = box.getBottom() - 4.0f;

    // A recessed bed under the slot and its scale.
    g.setColour (juce::Colour (0xff1c1e21));
    g.fillRoundedRectangle (box.reduced (1.0f, 0.0f), 2.0f);

    g.setColour (labelColour().withAlpha (0.5f));
    for (int i = 0; i <= 8; ++i)
    {
        const float y = top + (bottom - top) * (float) i / 8.0f;
        g.drawLine (box.getX() + 3.0f, y, box.getX() + 6.0f, y, 0.7f);
    }

    g.setColour (juce::Colour (0xff060607));
    g.fillRoundedRectangle (cx - 2.0f, top - 2.0f, 4.0f, bottom - top + 4.0f, 2.0f);

    const float capH = 9.0f;
    const Box cap (cx - 7.0f, bottom - (bottom - top) * position - capH * 0.5f, 14.0f, capH);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffd2d5d9), 0.0f, cap.getY(),
                                             juce::Colour (0xff686b70), 0.0f, cap.getBottom(), false));
    g.fillRoundedRectangle (cap, 1.5f);
    g.setColour (juce::Colour (0xff1c1d20));
    g.drawLine (cap.getX() + 1.0f, cap.getCentreY(), cap.getRight() - 1.0f, cap.getCentreY(), 1.0f);
}

void drawButton (juce::Graphics& g, Box box, juce::Colour face)
{
    const float corner = juce::jmin (3.0f, box.getHeight() * 0.3f);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillRoundedRectangle (box.translated (0.6f, 1.0f), corner);
    g.setGradientFill (juce::ColourGradient (face.brighter (0.4f), 0.0f, box.getY(),
                                             face.darker (0.4f), 0.0f, box.getBottom(), false));
    g.fillRoundedRectangle (box, corner);
    g.setColour (juce::Colour (0xff0c0c0d));
    g.drawRoundedRectangle (box, corner, 0.7f);
}

void drawWheel (juce::Graphics& g, Box slot)
{
    g.setColour (juce::Colour (0xff050506));
    g.fillRoundedRectangle (slot, 3.0f);

    const auto wheel = slot.reduced (3.0f, 5.0f);
    juce::ColourGradient shade (juce::Colour (0xff151618), 0.0f, wheel.getY(),
                                juce::Colour (0xff151618), 0.0f, wheel.getBottom(), false);
    shade.addColour (0.5, juce::Colour (0xff62656b));
    g.setGradientFill (shade);
    g.fillRoundedRectangle (wheel, 2.0f);

    g.setColour (juce::Colours::black.withAlpha (0.55f));
    for (float y = wheel.getY() + 3.0f; y < wheel.getBottom() - 2.0f; y += 3.0f)
        g.drawLine (wheel.getX() + 1.0f, y, wheel.getRight() - 1.0f, y, 0.8f);
}

void drawJoystick (juce::Graphics& g, Box box)
{
    g.setColour (juce::Colour (0xff070708));
    g.fillRoundedRectangle (box, 4.0f);
    g.setColour (juce::Colour (0xff45484d));
    g.drawRoundedRectangle (box.reduced (1.5f), 4.0f, 1.0f);

    // Cross of the stick's travel, then the ball.
    const auto c = box.getCentre();
    g.setColour (juce::Colour (0xff3a3c40));
    g.drawLine (c.x, box.getY() + 4.0f, c.x, box.getBottom() - 4.0f, 1.0f);
    g.drawLine (box.getX() + 4.0f, c.y, box.getRight() - 4.0f, c.y, 1.0f);

    const auto ball = Box (14.0f, 14.0f).withCentre (c);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffb5b8bd), ball.getX(), ball.getY(),
                                             juce::Colour (0xff2a2c30), ball.getRight(), ball.getBottom(), true));
    g.fillEllipse (ball);
}

void drawJack (juce::Graphics& g, Box box)
{
    const float r = juce::jmin (box.getWidth(), box.getHeight()) * 0.5f;
    const auto ring = Box (2.0f * r, 2.0f * r).withCentre (box.getCentre());

    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffe6e8ea), ring.getX(), ring.getY(),
                                             juce::Colour (0xff74777b), ring.getRight(), ring.getBottom(), false));
    g.fillEllipse (ring);
    g.setColour (juce::Colour (0xff08080a));
    g.fillEllipse (ring.reduced (r * 0.42f));
}

void drawMidiSocket (juce::Graphics& g, Box box)
{
    drawJack (g, box);

    const auto c = box.getCentre();
    const float r = juce::jmin (box.getWidth(), box.getHeight()) * 0.5f;
    g.setColour (juce::Colour (0xff2c2d30));
    g.fillEllipse (Box (1.5f * r, 1.5f * r).withCentre (c));

    // Five pins on the lower arc.
    g.setColour (juce::Colour (0xffc9ccd0));
    for (int i = 0; i < 5; ++i)
    {
        const float a = juce::MathConstants<float>::pi * (0.5f + 0.25f * (float) i);
        g.fillEllipse (Box (2.0f, 2.0f).withCentre (c.getPointOnCircumference (r * 0.5f, a)));
    }
}

void drawUsbSocket (juce::Graphics& g, Box box)
{
    g.setColour (juce::Colour (0xffa9adb2));
    g.fillRoundedRectangle (box, 1.5f);
    g.setColour (juce::Colour (0xff101113));
    g.fillRect (box.reduced (2.5f));
    g.setColour (juce::Colour (0xffe9e9e9));
    g.fillRect (box.reduced (box.getWidth() * 0.35f, box.getHeight() * 0.3f));
}

void drawPowerSwitch (juce::Graphics& g, Box box)
{
    g.setColour (juce::Colour (0xff070708));
    g.fillRoundedRectangle (box, 2.0f);
    const auto rocker = box.reduced (2.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff505358), 0.0f, rocker.getY(),
                                             juce::Colour (0xff1a1b1d), 0.0f, rocker.getBottom(), false));
    g.fillRoundedRectangle (rocker, 1.5f);
    g.setColour (labelColour());
    g.drawLine (rocker.getCentreX(), rocker.getY() + 2.0f, rocker.getCentreX(), rocker.getCentreY() - 1.0f, 1.0f);
}
} // namespace SmallKeyboardArt
