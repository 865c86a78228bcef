#pragma once

#include <juce_core/juce_core.h>

/** The item ids of the 25-key keyboard's physical controls, one sub-namespace
    per kind. Every model has its own copy of these names, with ids that may
    name other controls elsewhere, so a source file includes only one model's
    header. */
namespace controllers
{
namespace wheel
{
    constexpr juce::int16 kMod = 0x40;
    constexpr juce::int16 kExtra = 0x42;
}

namespace knob
{
    constexpr juce::int16 kFilterFreq = 0x01;
    constexpr juce::int16 kFilterReso = 0x02;
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
    constexpr juce::int16 kPresetDec = 0x20;
    constexpr juce::int16 kPresetInc = 0x21;
    constexpr juce::int16 kSaveSnapshot1 = 0x22;
    constexpr juce::int16 kSaveSnapshot2 = 0x23;
    constexpr juce::int16 kSaveSnapshot3 = 0x24;
    constexpr juce::int16 kSaveSnapshot4 = 0x25;
}

namespace pedal
{
    constexpr juce::int16 kSustain = 0x50;
}
} // namespace controllers
