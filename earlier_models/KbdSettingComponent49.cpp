#include "KbdSettingComponent49.h"

#include "OrlunePictures.h"
#include "PanelWidgets.h"

// The same button pictures as the Orlune panel's.
const char* KbdSettingComponent49::defaultBtn_push_png = OrlunePictures::defaultBtn_push_png;
const int KbdSettingComponent49::defaultBtn_push_pngSize = OrlunePictures::defaultBtn_push_pngSize;
const char* KbdSettingComponent49::defaultBtn_hover_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponent49::defaultBtn_hover_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponent49::defaultBtn_inactive_png = OrlunePictures::defaultBtn_hover_png;
const int KbdSettingComponent49::defaultBtn_inactive_pngSize = OrlunePictures::defaultBtn_hover_pngSize;
const char* KbdSettingComponent49::sendBtn_push_png = OrlunePictures::sendBtn_push_png;
const int KbdSettingComponent49::sendBtn_push_pngSize = OrlunePictures::sendBtn_push_pngSize;
const char* KbdSettingComponent49::sendBtn_hover_png = OrlunePictures::sendBtn_hover_png;
const int KbdSettingComponent49::sendBtn_hover_pngSize = OrlunePictures::sendBtn_hover_pngSize;
const char* KbdSettingComponent49::sendBtn_inactive_png = OrlunePictures::sendBtn_inactive_png;
const int KbdSettingComponent49::sendBtn_inactive_pngSize = OrlunePictures::sendBtn_inactive_pngSize;

namespace
{
using panelWidgets::Items;
using panelWidgets::Variant;

// One row per widget, in member order: creation, stacking and deletion order.
const panelWidgets::Row widgetRows[] {
    { "global group", "Global Parameters", { 13, 8, 419, 128 }, 0, Items::none, nullptr, Variant::titleCentredLeft },
    { "channel label", "Lower channel:", { 27, 32, 93, 24 }, 1 },
    { "lower channel combo", "", { 122, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Knob mode:", { 27, 64, 88, 24 }, 3 },
    { "knob mode combo", "", { 122, 64, 88, 24 }, 4, Items::knobModes },
    { "new group", "Selected Control Parameters", { 443, 8, 480, 128 }, 0 },
    { "new label", "Name:", { 459, 32, 80, 24 }, 0 },
    { "new text editor", "<Click a Control>", { 555, 32, 120, 24 }, 0, Items::none, nullptr, Variant::editableName },
    { "new label", "CC number:", { 687, 64, 80, 24 }, 0 },
    { "CC number combo", "", { 783, 64, 120, 24 }, 2, Items::controllers,
      "Midi control number assigned to the selected control" },
    { "new button", "", { 944, 38, 88, 24 }, 0, Items::none, nullptr, Variant::defaultPictures },
    { "new button", "", { 936, 14, 102, 24 }, 0, Items::none, nullptr, Variant::sendPictures },
    { "", "", { 0, 149, 1063, 317 }, 0 },
    { "new label", "Mode:", { 687, 32, 80, 24 }, 0 },
    { "Mode combo", "", { 783, 32, 120, 24 }, 2, Items::modes, "Mode assigned to the selected control" },
    { "new label", "Channel:", { 459, 64, 80, 24 }, 0 },
    { "Channel combo", "", { 555, 64, 120, 24 }, 2, Items::itemChannels, "Midi channel assigned to the selected control" },
    { "new label", "Max / MSB:", { 687, 96, 80, 24 }, 0 },
    { "Max MSB combo", "", { 783, 96, 120, 24 }, 2, Items::numbers, "Max value (or MSB) set for the selected control" },
    { "new label", "Min / LSB:", { 459, 96, 80, 24 }, 0 },
    { "Min LSB combo", "", { 555, 96, 120, 24 }, 2, Items::numbers, "Min value (or LSB) set for the selected control" },
    { "knob mode label", "Split mode:", { 27, 96, 88, 24 }, 3 },
    { "split mode combo", "", { 122, 96, 88, 24 }, 4, Items::splitModes },
    { "channel label", "Upper channel:", { 227, 32, 93, 24 }, 1 },
    { "upper channel combo", "", { 322, 32, 88, 24 }, 2, Items::midiChannels, nullptr, Variant::textCentredRight },
    { "knob mode label", "Fader mode:", { 227, 64, 88, 24 }, 3 },
    { "fader mode combo", "", { 322, 64, 88, 24 }, 4, Items::faderModes },
    { "knob mode label", "Split point:", { 227, 96, 88, 24 }, 3 },
    { "split point combo", "", { 322, 96, 88, 24 }, 4, Items::notes },
    { "load button", "Load...", { 948, 67, 78, 20 }, 0 },
    { "save button", "Save...", { 948, 91, 78, 20 }, 0 },
    { "chart button", "Chart...", { 948, 115, 78, 20 }, 0 },
};
} // namespace

//==============================================================================
template <typename Fn>
void KbdSettingComponent49::forEachWidget (Fn&& fn)
{
    fn (globalGroup);
    fn (lowerChannelLabel);
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
    fn (upperChannelLabel);
    fn (upperChannelCombo);
    fn (faderModeLabel);
    fn (faderModeCombo);
    fn (splitPointLabel);
    fn (splitPointCombo);
    fn (loadButton);
    fn (saveButton);
    fn (chartButton);
}

KbdSettingComponent49::KbdSettingComponent49()
    : KbdSettingComponent49 (MidiPorts::platform(), Clock::system())
{
}

KbdSettingComponent49::KbdSettingComponent49 (MidiPorts& ports, Clock& clock)
    : manager (nullptr, ports, clock)
{
    panelWidgets::build (*this, widgetRows, panelWidgets::ownerOf (*this), [this] (auto&& fn) { forEachWidget (fn); });

    setSize (1063, 460);

    currentItem = -1;
    picker->addActionListener (this);
    descriptors = getAllDescriptors();

    ZelManager49::sStandaloneMode = true;
    manager.listeners.add (this);

    // Last: from here on the controller link's info codes arrive.
    manager.startDetection (true);
}

KbdSettingComponent49::~KbdSettingComponent49()
{
    // The widgets go first, in member order; the controller link follows as a member.
    forEachWidget ([] (auto& widget) { widget = nullptr; });
}

void KbdSettingComponent49::paint (juce::Graphics& g)
{
    panelWidgets::paintBackground (g, 1063, 500);
}

void KbdSettingComponent49::resized()
{
    // Fixed places, whatever the panel's size.
    panelWidgets::place (widgetRows, [this] (auto&& fn) { forEachWidget (fn); });
}
