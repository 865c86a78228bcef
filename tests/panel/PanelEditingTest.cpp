#include "PanelTestSupport.h"

namespace
{
class PanelEditing : public ::testing::Test
{
protected:
    void pick (const juce::String& message)
    {
        panel.actionListenerCallback (message);
        flushMessages();
    }

    void choose (WidgetMember box, int itemIndex)
    {
        combo (panel, box).setSelectedItemIndex (itemIndex, juce::sendNotification);
        flushMessages();
    }

    juce::String shown (WidgetMember box) { return combo (panel, box).getText(); }

    /** Parameters 1 to 5 of every control of the panel. */
    std::vector<int> modelSnapshot()
    {
        std::vector<int> values;
        for (const auto& [id, descriptor] : panel.getAllDescriptors())
            for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
                values.push_back (manager.getParamForItem (p, id));
        return values;
    }

    NoPortsRig rig;
    KbdSettingComponentVT49& panel = rig.panel;
    ZelManager49& manager = panel.getManager();
};

constexpr WidgetMember parameterBoxes[] { ui::modeCombo, ui::channelCombo, ui::ccNumberCombo, ui::minLsbCombo, ui::maxMsbCombo };
} // namespace

TEST_F (PanelEditing, ParameterBoxesChangeNothingBeforeAControlIsPicked)
{
    const auto before = modelSnapshot();

    for (WidgetMember box : parameterBoxes)
        choose (box, 3);

    EXPECT_EQ (modelSnapshot(), before);
    EXPECT_EQ (editorText (panel, ui::nameEditor), "<Click a Control>");
}

TEST_F (PanelEditing, PickerMessagesSelectKnownControlsByTheirLow16Bits)
{
    struct Row
    {
        const char* message;
        const char* shownName; // unchanged from the row before when the id is unknown
    };

    const Row rows[] {
        { "0x21", "Bnk2:P1" },
        { "0x70", "Pad 1" },
        { "0x35", "Pad 1" },   // no control of the panel
        { "shift", "Pad 1" },  // no hexadecimal digit: 0
        { "0X4b", "Bnk1:F5 - AMP. A" },
        { "0x41", "Pitch Wheel" },
        { "0x10040", "Modulation Wheel" },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.message);
        pick (row.message);
        EXPECT_EQ (editorText (panel, ui::nameEditor), row.shownName);
    }

    // The whole parsed value became the current control: edits go to 0x10040, not to the wheel.
    const int wheelMode = manager.getParamForItem (ItemParam::mode, 0x40);
    choose (ui::modeCombo, 3);
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x10040), 3);
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x40), wheelMode);
}

TEST_F (PanelEditing, AClickOnThePictureSelectsTheControl)
{
    auto& picture = widget<juce::Component> (panel, ui::picker);
    dynamic_cast<juce::Button&> (*picture.getChildComponent (0)).triggerClick(); // the modulation wheel
    flushMessages();

    EXPECT_EQ (editorText (panel, ui::nameEditor), "Modulation Wheel");
}

TEST_F (PanelEditing, BoxesShowTheControlsParametersAndWriteThemBack)
{
    const int item = 0x21;
    const int params[] { 2, 65, 35, 5, 100 };

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        manager.setParamForItem (p, item, params[p - ItemParam::first]);

    pick ("0x21");
    EXPECT_EQ (shown (ui::modeCombo), "Relative Control");
    EXPECT_EQ (shown (ui::channelCombo), "Upper");
    EXPECT_EQ (shown (ui::ccNumberCombo), "35 - Undefined");
    EXPECT_EQ (shown (ui::minLsbCombo), "5");
    EXPECT_EQ (shown (ui::maxMsbCombo), "100");

    struct Choice
    {
        WidgetMember box;
        int itemIndex, param, stored;
    };

    for (const auto& c : { Choice { ui::modeCombo, 4, ItemParam::mode, 4 },
                           Choice { ui::channelCombo, 19, ItemParam::channel, 126 },
                           Choice { ui::channelCombo, 18, ItemParam::channel, 127 },
                           Choice { ui::channelCombo, 16, ItemParam::channel, 64 },
                           Choice { ui::channelCombo, 17, ItemParam::channel, 65 },
                           Choice { ui::channelCombo, 9, ItemParam::channel, 9 },
                           Choice { ui::ccNumberCombo, 74, ItemParam::number, 74 },
                           Choice { ui::minLsbCombo, 10, ItemParam::minLsb, 10 },
                           Choice { ui::maxMsbCombo, 90, ItemParam::maxMsb, 90 } })
    {
        choose (c.box, c.itemIndex);
        EXPECT_EQ (manager.getParamForItem (c.param, item), c.stored) << "box " << c.box << " item " << c.itemIndex;
    }
}

TEST_F (PanelEditing, ChannelValuesAndWhatTheBoxStoresBack)
{
    struct Row
    {
        int value;
        const char* shown;
        int storedBack;
    };

    const Row rows[] { { 0, "1", 0 },        { 15, "16", 15 },     { 64, "Lower", 64 }, { 65, "Upper", 65 },
                       { 127, "Panel", 127 }, { 126, "All", 126 }, { 16, "Lower", 64 }, { 19, "All", 126 },
                       { 30, "", -1 },        { 125, "", -1 } };

    manager.setParamForItem (ItemParam::channel, 0x70, 3);

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.value);
        pick ("0x70"); // shows channel "4" first, so that every row changes the box
        manager.setParamForItem (ItemParam::channel, 0x21, row.value);
        pick ("0x21");

        EXPECT_EQ (shown (ui::channelCombo), row.shown);
        EXPECT_EQ (manager.getParamForItem (ItemParam::channel, 0x21), row.storedBack);
    }
}

TEST_F (PanelEditing, ValuesThatNoChoiceShowsLeaveTheBoxesEmpty)
{
    pick ("0x70");
    for (WidgetMember box : parameterBoxes)
        EXPECT_NE (shown (box), "");

    // A Mode above 11 and numbers above 127 have no item; 0x10040 has no parameters at all.
    manager.setParamForItem (ItemParam::mode, 0x21, 12);
    manager.setParamForItem (ItemParam::number, 0x21, 128);
    pick ("0x21");
    EXPECT_EQ (shown (ui::modeCombo), "");
    EXPECT_EQ (shown (ui::ccNumberCombo), "");
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x21), -1);

    pick ("0x10040");
    for (WidgetMember box : parameterBoxes)
        EXPECT_EQ (shown (box), "");
}

TEST_F (PanelEditing, ModeChoicesAreEnabledByControlGroup)
{
    struct Row
    {
        const char* message;
        std::array<bool, 12> enabled;
    };

    const Row rows[] {
        { "0x40", { 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0 } }, // wheels, sliders, pedals
        { "0x1C", { 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0 } }, // panel buttons
        { "0x21", { 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0 } }, // knobs
        { "0x12", { 1, 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1 } }, // snapshots
        { "0x58", { 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1 } }, // transport
        { "0x70", { 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1 } }, // pads
        { "0x10070", { 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1 } }, // no group: the pads' choices stay
    };

    auto& modes = combo (panel, ui::modeCombo);

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.message);
        pick (row.message);

        for (int id = 1; id <= 12; ++id)
            EXPECT_EQ (modes.isItemEnabled (id), row.enabled[(size_t) id - 1]) << "mode id " << id;
    }
}

TEST_F (PanelEditing, ADisabledChoiceStaysSelected)
{
    manager.setParamForItem (ItemParam::mode, 0x40, 8); // "Control Toggle", which a wheel cannot take
    pick ("0x40");

    EXPECT_EQ (shown (ui::modeCombo), "Control Toggle");
    EXPECT_FALSE (combo (panel, ui::modeCombo).isItemEnabled (9));
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x40), 8);
}

TEST_F (PanelEditing, GlobalBoxesWriteTheGlobalsWhetherOrNotAControlIsPicked)
{
    struct Row
    {
        WidgetMember box;
        int itemIndex, global, stored;
    };

    const Row rows[] {
        { ui::lowerChannelCombo, 4, 5, 4 },   { ui::upperChannelCombo, 15, 6, 15 },
        { ui::knobModeCombo, 1, 2, 127 },     { ui::knobModeCombo, 0, 2, 1 },
        { ui::faderModeCombo, 1, 1, 127 },    { ui::splitModeCombo, 1, 7, 127 },
        { ui::splitModeCombo, 0, 7, 1 },      { ui::splitPointCombo, 60, 8, 60 },
        { ui::lowerChannelCombo, -1, 5, -1 }, { ui::faderModeCombo, -1, 1, 1 },
    };

    for (const auto& row : rows)
    {
        choose (row.box, row.itemIndex);
        EXPECT_EQ (manager.globals[row.global], row.stored) << "box " << row.box << " item " << row.itemIndex;
    }
}

TEST_F (PanelEditing, GlobalsThatNoChoiceShowsAreStoredBackAsTheBoxShowsThem)
{
    choose (ui::lowerChannelCombo, 2);
    choose (ui::knobModeCombo, 1);

    manager.globals[GlobalSetting::lowerPartChannel] = 16;
    manager.globals[GlobalSetting::knobRelativeMode] = 5;
    panel.updateGlobalUI();
    flushMessages();

    EXPECT_EQ (combo (panel, ui::lowerChannelCombo).getText(), "");
    EXPECT_EQ (manager.globals[GlobalSetting::lowerPartChannel], -1);
    EXPECT_EQ (combo (panel, ui::knobModeCombo).getText(), "Absolute");
    EXPECT_EQ (manager.globals[GlobalSetting::knobRelativeMode], 1);
}
