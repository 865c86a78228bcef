#include "ALookAndFeel.h"

namespace
{
constexpr float kTooltipFontHeight = 12.0f;
constexpr float kTooltipMaxWidth = 400.0f;
constexpr int kTooltipExtraWidth = 14;
constexpr int kTooltipExtraHeight = 10;

// The colour travels inside the laid-out text, so the caller passes it in.
juce::TextLayout layoutTooltipText (const juce::String& text, juce::Colour colour)
{
    juce::AttributedString s;
    s.setJustification (juce::Justification::left);
    s.append (text, juce::Font (kTooltipFontHeight), colour);

    juce::TextLayout layout;
    layout.createLayoutWithBalancedLineLengths (s, kTooltipMaxWidth);
    return layout;
}

juce::Path makeButtonOutline (const juce::Button& button)
{
    const bool left = button.isConnectedOnLeft();
    const bool right = button.isConnectedOnRight();
    const bool top = button.isConnectedOnTop();
    const bool bottom = button.isConnectedOnBottom();

    const auto w = (float) button.getWidth();
    const auto h = (float) button.getHeight();

    const float x = left ? 0.1f : 0.5f;
    const float y = top ? 0.1f : 0.5f;
    const float x2 = w - (right ? 0.1f : 0.5f);
    const float y2 = h - (bottom ? 0.1f : 0.5f);

    const float c = ALookAndFeel::kCornerRatio * juce::jmin (w, h);
    const float d = 2.0f * c;
    constexpr float pi = juce::MathConstants<float>::pi;

    juce::Path p;

    if (left || top)
    {
        p.startNewSubPath (x, y);
    }
    else
    {
        p.startNewSubPath (x, y + c);
        p.addArc (x, y, d, d, 1.5f * pi, 2.0f * pi);
    }

    if (right || top)
    {
        p.lineTo (x2, y);
    }
    else
    {
        p.lineTo (x2 - c, y);
        p.addArc (x2 - d, y, d, d, 0.0f, 0.5f * pi);
    }

    if (right || bottom)
    {
        p.lineTo (x2, y2);
    }
    else
    {
        p.lineTo (x2, y2 - c);
        p.addArc (x2 - d, y2 - d, d, d, 0.5f * pi, pi);
    }

    if (bottom || left)
    {
        p.lineTo (x, y2);
    }
    else
    {
        p.lineTo (x + c, y2);
        p.addArc (x, y2 - d, d, d, pi, 1.5f * pi);
    }

    p.closeSubPath();
    return p;
}
} // namespace

ALookAndFeel::ALookAndFeel()
{
    setColour (juce::ComboBox::outlineColourId, juce::Colour (0xff959595));
    setColour (juce::ComboBox::buttonColourId, juce::Colour (0xffd7d7d7));
    setColour (juce::ComboBox::arrowColourId, juce::Colour (0xff595959));
}

ALookAndFeel::~ALookAndFeel() = default;

void ALookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button,
                                         const juce::Colour&, bool isMouseOverButton, bool isButtonDown)
{
    const auto outline = makeButtonOutline (button);

    auto base = button.findColour (isButtonDown || button.getToggleState() ? juce::TextButton::buttonOnColourId
                                                                           : juce::TextButton::buttonColourId);
    if (isMouseOverButton)
    {
        base = base.getBrightness() > 0.5f ? base.darker (0.1f) : base.brighter (0.3f);
        base = base.withAlpha (base.isOpaque() ? 0.8f : 0.2f);
    }

    g.setGradientFill (juce::ColourGradient (base, 0.0f, 0.0f,
                                             juce::Colour::greyLevel (50.0f / 255.0f), 0.0f,
                                             (float) (button.getHeight() - 4), false));
    g.fillPath (outline);

    g.setColour (juce::Colour (120, 120, 120));
    g.strokePath (outline, juce::PathStrokeType (1.0f, juce::PathStrokeType::mitered,
                                                 juce::PathStrokeType::butt));
}

void ALookAndFeel::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    const auto font = getTextButtonFont (button, button.getHeight()).boldened();
    g.setFont (font);
    g.setColour (button.findColour (button.getToggleState() ? juce::TextButton::textColourOnId
                                                            : juce::TextButton::textColourOffId));

    const int yIndent = juce::jmin (4, button.proportionOfHeight (0.3f));
    const int sideIndent = juce::roundToInt (font.getHeight() * 0.6f) / 2;

    g.drawFittedText (button.getButtonText(),
                      sideIndent, yIndent,
                      button.getWidth() - 2 * sideIndent, button.getHeight() - 2 * yIndent,
                      juce::Justification::centred, 2, 0.7f);
}

juce::Rectangle<int> ALookAndFeel::getTooltipBounds (const juce::String& tipText,
                                                     juce::Point<int> screenPos,
                                                     juce::Rectangle<int> parentArea)
{
    const auto layout = layoutTooltipText (tipText, juce::Colours::black);
    const int w = (int) layout.getWidth() + kTooltipExtraWidth;
    const int h = (int) layout.getHeight() + kTooltipExtraHeight;

    return juce::Rectangle<int> (screenPos.x > parentArea.getCentreX() ? screenPos.x - (w + 12) : screenPos.x + 24,
                                 screenPos.y > parentArea.getCentreY() ? screenPos.y - (h + 6) : screenPos.y + 6,
                                 w, h)
        .constrainedWithin (parentArea);
}

void ALookAndFeel::drawTooltip (juce::Graphics& g, const juce::String& text, int width, int height)
{
    g.fillAll (findColour (juce::TooltipWindow::backgroundColourId));

    g.setColour (findColour (juce::TooltipWindow::outlineColourId));
    g.drawRect (0, 0, width, height, 1);

    const auto layout = layoutTooltipText (text, findColour (juce::TooltipWindow::textColourId));
    const auto block = juce::Justification (juce::Justification::centred)
                           .appliedToRectangle (juce::Rectangle<float> (layout.getWidth(), layout.getHeight()),
                                                juce::Rectangle<float> ((float) width, (float) height));
    layout.draw (g, block);
}
