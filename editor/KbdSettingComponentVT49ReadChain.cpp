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
    { &KbdSettingComponentVT49::lowerChannelCombo, 5, panelValues::sameValue, panelValues::sameValue },
    { &KbdSettingComponentVT49::upperChannelCombo, 6, panelValues::sameValue, panelValues::sameValue },
    { &KbdSettingComponentVT49::knobModeCombo, 2, panelValues::onOffItemIndex, panelValues::onOffValue },
    { &KbdSettingComponentVT49::faderModeCombo, 1, panelValues::onOffItemIndex, panelValues::onOffValue },
    { &KbdSettingComponentVT49::splitModeCombo, 7, panelValues::onOffItemIndex, panelValues::onOffValue },
    { &KbdSettingComponentVT49::splitPointCombo, 8, panelValues::sameValue, panelValues::sameValue },
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
        panelSetup::showKeyboardNotDetected (dialogs);
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
