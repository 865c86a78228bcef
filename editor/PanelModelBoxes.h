#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstddef>
#include <memory>

/** A settings panel's combo box tied to one global setting or item parameter:
    the panel's member, the setting's index and the conversions between the
    box's item index and the stored value. */
template <typename Panel>
struct PanelModelBox
{
    std::unique_ptr<juce::ComboBox> Panel::*box;
    int index;  // the global setting or the item parameter
    int (*valueToItemIndex) (int value);
    int (*itemIndexToValue) (int itemIndex);
};

/** Shows in each box the value that valueOf (index) gives; each box reports
    back through the panel's comboBoxChanged. Values that a box cannot show
    leave it without a selection. */
template <typename Panel, std::size_t count, typename ValueOf>
void showModelBoxes (Panel& panel, const PanelModelBox<Panel> (&boxes)[count], ValueOf&& valueOf)
{
    for (const auto& row : boxes)
        (panel.*row.box)->setSelectedItemIndex (row.valueToItemIndex (valueOf (row.index)), juce::sendNotification);
}

/** If `box` is one of `boxes`, calls store (index, value) with the value it
    shows and returns true. */
template <typename Panel, std::size_t count, typename Store>
bool storeModelBox (Panel& panel, const PanelModelBox<Panel> (&boxes)[count], const juce::ComboBox* box, Store&& store)
{
    for (const auto& row : boxes)
    {
        if ((panel.*row.box).get() == box)
        {
            store (row.index, row.itemIndexToValue (box->getSelectedItemIndex()));
            return true;
        }
    }

    return false;
}
