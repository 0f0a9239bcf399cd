// Start-up: the command line, the Run/Stop switch, the document named on the
// command line and the upgrade run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "AppCommandLineInfo.h"
#include "ShellTestSupport.h"

using shelltest::MenuTexts;
using shelltest::ShellFixture;

namespace {

struct CommandLineCase {
    std::vector<std::string> args;
    bool upgrade;
    std::string upgradePath;
    std::string fileName;
};

void PrintTo(const CommandLineCase& c, std::ostream* os)
{
    for (const std::string& a : c.args)
        *os << '[' << a << ']';
}

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, ParsesAsTheProgramDocuments)
{
    const CommandLineCase& c = GetParam();
    AppCommandLineInfo info;
    info.Parse(c.args);
    EXPECT_EQ(info.upgradeFlag, c.upgrade);
    EXPECT_EQ(info.upgradePath, c.upgradePath);
    EXPECT_EQ(info.fileName, c.fileName);
    EXPECT_EQ(info.shellCommand == AppCommandLineInfo::ShellCommand::FileOpen, !c.fileName.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLine,
    ::testing::Values(
        CommandLineCase{{}, false, "", ""},
        CommandLineCase{{"-upgrade"}, true, "", ""},
        CommandLineCase{{"/upgrade"}, true, "", ""},
        // Case-sensitive: an unknown switch, ignored.
        CommandLineCase{{"-Upgrade"}, false, "", ""},
        // Without its flag character the word is a file name.
        CommandLineCase{{"upgrade"}, false, "", "upgrade"},
        CommandLineCase{{"-upgrade", "-fw/J57.cvk"}, true, "fw/J57.cvk", ""},
        CommandLineCase{{"-upgrade", "-C:\\fw\\J57.cvk"}, true, "C:\\fw\\J57.cvk", ""},
        CommandLineCase{{"-upgrade", "/home/me/J57.cvk"}, true, "/home/me/J57.cvk", ""},
        CommandLineCase{{"/home/me/J57.cvk", "/upgrade"}, true, "/home/me/J57.cvk", ""},
        // An absolute path without the switch is a file to open.
        CommandLineCase{{"/home/me/a.log"}, false, "", "/home/me/a.log"},
        CommandLineCase{{"a.log", "b.log"}, false, "", "a.log"},
        CommandLineCase{{"-x", "a.log"}, false, "", "a.log"}));

TEST(ShellStartup, EmptyProfileRemovesRunAndStop)
{
    ShellFixture f;
    ASSERT_TRUE(f.Start());
    EXPECT_EQ(MenuTexts(f.Frame().GetMenu("&Data")),
              (std::vector<std::string>{"&Download Measurement", "&Translate Measurement",
                                        "&Purge All J57 Data Files"}));
    EXPECT_EQ(f.app->GetStartDir(), "/start/folder");
    EXPECT_TRUE(f.Frame().isVisible());
}

TEST(ShellStartup, AnyNonZeroStatusKeepsRunAndStop)
{
    for (int status : {1, -1}) {
        ShellFixture f;
        f.profile.WriteProfileInt("Special Operations", "Status", status);
        ASSERT_TRUE(f.Start());
        const std::vector<std::string> data = MenuTexts(f.Frame().GetMenu("&Data"));
        ASSERT_EQ(data.size(), 5u) << status;
        EXPECT_EQ(data[3], "&Run Instrument");
        EXPECT_EQ(data[4], "&Stop Instrument");
    }
}

TEST(ShellStartup, UpgradeRunEndsAfterStartUpButStillRemovesRunAndStop)
{
    ShellFixture f;
    shelltest::AnswerNextDialog(false);  // the upgrade connects first: no instrument here
    EXPECT_FALSE(f.Start({"-upgrade", "/home/me/J57.cvk"}));
    EXPECT_TRUE(f.app->UpgradeFlag());
    EXPECT_EQ(f.app->UpgradePath(), "/home/me/J57.cvk");
    EXPECT_EQ(MenuTexts(f.Frame().GetMenu("&Data")).size(), 3u);
}

TEST(ShellStartup, FileOnTheCommandLineOpensAndJoinsTheRecentFiles)
{
    const std::string path = ::testing::TempDir() + "shell-startup-doc.rta";
    std::ofstream(path) << "x";
    ShellFixture f;
    f.profile.WriteProfileString("Recent File List", "File1", "/old/one.rta");
    ASSERT_TRUE(f.Start({path}));
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 0);  // read, and kept nowhere
    EXPECT_EQ(f.profile.GetProfileString("Recent File List", "File1", ""), path);
    EXPECT_EQ(f.profile.GetProfileString("Recent File List", "File2", ""), "/old/one.rta");
    std::remove(path.c_str());
}

TEST(ShellStartup, FileThatCannotBeOpenedEndsTheProgram)
{
    ShellFixture f;
    f.prompter.Expect("Failed to open document.", platform::IDOK);
    EXPECT_FALSE(f.Start({"/no/such/folder/a.rta"}));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST(ShellStartup, RecentFileListKeepsFourNewestFirst)
{
    platform::MemoryProfile profile;
    platform::SetAppProfile(&profile);
    RecentFileList list(4);
    for (const char* p : {"/a", "/b", "/c", "/d", "/e", "/c"})
        list.Add(p);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
    RecentFileList reread(4);
    reread.Load();
    EXPECT_EQ(reread.Files(), list.Files());
    platform::SetAppProfile(nullptr);
}

}  // namespace
