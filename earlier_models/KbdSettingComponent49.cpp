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

//==============================================================================
// Each widget member with its row, in member order: the order of creation,
// stacking and deletion.
template <typename Fn>
void KbdSettingComponent49::forEachWidget (Fn&& fn)
{
    using PanelWidgets::Items;
    using PanelWidgets::Variant;

    fn (globalGroup, { "globalGroup", "global group", "Global Parameters", { 13, 8, 419, 128 }, 0,
                       Items::none, nullptr, Variant::titleCentredLeft });
    fn (lowerChannelLabel, { "lowerChannelLabel", "channel label", "Lower channel:", { 27, 32, 93, 24 }, 1 });
    fn (lowerChannelCombo, { "lowerChannelCombo", "lower channel combo", "", { 122, 32, 88, 24 }, 2,
                             Items::midiChannels, nullptr, Variant::textCentredRight });
    fn (knobModeLabel, { "knobModeLabel", "knob mode label", "Knob mode:", { 27, 64, 88, 24 }, 3 });
    fn (knobModeCombo, { "knobModeCombo", "knob mode combo", "", { 122, 64, 88, 24 }, 4, Items::knobModes });
    fn (controlGroup, { "controlGroup", "new group", "Selected Control Parameters", { 443, 8, 480, 128 }, 0 });
    fn (nameLabel, { "nameLabel", "new label", "Name:", { 459, 32, 80, 24 }, 0 });
    fn (nameEditor, { "nameEditor", "new text editor", "<Click a Control>", { 555, 32, 120, 24 }, 0,
                      Items::none, nullptr, Variant::editableName });
    fn (ccNumberLabel, { "ccNumberLabel", "new label", "CC number:", { 687, 64, 80, 24 }, 0 });
    fn (ccNumberCombo, { "ccNumberCombo", "CC number combo", "", { 783, 64, 120, 24 }, 2,
                         Items::controllers, "Midi control number assigned to the selected control" });
    fn (defaultButton, { "defaultButton", "new button", "", { 944, 38, 88, 24 }, 0,
                         Items::none, nullptr, Variant::defaultPictures });
    fn (sendButton, { "sendButton", "new button", "", { 936, 14, 102, 24 }, 0,
                      Items::none, nullptr, Variant::sendPictures });
    fn (picker, { "picker", "", "", { 0, 149, 1063, 317 }, 0 });
    fn (modeLabel, { "modeLabel", "new label", "Mode:", { 687, 32, 80, 24 }, 0 });
    fn (modeCombo, { "modeCombo", "Mode combo", "", { 783, 32, 120, 24 }, 2,
                     Items::modes, "Mode assigned to the selected control" });
    fn (channelLabel, { "channelLabel", "new label", "Channel:", { 459, 64, 80, 24 }, 0 });
    fn (channelCombo, { "channelCombo", "Channel combo", "", { 555, 64, 120, 24 }, 2,
                        Items::itemChannels, "Midi channel assigned to the selected control" });
    fn (maxMsbLabel, { "maxMsbLabel", "new label", "Max / MSB:", { 687, 96, 80, 24 }, 0 });
    fn (maxMsbCombo, { "maxMsbCombo", "Max MSB combo", "", { 783, 96, 120, 24 }, 2,
                       Items::numbers, "Max value (or MSB) set for the selected control" });
    fn (minLsbLabel, { "minLsbLabel", "new label", "Min / LSB:", { 459, 96, 80, 24 }, 0 });
    fn (minLsbCombo, { "minLsbCombo", "Min LSB combo", "", { 555, 96, 120, 24 }, 2,
                       Items::numbers, "Min value (or LSB) set for the selected control" });
    fn (splitModeLabel, { "splitModeLabel", "knob mode label", "Split mode:", { 27, 96, 88, 24 }, 3 });
    fn (splitModeCombo, { "splitModeCombo", "split mode combo", "", { 122, 96, 88, 24 }, 4, Items::splitModes });
    fn (upperChannelLabel, { "upperChannelLabel", "channel label", "Upper channel:", { 227, 32, 93, 24 }, 1 });
    fn (upperChannelCombo, { "upperChannelCombo", "upper channel combo", "", { 322, 32, 88, 24 }, 2,
                             Items::midiChannels, nullptr, Variant::textCentredRight });
    fn (faderModeLabel, { "faderModeLabel", "knob mode label", "Fader mode:", { 227, 64, 88, 24 }, 3 });
    fn (faderModeCombo, { "faderModeCombo", "fader mode combo", "", { 322, 64, 88, 24 }, 4, Items::faderModes });
    fn (splitPointLabel, { "splitPointLabel", "knob mode label", "Split point:", { 227, 96, 88, 24 }, 3 });
    fn (splitPointCombo, { "splitPointCombo", "split point combo", "", { 322, 96, 88, 24 }, 4, Items::notes });
    fn (loadButton, { "loadButton", "load button", "Load...", { 948, 67, 78, 20 }, 0 });
    fn (saveButton, { "saveButton", "save button", "Save...", { 948, 91, 78, 20 }, 0 });
    fn (chartButton, { "chartButton", "chart button", "Chart...", { 948, 115, 78, 20 }, 0 });
}

KbdSettingComponent49::KbdSettingComponent49()
    : KbdSettingComponent49 (MidiPorts::platform(), Clock::system(), Dialogs::framework())
{
}

KbdSettingComponent49::KbdSettingComponent49 (MidiPorts& ports, Clock& clock, Dialogs& d)
    : dialogs (d), manager (nullptr, ports, clock)
{
    PanelWidgets::build (*this, PanelWidgets::ownerOf (*this), [this] (auto&& fn) { forEachWidget (fn); });

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
    forEachWidget ([] (auto& widget, const PanelWidgets::WidgetRow&) { widget = nullptr; });
}

void KbdSettingComponent49::paint (juce::Graphics& g)
{
    PanelWidgets::paintBackground (g, 1063, 500);
}

void KbdSettingComponent49::resized()
{
    // Fixed places, whatever the panel's size.
    PanelWidgets::place ([this] (auto&& fn) { forEachWidget (fn); });
}

juce::Component* KbdSettingComponent49::findWidget (juce::StringRef member)
{
    return PanelWidgets::find (member, [this] (auto&& fn) { forEachWidget (fn); });
}
