#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <cstdio>
#include <fstream>
#include <pty.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "DownloadMonitor.h"
#include "J57Instrument.h"
#include "J57Xmodem.h"
#include "ScriptedPrompter.h"
#include "SimFixture.h"
#include "SlmLink.h"
#include "XmodemReceiver.h"

namespace {

// The progress dialog as the monitor sees it, recording every call.
struct FakeProgress : DownloadProgress {
    void SetStatusText(const std::string& t) override { status.push_back(t); }
    void SetMeasurementText(const std::string& t) override { measurement.push_back(t); }
    void SetByteCountText(const std::string& t) override
    {
        bytes.push_back(t);
        if (cancelAfter > 0 && static_cast<int>(bytes.size()) >= cancelAfter)
            cancel = true;
    }
    void SetProgress(int percent) override { progress.push_back(percent); }
    void ShowStall(bool on) override { stall.push_back(on); }
    bool IsCancelRequested() const override { return cancel; }
    void SendCancel() override { link->SendCancel(); }
    long GetExpectedBytes() override { return expected; }
    void PumpMessages() override {}

    std::vector<std::string> status, measurement, bytes;
    std::vector<int> progress;
    std::vector<bool> stall;
    bool cancel = false;
    int cancelAfter = 0;
    long expected = 0;
    SlmLink* link = nullptr;
};

std::string AllBytes(size_t length)
{
    std::string s;
    for (size_t i = 0; i < length; ++i)
        s += static_cast<char>(i & 0xFF);
    return s;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The simulator works on its own thread: give it a moment to catch up.
bool Eventually(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return condition();
}

std::string TempPath()
{
    char path[] = "/tmp/xmodemXXXXXX";
    int fd = mkstemp(path);
    close(fd);
    return path;
}

class XmodemTest : public SimFixture {
protected:
    XmodemTest() { progress_.link = &link_; }
    ~XmodemTest() override { std::remove(file_.c_str()); }

    // A new sender once the last one's session is over.
    void Fresh()
    {
        ASSERT_TRUE(Eventually([this] { return !sim_.InSession(); }));
        sender_ = sim::XmodemSender();
        sender_.Install(sim_);
    }

    int Download()
    {
        int r = link_.StartDownload(&monitor_);
        if (r != 0)
            return r;
        return link_.RunDownload(file_);
    }

    sim::J57Instrument j57_{sim_};
    sim::XmodemSender sender_;
    SlmLink link_{&port_};
    FakeProgress progress_;
    DownloadMonitor monitor_{&progress_};
    std::string file_ = TempPath();
    testsupport::ScriptedPrompter prompter_;
};

TEST_F(XmodemTest, EveryByteValueArrivesInEachBlockSizeAndCheckMode)
{
    const struct {
        bool use1k, crc;
    } cases[] = {{false, true}, {false, false}, {true, true}, {true, false}};
    for (const auto& c : cases) {
        Fresh();
        sender_.payload = AllBytes(300);
        sender_.use1k = c.use1k;
        sender_.ignoreCrc = !c.crc;
        ASSERT_EQ(Download(), 0);
        std::string expected = sender_.payload;
        expected.resize(c.use1k ? 1024 : 384, '\x1A');
        EXPECT_EQ(ReadFile(file_), expected) << c.use1k << c.crc;
        EXPECT_EQ(sender_.crcUsed, c.crc);
        EXPECT_TRUE(Eventually([this] { return sender_.finished; }));
    }
    EXPECT_EQ(sim_.Commands().front(), "X160");
    EXPECT_EQ(progress_.status.back(), "End of file, cleaning up");
}

TEST_F(XmodemTest, RecoverableFaultsStillDeliverTheFile)
{
    struct Case {
        const char* name;
        std::function<void(sim::XmodemSender&)> fault;
    };
    const Case cases[] = {
        {"corrupted block", [](sim::XmodemSender& s) { s.corruptBlock = 2; s.corruptTimes = 3; }},
        {"repeated block", [](sim::XmodemSender& s) { s.repeatBlock = 2; }},
    };
    for (const auto& c : cases) {
        Fresh();
        sender_.payload = AllBytes(384);
        c.fault(sender_);
        EXPECT_EQ(Download(), 0) << c.name;
        EXPECT_EQ(ReadFile(file_), sender_.payload) << c.name;
    }
}

TEST_F(XmodemTest, FatalFaultsGiveTheirCodeAndMessage)
{
    struct Case {
        const char* name;
        std::function<void(sim::XmodemSender&)> fault;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"ten bad blocks", [](sim::XmodemSender& s) { s.alwaysCorrupt = true; }, comm::XM_TOO_MANY_ERRORS,
         "An error occurred while communicating with the J57 (Too many Errors.)"},
        {"remote cancel", [](sim::XmodemSender& s) { s.cancelBeforeBlock = 2; }, comm::XM_REMOTE_CANCEL,
         "An error occurred while communicating with the J57 (Remote Cancelled)"},
        {"wrong first byte", [](sim::XmodemSender& s) { s.wrongFirstAt = 2; }, comm::XM_BAD_FIRST_CHAR,
         "An error occurred while communicating with the J57"},
    };
    for (const auto& c : cases) {
        Fresh();
        sender_.payload = AllBytes(384);
        c.fault(sender_);
        prompter_.Expect(platform::IDOK);
        EXPECT_EQ(Download(), c.code) << c.name;
        EXPECT_EQ(prompter_.LastText(), c.message) << c.name;
        EXPECT_TRUE(monitor_.HasFailed());
        link_.CancelDownload();
    }
}

TEST_F(XmodemTest, StallIsShownAndClearedWhenBytesComeAgain)
{
    sender_.Install(sim_);
    sender_.payload = AllBytes(384);
    sender_.stallBeforeBlock = 2;
    sender_.stallMs = 700;
    monitor_.SetMeasurementNumber(2, 3);
    ASSERT_EQ(Download(), 0);
    EXPECT_EQ(ReadFile(file_), sender_.payload);
    EXPECT_EQ(progress_.stall, (std::vector<bool>{true, false}));
    EXPECT_EQ(progress_.measurement.back(), "Measurement 2 of 3");
    EXPECT_EQ(progress_.bytes.back(), "Received 384 bytes");
}

TEST_F(XmodemTest, ProgressUsesTheExpectedSize)
{
    progress_.expected = 1000;
    DownloadMonitor monitor(&progress_);
    sender_.Install(sim_);
    sender_.payload = AllBytes(1000);
    ASSERT_EQ(link_.StartDownload(&monitor), 0);
    ASSERT_EQ(link_.RunDownload(file_), 0);
    // After three blocks the next awaited is 4 of 8 expected (1000 / 128 + 1).
    auto third = std::find(progress_.bytes.begin(), progress_.bytes.end(), "Received 384 bytes");
    ASSERT_NE(third, progress_.bytes.end());
    EXPECT_NE(std::find(progress_.progress.begin(), progress_.progress.end(), 50), progress_.progress.end());
}

TEST_F(XmodemTest, CancelStopsWithinABlockAndSendsThreeCan)
{
    sender_.Install(sim_);
    sender_.payload = AllBytes(128 * 20);
    progress_.cancelAfter = 2;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Download(), comm::XM_USER_ABORT);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(monitor_.HasFailed());
    EXPECT_LE(sender_.blocksSent, 3);
    EXPECT_TRUE(Eventually([this] { return sim_.Received().find("\x18\x18\x18") != std::string::npos; }));
    EXPECT_TRUE(prompter_.Boxes().empty());
}

TEST_F(XmodemTest, NoReceiverAndNoPort)
{
    EXPECT_EQ(link_.RunDownload(file_), SlmLink::NO_RECEIVER);
    SlmLink unbound(nullptr);
    EXPECT_EQ(unbound.StartDownload(&monitor_), SlmLink::NOT_CONNECTED);
}

// An independent sender: lrzsz's sx on the master side of a pseudo-terminal.
TEST(XmodemAgainstSx, FileArrivesIdentical)
{
    if (system("command -v sx >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "sx (lrzsz) is not installed";
    const std::string source = TempPath(), target = TempPath();
    const std::string payload = AllBytes(5000);
    std::ofstream(source, std::ios::binary) << payload;
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    platform::MemoryProfile profile;
    platform::SetAppProfile(&profile);
    profile.WriteProfileString("Ports", "COM1", name);
    SerialPort port(1);
    ASSERT_EQ(port.Open(), 0);
    pid_t child = fork();
    if (child == 0) {
        dup2(master, 0);
        dup2(master, 1);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        execlp("sx", "sx", "-q", source.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(master);
    comm::GFMonitor monitor;
    XmodemReceiver receiver(*port.Serial(), monitor);
    int result = receiver.Receive(target);
    int status = 0;
    waitpid(child, &status, 0);
    platform::SetAppProfile(nullptr);
    close(slave);
    EXPECT_EQ(result, 0);
    std::string got = ReadFile(target);
    ASSERT_GE(got.size(), payload.size());
    EXPECT_EQ(got.substr(0, payload.size()), payload);
    EXPECT_EQ(got.substr(payload.size()), std::string(got.size() - payload.size(), '\x1A'));
    std::remove(source.c_str());
    std::remove(target.c_str());
}

}  // namespace
