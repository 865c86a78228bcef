#include "QxNCtrlPickerButton.h"

QxNCtrlPickerButton::QxNCtrlPickerButton (const juce::String&)
    : juce::Button (juce::String())
{
    setSize (60, 40);
}

QxNCtrlPickerButton::~QxNCtrlPickerButton() = default;

void QxNCtrlPickerButton::resized()
{
    const auto x = [this] (float f) { return (float) proportionOfWidth (f); };
    const auto y = [this] (float f) { return (float) proportionOfHeight (f); };

    auto& [topLeft, bottomLeft, topRight, bottomRight] = marksOff;

    topLeft.clear();
    topLeft.startNewSubPath (x (0.3f), y (0.0f));
    topLeft.lineTo (x (0.0f), y (0.0f));
    topLeft.lineTo (x (0.0f), y (0.3f));

    bottomLeft.clear();
    bottomLeft.startNewSubPath (x (0.0f), y (0.7f));
    bottomLeft.lineTo (x (0.0f), y (1.0f));
    bottomLeft.lineTo (x (0.3f), y (1.0f));

    topRight.clear();
    topRight.startNewSubPath (x (0.7f), y (0.0f));
    topRight.lineTo (x (1.0f), y (0.0f));
    topRight.lineTo (x (1.0f), y (0.3f));

    bottomRight.clear();
    bottomRight.startNewSubPath (x (1.0f), y (0.7f));
    bottomRight.lineTo (x (1.0f), y (1.0f));
    bottomRight.lineTo (x (0.7f), y (1.0f));

    // Both sets share one geometry; only the state in which they show differs.
    marksOn = marksOff;
}

void QxNCtrlPickerButton::paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    if (getToggleState())
    {
        if (isButtonDown)
        {
            g.fillAll (juce::Colour (0x40ff8080));
        }
        else if (isMouseOverButton)
        {
            g.fillAll (juce::Colour (0x40ff8080));
            drawPickerMarks (g, marksOn);
        }
        else
        {
            g.fillAll (juce::Colour (0x60ff8080));
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
