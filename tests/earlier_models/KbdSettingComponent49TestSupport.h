#pragma once

#include "KbdSettingComponent49.h"
#include "../panel/PanelTestSupport.h"

/** The earlier panel's widgets. */
namespace ui49
{
inline constexpr WidgetMember
    globalGroup { "globalGroup" }, lowerChannelLabel { "lowerChannelLabel" },
    lowerChannelCombo { "lowerChannelCombo" }, knobModeLabel { "knobModeLabel" }, knobModeCombo { "knobModeCombo" },
    controlGroup { "controlGroup" }, nameLabel { "nameLabel" }, nameEditor { "nameEditor" },
    ccNumberLabel { "ccNumberLabel" }, ccNumberCombo { "ccNumberCombo" },
    defaultButton { "defaultButton" }, sendButton { "sendButton" }, picker { "picker" },
    modeLabel { "modeLabel" }, modeCombo { "modeCombo" }, channelLabel { "channelLabel" }, channelCombo { "channelCombo" },
    maxMsbLabel { "maxMsbLabel" }, maxMsbCombo { "maxMsbCombo" }, minLsbLabel { "minLsbLabel" }, minLsbCombo { "minLsbCombo" },
    splitModeLabel { "splitModeLabel" }, splitModeCombo { "splitModeCombo" },
    upperChannelLabel { "upperChannelLabel" }, upperChannelCombo { "upperChannelCombo" },
    faderModeLabel { "faderModeLabel" }, faderModeCombo { "faderModeCombo" },
    splitPointLabel { "splitPointLabel" }, splitPointCombo { "splitPointCombo" },
    loadButton { "loadButton" }, saveButton { "saveButton" }, chartButton { "chartButton" };

/** The number of widgets that the panel builds. */
inline constexpr int count = 32;
} // namespace ui49

/** The simulated earlier keyboard, and an earlier panel that finds it. */
struct EarlierKeyboardRig : PanelKeyboardRig<KbdSettingComponent49>
{
    EarlierKeyboardRig() : PanelKeyboardRig ("Quillary") {}
};

/** The earlier panel with no MIDI port at all. */
using EarlierNoPortsRig = PanelNoPortsRig<KbdSettingComponent49>;

inline const juce::String notDetected = "The keyboard has not been detected. Please correct the problem and try again.";
