#include "VUK49CtrlPickerComponent.h"

#include "CtrlPickerWidgets.h"
#include "EarlierPickerWidgets.h"
#include "EarlierPictures.h"
#include "QuillaryControllers.h"

const char* VUK49CtrlPickerComponent::vuk49_picker_png = EarlierPictures::vuk49_picker_png;
const int VUK49CtrlPickerComponent::vuk49_picker_pngSize = EarlierPictures::vuk49_picker_pngSize;

namespace
{
// One row per control, over the control in the picture.
constexpr CtrlPickerWidgets::PickerRow kButtons[] = {
    { "Modulation Wheel Setting", "0x40", 63, 210, 20, 80 },
    { "Level Setting", "0x30", 20, 25, 26, 24 },
    { "Cutoff Knob Setting", "0x01", 572, 23, 26, 24 },
    { "Reso Knob Setting", "0x02", 619, 23, 26, 24 },
    { "LFO Rate Knob Setting", "0x03", 664, 23, 26, 24 },
    { "LFO Amount Knob Setting", "0x04", 710, 23, 26, 24 },
    { "Key Parameter #1 Knob Setting", "0x05", 571, 74, 26, 24 },
    { "Key Parameter #2 Knob Setting", "0x06", 618, 74, 26, 24 },
    { "Key Parameter #3 Knob Setting", "0x07", 665, 74, 26, 24 },
    { "Key Parameter #4 Knob Setting", "0x08", 710, 74, 26, 24 },
    { "Chorus Mix Knob Setting", "0x09", 757, 23, 26, 24 },
    { "Delay Mix Knob Setting", "0x0A", 758, 73, 26, 24 },
    { "Attack Envelope Slider Setting", "0x0B", 813, 27, 16, 64 },
    { "Delay Envelope Slider Setting", "0x0C", 843, 27, 16, 64 },
    { "Sustain Envelope Slider Setting", "0x0D", 870, 27, 16, 64 },
    { "Release Envelope Slider Setting", "0x0E", 898, 27, 16, 64 },
    { "Snapshot #1 Button Setting", "0x12", 235, 28, 27, 14 },
    { "Snapshot #2 Button Setting", "0x13", 270, 28, 27, 14 },
    { "Snapshot #3 Button Setting", "0x14", 304, 28, 27, 14 },
    { "Snapshot #4 Button Setting", "0x15", 337, 28, 27, 14 },
    { "Snapshot #5 Button Setting", "0x16", 372, 27, 27, 14 },
    { "Snapshot #6 Button Setting", "0x17", 235, 79, 27, 14 },
    { "Snapshot #7 Button Setting", "0x18", 270, 79, 27, 14 },
    { "Snapshot #8 Button Setting", "0x19", 303, 79, 27, 14 },
    { "Expression Pedal Setting", "0x51", 283, 228, 19, 18 },
    { "Sustain Pedal Setting", "0x50", 331, 228, 19, 18 },
    { "Attack Envelope #2 Slider Setting", "0x4B", 925, 26, 16, 64 },
    { "Delay Envelope #2 Slider Setting", "0x4C", 954, 26, 16, 64 },
    { "Sustain Envelope #2 Slider Setting", "0x4D", 982, 26, 16, 64 },
    { "Release Envelope #2 Slider Setting", "0x4E", 1009, 26, 16, 64 },
    { "Tempo Slider", "0x4F", 1037, 26, 16, 64 },
    { "Aux Pedal Setting", "0x53", 377, 228, 19, 18 },
    { "Breath Control Setting", "0x52", 408, 240, 11, 10 },
    { "Pad #1 Setting", "0x70", 750, 206, 48, 48 },
    { "Pad #2 Setting", "0x71", 823, 206, 48, 48 },
    { "Pad #3 Setting", "0x72", 897, 206, 48, 48 },
    { "Pad #4 Setting", "0x73", 970, 205, 48, 48 },
    { "Snapshot #9 Button Setting", "0x1A", 336, 79, 27, 14 },
    { "Snapshot #10 Button Setting", "0x1B", 370, 79, 27, 14 },
    { "Host Control #1 Button Setting", "0x58", 412, 28, 27, 14 },
    { "Host Control #2 Button Setting", "0x59", 445, 28, 27, 14 },
    { "Host Control #3 Button Setting", "0x5A", 479, 28, 27, 14 },
    { "Host Control #4 Button Setting", "0x5B", 410, 79, 27, 14 },
    { "Host Control #5 Button Setting", "0x5C", 445, 79, 27, 14 },
    { "Host Control #6 Button Setting", "0x5D", 479, 79, 27, 14 },
    { "Upper Panel Button Setting", "0x1D", 520, 28, 27, 14 },
    { "Lower Panel Button Setting", "0x1C", 519, 79, 27, 14 },
    { "Sound Mode Button Setting", "0x1E", 18, 78, 27, 14 },
    { "Scene Mode Button Setting", "0x1F", 53, 78, 27, 14 },
    { "Category Adjust Setting", "0x31", 139, 75, 26, 12 },
    { "Category Select Setting", "0x32", 139, 88, 26, 12 },
    { "Preset Adjust Setting", "0x33", 185, 75, 26, 12 },
    { "Preset Select Setting", "0x34", 185, 88, 26, 12 },
};

constexpr int kPictureWidth = 1063;
constexpr int kPictureHeight = 317;

// The breath-control socket, under its own (transparent) button.
const juce::Rectangle<float> kBreathDot { 408.0f, 240.0f, 11.0f, 10.0f };
} // namespace

VUK49CtrlPickerComponent::VUK49CtrlPickerComponent()
{
    // No row is a Shift button.
    EarlierPickerWidgets::addButtons (*this, *this, kButtons, controls);

    pickerImage = juce::ImageCache::getFromMemory (vuk49_picker_png, vuk49_picker_pngSize);

    setSize (kPictureWidth, kPictureHeight);
}

VUK49CtrlPickerComponent::~VUK49CtrlPickerComponent()
{
    for (auto& button : controls)
        button.reset();
}

void VUK49CtrlPickerComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);

    CtrlPickerWidgets::drawPicture (g, pickerImage, kPictureWidth, kPictureHeight);

    g.setColour (juce::Colours::black);
    g.setFont (juce::Font (15.0f));
    g.drawText ("Back Panel", 151, 278, 454, 30, juce::Justification::centred, true);

    g.setColour (juce::Colours::black);
    g.setFont (juce::Font (15.0f));
    g.drawText ("Drum Pads", 729, 278, 305, 30, juce::Justification::centred, true);

    g.setColour (juce::Colour (0xff1d1d1d));
    g.fillEllipse (kBreathDot);
}

void VUK49CtrlPickerComponent::resized()
{
    CtrlPickerWidgets::layOut (controls, kButtons);
}

std::set<short> VUK49CtrlPickerComponent::getSupportedControls()
{
    using namespace controllers;

    return { wheel::kMod,
             knob::kLevel,
             knob::kFilterFreq, knob::kFilterReso, knob::kLfoRate, knob::kLfoAmount,
             knob::kKeyParam1, knob::kKeyParam2, knob::kKeyParam3, knob::kKeyParam4,
             knob::kFxChorus, knob::kFxDelay,
             slider::kEnv1A, slider::kEnv1D, slider::kEnv1S, slider::kEnv1R,
             slider::kEnv2A, slider::kEnv2D, slider::kEnv2S, slider::kEnv2R,
             slider::kTempo,
             knob::kCatgeoryAdjust, push::kCategory, knob::kPresetAdjust, push::kPreset,
             button::kPresetDec, button::kPresetInc,
             button::kSnapshot1, button::kSnapshot2, button::kSnapshot3, button::kSnapshot4,
             button::kSnapshot5, button::kSnapshot6, button::kSnapshot7, button::kSnapshot8,
             button::kSnapshot9, button::kSnapshot10,
             pad::kPad1, pad::kPad2, pad::kPad3, pad::kPad4,
             pedal::kSustain, pedal::kExpression, pedal::kBreathCtrl, pedal::kAuxiliary };
}

void VUK49CtrlPickerComponent::buttonClicked (juce::Button* button)
{
    CtrlPickerWidgets::handleClick (*this, *button, nullptr, lastSelected);
}
