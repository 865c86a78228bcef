#include "KbdSettingComponent49TestSupport.h"

#include "ZelMidiMessage49.h"

std::vector<juce::MidiMessage> EarlierKeyboardRig::protocolReceived() const
{
    std::vector<juce::MidiMessage> messages;

    for (const auto& r : keyboard.getReceived())
        if (r.message.getSysExDataSize() > 4)
            messages.push_back (r.message);

    return messages;
}

int EarlierKeyboardRig::ledsSwitchedOff() const
{
    int count = 0;

    for (const auto& m : protocolReceived())
        for (int led = 99; led <= 106; ++led)
            if (sameBytes (m, ZelMidiMessage49::LedStateSet (led, 0)))
                ++count;

    return count;
}

bool EarlierKeyboardRig::readKeyboard()
{
    panel = std::make_unique<KbdSettingComponent49> (ports, clock);
    const bool read = runUntil ([this] { return ledsSwitchedOff() == 8 && ports.waitUntilIdle (100); });
    flushMessages();
    return read;
}
