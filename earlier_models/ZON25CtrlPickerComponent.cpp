#include "ZON25CtrlPickerComponent.h"

#include "CtrlPickerWidgets.h"
#include "EarlierPickerWidgets.h"
#include "EarlierPictures.h"
#include "ZON25Controllers.h"

const char* ZON25CtrlPickerComponent::zon25_picker_png = EarlierPictures::zon25_picker_png;
const int ZON25CtrlPickerComponent::zon25_picker_pngSize = EarlierPictures::zon25_picker_pngSize;

namespace
{
// Over the controls in the picture; the two joystick widgets touch at y 32.
// The four knobs carry their envelope id for Shift.
constexpr CtrlPickerWidgets::PickerRow kWidgets[] = {
    { "Joystick Up - Modulation Wheel Setting", "0x40", 64, 0, 24, 32 },
    { "Level Setting", "0x30", 222, 25, 26, 24 },
    { "Cutoff Knob Setting/Attack", "0x01-0x0B", 274, 25, 26, 24 },
    { "Reso Knob Setting/Decay", "0x02-0x0C", 312, 24, 26, 24 },
    { "Chorus Mix Knob Setting/Sustain", "0x09-0x0D", 353, 25, 26, 24 },
    { "Delay Mix Knob Setting/Release", "0x0A-0x0E", 392, 24, 26, 24 },
    { "Preset - Button Setting", "0x10-0x20", 136, 30, 27, 14 },
    { "Preset + Button Setting", "0x11-0x21", 170, 30, 27, 14 },
    { "Snapshot #1 Button Setting", "0x12-0x22", 441, 31, 27, 14 },
    { "Snapshot #2 Button Setting", "0x13-0x23", 475, 31, 27, 14 },
    { "Snapshot #3 Button Setting", "0x14-0x24", 508, 31, 27, 14 },
    { "Snapshot #4 Button Setting", "0x15-0x25", 542, 31, 27, 14 },
    { "Activate Shift Mode", "Shift", 581, 30, 26, 14, CtrlPickerWidgets::WidgetKind::shift },
    { "Sustain Pedal Setting", "0x50", 358, 102, 19, 18 },
    { "Joystick Down - Extra Wheel Setting", "0x42", 64, 32, 24, 32 },
};
} // namespace

ZON25CtrlPickerComponent::ZON25CtrlPickerComponent()
{
    shiftButton = EarlierPickerWidgets::addButtons (*this, *this, kWidgets, widgets);

    pickerImage = juce::ImageCache::getFromMemory (zon25_picker_png, zon25_picker_pngSize);

    setSize (645, 134);
}

ZON25CtrlPickerComponent::~ZON25CtrlPickerComponent()
{
    shiftButton = nullptr;

    for (auto& widget : widgets)
        widget.reset();
}

void ZON25CtrlPickerComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    CtrlPickerWidgets::drawPicture (g, pickerImage, 645, 134);
}

void ZON25CtrlPickerComponent::resized()
{
    CtrlPickerWidgets::layOut (widgets, kWidgets);
}

std::set<short> ZON25CtrlPickerComponent::getSupportedControls()
{
    using namespace controllers;

    return { wheel::kMod, wheel::kExtra,
             knob::kLevel,
             knob::kFilterFreq, knob::kFilterReso, knob::kFxChorus, knob::kFxDelay,
             slider::kEnv1A, slider::kEnv1D, slider::kEnv1R, slider::kEnv1S,
             knob::kCatgeoryAdjust, push::kCategory,
             button::kPresetDec, button::kPresetInc,
             button::kSnapshot1, button::kSnapshot2, button::kSnapshot3, button::kSnapshot4,
             button::kSaveSnapshot1, button::kSaveSnapshot2, button::kSaveSnapshot3, button::kSaveSnapshot4,
             pedal::kSustain };
}

void ZON25CtrlPickerComponent::buttonClicked (juce::Button* button)
{
    CtrlPickerWidgets::handleClick (*this, *button, shiftButton, lastSelected);
}
