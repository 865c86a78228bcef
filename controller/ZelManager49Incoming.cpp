#include "ZelManager49.h"

#include "OrluneControllers.h"
#include "ZelMidiMessage49.h"

namespace
{
constexpr int kSysexReply = 2;

// Controls that report their movements under a code of their own.
struct OwnCode
{
    int item, code;
};

constexpr OwnCode kOwnCodes[] = {
    { controllers::wheel::kMod, InfoCode::modWheelMoved },
    { controllers::pedal::kSustain, InfoCode::sustainMoved },
    { controllers::pedal::kExpression, InfoCode::expressionMoved },
    { controllers::pedal::kAuxiliary, InfoCode::auxPedalMoved },
    { controllers::pedal::kBreathCtrl, InfoCode::breathMoved }
};

// Notes that choose which control the channel pressure is reported for.
struct AftertouchNote
{
    int note, source;
};

constexpr AftertouchNote kAftertouchNotes[] = { { 36, 128 }, { 68, 129 }, { 84, 130 } };

constexpr int kLastGlobal = 13, kLastCurve = 10;

// Relative encoders send the amount in the low six bits and the direction in bit 6.
int signedStep (int value)
{
    const int amount = value & 0x3F;
    return (value & 0x40) != 0 ? -amount : amount;
}
} // namespace

void ZelManager49::handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message)
{
    handleMidiMessage (source != nullptr ? source->getName() : juce::String ("unknown"), message);
}

void ZelManager49::handlePartialSysexMessage (juce::MidiInput*, const juce::uint8*, int, double)
{
}

void ZelManager49::handleIncomingPortMessage (const juce::String& sourceName, const juce::MidiMessage& message)
{
    handleMidiMessage (sourceName, message);
}

void ZelManager49::handleMidiMessage (const juce::String& sourceName, const juce::MidiMessage& message)
{
    if (auto* callback = burnCallback.load())
        callback->handleIncomingMidiMessage (nullptr, message);

    if (queryPending)
    {
        const ZelMidiMessage49 reply (message);
        const bool matches = reply.isSpecificMessage (kSysexReply, queryParam, queryItem, querySubByte);

        // The result is in place before the waiting thread sees the query settled.
        queryResult = matches ? reply.get1stValue() : -1;
        queryPending = false;
    }

    if (connected)
    {
        if (sourceName == getInputName())
            handleZelMidiMessage (sourceName, message);

        return;
    }

    if (message.isSysEx() && IZelMidiMessage::isZelSysexId (message))
        connectOnIdentityReply (sourceName, message);
}

void ZelManager49::handleZelMidiMessage (const juce::String& sourceName, const juce::MidiMessage& message)
{
    if (message.isSysEx())
    {
        const ZelMidiMessage49 reply (message);

        if (reply.isZelSysex())
        {
            handleKeyboardReply (reply);
        }
        else if (IZelMidiMessage::isZelSysexId (message))
        {
            connectOnIdentityReply (sourceName, message);
            requestCloseMidiIns();
        }
    }
    else if (message.isController())
    {
        handleControlChange (message.getControllerNumber(), message.getControllerValue());
    }
    else if (message.isPitchWheel())
    {
        postZelInfo (InfoCode::pitchWheelMoved, controllers::wheel::kPitch, message.getPitchWheelValue(), nullptr);
    }
    else if (message.isNoteOn())
    {
        for (const auto& row : kAftertouchNotes)
            if (row.note == message.getNoteNumber())
                aftertouchSource = (juce::int16) row.source;
    }
    else if (message.isChannelPressure())
    {
        const int source = aftertouchSource;

        if (source > 0)
            postZelInfo (InfoCode::aftertouch, source, message.getChannelPressureValue(), nullptr);
    }
}

void ZelManager49::handleControlChange (int number, int value)
{
    int item = 0;

    {
        const juce::ScopedLock sl (modelLock);

        if (numberToItem.empty())
            rebuildNumberToItem();

        const auto found = numberToItem.find (number);

        if (found == numberToItem.end())
            return;

        item = found->second;
    }

    for (const auto& row : kOwnCodes)
    {
        if (row.item == item)
        {
            postZelInfo (row.code, item, value, nullptr);
            return;
        }
    }

    const bool relative = item == controllers::knob::kCatgeoryAdjust || item == controllers::knob::kPresetAdjust;
    postZelInfo (InfoCode::controlMoved, item, relative ? signedStep (value) : value, nullptr);
}

void ZelManager49::storePairs (int p, const juce::Array<int>& pairs)
{
    for (int k = 0; k + 1 < pairs.size(); k += 2)
        if (validItems.count (pairs[k]) != 0)
            params[p][pairs[k]] = pairs[k + 1];
}

void ZelManager49::handleKeyboardReply (const ZelMidiMessage49& reply)
{
    const int index = reply.get1stItem();
    const int value = reply.get1stValue();

    if (reply.isControllerNumberResponse())
    {
        const auto pairs = reply.getControllerNumber();

        {
            const juce::ScopedLock sl (modelLock);
            storePairs (ItemParam::number, pairs);
            rebuildNumberToItem();
        }

        if (pairs.size() == 2)
            postZelInfo (InfoCode::controllerNumbersReceived, pairs[0], pairs[1], nullptr);
        else if (pairs.size() > 2)
            postZelInfo (InfoCode::controllerNumbersReceived, 0, 0, nullptr);
    }
    else if (reply.isControllerParamSet())
    {
        const int p = reply.getParam();

        {
            const juce::ScopedLock sl (modelLock);
            storePairs (p, reply.getControllerNumber());
        }

        postZelInfo (InfoCode::itemParameterReceived, p, 0, nullptr);
    }
    else if (reply.isItemValueResponse())
    {
        if (value <= 127)
            postZelInfo (InfoCode::itemValueReceived, index, value, nullptr);
    }
    else if (reply.isMidiChannelResponse())
    {
        globals[GlobalSetting::midiChannel] = (juce::int16) value;
        postZelInfo (InfoCode::midiChannelReceived, value, 0, nullptr);
    }
    else if (reply.isRelativeModeResponse())
    {
        globals[GlobalSetting::knobRelativeMode] = (juce::int16) value;
        postZelInfo (InfoCode::relativeModeReceived, value, 0, nullptr);
    }
    else if (reply.isOctaveShiftResponse())
    {
        const int shift = value & 0x7F;
        postZelInfo (InfoCode::octaveShiftReceived, shift >= 0x40 ? shift - 0x80 : shift, 0, nullptr);
    }
    else if (reply.isGlobalParamSet())
    {
        if (juce::isPositiveAndNotGreaterThan (index, kLastGlobal))
            globals[index] = (juce::int16) value;

        postZelInfo (InfoCode::globalSettingReceived, index, value, nullptr);
    }
    else if (reply.isCurveParamSet())
    {
        // Reported whatever the number, stored only where there is a curve.
        if (juce::isPositiveAndNotGreaterThan (index, kLastCurve))
            curves[index] = (juce::int16) value;

        postZelInfo (InfoCode::curveSettingReceived, index, value, nullptr);
    }
}
