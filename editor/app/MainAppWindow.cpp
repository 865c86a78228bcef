#include "MainAppWindow.h"

#include "MainComponent.h"
#include "UpdaterRunner.h"

MainAppWindow::MainAppWindow()
    : MainAppWindow (Dialogs::framework())
{
}

MainAppWindow::MainAppWindow (Dialogs& dialogs)
    : juce::DocumentWindow ("Tesmira Orlune 49-61 MIDI Control Center",
                            juce::Colours::azure,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton,
                            true)
{
    setResizable (false, false);
    setTitleBarHeight (20);
    setUsingNativeTitleBar (true);

    // The window is not resized to fit: the application centres it at the panel's size.
    setContentOwned (new MainComponent (dialogs), false);
}

MainAppWindow::~MainAppWindow() = default;

void MainAppWindow::closeButtonPressed()
{
    const auto quit = [] { juce::JUCEApplication::getInstance()->systemRequestedQuit(); };

    // The window manager's close arrives even behind the update's modal
    // windows; quitting then would cut a firmware write short.
    if (! UpdaterRunner::runAfterUpdate (quit))
        quit();
}
