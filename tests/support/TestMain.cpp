#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// Every test binary runs with the framework initialised, so that timers,
// asynchronous updates and the image cache work as in the application.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI framework;
    return RUN_ALL_TESTS();
}
