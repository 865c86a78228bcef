#pragma once

#include "QxNCtrlPickerMarks.h"

/** A transparent button laid over one control of a keyboard picture. It shows
    the picture through when untouched, tints itself when hovered, pressed or
    selected, and draws square corner marks while hovered. Its button text is
    data for its owner and is never drawn. */
class QxNCtrlPickerButton : public juce::Button
{
public:
    /** The name is not used: the widget's component name stays empty. */
    explicit QxNCtrlPickerButton (const juce::String& name);
    ~QxNCtrlPickerButton() override;

    void resized() override;

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    QxNCtrlPickerMarks marksOff; // drawn while toggled off
    QxNCtrlPickerMarks marksOn;  // drawn while toggled on

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QxNCtrlPickerButton)
};
