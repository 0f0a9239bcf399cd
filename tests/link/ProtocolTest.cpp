#include <gtest/gtest.h>

#include <string>

#include "BinaryTransferLink.h"
#include "CheckCharacter.h"
#include "SimFixture.h"
#include "SlmLink.h"

namespace {

TEST(CheckCharacterTest, WorkedExamples)
{
    const struct {
        const char* text;
        char check;
    } cases[] = {{"R1", 'C'}, {"M3", '@'}, {"&Q1", '('}, {"&S1", '*'}, {"R3,1", 'b'}, {"@", '@'}, {"", '@'},
                 {"RS", '%'}, {"\x07\x80R1\x13", 'C'}};
    for (const auto& c : cases)
        EXPECT_EQ(slm::CheckCharacter(c.text), c.check) << c.text;
    EXPECT_EQ(slm::CheckCharacter(" R", 'b'), 'T');
}

TEST(CheckCharacterTest, ReplyLines)
{
    const struct {
        std::string line;
        bool found;
        bool valid;
        std::string text;
    } cases[] = {
        {" RT\r\n", true, true, " R"},
        {" RU\r\n", true, false, " R"},
        {"\r\n", true, false, ""},           // only a line end: a failed try
        {"b\n", true, true, ""},             // the command's own check: empty text
        {" \x11R\x13T\r\n", true, true, " R"},  // XON/XOFF skipped and removed
        {" RT", true, true, " R"},           // no line end: the last byte is the check
        {std::string("\0RT\n", 4), false, false, ""},
        {"\nRT", false, false, ""},
    };
    for (const auto& c : cases) {
        auto parts = slm::SplitReply(c.line, 'b');
        ASSERT_EQ(parts.has_value(), c.found) << c.line;
        if (!parts)
            continue;
        EXPECT_EQ(parts->valid, c.valid) << c.line;
        EXPECT_EQ(parts->text, c.text) << c.line;
    }
}

class ProtocolTest : public SimFixture {
protected:
    SlmLink link_{&port_};
};

TEST_F(ProtocolTest, FiveCorruptedRepliesThenAGoodOneSucceed)
{
    sim_.Reply("R1", "Morvek-Audio Model J57");
    sim_.CorruptNext(5);
    std::string reply;
    EXPECT_EQ(link_.SendCommand("R1", &reply, 25, 1), 0);
    EXPECT_EQ(reply, "Morvek-Audio Model J57");
    auto frames = sim_.Transcript();
    ASSERT_EQ(frames.size(), 6u);
    for (const auto& f : frames) {
        EXPECT_EQ(f.bytes, "R1C");
        EXPECT_TRUE(f.checkOk);
    }
}

TEST_F(ProtocolTest, SixCorruptedRepliesAreAChecksumFailure)
{
    sim_.Reply("R1", "x");
    sim_.CorruptNext(6);
    EXPECT_EQ(link_.SendCommand("R1"), SlmLink::CHECKSUM_FAILURE);
    EXPECT_EQ(link_.GetLastResult(), -205);
}

TEST_F(ProtocolTest, SilenceIsNoResponseWithoutRetry)
{
    sim_.SilenceNext(1);
    EXPECT_EQ(link_.SendCommand("R1", nullptr, 25, 1), SlmLink::NO_RESPONSE);
    EXPECT_EQ(sim_.Transcript().size(), 1u);
}

TEST_F(ProtocolTest, PercentCheckCharacterArrivesOnce)
{
    sim_.Reply("RS", "ok");
    EXPECT_EQ(link_.SendCommand("RS"), 0);
    EXPECT_EQ(sim_.Received(), "RS%\r\n");
}

TEST_F(ProtocolTest, RawRepliesLoneLineFeedAndXonXoff)
{
    const char c = sim::Check("R3,1");
    sim_.RawNext(std::string("\n") + " \x11R\x13" + sim::Check(" R", c) + "\r\n");
    std::string reply;
    EXPECT_EQ(link_.SendCommand("R3,1", &reply, 10, 1), 0);
    EXPECT_EQ(reply, " R");
}

TEST_F(ProtocolTest, RefusalIsKeptAsLastErrorReplyCutTo51Characters)
{
    const std::string message(80, 'x');
    sim_.Reply("M3", "");
    sim_.RefuseNext(message);
    std::string reply;
    EXPECT_EQ(link_.SendCommand("M3", &reply, 100, 1), 0);
    EXPECT_EQ(reply, "\x07" + message);
    EXPECT_EQ(link_.GetLastErrorReply(), ("\x07" + message).substr(0, 51));
    EXPECT_EQ(link_.SendCommand("M3", &reply, 100, 1), 0);
    EXPECT_EQ(link_.GetLastErrorReply(), "");
}

TEST_F(ProtocolTest, SyncSendsAtAtCrAndNeedsALine)
{
    EXPECT_EQ(link_.Sync(), 0);
    EXPECT_EQ(sim_.Received(), "@@\r");
    sim_.SilenceNext(1);
    EXPECT_EQ(link_.Sync(), SlmLink::NO_RESPONSE);
}

TEST_F(ProtocolTest, BinarySenderFramesWithCrOnlyAndStripsTheBell)
{
    BinaryTransferLink binary(&port_);
    sim_.Reply("&I6", "");
    sim_.RefuseNext("Setup Locked");
    std::string reply;
    EXPECT_EQ(binary.SendCommand("&I6,ABC", &reply, 70, 1), 0);
    EXPECT_EQ(sim_.Received(), std::string("&I6,ABC") + sim::Check("&I6,ABC") + "\r");
    EXPECT_EQ(binary.GetReplyText(), "Setup Locked");
    sim_.CorruptNext(6);
    EXPECT_EQ(binary.SendCommand("&I6,ABC", &reply, 70, 1), SlmLink::CHECKSUM_FAILURE);
}

TEST_F(ProtocolTest, FlagCommandIsTheSyncBytesAndTriesTwice)
{
    BinaryTransferLink binary(&port_);
    EXPECT_EQ(binary.SendFlagCommand(true), 0);
    EXPECT_EQ(sim_.Received(), "@@\r");
    sim_.ClearTranscript();
    sim_.Reply("S205,0F", "");
    sim_.SilenceNext(1);
    EXPECT_EQ(binary.SendFlagCommand(false), 0);
    auto frames = sim_.Transcript();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].command, "S205,0F");
}

}  // namespace
