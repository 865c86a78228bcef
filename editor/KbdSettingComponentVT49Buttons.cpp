#include "KbdSettingComponentVT49.h"

#include "PanelSetupActions.h"
#include "UpdaterRunner.h"

void KbdSettingComponentVT49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        panelSetup::sendToKeyboard (manager);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        panelSetup::saveSettingsFile (manager, "*.vt49");
    else if (b == chartButton.get())
        panelSetup::saveChartFile (manager);
    else if (b == fwButton.get())
        UpdaterRunner::Burn (manager, juce::File());
}

void KbdSettingComponentVT49::restoreDefaults()
{
    panelSetup::restoreDefaults (manager);
    updateGlobalUI();

    if (currentItem >= 0)
        reloadGUIforCurrentItem();
}

void KbdSettingComponentVT49::loadFile()
{
    if (panelSetup::loadFile (manager, "*.vt49"))
        triggerAsyncUpdate();
}
