#pragma once

/** The events that ZelManager49 reports to its listeners: the `code` argument
    of ZelManagerListener::ZelInfoReceived. The values are the keyboard
    link's own and never change; the enum converts to the int that carries them. */
namespace InfoCode
{
enum Code : int
{
    connected = 0,                   // a: 0, b: 0
    controllerNumbersReceived = 1,   // a, b: the item and its number, or 0, 0 for a list
    controlMoved = 2,                // a: item, b: value (a signed step for the relative encoders)
    itemValueReceived = 3,           // a: item, b: value; replies of LED states too
    midiChannelReceived = 4,         // a: the global MIDI channel
    octaveShiftReceived = 5,         // a: the shift, negative downwards
    ledState = 6,                    // defined for listeners; the manager does not post it
    detectionEndedWithoutReply = 7,  // also after a known-port fallback that connected
    modWheelMoved = 8,               // a: item, b: value
    pitchWheelMoved = 9,             // a: item, b: the 14-bit wheel value
    sustainMoved = 10,               // a: item, b: value
    expressionMoved = 11,            // a: item, b: value
    auxPedalMoved = 12,              // a: item, b: value
    breathMoved = 13,                // a: item, b: value
    relativeModeReceived = 14,       // a: the knob mode value
    aftertouch = 15,                 // a: the item chosen by the last note, b: pressure
    itemParameterReceived = 16,      // a: the item parameter number
    globalSettingReceived = 17,      // a: the global index, b: value
    curveSettingReceived = 18        // a: the curve index, b: value
};
} // namespace InfoCode
