#include "PanelWidgets.h"

#include "PanelItemLists.h"

namespace PanelWidgets
{
namespace
{
juce::StringArray itemTexts (Items items)
{
    switch (items)
    {
        case Items::midiChannels: return PanelItemLists::midiChannels();
        case Items::knobModes:    return { "Absolute", "Relative" };
        case Items::faderModes:   return { "Normal", "Drawbar" };
        case Items::splitModes:   return { "Off", "On" };
        case Items::modes:        return PanelItemLists::modes();
        case Items::itemChannels: return PanelItemLists::itemChannels();
        case Items::numbers:      return PanelItemLists::numbers (128);
        case Items::notes:        return PanelItemLists::noteNames();
        case Items::controllers:  return PanelItemLists::controllerNames();
        case Items::none:         break;
    }

    return {};
}

juce::Image image (const Picture& picture)
{
    return juce::ImageCache::getFromMemory (picture.data, picture.size);
}
} // namespace

//==============================================================================
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

//==============================================================================
void configure (juce::GroupComponent& group, const WidgetRow& row, const Owner&)
{
    if (row.variant == Variant::titleCentredLeft)
        group.setTextLabelPosition (juce::Justification::centredLeft);
}

void configure (juce::Label& label, const WidgetRow&, const Owner&)
{
    label.setFont (juce::Font (15.0f, juce::Font::plain));
    label.setJustificationType (juce::Justification::centredLeft);
    label.setEditable (false, false, false);
    label.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
}

void configure (juce::ComboBox& combo, const WidgetRow& row, const Owner& owner)
{
    combo.setEditableText (false);
    combo.setJustificationType (row.variant == Variant::textCentredRight ? juce::Justification::centredRight
                                                                         : juce::Justification::centredLeft);
    combo.setTextWhenNothingSelected ({});
    combo.setTextWhenNoChoicesAvailable ("(no choices)");

    if (row.tooltip != nullptr)
        combo.setTooltip (row.tooltip);

    combo.addItemList (itemTexts (row.items), 1);
    combo.addListener (&owner.comboListener);
}

void configure (juce::TextEditor& editor, const WidgetRow& row, const Owner&)
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

void configure (juce::ImageButton& button, const WidgetRow& row, const Owner& owner)
{
    const bool isDefault = row.variant == Variant::defaultPictures;

    const auto normal = image (isDefault ? owner.defaultNormal : owner.sendNormal);
    const auto over = image (isDefault ? owner.defaultOver : owner.sendOver);
    const auto down = image (isDefault ? owner.defaultDown : owner.sendDown);

    const juce::Colour noOverlay (0x00000000);
    button.addListener (&owner.buttonListener);
    button.setImages (false, true, true,
                      normal, 1.0f, noOverlay,
                      over, 1.0f, noOverlay,
                      down, 1.0f, noOverlay,
                      0.0f);
}

void configure (juce::TextButton& button, const WidgetRow& row, const Owner& owner)
{
    button.setButtonText (row.text);
    button.addListener (&owner.buttonListener);
    button.setColour (juce::TextButton::buttonColourId,
                      row.variant == Variant::firmwareColours ? juce::Colour (0xff8d99a0) : juce::Colours::grey);
    button.setColour (juce::TextButton::buttonOnColourId, juce::Colour (0xff535a5e));
    button.setColour (juce::TextButton::textColourOnId, juce::Colour (0xfff0f0f0));
    button.setColour (juce::TextButton::textColourOffId, juce::Colour (0xfff0f0f0));
}

//==============================================================================
void paintBackground (juce::Graphics& g, int width, int height)
{
    g.fillAll (juce::Colours::white);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xfffcfcfc), 328.0f, 8.0f,
                                             juce::Colour (0xffdbdbdb), 336.0f, 328.0f, false));
    g.fillRect (0, 0, width, height);
}
} // namespace PanelWidgets
