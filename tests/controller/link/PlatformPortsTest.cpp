#include "MidiPorts.h"

#include <gtest/gtest.h>

// These machines have no MIDI sequencer: the platform lists and opens nothing,
// and asking does no harm.
TEST (PlatformPorts, WithoutSequencerNothingIsListedOrOpened)
{
    auto& ports = MidiPorts::platform();

    const auto outputs = ports.getOutputNames();
    const auto inputs = ports.getInputNames();

    if (outputs.isEmpty())
    {
        EXPECT_EQ (ports.openOutput (0), nullptr);
    }

    EXPECT_EQ (ports.openOutput (outputs.size()), nullptr);
    EXPECT_EQ (ports.openOutput (-1), nullptr);

    struct Ignore : MidiInputPortCallback
    {
        void handleIncomingPortMessage (const juce::String&, const juce::MidiMessage&) override {}
    } ignore;

    EXPECT_EQ (ports.openInput (inputs.size(), ignore), nullptr);
}
