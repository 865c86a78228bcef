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
using CtrlPickerWidgets::WidgetKind;

// One row per control, over the control in the picture.
constexpr CtrlPickerWidgets::PickerRow kWidgets[] = {
    { "Modulation Wheel Setting", "0x40", 97, 324, 20, 68 },
    { "Level Setting", "0x30", 83, 67, 26, 24, WidgetKind::knob },
    { "Cutoff Knob Setting", "0x01-0x21", 344, 67, 24, 24, WidgetKind::knob },
    { "Reso Knob Setting", "0x02-0x22", 392, 67, 24, 24, WidgetKind::knob },
    { "LFO Rate Knob Setting", "0x03-0x23", 439, 67, 24, 24, WidgetKind::knob },
    { "LFO Amount Knob Setting", "0x04-0x24", 486, 67, 24, 24, WidgetKind::knob },
    { "Key Parameter #1 Knob Setting", "0x05-0x25", 344, 114, 24, 24, WidgetKind::knob },
    { "Key Parameter #2 Knob Setting", "0x06-0x26", 392, 114, 24, 24, WidgetKind::knob },
    { "Key Parameter #3 Knob Setting", "0x07-0x27", 439, 114, 24, 24, WidgetKind::knob },
    { "Key Parameter #4 Knob Setting", "0x08-0x28", 486, 114, 24, 24, WidgetKind::knob },
    { "Chorus Mix Knob Setting", "0x09-0x29", 533, 67, 24, 24, WidgetKind::knob },
    { "Delay Mix Knob Setting", "0x0A-0x2A", 534, 114, 24, 24, WidgetKind::knob },
    { "Attack Envelope Slider Setting", "0x0B-0x2B", 596, 63, 28, 81 },
    { "Delay Envelope Slider Setting", "0x0C-0x2C", 637, 64, 28, 80 },
    { "Sustain Envelope Slider Setting", "0x0D-0x2D", 677, 64, 28, 80 },
    { "Release Envelope Slider Setting", "0x0E-0x2E", 719, 64, 28, 80 },
    { "Snapshot #1 Button Setting", "0x12", 300, 179, 21, 13 },
    { "Snapshot #2 Button Setting", "0x13", 333, 180, 21, 13 },
    { "Snapshot #3 Button Setting", "0x14", 365, 180, 21, 13 },
    { "Snapshot #4 Button Setting", "0x15", 398, 179, 21, 13 },
    { "Snapshot #5 Button Setting", "0x16", 431, 179, 21, 13 },
    { "Snapshot #6 Button Setting", "0x17", 463, 180, 21, 13 },
    { "Snapshot #7 Button Setting", "0x18", 495, 180, 21, 13 },
    { "Snapshot #8 Button Setting", "0x19", 528, 179, 21, 13 },
    { "Expression Pedal Setting", "0x51", 340, 365, 19, 18, WidgetKind::knob },
    { "Sustain Pedal Setting", "0x50", 387, 364, 19, 18, WidgetKind::knob },
    { "Attack Envelope #2 Slider Setting", "0x4B-0x6B", 759, 64, 28, 80 },
    { "Delay Envelope #2 Slider Setting", "0x4C-0x6C", 800, 64, 28, 80 },
    { "Sustain Envelope #2 Slider Setting", "0x4D-0x6D", 840, 64, 28, 80 },
    { "Release Envelope #2 Slider Setting", "0x4E-0x6E", 881, 64, 28, 80 },
    { "Tempo Slider", "0x4F-0x6F", 922, 64, 28, 80 },
    { "Aux Pedal Setting", "0x53", 435, 364, 19, 18, WidgetKind::knob },
    { "Breath Control Setting", "0x52", 470, 376, 11, 10, WidgetKind::knob },
    { "Pad #1 Setting", "0x70", 702, 415, 36, 29 },
    { "Pad #2 Setting", "0x71", 755, 415, 36, 29 },
    { "Pad #3 Setting", "0x72", 809, 415, 36, 29 },
    { "Pad #4 Setting", "0x73", 863, 415, 36, 29 },
    { "Snapshot #9 Button Setting", "0x1A", 561, 180, 21, 13 },
    { "Snapshot #10 Button Setting", "0x1B", 593, 179, 21, 13 },
    { "Play/|| Button Setting", "0x58", 862, 178, 19, 14 },
    { "Stop Button Setting", "0x59", 830, 178, 19, 14 },
    { "Record Button Setting", "0x5A", 894, 178, 19, 14 },
    { "Rewind Button Setting", "0x5B", 764, 178, 19, 14 },
    { "Forward Button Setting", "0x5C", 798, 178, 19, 14 },
    { "Loop Button Setting", "0x5D", 927, 178, 19, 14 },
    { "Bank 1 Button Setting", "0x1D", 303, 72, 16, 14 },
    { "Bank 2 Button Setting", "0x1C", 303, 119, 16, 14 },
    { "Sound Mode Button Setting", "0x1E", 144, 177, 27, 14 },
    { "Multi Mode Button Setting", "0x1F", 186, 177, 27, 14 },
    { "Category Adjust Setting", "0x31", 84, 120, 26, 12 },
    { "Category Select Setting", "0x32", 84, 133, 26, 12 },
    { "Preset Adjust Setting", "0x33", 83, 172, 26, 12 },
    { "Preset Select Setting", "0x34", 83, 185, 26, 12 },
    { "Pad #5 Setting", "0x74", 702, 370, 36, 29 },
    { "Pad #6 Setting", "0x75", 756, 370, 36, 29 },
    { "Pad #7 Setting", "0x76", 809, 369, 36, 29 },
    { "Pad #8 Setting", "0x77", 863, 370, 36, 29 },
    { "Pad #9 Setting", "0x78", 702, 324, 36, 29 },
    { "Pad #10 Setting", "0x79", 755, 324, 36, 29 },
    { "Pad #11 Setting", "0x7A", 810, 324, 36, 29 },
    { "Pad #12 Setting", "0x7B", 863, 323, 36, 29 },
    { "Pad #13 Setting", "0x7C", 702, 278, 36, 29 },
    { "Pad #14 Setting", "0x7D", 755, 278, 36, 29 },
    { "Pad #15 Setting", "0x7E", 809, 278, 36, 29 },
    { "Pad #16 Setting", "0x7F", 863, 279, 36, 29 },
};

const juce::Rectangle<int> kShiftBounds { 294, 150, 32, 8 };
constexpr int kControlRadioGroup = 1;
} // namespace

VT49CtrlPickerComponent::VT49CtrlPickerComponent()
{
    for (const auto& row : kWidgets)
    {
        std::unique_ptr<juce::Button> widget;

        if (row.kind == WidgetKind::knob)
            widget = std::make_unique<QxNCtrlPickerKnob> (juce::String());
        else
            widget = std::make_unique<QxNCtrlPickerButton> (juce::String());

        addAndMakeVisible (*widget);
        CtrlPickerWidgets::setUp (*widget, *this, row.text, row.tooltip);
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
    CtrlPickerWidgets::handleClick (*this, *button, shiftButton.get(), lastSelected);
}
