#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's modal boxes and file choosers, behind one seam.

    Whoever shows a box is handed the Dialogs to use: the application passes
    the framework's modal dialogs, a test its own, which answer them and keep
    what was shown.
*/
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    /** A box with one button; returns when the user closed it. */
    virtual void showMessageBox (juce::MessageBoxIconType icon,
                                 const juce::String& title,
                                 const juce::String& message) = 0;

    /** A box with two buttons; true for the first. */
    virtual bool showOkCancelBox (juce::MessageBoxIconType icon,
                                  const juce::String& title,
                                  const juce::String& message,
                                  const juce::String& okText,
                                  const juce::String& cancelText) = 0;

    /** Lets the user choose an existing file; File() when cancelled. */
    virtual juce::File browseForFileToOpen (const juce::String& title,
                                            const juce::File& startingPlace,
                                            const juce::String& patterns) = 0;

    /** Lets the user choose a file to write; File() when cancelled. */
    virtual juce::File browseForFileToSave (const juce::String& title,
                                            const juce::File& startingPlace,
                                            const juce::String& patterns,
                                            bool warnAboutOverwriting) = 0;

    /** The framework's modal dialogs, which the application uses. */
    static Dialogs& framework();
};
