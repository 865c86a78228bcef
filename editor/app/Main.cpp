#include "AppClass.h"

juce::JUCEApplicationBase* juce_CreateApplication()
{
    return new AppClass();
}

int main (int argc, char* argv[])
{
    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    return juce::JUCEApplicationBase::main (argc, (const char**) argv);
}
