#include "LinkTestSupport.h"

#include <algorithm>
#include <thread>

namespace
{
std::vector<int> sysex (std::initializer_list<int> body)
{
    std::vector<int> result { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42 };
    result.insert (result.end(), body);
    result.push_back (0xF7);
    return result;
}

struct SenderCase
{
    const char* name;
    std::function<bool (ZelManager49&)> send;
    std::vector<int> bytes;
};

const SenderCase kSenders[] = {
    { "store", [] (ZelManager49& m) { return m.postStoreRequest (3); }, sysex ({ 0x06, 0x03 }) },
    { "recall", [] (ZelManager49& m) { return m.postRecallRequest (2); }, sysex ({ 0x05, 0x02 }) },
    { "LED state", [] (ZelManager49& m) { return m.postLedState (99, 1); }, sysex ({ 0x02, 0x00, 0x00, 0x63, 0x01 }) },
    { "LED request", [] (ZelManager49& m) { return m.postLedRequest (100); }, sysex ({ 0x01, 0x00, 0x00, 0x64 }) },
    { "octave shift", [] (ZelManager49& m) { return m.postOctaveShift (-1); }, sysex ({ 0x02, 0x00, 0x40, 0x03, 0x7F }) },
    { "octave shift request", [] (ZelManager49& m) { return m.postOctaveShiftRequest(); }, sysex ({ 0x01, 0x00, 0x40, 0x03 }) },
    { "relative mode on", [] (ZelManager49& m) { return m.postRelativeMode (true); }, sysex ({ 0x02, 0x00, 0x40, 0x02, 0x7F }) },
    { "relative mode off", [] (ZelManager49& m) { return m.postRelativeMode (false); }, sysex ({ 0x02, 0x00, 0x40, 0x02, 0x01 }) },
    { "relative mode request", [] (ZelManager49& m) { return m.postRelativeModeRequest(); }, sysex ({ 0x01, 0x00, 0x40, 0x02 }) },
    { "curve", [] (ZelManager49& m) { return m.postCurveSetting (4, 10); }, sysex ({ 0x02, 0x00, 0x41, 0x04, 0x0A }) },
    { "curve request", [] (ZelManager49& m) { return m.postCurveSettingRequest (1); }, sysex ({ 0x01, 0x00, 0x41, 0x01 }) },
    { "global", [] (ZelManager49& m) { return m.postGlobalSetting (GlobalSetting::lowerPartChannel, 9); },
      sysex ({ 0x02, 0x00, 0x40, 0x05, 0x09 }) },
    { "global request", [] (ZelManager49& m) { return m.postGlobalSettingRequest (GlobalSetting::splitPoint); },
      sysex ({ 0x01, 0x00, 0x40, 0x08 }) },
    { "MIDI channel request", [] (ZelManager49& m) { return m.postMidiChannelRequest(); }, sysex ({ 0x01, 0x00, 0x40, 0x06 }) },
    { "item parameter", [] (ZelManager49& m) { return m.postItemParamSet (ItemParam::number, 48, 7); },
      sysex ({ 0x02, 0x00, 0x03, 0x30, 0x07 }) },
    { "item setting", [] (ZelManager49& m) { return m.postItemSetting (ItemParam::channel, 1, 65, 5); },
      sysex ({ 0x02, 0x05, 0x02, 0x01, 0x41 }) },
    { "item setting request", [] (ZelManager49& m) { return m.postItemSettingRequest (ItemParam::minLsb, 0, 1); },
      sysex ({ 0x01, 0x01, 0x04, 0x00 }) },
    { "level value", [] (ZelManager49& m) { return m.postItemValue (48, 64); }, sysex ({ 0x02, 0x00, 0x00, 0x30, 0x40 }) },
    { "knob value", [] (ZelManager49& m) { return m.postItemValue (10, 64); }, sysex ({ 0x02, 0x00, 0x00, 0x0A, 0x40 }) },
    { "item value request", [] (ZelManager49& m) { return m.postItemValueRequest (5); }, sysex ({ 0x01, 0x00, 0x00, 0x05 }) },
    { "all controller numbers", [] (ZelManager49& m) { return m.postItemConfigRequest (0); }, sysex ({ 0x01, 0x00, 0x03, 0x00 }) },
};
// Arguments that the builders write unmasked and that no data byte can carry.
const std::pair<const char*, std::function<bool (ZelManager49&)>> kOutOfRangeSends[] = {
    { "store 128", [] (ZelManager49& m) { return m.postStoreRequest (128); } },
    { "store -1", [] (ZelManager49& m) { return m.postStoreRequest (-1); } },
    { "recall 200", [] (ZelManager49& m) { return m.postRecallRequest (200); } },
    { "LED state -1", [] (ZelManager49& m) { return m.postLedState (99, -1); } },
    { "LED state of item 128", [] (ZelManager49& m) { return m.postLedState (128, 0); } },
    { "LED request -1", [] (ZelManager49& m) { return m.postLedRequest (-1); } },
    { "curve value 128", [] (ZelManager49& m) { return m.postCurveSetting (4, 128); } },
    { "curve value -8", [] (ZelManager49& m) { return m.postCurveSetting (3, -8); } },
    { "curve number 255", [] (ZelManager49& m) { return m.postCurveSetting (255, 1); } },
    { "curve request 128", [] (ZelManager49& m) { return m.postCurveSettingRequest (128); } },
    { "global value 300", [] (ZelManager49& m) { return m.postGlobalSetting (GlobalSetting::midiChannel, 300); } },
    { "global number -1", [] (ZelManager49& m) { return m.postGlobalSetting (-1, 1); } },
    { "global request 200", [] (ZelManager49& m) { return m.postGlobalSettingRequest (200); } },
    { "item parameter value -1", [] (ZelManager49& m) { return m.postItemParamSet (ItemParam::number, 99, -1); } },
    { "item parameter of item 200", [] (ZelManager49& m) { return m.postItemParamSet (ItemParam::mode, 200, 1); } },
    { "item parameter number 128", [] (ZelManager49& m) { return m.postItemParamSet (128, 1, 1); } },
    { "item setting value 200", [] (ZelManager49& m) { return m.postItemSetting (ItemParam::mode, 5, 200, 0); } },
    { "item setting sub byte 0x80", [] (ZelManager49& m) { return m.postItemSetting (ItemParam::channel, 1, 65, 0x80); } },
    { "item setting request of item -1", [] (ZelManager49& m) { return m.postItemSettingRequest (ItemParam::number, -1, 0); } },
    { "item setting request sub byte 255", [] (ZelManager49& m) { return m.postItemSettingRequest (ItemParam::number, 0, 255); } },
    { "item value 128", [] (ZelManager49& m) { return m.postItemValue (48, 128); } },
    { "item value of item -1", [] (ZelManager49& m) { return m.postItemValue (-1, 5); } },
    { "item value request 255", [] (ZelManager49& m) { return m.postItemValueRequest (255); } },
    { "controller number request 128", [] (ZelManager49& m) { return m.postItemConfigRequest (128); } },
};
} // namespace

class SendersTest : public LinkTest
{
protected:
    SendersTest()
    {
        ports.addOutput ("Out");
        makeManager();
    }

    void connect (int model = 0x300) { manager->setDevicesEx ("In", "Out", model); }

    std::vector<std::vector<int>> sentBytes() const
    {
        std::vector<std::vector<int>> result;

        for (const auto& m : ports.getSentOn ("Out"))
            result.push_back (bytesOf (m));

        return result;
    }

    int pausedMs() const
    {
        int us = 0;

        for (const auto& p : clock.getPauses())
            us += p.microseconds;

        return us / 1000;
    }
};

TEST_F (SendersTest, EachSenderSendsItsMessageAndPauses)
{
    connect();

    for (const auto& c : kSenders)
    {
        SCOPED_TRACE (c.name);
        ports.clearSent();
        clock.clearPauses();

        EXPECT_TRUE (c.send (*manager));
        EXPECT_EQ (sentBytes(), (std::vector<std::vector<int>> { c.bytes }));
        ASSERT_EQ (clock.getPauses().size(), 1u);
        EXPECT_EQ (clock.getPauses()[0].microseconds, 2000);
    }
}

TEST_F (SendersTest, WithoutKeyboardOutputNothingIsSent)
{
    for (const auto& c : kSenders)
        EXPECT_FALSE (c.send (*manager)) << c.name;

    manager->SendMidiMessage (juce::MidiMessage::noteOn (1, 1, (juce::uint8) 1));
    EXPECT_FALSE (manager->updateKeyboard (0));

    EXPECT_TRUE (ports.getSent().empty());
    EXPECT_TRUE (clock.getPauses().empty());
}

TEST_F (SendersTest, RefusedMessagesSendNothing)
{
    connect();
    EXPECT_FALSE (manager->postItemValue (11, 64));
    EXPECT_FALSE (manager->postItemValue (49, 64));
    EXPECT_FALSE (manager->postLCDMessage ("Hello", "World"));
    EXPECT_TRUE (ports.getSent().empty());
}

TEST_F (SendersTest, ArgumentsOutsideADataByteSendNothing)
{
    connect();

    for (const auto& [name, send] : kOutOfRangeSends)
        EXPECT_FALSE (send (*manager)) << name;

    EXPECT_TRUE (ports.getSent().empty());
    EXPECT_TRUE (clock.getPauses().empty());
}

TEST_F (SendersTest, RawMessagesGoOutPaced)
{
    connect();
    const auto block = bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x10, 0x01, 0x02, 0xF7 });
    manager->SendMidiMessage (block);

    EXPECT_EQ (sentBytes(), (std::vector<std::vector<int>> { bytesOf (block) }));
    EXPECT_EQ (pausedMs(), 2);
}

TEST_F (SendersTest, UpdateKeyboardSendsTheWholeFactorySetupThenStores)
{
    connect();
    manager->globals[GlobalSetting::midiChannel] = 3;
    manager->globals[GlobalSetting::lowerPartChannel] = 4; // not sent
    manager->handleMidiMessage ("In", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x41, 0x04, 0x0B, 0xF7 }));

    EXPECT_TRUE (manager->updateKeyboard (0));

    // Every item parameter in ascending item order, but the LEDs' number -1,
    // which no data byte can carry.
    std::vector<std::vector<int>> itemMessages;

    for (int item = 0; item < 128; ++item)
        for (int p = ItemParam::first; p <= ItemParam::last; ++p)
            if (const int value = manager->getParamForItem (p, item); item != 65 && value >= 0 && value <= 127)
                itemMessages.push_back (sysex ({ 0x02, 0x00, p, item, value }));

    ASSERT_EQ (itemMessages.size(), 544u);

    const auto sent = sentBytes();
    ASSERT_EQ (sent.size(), 544u + 5u);
    EXPECT_EQ (std::vector<std::vector<int>> (sent.begin(), sent.begin() + 544), itemMessages);

    EXPECT_EQ (sent[544], sysex ({ 0x02, 0x00, 0x40, 0x06, 0x03 }));
    EXPECT_EQ (sent[545], sysex ({ 0x02, 0x00, 0x41, 0x04, 0x0B }));
    EXPECT_EQ (sent[546], sysex ({ 0x02, 0x00, 0x41, 0x01, 0x00 }));
    EXPECT_EQ (sent[547], sysex ({ 0x02, 0x00, 0x41, 0x03, 0x00 }));
    EXPECT_EQ (sent[548], sysex ({ 0x06, 0x00 }));

    // 4 ms per item parameter sent, 2 ms per closing message; a skipped one costs nothing.
    EXPECT_EQ (pausedMs(), 544 * 4 + 5 * 2);
}

TEST_F (SendersTest, UpdateKeyboardSkipsWhatADataByteCannotCarryAndStillStores)
{
    connect();
    ASSERT_TRUE (loadSettingsText (*manager,
        "<Settings><Items>"
        "<Item ID=\"5\" Mode=\"200\" Chan=\"-1\" Num=\"60\" MinLSB=\"0\" MaxMSB=\"300\" Option=\"1\"/>"
        "<Item ID=\"200\" Mode=\"1\" Chan=\"2\" Num=\"3\" MinLSB=\"4\" MaxMSB=\"5\" Option=\"6\"/>"
        "</Items><Globals><Param ID=\"6\" Value=\"130\"/></Globals>"
        "<Curves><Param ID=\"4\" Value=\"-8\"/><Param ID=\"1\" Value=\"3\"/><Param ID=\"3\" Value=\"128\"/></Curves>"
        "</Settings>"));

    EXPECT_TRUE (manager->updateKeyboard (4));

    const auto sent = sentBytes();
    ASSERT_GE (sent.size(), 2u);

    // Item 5: Num, MinLSB and Option only; item 200 not at all.
    std::vector<std::vector<int>> item5, item200;

    for (const auto& m : sent)
    {
        EXPECT_TRUE (std::all_of (m.begin() + 1, m.end() - 1, [] (int b) { return b < 0x80; }));

        if (m.size() == 12 && m[8] >= 1 && m[8] <= 6 && m[9] == 5)
            item5.push_back (m);
    }

    EXPECT_EQ (item5, (std::vector<std::vector<int>> { sysex ({ 0x02, 0x00, 0x03, 0x05, 60 }),
                                                       sysex ({ 0x02, 0x00, 0x04, 0x05, 0 }),
                                                       sysex ({ 0x02, 0x00, 0x06, 0x05, 1 }) }));

    // Global 6 and curves 4 and 3 do not fit either: curve 1 and the store close the send.
    EXPECT_EQ (sent[sent.size() - 2], sysex ({ 0x02, 0x00, 0x41, 0x01, 0x03 }));
    EXPECT_EQ (sent.back(), sysex ({ 0x06, 0x04 }));
}

TEST_F (SendersTest, UpdateKeyboardPacesEveryParameterNumberButNotASkippedOne)
{
    connect();
    manager->setParamForItem (ItemParam::mode, 70, 1);
    manager->setParamForItem (ItemParam::number, 70, 5);
    manager->setParamForItem (ItemParam::minLsb, 70, 300); // skipped, and its pause with it

    manager->updateKeyboard (0);

    const auto sent = ports.getSent();
    std::vector<size_t> item70;

    for (size_t i = 0; i < sent.size(); ++i)
        if (sent[i].message.getRawDataSize() == 12 && sent[i].message.getRawData()[9] == 70)
            item70.push_back (i);

    ASSERT_EQ (item70.size(), 2u);
    ASSERT_LT (item70[1] + 1, sent.size());
    EXPECT_EQ (sent[item70[1]].timeMs - sent[item70[0]].timeMs, 6u);     // sender, p 1, p 2
    EXPECT_EQ (sent[item70[1] + 1].timeMs - sent[item70[1]].timeMs, 8u); // sender, p 3, p 5, p 6
}

TEST_F (SendersTest, ProgramItemOnlyForProgrammableModels)
{
    const std::pair<int, bool> models[] = { { 0x300, true },  { 0x400, true },  { 0x500, true },  { 0x502, true },
                                            { 0x504, true },  { 0x1300, true }, { 0x100, false }, { 0x101, false },
                                            { 0x200, false }, { 0x501, false }, { 0x600, false } };

    for (const auto& [model, programmable] : models)
    {
        SCOPED_TRACE (model);
        connect (model);
        ports.clearSent();

        manager->programItem (48, 1, 65, 7, 0, 127, 1);

        if (programmable)
            EXPECT_EQ (sentBytes(), (std::vector<std::vector<int>> {
                                        sysex ({ 0x02, 0x00, 0x01, 0x30, 1 }), sysex ({ 0x02, 0x00, 0x02, 0x30, 65 }),
                                        sysex ({ 0x02, 0x00, 0x03, 0x30, 7 }), sysex ({ 0x02, 0x00, 0x04, 0x30, 0 }),
                                        sysex ({ 0x02, 0x00, 0x05, 0x30, 127 }), sysex ({ 0x02, 0x00, 0x06, 0x30, 1 }) }));
        else
            EXPECT_TRUE (sentBytes().empty());
    }
}

TEST_F (SendersTest, ProgramItemSendsOnlyTheParametersThatFitADataByte)
{
    connect();
    manager->programItem (48, 200, 65, -1, 0, 128, 1);

    EXPECT_EQ (sentBytes(), (std::vector<std::vector<int>> { sysex ({ 0x02, 0x00, 0x02, 0x30, 65 }),
                                                             sysex ({ 0x02, 0x00, 0x04, 0x30, 0 }),
                                                             sysex ({ 0x02, 0x00, 0x06, 0x30, 1 }) }));

    ports.clearSent();
    manager->programItem (200, 1, 2, 3, 4, 5, 6);
    EXPECT_TRUE (sentBytes().empty());
}

TEST_F (SendersTest, SendsFromSeveralThreadsDoNotOverlap)
{
    connect();

    auto sendMany = [this]
    {
        for (int i = 0; i < 300; ++i)
            manager->postItemValueRequest (i & 0x7F);
    };

    std::thread worker1 (sendMany), worker2 (sendMany);

    // Meanwhile the output is replaced, as a reconnect does.
    for (int i = 0; i < 50; ++i)
        manager->setDevices ("In", "Out", 0);

    sendMany();
    worker1.join();
    worker2.join();

    EXPECT_EQ (ports.getSentOn ("Out").size(), 900u);
    EXPECT_EQ (ports.getOverlappingSends(), 0);
}

//==============================================================================
class QueryTest : public LinkTest
{
protected:
    QueryTest()
    {
        addKeyboard().setItem (7, { 1, 2, 33, 4, 5, 6 });
        makeManager();
        manager->startDetection (true);
        manager->stopTimer();
        clock.clearPauses();
    }

    int sleeps() const
    {
        int n = 0;

        for (const auto& p : clock.getPauses())
            if (p.kind == VirtualClock::Pause::sleeping)
            {
                EXPECT_EQ (p.microseconds, 50000);
                ++n;
            }

        return n;
    }
};

TEST_F (QueryTest, AnsweredQueryReturnsTheValue)
{
    EXPECT_EQ (manager->queryItemParamValue (ItemParam::number, 7, 0), 33);
    EXPECT_EQ (bytesOf (keyboard->getReceived().back().message), sysex ({ 0x01, 0x00, 0x03, 0x07 }));
    EXPECT_EQ (sleeps(), 0);
    EXPECT_TRUE (keyboard->getUnexpected().empty());
}

TEST_F (QueryTest, LateReplyIsWaitedFor)
{
    keyboard->setReplyDelayMs (120);
    EXPECT_EQ (manager->queryItemParamValue (ItemParam::maxMsb, 7, 0), 5);
    EXPECT_EQ (sleeps(), 3);
}

TEST_F (QueryTest, WithoutReplyTheQueryGivesUpAfterTwentyWaits)
{
    keyboard->setSilent (true);
    EXPECT_EQ (manager->queryItemParamValue (ItemParam::number, 7, 0), -1);
    EXPECT_EQ (sleeps(), 20);
}

TEST_F (QueryTest, ReplyDuringTheLastWaitIsNotUsed)
{
    keyboard->setReplyDelayMs (1000);
    EXPECT_EQ (manager->queryItemParamValue (ItemParam::number, 7, 0), -1);
    EXPECT_EQ (sleeps(), 20);
}

TEST_F (QueryTest, AnyOtherMessageSettlesTheQueryEmpty)
{
    keyboard->setSilent (true);
    keyboard->play (juce::MidiMessage::controllerEvent (1, 74, 1), 120);
    EXPECT_EQ (manager->queryItemParamValue (ItemParam::number, 7, 0), -1);
    EXPECT_EQ (sleeps(), 3);
}

TEST_F (QueryTest, ReplyForAnotherItemSettlesTheQueryEmpty)
{
    keyboard->setItem (8, { 1, 2, 44, 4, 5, 6 });
    keyboard->setReplyDelayMs (60);
    manager->postItemSettingRequest (ItemParam::number, 8, 0); // its reply comes first
    EXPECT_EQ (manager->queryItemParamValue (ItemParam::number, 7, 0), -1);
}
