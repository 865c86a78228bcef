#include "Clock.h"

#include <unistd.h>

namespace
{
class SystemClock final : public Clock
{
public:
    juce::uint32 getMillisecondCounter() override { return juce::Time::getMillisecondCounter(); }
    void pauseMicroseconds (int microseconds) override { ::usleep ((useconds_t) microseconds); }
    void sleepMilliseconds (int milliseconds) override { juce::Thread::sleep (milliseconds); }
};
} // namespace

Clock& Clock::system()
{
    static SystemClock clock;
    return clock;
}
