#pragma once

#include "Clock.h"

#include <functional>
#include <mutex>
#include <vector>

/** Virtual time for tests: nothing waits, every pause and sleep moves the
    time forward and is recorded, and a test moves it on by hand. */
class VirtualClock final : public Clock
{
public:
    explicit VirtualClock (juce::uint32 startMs = 10000);

    juce::uint32 getMillisecondCounter() override;
    void pauseMicroseconds (int microseconds) override;
    void sleepMilliseconds (int milliseconds) override;

    void advanceMilliseconds (int milliseconds);

    struct Pause
    {
        enum Kind { pacing, sleeping }; // pauseMicroseconds, sleepMilliseconds

        Kind kind;
        int microseconds;
    };

    std::vector<Pause> getPauses() const;
    void clearPauses();

    /** Called on the advancing thread after each move of the time, without
        the clock's lock held. */
    void setAdvanceListener (std::function<void()> listener);

private:
    void advance (juce::int64 microseconds);

    mutable std::mutex mutex;
    juce::int64 nowUs;
    std::vector<Pause> pauses;
    std::function<void()> onAdvance;
};
