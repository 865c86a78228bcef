#include "Clock.h"

#include <unistd.h>

#if JUCE_LINUX
 #include <sys/prctl.h>
#endif

namespace
{
class SystemClock final : public Clock
{
public:
    juce::uint32 getMillisecondCounter() override { return juce::Time::getMillisecondCounter(); }

    void pauseMicroseconds (int microseconds) override
    {
        useFineTimerSlack();
        ::usleep ((useconds_t) microseconds);
    }

    void sleepMilliseconds (int milliseconds) override { juce::Thread::sleep (milliseconds); }

private:
    // The keyboard is paced by thousands of 2 ms pauses in a row; Linux's
    // default timer slack (50 us) would stretch each of them by a few percent.
    static void useFineTimerSlack()
    {
       #if JUCE_LINUX
        thread_local const bool done = ::prctl (PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
        juce::ignoreUnused (done);
       #endif
    }
};
} // namespace

Clock& Clock::system()
{
    static SystemClock clock;
    return clock;
}
