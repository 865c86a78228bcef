#include "PanelSetupActions.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace PanelSetupActions
{
namespace
{
juce::File documentsFolder()
{
    return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
}

void showFileProblem (Dialogs& dialogs, const juce::String& text)
{
    dialogs.showMessageBox (juce::MessageBoxIconType::WarningIcon, "File Problem", text);
}

// False when the store request, which comes last, could not be sent.
bool sendSetup (ZelManager49& manager)
{
    // Blocks the message thread until the whole setup has gone out.
    juce::MouseCursor::showWaitCursor();
    const bool sent = manager.updateKeyboard (0);
    juce::MouseCursor::hideWaitCursor();
    return sent;
}

// Asks where to save, gives the file the pattern's extension and writes it
// with `write`, showing `failureText` if that fails.
void saveFile (ZelManager49& manager, Dialogs& dialogs, const juce::String& title, const juce::String& pattern,
               bool (ZelManager49::*write) (juce::File&) const, const juce::String& failureText)
{
    const auto chosen = dialogs.browseForFileToSave (title, documentsFolder(), pattern, true);

    if (chosen == juce::File())
        return;

    auto file = chosen.withFileExtension (pattern.fromLastOccurrenceOf (".", false, false));

    // The chooser warned about the name chosen; a new extension can make it another, existing file.
    if (file != chosen && file.exists()
        && ! dialogs.showOkCancelBox (juce::MessageBoxIconType::WarningIcon, "File already exists",
                                      "There's already a file called: " + file.getFullPathName()
                                          + "\n\nAre you sure you want to overwrite it?",
                                      "Overwrite", "Cancel"))
        return;

    if (! (manager.*write) (file))
        showFileProblem (dialogs, failureText);
}
} // namespace

void restoreDefaults (ZelManager49& manager)
{
    manager.resetMappingToDefault();

    struct GlobalDefault
    {
        int index, value;
    };

    static constexpr GlobalDefault globalDefaults[] {
        { GlobalSetting::lowerPartChannel, 0 }, { GlobalSetting::midiChannel, 0 },
        { GlobalSetting::knobRelativeMode, 1 }, { GlobalSetting::faderMode, 1 },
        { GlobalSetting::splitMode, 1 }, { GlobalSetting::splitPoint, 60 }
    };

    for (const auto& global : globalDefaults)
        manager.globals[global.index] = (juce::int16) global.value;
}

void sendToKeyboard (ZelManager49& manager, Dialogs& dialogs)
{
    // Burn mode leaves the link connected but without the keyboard's output,
    // so a link that sent nothing gets the same box as one never connected.
    if (! manager.connected || ! sendSetup (manager))
        dialogs.showMessageBox (juce::MessageBoxIconType::InfoIcon, "Keyboard Problem",
                                "The keyboard has not been detected, so it can't be set.");
}

bool loadFile (ZelManager49& manager, Dialogs& dialogs, const juce::String& pattern)
{
    auto file = dialogs.browseForFileToOpen ("Please select the settings file you want to load...",
                                             documentsFolder(), pattern);

    if (file == juce::File())
        return false;

    if (! manager.loadSettings (file))
    {
        showFileProblem (dialogs, "The settings file can't be read, so nothing has been loaded.");
        return false;
    }

    return true;
}

void saveSettingsFile (ZelManager49& manager, Dialogs& dialogs, const juce::String& pattern)
{
    saveFile (manager, dialogs, "Please select the settings file where to save...", pattern,
              &ZelManager49::saveSettings,
              "The settings file can't be written. Please choose another place and try again.");
}

void saveChartFile (ZelManager49& manager, Dialogs& dialogs)
{
    saveFile (manager, dialogs, "Please select the chart file...", "*.html", &ZelManager49::generateChart,
              "The chart file can't be written. Please choose another place and try again.");
}

void showKeyboardNotDetected (Dialogs& dialogs)
{
    dialogs.showMessageBox (juce::MessageBoxIconType::InfoIcon, "Keyboard Problem",
                            "The keyboard has not been detected. Please correct the problem and try again.");
}
} // namespace PanelSetupActions
