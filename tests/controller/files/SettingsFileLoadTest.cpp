#include "ModelFiles.h"
#include "XmlFile.h"
#include "XmlTreeParser.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <stdlib.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
// What a load should have changed, applied to the snapshot taken before it.
using Changes = std::function<void (ModelSnapshot&)>;

void item (ModelSnapshot& s, int id, std::vector<int> values)
{
    for (int p = 1; p <= 6; ++p)
        s.param (p, id) = values[(size_t) p - 1];
}

struct LoadCase
{
    const char* name;
    const char* document;
    Changes changes;
};

void PrintTo (const LoadCase& row, std::ostream* os) { *os << row.name; }

const LoadCase loadCases[] = {
    { "AllSections",
      "<Settings><Items><Item ID=\"5\" Mode=\"9\" Chan=\"3\" Num=\"60\" MinLSB=\"1\" MaxMSB=\"100\" Option=\"0\"/></Items>"
      "<Globals><Param ID=\"6\" Value=\"4\"/></Globals><Curves><Param ID=\"3\" Value=\"-8\"/></Curves></Settings>",
      [] (ModelSnapshot& s) { item (s, 5, { 9, 3, 60, 1, 100, 0 }); s.globals[6] = 4; s.curves[3] = -8; } },
    { "NamesInAnyCase",
      "<setup><ITEMS><item id=\"200\" MODE=\"3\" chan=\"4\" nUm=\"5\" minlsb=\"6\" MAXmsb=\"7\" oPTION=\"8\"/></ITEMS>"
      "<globals><PARAM Id=\"13\" VALUE=\"11\"/></globals><cUrVeS><param ID=\"10\" value=\"12\"/></cUrVeS></setup>",
      [] (ModelSnapshot& s) { item (s, 200, { 3, 4, 5, 6, 7, 8 }); s.globals[13] = 11; s.curves[10] = 12; } },
    { "MissingAttributesTakeDefaults",
      "<Settings><Items><Item ID=\"250\"/><Item ID=\"251\" MaxMSB=\"5\" Option=\"0\"/></Items>"
      "<Globals><Param ID=\"1\"/></Globals></Settings>",
      [] (ModelSnapshot& s) { item (s, 250, { 0, 0, 0, 0, 127, 127 }); item (s, 251, { 0, 0, 0, 0, 5, 0 }); s.globals[1] = 0; } },
    { "LeadingIntegers",
      "<Settings><Items><Item ID=\"7abc\" Mode=\" 9\" Chan=\"+5\" Num=\"0x10\" MinLSB=\"abc\" MaxMSB=\"-3x\" Option=\"\"/></Items></Settings>",
      [] (ModelSnapshot& s) { item (s, 7, { 9, 5, 0, 0, -3, 0 }); } },
    { "NegativeOrMissingIdsAreSkipped",
      "<Settings><Items><Item Mode=\"3\"/><Item ID=\"-1\" Mode=\"3\"/><Item ID=\"x\" Mode=\"4\"/></Items>"
      "<Globals><Param ID=\"-1\" Value=\"3\"/><Param Value=\"3\"/><Param ID=\"14\" Value=\"3\"/></Globals>"
      "<Curves><Param ID=\"11\" Value=\"3\"/></Curves></Settings>",
      // "x" reads as id 0, which is stored like any other id.
      [] (ModelSnapshot& s) { item (s, 0, { 4, 0, 0, 0, 127, 127 }); } },
    { "GlobalAndCurveBounds",
      "<Settings><Globals><Param ID=\"0\" Value=\"1\"/><Param ID=\"13\" Value=\"70000\"/></Globals>"
      "<Curves><Param ID=\"0\" Value=\"-70000\"/><Param ID=\"10\" Value=\"32768\"/></Curves></Settings>",
      [] (ModelSnapshot& s) { s.globals[0] = 1; s.globals[13] = 4464; s.curves[0] = -4464; s.curves[10] = -32768; } },
    { "ChildrenOfItemsWhateverTheirName",
      "<Settings><Items><Knob ID=\"9\" Mode=\"2\"/>text<Pad ID=\"112\" Num=\"40\"/></Items></Settings>",
      [] (ModelSnapshot& s) { item (s, 9, { 2, 0, 0, 0, 127, 127 }); item (s, 112, { 0, 0, 40, 0, 127, 127 }); } },
    { "OnlyTheFirstSectionOfEachName",
      "<Settings><Globals><Param ID=\"2\" Value=\"1\"/></Globals><Globals><Param ID=\"3\" Value=\"1\"/></Globals></Settings>",
      [] (ModelSnapshot& s) { s.globals[2] = 1; } },
    { "MissingSectionsAreSkipped", "<Settings><Curves><Param ID=\"4\" Value=\"2\"/></Curves></Settings>",
      [] (ModelSnapshot& s) { s.curves[4] = 2; } },
    { "EmptyRoot", "<Settings/>", [] (ModelSnapshot&) {} },
    { "DocumentTypesThatDeclareNoEntityNorDefault",
      "<!DOCTYPE Settings [<!ELEMENT Settings ANY><!ATTLIST Param ID CDATA #IMPLIED><!-- none -->]>"
      "<Settings><Globals><Param ID=\"1\" Value=\"7\"/></Globals></Settings>",
      [] (ModelSnapshot& s) { s.globals[1] = 7; } },
    { "UndeclaredEntitiesAreSkipped",
      "<!DOCTYPE Settings><Settings><Globals>&none;<Param ID=\"1\" Value=\"&none;5\"/></Globals></Settings>",
      [] (ModelSnapshot& s) { s.globals[1] = 5; } },
    { "AnyIdAndAnyValue",
      "<Settings><Items><Item ID=\"300\" Mode=\"99\" Chan=\"-4\" Num=\"1000\" MinLSB=\"-1\" MaxMSB=\"256\" Option=\"70000\"/></Items></Settings>",
      [] (ModelSnapshot& s) { item (s, 300, { 99, -4, 1000, -1, 256, 70000 }); } },
};

class SettingsLoad : public ModelFiles, public testing::WithParamInterface<LoadCase> {};

TEST_P (SettingsLoad, ChangesOnlyWhatTheFileNames)
{
    for (int i = 0; i < 14; ++i)
        manager.globals[i] = (juce::int16) (100 + i);

    auto expected = ModelSnapshot::of (manager);
    GetParam().changes (expected);

    auto file = writeText ("case.vt49", GetParam().document);
    EXPECT_TRUE (manager.loadSettings (file));
    EXPECT_EQ (ModelSnapshot::of (manager), expected);
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, SettingsLoad, testing::ValuesIn (loadCases),
                          [] (const testing::TestParamInfo<LoadCase>& row) { return std::string (row.param.name); });

struct BadFileCase;

// A pseudo-terminal whose other side nobody types into: a read of its
// secondary side waits until this closes its primary side.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;

    ~PseudoTerminal()
    {
        if (primary >= 0)
            ::close (primary);
    }

    /** Opens the terminal; the path of its secondary side, or no file where
        the system gives no terminal. */
    juce::File open()
    {
        primary = ::posix_openpt (O_RDWR | O_NOCTTY | O_CLOEXEC);
        const char* name = primary >= 0 && ::grantpt (primary) == 0 && ::unlockpt (primary) == 0 ? ::ptsname (primary) : nullptr;
        EXPECT_NE (name, nullptr) << "no pseudo-terminal: " << std::strerror (errno);
        return name != nullptr ? juce::File (name) : juce::File();
    }

private:
    int primary = -1;
    JUCE_DECLARE_NON_COPYABLE (PseudoTerminal)
};

class UnreadableSettings : public ModelFiles, public testing::WithParamInterface<BadFileCase>
{
public:
    using ModelFiles::dir;
    PseudoTerminal terminal;
};

struct BadFileCase
{
    const char* name;
    const char* fixture;                              // a file of fixtures/, or else
    juce::File (*make) (UnreadableSettings&) = nullptr; // one that the test makes
};

void PrintTo (const BadFileCase& row, std::ostream* os) { *os << row.name; }

const BadFileCase badFiles[] = {
    { "Missing", nullptr, [] (UnreadableSettings& test) { return test.dir.getChildFile ("absent.vt49"); } },
    { "Empty", "empty.vt49" },
    { "NotXml", "not-xml.vt49" },
    { "Truncated", "truncated.vt49" },
    { "Binary", "binary.vt49" },
    // Files that once crashed or froze the editor.
    { "FragmentOfASaveOnAFullDisk", "fragment-of-a-save.vt49" },
    { "TwoDocumentTypes", "two-doctypes.vt49" },
    { "ClosingTagsHiddenInAComment", "closing-tags-in-comment.vt49" },
    { "ClosingTagsHiddenInCData", "closing-tags-in-cdata.vt49" },
    { "InstructionThenText", "instruction-then-text.vt49" },
    // It declares an entity, which no file of ours does.
    { "EntityThatNamesItself", "entity-loop.vt49" },
    // Not a regular file: reading would wait for a writer, wait for a key
    // to be typed, never end, or can't be done.
    { "NamedPipe", nullptr,
      [] (UnreadableSettings& test)
      {
          auto pipe = test.dir.getChildFile ("pipe.vt49");
          EXPECT_EQ (::mkfifo (pipe.getFullPathName().toRawUTF8(), 0600), 0);
          return pipe;
      } },
    { "Terminal", nullptr, [] (UnreadableSettings& test) { return test.terminal.open(); } },
    { "EndlessDevice", nullptr, [] (UnreadableSettings&) { return juce::File ("/dev/zero"); } },
    { "Folder", nullptr,
      [] (UnreadableSettings& test)
      {
          auto folder = test.dir.getChildFile ("folder.vt49");
          EXPECT_TRUE (folder.createDirectory());
          return folder;
      } },
};

TEST_P (UnreadableSettings, LeaveTheModelAsItWas)
{
    const auto file = GetParam().fixture != nullptr ? juce::File (ORLUNE_FILE_FIXTURES).getChildFile (GetParam().fixture)
                                                    : GetParam().make (*this);

    auto loading = std::make_shared<ZelManager49> (nullptr);
    const auto before = ModelSnapshot::of (*loading);
    const auto limit = std::chrono::seconds (1);
    const auto loaded = loadWithin (limit, loading, file);

    ASSERT_TRUE (loaded.has_value()) << "the load did not return within " << TimeBounds::scaled (limit).count() << " s";
    EXPECT_FALSE (*loaded);
    EXPECT_EQ (ModelSnapshot::of (*loading), before);
}

INSTANTIATE_TEST_SUITE_P (SettingsFile, UnreadableSettings, testing::ValuesIn (badFiles),
                          [] (const testing::TestParamInfo<BadFileCase>& row) { return std::string (row.param.name); });

using SettingsLoadLimits = ModelFiles;
}

TEST_F (SettingsLoadLimits, HugeValuesAreClampedNotOverflowed)
{
    auto file = juce::File (ORLUNE_FILE_FIXTURES).getChildFile ("huge-value.vt49");
    auto expected = ModelSnapshot::of (manager);
    item (expected, 1, { std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 0, 0, 127, 127 });
    expected.globals[4] = -1; // the low 16 bits of the largest int

    EXPECT_TRUE (manager.loadSettings (file));
    EXPECT_EQ (ModelSnapshot::of (manager), expected);
}

TEST_F (SettingsLoadLimits, DeclarationsCannotPullInOtherFiles)
{
    // The framework's own file reader would splice the sibling file's element into Globals.
    writeText ("extra.dtd", "<!ENTITY ext \"<Param ID='5' Value='42'/>\">");
    auto file = writeText ("entity.vt49", "<?xml version=\"1.0\"?>\n<!DOCTYPE Settings SYSTEM \"extra.dtd\">\n"
                                          "<Settings><Globals>&ext;<Param ID=\"1\" Value=\"7\"/></Globals></Settings>");
    auto expected = ModelSnapshot::of (manager);
    expected.globals[1] = 7;

    EXPECT_TRUE (manager.loadSettings (file));
    EXPECT_EQ (ModelSnapshot::of (manager), expected);
}

TEST_F (SettingsLoadLimits, DocumentsNestedTooDeeplyAreRefused)
{
    // Well-formed, and far below the element and size limits, so that only
    // the depth can refuse them; quoted '/>' inside the tags must not hide it.
    for (const auto* level : { "<a>", "<a x=\"/>\">" })
    {
        const int levels = 4 * XmlTreeParser::kMaxDepth;
        auto file = writeText ("deep.vt49", "<Settings><Globals><Param ID=\"1\" Value=\"7\"/>"
                                                + juce::String::repeatedString (level, levels)
                                                + juce::String::repeatedString ("</a>", levels) + "</Globals></Settings>");
        const auto before = ModelSnapshot::of (manager);

        EXPECT_FALSE (manager.loadSettings (file)) << level;
        EXPECT_EQ (ModelSnapshot::of (manager), before) << level;
    }
}

TEST_F (SettingsLoadLimits, FilesLargerThanTheLimitAreRefusedUnread)
{
    // A document that loads, padded with blanks to the limit and one byte past it.
    const juce::String document ("<Settings><Globals><Param ID=\"1\" Value=\"7\"/></Globals></Settings>");
    const auto padding = (int) XmlFile::kMaxReadBytes - document.length();

    auto largest = writeText ("largest.vt49", document + juce::String::repeatedString (" ", padding));
    ASSERT_EQ (largest.getSize(), XmlFile::kMaxReadBytes);
    EXPECT_TRUE (manager.loadSettings (largest));
    EXPECT_EQ (manager.globals[1], 7);

    manager.globals[1] = 0;
    auto tooLarge = writeText ("too-large.vt49", document + juce::String::repeatedString (" ", padding + 1));
    const auto before = ModelSnapshot::of (manager);
    EXPECT_FALSE (manager.loadSettings (tooLarge));
    EXPECT_EQ (ModelSnapshot::of (manager), before);
}

TEST_F (SettingsLoadLimits, NestingIsRefusedOnlyPastTheLimit)
{
    // The sections sit at levels 1 and 2; the nesting below an item is ignored but counted.
    const auto nested = [] (int levels)
    {
        return "<Settings><Items><Item ID=\"9\" Mode=\"4\">" + juce::String::repeatedString ("<a>", levels - 3)
               + juce::String::repeatedString ("</a>", levels - 3) + "</Item></Items></Settings>";
    };

    auto deepest = writeText ("deepest.vt49", nested (XmlTreeParser::kMaxDepth));
    EXPECT_TRUE (manager.loadSettings (deepest));
    EXPECT_EQ (manager.getParamForItem (1, 9), 4);

    auto tooDeep = writeText ("too-deep.vt49", nested (XmlTreeParser::kMaxDepth + 1).replace ("Mode=\"4\"", "Mode=\"5\""));
    EXPECT_FALSE (manager.loadSettings (tooDeep));
    EXPECT_EQ (manager.getParamForItem (1, 9), 4);
}

TEST_F (SettingsLoadLimits, DeclaredEntitiesAndDefaultsAreRefused)
{
    // Each would load Param 1 as 7 if it were read; the first declares an entity that it never uses.
    const char* const declarations[] = {
        "<!ENTITY unused \"\">",
        "<!ENTITY seven \"7\">",
        "<!ENTITY param \"<Param ID='1' Value='7'/>\">",
        "<!ENTITY % inner \"\">",
        "<!ENTITY outer SYSTEM \"extra.dtd\">",
        "<!ATTLIST Param Value CDATA \"7\">",
        "<!ATTLIST Param Value CDATA #FIXED \"7\">",
    };

    for (const auto* declaration : declarations)
    {
        auto file = writeText ("declaring.vt49", juce::String ("<!DOCTYPE Settings [") + declaration
                                                     + "]><Settings><Globals><Param ID=\"1\" Value=\"7\"/></Globals></Settings>");
        const auto before = ModelSnapshot::of (manager);

        EXPECT_FALSE (manager.loadSettings (file)) << declaration;
        EXPECT_EQ (ModelSnapshot::of (manager), before) << declaration;
    }
}

TEST_F (SettingsLoadLimits, ElementsAreRefusedOnlyPastTheLimit)
{
    // Flat, so that neither the depth nor the size can refuse them: the
    // root, its Globals, one Param and the rest empty elements.
    const auto elements = [] (int count)
    {
        return "<Settings><Globals><Param ID=\"1\" Value=\"7\"/>" + juce::String::repeatedString ("<a/>", count - 3)
               + "</Globals></Settings>";
    };

    auto most = writeText ("most.vt49", elements (XmlTreeParser::kMaxElements));
    EXPECT_TRUE (manager.loadSettings (most));
    EXPECT_EQ (manager.globals[1], 7);

    manager.globals[1] = 0;
    const auto before = ModelSnapshot::of (manager);
    auto tooMany = writeText ("too-many.vt49", elements (XmlTreeParser::kMaxElements + 1));
    EXPECT_FALSE (manager.loadSettings (tooMany));
    EXPECT_EQ (ModelSnapshot::of (manager), before);
}

TEST_F (SettingsLoadLimits, AttributesAreRefusedOnlyPastTheLimit)
{
    // Elements of up to 50 attributes, so that neither the element count
    // nor the size can refuse them; the Param holds two more.
    const auto attributes = [] (int count)
    {
        std::string elements;

        for (int n = 0; n < count; ++n)
            elements += (n % 50 == 0 ? (n == 0 ? "<a" : "/><a") : "") + (" a" + std::to_string (n % 50)) + "=\"\"";

        return juce::String ("<Settings><Globals><Param ID=\"1\" Value=\"7\"/>" + elements + "/></Globals></Settings>");
    };

    auto most = writeText ("most.vt49", attributes (XmlTreeParser::kMaxAttributes - 2));
    EXPECT_TRUE (manager.loadSettings (most));
    EXPECT_EQ (manager.globals[1], 7);

    manager.globals[1] = 0;
    const auto before = ModelSnapshot::of (manager);
    auto tooMany = writeText ("too-many.vt49", attributes (XmlTreeParser::kMaxAttributes - 1));
    EXPECT_FALSE (manager.loadSettings (tooMany));
    EXPECT_EQ (ModelSnapshot::of (manager), before);
}

TEST_F (SettingsLoadLimits, LargeFlatDocumentsStillLoad)
{
    // Thousands of items, some with '/>' inside quoted values: only nesting counts.
    juce::String items;

    for (int id = 1000; id < 6000; ++id)
        items << "<Item ID=\"" << id << "\" Mode=\"2\" Chan=\"a/>b\"/>";

    auto file = writeText ("large.vt49", "<Settings><Items>" + items + "</Items></Settings>");

    EXPECT_TRUE (manager.loadSettings (file));
    EXPECT_EQ (manager.getParamForItem (1, 5999), 2);
    EXPECT_EQ (manager.getParamForItem (2, 5999), 0);
}

TEST (XmlTreeParserLimits, TheParsersOwnMemoryIsBounded)
{
    // One value of 1 MiB: the parser holds it whole, so a budget of 1 MiB
    // alone refuses the document that the usual budget takes.
    const auto document = "<Settings Value=\"" + std::string (1024 * 1024, '7') + "\"/>";
    EXPECT_NE (XmlTreeParser::parse (document.data(), document.size()), nullptr);

    XmlTreeParser smallBudget (1024 * 1024);
    EXPECT_FALSE (smallBudget.feed (document.data(), document.size(), true));
    EXPECT_EQ (smallBudget.takeDocument(), nullptr);
}
