#include "KbdSettingComponentVT49.h"

#include "OrlunePictures.h"
#include "PanelWidgets.h"

const char* KbdSettingComponentVT49::defaultBtn_push_png = OrlunePictures::defaultBtn_push_png;
const int KbdSettingComponentVT49::defaultBtn_push_pngSize = OrlunePictures::defaultBtn_push_pngSize;
const char* KbdSettingComponentVT49::defaultBtn_hover_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponentVT49::defaultBtn_hover_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponentVT49::defaultBtn_inactive_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponentVT49::defaultBtn_inactive_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponentVT49::sendBtn_push_png = OrlunePictures::sendBtn_push_png;
const int KbdSettingComponentVT49::sendBtn_push_pngSize = OrlunePictures::sendBtn_push_pngSize;
const char* KbdSettingComponentVT49::sendBtn_hover_png = OrlunePictures::sendBtn_hover_png;
const int KbdSettingComponentVT49::sendBtn_hover_pngSize = OrlunePictures::sendBtn_hover_pngSize;
const char* KbdSettingComponentVT49::sendBtn_inactive_png = OrlunePictures::sendBtn_inactive_png;
const int KbdSettingComponentVT49::sendBtn_inactive_pngSize = OrlunePictures::sendBtn_inactive_pngSize;

namespace
{
using panelWidgets::Items;
using panelWidgets::Variant;

// One row per widget, in member order: creation, stacking and deletion order.
const panelWidgets::Row widgetRows[] {
    { "global group", "Global Parameters", { 6, 8, 419, 128 }, 0, Items::none, nullptr, Variant::titleCentredLeft },
    { "channel label", "Part 2 channel:", { 20, 32, 93, 24 }, 1 },
    { "lower channel combo", "", { 115, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Knob mode:", { 20, 64, 88, 24 }, 3 },
    { "knob mode combo", "", { 115, 64, 88, 24 }, 4, Items::knobModes },
    { "new group", "Selected Control Parameters", { 436, 8, 480, 128 }, 0 },
    { "new label", "Name:", { 452, 32, 80, 24 }, 0 },
    { "new text editor", "<Click a Control>", { 548, 32, 120, 24 }, 0, Items::none, nullptr, Variant::editableName },
    { "new label", "CC number:", { 680, 64, 80, 24 }, 0 },
    { "CC number combo", "", { 776, 64, 120, 24 }, 2, Items::controllers,
      "Midi control number assigned to the selected control" },
    { "new button", "", { 929, 38, 88, 24 }, 0, Items::none, nullptr, Variant::defaultPictures },
    { "new button", "", { 921, 14, 102, 24 }, 0, Items::none, nullptr, Variant::sendPictures },
    { "", "", { 0, 169, 1024, 485 }, 0 },
    { "new label", "Mode:", { 680, 32, 80, 24 }, 0 },
    { "Mode combo", "", { 776, 32, 120, 24 }, 2, Items::modes, "Mode assigned to the selected control" },
    { "new label", "Channel:", { 452, 64, 80, 24 }, 0 },
    { "Channel combo", "", { 548, 64, 120, 24 }, 2, Items::itemChannels, "Midi channel assigned to the selected control" },
    { "new label", "Max / MSB:", { 680, 96, 80, 24 }, 0 },
    { "Max MSB combo", "", { 776, 96, 120, 24 }, 2, Items::numbers, "Max value (or MSB) set for the selected control" },
    { "new label", "Min / LSB:", { 452, 96, 80, 24 }, 0 },
    { "Min LSB combo", "", { 548, 96, 120, 24 }, 2, Items::numbers, "Min value (or LSB) set for the selected control" },
    { "knob mode label", "Split mode:", { 20, 96, 88, 24 }, 3 },
    { "split mode combo", "", { 115, 96, 88, 24 }, 4, Items::splitModes },
    { "channel label", "Part 1 channel:", { 220, 32, 93, 24 }, 1 },
    { "upper channel combo", "", { 315, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Fader mode:", { 220, 64, 88, 24 }, 3 },
    { "fader mode combo", "", { 315, 64, 88, 24 }, 4, Items::faderModes },
    { "knob mode label", "Split point:", { 220, 96, 88, 24 }, 3 },
    { "split point combo", "", { 315, 96, 88, 24 }, 4, Items::notes },
    { "load button", "Load...", { 933, 67, 78, 20 }, 0 },
    { "save button", "Save...", { 933, 91, 78, 20 }, 0 },
    { "chart button", "Chart...", { 933, 115, 78, 20 }, 0 },
    { "FW button", "Upgrade firmware...", { 725, 142, 96, 22 }, 0, Items::none, nullptr, Variant::firmwareColours },
    { "new label", "Firmware revision:", { 451, 142, 130, 24 }, 0 },
    { "firmware revision", "Not detected yet", { 582, 140, 133, 24 }, 0, Items::none, nullptr, Variant::readOnly },
};
} // namespace

//==============================================================================
template <typename Fn>
void KbdSettingComponentVT49::forEachWidget (Fn&& fn)
{
    fn (globalGroup);
    fn (part2ChannelLabel);
    fn (lowerChannelCombo);
    fn (knobModeLabel);
    fn (knobModeCombo);
    fn (controlGroup);
    fn (nameLabel);
    fn (nameEditor);
    fn (ccNumberLabel);
    fn (ccNumberCombo);
    fn (defaultButton);
    fn (sendButton);
    fn (picker);
    fn (modeLabel);
    fn (modeCombo);
    fn (channelLabel);
    fn (channelCombo);
    fn (maxMsbLabel);
    fn (maxMsbCombo);
    fn (minLsbLabel);
    fn (minLsbCombo);
    fn (splitModeLabel);
    fn (splitModeCombo);
    fn (part1ChannelLabel);
    fn (upperChannelCombo);
    fn (faderModeLabel);
    fn (faderModeCombo);
    fn (splitPointLabel);
    fn (splitPointCombo);
    fn (loadButton);
    fn (saveButton);
    fn (chartButton);
    fn (fwButton);
    fn (firmwareLabel);
    fn (firmwareEditor);
}

KbdSettingComponentVT49::KbdSettingComponentVT49()
    : KbdSettingComponentVT49 (MidiPorts::platform(), Clock::system())
{
}

KbdSettingComponentVT49::KbdSettingComponentVT49 (MidiPorts& ports, Clock& clock)
    : manager (nullptr, ports, clock)
{
    panelWidgets::build (*this, widgetRows, panelWidgets::ownerOf (*this), [this] (auto&& fn) { forEachWidget (fn); });

    setSize (1024, 660);

    chartButton->setVisible (false);
    fwButton->setVisible (true);

    currentItem = -1;
    picker->addActionListener (this);
    descriptors = getAllDescriptors();

    ZelManager49::sStandaloneMode = true;
    manager.listeners.add (this);

    // Last: from here on the controller link's info codes arrive.
    manager.startDetection (true);
}

KbdSettingComponentVT49::~KbdSettingComponentVT49()
{
    // The widgets go first, in member order; the controller link follows as a member.
    forEachWidget ([] (auto& widget) { widget = nullptr; });
}

void KbdSettingComponentVT49::paint (juce::Graphics& g)
{
    panelWidgets::paintBackground (g, 1024, 660);
}

void KbdSettingComponentVT49::resized()
{
    // Fixed places, whatever the panel's size.
    panelWidgets::place (widgetRows, [this] (auto&& fn) { forEachWidget (fn); });
}
