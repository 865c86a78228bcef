#include "KbdSettingComponent49TestSupport.h"

#include <set>

namespace
{
class Panel49Editing : public ::testing::Test
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

    std::array<bool, 12> enabledModes()
    {
        std::array<bool, 12> enabled {};
        for (int id = 1; id <= 12; ++id)
            enabled[(size_t) id - 1] = combo (panel, ui49::modeCombo).isItemEnabled (id);
        return enabled;
    }

    EarlierNoPortsRig rig;
    KbdSettingComponent49& panel = rig.panel;
    ZelManager49& manager = panel.getManager();
};

constexpr WidgetMember parameterBoxes[] { ui49::modeCombo, ui49::channelCombo, ui49::ccNumberCombo, ui49::minLsbCombo,
                                 ui49::maxMsbCombo };

std::set<short> idRanges (std::initializer_list<std::pair<short, short>> ranges)
{
    std::set<short> ids;
    for (auto [first, last] : ranges)
        for (short id = first; id <= last; ++id)
            ids.insert (id);
    return ids;
}

using Modes = std::array<bool, 12>;
const Modes wheelAndCo { 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0 };
const Modes panelButtons { 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0 };
const Modes knobs { 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0 };
const Modes snaps { 1, 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1 };
const Modes transport { 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1 };
const Modes pads { 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1 };
} // namespace

TEST_F (Panel49Editing, DescriptorsHoldTheFiftyFiveControlsWithTheirDefaults)
{
    const auto descriptors = panel.getAllDescriptors();

    std::set<short> keys;
    for (const auto& [id, descriptor] : descriptors)
    {
        keys.insert (id);
        SCOPED_TRACE (descriptor.name);
        const bool isPad = id >= 0x70 && id <= 0x73;
        EXPECT_EQ (descriptor.mode, 1);
        EXPECT_EQ (descriptor.spare, 0);
        EXPECT_EQ (descriptor.channel, isPad ? 9 : 0);
        EXPECT_FALSE (descriptor.flag);

        if (isPad)
        {
            EXPECT_EQ (descriptor.number, 22);
        }
    }

    EXPECT_EQ (keys, idRanges ({ { 0x01, 0x0E }, { 0x12, 0x1F }, { 0x30, 0x34 }, { 0x40, 0x42 }, { 0x4B, 0x53 },
                                 { 0x58, 0x5D }, { 0x70, 0x73 } }));

    struct Row
    {
        short id;
        const char* name;
        int number;
    };

    for (const auto& row : { Row { 0x41, "Pitch Wheel", 0 }, Row { 0x42, "Joystick Down / Extra Wheel", 2 },
                             Row { 0x01, "Filter Cutoff", 74 }, Row { 0x0A, "FX Mix Delay", 91 },
                             Row { 0x0E, "Envelope R", 72 }, Row { 0x4B, "Envelope #2 A", 80 },
                             Row { 0x4F, "Tempo", 72 }, Row { 0x31, "Category Adjust", 112 },
                             Row { 0x34, "Preset Select", 115 }, Row { 0x1F, "Scene Mode", 119 },
                             Row { 0x5D, "Host Control #6", 55 }, Row { 0x1B, "Snapshot #10", 31 },
                             Row { 0x73, "Pad #4", 22 }, Row { 0x53, "Aux Pedal", 12 },
                             Row { 0x52, "Breath Control", 2 } })
    {
        const auto& d = descriptors.at (row.id);
        EXPECT_STREQ (d.name, row.name);
        EXPECT_EQ (d.number, row.number) << row.name;
    }
}

TEST_F (Panel49Editing, EveryButtonOfThePictureNamesAControlOfThePanel)
{
    const auto descriptors = panel.getAllDescriptors();
    auto& picture = widget<juce::Component> (panel, ui49::picker);
    std::set<short> onThePicture;

    for (auto* child : picture.getChildren())
        if (auto* button = dynamic_cast<juce::Button*> (child))
            onThePicture.insert ((short) button->getButtonText().getHexValue32());

    EXPECT_EQ (onThePicture.size(), 53u);

    for (short id : onThePicture)
        EXPECT_EQ (descriptors.count (id), 1u) << id;

    EXPECT_EQ (onThePicture.count (0x41), 0u);
    EXPECT_EQ (onThePicture.count (0x42), 0u);
}

TEST_F (Panel49Editing, ParameterBoxesChangeNothingBeforeAControlIsPicked)
{
    const auto before = modelSnapshot();

    for (WidgetMember box : parameterBoxes)
        choose (box, 3);

    EXPECT_EQ (modelSnapshot(), before);
    EXPECT_EQ (editorText (panel, ui49::nameEditor), "<Click a Control>");
}

TEST_F (Panel49Editing, PickerMessagesSelectKnownControlsByTheirLow16Bits)
{
    struct Row
    {
        const char* message;
        const char* shownName; // unchanged from the row before when the id is unknown
    };

    const Row rows[] {
        { "0x21", "<Click a Control>" }, // an Orlune id, no control of this panel
        { "0x70", "Pad #1" },
        { "0x74", "Pad #1" },
        { "0x21", "Pad #1" },
        { "shift", "Pad #1" },           // no hexadecimal digit: 0
        { "0X4b", "Envelope #2 A" },
        { "0x41", "Pitch Wheel" },
        { "0x10040", "Modulation Wheel" },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.message);
        pick (row.message);
        EXPECT_EQ (editorText (panel, ui49::nameEditor), row.shownName);
    }

    // The whole parsed value became the current control: edits go to 0x10040, not to the wheel.
    const int wheelMode = manager.getParamForItem (ItemParam::mode, 0x40);
    choose (ui49::modeCombo, 3);
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x10040), 3);
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x40), wheelMode);
}

TEST_F (Panel49Editing, AnUnknownIdLeavesTheCurrentControlAndItsBoxes)
{
    manager.setParamForItem (ItemParam::mode, 0x70, 9);
    pick ("0x70");
    const auto before = modelSnapshot();
    const auto modes = enabledModes();

    for (const char* unknown : { "0x21", "0x74", "0x20" })
        pick (unknown);

    EXPECT_EQ (editorText (panel, ui49::nameEditor), "Pad #1");
    EXPECT_EQ (shown (ui49::modeCombo), "Note Toggle");
    EXPECT_EQ (enabledModes(), modes);
    EXPECT_EQ (modelSnapshot(), before);

    // Edits still go to the pad.
    choose (ui49::modeCombo, 10);
    EXPECT_EQ (manager.getParamForItem (ItemParam::mode, 0x70), 10);
}

TEST_F (Panel49Editing, TypedNamesAreNeitherReadNorKept)
{
    const auto before = modelSnapshot();
    auto& name = widget<juce::TextEditor> (panel, ui49::nameEditor);
    flushMessages(); // the construction text settles first, as it has by the time anyone types
    name.insertTextAtCaret (" mine");
    flushMessages();

    EXPECT_EQ (name.getText(), "<Click a Control> mine");
    EXPECT_EQ (modelSnapshot(), before);

    pick ("0x50");
    EXPECT_EQ (name.getText(), "Sustain Pedal");
}

TEST_F (Panel49Editing, AClickOnThePictureSelectsTheControl)
{
    auto& picture = widget<juce::Component> (panel, ui49::picker);
    dynamic_cast<juce::Button&> (*picture.getChildComponent (0)).triggerClick(); // the modulation wheel
    flushMessages();

    EXPECT_EQ (editorText (panel, ui49::nameEditor), "Modulation Wheel");
}

TEST_F (Panel49Editing, BoxesShowTheControlsParametersAndWriteThemBack)
{
    const int item = 0x05;
    const int params[] { 2, 65, 35, 5, 100 };

    for (int p = ItemParam::first; p <= ItemParam::maxMsb; ++p)
        manager.setParamForItem (p, item, params[p - ItemParam::first]);

    pick ("0x05");
    EXPECT_EQ (editorText (panel, ui49::nameEditor), "Key Parameter #1");
    EXPECT_EQ (shown (ui49::modeCombo), "Relative Control");
    EXPECT_EQ (shown (ui49::channelCombo), "Upper");
    EXPECT_EQ (shown (ui49::ccNumberCombo), "35 - Undefined");
    EXPECT_EQ (shown (ui49::minLsbCombo), "5");
    EXPECT_EQ (shown (ui49::maxMsbCombo), "100");

    struct Choice
    {
        WidgetMember box;
        int itemIndex, param, stored;
    };

    for (const auto& c : { Choice { ui49::modeCombo, 4, ItemParam::mode, 4 },
                           Choice { ui49::channelCombo, 19, ItemParam::channel, 126 },
                           Choice { ui49::channelCombo, 18, ItemParam::channel, 127 },
                           Choice { ui49::channelCombo, 16, ItemParam::channel, 64 },
                           Choice { ui49::channelCombo, 17, ItemParam::channel, 65 },
                           Choice { ui49::channelCombo, 9, ItemParam::channel, 9 },
                           Choice { ui49::ccNumberCombo, 74, ItemParam::number, 74 },
                           Choice { ui49::minLsbCombo, 10, ItemParam::minLsb, 10 },
                           Choice { ui49::maxMsbCombo, 90, ItemParam::maxMsb, 90 } })
    {
        choose (c.box, c.itemIndex);
        EXPECT_EQ (manager.getParamForItem (c.param, item), c.stored) << "box " << c.box << " item " << c.itemIndex;
    }
}

TEST_F (Panel49Editing, ChannelValuesAndWhatTheBoxStoresBack)
{
    struct Row
    {
        int value;
        const char* shown;
        int storedBack;
    };

    const Row rows[] { { 0, "1", 0 },         { 15, "16", 15 },     { 64, "Lower", 64 }, { 65, "Upper", 65 },
                       { 127, "Panel", 127 }, { 126, "All", 126 }, { 16, "Lower", 64 }, { 19, "All", 126 },
                       { 30, "", -1 },        { 125, "", -1 } };

    manager.setParamForItem (ItemParam::channel, 0x70, 3);

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.value);
        pick ("0x70"); // shows channel "4" first, so that every row changes the box
        manager.setParamForItem (ItemParam::channel, 0x12, row.value);
        pick ("0x12");

        EXPECT_EQ (shown (ui49::channelCombo), row.shown);
        EXPECT_EQ (manager.getParamForItem (ItemParam::channel, 0x12), row.storedBack);
    }
}

TEST_F (Panel49Editing, ModeChoicesAreEnabledByTheEarlierKeyboardsControlGroups)
{
    struct Row
    {
        const char* message;
        const Modes& enabled;
    };

    const Row rows[] {
        { "0x01", knobs },      { "0x30", knobs },        { "0x33", knobs },
        { "0x0B", wheelAndCo }, { "0x41", wheelAndCo },   { "0x4F", wheelAndCo }, { "0x51", wheelAndCo },
        { "0x52", wheelAndCo }, { "0x12", snaps },        { "0x1B", snaps },
        { "0x1C", panelButtons }, { "0x32", panelButtons }, { "0x50", panelButtons }, { "0x53", panelButtons },
        { "0x58", transport },  { "0x5D", transport },    { "0x70", pads },       { "0x73", pads },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.message);
        for (int id = 1; id <= 12; ++id)
            combo (panel, ui49::modeCombo).setItemEnabled (id, true);

        pick (row.message);
        EXPECT_EQ (enabledModes(), row.enabled);
    }
}

TEST_F (Panel49Editing, IdsOfNoGroupLeaveTheModeChoicesAsTheyAre)
{
    // The Orlune's second-bank knobs and sliders and its further pads have no group here.
    for (int id : { 0x21, 0x2A, 0x2B, 0x6B, 0x6F, 0x74, 0x7F, 0x20, 0x0F, 0x00, -1, 0x80 })
    {
        SCOPED_TRACE (id);
        panel.enableModesForItem (0x12);
        panel.enableModesForItem (id);
        EXPECT_EQ (enabledModes(), snaps);
    }
}

TEST_F (Panel49Editing, GlobalBoxesWriteTheGlobalsWhetherOrNotAControlIsPicked)
{
    struct Row
    {
        WidgetMember box;
        int itemIndex, global, stored;
    };

    const Row rows[] {
        { ui49::lowerChannelCombo, 4, 5, 4 },   { ui49::upperChannelCombo, 15, 6, 15 },
        { ui49::knobModeCombo, 1, 2, 127 },     { ui49::knobModeCombo, 0, 2, 1 },
        { ui49::faderModeCombo, 1, 1, 127 },    { ui49::splitModeCombo, 1, 7, 127 },
        { ui49::splitModeCombo, 0, 7, 1 },      { ui49::splitPointCombo, 60, 8, 60 },
        { ui49::lowerChannelCombo, -1, 5, -1 }, { ui49::faderModeCombo, -1, 1, 1 },
    };

    for (const auto& row : rows)
    {
        choose (row.box, row.itemIndex);
        EXPECT_EQ (manager.globals[row.global], row.stored) << "box " << row.box << " item " << row.itemIndex;
    }
}
