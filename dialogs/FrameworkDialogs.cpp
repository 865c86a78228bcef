#include "FrameworkDialogs.h"

void FrameworkDialogs::showMessageBox (juce::MessageBoxIconType icon, const juce::String& title,
                                       const juce::String& message)
{
    juce::AlertWindow::showMessageBox (icon, title, message);
}

bool FrameworkDialogs::showOkCancelBox (juce::MessageBoxIconType icon, const juce::String& title,
                                        const juce::String& message, const juce::String& okText,
                                        const juce::String& cancelText)
{
    return juce::AlertWindow::showOkCancelBox (icon, title, message, okText, cancelText);
}

juce::File FrameworkDialogs::browseForFileToOpen (const juce::String& title, const juce::File& startingPlace,
                                                  const juce::String& patterns)
{
    juce::FileChooser chooser (title, startingPlace, patterns, true);
    return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
}

juce::File FrameworkDialogs::browseForFileToSave (const juce::String& title, const juce::File& startingPlace,
                                                  const juce::String& patterns, bool warnAboutOverwriting)
{
    juce::FileChooser chooser (title, startingPlace, patterns, true);
    return chooser.browseForFileToSave (warnAboutOverwriting) ? chooser.getResult() : juce::File();
}
