#include "PanelValueMaps.h"

namespace PanelValueMaps
{
namespace
{
struct ChannelChoice
{
    int itemIndex, value;
};

const ChannelChoice channelChoices[] { { 16, 64 }, { 17, 65 }, { 18, 127 }, { 19, 126 } };
} // namespace

int sameValue (int value) { return value; }

int onOffItemIndex (int value) { return value == 127 ? 1 : 0; }
int onOffValue (int itemIndex) { return itemIndex == 1 ? 127 : 1; }

int channelItemIndex (int value)
{
    for (const auto& choice : channelChoices)
        if (choice.value == value)
            return choice.itemIndex;

    return value;
}

int channelValue (int itemIndex)
{
    for (const auto& choice : channelChoices)
        if (choice.itemIndex == itemIndex)
            return choice.value;

    return itemIndex;
}

short descriptorKey (int item)
{
    return (short) (juce::int16) (item & 0xffff);
}
} // namespace PanelValueMaps
