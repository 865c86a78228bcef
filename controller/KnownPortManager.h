#pragma once

#include <juce_events/juce_events.h>

#include <vector>

/** Guards KnownPortManager's instance pointer and its creation. */
extern juce::CriticalSection gKnownPortManager49;

/** The MIDI port names under which the maker's keyboards appear, with their
    number of keys and model id. Detection falls back on it when no keyboard
    answered the identity request. Filled once at creation, never changed, so
    the entries may be read without the lock.
*/
class KnownPortManager : public juce::DeletedAtShutdown
{
public:
    struct Item
    {
        Item (const juce::String& portName, int numKeys, int model)
            : name (portName), keys (numKeys), modelId (model) {}

        juce::String name;
        int keys;
        int modelId;
    };

    ~KnownPortManager() override;

    /** The one instance, created and filled on first use. */
    static KnownPortManager* getInstance();

    /** Appends the known ports, in list order. */
    void init();

    int count() const { return (int) items.size(); }

    /** Entry i, 0 to count() - 1. */
    Item* get (int i);

private:
    KnownPortManager() = default;

    static KnownPortManager* mInstance;
    std::vector<Item> items;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnownPortManager)
};
