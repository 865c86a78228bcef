#include "KbdSettingComponent49.h"

#include "PanelSetupActions.h"

void KbdSettingComponent49::buttonClicked (juce::Button* b)
{
    if (b == defaultButton.get())
        restoreDefaults();
    else if (b == sendButton.get())
        panelSetup::sendToKeyboard (manager);
    else if (b == loadButton.get())
        loadFile();
    else if (b == saveButton.get())
        panelSetup::saveFile (manager, "Please select the settings file where to save...", "*.vuk49", "vuk49",
                              &ZelManager49::saveSettings,
                              "The settings file can't be written. Please choose another place and try again.");
    else if (b == chartButton.get())
        panelSetup::saveFile (manager, "Please select the chart file...", "*.html", "html",
                              &ZelManager49::generateChart,
                              "The chart file can't be written. Please choose another place and try again.");
}

void KbdSettingComponent49::restoreDefaults()
{
    panelSetup::restoreDefaults (manager);
    showGlobals();

    if (currentItem >= 0)
        reloadGUIforCurrentItem();
}

void KbdSettingComponent49::loadFile()
{
    if (panelSetup::loadFile (manager, "*.vuk49"))
        triggerAsyncUpdate();
}
