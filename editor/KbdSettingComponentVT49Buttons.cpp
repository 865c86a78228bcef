#include "KbdSettingComponentVT49.h"

#include "PanelSetupActions.h"
#include "UpdaterRunner.h"

void KbdSettingComponentVT49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        panelSetup::sendToKeyboard (manager, dialogs);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        panelSetup::saveSettingsFile (manager, dialogs, "*.vt49");
    else if (b == chartButton.get())
        panelSetup::saveChartFile (manager, dialogs);
    else if (b == fwButton.get())
        UpdaterRunner::Burn (manager, juce::File(), dialogs);
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
    if (panelSetup::loadFile (manager, dialogs, "*.vt49"))
        triggerAsyncUpdate();
}
