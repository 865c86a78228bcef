#include "RunnerTestSupport.h"

namespace
{

class UpdaterRunnerTest : public RunnerFixture
{
};

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
