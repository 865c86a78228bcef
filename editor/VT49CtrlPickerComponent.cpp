#include "VT49CtrlPickerComponent.h"

#include "CtrlPickerWidgets.h"
#include "OrluneControllers.h"
#include "OrlunePictures.h"
#include "QxNCtrlPickerButton.h"
#include "QxNCtrlPickerKnob.h"

const char* VT49CtrlPickerComponent::orlune49_picker_png = OrlunePictures::orlune49_picker_png;
const int VT49CtrlPickerComponent::orlune49_picker_pngSize = OrlunePictures::orlune49_picker_pngSize;

namespace
{
enum class Kind
{
    button,
    knob
};

struct WidgetRow
{
    Kind kind;
    const char* idText; // bank-1 id, then the bank-2 id after a hyphen
    const char* tooltip;
    int x, y, w, h;
};

// One row per control, over the control in the picture.
constexpr WidgetRow kWidgets[] = {
    { Kind::button, "0x40", "Modulation Wheel Setting", 97, 324, 20, 68 },
    { Kind::knob, "0x30", "Level Setting", 83, 67, 26, 24 },
    { Kind::knob, "0x01-0x21", "Cutoff Knob Setting", 344, 67, 24, 24 },
    { Kind::knob, "0x02-0x22", "Reso Knob Setting", 392, 67, 24, 24 },
    { Kind::knob, "0x03-0x23", "LFO Rate Knob Setting", 439, 67, 24, 24 },
    { Kind::knob, "0x04-0x24", "LFO Amount Knob Setting", 486, 67, 24, 24 },
    { Kind::knob, "0x05-0x25", "Key Parameter #1 Knob Setting", 344, 114, 24, 24 },
    { Kind::knob, "0x06-0x26", "Key Parameter #2 Knob Setting", 392, 114, 24, 24 },
    { Kind::knob, "0x07-0x27", "Key Parameter #3 Knob Setting", 439, 114, 24, 24 },
    { Kind::knob, "0x08-0x28", "Key Parameter #4 Knob Setting", 486, 114, 24, 24 },
    { Kind::knob, "0x09-0x29", "Chorus Mix Knob Setting", 533, 67, 24, 24 },
    { Kind::knob, "0x0A-0x2A", "Delay Mix Knob Setting", 534, 114, 24, 24 },
    { Kind::button, "0x0B-0x2B", "Attack Envelope Slider Setting", 596, 63, 28, 81 },
    { Kind::button, "0x0C-0x2C", "Delay Envelope Slider Setting", 637, 64, 28, 80 },
    { Kind::button, "0x0D-0x2D", "Sustain Envelope Slider Setting", 677, 64, 28, 80 },
    { Kind::button, "0x0E-0x2E", "Release Envelope Slider Setting", 719, 64, 28, 80 },
    { Kind::button, "0x12", "Snapshot #1 Button Setting", 300, 179, 21, 13 },
    { Kind::button, "0x13", "Snapshot #2 Button Setting", 333, 180, 21, 13 },
    { Kind::button, "0x14", "Snapshot #3 Button Setting", 365, 180, 21, 13 },
    { Kind::button, "0x15", "Snapshot #4 Button Setting", 398, 179, 21, 13 },
    { Kind::button, "0x16", "Snapshot #5 Button Setting", 431, 179, 21, 13 },
    { Kind::button, "0x17", "Snapshot #6 Button Setting", 463, 180, 21, 13 },
    { Kind::button, "0x18", "Snapshot #7 Button Setting", 495, 180, 21, 13 },
    { Kind::button, "0x19", "Snapshot #8 Button Setting", 528, 179, 21, 13 },
    { Kind::knob, "0x51", "Expression Pedal Setting", 340, 365, 19, 18 },
    { Kind::knob, "0x50", "Sustain Pedal Setting", 387, 364, 19, 18 },
    { Kind::button, "0x4B-0x6B", "Attack Envelope #2 Slider Setting", 759, 64, 28, 80 },
    { Kind::button, "0x4C-0x6C", "Delay Envelope #2 Slider Setting", 800, 64, 28, 80 },
    { Kind::button, "0x4D-0x6D", "Sustain Envelope #2 Slider Setting", 840, 64, 28, 80 },
    { Kind::button, "0x4E-0x6E", "Release Envelope #2 Slider Setting", 881, 64, 28, 80 },
    { Kind::button, "0x4F-0x6F", "Tempo Slider", 922, 64, 28, 80 },
    { Kind::knob, "0x53", "Aux Pedal Setting", 435, 364, 19, 18 },
    { Kind::knob, "0x52", "Breath Control Setting", 470, 376, 11, 10 },
    { Kind::button, "0x70", "Pad #1 Setting", 702, 415, 36, 29 },
    { Kind::button, "0x71", "Pad #2 Setting", 755, 415, 36, 29 },
    { Kind::button, "0x72", "Pad #3 Setting", 809, 415, 36, 29 },
    { Kind::button, "0x73", "Pad #4 Setting", 863, 415, 36, 29 },
    { Kind::button, "0x1A", "Snapshot #9 Button Setting", 561, 180, 21, 13 },
    { Kind::button, "0x1B", "Snapshot #10 Button Setting", 593, 179, 21, 13 },
    { Kind::button, "0x58", "Play/|| Button Setting", 862, 178, 19, 14 },
    { Kind::button, "0x59", "Stop Button Setting", 830, 178, 19, 14 },
    { Kind::button, "0x5A", "Record Button Setting", 894, 178, 19, 14 },
    { Kind::button, "0x5B", "Rewind Button Setting", 764, 178, 19, 14 },
    { Kind::button, "0x5C", "Forward Button Setting", 798, 178, 19, 14 },
    { Kind::button, "0x5D", "Loop Button Setting", 927, 178, 19, 14 },
    { Kind::button, "0x1D", "Bank 1 Button Setting", 303, 72, 16, 14 },
    { Kind::button, "0x1C", "Bank 2 Button Setting", 303, 119, 16, 14 },
    { Kind::button, "0x1E", "Sound Mode Button Setting", 144, 177, 27, 14 },
    { Kind::button, "0x1F", "Multi Mode Button Setting", 186, 177, 27, 14 },
    { Kind::button, "0x31", "Category Adjust Setting", 84, 120, 26, 12 },
    { Kind::button, "0x32", "Category Select Setting", 84, 133, 26, 12 },
    { Kind::button, "0x33", "Preset Adjust Setting", 83, 172, 26, 12 },
    { Kind::button, "0x34", "Preset Select Setting", 83, 185, 26, 12 },
    { Kind::button, "0x74", "Pad #5 Setting", 702, 370, 36, 29 },
    { Kind::button, "0x75", "Pad #6 Setting", 756, 370, 36, 29 },
    { Kind::button, "0x76", "Pad #7 Setting", 809, 369, 36, 29 },
    { Kind::button, "0x77", "Pad #8 Setting", 863, 370, 36, 29 },
    { Kind::button, "0x78", "Pad #9 Setting", 702, 324, 36, 29 },
    { Kind::button, "0x79", "Pad #10 Setting", 755, 324, 36, 29 },
    { Kind::button, "0x7A", "Pad #11 Setting", 810, 324, 36, 29 },
    { Kind::button, "0x7B", "Pad #12 Setting", 863, 323, 36, 29 },
    { Kind::button, "0x7C", "Pad #13 Setting", 702, 278, 36, 29 },
    { Kind::button, "0x7D", "Pad #14 Setting", 755, 278, 36, 29 },
    { Kind::button, "0x7E", "Pad #15 Setting", 809, 278, 36, 29 },
    { Kind::button, "0x7F", "Pad #16 Setting", 863, 279, 36, 29 },
};

const juce::Rectangle<int> kShiftBounds { 294, 150, 32, 8 };
constexpr int kControlRadioGroup = 1;
} // namespace

VT49CtrlPickerComponent::VT49CtrlPickerComponent()
{
    for (const auto& row : kWidgets)
    {
        std::unique_ptr<juce::Button> widget;

        if (row.kind == Kind::knob)
            widget = std::make_unique<QxNCtrlPickerKnob> (juce::String());
        else
            widget = std::make_unique<QxNCtrlPickerButton> (juce::String());

        addAndMakeVisible (*widget);
        CtrlPickerWidgets::setUp (*widget, *this, row.idText, row.tooltip);
        widget->setRadioGroupId (kControlRadioGroup);
        controls.push_back (std::move (widget));
    }

    // Shift is in no radio group: it toggles on its own, apart from the selection.
    shiftButton = std::make_unique<QxNCtrlPickerButton> (juce::String());
    addAndMakeVisible (*shiftButton);
    CtrlPickerWidgets::setUp (*shiftButton, *this, "Shift", "Select Bank 2 editing");

    pickerImage = juce::ImageCache::getFromMemory (orlune49_picker_png, orlune49_picker_pngSize);

    setSize (1024, 485);
}

VT49CtrlPickerComponent::~VT49CtrlPickerComponent()
{
    for (auto& widget : controls)
        widget.reset();

    shiftButton.reset();
}

void VT49CtrlPickerComponent::paint (juce::Graphics& g)
{
    CtrlPickerWidgets::drawPicture (g, pickerImage, 1024, 485);

    g.setColour (juce::Colours::black);
    g.setFont (juce::Font (15.0f));
    g.drawText ("Back Panel", 231, 423, 417, 28, juce::Justification::centred, true);

    g.setColour (juce::Colours::black);
    g.setFont (juce::Font (15.0f));
    g.drawText ("Drum Pads", 704, 448, 200, 32, juce::Justification::centred, true);

    g.setColour (juce::Colour (0xffff1100));
    g.drawRect (kShiftBounds, 1);
}

void VT49CtrlPickerComponent::resized()
{
    CtrlPickerWidgets::layOut (controls, kWidgets);
    shiftButton->setBounds (kShiftBounds);
}

std::set<short> VT49CtrlPickerComponent::getSupportedControls()
{
    using namespace controllers;

    return { wheel::kMod,
             knob::kLevel,
             knob::kFilterFreq, knob::kFilterReso, knob::kLfoRate, knob::kLfoAmount,
             knob::kKeyParam1, knob::kKeyParam2, knob::kKeyParam3, knob::kKeyParam4,
             knob::kFxChorus, knob::kFxDelay,
             slider::kEnv1A, slider::kEnv1D, slider::kEnv1R, slider::kEnv1S,
             slider::kEnv2A, slider::kEnv2D, slider::kEnv2R, slider::kEnv2S,
             slider::kTempo,
             knob::kCatgeoryAdjust, push::kCategory, knob::kPresetAdjust, push::kPreset,
             button::kPresetDec, button::kPresetInc,
             button::kSnapshot1, button::kSnapshot2, button::kSnapshot3, button::kSnapshot4,
             button::kSnapshot5, button::kSnapshot6, button::kSnapshot7, button::kSnapshot8,
             button::kSnapshot9, button::kSnapshot10,
             pad::kPad1, pad::kPad2, pad::kPad3, pad::kPad4,
             pedal::kSustain, pedal::kExpression, pedal::kAuxiliary, pedal::kBreathCtrl };
}

void VT49CtrlPickerComponent::buttonClicked (juce::Button* button)
{
    if (button == shiftButton.get())
    {
        // Clicking the selected control again announces it under the new bank.
        CtrlPickerWidgets::toggleShift (*shiftButton, lastSelected);
        return;
    }

    lastSelected = button;
    sendActionMessage (CtrlPickerWidgets::select (*button, shiftButton->getToggleState()));
}
