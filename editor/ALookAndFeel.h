#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The application's look: rounded, shaded text buttons, bold fitted button
    text, grey combo boxes and tooltips of plain 12-point text. Everything it
    does not override is the classic look of the framework. */
class ALookAndFeel : public juce::LookAndFeel_V2
{
public:
    /** Corner radius of a button background, as a fraction of its smaller side. */
    static constexpr float kCornerRatio = 0.3f;

    ALookAndFeel();
    ~ALookAndFeel() override;

    /** The colour argument is ignored: the colour comes from the button's own ids. */
    void drawButtonBackground (juce::Graphics& g, juce::Button& button,
                               const juce::Colour& backgroundColour,
                               bool isMouseOverButton, bool isButtonDown) override;

    void drawButtonText (juce::Graphics& g, juce::TextButton& button,
                         bool isMouseOverButton, bool isButtonDown) override;

    /** The tip's box is the laid-out text plus 14 x 10 pixels, placed beside
        the pointer as the classic look places it. */
    juce::Rectangle<int> getTooltipBounds (const juce::String& tipText,
                                           juce::Point<int> screenPos,
                                           juce::Rectangle<int> parentArea) override;

    void drawTooltip (juce::Graphics& g, const juce::String& text, int width, int height) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ALookAndFeel)
};
