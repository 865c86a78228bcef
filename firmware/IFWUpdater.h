#pragma once

#include "IFWHelper.h"

#include <juce_core/juce_core.h>

/** One firmware transfer to a keyboard's loader.

    The host calls Init, SetFile, Burn once and Term on its worker thread;
    HandleMidiMessage may come at any time from the MIDI input thread.
*/
class IFWUpdater
{
public:
    virtual ~IFWUpdater() = default;

    virtual void Init (IFWHelper* helper) = 0;
    virtual void Term() = 0;
    virtual bool SetFile (juce::File file) = 0;

    /** Runs the whole transfer on the calling thread; true when the loader took all of it. */
    virtual bool Burn() = 0;

    /** Takes in one message from the loader. */
    virtual void HandleMidiMessage (const juce::MidiMessage& message) = 0;
};
