#pragma once

#include "TimeBounds.h"

#include <juce_events/juce_events.h>

#include <functional>

/** Turns the message loop until `condition` holds; false once timeoutMs of
    real time (a plain build's bound, longer under a sanitizer) have passed
    without it. */
inline bool runMessageLoopUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) TimeBounds::scaledMs (timeoutMs);

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > deadline)
            return false;

        juce::MessageManager::getInstance()->runDispatchLoopUntil (2);
    }

    return true;
}
