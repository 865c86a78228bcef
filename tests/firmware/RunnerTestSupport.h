#pragma once

// What the update runner's tests share: scripted dialogs, a look at the
// progress window, and the simulated keyboard and loader behind the link.

#include "Dialogs.h"
#include "FirmwareTestSupport.h"
#include "SimMidiPorts.h"
#include "SimulatedLoader.h"
#include "TimeBounds.h"
#include "UpdaterRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using Answer = SimulatedLoader::Answer;

/** Answers the boxes and the file chooser as a test says, and keeps what was shown. */
class ScriptedDialogs : public Dialogs
{
public:
    void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message) override
    {
        boxes.add (iconName (icon) + " | " + title + " | " + message);
    }

    bool showOkCancelBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
                          const juce::String& okText, const juce::String& cancelText) override
    {
        boxes.add (iconName (icon) + " | " + title + " | " + message + " | " + okText + " | " + cancelText);
        return answerOk;
    }

    juce::File browseForFileToOpen (const juce::String& title, const juce::File& startingPlace,
                                    const juce::String& patterns) override
    {
        choosers.add (title + " | " + startingPlace.getFullPathName() + " | " + patterns);
        return chosenFile;
    }

    juce::File browseForFileToSave (const juce::String&, const juce::File&, const juce::String&, bool) override
    {
        ADD_FAILURE() << "the updater never saves a file";
        return {};
    }

    static juce::String iconName (juce::MessageBoxIconType icon)
    {
        return icon == juce::MessageBoxIconType::WarningIcon ? "warning"
             : icon == juce::MessageBoxIconType::InfoIcon    ? "info"
                                                             : "other";
    }

    bool answerOk = true;
    juce::File chosenFile;
    juce::StringArray boxes, choosers;
};

inline juce::AlertWindow* progressWindow()
{
    auto* modal = juce::ModalComponentManager::getInstance()->getModalComponent (0);
    return dynamic_cast<juce::AlertWindow*> (modal);
}

template <typename ComponentType>
ComponentType* childOf (juce::Component* parent)
{
    if (parent != nullptr)
        for (auto* child : parent->getChildren())
            if (auto* c = dynamic_cast<ComponentType*> (child))
                return c;

    return nullptr;
}

/** Knows when the progress window's Cancel button has been clicked. */
struct ClickWatch final : juce::Button::Listener
{
    void buttonClicked (juce::Button*) override { clicked.signal(); }
    juce::WaitableEvent clicked;
};

/** Presses the progress window's Cancel button, on the message thread, as a user
    would, as soon as the window is up (the worker may get ahead of it). */
inline constexpr int kPressTries = TimeBounds::scaledMs (5000) / 5; // 5 ms apart: at least 5 s in a plain build

inline void pressCancelSoon (ClickWatch* watch = nullptr, int triesLeft = kPressTries)
{
    const auto press = [watch, triesLeft]
    {
        auto* button = childOf<juce::Button> (progressWindow());

        if (button == nullptr)
        {
            ASSERT_GT (triesLeft, 0) << "the progress window never came up";
            pressCancelSoon (watch, triesLeft - 1);
            return;
        }

        EXPECT_EQ (progressWindow()->getName(), "Upgrading firmware, please wait...");
        ASSERT_EQ (button->getButtonText(), "Cancel");

        if (watch != nullptr)
            button->addListener (watch);

        button->triggerClick();
    };

    if (triesLeft == kPressTries)
        juce::MessageManager::callAsync (press);
    else
        juce::Timer::callAfterDelay (5, press);
}

/** Samples the progress bar of the modal progress window while the message loop
    runs, and once more as the window hides, when the worker has ended: on a busy
    machine the timer can miss the last steps of a short transfer. */
struct ProgressSampler final : juce::Timer, juce::ComponentListener
{
    ProgressSampler() { startTimer (5); }

    ~ProgressSampler() override
    {
        if (window != nullptr)
            window->removeComponentListener (this);
    }

    void timerCallback() override
    {
        if (window == nullptr && (window = progressWindow()) != nullptr)
            window->addComponentListener (this);

        sample();
    }

    void componentVisibilityChanged (juce::Component& c) override
    {
        if (! c.isVisible())
            sample();
    }

    void sample()
    {
        if (auto* bar = childOf<juce::ProgressBar> (window.getComponent()))
            if (auto* handler = bar->getAccessibilityHandler())
                if (auto* value = handler->getValueInterface())
                    if (samples.empty() || samples.back() != value->getCurrentValue())
                        samples.push_back (value->getCurrentValue());
    }

    juce::Component::SafePointer<juce::Component> window;
    std::vector<double> samples;
};

inline const juce::String kEnterBox = "warning | Enter Firmware Upgrade Mode | " + kEnterText + " | OK | Cancel";

/** Simulated ports with the keyboard's pair, the controller link on them, and
    the loader when a test adds it. */
class RunnerFixture : public ::testing::Test
{
protected:
    RunnerFixture()
    {
        ZelManager49::sStandaloneMode = true;
        ports.addOutput ("Orlune 61");
        ports.addInput ("Orlune 61");
    }

    ~RunnerFixture() override { ZelManager49::sStandaloneMode = false; }

    void TearDown() override { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    void connectToKeyboard()
    {
        manager.setDevicesEx ("Orlune 61", "Orlune 61", 0x500);
        manager.openMidiIns (true);
    }

    SimulatedLoader& addLoader()
    {
        loader = std::make_unique<SimulatedLoader> (ports);
        return *loader;
    }

    juce::StringArray burn (const juce::File& file)
    {
        UpdaterRunner::Burn (manager, file, dialogs);
        return dialogs.boxes;
    }

    bool loaderPortWasOpened() const { return ports.getEvents().contains ("open output USB MIDI Device"); }

    ClickWatch cancelWatch; // outlives the loader, whose thread may wait on it
    SimMidiPorts ports { Clock::system() };
    ZelManager49 manager { nullptr, ports, Clock::system() };
    std::unique_ptr<SimulatedLoader> loader;
    ScriptedDialogs dialogs;
};
