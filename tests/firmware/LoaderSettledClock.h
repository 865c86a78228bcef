#pragma once

#include "SimulatedLoader.h"
#include "VirtualClock.h"

/** Virtual time in which every pause first lets the loader answer all it has
    received, so that its reply, delivered as the time moves on, is in before
    the paced code looks: an answer always comes within the pause after a send,
    silence costs no real time, and the outcome never depends on scheduling. */
class LoaderSettledClock final : public Clock
{
public:
    LoaderSettledClock (VirtualClock& time, SimulatedLoader& l) : virtualTime (time), loader (l) {}

    juce::uint32 getMillisecondCounter() override { return virtualTime.getMillisecondCounter(); }

    void pauseMicroseconds (int microseconds) override
    {
        loader.waitUntilIdle();
        virtualTime.pauseMicroseconds (microseconds);
    }

    void sleepMilliseconds (int milliseconds) override
    {
        loader.waitUntilIdle();
        virtualTime.sleepMilliseconds (milliseconds);
    }

private:
    VirtualClock& virtualTime;
    SimulatedLoader& loader;
};
