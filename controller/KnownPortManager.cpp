#include "KnownPortManager.h"

juce::CriticalSection gKnownPortManager49;

KnownPortManager* KnownPortManager::mInstance = nullptr;

namespace
{
    const struct { const char* name; int keys; int modelId; } knownPorts[] = {
        { "Brindor", 32, 0x101 },
        { "The Quillary", 61, 0x1300 },
        { "Corvane - The Tressom", 25, 0x200 },
        { "Tesmira Pellivo", 25, 0x400 },
    };
}

KnownPortManager::~KnownPortManager()
{
    const juce::ScopedLock sl (gKnownPortManager49);
    mInstance = nullptr;
}

KnownPortManager* KnownPortManager::getInstance()
{
    const juce::ScopedLock sl (gKnownPortManager49);

    if (mInstance == nullptr)
    {
        mInstance = new KnownPortManager();
        mInstance->init();
    }

    return mInstance;
}

void KnownPortManager::init()
{
    for (const auto& port : knownPorts)
        items.emplace_back (port.name, port.keys, port.modelId);
}

KnownPortManager::Item* KnownPortManager::get (int i)
{
    jassert (juce::isPositiveAndBelow (i, count()));
    return &items[(size_t) i];
}
