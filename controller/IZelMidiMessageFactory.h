#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** Makes the request and set messages that both keyboard protocols share. */
class IZelMidiMessageFactory
{
public:
    virtual juce::MidiMessage makeControllerNumberRequest (int item) = 0;
    virtual juce::MidiMessage makeControllerNumberResponse (int item, int number) = 0;
    virtual juce::MidiMessage makeControllerNumber (int item, int number) = 0;
    virtual juce::MidiMessage makeItemValueRequest (int item) = 0;
    virtual juce::MidiMessage makeItemValueSet (int item, int value) = 0;
    virtual juce::MidiMessage makeMidiChannelRequest() = 0;
    virtual juce::MidiMessage makeMidiChannelSet (int channel) = 0;
    virtual juce::MidiMessage makeRelativeModeRequest() = 0;
    virtual juce::MidiMessage makeRelativeModeSet (bool on) = 0;
    virtual juce::MidiMessage makeOctaveShiftRequest() = 0;
    virtual juce::MidiMessage makeOctaveShiftSet (int shift) = 0;
    virtual juce::MidiMessage makeLedStateRequest (int item) = 0;
    virtual juce::MidiMessage makeLedStateSet (int item, int state) = 0;

protected:
    // Not deleted through this interface.
    ~IZelMidiMessageFactory() = default;
};
