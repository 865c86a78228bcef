#include "ModelFiles.h"

namespace
{
using Row = std::vector<std::string>;

struct Chart
{
    std::unique_ptr<juce::XmlElement> html;
    std::vector<const juce::XmlElement*> bodyChildren;
    std::vector<Row> itemRows, globalRows;
};

std::vector<Row> rowsOf (const juce::XmlElement& table, const char* cellTag)
{
    std::vector<Row> rows;
    for (auto* tr : table.getChildIterator())
    {
        EXPECT_EQ (tr->getTagName(), "tr");
        Row row;
        for (auto* cell : tr->getChildIterator())
        {
            EXPECT_EQ (cell->getTagName(), rows.empty() ? "th" : cellTag);
            row.push_back (cell->getAllSubText().toStdString());
        }
        rows.push_back (row);
    }
    return rows;
}

Chart readChart (const juce::File& file)
{
    Chart chart;
    chart.html = juce::XmlDocument::parse (file);
    if (chart.html == nullptr)
        return chart;

    auto* body = chart.html->getChildByName ("body");
    for (auto* child : body->getChildIterator())
        chart.bodyChildren.push_back (child);
    if (chart.bodyChildren.size() == 4)
    {
        chart.itemRows = rowsOf (*chart.bodyChildren[1], "td");
        chart.globalRows = rowsOf (*chart.bodyChildren[3], "td");
    }
    return chart;
}

const Row* findRow (const std::vector<Row>& rows, const std::string& itemCell)
{
    for (const auto& row : rows)
        if (! row.empty() && row[0] == itemCell)
            return &row;
    return nullptr;
}

class ChartFile : public ModelFiles
{
protected:
    Chart writeChart()
    {
        file = dir.getChildFile ("chart.html");
        EXPECT_TRUE (manager.generateChart (file));
        return readChart (file);
    }

    juce::File file;
};
}

TEST_F (ChartFile, DocumentHeadBodyAndTables)
{
    const auto chart = writeChart();
    ASSERT_NE (chart.html, nullptr);

    EXPECT_EQ (chart.html->getTagName(), "html");
    ASSERT_EQ (chart.html->getNumChildElements(), 2);
    EXPECT_EQ (chart.html->getChildElement (0)->getTagName(), "head");
    const auto* title = chart.html->getChildElement (0)->getChildByName ("title");
    ASSERT_NE (title, nullptr);
    EXPECT_EQ (title->getAllSubText(), "The Quillary Midi Chart");

    std::vector<std::string> tags;
    for (auto* child : chart.bodyChildren)
        tags.push_back (child->getTagName().toStdString());
    ASSERT_EQ (tags, (std::vector<std::string> { "h1", "table", "br", "table" }));
    EXPECT_EQ (chart.bodyChildren[0]->getAllSubText(), "The Quillary Midi Chart");
    EXPECT_EQ (chart.bodyChildren[1]->getStringAttribute ("border"), "1");
    EXPECT_EQ (chart.bodyChildren[2]->getNumChildElements(), 0);
    EXPECT_EQ (chart.bodyChildren[3]->getStringAttribute ("border"), "1");

    EXPECT_EQ (chart.itemRows.front(), (Row { "Item", "Name", "Mode", "Channel", "Number", "Min/LSB", "Max/MSB", "Option" }));
    EXPECT_EQ (chart.globalRows.front(), (Row { "Param", "Name", "Value" }));

    const auto text = readText (file);
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<html>\r\n  <head>\r\n"
                                  "    <title>The Quillary Midi Chart</title>\r\n  </head>\r\n")) << text;
    EXPECT_TRUE (text.contains ("\r\n        <td>0x01</td>\r\n"));
    EXPECT_TRUE (text.contains ("\r\n    <br/>\r\n"));
}

TEST_F (ChartFile, ItemRowsOfTheFactoryMappingLeaveOut32To47)
{
    const auto chart = writeChart();

    std::vector<std::string> listed, expected;
    for (size_t i = 1; i < chart.itemRows.size(); ++i)
        listed.push_back (chart.itemRows[i][0]);
    for (int id = 0; id < 256; ++id)
        if (manager.getParamForItem (6, id) != -1 && (id < 32 || id > 47)) // the factory sets all six
            expected.push_back (juce::String::formatted ("0x%.2X", id).toStdString());
    EXPECT_EQ (listed, expected);
    EXPECT_NE (manager.getParamForItem (3, 33), -1) << "the factory mapping holds items of 32 to 47";

    const Row rows[] = {
        { "0x01", "C2 - Cutoff", "Control - 1", "Master - 0x41", "74", "0", "127", "0" },
        { "0x09", "C4 - LFO Rate ", "Control - 1", "Master - 0x41", "93", "0", "127", "0" },
        { "0x12", "Snapshot #1", "Ctl Toggle - 8", "1 - 0x00", "22", "0", "127", "1" },
        { "0x30", "C1 - Volume", "Control - 1", "Master - 0x41", "7", "0", "127", "0" },
        { "0x50", "Sustain Pedal", "Ctl Toggle - 8", "Master - 0x41", "64", "0", "127", "1" },
        { "0x5D", "Host Control #6", "Ctl Toggle - 8", "1 - 0x00", "55", "0", "127", "1" },
        { "0x63", "99", "Control - 1", "Master - 0x41", "-1", "0", "127", "0" },
        { "0x70", "Pad #1", "Midi Note - 9", "10 - 0x09", "36", "0", "127", "1" },
        { "0x7F", "Pad #16", "Ctl Toggle - 8", "1 - 0x00", "51", "0", "127", "1" },
    };
    for (const auto& row : rows)
    {
        const auto* found = findRow (chart.itemRows, row[0]);
        ASSERT_NE (found, nullptr) << row[0];
        EXPECT_EQ (*found, row);
    }
}

TEST_F (ChartFile, ModeChannelAndMissingParameterTexts)
{
    const struct { int item, mode, chan; Row row; } cases[] = {
        { 200, 13, 15, { "0xC8", "200", "??? - 13", "16 - 0x0F", "200", "0", "127", "0" } },
        { 201, 14, 64, { "0xC9", "201", "Aftertouch - 14", "Lwr - 0x40", "201", "0", "127", "0" } },
        { 202, 15, 126, { "0xCA", "202", "Err", "All - 0x7E", "202", "0", "127", "0" } },
        { 203, -1, 127, { "0xCB", "203", "Err", "Pnl - 0x7F", "203", "0", "127", "0" } },
        { 204, 0, 16, { "0xCC", "204", "Off - 0", "Err", "204", "0", "127", "0" } },
        { 205, 10, -1, { "0xCD", "205", "Midi Note Gated - 10", "0 - 0xFF", "205", "0", "127", "0" } },
        { 206, 2, 66, { "0xCE", "206", "Rel. Control - 2", "Err", "206", "0", "127", "0" } },
    };
    for (const auto& c : cases)
    {
        manager.setParamForItem (1, c.item, c.mode);
        manager.setParamForItem (2, c.item, c.chan);
        manager.setParamForItem (3, c.item, c.item);
    }
    manager.setParamForItem (3, 260, 9);  // only a Num: the defaults of a missing parameter
    manager.setParamForItem (3, 300, 9);  // 0x12C: left out like 32 to 47
    manager.setParamForItem (3, 65536 + 1, 3); // beyond the names' id range, not item 1's name
    manager.setParamForItem (1, 250, 1);  // no Num: no row

    const auto chart = writeChart();
    for (const auto& c : cases)
    {
        const auto* found = findRow (chart.itemRows, c.row[0]);
        ASSERT_NE (found, nullptr) << c.row[0];
        EXPECT_EQ (*found, c.row);
    }
    const auto* onlyNum = findRow (chart.itemRows, "0x04");
    ASSERT_NE (onlyNum, nullptr);
    EXPECT_EQ (*onlyNum, (Row { "0x04", "C11 - Param 2", "Control - 1", "Master - 0x41", "77", "0", "127", "0" }));
    EXPECT_EQ (chart.itemRows[chart.itemRows.size() - 2], (Row { "0x04", "260", "Off - 0", "1 - 0x00", "9", "0", "127", "0" }));
    EXPECT_EQ (findRow (chart.itemRows, "0x2C"), nullptr);
    EXPECT_EQ (chart.itemRows.back(), (Row { "0x01", "65537", "Off - 0", "1 - 0x00", "3", "0", "127", "0" }));
    EXPECT_EQ (findRow (chart.itemRows, "0xFA"), nullptr);
}

TEST_F (ChartFile, GlobalTable)
{
    const struct { int knob, octave, channel; std::vector<Row> rows; } cases[] = {
        { 127, -2, 65, { { "2", "Knob relative mode", "127" }, { "3", "Octave transposition", "-2" }, { "6", "Global MIDI Channel", "Master - 0x41" } } },
        { 1, 3, 0, { { "2", "Knob relative mode", "1" }, { "3", "Octave transposition", "3" }, { "6", "Global MIDI Channel", "1 - 0x00" } } },
        { 0, 0, 200, { { "2", "Knob relative mode", "0" }, { "3", "Octave transposition", "0" }, { "6", "Global MIDI Channel", "Err" } } },
    };
    for (const auto& c : cases)
    {
        manager.globals[2] = (juce::int16) c.knob;
        manager.globals[3] = (juce::int16) c.octave;
        manager.globals[6] = (juce::int16) c.channel;

        const auto chart = writeChart();
        EXPECT_EQ (std::vector<Row> (chart.globalRows.begin() + 1, chart.globalRows.end()), c.rows);
    }
}

TEST_F (ChartFile, ReportsAFileThatCannotBeWritten)
{
    auto target = dir.getChildFile ("missing/chart.html");
    EXPECT_FALSE (manager.generateChart (target));
    EXPECT_FALSE (target.exists());
}
