#pragma once

#include "IFWUpdater.h"
#include "ZelManager49.h"

/** The update runner's plumbing without its window: sends through the
    controller link and hands what burn mode routes to it to the updater. */
class BurnHost final : public juce::MidiInputCallback,
                       public IFWHelper
{
public:
    explicit BurnHost (ZelManager49& m) : manager (m) {}

    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        received.fetch_add (1);

        if (auto* u = updater.load())
            u->HandleMidiMessage (message);
    }

    void SendMidiMessage (const juce::MidiMessage& message) override { manager.SendMidiMessage (message); }
    void SetProgress (double) override {}

    std::atomic<IFWUpdater*> updater { nullptr };
    std::atomic<int> received { 0 };

private:
    ZelManager49& manager;
};
