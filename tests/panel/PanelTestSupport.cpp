#include "PanelTestSupport.h"

#include "MessageLoopUntil.h"
#include "ZelMidiMessage49.h"

#include <atomic>

void flushMessages (int rounds)
{
    for (int i = 0; i < rounds; ++i)
    {
        auto handled = std::make_shared<std::atomic<bool>> (false);
        juce::MessageManager::callAsync ([handled] { *handled = true; });
        runMessageLoopUntil ([handled] { return handled->load(); }, 5000);
    }
}

bool runUntil (const std::function<bool()>& condition, int timeoutMs) { return runMessageLoopUntil (condition, timeoutMs); }

std::vector<juce::MidiMessage> protocolReceived (const SimulatedKeyboard& keyboard)
{
    std::vector<juce::MidiMessage> messages;

    for (const auto& r : keyboard.getReceived())
        if (r.message.getSysExDataSize() > 4)
            messages.push_back (r.message);

    return messages;
}

void expectCleanSendEndingWithTheStore (const SimulatedKeyboard& keyboard, const SimMidiPorts& ports)
{
    const auto received = protocolReceived (keyboard);
    ASSERT_FALSE (received.empty());
    EXPECT_TRUE (sameBytes (received.back(), ZelMidiMessage49::SaveMemoryRequest (0))) << hex (received.back());
    EXPECT_EQ (keyboard.getLastStoredMemory(), 0);
    EXPECT_TRUE (keyboard.getUnexpected().empty());
    EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>());
}

int ledsSwitchedOff (const SimulatedKeyboard& keyboard)
{
    int count = 0;

    for (const auto& m : protocolReceived (keyboard))
        for (int led = 99; led <= 106; ++led)
            if (sameBytes (m, ZelMidiMessage49::LedStateSet (led, 0)))
                ++count;

    return count;
}

juce::Image paintPanel (juce::Component& panel)
{
    juce::Image image (juce::Image::ARGB, panel.getWidth(), panel.getHeight(), true);
    juce::Graphics g (image);
    panel.paintEntireComponent (g, true);
    return image;
}
