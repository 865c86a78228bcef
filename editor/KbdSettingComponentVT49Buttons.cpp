#include "KbdSettingComponentVT49.h"

#include "PanelSetupActions.h"
#include "UpdaterRunner.h"

void KbdSettingComponentVT49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        PanelSetupActions::sendToKeyboard (manager);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        PanelSetupActions::saveSettingsFile (manager, "*.vt49");
    else if (b == chartButton.get())
        PanelSetupActions::saveChartFile (manager);
    else if (b == fwButton.get())
        UpdaterRunner::Burn (manager, juce::File());
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
    if (PanelSetupActions::loadFile (manager, "*.vt49"))
        triggerAsyncUpdate();
}
