#pragma once

#include <juce_graphics/juce_graphics.h>

/** A rounded dark-grey button face with its caption; the lighter face is the
    one shown under the mouse and while pressed. */
juce::Image drawButtonPicture (int width, int height, const juce::String& caption, bool lighter);
