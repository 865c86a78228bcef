#include "KbdSettingComponent49TestSupport.h"

#include "ZelMidiMessage49.h"

namespace
{
using Message = juce::MidiMessage;
using M = ZelMidiMessage49;

std::vector<Message> ledsOff()
{
    std::vector<Message> leds;
    for (int led = 99; led <= 106; ++led)
        leds.push_back (M::LedStateSet (led, 0));
    return leds;
}

void expectMessages (const std::vector<Message>& actual, const std::vector<Message>& expected)
{
    ASSERT_EQ (actual.size(), expected.size());

    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE (sameBytes (actual[i], expected[i])) << "message " << i << ": " << hex (actual[i])
                                                         << " instead of " << hex (expected[i]);
}

juce::MidiMessage identityReply()
{
    const juce::uint8 bytes[] { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x00, 0x3F, 0x6E, 0x02, 0x00, 0x03, 0x00,
                                0x01, 0x00, 0x04, 0x00, 0xF7 };
    return juce::MidiMessage (bytes, (int) sizeof (bytes));
}
} // namespace

TEST (Panel49ReadChain, ReadsTheWholeSetupInOrderAndShowsTheKeyboardsGlobals)
{
    ScopedApplicationLook look;
    RecordingDialogs dialogs;
    EarlierKeyboardRig rig { dialogs };

    struct GlobalRow
    {
        int global, value;
        WidgetMember box;
        const char* shown;
    };

    const GlobalRow globals[] { { GlobalSetting::lowerPartChannel, 3, ui49::lowerChannelCombo, "4" },
                                { GlobalSetting::midiChannel, 9, ui49::upperChannelCombo, "10" },
                                { GlobalSetting::knobRelativeMode, 127, ui49::knobModeCombo, "Relative" },
                                { GlobalSetting::faderMode, 127, ui49::faderModeCombo, "Drawbar" },
                                { GlobalSetting::splitMode, 127, ui49::splitModeCombo, "On" },
                                { GlobalSetting::splitPoint, 72, ui49::splitPointCombo, "C4" } };

    for (const auto& row : globals)
        rig.keyboard.setGlobal (row.global, row.value);

    rig.keyboard.setItem (0x4F, { 4, 64, 35, 10, 100, 0 });

    ASSERT_TRUE (rig.readKeyboard());

    auto chain = std::vector<Message> { M::ControllerNumberRequest (0),
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
    for (const auto& led : ledsOff())
        chain.push_back (led);

    expectMessages (rig.protocolReceived(), chain);

    auto& panel = *rig.panel;
    auto& manager = panel.getManager();

    for (const auto& row : globals)
    {
        EXPECT_EQ (combo (panel, row.box).getText(), row.shown);
        EXPECT_EQ (manager.globals[row.global], row.value); // stored back unchanged by the boxes' change reports
    }

    EXPECT_TRUE (dialogs.boxes.empty());

    // What a user sees after the read, with the tempo slider picked on the picture.
    auto& picture = widget<juce::Component> (panel, ui49::picker);
    dynamic_cast<juce::Button&> (*picture.getChildComponent (30)).triggerClick();
    flushMessages();
    EXPECT_EQ (editorText (panel, ui49::nameEditor), "Tempo");
    EXPECT_EQ (combo (panel, ui49::modeCombo).getText(), "NRPN");
    EXPECT_EQ (combo (panel, ui49::channelCombo).getText(), "Lower");
    EXPECT_EQ (combo (panel, ui49::ccNumberCombo).getText(), "35 - Undefined");

    // Next to the test binary, wherever it is run from: never into the source tree.
    const auto screenshot = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                                .getSiblingFile ("panel49-after-read-chain.png");
    screenshot.deleteFile();
    juce::FileOutputStream out (screenshot);
    ASSERT_TRUE (out.openedOk());
    EXPECT_TRUE (juce::PNGImageFormat().writeImageToStream (paintPanel (panel), out));
}

TEST (Panel49ReadChain, AKeyboardThatNeverAnswersGivesOneBox)
{
    RecordingDialogs dialogs;
    EarlierKeyboardRig rig { dialogs };
    rig.keyboard.setSilent (true);
    rig.panel = std::make_unique<KbdSettingComponent49> (rig.ports, rig.clock, rig.dialogs);

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
    EXPECT_EQ (dialogs.boxes[0].message, notDetected);
    EXPECT_TRUE (manager.autoRedetect);

    for (WidgetMember box : { ui49::lowerChannelCombo, ui49::upperChannelCombo, ui49::splitPointCombo })
        EXPECT_EQ (combo (*rig.panel, box).getText(), "");
}

TEST (Panel49ReadChain, NoMidiPortAtAllShowsNothing)
{
    RecordingDialogs dialogs;
    EarlierNoPortsRig rig { dialogs };
    flushMessages();

    EXPECT_TRUE (dialogs.boxes.empty());
    EXPECT_TRUE (rig.ports.getSent().empty());
}

//==============================================================================
/** A panel connected to a keyboard that records but does not answer, so
    that the test hands the info codes to the panel itself. */
class Panel49ChainSteps : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rig.keyboard.setSilent (true);
        rig.panel = std::make_unique<KbdSettingComponent49> (rig.ports, rig.clock, rig.dialogs);
        rig.ports.deliver ("Quillary MIDI In", identityReply());
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

    EarlierKeyboardRig rig;
};

TEST_F (Panel49ChainSteps, EachReplySendsTheNextRequest)
{
    struct Step
    {
        int code, a;
        std::vector<Message> sent;
    };

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
        { InfoCode::octaveShiftReceived, 0, ledsOff() },
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

TEST_F (Panel49ChainSteps, GlobalWidgetsAreRefreshedAfterTheLastGlobalSettingOnTheMessageThread)
{
    rig.panel->getManager().globals[GlobalSetting::lowerPartChannel] = 7;
    step (InfoCode::globalSettingReceived, GlobalSetting::splitPoint);
    EXPECT_EQ (combo (*rig.panel, ui49::lowerChannelCombo).getText(), "");

    flushMessages();
    EXPECT_EQ (combo (*rig.panel, ui49::lowerChannelCombo).getText(), "8");
}

class Panel49ChainStopsOnOtherParameters : public Panel49ChainSteps,
                                           public ::testing::WithParamInterface<int>
{
};

TEST_P (Panel49ChainStopsOnOtherParameters, AndSendsNothingMore)
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

INSTANTIATE_TEST_SUITE_P (Parameters, Panel49ChainStopsOnOtherParameters, ::testing::Values (ItemParam::number, ItemParam::option));
