#include "KbdSettingComponent49.h"

#include "OrlunePictures.h"
#include "PanelItemLists.h"

// The same button pictures as the Orlune panel's.
const char* KbdSettingComponent49::defaultBtn_push_png = OrlunePictures::defaultBtn_push_png;
const int KbdSettingComponent49::defaultBtn_push_pngSize = OrlunePictures::defaultBtn_push_pngSize;
const char* KbdSettingComponent49::defaultBtn_hover_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponent49::defaultBtn_hover_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponent49::defaultBtn_inactive_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponent49::defaultBtn_inactive_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponent49::sendBtn_push_png = OrlunePictures::sendBtn_push_png;
const int KbdSettingComponent49::sendBtn_push_pngSize = OrlunePictures::sendBtn_push_pngSize;
const char* KbdSettingComponent49::sendBtn_hover_png = OrlunePictures::sendBtn_hover_png;
const int KbdSettingComponent49::sendBtn_hover_pngSize = OrlunePictures::sendBtn_hover_pngSize;
const char* KbdSettingComponent49::sendBtn_inactive_png = OrlunePictures::sendBtn_inactive_png;
const int KbdSettingComponent49::sendBtn_inactive_pngSize = OrlunePictures::sendBtn_inactive_pngSize;

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
    defaultPictures,   // image button
    sendPictures       // image button
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
    { "global group", "Global Parameters", { 13, 8, 419, 128 }, 0, Items::none, nullptr, Variant::titleCentredLeft },
    { "channel label", "Lower channel:", { 27, 32, 93, 24 }, 1 },
    { "lower channel combo", "", { 122, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Knob mode:", { 27, 64, 88, 24 }, 3 },
    { "knob mode combo", "", { 122, 64, 88, 24 }, 4, Items::knobModes },
    { "new group", "Selected Control Parameters", { 443, 8, 480, 128 }, 0 },
    { "new label", "Name:", { 459, 32, 80, 24 }, 0 },
    { "new text editor", "<Click a Control>", { 555, 32, 120, 24 }, 0 },
    { "new label", "CC number:", { 687, 64, 80, 24 }, 0 },
    { "CC number combo", "", { 783, 64, 120, 24 }, 2, Items::controllers,
      "Midi control number assigned to the selected control" },
    { "new button", "", { 944, 38, 88, 24 }, 0, Items::none, nullptr, Variant::defaultPictures },
    { "new button", "", { 936, 14, 102, 24 }, 0, Items::none, nullptr, Variant::sendPictures },
    { "", "", { 0, 149, 1063, 317 }, 0 },
    { "new label", "Mode:", { 687, 32, 80, 24 }, 0 },
    { "Mode combo", "", { 783, 32, 120, 24 }, 2, Items::modes, "Mode assigned to the selected control" },
    { "new label", "Channel:", { 459, 64, 80, 24 }, 0 },
    { "Channel combo", "", { 555, 64, 120, 24 }, 2, Items::itemChannels, "Midi channel assigned to the selected control" },
    { "new label", "Max / MSB:", { 687, 96, 80, 24 }, 0 },
    { "Max MSB combo", "", { 783, 96, 120, 24 }, 2, Items::numbers, "Max value (or MSB) set for the selected control" },
    { "new label", "Min / LSB:", { 459, 96, 80, 24 }, 0 },
    { "Min LSB combo", "", { 555, 96, 120, 24 }, 2, Items::numbers, "Min value (or LSB) set for the selected control" },
    { "knob mode label", "Split mode:", { 27, 96, 88, 24 }, 3 },
    { "split mode combo", "", { 122, 96, 88, 24 }, 4, Items::splitModes },
    { "channel label", "Upper channel:", { 227, 32, 93, 24 }, 1 },
    { "upper channel combo", "", { 322, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Fader mode:", { 227, 64, 88, 24 }, 3 },
    { "fader mode combo", "", { 322, 64, 88, 24 }, 4, Items::faderModes },
    { "knob mode label", "Split point:", { 227, 96, 88, 24 }, 3 },
    { "split point combo", "", { 322, 96, 88, 24 }, 4, Items::notes },
    { "load button", "Load...", { 948, 67, 78, 20 }, 0 },
    { "save button", "Save...", { 948, 91, 78, 20 }, 0 },
    { "chart button", "Chart...", { 948, 115, 78, 20 }, 0 },
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

void create (std::unique_ptr<VUK49CtrlPickerComponent>& w, const WidgetRow&)
{
    w = std::make_unique<VUK49CtrlPickerComponent>();
}

//==============================================================================
// Settings, per kind of widget

void configure (juce::GroupComponent& group, const WidgetRow& row, KbdSettingComponent49&)
{
    if (row.variant == Variant::titleCentredLeft)
        group.setTextLabelPosition (juce::Justification::centredLeft);
}

void configure (juce::Label& label, const WidgetRow&, KbdSettingComponent49&)
{
    label.setFont (juce::Font (15.0f, juce::Font::plain));
    label.setJustificationType (juce::Justification::centredLeft);
    label.setEditable (false, false, false);
    label.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
}

void configure (juce::ComboBox& combo, const WidgetRow& row, KbdSettingComponent49& panel)
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

void configure (juce::TextEditor& editor, const WidgetRow& row, KbdSettingComponent49&)
{
    editor.setMultiLine (false, true);
    editor.setReturnKeyStartsNewLine (false);
    editor.setReadOnly (false);
    editor.setScrollbarsShown (false);
    editor.setCaretVisible (false);
    editor.setPopupMenuEnabled (false);

    // The translucent red with which the picker marks the selected control.
    editor.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    editor.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x60ff8080));

    editor.setText (row.text, true);
}

void configure (juce::ImageButton& button, const WidgetRow& row, KbdSettingComponent49& panel)
{
    using Panel = KbdSettingComponent49;
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

void configure (juce::TextButton& button, const WidgetRow& row, KbdSettingComponent49& panel)
{
    button.setButtonText (row.text);
    button.addListener (&panel);
    button.setColour (juce::TextButton::buttonColourId, juce::Colours::grey);
    button.setColour (juce::TextButton::buttonOnColourId, juce::Colour (0xff535a5e));
    button.setColour (juce::TextButton::textColourOnId, juce::Colour (0xfff0f0f0));
    button.setColour (juce::TextButton::textColourOffId, juce::Colour (0xfff0f0f0));
}

void configure (VUK49CtrlPickerComponent&, const WidgetRow&, KbdSettingComponent49&)
{
}
} // namespace

//==============================================================================
template <typename Fn>
void KbdSettingComponent49::forEachWidget (Fn&& fn)
{
    fn (globalGroup);
    fn (lowerChannelLabel);
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
    fn (upperChannelLabel);
    fn (upperChannelCombo);
    fn (faderModeLabel);
    fn (faderModeCombo);
    fn (splitPointLabel);
    fn (splitPointCombo);
    fn (loadButton);
    fn (saveButton);
    fn (chartButton);
}

KbdSettingComponent49::KbdSettingComponent49()
    : KbdSettingComponent49 (MidiPorts::platform(), Clock::system())
{
}

KbdSettingComponent49::KbdSettingComponent49 (MidiPorts& ports, Clock& clock)
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

    setSize (1063, 460);

    currentItem = -1;
    picker->addActionListener (this);
    descriptors = getAllDescriptors();

    ZelManager49::sStandaloneMode = true;
    manager.listeners.add (this);

    // Last: from here on the controller link's info codes arrive.
    manager.startDetection (true);
}

KbdSettingComponent49::~KbdSettingComponent49()
{
    // The widgets go first, in member order; the controller link follows as a member.
    forEachWidget ([] (auto& widget) { widget = nullptr; });
}

void KbdSettingComponent49::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xfffcfcfc), 328.0f, 8.0f,
                                             juce::Colour (0xffdbdbdb), 336.0f, 328.0f, false));
    g.fillRect (0, 0, 1063, 500);
}

void KbdSettingComponent49::resized()
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
