#include "OrluneDescriptors.h"

#include "OrluneControllers.h"

namespace
{
struct DescriptorRow
{
    juce::int16 id;
    const char* name;
    juce::int16 number;
};

using namespace controllers;

constexpr DescriptorRow kRows[] = {
    { wheel::kPitch, "Pitch Wheel", 0 },
    { wheel::kMod, "Modulation Wheel", 1 },
    { wheel::kExtra, "Joystick Down / Extra Wheel", 2 },
    { knob::kLevel, "Level", 7 },
    { knob::kFilterFreq, "Bnk1:P1 - Cutoff", 74 },
    { knob::kFilterReso, "Bnk1:P2 - Reso", 71 },
    { knob::kLfoRate, "Bnk1:P3 - LFO Rate", 76 },
    { knob::kLfoAmount, "Bnk1:P4 - LFO Amt", 77 },
    { knob::kKeyParam1, "Bnk1:P6 - Param 1", 18 },
    { knob::kKeyParam2, "Bnk1:P7 - Param 2", 19 },
    { knob::kKeyParam3, "Bnk1:P8 - Param 3", 16 },
    { knob::kKeyParam4, "Bnk1:P9 - Param 4", 17 },
    { knob::kFxChorus, "Bnk1:P5 - Chorus", 93 },
    { knob::kFxDelay, "Bnk1:P10 - Delay", 91 },
    { slider::kEnv1A, "Bnk1:F1 - FILT. A", 73 },
    { slider::kEnv1D, "Bnk1:F2 - FILT. D", 75 },
    { slider::kEnv1S, "Bnk1:F3 - FILT. S", 79 },
    { slider::kEnv1R, "Bnk1:F4 - FILT. R", 72 },
    { slider::kEnv2A, "Bnk1:F5 - AMP. A", 80 },
    { slider::kEnv2D, "Bnk1:F6 - AMP. D", 81 },
    { slider::kEnv2S, "Bnk1:F7 - AMP. S", 82 },
    { slider::kEnv2R, "Bnk1:F8 - AMP. R", 83 },
    { slider::kTempo, "Bnk1:F9", 72 },
    { knob::k2FilterFreq, "Bnk2:P1", 35 },
    { knob::k2FilterReso, "Bnk2:P2", 36 },
    { knob::k2LfoRate, "Bnk2:P3", 37 },
    { knob::k2LfoAmount, "Bnk2:P4", 38 },
    { knob::k2FxChorus, "Bnk2:P5", 39 },
    { knob::k2KeyParam1, "Bnk2:P6", 40 },
    { knob::k2KeyParam2, "Bnk2:P7", 41 },
    { knob::k2KeyParam3, "Bnk2:P8", 42 },
    { knob::k2KeyParam4, "Bnk2:P9", 43 },
    { knob::k2FxDelay, "Bnk2:P10", 44 },
    { slider::k2Env1A, "Bnk2:F1", 67 },
    { slider::k2Env1D, "Bnk2:F2", 68 },
    { slider::k2Env1S, "Bnk2:F3", 69 },
    { slider::k2Env1R, "Bnk2:F4", 70 },
    { slider::k2Env2A, "Bnk2:F5", 87 },
    { slider::k2Env2D, "Bnk2:F6", 88 },
    { slider::k2Env2S, "Bnk2:F7", 89 },
    { slider::k2Env2R, "Bnk2:F8", 90 },
    { slider::k2Tempo, "Bnk2:F9", 92 },
    { knob::kCatgeoryAdjust, "Category Adjust", 112 },
    { push::kCategory, "Category Select", 113 },
    { knob::kPresetAdjust, "Preset Adjust", 114 },
    { push::kPreset, "Preset Select", 115 },
    { button::kPanelLower, "Bank 2", 46 },
    { button::kPanelUpper, "Bank 1", 47 },
    { button::kModeSound, "Sound", 118 },
    { button::kModeScene, "Multi", 119 },
    { button::kHostControl1, "Play/||", 54 },
    { button::kHostControl2, "Stop", 51 },
    { button::kHostControl3, "Record", 50 },
    { button::kHostControl4, "Rewind", 53 },
    { button::kHostControl5, "Forward", 52 },
    { button::kHostControl6, "Loop", 55 },
    { button::kSnapshot1, "Switch 1", 22 },
    { button::kSnapshot2, "Switch 2", 23 },
    { button::kSnapshot3, "Switch 3", 24 },
    { button::kSnapshot4, "Switch 4", 25 },
    { button::kSnapshot5, "Switch 5", 26 },
    { button::kSnapshot6, "Switch 6", 27 },
    { button::kSnapshot7, "Switch 7", 28 },
    { button::kSnapshot8, "Switch 8", 29 },
    { button::kSnapshot9, "Switch 9", 30 },
    { button::kSnapshot10, "Switch 10", 31 },
    { pad::kPad1, "Pad 1", 36 },
    { pad::kPad2, "Pad 2", 37 },
    { pad::kPad3, "Pad 3", 38 },
    { pad::kPad4, "Pad 4", 39 },
    { pad::kPad5, "Pad 5", 40 },
    { pad::kPad6, "Pad 6", 41 },
    { pad::kPad7, "Pad 7", 42 },
    { pad::kPad8, "Pad 8", 43 },
    { pad::kPad9, "Pad 9", 44 },
    { pad::kPad10, "Pad 10", 45 },
    { pad::kPad11, "Pad 11", 46 },
    { pad::kPad12, "Pad 12", 47 },
    { pad::kPad13, "Pad 13", 48 },
    { pad::kPad14, "Pad 14", 49 },
    { pad::kPad15, "Pad 15", 50 },
    { pad::kPad16, "Pad 16", 51 },
    { pedal::kSustain, "Sustain Pedal", 64 },
    { pedal::kExpression, "Expression Pedal", 11 },
    { pedal::kAuxiliary, "Aux Pedal", 12 },
    { pedal::kBreathCtrl, "Breath Control", 2 },
};

// The pads play notes on MIDI channel 10 by default; everything else uses channel 1.
constexpr juce::int16 kPadChannel = 9;

bool isPad (juce::int16 id)
{
    return id >= pad::kPad1 && id <= pad::kPad16;
}
} // namespace

std::map<short, KbdCtrlDescriptor> getOrluneDescriptors()
{
    std::map<short, KbdCtrlDescriptor> descriptors;

    for (const auto& row : kRows)
        descriptors[row.id] = KbdCtrlDescriptor { row.name, 1, 0,
                                                  isPad (row.id) ? kPadChannel : juce::int16 (0),
                                                  row.number, false };
    return descriptors;
}
