#include "BurnHost.h"
#include "FirmwareTestSupport.h"
#include "LoaderSettledClock.h"
#include "MarvossFWUpdater.h"
#include "SimMidiPorts.h"

#include <gtest/gtest.h>

namespace
{
using Answer = SimulatedLoader::Answer;

/** The controller link in burn mode on a simulated loader, with one updater. */
class LoaderTransferTest : public ::testing::Test
{
protected:
    LoaderTransferTest()
    {
        ZelManager49::sStandaloneMode = true;
        ports.addOutput ("Orlune 61");
        ports.addInput ("Orlune 61");
    }

    ~LoaderTransferTest() override
    {
        host.updater = nullptr;
        manager.SetBurnMode (nullptr, "USB MIDI Device");
        ZelManager49::sStandaloneMode = false;
    }

    void TearDown() override { EXPECT_EQ (ports.getProtocolErrors(), std::vector<std::string>()); }

    bool burn (const Bytes& content)
    {
        TempFirmwareFile temp (content);
        EXPECT_TRUE (manager.SetBurnMode (&host, "USB MIDI Device"));

        updater.Init (&host);
        updater.SetFile (temp.file);
        host.updater = &updater;
        return updater.Burn();
    }

    VirtualClock time;
    SimMidiPorts ports { time };
    SimulatedLoader loader { ports };
    LoaderSettledClock clock { time, loader };
    ZelManager49 manager { nullptr, ports, clock };
    BurnHost host { manager };
    MarvossFWUpdater updater { clock };
};

std::vector<int> countdown (int blocks)
{
    std::vector<int> addresses;

    for (int a = blocks - 1; a >= 0; --a)
        addresses.push_back (a);

    return addresses;
}

class WholeTransferTest : public LoaderTransferTest,
                          public ::testing::WithParamInterface<size_t> {};

TEST_P (WholeTransferTest, TheLoaderReceivesTheFileIntact)
{
    const auto content = randomBytes (GetParam(), (juce::int64) GetParam());
    const int blocks = (int) ((GetParam() + (GetParam() + 6) / 7 + 31) / 32);

    ASSERT_TRUE (burn (content));

    EXPECT_TRUE (loader.isComplete());
    EXPECT_EQ (loader.getImage(), content);
    EXPECT_EQ (loader.getAnnouncementCount(), 1);
    EXPECT_EQ (loader.getAnnouncedBlocks(), blocks);
    EXPECT_EQ (loader.getBlockAddresses(), countdown (blocks));
    EXPECT_EQ (loader.getProtocolErrors(), 0);
}

INSTANTIATE_TEST_SUITE_P (Sizes, WholeTransferTest, ::testing::Values (1, 29, 224, 65536));

struct LoaderAnswerCase
{
    const char* name;
    std::vector<Answer> answers; // to the first block messages; later ones are acknowledged
    bool result;
    std::vector<int> addresses;  // 224 bytes: eight blocks, 7 down to 0
};

void PrintTo (const LoaderAnswerCase& c, std::ostream* os) { *os << c.name; }

class LoaderAnswerTest : public LoaderTransferTest,
                         public ::testing::WithParamInterface<LoaderAnswerCase> {};

TEST_P (LoaderAnswerTest, ABlockGoesAgainAtMostFourTimes)
{
    const auto& c = GetParam();
    const auto content = randomBytes (224, 5);

    loader.setPolicy ([answers = c.answers] (int message, int)
    {
        return (size_t) message < answers.size() ? answers[(size_t) message] : Answer::acknowledge;
    });

    EXPECT_EQ (burn (content), c.result);
    EXPECT_EQ (loader.getBlockAddresses(), c.addresses);
    EXPECT_EQ (loader.getProtocolErrors(), 0);

    if (c.result)
    {
        EXPECT_EQ (loader.getImage(), content);
    }
    else
    {
        // Nothing follows the fourth failed try.
        EXPECT_EQ (ports.getSentOn ("USB MIDI Device").size(), 1 + c.addresses.size());
    }
}

INSTANTIATE_TEST_SUITE_P (
    Answers, LoaderAnswerTest,
    ::testing::Values (
        LoaderAnswerCase { "RefusedFourTimes", { Answer::refuse, Answer::refuse, Answer::refuse, Answer::refuse },
                           false, { 7, 7, 7, 7 } },
        LoaderAnswerCase { "SilentFourTimes", { Answer::silent, Answer::silent, Answer::silent, Answer::silent },
                           false, { 7, 7, 7, 7 } },
        LoaderAnswerCase { "LaterBlockFailsFourTimes",
                           { Answer::acknowledge, Answer::acknowledge, Answer::silent, Answer::refuse,
                             Answer::silent, Answer::refuse },
                           false, { 7, 6, 5, 5, 5, 5 } },
        LoaderAnswerCase { "TakenAtTheFourthTry", { Answer::acknowledge, Answer::refuse, Answer::silent, Answer::refuse },
                           true, { 7, 6, 6, 6, 6, 5, 4, 3, 2, 1, 0 } }),
    [] (const auto& p) { return std::string (p.param.name); });

TEST_F (LoaderTransferTest, AnEmptyOrMissingFileSendsNothingToTheLoader)
{
    EXPECT_FALSE (burn ({}));

    updater.SetFile (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("no-such-firmware.bin"));
    EXPECT_FALSE (updater.Burn());

    EXPECT_TRUE (ports.getSentOn ("USB MIDI Device").empty());
    EXPECT_EQ (loader.getAnnouncementCount(), 0);
}
} // namespace
