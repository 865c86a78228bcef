#include "PanelReadChain.h"

void runPanelReadChain (ZelManager49& manager, std::atomic<bool>& readingKeyboard,
                        juce::AsyncUpdater& showGlobals, int code, int a)
{
    // Runs on the MIDI input thread for every code but 7: no widget is touched here.
    if (code == 0)
    {
        readingKeyboard = true;
        manager.postItemConfigRequest (0);
        return;
    }

    if (code == 7)
    {
        manager.autoRedetect = true;
        showGlobals.triggerAsyncUpdate();
        return;
    }

    if (! readingKeyboard)
        return;

    switch (code)
    {
        case 1:
            manager.postItemSettingRequest (1, 0, 0);
            break;

        case 16:
            switch (a)
            {
                case 1:  manager.postItemSettingRequest (2, 0, 0); break;
                case 2:  manager.postItemSettingRequest (4, 0, 0); break;
                case 4:  manager.postItemSettingRequest (5, 0, 0); break;
                case 5:  manager.postMidiChannelRequest(); break;
                default: readingKeyboard = false; break;
            }
            break;

        case 4:
            manager.postRelativeModeRequest();
            break;

        case 14:
            manager.postGlobalSettingRequest (5);
            break;

        case 17:
            switch (a)
            {
                case 5: manager.postGlobalSettingRequest (1); break;
                case 1: manager.postGlobalSettingRequest (7); break;
                case 7: manager.postGlobalSettingRequest (8); break;
                case 8:
                    showGlobals.triggerAsyncUpdate();
                    manager.postOctaveShiftRequest();
                    break;
                default: break;
            }
            break;

        case 5:
            for (int item = 99; item <= 106; ++item)
                manager.postLedState (item, 0);

            readingKeyboard = false;
            break;

        default:
            break;
    }
}
