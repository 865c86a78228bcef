#pragma once

#include <juce_graphics/juce_graphics.h>

/** Drawing primitives for the keyboard's controls, each filling the box it is given. */
namespace PanelArt
{
/** The ink of the panel's printed labels. */
juce::Colour labelColour();

juce::Font labelFont (float height, bool bold = false);

void drawLabel (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> box,
                float height = 7.5f, juce::Justification j = juce::Justification::centred);

/** The light backdrop behind the keyboard, fading down over the given height. */
void drawBackdrop (juce::Graphics& g, float height);

/** The keyboard's dark case with its drop shadow. */
void drawCase (juce::Graphics& g, juce::Rectangle<float> body, juce::Point<float> shadowOffset, float corner);

/** A rotary knob, its pointer at the given angle (radians, clockwise from 12 o'clock). */
void drawKnob (juce::Graphics& g, juce::Rectangle<float> box, float pointerAngle);

/** A push encoder with a ridged rim. */
void drawEncoder (juce::Graphics& g, juce::Rectangle<float> box);

/** A fader: slot, scale and cap; position 0 is the bottom, 1 the top. */
void drawFader (juce::Graphics& g, juce::Rectangle<float> box, float position);

/** A small rubber button; lit buttons get a coloured face. */
void drawPanelButton (juce::Graphics& g, juce::Rectangle<float> box, juce::Colour face);

/** A pressure pad with its number. */
void drawPad (juce::Graphics& g, juce::Rectangle<float> box, int number);

/** A wheel seen from the front, in its slot. */
void drawWheel (juce::Graphics& g, juce::Rectangle<float> slot, juce::Rectangle<float> wheel);

/** A jack socket in a metal ring. */
void drawJack (juce::Graphics& g, juce::Rectangle<float> box);

/** A USB port: a light shell round its dark opening. */
void drawUsbPort (juce::Graphics& g, juce::Rectangle<float> box);

/** A dark, bevelled panel area. */
void drawPanelArea (juce::Graphics& g, juce::Rectangle<float> box, float corner);

/** The keyboard's keys between left and right, white keys starting on a C. */
void drawKeys (juce::Graphics& g, float left, float right, float top, float bottom, int whiteKeys);
} // namespace PanelArt
