// The program on a fresh install, as `make run` starts it: New Setup makes
// every mode from the default setup files beside the program, those files
// are good setups the J57 takes, and Help opens the help document.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "CSdiView.h"
#include "CommandIds.h"
#include "SetupBlock.h"
#include "SetupBlockBuilder.h"
#include "SetupListCtrl.h"
#include "ShellSetupSimSupport.h"

namespace {

const std::string kProgramDir = TESSAVO_PROGRAM_DIR;

struct Kind {
    int type;
    const char* ext;
    const char* radio;
    size_t blockSize;
};

const Kind kKinds[] = {
    {5, "ssa", "ssaRadio", 219}, {6, "ism", "ismRadio", 219}, {7, "log", "logRadio", 219},
    {8, "tal", "talRadio", 219}, {9, "fft", "fftRadio", 219}, {10, "rta", "rtaRadio", 216},
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class UseFirstStartTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start.isValid());
        ASSERT_TRUE(f.Start({}, Start()));
        f.app->SetProgramDir(kProgramDir);
    }
    std::string Start() const { return start.path().toStdString(); }
    SetupListCtrl& List() { return *f.Doc().GetSdiView()->GetSetupList(); }

    // New Setup on the toolbar; the mode's radio button and OK.
    void NewSetup(const char* radio) { shelltest::ClickNewSetup(f.Frame(), radio); }

    QTemporaryDir start;
};

// A fresh profile and an empty start folder: every mode comes from the file
// installed beside the program, and can be saved to a file of its own.
TEST_F(UseFirstStartTest, NewSetupMakesEveryModeFromTheInstalledDefaults)
{
    for (const Kind& k : kKinds) {
        NewSetup(k.radio);
        const int row = List().GetCount() - 1;
        ASSERT_GE(row, 0) << k.ext;
        SetupRec* record = List().GetSetupAt(row);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->GetType(), k.type);
        EXPECT_EQ(record->GetName(), "DEFAULT");
        EXPECT_EQ(record->GetOrigin(), 6);
        EXPECT_EQ(record->GetPath(), kProgramDir + "/default." + k.ext);

        f.Doc().GetSdiView()->SelectSetup(row);
        const std::string saved = Start() + "/mine." + k.ext;
        f.prompter.ExpectFile(saved);
        f.Frame().OnCommand(cmd::SaveSetupToFile);
        std::ifstream file(saved, std::ios::binary);
        EXPECT_TRUE(SetupRec::CheckFileCrc(file)) << saved;
        EXPECT_EQ(SetupRec::GetFileSetupType(file), k.type);
    }
    EXPECT_EQ(f.prompter.Boxes().size(), 0u);
}

// A default file of the user's own in the start folder comes first.
TEST_F(UseFirstStartTest, ADefaultInTheStartFolderComesFirst)
{
    const std::string own = testsupport::SetupFileBuilder(
                                testsupport::SetupBlockBuilder(219).Version(4).Name("MINE").Mode(2).Bytes())
                                .Key("CVJ57SetupLOG")
                                .BuildString();
    std::ofstream(Start() + "/default.log", std::ios::binary) << own;
    NewSetup("logRadio");
    ASSERT_EQ(List().GetCount(), 1);
    EXPECT_EQ(List().GetSetupAt(0)->GetName(), "MINE");
    EXPECT_EQ(List().GetSetupAt(0)->GetPath(), Start() + "/default.log");
}

// Each installed file reads as a setup of the current format named
// "DEFAULT", and the J57 takes it as it stands.
TEST_F(UseFirstStartTest, TheInstalledDefaultsAreSetupsTheJ57Stores)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    for (const Kind& k : kKinds) {
        const std::string path = kProgramDir + "/default." + k.ext;
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(SetupRec::CheckFileCrc(file)) << path;
        EXPECT_EQ(SetupRec::GetFileSetupType(file), k.type);
        int version = 0;
        EXPECT_TRUE(SetupRec::CheckFileVersion(2, version, file));
        EXPECT_EQ(version, 5);
        SetupRec record;
        record.SetType(k.type);
        file.clear();
        file.seekg(0);
        ASSERT_TRUE(record.Serialize(file));
        EXPECT_EQ(record.GetName(), "DEFAULT");

        // The simulated J57 runs old firmware, which gets a word about it
        // after storing a LOG or SSA setup.
        if (k.type == 5 || k.type == 7)
            f.prompter.Expect("Out-of-date firmware version", platform::IDOK);
        ASSERT_EQ(f.Doc().StoreSetupInInstrument(record), 0) << k.ext;
        std::lock_guard lock(sim.Mutex());
        std::string key = std::string("DEFAULT.") + k.ext;
        for (char& c : key)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const sim::SimSetup* stored = setups.Find(key);
        ASSERT_NE(stored, nullptr) << key;
        const std::string body = ReadAll(path).substr(16, k.blockSize);
        EXPECT_EQ(stored->block.substr(1, k.blockSize - 1), body.substr(1)) << key;
    }
}

// Help, Help Topics opens the help document beside the program.
TEST_F(UseFirstStartTest, HelpOpensTheHelpDocument)
{
    shelltest::RecordingOpener opener;
    platform::SetAppShellOpener(&opener);
    f.Frame().SetHelpFolder(kProgramDir);
    f.Frame().ActionsOf(cmd::HelpDocument).front()->trigger();
    platform::SetAppShellOpener(nullptr);
    ASSERT_EQ(opener.opened, std::vector<std::string>{kProgramDir + "/TessavoHelp.pdf"});
    const std::string pdf = ReadAll(opener.opened.front());
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_GT(pdf.size(), 2000u);
    EXPECT_EQ(f.prompter.Boxes().size(), 0u);
}

}  // namespace
