#pragma once

#include "Dialogs.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class KbdSettingComponentVT49;

/** The window's content: the tooltip window and the one settings panel. */
class MainComponent : public juce::Component,
                      public juce::ActionListener
{
public:
    /** The application's content: the panel on the platform's MIDI ports and clock and the framework's dialogs. */
    MainComponent();

    /** The same, with a panel that asks and tells the user through `dialogs`. */
    explicit MainComponent (Dialogs& dialogs);
    ~MainComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void actionListenerCallback (const juce::String& message) override;

private:
    juce::TooltipWindow tooltipWindow { nullptr, 700 };

    // Declared after the tooltip window so that it goes first.
    std::unique_ptr<KbdSettingComponentVT49> settingsPanel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
