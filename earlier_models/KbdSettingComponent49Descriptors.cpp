#include "KbdSettingComponent49.h"

#include "QuillaryControllers.h"

namespace
{
struct ChannelDescriptorRow
{
    juce::int16 id;
    const char* name;
    juce::int16 number;
    juce::int16 channel = 0;
};

using namespace controllers;

constexpr juce::int16 drumChannel = 9;

constexpr ChannelDescriptorRow kRows[] = {
    { wheel::kPitch, "Pitch Wheel", 0 },
    { wheel::kMod, "Modulation Wheel", 1 },
    { wheel::kExtra, "Joystick Down / Extra Wheel", 2 },
    { knob::kLevel, "Level", 7 },
    { knob::kFilterFreq, "Filter Cutoff", 74 },
    { knob::kFilterReso, "Filter Resonance", 71 },
    { knob::kLfoRate, "LFO Rate", 76 },
    { knob::kLfoAmount, "LFO Amount", 77 },
    { knob::kKeyParam1, "Key Parameter #1", 18 },
    { knob::kKeyParam2, "Key Parameter #2", 19 },
    { knob::kKeyParam3, "Key Parameter #3", 16 },
    { knob::kKeyParam4, "Key Parameter #4", 17 },
    { knob::kFxChorus, "FX Mix Chorus", 93 },
    { knob::kFxDelay, "FX Mix Delay", 91 },
    { slider::kEnv1A, "Envelope A", 73 },
    { slider::kEnv1D, "Envelope D", 75 },
    { slider::kEnv1S, "Envelope S", 79 },
    { slider::kEnv1R, "Envelope R", 72 },
    { slider::kEnv2A, "Envelope #2 A", 80 },
    { slider::kEnv2D, "Envelope #2 D", 81 },
    { slider::kEnv2S, "Envelope #2 S", 82 },
    { slider::kEnv2R, "Envelope #2 R", 83 },
    { slider::kTempo, "Tempo", 72 },
    { knob::kCatgeoryAdjust, "Category Adjust", 112 },
    { push::kCategory, "Category Select", 113 },
    { knob::kPresetAdjust, "Preset Adjust", 114 },
    { push::kPreset, "Preset Select", 115 },
    { button::kPanelLower, "Lower Panel", 46 },
    { button::kPanelUpper, "Upper Panel", 47 },
    { button::kModeSound, "Sound Mode", 118 },
    { button::kModeScene, "Scene Mode", 119 },
    { button::kHostControl1, "Host Control #1", 50 },
    { button::kHostControl2, "Host Control #2", 51 },
    { button::kHostControl3, "Host Control #3", 52 },
    { button::kHostControl4, "Host Control #4", 53 },
    { button::kHostControl5, "Host Control #5", 54 },
    { button::kHostControl6, "Host Control #6", 55 },
    { button::kSnapshot1, "Snapshot #1", 22 },
    { button::kSnapshot2, "Snapshot #2", 23 },
    { button::kSnapshot3, "Snapshot #3", 24 },
    { button::kSnapshot4, "Snapshot #4", 25 },
    { button::kSnapshot5, "Snapshot #5", 26 },
    { button::kSnapshot6, "Snapshot #6", 27 },
    { button::kSnapshot7, "Snapshot #7", 28 },
    { button::kSnapshot8, "Snapshot #8", 29 },
    { button::kSnapshot9, "Snapshot #9", 30 },
    { button::kSnapshot10, "Snapshot #10", 31 },
    // All four pads play note 22 on the drum channel.
    { pad::kPad1, "Pad #1", 22, drumChannel },
    { pad::kPad2, "Pad #2", 22, drumChannel },
    { pad::kPad3, "Pad #3", 22, drumChannel },
    { pad::kPad4, "Pad #4", 22, drumChannel },
    { pedal::kSustain, "Sustain Pedal", 64 },
    { pedal::kExpression, "Expression Pedal", 11 },
    { pedal::kAuxiliary, "Aux Pedal", 12 },
    { pedal::kBreathCtrl, "Breath Control", 2 },
};
} // namespace

std::map<short, KbdCtrlDescriptor> KbdSettingComponent49::getAllDescriptors()
{
    std::map<short, KbdCtrlDescriptor> map;

    for (const auto& row : kRows)
        map[row.id] = KbdCtrlDescriptor { row.name, 1, 0, row.channel, row.number, false };

    return map;
}
