#include "LinkTestSupport.h"

#include <atomic>

namespace
{
/** Reads everything from the keyboard as a chain of requests, each sent from
    the info code of the reply before it, on the thread that reported it. */
class ReadChain
{
public:
    explicit ReadChain (ZelManager49& m) : manager (m) {}

    void onInfo (int code, int a)
    {
        switch (code)
        {
            case InfoCode::connected:                 manager.postItemConfigRequest (0); break;
            case InfoCode::controllerNumbersReceived: requestParam (0); break;
            case InfoCode::itemParameterReceived:     requestParam (a); break;
            case InfoCode::midiChannelReceived:       manager.postRelativeModeRequest(); break;
            case InfoCode::relativeModeReceived:      requestGlobal (-1); break;
            case InfoCode::globalSettingReceived:     requestGlobal (a); break;
            case InfoCode::curveSettingReceived:      requestCurve (a); break;
            case InfoCode::octaveShiftReceived:       done = true; break;
            default: break;
        }
    }

    std::atomic<bool> done { false };

private:
    void requestParam (int last)
    {
        // The numbers came with the controller numbers.
        const int next = last == ItemParam::channel ? ItemParam::minLsb : last + 1;

        if (next <= ItemParam::last)
            manager.postItemSettingRequest (next, 0, 0);
        else
            manager.postMidiChannelRequest();
    }

    void requestGlobal (int last)
    {
        static constexpr int order[] = { GlobalSetting::lowerPartChannel, GlobalSetting::faderMode,
                                         GlobalSetting::splitMode, GlobalSetting::splitPoint };
        const auto* at = std::find (std::begin (order), std::end (order), last);
        const auto* next = at == std::end (order) ? std::begin (order) : at + 1;

        if (next != std::end (order))
            manager.postGlobalSettingRequest (*next);
        else
            requestCurve (-1);
    }

    void requestCurve (int last)
    {
        static constexpr int order[] = { 4, 1, 3 };
        const auto* at = std::find (std::begin (order), std::end (order), last);
        const auto* next = at == std::end (order) ? std::begin (order) : at + 1;

        if (next != std::end (order))
            manager.postCurveSettingRequest (*next);
        else
            manager.postOctaveShiftRequest();
    }

    ZelManager49& manager;
};
} // namespace

class EndToEndTest : public LinkTest
{
protected:
    EndToEndTest()
    {
        ports.addOutput ("Synth Out");
        ports.addInput ("Synth In");
        auto& kbd = addKeyboard();
        ports.addInput ("Other In");

        kbd.setItem (5, { 1, 3, 100, 2, 120, 0 });
        kbd.setItem (120, { 8, 0, 60, 0, 127, 1 });

        const std::pair<int, int> globals[] = { { GlobalSetting::faderMode, 127 },   { GlobalSetting::knobRelativeMode, 127 },
                                                { GlobalSetting::lowerPartChannel, 3 }, { GlobalSetting::midiChannel, 4 },
                                                { GlobalSetting::splitMode, 127 },  { GlobalSetting::splitPoint, 48 } };

        for (const auto& [n, v] : globals)
            kbd.setGlobal (n, v);

        kbd.setCurve (4, 7);
        kbd.setCurve (1, 2);
        kbd.setCurve (3, 5);
        kbd.setGlobal (GlobalSetting::octaveShift, 0x7E);

        makeManager();
        chain = std::make_unique<ReadChain> (*manager);
        infos.onInfo = [this] (int code, int a, int) { chain->onInfo (code, a); };
    }

    ~EndToEndTest() override { manager.reset(); }

    void expectModelHoldsTheKeyboardsSetup()
    {
        for (const int item : { 1, 2, 5, 48, 49, 64, 80, 112, 120 })
            for (int p = ItemParam::first; p <= ItemParam::last; ++p)
                EXPECT_EQ (manager->getParamForItem (p, item), keyboard->getItemParam (p, item))
                    << "item " << item << " p " << p;

        for (const int n : { 1, 2, 5, 6, 7, 8 })
            EXPECT_EQ (manager->globals[n].load(), keyboard->getGlobal (n)) << "global " << n;

        for (const int n : { 1, 3, 4 })
            EXPECT_EQ (manager->getCurve (n), keyboard->getCurve (n)) << "curve " << n;
    }

    void expectOnlyCleanSysExEndingWithTheStore()
    {
        const auto received = keyboard->getReceived();
        ASSERT_FALSE (received.empty());
        EXPECT_EQ (bytesOf (received.back().message), bytesOf (bytes ({ 0xF0, 0x00, 0x3F, 0x6E, 0x7F, 0x42, 0x06, 0x00, 0xF7 })));
        EXPECT_EQ (keyboard->getLastStoredMemory(), 0);
        EXPECT_TRUE (keyboard->getUnexpected().empty());
        EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>());
    }

    std::unique_ptr<ReadChain> chain;
};

TEST_F (EndToEndTest, DetectsAndReadsTheKeyboardWithinTheSearch)
{
    manager->startDetection (true);
    tick(); // probes the keyboard; the whole chain runs on the input thread

    ASSERT_TRUE (ports.waitUntilIdle());
    ASSERT_TRUE (chain->done.load());
    EXPECT_EQ (manager->getOutputName(), "Orlune Out");
    EXPECT_EQ (manager->getInputName(), "Orlune In");
    expectModelHoldsTheKeyboardsSetup();
    EXPECT_EQ (infos.get().back(), (Info { InfoCode::octaveShiftReceived, -2, 0 }));

    tick();
    EXPECT_FALSE (manager->isTimerRunning());
    EXPECT_EQ (ports.getOpenInputCount(), 0);
    const auto codes = infos.codes();
    EXPECT_EQ (std::count (codes.begin(), codes.end(), InfoCode::detectionEndedWithoutReply), 0);
    EXPECT_TRUE (keyboard->getUnexpected().empty());
}

TEST_F (EndToEndTest, ReadsASlowKeyboardAndSendsTheSetupBack)
{
    keyboard->setReplyDelayMs (25);
    manager->startDetection (true);
    tick();

    for (int i = 0; i < 200 && ! chain->done; ++i)
        clock.advanceMilliseconds (10);

    ASSERT_TRUE (chain->done.load());
    expectModelHoldsTheKeyboardsSetup();
    tick();

    manager->resetMappingToDefault();
    manager->globals[GlobalSetting::midiChannel] = 9;
    ASSERT_TRUE (manager->updateKeyboard (0));

    EXPECT_EQ (keyboard->getLastStoredMemory(), 0);
    EXPECT_EQ (keyboard->getItemCount(), 92); // its own items are among the factory ones
    EXPECT_EQ (keyboard->getGlobal (GlobalSetting::midiChannel), 9);
    EXPECT_EQ (keyboard->getCurve (4), 7);

    for (int item = 0; item < 128; ++item)
    {
        if (manager->getParamForItem (ItemParam::mode, item) == -1)
            continue;

        for (int p = ItemParam::first; p <= ItemParam::last; ++p)
        {
            // The LEDs' number -1 fits no data byte and is not sent: the keyboard keeps its own.
            const bool led = item >= 99 && item <= 106;
            EXPECT_EQ (keyboard->getItemParam (p, item), led && p == 3 ? 0 : manager->getParamForItem (p, item))
                << "item " << item << " p " << p;
        }
    }

    expectOnlyCleanSysExEndingWithTheStore();
}

TEST_F (EndToEndTest, SendsALoadedFileWithValuesOutsideADataByteAsFarAsTheyFit)
{
    manager->startDetection (true);
    tick();
    ASSERT_TRUE (ports.waitUntilIdle());
    ASSERT_TRUE (chain->done.load());
    tick();

    ASSERT_TRUE (loadSettingsText (*manager,
        "<Settings><Items>"
        "<Item ID=\"5\" Mode=\"200\" Chan=\"9\" Num=\"-1\" MinLSB=\"128\" MaxMSB=\"100\" Option=\"1\"/>"
        "<Item ID=\"130\" Mode=\"1\" Chan=\"2\" Num=\"3\" MinLSB=\"4\" MaxMSB=\"5\" Option=\"6\"/>"
        "</Items><Globals><Param ID=\"6\" Value=\"255\"/></Globals>"
        "<Curves><Param ID=\"4\" Value=\"9\"/><Param ID=\"1\" Value=\"-1\"/></Curves></Settings>"));
    keyboard->clearReceived();

    ASSERT_TRUE (manager->updateKeyboard (0));

    // Item 5 keeps the keyboard's own values where the file's do not fit.
    EXPECT_EQ (keyboard->getItemParam (ItemParam::mode, 5), 1);
    EXPECT_EQ (keyboard->getItemParam (ItemParam::channel, 5), 9);
    EXPECT_EQ (keyboard->getItemParam (ItemParam::number, 5), 100);
    EXPECT_EQ (keyboard->getItemParam (ItemParam::minLsb, 5), 2);
    EXPECT_EQ (keyboard->getItemParam (ItemParam::maxMsb, 5), 100);
    EXPECT_EQ (keyboard->getItemParam (ItemParam::option, 5), 1);
    EXPECT_EQ (keyboard->getItemParam (ItemParam::mode, 130), -1);
    EXPECT_EQ (keyboard->getGlobal (GlobalSetting::midiChannel), 4);
    EXPECT_EQ (keyboard->getCurve (4), 9);
    EXPECT_EQ (keyboard->getCurve (1), 2);
    expectOnlyCleanSysExEndingWithTheStore();
}
