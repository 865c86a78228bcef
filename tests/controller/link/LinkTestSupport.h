#pragma once

#include "InfoRecorder.h"
#include "MessageLoopUntil.h"
#include "SimMidiPorts.h"
#include "SimulatedKeyboard.h"
#include "VirtualClock.h"
#include "ZelManager49.h"

#include <gtest/gtest.h>

#include <initializer_list>

inline juce::MidiMessage bytes (std::initializer_list<int> values)
{
    std::vector<juce::uint8> data;

    for (const int v : values)
        data.push_back ((juce::uint8) v);

    return juce::MidiMessage (data.data(), (int) data.size(), 0);
}

inline std::vector<int> bytesOf (const juce::MidiMessage& message)
{
    return { message.getRawData(), message.getRawData() + message.getRawDataSize() };
}

/** Loads a settings file with the given text into the manager, as the panel's Load does. */
inline bool loadSettingsText (ZelManager49& manager, const juce::String& text)
{
    juce::TemporaryFile temp (".vt49");
    auto file = temp.getFile();
    return file.replaceWithText (text) && manager.loadSettings (file);
}

/** Turns the message loop until the condition holds; false after timeoutMs in a
    plain build, more under a sanitizer. */
inline bool runLoopUntil (const std::function<bool()>& condition, int timeoutMs = 2000)
{
    return runMessageLoopUntil (condition, timeoutMs);
}

/** A manager on the simulated ports and virtual time, with a recording
    listener; standalone mode as in the application unless a test says not. */
class LinkTest : public ::testing::Test
{
protected:
    LinkTest() { ZelManager49::sStandaloneMode = true; }

    ~LinkTest() override
    {
        manager.reset();
        ZelManager49::sStandaloneMode = false;
    }

    void TearDown() override { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    ZelManager49& makeManager (juce::AudioDeviceManager* deviceManager = nullptr)
    {
        manager = std::make_unique<ZelManager49> (deviceManager, ports, clock);
        manager->listeners.add (&infos);
        return *manager;
    }

    /** The keyboard's output and input are added to the ports at this point. */
    SimulatedKeyboard& addKeyboard (const juce::String& outputName = "Orlune Out",
                                    const juce::String& inputName = "Orlune In")
    {
        keyboard = std::make_unique<SimulatedKeyboard> (ports, outputName, inputName);
        return *keyboard;
    }

    /** One detection timer period, then the tick. */
    void tick (int ms = 2000)
    {
        clock.advanceMilliseconds (ms);
        manager->timerCallback();
    }

    VirtualClock clock;
    SimMidiPorts ports { clock };
    InfoRecorder infos;
    std::unique_ptr<SimulatedKeyboard> keyboard;
    std::unique_ptr<ZelManager49> manager;
};
