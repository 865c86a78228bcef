#include "QTR32CtrlPickerComponent.h"

#include "CtrlPickerWidgets.h"
#include "EarlierPickerWidgets.h"
#include "EarlierPictures.h"
#include "QTR32Controllers.h"

const char* QTR32CtrlPickerComponent::qtr32_picker_png = EarlierPictures::qtr32_picker_png;
const int QTR32CtrlPickerComponent::qtr32_picker_pngSize = EarlierPictures::qtr32_picker_pngSize;

namespace
{
// Over the controls in the picture. Neighbouring sliders, and snapshot
// buttons 6 and 7, overlap by one column: the later row lies on top.
constexpr CtrlPickerWidgets::PickerRow kWidgets[] = {
    { "Modulation Wheel Setting", "0x40", 49, 16, 20, 72 },
    { "Level Setting", "0x30", 119, 21, 26, 24 },
    { "Cutoff Knob Setting", "0x01", 184, 21, 26, 24 },
    { "Reso Knob Setting", "0x02", 218, 21, 26, 24 },
    { "LFO Rate Knob Setting", "0x03", 258, 21, 26, 24 },
    { "LFO Amount Knob Setting", "0x04", 292, 21, 26, 24 },
    { "Key Parameter #1 Knob Setting", "0x05", 333, 21, 26, 24 },
    { "Key Parameter #2 Knob Setting", "0x06", 367, 21, 26, 24 },
    { "Key Parameter #3 Knob Setting", "0x07", 399, 21, 26, 24 },
    { "Key Parameter #4 Knob Setting", "0x08", 433, 21, 26, 24 },
    { "Chorus Mix Knob Setting", "0x09", 474, 21, 26, 24 },
    { "Delay Mix Knob Setting", "0x0A", 508, 21, 26, 24 },
    { "Attack Envelope Slider Setting", "0x0B", 549, 17, 24, 72 },
    { "Delay Envelope Slider Setting", "0x0C", 572, 17, 24, 72 },
    { "Sustain Envelope Slider Setting", "0x0D", 595, 17, 24, 72 },
    { "Release Envelope Slider Setting", "0x0E", 618, 17, 24, 72 },
    { "Preset - Button Setting", "0x10-0x20", 104, 68, 27, 14 },
    { "Preset + Button Setting", "0x11-0x21", 132, 68, 27, 14 },
    { "Snapshot #1 Button Setting", "0x12-0x22", 241, 68, 27, 14 },
    { "Snapshot #2 Button Setting", "0x13-0x23", 268, 68, 27, 14 },
    { "Snapshot #3 Button Setting", "0x14-0x24", 295, 68, 27, 14 },
    { "Snapshot #4 Button Setting", "0x15-0x25", 323, 68, 27, 14 },
    { "Snapshot #5 Button Setting", "0x16-0x26", 350, 68, 27, 14 },
    { "Snapshot #6 Button Setting", "0x17-0x27", 378, 68, 27, 14 },
    { "Snapshot #7 Button Setting", "0x18-0x28", 404, 68, 27, 14 },
    { "Snapshot #8 Button Setting", "0x19-0x29", 432, 68, 27, 14 },
    { "Activate Shift Mode", "Shift", 187, 68, 26, 14, CtrlPickerWidgets::WidgetKind::shift },
    { "Expression Pedal Setting", "0x51", 365, 111, 19, 18 },
    { "Sustain Pedal Setting", "0x50", 403, 111, 19, 18 },
};
} // namespace

QTR32CtrlPickerComponent::QTR32CtrlPickerComponent()
{
    shiftButton = EarlierPickerWidgets::addButtons (*this, *this, kWidgets, widgets);

    pickerImage = juce::ImageCache::getFromMemory (qtr32_picker_png, qtr32_picker_pngSize);

    setSize (645, 134);
}

QTR32CtrlPickerComponent::~QTR32CtrlPickerComponent()
{
    shiftButton = nullptr;

    for (auto& widget : widgets)
        widget.reset();
}

void QTR32CtrlPickerComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    CtrlPickerWidgets::drawPicture (g, pickerImage, 645, 134);
}

void QTR32CtrlPickerComponent::resized()
{
    CtrlPickerWidgets::layOut (widgets, kWidgets);
}

std::set<short> QTR32CtrlPickerComponent::getSupportedControls()
{
    using namespace controllers;

    return { wheel::kMod,
             knob::kLevel,
             knob::kFilterFreq, knob::kFilterReso, knob::kLfoRate, knob::kLfoAmount,
             knob::kKeyParam1, knob::kKeyParam2, knob::kKeyParam3, knob::kKeyParam4,
             knob::kFxChorus, knob::kFxDelay,
             slider::kEnv1A, slider::kEnv1D, slider::kEnv1R, slider::kEnv1S,
             knob::kCatgeoryAdjust, push::kCategory,
             button::kPresetDec, button::kPresetInc,
             button::kSnapshot1, button::kSnapshot2, button::kSnapshot3, button::kSnapshot4,
             button::kSnapshot5, button::kSnapshot6, button::kSnapshot7, button::kSnapshot8,
             button::kSaveSnapshot1, button::kSaveSnapshot2, button::kSaveSnapshot3, button::kSaveSnapshot4,
             button::kSaveSnapshot5, button::kSaveSnapshot6, button::kSaveSnapshot7, button::kSaveSnapshot8,
             pedal::kSustain, pedal::kExpression };
}

void QTR32CtrlPickerComponent::buttonClicked (juce::Button* button)
{
    CtrlPickerWidgets::handleClick (*this, *button, shiftButton, lastSelected);
}
