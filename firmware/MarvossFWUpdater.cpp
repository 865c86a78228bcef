#include "MarvossFWUpdater.h"

namespace
{
constexpr int kBlockBytes = 32;
constexpr int kTries = 4;
constexpr int kPolls = 30;
constexpr int kPollMs = 100;
constexpr int kAnnouncementPauseMs = 10;

// The block count and the addresses travel as three 7-bit groups. This bound
// also keeps every packed count far inside the 32-bit counters.
constexpr juce::int64 kMaxBlocks = 0x1FFFFF;

constexpr juce::uint8 kLoaderId[] = { 0x51, 0x54, 0x18 };
constexpr int kLoaderIdSum = 0x51 + 0x54 + 0x18;

constexpr int kAckNote = 0x51;
constexpr int kAckVelocity = 0x54;
constexpr int kRefuseNote = 0x61;

juce::int64 packedLengthOf (juce::int64 fileSize)
{
    return fileSize + (fileSize + 6) / 7;
}

juce::uint8 group7 (juce::uint32 value, int group)
{
    return (juce::uint8) ((value >> (7 * group)) & 0x7F);
}

juce::MidiMessage makeAnnouncement (juce::uint32 blocks)
{
    const juce::uint8 bytes[] = { 0xF0, kLoaderId[0], kLoaderId[1], kLoaderId[2],
                                  group7 (blocks, 2), group7 (blocks, 1), group7 (blocks, 0),
                                  0x29, 0xF7 };
    return juce::MidiMessage (bytes, (int) sizeof (bytes), 0.0);
}

juce::MidiMessage makeBlock (juce::uint32 address, const char* data, int n)
{
    juce::uint8 bytes[kBlockBytes + 10];
    bytes[0] = 0xF0;
    bytes[3] = kLoaderId[0];
    bytes[4] = kLoaderId[1];
    bytes[5] = kLoaderId[2];
    bytes[6] = group7 (address, 2);
    bytes[7] = group7 (address, 1);
    bytes[8] = group7 (address, 0);

    int sum = kLoaderIdSum + bytes[6] + bytes[7] + bytes[8];

    for (int i = 0; i < n; ++i)
    {
        bytes[9 + i] = (juce::uint8) data[i];
        sum += bytes[9 + i];
    }

    bytes[1] = group7 ((juce::uint32) sum, 0);
    bytes[2] = group7 ((juce::uint32) sum, 1);
    bytes[9 + n] = 0xF7;
    return juce::MidiMessage (bytes, n + 10, 0.0);
}
} // namespace

MarvossFWUpdater::MarvossFWUpdater (Clock& c) : clock (c)
{
}

bool MarvossFWUpdater::LoadFile (juce::File source)
{
    packedData.clear();

    // 64-bit, so that a file of 4 GiB and more is not taken for a small one.
    const auto size = source.getSize();

    if (size <= 0)
        return false;

    if ((packedLengthOf (size) + kBlockBytes - 1) / kBlockBytes > kMaxBlocks)
        return false;

    packedData.resize ((size_t) ((size + 6) / 7) * 8, 0);

    juce::FileInputStream in (source);

    if (in.failedToOpen())
        return false;

    bytesLeft = 0;

    // Never more than the size the buffer was made for, even if the file grew since.
    char chunk[4096];
    juce::int64 done = 0;
    size_t header = 0;

    while (done < size)
    {
        const auto got = in.read (chunk, (int) juce::jmin ((juce::int64) sizeof (chunk), size - done));

        if (got <= 0)
            break;

        for (int i = 0; i < got; ++i, ++done)
        {
            const auto position = (int) (done % 7);
            const auto byte = (juce::uint8) chunk[i];

            if (position == 0)
                header = (size_t) bytesLeft++;

            packedData[header] = (char) (packedData[header] | ((byte & 0x80) >> (position + 1)));
            packedData[(size_t) bytesLeft++] = (char) (byte & 0x7F);
        }
    }

    // A file that gives less than its size (it shrank, or a read failed)
    // would otherwise go to the loader cut short and be reported as burnt.
    if (done < size)
    {
        bytesLeft = 0;
        return false;
    }

    return true;
}

bool MarvossFWUpdater::Burn()
{
    progress (0.0);

    if (! LoadFile (file) || bytesLeft == 0)
        return false;

    progress (0.0);
    blocksLeft = (bytesLeft + kBlockBytes - 1) / kBlockBytes;
    send (makeAnnouncement (blocksLeft));
    clock.sleepMilliseconds (kAnnouncementPauseMs);
    return SendData (packedData.data());
}

bool MarvossFWUpdater::SendData (char* data)
{
    const auto total = (double) bytesLeft;
    juce::uint32 sent = 0;

    while (bytesLeft != 0)
    {
        const auto n = juce::jmin (bytesLeft, (juce::uint32) kBlockBytes);
        const auto block = makeBlock (blocksLeft - 1, data + sent, (int) n);
        bool acknowledged = false;

        for (int attempt = 0; attempt < kTries && ! acknowledged; ++attempt)
        {
            ClearAck (-1);
            send (block);
            acknowledged = WaitForAck (kPolls) == 1;
        }

        if (! acknowledged)
            return false;

        bytesLeft -= n;
        --blocksLeft;
        sent += n;
        progress (sent / total);
    }

    return true;
}

void MarvossFWUpdater::ClearAck (int tag)
{
    juce::Logger::outputDebugString ("wait for ack start");

    const juce::ScopedWriteLock sl (ackLock);
    ackResult = 0;
    ackReceived = false;
    ackTag = tag;
}

int MarvossFWUpdater::WaitForAck (int polls)
{
    int result = 0;

    for (int poll = 0; poll <= polls; ++poll)
    {
        if (juce::Thread::currentThreadShouldExit())
            break;

        {
            const juce::ScopedReadLock sl (ackLock);

            if (ackReceived)
            {
                result = ackResult;
                break;
            }
        }

        clock.sleepMilliseconds (kPollMs);
    }

    juce::Logger::outputDebugString ("wait for ack stop");
    return result;
}

void MarvossFWUpdater::HandleMidiMessage (const juce::MidiMessage& message)
{
    if (! message.isNoteOn (true))
        return;

    const auto note = message.getNoteNumber();
    const auto velocity = (int) message.getVelocity();
    juce::Logger::outputDebugString ("received note: " + juce::String (note) + " veloc: " + juce::String (velocity));

    if (message.getChannel() != 1)
        return;

    const juce::ScopedWriteLock sl (ackLock);

    if (note == kRefuseNote)
    {
        ackResult = -1;
        ackReceived = true;
    }
    else if (note == kAckNote && velocity == kAckVelocity)
    {
        ackResult = 1;
        ackReceived = true;
    }
}

void MarvossFWUpdater::send (const juce::MidiMessage& message)
{
    if (fwHelper != nullptr)
        fwHelper->SendMidiMessage (message);
}

void MarvossFWUpdater::progress (double fraction)
{
    if (fwHelper != nullptr)
        fwHelper->SetProgress (fraction);
}
