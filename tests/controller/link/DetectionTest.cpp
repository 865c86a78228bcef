#include "LinkTestSupport.h"

#include "KnownPortManager.h"

namespace
{
const std::vector<int> kIdentityRequest { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };

/** Output names and times of the identity requests, in sending order. */
std::vector<std::pair<juce::String, juce::uint32>> probes (const SimMidiPorts& ports)
{
    std::vector<std::pair<juce::String, juce::uint32>> result;

    for (const auto& s : ports.getSent())
        if (bytesOf (s.message) == kIdentityRequest)
            result.emplace_back (s.output, s.timeMs);

    return result;
}
} // namespace

class DetectionTest : public LinkTest
{
protected:
    void addSilentOutputs (std::initializer_list<const char*> names)
    {
        for (const auto* name : names)
            ports.addOutput (name);
    }
};

TEST_F (DetectionTest, UnansweredSearchProbesEveryOutputTwiceThenReportsOnce)
{
    addSilentOutputs ({ "A", "B", "C" });
    ports.addInput ("In 1");
    ports.addInput ("In 2");
    int inputsOpenAtTheEnd = -1;
    infos.onInfo = [&] (int code, int, int)
    {
        if (code == InfoCode::detectionEndedWithoutReply)
            inputsOpenAtTheEnd = ports.getOpenInputCount();
    };
    makeManager();

    const auto start = clock.getMillisecondCounter();
    manager->startDetection (true);
    EXPECT_EQ (ports.getOpenInputCount(), 2);

    for (int i = 0; i < 5; ++i)
        tick();

    EXPECT_TRUE (infos.get().empty());
    EXPECT_TRUE (manager->isTimerRunning());

    tick();

    const auto sent = probes (ports);
    ASSERT_EQ (sent.size(), 6u);
    const char* expectedOrder[] = { "A", "B", "C", "A", "B", "C" };

    for (size_t i = 0; i < sent.size(); ++i)
    {
        EXPECT_EQ (sent[i].first, expectedOrder[i]);
        // 2000 ms apart, each tick after the 5 ms pause of the probe before it.
        EXPECT_NEAR ((double) (sent[i].second - start), 2000.0 * (double) i, 5.0 * (double) i + 1);
    }

    EXPECT_EQ (infos.get(), (std::vector<Info> { { InfoCode::detectionEndedWithoutReply, 0, 0 } }));
    EXPECT_FALSE (manager->isTimerRunning());
    EXPECT_EQ (inputsOpenAtTheEnd, 0);
    EXPECT_FALSE (manager->connected.load());
}

TEST_F (DetectionTest, TicksTooCloseToTheLastAcceptedOneChangeNothing)
{
    addSilentOutputs ({ "A", "B" });
    makeManager();
    manager->startDetection (true);

    tick (700); // the first tick is taken at least 701 ms after the start
    EXPECT_EQ (probes (ports).size(), 1u);

    tick (1);
    EXPECT_EQ (probes (ports).size(), 2u);

    // Later ones at least 201 ms after the last taken tick; 5 ms of that went
    // by in the pause after the probe.
    tick (195);
    EXPECT_EQ (probes (ports).size(), 2u);

    tick (1);
    EXPECT_EQ (probes (ports).size(), 3u);
    EXPECT_EQ (probes (ports).back().first, "A");
}

TEST_F (DetectionTest, ReplyWhileProbingConnectsToTheProbedOutputAndTheReplyingInput)
{
    ports.addOutput ("Other Out");
    auto& kbd = addKeyboard ("Orlune Out", "Orlune In");
    ports.addInput ("Other In");
    kbd.setIdentity (3, 0, { 0x01, 0x02, 0x03, 0x01 });
    makeManager();

    manager->startDetection (true);
    EXPECT_TRUE (infos.get().empty());
    EXPECT_EQ (ports.getOpenInputCount(), 2);

    tick(); // probes "Orlune Out"; the reply comes during the probe's pause

    EXPECT_EQ (infos.get(), (std::vector<Info> { { InfoCode::connected, 0, 0 } }));
    EXPECT_TRUE (manager->connected.load());
    EXPECT_EQ (manager->getOutputName(), "Orlune Out");
    EXPECT_EQ (manager->getInputName(), "Orlune In");
    EXPECT_EQ (manager->getModelId(), 0x1300);
    const char revision[] = { 1, 2, 3, 1 };

    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (manager->firmwareRevision[i].load(), revision[i]);

    // Still listening until the next accepted tick, which ends the search quietly.
    EXPECT_EQ (ports.getOpenInputCount(), 2);
    tick();
    EXPECT_FALSE (manager->isTimerRunning());
    EXPECT_EQ (ports.getOpenInputCount(), 0);
    EXPECT_EQ (infos.get().size(), 1u);
    EXPECT_EQ (probes (ports).size(), 2u);

    // The keyboard's output is open for the senders.
    EXPECT_TRUE (manager->postMidiChannelRequest());
    EXPECT_EQ (bytesOf (ports.getSentOn ("Orlune Out").back()),
               (std::vector<int> { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x40, 0x06, 0xF7 }));
    EXPECT_TRUE (kbd.getUnexpected().empty());
}

TEST_F (DetectionTest, KnownPortFallbackConnectsOnlyOutsideStandaloneMode)
{
    // Two listed names, in the reverse of the list's order, and one in the wrong case.
    addSilentOutputs ({ "The Quillary", "brindor", "Brindor" });

    for (const bool standalone : { true, false })
    {
        SCOPED_TRACE (standalone ? "standalone" : "hosted");
        ZelManager49::sStandaloneMode = standalone;
        infos.clear();
        makeManager();
        manager->startDetection (true);

        for (int i = 0; i < 6; ++i)
            tick();

        if (standalone)
        {
            EXPECT_EQ (infos.codes(), (std::vector<int> { InfoCode::detectionEndedWithoutReply }));
            EXPECT_FALSE (manager->connected.load());
            EXPECT_FALSE (manager->postMidiChannelRequest());
        }
        else
        {
            // Every match in list order, each reported, then the end of detection.
            EXPECT_EQ (infos.codes(), (std::vector<int> { InfoCode::connected, InfoCode::connected,
                                                          InfoCode::detectionEndedWithoutReply }));
            EXPECT_TRUE (manager->connected.load());
            EXPECT_EQ (manager->getModelId(), 0x1300);
            EXPECT_EQ (manager->getOutputName(), "The Quillary");
            EXPECT_EQ (manager->getInputName(), "The Quillary");
        }
    }

    ASSERT_GE (KnownPortManager::getInstance()->count(), 2);
}

TEST_F (DetectionTest, StartingWhileSearchingDoesNothing)
{
    addSilentOutputs ({ "A" });
    ports.addInput ("In");
    makeManager();
    manager->startDetection (true);
    tick();
    manager->startDetection (true);

    EXPECT_EQ (ports.getOpenInputCount(), 1);
    EXPECT_EQ (probes (ports).size(), 2u);
}

TEST_F (DetectionTest, WithoutOutputsNothingIsProbedOrReported)
{
    ports.addInput ("In");
    makeManager();
    manager->startDetection (true);

    EXPECT_FALSE (manager->isTimerRunning());
    EXPECT_TRUE (ports.getSent().empty());
    EXPECT_EQ (ports.getOpenInputCount(), 1); // left open, as the search never ends
    tick();
    EXPECT_TRUE (infos.get().empty());
}

TEST_F (DetectionTest, PortsThatDoNotOpenAreSkipped)
{
    ports.addOutput ("Broken", nullptr, false);
    auto& kbd = addKeyboard();
    ports.addInput ("Broken In", false);
    makeManager();

    manager->startDetection (true);
    EXPECT_TRUE (probes (ports).empty());
    EXPECT_EQ (ports.getOpenInputCount(), 1);

    tick();
    EXPECT_EQ (infos.codes(), (std::vector<int> { InfoCode::connected }));
    EXPECT_EQ (manager->getOutputName(), "Orlune Out");
    EXPECT_EQ (kbd.getReceived().size(), 1u);
}

TEST_F (DetectionTest, KeyboardBehindAPortThatDoesNotOpenIsNotFound)
{
    addKeyboard();
    ports.setOutputOpens ("Orlune Out", false);
    makeManager();
    manager->startDetection (true);

    for (int i = 0; i < 2; ++i)
        tick();

    EXPECT_EQ (infos.codes(), (std::vector<int> { InfoCode::detectionEndedWithoutReply }));
    EXPECT_TRUE (keyboard->getReceived().empty());
}

TEST_F (DetectionTest, InputsAreLeftAloneOutsideStandaloneMode)
{
    ZelManager49::sStandaloneMode = false;
    ports.addInput ("In");
    makeManager();

    manager->openMidiIns (true);
    EXPECT_EQ (ports.getOpenInputCount(), 0);

    ZelManager49::sStandaloneMode = true;
    manager->openMidiIns (true);
    ZelManager49::sStandaloneMode = false;
    manager->closeMidiIns();
    EXPECT_EQ (ports.getOpenInputCount(), 1);

    ZelManager49::sStandaloneMode = true;
    manager->closeMidiIns();
    EXPECT_EQ (ports.getOpenInputCount(), 0);
}

TEST_F (DetectionTest, SecondIdentityReplyReconnectsAndTheMessageThreadClosesTheInputs)
{
    auto& kbd = addKeyboard();
    ports.addInput ("Other In");
    makeManager();
    manager->startDetection (true);
    manager->stopTimer(); // keep the inputs open past the search
    ASSERT_TRUE (manager->connected.load());

    kbd.play (bytes ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x05, 0x04, 9, 9, 9, 9, 0xF7 }));
    ASSERT_TRUE (ports.waitUntilIdle());

    EXPECT_EQ (infos.codes(), (std::vector<int> { InfoCode::connected, InfoCode::connected }));
    EXPECT_EQ (manager->getModelId(), 0x504);
    EXPECT_EQ (manager->firmwareRevision[0].load(), 9);
    EXPECT_EQ (ports.getOpenInputCount(), 2) << "closed on the input thread";

    EXPECT_TRUE (runLoopUntil ([this] { return ports.getOpenInputCount() == 0; }));
}

TEST_F (DetectionTest, NewKeyboardOutputReplacesAndClosesTheEarlierOne)
{
    ports.addOutput ("First");
    ports.addOutput ("Second");
    ports.addOutput ("Closed", nullptr, false);
    makeManager();

    EXPECT_TRUE (manager->setDevices ("in", "First", 0));
    EXPECT_TRUE (manager->setDevices ("in", "Second", 0));
    EXPECT_EQ (ports.getEvents(), (juce::StringArray { "open output First", "open output Second", "close output First" }));

    // A name that is not listed keeps the output.
    EXPECT_FALSE (manager->setDevices ("in", "Missing", 0));
    EXPECT_TRUE (manager->postOctaveShiftRequest());
    EXPECT_EQ (ports.getSent().back().output, "Second");

    // A listed output that does not open is a failure, and leaves no keyboard output.
    EXPECT_FALSE (manager->setDevices ("in", "Closed", 0));
    EXPECT_FALSE (manager->postOctaveShiftRequest());
}

TEST_F (DetectionTest, DestructionClosesTheInputsBeforeTheOutputs)
{
    addKeyboard();
    makeManager();
    manager->startDetection (true);
    ASSERT_TRUE (manager->connected.load());

    manager.reset();

    const auto events = ports.getEvents();
    const int lastInputClose = events.indexOf ("close input Orlune In");
    ASSERT_GE (lastInputClose, 0);

    for (int i = 0; i < lastInputClose; ++i)
        EXPECT_FALSE (events[i].startsWith ("close output")) << events[i];

    EXPECT_TRUE (events.contains ("close output Orlune Out"));
}

TEST_F (DetectionTest, DeviceManagerChangesRestartOnlyAnUnfinishedSearch)
{
    juce::AudioDeviceManager deviceManager;
    juce::ChangeBroadcaster other;
    addSilentOutputs ({ "A" });
    makeManager (&deviceManager);

    const auto probesAfter = [this] (juce::ChangeBroadcaster* source)
    {
        manager->stopTimer();
        ports.clearSent();
        manager->changeListenerCallback (source);
        return probes (ports).size();
    };

    EXPECT_EQ (probesAfter (&deviceManager), 0u) << "autoRedetect is off";

    manager->autoRedetect = true;
    EXPECT_EQ (probesAfter (&other), 0u);
    EXPECT_EQ (probesAfter (&deviceManager), 1u);

    manager->setDevicesEx ("x", "y", 0x300);
    EXPECT_EQ (probesAfter (&deviceManager), 0u) << "connected";

    manager.reset(); // before the device manager it listens to
}

TEST_F (DetectionTest, CloseRequestedBeforeANewSearchLeavesTheNewSearchListening)
{
    auto& kbd = addKeyboard();
    makeManager();
    manager->startDetection (true);
    manager->stopTimer();
    manager->closeMidiIns();
    manager->openMidiIns (true);

    kbd.play (bytes ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x03, 0x00, 1, 2, 3, 4, 0xF7 }));
    ASSERT_TRUE (ports.waitUntilIdle());
    manager->openMidiIns (true); // a new search opens inputs before the message thread gets to the request

    // Messages are handled in order: once this one ran, the close request has too.
    std::atomic<bool> passed { false };
    juce::MessageManager::callAsync ([&passed] { passed = true; });
    ASSERT_TRUE (runLoopUntil ([&passed] { return passed.load(); }));

    EXPECT_EQ (ports.getOpenInputCount(), 2);
}
