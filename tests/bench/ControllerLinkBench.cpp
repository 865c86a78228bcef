#include "Benchmark.h"

#include "SimMidiPorts.h"
#include "SimulatedKeyboard.h"
#include "ZelManager49.h"
#include "ZelManagerListener.h"

#include <atomic>
#include <thread>
#include <vector>

namespace
{
// After a factory reset: 92 items of six parameters, less the eight LEDs'
// number -1, which no data byte carries; then global 6, three curves, the store.
constexpr int kItemMessages = 544, kClosingMessages = 5;
constexpr int kPauseUs = 2000;

struct CountingListener final : ZelManagerListener
{
    void ZelInfoReceived (int, int, int, void*) override { ++count; }
    std::atomic<int> count { 0 };
};

juce::MidiMessage reply (std::initializer_list<int> body)
{
    std::vector<juce::uint8> data { 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00 };

    for (const int b : body)
        data.push_back ((juce::uint8) b);

    data.push_back (0xF7);
    return juce::MidiMessage (data.data(), (int) data.size(), 0);
}

/** What the keyboard sends while it is read and played: replies and control movements. */
std::vector<juce::MidiMessage> incomingStream()
{
    return { juce::MidiMessage::controllerEvent (1, 74, 10),
             reply ({ 0x00, 5, 100 }),
             juce::MidiMessage::pitchWheel (1, 9000),
             reply ({ 0x40, 5, 3 }),
             juce::MidiMessage::controllerEvent (1, 112, 0x41),
             reply ({ 0x03, 1, 74 }),
             juce::MidiMessage::noteOn (1, 36, (juce::uint8) 90),
             juce::MidiMessage::channelPressureChange (1, 40),
             reply ({ 0x41, 4, 7 }),
             juce::MidiMessage::controllerEvent (1, 64, 127) };
}

/** The least a MIDI callback does with each message: one virtual call that reads it. */
struct BareCallback
{
    virtual ~BareCallback() = default;
    virtual void take (const juce::String&, const juce::MidiMessage& message) { sink += message.getRawData()[0]; }
    std::atomic<int> sink { 0 };
};

template <typename Handle>
double nsPerMessageOnOwnThread (const std::vector<juce::MidiMessage>& stream, int rounds, Handle handle)
{
    double elapsed = 0;

    // A thread of its own stands for the MIDI input thread.
    std::thread input ([&]
    {
        const auto start = Benchmark::nowMs();

        for (int r = 0; r < rounds; ++r)
            for (const auto& message : stream)
                handle (message);

        elapsed = Benchmark::nowMs() - start;
    });

    input.join();
    return elapsed * 1.0e6 / (double) (rounds * (int) stream.size());
}
} // namespace

ORLUNE_BENCHMARK (controllerLinkSendsTheWholeSetup)
{
    SimMidiPorts ports (Clock::system());
    SimulatedKeyboard keyboard (ports, "Orlune Out", "Orlune In");
    ZelManager49 manager (nullptr, ports, Clock::system());
    manager.setDevicesEx ("Orlune In", "Orlune Out", 0x300);
    manager.resetMappingToDefault();

    const double floor = kItemMessages * 4.0 + kClosingMessages * 2.0;

    // The platform's own pause overshoots; measured alone, it separates our work from it.
    constexpr int pauses = kItemMessages * 2 + kClosingMessages;
    const auto pausesStart = Benchmark::nowMs();

    for (int i = 0; i < pauses; ++i)
        Clock::system().pauseMicroseconds (kPauseUs);

    const double pausesAlone = Benchmark::nowMs() - pausesStart;
    report.figure ("the " + juce::String (pauses) + " real 2 ms pauses alone", pausesAlone, floor, "ms");

    for (int run = 1; run <= 3; ++run)
    {
        const auto start = Benchmark::nowMs();
        manager.updateKeyboard (0);
        const double elapsed = Benchmark::nowMs() - start;

        report.figure ("updateKeyboard(0) after a factory reset, run " + juce::String (run), elapsed, floor, "ms");
        report.figure ("  the same against the pauses alone", elapsed, pausesAlone, "ms");
    }
}

ORLUNE_BENCHMARK (controllerLinkHandlesIncomingMessages)
{
    SimMidiPorts ports (Clock::system());
    ZelManager49 manager (nullptr, ports, Clock::system());
    CountingListener listener;
    manager.listeners.add (&listener);
    manager.setDevicesEx ("Orlune In", "Orlune Out", 0x300);

    const auto stream = incomingStream();
    constexpr int rounds = 20000;

    BareCallback bare;
    const double floor = nsPerMessageOnOwnThread (stream, rounds, [&] (const juce::MidiMessage& m) { bare.take ("Orlune In", m); });
    const double handled = nsPerMessageOnOwnThread (stream, rounds, [&] (const juce::MidiMessage& m) { manager.handleMidiMessage ("Orlune In", m); });

    report.figure ("one incoming message, connected, replies and controls mixed", handled, floor, "ns");
}
