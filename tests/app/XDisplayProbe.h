#pragma once

#include <juce_graphics/juce_graphics.h>

/** Looks at the windows of the X display as a window manager would, through
    a connection of its own: finds a top-level window by title, reads the
    hints that the application published, takes a picture of it and asks it
    to close. */
class XDisplayProbe
{
public:
    XDisplayProbe();
    ~XDisplayProbe();

    bool isOpen() const noexcept { return display != nullptr; }

    /** Creates the window-manager atoms, so that the framework publishes the
        hints that it only sets when a window manager made them known. */
    void createWindowManagerAtoms();

    /** A viewable top-level window with this title; 0 when there is none. */
    unsigned long findWindow (const juce::String& title);

    struct Facts
    {
        juce::Rectangle<int> size;
        juce::String className;
        juce::StringArray allowedActions;
        bool hasMotifHints = false;
        long motifFunctions = 0, motifDecorations = 0;
    };

    Facts describe (unsigned long window);

    /** The window's pixels. */
    juce::Image capture (unsigned long window);

    /** Sends the close request that a window manager sends for the close button. */
    void requestClose (unsigned long window);

private:
    void* display = nullptr;

    JUCE_DECLARE_NON_COPYABLE (XDisplayProbe)
};
