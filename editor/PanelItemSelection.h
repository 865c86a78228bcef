#pragma once

#include "KbdCtrlDescriptor.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <optional>

/** The settings panels' handling of the control picked on the keyboard picture. */
namespace PanelItemSelection
{
/** The item id that a picker's message names, if the panel has a control of that id. */
std::optional<int> pickedItem (const juce::String& message, const std::map<short, KbdCtrlDescriptor>& descriptors);

/** Shows the name of the control of `item`. */
void showName (juce::TextEditor& nameEditor, const std::map<short, KbdCtrlDescriptor>& descriptors, int item);

/** Enables the "Mode combo" choices that `enabled` allows; a null table changes nothing. */
void enableModes (juce::ComboBox& modeCombo, const bool* enabled);
} // namespace PanelItemSelection
