#pragma once

#include "Dialogs.h"
#include "ZelManager49.h"

#include <juce_core/juce_core.h>

/** What the settings panels' buttons do to the controller link's setup, apart
    from refreshing their widgets; each panel passes its own file pattern and
    the dialogs through which the user is asked and told. */
namespace PanelSetupActions
{
/** The default mapping and the default six global settings. */
void restoreDefaults (ZelManager49& manager);

/** Sends the whole setup; tells the user that no keyboard is there when the
    link is not connected or the setup could not be sent (as after burn mode,
    which leaves the link connected without the keyboard's output). */
void sendToKeyboard (ZelManager49& manager, Dialogs& dialogs);

/** Asks for a settings file matching `pattern` and loads it; false if none was
    chosen or it could not be read (which the user is told). */
bool loadFile (ZelManager49& manager, Dialogs& dialogs, const juce::String& pattern);

/** Asks where to save the settings, gives the file the extension of
    `pattern` ("*.vt49" gives "vt49") and writes it, telling the user if that fails. */
void saveSettingsFile (ZelManager49& manager, Dialogs& dialogs, const juce::String& pattern);

/** The same for the HTML chart. */
void saveChartFile (ZelManager49& manager, Dialogs& dialogs);

/** The box shown when detection ended, or a file was loaded, without a keyboard. */
void showKeyboardNotDetected (Dialogs& dialogs);
} // namespace PanelSetupActions
