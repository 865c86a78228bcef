#include "MainAppWindow.h"
#include "MainComponent.h"
#include "PanelTestSupport.h"

// The window as the application builds it, on the platform's MIDI ports.
TEST (ShellWindow, FixedWindowWithMinimiseAndCloseHoldingThePanel)
{
    if (! MidiPorts::platform().getOutputNames().isEmpty())
        GTEST_SKIP() << "this machine has MIDI outputs";

    RecordingDialogs dialogs;
    auto window = std::make_unique<MainAppWindow> (dialogs);

    EXPECT_EQ (window->getName(), "Tesmira Orlune 49-61 MIDI Control Center");
    EXPECT_EQ (window->getBackgroundColour(), juce::Colours::azure);
    EXPECT_FALSE (window->isResizable());
    EXPECT_TRUE (window->isUsingNativeTitleBar());
    EXPECT_TRUE (window->isOnDesktop());

    const int flags = window->getDesktopWindowStyleFlags();
    EXPECT_NE (flags & juce::ComponentPeer::windowHasMinimiseButton, 0);
    EXPECT_NE (flags & juce::ComponentPeer::windowHasCloseButton, 0);
    EXPECT_EQ (flags & juce::ComponentPeer::windowHasMaximiseButton, 0);
    EXPECT_EQ (flags & juce::ComponentPeer::windowIsResizable, 0);

    auto* content = dynamic_cast<MainComponent*> (window->getContentComponent());
    ASSERT_NE (content, nullptr);
    ASSERT_EQ (content->getNumChildComponents(), 1);
    auto* panel = dynamic_cast<KbdSettingComponentVT49*> (content->getChildComponent (0));
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->getBounds(), juce::Rectangle<int> (0, 0, 1024, 660));

    window->centreWithSize (1024, 660);
    window->setVisible (true);
    flushMessages();

    // No MIDI port: detection sends nothing and reports nothing.
    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (editorText (*panel, ui::firmwareEditor), "Not detected yet");

    // The window owns the component tree down to the panel.
    juce::Component::SafePointer<juce::Component> watched (panel);
    // Hidden first: a visible window deleted inside the test application's
    // loop leaves that loop deaf to the final quit.
    window->setVisible (false);
    window = nullptr;
    EXPECT_EQ (watched.getComponent(), nullptr);
}

// The firmware runner opens its progress window when it is built, so these need a display.
TEST (FirmwareButton, StartsTheUpdateWithNoFileChosen)
{
    struct Row
    {
        bool confirmed;
        bool fileChosen;
        std::vector<const char*> boxTitles;
        size_t choosers;
    };

    const Row rows[] {
        { false, false, { "Enter Firmware Upgrade Mode" }, 0 },
        { true, false, { "Enter Firmware Upgrade Mode" }, 1 },
        // A chosen file goes on to the loader port, which is not there.
        { true, true, { "Enter Firmware Upgrade Mode", "Firmware Update Error" }, 1 },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.confirmed + 2 * row.fileChosen);
        RecordingDialogs dialogs;
        NoPortsRig rig { dialogs };
        dialogs.answerOk = row.confirmed;

        if (row.fileChosen)
            dialogs.fileAnswers.push_back (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("Orlune-1.bin"));

        rig.panel.buttonClicked (&widget<juce::Button> (rig.panel, ui::fwButton));

        ASSERT_EQ (dialogs.boxes.size(), row.boxTitles.size());
        for (size_t i = 0; i < row.boxTitles.size(); ++i)
            EXPECT_EQ (dialogs.boxes[i].title, row.boxTitles[i]);

        ASSERT_EQ (dialogs.choosers.size(), row.choosers);
        if (row.choosers > 0)
        {
            EXPECT_FALSE (dialogs.choosers[0].forSaving);
            EXPECT_EQ (dialogs.choosers[0].title, "Please select the firmware file to burn...");
            EXPECT_EQ (dialogs.choosers[0].patterns, "Orlune*.bin");
        }

        if (row.fileChosen)
        {
            EXPECT_EQ (dialogs.boxes.back().message, "Can't found Keyboard. Make sure it's connected and retry");
        }
    }
}
