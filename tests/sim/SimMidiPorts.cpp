#include "SimMidiPorts.h"

#include "VirtualClock.h"

#include <algorithm>

class SimMidiPorts::Output final : public MidiOutputPort
{
public:
    Output (SimMidiPorts& p, const juce::String& portName, SimDevice* d) : ports (p), name (portName), device (d)
    {
        ports.logEvent ("open output " + name);
    }

    ~Output() override { ports.logEvent ("close output " + name); }

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        ports.beginSend (name, message);

        if (device != nullptr)
            device->receive (name, message);

        ports.endSend (name);
    }

private:
    SimMidiPorts& ports;
    const juce::String name;
    SimDevice* const device;
};

class SimMidiPorts::Input final : public MidiInputPort
{
public:
    Input (SimMidiPorts& p, const juce::String& portName, MidiInputPortCallback& cb)
        : ports (p), name (portName), callback (cb) {}

    ~Input() override { ports.inputClosed (this); }

    juce::String getName() const override { return name; }
    void start() override { started = true; }
    void stop() override { started = false; }

    SimMidiPorts& ports;
    const juce::String name;
    MidiInputPortCallback& callback;
    std::atomic<bool> started { false };
};

SimMidiPorts::SimMidiPorts (Clock& c) : clock (c)
{
    thread = std::thread ([this] { run(); });
    threadId = thread.get_id();
}

SimMidiPorts::SimMidiPorts (VirtualClock& c) : SimMidiPorts (static_cast<Clock&> (c))
{
    virtualClock = &c;
    c.setAdvanceListener ([this] { settle(); });
}

SimMidiPorts::~SimMidiPorts()
{
    if (virtualClock != nullptr)
        virtualClock->setAdvanceListener ({});

    {
        const std::lock_guard<std::mutex> lock (queueMutex);
        stopping = true;
    }

    queueChanged.notify_all();
    thread.join();
}

void SimMidiPorts::addOutput (const juce::String& name, SimDevice* device, bool opens)
{
    const std::lock_guard<std::mutex> lock (portsMutex);
    outputs.push_back ({ name, device, opens });
}

void SimMidiPorts::addInput (const juce::String& name, bool opens)
{
    const std::lock_guard<std::mutex> lock (portsMutex);
    inputs.push_back ({ name, nullptr, opens });
}

void SimMidiPorts::setOutputOpens (const juce::String& name, bool opens)
{
    const std::lock_guard<std::mutex> lock (portsMutex);

    for (auto& port : outputs)
        if (port.name == name)
            port.opens = opens;
}

void SimMidiPorts::setInputOpens (const juce::String& name, bool opens)
{
    const std::lock_guard<std::mutex> lock (portsMutex);

    for (auto& port : inputs)
        if (port.name == name)
            port.opens = opens;
}

juce::StringArray SimMidiPorts::getInputNames()
{
    const std::lock_guard<std::mutex> lock (portsMutex);
    juce::StringArray names;

    for (const auto& port : inputs)
        names.add (port.name);

    return names;
}

juce::StringArray SimMidiPorts::getOutputNames()
{
    const std::lock_guard<std::mutex> lock (portsMutex);
    juce::StringArray names;

    for (const auto& port : outputs)
        names.add (port.name);

    return names;
}

std::unique_ptr<MidiOutputPort> SimMidiPorts::openOutput (int index)
{
    Port port;

    {
        const std::lock_guard<std::mutex> lock (portsMutex);

        if (! juce::isPositiveAndBelow (index, (int) outputs.size()) || ! outputs[(size_t) index].opens)
            return {};

        port = outputs[(size_t) index];
    }

    return std::make_unique<Output> (*this, port.name, port.device);
}

std::unique_ptr<MidiInputPort> SimMidiPorts::openInput (int index, MidiInputPortCallback& callback)
{
    juce::String name;

    {
        const std::lock_guard<std::mutex> lock (portsMutex);

        if (! juce::isPositiveAndBelow (index, (int) inputs.size()) || ! inputs[(size_t) index].opens)
            return {};

        name = inputs[(size_t) index].name;
    }

    auto input = std::make_unique<Input> (*this, name, callback);

    {
        const std::lock_guard<std::recursive_mutex> lock (callbackLock);
        openInputs.push_back (input.get());
        ++openInputCount;
    }

    logEvent ("open input " + name);
    return input;
}

void SimMidiPorts::inputClosed (Input* input)
{
    {
        // Waits for a callback running on the input thread, as the platform does.
        const std::lock_guard<std::recursive_mutex> lock (callbackLock);
        openInputs.erase (std::remove (openInputs.begin(), openInputs.end(), input), openInputs.end());
        --openInputCount;
    }

    logEvent ("close input " + input->name);
}

void SimMidiPorts::deliver (const juce::String& inputName, const juce::MidiMessage& message, int delayMs)
{
    {
        const std::lock_guard<std::mutex> lock (queueMutex);
        queue.push_back ({ inputName, message, clock.getMillisecondCounter() + (juce::uint32) delayMs });
    }

    queueChanged.notify_all();
}

bool SimMidiPorts::hasDueLocked()
{
    const auto now = clock.getMillisecondCounter();

    return std::any_of (queue.begin(), queue.end(),
                        [now] (const Pending& p) { return (juce::int32) (now - p.dueMs) >= 0; });
}

void SimMidiPorts::run()
{
    std::unique_lock<std::mutex> lock (queueMutex);

    while (! stopping)
    {
        const auto now = clock.getMillisecondCounter();
        const auto due = std::find_if (queue.begin(), queue.end(),
                                       [now] (const Pending& p) { return (juce::int32) (now - p.dueMs) >= 0; });

        if (due != queue.end())
        {
            const Pending pending = *due;
            queue.erase (due);
            delivering = true;
            lock.unlock();

            dispatch (pending);

            lock.lock();
            delivering = false;
            queueChanged.notify_all();
        }
        else if (! queue.empty())
        {
            queueChanged.wait_for (lock, std::chrono::milliseconds (1));
        }
        else
        {
            queueChanged.wait (lock);
        }
    }
}

void SimMidiPorts::dispatch (const Pending& pending)
{
    const std::lock_guard<std::recursive_mutex> lock (callbackLock);
    const auto targets = openInputs;

    for (auto* input : targets)
    {
        // A callback may close inputs; only those still open get the message.
        const bool stillOpen = std::find (openInputs.begin(), openInputs.end(), input) != openInputs.end();

        if (stillOpen && input->started && input->name == pending.input)
            input->callback.handleIncomingPortMessage (pending.input, pending.message);
    }
}

void SimMidiPorts::settle()
{
    if (isInputThread())
        return;

    std::unique_lock<std::mutex> lock (queueMutex);
    queueChanged.notify_all();
    queueChanged.wait (lock, [this] { return stopping || (! delivering && ! hasDueLocked()); });
}

bool SimMidiPorts::waitUntilIdle (int timeoutMs)
{
    std::unique_lock<std::mutex> lock (queueMutex);
    queueChanged.notify_all();
    return queueChanged.wait_for (lock, std::chrono::milliseconds (timeoutMs),
                                  [this] { return ! delivering && ! hasDueLocked(); });
}

bool SimMidiPorts::isInputThread() const
{
    return std::this_thread::get_id() == threadId;
}

void SimMidiPorts::logEvent (const juce::String& event)
{
    const std::lock_guard<std::mutex> lock (logMutex);
    events.add (event);
}

void SimMidiPorts::beginSend (const juce::String& output, const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> lock (logMutex);

        if (sendsInProgress[output]++ > 0)
            ++overlappingSends;

        sent.push_back ({ output, message, clock.getMillisecondCounter() });

        if (message.getRawDataSize() > 0 && message.getRawData()[0] == 0xF0 && ! isCleanSysEx (message))
            protocolErrors.push_back ((output + ": " + juce::String::toHexString (message.getRawData(),
                                                                                  message.getRawDataSize())).toStdString());
    }

    // Widens the window in which an unguarded second sender would overlap.
    std::this_thread::yield();
}

void SimMidiPorts::endSend (const juce::String& output)
{
    const std::lock_guard<std::mutex> lock (logMutex);
    --sendsInProgress[output];
}

std::vector<SimMidiPorts::Sent> SimMidiPorts::getSent() const
{
    const std::lock_guard<std::mutex> lock (logMutex);
    return sent;
}

std::vector<juce::MidiMessage> SimMidiPorts::getSentOn (const juce::String& output) const
{
    const std::lock_guard<std::mutex> lock (logMutex);
    std::vector<juce::MidiMessage> result;

    for (const auto& s : sent)
        if (s.output == output)
            result.push_back (s.message);

    return result;
}

void SimMidiPorts::clearSent()
{
    const std::lock_guard<std::mutex> lock (logMutex);
    sent.clear();
}

juce::StringArray SimMidiPorts::getEvents() const
{
    const std::lock_guard<std::mutex> lock (logMutex);
    return events;
}

int SimMidiPorts::getOpenInputCount() const
{
    return openInputCount;
}

bool SimMidiPorts::isCleanSysEx (const juce::uint8* data, size_t size)
{
    return size >= 2 && data[0] == 0xF0 && data[size - 1] == 0xF7
        && std::all_of (data + 1, data + size - 1, [] (juce::uint8 b) { return b < 0x80; });
}

bool SimMidiPorts::isCleanSysEx (const juce::MidiMessage& message)
{
    return isCleanSysEx (message.getRawData(), (size_t) message.getRawDataSize());
}

bool SimMidiPorts::isCleanSysEx (const std::vector<juce::uint8>& bytes)
{
    return isCleanSysEx (bytes.data(), bytes.size());
}

std::vector<std::string> SimMidiPorts::getProtocolErrors() const
{
    const std::lock_guard<std::mutex> lock (logMutex);
    return protocolErrors;
}

int SimMidiPorts::getOverlappingSends() const
{
    const std::lock_guard<std::mutex> lock (logMutex);
    return overlappingSends;
}
