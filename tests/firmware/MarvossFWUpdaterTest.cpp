#include "FirmwareTestSupport.h"
#include "MarvossFWUpdater.h"
#include "TimeBounds.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <iterator>
#include <functional>
#include <unistd.h>

namespace
{
enum class Reply { ack, refuse, silent };

Bytes bytesOf (const juce::MidiMessage& m)
{
    return Bytes (m.getRawData(), m.getRawData() + m.getRawDataSize());
}

bool isBlock (const Bytes& m)
{
    return m.size() >= 11 && m[3] == 0x51 && m[4] == 0x54 && m[5] == 0x18;
}

int addressOf (const Bytes& block)
{
    return (block[6] << 14) | (block[7] << 7) | block[8];
}

/** Records what the updater sends and answers each block synchronously from a script. */
class ScriptedHelper final : public IFWHelper
{
public:
    void SendMidiMessage (const juce::MidiMessage& message) override
    {
        sent.push_back (bytesOf (message));

        if (onSend)
            onSend (sent.back());

        if (! isBlock (sent.back()) || updater == nullptr)
            return;

        const auto reply = script.empty() ? fallback : script.front();

        if (! script.empty())
            script.pop_front();

        if (reply == Reply::ack)
            updater->HandleMidiMessage (juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54));
        else if (reply == Reply::refuse)
            updater->HandleMidiMessage (juce::MidiMessage::noteOn (1, 0x61, (juce::uint8) 0x10));
    }

    void SetProgress (double p) override { progress.push_back (p); }

    std::vector<Bytes> blocks() const
    {
        std::vector<Bytes> result;

        for (const auto& m : sent)
            if (isBlock (m))
                result.push_back (m);

        return result;
    }

    MarvossFWUpdater* updater = nullptr;
    std::deque<Reply> script;
    Reply fallback = Reply::ack;
    std::function<void (const Bytes&)> onSend;
    std::vector<Bytes> sent;
    std::vector<double> progress;
};

struct Transfer
{
    explicit Transfer (const Bytes& content) : temp (content)
    {
        helper.updater = &updater;
        updater.Init (&helper);
        updater.SetFile (temp.file);
    }

    TempFirmwareFile temp;
    CountingClock clock;
    MarvossFWUpdater updater { clock };
    ScriptedHelper helper;
};

//==============================================================================
struct WireCase
{
    const char* name;
    Bytes file;
    std::vector<Bytes> expected; // every message, announcement first
};

void PrintTo (const WireCase& c, std::ostream* os) { *os << c.name; }

class UpdaterWireTest : public ::testing::TestWithParam<WireCase> {};

TEST_P (UpdaterWireTest, SendsTheAnnouncementAndPackedBlocks)
{
    Transfer t (GetParam().file);

    EXPECT_TRUE (t.updater.Burn());
    EXPECT_EQ (t.helper.sent, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P (
    Packing, UpdaterWireTest,
    ::testing::Values (
        // Top bits go into the group's header, first byte in bit 6.
        WireCase { "TwoBytes", { 0x80, 0x01 },
                   { { 0xF0, 0x51, 0x54, 0x18, 0x00, 0x00, 0x01, 0x29, 0xF7 },
                     { 0xF0, 0x7E, 0x01, 0x51, 0x54, 0x18, 0x00, 0x00, 0x00, 0x40, 0x00, 0x01, 0xF7 } } },
        // Checksum 0xBD + 0x40 + 0x7F = 0x17C, low 7-bit group first.
        WireCase { "OneByteFF", { 0xFF },
                   { { 0xF0, 0x51, 0x54, 0x18, 0x00, 0x00, 0x01, 0x29, 0xF7 },
                     { 0xF0, 0x7C, 0x02, 0x51, 0x54, 0x18, 0x00, 0x00, 0x00, 0x40, 0x7F, 0xF7 } } },
        WireCase { "SevenBytesPackToEight", { 0x81, 0x02, 0x83, 0x04, 0x85, 0x06, 0x87 },
                   { { 0xF0, 0x51, 0x54, 0x18, 0x00, 0x00, 0x01, 0x29, 0xF7 },
                     { 0xF0, 0x2E, 0x02, 0x51, 0x54, 0x18, 0x00, 0x00, 0x00,
                       0x55, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xF7 } } },
        WireCase { "EightBytesPackToTen", { 0x81, 0x02, 0x83, 0x04, 0x85, 0x06, 0x87, 0x88 },
                   { { 0xF0, 0x51, 0x54, 0x18, 0x00, 0x00, 0x01, 0x29, 0xF7 },
                     { 0xF0, 0x76, 0x02, 0x51, 0x54, 0x18, 0x00, 0x00, 0x00,
                       0x55, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x40, 0x08, 0xF7 } } }),
    [] (const auto& p) { return std::string (p.param.name); });

//==============================================================================
struct LayoutCase
{
    size_t fileSize;
    std::vector<int> blockSizes; // packed bytes per block, in sending order
    std::vector<double> progress;
};

void PrintTo (const LayoutCase& c, std::ostream* os) { *os << c.fileSize << " bytes"; }

class UpdaterLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P (UpdaterLayoutTest, BlocksCountTheAddressDownAndReportProgress)
{
    const auto& c = GetParam();
    Transfer t (randomBytes (c.fileSize, (juce::int64) c.fileSize));

    ASSERT_TRUE (t.updater.Burn());

    const auto n = (int) c.blockSizes.size();
    const Bytes announcement { 0xF0, 0x51, 0x54, 0x18, (juce::uint8) ((n >> 14) & 0x7F),
                               (juce::uint8) ((n >> 7) & 0x7F), (juce::uint8) (n & 0x7F), 0x29, 0xF7 };
    EXPECT_EQ (t.helper.sent.front(), announcement);

    const auto blocks = t.helper.blocks();
    ASSERT_EQ ((int) blocks.size(), n);

    for (int i = 0; i < n; ++i)
    {
        const auto& block = blocks[(size_t) i];
        EXPECT_EQ ((int) block.size(), c.blockSizes[(size_t) i] + 10);
        EXPECT_EQ (addressOf (block), n - 1 - i);

        int sum = 0;
        for (size_t b = 3; b + 1 < block.size(); ++b)
            sum += block[b];
        EXPECT_EQ (block[1], sum & 0x7F);
        EXPECT_EQ (block[2], (sum >> 7) & 0x7F);
        EXPECT_EQ (block.back(), 0xF7);
    }

    ASSERT_EQ (t.helper.progress.size(), c.progress.size());
    for (size_t i = 0; i < c.progress.size(); ++i)
        EXPECT_DOUBLE_EQ (t.helper.progress[i], c.progress[i]);

    // One poll per acknowledged block at most (the reply is there before the first poll).
    EXPECT_EQ (t.clock.sleptMs.load(), 10);
}

INSTANTIATE_TEST_SUITE_P (
    Sizes, UpdaterLayoutTest,
    ::testing::Values (
        LayoutCase { 1, { 2 }, { 0.0, 0.0, 1.0 } },
        LayoutCase { 29, { 32, 2 }, { 0.0, 0.0, 32.0 / 34.0, 1.0 } },
        LayoutCase { 224, { 32, 32, 32, 32, 32, 32, 32, 32 },
                     { 0.0, 0.0, 0.125, 0.25, 0.375, 0.5, 0.625, 0.75, 0.875, 1.0 } }));

//==============================================================================
struct RetryCase
{
    const char* name;
    std::deque<Reply> script;
    bool result;
    int blocksSent;      // block messages, resends included
    juce::int64 sleptMs; // 10 after the announcement, 100 per poll
};

void PrintTo (const RetryCase& c, std::ostream* os) { *os << c.name; }

class UpdaterRetryTest : public ::testing::TestWithParam<RetryCase> {};

TEST_P (UpdaterRetryTest, ResendsABlockAtMostFourTimes)
{
    const auto& c = GetParam();
    Transfer t (randomBytes (29, 7)); // two blocks
    t.helper.script = c.script;

    EXPECT_EQ (t.updater.Burn(), c.result);

    const auto blocks = t.helper.blocks();
    EXPECT_EQ ((int) blocks.size(), c.blocksSent);
    EXPECT_EQ (t.clock.sleptMs.load(), c.sleptMs);

    // A resend repeats the block that failed, and a failed block is the last one sent.
    for (size_t i = 1; i < blocks.size(); ++i)
    {
        if (addressOf (blocks[i]) == addressOf (blocks[i - 1]))
        {
            EXPECT_EQ (blocks[i], blocks[i - 1]);
        }
    }

    if (! c.result)
    {
        EXPECT_EQ (addressOf (blocks.back()), 1);
    }
}

INSTANTIATE_TEST_SUITE_P (
    Replies, UpdaterRetryTest,
    ::testing::Values (
        RetryCase { "FourRefusals", { Reply::refuse, Reply::refuse, Reply::refuse, Reply::refuse }, false, 4, 10 },
        RetryCase { "FourSilences", { Reply::silent, Reply::silent, Reply::silent, Reply::silent },
                    false, 4, 10 + 4 * 31 * 100 },
        RetryCase { "FourthTryAcknowledged", { Reply::refuse, Reply::silent, Reply::refuse, Reply::ack },
                    true, 5, 10 + 31 * 100 },
        RetryCase { "RefusedThenAcknowledged", { Reply::ack, Reply::refuse, Reply::ack }, true, 3, 10 }),
    [] (const auto& p) { return std::string (p.param.name); });

//==============================================================================
struct ReplyCase
{
    const char* name;
    juce::MidiMessage message;
    int result;
    const char* logLine; // nullptr: nothing logged for the message
};

void PrintTo (const ReplyCase& c, std::ostream* os) { *os << c.name; }

class UpdaterReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P (UpdaterReplyTest, TakesOnlyTheLoaderNotesOnChannelOne)
{
    const auto& c = GetParam();
    CountingClock clock;
    MarvossFWUpdater updater (clock);
    DebugLogCapture log;

    updater.ClearAck (-1);
    updater.HandleMidiMessage (c.message);
    EXPECT_EQ (updater.WaitForAck (0), c.result);

    juce::StringArray expected { "wait for ack start" };
    if (c.logLine != nullptr)
        expected.add (c.logLine);
    expected.add ("wait for ack stop");
    EXPECT_EQ (log.lines(), expected);
}

INSTANTIATE_TEST_SUITE_P (
    Notes, UpdaterReplyTest,
    ::testing::Values (
        ReplyCase { "Acknowledgement", juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54), 1, "received note: 81 veloc: 84" },
        ReplyCase { "RefusalVelocityZero", juce::MidiMessage::noteOn (1, 0x61, (juce::uint8) 0), -1, "received note: 97 veloc: 0" },
        ReplyCase { "RefusalAnyVelocity", juce::MidiMessage::noteOn (1, 0x61, (juce::uint8) 0x7F), -1, "received note: 97 veloc: 127" },
        ReplyCase { "AckNoteWrongVelocity", juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0), 0, "received note: 81 veloc: 0" },
        ReplyCase { "AckOnChannelTwo", juce::MidiMessage::noteOn (2, 0x51, (juce::uint8) 0x54), 0, "received note: 81 veloc: 84" },
        ReplyCase { "OtherNote", juce::MidiMessage::noteOn (1, 0x52, (juce::uint8) 0x54), 0, "received note: 82 veloc: 84" },
        ReplyCase { "NoteOff", juce::MidiMessage::noteOff (1, 0x61, (juce::uint8) 0x40), 0, nullptr },
        ReplyCase { "Controller", juce::MidiMessage::controllerEvent (1, 0x51, 0x54), 0, nullptr }),
    [] (const auto& p) { return std::string (p.param.name); });

TEST (UpdaterReplies, AReplyCountsOnlyAfterTheLastClear)
{
    CountingClock clock;
    MarvossFWUpdater updater (clock);

    updater.HandleMidiMessage (juce::MidiMessage::noteOn (1, 0x51, (juce::uint8) 0x54));
    updater.ClearAck (-1);
    EXPECT_EQ (updater.WaitForAck (30), 0);
    EXPECT_EQ (clock.sleptMs.load(), 31 * 100);

    // A late refusal arriving after the clear counts for the block then in flight.
    updater.HandleMidiMessage (juce::MidiMessage::noteOn (1, 0x61, (juce::uint8) 1));
    EXPECT_EQ (updater.WaitForAck (30), -1);
}

//==============================================================================
TEST (UpdaterExit, TheWorkerExitFlagEndsTheTransferWithinOneBlock)
{
    Transfer t (randomBytes (224, 3));
    t.helper.fallback = Reply::silent;
    t.helper.script = { Reply::ack, Reply::ack };
    bool result = true;

    struct Worker final : juce::Thread
    {
        Worker (Transfer& tr, bool& r) : juce::Thread ("burn"), transfer (tr), result (r) {}
        void run() override { result = transfer.updater.Burn(); }
        Transfer& transfer;
        bool& result;
    } worker (t, result);

    // Asked to exit as the third block goes out: it is tried four times without waiting.
    t.helper.onSend = [&] (const Bytes& m)
    {
        if (isBlock (m) && addressOf (m) == 5)
            worker.signalThreadShouldExit();
    };

    worker.startThread();
    ASSERT_TRUE (worker.waitForThreadToExit (TimeBounds::scaledMs (10000)));

    EXPECT_FALSE (result);
    const auto blocks = t.helper.blocks();
    ASSERT_EQ (blocks.size(), 6u);
    EXPECT_EQ (addressOf (blocks.back()), 5);
    EXPECT_EQ (t.clock.sleptMs.load(), 10);
}

//==============================================================================
TEST (UpdaterFiles, EmptyMissingOrUnreadableFilesSendNothing)
{
    TempFirmwareFile empty ({});
    const juce::File files[] = { empty.file, empty.folder.getChildFile ("missing.bin"), empty.folder };

    for (const auto& f : files)
    {
        CountingClock clock;
        MarvossFWUpdater updater (clock);
        ScriptedHelper helper;
        updater.Init (&helper);
        updater.SetFile (f);

        EXPECT_FALSE (updater.Burn()) << f.getFullPathName();
        EXPECT_TRUE (helper.sent.empty()) << f.getFullPathName();
    }
}

// A kernel attribute file claims a page of size but holds a few bytes: a
// short read, as from a file that shrank under the updater, must not go out
// as a whole image.
TEST (UpdaterFiles, AFileThatGivesLessThanItsSizeSendsNothing)
{
    const juce::File shortFile ("/sys/devices/system/cpu/online");
    std::ifstream in (shortFile.getFullPathName().toRawUTF8(), std::ios::binary);
    const auto readable = std::distance (std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char>());

    if (readable <= 0 || shortFile.getSize() <= (juce::int64) readable)
        GTEST_SKIP() << "no file here that gives less than its size";

    CountingClock clock;
    MarvossFWUpdater updater (clock);
    ScriptedHelper helper;
    helper.updater = &updater;
    updater.Init (&helper);
    updater.SetFile (shortFile);

    EXPECT_FALSE (updater.Burn());
    EXPECT_TRUE (helper.sent.empty());
}

// 58,720,228 bytes pack to 67,108,832 = 0x1FFFFF blocks of 32 bytes; one byte
// more would need a 22-bit address. Sparse files, so no disk space is used.
TEST (UpdaterFiles, RefusesAFileTooLargeForTheAddressesBeforeSending)
{
    struct SizeCase { juce::int64 size; bool sendsAnything; };

    for (const auto& c : { SizeCase { 58720228, true }, SizeCase { 58720229, false }, SizeCase { 0x100000001LL, false } })
    {
        TempFirmwareFile temp ({});
        ASSERT_EQ (::truncate (temp.file.getFullPathName().toRawUTF8(), (off_t) c.size), 0);

        CountingClock clock;
        MarvossFWUpdater updater (clock);
        ScriptedHelper helper;
        helper.updater = &updater;
        helper.fallback = Reply::refuse;
        updater.Init (&helper);
        updater.SetFile (temp.file);

        EXPECT_FALSE (updater.Burn());

        if (c.sendsAnything)
        {
            ASSERT_EQ (helper.sent.size(), 5u);
            EXPECT_EQ (helper.sent[0], (Bytes { 0xF0, 0x51, 0x54, 0x18, 0x7F, 0x7F, 0x7F, 0x29, 0xF7 }));
            EXPECT_EQ (addressOf (helper.sent[1]), 0x1FFFFE);
        }
        else
        {
            EXPECT_TRUE (helper.sent.empty()) << c.size;
        }
    }
}
} // namespace
