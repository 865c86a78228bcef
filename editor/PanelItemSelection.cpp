#include "PanelItemSelection.h"

#include "PanelValueMaps.h"

namespace PanelItemSelection
{
std::optional<int> pickedItem (const juce::String& message, const std::map<short, KbdCtrlDescriptor>& descriptors)
{
    // Every hexadecimal digit counts, everything else is skipped: "0x40" is 0x40.
    const int item = message.getHexValue32();

    if (descriptors.count (PanelValueMaps::descriptorKey (item)) == 0)
        return std::nullopt;

    return item;
}

void showName (juce::TextEditor& nameEditor, const std::map<short, KbdCtrlDescriptor>& descriptors, int item)
{
    const auto entry = descriptors.find (PanelValueMaps::descriptorKey (item));
    jassert (entry != descriptors.end());

    if (entry != descriptors.end())
        nameEditor.setText (entry->second.name, true);
}

void enableModes (juce::ComboBox& modeCombo, const bool* enabled)
{
    if (enabled == nullptr)
        return;

    for (int k = 1; k <= 12; ++k)
        modeCombo.setItemEnabled (k, enabled[k - 1]);
}
} // namespace PanelItemSelection
