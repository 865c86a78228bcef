#pragma once

#include "Dialogs.h"

/** The framework's modal alert windows and native file choosers. */
class FrameworkDialogs final : public Dialogs
{
public:
    FrameworkDialogs() = default;

    void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title,
                         const juce::String& message) override;

    bool showOkCancelBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                          const juce::String& okText, const juce::String& cancelText) override;

    juce::File browseForFileToOpen (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns) override;

    juce::File browseForFileToSave (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns, bool warnAboutOverwriting) override;

private:
    JUCE_DECLARE_NON_COPYABLE (FrameworkDialogs)
};
