#pragma once

#include "KbdSettingComponent49.h"
#include "../panel/PanelTestSupport.h"

/** The earlier panel's widgets among its children, which are in member order. */
namespace ui49
{
enum Index
{
    globalGroup, lowerChannelLabel, lowerChannelCombo, knobModeLabel, knobModeCombo,
    controlGroup, nameLabel, nameEditor, ccNumberLabel, ccNumberCombo,
    defaultButton, sendButton, picker, modeLabel, modeCombo,
    channelLabel, channelCombo, maxMsbLabel, maxMsbCombo, minLsbLabel,
    minLsbCombo, splitModeLabel, splitModeCombo, upperChannelLabel, upperChannelCombo,
    faderModeLabel, faderModeCombo, splitPointLabel, splitPointCombo, loadButton,
    saveButton, chartButton,
    count
};
} // namespace ui49

/** The simulated earlier keyboard, and an earlier panel that finds it. */
struct EarlierKeyboardRig : PanelKeyboardRig<KbdSettingComponent49>
{
    EarlierKeyboardRig() : PanelKeyboardRig ("Quillary") {}
};

/** The earlier panel with no MIDI port at all. */
using EarlierNoPortsRig = PanelNoPortsRig<KbdSettingComponent49>;

inline const juce::String notDetected = "The keyboard has not been detected. Please correct the problem and try again.";
