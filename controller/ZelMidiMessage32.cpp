#include "ZelMidiMessage32.h"

namespace
{
    enum Group
    {
        kControllerNumber = 0x01,
        kItemValue = 0x02,
        kMidiChannel = 0x03,
        kOctaveShift = 0x04,
        kLedState = 0x08,
        kRelativeMode = 0x09
    };

    enum Operation
    {
        kRequest = 0x01,
        kResponse = 0x02,
        kSet = 0x03
    };

    // The relative-mode group carries this first argument.
    constexpr int kRelativeModeArgument = 0x02;
}

ZelMidiMessage32::ZelMidiMessage32 (const juce::MidiMessage& message)
    : IZelMidiMessage (message)
{
}

//==============================================================================
bool ZelMidiMessage32::isGroupMessage (int group, int operation, int minimumSize) const
{
    return dataSize() >= minimumSize && data()[4] == group && data()[5] == operation;
}

int ZelMidiMessage32::byteAt (int index) const
{
    return dataSize() > index ? data()[index] : -1;
}

bool ZelMidiMessage32::isControllerNumberRequest() const  { return isGroupMessage (kControllerNumber, kRequest, 7); }
bool ZelMidiMessage32::isControllerNumberResponse() const { return isGroupMessage (kControllerNumber, kResponse, 7); }
bool ZelMidiMessage32::isItemValueRequest() const         { return isGroupMessage (kItemValue, kRequest, 7); }
bool ZelMidiMessage32::isItemValueResponse() const        { return isGroupMessage (kItemValue, kResponse, 7); }
bool ZelMidiMessage32::isMidiChannelRequest() const       { return isGroupMessage (kMidiChannel, kRequest, 6); }
bool ZelMidiMessage32::isMidiChannelResponse() const      { return isGroupMessage (kMidiChannel, kResponse, 7); }
bool ZelMidiMessage32::isOctaveShiftRequest() const       { return isGroupMessage (kOctaveShift, kRequest, 6); }
bool ZelMidiMessage32::isOctaveShiftResponse() const      { return isGroupMessage (kOctaveShift, kResponse, 7); }
bool ZelMidiMessage32::isLedStateRequest() const          { return isGroupMessage (kLedState, kRequest, 6); }
bool ZelMidiMessage32::isLedStateResponse() const         { return isGroupMessage (kLedState, kResponse, 8); }

bool ZelMidiMessage32::isRelativeModeRequest() const
{
    return isGroupMessage (kRelativeMode, kRequest, 7) && data()[6] == kRelativeModeArgument;
}

bool ZelMidiMessage32::isRelativeModeResponse() const
{
    return isGroupMessage (kRelativeMode, kResponse, 8) && data()[6] == kRelativeModeArgument;
}

int ZelMidiMessage32::getControllerNumberItem() const { return byteAt (6); }
int ZelMidiMessage32::getItemValueItem() const        { return byteAt (6); }
int ZelMidiMessage32::getItemValueValue() const       { return byteAt (7); }
int ZelMidiMessage32::getMidiChannel() const          { return byteAt (6); }
int ZelMidiMessage32::getOctaveShift() const          { return byteAt (6); }
int ZelMidiMessage32::getLedItem() const              { return byteAt (6); }
int ZelMidiMessage32::getLedState() const             { return byteAt (7); }
bool ZelMidiMessage32::getRelativeMode() const        { return byteAt (7) == 0x7F; }

juce::Array<int> ZelMidiMessage32::getControllerNumber() const
{
    juce::Array<int> pairs;
    const int n = dataSize() - 6;

    if (n >= 2)
    {
        const auto* d = data();

        for (int k = 0; k < n / 2; ++k)
        {
            pairs.add (d[6 + 2 * k]);
            pairs.add (d[7 + 2 * k]);
        }
    }

    return pairs;
}

//==============================================================================
juce::MidiMessage ZelMidiMessage32::fromGroup (int group, int operation, std::initializer_list<int> arguments)
{
    juce::MemoryBlock bytes;
    const auto append = [&bytes] (int b) { const auto byte = (juce::uint8) b; bytes.append (&byte, 1); };

    for (int b : { 0xF0, 0x00, 0x3F, 0x6E, 0x02, group, operation })
        append (b);

    for (int argument : arguments)
        append (argument & 0x7F);

    append (0xF7);
    return juce::MidiMessage (bytes.getData(), (int) bytes.getSize(), 0.0);
}

juce::MidiMessage ZelMidiMessage32::ControllerNumberRequest (int item)              { return fromGroup (kControllerNumber, kRequest, { item }); }
juce::MidiMessage ZelMidiMessage32::ControllerNumberResponse (int item, int number) { return fromGroup (kControllerNumber, kResponse, { item, number }); }
juce::MidiMessage ZelMidiMessage32::ControllerNumber (int item, int number)         { return fromGroup (kControllerNumber, kSet, { item, number }); }
juce::MidiMessage ZelMidiMessage32::ItemValueRequest (int item)                     { return fromGroup (kItemValue, kRequest, { item }); }
juce::MidiMessage ZelMidiMessage32::ItemValueSet (int item, int value)              { return fromGroup (kItemValue, kSet, { item, value }); }
juce::MidiMessage ZelMidiMessage32::MidiChannelRequest()                            { return fromGroup (kMidiChannel, kRequest, {}); }
juce::MidiMessage ZelMidiMessage32::MidiChannelSet (int channel)                    { return fromGroup (kMidiChannel, kSet, { channel }); }
juce::MidiMessage ZelMidiMessage32::OctaveShiftRequest()                            { return fromGroup (kOctaveShift, kRequest, {}); }
juce::MidiMessage ZelMidiMessage32::OctaveShiftSet (int shift)                      { return fromGroup (kOctaveShift, kSet, { shift }); }
juce::MidiMessage ZelMidiMessage32::LedStateReqest (int item)                       { return fromGroup (kLedState, kRequest, { item }); }
juce::MidiMessage ZelMidiMessage32::LedStateSet (int item, int state)               { return fromGroup (kLedState, kSet, { item, state }); }
juce::MidiMessage ZelMidiMessage32::RelativeModeRequest()                           { return fromGroup (kRelativeMode, kRequest, { kRelativeModeArgument }); }

juce::MidiMessage ZelMidiMessage32::RelativeModeSet (bool on)
{
    return fromGroup (kRelativeMode, kSet, { kRelativeModeArgument, on ? 0x7F : 0x01 });
}
