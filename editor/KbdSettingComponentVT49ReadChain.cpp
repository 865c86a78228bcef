#include "KbdSettingComponentVT49.h"

#include "PanelReadChain.h"
#include "PanelSetupActions.h"
#include "PanelValueMaps.h"

namespace
{
juce::String firmwareText (int b0, int b1, int b2, int b3)
{
    const auto text = juce::String (b1) + "." + juce::String (b2) + juce::String (b3);
    return b0 != 0 ? juce::String (b0) + "." + text : text;
}
} // namespace

// In the order in which updateGlobalUI shows them.
const KbdSettingComponentVT49::ModelBox KbdSettingComponentVT49::globalBoxes[6] {
    { &KbdSettingComponentVT49::lowerChannelCombo, GlobalSetting::lowerPartChannel, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponentVT49::upperChannelCombo, GlobalSetting::midiChannel, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
    { &KbdSettingComponentVT49::knobModeCombo, GlobalSetting::knobRelativeMode, PanelValueMaps::onOffItemIndex, PanelValueMaps::onOffValue },
    { &KbdSettingComponentVT49::faderModeCombo, GlobalSetting::faderMode, PanelValueMaps::onOffItemIndex, PanelValueMaps::onOffValue },
    { &KbdSettingComponentVT49::splitModeCombo, GlobalSetting::splitMode, PanelValueMaps::onOffItemIndex, PanelValueMaps::onOffValue },
    { &KbdSettingComponentVT49::splitPointCombo, GlobalSetting::splitPoint, PanelValueMaps::sameValue, PanelValueMaps::sameValue },
};

void KbdSettingComponentVT49::ZelInfoReceived (int code, int a, int, void*)
{
    runPanelReadChain (manager, readingKeyboard, *this, code, a);
}

void KbdSettingComponentVT49::handleAsyncUpdate()
{
    if (manager.connected)
        updateGlobalUI();
    else
        PanelSetupActions::showKeyboardNotDetected (dialogs);
}

void KbdSettingComponentVT49::updateGlobalUI()
{
    showModelBoxes (*this, globalBoxes, [this] (int index) { return (int) manager.globals[index]; });

    firmwareEditor->setText (firmwareText (manager.firmwareRevision[0], manager.firmwareRevision[1],
                                           manager.firmwareRevision[2], manager.firmwareRevision[3]),
                             true);
}

bool KbdSettingComponentVT49::storeGlobalBox (juce::ComboBox* box)
{
    return storeModelBox (*this, globalBoxes, box, [this] (int index, int value)
    {
        manager.globals[index] = (juce::int16) value;
    });
}
