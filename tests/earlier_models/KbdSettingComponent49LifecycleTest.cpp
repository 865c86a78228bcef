#include "KbdSettingComponent49TestSupport.h"

TEST (Panel49Lifecycle, DetectionStartsOnceThePanelIsBuilt)
{
    EarlierKeyboardRig rig;
    rig.keyboard.setSilent (true);
    ZelManager49::sStandaloneMode = false;

    rig.panel = std::make_unique<KbdSettingComponent49> (rig.ports, rig.clock, rig.dialogs);

    EXPECT_TRUE (ZelManager49::sStandaloneMode);
    EXPECT_TRUE (rig.ports.getEvents().contains ("open input Quillary MIDI In"));
    ASSERT_EQ (rig.keyboard.getReceived().size(), 1u);
    EXPECT_TRUE (sameBytes (rig.keyboard.getReceived()[0].message,
                            juce::MidiMessage::createSysExMessage (std::vector<juce::uint8> { 0x7E, 0x7F, 0x06, 0x01 }.data(), 4)));
    EXPECT_EQ (editorText (*rig.panel, ui49::nameEditor), "<Click a Control>");
    EXPECT_TRUE (rig.panel->getManager().listeners.contains (rig.panel.get()));
}

TEST (Panel49Lifecycle, WidgetsGoInMemberOrderBeforeTheControllerLinkClosesItsPorts)
{
    EarlierKeyboardRig rig;
    rig.keyboard.setSilent (true);
    rig.panel = std::make_unique<KbdSettingComponent49> (rig.ports, rig.clock, rig.dialogs);

    struct DeletionLog : juce::ComponentListener
    {
        void componentBeingDeleted (juce::Component& c) override
        {
            order.push_back (c.getParentComponent()->getIndexOfChildComponent (&c));
            portEventsSeen.push_back (ports->getEvents().size());
        }

        SimMidiPorts* ports;
        std::vector<int> order;
        std::vector<int> portEventsSeen;
    } log;

    log.ports = &rig.ports;
    for (auto* child : rig.panel->getChildren())
        child->addComponentListener (&log);

    const int eventsBefore = rig.ports.getEvents().size();
    rig.panel = nullptr;

    // Each widget leaves while it is the first child left: member order.
    EXPECT_EQ (log.order, std::vector<int> (ui49::count, 0));
    EXPECT_EQ (log.portEventsSeen, std::vector<int> (ui49::count, eventsBefore));
    EXPECT_TRUE (rig.ports.getEvents().contains ("close input Quillary MIDI In"));
}
