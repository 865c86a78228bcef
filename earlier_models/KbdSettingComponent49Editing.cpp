#include "KbdSettingComponent49.h"

#include "ModeTables.h"

namespace
{
int sameValue (int value) { return value; }

// Channel box items 16 to 19 stand for the part and special channel values.
struct ChannelChoice
{
    int itemIndex, value;
};

const ChannelChoice channelChoices[] { { 16, 64 }, { 17, 65 }, { 18, 127 }, { 19, 126 } };

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

struct IdRange
{
    int first, last;
    const bool* table;
};

// Together these ranges are exactly the keys of the panel's descriptor table;
// the Orlune's second-bank ids have no group here.
const IdRange controlGroups[] {
    { 0x01, 0x0A, sModeEnabledForKnobs },      { 0x30, 0x31, sModeEnabledForKnobs },
    { 0x33, 0x33, sModeEnabledForKnobs },
    { 0x0B, 0x0E, sModeEnabledForWheelAndCo }, { 0x40, 0x42, sModeEnabledForWheelAndCo },
    { 0x4B, 0x4F, sModeEnabledForWheelAndCo }, { 0x51, 0x52, sModeEnabledForWheelAndCo },
    { 0x12, 0x1B, sModeEnabledForSnaps },
    { 0x1C, 0x1F, sModeEnabledForPanel },      { 0x32, 0x32, sModeEnabledForPanel },
    { 0x34, 0x34, sModeEnabledForPanel },      { 0x50, 0x50, sModeEnabledForPanel },
    { 0x53, 0x53, sModeEnabledForPanel },
    { 0x58, 0x5D, sModeEnabledForTransport },
    { 0x70, 0x73, sModeEnabledForPads },
};

const bool* modeTableForItem (int id)
{
    for (const auto& range : controlGroups)
        if (id >= range.first && id <= range.last)
            return range.table;

    return nullptr;
}
} // namespace

// In the order in which reloadGUIforCurrentItem shows them.
const KbdSettingComponent49::ModelBox KbdSettingComponent49::parameterBoxes[5] {
    { &KbdSettingComponent49::modeCombo, 1, sameValue, sameValue },
    { &KbdSettingComponent49::channelCombo, 2, channelItemIndex, channelValue },
    { &KbdSettingComponent49::ccNumberCombo, 3, sameValue, sameValue },
    { &KbdSettingComponent49::minLsbCombo, 4, sameValue, sameValue },
    { &KbdSettingComponent49::maxMsbCombo, 5, sameValue, sameValue },
};

void KbdSettingComponent49::enableModesForItem (int id)
{
    const bool* enabled = modeTableForItem (id);

    if (enabled == nullptr)
        return;

    for (int k = 1; k <= 12; ++k)
        modeCombo->setItemEnabled (k, enabled[k - 1]);
}

void KbdSettingComponent49::actionListenerCallback (const juce::String& message)
{
    // Every hexadecimal digit counts, everything else is skipped: "0x40" is 0x40.
    const int item = message.getHexValue32();

    if (descriptors.count (descriptorKey (item)) == 0)
        return;

    currentItem = item;
    reloadGUIforCurrentItem();
}

void KbdSettingComponent49::reloadGUIforCurrentItem()
{
    const auto entry = descriptors.find (descriptorKey (currentItem));
    jassert (entry != descriptors.end());

    if (entry != descriptors.end())
        nameEditor->setText (entry->second.name, true);

    // Values that a box cannot show leave it without a selection.
    for (const auto& row : parameterBoxes)
        (this->*row.box)->setSelectedItemIndex (row.valueToItemIndex (manager.getParamForItem (row.index, currentItem)),
                                                juce::sendNotification);

    enableModesForItem (currentItem);
}

void KbdSettingComponent49::comboBoxChanged (juce::ComboBox* box)
{
    if (! storeGlobalBox (box))
        storeParameterBox (box);
}

void KbdSettingComponent49::storeParameterBox (juce::ComboBox* box)
{
    for (const auto& row : parameterBoxes)
    {
        if ((this->*row.box).get() == box)
        {
            if (currentItem >= 0)
                manager.setParamForItem (row.index, currentItem, row.itemIndexToValue (box->getSelectedItemIndex()));

            return;
        }
    }
}
