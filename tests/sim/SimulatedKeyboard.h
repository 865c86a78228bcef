#pragma once

#include "SimMidiPorts.h"

#include <array>
#include <map>
#include <mutex>
#include <vector>

/** The keyboard as the tests see it: behind one output and one input of the
    simulated port system. It answers the identity request and every request
    of its SysEx protocol from a settings store of its own, takes every set
    message into that store, and records all it receives. Requests are read
    from the raw bytes. Replies go out on the port system's input thread,
    after the reply delay; a silent keyboard records but never answers.
*/
class SimulatedKeyboard final : public SimDevice
{
public:
    SimulatedKeyboard (SimMidiPorts& ports, const juce::String& outputName, const juce::String& inputName);

    //==============================================================================
    // Identity and behaviour

    void setIdentity (int member, int variant, std::array<juce::uint8, 4> firmware);
    void setSilent (bool shouldStaySilent);
    void setReplyDelayMs (int delayMs);

    //==============================================================================
    // Settings store: items with six parameters, globals 0 to 13 (3 is the
    // octave shift), curves 0 to 10, current values and LED states.

    void setItem (int item, std::array<int, 6> params);
    void removeItem (int item);
    /** Parameter p (1 to 6) of an item; -1 when the store has none. */
    int getItemParam (int p, int item) const;
    int getItemCount() const;
    void setGlobal (int n, int value);
    int getGlobal (int n) const;
    void setCurve (int n, int value);
    int getCurve (int n) const;
    void setItemValue (int item, int value);
    int getItemValue (int item) const;

    /** The memory named by the last store request, -1 when none came. */
    int getLastStoredMemory() const;

    //==============================================================================
    // What came in

    struct Received
    {
        juce::MidiMessage message;
        juce::uint32 timeMs;
    };

    std::vector<Received> getReceived() const;
    void clearReceived();

    /** Messages that are no request or set message of the keyboard, SysEx
        that a real MIDI stack would mangle among them (nothing of it is taken). */
    std::vector<juce::MidiMessage> getUnexpected() const;

    /** Sends a message of the player's on the keyboard's input, such as a
        control change. */
    void play (const juce::MidiMessage& message, int delayMs = 0);

    void receive (const juce::String& outputName, const juce::MidiMessage& message) override;

private:
    struct Store
    {
        std::map<int, std::array<int, 6>> items;
        std::array<int, 14> globals {};
        std::array<int, 11> curves {};
        std::map<int, int> values;
    };

    void answerIdentity();
    bool handleProtocol (const juce::uint8* data, int size);
    bool handleRequest (int sub, int param, int item);
    bool handleSet (int param, int item, int value);
    void reply (std::vector<juce::uint8> bytes);
    void replyValue (int sub, int param, int item, int value);

    SimMidiPorts& ports;
    const juce::String inputName;

    mutable std::mutex mutex;
    int member = 3, variant = 0;
    std::array<juce::uint8, 4> firmware { 1, 0, 4, 0 };
    bool silent = false;
    int replyDelayMs = 0;
    Store store;
    std::map<int, Store> memories;
    int lastStoredMemory = -1;
    std::vector<Received> received;
    std::vector<juce::MidiMessage> unexpected;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SimulatedKeyboard)
};
