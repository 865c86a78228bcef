#include "QxNCtrlPickerMarks.h"

void drawPickerMarks (juce::Graphics& g, const QxNCtrlPickerMarks& marks)
{
    const juce::PathStrokeType stroke (3.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt);

    for (const auto& mark : marks)
    {
        g.setColour (juce::Colour (0x40ffffff));
        g.fillPath (mark);
        g.setColour (juce::Colour (0xe0000000));
        g.strokePath (mark, stroke);
    }
}
