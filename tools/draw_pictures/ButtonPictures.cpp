#include "ButtonPictures.h"

juce::Image drawButtonPicture (int width, int height, const juce::String& caption, bool lighter)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);

    const auto face = juce::Rectangle<float> ((float) width, (float) height).reduced (1.0f);
    const float corner = 7.0f;
    const auto top = lighter ? juce::Colour (0xff7a7e85) : juce::Colour (0xff55585e);
    const auto bottom = lighter ? juce::Colour (0xff4b4e54) : juce::Colour (0xff2a2c30);

    g.setGradientFill (juce::ColourGradient (top, 0.0f, face.getY(), bottom, 0.0f, face.getBottom(), false));
    g.fillRoundedRectangle (face, corner);

    // A soft highlight on the upper half, as on a moulded cap.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.16f), 0.0f, face.getY(),
                                             juce::Colours::transparentWhite, 0.0f, face.getCentreY(), false));
    g.fillRoundedRectangle (face.reduced (1.5f), corner - 1.5f);

    g.setColour (juce::Colour (0xff17181a));
    g.drawRoundedRectangle (face, corner, 1.0f);

    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.setFont (juce::Font (juce::Font::getDefaultSansSerifFontName(), 12.5f, juce::Font::bold));
    g.drawText (caption, face.translated (0.0f, 1.0f), juce::Justification::centred, false);
    g.setColour (juce::Colour (0xfff2f3f5));
    g.drawText (caption, face, juce::Justification::centred, false);

    return image;
}
