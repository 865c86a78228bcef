#include "KbdSettingComponent49.h"

#include "ModeTables.h"
#include "PanelItemSelection.h"
#include "PanelValueMaps.h"

#include <iterator>

namespace
{
// Together these ranges are exactly the keys of the panel's descriptor table;
// the Orlune's second-bank ids have no group here.
const ModeGroupRange controlGroups[] {
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
} // namespace

// In the order in which reloadGUIforCurrentItem shows them.
const KbdSettingComponent49::ModelBox KbdSettingComponent49::parameterBoxes[5] {
    { &KbdSettingComponent49::modeCombo, ItemParam::mode, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponent49::channelCombo, ItemParam::channel, PanelValueMaps::channelItemIndex, PanelValueMaps::channelValue },
    { &KbdSettingComponent49::ccNumberCombo, ItemParam::number, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponent49::minLsbCombo, ItemParam::minLsb, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponent49::maxMsbCombo, ItemParam::maxMsb, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
};

void KbdSettingComponent49::enableModesForItem (int id)
{
    PanelItemSelection::enableModes (*modeCombo, modeTableInGroups (id, controlGroups, std::size (controlGroups)));
}

void KbdSettingComponent49::actionListenerCallback (const juce::String& message)
{
    if (const auto item = PanelItemSelection::pickedItem (message, descriptors))
    {
        currentItem = *item;
        reloadGUIforCurrentItem();
    }
}

void KbdSettingComponent49::reloadGUIforCurrentItem()
{
    PanelItemSelection::showName (*nameEditor, descriptors, currentItem);

    showModelBoxes (*this, parameterBoxes, [this] (int index) { return manager.getParamForItem (index, currentItem); });

    enableModesForItem (currentItem);
}

void KbdSettingComponent49::comboBoxChanged (juce::ComboBox* box)
{
    if (! storeGlobalBox (box))
        storeParameterBox (box);
}

void KbdSettingComponent49::storeParameterBox (juce::ComboBox* box)
{
    storeModelBox (*this, parameterBoxes, box, [this] (int index, int value)
    {
        if (currentItem >= 0)
            manager.setParamForItem (index, currentItem, value);
    });
}
