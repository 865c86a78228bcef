#include "KbdSettingComponent49TestSupport.h"

namespace
{
enum class Kind { group, label, combo, editor, imageButton, textButton, picker };

struct WidgetExpectation
{
    WidgetMember member;
    Kind kind;
    const char* name;
    const char* text;
    juce::Rectangle<int> bounds;
    int focusOrder;
};

const WidgetExpectation widgetTable[] {
    { ui49::globalGroup, Kind::group, "global group", "Global Parameters", { 13, 8, 419, 128 }, 0 },
    { ui49::lowerChannelLabel, Kind::label, "channel label", "Lower channel:", { 27, 32, 93, 24 }, 1 },
    { ui49::lowerChannelCombo, Kind::combo, "lower channel combo", "", { 122, 32, 88, 24 }, 2 },
    { ui49::knobModeLabel, Kind::label, "knob mode label", "Knob mode:", { 27, 64, 88, 24 }, 3 },
    { ui49::knobModeCombo, Kind::combo, "knob mode combo", "", { 122, 64, 88, 24 }, 4 },
    { ui49::controlGroup, Kind::group, "new group", "Selected Control Parameters", { 443, 8, 480, 128 }, 0 },
    { ui49::nameLabel, Kind::label, "new label", "Name:", { 459, 32, 80, 24 }, 0 },
    { ui49::nameEditor, Kind::editor, "new text editor", "<Click a Control>", { 555, 32, 120, 24 }, 0 },
    { ui49::ccNumberLabel, Kind::label, "new label", "CC number:", { 687, 64, 80, 24 }, 0 },
    { ui49::ccNumberCombo, Kind::combo, "CC number combo", "", { 783, 64, 120, 24 }, 2 },
    { ui49::defaultButton, Kind::imageButton, "new button", "", { 944, 38, 88, 24 }, 0 },
    { ui49::sendButton, Kind::imageButton, "new button", "", { 936, 14, 102, 24 }, 0 },
    { ui49::picker, Kind::picker, "", "", { 0, 149, 1063, 317 }, 0 },
    { ui49::modeLabel, Kind::label, "new label", "Mode:", { 687, 32, 80, 24 }, 0 },
    { ui49::modeCombo, Kind::combo, "Mode combo", "", { 783, 32, 120, 24 }, 2 },
    { ui49::channelLabel, Kind::label, "new label", "Channel:", { 459, 64, 80, 24 }, 0 },
    { ui49::channelCombo, Kind::combo, "Channel combo", "", { 555, 64, 120, 24 }, 2 },
    { ui49::maxMsbLabel, Kind::label, "new label", "Max / MSB:", { 687, 96, 80, 24 }, 0 },
    { ui49::maxMsbCombo, Kind::combo, "Max MSB combo", "", { 783, 96, 120, 24 }, 2 },
    { ui49::minLsbLabel, Kind::label, "new label", "Min / LSB:", { 459, 96, 80, 24 }, 0 },
    { ui49::minLsbCombo, Kind::combo, "Min LSB combo", "", { 555, 96, 120, 24 }, 2 },
    { ui49::splitModeLabel, Kind::label, "knob mode label", "Split mode:", { 27, 96, 88, 24 }, 3 },
    { ui49::splitModeCombo, Kind::combo, "split mode combo", "", { 122, 96, 88, 24 }, 4 },
    { ui49::upperChannelLabel, Kind::label, "channel label", "Upper channel:", { 227, 32, 93, 24 }, 1 },
    { ui49::upperChannelCombo, Kind::combo, "upper channel combo", "", { 322, 32, 88, 24 }, 2 },
    { ui49::faderModeLabel, Kind::label, "knob mode label", "Fader mode:", { 227, 64, 88, 24 }, 3 },
    { ui49::faderModeCombo, Kind::combo, "fader mode combo", "", { 322, 64, 88, 24 }, 4 },
    { ui49::splitPointLabel, Kind::label, "knob mode label", "Split point:", { 227, 96, 88, 24 }, 3 },
    { ui49::splitPointCombo, Kind::combo, "split point combo", "", { 322, 96, 88, 24 }, 4 },
    { ui49::loadButton, Kind::textButton, "load button", "Load...", { 948, 67, 78, 20 }, 0 },
    { ui49::saveButton, Kind::textButton, "save button", "Save...", { 948, 91, 78, 20 }, 0 },
    { ui49::chartButton, Kind::textButton, "chart button", "Chart...", { 948, 115, 78, 20 }, 0 },
};

bool hasKind (juce::Component& c, Kind kind)
{
    switch (kind)
    {
        case Kind::group:       return dynamic_cast<juce::GroupComponent*> (&c) != nullptr;
        case Kind::label:       return dynamic_cast<juce::Label*> (&c) != nullptr;
        case Kind::combo:       return dynamic_cast<juce::ComboBox*> (&c) != nullptr;
        case Kind::editor:      return dynamic_cast<juce::TextEditor*> (&c) != nullptr;
        case Kind::imageButton: return dynamic_cast<juce::ImageButton*> (&c) != nullptr;
        case Kind::textButton:  return dynamic_cast<juce::TextButton*> (&c) != nullptr;
        case Kind::picker:      return dynamic_cast<VUK49CtrlPickerComponent*> (&c) != nullptr;
    }

    return false;
}

juce::String shownText (juce::Component& c)
{
    if (auto* g = dynamic_cast<juce::GroupComponent*> (&c)) return g->getText();
    if (auto* l = dynamic_cast<juce::Label*> (&c))          return l->getText();
    if (auto* b = dynamic_cast<juce::ComboBox*> (&c))       return b->getText();
    if (auto* e = dynamic_cast<juce::TextEditor*> (&c))     return e->getText();
    if (auto* t = dynamic_cast<juce::TextButton*> (&c))     return t->getButtonText();
    return {};
}

struct ComboExpectation
{
    WidgetMember member;
    int itemCount;
    std::vector<std::pair<int, const char*>> samples; // item id, text
    juce::Justification justification;
    const char* tooltip;
};

const juce::Justification left = juce::Justification::centredLeft, right = juce::Justification::centredRight;

const ComboExpectation comboTable[] {
    { ui49::lowerChannelCombo, 16, { { 1, "1" }, { 16, "16" } }, right, "" },
    { ui49::upperChannelCombo, 16, { { 1, "1" }, { 16, "16" } }, right, "" },
    { ui49::knobModeCombo, 2, { { 1, "Absolute" }, { 2, "Relative" } }, left, "" },
    { ui49::splitModeCombo, 2, { { 1, "Off" }, { 2, "On" } }, left, "" },
    { ui49::faderModeCombo, 2, { { 1, "Normal" }, { 2, "Drawbar" } }, left, "" },
    { ui49::modeCombo, 12, { { 1, "Off-Disabled" }, { 2, "Control" }, { 3, "Relative Control" }, { 4, "RPN" },
                             { 5, "NRPN" }, { 6, "Duration Control" }, { 7, "Keyboard Preset" }, { 8, "MMC" },
                             { 9, "Control Toggle" }, { 10, "Note Toggle" }, { 11, "Midi Note" },
                             { 12, "Patch Change" } },
      left, "Mode assigned to the selected control" },
    { ui49::channelCombo, 20, { { 1, "1" }, { 16, "16" }, { 17, "Lower" }, { 18, "Upper" }, { 19, "Panel" }, { 20, "All" } },
      left, "Midi channel assigned to the selected control" },
    { ui49::maxMsbCombo, 128, { { 1, "0" }, { 128, "127" } }, left, "Max value (or MSB) set for the selected control" },
    { ui49::minLsbCombo, 128, { { 1, "0" }, { 128, "127" } }, left, "Min value (or LSB) set for the selected control" },
    { ui49::splitPointCombo, 128, { { 1, "C-2" }, { 2, "C#-2" }, { 25, "C0" }, { 61, "C3" }, { 128, "G8" } }, left, "" },
    { ui49::ccNumberCombo, 128, { { 1, "0 - Bank Select MSB" }, { 4, "3 - Undefined" }, { 65, "64 - Sustain" },
                                  { 128, "127 - Poly Mode On" } },
      left, "Midi control number assigned to the selected control" },
};

class Panel49Construction : public ::testing::Test
{
protected:
    EarlierNoPortsRig rig;
    KbdSettingComponent49& panel = rig.panel;
};
} // namespace

TEST_F (Panel49Construction, WidgetsHaveTheirKindsNamesTextsBoundsAndFocusOrderAndAreAllVisible)
{
    ASSERT_EQ (panel.getNumChildComponents(), (int) std::size (widgetTable));

    for (int index = 0; index < (int) std::size (widgetTable); ++index)
    {
        const auto& row = widgetTable[index];
        SCOPED_TRACE (row.member.name);
        auto* found = panel.findWidget (row.member.name);
        ASSERT_NE (found, nullptr);
        auto& c = *found;
        EXPECT_EQ (panel.getIndexOfChildComponent (&c), index);
        EXPECT_TRUE (hasKind (c, row.kind));
        EXPECT_EQ (c.getName(), row.name);
        EXPECT_EQ (shownText (c), row.text);
        EXPECT_EQ (c.getBounds(), row.bounds);
        EXPECT_EQ (c.getExplicitFocusOrder(), row.focusOrder);
        EXPECT_TRUE (c.isVisible());
    }

    EXPECT_EQ (panel.findWidget ("noSuchMember"), nullptr);
}

TEST_F (Panel49Construction, ComboBoxesHoldTheirItemsAndStartWithoutSelection)
{
    for (const auto& row : comboTable)
    {
        auto& box = combo (panel, row.member);
        SCOPED_TRACE (box.getName());

        EXPECT_EQ (box.getNumItems(), row.itemCount);
        for (int i = 0; i < box.getNumItems(); ++i)
            EXPECT_EQ (box.getItemId (i), i + 1);

        for (const auto& [id, text] : row.samples)
            EXPECT_EQ (box.getItemText (id - 1), text);

        EXPECT_EQ (box.getSelectedId(), 0);
        EXPECT_EQ (box.getText(), "");
        EXPECT_FALSE (box.isTextEditable());
        EXPECT_EQ (box.getJustificationType().getFlags(), row.justification.getFlags());
        EXPECT_EQ (box.getTooltip(), row.tooltip);
        EXPECT_EQ (box.getTextWhenNoChoicesAvailable(), "(no choices)");
        EXPECT_EQ (box.getTextWhenNothingSelected(), "");
    }
}

TEST_F (Panel49Construction, WidgetsCarryTheirColoursAndSettings)
{
    for (WidgetMember button : { ui49::loadButton, ui49::saveButton, ui49::chartButton })
    {
        auto& b = widget<juce::TextButton> (panel, button);
        SCOPED_TRACE (b.getName());
        EXPECT_EQ (b.findColour (juce::TextButton::buttonColourId).getARGB(), 0xff808080u);
        EXPECT_EQ (b.findColour (juce::TextButton::buttonOnColourId).getARGB(), 0xff535a5eu);
        EXPECT_EQ (b.findColour (juce::TextButton::textColourOnId).getARGB(), 0xfff0f0f0u);
        EXPECT_EQ (b.findColour (juce::TextButton::textColourOffId).getARGB(), 0xfff0f0f0u);
        EXPECT_EQ (b.getTooltip(), "");
    }

    auto& name = widget<juce::TextEditor> (panel, ui49::nameEditor);
    EXPECT_FALSE (name.isReadOnly());
    EXPECT_FALSE (name.isMultiLine());
    EXPECT_FALSE (name.getReturnKeyStartsNewLine());
    EXPECT_FALSE (name.isCaretVisible());
    EXPECT_FALSE (name.isPopupMenuEnabled());
    EXPECT_EQ (name.findColour (juce::TextEditor::backgroundColourId).getARGB(), 0x60ff8080u);
    EXPECT_EQ (name.findColour (juce::TextEditor::textColourId).getARGB(), 0xff000000u);

    for (int i = 0; i < ui49::count; ++i)
    {
        if (auto* label = dynamic_cast<juce::Label*> (panel.getChildComponent (i)))
        {
            SCOPED_TRACE (label->getText());
            EXPECT_FLOAT_EQ (label->getFont().getHeight(), 15.0f);
            EXPECT_FALSE (label->getFont().isBold());
            EXPECT_EQ (label->getJustificationType().getFlags(), juce::Justification::centredLeft);
            EXPECT_FALSE (label->isEditable());
        }
    }

    EXPECT_EQ (widget<juce::GroupComponent> (panel, ui49::globalGroup).getTextLabelPosition().getFlags(),
               juce::Justification::centredLeft);
    EXPECT_EQ (widget<juce::GroupComponent> (panel, ui49::controlGroup).getTextLabelPosition().getFlags(),
               juce::GroupComponent().getTextLabelPosition().getFlags());
}

TEST_F (Panel49Construction, ImageButtonsShowTheOrlunePanelsButtonPictures)
{
    auto& defaults = widget<juce::ImageButton> (panel, ui49::defaultButton);
    auto& send = widget<juce::ImageButton> (panel, ui49::sendButton);

    EXPECT_EQ (defaults.getNormalImage().getBounds(), juce::Rectangle<int> (101, 29));
    EXPECT_EQ (send.getNormalImage().getBounds(), juce::Rectangle<int> (117, 29));

    // The default button looks the same under the mouse as at rest; the send button has three looks.
    EXPECT_TRUE (defaults.getNormalImage() == defaults.getOverImage());
    EXPECT_FALSE (defaults.getNormalImage() == defaults.getDownImage());
    EXPECT_FALSE (send.getNormalImage() == send.getOverImage());
    EXPECT_FALSE (send.getOverImage() == send.getDownImage());
    EXPECT_FALSE (send.getNormalImage() == send.getDownImage());

    using Panel = KbdSettingComponent49;
    using Orlune = KbdSettingComponentVT49;
    const std::pair<const char*, const char*> sameBytesAsOrlune[] {
        { Panel::defaultBtn_push_png, Orlune::defaultBtn_push_png },
        { Panel::defaultBtn_hover_png, Orlune::defaultBtn_hover_png },
        { Panel::defaultBtn_inactive_png, Orlune::defaultBtn_hover_png },
        { Panel::sendBtn_push_png, Orlune::sendBtn_push_png },
        { Panel::sendBtn_hover_png, Orlune::sendBtn_hover_png },
        { Panel::sendBtn_inactive_png, Orlune::sendBtn_inactive_png },
    };

    for (const auto& [ours, theirs] : sameBytesAsOrlune)
        EXPECT_EQ (ours, theirs);

    EXPECT_EQ (Panel::defaultBtn_inactive_pngSize, Orlune::defaultBtn_hover_pngSize);
    EXPECT_EQ (Panel::sendBtn_inactive_pngSize, Orlune::sendBtn_inactive_pngSize);
}

TEST_F (Panel49Construction, FixedSizeAndBackgroundWhateverThePanelSize)
{
    EXPECT_EQ (panel.getBounds(), juce::Rectangle<int> (0, 0, 1063, 460));

    // The picker reaches six pixels below the panel, which cuts them off.
    EXPECT_EQ (widget<juce::Component> (panel, ui49::picker).getBottom(), 466);

    auto image = paintPanel (panel);
    EXPECT_EQ (image.getPixelAt (2, 2).getARGB(), 0xfffcfcfcu);  // before the gradient's start
    const auto middle = image.getPixelAt (6, 100);
    EXPECT_LT (middle.getRed(), 0xfc);
    EXPECT_GT (middle.getRed(), 0xdb);

    panel.setSize (1200, 800);
    for (const auto& row : widgetTable)
        EXPECT_EQ (panel.findWidget (row.member.name)->getBounds(), row.bounds);

    // The gradient covers (0, 0, 1063, 500); beyond it the panel is white.
    image = paintPanel (panel);
    EXPECT_EQ (image.getPixelAt (1100, 300).getARGB(), 0xffffffffu);
    EXPECT_EQ (image.getPixelAt (500, 520).getARGB(), 0xffffffffu);
    EXPECT_EQ (image.getPixelAt (500, 490).getARGB(), 0xffdbdbdbu);
    EXPECT_EQ (image.getPixelAt (1060, 490).getARGB(), 0xffdbdbdbu);
}
