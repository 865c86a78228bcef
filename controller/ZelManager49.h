#pragma once

#include "Clock.h"
#include "MidiPorts.h"
#include "ZelManagerListener.h"
#include "ZelSettingNumbers.h"

#include <juce_audio_devices/juce_audio_devices.h>
#include <juce_events/juce_events.h>

#include <atomic>
#include <map>
#include <set>

class ZelMidiMessage49;

/** The controller link: finds the keyboard among the MIDI ports by identity
    request, owns the model of its settings, decodes its replies into info
    codes for the listeners and sends requests and settings back.

    Threads: detection, the panels and the settings file run on the message
    thread; replies arrive on the MIDI input thread; the firmware worker sends
    through SendMidiMessage. The model is guarded by modelLock, each send by
    outputLock (held only while the message goes out, never across a pause),
    and the flags and small values that the panels read are atomics.
*/
class ZelManager49 : public juce::Timer,
                     public juce::MidiInputCallback,
                     public juce::ChangeListener,
                     private MidiInputPortCallback,
                     private juce::AsyncUpdater
{
public:
    explicit ZelManager49 (juce::AudioDeviceManager* deviceManager,
                           MidiPorts& ports = MidiPorts::platform(),
                           Clock& clock = Clock::system());
    ~ZelManager49() override;

    void postConstruct();
    void preDestruct();

    //==============================================================================
    // Detection and connection

    void startDetection (bool enableInputs);
    void sendIdRequest (int i);
    void openMidiIns (bool enableInputs);
    void closeMidiIns();
    bool setDevices (const juce::String& in, const juce::String& out, int);
    void setDevicesEx (const juce::String& in, const juce::String& out, int model);

    /** Sends at once on the keyboard output, if any, then pauses 2 ms. */
    void SendMidiMessage (const juce::MidiMessage& message);

    void timerCallback() override;
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;
    void handlePartialSysexMessage (juce::MidiInput*, const juce::uint8*, int, double) override;
    virtual void changeListenerCallback (void* p);
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** Calls every listener, index 0 upward, on the calling thread. */
    void postZelInfo (int code, int a, int b, void* p);

    /** Enters burn mode on the loader port when callback is not null, leaves it
        when it is; leaving closes the inputs and, if burn mode had been entered,
        the output to the loader's port, without restoring the keyboard's ports. */
    bool SetBurnMode (juce::MidiInputCallback* callback, juce::String port);

    //==============================================================================
    // Incoming messages: sourceName is the delivering input's name, "unknown" when unknown.

    void handleMidiMessage (const juce::String& sourceName, const juce::MidiMessage& message);
    void handleZelMidiMessage (const juce::String& sourceName, const juce::MidiMessage& message);

    //==============================================================================
    // Settings model

    /** Item parameter p (1 to 6) of an item; -1 when the model holds none. */
    int getParamForItem (int p, int item);
    void setParamForItem (int p, int item, int value);
    bool IsItemValid (int item);
    void reverseItemArray();
    void resetMappingToDefault();

    //==============================================================================
    // Requests and sending: each returns false, sending nothing, without a keyboard
    // output or when an argument that goes out unmasked lies outside 0 to 127.

    bool postStoreRequest (int memory);
    bool postRecallRequest (int memory);
    bool postLedState (int item, int state);
    bool postLedRequest (int item);
    bool postOctaveShift (int shift);
    bool postOctaveShiftRequest();
    bool postRelativeMode (bool relative);
    bool postRelativeModeRequest();
    bool postCurveSetting (int n, int value);
    bool postCurveSettingRequest (int n);
    bool postGlobalSetting (int n, int value);
    bool postGlobalSettingRequest (int n);
    bool postMidiChannelRequest();
    bool postItemParamSet (int p, int item, int value);
    bool postItemSetting (int p, int item, int value, int sub);
    bool postItemSettingRequest (int p, int item, int sub);
    bool postItemValue (int item, int value);
    bool postItemValueRequest (int item);
    bool postItemConfigRequest (int item);
    bool postLCDMessage (juce::String line1, juce::String line2);

    /** Sends every item parameter that fits a data byte (the rest are skipped,
        without their pause), global 6, curves 4, 1, 3, then the store request. */
    bool updateKeyboard (int memory);
    void programItem (int item, int mode, int chan, int num, int minLsb, int maxMsb, int option);
    int queryItemParamValue (int p, int item, int sub);

    //==============================================================================
    // Settings file and chart: each reports whether the file was written or read.

    bool saveSettings (juce::File& file) const;
    bool loadSettings (juce::File& file);
    bool generateChart (juce::File& file) const;

    //==============================================================================
    // Fields that the panels use directly

    juce::Array<ZelManagerListener*> listeners;
    std::atomic<bool> connected { false };
    std::atomic<bool> autoRedetect { false };
    std::atomic<char> firmwareRevision[4] {};
    std::atomic<juce::int16> globals[14] {};

    static std::atomic<bool> sStandaloneMode;

    /** Accessors for tests and tools. */
    int getModelId() const { return modelId; }
    juce::String getInputName() const;
    juce::String getOutputName() const;
    int getCurve (int n) const { return curves[n]; }
    int getAftertouchSource() const { return aftertouchSource; }

private:
    void handleIncomingPortMessage (const juce::String& inputName, const juce::MidiMessage& message) override;
    void handleAsyncUpdate() override;

    void connectOnIdentityReply (const juce::String& sourceName, const juce::MidiMessage& message);
    bool sendToKeyboard (const juce::MidiMessage& message);
    void fillValidItems();
    void rebuildNumberToItem(); // modelLock held
    int paramOr (int p, int item, int fallback) const; // modelLock held
    void storePairs (int p, const juce::Array<int>& pairs); // modelLock held
    void handleKeyboardReply (const ZelMidiMessage49& reply);
    void handleControlChange (int number, int value);
    void closeProbeOutput();
    void replaceOutput (std::unique_ptr<MidiOutputPort>& output, std::unique_ptr<MidiOutputPort> replacement);
    void connectToKnownPorts();
    void requestCloseMidiIns();
    bool hasKeyboardOutput();

    MidiPorts& ports;
    Clock& clock;

    std::atomic<juce::MidiInputCallback*> burnCallback { nullptr };
    juce::OwnedArray<MidiInputPort> ownInputs;
    std::atomic<int> inputsGeneration { 0 };       // counts openMidiIns
    std::atomic<int> closeRequestGeneration { -1 }; // inputs that the MIDI thread asked to close
    juce::Array<bool> savedInputStates;
    std::atomic<bool> queryPending { false };
    std::atomic<int> queryParam { 0 }, queryItem { 0 }, querySubByte { 0 };
    std::atomic<int> queryResult { -1 };
    int retries = 0;
    std::atomic<int> probeIndex { 0 };
    std::unique_ptr<MidiOutputPort> probeOutput;
    std::unique_ptr<MidiOutputPort> keyboardOutput;
    int outputCount = 0;
    juce::uint32 lastTickMs = 0;
    std::atomic<int> modelId { 0x300 };
    std::atomic<juce::int16> curves[11] {};
    std::atomic<juce::int16> aftertouchSource { -1 };
    juce::String inputName, outputName;
    juce::AudioDeviceManager* deviceManager;
    std::map<int, int> params[7];
    std::map<int, int> numberToItem;
    std::set<int> validItems;

    juce::CriticalSection outputLock;       // probeOutput, keyboardOutput, and every send
    mutable juce::CriticalSection modelLock; // params, numberToItem
    mutable juce::CriticalSection portNamesLock; // inputName, outputName

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZelManager49)
};
