#pragma once

#include "IKbdCtrlPicker.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

/** The picture of the Orlune's control panel with one transparent picker
    widget over each control. A click selects the control and broadcasts its
    item id as text ("0x40"); for controls with one id per bank the Shift
    toggle chooses the bank-2 id. */
class VT49CtrlPickerComponent : public juce::Component,
                                public juce::ActionBroadcaster,
                                public IKbdCtrlPicker,
                                public juce::Button::Listener
{
public:
    static const char* orlune49_picker_png;
    static const int orlune49_picker_pngSize;

    VT49CtrlPickerComponent();
    ~VT49CtrlPickerComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    /** The ids that this picture offers; a fixed list, not the widgets' ids. */
    std::set<short> getSupportedControls() override;

    void buttonClicked (juce::Button* button) override;

private:
    juce::Button* lastSelected = nullptr;
    std::vector<std::unique_ptr<juce::Button>> controls; // in the order of the widget table
    std::unique_ptr<juce::Button> shiftButton;
    juce::Image pickerImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VT49CtrlPickerComponent)
};
