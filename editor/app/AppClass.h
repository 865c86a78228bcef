#pragma once

#include "MainAppWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class ALookAndFeel;

/** The application object: installs the look and feel and opens the one main window. */
class AppClass : public juce::JUCEApplication
{
public:
    AppClass();
    ~AppClass() override;

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;

private:
    // Owned here and uninstalled in shutdown(), after the last component that draws with it has gone.
    std::unique_ptr<ALookAndFeel> lookAndFeel;
    std::unique_ptr<MainAppWindow> mainWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AppClass)
};
