#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

/** The settings panels' widgets as data: each panel hands over every widget
    member together with its row, in member order, and these routines create,
    set up, place and find them. */
namespace PanelWidgets
{
/** The choices a combo box offers. */
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

/** One widget of a panel: the member that holds it, then how it is made and placed. */
struct WidgetRow
{
    const char* member;
    const char* name;
    const char* text;
    juce::Rectangle<int> bounds;
    int focusOrder;  // 0: none
    Items items = Items::none;
    const char* tooltip = nullptr;
    Variant variant = Variant::standard;
};

/** An embedded picture: its bytes and their count. */
struct Picture
{
    const char* data;
    int size;
};

/** What the widgets report to and show, as the owning panel gives them. */
struct Owner
{
    juce::ComboBox::Listener& comboListener;
    juce::Button::Listener& buttonListener;
    Picture defaultNormal, defaultOver, defaultDown;
    Picture sendNormal, sendOver, sendDown;
};

/** A panel as owner: it listens to its boxes and buttons, and its class holds
    the button pictures. */
template <typename Panel>
Owner ownerOf (Panel& panel)
{
    return { panel, panel,
             { Panel::defaultBtn_inactive_png, Panel::defaultBtn_inactive_pngSize },
             { Panel::defaultBtn_hover_png, Panel::defaultBtn_hover_pngSize },
             { Panel::defaultBtn_push_png, Panel::defaultBtn_push_pngSize },
             { Panel::sendBtn_inactive_png, Panel::sendBtn_inactive_pngSize },
             { Panel::sendBtn_hover_png, Panel::sendBtn_hover_pngSize },
             { Panel::sendBtn_push_png, Panel::sendBtn_push_pngSize } };
}

void create (std::unique_ptr<juce::GroupComponent>& w, const WidgetRow& row);
void create (std::unique_ptr<juce::Label>& w, const WidgetRow& row);
void create (std::unique_ptr<juce::ComboBox>& w, const WidgetRow& row);
void create (std::unique_ptr<juce::TextEditor>& w, const WidgetRow& row);
void create (std::unique_ptr<juce::ImageButton>& w, const WidgetRow& row);
void create (std::unique_ptr<juce::TextButton>& w, const WidgetRow& row);

/** A keyboard picker is made with its own picture and needs no settings. */
template <typename Picker>
void create (std::unique_ptr<Picker>& w, const WidgetRow&)
{
    w = std::make_unique<Picker>();
}

void configure (juce::GroupComponent& group, const WidgetRow& row, const Owner& owner);
void configure (juce::Label& label, const WidgetRow& row, const Owner& owner);
void configure (juce::ComboBox& combo, const WidgetRow& row, const Owner& owner);
void configure (juce::TextEditor& editor, const WidgetRow& row, const Owner& owner);
void configure (juce::ImageButton& button, const WidgetRow& row, const Owner& owner);
void configure (juce::TextButton& button, const WidgetRow& row, const Owner& owner);

template <typename Picker>
void configure (Picker&, const WidgetRow&, const Owner&)
{
}

/** Creates, shows and sets up each widget that `forEachWidget` hands over with its row. */
template <typename ForEachWidget>
void build (juce::Component& panel, const Owner& owner, ForEachWidget&& forEachWidget)
{
    forEachWidget ([&] (auto& widget, const WidgetRow& row)
    {
        create (widget, row);
        panel.addAndMakeVisible (*widget);

        if (row.focusOrder > 0)
            widget->setExplicitFocusOrder (row.focusOrder);

        configure (*widget, row, owner);
    });
}

/** Puts each widget that still exists at its row's fixed place. */
template <typename ForEachWidget>
void place (ForEachWidget&& forEachWidget)
{
    forEachWidget ([] (auto& widget, const WidgetRow& row)
    {
        if (widget != nullptr)
            widget->setBounds (row.bounds);
    });
}

/** The widget that the named member holds, or nullptr if no row names that member. */
template <typename ForEachWidget>
juce::Component* find (juce::StringRef member, ForEachWidget&& forEachWidget)
{
    juce::Component* found = nullptr;

    forEachWidget ([&] (auto& widget, const WidgetRow& row)
    {
        if (found == nullptr && member == juce::StringRef (row.member))
            found = widget.get();
    });

    return found;
}

/** The panels' white ground under a light grey gradient over width x height. */
void paintBackground (juce::Graphics& g, int width, int height);
} // namespace PanelWidgets
