#pragma once

#include "Dialogs.h"
#include "IFWHelper.h"
#include "IFWUpdater.h"
#include "ZelManager49.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <functional>
#include <memory>

/** Carries one firmware update from the user's click to the result box.

    Burn asks the user to start the keyboard's loader, lets them choose the
    file, puts the controller link into burn mode on the loader port and runs
    the transfer on a worker thread behind a modal progress window. The runner
    is the updater's host: it sends through the controller link and hands the
    loader's replies, which arrive on the MIDI input thread, to the updater.
*/
class UpdaterRunner : public juce::ThreadWithProgressWindow,
                      public juce::MidiInputCallback,
                      public IFWHelper
{
public:
    explicit UpdaterRunner (ZelManager49& manager);

    /** Leaves burn mode before anything else goes. */
    ~UpdaterRunner() override;

    /** The whole update, on the message thread, with the framework's dialogs;
        File() lets the user choose the file. */
    static void Burn (ZelManager49& manager, juce::File file);

    /** The same, asking and telling the user through `dialogs`. */
    static void Burn (ZelManager49& manager, juce::File file, Dialogs& dialogs);

    /** While an update runs, from its first box to its result box, keeps
        `action` to run on the message thread once the update has ended (burn
        mode left) and returns true; otherwise returns false and leaves the
        action to the caller. For a quit, which would cut the transfer short. */
    static bool runAfterUpdate (std::function<void()> action);

    /** The worker thread: one transfer with a fresh updater. */
    void run() override;

    /** Called on the MIDI input thread while burn mode is on. */
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& incoming) override;

    void SetProgress (double fraction) override;
    void SendMidiMessage (const juce::MidiMessage& outgoing) override;

private:
    void watchCancelButton();
    bool runTransfer();
    void threadComplete (bool userPressedCancel) override;

    juce::File firmwareFile;
    std::unique_ptr<IFWUpdater> updater; // only while run() runs
    juce::CriticalSection updaterLock;   // keeps updater alive under a running handleIncomingMidiMessage
    ZelManager49* manager;               // not owned
    std::atomic<bool> succeeded { false };
    std::atomic<bool> cancelPressed { false };
    bool windowHasEnded = false;  // its timer saw the worker end, or a Cancel
    bool stoppedByWindow = false; // the window ended the worker before it had finished

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UpdaterRunner)
};
