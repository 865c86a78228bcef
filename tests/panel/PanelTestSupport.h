#pragma once

#include "ALookAndFeel.h"
#include "Dialogs.h"
#include "KbdSettingComponentVT49.h"
#include "SimMidiPorts.h"
#include "SimulatedKeyboard.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

/** The panel's widgets among its children, which are in member order. */
namespace ui
{
enum Index
{
    globalGroup, part2ChannelLabel, lowerChannelCombo, knobModeLabel, knobModeCombo,
    controlGroup, nameLabel, nameEditor, ccNumberLabel, ccNumberCombo,
    defaultButton, sendButton, picker, modeLabel, modeCombo,
    channelLabel, channelCombo, maxMsbLabel, maxMsbCombo, minLsbLabel,
    minLsbCombo, splitModeLabel, splitModeCombo, part1ChannelLabel, upperChannelCombo,
    faderModeLabel, faderModeCombo, splitPointLabel, splitPointCombo, loadButton,
    saveButton, chartButton, fwButton, firmwareLabel, firmwareEditor,
    count
};
} // namespace ui

template <typename Widget>
Widget& widget (juce::Component& panel, int index)
{
    auto* w = dynamic_cast<Widget*> (panel.getChildComponent (index));

    if (w == nullptr)
    {
        ADD_FAILURE() << "child " << index << " is not of the expected kind";
        std::abort();
    }

    return *w;
}

inline juce::ComboBox& combo (juce::Component& panel, int index) { return widget<juce::ComboBox> (panel, index); }
inline juce::String editorText (juce::Component& panel, int index) { return widget<juce::TextEditor> (panel, index).getText(); }

/** Runs the message loop until every message posted so far, and those that
    they post in turn, up to `rounds` levels deep, has been handled. */
void flushMessages (int rounds = 6);

/** Runs the message loop until `condition` holds; false after timeoutMs of real time. */
bool runUntil (const std::function<bool()>& condition, int timeoutMs = 5000);

/** Answers the program's boxes and file choosers, and keeps what they showed. */
class RecordingDialogs final : public Dialogs
{
public:
    struct Box
    {
        juce::MessageBoxIconType icon;
        juce::String title, message;
    };

    struct Chooser
    {
        bool forSaving;
        juce::String title;
        juce::File startingPlace;
        juce::String patterns;
        bool warnAboutOverwriting;
    };

    RecordingDialogs() : scope (*this) {}

    void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message) override
    {
        boxes.push_back ({ icon, title, message });
    }

    bool showOkCancelBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                          const juce::String&, const juce::String&) override
    {
        boxes.push_back ({ icon, title, message });
        return answerOk;
    }

    juce::File browseForFileToOpen (const juce::String& title, const juce::File& start, const juce::String& patterns) override
    {
        choosers.push_back ({ false, title, start, patterns, false });
        return nextFile();
    }

    juce::File browseForFileToSave (const juce::String& title, const juce::File& start, const juce::String& patterns,
                                    bool warn) override
    {
        choosers.push_back ({ true, title, start, patterns, warn });
        return nextFile();
    }

    std::vector<Box> boxes;
    std::vector<Chooser> choosers;
    std::deque<juce::File> fileAnswers; // an empty queue cancels
    bool answerOk = false;

private:
    juce::File nextFile()
    {
        if (fileAnswers.empty())
            return {};

        auto file = fileAnswers.front();
        fileAnswers.pop_front();
        return file;
    }

    Dialogs::ScopedOverride scope;
};

/** The messages that the keyboard received, identity request excluded. */
std::vector<juce::MidiMessage> protocolReceived (const SimulatedKeyboard& keyboard);

/** Expects that every message of a Send reached the keyboard as clean SysEx and
    was taken, and that the store request for memory 0 came last. */
void expectCleanSendEndingWithTheStore (const SimulatedKeyboard& keyboard, const SimMidiPorts& ports);

/** A settings file whose item 1, global 6 and curve 4 hold values that no data byte can carry. */
inline const char* const kSettingsOutsideADataByte =
    "<Settings><Items>"
    "<Item ID=\"1\" Mode=\"200\" Chan=\"-1\" Num=\"60\" MinLSB=\"0\" MaxMSB=\"300\" Option=\"0\"/>"
    "<Item ID=\"99\" Mode=\"1\" Chan=\"65\" Num=\"-1\" MinLSB=\"0\" MaxMSB=\"127\" Option=\"0\"/>"
    "</Items><Globals><Param ID=\"6\" Value=\"130\"/></Globals>"
    "<Curves><Param ID=\"4\" Value=\"-8\"/></Curves></Settings>";

/** The number of LED set messages for items 99 to 106 that the keyboard received so far. */
int ledsSwitchedOff (const SimulatedKeyboard& keyboard);

/** The simulated keyboard named `keyboardName` on virtual time, and a panel that finds it. */
template <typename Panel>
struct PanelKeyboardRig
{
    explicit PanelKeyboardRig (const juce::String& keyboardName)
        : keyboard { ports, keyboardName + " MIDI Out", keyboardName + " MIDI In" }
    {
    }

    ~PanelKeyboardRig() { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    VirtualClock clock;
    SimMidiPorts ports { clock };
    SimulatedKeyboard keyboard;
    std::unique_ptr<Panel> panel;

    std::vector<juce::MidiMessage> protocolReceived() const { return ::protocolReceived (keyboard); }
    int ledsSwitchedOff() const { return ::ledsSwitchedOff (keyboard); }

    /** Builds the panel and runs until the read chain has switched the LEDs off. */
    bool readKeyboard()
    {
        panel = std::make_unique<Panel> (ports, clock);
        const bool read = runUntil ([this] { return ledsSwitchedOff() == 8 && ports.waitUntilIdle (100); });
        flushMessages();
        return read;
    }
};

/** A panel with no MIDI port at all: detection finds nothing and reports nothing. */
template <typename Panel>
struct PanelNoPortsRig
{
    ~PanelNoPortsRig() { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    VirtualClock clock;
    SimMidiPorts ports { clock };
    Panel panel { ports, clock };
};

/** The simulated Orlune, and an Orlune panel that finds it. */
struct KeyboardRig : PanelKeyboardRig<KbdSettingComponentVT49>
{
    KeyboardRig() : PanelKeyboardRig ("Orlune") {}
};

using NoPortsRig = PanelNoPortsRig<KbdSettingComponentVT49>;

/** Calls the panel's handler as a click on one of its buttons does. */
template <typename Panel>
void click (Panel& panel, int index)
{
    panel.buttonClicked (&widget<juce::Button> (panel, index));
    flushMessages();
}

juce::Image paintPanel (juce::Component& panel);

/** The application's look and feel as the default, as the application installs it. */
struct ScopedApplicationLook
{
    ScopedApplicationLook() { juce::LookAndFeel::setDefaultLookAndFeel (&look); }
    ~ScopedApplicationLook() { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

    ALookAndFeel look;
};

inline bool sameBytes (const juce::MidiMessage& a, const juce::MidiMessage& b)
{
    return a.getRawDataSize() == b.getRawDataSize()
        && std::memcmp (a.getRawData(), b.getRawData(), (size_t) a.getRawDataSize()) == 0;
}

/** Hex text of a message, for readable failures. */
inline std::string hex (const juce::MidiMessage& m)
{
    return juce::String::toHexString (m.getRawData(), m.getRawDataSize()).toStdString();
}
