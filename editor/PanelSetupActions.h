#pragma once

#include "ZelManager49.h"

#include <juce_core/juce_core.h>

/** What the settings panels' buttons do to the controller link's setup, apart
    from refreshing their widgets; each panel passes its own file pattern. */
namespace panelSetup
{
/** The default mapping and the default six global settings. */
void restoreDefaults (ZelManager49& manager);

/** Sends the whole setup, or tells the user that no keyboard is there. */
void sendToKeyboard (ZelManager49& manager);

/** Asks for a settings file matching `pattern` and loads it; false if none was
    chosen or it could not be read (which the user is told). */
bool loadFile (ZelManager49& manager, const juce::String& pattern);

/** Asks where to save, gives the file `extension` and writes it with `write`,
    showing `failureText` if that fails. */
void saveFile (ZelManager49& manager, const juce::String& title, const juce::String& pattern,
               const juce::String& extension, bool (ZelManager49::*write) (juce::File&) const,
               const juce::String& failureText);
} // namespace panelSetup
