#pragma once

#include <juce_core/juce_core.h>

/** The millisecond counter and the pauses that pace the traffic to the keyboard.

    The application uses the system clock; tests pass one that keeps virtual
    time, so that timers and pauses of seconds run in no time at all.
*/
class Clock
{
public:
    virtual ~Clock() = default;

    /** The framework's millisecond counter (wraps after about 49 days). */
    virtual juce::uint32 getMillisecondCounter() = 0;

    /** The short pause after a sent message (usleep on the platform). */
    virtual void pauseMicroseconds (int microseconds) = 0;

    /** A thread sleep, as juce::Thread::sleep. */
    virtual void sleepMilliseconds (int milliseconds) = 0;

    /** Real time and real pauses. */
    static Clock& system();
};
