#include "HangGuard.h"
#include "MainAppWindow.h"
#include "RunnerTestSupport.h"

// Each of these quits the application, which lasts for the rest of the
// process: ctest runs every test in a process of its own.
namespace
{
bool quitWasAsked() { return juce::MessageManager::getInstance()->hasStopMessageBeenSent(); }

/** Notes at each message box whether the application had been told to quit by
    then, and can quit inside the file chooser, as a close handled while an
    external chooser program runs does. */
class QuitNotingDialogs final : public ScriptedDialogs
{
public:
    void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message) override
    {
        quitAskedAtBox.push_back (quitWasAsked());
        ScriptedDialogs::showMessageBox (icon, title, message);
    }

    juce::File browseForFileToOpen (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns) override
    {
        if (quitInChooser)
        {
            juce::JUCEApplicationBase::quit();

            while (juce::MessageManager::getInstance()->runDispatchLoopUntil (5))
            {
            }
        }

        return ScriptedDialogs::browseForFileToOpen (title, startingPlace, patterns);
    }

    bool quitInChooser = false;
    std::vector<bool> quitAskedAtBox;
};

const juce::String kSuccessBox = "info | Firmware Update Result | The burn process completed without error";
const juce::String kCanceledBox = "warning | Firmware Update Error | The burn process has been canceled";
constexpr int kBlocks = 40;
constexpr int kBlockBytes = 32;
constexpr int kUpdateBoundMs = 30000;

class QuitDuringUpdateTest : public RunnerFixture
{
protected:
    void SetUp() override
    {
        if (quitWasAsked())
            GTEST_SKIP() << "an earlier test in this process has quit the application";
    }

    juce::StringArray burnWatched (const juce::File& file)
    {
        const HangGuard guard ("the update", kUpdateBoundMs);
        UpdaterRunner::Burn (manager, file, quitDialogs);
        return quitDialogs.boxes;
    }

    QuitNotingDialogs quitDialogs;
};

TEST_F (QuitDuringUpdateTest, ACloseWithNoUpdateQuitsAtOnce)
{
    ScriptedDialogs windowDialogs;
    MainAppWindow window (windowDialogs);

    window.closeButtonPressed();

    EXPECT_TRUE (quitWasAsked());
    EXPECT_TRUE (windowDialogs.boxes.isEmpty());
}

// The window manager's close reaches the main window behind the modal progress window.
class CloseDuringTheTransfer : public QuitDuringUpdateTest,
                               public ::testing::WithParamInterface<bool>
{
};

TEST_P (CloseDuringTheTransfer, LetsTheUpdateEndWithItsWindowLiveThenQuits)
{
    const bool thenCancel = GetParam();
    auto& l = addLoader();
    const auto content = randomBytes (kBlocks * kBlockBytes, 6);
    TempFirmwareFile temp (content);
    ScriptedDialogs windowDialogs;
    MainAppWindow window (windowDialogs);
    juce::WaitableEvent dispatchedAfterClose;

    l.setPolicy ([&] (int message, int)
    {
        if (message == 5)
            juce::MessageManager::callAsync ([&window] { window.closeButtonPressed(); });

        if (message == 10 && thenCancel)
            pressCancelSoon();

        // The message loop still turns after the close: the bar moves and Cancel can be clicked.
        if (message == 10 && ! thenCancel)
        {
            juce::MessageManager::callAsync ([&] { dispatchedAfterClose.signal(); });
            EXPECT_TRUE (dispatchedAfterClose.wait (TimeBounds::scaledMs (10000)));
        }

        return thenCancel && message >= 10 ? Answer::silent : Answer::acknowledge;
    });

    EXPECT_EQ (burnWatched (temp.file), (juce::StringArray { kEnterBox, thenCancel ? kCanceledBox : kSuccessBox }));

    EXPECT_EQ (quitDialogs.quitAskedAtBox, std::vector<bool> { false }); // the result came first
    EXPECT_TRUE (quitWasAsked());
    EXPECT_EQ (l.isComplete(), ! thenCancel);

    if (! thenCancel)
    {
        EXPECT_EQ (l.getImage(), content);
    }

    EXPECT_EQ (ports.getOpenInputCount(), 0);
    EXPECT_TRUE (windowDialogs.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P (UntilItsEndOrACancel, CloseDuringTheTransfer, ::testing::Values (false, true),
                          [] (const auto& param) { return param.param ? "ThenCancel" : "ToItsEnd"; });

// A quit that does not come through the window, which nothing holds back.
TEST_F (QuitDuringUpdateTest, TheApplicationsQuitDuringTheTransferStillSendsTheWholeImage)
{
    auto& l = addLoader();
    const auto content = randomBytes (kBlocks * kBlockBytes, 7);
    TempFirmwareFile temp (content);

    l.setPolicy ([] (int message, int)
    {
        if (message == 5)
            juce::MessageManager::callAsync ([] { juce::JUCEApplicationBase::quit(); });

        return Answer::acknowledge;
    });

    EXPECT_EQ (burnWatched (temp.file), (juce::StringArray { kEnterBox, kSuccessBox }));

    EXPECT_TRUE (l.isComplete());
    EXPECT_EQ (l.getImage(), content);
    EXPECT_EQ (l.getProtocolErrors(), 0);
    EXPECT_EQ (ports.getOpenInputCount(), 0);
}

TEST_F (QuitDuringUpdateTest, AQuitHandledBeforeTheTransferStartsNone)
{
    addLoader();
    connectToKeyboard();
    ASSERT_GT (ports.getOpenInputCount(), 0);
    TempFirmwareFile temp (randomBytes (kBlocks * kBlockBytes, 8));
    quitDialogs.chosenFile = temp.file;
    quitDialogs.quitInChooser = true;

    EXPECT_EQ (burnWatched ({}), (juce::StringArray { kEnterBox, kCanceledBox }));

    EXPECT_TRUE (ports.getSentOn ("USB MIDI Device").empty());
    EXPECT_EQ (ports.getOpenInputCount(), 0);
}
} // namespace
