#include "PanelArt.h"

namespace PanelArt
{
juce::Colour labelColour()
{
    return juce::Colour (0xffd9dce0);
}

juce::Font labelFont (float height, bool bold)
{
    return juce::Font (juce::Font::getDefaultSansSerifFontName(), height,
                       bold ? juce::Font::bold : juce::Font::plain);
}

void drawLabel (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> box,
                float height, juce::Justification j)
{
    g.setColour (labelColour());
    g.setFont (labelFont (height, true));
    g.drawText (text, box, j, false);
}

void drawBackdrop (juce::Graphics& g, float height)
{
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xfff2f2f2), 0.0f, 0.0f,
                                             juce::Colour (0xffd6d6d6), 0.0f, height, false));
    g.fillAll();
}

void drawCase (juce::Graphics& g, juce::Rectangle<float> body, juce::Point<float> shadowOffset, float corner)
{
    g.setColour (juce::Colours::black.withAlpha (0.3f));
    g.fillRoundedRectangle (body.translated (shadowOffset.x, shadowOffset.y), corner);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff3a3d42), 0.0f, body.getY(),
                                             juce::Colour (0xff1a1b1e), 0.0f, body.getBottom(), false));
    g.fillRoundedRectangle (body, corner);
    g.setColour (juce::Colour (0xff5d6168));
    g.drawRoundedRectangle (body.reduced (0.5f), corner, 1.0f);
}

void drawKnob (juce::Graphics& g, juce::Rectangle<float> box, float pointerAngle)
{
    const auto centre = box.getCentre();
    const float r = juce::jmin (box.getWidth(), box.getHeight()) * 0.5f;

    // Skirt with a shadow, then the cap.
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.fillEllipse (box.translated (1.0f, 1.5f));
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff5a5d63), centre.x, box.getY(),
                                             juce::Colour (0xff1e1f22), centre.x, box.getBottom(), false));
    g.fillEllipse (box);

    const auto cap = box.reduced (r * 0.22f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff44474c), cap.getX(), cap.getY(),
                                             juce::Colour (0xff18191b), cap.getRight(), cap.getBottom(), false));
    g.fillEllipse (cap);
    g.setColour (juce::Colour (0xff0c0c0d));
    g.drawEllipse (box, 0.8f);

    const auto tip = centre.getPointOnCircumference (r * 0.82f, pointerAngle);
    const auto inner = centre.getPointOnCircumference (r * 0.3f, pointerAngle);
    g.setColour (juce::Colours::white);
    g.drawLine ({ inner, tip }, 1.6f);
}

void drawEncoder (juce::Graphics& g, juce::Rectangle<float> box)
{
    drawKnob (g, box, 0.0f);

    // Ridges round the rim tell an endless encoder from a knob.
    const auto centre = box.getCentre();
    const float r = juce::jmin (box.getWidth(), box.getHeight()) * 0.5f;
    g.setColour (juce::Colour (0xff7a7d83));

    for (int i = 0; i < 24; ++i)
    {
        const float a = juce::MathConstants<float>::twoPi * (float) i / 24.0f;
        g.drawLine ({ centre.getPointOnCircumference (r * 0.8f, a), centre.getPointOnCircumference (r * 0.98f, a) }, 0.7f);
    }

    g.setColour (juce::Colour (0xff2b2d31));
    g.fillEllipse (box.reduced (r * 0.45f));
}

void drawFader (juce::Graphics& g, juce::Rectangle<float> box, float position)
{
    const float cx = box.getCentreX();
    const float top = box.getY() + 5.0f;
    const float bottom = box.getBottom() - 5.0f;

    // Scale ticks on both sides of the slot.
    g.setColour (labelColour().withAlpha (0.55f));
    for (int i = 0; i <= 10; ++i)
    {
        const float y = top + (bottom - top) * (float) i / 10.0f;
        const float len = (i % 5 == 0) ? 5.0f : 3.0f;
        g.drawLine (box.getX() + 2.0f, y, box.getX() + 2.0f + len, y, 0.7f);
        g.drawLine (box.getRight() - 2.0f - len, y, box.getRight() - 2.0f, y, 0.7f);
    }

    g.setColour (juce::Colour (0xff050505));
    g.fillRoundedRectangle (cx - 2.0f, top - 2.0f, 4.0f, bottom - top + 4.0f, 2.0f);

    const float capH = 12.0f;
    const float capY = bottom - (bottom - top) * position - capH * 0.5f;
    const juce::Rectangle<float> cap (box.getX() + 4.0f, capY, box.getWidth() - 8.0f, capH);

    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.fillRoundedRectangle (cap.translated (1.0f, 1.5f), 2.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffcfd2d6), cap.getX(), cap.getY(),
                                             juce::Colour (0xff6c6f74), cap.getX(), cap.getBottom(), false));
    g.fillRoundedRectangle (cap, 2.0f);
    g.setColour (juce::Colour (0xff202124));
    g.drawLine (cap.getX() + 1.0f, cap.getCentreY(), cap.getRight() - 1.0f, cap.getCentreY(), 1.2f);
}

void drawPanelButton (juce::Graphics& g, juce::Rectangle<float> box, juce::Colour face)
{
    const float corner = juce::jmin (3.0f, box.getHeight() * 0.3f);

    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillRoundedRectangle (box.translated (0.8f, 1.2f), corner);
    g.setGradientFill (juce::ColourGradient (face.brighter (0.35f), box.getX(), box.getY(),
                                             face.darker (0.4f), box.getX(), box.getBottom(), false));
    g.fillRoundedRectangle (box, corner);
    g.setColour (juce::Colour (0xff0d0d0e));
    g.drawRoundedRectangle (box, corner, 0.7f);
}

void drawPad (juce::Graphics& g, juce::Rectangle<float> box, int number)
{
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillRoundedRectangle (box.translated (1.0f, 1.5f), 4.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff6b6f76), box.getCentreX(), box.getY(),
                                             juce::Colour (0xff393c41), box.getCentreX(), box.getBottom(), false));
    g.fillRoundedRectangle (box, 4.0f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.18f), box.getCentreX(), box.getY(),
                                             juce::Colours::transparentWhite, box.getCentreX(), box.getCentreY(), false));
    g.fillRoundedRectangle (box.reduced (2.0f), 3.0f);
    g.setColour (juce::Colour (0xff111214));
    g.drawRoundedRectangle (box, 4.0f, 0.8f);

    g.setColour (labelColour().withAlpha (0.8f));
    g.setFont (labelFont (7.0f, true));
    g.drawText (juce::String (number), box.reduced (3.0f, 2.0f), juce::Justification::bottomLeft, false);
}

void drawWheel (juce::Graphics& g, juce::Rectangle<float> slot, juce::Rectangle<float> wheel)
{
    g.setColour (juce::Colour (0xff050506));
    g.fillRoundedRectangle (slot, 4.0f);

    // The wheel's curve: lit in the middle, falling into shadow at both ends.
    juce::ColourGradient shade (juce::Colour (0xff151618), wheel.getCentreX(), wheel.getY(),
                                juce::Colour (0xff151618), wheel.getCentreX(), wheel.getBottom(), false);
    shade.addColour (0.5, juce::Colour (0xff5d6066));
    g.setGradientFill (shade);
    g.fillRoundedRectangle (wheel, 3.0f);

    g.setColour (juce::Colours::black.withAlpha (0.55f));
    for (float y = wheel.getY() + 3.0f; y < wheel.getBottom() - 2.0f; y += 3.0f)
        g.drawLine (wheel.getX() + 1.5f, y, wheel.getRight() - 1.5f, y, 0.8f);

    g.setColour (juce::Colours::white.withAlpha (0.8f));
    g.drawLine (wheel.getX() + 2.0f, wheel.getCentreY(), wheel.getRight() - 2.0f, wheel.getCentreY(), 1.5f);
}

void drawJack (juce::Graphics& g, juce::Rectangle<float> box)
{
    const float r = juce::jmin (box.getWidth(), box.getHeight()) * 0.5f;
    const auto ring = juce::Rectangle<float> (2.0f * r, 2.0f * r).withCentre (box.getCentre());

    g.setGradientFill (juce::ColourGradient (juce::Colour (0xffe6e8ea), ring.getX(), ring.getY(),
                                             juce::Colour (0xff74777b), ring.getRight(), ring.getBottom(), false));
    g.fillEllipse (ring);
    g.setColour (juce::Colour (0xff2a2b2d));
    g.drawEllipse (ring, 0.7f);
    g.setColour (juce::Colour (0xff08080a));
    g.fillEllipse (ring.reduced (r * 0.42f));
}

void drawUsbPort (juce::Graphics& g, juce::Rectangle<float> box)
{
    g.setColour (juce::Colour (0xffc9ccd0));
    g.fillRoundedRectangle (box, 1.5f);
    g.setColour (juce::Colour (0xff0b0b0c));
    g.fillRoundedRectangle (box.reduced (3.0f, 3.0f), 1.0f);
}

void drawPanelArea (juce::Graphics& g, juce::Rectangle<float> box, float corner)
{
    g.setColour (juce::Colours::black.withAlpha (0.25f));
    g.fillRoundedRectangle (box.translated (2.0f, 3.0f), corner);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff34373c), box.getX(), box.getY(),
                                             juce::Colour (0xff1b1c1f), box.getX(), box.getBottom(), false));
    g.fillRoundedRectangle (box, corner);
    g.setColour (juce::Colour (0xff55595f));
    g.drawRoundedRectangle (box.reduced (0.5f), corner, 1.0f);
}

void drawKeys (juce::Graphics& g, float left, float right, float top, float bottom, int whiteKeys)
{
    const float w = (right - left) / (float) whiteKeys;
    using R = juce::Rectangle<float>;

    g.setColour (juce::Colour (0xff0a0a0b));
    g.fillRect (R (left - 2.0f, top - 1.0f, right - left + 4.0f, bottom - top + 3.0f));

    for (int i = 0; i < whiteKeys; ++i)
    {
        const R key (left + w * (float) i + 0.5f, top, w - 1.0f, bottom - top);
        g.setGradientFill (juce::ColourGradient (juce::Colour (0xffd9d9d9), 0.0f, top,
                                                 juce::Colours::white, 0.0f, bottom, false));
        g.fillRect (key);
    }

    // Black keys after C, D, F, G and A of each octave.
    for (int i = 0; i < whiteKeys - 1; ++i)
    {
        const int degree = i % 7;
        if (degree == 2 || degree == 6)
            continue;

        const R key (left + w * ((float) i + 0.68f), top, w * 0.64f, (bottom - top) * 0.6f);
        g.setGradientFill (juce::ColourGradient (juce::Colour (0xff3a3b3e), 0.0f, key.getY(),
                                                 juce::Colour (0xff0b0b0c), 0.0f, key.getBottom(), false));
        g.fillRect (key);
    }
}
} // namespace PanelArt
