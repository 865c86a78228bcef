#pragma once

#include "Dialogs.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The main window: fixed size, native title bar with minimise and close
    buttons; it owns the main component. */
class MainAppWindow : public juce::DocumentWindow
{
public:
    /** The application's window, whose panel uses the framework's dialogs. */
    MainAppWindow();

    /** The same window, whose panel asks and tells the user through `dialogs`. */
    explicit MainAppWindow (Dialogs& dialogs);
    ~MainAppWindow() override;

    /** Asks the application to quit, without a question; during a firmware
        update, once the update has shown its result. */
    void closeButtonPressed() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainAppWindow)
};
