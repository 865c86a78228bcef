#include "Benchmark.h"

#include "MarvossFWUpdater.h"
#include "SimMidiPorts.h"
#include "SimulatedLoader.h"
#include "ZelManager49.h"

#include <iostream>
#include <sstream>

namespace
{
constexpr int kFileBytes = 8192;
constexpr int kPauseMs = 2, kAnnouncementPauseMs = 10;

/** The runner's plumbing without its window. */
struct Host final : juce::MidiInputCallback,
                    IFWHelper
{
    explicit Host (ZelManager49& m) : manager (m) {}

    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        if (auto* u = updater.load())
            u->HandleMidiMessage (message);
    }

    void SendMidiMessage (const juce::MidiMessage& message) override { manager.SendMidiMessage (message); }
    void SetProgress (double) override {}

    ZelManager49& manager;
    std::atomic<IFWUpdater*> updater { nullptr };
};
} // namespace

// An acknowledgement that comes within the 2 ms pause after a send is seen at
// the first poll, so the transfer cannot be faster than its pauses.
ORLUNE_BENCHMARK (firmwareTransferToALoaderThatAnswersAtOnce)
{
    const auto folder = juce::File::createTempFile ("fw-bench");
    folder.createDirectory();
    const auto file = folder.getChildFile ("Orlune-bench.bin");
    juce::MemoryBlock content (kFileBytes);
    juce::Random (1).fillBitsRandomly (content.getData(), content.getSize());
    file.replaceWithData (content.getData(), content.getSize());

    const bool wasStandalone = ZelManager49::sStandaloneMode;
    ZelManager49::sStandaloneMode = true;

    // What the platform makes of those pauses: each one oversleeps a little.
    const int packedBytes = kFileBytes + (kFileBytes + 6) / 7;
    const int blockCount = (packedBytes + 31) / 32;
    const auto pausesStart = Benchmark::nowMs();
    for (int i = 0; i < blockCount; ++i)
        Clock::system().pauseMicroseconds (kPauseMs * 1000);
    Clock::system().sleepMilliseconds (kAnnouncementPauseMs);
    const auto pausesAlone = Benchmark::nowMs() - pausesStart;
    report.figure ("the " + juce::String (blockCount) + " real 2 ms pauses and the 10 ms sleep alone", pausesAlone,
                   blockCount * kPauseMs + kAnnouncementPauseMs, "ms");

    for (int run = 1; run <= 3; ++run)
    {
        SimMidiPorts ports (Clock::system());
        SimulatedLoader loader (ports);
        ZelManager49 manager (nullptr, ports, Clock::system());
        Host host (manager);
        MarvossFWUpdater updater;

        manager.SetBurnMode (&host, "USB MIDI Device");
        updater.Init (&host);
        updater.SetFile (file);
        host.updater = &updater;

        // The updater's debug lines would bury the figures.
        std::stringstream log;
        auto* previous = std::cerr.rdbuf (log.rdbuf());
        const auto start = Benchmark::nowMs();
        const bool ok = updater.Burn();
        const auto elapsed = Benchmark::nowMs() - start;
        std::cerr.rdbuf (previous);

        host.updater = nullptr;
        manager.SetBurnMode (nullptr, "USB MIDI Device");

        const auto blocks = loader.getAnnouncedBlocks();
        const auto intact = loader.getImage() == std::vector<juce::uint8> ((const juce::uint8*) content.getData(),
                                                                           (const juce::uint8*) content.getData() + content.getSize());
        report.figure ("8 KiB firmware in " + juce::String (blocks) + " blocks, run " + juce::String (run)
                           + (ok && intact ? "" : " (FAILED)"),
                       elapsed, blocks * kPauseMs + kAnnouncementPauseMs, "ms");
        report.figure ("  the same against the pauses alone", elapsed, pausesAlone, "ms");
    }

    ZelManager49::sStandaloneMode = wasStandalone;
    folder.deleteRecursively();
}
