#include "SimMidiPorts.h"
#include "VirtualClock.h"
#include "ZelManager49.h"

#include <gtest/gtest.h>

#include <mutex>

namespace
{
/** Keeps the order in which burn mode's receiver and the link's listeners saw messages. */
struct Trail final : juce::MidiInputCallback,
                     ZelManagerListener
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& m) override
    {
        add ("burn " + juce::String::toHexString (m.getRawData(), m.getRawDataSize()));
    }

    void ZelInfoReceived (int code, int, int, void*) override { add ("info " + juce::String (code)); }

    void add (const juce::String& s)
    {
        const std::lock_guard<std::mutex> lock (mutex);
        entries.add (s);
    }

    juce::String get()
    {
        const std::lock_guard<std::mutex> lock (mutex);
        return entries.joinIntoString (", ");
    }

    void clear()
    {
        const std::lock_guard<std::mutex> lock (mutex);
        entries.clear();
    }

    std::mutex mutex;
    juce::StringArray entries;
};

class BurnModeTest : public ::testing::Test
{
protected:
    BurnModeTest()
    {
        ZelManager49::sStandaloneMode = true;
        ports.addOutput ("Orlune 61");
        ports.addInput ("Orlune 61");
        ports.addInput ("Other In");
        manager.listeners.add (&trail);
    }

    ~BurnModeTest() override { ZelManager49::sStandaloneMode = false; }

    void TearDown() override { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    void connectToKeyboard()
    {
        manager.setDevicesEx ("Orlune 61", "Orlune 61", 0x500);
        manager.openMidiIns (true);
        ports.clearSent();
        trail.clear();
    }

    VirtualClock clock;
    SimMidiPorts ports { clock };
    ZelManager49 manager { nullptr, ports, clock };
    Trail trail;
};

TEST_F (BurnModeTest, SwitchesFromTheKeyboardToTheLoaderPort)
{
    ports.addOutput ("USB MIDI Device");
    ports.addInput ("USB MIDI Device");
    connectToKeyboard();
    const auto before = ports.getEvents().size();

    ASSERT_TRUE (manager.SetBurnMode (&trail, "USB MIDI Device"));

    juce::StringArray switched (ports.getEvents());
    switched.removeRange (0, before);
    ASSERT_EQ (switched.size(), 8);

    // First every input closes (in any order), then the keyboard's output.
    juce::StringArray closed;
    for (int i = 0; i < 3; ++i)
        closed.add (switched[i]);
    closed.sort (false);
    EXPECT_EQ (closed.joinIntoString (", "), "close input Orlune 61, close input Other In, close input USB MIDI Device");

    switched.removeRange (0, 3);
    EXPECT_EQ (switched.joinIntoString (", "), "close output Orlune 61, open output USB MIDI Device, "
                                               "open input Orlune 61, open input Other In, open input USB MIDI Device");

    // What the updater sends goes to the loader only.
    manager.SendMidiMessage (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 1));
    EXPECT_EQ (ports.getSentOn ("USB MIDI Device").size(), 1u);
    EXPECT_TRUE (ports.getSentOn ("Orlune 61").empty());

    // Every input reaches the receiver, before the link's own handling.
    ports.deliver ("USB MIDI Device", juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54));
    ports.deliver ("Other In", juce::MidiMessage::noteOn (2, 0x61, (juce::uint8) 0));
    ports.deliver ("USB MIDI Device", juce::MidiMessage::pitchWheel (1, 0x2000));
    ASSERT_TRUE (ports.waitUntilIdle());

    EXPECT_EQ (trail.get(), "burn 90 51 54, burn 91 61 00, burn e0 00 40, info 9");
}

TEST_F (BurnModeTest, EnteringEndsADetectionStillUnderWay)
{
    ports.addOutput ("USB MIDI Device");
    ports.addInput ("USB MIDI Device");
    manager.startDetection (true);
    ASSERT_TRUE (manager.isTimerRunning());

    ASSERT_TRUE (manager.SetBurnMode (&trail, "USB MIDI Device"));

    // No further probe goes out, and no end of detection closes the loader's inputs.
    EXPECT_FALSE (manager.isTimerRunning());
    EXPECT_EQ (ports.getOpenInputCount(), 3);
}

TEST_F (BurnModeTest, LeavingClearsTheReceiverAndClosesTheInputs)
{
    ports.addOutput ("USB MIDI Device");
    ports.addInput ("USB MIDI Device");
    connectToKeyboard();
    ASSERT_TRUE (manager.SetBurnMode (&trail, "USB MIDI Device"));

    const auto before = ports.getEvents().size();

    EXPECT_FALSE (manager.SetBurnMode (nullptr, "USB MIDI Device"));
    EXPECT_EQ (ports.getOpenInputCount(), 0);

    // The inputs close first, then the loader's output.
    juce::StringArray left (ports.getEvents());
    left.removeRange (0, before);
    ASSERT_EQ (left.size(), 4);
    EXPECT_EQ (left[3], "close output USB MIDI Device");

    ports.deliver ("USB MIDI Device", juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54));
    ASSERT_TRUE (ports.waitUntilIdle());
    EXPECT_EQ (trail.get(), "");

    // Nothing is restored, and the loader's port, gone once the keyboard
    // restarts, is no output any more: nothing goes out.
    EXPECT_EQ (manager.getOutputName(), "USB MIDI Device");
    EXPECT_FALSE (manager.postStoreRequest (0));
    EXPECT_TRUE (ports.getSent().empty());
}

TEST_F (BurnModeTest, WithoutTheLoaderPortTheLinkIsLeftWithoutPorts)
{
    connectToKeyboard();

    EXPECT_FALSE (manager.SetBurnMode (&trail, "USB MIDI Device"));

    EXPECT_EQ (ports.getOpenInputCount(), 0);
    EXPECT_FALSE (manager.postStoreRequest (0));
    EXPECT_TRUE (ports.getSent().empty());

    // Not in burn mode: nothing reaches the receiver.
    manager.openMidiIns (true);
    ports.deliver ("Orlune 61", juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54));
    ASSERT_TRUE (ports.waitUntilIdle());
    EXPECT_FALSE (trail.get().contains ("burn"));
    manager.closeMidiIns();
}
} // namespace
