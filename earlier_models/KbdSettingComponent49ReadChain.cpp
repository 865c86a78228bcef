#include "KbdSettingComponent49.h"

#include "Dialogs.h"

namespace
{
int sameValue (int value) { return value; }

// An on/off global holds 1 for its first choice and 127 for its second.
int onOffItemIndex (int value) { return value == 127 ? 1 : 0; }
int onOffValue (int itemIndex) { return itemIndex == 1 ? 127 : 1; }
} // namespace

// In the order in which the panel shows them.
const KbdSettingComponent49::ModelBox KbdSettingComponent49::globalBoxes[6] {
    { &KbdSettingComponent49::lowerChannelCombo, 5, sameValue, sameValue },
    { &KbdSettingComponent49::upperChannelCombo, 6, sameValue, sameValue },
    { &KbdSettingComponent49::knobModeCombo, 2, onOffItemIndex, onOffValue },
    { &KbdSettingComponent49::faderModeCombo, 1, onOffItemIndex, onOffValue },
    { &KbdSettingComponent49::splitModeCombo, 7, onOffItemIndex, onOffValue },
    { &KbdSettingComponent49::splitPointCombo, 8, sameValue, sameValue },
};

void KbdSettingComponent49::ZelInfoReceived (int code, int a, int, void*)
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
        triggerAsyncUpdate();
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
                    triggerAsyncUpdate();
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

void KbdSettingComponent49::handleAsyncUpdate()
{
    if (manager.connected)
        showGlobals();
    else
        Dialogs::get().showMessageBox (juce::MessageBoxIconType::InfoIcon, "Keyboard Problem",
                                       "The keyboard has not been detected. Please correct the problem and try again.");
}

void KbdSettingComponent49::showGlobals()
{
    // Each box reports back through comboBoxChanged, storing what it shows.
    for (const auto& row : globalBoxes)
        (this->*row.box)->setSelectedItemIndex (row.valueToItemIndex (manager.globals[row.index]),
                                                juce::sendNotification);
}

bool KbdSettingComponent49::storeGlobalBox (juce::ComboBox* box)
{
    for (const auto& row : globalBoxes)
    {
        if ((this->*row.box).get() == box)
        {
            manager.globals[row.index] = (juce::int16) row.itemIndexToValue (box->getSelectedItemIndex());
            return true;
        }
    }

    return false;
}
