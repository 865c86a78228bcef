#pragma once

#include "QxNCtrlPickerMarks.h"

/** The round twin of QxNCtrlPickerButton, for knobs and sockets: curved corner
    marks, and an elliptical tint when selected. Its text is never drawn. */
class QxNCtrlPickerKnob : public juce::Button
{
public:
    /** The name is not used: the widget's component name stays empty. */
    explicit QxNCtrlPickerKnob (const juce::String& name);
    ~QxNCtrlPickerKnob() override;

    void resized() override;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    QxNCtrlPickerMarks marksOff; // drawn while toggled off
    QxNCtrlPickerMarks marksOn;  // drawn while toggled on

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QxNCtrlPickerKnob)
};
