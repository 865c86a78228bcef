#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** What a firmware updater needs from its host: a way to the loader and a
    place to show how far the transfer has come. */
class IFWHelper
{
public:
    virtual ~IFWHelper() = default;

    /** Sends one message to the loader, on the calling thread. */
    virtual void SendMidiMessage (const juce::MidiMessage& message) = 0;

    /** The fraction of the transfer done, 0.0 to 1.0. */
    virtual void SetProgress (double progress) = 0;
};
