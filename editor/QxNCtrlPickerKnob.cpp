#include "QxNCtrlPickerKnob.h"

QxNCtrlPickerKnob::QxNCtrlPickerKnob (const juce::String&)
    : juce::Button (juce::String())
{
    setSize (60, 40);
}

QxNCtrlPickerKnob::~QxNCtrlPickerKnob() = default;

void QxNCtrlPickerKnob::resized()
{
    const auto x = [this] (float f) { return (float) proportionOfWidth (f); };
    const auto y = [this] (float f) { return (float) proportionOfHeight (f); };

    auto& [topLeft, bottomLeft, topRight, bottomRight] = marksOff;

    topLeft.clear();
    topLeft.startNewSubPath (x (0.3f), y (0.0f));
    topLeft.quadraticTo (x (0.08f), y (0.08f), x (0.0f), y (0.3f));

    bottomLeft.clear();
    bottomLeft.startNewSubPath (x (0.0f), y (0.7f));
    bottomLeft.quadraticTo (x (0.08f), y (0.92f), x (0.3f), y (1.0f));

    topRight.clear();
    topRight.startNewSubPath (x (0.7f), y (0.0f));
    topRight.quadraticTo (x (0.92f), y (0.08f), x (1.0f), y (0.3f));

    bottomRight.clear();
    bottomRight.startNewSubPath (x (1.0f), y (0.7f));
    bottomRight.quadraticTo (x (0.92f), y (0.92f), x (0.7f), y (1.0f));

    // Both sets share one geometry; only the state in which they show differs.
    marksOn = marksOff;
}

void QxNCtrlPickerKnob::paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    const auto ellipse = juce::Rectangle<float> ((float) proportionOfWidth (1.0f),
                                                 (float) proportionOfHeight (1.0f));
    if (getToggleState())
    {
        if (isButtonDown)
        {
            g.setColour (juce::Colour (0x40ff8080));
            g.fillEllipse (ellipse);
        }
        else if (isMouseOverButton)
        {
            g.setColour (juce::Colour (0x40ff8080));
            g.fillEllipse (ellipse);
            drawPickerMarks (g, marksOn);
        }
        else
        {
            g.setColour (juce::Colour (0x80ff8080));
            g.fillEllipse (ellipse);
        }
    }
    else if (isButtonDown)
    {
        g.fillAll (juce::Colour (0x40ffffff));
    }
    else if (isMouseOverButton)
    {
        g.fillAll (juce::Colour (0x20ffffff));
        drawPickerMarks (g, marksOff);
    }
}
