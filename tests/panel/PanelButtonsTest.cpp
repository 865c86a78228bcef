#include "PanelTestSupport.h"

#include "ZelMidiMessage49.h"

namespace
{
juce::File documents()
{
    return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
}

struct TempFolder
{
    TempFolder() { folder.createDirectory(); }
    ~TempFolder() { folder.deleteRecursively(); }

    juce::File folder = juce::File::createTempFile ("panel");
};

const juce::String notDetectedForSend = "The keyboard has not been detected, so it can't be set.";
const juce::String notDetected = "The keyboard has not been detected. Please correct the problem and try again.";
} // namespace

TEST (PanelButtons, DefaultsRestoreTheFactoryMappingAndGlobals)
{
    NoPortsRig rig;
    auto& panel = rig.panel;
    auto& manager = panel.getManager();
    const ZelManager49 factory (nullptr, rig.ports, rig.clock);

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        manager.setParamForItem (p, 0x21, 3);

    const int changedGlobals[] { 1, 2, 5, 6, 7, 8 };
    for (int g : changedGlobals)
        manager.globals[g] = 127;

    manager.firmwareRevision[1] = 4;

    panel.actionListenerCallback ("0x21");
    flushMessages();
    click (panel, ui::defaultButton);

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        EXPECT_EQ (manager.getParamForItem (p, 0x21), const_cast<ZelManager49&> (factory).getParamForItem (p, 0x21));

    struct Row
    {
        int global, value;
        WidgetMember box;
        const char* shown;
    };

    for (const auto& row : { Row { GlobalSetting::lowerPartChannel, 0, ui::lowerChannelCombo, "1" },
                             Row { GlobalSetting::midiChannel, 0, ui::upperChannelCombo, "1" },
                             Row { GlobalSetting::knobRelativeMode, 1, ui::knobModeCombo, "Absolute" },
                             Row { GlobalSetting::faderMode, 1, ui::faderModeCombo, "Normal" },
                             Row { GlobalSetting::splitMode, 1, ui::splitModeCombo, "Off" },
                             Row { GlobalSetting::splitPoint, 60, ui::splitPointCombo, "C3" } })
    {
        EXPECT_EQ (manager.globals[row.global], row.value);
        EXPECT_EQ (combo (panel, row.box).getText(), row.shown);
    }

    EXPECT_EQ (editorText (panel, ui::firmwareEditor), "0.00");

    // The current control shows its factory values.
    const auto expectedMode = combo (panel, ui::modeCombo).getItemText (const_cast<ZelManager49&> (factory).getParamForItem (ItemParam::mode, 0x21));
    EXPECT_EQ (combo (panel, ui::modeCombo).getText(), expectedMode);
    EXPECT_TRUE (rig.ports.getSent().empty());
}

TEST (PanelButtons, DefaultsWithNoControlPickedLeaveTheParameterBoxesEmpty)
{
    NoPortsRig rig;
    click (rig.panel, ui::defaultButton);

    for (WidgetMember box : { ui::modeCombo, ui::channelCombo, ui::ccNumberCombo, ui::minLsbCombo, ui::maxMsbCombo })
        EXPECT_EQ (combo (rig.panel, box).getText(), "");

    EXPECT_EQ (combo (rig.panel, ui::splitPointCombo).getText(), "C3");
}

TEST (PanelButtons, SendWithoutAKeyboardShowsTheBoxAndSendsNothing)
{
    RecordingDialogs dialogs;
    KeyboardRig rig { dialogs };
    rig.keyboard.setSilent (true);
    rig.panel = std::make_unique<KbdSettingComponentVT49> (rig.ports, rig.clock, rig.dialogs);
    rig.keyboard.clearReceived();

    click (*rig.panel, ui::sendButton);

    ASSERT_EQ (dialogs.boxes.size(), 1u);
    EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::InfoIcon);
    EXPECT_EQ (dialogs.boxes[0].title, "Keyboard Problem");
    EXPECT_EQ (dialogs.boxes[0].message, notDetectedForSend);
    EXPECT_TRUE (rig.keyboard.getReceived().empty());
}

TEST (PanelButtons, SendDeliversTheWholeSetupAndTheStoreRequest)
{
    RecordingDialogs dialogs;
    KeyboardRig rig { dialogs };
    ASSERT_TRUE (rig.readKeyboard());
    auto& panel = *rig.panel;
    auto& manager = panel.getManager();

    panel.actionListenerCallback ("0x21");
    flushMessages();
    combo (panel, ui::modeCombo).setSelectedItemIndex (4, juce::sendNotification);
    combo (panel, ui::channelCombo).setSelectedItemIndex (19, juce::sendNotification);
    combo (panel, ui::upperChannelCombo).setSelectedItemIndex (6, juce::sendNotification);
    flushMessages();

    rig.keyboard.clearReceived();
    click (panel, ui::sendButton);
    ASSERT_TRUE (rig.ports.waitUntilIdle());

    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::mode, 0x21), 4);
    EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::channel, 0x21), 126);
    EXPECT_EQ (rig.keyboard.getGlobal (GlobalSetting::midiChannel), 6);

    for (const auto& [id, descriptor] : panel.getAllDescriptors())
        for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
            EXPECT_EQ (rig.keyboard.getItemParam (p, id), manager.getParamForItem (p, id)) << descriptor.name << " " << p;

    const auto received = rig.protocolReceived();
    ASSERT_FALSE (received.empty());
    EXPECT_TRUE (sameBytes (received.back(), ZelMidiMessage49::SaveMemoryRequest (0))) << hex (received.back());
    EXPECT_EQ (rig.keyboard.getLastStoredMemory(), 0);
    EXPECT_TRUE (rig.keyboard.getUnexpected().empty());
}

TEST (PanelButtons, SendAfterDefaultsOrAFileOutsideADataByteDeliversOnlyCleanSysEx)
{
    TempFolder temp;
    const auto file = temp.folder.getChildFile ("wide.vt49");
    ASSERT_TRUE (file.replaceWithText (kSettingsOutsideADataByte));

    for (const bool loadFile : { false, true })
    {
        SCOPED_TRACE (loadFile ? "loaded file" : "defaults");
        RecordingDialogs dialogs;
        KeyboardRig rig { dialogs };
        ASSERT_TRUE (rig.readKeyboard());

        if (loadFile)
        {
            dialogs.fileAnswers.push_back (file);
            click (*rig.panel, ui::loadButton);
        }
        else
        {
            click (*rig.panel, ui::defaultButton);
        }

        rig.keyboard.clearReceived();
        click (*rig.panel, ui::sendButton);
        ASSERT_TRUE (rig.ports.waitUntilIdle());

        EXPECT_TRUE (dialogs.boxes.empty());
        expectCleanSendEndingWithTheStore (rig.keyboard, rig.ports);

        // The LED's number -1 stays in the model and is not sent.
        EXPECT_EQ (rig.panel->getManager().getParamForItem (ItemParam::number, 99), -1);
        EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::number, 99), 0);
        EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::mode, 99), 1);

        if (loadFile)
        {
            // Item 1 keeps the keyboard's own mode, channel and maximum.
            EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::mode, 1), 1);
            EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::channel, 1), 0);
            EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::number, 1), 60);
            EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::maxMsb, 1), 127);
        }
    }
}

TEST (PanelButtons, SaveGivesTheFileItsExtension)
{
    struct Row
    {
        const char* chosen;
        const char* written;
    };

    for (const auto& row : { Row { "setup.txt", "setup.vt49" }, Row { "setup", "setup.vt49" },
                             Row { "setup.vt49", "setup.vt49" } })
    {
        SCOPED_TRACE (row.chosen);
        TempFolder temp;
        RecordingDialogs dialogs;
        NoPortsRig rig { dialogs };
        dialogs.fileAnswers.push_back (temp.folder.getChildFile (row.chosen));

        click (rig.panel, ui::saveButton);

        ASSERT_EQ (dialogs.choosers.size(), 1u);
        const auto& chooser = dialogs.choosers[0];
        EXPECT_TRUE (chooser.forSaving);
        EXPECT_EQ (chooser.title, "Please select the settings file where to save...");
        EXPECT_EQ (chooser.patterns, "*.vt49");
        EXPECT_EQ (chooser.startingPlace, documents());
        EXPECT_TRUE (chooser.warnAboutOverwriting);

        const auto files = temp.folder.findChildFiles (juce::File::findFiles, false);
        ASSERT_EQ (files.size(), 1);
        EXPECT_EQ (files[0].getFileName(), row.written);
        EXPECT_TRUE (files[0].loadFileAsString().contains ("<Settings>"));
        EXPECT_TRUE (dialogs.boxes.empty());
    }
}

TEST (PanelButtons, AnExistingFileThatTheNewExtensionNamesIsReplacedOnlyWhenConfirmed)
{
    for (const bool confirmed : { false, true })
    {
        SCOPED_TRACE (confirmed);
        TempFolder temp;
        const auto existing = temp.folder.getChildFile ("setup.vt49");
        ASSERT_TRUE (existing.replaceWithText ("earlier settings"));

        RecordingDialogs dialogs;
        NoPortsRig rig { dialogs };
        dialogs.answerOk = confirmed;
        dialogs.fileAnswers.push_back (temp.folder.getChildFile ("setup.txt"));

        click (rig.panel, ui::saveButton);

        ASSERT_EQ (dialogs.boxes.size(), 1u);
        EXPECT_EQ (dialogs.boxes[0].title, "File already exists");
        EXPECT_EQ (dialogs.boxes[0].message, "There's already a file called: " + existing.getFullPathName()
                                                 + "\n\nAre you sure you want to overwrite it?");
        EXPECT_EQ (existing.loadFileAsString().contains ("<Settings>"), confirmed);
    }
}

TEST (PanelButtons, SavedSettingsLoadIntoAnotherPanel)
{
    TempFolder temp;
    RecordingDialogs dialogs;
    const auto file = temp.folder.getChildFile ("mine.vt49");

    NoPortsRig first { dialogs };
    first.panel.getManager().setParamForItem (ItemParam::mode, 0x21, 4);
    first.panel.getManager().globals[GlobalSetting::splitPoint] = 50;
    dialogs.fileAnswers.push_back (file);
    click (first.panel, ui::saveButton);

    NoPortsRig second { dialogs };
    combo (second.panel, ui::lowerChannelCombo).setSelectedItemIndex (2, juce::sendNotification);
    flushMessages();
    dialogs.fileAnswers.push_back (file);
    click (second.panel, ui::loadButton);

    ASSERT_EQ (dialogs.choosers.size(), 2u);
    EXPECT_FALSE (dialogs.choosers[1].forSaving);
    EXPECT_EQ (dialogs.choosers[1].title, "Please select the settings file you want to load...");
    EXPECT_EQ (dialogs.choosers[1].patterns, "*.vt49");
    EXPECT_EQ (dialogs.choosers[1].startingPlace, documents());

    EXPECT_EQ (second.panel.getManager().getParamForItem (ItemParam::mode, 0x21), 4);
    EXPECT_EQ (second.panel.getManager().globals[GlobalSetting::splitPoint], 50);

    // Not connected: the box instead of a refresh, and the global boxes keep their choices.
    ASSERT_EQ (dialogs.boxes.size(), 1u);
    EXPECT_EQ (dialogs.boxes[0].title, "Keyboard Problem");
    EXPECT_EQ (dialogs.boxes[0].message, notDetected);
    EXPECT_EQ (combo (second.panel, ui::lowerChannelCombo).getText(), "3");
    EXPECT_EQ (combo (second.panel, ui::splitPointCombo).getText(), "");
}

TEST (PanelButtons, LoadWithTheKeyboardConnectedRefreshesTheGlobals)
{
    TempFolder temp;
    RecordingDialogs dialogs;
    const auto file = temp.folder.getChildFile ("mine.vt49");

    NoPortsRig source { dialogs };
    source.panel.getManager().globals[GlobalSetting::midiChannel] = 11;
    dialogs.fileAnswers.push_back (file);
    click (source.panel, ui::saveButton);

    KeyboardRig rig { dialogs };
    ASSERT_TRUE (rig.readKeyboard());
    dialogs.fileAnswers.push_back (file);
    click (*rig.panel, ui::loadButton);

    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (combo (*rig.panel, ui::upperChannelCombo).getText(), "12");
}

TEST (PanelButtons, CancelledChoosersChangeNothing)
{
    RecordingDialogs dialogs;
    NoPortsRig rig { dialogs };
    const auto before = rig.panel.getManager().getParamForItem (ItemParam::mode, 0x21);

    for (WidgetMember button : { ui::saveButton, ui::loadButton, ui::chartButton })
        click (rig.panel, button);

    EXPECT_EQ (dialogs.choosers.size(), 3u);
    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (rig.panel.getManager().getParamForItem (ItemParam::mode, 0x21), before);
}

TEST (PanelButtons, ChartIsWrittenAsHtml)
{
    TempFolder temp;
    RecordingDialogs dialogs;
    NoPortsRig rig { dialogs };
    dialogs.fileAnswers.push_back (temp.folder.getChildFile ("chart.txt"));

    click (rig.panel, ui::chartButton);

    ASSERT_EQ (dialogs.choosers.size(), 1u);
    EXPECT_EQ (dialogs.choosers[0].title, "Please select the chart file...");
    EXPECT_EQ (dialogs.choosers[0].patterns, "*.html");
    EXPECT_TRUE (dialogs.choosers[0].warnAboutOverwriting);

    const auto chart = temp.folder.getChildFile ("chart.html");
    EXPECT_TRUE (chart.loadFileAsString().startsWith ("<?xml"));
    EXPECT_FALSE (temp.folder.getChildFile ("chart.txt").exists());
}

TEST (PanelButtons, FilesThatCannotBeWrittenOrReadAreToldAndChangeNothing)
{
    TempFolder temp;
    const auto notAFolder = temp.folder.getChildFile ("plain");
    ASSERT_TRUE (notAFolder.replaceWithText ("x"));
    const auto garbage = temp.folder.getChildFile ("garbage.vt49");
    ASSERT_TRUE (garbage.replaceWithText ("this is no settings file"));

    struct Row
    {
        WidgetMember button;
        juce::File answer;
        const char* message;
    };

    const Row rows[] {
        { ui::saveButton, notAFolder.getChildFile ("setup.vt49"),
          "The settings file can't be written. Please choose another place and try again." },
        { ui::chartButton, notAFolder.getChildFile ("chart.html"),
          "The chart file can't be written. Please choose another place and try again." },
        { ui::loadButton, garbage, "The settings file can't be read, so nothing has been loaded." },
        { ui::loadButton, temp.folder.getChildFile ("missing.vt49"),
          "The settings file can't be read, so nothing has been loaded." },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.message);
        RecordingDialogs dialogs;
        NoPortsRig rig { dialogs };
        auto& manager = rig.panel.getManager();
        manager.setParamForItem (ItemParam::mode, 0x21, 4);
        manager.globals[GlobalSetting::splitPoint] = 50;
        dialogs.fileAnswers.push_back (row.answer);

        click (rig.panel, row.button);

        ASSERT_EQ (dialogs.boxes.size(), 1u);
        EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::WarningIcon);
        EXPECT_EQ (dialogs.boxes[0].title, "File Problem");
        EXPECT_EQ (dialogs.boxes[0].message, row.message);
        EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x21), 4);
        EXPECT_EQ (manager.globals[GlobalSetting::splitPoint], 50);
    }

    EXPECT_EQ (notAFolder.loadFileAsString(), "x");
}
