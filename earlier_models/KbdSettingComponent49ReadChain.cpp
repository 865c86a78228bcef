#include "KbdSettingComponent49.h"

#include "PanelReadChain.h"
#include "PanelSetupActions.h"
#include "PanelValueMaps.h"

// In the order in which the panel shows them.
const KbdSettingComponent49::ModelBox KbdSettingComponent49::globalBoxes[6] {
    { &KbdSettingComponent49::lowerChannelCombo, GlobalSetting::lowerPartChannel, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponent49::upperChannelCombo, GlobalSetting::midiChannel, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponent49::knobModeCombo, GlobalSetting::knobRelativeMode, PanelValueMaps::onOffItemIndex, PanelValueMaps::onOffValue },
    { &KbdSettingComponent49::faderModeCombo, GlobalSetting::faderMode, PanelValueMaps::onOffItemIndex, PanelValueMaps::onOffValue },
    { &KbdSettingComponent49::splitModeCombo, GlobalSetting::splitMode, PanelValueMaps::onOffItemIndex, PanelValueMaps::onOffValue },
    { &KbdSettingComponent49::splitPointCombo, GlobalSetting::splitPoint, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
};

void KbdSettingComponent49::ZelInfoReceived (int code, int a, int, void*)
{
    runPanelReadChain (manager, readingKeyboard, *this, code, a);
}

void KbdSettingComponent49::handleAsyncUpdate()
{
    if (manager.connected)
        showGlobals();
    else
        PanelSetupActions::showKeyboardNotDetected (dialogs);
}

void KbdSettingComponent49::showGlobals()
{
    // Each box reports back through comboBoxChanged, storing what it shows.
    showModelBoxes (*this, globalBoxes, [this] (int index) { return (int) manager.globals[index]; });
}

bool KbdSettingComponent49::storeGlobalBox (juce::ComboBox* box)
{
    return storeModelBox (*this, globalBoxes, box, [this] (int index, int value)
    {
        manager.globals[index] = (juce::int16) value;
    });
}
