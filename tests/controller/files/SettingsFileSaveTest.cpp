#include "ModelFiles.h"

namespace
{
const juce::String crlf ("\r\n");

juce::String paramLines (const std::vector<int>& values)
{
    juce::String lines;
    for (size_t i = 0; i < values.size(); ++i)
        lines << "    <Param ID=\"" << (int) i << "\" Value=\"" << values[i] << "\"/>" << crlf;
    return lines;
}

std::vector<int> savedItemIds (const juce::File& file)
{
    std::vector<int> ids;
    auto xml = juce::XmlDocument::parse (file);
    for (auto* item : xml->getChildByName ("Items")->getChildIterator())
        ids.push_back (item->getIntAttribute ("ID"));
    return ids;
}

using SettingsSave = ModelFiles;
}

TEST_F (SettingsSave, WritesTheDocumentStructureExactly)
{
    manager.setParamForItem (2, 120, 65);  // long enough to wrap before Option
    manager.setParamForItem (4, 120, 10);
    manager.setParamForItem (1, 250, 5);   // a Mode without a Num is not saved
    manager.setParamForItem (3, 201, 5);   // a Num without the rest is saved with zeros
    const std::vector<int> globals { 0, 1, 127, -2, 0, 3, 65, 1, 60, 0, 0, 0, 0, -32768 };
    for (size_t i = 0; i < globals.size(); ++i)
        manager.globals[i] = (juce::int16) globals[i];

    auto file = dir.getChildFile ("setup.vt49");
    ASSERT_TRUE (manager.saveSettings (file));
    const auto text = readText (file);

    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + crlf + crlf
                                  + "<Settings>" + crlf + "  <Items>" + crlf
                                  + "    <Item ID=\"1\" Mode=\"1\" Chan=\"65\" Num=\"74\" MinLSB=\"0\" MaxMSB=\"127\" Option=\"0\"/>" + crlf))
        << text;
    EXPECT_TRUE (text.contains (crlf + "    <Item ID=\"112\" Mode=\"9\" Chan=\"9\" Num=\"36\" MinLSB=\"0\" MaxMSB=\"127\" Option=\"1\"/>" + crlf));
    EXPECT_TRUE (text.contains (crlf + "    <Item ID=\"120\" Mode=\"8\" Chan=\"65\" Num=\"44\" MinLSB=\"10\" MaxMSB=\"127\"" + crlf
                                + "          Option=\"1\"/>" + crlf));
    EXPECT_TRUE (text.contains (crlf + "    <Item ID=\"201\" Mode=\"0\" Chan=\"0\" Num=\"5\" MinLSB=\"0\" MaxMSB=\"0\" Option=\"0\"/>" + crlf));
    EXPECT_FALSE (text.contains ("ID=\"250\""));
    EXPECT_TRUE (text.endsWith ("  </Items>" + crlf + "  <Globals>" + crlf + paramLines (globals) + "  </Globals>" + crlf
                                + "  <Curves>" + crlf + paramLines (std::vector<int> (11, 0)) + "  </Curves>" + crlf
                                + "</Settings>" + crlf))
        << text;
    EXPECT_EQ (text.replace (crlf, "").indexOfAnyOf ("\r\n"), -1) << "every line ends in CRLF";

    // One Item per Num entry, in ascending id order: the factory's items (which have all six) and 201.
    std::vector<int> withNum;
    for (int id = -1; id <= 300; ++id)
        if (manager.getParamForItem (6, id) != -1 || id == 201)
            withNum.push_back (id);
    EXPECT_EQ (savedItemIds (file), withNum);
}

TEST_F (SettingsSave, SaveAndLoadGiveBackTheSameModel)
{
    manager.setParamForItem (1, 5, 3);
    manager.setParamForItem (2, 5, 127);
    manager.setParamForItem (4, 112, 12);
    manager.setParamForItem (5, 112, 100);
    manager.setParamForItem (6, 48, -7);
    for (int p = 1; p <= 6; ++p)
        manager.setParamForItem (p, 260, 1000 * p);
    for (size_t i = 0; i < 14; ++i)
        manager.globals[i] = (juce::int16) (i * 3 - 20);
    auto curves = writeText ("curves.vt49", "<Settings><Curves><Param ID=\"1\" Value=\"-9\"/><Param ID=\"4\" Value=\"300\"/>"
                                            "<Param ID=\"10\" Value=\"32767\"/></Curves></Settings>");
    ASSERT_TRUE (manager.loadSettings (curves));

    auto file = dir.getChildFile ("round.vt49");
    ASSERT_TRUE (manager.saveSettings (file));

    // A second manager starts from other values everywhere the file speaks of.
    ZelManager49 other (nullptr);
    for (int item = 0; item <= 300; ++item)
        if (manager.getParamForItem (6, item) != -1)
            for (int p = 1; p <= 6; ++p)
                other.setParamForItem (p, item, 55);
    for (auto& g : other.globals)
        g = 77;
    ASSERT_TRUE (other.loadSettings (file));

    EXPECT_EQ (ModelSnapshot::of (other), ModelSnapshot::of (manager));
    EXPECT_EQ (other.getCurve (4), 300);
    EXPECT_EQ (other.getCurve (10), 32767);
}

TEST_F (SettingsSave, ReportsAFileThatCannotBeWritten)
{
    auto plainFile = writeText ("plain.txt", "x");
    auto underAFile = plainFile.getChildFile ("setup.vt49");
    EXPECT_FALSE (manager.saveSettings (underAFile));
    EXPECT_EQ (readText (plainFile), "x");

    auto missingDir = dir.getChildFile ("no/such/dir/setup.vt49");
    EXPECT_FALSE (manager.saveSettings (missingDir));
    EXPECT_FALSE (missingDir.exists());

    // An existing directory in the target's place stays as it was.
    auto taken = dir.getChildFile ("taken.vt49");
    ASSERT_TRUE (taken.createDirectory());
    EXPECT_FALSE (manager.saveSettings (taken));
    EXPECT_TRUE (taken.isDirectory());

    auto noFile = juce::File();
    EXPECT_FALSE (manager.saveSettings (noFile));
    EXPECT_FALSE (manager.generateChart (noFile));

    EXPECT_EQ (dir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 2) << "no temporary file left behind";
}

TEST_F (SettingsSave, ReplacesAnExistingFileWhole)
{
    auto file = writeText ("setup.vt49", juce::String::repeatedString ("old ", 20000));
    ASSERT_TRUE (manager.saveSettings (file));

    const auto text = readText (file);
    EXPECT_FALSE (text.contains ("old"));
    EXPECT_TRUE (text.endsWith ("</Settings>\r\n"));
    EXPECT_EQ (dir.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);
}
