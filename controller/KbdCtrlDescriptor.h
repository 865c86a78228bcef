#pragma once

#include <juce_core/juce_core.h>

/** One control of a keyboard model: its display name and default assignment. */
struct KbdCtrlDescriptor
{
    const char* name;
    juce::int16 mode;
    juce::int16 spare;
    juce::int16 channel;
    juce::int16 number;
    bool flag;
};
