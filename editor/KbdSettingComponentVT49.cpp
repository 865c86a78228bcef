#include "KbdSettingComponentVT49.h"

#include "OrlunePictures.h"
#include "PanelItemLists.h"

const char* KbdSettingComponentVT49::defaultBtn_push_png = OrlunePictures::defaultBtn_push_png;
const int KbdSettingComponentVT49::defaultBtn_push_pngSize = OrlunePictures::defaultBtn_push_pngSize;
const char* KbdSettingComponentVT49::defaultBtn_hover_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponentVT49::defaultBtn_hover_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponentVT49::defaultBtn_inactive_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponentVT49::defaultBtn_inactive_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponentVT49::sendBtn_push_png = OrlunePictures::sendBtn_push_png;
const int KbdSettingComponentVT49::sendBtn_push_pngSize = OrlunePictures::sendBtn_push_pngSize;
const char* KbdSettingComponentVT49::sendBtn_hover_png = OrlunePictures::sendBtn_hover_png;
const int KbdSettingComponentVT49::sendBtn_hover_pngSize = OrlunePictures::sendBtn_hover_pngSize;
const char* KbdSettingComponentVT49::sendBtn_inactive_png = OrlunePictures::sendBtn_inactive_png;
const int KbdSettingComponentVT49::sendBtn_inactive_pngSize = OrlunePictures::sendBtn_inactive_pngSize;

namespace
{
enum class Items
{
    none,
    midiChannels,
    knobModes,
    faderModes,
    splitModes,
    modes,
    itemChannels,
    numbers,
    notes,
    controllers
};

enum class Variant
{
    standard,
    titleCentredLeft,  // group box
    textCentredRight,  // combo box
    editableName,      // text editor
    readOnly,          // text editor
    defaultPictures,   // image button
    sendPictures,      // image button
    firmwareColours    // text button
};

struct WidgetRow
{
    const char* name;
    const char* text;
    juce::Rectangle<int> bounds;
    int focusOrder;  // 0: none
    Items items = Items::none;
    const char* tooltip = nullptr;
    Variant variant = Variant::standard;
};

// One row per widget, in member order: creation, stacking and deletion order.
const WidgetRow widgetRows[] {
    { "global group", "Global Parameters", { 6, 8, 419, 128 }, 0, Items::none, nullptr, Variant::titleCentredLeft },
    { "channel label", "Part 2 channel:", { 20, 32, 93, 24 }, 1 },
    { "lower channel combo", "", { 115, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Knob mode:", { 20, 64, 88, 24 }, 3 },
    { "knob mode combo", "", { 115, 64, 88, 24 }, 4, Items::knobModes },
    { "new group", "Selected Control Parameters", { 436, 8, 480, 128 }, 0 },
    { "new label", "Name:", { 452, 32, 80, 24 }, 0 },
    { "new text editor", "<Click a Control>", { 548, 32, 120, 24 }, 0, Items::none, nullptr, Variant::editableName },
    { "new label", "CC number:", { 680, 64, 80, 24 }, 0 },
    { "CC number combo", "", { 776, 64, 120, 24 }, 2, Items::controllers,
      "Midi control number assigned to the selected control" },
    { "new button", "", { 929, 38, 88, 24 }, 0, Items::none, nullptr, Variant::defaultPictures },
    { "new button", "", { 921, 14, 102, 24 }, 0, Items::none, nullptr, Variant::sendPictures },
    { "", "", { 0, 169, 1024, 485 }, 0 },
    { "new label", "Mode:", { 680, 32, 80, 24 }, 0 },
    { "Mode combo", "", { 776, 32, 120, 24 }, 2, Items::modes, "Mode assigned to the selected control" },
    { "new label", "Channel:", { 452, 64, 80, 24 }, 0 },
    { "Channel combo", "", { 548, 64, 120, 24 }, 2, Items::itemChannels, "Midi channel assigned to the selected control" },
    { "new label", "Max / MSB:", { 680, 96, 80, 24 }, 0 },
    { "Max MSB combo", "", { 776, 96, 120, 24 }, 2, Items::numbers, "Max value (or MSB) set for the selected control" },
    { "new label", "Min / LSB:", { 452, 96, 80, 24 }, 0 },
    { "Min LSB combo", "", { 548, 96, 120, 24 }, 2, Items::numbers, "Min value (or LSB) set for the selected control" },
    { "knob mode label", "Split mode:", { 20, 96, 88, 24 }, 3 },
    { "split mode combo", "", { 115, 96, 88, 24 }, 4, Items::splitModes },
    { "channel label", "Part 1 channel:", { 220, 32, 93, 24 }, 1 },
    { "upper channel combo", "", { 315, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Fader mode:", { 220, 64, 88, 24 }, 3 },
    { "fader mode combo", "", { 315, 64, 88, 24 }, 4, Items::faderModes },
    { "knob mode label", "Split point:", { 220, 96, 88, 24 }, 3 },
    { "split point combo", "", { 315, 96, 88, 24 }, 4, Items::notes },
    { "load button", "Load...", { 933, 67, 78, 20 }, 0 },
    { "save button", "Save...", { 933, 91, 78, 20 }, 0 },
    { "chart button", "Chart...", { 933, 115, 78, 20 }, 0 },
    { "FW button", "Upgrade firmware...", { 725, 142, 96, 22 }, 0, Items::none, nullptr, Variant::firmwareColours },
    { "new label", "Firmware revision:", { 451, 142, 130, 24 }, 0 },
    { "firmware revision", "Not detected yet", { 582, 140, 133, 24 }, 0, Items::none, nullptr, Variant::readOnly },
};

constexpr int widgetCount = (int) std::size (widgetRows);

juce::StringArray itemTexts (Items items)
{
    switch (items)
    {
        case Items::midiChannels: return panelItems::midiChannels();
        case Items::knobModes:    return { "Absolute", "Relative" };
        case Items::faderModes:   return { "Normal", "Drawbar" };
        case Items::splitModes:   return { "Off", "On" };
        case Items::modes:        return panelItems::modes();
        case Items::itemChannels: return panelItems::itemChannels();
        case Items::numbers:      return panelItems::numbers (128);
        case Items::notes:        return panelItems::noteNames();
        case Items::controllers:  return panelItems::controllerNames();
        case Items::none:         break;
    }

    return {};
}

juce::Image picture (const char* data, int size)
{
    return juce::ImageCache::getFromMemory (data, size);
}

//==============================================================================
// Creation, per kind of widget

void create (std::unique_ptr<juce::GroupComponent>& w, const WidgetRow& row)
{
    w = std::make_unique<juce::GroupComponent> (row.name, row.text);
}

void create (std::unique_ptr<juce::Label>& w, const WidgetRow& row)
{
    w = std::make_unique<juce::Label> (row.name, row.text);
}

void create (std::unique_ptr<juce::ComboBox>& w, const WidgetRow& row)
{
    w = std::make_unique<juce::ComboBox> (row.name);
}

void create (std::unique_ptr<juce::TextEditor>& w, const WidgetRow& row)
{
    w = std::make_unique<juce::TextEditor> (row.name, 0);
}

void create (std::unique_ptr<juce::ImageButton>& w, const WidgetRow& row)
{
    w = std::make_unique<juce::ImageButton> (row.name);
}

void create (std::unique_ptr<juce::TextButton>& w, const WidgetRow& row)
{
    w = std::make_unique<juce::TextButton> (row.name);
}

void create (std::unique_ptr<VT49CtrlPickerComponent>& w, const WidgetRow&)
{
    w = std::make_unique<VT49CtrlPickerComponent>();
}

//==============================================================================
// Settings, per kind of widget

void configure (juce::GroupComponent& group, const WidgetRow& row, KbdSettingComponentVT49&)
{
    if (row.variant == Variant::titleCentredLeft)
        group.setTextLabelPosition (juce::Justification::centredLeft);
}

void configure (juce::Label& label, const WidgetRow&, KbdSettingComponentVT49&)
{
    label.setFont (juce::Font (15.0f, juce::Font::plain));
    label.setJustificationType (juce::Justification::centredLeft);
    label.setEditable (false, false, false);
    label.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
}

void configure (juce::ComboBox& combo, const WidgetRow& row, KbdSettingComponentVT49& panel)
{
    combo.setEditableText (false);
    combo.setJustificationType (row.variant == Variant::textCentredRight ? juce::Justification::centredRight
                                                                         : juce::Justification::centredLeft);
    combo.setTextWhenNothingSelected ({});
    combo.setTextWhenNoChoicesAvailable ("(no choices)");

    if (row.tooltip != nullptr)
        combo.setTooltip (row.tooltip);

    combo.addItemList (itemTexts (row.items), 1);
    combo.addListener (&panel);
}

void configure (juce::TextEditor& editor, const WidgetRow& row, KbdSettingComponentVT49&)
{
    editor.setMultiLine (false, true);
    editor.setReturnKeyStartsNewLine (false);
    editor.setReadOnly (row.variant == Variant::readOnly);
    editor.setScrollbarsShown (false);
    editor.setCaretVisible (false);
    editor.setPopupMenuEnabled (false);

    if (row.variant == Variant::editableName)
    {
        // The translucent red with which the picker marks the selected control.
        editor.setColour (juce::TextEditor::textColourId, juce::Colours::black);
        editor.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x60ff8080));
    }

    editor.setText (row.text, true);
}

void configure (juce::ImageButton& button, const WidgetRow& row, KbdSettingComponentVT49& panel)
{
    using Panel = KbdSettingComponentVT49;
    const bool isDefault = row.variant == Variant::defaultPictures;

    const auto normal = isDefault ? picture (Panel::defaultBtn_inactive_png, Panel::defaultBtn_inactive_pngSize)
                                  : picture (Panel::sendBtn_inactive_png, Panel::sendBtn_inactive_pngSize);
    const auto over = isDefault ? picture (Panel::defaultBtn_hover_png, Panel::defaultBtn_hover_pngSize)
                                : picture (Panel::sendBtn_hover_png, Panel::sendBtn_hover_pngSize);
    const auto down = isDefault ? picture (Panel::defaultBtn_push_png, Panel::defaultBtn_push_pngSize)
                                : picture (Panel::sendBtn_push_png, Panel::sendBtn_push_pngSize);

    const juce::Colour noOverlay (0x00000000);
    button.addListener (&panel);
    button.setImages (false, true, true,
                      normal, 1.0f, noOverlay,
                      over, 1.0f, noOverlay,
                      down, 1.0f, noOverlay,
                      0.0f);
}

void configure (juce::TextButton& button, const WidgetRow& row, KbdSettingComponentVT49& panel)
{
    button.setButtonText (row.text);
    button.addListener (&panel);
    button.setColour (juce::TextButton::buttonColourId,
                      row.variant == Variant::firmwareColours ? juce::Colour (0xff8d99a0) : juce::Colours::grey);
    button.setColour (juce::TextButton::buttonOnColourId, juce::Colour (0xff535a5e));
    button.setColour (juce::TextButton::textColourOnId, juce::Colour (0xfff0f0f0));
    button.setColour (juce::TextButton::textColourOffId, juce::Colour (0xfff0f0f0));
}

void configure (VT49CtrlPickerComponent&, const WidgetRow&, KbdSettingComponentVT49&)
{
}
} // namespace

//==============================================================================
template <typename Fn>
void KbdSettingComponentVT49::forEachWidget (Fn&& fn)
{
    fn (globalGroup);
    fn (part2ChannelLabel);
    fn (lowerChannelCombo);
    fn (knobModeLabel);
    fn (knobModeCombo);
    fn (controlGroup);
    fn (nameLabel);
    fn (nameEditor);
    fn (ccNumberLabel);
    fn (ccNumberCombo);
    fn (defaultButton);
    fn (sendButton);
    fn (picker);
    fn (modeLabel);
    fn (modeCombo);
    fn (channelLabel);
    fn (channelCombo);
    fn (maxMsbLabel);
    fn (maxMsbCombo);
    fn (minLsbLabel);
    fn (minLsbCombo);
    fn (splitModeLabel);
    fn (splitModeCombo);
    fn (part1ChannelLabel);
    fn (upperChannelCombo);
    fn (faderModeLabel);
    fn (faderModeCombo);
    fn (splitPointLabel);
    fn (splitPointCombo);
    fn (loadButton);
    fn (saveButton);
    fn (chartButton);
    fn (fwButton);
    fn (firmwareLabel);
    fn (firmwareEditor);
}

KbdSettingComponentVT49::KbdSettingComponentVT49()
    : KbdSettingComponentVT49 (MidiPorts::platform(), Clock::system())
{
}

KbdSettingComponentVT49::KbdSettingComponentVT49 (MidiPorts& ports, Clock& clock)
    : manager (nullptr, ports, clock)
{
    int row = 0;

    forEachWidget ([this, &row] (auto& widget)
    {
        jassert (row < widgetCount);
        const auto& settings = widgetRows[row++];

        create (widget, settings);
        addAndMakeVisible (*widget);

        if (settings.focusOrder > 0)
            widget->setExplicitFocusOrder (settings.focusOrder);

        configure (*widget, settings, *this);
    });

    jassert (row == widgetCount);

    setSize (1024, 660);

    chartButton->setVisible (false);
    fwButton->setVisible (true);

    currentItem = -1;
    picker->addActionListener (this);
    descriptors = getAllDescriptors();

    ZelManager49::sStandaloneMode = true;
    manager.listeners.add (this);

    // Last: from here on the controller link's info codes arrive.
    manager.startDetection (true);
}

KbdSettingComponentVT49::~KbdSettingComponentVT49()
{
    // The widgets go first, in member order; the controller link follows as a member.
    forEachWidget ([] (auto& widget) { widget = nullptr; });
}

void KbdSettingComponentVT49::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xfffcfcfc), 328.0f, 8.0f,
                                             juce::Colour (0xffdbdbdb), 336.0f, 328.0f, false));
    g.fillRect (0, 0, 1024, 660);
}

void KbdSettingComponentVT49::resized()
{
    // Fixed places, whatever the panel's size.
    int row = 0;
    forEachWidget ([&row] (auto& widget)
    {
        if (widget != nullptr)
            widget->setBounds (widgetRows[row].bounds);

        ++row;
    });
}
