#include "KbdSettingComponentVT49.h"

#include "ModeTables.h"
#include "OrluneDescriptors.h"
#include "PanelItemSelection.h"
#include "PanelValueMaps.h"

// In the order in which reloadGUIforCurrentItem shows them.
const KbdSettingComponentVT49::ModelBox KbdSettingComponentVT49::parameterBoxes[5] {
    { &KbdSettingComponentVT49::modeCombo, ItemParam::mode, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponentVT49::channelCombo, ItemParam::channel, PanelValueMaps::channelItemIndex, PanelValueMaps::channelValue },
    { &KbdSettingComponentVT49::ccNumberCombo, ItemParam::number, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponentVT49::minLsbCombo, ItemParam::minLsb, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponentVT49::maxMsbCombo, ItemParam::maxMsb, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
};

std::map<short, KbdCtrlDescriptor> KbdSettingComponentVT49::getAllDescriptors()
{
    return getOrluneDescriptors();
}

void KbdSettingComponentVT49::enableModesForItem (int id)
{
    PanelItemSelection::enableModes (*modeCombo, modeTableForOrluneItem (id));
}

void KbdSettingComponentVT49::actionListenerCallback (const juce::String& message)
{
    if (const auto item = PanelItemSelection::pickedItem (message, descriptors))
    {
        currentItem = *item;
        reloadGUIforCurrentItem();
    }
}

void KbdSettingComponentVT49::reloadGUIforCurrentItem()
{
    PanelItemSelection::showName (*nameEditor, descriptors, currentItem);

    showModelBoxes (*this, parameterBoxes, [this] (int index) { return manager.getParamForItem (index, currentItem); });

    enableModesForItem (currentItem);
}

void KbdSettingComponentVT49::comboBoxChanged (juce::ComboBox* box)
{
    if (! storeGlobalBox (box))
        storeParameterBox (box);
}

void KbdSettingComponentVT49::storeParameterBox (juce::ComboBox* box)
{
    storeModelBox (*this, parameterBoxes, box, [this] (int index, int value)
    {
        if (currentItem >= 0)
            manager.setParamForItem (index, currentItem, value);
    });
}
