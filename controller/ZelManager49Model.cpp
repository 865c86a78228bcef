#include "ZelManager49.h"

#include "OrluneControllers.h"

namespace
{
// What a control is, as the factory table records it; only switches (4), pads
// (7) and the two relative encoders (2) get settings beyond the plain default.
enum ItemKind
{
    kindEncoder = 2,
    kindSwitch = 4,
    kindPad = 7
};

struct DefaultItem
{
    int item, number, kind;
};

// The factory mapping, in the order it is applied: a later row for the same
// item replaces the earlier one. The pitch wheel's row is not applied, and the
// all-zero row ends the table.
constexpr DefaultItem kDefaultItemMap[] = {
    { 65, 0, 3 }, { 64, 1, 3 },
    { 48, 7, 1 }, { 1, 74, 1 }, { 2, 71, 1 }, { 3, 76, 1 }, { 4, 77, 1 }, { 5, 18, 1 },
    { 6, 19, 1 }, { 7, 16, 1 }, { 8, 17, 1 }, { 9, 93, 1 }, { 10, 91, 1 },
    { 11, 73, 3 }, { 12, 75, 3 }, { 13, 79, 3 }, { 14, 72, 3 }, { 75, 80, 3 }, { 76, 81, 3 },
    { 77, 82, 3 }, { 78, 83, 3 }, { 79, 85, 3 },
    { 18, 22, 4 }, { 19, 23, 4 }, { 20, 24, 4 }, { 21, 25, 4 },
    { 99, -1, 8 }, { 100, -1, 8 }, { 101, -1, 8 }, { 102, -1, 8 },
    { 22, 26, 4 }, { 23, 27, 4 }, { 24, 28, 4 }, { 25, 29, 4 },
    { 103, -1, 8 }, { 104, -1, 8 }, { 105, -1, 8 }, { 106, -1, 8 },
    { 26, 30, 4 }, { 27, 31, 4 }, { 34, 104, 4 }, { 35, 105, 4 }, { 36, 106, 4 }, { 37, 107, 4 },
    { 38, 108, 4 }, { 39, 109, 4 }, { 40, 110, 4 }, { 41, 111, 4 }, { 42, 116, 4 }, { 43, 117, 4 },
    { 88, 54, 4 }, { 89, 51, 4 }, { 90, 50, 4 }, { 91, 53, 4 }, { 92, 52, 4 }, { 93, 55, 4 },
    { 28, 46, 4 }, { 29, 47, 4 }, { 30, 118, 4 }, { 31, 119, 4 },
    { 49, 112, 2 }, { 50, 113, 4 }, { 51, 114, 2 }, { 52, 115, 4 },
    { 112, 36, 7 }, { 113, 37, 7 }, { 114, 38, 7 }, { 115, 39, 7 },
    { 116, 40, 7 }, { 117, 41, 7 }, { 118, 42, 7 }, { 119, 43, 7 },
    { 120, 44, 4 }, { 121, 45, 4 }, { 122, 46, 4 }, { 123, 47, 4 }, { 124, 48, 4 },
    { 125, 49, 4 }, { 126, 50, 4 }, { 127, 51, 4 }, { 80, 64, 4 },
    { 81, 11, 1 }, { 83, 12, 1 }, { 82, 2, 1 }, { 33, 35, 1 }, { 34, 36, 1 }, { 35, 37, 1 },
    { 36, 38, 1 }, { 37, 39, 1 }, { 38, 40, 1 }, { 39, 41, 1 }, { 40, 42, 1 }, { 41, 43, 1 },
    { 42, 44, 1 },
    { 43, 67, 3 }, { 44, 68, 3 }, { 45, 69, 3 }, { 46, 70, 3 }, { 107, 87, 3 }, { 108, 88, 3 },
    { 109, 89, 3 }, { 110, 90, 3 }, { 111, 92, 3 },
    { 0, 0, 0 }
};

// Items whose (item, value) pairs are taken from the keyboard's replies;
// 34 to 43 appear twice, as in the keyboard's own list.
constexpr int kValidItems[] = {
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,
    75, 76, 77, 78, 79,
    18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
    34, 35, 36, 37, 38, 39, 40, 41, 42, 43,
    88, 89, 90, 91, 92, 93,
    28, 29, 30, 31,
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127,
    48, 49, 50, 51, 52,
    64, 80, 81, 83, 82,
    33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46,
    107, 108, 109, 110, 111
};
} // namespace

void ZelManager49::fillValidItems()
{
    validItems.insert (std::begin (kValidItems), std::end (kValidItems));
}

int ZelManager49::getParamForItem (int p, int item)
{
    const juce::ScopedLock sl (modelLock);
    return paramOr (p, item, -1);
}

int ZelManager49::paramOr (int p, int item, int fallback) const
{
    const auto found = params[p].find (item);
    return found != params[p].end() ? found->second : fallback;
}

void ZelManager49::setParamForItem (int p, int item, int value)
{
    const juce::ScopedLock sl (modelLock);
    params[p][item] = value;
}

bool ZelManager49::IsItemValid (int item)
{
    return validItems.count (item) != 0;
}

void ZelManager49::reverseItemArray()
{
    const juce::ScopedLock sl (modelLock);
    rebuildNumberToItem();
}

void ZelManager49::rebuildNumberToItem()
{
    numberToItem.clear();

    // Ascending item order: where items share a number, the highest id keeps it.
    for (const auto& [item, number] : params[ItemParam::number])
        numberToItem[number] = item;
}

void ZelManager49::resetMappingToDefault()
{
    {
        const juce::ScopedLock sl (modelLock);

        for (int p = ItemParam::first; p <= ItemParam::last; ++p)
            params[p].clear();

        for (auto row = std::next (std::begin (kDefaultItemMap)); row->item != 0; ++row)
        {
            int mode = 1, chan = 65, option = 0;

            if (row->kind == kindEncoder)
            {
                option = 1;
            }
            else if (row->kind == kindPad)
            {
                mode = 9;
                chan = 9;
                option = 1;
            }
            else if (row->kind == kindSwitch)
            {
                mode = 8;
                option = 1;

                if (row->item != controllers::pedal::kSustain)
                    chan = 0;
            }

            const int values[] = { mode, chan, row->number, 0, 127, option };

            for (int p = ItemParam::first; p <= ItemParam::last; ++p)
                params[p][row->item] = values[p - ItemParam::first];
        }
    }

    for (auto& byte : firmwareRevision)
        byte = 0;
}
