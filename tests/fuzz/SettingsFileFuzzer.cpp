// Feeds arbitrary bytes to the settings file loader, as a file the user picked.

#include "ZelManager49.h"

#include <juce_events/juce_events.h>

#include <cstddef>
#include <cstdint>

namespace
{
struct LoaderUnderTest
{
    juce::ScopedJuceInitialiser_GUI framework;
    juce::File file = juce::File::createTempFile (".vt49");
    ZelManager49 manager { nullptr };

    ~LoaderUnderTest() { file.deleteFile(); }
};
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    // One manager for every input: loads never clear the model, so later
    // inputs also run against what earlier ones left in it.
    static LoaderUnderTest loader;

    if (! loader.file.replaceWithData (data, size))
        return 0;

    loader.manager.loadSettings (loader.file);
    return 0;
}
