#pragma once

#include "SimMidiPorts.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

/** The keyboard's firmware loader, as the tests see it: a port pair of the
    simulated port system, both named "USB MIDI Device" unless told otherwise.

    It takes the size announcement and the data blocks, checks each block's
    framing, checksum and address (counting down from the announced count to
    0), and answers on its own thread with the loader's Note On: 51/54 for a
    block taken, 61 for a block refused. A test decides per block whether a
    good block is acknowledged, refused or met with silence; a bad block is
    always refused and counted as a protocol error. The blocks taken are
    reassembled and unpacked, so that a test compares the image with the file.
*/
class SimulatedLoader final : public SimDevice
{
public:
    enum class Answer { acknowledge, refuse, silent };

    /** Called on the loader's thread for each good block: the count of block
        messages so far (resends included, from 0) and the block's address. */
    using Policy = std::function<Answer (int blockMessage, int address)>;

    explicit SimulatedLoader (SimMidiPorts& ports, const juce::String& portName = "USB MIDI Device");
    ~SimulatedLoader() override;

    void setPolicy (Policy newPolicy);

    /** Waits, in real time, until the loader's thread has handled and answered
        everything it received; false on timeout. */
    bool waitUntilIdle (int timeoutMs = TimeBounds::scaledMs (5000));

    /** The announced block count; -1 before an announcement. */
    int getAnnouncedBlocks() const;
    int getAnnouncementCount() const;

    /** The addresses of all block messages in the order they came, resends included. */
    std::vector<int> getBlockAddresses() const;

    /** Messages that were neither a good announcement nor a good block. */
    int getProtocolErrors() const;

    /** True once every announced block has been taken. */
    bool isComplete() const;

    /** The unpacked bytes of the blocks taken so far. */
    std::vector<juce::uint8> getImage() const;

    void receive (const juce::String& outputName, const juce::MidiMessage& message) override;

private:
    void run();
    void handle (const std::vector<juce::uint8>& m);
    void handleBlock (const std::vector<juce::uint8>& m);
    void answer (Answer a);

    SimMidiPorts& ports;
    const juce::String name;

    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<juce::uint8>> queue;
    bool busy = false, stopping = false;

    Policy policy;
    int announcedBlocks = -1;
    int announcements = 0;
    int nextAddress = -1;
    int protocolErrors = 0;
    std::vector<int> addresses;
    std::vector<juce::uint8> packed; // the data of the blocks taken, in sending order

    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SimulatedLoader)
};
