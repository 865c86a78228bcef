#include "DisplayCheck.h"

#include <juce_gui_basics/juce_gui_basics.h>

const char* const noDisplayMessage =
    "The Orlune editor needs a graphical desktop and could not reach an X display: "
    "set DISPLAY to a running X server (for example DISPLAY=:0), or start the editor under xvfb-run.";

bool canReachADisplay()
{
    // The framework opens its X connection here, from DISPLAY (":0.0" when unset).
    return ! juce::Desktop::getInstance().getDisplays().displays.isEmpty();
}
