// Feeds arbitrary MIDI input to a connected controller link whose listener runs
// the panels' read chain, on the simulated MIDI input thread, and checks what
// the sanitizers cannot: every SysEx sent back is clean, every info code is
// one the listeners know, and the model survives a save/load/save unchanged.

#include "PanelReadChain.h"
#include "SimMidiPorts.h"
#include "VirtualClock.h"
#include "ZelManager49.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
const juce::String kInput = "Orlune In", kOutput = "Orlune Out";
constexpr int kLastInfoCode = InfoCode::curveSettingReceived;

[[noreturn]] void fail (const char* what, const std::string& detail = {})
{
    std::fprintf (stderr, "fuzz_incoming_midi: %s %s\n", what, detail.c_str());
    std::abort();
}

/** The panels' listener without a panel: the read chain, and the info codes seen. */
struct ReadChainListener final : ZelManagerListener, juce::AsyncUpdater
{
    explicit ReadChainListener (ZelManager49& m) : manager (m) {}

    void ZelInfoReceived (int code, int a, int, void*) override
    {
        if (code < 0 || code > kLastInfoCode)
            unknownCode = code;

        runPanelReadChain (manager, readingKeyboard, *this, code, a);
    }

    void handleAsyncUpdate() override {}

    ZelManager49& manager;
    std::atomic<bool> readingKeyboard { false };
    std::atomic<int> unknownCode { 0 };
};

/** Each message is a length byte and that many bytes. A first byte F0 makes a
    SysEx message, closed here by F7, with whatever bytes follow; any other
    first byte is the status of a short message, and the next two its data. */
std::vector<juce::MidiMessage> messagesFrom (const std::uint8_t* data, size_t size)
{
    std::vector<juce::MidiMessage> messages;
    size_t i = 0;

    while (i < size)
    {
        const size_t length = std::min<size_t> (data[i], size - i - 1);
        const auto* body = data + i + 1;
        i += 1 + length;

        if (length == 0)
            continue;

        if (body[0] == 0xF0)
        {
            std::vector<std::uint8_t> bytes (body, body + length);
            bytes.push_back (0xF7);
            messages.emplace_back (bytes.data(), (int) bytes.size(), 0.0);
            continue;
        }

        const int status = body[0] | 0x80;

        if (status == 0xF0 || status == 0xF7)
            continue;

        const std::uint8_t bytes[] = { (std::uint8_t) status,
                                       (std::uint8_t) (length > 1 ? body[1] & 0x7F : 0),
                                       (std::uint8_t) (length > 2 ? body[2] & 0x7F : 0) };
        messages.emplace_back (bytes, juce::MidiMessage::getMessageLengthFromFirstByte (bytes[0]), 0.0);
    }

    return messages;
}

juce::MemoryBlock savedModel (ZelManager49& manager, juce::File file)
{
    if (! manager.saveSettings (file))
        fail ("the model could not be saved to", file.getFullPathName().toStdString());

    juce::MemoryBlock bytes;
    file.loadFileAsData (bytes);
    return bytes;
}

const juce::File& scratchFolder()
{
    static const auto folder = juce::File::createTempFile ("orlune-fuzz-incoming");
    return folder;
}

void checkRoundTrip (ZelManager49& manager, SimMidiPorts& ports, Clock& clock)
{
    scratchFolder().createDirectory();
    auto firstFile = scratchFolder().getChildFile ("first.vt49");
    const auto first = savedModel (manager, firstFile);

    ZelManager49 reloaded (nullptr, ports, clock);

    if (! reloaded.loadSettings (firstFile))
        fail ("the saved model could not be loaded");

    if (savedModel (reloaded, scratchFolder().getChildFile ("second.vt49")) != first)
        fail ("save, load and save again gave different files");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    static const bool ready = []
    {
        juce::MessageManager::getInstance();
        ZelManager49::sStandaloneMode = true;

        // The framework's singletons go before its leak detectors check at exit,
        // and the scratch files with them (named first, so the name outlives this).
        scratchFolder();
        std::atexit ([]
        {
            scratchFolder().deleteRecursively();
            juce::DeletedAtShutdown::deleteAll();
            juce::MessageManager::deleteInstance();
        });
        return true;
    }();
    juce::ignoreUnused (ready);

    VirtualClock clock;
    SimMidiPorts ports { clock };
    ports.addOutput (kOutput);
    ports.addInput (kInput);

    ZelManager49 manager (nullptr, ports, clock);
    ReadChainListener listener (manager);
    manager.listeners.add (&listener);
    manager.openMidiIns (true);
    manager.setDevicesEx (kInput, kOutput, 0x300); // connected: the chain asks for the controller numbers

    // One message at a time, as a MIDI input thread hands them out.
    for (const auto& message : messagesFrom (data, size))
    {
        ports.deliver (kInput, message);

        if (! ports.waitUntilIdle (4000))
            fail ("the input thread did not finish a message");
    }

    manager.listeners.removeFirstMatchingValue (&listener);

    for (const auto& error : ports.getProtocolErrors())
        fail ("a SysEx message went out that a MIDI stack would mangle:", error);

    if (listener.unknownCode != 0)
        fail ("an info code outside the list was posted:", std::to_string (listener.unknownCode.load()));

    checkRoundTrip (manager, ports, clock);
    return 0;
}
