#include "KbdSettingComponentVT49.h"

#include "ModeTables.h"
#include "OrluneDescriptors.h"

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
} // namespace

// In the order in which reloadGUIforCurrentItem shows them.
const KbdSettingComponentVT49::ModelBox KbdSettingComponentVT49::parameterBoxes[5] {
    { &KbdSettingComponentVT49::modeCombo, 1, sameValue, sameValue },
    { &KbdSettingComponentVT49::channelCombo, 2, channelItemIndex, channelValue },
    { &KbdSettingComponentVT49::ccNumberCombo, 3, sameValue, sameValue },
    { &KbdSettingComponentVT49::minLsbCombo, 4, sameValue, sameValue },
    { &KbdSettingComponentVT49::maxMsbCombo, 5, sameValue, sameValue },
};

std::map<short, KbdCtrlDescriptor> KbdSettingComponentVT49::getAllDescriptors()
{
    return getOrluneDescriptors();
}

void KbdSettingComponentVT49::enableModesForItem (int id)
{
    const bool* enabled = modeTableForOrluneItem (id);

    if (enabled == nullptr)
        return;

    for (int k = 1; k <= 12; ++k)
        modeCombo->setItemEnabled (k, enabled[k - 1]);
}

void KbdSettingComponentVT49::actionListenerCallback (const juce::String& message)
{
    // Every hexadecimal digit counts, everything else is skipped: "0x40" is 0x40.
    const int item = message.getHexValue32();

    if (descriptors.count (descriptorKey (item)) == 0)
        return;

    currentItem = item;
    reloadGUIforCurrentItem();
}

void KbdSettingComponentVT49::reloadGUIforCurrentItem()
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

void KbdSettingComponentVT49::comboBoxChanged (juce::ComboBox* box)
{
    if (! storeGlobalBox (box))
        storeParameterBox (box);
}

void KbdSettingComponentVT49::storeParameterBox (juce::ComboBox* box)
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
