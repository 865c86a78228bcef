// ZelManager49: the HTML chart of the current mapping.

#include "KbdCtrlDescriptor.h"
#include "XmlFile.h"
#include "ZelManager49.h"

namespace
{
    const char* const kTitle = "The Quillary Midi Chart";

    const char* const kModeNames[] = {
        "Off - 0", "Control - 1", "Rel. Control - 2", "RPN - 3", "NRPN - 4",
        "Duration Ctl - 5", "Kbd Preset - 6", "MMC - 7", "Ctl Toggle - 8", "Midi Note - 9",
        "Midi Note Gated - 10", "Patch Chg - 11", "Pitch Bend - 12", "??? - 13", "Aftertouch - 14"
    };

    // The chart's own control names; they follow neither panel's table.
    const struct { short id; const char* name; } kChartNames[] = {
        { 1, "C2 - Cutoff" }, { 2, "C3 - Resonance" }, { 3, "C10 - Param 1" }, { 4, "C11 - Param 2" },
        { 5, "C13 - Param 4" }, { 6, "C14 - Delay Amt" }, { 7, "C15 - Sustain" }, { 8, "C16 - Release" },
        { 9, "C4 - LFO Rate " }, { 10, "C12 - Param 3" }, { 11, "C5 - LFO Amt" }, { 12, "C6 - Chorus Amt" },
        { 13, "C7 - Attack" }, { 14, "C8 - Decay" },
        { 18, "Snapshot #1" }, { 19, "Snapshot #2" }, { 20, "Snapshot #3" }, { 21, "Snapshot #4" },
        { 22, "Snapshot #5" }, { 23, "Snapshot #6" }, { 24, "Snapshot #7" }, { 25, "Snapshot #8" },
        { 26, "Snapshot #9" }, { 27, "Snapshot #10" },
        { 28, "Lower Panel" }, { 29, "Upper Panel" }, { 30, "Sound Mode" }, { 31, "Scene Mode" },
        { 48, "C1 - Volume" }, { 49, "Category Adjust" }, { 50, "Category Select" }, { 51, "C9 - Preset" },
        { 52, "Preset Select" },
        { 64, "Modulation Wheel" }, { 65, "Pitch Wheel" }, { 66, "Joystick Down / Extra Wheel" },
        { 75, "Envelope #2 A" }, { 76, "Envelope #2 D" }, { 77, "Envelope #2 S" }, { 78, "Envelope #2 R" },
        { 79, "Tempo" },
        { 80, "Sustain Pedal" }, { 81, "Expression Pedal" }, { 82, "Breath Control" }, { 83, "Aux Pedal" },
        { 88, "Host Control #1" }, { 89, "Host Control #2" }, { 90, "Host Control #3" },
        { 91, "Host Control #4" }, { 92, "Host Control #5" }, { 93, "Host Control #6" },
        { 112, "Pad #1" }, { 113, "Pad #2" }, { 114, "Pad #3" }, { 115, "Pad #4" },
        { 116, "Pad #5" }, { 117, "Pad #6" }, { 118, "Pad #7" }, { 119, "Pad #8" },
        { 120, "Pad #9" }, { 121, "Pad #10" }, { 122, "Pad #11" }, { 123, "Pad #12" },
        { 124, "Pad #13" }, { 125, "Pad #14" }, { 126, "Pad #15" }, { 127, "Pad #16" },
    };

    // The global settings that the chart lists: index and name.
    const struct { int index; const char* name; bool isChannel; } kChartGlobals[] = {
        { GlobalSetting::knobRelativeMode, "Knob relative mode", false },
        { GlobalSetting::octaveShift, "Octave transposition", false },
        { GlobalSetting::midiChannel, "Global MIDI Channel", true },
    };

    std::map<short, KbdCtrlDescriptor> makeNameTable()
    {
        std::map<short, KbdCtrlDescriptor> names;

        for (const auto& row : kChartNames)
            names[row.id] = KbdCtrlDescriptor { row.name, 0, 0, 0, 0, false };

        return names;
    }

    void addCell (juce::XmlElement* row, juce::String text, bool header)
    {
        row->createNewChildElement (header ? "th" : "td")->addTextElement (text);
    }

    juce::String byte2hex (int value)
    {
        return juce::String::formatted ("0x%.2X", value & 0xFF);
    }

    juce::String channel2str (int channel)
    {
        if (channel <= 15)
            return juce::String (channel + 1) + " - " + byte2hex (channel);

        switch (channel)
        {
            case 64:  return "Lwr - 0x40";
            case 65:  return "Master - 0x41";
            case 126: return "All - 0x7E";
            case 127: return "Pnl - 0x7F";
            default:  return "Err";
        }
    }

    juce::String modeName (int mode)
    {
        return juce::isPositiveAndBelow (mode, (int) std::size (kModeNames)) ? kModeNames[mode] : "Err";
    }

    juce::XmlElement* addRow (juce::XmlElement& table, std::initializer_list<juce::String> cells, bool header)
    {
        auto* row = table.createNewChildElement ("tr");

        for (const auto& cell : cells)
            addCell (row, cell, header);

        return row;
    }

    bool isSecondPanelItem (int item)
    {
        return (item & 0xF0) == 0x20;
    }
}

bool ZelManager49::generateChart (juce::File& file) const
{
    juce::XmlElement html ("html");
    html.createNewChildElement ("head")->createNewChildElement ("title")->addTextElement (kTitle);
    auto* body = html.createNewChildElement ("body");
    body->createNewChildElement ("h1")->addTextElement (kTitle);
    const auto names = makeNameTable();

    auto* items = body->createNewChildElement ("table");
    items->setAttribute ("border", 1);
    addRow (*items, { "Item", "Name", "Mode", "Channel", "Number", "Min/LSB", "Max/MSB", "Option" }, true);

    {
        const juce::ScopedLock sl (modelLock);

        for (const auto& [item, number] : params[ItemParam::number])
        {
            if (isSecondPanelItem (item))
                continue;

            const auto named = item == (short) item ? names.find ((short) item) : names.end();

            addRow (*items,
                    { byte2hex (item),
                      named != names.end() ? juce::String (named->second.name) : juce::String (item),
                      modeName (paramOr (ItemParam::mode, item, 0)),
                      channel2str (paramOr (ItemParam::channel, item, 0)),
                      juce::String (number),
                      juce::String (paramOr (ItemParam::minLsb, item, 0)),
                      juce::String (paramOr (ItemParam::maxMsb, item, 127)),
                      juce::String (paramOr (ItemParam::option, item, 0)) },
                    false);
        }
    }

    body->createNewChildElement ("br");

    auto* globalTable = body->createNewChildElement ("table");
    globalTable->setAttribute ("border", 1);
    addRow (*globalTable, { "Param", "Name", "Value" }, true);

    for (const auto& g : kChartGlobals)
    {
        const int value = globals[g.index];
        addRow (*globalTable, { juce::String (g.index), g.name, g.isChannel ? channel2str (value) : juce::String (value) }, false);
    }

    return XmlFile::write (html, file);
}
