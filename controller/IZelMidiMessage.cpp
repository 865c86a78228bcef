#include "IZelMidiMessage.h"

namespace
{
    const juce::uint8 kMakerId[] = { 0x00, 0x3F, 0x6E };

    bool hasMakerId (const juce::uint8* bytes)
    {
        return bytes[0] == kMakerId[0] && bytes[1] == kMakerId[1] && bytes[2] == kMakerId[2];
    }
}

IZelMidiMessage::IZelMidiMessage (const juce::MidiMessage& message)
    : juce::MidiMessage (message)
{
}

bool IZelMidiMessage::isZelSysex() const
{
    if (dataSize() < 6)
        return false;

    const auto* d = data();
    return hasMakerId (d) && (d[3] == 0x02 || d[4] == 0x42);
}

juce::String IZelMidiMessage::toString()
{
    return toString (*this);
}

juce::String IZelMidiMessage::toLitteralString() const
{
    if (isNoteOn())
        return juce::String::formatted ("Note On  %d velocity %d channel %d\n",
                                        getNoteNumber(), (int) getVelocity(), getChannel());

    if (isNoteOff())
        return juce::String::formatted ("Note Off %d velocity %d channel %d\n",
                                        getNoteNumber(), (int) getVelocity(), getChannel());

    // Our getControllerNumber() reads SysEx pairs; the controller number of a CC is the base class's.
    if (isController())
        return juce::String::formatted ("CC %d value %d channel %d\n",
                                        juce::MidiMessage::getControllerNumber(), getControllerValue(), getChannel());

    if (isChannelPressure())
        return juce::String::formatted ("Aftertouch %d channel %d\n",
                                        getChannelPressureValue(), getChannel());

    if (isPitchWheel())
        return juce::String::formatted ("Pitch Wheel value %d\n", getPitchWheelValue());

    if (isZelSysexId (*this))
        return "QTR32 SYSEX : Identification sysex\n";

    if (isZelSysex())
    {
        if (isControllerNumberResponse())
            return "QTR32 SYSEX : Item Config Response\n";

        if (isItemValueResponse())
            return juce::String::formatted ("QTR32 SYSEX : Item value response (%d , %d)\n",
                                            getItemValueItem(), getItemValueValue());

        if (isMidiChannelResponse())
            return juce::String::formatted ("QTR32 SYSEX : Midi channel response %d\n", getMidiChannel());

        if (isOctaveShiftResponse())
            return juce::String::formatted ("QTR32 SYSEX : Octave shift response %d\n", getOctaveShift());

        if (isLedStateResponse())
            return juce::String::formatted ("QTR32 SYSEX : Led State response (%d , %d)\n",
                                            getLedItem(), getLedState());

        return "QTR32 SYSEX \n";
    }

    if (isSysEx())
        return "SYSEX \n";

    return "- \n";
}

bool IZelMidiMessage::isZelSysexId (const juce::MidiMessage& message)
{
    if (message.getSysExDataSize() < 12)
        return false;

    const auto* d = message.getSysExData();

    if (d[0] != 0x7E || d[2] != 0x06 || d[3] != 0x02 || ! hasMakerId (d + 4))
        return false;

    // The earlier keyboards carry the family bytes 02 00; member 05 is told by its variant alone.
    if (d[7] == 0x02 && d[8] == 0x00 && d[9] >= 0x01 && d[9] <= 0x04 && d[10] == 0x00)
        return true;

    return d[9] == 0x05 && (d[10] == 0x00 || d[10] == 0x02 || d[10] == 0x04);
}

int IZelMidiMessage::getKeyboardModel (const juce::MidiMessage& message)
{
    if (message.getSysExDataSize() < 15)
        return 0;

    const auto* d = message.getSysExData();
    const int member = d[9];

    switch (member)
    {
        case 0x01: return 0x100 + (d[11] > 2 ? 1 : 0);
        case 0x03: return d[14] == 0x01 ? 0x1300 : 0x300;
        case 0x05: return 0x500 | d[10];
        default:   return member * 256;
    }
}

void IZelMidiMessage::getFirmwareRevision (const juce::MidiMessage& message, char* out)
{
    if (message.getSysExDataSize() < 15)
        return;

    const auto* d = message.getSysExData();

    for (int i = 0; i < 4; ++i)
        out[i] = (char) d[11 + i];
}

juce::String IZelMidiMessage::toString (const juce::MidiMessage& message)
{
    juce::String dump;
    const auto* bytes = message.getRawData();

    for (int i = 0; i < message.getRawDataSize(); ++i)
        dump << juce::String::formatted ("%.2X ", (int) bytes[i]);

    return dump + "\n";
}
