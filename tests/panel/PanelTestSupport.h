#pragma once

#include "ALookAndFeel.h"
#include "Dialogs.h"
#include "KbdSettingComponentVT49.h"
#include "SimMidiPorts.h"
#include "SimulatedKeyboard.h"
#include "VirtualClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

/** A panel's widget, named by the member that holds it: the panel's own widget
    table finds it. */
struct WidgetMember
{
    const char* name;
};

inline bool operator== (WidgetMember a, WidgetMember b) { return std::strcmp (a.name, b.name) == 0; }
inline bool operator!= (WidgetMember a, WidgetMember b) { return ! (a == b); }
inline std::ostream& operator<< (std::ostream& out, WidgetMember member) { return out << member.name; }

/** The widgets that both settings panels have. */
namespace panelWidgetMembers
{
inline constexpr WidgetMember
    globalGroup { "globalGroup" }, lowerChannelCombo { "lowerChannelCombo" },
    knobModeLabel { "knobModeLabel" }, knobModeCombo { "knobModeCombo" },
    controlGroup { "controlGroup" }, nameLabel { "nameLabel" }, nameEditor { "nameEditor" },
    ccNumberLabel { "ccNumberLabel" }, ccNumberCombo { "ccNumberCombo" },
    defaultButton { "defaultButton" }, sendButton { "sendButton" }, picker { "picker" },
    modeLabel { "modeLabel" }, modeCombo { "modeCombo" }, channelLabel { "channelLabel" }, channelCombo { "channelCombo" },
    maxMsbLabel { "maxMsbLabel" }, maxMsbCombo { "maxMsbCombo" }, minLsbLabel { "minLsbLabel" }, minLsbCombo { "minLsbCombo" },
    splitModeLabel { "splitModeLabel" }, splitModeCombo { "splitModeCombo" }, upperChannelCombo { "upperChannelCombo" },
    faderModeLabel { "faderModeLabel" }, faderModeCombo { "faderModeCombo" },
    splitPointLabel { "splitPointLabel" }, splitPointCombo { "splitPointCombo" },
    loadButton { "loadButton" }, saveButton { "saveButton" }, chartButton { "chartButton" };
} // namespace panelWidgetMembers

/** The Orlune panel's widgets. */
namespace ui
{
using namespace panelWidgetMembers;

inline constexpr WidgetMember
    part2ChannelLabel { "part2ChannelLabel" }, part1ChannelLabel { "part1ChannelLabel" },
    fwButton { "fwButton" }, firmwareLabel { "firmwareLabel" }, firmwareEditor { "firmwareEditor" };

/** The number of widgets that the panel builds. */
inline constexpr int count = 35;
} // namespace ui

/** The widget that `member` of the panel holds; fails the test if there is none of that kind. */
template <typename Widget, typename Panel>
Widget& widget (Panel& panel, WidgetMember member)
{
    auto* w = dynamic_cast<Widget*> (panel.findWidget (member.name));

    if (w == nullptr)
    {
        ADD_FAILURE() << member.name << " holds no widget of the expected kind";
        std::abort();
    }

    return *w;
}

template <typename Panel>
juce::ComboBox& combo (Panel& panel, WidgetMember member) { return widget<juce::ComboBox> (panel, member); }

template <typename Panel>
juce::String editorText (Panel& panel, WidgetMember member) { return widget<juce::TextEditor> (panel, member).getText(); }

/** Runs the message loop until every message posted so far, and those that
    they post in turn, up to `rounds` levels deep, has been handled. */
void flushMessages (int rounds = 6);

/** Runs the message loop until `condition` holds; false after timeoutMs of real time
    in a plain build, more under a sanitizer. */
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
};

/** The dialogs that a rig hands to its panel: the test's, or else the rig's
    own, on which the panel must show nothing. */
struct RigDialogs
{
    explicit RigDialogs (RecordingDialogs* shared) : dialogs (shared != nullptr ? *shared : ownDialogs) {}

    ~RigDialogs()
    {
        if (&dialogs != &ownDialogs)
            return;

        EXPECT_TRUE (ownDialogs.boxes.empty()) << "the panel showed a box that the test did not ask for";
        EXPECT_TRUE (ownDialogs.choosers.empty()) << "the panel opened a chooser that the test did not ask for";
    }

    RecordingDialogs ownDialogs;
    RecordingDialogs& dialogs;
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
struct PanelKeyboardRig : RigDialogs
{
    /** `shared`, if given, answers the panel's boxes and choosers. */
    explicit PanelKeyboardRig (const juce::String& keyboardName, RecordingDialogs* shared = nullptr)
        : RigDialogs (shared), keyboard { ports, keyboardName + " MIDI Out", keyboardName + " MIDI In" }
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
        panel = std::make_unique<Panel> (ports, clock, dialogs);
        const bool read = runUntil ([this] { return ledsSwitchedOff() == 8 && ports.waitUntilIdle (100); });
        flushMessages();
        return read;
    }
};

/** A panel with no MIDI port at all: detection finds nothing and reports nothing. */
template <typename Panel>
struct PanelNoPortsRig : RigDialogs
{
    PanelNoPortsRig() : RigDialogs (nullptr) {}

    /** A panel whose boxes and choosers `shared` answers. */
    explicit PanelNoPortsRig (RecordingDialogs& shared) : RigDialogs (&shared) {}

    ~PanelNoPortsRig() { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    VirtualClock clock;
    SimMidiPorts ports { clock };
    Panel panel { ports, clock, dialogs };
};

/** The simulated Orlune, and an Orlune panel that finds it. */
struct KeyboardRig : PanelKeyboardRig<KbdSettingComponentVT49>
{
    KeyboardRig() : PanelKeyboardRig ("Orlune") {}
    explicit KeyboardRig (RecordingDialogs& shared) : PanelKeyboardRig ("Orlune", &shared) {}
};

using NoPortsRig = PanelNoPortsRig<KbdSettingComponentVT49>;

/** Calls the panel's handler as a click on one of its buttons does. */
template <typename Panel>
void click (Panel& panel, WidgetMember button)
{
    panel.buttonClicked (&widget<juce::Button> (panel, button));
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
