#include "AppClass.h"

#include "ALookAndFeel.h"

AppClass::AppClass() = default;

AppClass::~AppClass() = default;

void AppClass::initialise (const juce::String&)
{
    // Before any component exists, so that every widget is drawn with it from the start.
    lookAndFeel = std::make_unique<ALookAndFeel>();
    juce::LookAndFeel::setDefaultLookAndFeel (lookAndFeel.get());

    mainWindow = std::make_unique<MainAppWindow>();
    mainWindow->centreWithSize (1024, 660);
    mainWindow->setVisible (true);
}

void AppClass::shutdown()
{
    mainWindow = nullptr;

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    lookAndFeel = nullptr;
}

const juce::String AppClass::getApplicationName()
{
    return "Corvane - The Quillary MIDI Control Center";
}

const juce::String AppClass::getApplicationVersion()
{
    return "1.0";
}

bool AppClass::moreThanOneInstanceAllowed()
{
    return true;
}

void AppClass::anotherInstanceStarted (const juce::String&)
{
}
