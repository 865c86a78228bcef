#include "PanelItemLists.h"

namespace
{
struct NamedController
{
    int number;
    const char* name;
};

// Numbers missing here are "Undefined".
const NamedController namedControllers[] {
    { 0, "Bank Select MSB" },
    { 1, "Modulation Wheel" },
    { 2, "Breath Controller" },
    { 4, "Foot Controller" },
    { 5, "Portamento Time" },
    { 6, "Data Entry MSB" },
    { 7, "Channel Volume" },
    { 8, "Balance" },
    { 10, "Pan" },
    { 11, "Expression Controller" },
    { 12, "Effect Control 1" },
    { 13, "Effect Control 2" },
    { 16, "General Purpose Controller 1" },
    { 17, "General Purpose Controller 2" },
    { 18, "General Purpose Controller 3" },
    { 19, "General Purpose Controller 4" },
    { 32, "Bank Select LSB" },
    { 33, "Modulation Wheel LSB" },
    { 34, "Breath Controller LSB" },
    { 36, "Foot Controller LSB" },
    { 37, "Portamento Time LSB" },
    { 38, "Data Entry LSB" },
    { 39, "Channel Volume LSB" },
    { 40, "Balance LSB" },
    { 42, "Pan LSB" },
    { 43, "Expression Controller LSB" },
    { 44, "Effect Control 1 LSB" },
    { 45, "Effect Control 2 LSB" },
    { 48, "General Purpose Controller 1 LSB" },
    { 49, "General Purpose Controller 2 LSB" },
    { 50, "General Purpose Controller 3 LSB" },
    { 51, "General Purpose Controller 4 LSB" },
    { 64, "Sustain" },
    { 65, "Portamento On/Off" },
    { 66, "Sostenuto On/Off" },
    { 67, "Soft Pedal On/Off" },
    { 68, "Legato Footswitch" },
    { 69, "Hold 2" },
    { 70, "Sound Variation" },
    { 71, "Timbre/Harmonic Intens." },
    { 72, "Release Time" },
    { 73, "Attack Time" },
    { 74, "Brightness" },
    { 75, "Decay Time" },
    { 76, "Vibrato Rate" },
    { 77, "Vibrato Depth" },
    { 78, "Vibrato Delay" },
    { 79, "Sound Controller 10" },
    { 80, "General Purpose Controller 5" },
    { 81, "General Purpose Controller 6" },
    { 82, "General Purpose Controller 7" },
    { 83, "General Purpose Controller 8" },
    { 84, "Portamento Control" },
    { 91, "Reverb Send Level" },
    { 92, "Tremolo Depth" },
    { 93, "Chorus Send Level" },
    { 94, "Celeste Depth" },
    { 95, "Phaser Depth" },
    { 96, "Data Increment" },
    { 97, "Data Decrement" },
    { 98, "NRPN - LSB" },
    { 99, "NRPN - MSB" },
    { 100, "RPN - LSB" },
    { 101, "RPN - MSB" },
    { 120, "All Sound Off" },
    { 121, "Reset All Controllers" },
    { 122, "Local Control On/Off" },
    { 123, "All Notes Off" },
    { 124, "Omni Mode Off" },
    { 125, "Omni Mode On" },
    { 126, "Mono Mode On" },
    { 127, "Poly Mode On" },
};

const char* const modeNames[] {
    "Off-Disabled", "Control", "Relative Control", "RPN", "NRPN", "Duration Control",
    "Keyboard Preset", "MMC", "Control Toggle", "Note Toggle", "Midi Note", "Patch Change",
};

const char* const pitchClasses[] { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
} // namespace

namespace PanelItemLists
{
juce::StringArray numbers (int count)
{
    juce::StringArray texts;

    for (int n = 0; n < count; ++n)
        texts.add (juce::String (n));

    return texts;
}

juce::StringArray midiChannels()
{
    juce::StringArray texts;

    for (int channel = 1; channel <= 16; ++channel)
        texts.add (juce::String (channel));

    return texts;
}

juce::StringArray itemChannels()
{
    auto texts = midiChannels();
    texts.addArray ({ "Lower", "Upper", "Panel", "All" });
    return texts;
}

juce::StringArray modes()
{
    return juce::StringArray (modeNames, (int) std::size (modeNames));
}

juce::StringArray controllerNames()
{
    juce::StringArray names;

    for (int n = 0; n < 128; ++n)
        names.add (juce::String (n) + " - Undefined");

    for (const auto& controller : namedControllers)
        names.set (controller.number, juce::String (controller.number) + " - " + controller.name);

    return names;
}

juce::StringArray noteNames()
{
    juce::StringArray names;

    for (int note = 0; note < 128; ++note)
        names.add (juce::String (pitchClasses[note % 12]) + juce::String (note / 12 - 2));

    return names;
}
} // namespace PanelItemLists
