#pragma once

#include "CtrlPickerWidgets.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

/** The earlier keyboards' pickers are all made of plain picker buttons and
    Shift, built from the pickers' table rows. */
namespace EarlierPickerWidgets
{
/** Adds one picker button per row to the parent, in table order, and returns
    the Shift button (nullptr if the table has none). Every other button joins
    the one radio group of the selection. */
juce::Button* addButtons (juce::Component& parent, juce::Button::Listener& listener,
                          const CtrlPickerWidgets::PickerRow* rows, size_t numRows,
                          std::vector<std::unique_ptr<juce::Button>>& widgets);

template <size_t numRows>
juce::Button* addButtons (juce::Component& parent, juce::Button::Listener& listener,
                          const CtrlPickerWidgets::PickerRow (&rows)[numRows],
                          std::vector<std::unique_ptr<juce::Button>>& widgets)
{
    return addButtons (parent, listener, rows, numRows, widgets);
}
} // namespace EarlierPickerWidgets
