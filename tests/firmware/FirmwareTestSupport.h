#pragma once

#include "Clock.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <iostream>
#include <sstream>
#include <vector>

using Bytes = std::vector<juce::uint8>;

/** The first box of an update. */
inline const juce::String kEnterText = "Please unplug the keyboard, then plug it in again WHILE HOLDING \"Sound\", \"Multi\" AND "
                                       "\"Edit\" KEYS.\nClick 'OK' when ready, or 'Cancel' to abort firmware update.";

/** Pauses that take no time; counts the milliseconds asked for. */
class CountingClock final : public Clock
{
public:
    juce::uint32 getMillisecondCounter() override { return (juce::uint32) sleptMs.load(); }
    void pauseMicroseconds (int) override {}
    void sleepMilliseconds (int ms) override { sleptMs += ms; }

    std::atomic<juce::int64> sleptMs { 0 };
};

/** Keeps what the framework's debug log writes (std::cerr on this platform). */
class DebugLogCapture
{
public:
    DebugLogCapture() : previous (std::cerr.rdbuf (text.rdbuf())) {}
    ~DebugLogCapture() { std::cerr.rdbuf (previous); }

    juce::StringArray lines() const
    {
        juce::StringArray result;
        result.addLines (juce::String (text.str()));
        result.removeEmptyStrings();
        return result;
    }

private:
    std::stringstream text;
    std::streambuf* previous;
};

/** A file in a fresh temporary folder, removed with the object. */
class TempFirmwareFile
{
public:
    explicit TempFirmwareFile (const Bytes& content, const juce::String& name = "Orlune-test.bin")
        : folder (juce::File::createTempFile ("fw"))
    {
        folder.createDirectory();
        file = folder.getChildFile (name);

        // replaceWithData deletes the file for no data, and an empty file is a case of its own.
        if (content.empty())
            file.create();
        else
            file.replaceWithData (content.data(), content.size());
    }

    ~TempFirmwareFile() { folder.deleteRecursively(); }

    juce::File folder, file;
};

inline Bytes randomBytes (size_t count, juce::int64 seed)
{
    juce::Random random (seed);
    Bytes bytes (count);

    for (auto& b : bytes)
        b = (juce::uint8) random.nextInt (256);

    return bytes;
}
