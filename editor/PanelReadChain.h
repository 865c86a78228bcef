#pragma once

#include "ZelManager49.h"

#include <juce_events/juce_events.h>

#include <atomic>

/** The chain of requests with which a settings panel reads the keyboard once
    the controller link has found it: each answer's info code asks for the next
    setting. Runs on the thread that produced the event, so it touches no widget;
    `showGlobals` is triggered when the globals are in, and when detection
    reports that no keyboard was found (InfoCode::detectionEndedWithoutReply). */
void runPanelReadChain (ZelManager49& manager, std::atomic<bool>& readingKeyboard,
                        juce::AsyncUpdater& showGlobals, int code, int a);
