#include "AppClass.h"

#include "ALookAndFeel.h"
#include "DisplayCheck.h"

#include <iostream>

AppClass::AppClass() = default;

AppClass::~AppClass() = default;

void AppClass::initialise (const juce::String&)
{
    // Without a display the first window would crash the framework; say what is missing instead.
    if (! canReachADisplay())
    {
        std::cerr << noDisplayMessage << std::endl;
        setApplicationReturnValue (1);
        quit();
        return;
    }

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
