#include "KbdSettingComponent49.h"

#include "PanelSetupActions.h"

void KbdSettingComponent49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        PanelSetupActions::sendToKeyboard (manager, dialogs);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        PanelSetupActions::saveSettingsFile (manager, dialogs, "*.vuk49");
    else if (b == chartButton.get())
        PanelSetupActions::saveChartFile (manager, dialogs);
}

void KbdSettingComponent49::restoreDefaults()
{
    PanelSetupActions::restoreDefaults (manager);
    showGlobals();

    if (currentItem >= 0)
        reloadGUIforCurrentItem();
}

void KbdSettingComponent49::loadFile()
{
    if (PanelSetupActions::loadFile (manager, dialogs, "*.vuk49"))
        triggerAsyncUpdate();
}
