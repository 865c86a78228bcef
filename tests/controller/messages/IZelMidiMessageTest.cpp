#include "MessageBytes.h"
#include "ZelMidiMessage49.h"

#include <gtest/gtest.h>

namespace
{
// A maker's identity reply: member, variant and the four revision bytes.
std::vector<int> identityReply (int member, int variant, std::vector<int> revision, int family1 = 0x02)
{
    std::vector<int> bytes { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, family1, 0x00, member, variant };
    bytes.insert (bytes.end(), revision.begin(), revision.end());
    bytes.push_back (0xF7);
    return bytes;
}

struct IdentityCase
{
    const char* name;
    std::vector<int> bytes;
    bool isReply;
    int model;
};

void PrintTo (const IdentityCase& row, std::ostream* os) { *os << row.name; }

const IdentityCase identityCases[] = {
    { "Member1OldFirmware", identityReply (0x01, 0x00, { 0x02, 0x00, 0x00, 0x00 }), true, 0x100 },
    { "Member1NewFirmware", identityReply (0x01, 0x00, { 0x03, 0x00, 0x00, 0x00 }), true, 0x101 },
    { "Member1HighRevisionIsUnsigned", identityReply (0x01, 0x00, { 0x90, 0x00, 0x00, 0x00 }), true, 0x101 },
    { "Member2", identityReply (0x02, 0x00, { 0x01, 0x02, 0x03, 0x04 }), true, 0x200 },
    { "Member3", identityReply (0x03, 0x00, { 0x01, 0x00, 0x00, 0x02 }), true, 0x300 },
    { "Member3Variant61", identityReply (0x03, 0x00, { 0x00, 0x00, 0x00, 0x01 }), true, 0x1300 },
    { "Member4", identityReply (0x04, 0x00, { 0x00, 0x00, 0x00, 0x00 }), true, 0x400 },
    { "Member5Variant0", identityReply (0x05, 0x00, { 0x00, 0x00, 0x00, 0x00 }), true, 0x500 },
    { "Member5Variant2", identityReply (0x05, 0x02, { 0x00, 0x00, 0x00, 0x00 }), true, 0x502 },
    { "Member5Variant4", identityReply (0x05, 0x04, { 0x00, 0x00, 0x00, 0x00 }), true, 0x504 },
    { "Member5IgnoresFamily", identityReply (0x05, 0x04, { 0x00, 0x00, 0x00, 0x00 }, 0x33), true, 0x504 },
    { "Member5Variant1", identityReply (0x05, 0x01, { 0x00, 0x00, 0x00, 0x00 }), false, 0x501 },
    { "Member3VariantNonZero", identityReply (0x03, 0x01, { 0x00, 0x00, 0x00, 0x00 }), false, 0x300 },
    { "Member3OtherFamily", identityReply (0x03, 0x00, { 0x00, 0x00, 0x00, 0x00 }, 0x01), false, 0x300 },
    { "UnknownMember", identityReply (0x07, 0x00, { 0x00, 0x00, 0x00, 0x00 }), false, 0x700 },
    { "Member0", identityReply (0x00, 0x00, { 0x00, 0x00, 0x00, 0x00 }), false, 0 },
    { "NotUniversal", { 0xF0, 0x7D, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x05, 0x00, 0, 0, 0, 0, 0xF7 }, false, 0x500 },
    { "OtherMaker", { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6F, 0x02, 0x00, 0x05, 0x00, 0, 0, 0, 0, 0xF7 }, false, 0x500 },
    { "NotAReply", { 0xF0, 0x7E, 0x00, 0x06, 0x01, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x05, 0x00, 0, 0, 0, 0, 0xF7 }, false, 0x500 },
    // Twelve data bytes pass the test but are too short for the model and revision.
    { "TwelveBytes", { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x03, 0x00, 0x01, 0xF7 }, true, 0 },
    { "ElevenBytes", { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x03, 0x00, 0xF7 }, false, 0 },
    { "IdentityRequest", { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }, false, 0 },
    { "NoteOn", { 0x90, 0x40, 0x7F }, false, 0 },
};

class IdentityReplies : public testing::TestWithParam<IdentityCase> {};

TEST_P (IdentityReplies, GiveTheirModelId)
{
    const auto message = messageOf (GetParam().bytes);
    EXPECT_EQ (IZelMidiMessage::isZelSysexId (message), GetParam().isReply);
    EXPECT_EQ (IZelMidiMessage::getKeyboardModel (message), GetParam().model);
}

INSTANTIATE_TEST_SUITE_P (IZelMidiMessage, IdentityReplies, testing::ValuesIn (identityCases),
                          CaseName());
}

TEST (IZelMidiMessage, FirmwareRevisionIsCopiedOnlyFromAFullReply)
{
    char revision[4] = { 'x', 'x', 'x', 'x' };
    IZelMidiMessage::getFirmwareRevision (messageOf (identityReply (0x03, 0x00, { 0x01, 0x02, 0x83, 0x04 })), revision);
    EXPECT_EQ (std::vector<int> (revision, revision + 4), (std::vector<int> { 1, 2, (int) (char) 0x83, 4 }));

    char untouched[4] = { 'x', 'x', 'x', 'x' };
    IZelMidiMessage::getFirmwareRevision (messageOf ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x03, 0x00, 0x01, 0x02, 0x03, 0xF7 }), untouched);
    EXPECT_EQ (std::string (untouched, 4), "xxxx");
}

TEST (IZelMidiMessage, HexDumpOfEveryByte)
{
    const auto request = messageOf ({ 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 });
    EXPECT_EQ (IZelMidiMessage::toString (request), "F0 7E 7F 06 01 F7 \n");

    ZelMidiMessage49 set (ZelMidiMessage49::ItemValueSet (0xAB, 0x0C));
    EXPECT_EQ (set.toString(), "F0 00 3F 6E 7F 42 02 00 00 AB 0C F7 \n");

    EXPECT_EQ (IZelMidiMessage::toString (messageOf ({ 0xB1, 0x07, 0x40 })), "B1 07 40 \n");
}

TEST (IZelMidiMessage, LogTexts)
{
    const struct { juce::MidiMessage message; const char* text; } cases[] = {
        { juce::MidiMessage::noteOn (3, 60, (juce::uint8) 100), "Note On  60 velocity 100 channel 3\n" },
        { messageOf ({ 0x92, 60, 0 }), "Note Off 60 velocity 0 channel 3\n" },
        { juce::MidiMessage::noteOff (16, 61, (juce::uint8) 20), "Note Off 61 velocity 20 channel 16\n" },
        { juce::MidiMessage::controllerEvent (1, 7, 90), "CC 7 value 90 channel 1\n" },
        { juce::MidiMessage::channelPressureChange (2, 55), "Aftertouch 55 channel 2\n" },
        { juce::MidiMessage::pitchWheel (1, 9000), "Pitch Wheel value 9000\n" },
        { messageOf (identityReply (0x03, 0x00, { 0, 0, 0, 0 })), "QTR32 SYSEX : Identification sysex\n" },
        { ZelMidiMessage49::ControllerNumberResponse (0x30, 0x4A), "QTR32 SYSEX : Item Config Response\n" },
        { ZelMidiMessage49::ItemValueSet (0x30, 0x11), "QTR32 SYSEX : Item value response (48 , 17)\n" },
        // The LED-state test is the item-value test, which comes first.
        { ZelMidiMessage49::LedStateSet (0x63, 0x01), "QTR32 SYSEX : Item value response (99 , 1)\n" },
        { ZelMidiMessage49::MidiChannelSet (9), "QTR32 SYSEX : Midi channel response 9\n" },
        { ZelMidiMessage49::OctaveShiftSet (-1), "QTR32 SYSEX : Octave shift response 127\n" },
        { ZelMidiMessage49::MidiChannelRequest(), "QTR32 SYSEX \n" },
        { messageOf ({ 0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7 }), "SYSEX \n" },
        { juce::MidiMessage::programChange (1, 5), "- \n" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (ZelMidiMessage49 (c.message).toLitteralString(), juce::String (c.text));
}
