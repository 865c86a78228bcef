#include "MainComponent.h"

#include "KbdSettingComponentVT49.h"

MainComponent::MainComponent()
    : MainComponent (Dialogs::framework())
{
}

MainComponent::MainComponent (Dialogs& dialogs)
    : settingsPanel (std::make_unique<KbdSettingComponentVT49> (MidiPorts::platform(), Clock::system(), dialogs))
{
    // The panel sizes itself and stays at the top-left corner.
    addAndMakeVisible (*settingsPanel);
}

MainComponent::~MainComponent() = default;

void MainComponent::paint (juce::Graphics&)
{
}

void MainComponent::resized()
{
}

void MainComponent::actionListenerCallback (const juce::String&)
{
}
