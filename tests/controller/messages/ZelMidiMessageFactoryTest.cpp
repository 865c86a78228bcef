#include "MessageBytes.h"
#include "ZelMidiMessage32.h"
#include "ZelMidiMessage49.h"
#include "ZelMidiMessageFactory.h"

#include <gtest/gtest.h>

namespace
{
// Every operation of the factory next to the builder it must match, for one message class.
template <typename T>
std::vector<std::pair<juce::MidiMessage, juce::MidiMessage>> madeAndBuilt (IZelMidiMessageFactory& f)
{
    return {
        { f.makeControllerNumberRequest (0x31), T::ControllerNumberRequest (0x31) },
        { f.makeControllerNumberResponse (0x31, 0x4A), T::ControllerNumberResponse (0x31, 0x4A) },
        { f.makeControllerNumber (0x31, 0x4A), T::ControllerNumber (0x31, 0x4A) },
        { f.makeItemValueRequest (0x31), T::ItemValueRequest (0x31) },
        { f.makeItemValueSet (0x31, 0x22), T::ItemValueSet (0x31, 0x22) },
        { f.makeMidiChannelRequest(), T::MidiChannelRequest() },
        { f.makeMidiChannelSet (3), T::MidiChannelSet (3) },
        { f.makeRelativeModeRequest(), T::RelativeModeRequest() },
        { f.makeRelativeModeSet (true), T::RelativeModeSet (true) },
        { f.makeRelativeModeSet (false), T::RelativeModeSet (false) },
        { f.makeOctaveShiftRequest(), T::OctaveShiftRequest() },
        { f.makeOctaveShiftSet (-2), T::OctaveShiftSet (-2) },
        { f.makeLedStateRequest (0x63), T::LedStateReqest (0x63) },
        { f.makeLedStateSet (0x63, 1), T::LedStateSet (0x63, 1) },
    };
}
}

TEST (ZelMidiMessageFactory, MakesTheBuildersBytesForEachProtocol)
{
    ZelMidiMessageFactory<ZelMidiMessage49> factory49;
    for (const auto& [made, built] : madeAndBuilt<ZelMidiMessage49> (factory49))
        EXPECT_EQ (bytesOf (made), bytesOf (built)) << IZelMidiMessage::toString (built);

    ZelMidiMessageFactory<ZelMidiMessage32> factory32;
    for (const auto& [made, built] : madeAndBuilt<ZelMidiMessage32> (factory32))
        EXPECT_EQ (bytesOf (made), bytesOf (built)) << IZelMidiMessage::toString (built);

    IZelMidiMessageFactory& shared = factory49;
    EXPECT_EQ (bytesOf (shared.makeLedStateSet (5, 1)),
               (std::vector<int> { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x00, 0x05, 0x01, 0xF7 }));
}
