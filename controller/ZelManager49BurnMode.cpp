#include "ZelManager49.h"

bool ZelManager49::SetBurnMode (juce::MidiInputCallback* callback, juce::String port)
{
    // On Windows XP the loader shows up under another name.
    if (juce::SystemStats::getOperatingSystemType() == juce::SystemStats::WinXP)
        port = "USB Audio Device";

    if (callback == nullptr)
    {
        // Cleared first: closing the inputs waits for a callback that is
        // running, so none can reach the caller after this returns.
        const bool wasInBurnMode = burnCallback.exchange (nullptr) != nullptr;
        closeMidiIns();

        // The loader's port is gone once the keyboard restarts, so a later
        // send must fail rather than go there. Without burn mode entered (the
        // user cancelled first) the output is still the keyboard's own.
        if (wasInBurnMode)
            replaceOutput (keyboardOutput, nullptr);

        return false;
    }

    // A detection still under way would probe the loader with identity
    // requests and, at its end, close the inputs that carry its replies.
    stopTimer();
    closeMidiIns();

    replaceOutput (keyboardOutput, nullptr);

    if (! setDevices (port, port, 256))
        return false;

    // The port layer keeps a safe distance between this reopen and the close
    // above, so the loader's replies do arrive on the reopened inputs.
    openMidiIns (true);
    burnCallback = callback;
    return true;
}
