#include "ZelMidiMessage49.h"

#include "ZelSettingNumbers.h"

namespace
{
    constexpr int kAllDevices = 0x7F;
    constexpr int kRequest = 0x01;
    constexpr int kSet = 0x02;
    constexpr int kSetStrings = 0x04;
    constexpr int kLoadMemory = 0x05;
    constexpr int kStoreMemory = 0x06;
    constexpr int kCalibrate = 0x08;

    constexpr int kItemValue = 0x00;
    constexpr int kControllerNumber = ItemParam::number;
    constexpr int kGlobal = 0x40;
    constexpr int kCurve = 0x41;

    constexpr int kRelativeModeIndex = GlobalSetting::knobRelativeMode;
    constexpr int kOctaveShiftIndex = GlobalSetting::octaveShift;
    constexpr int kMidiChannelIndex = GlobalSetting::midiChannel;

    constexpr int kAny = -1;
    constexpr int kMaxTextLength = 16;

    void appendTextBlock (juce::MemoryBlock& bytes, juce::uint8 lead, const char* text)
    {
        if (text == nullptr)
            return;

        bytes.append (&lead, 1);

        for (int i = 0; i < kMaxTextLength; ++i)
        {
            const auto c = (juce::uint8) (text[i] & 0x7F);

            if (c == 0)
                break;

            bytes.append (&c, 1);
        }

        const juce::uint8 end = 0x00;
        bytes.append (&end, 1);
    }
}

ZelMidiMessage49::ZelMidiMessage49 (const juce::MidiMessage& message)
    : IZelMidiMessage (message)
{
}

//==============================================================================
int ZelMidiMessage49::get1stValue() const { return dataSize() >= 10 ? data()[9] : 0; }
int ZelMidiMessage49::get1stItem() const  { return dataSize() >= 9 ? data()[8] : 0; }
int ZelMidiMessage49::getParam() const    { return dataSize() >= 8 ? data()[7] : 0; }

bool ZelMidiMessage49::isSpecificMessage (int command, int parameter, int item, int sub) const
{
    if (dataSize() < 9)
        return false;

    const auto* d = data();
    const auto matches = [] (int wanted, juce::uint8 actual) { return wanted < 0 || wanted == actual; };

    return d[5] == command && matches (sub, d[6]) && matches (parameter, d[7]) && matches (item, d[8]);
}

bool ZelMidiMessage49::isControllerNumberRequest() const  { return isSpecificMessage (kRequest, kControllerNumber, kAny, kAny); }
bool ZelMidiMessage49::isControllerNumberResponse() const { return isSpecificMessage (kSet, kControllerNumber, kAny, kAny); }
bool ZelMidiMessage49::isItemValueRequest() const         { return isSpecificMessage (kRequest, kItemValue, kAny, kAny); }
bool ZelMidiMessage49::isItemValueResponse() const        { return isSpecificMessage (kSet, kItemValue, kAny, kAny); }
bool ZelMidiMessage49::isLedStateRequest() const          { return isItemValueRequest(); }
bool ZelMidiMessage49::isLedStateResponse() const         { return isItemValueResponse(); }
bool ZelMidiMessage49::isMidiChannelRequest() const       { return isSpecificMessage (kRequest, kGlobal, kMidiChannelIndex, kAny); }
bool ZelMidiMessage49::isMidiChannelResponse() const      { return isSpecificMessage (kSet, kGlobal, kMidiChannelIndex, kAny); }
bool ZelMidiMessage49::isRelativeModeRequest() const      { return isSpecificMessage (kRequest, kGlobal, kRelativeModeIndex, kAny); }
bool ZelMidiMessage49::isRelativeModeResponse() const     { return isSpecificMessage (kSet, kGlobal, kRelativeModeIndex, kAny); }
bool ZelMidiMessage49::isOctaveShiftRequest() const       { return isSpecificMessage (kRequest, kGlobal, kOctaveShiftIndex, kAny); }
bool ZelMidiMessage49::isOctaveShiftResponse() const      { return isSpecificMessage (kSet, kGlobal, kOctaveShiftIndex, kAny); }

bool ZelMidiMessage49::isGlobalParamRequest() const { return isSpecificMessage (kRequest, kGlobal, kAny, kAny); }
bool ZelMidiMessage49::isGlobalParamSet() const     { return isSpecificMessage (kSet, kGlobal, kAny, kAny); }
bool ZelMidiMessage49::isCurveParamRequest() const  { return isSpecificMessage (kRequest, kCurve, kAny, kAny); }
bool ZelMidiMessage49::isCurveParamSet() const      { return isSpecificMessage (kSet, kCurve, kAny, kAny); }

bool ZelMidiMessage49::isControllerParamRequest() const
{
    return isSpecificMessage (kRequest, kAny, kAny, kAny) && getParam() >= 1 && getParam() <= 6;
}

bool ZelMidiMessage49::isControllerParamSet() const
{
    return isSpecificMessage (kSet, kAny, kAny, kAny) && getParam() >= 1 && getParam() <= 6;
}

int ZelMidiMessage49::getControllerNumberItem() const { return get1stItem(); }
int ZelMidiMessage49::getItemValueItem() const        { return get1stItem(); }
int ZelMidiMessage49::getLedItem() const              { return get1stItem(); }
int ZelMidiMessage49::getItemValueValue() const       { return get1stValue(); }
int ZelMidiMessage49::getLedState() const             { return get1stValue(); }
int ZelMidiMessage49::getMidiChannel() const          { return get1stValue(); }
int ZelMidiMessage49::getOctaveShift() const          { return get1stValue(); }
bool ZelMidiMessage49::getRelativeMode() const        { return get1stValue() == 0x7F; }

juce::Array<int> ZelMidiMessage49::getControllerNumber() const
{
    // An answer about item 0 (all items) carries item/number pairs from data[8] on.
    juce::Array<int> pairs;
    const int n = dataSize() - 8;

    if (n >= 2)
    {
        const auto* d = data();

        for (int k = 0; k < n / 2; ++k)
        {
            pairs.add (d[8 + 2 * k]);
            pairs.add (d[9 + 2 * k]);
        }
    }

    return pairs;
}

//==============================================================================
juce::MidiMessage ZelMidiMessage49::fromBytes (std::initializer_list<int> bytes)
{
    juce::HeapBlock<juce::uint8> raw (bytes.size());
    int i = 0;

    for (auto b : bytes)
        raw[i++] = (juce::uint8) b;

    return juce::MidiMessage (raw.get(), (int) bytes.size(), 0.0);
}

juce::MidiMessage ZelMidiMessage49::makeRequestDataMsg (int param, int item, int sub, int device)
{
    return fromBytes ({ 0xF0, 0x00, 0x3F, 0x6E, device, 0x42, kRequest, sub, param, item, 0xF7 });
}

juce::MidiMessage ZelMidiMessage49::makeSetDataMsg (int param, int item, int value, int sub, int device)
{
    return fromBytes ({ 0xF0, 0x00, 0x3F, 0x6E, device, 0x42, kSet, sub, param, item, value, 0xF7 });
}

juce::MidiMessage ZelMidiMessage49::ControllerNumberRequest (int item)              { return makeRequestDataMsg (kControllerNumber, item, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::ControllerNumberResponse (int item, int number) { return makeSetDataMsg (kControllerNumber, item, number, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::ControllerNumber (int item, int number)         { return ControllerNumberResponse (item, number); }
juce::MidiMessage ZelMidiMessage49::ItemValueRequest (int item)                     { return makeRequestDataMsg (kItemValue, item, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::ItemValueSet (int item, int value)              { return makeSetDataMsg (kItemValue, item, value, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::LedStateReqest (int item)                       { return ItemValueRequest (item); }
juce::MidiMessage ZelMidiMessage49::LedStateSet (int item, int state)               { return ItemValueSet (item, state); }
juce::MidiMessage ZelMidiMessage49::MidiChannelRequest()                            { return GlobalParamRequest (kMidiChannelIndex); }
juce::MidiMessage ZelMidiMessage49::MidiChannelSet (int channel)                    { return GlobalParamSet (kMidiChannelIndex, channel); }
juce::MidiMessage ZelMidiMessage49::RelativeModeRequest()                           { return GlobalParamRequest (kRelativeModeIndex); }
juce::MidiMessage ZelMidiMessage49::RelativeModeSet (bool on)                       { return GlobalParamSet (kRelativeModeIndex, on ? 0x7F : 0x01); }
juce::MidiMessage ZelMidiMessage49::OctaveShiftRequest()                            { return GlobalParamRequest (kOctaveShiftIndex); }
juce::MidiMessage ZelMidiMessage49::OctaveShiftSet (int shift)                      { return GlobalParamSet (kOctaveShiftIndex, shift & 0x7F); }
juce::MidiMessage ZelMidiMessage49::GlobalParamRequest (int index)                  { return makeRequestDataMsg (kGlobal, index, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::GlobalParamSet (int index, int value)           { return makeSetDataMsg (kGlobal, index, value, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::CurveParamRequest (int index)                   { return makeRequestDataMsg (kCurve, index, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::CurveParamSet (int index, int value)            { return makeSetDataMsg (kCurve, index, value, 0, kAllDevices); }
juce::MidiMessage ZelMidiMessage49::ItemParamRequest (int param, int item, int sub) { return makeRequestDataMsg (param, item, sub, kAllDevices); }

juce::MidiMessage ZelMidiMessage49::ItemParamSet (int param, int item, int value, int sub)
{
    return makeSetDataMsg (param, item, value, sub, kAllDevices);
}

juce::MidiMessage ZelMidiMessage49::SaveMemoryRequest (int memory)
{
    return fromBytes ({ 0xF0, 0x00, 0x3F, 0x6E, kAllDevices, 0x42, kStoreMemory, memory, 0xF7 });
}

juce::MidiMessage ZelMidiMessage49::LoadMemoryRequest (int memory)
{
    return fromBytes ({ 0xF0, 0x00, 0x3F, 0x6E, kAllDevices, 0x42, kLoadMemory, memory, 0xF7 });
}

juce::MidiMessage ZelMidiMessage49::CalibrateItemRequest (int a, int b)
{
    return makeCalibrateMsg (a, b, 0x40, kAllDevices);
}

juce::MidiMessage ZelMidiMessage49::makeCalibrateMsg (int a, int b, int c, int device)
{
    return fromBytes ({ 0xF0, 0x00, 0x3F, 0x6E, device, 0x42, kCalibrate, c, a, b, 0xF7 });
}

juce::MidiMessage ZelMidiMessage49::makePatchMsg (int a, int b, int device)
{
    return fromBytes ({ 0xF0, 0x00, 0x3F, 0x6E, device, 0x42, a, b, 0xF7 });
}

juce::MidiMessage ZelMidiMessage49::makeSetStringMsg (int id, const char* text1, const char* text2, int sub, int device)
{
    const juce::uint8 header[] = { 0xF0, 0x00, 0x3F, 0x6E, (juce::uint8) device, 0x42,
                                   (juce::uint8) kSetStrings, (juce::uint8) sub, (juce::uint8) id };
    juce::MemoryBlock bytes (header, sizeof (header));

    appendTextBlock (bytes, 0x01, text1);
    appendTextBlock (bytes, 0x02, text2);

    const juce::uint8 end = 0xF7;
    bytes.append (&end, 1);

    return juce::MidiMessage (bytes.getData(), (int) bytes.getSize(), 0.0);
}

juce::MidiMessage ZelMidiMessage49::LCDMessageSet (const char* text1, const char* text2)
{
    return makeSetStringMsg (0x60, text1, text2, 0, kAllDevices);
}

juce::String ZelMidiMessage49::test()
{
    const ZelMidiMessage49 message (ControllerNumberRequest (1));
    return IZelMidiMessage::toString (message);
}
