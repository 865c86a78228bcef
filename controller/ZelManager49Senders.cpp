#include "ZelManager49.h"

#include "OrluneControllers.h"
#include "ZelMidiMessage49.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace
{
constexpr int kLastPlainValueItem = controllers::knob::kFxDelay;
constexpr int kItemPacingUs = 2000;
constexpr int kQueryWaits = 20;
constexpr int kQueryWaitMs = 50;

// Models whose items can be programmed one by one.
constexpr int kProgrammableModels[] = { 0x300, 0x400, 0x500, 0x502, 0x504, 0x1300 };

// A byte of 0x80 or more inside SysEx never reaches the keyboard intact: the
// platform's MIDI stack ends the message there or sends the byte as a real-time
// message of its own. Senders that write an argument as a data byte unmasked
// therefore refuse one outside 0 to 127.
bool areDataBytes (std::initializer_list<int> arguments)
{
    return std::all_of (arguments.begin(), arguments.end(), [] (int v) { return v >= 0 && v <= 0x7F; });
}
} // namespace

bool ZelManager49::postStoreRequest (int memory)
{
    return areDataBytes ({ memory }) && sendToKeyboard (ZelMidiMessage49::SaveMemoryRequest (memory));
}

bool ZelManager49::postRecallRequest (int memory)
{
    return areDataBytes ({ memory }) && sendToKeyboard (ZelMidiMessage49::LoadMemoryRequest (memory));
}

bool ZelManager49::postLedState (int item, int state)
{
    return areDataBytes ({ item, state }) && sendToKeyboard (ZelMidiMessage49::LedStateSet (item, state));
}

bool ZelManager49::postLedRequest (int item)
{
    return areDataBytes ({ item }) && sendToKeyboard (ZelMidiMessage49::LedStateReqest (item));
}

// The octave shift is masked by its builder, so any shift goes out as a data byte.
bool ZelManager49::postOctaveShift (int shift)      { return sendToKeyboard (ZelMidiMessage49::OctaveShiftSet (shift)); }
bool ZelManager49::postOctaveShiftRequest()         { return sendToKeyboard (ZelMidiMessage49::OctaveShiftRequest()); }
bool ZelManager49::postRelativeMode (bool relative) { return sendToKeyboard (ZelMidiMessage49::RelativeModeSet (relative)); }
bool ZelManager49::postRelativeModeRequest()        { return sendToKeyboard (ZelMidiMessage49::RelativeModeRequest()); }
bool ZelManager49::postMidiChannelRequest()         { return sendToKeyboard (ZelMidiMessage49::MidiChannelRequest()); }

bool ZelManager49::postCurveSetting (int n, int value)
{
    return areDataBytes ({ n, value }) && sendToKeyboard (ZelMidiMessage49::CurveParamSet (n, value));
}

bool ZelManager49::postCurveSettingRequest (int n)
{
    return areDataBytes ({ n }) && sendToKeyboard (ZelMidiMessage49::CurveParamRequest (n));
}

bool ZelManager49::postGlobalSetting (int n, int value)
{
    return areDataBytes ({ n, value }) && sendToKeyboard (ZelMidiMessage49::GlobalParamSet (n, value));
}

bool ZelManager49::postGlobalSettingRequest (int n)
{
    return areDataBytes ({ n }) && sendToKeyboard (ZelMidiMessage49::GlobalParamRequest (n));
}

bool ZelManager49::postItemValueRequest (int item)
{
    return areDataBytes ({ item }) && sendToKeyboard (ZelMidiMessage49::ItemValueRequest (item));
}

bool ZelManager49::postItemConfigRequest (int item)
{
    return areDataBytes ({ item }) && sendToKeyboard (ZelMidiMessage49::ControllerNumberRequest (item));
}

bool ZelManager49::postItemParamSet (int p, int item, int value)
{
    return areDataBytes ({ p, item, value }) && sendToKeyboard (ZelMidiMessage49::ItemParamSet (p, item, value, 0));
}

bool ZelManager49::postItemSetting (int p, int item, int value, int sub)
{
    return areDataBytes ({ p, item, value, sub }) && sendToKeyboard (ZelMidiMessage49::ItemParamSet (p, item, value, sub));
}

bool ZelManager49::postItemSettingRequest (int p, int item, int sub)
{
    return areDataBytes ({ p, item, sub }) && sendToKeyboard (ZelMidiMessage49::ItemParamRequest (p, item, sub));
}

bool ZelManager49::postItemValue (int item, int value)
{
    if (! hasKeyboardOutput())
        return false;

    // Only the level knob and the first ten knobs take a value from the editor.
    if (item > kLastPlainValueItem && item != controllers::knob::kLevel)
        return false;

    return areDataBytes ({ item, value }) && sendToKeyboard (ZelMidiMessage49::ItemValueSet (item, value));
}

bool ZelManager49::postLCDMessage (juce::String, juce::String)
{
    return false;
}

bool ZelManager49::hasKeyboardOutput()
{
    const juce::ScopedLock sl (outputLock);
    return keyboardOutput != nullptr;
}

bool ZelManager49::updateKeyboard (int memory)
{
    std::vector<int> items;

    {
        const juce::ScopedLock sl (modelLock);

        for (const auto& entry : params[ItemParam::number])
            if (entry.first != controllers::wheel::kPitch)
                items.push_back (entry.first);
    }

    for (const int item : items)
    {
        for (int p = ItemParam::first; p <= ItemParam::last; ++p)
        {
            std::optional<int> value;

            {
                const juce::ScopedLock sl (modelLock);
                const auto found = params[p].find (item);

                if (found != params[p].end())
                    value = found->second;
            }

            // A parameter that cannot be sent is skipped with its pause; the rest go on.
            if (value.has_value() && ! postItemSetting (p, item, *value, 0))
                continue;

            clock.pauseMicroseconds (kItemPacingUs);
        }
    }

    postGlobalSetting (GlobalSetting::midiChannel, globals[GlobalSetting::midiChannel]);
    postCurveSetting (4, curves[4]);
    postCurveSetting (1, curves[1]);
    postCurveSetting (3, curves[3]);

    return postStoreRequest (memory);
}

void ZelManager49::programItem (int item, int mode, int chan, int num, int minLsb, int maxMsb, int option)
{
    if (std::find (std::begin (kProgrammableModels), std::end (kProgrammableModels), modelId.load())
        == std::end (kProgrammableModels))
        return;

    const int values[] = { mode, chan, num, minLsb, maxMsb, option };

    for (int p = ItemParam::first; p <= ItemParam::last; ++p)
        postItemParamSet (p, item, values[p - ItemParam::first]);
}

int ZelManager49::queryItemParamValue (int p, int item, int sub)
{
    queryParam = p;
    queryItem = item;
    querySubByte = sub;
    queryPending = true;

    postItemSettingRequest (p, item, sub);

    for (int i = 0; i < kQueryWaits; ++i)
    {
        if (! queryPending)
            return queryResult;

        clock.sleepMilliseconds (kQueryWaitMs);
    }

    queryPending = false;
    return -1;
}
