#include "LinkTestSupport.h"

namespace
{
juce::MidiMessage reply (int param, std::initializer_list<int> itemAndValues)
{
    std::vector<juce::uint8> data { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, (juce::uint8) param };

    for (const int v : itemAndValues)
        data.push_back ((juce::uint8) v);

    data.push_back (0xF7);
    return juce::MidiMessage (data.data(), (int) data.size(), 0);
}

juce::MidiMessage cc (int number, int value, int channel = 1)
{
    return juce::MidiMessage::controllerEvent (channel, number, value);
}

const juce::MidiMessage kIdentityReply = bytes ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00,
                                                  0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0xF7 });

struct DecodeCase
{
    const char* name;
    juce::MidiMessage message;
    std::vector<Info> infos;
    std::function<void (ZelManager49&)> check;
};

void PrintTo (const DecodeCase& row, std::ostream* os) { *os << row.name; }

void noChange (ZelManager49&) {}

const DecodeCase kDecodeCases[] = {
    { "one controller number", reply (0x03, { 1, 20 }), { { InfoCode::controllerNumbersReceived, 1, 20 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.getParamForItem (ItemParam::number, 1), 20); } },
    { "one controller number of an item not taken", reply (0x03, { 65, 5 }), { { InfoCode::controllerNumbersReceived, 65, 5 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.getParamForItem (ItemParam::number, 65), -1); } },
    { "many controller numbers", reply (0x03, { 1, 20, 65, 9, 112, 50, 7 }), { { InfoCode::controllerNumbersReceived, 0, 0 } },
      [] (ZelManager49& m) {
          EXPECT_EQ (m.getParamForItem (ItemParam::number, 1), 20);
          EXPECT_EQ (m.getParamForItem (ItemParam::number, 112), 50);
          EXPECT_EQ (m.getParamForItem (ItemParam::number, 65), -1);
      } },
    { "controller number request echoed", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x03, 0x00, 0xF7 }),
      {}, noChange },
    { "item parameter without pairs", reply (0x02, { 5 }), { { InfoCode::itemParameterReceived, ItemParam::channel, 0 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.getParamForItem (ItemParam::channel, 5), 65); } },
    { "item parameter pairs", reply (0x04, { 1, 10, 66, 3, 80, 2 }), { { InfoCode::itemParameterReceived, ItemParam::minLsb, 0 } },
      [] (ZelManager49& m) {
          EXPECT_EQ (m.getParamForItem (ItemParam::minLsb, 1), 10);
          EXPECT_EQ (m.getParamForItem (ItemParam::minLsb, 80), 2);
          EXPECT_EQ (m.getParamForItem (ItemParam::minLsb, 66), -1);
      } },
    { "item value", reply (0x00, { 5, 100 }), { { InfoCode::itemValueReceived, 5, 100 } }, noChange },
    { "item value 127", reply (0x00, { 5, 127 }), { { InfoCode::itemValueReceived, 5, 127 } }, noChange },
    { "item value above 127", reply (0x00, { 5, 0x80 }), {}, noChange },
    { "LED state", reply (0x00, { 99, 0 }), { { InfoCode::itemValueReceived, 99, 0 } }, noChange },
    { "MIDI channel", reply (0x40, { 6, 5 }), { { InfoCode::midiChannelReceived, 5, 0 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.globals[GlobalSetting::midiChannel].load(), 5); } },
    { "relative mode", reply (0x40, { 2, 0x7F }), { { InfoCode::relativeModeReceived, 127, 0 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.globals[GlobalSetting::knobRelativeMode].load(), 127); } },
    { "octave shift down", reply (0x40, { 3, 0x7E }), { { InfoCode::octaveShiftReceived, -2, 0 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.globals[GlobalSetting::octaveShift].load(), 0); } },
    { "octave shift lowest", reply (0x40, { 3, 0x40 }), { { InfoCode::octaveShiftReceived, -64, 0 } }, noChange },
    { "octave shift highest", reply (0x40, { 3, 0x3F }), { { InfoCode::octaveShiftReceived, 63, 0 } }, noChange },
    { "octave shift high bit ignored", reply (0x40, { 3, 0xFF }), { { InfoCode::octaveShiftReceived, -1, 0 } }, noChange },
    { "global setting", reply (0x40, { 13, 9 }), { { InfoCode::globalSettingReceived, 13, 9 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.globals[13].load(), 9); } },
    { "global setting out of range", reply (0x40, { 14, 9 }), { { InfoCode::globalSettingReceived, 14, 9 } },
      [] (ZelManager49& m) {
          for (auto& g : m.globals)
              EXPECT_EQ (g.load(), 0);
      } },
    { "curve setting", reply (0x41, { 4, 10 }), { { InfoCode::curveSettingReceived, 4, 10 } },
      [] (ZelManager49& m) { EXPECT_EQ (m.getCurve (4), 10); } },
    { "curve setting out of range", reply (0x41, { 11, 3 }), { { InfoCode::curveSettingReceived, 11, 3 } },
      [] (ZelManager49& m) {
          for (int n = 0; n <= 10; ++n)
              EXPECT_EQ (m.getCurve (n), 0);
      } },
    { "foreign SysEx", bytes ({ 0xF0, 0x00, 0x20, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x40, 0x06, 0x05, 0xF7 }), {},
      [] (ZelManager49& m) { EXPECT_EQ (m.globals[GlobalSetting::midiChannel].load(), 0); } },
    { "knob", cc (74, 5), { { InfoCode::controlMoved, 1, 5 } }, noChange },
    { "knob on channel 16", cc (74, 6, 16), { { InfoCode::controlMoved, 1, 6 } }, noChange },
    { "modulation wheel", cc (1, 7), { { InfoCode::modWheelMoved, 64, 7 } }, noChange },
    { "sustain pedal", cc (64, 127), { { InfoCode::sustainMoved, 80, 127 } }, noChange },
    { "expression pedal", cc (11, 8), { { InfoCode::expressionMoved, 81, 8 } }, noChange },
    { "auxiliary pedal", cc (12, 9), { { InfoCode::auxPedalMoved, 83, 9 } }, noChange },
    { "breath control", cc (2, 10), { { InfoCode::breathMoved, 82, 10 } }, noChange },
    { "category encoder down", cc (112, 0x45), { { InfoCode::controlMoved, 49, -5 } }, noChange },
    { "category encoder up", cc (112, 0x05), { { InfoCode::controlMoved, 49, 5 } }, noChange },
    { "preset encoder zero step", cc (114, 0x40), { { InfoCode::controlMoved, 51, 0 } }, noChange },
    { "unused controller number", cc (3, 1), {}, noChange },
    { "pitch wheel", juce::MidiMessage::pitchWheel (1, 12000), { { InfoCode::pitchWheelMoved, 65, 12000 } }, noChange },
    { "note on", juce::MidiMessage::noteOn (1, 36, (juce::uint8) 100), {}, noChange },
    { "aftertouch before a pad note", juce::MidiMessage::channelPressureChange (1, 50), {}, noChange },
    { "program change", juce::MidiMessage::programChange (1, 3), {}, noChange },
};
} // namespace

class IncomingTest : public LinkTest
{
protected:
    IncomingTest()
    {
        makeManager();
        manager->setDevicesEx ("kbd", "kbd", 0x300);
        infos.clear();
    }

    void feed (const juce::MidiMessage& message, const juce::String& source = "kbd")
    {
        manager->handleMidiMessage (source, message);
    }
};

class DecodeTest : public IncomingTest,
                   public ::testing::WithParamInterface<DecodeCase>
{
};

TEST_P (DecodeTest, ReportsAndStores)
{
    const auto& c = GetParam();
    feed (c.message);
    EXPECT_EQ (infos.get(), c.infos);
    c.check (*manager);
    EXPECT_FALSE (infos.sawNonNullPointer());
}

INSTANTIATE_TEST_SUITE_P (Replies, DecodeTest, ::testing::ValuesIn (kDecodeCases),
                          [] (const auto& testInfo)
                          {
                              auto name = juce::String (testInfo.param.name).replaceCharacter (' ', '_');
                              return name.retainCharacters ("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789")
                                  .toStdString();
                          });

TEST_F (IncomingTest, ControllerNumberReplyRebuildsTheNumberMapBeforeReporting)
{
    infos.onInfo = [this] (int code, int, int)
    {
        if (code == InfoCode::controllerNumbersReceived)
            feed (cc (100, 1)); // the listener moves a control at once
    };

    feed (reply (0x03, { 1, 100, 2, 101 }));

    EXPECT_EQ (infos.get(), (std::vector<Info> { { InfoCode::controllerNumbersReceived, 0, 0 },
                                                { InfoCode::controlMoved, 1, 1 } }));
}

TEST_F (IncomingTest, AftertouchIsReportedForTheLastPadNote)
{
    const std::pair<juce::MidiMessage, std::vector<Info>> steps[] = {
        { juce::MidiMessage::noteOn (1, 68, (juce::uint8) 0), {} }, // velocity 0 is no note on
        { juce::MidiMessage::channelPressureChange (1, 10), {} },
        { juce::MidiMessage::noteOn (1, 68, (juce::uint8) 90), {} },
        { juce::MidiMessage::channelPressureChange (1, 77), { { InfoCode::aftertouch, 129, 77 } } },
        { juce::MidiMessage::noteOn (2, 84, (juce::uint8) 1), {} },
        { juce::MidiMessage::noteOn (2, 50, (juce::uint8) 1), {} },
        { juce::MidiMessage::channelPressureChange (2, 5), { { InfoCode::aftertouch, 130, 5 } } },
        { juce::MidiMessage::noteOn (1, 36, (juce::uint8) 1), {} },
        { juce::MidiMessage::channelPressureChange (1, 6), { { InfoCode::aftertouch, 128, 6 } } },
    };

    for (const auto& [message, expected] : steps)
    {
        infos.clear();
        feed (message);
        EXPECT_EQ (infos.get(), expected);
    }
}

TEST_F (IncomingTest, MessagesFromOtherInputsAreDropped)
{
    feed (cc (74, 5), "other");
    feed (reply (0x40, { 6, 5 }), "Kbd");
    feed (kIdentityReply, "other");

    EXPECT_TRUE (infos.get().empty());
    EXPECT_EQ (manager->globals[GlobalSetting::midiChannel].load(), 0);
    EXPECT_EQ (manager->getInputName(), "kbd");
}

TEST_F (IncomingTest, BurnReceiverSeesEveryMessageFirst)
{
    struct Receiver : juce::MidiInputCallback
    {
        void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override { got.push_back (m); }
        std::vector<juce::MidiMessage> got;
    } receiver;

    ports.addOutput ("USB MIDI Device");
    ports.addInput ("USB MIDI Device");
    ASSERT_TRUE (manager->SetBurnMode (&receiver, "USB MIDI Device"));

    feed (juce::MidiMessage::noteOn (1, 1, (juce::uint8) 1), "other");
    feed (cc (74, 5), "USB MIDI Device");

    ASSERT_EQ (receiver.got.size(), 2u);
    EXPECT_TRUE (receiver.got[0].isNoteOn());
    EXPECT_EQ (infos.get(), (std::vector<Info> { { InfoCode::controlMoved, 1, 5 } }));

    manager->SetBurnMode (nullptr, "USB MIDI Device");
}

TEST_F (IncomingTest, UntilConnectedOnlyAnIdentityReplyIsTaken)
{
    makeManager();
    infos.clear();

    manager->handleIncomingMidiMessage (nullptr, cc (74, 5));
    manager->handleIncomingMidiMessage (nullptr, reply (0x40, { 6, 5 }));
    EXPECT_TRUE (infos.get().empty());
    EXPECT_FALSE (manager->connected.load());

    manager->handleIncomingMidiMessage (nullptr, kIdentityReply);
    EXPECT_EQ (infos.get(), (std::vector<Info> { { InfoCode::connected, 0, 0 } }));
    EXPECT_EQ (manager->getInputName(), "unknown");
    EXPECT_EQ (manager->getModelId(), 0x101);
}

TEST_F (IncomingTest, IncompleteSysexIsDropped)
{
    const juce::uint8 part[] = { 0xF0, 0x00, 0x3F, 0x6E };
    manager->handlePartialSysexMessage (nullptr, part, 4, 0.0);
    EXPECT_TRUE (infos.get().empty());
}
