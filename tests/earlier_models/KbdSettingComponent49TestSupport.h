#pragma once

#include "KbdSettingComponent49.h"
#include "../panel/PanelTestSupport.h"

/** The earlier panel's widgets. */
namespace ui49
{
using namespace panelWidgetMembers;

inline constexpr WidgetMember lowerChannelLabel { "lowerChannelLabel" }, upperChannelLabel { "upperChannelLabel" };

/** The number of widgets that the panel builds. */
inline constexpr int count = 32;
} // namespace ui49

/** The simulated earlier keyboard, and an earlier panel that finds it. */
struct EarlierKeyboardRig : PanelKeyboardRig<KbdSettingComponent49>
{
    EarlierKeyboardRig() : PanelKeyboardRig ("Quillary") {}
    explicit EarlierKeyboardRig (RecordingDialogs& shared) : PanelKeyboardRig ("Quillary", &shared) {}
};

/** The earlier panel with no MIDI port at all. */
using EarlierNoPortsRig = PanelNoPortsRig<KbdSettingComponent49>;

inline const juce::String notDetected = "The keyboard has not been detected. Please correct the problem and try again.";
