#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "J57Instrument.h"
#include "ScriptedPrompter.h"
#include "SimFixture.h"
#include "SlmLink.h"

namespace {

using Commands = std::vector<std::string>;

class SlmLinkTest : public SimFixture {
protected:
    sim::J57Instrument j57_{sim_};
    SlmLink link_{&port_};
};

TEST_F(SlmLinkTest, TextQueriesSendTheirCommandAndCacheTheReply)
{
    j57_.q5 = std::string(35, 'q');
    const struct {
        std::function<std::string(SlmLink&)> call;
        const char* command;
        std::string expected;
    } cases[] = {
        {[](SlmLink& l) { return l.GetSerialNumber(); }, "R89", "S0571234"},
        {[](SlmLink& l) { return l.GetIdentification(); }, "R1", "Morvek-Audio Model J57"},
        {[](SlmLink& l) { return l.GetFirmwareRevision(); }, "R90", "1.07"},
        {[](SlmLink& l) { return l.GetActiveSetupName(); }, "Q204", "DEFAULT"},
        {[](SlmLink& l) { return l.GetQ5Text(); }, "Q5", std::string(30, 'q')},
        {[](SlmLink& l) { return l.GetSsaBandwidth(); }, "Q150", "1/3"},
        {[](SlmLink& l) { return l.GetR6Time(); }, "R6", "05Jan03 12:30:00"},
        {[](SlmLink& l) { return l.GetR175Time(); }, "R175", "05Jan03 12:40:00"},
        {[](SlmLink& l) { return l.GetR8Time(); }, "R8", "06Jan03 08:00:00"},
        {[](SlmLink& l) { return l.GetR176Time(); }, "R176", "06Jan03 09:15:30"},
    };
    for (const auto& c : cases) {
        sim_.ClearTranscript();
        EXPECT_EQ(c.call(link_), c.expected) << c.command;
        EXPECT_EQ(sim_.Commands(), Commands{c.command});
    }
    sim_.SilenceNext(1);
    EXPECT_EQ(link_.GetR6Time(), "01Jan00 00:00:00");
    sim_.SilenceNext(1);
    EXPECT_EQ(link_.GetSerialNumber(), "");
}

TEST_F(SlmLinkTest, NumbersFromReplies)
{
    const struct {
        const char* revision;
        double version;
    } versions[] = {{"1.07", 1.07}, {" - 2.5x", -2.5}, {".5", 0.5}, {"abc", 0.0}, {"12abc", 12.0}};
    for (const auto& v : versions) {
        j57_.revision = v.revision;
        link_.GetFirmwareRevision();
        EXPECT_DOUBLE_EQ(link_.GetFirmwareVersion(), v.version) << v.revision;
        EXPECT_EQ(link_.IsFirmwareVersionKnown(), std::string(v.revision) != "abc") << v.revision;
    }
    j57_.param207 = "3.25";
    EXPECT_DOUBLE_EQ(link_.GetParam207(), 3.25);
    j57_.files.resize(3);
    EXPECT_EQ(link_.GetStoredCount(), 3);
}

// The version is the revision read last; asking for it sends nothing, and a
// lost reply leaves it unknown rather than 0.0 passing for old firmware.
TEST_F(SlmLinkTest, FirmwareVersionIsTheRevisionReadLast)
{
    j57_.revision = "3.112";
    EXPECT_FALSE(link_.IsFirmwareVersionKnown());
    link_.GetFirmwareRevision();
    sim_.ClearTranscript();
    EXPECT_DOUBLE_EQ(link_.GetFirmwareVersion(), 3.112);
    EXPECT_TRUE(sim_.Commands().empty());
    sim_.SilenceNext(1);
    EXPECT_EQ(link_.GetFirmwareRevision(), "");
    EXPECT_FALSE(link_.IsFirmwareVersionKnown());
    EXPECT_DOUBLE_EQ(link_.GetFirmwareVersion(), 0.0);
}

TEST_F(SlmLinkTest, ApplicationCodesAndExpectedBytes)
{
    const struct {
        const char* name;
        int code;
        long bytes;  // with "R182" answering 1000
    } cases[] = {{"sSA ", 0, 3304}, {"ssa", 0, 3304}, {"iSLM", 2, 4328}, {"sSLM", 1, 3304}, {"ISM", 1, 3304},
                 {"LOG", 2, 4328},  {"env", 3, 0},    {"RTA", 4, 4968},  {"FFT", 5, 8168},  {"AUD", 6, 0},
                 {"TAL", 7, 4584},  {"VIB", 8, 0},    {"XYZ", -1, 0}};
    for (const auto& c : cases) {
        j57_.application = c.name;
        EXPECT_EQ(link_.GetApplicationCode(), c.code) << c.name;
        EXPECT_EQ(link_.GetExpectedBytes(), c.bytes) << c.name;
    }
}

TEST_F(SlmLinkTest, ClockReply)
{
    const struct {
        const char* reply;
        int y, mo, d, h, mi, s;
    } cases[] = {
        {"Thu 05Jan2003 12:30:07", 2003, 1, 5, 12, 30, 7}, {"Fri 15Aug2003 01:02:03", 2003, 8, 15, 1, 2, 3},
        {"Fri 15Apr2003 01:02:03", 2003, 4, 15, 1, 2, 3},  {"Fri 15Jun2003 01:02:03", 2003, 6, 15, 1, 2, 3},
        {"Fri 15jul2003 01:02:03", 2003, 1, 15, 1, 2, 3},  // lower-case first letter: the default
        {"Thu 05Jan2003 12:30:0", 1980, 1, 1, 0, 0, 0},    // 21 characters
    };
    for (const auto& c : cases) {
        j57_.clock = c.reply;
        int y, mo, d, h, mi, s;
        EXPECT_EQ(link_.GetClock(y, mo, d, h, mi, s), 0) << c.reply;
        EXPECT_EQ((std::vector<int>{y, mo, d, h, mi, s}), (std::vector<int>{c.y, c.mo, c.d, c.h, c.mi, c.s})) << c.reply;
    }
}

TEST_F(SlmLinkTest, SettersSendTheirCommands)
{
    EXPECT_EQ(link_.SetDate("01/02/03"), 0);
    EXPECT_EQ(link_.SetTime("04:05:06"), 0);
    EXPECT_EQ(link_.SetWeekday(7), 0);
    EXPECT_EQ(link_.SetWeekday(8), SlmLink::NOT_AVAILABLE);
    EXPECT_EQ(link_.SetSsaBandwidth(2), 0);
    EXPECT_EQ(link_.SetParam207(12.5), 0);
    EXPECT_EQ(sim_.Commands(), (Commands{"S7, 01/02/03", "S6, 04:05:06", "S8, 7", "S150,2", "S207,12.50"}));
    EXPECT_EQ(j57_.date, "01/02/03");

    sim_.ClearTranscript();
    EXPECT_EQ(link_.SetClockFromPC(), 0);
    auto sent = sim_.Commands();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].size(), std::string("S7, mm/dd/yy").size());
    EXPECT_EQ(sent[1].size(), std::string("S6, hh:mm:ss").size());
    EXPECT_GE(j57_.weekday, 1);
    EXPECT_LE(j57_.weekday, 7);
}

TEST_F(SlmLinkTest, RunStateReplies)
{
    const struct {
        bool running, active;
        size_t files;
        bool isRunning, hasActive, hasStored;
    } cases[] = {
        {true, true, 0, true, true, true},     // 'R'
        {false, true, 1, false, true, true},   // 'S'
        {false, false, 0, false, false, false},  // 'p'
        {false, false, 2, false, false, true},   // 'O'
    };
    for (const auto& c : cases) {
        j57_.running = c.running;
        j57_.active = c.active;
        j57_.files.assign(c.files, {});
        EXPECT_EQ(link_.IsRunning(), c.isRunning);
        EXPECT_EQ(link_.HasActiveMeasurement(), c.hasActive);
        j57_.running = c.running;
        EXPECT_EQ(link_.HasStoredData(), c.hasStored);
    }
    sim_.SilenceNext(1);
    EXPECT_FALSE(link_.HasActiveMeasurement());
}

TEST_F(SlmLinkTest, RunStopAndPurge)
{
    j57_.files.resize(2);
    EXPECT_EQ(link_.Run(), 0);
    EXPECT_TRUE(j57_.running);
    EXPECT_EQ(link_.Stop(), 0);
    EXPECT_EQ(link_.PurgeAllData(), 0);
    EXPECT_EQ(sim_.Commands(), (Commands{"M3", "M4", "@", "M4", "M7,2"}));
    EXPECT_TRUE(j57_.files.empty());
}

TEST_F(SlmLinkTest, DirectoryWalk)
{
    j57_.files = {{"FILE ONE", ""}, {"FILE TWO", ""}};
    std::string info;
    EXPECT_EQ(link_.SelectFirstFile(), 0);
    EXPECT_EQ(link_.ReadFileInfo(info), 0);
    EXPECT_EQ(info, "FILE ONE");
    EXPECT_EQ(link_.NextFile(), 0);
    EXPECT_EQ(link_.ReadFileInfo(info), 0);
    EXPECT_EQ(info, "FILE TWO");
    EXPECT_EQ(sim_.Commands(), (Commands{"F1,6", "&F101", "A", "&F101"}));
}

TEST_F(SlmLinkTest, RecallItem)
{
    j57_.files.resize(2);
    EXPECT_EQ(link_.RecallItem(2), SlmLink::NOT_AVAILABLE);
    EXPECT_EQ(sim_.Commands(), Commands{"R181"});

    sim_.ClearTranscript();
    EXPECT_EQ(link_.RecallItem(1), 0);
    EXPECT_EQ(sim_.Commands(), (Commands{"R181", "F2,6", "&F102", "R3,1", "R3,1", "R3,1"}));

    sim_.On("&F102", [](const std::string&) { return std::optional<std::string>("\x07Recall failed"); });
    EXPECT_EQ(link_.RecallItem(0), SlmLink::NOT_AVAILABLE);
    EXPECT_EQ(link_.GetLastErrorReply(), "\x07Recall failed");

    j57_.files.clear();
    EXPECT_EQ(link_.RecallItem(0), SlmLink::NOT_AVAILABLE);
}

TEST_F(SlmLinkTest, RecallOfAnActiveMeasurementAsksToSaveIt)
{
    const struct {
        platform::Answer answer;
        Commands tail;
        size_t files;
    } cases[] = {{platform::IDYES, {"&F102", "&F103", "&F102"}, 2}, {platform::IDNO, {"&F102", "S1,1", "&F102"}, 1}};
    for (const auto& c : cases) {
        j57_.files.resize(1);
        j57_.active = true;
        sim_.ClearTranscript();
        testsupport::ScriptedPrompter prompter;
        prompter.Expect("Active measurement found on the J57.", c.answer);
        EXPECT_EQ(link_.RecallItem(0), 0);
        auto sent = sim_.Commands();
        ASSERT_GE(sent.size(), 5u);
        EXPECT_EQ(Commands(sent.begin() + 2, sent.begin() + 5), c.tail);
        EXPECT_EQ(j57_.files.size(), c.files);
    }
}

TEST_F(SlmLinkTest, WaitIdleIsBounded)
{
    j57_.busyPolls = 1000000;
    EXPECT_EQ(link_.WaitIdle(), SlmLink::NOT_IDLE);
}

TEST_F(SlmLinkTest, WaitReadyTriesThreeSyncs)
{
    sim_.SilenceNext(2);
    EXPECT_EQ(link_.WaitReady(), 0);
    EXPECT_EQ(sim_.Commands(), (Commands{"@", "@", "@"}));
    sim_.SilenceNext(3);
    EXPECT_EQ(link_.WaitReady(), SlmLink::NO_RESPONSE);
}

TEST_F(SlmLinkTest, ConnectChangesTheRateInStep)
{
    sim_.SetStrictRate(true);
    link_.Connect(19200);
    EXPECT_EQ(port_.GetBaud(), 19200);
    EXPECT_EQ(sim_.LineSpeed(), 19200);
    std::vector<std::pair<std::string, int>> frames;
    for (const auto& f : sim_.Transcript())
        frames.emplace_back(f.bytes, f.speed);
    const std::vector<std::pair<std::string, int>> expected = {
        {"@@", 9600}, {"R1C", 9600}, {std::string("S2283,4") + sim::Check("S2283,4"), 9600},
        {std::string("S9,4") + sim::Check("S9,4"), 19200}, {std::string("S11,1") + sim::Check("S11,1"), 19200}};
    EXPECT_EQ(frames, expected);
}

TEST_F(SlmLinkTest, ConnectWithAnUnknownRateTalks9600)
{
    link_.Connect(14400);
    EXPECT_EQ(port_.GetBaud(), 9600);
    EXPECT_EQ(sim_.Commands(), (Commands{"@", "R1", "S2283,3", "S9,3", "S11,1"}));
}

TEST_F(SlmLinkTest, ConnectGivesUpAfterThreeAttempts)
{
    const struct {
        bool silent;
        const char* identification;
    } cases[] = {{true, ""}, {false, "Acme Meters Model 9"}};
    for (const auto& c : cases) {
        sim_.ClearTranscript();
        j57_.identification = c.identification;
        if (c.silent)
            sim_.SilenceNext(1000);
        link_.Connect(19200);
        sim_.SilenceNext(0);
        EXPECT_EQ(sim_.Commands(), (Commands{"@", "R1", "@", "R1", "@", "R1"}));
        EXPECT_EQ(port_.GetBaud(), 9600);
    }
}

}  // namespace
