#include "CtrlPickerWidgets.h"

namespace CtrlPickerWidgets
{
void setUp (juce::Button& widget, juce::Button::Listener& listener,
            const juce::String& text, const juce::String& tooltip)
{
    widget.setTooltip (tooltip);
    widget.setButtonText (text);
    widget.setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight);
    widget.addListener (&listener);
    widget.setColour (juce::TextButton::buttonColourId, juce::Colour (0x40ffffff));
    widget.setColour (juce::TextButton::buttonOnColourId, juce::Colour (0x40ffffff));
    widget.setColour (juce::TextButton::textColourOnId, juce::Colours::red);
}

void toggleShift (juce::Button& shift, juce::Button* lastSelected)
{
    shift.setToggleState (! shift.getToggleState(), juce::dontSendNotification);

    if (lastSelected != nullptr)
        lastSelected->triggerClick();
}

juce::String select (juce::Button& widget, bool shifted)
{
    widget.setToggleState (true, juce::dontSendNotification);

    const auto text = widget.getButtonText();
    const int hyphen = text.indexOfChar ('-');

    if (hyphen < 0)
        return text;

    return shifted ? text.substring (hyphen + 1) : text.substring (0, hyphen);
}

void handleClick (juce::ActionBroadcaster& picker, juce::Button& clicked,
                  juce::Button* shift, juce::Button*& lastSelected)
{
    if (&clicked == shift)
    {
        // Clicking the selected control again announces it under the new Shift state.
        toggleShift (*shift, lastSelected);
        return;
    }

    lastSelected = &clicked;
    picker.sendActionMessage (select (clicked, shift != nullptr && shift->getToggleState()));
}

void drawPicture (juce::Graphics& g, const juce::Image& picture, int width, int height)
{
    g.setColour (juce::Colours::black);
    g.drawImage (picture, 0, 0, width, height,
                 0, 0, picture.getWidth(), picture.getHeight(), false);
}
} // namespace CtrlPickerWidgets
