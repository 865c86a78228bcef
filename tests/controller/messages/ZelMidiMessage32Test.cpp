#include "MessageBytes.h"
#include "ZelMidiMessage32.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using M = ZelMidiMessage32;

namespace
{
struct BuilderCase
{
    const char* name;
    std::function<juce::MidiMessage()> build;
    std::vector<int> bytes;
};

void PrintTo (const BuilderCase& row, std::ostream* os) { *os << row.name; }

const BuilderCase builderCases[] = {
    { "ControllerNumberRequest", [] { return M::ControllerNumberRequest (0x12); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x01, 0x12, 0xF7 } },
    { "ControllerNumberResponse", [] { return M::ControllerNumberResponse (0x12, 0x4A); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x02, 0x12, 0x4A, 0xF7 } },
    { "ControllerNumberIsASet", [] { return M::ControllerNumber (0x12, 0x4A); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x03, 0x12, 0x4A, 0xF7 } },
    { "ItemValueRequest", [] { return M::ItemValueRequest (0x12); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x02, 0x01, 0x12, 0xF7 } },
    { "ItemValueSetMasked", [] { return M::ItemValueSet (200, 130); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x02, 0x03, 0x48, 0x02, 0xF7 } },
    { "MidiChannelRequest", [] { return M::MidiChannelRequest(); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0x01, 0xF7 } },
    { "MidiChannelSet", [] { return M::MidiChannelSet (5); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0x03, 0x05, 0xF7 } },
    { "OctaveShiftRequest", [] { return M::OctaveShiftRequest(); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x04, 0x01, 0xF7 } },
    { "OctaveShiftSetMinusOne", [] { return M::OctaveShiftSet (-1); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x04, 0x03, 0x7F, 0xF7 } },
    { "LedStateReqest", [] { return M::LedStateReqest (0x20); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x01, 0x20, 0xF7 } },
    { "LedStateSet", [] { return M::LedStateSet (0x20, 0x01); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x03, 0x20, 0x01, 0xF7 } },
    { "RelativeModeRequest", [] { return M::RelativeModeRequest(); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x01, 0x02, 0xF7 } },
    { "RelativeModeSetOn", [] { return M::RelativeModeSet (true); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x03, 0x02, 0x7F, 0xF7 } },
    { "RelativeModeSetOff", [] { return M::RelativeModeSet (false); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x03, 0x02, 0x01, 0xF7 } },
    // Every argument byte is masked, so no byte of 0x80 or more ever lands inside the SysEx.
    { "ControllerNumberRequestMasked", [] { return M::ControllerNumberRequest (-1); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x01, 0x7F, 0xF7 } },
    { "ControllerNumberResponseMasked", [] { return M::ControllerNumberResponse (0x92, 0xFF); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x02, 0x12, 0x7F, 0xF7 } },
    { "ControllerNumberMasked", [] { return M::ControllerNumber (0x80, 0x1CA); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x03, 0x00, 0x4A, 0xF7 } },
    { "ItemValueRequestMasked", [] { return M::ItemValueRequest (0xF8); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x02, 0x01, 0x78, 0xF7 } },
    { "MidiChannelSetMasked", [] { return M::MidiChannelSet (0x85); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0x03, 0x05, 0xF7 } },
    { "OctaveShiftSetMinusSixtyFour", [] { return M::OctaveShiftSet (-64); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x04, 0x03, 0x40, 0xF7 } },
    { "LedStateReqestMasked", [] { return M::LedStateReqest (0xE3); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x01, 0x63, 0xF7 } },
    { "LedStateSetMasked", [] { return M::LedStateSet (-1, 0x81); }, { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x03, 0x7F, 0x01, 0xF7 } },
};

class Builders32 : public testing::TestWithParam<BuilderCase> {};

TEST_P (Builders32, AreExactOnTheWire)
{
    const auto m = GetParam().build();
    EXPECT_EQ (bytesOf (m), GetParam().bytes);
    EXPECT_EQ (m.getTimeStamp(), 0.0);
}

INSTANTIATE_TEST_SUITE_P (ZelMidiMessage32, Builders32, testing::ValuesIn (builderCases), CaseName());

using Predicate = bool (M::*)() const;

const std::map<std::string, Predicate> predicates {
    { "ControllerNumberRequest", &M::isControllerNumberRequest },
    { "ControllerNumberResponse", &M::isControllerNumberResponse },
    { "ItemValueRequest", &M::isItemValueRequest },
    { "ItemValueResponse", &M::isItemValueResponse },
    { "MidiChannelRequest", &M::isMidiChannelRequest },
    { "MidiChannelResponse", &M::isMidiChannelResponse },
    { "OctaveShiftRequest", &M::isOctaveShiftRequest },
    { "OctaveShiftResponse", &M::isOctaveShiftResponse },
    { "LedStateRequest", &M::isLedStateRequest },
    { "LedStateResponse", &M::isLedStateResponse },
    { "RelativeModeRequest", &M::isRelativeModeRequest },
    { "RelativeModeResponse", &M::isRelativeModeResponse },
};

// One row per message: the predicates that hold and what the getters read.
struct ReadCase
{
    const char* name;
    std::vector<int> bytes;
    std::set<std::string> holding;
    int firstArgument; // getControllerNumberItem, getItemValueItem, getMidiChannel, getOctaveShift, getLedItem
    int secondArgument; // getItemValueValue, getLedState
    bool relative;
};

void PrintTo (const ReadCase& row, std::ostream* os) { *os << row.name; }

const ReadCase readCases[] = {
    { "ControllerNumberRequest", bytesOf (M::ControllerNumberRequest (0x12)), { "ControllerNumberRequest" }, 0x12, -1, false },
    { "ControllerNumberResponse", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x02, 0x12, 0x4A, 0xF7 }, { "ControllerNumberResponse" }, 0x12, 0x4A, false },
    { "ControllerNumberSetIsNoResponse", bytesOf (M::ControllerNumber (0x12, 0x4A)), {}, 0x12, 0x4A, false },
    { "ItemValueRequest", bytesOf (M::ItemValueRequest (0x12)), { "ItemValueRequest" }, 0x12, -1, false },
    { "ItemValueResponse", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x02, 0x02, 0x12, 0x33, 0xF7 }, { "ItemValueResponse" }, 0x12, 0x33, false },
    { "MidiChannelRequest", bytesOf (M::MidiChannelRequest()), { "MidiChannelRequest" }, -1, -1, false },
    { "MidiChannelResponse", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0x02, 0x04, 0xF7 }, { "MidiChannelResponse" }, 0x04, -1, false },
    { "MidiChannelResponseWithoutChannel", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0x02, 0xF7 }, {}, -1, -1, false },
    { "OctaveShiftRequest", bytesOf (M::OctaveShiftRequest()), { "OctaveShiftRequest" }, -1, -1, false },
    { "OctaveShiftResponse", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x04, 0x02, 0x7E, 0xF7 }, { "OctaveShiftResponse" }, 0x7E, -1, false },
    { "LedStateRequestWithoutItem", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x01, 0xF7 }, { "LedStateRequest" }, -1, -1, false },
    { "LedStateResponse", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x02, 0x20, 0x01, 0xF7 }, { "LedStateResponse" }, 0x20, 0x01, false },
    { "LedStateResponseWithoutState", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x02, 0x20, 0xF7 }, {}, 0x20, -1, false },
    { "RelativeModeRequest", bytesOf (M::RelativeModeRequest()), { "RelativeModeRequest" }, 0x02, -1, false },
    { "RelativeModeOn", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x02, 0x02, 0x7F, 0xF7 }, { "RelativeModeResponse" }, 0x02, 0x7F, true },
    { "RelativeModeOff", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x02, 0x02, 0x01, 0xF7 }, { "RelativeModeResponse" }, 0x02, 0x01, false },
    { "RelativeModeOtherArgument", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x02, 0x03, 0x7F, 0xF7 }, {}, 0x03, 0x7F, true },
    { "RelativeModeResponseWithoutValue", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x09, 0x02, 0x02, 0xF7 }, {}, 0x02, -1, false },
    // Neither the maker id nor the format marker is tested.
    { "ForeignHeader", { 0xF0, 0x41, 0x10, 0x00, 0x16, 0x02, 0x02, 0x12, 0x33, 0xF7 }, { "ItemValueResponse" }, 0x12, 0x33, false },
    { "TooShortForAnyTest", { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0xF7 }, {}, -1, -1, false },
    { "NotSysex", { 0x90, 0x40, 0x64 }, {}, -1, -1, false },
};

class Read32 : public testing::TestWithParam<ReadCase> {};

TEST_P (Read32, PredicatesAndGetters)
{
    const auto& c = GetParam();
    const M m (messageOf (c.bytes));

    for (const auto& [name, predicate] : predicates)
        EXPECT_EQ ((m.*predicate)(), c.holding.count (name) == 1) << name;

    for (int first : { m.getControllerNumberItem(), m.getItemValueItem(), m.getMidiChannel(), m.getOctaveShift(), m.getLedItem() })
        EXPECT_EQ (first, c.firstArgument);
    EXPECT_EQ (m.getItemValueValue(), c.secondArgument);
    EXPECT_EQ (m.getLedState(), c.secondArgument);
    EXPECT_EQ (m.getRelativeMode(), c.relative);
}

INSTANTIATE_TEST_SUITE_P (ZelMidiMessage32, Read32, testing::ValuesIn (readCases), CaseName());
}

TEST (ZelMidiMessage32Read, ControllerNumberPairsFromTheFirstArgument)
{
    const struct { std::vector<int> bytes; juce::Array<int> pairs; } cases[] = {
        { bytesOf (M::ControllerNumberResponse (0x12, 0x4A)), { 0x12, 0x4A } },
        { { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x01, 0x02, 0x12, 0x4A, 0x13, 0x4B, 0x14, 0xF7 }, { 0x12, 0x4A, 0x13, 0x4B } },
        { bytesOf (M::ControllerNumberRequest (0x12)), {} },
        { { 0xB0, 0x07, 0x40 }, {} },
    };

    for (const auto& c : cases)
        EXPECT_EQ (M (messageOf (c.bytes)).getControllerNumber(), c.pairs) << juce::String (c.bytes.size());
}

TEST (ZelMidiMessage32Read, LogTextsUseTheProtocolsOwnTests)
{
    EXPECT_EQ (M (M::ControllerNumberResponse (1, 2)).toLitteralString(), "QTR32 SYSEX : Item Config Response\n");
    EXPECT_EQ (M (messageOf ({ 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x08, 0x02, 0x20, 0x01, 0xF7 })).toLitteralString(),
               "QTR32 SYSEX : Led State response (32 , 1)\n");
    EXPECT_EQ (M (messageOf ({ 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x03, 0x02, 0x04, 0xF7 })).toLitteralString(),
               "QTR32 SYSEX : Midi channel response 4\n");
    EXPECT_EQ (M (M::MidiChannelSet (4)).toLitteralString(), "QTR32 SYSEX \n");
}
