#include "KbdSettingComponent49TestSupport.h"

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

    juce::File folder = juce::File::createTempFile ("panel49");
};

struct GlobalRow
{
    int global, value;
    WidgetMember box;
    const char* shown;
};

const GlobalRow defaultGlobals[] { { GlobalSetting::lowerPartChannel, 0, ui49::lowerChannelCombo, "1" },
                                   { GlobalSetting::midiChannel, 0, ui49::upperChannelCombo, "1" },
                                   { GlobalSetting::knobRelativeMode, 1, ui49::knobModeCombo, "Absolute" },
                                   { GlobalSetting::faderMode, 1, ui49::faderModeCombo, "Normal" },
                                   { GlobalSetting::splitMode, 1, ui49::splitModeCombo, "Off" },
                                   { GlobalSetting::splitPoint, 60, ui49::splitPointCombo, "C3" } };
} // namespace

TEST (Panel49Buttons, DefaultsRestoreTheFactoryMappingAndGlobals)
{
    EarlierNoPortsRig rig;
    auto& panel = rig.panel;
    auto& manager = panel.getManager();
    ZelManager49 factory (nullptr, rig.ports, rig.clock);

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        manager.setParamForItem (p, 0x4F, 3);

    for (int g : { 1, 2, 5, 6, 7, 8 })
        manager.globals[g] = 127;

    panel.actionListenerCallback ("0x4F");
    flushMessages();
    click (panel, ui49::defaultButton);

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        EXPECT_EQ (manager.getParamForItem (p, 0x4F), factory.getParamForItem (p, 0x4F)) << "parameter " << p;

    for (const auto& row : defaultGlobals)
    {
        EXPECT_EQ (manager.globals[row.global], row.value);
        EXPECT_EQ (combo (panel, row.box).getText(), row.shown);
    }

    // The current control shows its factory values.
    EXPECT_EQ (combo (panel, ui49::modeCombo).getText(),
               combo (panel, ui49::modeCombo).getItemText (factory.getParamForItem (ItemParam::mode, 0x4F)));
    EXPECT_EQ (combo (panel, ui49::ccNumberCombo).getSelectedItemIndex(), factory.getParamForItem (ItemParam::number, 0x4F));
    EXPECT_TRUE (rig.ports.getSent().empty());
}

TEST (Panel49Buttons, DefaultsWithNoControlPickedSetTheGlobalsAndLeaveTheParameterBoxesEmpty)
{
    EarlierNoPortsRig rig;
    click (rig.panel, ui49::defaultButton);

    for (WidgetMember box : { ui49::modeCombo, ui49::channelCombo, ui49::ccNumberCombo, ui49::minLsbCombo, ui49::maxMsbCombo })
        EXPECT_EQ (combo (rig.panel, box).getText(), "");

    for (const auto& row : defaultGlobals)
        EXPECT_EQ (combo (rig.panel, row.box).getText(), row.shown);

    EXPECT_EQ (editorText (rig.panel, ui49::nameEditor), "<Click a Control>");
}

TEST (Panel49Buttons, SendWithoutAKeyboardShowsTheBoxAndSendsNothing)
{
    struct NoReceiver final : juce::MidiInputCallback
    {
        void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override {}
    };

    for (const bool detected : { false, true })
    {
        SCOPED_TRACE (detected ? "ports closed by burn mode" : "never detected");
        RecordingDialogs dialogs;
        EarlierKeyboardRig rig { dialogs };
        NoReceiver receiver;

        if (detected)
        {
            // Burn mode without a loader port closes the keyboard's ports; the link stays connected.
            ASSERT_TRUE (rig.readKeyboard());
            auto& manager = rig.panel->getManager();
            ASSERT_FALSE (manager.SetBurnMode (&receiver, "USB MIDI Device"));
            manager.SetBurnMode (nullptr, "USB MIDI Device");
            ASSERT_TRUE (manager.connected);
        }
        else
        {
            rig.keyboard.setSilent (true);
            rig.panel = std::make_unique<KbdSettingComponent49> (rig.ports, rig.clock, rig.dialogs);
        }

        rig.keyboard.clearReceived();
        click (*rig.panel, ui49::sendButton);
        ASSERT_TRUE (rig.ports.waitUntilIdle());

        ASSERT_EQ (dialogs.boxes.size(), 1u);
        EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::InfoIcon);
        EXPECT_EQ (dialogs.boxes[0].title, "Keyboard Problem");
        EXPECT_EQ (dialogs.boxes[0].message, "The keyboard has not been detected, so it can't be set.");
        EXPECT_TRUE (rig.keyboard.getReceived().empty());
    }
}

TEST (Panel49Buttons, SendDeliversTheWholeSetupAndTheStoreRequest)
{
    RecordingDialogs dialogs;
    EarlierKeyboardRig rig { dialogs };
    ASSERT_TRUE (rig.readKeyboard());
    auto& panel = *rig.panel;
    auto& manager = panel.getManager();

    panel.actionListenerCallback ("0x70");
    flushMessages();
    combo (panel, ui49::modeCombo).setSelectedItemIndex (10, juce::sendNotification);
    combo (panel, ui49::channelCombo).setSelectedItemIndex (19, juce::sendNotification);
    combo (panel, ui49::upperChannelCombo).setSelectedItemIndex (6, juce::sendNotification);
    flushMessages();

    rig.keyboard.clearReceived();
    click (panel, ui49::sendButton);
    ASSERT_TRUE (rig.ports.waitUntilIdle());

    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::mode, 0x70), 10);
    EXPECT_EQ (rig.keyboard.getItemParam (ItemParam::channel, 0x70), 126);
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

TEST (Panel49Buttons, SendAfterDefaultsOrAFileOutsideADataByteDeliversOnlyCleanSysEx)
{
    TempFolder temp;
    const auto file = temp.folder.getChildFile ("wide.vuk49");
    ASSERT_TRUE (file.replaceWithText (kSettingsOutsideADataByte));

    for (const bool loadFile : { false, true })
    {
        SCOPED_TRACE (loadFile ? "loaded file" : "defaults");
        RecordingDialogs dialogs;
        EarlierKeyboardRig rig { dialogs };
        ASSERT_TRUE (rig.readKeyboard());

        if (loadFile)
        {
            dialogs.fileAnswers.push_back (file);
            click (*rig.panel, ui49::loadButton);
        }
        else
        {
            click (*rig.panel, ui49::defaultButton);
        }

        rig.keyboard.clearReceived();
        click (*rig.panel, ui49::sendButton);
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

TEST (Panel49Buttons, SaveAndChartGiveTheFileItsExtension)
{
    struct Row
    {
        WidgetMember button;
        const char* chosen;
        const char* written;
        const char* title;
        const char* pattern;
        const char* content;
    };

    const char* const settingsTitle = "Please select the settings file where to save...";
    const char* const chartTitle = "Please select the chart file...";

    for (const auto& row : { Row { ui49::saveButton, "setup.txt", "setup.vuk49", settingsTitle, "*.vuk49", "<Settings>" },
                             Row { ui49::saveButton, "setup", "setup.vuk49", settingsTitle, "*.vuk49", "<Settings>" },
                             Row { ui49::saveButton, "setup.vt49", "setup.vuk49", settingsTitle, "*.vuk49", "<Settings>" },
                             Row { ui49::saveButton, "setup.vuk49", "setup.vuk49", settingsTitle, "*.vuk49", "<Settings>" },
                             Row { ui49::chartButton, "chart.txt", "chart.html", chartTitle, "*.html", "<table" },
                             Row { ui49::chartButton, "chart", "chart.html", chartTitle, "*.html", "<table" } })
    {
        SCOPED_TRACE (row.chosen);
        TempFolder temp;
        RecordingDialogs dialogs;
        EarlierNoPortsRig rig { dialogs };
        dialogs.fileAnswers.push_back (temp.folder.getChildFile (row.chosen));

        click (rig.panel, row.button);

        ASSERT_EQ (dialogs.choosers.size(), 1u);
        const auto& chooser = dialogs.choosers[0];
        EXPECT_TRUE (chooser.forSaving);
        EXPECT_EQ (chooser.title, row.title);
        EXPECT_EQ (chooser.patterns, row.pattern);
        EXPECT_EQ (chooser.startingPlace, documents());
        EXPECT_TRUE (chooser.warnAboutOverwriting);

        const auto files = temp.folder.findChildFiles (juce::File::findFiles, false);
        ASSERT_EQ (files.size(), 1);
        EXPECT_EQ (files[0].getFileName(), row.written);
        EXPECT_TRUE (files[0].loadFileAsString().startsWith ("<?xml"));
        EXPECT_TRUE (files[0].loadFileAsString().contains (row.content));
        EXPECT_TRUE (dialogs.boxes.empty());
    }
}

TEST (Panel49Buttons, AnExistingFileThatTheNewExtensionNamesIsReplacedOnlyWhenConfirmed)
{
    for (const bool confirmed : { false, true })
    {
        SCOPED_TRACE (confirmed);
        TempFolder temp;
        const auto existing = temp.folder.getChildFile ("setup.vuk49");
        ASSERT_TRUE (existing.replaceWithText ("earlier settings"));

        RecordingDialogs dialogs;
        EarlierNoPortsRig rig { dialogs };
        dialogs.answerOk = confirmed;
        dialogs.fileAnswers.push_back (temp.folder.getChildFile ("setup.txt"));

        click (rig.panel, ui49::saveButton);

        ASSERT_EQ (dialogs.boxes.size(), 1u);
        EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::WarningIcon);
        EXPECT_EQ (dialogs.boxes[0].title, "File already exists");
        EXPECT_EQ (dialogs.boxes[0].message, "There's already a file called: " + existing.getFullPathName()
                                                 + "\n\nAre you sure you want to overwrite it?");
        EXPECT_EQ (existing.loadFileAsString().contains ("<Settings>"), confirmed);
    }
}

TEST (Panel49Buttons, SavedSettingsLoadIntoAnotherPanelAndTheBoxTellsThatNoKeyboardIsThere)
{
    TempFolder temp;
    RecordingDialogs dialogs;
    const auto file = temp.folder.getChildFile ("mine.vuk49");

    EarlierNoPortsRig first { dialogs };
    first.panel.getManager().setParamForItem (ItemParam::mode, 0x4F, 4);
    first.panel.getManager().globals[GlobalSetting::splitPoint] = 50;
    dialogs.fileAnswers.push_back (file);
    click (first.panel, ui49::saveButton);

    EarlierNoPortsRig second { dialogs };
    combo (second.panel, ui49::lowerChannelCombo).setSelectedItemIndex (2, juce::sendNotification);
    flushMessages();
    dialogs.fileAnswers.push_back (file);
    click (second.panel, ui49::loadButton);

    ASSERT_EQ (dialogs.choosers.size(), 2u);
    EXPECT_FALSE (dialogs.choosers[1].forSaving);
    EXPECT_EQ (dialogs.choosers[1].title, "Please select the settings file you want to load...");
    EXPECT_EQ (dialogs.choosers[1].patterns, "*.vuk49");
    EXPECT_EQ (dialogs.choosers[1].startingPlace, documents());

    EXPECT_EQ (second.panel.getManager().getParamForItem (ItemParam::mode, 0x4F), 4);
    EXPECT_EQ (second.panel.getManager().globals[GlobalSetting::splitPoint], 50);

    // Not connected: the box instead of a refresh, and the global boxes keep their choices.
    ASSERT_EQ (dialogs.boxes.size(), 1u);
    EXPECT_EQ (dialogs.boxes[0].title, "Keyboard Problem");
    EXPECT_EQ (dialogs.boxes[0].message, notDetected);
    EXPECT_EQ (combo (second.panel, ui49::lowerChannelCombo).getText(), "3");
    EXPECT_EQ (combo (second.panel, ui49::splitPointCombo).getText(), "");
}

TEST (Panel49Buttons, LoadWithTheKeyboardConnectedRefreshesTheGlobals)
{
    TempFolder temp;
    RecordingDialogs dialogs;
    const auto file = temp.folder.getChildFile ("mine.vuk49");

    EarlierNoPortsRig source { dialogs };
    source.panel.getManager().globals[GlobalSetting::midiChannel] = 11;
    dialogs.fileAnswers.push_back (file);
    click (source.panel, ui49::saveButton);

    EarlierKeyboardRig rig { dialogs };
    ASSERT_TRUE (rig.readKeyboard());
    dialogs.fileAnswers.push_back (file);
    click (*rig.panel, ui49::loadButton);

    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (combo (*rig.panel, ui49::upperChannelCombo).getText(), "12");
}

TEST (Panel49Buttons, CancelledChoosersChangeNothing)
{
    RecordingDialogs dialogs;
    EarlierNoPortsRig rig { dialogs };
    rig.panel.getManager().setParamForItem (ItemParam::mode, 0x4F, 4);

    for (WidgetMember button : { ui49::saveButton, ui49::loadButton, ui49::chartButton })
        click (rig.panel, button);

    EXPECT_EQ (dialogs.choosers.size(), 3u);
    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_EQ (rig.panel.getManager().getParamForItem (ItemParam::mode, 0x4F), 4);
}

TEST (Panel49Buttons, FilesThatCannotBeWrittenOrReadAreToldAndChangeNothing)
{
    TempFolder temp;
    const auto notAFolder = temp.folder.getChildFile ("plain");
    ASSERT_TRUE (notAFolder.replaceWithText ("x"));
    const auto garbage = temp.folder.getChildFile ("garbage.vuk49");
    ASSERT_TRUE (garbage.replaceWithText ("this is no settings file"));

    struct Row
    {
        WidgetMember button;
        juce::File answer;
        const char* message;
    };

    const Row rows[] {
        { ui49::saveButton, notAFolder.getChildFile ("setup.vuk49"),
          "The settings file can't be written. Please choose another place and try again." },
        { ui49::chartButton, notAFolder.getChildFile ("chart.html"),
          "The chart file can't be written. Please choose another place and try again." },
        { ui49::loadButton, garbage, "The settings file can't be read, so nothing has been loaded." },
        { ui49::loadButton, temp.folder.getChildFile ("missing.vuk49"),
          "The settings file can't be read, so nothing has been loaded." },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.message);
        RecordingDialogs dialogs;
        EarlierNoPortsRig rig { dialogs };
        auto& manager = rig.panel.getManager();
        manager.setParamForItem (ItemParam::mode, 0x4F, 4);
        manager.globals[GlobalSetting::splitPoint] = 50;
        dialogs.fileAnswers.push_back (row.answer);

        click (rig.panel, row.button);

        ASSERT_EQ (dialogs.boxes.size(), 1u);
        EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::WarningIcon);
        EXPECT_EQ (dialogs.boxes[0].title, "File Problem");
        EXPECT_EQ (dialogs.boxes[0].message, row.message);
        EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x4F), 4);
        EXPECT_EQ (manager.globals[GlobalSetting::splitPoint], 50);
    }

    EXPECT_EQ (notAFolder.loadFileAsString(), "x");
}
