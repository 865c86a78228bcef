#include "UpdaterRunner.h"

#include "MarvossFWUpdater.h"

#include <utility>
#include <vector>

namespace
{
const char* const kLoaderPort = "USB MIDI Device";

void ShowError (Dialogs& dialogs, const char* text)
{
    dialogs.showMessageBox (juce::MessageBoxIconType::WarningIcon, "Firmware Update Error", text);
}

/** Marks the message thread's time inside an update; when it ends, runs what
    was kept for that moment. */
class UpdateUnderWay
{
public:
    UpdateUnderWay()
    {
        JUCE_ASSERT_MESSAGE_THREAD
        ++depth;
    }

    ~UpdateUnderWay()
    {
        if (--depth > 0)
            return;

        for (auto& action : std::exchange (afterwards, {}))
            action();
    }

    static bool isActive() { return depth > 0; }
    static void keep (std::function<void()> action) { afterwards.push_back (std::move (action)); }

private:
    // Touched on the message thread only.
    static inline int depth = 0;
    static inline std::vector<std::function<void()>> afterwards;
};
} // namespace

bool UpdaterRunner::runAfterUpdate (std::function<void()> action)
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (! UpdateUnderWay::isActive())
        return false;

    UpdateUnderWay::keep (std::move (action));
    return true;
}

UpdaterRunner::UpdaterRunner (ZelManager49& m)
    : juce::ThreadWithProgressWindow ("Upgrading firmware, please wait...", true, true, 10000, "Cancel"),
      manager (&m)
{
    watchCancelButton();
}

UpdaterRunner::~UpdaterRunner()
{
    manager->SetBurnMode (nullptr, kLoaderPort);
}

// A transfer that ends in the 100 ms before the window notices a Cancel
// would otherwise be reported as finished; the press itself decides.
void UpdaterRunner::watchCancelButton()
{
    for (auto* child : getAlertWindow()->getChildren())
    {
        if (auto* button = dynamic_cast<juce::Button*> (child))
        {
            button->onClick = [this, closeWindow = button->onClick]
            {
                cancelPressed = true;

                if (closeWindow != nullptr)
                    closeWindow();
            };
        }
    }
}

void UpdaterRunner::Burn (ZelManager49& manager, juce::File file)
{
    Burn (manager, file, Dialogs::framework());
}

void UpdaterRunner::Burn (ZelManager49& manager, juce::File file, Dialogs& dialogs)
{
    const UpdateUnderWay underWay; // outlives the runner, which leaves burn mode
    UpdaterRunner runner (manager);

    if (! dialogs.showOkCancelBox (juce::MessageBoxIconType::WarningIcon,
                                   "Enter Firmware Upgrade Mode",
                                   "Please unplug the keyboard, then plug it in again WHILE HOLDING "
                                   "\"Sound\", \"Multi\" AND \"Edit\" KEYS.\n"
                                   "Click 'OK' when ready, or 'Cancel' to abort firmware update.",
                                   "OK", "Cancel"))
        return;

    runner.firmwareFile = file;

    if (file == juce::File())
    {
        const auto chosen = dialogs.browseForFileToOpen ("Please select the firmware file to burn...",
                                                         juce::File::getSpecialLocation (juce::File::userHomeDirectory),
                                                         "Orlune*.bin");
        if (chosen == juce::File())
            return;

        runner.firmwareFile = chosen;
    }

    if (! manager.SetBurnMode (&runner, kLoaderPort))
    {
        ShowError (dialogs, "Can't found Keyboard. Make sure it's connected and retry");
        return;
    }

    const bool finished = runner.runTransfer();

    if (! finished || runner.cancelPressed)
        ShowError (dialogs, "The burn process has been canceled");
    else if (runner.succeeded)
        dialogs.showMessageBox (juce::MessageBoxIconType::InfoIcon, "Firmware Update Result",
                                "The burn process completed without error");
    else
        ShowError (dialogs, "The burn process completed, but there was an error");
}

// The framework's runThread waits for its window's timer, and once the
// message loop has been told to stop that timer never fires: it would spin for
// ever. Here such a quit only ends the dispatching; the worker is still waited
// for, since a write cut short leaves the keyboard with part of its firmware.
// False when the transfer was cancelled or never started.
bool UpdaterRunner::runTransfer()
{
    auto& messages = *juce::MessageManager::getInstance();

    // Nothing could show a transfer started after a quit, nor let it be cancelled.
    if (messages.hasStopMessageBeenSent())
        return false;

    launchThread();

    while (! windowHasEnded)
    {
        if (messages.runDispatchLoopUntil (5))
            continue;

        // A Cancel clicked before the quit still stops the worker.
        if (cancelPressed)
            signalThreadShouldExit();

        waitForThreadToExit (-1);
        getAlertWindow()->exitModalState (1);
        getAlertWindow()->setVisible (false);
        break; // the window's timer will not fire again
    }

    return ! stoppedByWindow;
}

void UpdaterRunner::threadComplete (bool userPressedCancel)
{
    stoppedByWindow = userPressedCancel;
    windowHasEnded = true;
}

void UpdaterRunner::run()
{
    succeeded = false;

    {
        const juce::ScopedLock sl (updaterLock);
        updater = std::make_unique<MarvossFWUpdater>();
    }

    // Only this thread writes updater, so it reads it here without the lock.
    updater->Init (this);

    if (updater->SetFile (firmwareFile))
        succeeded = updater->Burn();

    updater->Term();

    std::unique_ptr<IFWUpdater> finished;

    {
        const juce::ScopedLock sl (updaterLock);
        finished = std::move (updater);
    }
}

void UpdaterRunner::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& incoming)
{
    const juce::ScopedLock sl (updaterLock);

    if (updater != nullptr)
        updater->HandleMidiMessage (incoming);
}

void UpdaterRunner::SetProgress (double fraction)
{
    setProgress (fraction);
}

void UpdaterRunner::SendMidiMessage (const juce::MidiMessage& outgoing)
{
    manager->SendMidiMessage (outgoing);
}
