#include "ZelManager49.h"

#include "IZelMidiMessage.h"
#include "KnownPortManager.h"

namespace
{
constexpr int kTimerPeriodMs = 2000;
constexpr int kMinTickDistanceMs = 201;
constexpr int kFirstTickDelayMs = 500;
constexpr int kDetectionPasses = 2;

juce::String identifierOfInput (const juce::String& name)
{
    for (const auto& device : juce::MidiInput::getAvailableDevices())
        if (device.name == name)
            return device.identifier;

    return {};
}

bool isInputEnabled (juce::AudioDeviceManager& manager, const juce::String& name)
{
    const auto identifier = identifierOfInput (name);
    return identifier.isNotEmpty() && manager.isMidiInputDeviceEnabled (identifier);
}

void enableInput (juce::AudioDeviceManager& manager, const juce::String& name, bool enabled)
{
    const auto identifier = identifierOfInput (name);

    if (identifier.isNotEmpty())
        manager.setMidiInputDeviceEnabled (identifier, enabled);
}
} // namespace

void ZelManager49::startDetection (bool enableInputs)
{
    if (isTimerRunning())
        return;

    openMidiIns (enableInputs);

    outputCount = ports.getOutputNames().size();
    connected = false;
    probeIndex = 0;
    retries = kDetectionPasses;

    if (outputCount <= 0)
        return;

    sendIdRequest (0);
    lastTickMs = clock.getMillisecondCounter() + kFirstTickDelayMs;
    startTimer (kTimerPeriodMs);
}

void ZelManager49::sendIdRequest (int i)
{
    const juce::uint8 identityRequest[] = { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    const juce::MidiMessage request (identityRequest, (int) sizeof (identityRequest), 0);

    closeProbeOutput();
    auto opened = ports.openOutput (i);

    if (opened == nullptr)
        return;

    {
        const juce::ScopedLock sl (outputLock);
        probeOutput = std::move (opened);
        probeOutput->sendMessageNow (request);
    }

    clock.pauseMicroseconds (5000);
}

void ZelManager49::closeProbeOutput()
{
    replaceOutput (probeOutput, nullptr);
}

void ZelManager49::timerCallback()
{
    const auto now = clock.getMillisecondCounter();

    if ((juce::int32) (now - lastTickMs) < kMinTickDistanceMs)
        return;

    lastTickMs = now;

    if (connected)
    {
        --retries;
    }
    else if (++probeIndex < outputCount)
    {
        sendIdRequest (probeIndex);
        return;
    }
    else if (--retries > 0)
    {
        probeIndex = 0;
        sendIdRequest (0);
        return;
    }

    stopTimer();
    closeProbeOutput();
    closeMidiIns();

    if (connected)
        return;

    if (! sStandaloneMode)
        connectToKnownPorts();

    postZelInfo (InfoCode::detectionEndedWithoutReply, 0, 0, nullptr);
}

void ZelManager49::connectToKnownPorts()
{
    auto& known = *KnownPortManager::getInstance();
    const auto outputs = ports.getOutputNames();

    for (int i = 0; i < known.count(); ++i)
    {
        const auto& entry = *known.get (i);

        if (outputs.contains (entry.name))
            setDevicesEx (entry.name, entry.name, entry.modelId);
    }
}

void ZelManager49::openMidiIns (bool enableInputs)
{
    if (! sStandaloneMode)
        return;

    const auto names = ports.getInputNames();

    for (int i = 0; i < names.size(); ++i)
    {
        if (deviceManager == nullptr)
        {
            auto input = ports.openInput (i, *this);

            if (input != nullptr)
                input->start();

            ownInputs.insert (i, input.release());
        }
        else
        {
            savedInputStates.insert (i, isInputEnabled (*deviceManager, names[i]));

            if (enableInputs)
                enableInput (*deviceManager, names[i], true);
        }
    }

    ++inputsGeneration;
}

void ZelManager49::closeMidiIns()
{
    if (! sStandaloneMode)
        return;

    if (deviceManager == nullptr)
    {
        // Closed whether or not the system still lists them: a port that has
        // gone away must not keep a callback into this object.
        for (auto* input : ownInputs)
            if (input != nullptr)
                input->stop();

        ownInputs.clear();
        return;
    }

    const auto names = ports.getInputNames();
    const auto keyboardInput = getInputName();

    for (int i = 0; i < names.size(); ++i)
        if (names[i] != keyboardInput)
            enableInput (*deviceManager, names[i], i < savedInputStates.size() && savedInputStates[i]);
}

bool ZelManager49::setDevices (const juce::String& in, const juce::String& out, int)
{
    {
        const juce::ScopedLock sl (portNamesLock);
        inputName = in;
        outputName = out;
    }

    const int index = ports.getOutputNames().indexOf (out);
    bool opened = false;

    if (index >= 0)
    {
        auto output = ports.openOutput (index);
        opened = output != nullptr;

        replaceOutput (keyboardOutput, std::move (output));
    }

    if (deviceManager != nullptr)
        enableInput (*deviceManager, in, true);

    return opened;
}

void ZelManager49::setDevicesEx (const juce::String& in, const juce::String& out, int model)
{
    setDevices (in, out, model);
    connected = true;
    modelId = model;
    postZelInfo (InfoCode::connected, 0, 0, nullptr);
}

void ZelManager49::connectOnIdentityReply (const juce::String& sourceName, const juce::MidiMessage& message)
{
    const int model = IZelMidiMessage::getKeyboardModel (message);

    char revision[4];

    for (int i = 0; i < 4; ++i)
        revision[i] = firmwareRevision[i];

    IZelMidiMessage::getFirmwareRevision (message, revision);

    for (int i = 0; i < 4; ++i)
        firmwareRevision[i] = revision[i];

    const auto out = ports.getOutputNames()[probeIndex];

    setDevicesEx (sourceName, out, model);
}

void ZelManager49::requestCloseMidiIns()
{
    // Closing a port here, on the MIDI input thread, could stop that very
    // thread; the message thread closes the inputs that are open now.
    closeRequestGeneration = inputsGeneration.load();
    triggerAsyncUpdate();
}

void ZelManager49::handleAsyncUpdate()
{
    if (closeRequestGeneration == inputsGeneration)
        closeMidiIns();
}
