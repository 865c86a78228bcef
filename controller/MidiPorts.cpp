#include "MidiPorts.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>

namespace
{
juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;

    for (const auto& device : devices)
        names.add (device.name);

    return names;
}

class PlatformOutput final : public MidiOutputPort
{
public:
    explicit PlatformOutput (std::unique_ptr<juce::MidiOutput> o) : output (std::move (o)) {}

    void sendMessageNow (const juce::MidiMessage& message) override { output->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};

class PlatformInput final : public MidiInputPort,
                            private juce::MidiInputCallback
{
public:
    PlatformInput (MidiInputPortCallback& cb, std::atomic<juce::uint32>& lastClose)
        : callback (cb), lastCloseMs (lastClose) {}

    ~PlatformInput() override
    {
        if (input != nullptr)
        {
            input->stop();
            input.reset();
        }

        lastCloseMs = juce::Time::getMillisecondCounter();
    }

    bool open (const juce::String& identifier)
    {
        input = juce::MidiInput::openDevice (identifier, this);
        return input != nullptr;
    }

    juce::String getName() const override { return input->getName(); }
    void start() override { input->start(); }
    void stop() override { input->stop(); }

private:
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override
    {
        callback.handleIncomingPortMessage (source != nullptr ? source->getName() : juce::String ("unknown"),
                                            message);
    }

    MidiInputPortCallback& callback;
    std::atomic<juce::uint32>& lastCloseMs;
    std::unique_ptr<juce::MidiInput> input;
};

class PlatformMidiPorts final : public MidiPorts
{
public:
    juce::StringArray getInputNames() override { return namesOf (juce::MidiInput::getAvailableDevices()); }
    juce::StringArray getOutputNames() override { return namesOf (juce::MidiOutput::getAvailableDevices()); }

    std::unique_ptr<MidiOutputPort> openOutput (int index) override
    {
        const auto devices = juce::MidiOutput::getAvailableDevices();

        if (! juce::isPositiveAndBelow (index, devices.size()))
            return {};

        if (auto output = juce::MidiOutput::openDevice (devices[index].identifier))
            return std::make_unique<PlatformOutput> (std::move (output));

        return {};
    }

    std::unique_ptr<MidiInputPort> openInput (int index, MidiInputPortCallback& callback) override
    {
        const auto devices = juce::MidiInput::getAvailableDevices();

        if (! juce::isPositiveAndBelow (index, devices.size()))
            return {};

        waitForClosedInputThread();

        auto input = std::make_unique<PlatformInput> (callback, lastCloseMs);

        if (! input->open (devices[index].identifier))
            return {};

        return input;
    }

private:
    // On Linux the MIDI client's input thread takes up to about 100 ms to end
    // after the last input closed; an input opened before that silently
    // receives nothing, so a reopen keeps a safe distance from the last close.
    void waitForClosedInputThread()
    {
        constexpr juce::uint32 safeDistanceMs = 150;
        const auto sinceClose = juce::Time::getMillisecondCounter() - lastCloseMs.load();

        if (lastCloseMs.load() != 0 && sinceClose < safeDistanceMs)
            juce::Thread::sleep ((int) (safeDistanceMs - sinceClose));
    }

    std::atomic<juce::uint32> lastCloseMs { 0 };
};
} // namespace

MidiPorts& MidiPorts::platform()
{
    static PlatformMidiPorts ports;
    return ports;
}
