#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstddef>
#include <memory>

/** The settings panels' widgets as data: each panel lists one row per widget,
    in member order, and these routines create, set up and place them. */
namespace panelWidgets
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

struct Row
{
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

void create (std::unique_ptr<juce::GroupComponent>& w, const Row& row);
void create (std::unique_ptr<juce::Label>& w, const Row& row);
void create (std::unique_ptr<juce::ComboBox>& w, const Row& row);
void create (std::unique_ptr<juce::TextEditor>& w, const Row& row);
void create (std::unique_ptr<juce::ImageButton>& w, const Row& row);
void create (std::unique_ptr<juce::TextButton>& w, const Row& row);

/** A keyboard picker is made with its own picture and needs no settings. */
template <typename Picker>
void create (std::unique_ptr<Picker>& w, const Row&)
{
    w = std::make_unique<Picker>();
}

void configure (juce::GroupComponent& group, const Row& row, const Owner& owner);
void configure (juce::Label& label, const Row& row, const Owner& owner);
void configure (juce::ComboBox& combo, const Row& row, const Owner& owner);
void configure (juce::TextEditor& editor, const Row& row, const Owner& owner);
void configure (juce::ImageButton& button, const Row& row, const Owner& owner);
void configure (juce::TextButton& button, const Row& row, const Owner& owner);

template <typename Picker>
void configure (Picker&, const Row&, const Owner&)
{
}

/** Creates, shows and sets up each widget that `forEachWidget` hands over, the
    n-th from rows[n]. */
template <std::size_t count, typename ForEachWidget>
void build (juce::Component& panel, const Row (&rows)[count], const Owner& owner, ForEachWidget&& forEachWidget)
{
    std::size_t row = 0;

    forEachWidget ([&] (auto& widget)
    {
        jassert (row < count);
        const auto& settings = rows[row++];

        create (widget, settings);
        panel.addAndMakeVisible (*widget);

        if (settings.focusOrder > 0)
            widget->setExplicitFocusOrder (settings.focusOrder);

        configure (*widget, settings, owner);
    });

    jassert (row == count);
}

/** Puts each widget that still exists at its row's fixed place. */
template <std::size_t count, typename ForEachWidget>
void place (const Row (&rows)[count], ForEachWidget&& forEachWidget)
{
    std::size_t row = 0;

    forEachWidget ([&] (auto& widget)
    {
        jassert (row < count);

        if (widget != nullptr)
            widget->setBounds (rows[row].bounds);

        ++row;
    });
}

/** The panels' white ground under a light grey gradient over width x height. */
void paintBackground (juce::Graphics& g, int width, int height);
} // namespace panelWidgets
