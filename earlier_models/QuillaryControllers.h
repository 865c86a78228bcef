#pragma once

#include <juce_core/juce_core.h>

/** The item ids of the earlier 49-key keyboard's physical controls, one
    sub-namespace per kind. This is that model's own copy of the `controllers`
    names: never include it in one file together with another model's copy. */
namespace controllers
{
namespace wheel
{
    constexpr juce::int16 kPitch = 0x41;
    constexpr juce::int16 kMod = 0x40;
    constexpr juce::int16 kExtra = 0x42;
}

namespace knob
{
    constexpr juce::int16 kLevel = 0x30;
    constexpr juce::int16 kFilterFreq = 0x01;
    constexpr juce::int16 kFilterReso = 0x02;
    constexpr juce::int16 kLfoRate = 0x03;
    constexpr juce::int16 kLfoAmount = 0x04;
    constexpr juce::int16 kKeyParam1 = 0x05;
    constexpr juce::int16 kKeyParam2 = 0x06;
    constexpr juce::int16 kKeyParam3 = 0x07;
    constexpr juce::int16 kKeyParam4 = 0x08;
    constexpr juce::int16 kFxChorus = 0x09;
    constexpr juce::int16 kFxDelay = 0x0A;
    constexpr juce::int16 kCatgeoryAdjust = 0x31;
    constexpr juce::int16 kPresetAdjust = 0x33;
}

namespace slider
{
    constexpr juce::int16 kEnv1A = 0x0B;
    constexpr juce::int16 kEnv1D = 0x0C;
    constexpr juce::int16 kEnv1S = 0x0D;
    constexpr juce::int16 kEnv1R = 0x0E;
    constexpr juce::int16 kEnv2A = 0x4B;
    constexpr juce::int16 kEnv2D = 0x4C;
    constexpr juce::int16 kEnv2S = 0x4D;
    constexpr juce::int16 kEnv2R = 0x4E;
    constexpr juce::int16 kTempo = 0x4F;
}

namespace push
{
    constexpr juce::int16 kCategory = 0x32;
    constexpr juce::int16 kPreset = 0x34;
}

namespace button
{
    constexpr juce::int16 kPresetDec = 0x20;
    constexpr juce::int16 kPresetInc = 0x21;
    constexpr juce::int16 kPanelLower = 0x1C;
    constexpr juce::int16 kPanelUpper = 0x1D;
    constexpr juce::int16 kModeSound = 0x1E;
    constexpr juce::int16 kModeScene = 0x1F;
    constexpr juce::int16 kHostControl1 = 0x58;
    constexpr juce::int16 kHostControl2 = 0x59;
    constexpr juce::int16 kHostControl3 = 0x5A;
    constexpr juce::int16 kHostControl4 = 0x5B;
    constexpr juce::int16 kHostControl5 = 0x5C;
    constexpr juce::int16 kHostControl6 = 0x5D;
    constexpr juce::int16 kSnapshot1 = 0x12;
    constexpr juce::int16 kSnapshot2 = 0x13;
    constexpr juce::int16 kSnapshot3 = 0x14;
    constexpr juce::int16 kSnapshot4 = 0x15;
    constexpr juce::int16 kSnapshot5 = 0x16;
    constexpr juce::int16 kSnapshot6 = 0x17;
    constexpr juce::int16 kSnapshot7 = 0x18;
    constexpr juce::int16 kSnapshot8 = 0x19;
    constexpr juce::int16 kSnapshot9 = 0x1A;
    constexpr juce::int16 kSnapshot10 = 0x1B;
}

namespace pad
{
    constexpr juce::int16 kPad1 = 0x70;
    constexpr juce::int16 kPad2 = 0x71;
    constexpr juce::int16 kPad3 = 0x72;
    constexpr juce::int16 kPad4 = 0x73;
}

namespace pedal
{
    constexpr juce::int16 kSustain = 0x50;
    constexpr juce::int16 kExpression = 0x51;
    constexpr juce::int16 kBreathCtrl = 0x52;
    constexpr juce::int16 kAuxiliary = 0x53;
}
} // namespace controllers
