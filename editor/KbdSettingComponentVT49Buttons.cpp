#include "KbdSettingComponentVT49.h"

#include "PanelSetupActions.h"
#include "UpdaterRunner.h"

void KbdSettingComponentVT49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        PanelSetupActions::sendToKeyboard (manager, dialogs);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        PanelSetupActions::saveSettingsFile (manager, dialogs, "*.vt49");
    else if (b == chartButton.get())
        PanelSetupActions::saveChartFile (manager, dialogs);
    else if (b == fwButton.get())
        UpdaterRunner::Burn (manager, juce::File(), dialogs);
}

void KbdSettingComponentVT49::restoreDefaults()
{
    PanelSetupActions::restoreDefaults (manager);
    updateGlobalUI();

    if (currentItem >= 0)
        reloadGUIforCurrentItem();
}

void KbdSettingComponentVT49::loadFile()
{
    if (PanelSetupActions::loadFile (manager, dialogs, "*.vt49"))
        triggerAsyncUpdate();
}
