#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** Something outside the program that sits behind a simulated MIDI output:
    the keyboard, or the firmware loader. */
class SimDevice
{
public:
    virtual ~SimDevice() = default;

    /** A message the program sent on the named output, on the sending thread. */
    virtual void receive (const juce::String& outputName, const juce::MidiMessage& message) = 0;
};
