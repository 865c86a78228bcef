#include "SimulatedKeyboard.h"

namespace
{
constexpr juce::uint8 kMaker[] = { 0x00, 0x3F, 0x6E };
constexpr juce::uint8 kAllDevices = 0x7F, kFormat = 0x42;
constexpr juce::uint8 kRequest = 0x01, kSet = 0x02, kRecall = 0x05, kStore = 0x06;
constexpr juce::uint8 kGlobal = 0x40, kCurve = 0x41;

// The keyboard's own setup when a test sets nothing: a few controls whose
// numbers differ from the editor's factory mapping.
struct StoreRow
{
    int item;
    std::array<int, 6> params;
};

constexpr StoreRow kInitialItems[] = {
    { 1, { 1, 0, 20, 0, 127, 0 } },
    { 2, { 1, 0, 21, 0, 127, 0 } },
    { 48, { 1, 65, 7, 0, 127, 0 } },
    { 49, { 1, 65, 60, 0, 127, 1 } },
    { 64, { 1, 65, 1, 0, 127, 0 } },
    { 80, { 8, 65, 64, 0, 127, 1 } },
    { 112, { 9, 9, 36, 0, 127, 1 } },
};

constexpr int kInitialGlobals[14] = { 0, 1, 1, 0, 0, 0, 2, 1, 60, 0, 0, 0, 0, 0 };
constexpr int kInitialCurves[11] = { 0, 3, 0, 2, 1, 0, 0, 0, 0, 0, 0 };
constexpr int kFirstLed = 99, kLastLed = 106;

bool isIdentityRequest (const juce::MidiMessage& m)
{
    const auto* d = m.getSysExData();
    return m.getSysExDataSize() == 4 && d[0] == 0x7E && d[2] == 0x06 && d[3] == 0x01;
}
} // namespace

SimulatedKeyboard::SimulatedKeyboard (SimMidiPorts& p, const juce::String& outputName, const juce::String& in)
    : ports (p), inputName (in)
{
    for (const auto& row : kInitialItems)
        store.items[row.item] = row.params;

    std::copy (std::begin (kInitialGlobals), std::end (kInitialGlobals), store.globals.begin());
    std::copy (std::begin (kInitialCurves), std::end (kInitialCurves), store.curves.begin());

    for (int led = kFirstLed; led <= kLastLed; ++led)
        store.values[led] = 0;

    ports.addOutput (outputName, this);
    ports.addInput (inputName);
}

void SimulatedKeyboard::setIdentity (int memberByte, int variantByte, std::array<juce::uint8, 4> revision)
{
    const std::lock_guard<std::mutex> lock (mutex);
    member = memberByte;
    variant = variantByte;
    firmware = revision;
}

void SimulatedKeyboard::setSilent (bool shouldStaySilent)
{
    const std::lock_guard<std::mutex> lock (mutex);
    silent = shouldStaySilent;
}

void SimulatedKeyboard::setReplyDelayMs (int delayMs)
{
    const std::lock_guard<std::mutex> lock (mutex);
    replyDelayMs = delayMs;
}

void SimulatedKeyboard::setItem (int item, std::array<int, 6> params)
{
    const std::lock_guard<std::mutex> lock (mutex);
    store.items[item] = params;
}

void SimulatedKeyboard::removeItem (int item)
{
    const std::lock_guard<std::mutex> lock (mutex);
    store.items.erase (item);
}

int SimulatedKeyboard::getItemParam (int p, int item) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    const auto found = store.items.find (item);
    return found != store.items.end() ? found->second[(size_t) p - 1] : -1;
}

int SimulatedKeyboard::getItemCount() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return (int) store.items.size();
}

void SimulatedKeyboard::setGlobal (int n, int value)
{
    const std::lock_guard<std::mutex> lock (mutex);
    store.globals[(size_t) n] = value;
}

int SimulatedKeyboard::getGlobal (int n) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return store.globals[(size_t) n];
}

void SimulatedKeyboard::setCurve (int n, int value)
{
    const std::lock_guard<std::mutex> lock (mutex);
    store.curves[(size_t) n] = value;
}

int SimulatedKeyboard::getCurve (int n) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return store.curves[(size_t) n];
}

void SimulatedKeyboard::setItemValue (int item, int value)
{
    const std::lock_guard<std::mutex> lock (mutex);
    store.values[item] = value;
}

int SimulatedKeyboard::getItemValue (int item) const
{
    const std::lock_guard<std::mutex> lock (mutex);
    const auto found = store.values.find (item);
    return found != store.values.end() ? found->second : -1;
}

int SimulatedKeyboard::getLastStoredMemory() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return lastStoredMemory;
}

std::vector<SimulatedKeyboard::Received> SimulatedKeyboard::getReceived() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return received;
}

void SimulatedKeyboard::clearReceived()
{
    const std::lock_guard<std::mutex> lock (mutex);
    received.clear();
}

std::vector<juce::MidiMessage> SimulatedKeyboard::getUnexpected() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return unexpected;
}

void SimulatedKeyboard::play (const juce::MidiMessage& message, int delayMs)
{
    ports.deliver (inputName, message, delayMs);
}

void SimulatedKeyboard::receive (const juce::String&, const juce::MidiMessage& message)
{
    const std::lock_guard<std::mutex> lock (mutex);
    received.push_back ({ message, ports.getClock().getMillisecondCounter() });

    bool understood = false;

    if (isIdentityRequest (message))
    {
        answerIdentity();
        understood = true;
    }
    else if (message.isSysEx() && SimMidiPorts::isCleanSysEx (message))
    {
        understood = handleProtocol (message.getSysExData(), message.getSysExDataSize());
    }

    if (! understood)
        unexpected.push_back (message);
}

void SimulatedKeyboard::answerIdentity()
{
    reply ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, kMaker[0], kMaker[1], kMaker[2], 0x02, 0x00,
             (juce::uint8) member, (juce::uint8) variant,
             firmware[0], firmware[1], firmware[2], firmware[3], 0xF7 });
}

// data: maker id, device, format marker, command, then the command's bytes.
bool SimulatedKeyboard::handleProtocol (const juce::uint8* data, int size)
{
    if (size < 7 || ! std::equal (std::begin (kMaker), std::end (kMaker), data)
        || data[3] != kAllDevices || data[4] != kFormat)
        return false;

    const int command = data[5];

    if (command == kRequest && size == 9)
        return handleRequest (data[6], data[7], data[8]);

    if (command == kSet && size == 10)
        return handleSet (data[7], data[8], data[9]);

    if ((command == kStore || command == kRecall) && size == 7)
    {
        const int memory = data[6];

        if (command == kStore)
        {
            memories[memory] = store;
            lastStoredMemory = memory;
        }
        else if (memories.count (memory) != 0)
        {
            store = memories[memory];
        }

        return true;
    }

    return false;
}

bool SimulatedKeyboard::handleRequest (int sub, int param, int item)
{
    if (param == 0)
    {
        const auto found = store.values.find (item);

        if (found == store.values.end())
            return false;

        replyValue (sub, param, item, found->second);
        return true;
    }

    if (param >= 1 && param <= 6)
    {
        if (item == 0)
        {
            // All items at once: one reply of item/value pairs.
            std::vector<juce::uint8> bytes { 0xF0, kMaker[0], kMaker[1], kMaker[2], kAllDevices, kFormat, kSet,
                                             (juce::uint8) sub, (juce::uint8) param };

            for (const auto& [id, params] : store.items)
            {
                bytes.push_back ((juce::uint8) id);
                bytes.push_back ((juce::uint8) (params[(size_t) param - 1] & 0x7F));
            }

            bytes.push_back (0xF7);
            reply (std::move (bytes));
            return true;
        }

        const auto found = store.items.find (item);

        if (found == store.items.end())
            return false;

        replyValue (sub, param, item, found->second[(size_t) param - 1]);
        return true;
    }

    if (param == kGlobal && juce::isPositiveAndBelow (item, (int) store.globals.size()))
    {
        replyValue (sub, param, item, store.globals[(size_t) item]);
        return true;
    }

    if (param == kCurve && juce::isPositiveAndBelow (item, (int) store.curves.size()))
    {
        replyValue (sub, param, item, store.curves[(size_t) item]);
        return true;
    }

    return false;
}

bool SimulatedKeyboard::handleSet (int param, int item, int value)
{
    if (param == 0)
    {
        store.values[item] = value;
        return true;
    }

    if (param >= 1 && param <= 6)
    {
        auto& params = store.items[item];
        params[(size_t) param - 1] = value;
        return true;
    }

    if (param == kGlobal && juce::isPositiveAndBelow (item, (int) store.globals.size()))
    {
        store.globals[(size_t) item] = value;
        return true;
    }

    if (param == kCurve && juce::isPositiveAndBelow (item, (int) store.curves.size()))
    {
        store.curves[(size_t) item] = value;
        return true;
    }

    return false;
}

void SimulatedKeyboard::replyValue (int sub, int param, int item, int value)
{
    reply ({ 0xF0, kMaker[0], kMaker[1], kMaker[2], kAllDevices, kFormat, kSet, (juce::uint8) sub,
             (juce::uint8) param, (juce::uint8) item, (juce::uint8) (value & 0x7F), 0xF7 });
}

void SimulatedKeyboard::reply (std::vector<juce::uint8> bytes)
{
    if (silent)
        return;

    ports.deliver (inputName, juce::MidiMessage (bytes.data(), (int) bytes.size(), 0), replyDelayMs);
}
