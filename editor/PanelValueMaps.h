#pragma once

#include <juce_core/juce_core.h>

/** The conversions between a settings panel's combo box items and the values
    that the controller link holds, shared by the panels of every keyboard. */
namespace PanelValueMaps
{
int sameValue (int value);

/** An on/off global holds 1 for its first choice and 127 for its second. */
int onOffItemIndex (int value);
int onOffValue (int itemIndex);

/** Channel box items 16 to 19 stand for the part and special channel values. */
int channelItemIndex (int value);
int channelValue (int itemIndex);

/** The descriptor table's key of a picked item id: its low 16 bits, signed. */
short descriptorKey (int item);
} // namespace PanelValueMaps
