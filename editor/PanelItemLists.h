#pragma once

#include <juce_core/juce_core.h>

/** The texts of the settings panel's combo boxes, in item order (item id =
    position + 1). */
namespace PanelItemLists
{
/** "0" to "count - 1". */
juce::StringArray numbers (int count);

/** "1" to "16". */
juce::StringArray midiChannels();

/** The sixteen channels, then "Lower", "Upper", "Panel" and "All". */
juce::StringArray itemChannels();

/** The twelve control modes, "Off-Disabled" to "Patch Change". */
juce::StringArray modes();

/** "n - name" for controller numbers 0 to 127. */
juce::StringArray controllerNames();

/** Note names of MIDI notes 0 to 127, sharps only: "C-2" to "G8". */
juce::StringArray noteNames();
} // namespace PanelItemLists
