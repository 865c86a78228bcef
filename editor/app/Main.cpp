#include "AppClass.h"

// The program's entry point; it lives in the executable alone, so the shell
// library that the window tests link brings no second main.
START_JUCE_APPLICATION (AppClass)
