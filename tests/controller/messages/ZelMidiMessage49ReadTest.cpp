#include "MessageBytes.h"
#include "ZelMidiMessage49.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using M = ZelMidiMessage49;

namespace
{
using Predicate = bool (M::*)() const;

const std::map<std::string, Predicate> predicates {
    { "ControllerNumberRequest", &M::isControllerNumberRequest },
    { "ControllerNumberResponse", &M::isControllerNumberResponse },
    { "ItemValueRequest", &M::isItemValueRequest },
    { "ItemValueResponse", &M::isItemValueResponse },
    { "LedStateRequest", &M::isLedStateRequest },
    { "LedStateResponse", &M::isLedStateResponse },
    { "MidiChannelRequest", &M::isMidiChannelRequest },
    { "MidiChannelResponse", &M::isMidiChannelResponse },
    { "RelativeModeRequest", &M::isRelativeModeRequest },
    { "RelativeModeResponse", &M::isRelativeModeResponse },
    { "OctaveShiftRequest", &M::isOctaveShiftRequest },
    { "OctaveShiftResponse", &M::isOctaveShiftResponse },
    { "GlobalParamRequest", &M::isGlobalParamRequest },
    { "GlobalParamSet", &M::isGlobalParamSet },
    { "CurveParamRequest", &M::isCurveParamRequest },
    { "CurveParamSet", &M::isCurveParamSet },
    { "ControllerParamRequest", &M::isControllerParamRequest },
    { "ControllerParamSet", &M::isControllerParamSet },
};

struct PredicateCase
{
    const char* name;
    std::vector<int> bytes;
    std::set<std::string> holding; // every other predicate must be false
};

void PrintTo (const PredicateCase& row, std::ostream* os) { *os << row.name; }

const PredicateCase predicateCases[] = {
    { "ControllerNumberAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x03, 0x30, 0x4A, 0xF7 },
      { "ControllerNumberResponse", "ControllerParamSet" } },
    { "ControllerNumberAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x05, 0x03, 0x30, 0xF7 },
      { "ControllerNumberRequest", "ControllerParamRequest" } },
    { "ItemValueAnswerIsAlsoLedState", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x00, 0x63, 0x01, 0xF7 },
      { "ItemValueResponse", "LedStateResponse" } },
    { "ItemValueAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x00, 0x63, 0xF7 },
      { "ItemValueRequest", "LedStateRequest" } },
    { "MidiChannelAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x40, 0x06, 0x03, 0xF7 },
      { "MidiChannelResponse", "GlobalParamSet" } },
    { "MidiChannelAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x40, 0x06, 0xF7 },
      { "MidiChannelRequest", "GlobalParamRequest" } },
    { "RelativeModeAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x40, 0x02, 0x7F, 0xF7 },
      { "RelativeModeResponse", "GlobalParamSet" } },
    { "RelativeModeAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x40, 0x02, 0xF7 },
      { "RelativeModeRequest", "GlobalParamRequest" } },
    { "OctaveShiftAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x40, 0x03, 0x7E, 0xF7 },
      { "OctaveShiftResponse", "GlobalParamSet" } },
    { "OctaveShiftAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x40, 0x03, 0xF7 },
      { "OctaveShiftRequest", "GlobalParamRequest" } },
    { "OtherGlobalAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x40, 0x08, 0x3C, 0xF7 }, { "GlobalParamSet" } },
    { "CurveAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x41, 0x04, 0x10, 0xF7 }, { "CurveParamSet" } },
    { "CurveAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x41, 0x04, 0xF7 }, { "CurveParamRequest" } },
    { "ItemParamOneAnswer", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x01, 0x30, 0x01, 0xF7 }, { "ControllerParamSet" } },
    { "ItemParamSixAsk", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x06, 0x30, 0xF7 }, { "ControllerParamRequest" } },
    { "ItemParamSevenIsNoItemParam", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x07, 0x30, 0x01, 0xF7 }, {} },
    // The tests read command, sub, parameter and item only: another maker's bytes pass too.
    { "ForeignHeaderStillMatches", { 0xF0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x02, 0x00, 0x40, 0x06, 0x03, 0xF7 },
      { "MidiChannelResponse", "GlobalParamSet" } },
    { "StoreRequestIsTooShort", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x06, 0x00, 0xF7 }, {} },
    { "CommandFiveMatchesNothing", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x05, 0x00, 0x40, 0x06, 0xF7 }, {} },
    { "ControlChange", { 0xB0, 0x07, 0x40 }, {} },
};

class Predicates : public testing::TestWithParam<PredicateCase> {};

TEST_P (Predicates, HoldExactlyForTheirMessages)
{
    const M m (messageOf (GetParam().bytes));

    for (const auto& [name, predicate] : predicates)
        EXPECT_EQ ((m.*predicate)(), GetParam().holding.count (name) == 1) << name;
}

INSTANTIATE_TEST_SUITE_P (ZelMidiMessage49, Predicates, testing::ValuesIn (predicateCases),
                          CaseName());

struct GetterCase
{
    const char* name;
    std::vector<int> bytes;
    int param, item, value;
};

void PrintTo (const GetterCase& row, std::ostream* os) { *os << row.name; }

const GetterCase getterCases[] = {
    { "SetMessage", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x05, 0x71, 0xC8, 0xF7 }, 5, 0x71, 0xC8 },
    { "RequestHasNoValue", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x05, 0x71, 0xF7 }, 5, 0x71, 0 },
    { "NoItem", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x01, 0x00, 0x05, 0xF7 }, 5, 0, 0 },
    { "NoParameter", { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x06, 0xF7 }, 0, 0, 0 },
    { "NotSysex", { 0x90, 0x40, 0x64 }, 0, 0, 0 },
};

class Getters : public testing::TestWithParam<GetterCase> {};

TEST_P (Getters, ReadFixedPositionsOrZero)
{
    const auto& c = GetParam();
    const M m (messageOf (c.bytes));

    EXPECT_EQ (m.getParam(), c.param);
    EXPECT_EQ (m.getControllerParamId(), c.param);
    for (int item : { m.get1stItem(), m.getGlobalParamNumber(), m.getControllerNumberItem(), m.getItemValueItem(), m.getLedItem() })
        EXPECT_EQ (item, c.item);
    for (int value : { m.get1stValue(), m.getGlobalParamValue(), m.getItemValueValue(), m.getLedState(),
                       m.getMidiChannel(), m.getOctaveShift() })
        EXPECT_EQ (value, c.value);
}

INSTANTIATE_TEST_SUITE_P (ZelMidiMessage49, Getters, testing::ValuesIn (getterCases),
                          CaseName());
}

TEST (ZelMidiMessage49Read, RelativeModeIsOnOnlyFor7F)
{
    EXPECT_TRUE (M (M::RelativeModeSet (true)).getRelativeMode());
    EXPECT_FALSE (M (M::RelativeModeSet (false)).getRelativeMode());
    EXPECT_FALSE (M (M::GlobalParamSet (2, 0x00)).getRelativeMode());
    EXPECT_FALSE (M (M::GlobalParamSet (2, 0x7E)).getRelativeMode());
    EXPECT_FALSE (M (M::RelativeModeRequest()).getRelativeMode());
}

TEST (ZelMidiMessage49Read, ControllerNumberPairs)
{
    const struct { std::vector<int> bytes; juce::Array<int> pairs; } cases[] = {
        { bytesOf (M::ControllerNumberResponse (0x30, 0x4A)), { 0x30, 0x4A } },
        { { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x03, 0x30, 0x4A, 0x31, 0x4B, 0x32, 0x4C, 0xF7 },
          { 0x30, 0x4A, 0x31, 0x4B, 0x32, 0x4C } },
        // An odd last byte is left out.
        { { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x03, 0x30, 0x4A, 0x31, 0xF7 }, { 0x30, 0x4A } },
        { bytesOf (M::ControllerNumberRequest (0x30)), {} },
        { { 0xB0, 0x07, 0x40 }, {} },
    };

    for (const auto& c : cases)
        EXPECT_EQ (M (messageOf (c.bytes)).getControllerNumber(), c.pairs) << juce::String (c.bytes.size());
}

TEST (ZelMidiMessage49Read, SpecificMessageWildcards)
{
    const M set (M::ItemParamSet (4, 0x31, 0x10, 2));

    EXPECT_TRUE (set.isSpecificMessage (2, 4, 0x31, 2));
    EXPECT_TRUE (set.isSpecificMessage (2, -1, -1, -1));
    EXPECT_FALSE (set.isSpecificMessage (2, 4, 0x31, 0));
    EXPECT_FALSE (set.isSpecificMessage (2, 5, -1, -1));
    EXPECT_FALSE (set.isSpecificMessage (2, -1, 0x30, -1));
    EXPECT_FALSE (set.isSpecificMessage (1, -1, -1, -1));
    EXPECT_FALSE (set.isSpecificMessage (-1, -1, -1, -1)); // the command is always compared

    // A request passes with its own command, but carries no value.
    const M request (M::ItemParamRequest (4, 0x31, 0));
    EXPECT_TRUE (request.isSpecificMessage (1, 4, 0x31, 0));
    EXPECT_EQ (request.get1stValue(), 0);

    // Any maker's message of data size 9 with command 02 passes the open test.
    EXPECT_TRUE (M (messageOf ({ 0xF0, 0x41, 0x10, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0xF7 })).isSpecificMessage (2, -1, -1, -1));
    EXPECT_FALSE (M (messageOf ({ 0xF0, 0x41, 0x10, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0xF7 })).isSpecificMessage (2, -1, -1, -1));
}

TEST (ZelMidiMessage49Read, ZelSysexNeedsMakerIdAndAFormat)
{
    const struct { std::vector<int> bytes; bool zel; } cases[] = {
        { bytesOf (M::MidiChannelRequest()), true },
        { bytesOf (M::SaveMemoryRequest (0)), true },
        { { 0xF0, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x00, 0xF7 }, true },   // the 32-key format
        { { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0xF7 }, false },        // data size 5
        { { 0xF0, 0x00, 0x3F, 0x6F, 0x7F, 0x42, 0x01, 0xF7 }, false },  // another maker
        { { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x43, 0x01, 0xF7 }, false },  // neither format
        { { 0x90, 0x00, 0x3F }, false },
    };

    for (const auto& c : cases)
        EXPECT_EQ (M (messageOf (c.bytes)).isZelSysex(), c.zel) << IZelMidiMessage::toString (messageOf (c.bytes));
}
