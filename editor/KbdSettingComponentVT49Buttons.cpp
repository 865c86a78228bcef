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
        panelSetup::saveFile (manager, "Please select the settings file where to save...", "*.vt49", "vt49",
                              &ZelManager49::saveSettings,
                              "The settings file can't be written. Please choose another place and try again.");
    else if (b == chartButton.get())
        panelSetup::saveFile (manager, "Please select the chart file...", "*.html", "html",
                              &ZelManager49::generateChart,
                              "The chart file can't be written. Please choose another place and try again.");
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
