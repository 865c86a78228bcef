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

/** The simulated keyboard on virtual time, and an earlier panel that finds it. */
struct EarlierKeyboardRig
{
    VirtualClock clock;
    SimMidiPorts ports { clock };
    SimulatedKeyboard keyboard { ports, "Quillary MIDI Out", "Quillary MIDI In" };
    std::unique_ptr<KbdSettingComponent49> panel;

    /** The messages that the keyboard received, identity request excluded. */
    std::vector<juce::MidiMessage> protocolReceived() const;

    /** The number of LED set messages for items 99 to 106 received so far. */
    int ledsSwitchedOff() const;

    /** Builds the panel and runs until the read chain has switched the LEDs off. */
    bool readKeyboard();
};

/** The earlier panel with no MIDI port at all: detection finds nothing and reports nothing. */
struct EarlierNoPortsRig
{
    VirtualClock clock;
    SimMidiPorts ports { clock };
    KbdSettingComponent49 panel { ports, clock };
};

/** Calls the panel's handler as a click on one of its buttons does. */
inline void click (KbdSettingComponent49& panel, int index)
{
    panel.buttonClicked (&widget<juce::Button> (panel, index));
    flushMessages();
}

inline const juce::String notDetected = "The keyboard has not been detected. Please correct the problem and try again.";
