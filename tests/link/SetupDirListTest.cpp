#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "GFCrc16.h"
#include "J57Setups.h"
#include "ScriptedPrompter.h"
#include "SetupDirList.h"
#include "SimFixture.h"

namespace {

// A setup block with its name, mode and a recognisable body.
std::string MakeBlock(const std::string& name, uint8_t mode)
{
    std::string block(513, '\0');
    block[0] = 3;
    for (size_t i = 0; i < 8; ++i)
        block[1 + i] = i < name.size() ? name[i] : ' ';
    block[39] = static_cast<char>(mode);
    for (size_t i = 40; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 7);
    return block;
}

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

std::string ReadTrace()
{
    std::ifstream in(SetupDirList::TraceFile(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class SetupDirListTest : public SimFixture {
protected:
    // The trace file goes to the current folder: each test has its own, as
    // the tests run side by side.
    void SetUp() override
    {
        SimFixture::SetUp();
        char folder[] = "/tmp/tracetestXXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        ASSERT_EQ(chdir(folder), 0);
    }
    void TearDown() override
    {
        std::remove(SetupDirList::TraceFile());
        EXPECT_EQ(chdir(previous_), 0);
        rmdir(folder_.c_str());
    }

    // A block send of length bytes under a command of the test's own.
    int SendTestBlock(const std::string& data)
    {
        sim_.On("&T1", [this, n = data.size()](const std::string&) {
            sim_.AfterReply([this, n] { setups_.receiver.Run(sim_, n, [](const std::string&) {}); });
            return std::optional<std::string>("Send Binary!");
        });
        return list_.BinarySend("&T1", Bytes(data), data.size());
    }

    sim::J57Setups setups_{sim_};
    SetupDirList list_{&port_};
    std::string folder_;
    char previous_[4096] = {};
};

TEST_F(SetupDirListTest, DirectoryReadsNamesAndFlags)
{
    setups_.setups = {{"ONE.LOG", {}, 'P', ' ', ' '}, {"TWO.RTA", {}, ' ', 'R', ' '}, {"THREE.SSA", {}, ' ', ' ', 'A'}};
    ASSERT_EQ(list_.ReadDirectory(), 3);
    EXPECT_EQ(list_.GetAt(1)->GetName(), "TWO.RTA");
    const bool expected[3][3] = {{true, false, false}, {false, true, false}, {false, false, true}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(list_.IsProtected(i), expected[i][0]) << i;
        EXPECT_EQ(list_.IsLocked(i), expected[i][1]) << i;
        EXPECT_EQ(list_.IsActive(i), expected[i][2]) << i;
    }
    EXPECT_FALSE(list_.IsActive(3));
    EXPECT_EQ(sim_.Commands(), (std::vector<std::string>{"@", "&I1,*.*"}));

    bool p, r, a;
    EXPECT_TRUE(list_.GetEntryFlags("two.rta", p, r, a));
    EXPECT_TRUE(r);
    EXPECT_FALSE(list_.GetEntryFlags("NONE.LOG", p, r, a));
    EXPECT_EQ(list_.LookUpEntry("*.LOG"), nullptr);
}

TEST_F(SetupDirListTest, ARecordIsOnlyTakenWhileMoreBytesFollowIt)
{
    setups_.setups = {{"ONE.LOG"}};
    for (int trailer : {0, 1}) {
        setups_.trailerBytes = trailer;
        EXPECT_EQ(list_.ReadDirectory(), trailer) << trailer;
    }
}

TEST_F(SetupDirListTest, StoredSetupReadsBackIdenticalInNumberedPacketsWithValidCrc)
{
    const std::string block = MakeBlock("ABC", 2);
    ASSERT_EQ(list_.StoreSetup(Bytes(block)), 0);
    ASSERT_NE(setups_.Find("ABC.LOG"), nullptr);
    EXPECT_EQ(setups_.Find("ABC.LOG")->block, block);
    const auto& packets = setups_.receiver.packets;
    ASSERT_EQ(packets.size(), 10u);  // 9 × 56 + 9
    for (size_t i = 0; i < packets.size(); ++i) {
        const auto* p = Bytes(packets[i]);
        size_t n = packets[i].size();
        EXPECT_EQ(p[0], 2);
        EXPECT_EQ(p[1], n);
        EXPECT_EQ(p[2], i + 1);
        uint16_t crc = GFCrc16::CalculateBlock(p, n - 3, 0);
        EXPECT_EQ(p[n - 3] << 8 | p[n - 2], crc);
        EXPECT_EQ(p[n - 1], '\r');
    }
    EXPECT_EQ(packets.back().size(), 15u);

    uint8_t back[513] = {};
    ASSERT_NE(list_.ReadSetupBlock("ABC     .LOG", back), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(back), 513), block);
}

TEST_F(SetupDirListTest, BlockOf120BytesGoesOutAs56And56And8)
{
    std::string data(120, 'x');
    ASSERT_EQ(SendTestBlock(data), 0);
    std::vector<size_t> sizes;
    for (const auto& p : setups_.receiver.packets)
        sizes.push_back(p.size());
    EXPECT_EQ(sizes, (std::vector<size_t>{62, 62, 14}));
    EXPECT_EQ(setups_.receiver.data, data);
}

TEST_F(SetupDirListTest, NakResendsTheLastPacketAndNakZeroStartsOver)
{
    std::string data;
    for (int i = 0; i < 200; ++i)
        data += static_cast<char>(i);
    setups_.receiver.nakPacket = 1;
    ASSERT_EQ(SendTestBlock(data), 0);
    auto packets = setups_.receiver.packets;
    ASSERT_EQ(packets.size(), 5u);
    EXPECT_EQ(packets[1], packets[2]);
    EXPECT_EQ(setups_.receiver.data, data);

    setups_.receiver.packets.clear();
    setups_.receiver.nakZeroAt = 2;
    ASSERT_EQ(SendTestBlock(data), 0);
    packets = setups_.receiver.packets;
    ASSERT_EQ(packets.size(), 7u);  // 1, 2, 3 (NAK 0), then 0, 1, 2, 3
    EXPECT_EQ(packets[3][2], 0);
    EXPECT_EQ(packets[3].substr(3, 56), packets[0].substr(3, 56));  // the same data, renumbered
    EXPECT_EQ(setups_.receiver.data, data);
    EXPECT_EQ(ReadTrace(), "");
}

TEST_F(SetupDirListTest, RejectedPassesAreRetriedTracedAndGiveUpAfterThree)
{
    const std::string data(60, 'y');
    setups_.receiver.rejectPasses = 2;
    EXPECT_EQ(SendTestBlock(data), 0);
    EXPECT_EQ(ReadTrace(), "Retry = TRUE\nRetry = TRUE\n");

    std::remove(SetupDirList::TraceFile());
    sim_.ClearTranscript();
    setups_.receiver.rejectPasses = 3;
    EXPECT_EQ(SendTestBlock(data), SetupDirList::SEND_REJECTED);
    EXPECT_EQ(ReadTrace(), "Retry = TRUE\nRetry = TRUE\nRetry = TRUE\n");
    const std::string received = sim_.Received();
    EXPECT_NE(received.find("\x18\x18\x18"), std::string::npos);
}

TEST_F(SetupDirListTest, SendFailures)
{
    setups_.receiver.noReady = true;
    EXPECT_EQ(SendTestBlock("abc"), SetupDirList::TRANSFER_SILENT);
    setups_.receiver.noReady = false;

    sim_.On("&I5,", [](const std::string&) { return std::optional<std::string>("\x07Memory full"); });
    EXPECT_EQ(list_.StoreSetup(Bytes(MakeBlock("X", 0))), SetupDirList::SEND_NOT_READY);
    EXPECT_EQ(list_.GetReplyText(), "Memory full");
}

TEST_F(SetupDirListTest, DirectoryCommandsAndRefusals)
{
    setups_.setups = {{"ONE.LOG", {}, ' ', 'R', ' '}, {"TWO.LOG"}};
    std::string text;
    EXPECT_EQ(list_.MakeCurrent("TWO.LOG", &text), 0);
    EXPECT_EQ(setups_.Find("TWO.LOG")->active, 'A');
    EXPECT_EQ(list_.MakeCurrent("NONE.LOG"), SetupDirList::INVALID_NAME);
    EXPECT_EQ(list_.GetReplyText(), "Setup not found");
    setups_.settingWrong = true;
    EXPECT_EQ(list_.MakeCurrent("TWO.LOG"), SetupDirList::SETTING_WRONG);
    EXPECT_EQ(list_.DeleteSetup("ONE.LOG"), SetupDirList::INVALID_NAME);
    EXPECT_EQ(list_.GetReplyText(), "Setup is locked");
    EXPECT_EQ(list_.LockSetup("ONE.LOG", false), 0);
    EXPECT_EQ(list_.DeleteSetup("ONE.LOG"), 0);
    EXPECT_EQ(list_.LockSetup("TWO.LOG", true), 0);
    EXPECT_EQ(setups_.Find("TWO.LOG")->lock, 'R');
    auto sent = sim_.Commands();
    EXPECT_EQ(sent[4], "&I8,ONE.LOG");
    EXPECT_EQ(sent.back(), "&I7,TWO.LOG");
}

TEST_F(SetupDirListTest, SetupDataIsFetchedOnce)
{
    setups_.setups = {{"ONE.LOG"}};
    setups_.setups[0].block = MakeBlock("ONE", 2);
    ASSERT_EQ(list_.ReadDirectory(), 1);
    uint8_t copy[513];
    const uint8_t* block = list_.GetSetupData(0, copy);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(copy), 513), setups_.setups[0].block);
    EXPECT_EQ(list_.GetSetupData(0), nullptr);

    setups_.silentStream = true;
    uint8_t none[513];
    EXPECT_EQ(list_.ReadSetupBlock("ONE.LOG", none), nullptr);
}

TEST_F(SetupDirListTest, SystemSettingsReadAndWriteIdentical)
{
    for (size_t i = 0; i < 226; ++i)
        setups_.system[i] = static_cast<char>(255 - i);
    uint8_t block[226];
    ASSERT_NE(list_.ReadSystemSettings(false, block), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block), 226), setups_.system);
    EXPECT_NE(list_.ReadSystemSettings(false), nullptr);
    EXPECT_EQ(sim_.Commands().size(), 2u);  // not stale: not read again

    block[5] = 'Z';
    list_.SetSystemSettings(block);
    ASSERT_EQ(list_.WriteSystemSettings(), 0);
    EXPECT_EQ(setups_.system, std::string(reinterpret_cast<char*>(block), 226));

    testsupport::ScriptedPrompter prompter;
    prompter.Expect("J57 not responding!", platform::IDOK);
    setups_.silentStream = true;
    EXPECT_EQ(list_.ReadSystemSettings(true), nullptr);
    EXPECT_TRUE(list_.IsStale());
}

TEST(SetupDirListNames, StoreNameByMode)
{
    const struct {
        uint8_t mode;
        const char* name;
    } cases[] = {{0, "ABCDEFGH.SSA"}, {4, "ABCDEFGH.RTA"}, {7, "ABCDEFGH.TAL"}, {8, "ABCDEFGH.VIB"}, {12, "ABCDEFGH"}};
    for (const auto& c : cases)
        EXPECT_EQ(SetupDirList::StoreName(Bytes(MakeBlock("ABCDEFGH", c.mode))), c.name);
}

}  // namespace
