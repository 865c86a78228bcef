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

//==============================================================================
// Each widget member with its row, in member order: the order of creation,
// stacking and deletion.
template <typename Fn>
void KbdSettingComponentVT49::forEachWidget (Fn&& fn)
{
    using PanelWidgets::Items;
    using PanelWidgets::Variant;

    fn (globalGroup, { "globalGroup", "global group", "Global Parameters", { 6, 8, 419, 128 }, 0,
                       Items::none, nullptr, Variant::titleCentredLeft });
    fn (part2ChannelLabel, { "part2ChannelLabel", "channel label", "Part 2 channel:", { 20, 32, 93, 24 }, 1 });
    fn (lowerChannelCombo, { "lowerChannelCombo", "lower channel combo", "", { 115, 32, 88, 24 }, 2,
                             Items::midiChannels, nullptr, Variant::textCentredRight });
    fn (knobModeLabel, { "knobModeLabel", "knob mode label", "Knob mode:", { 20, 64, 88, 24 }, 3 });
    fn (knobModeCombo, { "knobModeCombo", "knob mode combo", "", { 115, 64, 88, 24 }, 4, Items::knobModes });
    fn (controlGroup, { "controlGroup", "new group", "Selected Control Parameters", { 436, 8, 480, 128 }, 0 });
    fn (nameLabel, { "nameLabel", "new label", "Name:", { 452, 32, 80, 24 }, 0 });
    fn (nameEditor, { "nameEditor", "new text editor", "<Click a Control>", { 548, 32, 120, 24 }, 0,
                      Items::none, nullptr, Variant::editableName });
    fn (ccNumberLabel, { "ccNumberLabel", "new label", "CC number:", { 680, 64, 80, 24 }, 0 });
    fn (ccNumberCombo, { "ccNumberCombo", "CC number combo", "", { 776, 64, 120, 24 }, 2,
                         Items::controllers, "Midi control number assigned to the selected control" });
    fn (defaultButton, { "defaultButton", "new button", "", { 929, 38, 88, 24 }, 0,
                         Items::none, nullptr, Variant::defaultPictures });
    fn (sendButton, { "sendButton", "new button", "", { 921, 14, 102, 24 }, 0,
                      Items::none, nullptr, Variant::sendPictures });
    fn (picker, { "picker", "", "", { 0, 169, 1024, 485 }, 0 });
    fn (modeLabel, { "modeLabel", "new label", "Mode:", { 680, 32, 80, 24 }, 0 });
    fn (modeCombo, { "modeCombo", "Mode combo", "", { 776, 32, 120, 24 }, 2,
                     Items::modes, "Mode assigned to the selected control" });
    fn (channelLabel, { "channelLabel", "new label", "Channel:", { 452, 64, 80, 24 }, 0 });
    fn (channelCombo, { "channelCombo", "Channel combo", "", { 548, 64, 120, 24 }, 2,
                        Items::itemChannels, "Midi channel assigned to the selected control" });
    fn (maxMsbLabel, { "maxMsbLabel", "new label", "Max / MSB:", { 680, 96, 80, 24 }, 0 });
    fn (maxMsbCombo, { "maxMsbCombo", "Max MSB combo", "", { 776, 96, 120, 24 }, 2,
                       Items::numbers, "Max value (or MSB) set for the selected control" });
    fn (minLsbLabel, { "minLsbLabel", "new label", "Min / LSB:", { 452, 96, 80, 24 }, 0 });
    fn (minLsbCombo, { "minLsbCombo", "Min LSB combo", "", { 548, 96, 120, 24 }, 2,
                       Items::numbers, "Min value (or LSB) set for the selected control" });
    fn (splitModeLabel, { "splitModeLabel", "knob mode label", "Split mode:", { 20, 96, 88, 24 }, 3 });
    fn (splitModeCombo, { "splitModeCombo", "split mode combo", "", { 115, 96, 88, 24 }, 4, Items::splitModes });
    fn (part1ChannelLabel, { "part1ChannelLabel", "channel label", "Part 1 channel:", { 220, 32, 93, 24 }, 1 });
    fn (upperChannelCombo, { "upperChannelCombo", "upper channel combo", "", { 315, 32, 88, 24 }, 2,
                             Items::midiChannels, nullptr, Variant::textCentredRight });
    fn (faderModeLabel, { "faderModeLabel", "knob mode label", "Fader mode:", { 220, 64, 88, 24 }, 3 });
    fn (faderModeCombo, { "faderModeCombo", "fader mode combo", "", { 315, 64, 88, 24 }, 4, Items::faderModes });
    fn (splitPointLabel, { "splitPointLabel", "knob mode label", "Split point:", { 220, 96, 88, 24 }, 3 });
    fn (splitPointCombo, { "splitPointCombo", "split point combo", "", { 315, 96, 88, 24 }, 4, Items::notes });
    fn (loadButton, { "loadButton", "load button", "Load...", { 933, 67, 78, 20 }, 0 });
    fn (saveButton, { "saveButton", "save button", "Save...", { 933, 91, 78, 20 }, 0 });
    fn (chartButton, { "chartButton", "chart button", "Chart...", { 933, 115, 78, 20 }, 0 });
    fn (fwButton, { "fwButton", "FW button", "Upgrade firmware...", { 725, 142, 96, 22 }, 0,
                    Items::none, nullptr, Variant::firmwareColours });
    fn (firmwareLabel, { "firmwareLabel", "new label", "Firmware revision:", { 451, 142, 130, 24 }, 0 });
    fn (firmwareEditor, { "firmwareEditor", "firmware revision", "Not detected yet", { 582, 140, 133, 24 }, 0,
                          Items::none, nullptr, Variant::readOnly });
}

KbdSettingComponentVT49::KbdSettingComponentVT49()
    : KbdSettingComponentVT49 (MidiPorts::platform(), Clock::system(), Dialogs::framework())
{
}

KbdSettingComponentVT49::KbdSettingComponentVT49 (MidiPorts& ports, Clock& clock, Dialogs& d)
    : dialogs (d), manager (nullptr, ports, clock)
{
    PanelWidgets::build (*this, PanelWidgets::ownerOf (*this), [this] (auto&& fn) { forEachWidget (fn); });

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
    forEachWidget ([] (auto& widget, const PanelWidgets::WidgetRow&) { widget = nullptr; });
}

void KbdSettingComponentVT49::paint (juce::Graphics& g)
{
    PanelWidgets::paintBackground (g, 1024, 660);
}

void KbdSettingComponentVT49::resized()
{
    // Fixed places, whatever the panel's size.
    PanelWidgets::place ([this] (auto&& fn) { forEachWidget (fn); });
}

juce::Component* KbdSettingComponentVT49::findWidget (juce::StringRef member)
{
    return PanelWidgets::find (member, [this] (auto&& fn) { forEachWidget (fn); });
}
