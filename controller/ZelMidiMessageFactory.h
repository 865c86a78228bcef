#pragma once

#include "IZelMidiMessageFactory.h"

/** The shared messages of one protocol, made by the static builders of its
    message class T (ZelMidiMessage49 or ZelMidiMessage32). */
template <typename T>
class ZelMidiMessageFactory final : public IZelMidiMessageFactory
{
public:
    juce::MidiMessage makeControllerNumberRequest (int item) override              { return T::ControllerNumberRequest (item); }
    juce::MidiMessage makeControllerNumberResponse (int item, int number) override { return T::ControllerNumberResponse (item, number); }
    juce::MidiMessage makeControllerNumber (int item, int number) override         { return T::ControllerNumber (item, number); }
    juce::MidiMessage makeItemValueRequest (int item) override                     { return T::ItemValueRequest (item); }
    juce::MidiMessage makeItemValueSet (int item, int value) override              { return T::ItemValueSet (item, value); }
    juce::MidiMessage makeMidiChannelRequest() override                            { return T::MidiChannelRequest(); }
    juce::MidiMessage makeMidiChannelSet (int channel) override                    { return T::MidiChannelSet (channel); }
    juce::MidiMessage makeRelativeModeRequest() override                           { return T::RelativeModeRequest(); }
    juce::MidiMessage makeRelativeModeSet (bool on) override                       { return T::RelativeModeSet (on); }
    juce::MidiMessage makeOctaveShiftRequest() override                            { return T::OctaveShiftRequest(); }
    juce::MidiMessage makeOctaveShiftSet (int shift) override                      { return T::OctaveShiftSet (shift); }
    juce::MidiMessage makeLedStateRequest (int item) override                      { return T::LedStateReqest (item); }
    juce::MidiMessage makeLedStateSet (int item, int state) override               { return T::LedStateSet (item, state); }
};
