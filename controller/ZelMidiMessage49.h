#pragma once

#include "IZelMidiMessage.h"

#include <initializer_list>

/** The SysEx protocol of the 49/61-key keyboards.

    Every message is F0 00 3F 6E device 42 command sub parameter item [value] F7:
    command 01 asks, 02 sets or answers. The object tests and reads a message;
    the static builders make the messages that the controller link sends.
    Getters return 0 for a message too short for them.
*/
class ZelMidiMessage49 : public IZelMidiMessage
{
public:
    explicit ZelMidiMessage49 (const juce::MidiMessage& message);

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

    int get1stValue() const;
    int get1stItem() const;
    int getParam() const;

    /** Compares the command, sub, parameter and item bytes; a negative
        parameter, item or sub matches any byte. The maker id, device and
        format marker are not tested. */
    bool isSpecificMessage (int command, int parameter, int item, int sub) const;

    int getGlobalParamNumber() const { return get1stItem(); }
    int getGlobalParamValue() const { return get1stValue(); }
    int getControllerParamId() const { return getParam(); }

    bool isGlobalParamRequest() const;
    bool isGlobalParamSet() const;
    bool isCurveParamRequest() const;
    bool isCurveParamSet() const;
    bool isControllerParamRequest() const;
    bool isControllerParamSet() const;

    //==============================================================================
    // Builders: arguments go out as their low byte unless said otherwise.

    static juce::MidiMessage ControllerNumberRequest (int item);
    static juce::MidiMessage ControllerNumberResponse (int item, int number);
    static juce::MidiMessage ControllerNumber (int item, int number);
    static juce::MidiMessage ItemValueRequest (int item);
    static juce::MidiMessage ItemValueSet (int item, int value);
    static juce::MidiMessage LedStateReqest (int item);
    static juce::MidiMessage LedStateSet (int item, int state);
    static juce::MidiMessage MidiChannelRequest();
    static juce::MidiMessage MidiChannelSet (int channel);
    static juce::MidiMessage RelativeModeRequest();
    /** The keyboard reads 7F as relative and 01 as absolute. */
    static juce::MidiMessage RelativeModeSet (bool on);
    static juce::MidiMessage OctaveShiftRequest();
    /** A negative shift goes out in seven-bit two's complement (-1 is 7F). */
    static juce::MidiMessage OctaveShiftSet (int shift);
    static juce::MidiMessage GlobalParamRequest (int index);
    static juce::MidiMessage GlobalParamSet (int index, int value);
    static juce::MidiMessage CurveParamRequest (int index);
    static juce::MidiMessage CurveParamSet (int index, int value);
    static juce::MidiMessage ItemParamRequest (int param, int item, int sub);
    static juce::MidiMessage ItemParamSet (int param, int item, int value, int sub);
    static juce::MidiMessage makeRequestDataMsg (int param, int item, int sub, int device);
    static juce::MidiMessage makeSetDataMsg (int param, int item, int value, int sub, int device);
    static juce::MidiMessage SaveMemoryRequest (int memory);
    static juce::MidiMessage LoadMemoryRequest (int memory);
    static juce::MidiMessage CalibrateItemRequest (int a, int b);
    static juce::MidiMessage makeCalibrateMsg (int a, int b, int c, int device);
    static juce::MidiMessage makePatchMsg (int a, int b, int device);

    /** Up to two texts of at most 16 seven-bit characters each, in blocks led
        by 01 and 02 and closed by 00; a null text is left out. */
    static juce::MidiMessage makeSetStringMsg (int id, const char* text1, const char* text2, int sub, int device);
    static juce::MidiMessage LCDMessageSet (const char* text1, const char* text2);

    /** Builds a controller-number request for item 1 and returns its dump. */
    static juce::String test();

private:
    static juce::MidiMessage fromBytes (std::initializer_list<int> bytes);
};
