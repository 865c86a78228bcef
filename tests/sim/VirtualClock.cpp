#include "VirtualClock.h"

VirtualClock::VirtualClock (juce::uint32 startMs) : nowUs ((juce::int64) startMs * 1000) {}

juce::uint32 VirtualClock::getMillisecondCounter()
{
    const std::lock_guard<std::mutex> lock (mutex);
    return (juce::uint32) (nowUs / 1000);
}

void VirtualClock::pauseMicroseconds (int microseconds)
{
    {
        const std::lock_guard<std::mutex> lock (mutex);
        pauses.push_back ({ Pause::pacing, microseconds });
    }

    advance (microseconds);
}

void VirtualClock::sleepMilliseconds (int milliseconds)
{
    {
        const std::lock_guard<std::mutex> lock (mutex);
        pauses.push_back ({ Pause::sleeping, milliseconds * 1000 });
    }

    advance ((juce::int64) milliseconds * 1000);
}

void VirtualClock::advanceMilliseconds (int milliseconds)
{
    advance ((juce::int64) milliseconds * 1000);
}

void VirtualClock::advance (juce::int64 microseconds)
{
    std::function<void()> listener;

    {
        const std::lock_guard<std::mutex> lock (mutex);
        nowUs += microseconds;
        listener = onAdvance;
    }

    if (listener)
        listener();
}

std::vector<VirtualClock::Pause> VirtualClock::getPauses() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return pauses;
}

void VirtualClock::clearPauses()
{
    const std::lock_guard<std::mutex> lock (mutex);
    pauses.clear();
}

void VirtualClock::setAdvanceListener (std::function<void()> listener)
{
    const std::lock_guard<std::mutex> lock (mutex);
    onAdvance = std::move (listener);
}
