#include "ZelManager49.h"

std::atomic<bool> ZelManager49::sStandaloneMode { false };

ZelManager49::ZelManager49 (juce::AudioDeviceManager* manager, MidiPorts& midiPorts, Clock& clockToUse)
    : ports (midiPorts), clock (clockToUse), deviceManager (manager)
{
    if (deviceManager != nullptr)
        deviceManager->addChangeListener (this);

    fillValidItems();
    resetMappingToDefault();

    for (auto& value : globals)
        value = 0;

    for (auto& value : curves)
        value = 0;
}

ZelManager49::~ZelManager49()
{
    // The inputs go first: a callback still running on the MIDI thread may be
    // sending on the outputs that preDestruct closes. Deleting an input waits
    // for its running callback.
    ownInputs.clear();
    cancelPendingUpdate();
    preDestruct();
}

void ZelManager49::postConstruct()
{
    if (deviceManager != nullptr)
        deviceManager->addChangeListener (this);
}

void ZelManager49::preDestruct()
{
    if (deviceManager != nullptr)
        deviceManager->removeChangeListener (this);

    stopTimer();

    replaceOutput (keyboardOutput, nullptr);
    replaceOutput (probeOutput, nullptr);
}

void ZelManager49::changeListenerCallback (void* p)
{
    changeListenerCallback (static_cast<juce::ChangeBroadcaster*> (p));
}

void ZelManager49::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source == deviceManager && source != nullptr && autoRedetect && ! connected)
        startDetection (false);
}

void ZelManager49::postZelInfo (int code, int a, int b, void* p)
{
    for (int i = 0; i < listeners.size(); ++i)
        listeners.getUnchecked (i)->ZelInfoReceived (code, a, b, p);
}

juce::String ZelManager49::getInputName() const
{
    const juce::ScopedLock sl (portNamesLock);
    return inputName;
}

juce::String ZelManager49::getOutputName() const
{
    const juce::ScopedLock sl (portNamesLock);
    return outputName;
}

void ZelManager49::SendMidiMessage (const juce::MidiMessage& message)
{
    sendToKeyboard (message);
}

void ZelManager49::replaceOutput (std::unique_ptr<MidiOutputPort>& output, std::unique_ptr<MidiOutputPort> replacement)
{
    // Swapped under the lock, so no send is using the earlier output, and
    // closed after the lock is released.
    {
        const juce::ScopedLock sl (outputLock);
        std::swap (output, replacement);
    }

    replacement.reset();
}

bool ZelManager49::sendToKeyboard (const juce::MidiMessage& message)
{
    {
        // Held for the send only: whole messages go out one at a time, and
        // the output cannot be replaced or closed under a send.
        const juce::ScopedLock sl (outputLock);

        if (keyboardOutput == nullptr)
            return false;

        keyboardOutput->sendMessageNow (message);
    }

    clock.pauseMicroseconds (2000);
    return true;
}
