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

/** Places each widget over its row of the table (rows with x, y, w, h, in widget order). */
template <typename Row, size_t numRows>
void layOut (const std::vector<std::unique_ptr<juce::Button>>& widgets, const Row (&rows)[numRows])
{
    for (size_t i = 0; i < widgets.size() && i < numRows; ++i)
        widgets[i]->setBounds (rows[i].x, rows[i].y, rows[i].w, rows[i].h);
}

/** Flips Shift and re-announces the selected control (if any) under the new state. */
void toggleShift (juce::Button& shift, juce::Button* lastSelected);

/** Marks the clicked widget selected and returns the id to send: the text before a
    hyphen without Shift, the text after it with Shift, the whole text if it has none. */
juce::String select (juce::Button& widget, bool shifted);

/** The picture, scaled to the picker's size. */
void drawPicture (juce::Graphics& g, const juce::Image& picture, int width, int height);
} // namespace CtrlPickerWidgets
