#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <memory>

/** An open MIDI output. Deleting it closes the port. */
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;

    /** Sends the message at once, on the calling thread. */
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
};

/** Receives the complete messages of an open MIDI input. */
class MidiInputPortCallback
{
public:
    virtual ~MidiInputPortCallback() = default;

    /** Called on the input's own thread, one message at a time, with the name
        of the input that delivered it. */
    virtual void handleIncomingPortMessage (const juce::String& inputName,
                                            const juce::MidiMessage& message) = 0;
};

/** An open MIDI input. Deleting it stops and closes the port, after waiting
    for a callback that is running at that moment. */
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;

    virtual juce::String getName() const = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
};

/** The machine's MIDI ports, by name and index.

    The application uses the platform's ports (juce::MidiInput and
    juce::MidiOutput); tests use an in-process port system.
*/
class MidiPorts
{
public:
    virtual ~MidiPorts() = default;

    virtual juce::StringArray getInputNames() = 0;
    virtual juce::StringArray getOutputNames() = 0;

    /** Opens output `index` of getOutputNames(); null when it does not open. */
    virtual std::unique_ptr<MidiOutputPort> openOutput (int index) = 0;

    /** Opens input `index` of getInputNames(), not yet started; null when it
        does not open. */
    virtual std::unique_ptr<MidiInputPort> openInput (int index, MidiInputPortCallback& callback) = 0;

    /** The platform's ports. */
    static MidiPorts& platform();
};
