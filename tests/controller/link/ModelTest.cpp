#include "LinkTestSupport.h"

namespace
{
struct FactoryGroup
{
    int mode, chan, minLsb, maxMsb, option;
    std::vector<std::pair<int, int>> itemNumbers;
};

std::vector<std::pair<int, int>> run (int firstItem, int lastItem, int firstNumber)
{
    std::vector<std::pair<int, int>> result;

    for (int item = firstItem; item <= lastItem; ++item)
        result.emplace_back (item, firstNumber + item - firstItem);

    return result;
}

std::vector<std::pair<int, int>> constant (int firstItem, int lastItem, int number)
{
    std::vector<std::pair<int, int>> result;

    for (int item = firstItem; item <= lastItem; ++item)
        result.emplace_back (item, number);

    return result;
}

std::vector<std::pair<int, int>> join (std::initializer_list<std::vector<std::pair<int, int>>> parts)
{
    std::vector<std::pair<int, int>> result;

    for (const auto& part : parts)
        result.insert (result.end(), part.begin(), part.end());

    return result;
}

// The keyboard's setup after a factory reset, group by group.
const std::vector<FactoryGroup> kFactory = {
    { 1, 65, 0, 127, 0, join ({ { { 1, 74 }, { 2, 71 }, { 3, 76 }, { 4, 77 }, { 5, 18 }, { 6, 19 }, { 7, 16 },
                                  { 8, 17 }, { 9, 93 }, { 10, 91 }, { 11, 73 }, { 12, 75 }, { 13, 79 }, { 14, 72 },
                                  { 33, 35 } },
                                run (34, 42, 36),
                                { { 43, 67 }, { 44, 68 }, { 45, 69 }, { 46, 70 }, { 48, 7 }, { 64, 1 }, { 75, 80 },
                                  { 76, 81 }, { 77, 82 }, { 78, 83 }, { 79, 85 }, { 81, 11 }, { 82, 2 }, { 83, 12 },
                                  { 107, 87 }, { 108, 88 }, { 109, 89 }, { 110, 90 }, { 111, 92 } },
                                constant (99, 106, -1) }) },
    { 1, 65, 0, 127, 1, { { 49, 112 }, { 51, 114 } } },
    { 8, 0, 0, 127, 1, join ({ run (18, 27, 22),
                               { { 28, 46 }, { 29, 47 }, { 30, 118 }, { 31, 119 }, { 50, 113 }, { 52, 115 }, { 88, 54 },
                                 { 89, 51 }, { 90, 50 }, { 91, 53 }, { 92, 52 }, { 93, 55 } },
                               run (120, 127, 44) }) },
    { 8, 65, 0, 127, 1, { { 80, 64 } } },
    { 9, 9, 0, 127, 1, run (112, 119, 36) },
};
} // namespace

class ModelTest : public LinkTest
{
protected:
    ModelTest() { makeManager(); }

    /** Connected to a port pair that is not there, so messages can be fed by hand. */
    void connectByHand() { manager->setDevicesEx ("kbd", "kbd", 0x300); }

    void controlChange (int number, int value)
    {
        manager->handleMidiMessage ("kbd", juce::MidiMessage::controllerEvent (1, number, value));
    }
};

TEST_F (ModelTest, FactoryResetGivesTheFactorySetupAndNothingElse)
{
    // Disturb the model first: the reset must also drop entries it does not set.
    manager->setParamForItem (ItemParam::mode, 65, 4);
    manager->setParamForItem (ItemParam::number, 1, 99);
    manager->setParamForItem (ItemParam::option, 200, 1);
    manager->resetMappingToDefault();

    std::set<int> expectedItems;

    for (const auto& group : kFactory)
    {
        for (const auto& [item, number] : group.itemNumbers)
        {
            SCOPED_TRACE ("item " + std::to_string (item));
            expectedItems.insert (item);

            const int expected[] = { group.mode, group.chan, number, group.minLsb, group.maxMsb, group.option };

            for (int p = ItemParam::first; p <= ItemParam::last; ++p)
                EXPECT_EQ (manager->getParamForItem (p, item), expected[p - ItemParam::first]) << "parameter " << p;
        }
    }

    EXPECT_EQ (expectedItems.size(), 92u);

    for (int item = -5; item <= 300; ++item)
    {
        if (expectedItems.count (item) != 0)
            continue;

        for (int p = ItemParam::first; p <= ItemParam::last; ++p)
            EXPECT_EQ (manager->getParamForItem (p, item), -1) << "item " << item << " parameter " << p;
    }
}

TEST_F (ModelTest, FactoryResetClearsTheRevisionButKeepsModelGlobalsAndCurves)
{
    manager->setDevicesEx ("a", "b", 0x504);
    manager->globals[GlobalSetting::lowerPartChannel] = 3;
    manager->handleMidiMessage ("a", bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x02, 0x00, 0x41, 0x04, 0x0A, 0xF7 }));

    for (auto& b : manager->firmwareRevision)
        b = 7;

    manager->resetMappingToDefault();

    for (auto& b : manager->firmwareRevision)
        EXPECT_EQ (b.load(), 0);

    EXPECT_EQ (manager->getModelId(), 0x504);
    EXPECT_EQ (manager->globals[GlobalSetting::lowerPartChannel].load(), 3);
    EXPECT_EQ (manager->getCurve (4), 10);
}

TEST_F (ModelTest, SetParamCreatesAndReplacesEntries)
{
    manager->setParamForItem (ItemParam::minLsb, 65, 12);
    EXPECT_EQ (manager->getParamForItem (ItemParam::minLsb, 65), 12);
    EXPECT_EQ (manager->getParamForItem (ItemParam::mode, 65), -1);

    manager->setParamForItem (ItemParam::channel, 80, 3);
    EXPECT_EQ (manager->getParamForItem (ItemParam::channel, 80), 3);
}

TEST_F (ModelTest, ValidItemsAreTheKeyboardsReplyItems)
{
    const int valid[] = { 1, 14, 18, 27, 28, 31, 33, 34, 43, 46, 48, 52, 64, 75, 79, 80, 81, 82, 83, 88, 93,
                          107, 111, 112, 127 };
    const int invalid[] = { -1, 0, 15, 17, 32, 47, 53, 63, 65, 66, 74, 84, 87, 94, 99, 100, 106, 128 };

    for (const int item : valid)
        EXPECT_TRUE (manager->IsItemValid (item)) << item;

    for (const int item : invalid)
        EXPECT_FALSE (manager->IsItemValid (item)) << item;

    int validCount = 0;

    for (int item = -10; item <= 300; ++item)
        validCount += manager->IsItemValid (item) ? 1 : 0;

    EXPECT_EQ (validCount, 84);
}

TEST_F (ModelTest, SharedNumbersGoToTheHighestItem)
{
    connectByHand();
    manager->reverseItemArray();

    const std::pair<int, int> numberToItem[] = { { 74, 1 },   { 36, 112 }, { 40, 116 }, { 44, 120 }, { 46, 122 },
                                                 { 47, 123 }, { 50, 126 }, { 51, 127 }, { 7, 48 },   { 64, 80 } };

    for (const auto& [number, item] : numberToItem)
    {
        infos.clear();
        controlChange (number, 9);
        EXPECT_EQ (infos.get(), (std::vector<Info> { { item == 80 ? 10 : 2, item, 9 } })) << "number " << number;
    }
}

TEST_F (ModelTest, ControlChangesUseTheMapUntilItIsRebuilt)
{
    connectByHand();

    controlChange (74, 1); // builds the map on first use
    manager->setParamForItem (ItemParam::number, 1, 100);
    controlChange (100, 2);
    manager->reverseItemArray();
    controlChange (100, 3);

    EXPECT_EQ (infos.get(), (std::vector<Info> { { InfoCode::connected, 0, 0 }, { InfoCode::controlMoved, 1, 1 },
                                                { InfoCode::controlMoved, 1, 3 } }));
}
