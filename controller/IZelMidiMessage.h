#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** A view over one MIDI message of the maker's keyboards: predicates and
    getters for each kind of reply, the identity-reply operations and two log
    formatters. One implementation per SysEx format (49/61 keys, 32 keys).
*/
class IZelMidiMessage : public juce::MidiMessage
{
public:
    explicit IZelMidiMessage (const juce::MidiMessage& message);
    virtual ~IZelMidiMessage() = default;

    virtual bool isControllerNumberRequest() const = 0;
    virtual bool isControllerNumberResponse() const = 0;
    virtual int getControllerNumberItem() const = 0;
    /** The item/number pairs of a controller-number reply. This hides
        juce::MidiMessage::getControllerNumber(); call that one by its full
        name for the number of a control change. */
    virtual juce::Array<int> getControllerNumber() const = 0;
    virtual bool isItemValueRequest() const = 0;
    virtual bool isItemValueResponse() const = 0;
    virtual int getItemValueItem() const = 0;
    virtual int getItemValueValue() const = 0;
    virtual bool isMidiChannelRequest() const = 0;
    virtual bool isMidiChannelResponse() const = 0;
    virtual int getMidiChannel() const = 0;
    virtual bool isRelativeModeRequest() const = 0;
    virtual bool isRelativeModeResponse() const = 0;
    virtual bool getRelativeMode() const = 0;
    virtual bool isOctaveShiftRequest() const = 0;
    virtual bool isOctaveShiftResponse() const = 0;
    virtual int getOctaveShift() const = 0;
    virtual bool isLedStateRequest() const = 0;
    virtual bool isLedStateResponse() const = 0;
    virtual int getLedItem() const = 0;
    virtual int getLedState() const = 0;

    /** Whether the message belongs to one of the maker's SysEx formats. */
    virtual bool isZelSysex() const;

    /** Hex dump of the whole message. */
    virtual juce::String toString();

    /** One-line description for the debug log. */
    virtual juce::String toLitteralString() const;

    /** The maker's identity reply to the universal identity request. */
    static bool isZelSysexId (const juce::MidiMessage& message);

    /** The model id of an identity reply; 0 when it is too short. */
    static int getKeyboardModel (const juce::MidiMessage& message);

    /** Copies the four firmware revision bytes of an identity reply into
        out[0..3]; writes nothing when the reply is too short. */
    static void getFirmwareRevision (const juce::MidiMessage& message, char* out);

    /** Hex dump of all bytes of a message, "%.2X " each, then a line feed. */
    static juce::String toString (const juce::MidiMessage& message);

protected:
    /** The data bytes between F0 and F7, and their count (0 for non-SysEx). */
    const juce::uint8* data() const { return getSysExData(); }
    int dataSize() const { return getSysExDataSize(); }
};
