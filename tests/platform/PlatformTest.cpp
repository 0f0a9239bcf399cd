#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "Clock.h"
#include "Files.h"
#include "PortResolver.h"
#include "Profile.h"
#include "ScriptedPrompter.h"

using namespace platform;

TEST(MemoryProfile, EmptyAnswersDefaultsAndKeepsWrites)
{
    MemoryProfile p;
    EXPECT_EQ(p.GetProfileInt("Defaults", "ComPort", 1), 1);
    EXPECT_EQ(p.GetProfileString("Defaults", "LastPath", "/home"), "/home");
    p.WriteProfileInt("Defaults", "ComPort", 3);
    p.WriteProfileString("RT60Settings", "dBDown", "20");
    EXPECT_EQ(p.GetProfileInt("Defaults", "ComPort", 1), 3);
    EXPECT_EQ(p.GetProfileString("RT60Settings", "dBDown", "10"), "20");
    // A text that is no number reads as the default.
    p.WriteProfileString("Download", "Type", "x");
    EXPECT_EQ(p.GetProfileInt("Download", "Type", 5), 5);
}

TEST(ScriptedPrompter, AnswersFromItsScriptAndRecordsBoxes)
{
    testsupport::ScriptedPrompter prompter;
    prompter.Expect("replace", IDNO).Expect(IDYES);
    EXPECT_EQ(AppPrompter().Message("Do you want to replace it?", Icon::Question, Buttons::YesNo), IDNO);
    EXPECT_EQ(AppPrompter().Message("Again?", Icon::Warning, Buttons::YesNo), IDYES);
    ASSERT_EQ(prompter.Boxes().size(), 2u);
    EXPECT_EQ(prompter.Boxes()[1].icon, Icon::Warning);
    EXPECT_EQ(prompter.Boxes()[1].buttons, Buttons::YesNo);
}

TEST(ScriptedPrompter, FailsOnAnUnexpectedBox)
{
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedPrompter prompter;
            AppPrompter().Message("Surprise");
        },
        "Unexpected message box: \"Surprise\"");
}

TEST(Clock, WaitRunsThePumpAndHonoursCancel)
{
    int pumps = 0;
    int64_t start = Clock::NowMs();
    EXPECT_TRUE(WaitMs(300, [&] { ++pumps; }));
    EXPECT_GE(Clock::NowMs() - start, 300);
    EXPECT_GT(pumps, 5);

    start = Clock::NowMs();
    int calls = 0;
    EXPECT_FALSE(WaitMs(5000, {}, [&] { return ++calls > 3; }));
    EXPECT_LT(Clock::NowMs() - start, 1000);
}

TEST(Clock, WaitCursorRestoresOnceOnly)
{
    std::vector<bool> seen;
    WaitCursor::SetHook([&](bool busy) { seen.push_back(busy); });
    {
        WaitCursor wait;
        wait.Restore();
    }
    WaitCursor::SetHook({});
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(PortResolver, MapsComPortsToDevices)
{
    MemoryProfile p;
    PortResolver r(p);
    EXPECT_EQ(r.Resolve("COM3"), "/dev/ttyS2");
    EXPECT_EQ(r.Resolve("COM1"), "/dev/ttyS0");
    p.WriteProfileString("Ports", "COM3", "/dev/ttyUSB0");
    EXPECT_EQ(r.Resolve("COM3"), "/dev/ttyUSB0");
    EXPECT_EQ(r.Resolve("/dev/pts/4"), "/dev/pts/4");
    for (const char* bad : {"", "COM", "COM0", "LPT1", "COMx"})
        EXPECT_EQ(r.Resolve(bad), "") << bad;
}

TEST(Files, TempFileAndAtomicWrite)
{
    std::string temp = CreateTempFile("J57");
    ASSERT_FALSE(temp.empty());
    EXPECT_NE(FileNameOf(temp).find("J57"), std::string::npos);
    std::string target = temp + ".out";
    ASSERT_TRUE(WriteFileAtomically(target, std::string("a\r\nb", 4)));
    std::ifstream in(target, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(ss.str(), std::string("a\r\nb", 4));
    // A folder that does not exist: nothing is written, the call says so.
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-folder/x.txt", "x"));
    std::remove(temp.c_str());
    std::remove(target.c_str());
}

// A path splits at '/' only: '\\' and ':' belong to the names a user types.
TEST(Files, PathParts)
{
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"/home/u/b.slmdl", "/home/u", "b.slmdl"},
        {"/b", "/", "b"},
        {"b", "", "b"},
        {"/data/site 12:30.slmdl", "/data", "site 12:30.slmdl"},
        {"/data/north\\south.slmdl", "/data", "north\\south.slmdl"},
        {"C:\\data\\a.slmdl", "", "C:\\data\\a.slmdl"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryOf(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
    }
}

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

// The one whole-file writer keeps what the target is: its permission bits, a
// symbolic link and the file it names; a read-only target is refused and
// stays as it was.
TEST(Files, AtomicWriteKeepsTheTargetAsItIs)
{
    const std::string dir = CreateTempFile("J57dir");
    ASSERT_FALSE(dir.empty());
    std::remove(dir.c_str());
    ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
    const std::string file = dir + "/report.txt";
    const std::string link = dir + "/link.txt";

    std::ofstream(file) << "old";
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    EXPECT_TRUE(WriteFileAtomically(file, "new"));
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_EQ(ModeOf(file), 0640u);

    ASSERT_EQ(::symlink("report.txt", link.c_str()), 0);
    EXPECT_TRUE(WriteFileAtomically(link, "through the link"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadAll(file), "through the link");

    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(WriteFileAtomically(file, "refused"));
    EXPECT_FALSE(WriteFileAtomically(link, "refused"));
    EXPECT_EQ(ReadAll(file), "through the link");
    EXPECT_EQ(ModeOf(file), 0444u);

    // A new file gets the usual bits; nothing else is left in the folder.
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(WriteFileAtomically(dir + "/fresh.txt", "x"));
    ::umask(mask);
    EXPECT_EQ(ModeOf(dir + "/fresh.txt"), 0644u);
    std::remove((dir + "/fresh.txt").c_str());
    std::remove(link.c_str());
    std::remove(file.c_str());
    EXPECT_EQ(::rmdir(dir.c_str()), 0);  // no temporary file left behind
}
