// Run, stop, purge and the firmware command's questions, against the
// simulated J57.
#include <gtest/gtest.h>

#include "CommandIds.h"
#include "ShellSetupSimSupport.h"

namespace {

class RunStopTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    void SetUp() override
    {
        j57.files.push_back({"info", "data"});
        ASSERT_TRUE(f.Start());
    }
    void Connect() { ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0); }
};

TEST_F(RunStopTest, RunAndStopChangeTheRunStateOrSaySoOnly)
{
    f.prompter.Expect("Unable to communicate with the instrument", platform::IDOK);
    f.Doc().OnRunInstrument();

    Connect();
    f.Doc().OnRunInstrument();
    EXPECT_TRUE(j57.running);
    sim.ClearTranscript();
    f.prompter.Expect("The instrument is already running.", platform::IDOK);
    f.Doc().OnRunInstrument();
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"R3,1"}));

    f.Doc().OnStopInstrument();
    EXPECT_FALSE(j57.running);
    sim.ClearTranscript();
    f.prompter.Expect("The instrument is already stopped.", platform::IDOK);
    f.Doc().OnStopInstrument();
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"R3,1"}));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(RunStopTest, PurgeAsksAndErasesOnlyOnYes)
{
    Connect();
    EXPECT_TRUE(f.Frame().UpdateCommand(cmd::PurgeAll).enabled);
    for (platform::Answer answer : {platform::IDNO, platform::IDCANCEL}) {
        sim.ClearTranscript();
        f.prompter.Expect("Are you sure you want to purge ALL data", answer);
        f.Frame().OnCommand(cmd::PurgeAll);
        EXPECT_FALSE(Sent("M4"));
        EXPECT_FALSE(Sent("M7,2"));
    }
    f.prompter.Expect("Are you sure you want to purge ALL data", platform::IDYES);
    f.Frame().OnCommand(cmd::PurgeAll);
    EXPECT_TRUE(Sent("M7,2"));
    EXPECT_TRUE(j57.files.empty());
}

TEST_F(RunStopTest, UpgradeAsksBeforeErasingStoredDataEvenWhenTheStateIsUnknown)
{
    EXPECT_FALSE(f.Frame().UpdateCommand(cmd::UpgradeFirmware).enabled);
    Connect();
    f.prompter.Expect("WARNING: Instrument has data.  Purge all data and continue?", platform::IDCANCEL);
    f.Frame().OnCommand(cmd::UpgradeFirmware);
    EXPECT_FALSE(Sent("M7,2"));
    EXPECT_EQ(j57.files.size(), 1u);

    // The run-state query goes unanswered: asked all the same.
    sim.ClearTranscript();
    sim.SilenceNext(1000);
    f.prompter.Expect("WARNING: Instrument has data.", platform::IDCANCEL);
    f.Frame().OnCommand(cmd::UpgradeFirmware);
    EXPECT_EQ(j57.files.size(), 1u);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

}  // namespace
