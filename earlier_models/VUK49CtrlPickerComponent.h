#pragma once

#include "IKbdCtrlPicker.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

/** The picture of the earlier 49-key keyboard with one transparent picker
    button over each control. A click selects the control and broadcasts its
    item id as text ("0x40"); every button carries exactly one id, so there is
    no Shift toggle. */
class VUK49CtrlPickerComponent : public juce::Component,
                                 public juce::ActionBroadcaster,
                                 public IKbdCtrlPicker,
                                 public juce::Button::Listener
{
public:
    static const char* vuk49_picker_png;
    static const int vuk49_picker_pngSize;

    VUK49CtrlPickerComponent();
    ~VUK49CtrlPickerComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    /** The ids that this picture offers; a fixed list, not the buttons' ids. */
    std::set<short> getSupportedControls() override;

    void buttonClicked (juce::Button* button) override;

private:
    juce::Button* lastSelected = nullptr;
    std::vector<std::unique_ptr<juce::Button>> controls; // in the order of the button table
    juce::Image pickerImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VUK49CtrlPickerComponent)
};
