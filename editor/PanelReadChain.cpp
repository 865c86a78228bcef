#include "PanelReadChain.h"

namespace
{
// The keyboard's eight LEDs, which have no control constant.
constexpr int kFirstLed = 99, kLastLed = 106;
} // namespace

void runPanelReadChain (ZelManager49& manager, std::atomic<bool>& readingKeyboard,
                        juce::AsyncUpdater& showGlobals, int code, int a)
{
    // Runs on the MIDI input thread for every code but the end of detection: no widget is touched here.
    if (code == InfoCode::connected)
    {
        readingKeyboard = true;
        manager.postItemConfigRequest (0);
        return;
    }

    if (code == InfoCode::detectionEndedWithoutReply)
    {
        manager.autoRedetect = true;
        showGlobals.triggerAsyncUpdate();
        return;
    }

    if (! readingKeyboard)
        return;

    switch (code)
    {
        case InfoCode::controllerNumbersReceived:
            manager.postItemSettingRequest (ItemParam::mode, 0, 0);
            break;

        case InfoCode::itemParameterReceived:
            switch (a)
            {
                case ItemParam::mode:    manager.postItemSettingRequest (ItemParam::channel, 0, 0); break;
                case ItemParam::channel: manager.postItemSettingRequest (ItemParam::minLsb, 0, 0); break;
                case ItemParam::minLsb:  manager.postItemSettingRequest (ItemParam::maxMsb, 0, 0); break;
                case ItemParam::maxMsb:  manager.postMidiChannelRequest(); break;
                default: readingKeyboard = false; break;
            }
            break;

        case InfoCode::midiChannelReceived:
            manager.postRelativeModeRequest();
            break;

        case InfoCode::relativeModeReceived:
            manager.postGlobalSettingRequest (GlobalSetting::lowerPartChannel);
            break;

        case InfoCode::globalSettingReceived:
            switch (a)
            {
                case GlobalSetting::lowerPartChannel: manager.postGlobalSettingRequest (GlobalSetting::faderMode); break;
                case GlobalSetting::faderMode:        manager.postGlobalSettingRequest (GlobalSetting::splitMode); break;
                case GlobalSetting::splitMode:        manager.postGlobalSettingRequest (GlobalSetting::splitPoint); break;
                case GlobalSetting::splitPoint:
                    showGlobals.triggerAsyncUpdate();
                    manager.postOctaveShiftRequest();
                    break;
                default: break;
            }
            break;

        case InfoCode::octaveShiftReceived:
            for (int item = kFirstLed; item <= kLastLed; ++item)
                manager.postLedState (item, 0);

            readingKeyboard = false;
            break;

        default:
            break;
    }
}
