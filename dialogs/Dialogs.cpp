#include "Dialogs.h"

namespace
{
class FrameworkDialogs final : public Dialogs
{
public:
    void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message) override
    {
        juce::AlertWindow::showMessageBox (icon, title, message);
    }

    bool showOkCancelBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                          const juce::String& okText, const juce::String& cancelText) override
    {
        return juce::AlertWindow::showOkCancelBox (icon, title, message, okText, cancelText);
    }

    juce::File browseForFileToOpen (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns) override
    {
        juce::FileChooser chooser (title, startingPlace, patterns, true);
        return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
    }

    juce::File browseForFileToSave (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns, bool warnAboutOverwriting) override
    {
        juce::FileChooser chooser (title, startingPlace, patterns, true);
        return chooser.browseForFileToSave (warnAboutOverwriting) ? chooser.getResult() : juce::File();
    }
};

FrameworkDialogs frameworkDialogs;
Dialogs* current = &frameworkDialogs;
} // namespace

Dialogs& Dialogs::get()
{
    return *current;
}

Dialogs::ScopedOverride::ScopedOverride (Dialogs& replacement) : previous (current)
{
    current = &replacement;
}

Dialogs::ScopedOverride::~ScopedOverride()
{
    current = previous;
}
