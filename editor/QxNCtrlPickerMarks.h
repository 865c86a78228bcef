#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

/** The four corner marks that a picker widget draws round its control while
    hovered, in the order top-left, bottom-left, top-right, bottom-right. */
using QxNCtrlPickerMarks = std::array<juce::Path, 4>;

/** Fills each mark lightly and strokes it dark, so that it stands out on both
    light and dark parts of the picture. */
void drawPickerMarks (juce::Graphics& g, const QxNCtrlPickerMarks& marks);
