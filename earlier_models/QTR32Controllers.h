#pragma once

#include <juce_core/juce_core.h>

/** The item ids of the 32-key keyboard's physical controls, one sub-namespace
    per kind. Every model has its own copy of these names, with ids that may
    name other controls elsewhere (0x21 is a filter knob on the Orlune), so a
    source file includes only one model's header. */
namespace controllers
{
namespace wheel
{
    constexpr juce::int16 kMod = 0x40;
}

namespace knob
{
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
    constexpr juce::int16 kLevel = 0x30;
    constexpr juce::int16 kCatgeoryAdjust = 0x31;
}

namespace slider
{
    constexpr juce::int16 kEnv1A = 0x0B;
    constexpr juce::int16 kEnv1D = 0x0C;
    constexpr juce::int16 kEnv1S = 0x0D;
    constexpr juce::int16 kEnv1R = 0x0E;
}

namespace push
{
    constexpr juce::int16 kCategory = 0x32;
}

namespace button
{
    constexpr juce::int16 kSnapshot1 = 0x12;
    constexpr juce::int16 kSnapshot2 = 0x13;
    constexpr juce::int16 kSnapshot3 = 0x14;
    constexpr juce::int16 kSnapshot4 = 0x15;
    constexpr juce::int16 kSnapshot5 = 0x16;
    constexpr juce::int16 kSnapshot6 = 0x17;
    constexpr juce::int16 kSnapshot7 = 0x18;
    constexpr juce::int16 kSnapshot8 = 0x19;
    constexpr juce::int16 kPresetDec = 0x20;
    constexpr juce::int16 kPresetInc = 0x21;
    constexpr juce::int16 kSaveSnapshot1 = 0x22;
    constexpr juce::int16 kSaveSnapshot2 = 0x23;
    constexpr juce::int16 kSaveSnapshot3 = 0x24;
    constexpr juce::int16 kSaveSnapshot4 = 0x25;
    constexpr juce::int16 kSaveSnapshot5 = 0x26;
    constexpr juce::int16 kSaveSnapshot6 = 0x27;
    constexpr juce::int16 kSaveSnapshot7 = 0x28;
    constexpr juce::int16 kSaveSnapshot8 = 0x29;
}

namespace pedal
{
    constexpr juce::int16 kSustain = 0x50;
    constexpr juce::int16 kExpression = 0x51;
}
} // namespace controllers
