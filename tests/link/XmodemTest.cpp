#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <functional>
#include <memory>
#include <cstdio>
#include <fstream>
#include <pty.h>
#include <csignal>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "DownloadMonitor.h"
#include "GFTermios.h"
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
    void PumpMessages() override
    {
        if (onPump)
            onPump();
    }

    std::vector<std::string> status, measurement, bytes;
    std::vector<int> progress;
    std::vector<bool> stall;
    bool cancel = false;
    int cancelAfter = 0;
    long expected = 0;
    SlmLink* link = nullptr;
    std::function<void()> onPump;  // the window handles what is waiting
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

std::string TempPath()
{
    char path[] = "/tmp/xmodemXXXXXX";
    int fd = mkstemp(path);
    close(fd);
    return path;
}

// The sender outlives the simulator's thread that runs its session: a base
// made before the simulator and undone after it.
struct SenderHolder {
    sim::XmodemSender sender_;
};

class XmodemTest : protected SenderHolder, public SimFixture {
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
        {"cancel behind a bad block",
         [](sim::XmodemSender& s) {
             s.corruptBlock = 2;
             s.corruptTimes = 1;
             s.cancelAfterCorrupt = true;
         },
         comm::XM_REMOTE_CANCEL, "An error occurred while communicating with the J57 (Remote Cancelled)"},
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

// The tenth bad block ends the transfer without a request to send it again:
// the sender's repeat would otherwise come in among the replies to the
// commands that follow (the sync of the cancel, the next download).
TEST_F(XmodemTest, TheLastBadBlockIsNotAskedForAgain)
{
    Fresh();
    sender_.payload = AllBytes(384);
    sender_.alwaysCorrupt = true;
    prompter_.Expect(platform::IDOK);
    EXPECT_EQ(Download(), comm::XM_TOO_MANY_ERRORS);
    link_.CancelDownload();
    // The instrument has read everything before the cancel's sync.
    ASSERT_TRUE(Eventually([this] { return sim_.Received().find("@@\r") != std::string::npos; }));
    const std::string sent = sim_.Received();
    const std::string transfer = sent.substr(0, sent.find('\x18'));
    // The start and nine requests to send again.
    EXPECT_EQ(std::count(transfer.begin(), transfer.end(), 'C'), comm::GFXmodem::kMaxErrors);
    ASSERT_TRUE(Eventually([this] { return !sim_.InSession(); }));
    EXPECT_EQ(sender_.blocksSent, comm::GFXmodem::kMaxErrors);
}

// A noise byte 0x04 where a block's header belongs must not end the file
// early: the end is taken from a repeated EOT, or from a single one once
// every byte the instrument announced has come.
TEST_F(XmodemTest, EndOfFileNeedsARepeatedEotOrEveryByte)
{
    const std::string payload = AllBytes(5 * 128);
    const struct {
        const char* name;
        int eotForHeader;
        bool singleEot;
        long expected;
        int code;
    } cases[] = {
        {"noise EOT for block 2", 2, false, 640, 0},
        {"noise EOT for block 2, sender with a single EOT", 2, true, 640, 0},
        {"noise EOT for block 4, whose number is EOT too", 4, false, 640, 0},
        {"noise EOT for block 4, sender with a single EOT", 4, true, 640, 0},
        {"single EOT after every byte", -1, true, 640, 0},
        {"single EOT short of the announced size", -1, true, 5000, comm::XM_TIMEOUT},
    };
    for (const auto& c : cases) {
        Fresh();
        sender_.payload = payload;
        sender_.eotForHeader = c.eotForHeader;
        sender_.singleEot = c.singleEot;
        progress_.expected = c.expected;
        DownloadMonitor monitor(&progress_);
        ASSERT_EQ(link_.StartDownload(&monitor), 0) << c.name;
        if (c.code != 0)
            prompter_.Expect("An error occurred while communicating with the J57 (Timeout Error)", platform::IDOK);
        EXPECT_EQ(link_.RunDownload(file_), c.code) << c.name;
        if (c.code == 0) {
            EXPECT_EQ(ReadFile(file_), payload) << c.name;
        }
        EXPECT_EQ(monitor.HasFailed(), c.code != 0) << c.name;
        EXPECT_EQ(prompter_.Pending(), 0u) << c.name;
        link_.CancelDownload();
    }
}

// Noise every 0.3 s keeps the line from ever being quiet while a bad block
// is discarded, and when it swallows the request to send again, the receiver
// takes a noise byte for the next block's header and reads the noise as that
// block, byte by byte: either way the window must still be served and Cancel
// taken. The link runs at the instrument's own timing (the window served
// every 0.05 s), which leaves a busy machine's pauses well inside the noise
// interval and the bound.
TEST_F(XmodemTest, CancelOnANoisyLineTakesEffectWithinTwoBlockTimes)
{
    using Clock = std::chrono::steady_clock;
    comm::ScopedTimeScale instrumentTime(1.0);
    constexpr int kBaud = 9600;
    sim_.PaceAt(kBaud);
    const struct {
        const char* name;
        int answersLost;
    } cases[] = {
        {"while the bad block is discarded", 0},
        {"while noise is read as a block", 1},
    };
    for (const auto& c : cases) {
        Fresh();
        sender_.payload = AllBytes(128 * 20);
        sender_.corruptBlock = 2;
        sender_.corruptTimes = 100;
        sender_.noiseMs = static_cast<int>(comm::ScaledMs(0.3));
        sender_.answersLost = c.answersLost;
        // Kept by the sender's thread, which may outlive this case when a
        // check fails.
        struct Click {
            std::atomic<int> noise{0};
            std::atomic<bool> clicked{false};
            Clock::time_point at{};
            int blocksSent = 0;
        };
        auto click = std::make_shared<Click>();
        sender_.onNoise = [click, sender = &sender_](int number) {
            ++click->noise;
            // The user presses Cancel once the noise has the receiver's
            // attention: the second byte after the last answer.
            if (sender->answersLost == 0 && number == 2 && !click->clicked) {
                click->at = Clock::now();
                click->blocksSent = sender->blocksSent;
                click->clicked = true;
            }
        };
        std::vector<int> noiseAtPump;
        progress_.cancel = false;
        progress_.onPump = [&] {
            noiseAtPump.push_back(click->noise);
            if (click->clicked)
                progress_.cancel = true;  // the click is handled when the window is served
        };
        DownloadMonitor monitor(&progress_);
        ASSERT_EQ(link_.StartDownload(&monitor), 0) << c.name;
        EXPECT_EQ(link_.RunDownload(file_), comm::XM_USER_ABORT) << c.name;
        const auto returnedAt = Clock::now();
        progress_.onPump = nullptr;
        ASSERT_TRUE(click->clicked) << c.name;
        const auto blockTime = std::chrono::microseconds(133LL * 10 * 1000000 / kBaud);
        EXPECT_LE(returnedAt - click->at, 2 * blockTime) << c.name;
        // Served between any two noise bytes, up to the one after the click.
        ASSERT_FALSE(noiseAtPump.empty()) << c.name;
        EXPECT_GE(noiseAtPump.back(), 2) << c.name;
        for (size_t i = 1; i < noiseAtPump.size(); ++i)
            EXPECT_LE(noiseAtPump[i] - noiseAtPump[i - 1], 1) << c.name << ", pump " << i;
        EXPECT_TRUE(Eventually([this] { return sim_.Received().find("\x18\x18\x18") != std::string::npos; }))
            << c.name;
        EXPECT_FALSE(monitor.HasFailed()) << c.name;
        // Two block times on the line: the block being read or discarded at
        // the click and at most one more.
        ASSERT_TRUE(Eventually([this] { return !sim_.InSession(); })) << c.name;
        EXPECT_LE(sender_.blocksSent - click->blocksSent, 1) << c.name;
        link_.CancelDownload();
        sim_.ClearTranscript();
    }
}

TEST_F(XmodemTest, ARefusedStartReturnsAtOnceWithTheInstrumentsText)
{
    sender_.Install(sim_);
    sender_.refusal = "No data";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link_.StartDownload(&monitor_), SlmLink::NOT_AVAILABLE);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(comm::ScaledMs(1.0)));
    EXPECT_EQ(link_.GetLastErrorReply(), "\x07No data");
    EXPECT_EQ(link_.RunDownload(file_), SlmLink::NO_RECEIVER);
    EXPECT_EQ(sender_.blocksSent, 0);
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
// With an edit, its bytes pass through a relay on their way to the port, each
// replaced by what edit(index from sx's side, byte) returns.
class SxPeer {
public:
    using Edit = std::function<int(size_t index, int byte)>;

    // The receiver's result; got holds the file it wrote.
    int Transfer(const std::string& payload, std::string& got, const Edit& edit = {})
    {
        const std::string source = TempPath(), target = TempPath();
        std::ofstream(source, std::ios::binary) << payload;
        int master = -1, slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            return -1;
        std::string device = name;
        int relayMaster = -1, relaySlave = -1;
        std::atomic<bool> stop{false};
        std::thread relay;
        if (edit) {
            char relayName[256] = {};
            if (openpty(&relayMaster, &relaySlave, relayName, nullptr, nullptr) != 0)
                return -1;
            comm::termios2::MakeRaw(slave);
            device = relayName;
            relay = std::thread([&] { Relay(slave, relayMaster, edit, stop); });
        }
        platform::MemoryProfile profile;
        platform::SetAppProfile(&profile);
        profile.WriteProfileString("Ports", "COM1", device);
        int result = -1;
        {
            SerialPort port(1);
            if (port.Open() == 0) {
                pid_t child = fork();
                if (child == 0) {
                    dup2(master, 0);
                    dup2(master, 1);
                    int null = open("/dev/null", O_WRONLY);
                    dup2(null, 2);
                    execlp("sx", "sx", "-q", source.c_str(), static_cast<char*>(nullptr));
                    _exit(127);
                }
                comm::GFMonitor monitor;
                XmodemReceiver receiver(*port.Serial(), monitor);
                result = receiver.Receive(target);
                // sx ends once its EOT is answered; one still waiting is stopped.
                int status = 0;
                for (int i = 0; i < 200 && waitpid(child, &status, WNOHANG) == 0; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                if (waitpid(child, &status, WNOHANG) == 0) {
                    kill(child, SIGKILL);
                    waitpid(child, &status, 0);
                }
            }
        }
        stop = true;
        if (relay.joinable())
            relay.join();
        platform::SetAppProfile(nullptr);
        for (int fd : {master, slave, relayMaster, relaySlave})
            if (fd >= 0)
                close(fd);
        got = ReadFile(target);
        std::remove(source.c_str());
        std::remove(target.c_str());
        return result;
    }

private:
    static void Relay(int sxSide, int portSide, const Edit& edit, std::atomic<bool>& stop)
    {
        size_t index = 0;
        while (!stop) {
            pollfd fds[2] = {{sxSide, POLLIN, 0}, {portSide, POLLIN, 0}};
            if (poll(fds, 2, 10) <= 0)
                continue;
            uint8_t buffer[512];
            if (fds[0].revents & POLLIN) {
                ssize_t n = read(sxSide, buffer, sizeof buffer);
                for (ssize_t i = 0; i < n; ++i)
                    buffer[i] = static_cast<uint8_t>(edit(index++, buffer[i]));
                if (n > 0 && write(portSide, buffer, static_cast<size_t>(n)) != n)
                    return;
            }
            if (fds[1].revents & POLLIN) {
                ssize_t n = read(portSide, buffer, sizeof buffer);
                if (n > 0 && write(sxSide, buffer, static_cast<size_t>(n)) != n)
                    return;
            }
        }
    }
};

bool HaveSx() { return system("command -v sx >/dev/null 2>&1") == 0; }

TEST(XmodemAgainstSx, FileArrivesIdentical)
{
    if (!HaveSx())
        GTEST_SKIP() << "sx (lrzsz) is not installed";
    const std::string payload = AllBytes(5000);
    std::string got;
    EXPECT_EQ(SxPeer().Transfer(payload, got), 0);
    ASSERT_GE(got.size(), payload.size());
    EXPECT_EQ(got.substr(0, payload.size()), payload);
    EXPECT_EQ(got.substr(payload.size()), std::string(got.size() - payload.size(), '\x1A'));
}

// Line noise turns block 2's header (byte 133 with 128-byte CRC blocks) into
// EOT: the receiver asks again instead of ending with one block.
TEST(XmodemAgainstSx, NoiseEotInPlaceOfAHeaderDoesNotCutTheFile)
{
    if (!HaveSx())
        GTEST_SKIP() << "sx (lrzsz) is not installed";
    comm::ScopedTimeScale scale(0.2);
    const std::string payload = AllBytes(5000);
    std::string got;
    EXPECT_EQ(SxPeer().Transfer(payload, got, [](size_t index, int byte) { return index == 133 ? 0x04 : byte; }), 0);
    ASSERT_GE(got.size(), payload.size());
    EXPECT_EQ(got.substr(0, payload.size()), payload);
}

}  // namespace
