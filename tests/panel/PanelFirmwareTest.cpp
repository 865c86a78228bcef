#include "PanelTestSupport.h"

#include "FirmwareTestSupport.h"
#include "SimulatedLoader.h"

#include <optional>

// An update attempt leaves the link connected but, unless the user cancelled
// before burn mode, without an output: a Send then says so instead of seeming
// to store the setup.
TEST (PanelFirmware, SendAfterAnUpdateAttemptShowsTheBoxUnlessCancelledBeforeBurnMode)
{
    struct Row
    {
        const char* name;
        bool loaderThere, startLoader;
        Bytes firmware;
        const char* updateTitle;
        juce::String updateMessage;
        bool sendRefused;
    };

    const Row rows[] {
        { "without the loader port", false, true, randomBytes (8, 1), "Firmware Update Error",
          "Can't found Keyboard. Make sure it's connected and retry", true },
        { "after a finished update", true, true, randomBytes (224, 2), "Firmware Update Result",
          "The burn process completed without error", true },
        { "after an update that failed", true, true, {}, "Firmware Update Error",
          "The burn process completed, but there was an error", true },
        { "cancelled before burn mode", false, false, randomBytes (8, 3), "Enter Firmware Upgrade Mode", kEnterText, false },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.name);
        TempFirmwareFile firmware (row.firmware);
        RecordingDialogs dialogs;
        KeyboardRig rig { dialogs };
        ASSERT_TRUE (rig.readKeyboard());

        // The keyboard restarted into its loader after it had been detected.
        std::optional<SimulatedLoader> loader;
        if (row.loaderThere)
            loader.emplace (rig.ports);

        dialogs.answerOk = row.startLoader;
        dialogs.fileAnswers.push_back (firmware.file);
        click (*rig.panel, ui::fwButton);

        ASSERT_FALSE (dialogs.boxes.empty());
        EXPECT_EQ (dialogs.boxes.back().title, row.updateTitle);
        EXPECT_EQ (dialogs.boxes.back().message, row.updateMessage);

        if (row.loaderThere)
        {
            ASSERT_TRUE (loader->waitUntilIdle());
            EXPECT_EQ (loader->getImage(), row.firmware);
        }

        ASSERT_TRUE (rig.ports.waitUntilIdle());
        EXPECT_TRUE (rig.panel->getManager().connected);

        const auto sentToLoader = rig.ports.getSentOn ("USB MIDI Device").size();
        dialogs.boxes.clear();
        rig.keyboard.clearReceived();
        click (*rig.panel, ui::sendButton);
        ASSERT_TRUE (rig.ports.waitUntilIdle());

        EXPECT_EQ (rig.ports.getSentOn ("USB MIDI Device").size(), sentToLoader);

        if (row.sendRefused)
        {
            ASSERT_EQ (dialogs.boxes.size(), 1u);
            EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::InfoIcon);
            EXPECT_EQ (dialogs.boxes[0].title, "Keyboard Problem");
            EXPECT_EQ (dialogs.boxes[0].message, "The keyboard has not been detected, so it can't be set.");
            EXPECT_TRUE (rig.keyboard.getReceived().empty());
        }
        else
        {
            EXPECT_TRUE (dialogs.boxes.empty());
            expectCleanSendEndingWithTheStore (rig.keyboard, rig.ports);
        }

        if (row.loaderThere)
        {
            EXPECT_EQ (loader->getProtocolErrors(), 0);
        }

        // The panel goes before the loader, whose port its link held during the update.
        rig.panel = nullptr;
    }
}
