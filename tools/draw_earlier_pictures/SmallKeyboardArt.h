#pragma once

#include <juce_graphics/juce_graphics.h>

/** Drawing primitives shared by the 32-key and 25-key keyboard pictures: two
    flat strips (control panel above, back panel below) and the controls on
    them, each filling the box it is given. */
namespace SmallKeyboardArt
{
using Box = juce::Rectangle<float>;

/** The flat colours of the two strips; controls are drawn in other colours. */
juce::Colour controlPanelColour();
juce::Colour backPanelColour();

/** A light background with the two strips: the control panel down to
    `panelBottom`, the back panel from `backTop` to the bottom. */
juce::Image drawStrips (int width, int height, float panelBottom, float backTop);

void drawLabel (juce::Graphics& g, const juce::String& text, Box box, float height = 6.5f,
                juce::Justification j = juce::Justification::centred);

/** A rotary knob, its pointer at the given angle (radians, clockwise from 12 o'clock). */
void drawKnob (juce::Graphics& g, Box box, float pointerAngle);

/** A fader in its slot; position 0 is the bottom, 1 the top. */
void drawFader (juce::Graphics& g, Box box, float position);

/** A small rubber button. */
void drawButton (juce::Graphics& g, Box box, juce::Colour face);

/** A wheel in its slot, seen from the front. */
void drawWheel (juce::Graphics& g, Box slot);

/** A joystick: square well with the stick's ball in the middle. */
void drawJoystick (juce::Graphics& g, Box box);

/** A round jack socket in a metal ring. */
void drawJack (juce::Graphics& g, Box box);

/** The 5-pin MIDI socket. */
void drawMidiSocket (juce::Graphics& g, Box box);

/** A USB type-B socket. */
void drawUsbSocket (juce::Graphics& g, Box box);

/** A rocker power switch. */
void drawPowerSwitch (juce::Graphics& g, Box box);
} // namespace SmallKeyboardArt
