#include "XmlLookup.h"
#include "XmlTreeParser.h"

#include <gtest/gtest.h>

#include <limits>

TEST (XmlLookup, LeadingInteger)
{
    const struct { const char* text; int value; } cases[] = {
        { "12abc", 12 }, { " 7", 7 }, { "\t\r\n 8", 8 }, { "+5", 5 }, { "-3x", -3 }, { "0x10", 0 }, { "abc", 0 },
        { "", 0 }, { "-", 0 }, { "- 4", 0 }, { "1 2", 1 }, { "70000", 70000 },
        { "2147483647", std::numeric_limits<int>::max() }, { "-2147483648", std::numeric_limits<int>::min() },
        { "2147483648", std::numeric_limits<int>::max() }, { "-99999999999999999999", std::numeric_limits<int>::min() },
    };

    for (const auto& c : cases)
        EXPECT_EQ (XmlLookup::leadingInteger (c.text), c.value) << '"' << c.text << '"';
}

TEST (XmlLookup, NamesInAnyLetterCaseFirstMatchWins)
{
    const char document[] = "<Settings mode=\"3\" MODE=\"4\" Num=\"x\">"
                            "<other/><ITEMS n=\"1\"/><Items n=\"2\"/></Settings>";
    auto xml = XmlTreeParser::parse (document, sizeof (document) - 1);
    ASSERT_NE (xml, nullptr);

    EXPECT_EQ (XmlLookup::getInt (*xml, "Mode", -1), 3);
    EXPECT_EQ (XmlLookup::getInt (*xml, "num", -1), 0);
    EXPECT_EQ (XmlLookup::getInt (*xml, "Chan", -1), -1);

    const auto* items = XmlLookup::getChild (*xml, "Items");
    ASSERT_NE (items, nullptr);
    EXPECT_EQ (XmlLookup::getInt (*items, "N", 0), 1);
    EXPECT_EQ (XmlLookup::getChild (*xml, "Globals"), nullptr);
}
