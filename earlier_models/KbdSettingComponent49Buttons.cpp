#include "KbdSettingComponent49.h"

#include "PanelSetupActions.h"

void KbdSettingComponent49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        PanelSetupActions::sendToKeyboard (manager);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        PanelSetupActions::saveSettingsFile (manager, "*.vuk49");
    else if (b == chartButton.get())
        PanelSetupActions::saveChartFile (manager);
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
    if (PanelSetupActions::loadFile (manager, "*.vuk49"))
        triggerAsyncUpdate();
}
