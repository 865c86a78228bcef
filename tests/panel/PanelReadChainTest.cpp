#include "PanelTestSupport.h"

#include "ZelMidiMessage49.h"

namespace
{
using Message = juce::MidiMessage;
using M = ZelMidiMessage49;

std::vector<Message> expectedChain()
{
    std::vector<Message> chain { M::ControllerNumberRequest (0),
                                 M::ItemParamRequest (ItemParam::mode, 0, 0),
                                 M::ItemParamRequest (ItemParam::channel, 0, 0),
                                 M::ItemParamRequest (ItemParam::minLsb, 0, 0),
                                 M::ItemParamRequest (ItemParam::maxMsb, 0, 0),
                                 M::MidiChannelRequest(), M::RelativeModeRequest(),
                                 M::GlobalParamRequest (GlobalSetting::lowerPartChannel),
                                 M::GlobalParamRequest (GlobalSetting::faderMode),
                                 M::GlobalParamRequest (GlobalSetting::splitMode),
                                 M::GlobalParamRequest (GlobalSetting::splitPoint),
                                 M::OctaveShiftRequest() };

    for (int led = 99; led <= 106; ++led)
        chain.push_back (M::LedStateSet (led, 0));

    return chain;
}

void expectMessages (const std::vector<Message>& actual, const std::vector<Message>& expected)
{
    ASSERT_EQ (actual.size(), expected.size());

    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE (sameBytes (actual[i], expected[i])) << "message " << i << ": " << hex (actual[i])
                                                         << " instead of " << hex (expected[i]);
}

juce::MidiMessage identityReply (std::array<juce::uint8, 4> firmware)
{
    const juce::uint8 bytes[] { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x03, 0x00,
                                firmware[0], firmware[1], firmware[2], firmware[3], 0xF7 };
    return juce::MidiMessage (bytes, (int) sizeof (bytes));
}

/** Records on which thread the firmware text was written. */
struct ThreadCheck : juce::TextEditor::Listener
{
    void textEditorTextChanged (juce::TextEditor&) override
    {
        ++changes;
        onMessageThread = onMessageThread && juce::MessageManager::existsAndIsCurrentThread() && ! ports->isInputThread();
    }

    SimMidiPorts* ports;
    int changes = 0;
    bool onMessageThread = true;
};
} // namespace

TEST (PanelReadChain, ReadsTheWholeSetupInOrderAndShowsTheKeyboardsGlobals)
{
    ScopedApplicationLook look;
    RecordingDialogs dialogs;
    KeyboardRig rig { dialogs };
    rig.keyboard.setIdentity (3, 0, { 0, 1, 2, 3 });

    struct GlobalRow
    {
        int global, value;
        WidgetMember box;
        const char* shown;
    };

    const GlobalRow globals[] { { GlobalSetting::lowerPartChannel, 3, ui::lowerChannelCombo, "4" },
                                { GlobalSetting::midiChannel, 9, ui::upperChannelCombo, "10" },
                                { GlobalSetting::knobRelativeMode, 127, ui::knobModeCombo, "Relative" },
                                { GlobalSetting::faderMode, 127, ui::faderModeCombo, "Drawbar" },
                                { GlobalSetting::splitMode, 127, ui::splitModeCombo, "On" },
                                { GlobalSetting::splitPoint, 72, ui::splitPointCombo, "C4" } };

    for (const auto& row : globals)
        rig.keyboard.setGlobal (row.global, row.value);

    rig.keyboard.setItem (0x21, { 4, 64, 35, 10, 100, 0 });

    ASSERT_TRUE (rig.readKeyboard());
    expectMessages (rig.protocolReceived(), expectedChain());

    auto& panel = *rig.panel;
    auto& manager = panel.getManager();

    for (const auto& row : globals)
    {
        EXPECT_EQ (combo (panel, row.box).getText(), row.shown);
        EXPECT_EQ (manager.globals[row.global], row.value); // stored back unchanged by the boxes' change reports
    }

    EXPECT_EQ (editorText (panel, ui::firmwareEditor), "1.23");
    EXPECT_TRUE (dialogs.boxes.empty());

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        EXPECT_EQ (manager.getParamForItem (p, 0x21), rig.keyboard.getItemParam (p, 0x21)) << "parameter " << p;

    // What a user sees after the read, with a control picked on the picture: Shift, then Cutoff.
    auto& picture = widget<juce::Component> (panel, ui::picker);
    dynamic_cast<juce::Button&> (*picture.getChildComponent (65)).triggerClick();
    flushMessages();
    dynamic_cast<juce::Button&> (*picture.getChildComponent (2)).triggerClick();
    flushMessages();
    EXPECT_EQ (editorText (panel, ui::nameEditor), "Bnk2:P1");
    EXPECT_EQ (combo (panel, ui::channelCombo).getText(), "Lower");
    EXPECT_EQ (combo (panel, ui::modeCombo).getText(), "NRPN");

    // Next to the test binary, wherever it is run from: never into the source tree.
    const auto screenshot = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                                .getSiblingFile ("panel-after-read-chain.png");
    screenshot.deleteFile();
    juce::FileOutputStream out (screenshot);
    ASSERT_TRUE (out.openedOk());
    EXPECT_TRUE (juce::PNGImageFormat().writeImageToStream (paintPanel (panel), out));
}

TEST (PanelReadChain, WidgetsAreWrittenOnTheMessageThreadOnly)
{
    KeyboardRig rig;
    ThreadCheck check;
    check.ports = &rig.ports;
    rig.keyboard.setSilent (true);
    rig.panel = std::make_unique<KbdSettingComponentVT49> (rig.ports, rig.clock, rig.dialogs);
    widget<juce::TextEditor> (*rig.panel, ui::firmwareEditor).addListener (&check);

    // Let the replies arrive on the port system's input thread.
    rig.keyboard.setSilent (false);
    rig.ports.deliver ("Orlune MIDI In", identityReply ({ 0, 2, 0, 7 }));
    ASSERT_TRUE (runUntil ([&] { return rig.ledsSwitchedOff() == 8; }));
    flushMessages();

    EXPECT_EQ (check.changes, 1);
    EXPECT_TRUE (check.onMessageThread);
    EXPECT_EQ (editorText (*rig.panel, ui::firmwareEditor), "2.07");
}

TEST (PanelReadChain, FirmwareRevisionText)
{
    struct Row
    {
        std::array<juce::uint8, 4> bytes;
        const char* text;
    };

    for (const auto& row : { Row { { 0, 1, 2, 3 }, "1.23" }, Row { { 0, 1, 0, 5 }, "1.05" },
                             Row { { 2, 1, 0, 5 }, "2.1.05" }, Row { { 0, 10, 11, 12 }, "10.1112" } })
    {
        KeyboardRig rig;
        rig.keyboard.setIdentity (3, 0, row.bytes);
        ASSERT_TRUE (rig.readKeyboard());
        EXPECT_EQ (editorText (*rig.panel, ui::firmwareEditor), row.text);
    }
}

TEST (PanelReadChain, AKeyboardThatNeverAnswersGivesOneBox)
{
    RecordingDialogs dialogs;
    KeyboardRig rig { dialogs };
    rig.keyboard.setSilent (true);
    rig.panel = std::make_unique<KbdSettingComponentVT49> (rig.ports, rig.clock, rig.dialogs);

    // Two passes over the one output, one detection tick every 2000 ms, until detection stops.
    auto& manager = rig.panel->getManager();
    int ticks = 0;

    for (; manager.isTimerRunning() && ticks < 10; ++ticks)
    {
        rig.clock.advanceMilliseconds (2000);
        manager.timerCallback();
    }

    flushMessages();
    EXPECT_EQ (ticks, 2);

    ASSERT_EQ (dialogs.boxes.size(), 1u);
    EXPECT_EQ (dialogs.boxes[0].icon, juce::MessageBoxIconType::InfoIcon);
    EXPECT_EQ (dialogs.boxes[0].title, "Keyboard Problem");
    EXPECT_EQ (dialogs.boxes[0].message, "The keyboard has not been detected. Please correct the problem and try again.");
    EXPECT_TRUE (manager.autoRedetect);
    EXPECT_EQ (editorText (*rig.panel, ui::firmwareEditor), "Not detected yet");
}

TEST (PanelReadChain, NoMidiPortAtAllShowsNothing)
{
    RecordingDialogs dialogs;
    NoPortsRig rig { dialogs };
    flushMessages();

    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_TRUE (rig.ports.getSent().empty());
    EXPECT_EQ (editorText (rig.panel, ui::firmwareEditor), "Not detected yet");
}

//==============================================================================
/** A panel connected to a keyboard that records but does not answer, so
    that the test hands the info codes to the panel itself. */
class PanelChainSteps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rig.keyboard.setSilent (true);
        rig.panel = std::make_unique<KbdSettingComponentVT49> (rig.ports, rig.clock, rig.dialogs);
        rig.ports.deliver ("Orlune MIDI In", identityReply ({ 0, 1, 2, 3 }));
        ASSERT_TRUE (runUntil ([this] { return ! rig.protocolReceived().empty(); }));
        expectMessages (rig.protocolReceived(), { M::ControllerNumberRequest (0) });
    }

    /** What the panel sends for one info code. */
    std::vector<Message> step (int code, int a = 0)
    {
        rig.keyboard.clearReceived();
        rig.panel->ZelInfoReceived (code, a, 0, nullptr);
        return rig.protocolReceived();
    }

    KeyboardRig rig;
};

TEST_F (PanelChainSteps, EachReplySendsTheNextRequest)
{
    struct Step
    {
        int code, a;
        std::vector<Message> sent;
    };

    std::vector<Message> leds;
    for (int led = 99; led <= 106; ++led)
        leds.push_back (M::LedStateSet (led, 0));

    const Step steps[] {
        { InfoCode::controllerNumbersReceived, 0, { M::ItemParamRequest (ItemParam::mode, 0, 0) } },
        { InfoCode::itemParameterReceived, ItemParam::mode, { M::ItemParamRequest (ItemParam::channel, 0, 0) } },
        { InfoCode::itemParameterReceived, ItemParam::channel, { M::ItemParamRequest (ItemParam::minLsb, 0, 0) } },
        { InfoCode::itemParameterReceived, ItemParam::minLsb, { M::ItemParamRequest (ItemParam::maxMsb, 0, 0) } },
        { InfoCode::itemParameterReceived, ItemParam::maxMsb, { M::MidiChannelRequest() } },
        { InfoCode::midiChannelReceived, 0, { M::RelativeModeRequest() } },
        { InfoCode::relativeModeReceived, 0, { M::GlobalParamRequest (GlobalSetting::lowerPartChannel) } },
        { InfoCode::globalSettingReceived, GlobalSetting::lowerPartChannel, { M::GlobalParamRequest (GlobalSetting::faderMode) } },
        { InfoCode::globalSettingReceived, GlobalSetting::faderMode, { M::GlobalParamRequest (GlobalSetting::splitMode) } },
        { InfoCode::globalSettingReceived, GlobalSetting::octaveShift, {} },
        { InfoCode::globalSettingReceived, GlobalSetting::splitMode, { M::GlobalParamRequest (GlobalSetting::splitPoint) } },
        { InfoCode::controlMoved, 0, {} },
        { InfoCode::globalSettingReceived, GlobalSetting::splitPoint, { M::OctaveShiftRequest() } },
        { InfoCode::octaveShiftReceived, 0, leds },
        // The chain has ended: replies send nothing further.
        { InfoCode::controllerNumbersReceived, 0, {} },
        { InfoCode::itemParameterReceived, ItemParam::mode, {} },
        { InfoCode::midiChannelReceived, 0, {} },
        { InfoCode::relativeModeReceived, 0, {} },
        { InfoCode::globalSettingReceived, GlobalSetting::lowerPartChannel, {} },
        { InfoCode::octaveShiftReceived, 0, {} },
        // A new connection starts it again.
        { InfoCode::connected, 0, { M::ControllerNumberRequest (0) } },
        { InfoCode::controllerNumbersReceived, 0, { M::ItemParamRequest (ItemParam::mode, 0, 0) } },
    };

    for (const auto& s : steps)
    {
        SCOPED_TRACE ("code " + std::to_string (s.code) + ", a " + std::to_string (s.a));
        expectMessages (step (s.code, s.a), s.sent);
    }
}

TEST_F (PanelChainSteps, GlobalWidgetsAreRefreshedAfterTheLastGlobalSettingOnTheMessageThread)
{
    rig.panel->getManager().globals[GlobalSetting::lowerPartChannel] = 7;
    step (InfoCode::globalSettingReceived, GlobalSetting::splitPoint);
    EXPECT_EQ (combo (*rig.panel, ui::lowerChannelCombo).getText(), "");
    EXPECT_EQ (editorText (*rig.panel, ui::firmwareEditor), "Not detected yet");

    flushMessages();
    EXPECT_EQ (combo (*rig.panel, ui::lowerChannelCombo).getText(), "8");
    EXPECT_EQ (editorText (*rig.panel, ui::firmwareEditor), "1.23");
}

class PanelChainStopsOnOtherParameters : public PanelChainSteps,
                                         public ::testing::WithParamInterface<int>
{
};

TEST_P (PanelChainStopsOnOtherParameters, AndSendsNothingMore)
{
    expectMessages (step (InfoCode::controllerNumbersReceived), { M::ItemParamRequest (ItemParam::mode, 0, 0) });
    expectMessages (step (InfoCode::itemParameterReceived, GetParam()), {});

    const std::pair<int, int> laterReplies[] { { InfoCode::itemParameterReceived, ItemParam::mode },
                                               { InfoCode::midiChannelReceived, 0 },
                                               { InfoCode::relativeModeReceived, 0 },
                                               { InfoCode::globalSettingReceived, GlobalSetting::lowerPartChannel },
                                               { InfoCode::octaveShiftReceived, 0 } };

    for (const auto& [code, a] : laterReplies)
        expectMessages (step (code, a), {});
}

INSTANTIATE_TEST_SUITE_P (Parameters, PanelChainStopsOnOtherParameters, ::testing::Values (ItemParam::number, ItemParam::option));
