#pragma once

#include <juce_core/juce_core.h>

/** The item ids of the Orlune's physical controls, one sub-namespace per kind.
    The same id may name another control on another keyboard model. */
namespace controllers
{
namespace wheel
{
    constexpr juce::int16 kPitch = 65;
    constexpr juce::int16 kMod = 64;
    constexpr juce::int16 kExtra = 66;
}

namespace knob
{
    constexpr juce::int16 kLevel = 48;
    constexpr juce::int16 kFilterFreq = 1;
    constexpr juce::int16 kFilterReso = 2;
    constexpr juce::int16 kLfoRate = 3;
    constexpr juce::int16 kLfoAmount = 4;
    constexpr juce::int16 kKeyParam1 = 5;
    constexpr juce::int16 kKeyParam2 = 6;
    constexpr juce::int16 kKeyParam3 = 7;
    constexpr juce::int16 kKeyParam4 = 8;
    constexpr juce::int16 kFxChorus = 9;
    constexpr juce::int16 kFxDelay = 10;
    constexpr juce::int16 k2FilterFreq = 33;
    constexpr juce::int16 k2FilterReso = 34;
    constexpr juce::int16 k2LfoRate = 35;
    constexpr juce::int16 k2LfoAmount = 36;
    constexpr juce::int16 k2KeyParam1 = 37;
    constexpr juce::int16 k2KeyParam2 = 38;
    constexpr juce::int16 k2KeyParam3 = 39;
    constexpr juce::int16 k2KeyParam4 = 40;
    constexpr juce::int16 k2FxChorus = 41;
    constexpr juce::int16 k2FxDelay = 42;
    constexpr juce::int16 kCatgeoryAdjust = 49;
    constexpr juce::int16 kPresetAdjust = 51;
}

namespace slider
{
    constexpr juce::int16 kEnv1A = 11;
    constexpr juce::int16 kEnv1D = 12;
    constexpr juce::int16 kEnv1S = 13;
    constexpr juce::int16 kEnv1R = 14;
    constexpr juce::int16 kEnv2A = 75;
    constexpr juce::int16 kEnv2D = 76;
    constexpr juce::int16 kEnv2S = 77;
    constexpr juce::int16 kEnv2R = 78;
    constexpr juce::int16 kTempo = 79;
    constexpr juce::int16 k2Env1A = 43;
    constexpr juce::int16 k2Env1D = 44;
    constexpr juce::int16 k2Env1S = 45;
    constexpr juce::int16 k2Env1R = 46;
    constexpr juce::int16 k2Env2A = 107;
    constexpr juce::int16 k2Env2D = 108;
    constexpr juce::int16 k2Env2S = 109;
    constexpr juce::int16 k2Env2R = 110;
    constexpr juce::int16 k2Tempo = 111;
}

namespace push
{
    constexpr juce::int16 kCategory = 50;
    constexpr juce::int16 kPreset = 52;
}

namespace button
{
    // The preset step buttons; 0x21 is also the bank-2 id of the cutoff knob.
    constexpr juce::int16 kPresetDec = 0x20;
    constexpr juce::int16 kPresetInc = 0x21;
    constexpr juce::int16 kPanelLower = 28;
    constexpr juce::int16 kPanelUpper = 29;
    constexpr juce::int16 kModeSound = 30;
    constexpr juce::int16 kModeScene = 31;
    constexpr juce::int16 kHostControl1 = 88;
    constexpr juce::int16 kHostControl2 = 89;
    constexpr juce::int16 kHostControl3 = 90;
    constexpr juce::int16 kHostControl4 = 91;
    constexpr juce::int16 kHostControl5 = 92;
    constexpr juce::int16 kHostControl6 = 93;
    constexpr juce::int16 kSnapshot1 = 18;
    constexpr juce::int16 kSnapshot2 = 19;
    constexpr juce::int16 kSnapshot3 = 20;
    constexpr juce::int16 kSnapshot4 = 21;
    constexpr juce::int16 kSnapshot5 = 22;
    constexpr juce::int16 kSnapshot6 = 23;
    constexpr juce::int16 kSnapshot7 = 24;
    constexpr juce::int16 kSnapshot8 = 25;
    constexpr juce::int16 kSnapshot9 = 26;
    constexpr juce::int16 kSnapshot10 = 27;
}

namespace pad
{
    constexpr juce::int16 kPad1 = 112;
    constexpr juce::int16 kPad2 = 113;
    constexpr juce::int16 kPad3 = 114;
    constexpr juce::int16 kPad4 = 115;
    constexpr juce::int16 kPad5 = 116;
    constexpr juce::int16 kPad6 = 117;
    constexpr juce::int16 kPad7 = 118;
    constexpr juce::int16 kPad8 = 119;
    constexpr juce::int16 kPad9 = 120;
    constexpr juce::int16 kPad10 = 121;
    constexpr juce::int16 kPad11 = 122;
    constexpr juce::int16 kPad12 = 123;
    constexpr juce::int16 kPad13 = 124;
    constexpr juce::int16 kPad14 = 125;
    constexpr juce::int16 kPad15 = 126;
    constexpr juce::int16 kPad16 = 127;
}

namespace pedal
{
    constexpr juce::int16 kSustain = 80;
    constexpr juce::int16 kExpression = 81;
    constexpr juce::int16 kAuxiliary = 83;
    constexpr juce::int16 kBreathCtrl = 82;
}
} // namespace controllers
