#include "Dialogs.h"
#include "FirmwareTestSupport.h"
#include "SimMidiPorts.h"
#include "SimulatedLoader.h"
#include "TimeBounds.h"
#include "UpdaterRunner.h"

#include <gtest/gtest.h>

#include <mutex>

namespace
{
using Answer = SimulatedLoader::Answer;

const juce::String kEnterText = "Please unplug the keyboard, then plug it in again WHILE HOLDING \"Sound\", \"Multi\" AND "
                                "\"Edit\" KEYS.\nClick 'OK' when ready, or 'Cancel' to abort firmware update.";

/** Answers the boxes and the file chooser as a test says, and keeps what was shown. */
class ScriptedDialogs final : public Dialogs
{
public:
    void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message) override
    {
        boxes.add (iconName (icon) + " | " + title + " | " + message);
    }

    bool showOkCancelBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                          const juce::String& okText, const juce::String& cancelText) override
    {
        boxes.add (iconName (icon) + " | " + title + " | " + message + " | " + okText + " | " + cancelText);
        return answerOk;
    }

    juce::File browseForFileToOpen (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns) override
    {
        choosers.add (title + " | " + startingPlace.getFullPathName() + " | " + patterns);
        return chosenFile;
    }

    juce::File browseForFileToSave (const juce::String&, const juce::File&, const juce::String&, bool) override
    {
        ADD_FAILURE() << "the updater never saves a file";
        return {};
    }

    static juce::String iconName (juce::MessageBoxIconType icon)
    {
        return icon == juce::MessageBoxIconType::WarningIcon ? "warning"
             : icon == juce::MessageBoxIconType::InfoIcon    ? "info"
                                                             : "other";
    }

    bool answerOk = true;
    juce::File chosenFile;
    juce::StringArray boxes, choosers;
};

juce::AlertWindow* progressWindow()
{
    auto* modal = juce::ModalComponentManager::getInstance()->getModalComponent (0);
    return dynamic_cast<juce::AlertWindow*> (modal);
}

template <typename ComponentType>
ComponentType* childOf (juce::Component* parent)
{
    if (parent != nullptr)
        for (auto* child : parent->getChildren())
            if (auto* c = dynamic_cast<ComponentType*> (child))
                return c;

    return nullptr;
}

/** Knows when the progress window's Cancel button has been clicked. */
struct ClickWatch final : juce::Button::Listener
{
    void buttonClicked (juce::Button*) override { clicked.signal(); }
    juce::WaitableEvent clicked;
};

/** Presses the progress window's Cancel button, on the message thread, as a user
    would, as soon as the window is up (the worker may get ahead of it). */
constexpr int kPressTries = TimeBounds::scaledMs (5000) / 5; // 5 ms apart: at least 5 s in a plain build

void pressCancelSoon (ClickWatch* watch = nullptr, int triesLeft = kPressTries)
{
    const auto press = [watch, triesLeft]
    {
        auto* button = childOf<juce::Button> (progressWindow());

        if (button == nullptr)
        {
            ASSERT_GT (triesLeft, 0) << "the progress window never came up";
            pressCancelSoon (watch, triesLeft - 1);
            return;
        }

        EXPECT_EQ (progressWindow()->getName(), "Upgrading firmware, please wait...");
        ASSERT_EQ (button->getButtonText(), "Cancel");

        if (watch != nullptr)
            button->addListener (watch);

        button->triggerClick();
    };

    if (triesLeft == kPressTries)
        juce::MessageManager::callAsync (press);
    else
        juce::Timer::callAfterDelay (5, press);
}

/** Samples the progress bar of the modal progress window while the message loop
    runs, and once more as the window hides, when the worker has ended: on a busy
    machine the timer can miss the last steps of a short transfer. */
struct ProgressSampler final : juce::Timer, juce::ComponentListener
{
    ProgressSampler() { startTimer (5); }

    ~ProgressSampler() override
    {
        if (window != nullptr)
            window->removeComponentListener (this);
    }

    void timerCallback() override
    {
        if (window == nullptr && (window = progressWindow()) != nullptr)
            window->addComponentListener (this);

        sample();
    }

    void componentVisibilityChanged (juce::Component& c) override
    {
        if (! c.isVisible())
            sample();
    }

    void sample()
    {
        if (auto* bar = childOf<juce::ProgressBar> (window.getComponent()))
            if (auto* handler = bar->getAccessibilityHandler())
                if (auto* value = handler->getValueInterface())
                    if (samples.empty() || samples.back() != value->getCurrentValue())
                        samples.push_back (value->getCurrentValue());
    }

    juce::Component::SafePointer<juce::Component> window;
    std::vector<double> samples;
};

class UpdaterRunnerTest : public ::testing::Test
{
protected:
    UpdaterRunnerTest()
    {
        ZelManager49::sStandaloneMode = true;
        ports.addOutput ("Orlune 61");
        ports.addInput ("Orlune 61");
    }

    ~UpdaterRunnerTest() override { ZelManager49::sStandaloneMode = false; }

    void TearDown() override { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    void connectToKeyboard()
    {
        manager.setDevicesEx ("Orlune 61", "Orlune 61", 0x500);
        manager.openMidiIns (true);
    }

    SimulatedLoader& addLoader()
    {
        loader = std::make_unique<SimulatedLoader> (ports);
        return *loader;
    }

    juce::StringArray burn (const juce::File& file)
    {
        UpdaterRunner::Burn (manager, file, dialogs);
        return dialogs.boxes;
    }

    bool loaderPortWasOpened() const { return ports.getEvents().contains ("open output USB MIDI Device"); }

    ClickWatch cancelWatch; // outlives the loader, whose thread may wait on it
    SimMidiPorts ports { Clock::system() };
    ZelManager49 manager { nullptr, ports, Clock::system() };
    std::unique_ptr<SimulatedLoader> loader;
    ScriptedDialogs dialogs;
};

const juce::String kEnterBox = "warning | Enter Firmware Upgrade Mode | " + kEnterText + " | OK | Cancel";

TEST_F (UpdaterRunnerTest, CancelInTheFirstBoxStopsThereAndStillClosesTheInputs)
{
    addLoader();
    connectToKeyboard();
    ASSERT_GT (ports.getOpenInputCount(), 0);
    dialogs.answerOk = false;

    EXPECT_EQ (burn ({}), juce::StringArray { kEnterBox });

    EXPECT_TRUE (dialogs.choosers.isEmpty());
    EXPECT_FALSE (loaderPortWasOpened());
    EXPECT_EQ (ports.getOpenInputCount(), 0);
}

TEST_F (UpdaterRunnerTest, TheUserChoosesTheFileOrNone)
{
    auto& l = addLoader();
    const auto content = randomBytes (29, 1);
    TempFirmwareFile temp (content, "Orlune-1.2.bin");
    const auto expectedChooser = "Please select the firmware file to burn... | "
                                 + juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName()
                                 + " | Orlune*.bin";

    EXPECT_EQ (burn ({}), juce::StringArray { kEnterBox });
    EXPECT_EQ (dialogs.choosers, juce::StringArray { expectedChooser });
    EXPECT_FALSE (loaderPortWasOpened());

    dialogs.boxes.clear();
    dialogs.chosenFile = temp.file;
    EXPECT_EQ (burn ({}), (juce::StringArray { kEnterBox, "info | Firmware Update Result | The burn process completed without error" }));
    EXPECT_EQ (l.getImage(), content);
}

TEST_F (UpdaterRunnerTest, WithoutTheLoaderPortTheKeyboardIsNotFound)
{
    connectToKeyboard();
    TempFirmwareFile temp (randomBytes (8, 2));

    EXPECT_EQ (burn (temp.file),
               (juce::StringArray { kEnterBox, "warning | Firmware Update Error | Can't found Keyboard. Make sure it's connected and retry" }));

    EXPECT_TRUE (dialogs.choosers.isEmpty()); // an existing file skips the chooser
    EXPECT_EQ (ports.getOpenInputCount(), 0);
    EXPECT_FALSE (manager.postStoreRequest (0)); // no keyboard output left
}

TEST_F (UpdaterRunnerTest, AFinishedTransferReportsSuccessAndLeavesBurnMode)
{
    auto& l = addLoader();
    connectToKeyboard();
    const auto content = randomBytes (224, 3);
    TempFirmwareFile temp (content);
    ProgressSampler progress;

    EXPECT_EQ (burn (temp.file),
               (juce::StringArray { kEnterBox, "info | Firmware Update Result | The burn process completed without error" }));

    EXPECT_TRUE (l.isComplete());
    EXPECT_EQ (l.getImage(), content);
    EXPECT_EQ (l.getProtocolErrors(), 0);
    EXPECT_TRUE (ports.getSentOn ("Orlune 61").empty());
    EXPECT_EQ (ports.getOpenInputCount(), 0);

    // The bar only rises, and ends full.
    ASSERT_FALSE (progress.samples.empty());
    EXPECT_TRUE (std::is_sorted (progress.samples.begin(), progress.samples.end()));
    EXPECT_GE (progress.samples.front(), 0.0);
    EXPECT_DOUBLE_EQ (progress.samples.back(), 1.0);
}

TEST_F (UpdaterRunnerTest, AnEmptyFileEndsInTheErrorBoxWithNothingSent)
{
    addLoader();
    TempFirmwareFile temp ({});

    EXPECT_EQ (burn (temp.file),
               (juce::StringArray { kEnterBox, "warning | Firmware Update Error | The burn process completed, but there was an error" }));

    EXPECT_TRUE (loaderPortWasOpened());
    EXPECT_TRUE (ports.getSentOn ("USB MIDI Device").empty());
}

TEST_F (UpdaterRunnerTest, CancelDuringTheTransferStopsItWithinOneBlock)
{
    auto& l = addLoader();
    TempFirmwareFile temp (randomBytes (224, 4));

    l.setPolicy ([] (int message, int)
    {
        if (message == 1)
            pressCancelSoon();

        return message == 0 ? Answer::acknowledge : Answer::silent;
    });

    EXPECT_EQ (burn (temp.file),
               (juce::StringArray { kEnterBox, "warning | Firmware Update Error | The burn process has been canceled" }));

    // The second block was tried at most four times, and nothing came after it.
    const auto addresses = l.getBlockAddresses();
    ASSERT_GE (addresses.size(), 2u);
    EXPECT_LE (addresses.size(), 5u);
    EXPECT_EQ (std::count (addresses.begin(), addresses.end(), 6), (long) addresses.size() - 1);
    EXPECT_EQ (ports.getOpenInputCount(), 0);
}

// The window notices a Cancel only at its next 100 ms tick; a transfer that
// ends before that still counts as cancelled, because the user pressed it.
TEST_F (UpdaterRunnerTest, CancelPressedAsTheTransferEndsStillReportsCanceled)
{
    auto& l = addLoader();
    TempFirmwareFile temp (randomBytes (29, 5));

    // The last block (the second message) is acknowledged only once Cancel has
    // been clicked; a resend after the window stopped the worker is not pressed again.
    l.setPolicy ([this] (int message, int)
    {
        if (message == 1)
        {
            pressCancelSoon (&cancelWatch);
            EXPECT_TRUE (cancelWatch.clicked.wait (TimeBounds::scaledMs (10000)));
        }

        return Answer::acknowledge;
    });

    EXPECT_EQ (burn (temp.file),
               (juce::StringArray { kEnterBox, "warning | Firmware Update Error | The burn process has been canceled" }));
    EXPECT_TRUE (l.waitUntilIdle());
    EXPECT_TRUE (l.isComplete());
}
} // namespace
