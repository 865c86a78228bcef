#pragma once

#include <juce_graphics/juce_graphics.h>

/** The Orlune's control panel, 1024 x 485: each control lies where the
    picker component lays its widget. The captions "Back Panel" and "Drum Pads"
    and the Shift frame are left to the component. */
juce::Image drawOrlunePickerPicture();
