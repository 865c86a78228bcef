#pragma once

#include "IKbdCtrlPicker.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

/** The picture of the 32-key keyboard with one transparent picker button over
    each assignable control and a Shift button among them. A click selects the
    control and broadcasts its item id as text ("0x40"); for buttons with two
    ids Shift chooses the second. */
class QTR32CtrlPickerComponent : public juce::Component,
                                 public juce::ActionBroadcaster,
                                 public IKbdCtrlPicker,
                                 public juce::Button::Listener
{
public:
    static const char* qtr32_picker_png;
    static const int qtr32_picker_pngSize;

    QTR32CtrlPickerComponent();
    ~QTR32CtrlPickerComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    /** The ids of the 32-key model; a fixed list, not the buttons' ids. */
    std::set<short> getSupportedControls() override;

    void buttonClicked (juce::Button* button) override;

private:
    juce::Button* lastSelected = nullptr;
    std::vector<std::unique_ptr<juce::Button>> widgets; // in the order of the widget table
    juce::Button* shiftButton = nullptr;                // one of the widgets
    juce::Image pickerImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QTR32CtrlPickerComponent)
};
