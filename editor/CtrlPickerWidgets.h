#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

/** What every keyboard picker does with its transparent widgets: set them up,
    lay them out from the picker's table, and turn a click into the id sent. */
namespace CtrlPickerWidgets
{
/** The look and wiring of a picker widget; its text holds its id(s). */
void setUp (juce::Button& widget, juce::Button::Listener& listener,
            const juce::String& text, const juce::String& tooltip);

/** What a picker widget looks like and does. */
enum class WidgetKind
{
    button,
    knob,
    shift  // toggles between the ids before and after the hyphen
};

/** One picker widget, over its control in the picture. */
struct PickerRow
{
    const char* tooltip;
    const char* text; // the id sent without Shift, then the one sent with Shift after a hyphen
    int x, y, w, h;
    WidgetKind kind = WidgetKind::button;
};

/** Places each widget over its row of the table, in widget order. */
template <size_t numRows>
void layOut (const std::vector<std::unique_ptr<juce::Button>>& widgets, const PickerRow (&rows)[numRows])
{
    for (size_t i = 0; i < widgets.size() && i < numRows; ++i)
        widgets[i]->setBounds (rows[i].x, rows[i].y, rows[i].w, rows[i].h);
}

/** Flips Shift and re-announces the selected control (if any) under the new state. */
void toggleShift (juce::Button& shift, juce::Button* lastSelected);

/** Marks the clicked widget selected and returns the id to send: the text before a
    hyphen without Shift, the text after it with Shift, the whole text if it has none. */
juce::String select (juce::Button& widget, bool shifted);

/** A click on one of the picker's widgets: a click on Shift (if the picker has
    one) flips it and re-announces the selected control; any other widget becomes
    the selection and the picker broadcasts its id. */
void handleClick (juce::ActionBroadcaster& picker, juce::Button& clicked,
                  juce::Button* shift, juce::Button*& lastSelected);

/** The picture, scaled to the picker's size. */
void drawPicture (juce::Graphics& g, const juce::Image& picture, int width, int height);
} // namespace CtrlPickerWidgets
