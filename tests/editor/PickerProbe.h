#pragma once

#include "ImageProbe.h"
#include "MessageLoopUntil.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// What the keyboard pickers' tests share: hearing what a picker broadcasts,
// letting its clicks run through the message loop, and painting it.
namespace PickerProbe
{
struct MessageLog : public juce::ActionListener
{
    juce::StringArray messages;
    void actionListenerCallback (const juce::String& message) override { messages.add (message); }
};

/** Runs the message loop until `done` holds or two seconds have passed (more
    under a sanitizer); returns `done()`. */
inline bool waitUntil (const std::function<bool()>& done) { return runMessageLoopUntil (done, 2000); }

/** The picker's widget in row n of its table, counted from 1. */
inline juce::Button& widget (juce::Component& picker, int n)
{
    return *dynamic_cast<juce::Button*> (picker.getChildComponent (n - 1));
}

/** The picker painted with all its widgets onto a transparent image of its size. */
inline juce::Image render (juce::Component& picker)
{
    auto image = ImageProbe::blank (picker.getWidth(), picker.getHeight());
    juce::Graphics g (image);
    picker.paintEntireComponent (g, true);
    return image;
}
} // namespace PickerProbe
