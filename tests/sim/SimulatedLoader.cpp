#include "SimulatedLoader.h"

namespace
{
bool hasLoaderId (const std::vector<juce::uint8>& m, size_t at)
{
    return m.size() > at + 2 && m[at] == 0x51 && m[at + 1] == 0x54 && m[at + 2] == 0x18;
}

int from7BitGroups (juce::uint8 high, juce::uint8 middle, juce::uint8 low)
{
    return (high << 14) | (middle << 7) | low;
}
} // namespace

SimulatedLoader::SimulatedLoader (SimMidiPorts& p, const juce::String& portName)
    : ports (p), name (portName)
{
    ports.addOutput (name, this);
    ports.addInput (name);
    thread = std::thread ([this] { run(); });
}

SimulatedLoader::~SimulatedLoader()
{
    {
        const std::lock_guard<std::mutex> lock (mutex);
        stopping = true;
    }

    changed.notify_all();
    thread.join();
}

void SimulatedLoader::setPolicy (Policy newPolicy)
{
    const std::lock_guard<std::mutex> lock (mutex);
    policy = std::move (newPolicy);
}

void SimulatedLoader::receive (const juce::String&, const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> lock (mutex);
        queue.emplace_back (message.getRawData(), message.getRawData() + message.getRawDataSize());
    }

    changed.notify_all();
}

bool SimulatedLoader::waitUntilIdle (int timeoutMs)
{
    std::unique_lock<std::mutex> lock (mutex);
    return changed.wait_for (lock, std::chrono::milliseconds (timeoutMs),
                             [this] { return queue.empty() && ! busy; });
}

void SimulatedLoader::run()
{
    std::unique_lock<std::mutex> lock (mutex);

    while (! stopping)
    {
        if (queue.empty())
        {
            changed.wait (lock);
            continue;
        }

        const auto m = std::move (queue.front());
        queue.pop_front();
        busy = true;

        // The policy may be slow or call into the test; nothing is held meanwhile.
        lock.unlock();
        handle (m);
        lock.lock();

        busy = false;
        changed.notify_all();
    }
}

// Runs on the loader's thread.
void SimulatedLoader::handle (const std::vector<juce::uint8>& m)
{
    const bool isAnnouncement = m.size() == 9 && SimMidiPorts::isCleanSysEx (m) && hasLoaderId (m, 1) && m[7] == 0x29;

    if (m.size() >= 11 && m[0] == 0xF0 && hasLoaderId (m, 3))
    {
        handleBlock (m);
        return;
    }

    const std::lock_guard<std::mutex> lock (mutex);

    if (isAnnouncement)
    {
        announcedBlocks = from7BitGroups (m[4], m[5], m[6]);
        nextAddress = announcedBlocks - 1;
        ++announcements;
        packed.clear();
    }
    else
    {
        ++protocolErrors;
    }
}

void SimulatedLoader::handleBlock (const std::vector<juce::uint8>& m)
{
    const auto address = from7BitGroups (m[6], m[7], m[8]);
    const auto dataSize = (int) m.size() - 10;
    std::unique_lock<std::mutex> lock (mutex);
    const int blockMessage = (int) addresses.size();
    addresses.push_back (address);

    int sum = 0;

    for (size_t i = 3; i + 1 < m.size(); ++i)
        sum += m[i];

    const bool lastBlock = address == 0;
    const bool goodSize = lastBlock ? dataSize >= 1 && dataSize <= 32 : dataSize == 32;
    const bool good = SimMidiPorts::isCleanSysEx (m) && goodSize
                      && m[1] == (sum & 0x7F) && m[2] == ((sum >> 7) & 0x7F)
                      && announcedBlocks > 0;

    // A resend of the block taken last (its acknowledgement went astray) is acknowledged again.
    const bool repeat = good && address == nextAddress + 1 && nextAddress + 1 < announcedBlocks;

    if (! good || (address != nextAddress && ! repeat))
    {
        ++protocolErrors;
        lock.unlock();
        answer (Answer::refuse);
        return;
    }

    const auto decide = policy;
    lock.unlock();
    const auto decision = decide ? decide (blockMessage, address) : Answer::acknowledge;
    lock.lock();

    if (decision == Answer::acknowledge && ! repeat)
    {
        packed.insert (packed.end(), m.begin() + 9, m.end() - 1);
        --nextAddress;
    }

    lock.unlock();
    answer (decision);
}

void SimulatedLoader::answer (Answer a)
{
    if (a == Answer::acknowledge)
        ports.deliver (name, juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54));
    else if (a == Answer::refuse)
        ports.deliver (name, juce::MidiMessage::noteOn (1, 0x61, (juce::uint8) 0x7F));
}

int SimulatedLoader::getAnnouncedBlocks() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return announcedBlocks;
}

int SimulatedLoader::getAnnouncementCount() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return announcements;
}

std::vector<int> SimulatedLoader::getBlockAddresses() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return addresses;
}

int SimulatedLoader::getProtocolErrors() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return protocolErrors;
}

bool SimulatedLoader::isComplete() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return announcedBlocks > 0 && nextAddress == -1;
}

std::vector<juce::uint8> SimulatedLoader::getImage() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    std::vector<juce::uint8> image;

    // Groups of a header and up to seven bytes; header bit 6 is the first byte's top bit.
    for (size_t group = 0; group < packed.size(); group += 8)
    {
        const auto header = packed[group];

        for (size_t k = 1; k < 8 && group + k < packed.size(); ++k)
            image.push_back ((juce::uint8) (packed[group + k] | (((header >> (7 - k)) & 1) << 7)));
    }

    return image;
}
