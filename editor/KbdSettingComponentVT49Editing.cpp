#include "KbdSettingComponentVT49.h"

#include "ModeTables.h"
#include "OrluneDescriptors.h"
#include "PanelValueMaps.h"

// In the order in which reloadGUIforCurrentItem shows them.
const KbdSettingComponentVT49::ModelBox KbdSettingComponentVT49::parameterBoxes[5] {
    { &KbdSettingComponentVT49::modeCombo, 1, panelValues::sameValue, panelValues::sameValue },
    { &KbdSettingComponentVT49::channelCombo, 2, panelValues::channelItemIndex, panelValues::channelValue },
    { &KbdSettingComponentVT49::ccNumberCombo, 3, panelValues::sameValue, panelValues::sameValue },
    { &KbdSettingComponentVT49::minLsbCombo, 4, panelValues::sameValue, panelValues::sameValue },
    { &KbdSettingComponentVT49::maxMsbCombo, 5, panelValues::sameValue, panelValues::sameValue },
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

    if (descriptors.count (panelValues::descriptorKey (item)) == 0)
        return;

    currentItem = item;
    reloadGUIforCurrentItem();
}

void KbdSettingComponentVT49::reloadGUIforCurrentItem()
{
    const auto entry = descriptors.find (panelValues::descriptorKey (currentItem));
    jassert (entry != descriptors.end());

    if (entry != descriptors.end())
        nameEditor->setText (entry->second.name, true);

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
