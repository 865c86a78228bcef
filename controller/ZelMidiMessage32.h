#pragma once

#include "IZelMidiMessage.h"

#include <initializer_list>

/** The SysEx protocol of the earlier 32-key keyboard.

    Every message is F0 00 3F 6E 02 group operation [argument [argument]] F7,
    with operation 01 request, 02 response, 03 set. Builders mask every
    argument to seven bits; getters return -1 for a message too short for them.
*/
class ZelMidiMessage32 : public IZelMidiMessage
{
public:
    explicit ZelMidiMessage32 (const juce::MidiMessage& message);

    bool isControllerNumberRequest() const override;
    bool isControllerNumberResponse() const override;
    int getControllerNumberItem() const override;
    juce::Array<int> getControllerNumber() const override;
    bool isItemValueRequest() const override;
    bool isItemValueResponse() const override;
    int getItemValueItem() const override;
    int getItemValueValue() const override;
    bool isMidiChannelRequest() const override;
    bool isMidiChannelResponse() const override;
    int getMidiChannel() const override;
    bool isRelativeModeRequest() const override;
    bool isRelativeModeResponse() const override;
    bool getRelativeMode() const override;
    bool isOctaveShiftRequest() const override;
    bool isOctaveShiftResponse() const override;
    int getOctaveShift() const override;
    bool isLedStateRequest() const override;
    bool isLedStateResponse() const override;
    int getLedItem() const override;
    int getLedState() const override;

    static juce::MidiMessage ControllerNumberRequest (int item);
    static juce::MidiMessage ControllerNumberResponse (int item, int number);
    /** A set message here, unlike the 49/61 protocol's. */
    static juce::MidiMessage ControllerNumber (int item, int number);
    static juce::MidiMessage ItemValueRequest (int item);
    static juce::MidiMessage ItemValueSet (int item, int value);
    static juce::MidiMessage MidiChannelRequest();
    static juce::MidiMessage MidiChannelSet (int channel);
    static juce::MidiMessage OctaveShiftRequest();
    static juce::MidiMessage OctaveShiftSet (int shift);
    static juce::MidiMessage LedStateReqest (int item);
    static juce::MidiMessage LedStateSet (int item, int state);
    static juce::MidiMessage RelativeModeRequest();
    /** The keyboard reads 7F as relative and 01 as absolute. */
    static juce::MidiMessage RelativeModeSet (bool on);

private:
    bool isGroupMessage (int group, int operation, int minimumSize) const;
    int byteAt (int index) const;

    static juce::MidiMessage fromGroup (int group, int operation, std::initializer_list<int> arguments);
};
