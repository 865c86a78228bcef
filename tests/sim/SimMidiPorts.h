#pragma once

#include "Clock.h"
#include "MidiPorts.h"
#include "SimDevice.h"
#include "TimeBounds.h"

#include <atomic>
#include <condition_variable>
#include <list>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class VirtualClock;

/** An in-process MIDI port system for tests.

    Outputs and inputs are named ports listed in the order they were added;
    a port can refuse to open. What the program sends on an output goes to the
    device behind it, on the sending thread. Devices answer with deliver(),
    and one input thread of the port system hands every message to the open,
    started inputs of that name, as the platform's MIDI thread does. Deleting
    an input waits for a callback that is running at that moment.

    With a VirtualClock, every move of the time delivers what has become due
    before the moving thread goes on, so paced code sees replies in order.
*/
class SimMidiPorts final : public MidiPorts
{
public:
    explicit SimMidiPorts (Clock& clock);
    explicit SimMidiPorts (VirtualClock& clock);
    ~SimMidiPorts() override;

    void addOutput (const juce::String& name, SimDevice* device = nullptr, bool opens = true);
    void addInput (const juce::String& name, bool opens = true);
    void setOutputOpens (const juce::String& name, bool opens);
    void setInputOpens (const juce::String& name, bool opens);

    /** Queues a message for the named input, due after delayMs. */
    void deliver (const juce::String& inputName, const juce::MidiMessage& message, int delayMs = 0);

    /** Waits, in real time, until every message that is due has been handed
        out and no callback runs; false on timeout. */
    bool waitUntilIdle (int timeoutMs = TimeBounds::scaledMs (5000));

    struct Sent
    {
        juce::String output;
        juce::MidiMessage message;
        juce::uint32 timeMs;
    };

    std::vector<Sent> getSent() const;
    std::vector<juce::MidiMessage> getSentOn (const juce::String& output) const;
    void clearSent();

    /** "open output X", "close output X", "open input X", "close input X",
        in the order they happened. */
    juce::StringArray getEvents() const;
    int getOpenInputCount() const;

    /** Sends to one output that overlapped in time: each one corrupts a SysEx message. */
    int getOverlappingSends() const;

    /** Whether a SysEx message has F7 last and only bytes below 0x80 between:
        a real MIDI stack cuts any other short or takes bytes out of it. */
    static bool isCleanSysEx (const juce::uint8* data, size_t size);
    static bool isCleanSysEx (const juce::MidiMessage& message);
    static bool isCleanSysEx (const std::vector<juce::uint8>& bytes);

    /** The SysEx messages sent that a real MIDI stack would mangle (no F7 at the
        end, or a byte of 0x80 or more inside), as "output: hex bytes". */
    std::vector<std::string> getProtocolErrors() const;

    bool isInputThread() const;
    Clock& getClock() const { return clock; }

    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;
    std::unique_ptr<MidiInputPort> openInput (int index, MidiInputPortCallback& callback) override;

private:
    class Output;
    class Input;

    struct Port
    {
        juce::String name;
        SimDevice* device;
        bool opens;
    };

    struct Pending
    {
        juce::String input;
        juce::MidiMessage message;
        juce::uint32 dueMs;
    };

    void run();
    void dispatch (const Pending& pending);
    bool hasDueLocked();
    void settle();
    void logEvent (const juce::String& event);
    void beginSend (const juce::String& output, const juce::MidiMessage& message);
    void endSend (const juce::String& output);
    void inputClosed (Input* input);

    Clock& clock;
    VirtualClock* virtualClock = nullptr;

    mutable std::mutex portsMutex;
    std::vector<Port> outputs, inputs;

    std::recursive_mutex callbackLock; // held while a callback runs
    std::vector<Input*> openInputs;    // under callbackLock
    std::atomic<int> openInputCount { 0 };

    std::mutex queueMutex;
    std::condition_variable queueChanged;
    // A list, because erasing from a vector move-assigns the messages behind
    // the erased one, and the framework's MidiMessage move assignment leaks
    // the buffer of a long SysEx message it overwrites.
    std::list<Pending> queue;
    bool delivering = false, stopping = false;

    mutable std::mutex logMutex;
    std::vector<Sent> sent;
    juce::StringArray events;
    std::map<juce::String, int> sendsInProgress;
    int overlappingSends = 0;
    std::vector<std::string> protocolErrors;

    std::thread thread;
    std::thread::id threadId;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SimMidiPorts)
};
