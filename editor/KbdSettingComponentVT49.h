#pragma once

#include "Dialogs.h"
#include "KbdCtrlDescriptor.h"
#include "PanelModelBoxes.h"
#include "VT49CtrlPickerComponent.h"
#include "ZelManager49.h"
#include "ZelManagerListener.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <map>
#include <memory>

/** The Orlune settings panel: the keyboard's global settings, the parameters
    of the control picked on the keyboard picture, the buttons that send, reset,
    load and save the setup and update the firmware, and the controller link
    that reads the keyboard as soon as it is found.

    The controller link reports on the MIDI input thread; ZelInfoReceived then
    only sends the next request of the read chain and triggers the asynchronous
    update, which does all widget work on the message thread.
*/
class KbdSettingComponentVT49 : public juce::Component,
                                public juce::ActionListener,
                                public ZelManagerListener,
                                public juce::AsyncUpdater,
                                public juce::ComboBox::Listener,
                                public juce::Button::Listener
{
public:
    /** The application's panel, on the platform's MIDI ports and clock and the framework's dialogs. */
    KbdSettingComponentVT49();

    /** A panel on the given MIDI ports and clock, asking and telling the user
        through `dialogs`; it starts detection at once. */
    KbdSettingComponentVT49 (MidiPorts& ports, Clock& clock, Dialogs& dialogs);

    ~KbdSettingComponentVT49() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    /** A picker action message: the picked control's id in hexadecimal. */
    void actionListenerCallback (const juce::String& message) override;

    /** Shows the global settings, or tells the user that no keyboard was found. */
    void handleAsyncUpdate() override;

    /** Runs the read chain; called on the thread that produced the event. */
    void ZelInfoReceived (int code, int a, int b, void* p) override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void buttonClicked (juce::Button* b) override;

    /** The panel's controls keyed by item id. */
    std::map<short, KbdCtrlDescriptor> getAllDescriptors();

    /** Enables the "Mode combo" choices that the control group of `id` allows;
        an id of no group changes nothing. */
    void enableModesForItem (int id);

    /** Shows the name and the five parameters of the current control. */
    void reloadGUIforCurrentItem();

    /** Shows the six global settings and the firmware revision. */
    void updateGlobalUI();

    /** The embedded button pictures; the inactive default picture is the hover one. */
    static const char* defaultBtn_push_png;
    static const int defaultBtn_push_pngSize;
    static const char* defaultBtn_hover_png;
    static const int defaultBtn_hover_pngSize;
    static const char* defaultBtn_inactive_png;
    static const int defaultBtn_inactive_pngSize;
    static const char* sendBtn_push_png;
    static const int sendBtn_push_pngSize;
    static const char* sendBtn_hover_png;
    static const int sendBtn_hover_pngSize;
    static const char* sendBtn_inactive_png;
    static const int sendBtn_inactive_pngSize;

    /** The controller link, for the application's tools and the tests. */
    ZelManager49& getManager() noexcept { return manager; }

    /** The widget that the member of that name holds, or nullptr: the widget
        table's lookup, through which the tests reach each widget. */
    juce::Component* findWidget (juce::StringRef member);

private:
    using ModelBox = PanelModelBox<KbdSettingComponentVT49>;

    static const ModelBox globalBoxes[6];
    static const ModelBox parameterBoxes[5];

    /** Calls fn (widget member, its row) for each widget, in member order: the
        widget table, from which the panel creates, places and finds them. */
    template <typename Fn>
    void forEachWidget (Fn&& fn);

    bool storeGlobalBox (juce::ComboBox* box);
    void storeParameterBox (juce::ComboBox* box);
    void restoreDefaults();
    void loadFile();

    std::map<short, KbdCtrlDescriptor> descriptors;
    int currentItem = -1;
    Dialogs& dialogs; // not owned

    // Declared before the manager, so that it still exists while the manager's
    // destructor waits for a MIDI callback that may read it.
    std::atomic<bool> readingKeyboard { false };

    ZelManager49 manager;

    std::unique_ptr<juce::GroupComponent> globalGroup;
    std::unique_ptr<juce::Label> part2ChannelLabel;
    std::unique_ptr<juce::ComboBox> lowerChannelCombo;
    std::unique_ptr<juce::Label> knobModeLabel;
    std::unique_ptr<juce::ComboBox> knobModeCombo;
    std::unique_ptr<juce::GroupComponent> controlGroup;
    std::unique_ptr<juce::Label> nameLabel;
    std::unique_ptr<juce::TextEditor> nameEditor;
    std::unique_ptr<juce::Label> ccNumberLabel;
    std::unique_ptr<juce::ComboBox> ccNumberCombo;
    std::unique_ptr<juce::ImageButton> defaultButton;
    std::unique_ptr<juce::ImageButton> sendButton;
    std::unique_ptr<VT49CtrlPickerComponent> picker;
    std::unique_ptr<juce::Label> modeLabel;
    std::unique_ptr<juce::ComboBox> modeCombo;
    std::unique_ptr<juce::Label> channelLabel;
    std::unique_ptr<juce::ComboBox> channelCombo;
    std::unique_ptr<juce::Label> maxMsbLabel;
    std::unique_ptr<juce::ComboBox> maxMsbCombo;
    std::unique_ptr<juce::Label> minLsbLabel;
    std::unique_ptr<juce::ComboBox> minLsbCombo;
    std::unique_ptr<juce::Label> splitModeLabel;
    std::unique_ptr<juce::ComboBox> splitModeCombo;
    std::unique_ptr<juce::Label> part1ChannelLabel;
    std::unique_ptr<juce::ComboBox> upperChannelCombo;
    std::unique_ptr<juce::Label> faderModeLabel;
    std::unique_ptr<juce::ComboBox> faderModeCombo;
    std::unique_ptr<juce::Label> splitPointLabel;
    std::unique_ptr<juce::ComboBox> splitPointCombo;
    std::unique_ptr<juce::TextButton> loadButton;
    std::unique_ptr<juce::TextButton> saveButton;
    std::unique_ptr<juce::TextButton> chartButton;
    std::unique_ptr<juce::TextButton> fwButton;
    std::unique_ptr<juce::Label> firmwareLabel;
    std::unique_ptr<juce::TextEditor> firmwareEditor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KbdSettingComponentVT49)
};
