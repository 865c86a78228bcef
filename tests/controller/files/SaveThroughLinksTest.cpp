#include "ModelFiles.h"

#include <unistd.h>

namespace
{
struct LinkCase
{
    const char* name;
    int links;     // links in the chain that leads to the file; 0: the file itself is chosen
    bool relative; // the links name their targets relative to their own folders
    mode_t mode;   // the file's permission bits
};

void PrintTo (const LinkCase& row, std::ostream* os) { *os << row.name; }

const LinkCase linkCases[] = {
    { "File", 0, false, 0644 },
    { "PrivateFile", 0, false, 0600 },
    { "LinkToAFile", 1, false, 0644 },
    { "RelativeLinkToAFile", 1, true, 0644 },
    { "LinkToALinkToAFile", 2, true, 0644 },
    { "LinkToAPrivateFile", 1, false, 0600 },
};

bool makeLink (const juce::File& link, const juce::String& target)
{
    return ::symlink (target.toRawUTF8(), link.getFullPathName().toRawUTF8()) == 0;
}

using SaveThroughLinks = WriterTable<LinkCase>;

TEST_P (SaveThroughLinks, ReplaceTheFileTheLinkNamesAndKeepItsPermissions)
{
    const auto& row = testCase();
    const auto files = dir.getChildFile ("files"), links = dir.getChildFile ("links");
    ASSERT_TRUE (files.createDirectory() && links.createDirectory());

    auto file = files.getChildFile ("setup.vt49");
    ASSERT_TRUE (file.replaceWithText ("the last save"));
    ASSERT_EQ (::chmod (file.getFullPathName().toRawUTF8(), row.mode), 0);

    // Each link of the chain names the one before it, the first the file.
    auto chosen = file;
    for (int n = 1; n <= row.links; ++n)
    {
        const auto link = links.getChildFile ("link" + juce::String (n) + ".vt49");
        const auto target = ! row.relative ? chosen.getFullPathName()
                            : n == 1       ? "../files/" + chosen.getFileName()
                                           : chosen.getFileName();
        ASSERT_TRUE (makeLink (link, target));
        chosen = link;
    }

    const auto expected = plainSave();
    ASSERT_TRUE (write (chosen));

    EXPECT_EQ (readText (file), expected) << "the file that the links name has the new text";
    EXPECT_EQ (permissionsOf (file), row.mode);
    EXPECT_EQ (chosen.isSymbolicLink(), row.links > 0) << "the chosen link stays a link";
    EXPECT_EQ (files.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1) << "no temporary file left";
    EXPECT_EQ (links.getNumberOfChildFiles (juce::File::findFilesAndDirectories), row.links) << "nothing beside the links";
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, SaveThroughLinks, testing::Combine (testing::ValuesIn (linkCases), testing::ValuesIn (writers)),
                          SaveThroughLinks::rowName);

class SaveThroughBrokenLinks : public ModelFiles, public testing::WithParamInterface<Writer>
{
protected:
    bool write (juce::File file) { return (manager.*GetParam().write) (file); }
};

TEST_P (SaveThroughBrokenLinks, ALinkToNoFileYetMakesThatFile)
{
    auto reference = dir.getChildFile ("reference");
    ASSERT_TRUE (write (reference));

    auto link = dir.getChildFile ("setup.vt49");
    ASSERT_TRUE (makeLink (link, "new.vt49"));
    ASSERT_TRUE (write (link));

    const auto made = dir.getChildFile ("new.vt49");
    EXPECT_TRUE (link.isSymbolicLink());
    EXPECT_EQ (readText (made), readText (reference));
    EXPECT_EQ (permissionsOf (made), permissionsOf (reference)) << "a new file gets the usual permissions";
}

TEST_P (SaveThroughBrokenLinks, LinksThatGoRoundOrIntoNoFolderAreRefused)
{
    auto first = dir.getChildFile ("first.vt49"), second = dir.getChildFile ("second.vt49"),
         nowhere = dir.getChildFile ("nowhere.vt49");
    ASSERT_TRUE (makeLink (first, "second.vt49") && makeLink (second, "first.vt49"));
    ASSERT_TRUE (makeLink (nowhere, "no/such/folder/setup.vt49"));

    EXPECT_FALSE (write (first));
    EXPECT_FALSE (write (nowhere));

    EXPECT_TRUE (first.isSymbolicLink() && second.isSymbolicLink() && nowhere.isSymbolicLink());
    EXPECT_EQ (dir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 3) << "nothing else made";
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, SaveThroughBrokenLinks, testing::ValuesIn (writers),
                          [] (const testing::TestParamInfo<Writer>& row) { return std::string (row.param.name); });
} // namespace
