#include "LinkTestSupport.h"

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
    { "global", [] (ZelManager49& m) { return m.postGlobalSetting (5, 9); }, sysex ({ 0x02, 0x00, 0x40, 0x05, 0x09 }) },
    { "global request", [] (ZelManager49& m) { return m.postGlobalSettingRequest (8); }, sysex ({ 0x01, 0x00, 0x40, 0x08 }) },
    { "MIDI channel request", [] (ZelManager49& m) { return m.postMidiChannelRequest(); }, sysex ({ 0x01, 0x00, 0x40, 0x06 }) },
    { "item parameter", [] (ZelManager49& m) { return m.postItemParamSet (3, 48, 7); }, sysex ({ 0x02, 0x00, 0x03, 0x30, 0x07 }) },
    { "item setting", [] (ZelManager49& m) { return m.postItemSetting (2, 1, 65, 5); }, sysex ({ 0x02, 0x05, 0x02, 0x01, 0x41 }) },
    { "item setting request", [] (ZelManager49& m) { return m.postItemSettingRequest (4, 0, 1); }, sysex ({ 0x01, 0x01, 0x04, 0x00 }) },
    { "level value", [] (ZelManager49& m) { return m.postItemValue (48, 64); }, sysex ({ 0x02, 0x00, 0x00, 0x30, 0x40 }) },
    { "knob value", [] (ZelManager49& m) { return m.postItemValue (10, 64); }, sysex ({ 0x02, 0x00, 0x00, 0x0A, 0x40 }) },
    { "item value request", [] (ZelManager49& m) { return m.postItemValueRequest (5); }, sysex ({ 0x01, 0x00, 0x00, 0x05 }) },
    { "all controller numbers", [] (ZelManager49& m) { return m.postItemConfigRequest (0); }, sysex ({ 0x01, 0x00, 0x03, 0x00 }) },
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
    manager->globals[6] = 3;
    manager->globals[5] = 4; // not sent
    manager->handleMidiMessage ("In", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x41, 0x04, 0x0B, 0xF7 }));

    EXPECT_TRUE (manager->updateKeyboard (0));

    const auto sent = sentBytes();
    ASSERT_EQ (sent.size(), 552u + 5u);

    int lastItem = -1;

    for (size_t i = 0; i < 552; ++i)
    {
        const auto& m = sent[i];
        ASSERT_EQ (m.size(), 12u);
        const int p = m[8], item = m[9];
        EXPECT_EQ (m[6], 0x02);
        EXPECT_EQ (m[7], 0x00);
        EXPECT_EQ (p, (int) (i % 6) + 1);
        EXPECT_NE (item, 65);

        if (p == 1)
            EXPECT_GT (item, lastItem);
        else
            EXPECT_EQ (item, lastItem);

        lastItem = item;
        EXPECT_EQ (m[10], manager->getParamForItem (p, item) & 0xFF) << "item " << item << " p " << p;
    }

    EXPECT_EQ (sent[552], sysex ({ 0x02, 0x00, 0x40, 0x06, 0x03 }));
    EXPECT_EQ (sent[553], sysex ({ 0x02, 0x00, 0x41, 0x04, 0x0B }));
    EXPECT_EQ (sent[554], sysex ({ 0x02, 0x00, 0x41, 0x01, 0x00 }));
    EXPECT_EQ (sent[555], sysex ({ 0x02, 0x00, 0x41, 0x03, 0x00 }));
    EXPECT_EQ (sent[556], sysex ({ 0x06, 0x00 }));

    // 4 ms per item parameter, 2 ms per closing message.
    EXPECT_EQ (pausedMs(), 552 * 4 + 5 * 2);
}

TEST_F (SendersTest, UpdateKeyboardPacesEveryParameterNumber)
{
    connect();
    manager->setParamForItem (1, 200, 1);
    manager->setParamForItem (3, 200, 5);

    manager->updateKeyboard (0);

    const auto sent = ports.getSent();
    std::vector<juce::uint32> times;

    for (const auto& s : sent)
        if (s.message.getRawDataSize() == 12 && s.message.getRawData()[9] == 200)
            times.push_back (s.timeMs);

    ASSERT_EQ (times.size(), 2u);
    EXPECT_EQ (times[1] - times[0], 6u); // sender, p 1, p 2

    const auto globalSent = std::find_if (sent.begin(), sent.end(),
                                          [] (const SimMidiPorts::Sent& s) { return s.message.getRawData()[8] == 0x40; });
    ASSERT_NE (globalSent, sent.end());
    EXPECT_EQ (globalSent->timeMs - times[1], 10u); // sender, p 3 to p 6
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
            if (p.kind == VirtualClock::Pause::sleep)
            {
                EXPECT_EQ (p.microseconds, 50000);
                ++n;
            }

        return n;
    }
};

TEST_F (QueryTest, AnsweredQueryReturnsTheValue)
{
    EXPECT_EQ (manager->queryItemParamValue (3, 7, 0), 33);
    EXPECT_EQ (bytesOf (keyboard->getReceived().back().message), sysex ({ 0x01, 0x00, 0x03, 0x07 }));
    EXPECT_EQ (sleeps(), 0);
    EXPECT_TRUE (keyboard->getUnexpected().empty());
}

TEST_F (QueryTest, LateReplyIsWaitedFor)
{
    keyboard->setReplyDelayMs (120);
    EXPECT_EQ (manager->queryItemParamValue (5, 7, 0), 5);
    EXPECT_EQ (sleeps(), 3);
}

TEST_F (QueryTest, WithoutReplyTheQueryGivesUpAfterTwentyWaits)
{
    keyboard->setSilent (true);
    EXPECT_EQ (manager->queryItemParamValue (3, 7, 0), -1);
    EXPECT_EQ (sleeps(), 20);
}

TEST_F (QueryTest, ReplyDuringTheLastWaitIsNotUsed)
{
    keyboard->setReplyDelayMs (1000);
    EXPECT_EQ (manager->queryItemParamValue (3, 7, 0), -1);
    EXPECT_EQ (sleeps(), 20);
}

TEST_F (QueryTest, AnyOtherMessageSettlesTheQueryEmpty)
{
    keyboard->setSilent (true);
    keyboard->play (juce::MidiMessage::controllerEvent (1, 74, 1), 120);
    EXPECT_EQ (manager->queryItemParamValue (3, 7, 0), -1);
    EXPECT_EQ (sleeps(), 3);
}

TEST_F (QueryTest, ReplyForAnotherItemSettlesTheQueryEmpty)
{
    keyboard->setItem (8, { 1, 2, 44, 4, 5, 6 });
    keyboard->setReplyDelayMs (60);
    manager->postItemSettingRequest (3, 8, 0); // its reply comes first
    EXPECT_EQ (manager->queryItemParamValue (3, 7, 0), -1);
}
