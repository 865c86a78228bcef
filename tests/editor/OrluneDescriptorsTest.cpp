#include "OrluneDescriptors.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
std::set<short> idRanges (std::initializer_list<std::pair<short, short>> ranges)
{
    std::set<short> ids;
    for (auto [first, last] : ranges)
        for (short id = first; id <= last; ++id)
            ids.insert (id);
    return ids;
}
} // namespace

TEST (OrluneDescriptors, holdExactlyTheEightySixControls)
{
    const auto descriptors = getOrluneDescriptors();

    std::set<short> keys;
    for (const auto& entry : descriptors)
        keys.insert (entry.first);

    const auto expected = idRanges ({ { 0x01, 0x0E }, { 0x12, 0x1F }, { 0x21, 0x2E }, { 0x30, 0x34 },
                                      { 0x40, 0x42 }, { 0x4B, 0x53 }, { 0x58, 0x5D }, { 0x6B, 0x7F } });
    EXPECT_EQ (keys, expected);
    EXPECT_EQ (keys.size(), 86u);

    for (short gap : idRanges ({ { 0x0F, 0x11 }, { 0x20, 0x20 }, { 0x2F, 0x2F }, { 0x35, 0x3F },
                                 { 0x43, 0x4A }, { 0x54, 0x57 }, { 0x5E, 0x6A } }))
        EXPECT_EQ (descriptors.count (gap), 0u) << gap;
}

struct RowCase
{
    short id;
    const char* name;
    juce::int16 number;
};

void PrintTo (const RowCase& row, std::ostream* os) { *os << row.name; }

class OrluneDescriptorRow : public ::testing::TestWithParam<RowCase> {};

TEST_P (OrluneDescriptorRow, namesTheControlWithItsFactoryNumber)
{
    const auto& c = GetParam();
    const auto descriptors = getOrluneDescriptors();
    const auto found = descriptors.find (c.id);

    ASSERT_NE (found, descriptors.end());
    EXPECT_STREQ (found->second.name, c.name);
    EXPECT_EQ (found->second.number, c.number);
}

INSTANTIATE_TEST_SUITE_P (Rows, OrluneDescriptorRow, ::testing::Values (
    RowCase { 0x41, "Pitch Wheel", 0 },
    RowCase { 0x40, "Modulation Wheel", 1 },
    RowCase { 0x42, "Joystick Down / Extra Wheel", 2 },
    RowCase { 0x30, "Level", 7 },
    RowCase { 0x01, "Bnk1:P1 - Cutoff", 74 },
    RowCase { 0x09, "Bnk1:P5 - Chorus", 93 },
    RowCase { 0x0A, "Bnk1:P10 - Delay", 91 },
    RowCase { 0x0E, "Bnk1:F4 - FILT. R", 72 },
    RowCase { 0x4F, "Bnk1:F9", 72 },
    RowCase { 0x29, "Bnk2:P5", 39 },
    RowCase { 0x25, "Bnk2:P6", 40 },
    RowCase { 0x6F, "Bnk2:F9", 92 },
    RowCase { 0x31, "Category Adjust", 112 },
    RowCase { 0x34, "Preset Select", 115 },
    RowCase { 0x1C, "Bank 2", 46 },
    RowCase { 0x1D, "Bank 1", 47 },
    RowCase { 0x58, "Play/||", 54 },
    RowCase { 0x59, "Stop", 51 },
    RowCase { 0x1B, "Switch 10", 31 },
    RowCase { 0x70, "Pad 1", 36 },
    RowCase { 0x7F, "Pad 16", 51 },
    RowCase { 0x50, "Sustain Pedal", 64 },
    RowCase { 0x53, "Aux Pedal", 12 },
    RowCase { 0x52, "Breath Control", 2 }),
    [] (const testing::TestParamInfo<RowCase>& row)
    { return juce::String (row.param.name).retainCharacters ("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789").toStdString(); });

TEST (OrluneDescriptors, padsDefaultToChannelTenAndEveryRowToModeOne)
{
    std::set<std::string> names;

    for (const auto& [id, d] : getOrluneDescriptors())
    {
        const bool pad = id >= 0x70 && id <= 0x7F;
        EXPECT_EQ (d.channel, pad ? 9 : 0) << id;
        EXPECT_EQ (d.mode, 1) << id;
        EXPECT_EQ (d.spare, 0) << id;
        EXPECT_FALSE (d.flag) << id;
        EXPECT_TRUE (d.number >= 0 && d.number <= 127) << id;
        EXPECT_TRUE (names.insert (d.name).second) << "name used twice: " << d.name;
    }
}
