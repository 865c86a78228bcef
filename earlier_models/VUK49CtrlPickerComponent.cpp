#include "VUK49CtrlPickerComponent.h"

#include "EarlierPictures.h"
#include "QuillaryControllers.h"
#include "QxNCtrlPickerButton.h"

const char* VUK49CtrlPickerComponent::vuk49_picker_png = EarlierPictures::vuk49_picker_png;
const int VUK49CtrlPickerComponent::vuk49_picker_pngSize = EarlierPictures::vuk49_picker_pngSize;

namespace
{
struct ButtonRow
{
    const char* idText;
    const char* tooltip;
    int x, y, w, h;
};

// One row per control, over the control in the picture.
constexpr ButtonRow kButtons[] = {
    { "0x40", "Modulation Wheel Setting", 63, 210, 20, 80 },
    { "0x30", "Level Setting", 20, 25, 26, 24 },
    { "0x01", "Cutoff Knob Setting", 572, 23, 26, 24 },
    { "0x02", "Reso Knob Setting", 619, 23, 26, 24 },
    { "0x03", "LFO Rate Knob Setting", 664, 23, 26, 24 },
    { "0x04", "LFO Amount Knob Setting", 710, 23, 26, 24 },
    { "0x05", "Key Parameter #1 Knob Setting", 571, 74, 26, 24 },
    { "0x06", "Key Parameter #2 Knob Setting", 618, 74, 26, 24 },
    { "0x07", "Key Parameter #3 Knob Setting", 665, 74, 26, 24 },
    { "0x08", "Key Parameter #4 Knob Setting", 710, 74, 26, 24 },
    { "0x09", "Chorus Mix Knob Setting", 757, 23, 26, 24 },
    { "0x0A", "Delay Mix Knob Setting", 758, 73, 26, 24 },
    { "0x0B", "Attack Envelope Slider Setting", 813, 27, 16, 64 },
    { "0x0C", "Delay Envelope Slider Setting", 843, 27, 16, 64 },
    { "0x0D", "Sustain Envelope Slider Setting", 870, 27, 16, 64 },
    { "0x0E", "Release Envelope Slider Setting", 898, 27, 16, 64 },
    { "0x12", "Snapshot #1 Button Setting", 235, 28, 27, 14 },
    { "0x13", "Snapshot #2 Button Setting", 270, 28, 27, 14 },
    { "0x14", "Snapshot #3 Button Setting", 304, 28, 27, 14 },
    { "0x15", "Snapshot #4 Button Setting", 337, 28, 27, 14 },
    { "0x16", "Snapshot #5 Button Setting", 372, 27, 27, 14 },
    { "0x17", "Snapshot #6 Button Setting", 235, 79, 27, 14 },
    { "0x18", "Snapshot #7 Button Setting", 270, 79, 27, 14 },
    { "0x19", "Snapshot #8 Button Setting", 303, 79, 27, 14 },
    { "0x51", "Expression Pedal Setting", 283, 228, 19, 18 },
    { "0x50", "Sustain Pedal Setting", 331, 228, 19, 18 },
    { "0x4B", "Attack Envelope #2 Slider Setting", 925, 26, 16, 64 },
    { "0x4C", "Delay Envelope #2 Slider Setting", 954, 26, 16, 64 },
    { "0x4D", "Sustain Envelope #2 Slider Setting", 982, 26, 16, 64 },
    { "0x4E", "Release Envelope #2 Slider Setting", 1009, 26, 16, 64 },
    { "0x4F", "Tempo Slider", 1037, 26, 16, 64 },
    { "0x53", "Aux Pedal Setting", 377, 228, 19, 18 },
    { "0x52", "Breath Control Setting", 408, 240, 11, 10 },
    { "0x70", "Pad #1 Setting", 750, 206, 48, 48 },
    { "0x71", "Pad #2 Setting", 823, 206, 48, 48 },
    { "0x72", "Pad #3 Setting", 897, 206, 48, 48 },
    { "0x73", "Pad #4 Setting", 970, 205, 48, 48 },
    { "0x1A", "Snapshot #9 Button Setting", 336, 79, 27, 14 },
    { "0x1B", "Snapshot #10 Button Setting", 370, 79, 27, 14 },
    { "0x58", "Host Control #1 Button Setting", 412, 28, 27, 14 },
    { "0x59", "Host Control #2 Button Setting", 445, 28, 27, 14 },
    { "0x5A", "Host Control #3 Button Setting", 479, 28, 27, 14 },
    { "0x5B", "Host Control #4 Button Setting", 410, 79, 27, 14 },
    { "0x5C", "Host Control #5 Button Setting", 445, 79, 27, 14 },
    { "0x5D", "Host Control #6 Button Setting", 479, 79, 27, 14 },
    { "0x1D", "Upper Panel Button Setting", 520, 28, 27, 14 },
    { "0x1C", "Lower Panel Button Setting", 519, 79, 27, 14 },
    { "0x1E", "Sound Mode Button Setting", 18, 78, 27, 14 },
    { "0x1F", "Scene Mode Button Setting", 53, 78, 27, 14 },
    { "0x31", "Category Adjust Setting", 139, 75, 26, 12 },
    { "0x32", "Category Select Setting", 139, 88, 26, 12 },
    { "0x33", "Preset Adjust Setting", 185, 75, 26, 12 },
    { "0x34", "Preset Select Setting", 185, 88, 26, 12 },
};

constexpr int kPictureWidth = 1063;
constexpr int kPictureHeight = 317;
constexpr int kControlRadioGroup = 1;

// The breath-control socket, under its own (transparent) button.
const juce::Rectangle<float> kBreathDot { 408.0f, 240.0f, 11.0f, 10.0f };
} // namespace

VUK49CtrlPickerComponent::VUK49CtrlPickerComponent()
{
    for (const auto& row : kButtons)
    {
        auto button = std::make_unique<QxNCtrlPickerButton> (juce::String());
        addAndMakeVisible (*button);
        button->setTooltip (row.tooltip);
        button->setButtonText (row.idText);
        button->setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight);
        button->setRadioGroupId (kControlRadioGroup);
        button->addListener (this);
        button->setColour (juce::TextButton::buttonColourId, juce::Colour (0x40ffffff));
        button->setColour (juce::TextButton::buttonOnColourId, juce::Colour (0x40ffffff));
        button->setColour (juce::TextButton::textColourOnId, juce::Colours::red);
        controls.push_back (std::move (button));
    }

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

    g.setColour (juce::Colours::black);
    g.drawImage (pickerImage, 0, 0, kPictureWidth, kPictureHeight,
                 0, 0, pickerImage.getWidth(), pickerImage.getHeight(), false);

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
    for (size_t i = 0; i < controls.size(); ++i)
    {
        const auto& row = kButtons[i];
        controls[i]->setBounds (row.x, row.y, row.w, row.h);
    }
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
    lastSelected = button;
    button->setToggleState (true, juce::dontSendNotification);

    // The same rule as the Orlune picker's with Shift off; no text here has a second id.
    sendActionMessage (button->getButtonText().upToFirstOccurrenceOf ("-", false, false));
}
