#include "ModelFiles.h"

#include <grp.h>
#include <pwd.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
// Who saves onto a file that belongs to another user and a group of its own.
enum class Saver
{
    root,          // the test itself, which runs as root
    memberOfGroup, // another user, in the file's group
    outsider,      // another user, in no group but its own
};

struct OwnershipCase
{
    const char* name;
    Saver saver;
    bool ownerKept, groupKept;
    mode_t mode; // the saved file's bits; the file had 0664
};

void PrintTo (const OwnershipCase& row, std::ostream* os) { *os << row.name; }

const OwnershipCase ownershipCases[] = {
    { "RootKeepsOwnerAndGroup", Saver::root, true, true, 0664 },
    { "AMemberOfTheGroupKeepsTheGroup", Saver::memberOfGroup, false, true, 0664 },
    // The file takes the saver's own group, which may only read what others may.
    { "AnOutsiderGivesItsGroupNoMoreThanOthers", Saver::outsider, false, false, 0644 },
};

// Ids that no account or group of this machine has, for the file's owner and
// group and for the user who saves.
struct Ids
{
    uid_t owner, saver;
    gid_t group, saverGroup;

    static Ids unused()
    {
        std::vector<unsigned> free;

        for (unsigned id = 60000; free.size() < 2; ++id)
            if (::getpwuid (id) == nullptr && ::getgrgid (id) == nullptr)
                free.push_back (id);

        return { free[0], free[1], free[0], free[1] };
    }
};

// Runs `save` as the given user with the given groups, on a thread of its
// own: Linux keeps the user and groups of each thread, and the plain system
// calls change only the calling thread's (the C library's wrappers change
// every thread's). Nothing when the thread could not become that user.
std::optional<bool> saveAs (uid_t user, gid_t group, std::vector<gid_t> groups, const std::function<bool()>& save)
{
    std::optional<bool> saved;
    std::thread saver ([&]
    {
        if (::syscall (SYS_setgroups, groups.size(), groups.data()) == 0
            && ::syscall (SYS_setresgid, group, group, group) == 0
            && ::syscall (SYS_setresuid, user, user, user) == 0)
            saved = save();
    });
    saver.join();
    return saved;
}

using SaveOwnership = WriterTable<OwnershipCase>;

TEST_P (SaveOwnership, ReplacedFileIsOpenToNobodyNew)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another owner, and saving as another user, need root; CI runs this test as root";

    const auto& row = testCase();
    const auto ids = Ids::unused();
    const auto expected = plainSave();

    // A folder where the saver may make files, and in it a file of another user's.
    ASSERT_EQ (::chmod (dir.getFullPathName().toRawUTF8(), 0755), 0);
    const auto shared = dir.getChildFile ("shared");
    ASSERT_TRUE (shared.createDirectory());
    ASSERT_EQ (::chown (shared.getFullPathName().toRawUTF8(), ids.saver, ids.saverGroup), 0);

    auto file = shared.getChildFile ("setup.vt49");
    ASSERT_TRUE (file.replaceWithText ("the last save"));
    ASSERT_EQ (::chown (file.getFullPathName().toRawUTF8(), ids.owner, ids.group), 0);
    ASSERT_EQ (::chmod (file.getFullPathName().toRawUTF8(), 0664), 0);

    const auto save = [&] { return write (file); };
    std::optional<bool> saved;

    if (row.saver == Saver::root)
        saved = save();
    else if (row.saver == Saver::memberOfGroup)
        saved = saveAs (ids.saver, ids.saverGroup, { ids.saverGroup, ids.group }, save);
    else
        saved = saveAs (ids.saver, ids.saverGroup, { ids.saverGroup }, save);

    ASSERT_TRUE (saved.has_value()) << "the thread could not become the saver";
    EXPECT_TRUE (*saved);
    EXPECT_EQ (readText (file), expected);

    const auto status = statusOf (file);
    EXPECT_EQ (status.st_uid, row.ownerKept ? ids.owner : ids.saver);
    EXPECT_EQ (status.st_gid, row.groupKept ? ids.group : ids.saverGroup);
    EXPECT_EQ (status.st_mode & 07777, row.mode) << "in octal: " << std::oct << (status.st_mode & 07777);
    EXPECT_EQ (shared.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, SaveOwnership,
                          testing::Combine (testing::ValuesIn (ownershipCases), testing::ValuesIn (writers)),
                          SaveOwnership::rowName);
} // namespace
