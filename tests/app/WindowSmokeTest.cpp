#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

// The virtual X server and the test application can show a real window.
TEST (WindowSmoke, DocumentWindowOpensAndCloses)
{
    juce::DocumentWindow window ("smoke", juce::Colours::azure, juce::DocumentWindow::closeButton);
    window.setUsingNativeTitleBar (true);
    window.centreWithSize (200, 100);
    window.setVisible (true);

    EXPECT_TRUE (window.isOnDesktop());
    EXPECT_NE (window.getPeer(), nullptr);
}
