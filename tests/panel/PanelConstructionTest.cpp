#include "PanelTestSupport.h"

#include <typeinfo>

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
    { ui::globalGroup, Kind::group, "global group", "Global Parameters", { 6, 8, 419, 128 }, 0 },
    { ui::part2ChannelLabel, Kind::label, "channel label", "Part 2 channel:", { 20, 32, 93, 24 }, 1 },
    { ui::lowerChannelCombo, Kind::combo, "lower channel combo", "", { 115, 32, 88, 24 }, 2 },
    { ui::knobModeLabel, Kind::label, "knob mode label", "Knob mode:", { 20, 64, 88, 24 }, 3 },
    { ui::knobModeCombo, Kind::combo, "knob mode combo", "", { 115, 64, 88, 24 }, 4 },
    { ui::controlGroup, Kind::group, "new group", "Selected Control Parameters", { 436, 8, 480, 128 }, 0 },
    { ui::nameLabel, Kind::label, "new label", "Name:", { 452, 32, 80, 24 }, 0 },
    { ui::nameEditor, Kind::editor, "new text editor", "<Click a Control>", { 548, 32, 120, 24 }, 0 },
    { ui::ccNumberLabel, Kind::label, "new label", "CC number:", { 680, 64, 80, 24 }, 0 },
    { ui::ccNumberCombo, Kind::combo, "CC number combo", "", { 776, 64, 120, 24 }, 2 },
    { ui::defaultButton, Kind::imageButton, "new button", "", { 929, 38, 88, 24 }, 0 },
    { ui::sendButton, Kind::imageButton, "new button", "", { 921, 14, 102, 24 }, 0 },
    { ui::picker, Kind::picker, "", "", { 0, 169, 1024, 485 }, 0 },
    { ui::modeLabel, Kind::label, "new label", "Mode:", { 680, 32, 80, 24 }, 0 },
    { ui::modeCombo, Kind::combo, "Mode combo", "", { 776, 32, 120, 24 }, 2 },
    { ui::channelLabel, Kind::label, "new label", "Channel:", { 452, 64, 80, 24 }, 0 },
    { ui::channelCombo, Kind::combo, "Channel combo", "", { 548, 64, 120, 24 }, 2 },
    { ui::maxMsbLabel, Kind::label, "new label", "Max / MSB:", { 680, 96, 80, 24 }, 0 },
    { ui::maxMsbCombo, Kind::combo, "Max MSB combo", "", { 776, 96, 120, 24 }, 2 },
    { ui::minLsbLabel, Kind::label, "new label", "Min / LSB:", { 452, 96, 80, 24 }, 0 },
    { ui::minLsbCombo, Kind::combo, "Min LSB combo", "", { 548, 96, 120, 24 }, 2 },
    { ui::splitModeLabel, Kind::label, "knob mode label", "Split mode:", { 20, 96, 88, 24 }, 3 },
    { ui::splitModeCombo, Kind::combo, "split mode combo", "", { 115, 96, 88, 24 }, 4 },
    { ui::part1ChannelLabel, Kind::label, "channel label", "Part 1 channel:", { 220, 32, 93, 24 }, 1 },
    { ui::upperChannelCombo, Kind::combo, "upper channel combo", "", { 315, 32, 88, 24 }, 2 },
    { ui::faderModeLabel, Kind::label, "knob mode label", "Fader mode:", { 220, 64, 88, 24 }, 3 },
    { ui::faderModeCombo, Kind::combo, "fader mode combo", "", { 315, 64, 88, 24 }, 4 },
    { ui::splitPointLabel, Kind::label, "knob mode label", "Split point:", { 220, 96, 88, 24 }, 3 },
    { ui::splitPointCombo, Kind::combo, "split point combo", "", { 315, 96, 88, 24 }, 4 },
    { ui::loadButton, Kind::textButton, "load button", "Load...", { 933, 67, 78, 20 }, 0 },
    { ui::saveButton, Kind::textButton, "save button", "Save...", { 933, 91, 78, 20 }, 0 },
    { ui::chartButton, Kind::textButton, "chart button", "Chart...", { 933, 115, 78, 20 }, 0 },
    { ui::fwButton, Kind::textButton, "FW button", "Upgrade firmware...", { 725, 142, 96, 22 }, 0 },
    { ui::firmwareLabel, Kind::label, "new label", "Firmware revision:", { 451, 142, 130, 24 }, 0 },
    { ui::firmwareEditor, Kind::editor, "firmware revision", "Not detected yet", { 582, 140, 133, 24 }, 0 },
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
        case Kind::picker:      return dynamic_cast<VT49CtrlPickerComponent*> (&c) != nullptr;
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
    { ui::lowerChannelCombo, 16, { { 1, "1" }, { 16, "16" } }, right, "" },
    { ui::upperChannelCombo, 16, { { 1, "1" }, { 16, "16" } }, right, "" },
    { ui::knobModeCombo, 2, { { 1, "Absolute" }, { 2, "Relative" } }, left, "" },
    { ui::splitModeCombo, 2, { { 1, "Off" }, { 2, "On" } }, left, "" },
    { ui::faderModeCombo, 2, { { 1, "Normal" }, { 2, "Drawbar" } }, left, "" },
    { ui::modeCombo, 12, { { 1, "Off-Disabled" }, { 3, "Relative Control" }, { 6, "Duration Control" },
                           { 7, "Keyboard Preset" }, { 8, "MMC" }, { 11, "Midi Note" }, { 12, "Patch Change" } },
      left, "Mode assigned to the selected control" },
    { ui::channelCombo, 20, { { 1, "1" }, { 16, "16" }, { 17, "Lower" }, { 18, "Upper" }, { 19, "Panel" }, { 20, "All" } },
      left, "Midi channel assigned to the selected control" },
    { ui::maxMsbCombo, 128, { { 1, "0" }, { 128, "127" } }, left, "Max value (or MSB) set for the selected control" },
    { ui::minLsbCombo, 128, { { 1, "0" }, { 128, "127" } }, left, "Min value (or LSB) set for the selected control" },
    { ui::splitPointCombo, 128, { { 1, "C-2" }, { 2, "C#-2" }, { 24, "B-1" }, { 25, "C0" }, { 61, "C3" }, { 128, "G8" } },
      left, "" },
    { ui::ccNumberCombo, 128, { { 1, "0 - Bank Select MSB" }, { 4, "3 - Undefined" }, { 65, "64 - Sustain" },
                                { 72, "71 - Timbre/Harmonic Intens." }, { 99, "98 - NRPN - LSB" },
                                { 120, "119 - Undefined" }, { 128, "127 - Poly Mode On" } },
      left, "Midi control number assigned to the selected control" },
};

class PanelConstruction : public ::testing::Test
{
protected:
    NoPortsRig rig;
    KbdSettingComponentVT49& panel = rig.panel;
};
} // namespace

TEST_F (PanelConstruction, WidgetsHaveTheirKindsNamesTextsBoundsAndFocusOrder)
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
        EXPECT_EQ (c.isVisible(), row.member != ui::chartButton);
    }

    EXPECT_EQ (panel.findWidget ("noSuchMember"), nullptr);
}

TEST_F (PanelConstruction, ComboBoxesHoldTheirItemsAndStartWithoutSelection)
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

    auto& controllers = combo (panel, ui::ccNumberCombo);
    auto& notes = combo (panel, ui::splitPointCombo);
    int undefined = 0;

    for (int i = 0; i < 128; ++i)
    {
        EXPECT_TRUE (controllers.getItemText (i).startsWith (juce::String (i) + " - "));
        undefined += controllers.getItemText (i).endsWith ("Undefined") ? 1 : 0;
        EXPECT_FALSE (notes.getItemText (i).containsChar ('b')) << "flat in " << notes.getItemText (i);
    }

    EXPECT_EQ (undefined, 56);
}

TEST_F (PanelConstruction, WidgetsCarryTheirColoursAndSettings)
{
    struct ButtonColours
    {
        WidgetMember button;
        juce::uint32 colour;
    };

    for (const auto& row : { ButtonColours { ui::loadButton, 0xff808080 }, ButtonColours { ui::saveButton, 0xff808080 },
                             ButtonColours { ui::chartButton, 0xff808080 }, ButtonColours { ui::fwButton, 0xff8d99a0 } })
    {
        auto& b = widget<juce::TextButton> (panel, row.button);
        SCOPED_TRACE (b.getName());
        EXPECT_EQ (b.findColour (juce::TextButton::buttonColourId).getARGB(), row.colour);
        EXPECT_EQ (b.findColour (juce::TextButton::buttonOnColourId).getARGB(), 0xff535a5eu);
        EXPECT_EQ (b.findColour (juce::TextButton::textColourOnId).getARGB(), 0xfff0f0f0u);
        EXPECT_EQ (b.findColour (juce::TextButton::textColourOffId).getARGB(), 0xfff0f0f0u);
        EXPECT_EQ (b.getTooltip(), "");
    }

    auto& name = widget<juce::TextEditor> (panel, ui::nameEditor);
    auto& firmware = widget<juce::TextEditor> (panel, ui::firmwareEditor);
    EXPECT_FALSE (name.isReadOnly());
    EXPECT_TRUE (firmware.isReadOnly());
    EXPECT_EQ (name.findColour (juce::TextEditor::backgroundColourId).getARGB(), 0x60ff8080u);
    EXPECT_EQ (name.findColour (juce::TextEditor::textColourId).getARGB(), 0xff000000u);

    for (auto* e : { &name, &firmware })
    {
        EXPECT_FALSE (e->isMultiLine());
        EXPECT_FALSE (e->getReturnKeyStartsNewLine());
        EXPECT_FALSE (e->isCaretVisible());
        EXPECT_FALSE (e->isPopupMenuEnabled());
    }

    for (int i = 0; i < ui::count; ++i)
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

    EXPECT_EQ (widget<juce::GroupComponent> (panel, ui::globalGroup).getTextLabelPosition().getFlags(),
               juce::Justification::centredLeft);
    EXPECT_EQ (widget<juce::GroupComponent> (panel, ui::controlGroup).getTextLabelPosition().getFlags(),
               juce::GroupComponent().getTextLabelPosition().getFlags());
}

TEST_F (PanelConstruction, ImageButtonsShowTheButtonPictures)
{
    auto& defaults = widget<juce::ImageButton> (panel, ui::defaultButton);
    auto& send = widget<juce::ImageButton> (panel, ui::sendButton);

    EXPECT_EQ (defaults.getNormalImage().getBounds(), juce::Rectangle<int> (101, 29));
    EXPECT_EQ (send.getNormalImage().getBounds(), juce::Rectangle<int> (117, 29));

    // The default button looks the same under the mouse as at rest; the send button has three looks.
    EXPECT_TRUE (defaults.getNormalImage() == defaults.getOverImage());
    EXPECT_FALSE (defaults.getNormalImage() == defaults.getDownImage());
    EXPECT_FALSE (send.getNormalImage() == send.getOverImage());
    EXPECT_FALSE (send.getOverImage() == send.getDownImage());
    EXPECT_FALSE (send.getNormalImage() == send.getDownImage());

    for (auto* b : { &defaults, &send })
        for (const auto& image : { b->getNormalImage(), b->getOverImage(), b->getDownImage() })
            EXPECT_TRUE (image.isValid());

    EXPECT_EQ (KbdSettingComponentVT49::defaultBtn_inactive_png, KbdSettingComponentVT49::defaultBtn_hover_png);
    EXPECT_EQ (KbdSettingComponentVT49::defaultBtn_inactive_pngSize, KbdSettingComponentVT49::defaultBtn_hover_pngSize);
}

TEST_F (PanelConstruction, FixedSizeAndBackgroundWhateverThePanelSize)
{
    EXPECT_EQ (panel.getBounds(), juce::Rectangle<int> (0, 0, 1024, 660));

    auto image = paintPanel (panel);
    EXPECT_EQ (image.getPixelAt (2, 2).getARGB(), 0xfffcfcfcu);      // before the gradient's start
    EXPECT_EQ (image.getPixelAt (500, 657).getARGB(), 0xffdbdbdbu);  // the strip under the picture, past its end
    const auto middle = image.getPixelAt (20, 150);
    EXPECT_LT (middle.getRed(), 0xfc);
    EXPECT_GT (middle.getRed(), 0xdb);

    panel.setSize (1200, 800);
    for (const auto& row : widgetTable)
        EXPECT_EQ (panel.findWidget (row.member.name)->getBounds(), row.bounds);

    image = paintPanel (panel);
    EXPECT_EQ (image.getPixelAt (1100, 700).getARGB(), 0xffffffffu);
    EXPECT_EQ (image.getPixelAt (500, 657).getARGB(), 0xffdbdbdbu);
}
