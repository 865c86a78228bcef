#include "LinkTestSupport.h"
#include "SimulatedLoader.h"

namespace
{
struct WireCase
{
    const char* name;
    juce::MidiMessage message;
    bool clean;
};

const WireCase kWireCases[] = {
    { "a set message", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x01, 0x05, 0x7F, 0xF7 }), true },
    { "the store request", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x06, 0x00, 0xF7 }), true },
    { "a byte FF, which a real stack sends as a system reset",
      bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x03, 0x63, 0xFF, 0xF7 }), false },
    { "a byte 80, which ends the message early",
      bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x01, 0x05, 0x80, 0xF7 }), false },
    { "a byte C8 in the item", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x01, 0xC8, 0x01, 0xF7 }), false },
    { "no F7 at the end", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x01, 0x05, 0x01 }), false },
};
} // namespace

/** The port system and the devices behind it take SysEx as a real MIDI stack
    and a real device would: only F0, data bytes below 0x80, then F7. */
class StrictSimulatorTest : public ::testing::Test
{
protected:
    VirtualClock clock;
    SimMidiPorts ports { clock };
};

TEST_F (StrictSimulatorTest, KeyboardTakesOnlyCleanSysExAndThePortsRecordTheRest)
{
    SimulatedKeyboard keyboard (ports, "Orlune Out", "Orlune In");
    auto output = ports.openOutput (0);
    ASSERT_NE (output, nullptr);
    size_t errors = 0, unexpected = 0;

    for (const auto& c : kWireCases)
    {
        SCOPED_TRACE (c.name);
        keyboard.setItem (5, { 1, 2, 3, 4, 5, 6 });
        output->sendMessageNow (c.message);

        errors += c.clean ? 0 : 1;
        unexpected += c.clean ? 0 : 1;
        ASSERT_EQ (ports.getProtocolErrors().size(), errors);
        EXPECT_EQ (keyboard.getUnexpected().size(), unexpected);

        if (! c.clean)
        {
            EXPECT_EQ (ports.getProtocolErrors().back(), "Orlune Out: " + juce::String::toHexString (c.message.getRawData(), c.message.getRawDataSize()).toStdString());
            EXPECT_EQ (keyboard.getItemParam (ItemParam::mode, 5), 1);
            EXPECT_EQ (keyboard.getItemParam (ItemParam::mode, 200), -1);
        }
    }

    EXPECT_EQ (keyboard.getItemParam (ItemParam::mode, 5), 1);
    EXPECT_EQ (keyboard.getLastStoredMemory(), 0);
}

TEST_F (StrictSimulatorTest, MessagesOtherThanSysExAreNotChecked)
{
    ports.addOutput ("Out");
    auto output = ports.openOutput (0);
    output->sendMessageNow (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100));
    output->sendMessageNow (juce::MidiMessage::controllerEvent (16, 7, 127));
    EXPECT_TRUE (ports.getProtocolErrors().empty());
}

TEST_F (StrictSimulatorTest, LoaderRefusesAnAnnouncementWithAByteAbove7F)
{
    SimulatedLoader loader (ports);
    auto output = ports.openOutput (0);
    ASSERT_NE (output, nullptr);

    output->sendMessageNow (bytes ({ 0xF0, 0x51, 0x54, 0x18, 0x00, 0x80, 0x02, 0x29, 0xF7 }));
    ASSERT_TRUE (loader.waitUntilIdle());
    EXPECT_EQ (loader.getProtocolErrors(), 1);
    EXPECT_EQ (loader.getAnnouncementCount(), 0);
    EXPECT_EQ (ports.getProtocolErrors().size(), 1u);

    output->sendMessageNow (bytes ({ 0xF0, 0x51, 0x54, 0x18, 0x00, 0x00, 0x02, 0x29, 0xF7 }));
    ASSERT_TRUE (loader.waitUntilIdle());
    EXPECT_EQ (loader.getAnnouncementCount(), 1);
    EXPECT_EQ (loader.getAnnouncedBlocks(), 2);
}
