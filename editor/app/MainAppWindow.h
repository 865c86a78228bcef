#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The main window: fixed size, native title bar with minimise and close
    buttons; it owns the main component. */
class MainAppWindow : public juce::DocumentWindow
{
public:
    MainAppWindow();
    ~MainAppWindow() override;

    /** Asks the application to quit, without a question. */
    void closeButtonPressed() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainAppWindow)
};
