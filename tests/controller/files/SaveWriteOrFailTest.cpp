#include "ModelFiles.h"
#include "XmlFile.h"

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

namespace
{
// A file stream on a disk that takes only the first `room` bytes and, like the
// framework's own stream on a full disk, says nothing about the rest; or one
// whose write reports the failure.
class ShortWritingStream final : public juce::FileOutputStream
{
public:
    ShortWritingStream (const juce::File& target, size_t roomLeft, bool reportsFailure)
        : juce::FileOutputStream (target), room (roomLeft), reportFailure (reportsFailure) {}

    bool write (const void* data, size_t size) override
    {
        const auto taken = std::min (size, room);
        room -= taken;
        return juce::FileOutputStream::write (data, taken) && ! (reportFailure && taken < size);
    }

private:
    size_t room;
    bool reportFailure;
};

// A file stream that takes every byte and says so, but whose flush fails, as
// a disk's sync does after an I/O error: the bytes reach the file through a
// second stream, while the framework's stream underneath writes to a device
// that can't be synced.
class SyncFailingStream final : public juce::FileOutputStream
{
public:
    explicit SyncFailingStream (const juce::File& target) : juce::FileOutputStream (juce::File ("/dev/null")), file (target) {}

    bool write (const void* data, size_t size) override
    {
        juce::FileOutputStream::write (data, size);
        return file.write (data, size);
    }

    void flush() override
    {
        file.flush();
        juce::FileOutputStream::flush();
    }

private:
    juce::FileOutputStream file;
};

struct ShortWriteCase
{
    const char* name;
    size_t room;          // bytes the disk takes; SIZE_MAX: all but the last
    bool reportsFailure;
    bool syncFails = false; // every byte is taken, then the flush fails
};

void PrintTo (const ShortWriteCase& row, std::ostream* os) { *os << row.name; }

const ShortWriteCase shortWrites[] = {
    { "NothingTaken", 0, false },
    { "OnePageTaken", 4096, false },
    { "AllButTheLastByte", SIZE_MAX, false },
    { "WriteReportsTheFailure", 4096, true },
    { "SyncFailsAfterEveryByteWasTaken", SIZE_MAX, false, true },
};

class SaveOnAShortWrite : public ModelFiles, public testing::WithParamInterface<ShortWriteCase> {};

TEST_P (SaveOnAShortWrite, LeavesTheOldFileAndReportsFailure)
{
    juce::XmlElement settings ("Settings");
    auto* items = settings.createNewChildElement ("Items");
    for (int id = 0; id < 120; ++id)
    {
        auto* item = items->createNewChildElement ("Item");
        for (const auto* name : { "ID", "Mode", "Chan", "Num", "MinLSB", "MaxMSB", "Option" })
            item->setAttribute (name, id);
    }

    juce::MemoryOutputStream whole;
    settings.writeTo (whole, juce::XmlElement::TextFormat());
    ASSERT_GT (whole.getDataSize(), (size_t) 8192);
    const auto room = GetParam().room == SIZE_MAX ? whole.getDataSize() - 1 : GetParam().room;

    auto file = writeText ("setup.vt49", "the last good save");
    const auto opener = [&] (const juce::File& f) -> std::unique_ptr<juce::FileOutputStream>
    {
        if (GetParam().syncFails)
            return std::make_unique<SyncFailingStream> (f);

        return std::make_unique<ShortWritingStream> (f, room, GetParam().reportsFailure);
    };

    EXPECT_FALSE (XmlFile::write (settings, file, opener));
    EXPECT_EQ (readText (file), "the last good save");
    EXPECT_EQ (dir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1) << "no temporary file left behind";

    // The same document through a stream that takes every byte replaces the file.
    EXPECT_TRUE (XmlFile::write (settings, file));
    EXPECT_EQ (file.getSize(), (juce::int64) whole.getDataSize());
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, SaveOnAShortWrite, testing::ValuesIn (shortWrites),
                          [] (const testing::TestParamInfo<ShortWriteCase>& row) { return std::string (row.param.name); });

// A 16 KiB tmpfs, mounted in a mount namespace of the calling thread's own so
// that nobody else sees it; needs the rights that root has (as in CI).
class SmallDisk
{
public:
    explicit SmallDisk (const juce::File& mountPoint) : path (mountPoint)
    {
        if (! path.createDirectory())
            problem = "cannot create the mount point";
        else if (::unshare (CLONE_NEWNS) != 0)
            problem = "no private mount namespace: " + lastError();
        else if (::mount (nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            problem = "cannot make the mounts private: " + lastError();
        else if (::mount ("tmpfs", path.getFullPathName().toRawUTF8(), "tmpfs", 0, "size=16k") != 0)
            problem = "cannot mount a tmpfs: " + lastError();
        else
            mounted = true;
    }

    ~SmallDisk()
    {
        if (mounted)
            ::umount2 (path.getFullPathName().toRawUTF8(), MNT_DETACH);
    }

    juce::File path;
    juce::String problem;
    bool mounted = false;

private:
    static juce::String lastError() { return juce::String (std::strerror (errno)); }
};

using SaveOnAFullDisk = ModelFiles;
}

TEST_F (SaveOnAFullDisk, KeepsTheLastGoodFilesAndReportsFailure)
{
    SmallDisk disk (dir.getChildFile ("disk"));

    if (! disk.mounted)
        GTEST_SKIP() << "a full file system needs a private tmpfs, which is not permitted here ("
                     << disk.problem << "); CI runs this test as root";

    // The factory mapping saves to about 9 KB, so a second save finds no room beside the first.
    auto settings = disk.path.getChildFile ("setup.vt49");
    ASSERT_TRUE (manager.saveSettings (settings));
    const auto firstSave = readText (settings);
    ASSERT_GT (settings.getSize(), 8192);

    const int savedMode = manager.getParamForItem (1, 48);
    manager.setParamForItem (1, 48, savedMode + 1);
    EXPECT_FALSE (manager.saveSettings (settings));
    EXPECT_EQ (readText (settings), firstSave);

    auto chart = disk.path.getChildFile ("chart.html");
    chart.replaceWithText ("the last chart", false, false, nullptr);
    EXPECT_FALSE (manager.generateChart (chart));
    EXPECT_EQ (readText (chart), "the last chart");

    EXPECT_EQ (disk.path.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 2) << "no temporary file left behind";

    ZelManager49 reader (nullptr);
    EXPECT_TRUE (reader.loadSettings (settings));
    EXPECT_EQ (reader.getParamForItem (1, 48), savedMode) << "the first save is whole";
}
