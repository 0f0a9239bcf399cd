// An instrument that loses a reply or falls silent after the connect: the
// program says so instead of reporting an empty instrument, a stopped one or
// a success; the firmware revision read at connect is not asked again; a
// menu opening asks the instrument only what its states need.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QPushButton>

#include "CMeasView.h"
#include "CSdiView.h"
#include "Clock.h"
#include "CommandIds.h"
#include "J57Xmodem.h"
#include "MeasListCtrl.h"
#include "MeasurementSetupFields.h"
#include "PropPageDownload.h"
#include "SetupBlockBuilder.h"
#include "SetupListCtrl.h"
#include "SlmLink.h"
#include "ShellSetupSimSupport.h"

namespace fs = std::filesystem;

namespace {

using testsupport::SetupBlockBuilder;


sim::SimSetup Entry(const std::string& name, const std::vector<uint8_t>& block, char active = ' ')
{
    sim::SimSetup s;
    s.name = name;
    s.active = active;
    s.block = std::string(block.begin(), block.end());
    s.block.resize(513, '\0');
    return s;
}

class SilentInstrumentTest : public ::testing::Test, protected shelltest::SenderHolder, protected shelltest::SimShell {
protected:
    void SetUp() override
    {
        j57.revision = "3.70";
        j57.files.push_back({shelltest::StoredFileInfo("RUN0", "SSA"), "ssa data"});
        setups.setups = {
            Entry("DEFAULT.RTA", SetupBlockBuilder(216).Version(5).Name("DEFAULT").Mode(4).Bytes(), 'A'),
            Entry("PLAIN.SSA", SetupBlockBuilder(219).Version(5).Name("PLAIN").Mode(0).Bytes()),
        };
        ActiveSetupFollowsDirectory();
        sim.On("X160", [this](const std::string&) {
            sender.payload = "ssa data";
            sim.AfterReply([this] { sender.Run(sim); });
            return std::optional<std::string>("");
        });
        dir = fs::temp_directory_path() / ("j57silent-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ASSERT_TRUE(f.Start());
        ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    }
    void TearDown() override { fs::remove_all(dir); }

    int Count(const std::string& prefix) const
    {
        int n = 0;
        for (const std::string& c : sim.Commands())
            n += c.rfind(prefix, 0) == 0;
        return n;
    }
    // Every later "R90" goes unanswered.
    void LoseRevisionReplies()
    {
        sim.On("R90", [](const std::string&) { return std::optional<std::string>(); });
    }
    void GetSetups()
    {
        f.Frame().OnCommand(cmd::GetSetups);
        ASSERT_GE(SetupRowOf("PLAIN"), 0);
    }
    int SetupRowOf(const std::string& name)
    {
        SetupListCtrl& list = *f.Doc().GetSdiView()->GetSetupList();
        for (int i = 0; i < list.GetCount(); ++i)
            if (list.GetSetupText(i).toStdString() == name)
                return i;
        return -1;
    }

    fs::path dir;
};

// A lost "R90" after the connect changes nothing: the store takes its block
// layout from the revision read at connect and asks no "R90" of its own.
TEST_F(SilentInstrumentTest, AStoreUsesTheRevisionReadAtConnect)
{
    LoseRevisionReplies();
    sim.ClearTranscript();
    SetupRec record;
    record.SetType(7);
    record.SetOrigin(5);
    const std::vector<uint8_t> block = SetupBlockBuilder(219)
                                           .Version(3)
                                           .Name("LOGA")
                                           .Mode(2)
                                           .Byte(MeasurementSetupFields::kThLiveA, 1)
                                           .Byte(MeasurementSetupFields::kThLevelC, 2)
                                           .Byte(MeasurementSetupFields::kThLevelF, 3)
                                           .Bytes();
    record.LoadLOGSetup(block.data(), 219);
    EXPECT_GE(f.Doc().StoreSetupInInstrument(record), 0);
    const sim::SimSetup* stored = setups.Find("LOGA.LOG");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->block[0], 5);
    EXPECT_EQ(stored->block[183], 1);
    EXPECT_EQ(stored->block[184], 2);
    EXPECT_EQ(Count("R90"), 0);
    EXPECT_TRUE(f.prompter.Boxes().empty());  // no "Out-of-date firmware" message
}

// The same for a download: an SSA measurement on current firmware keeps the
// instrument's bandwidth.
TEST_F(SilentInstrumentTest, ADownloadUsesTheRevisionReadAtConnect)
{
    j57.bandwidth = "1/1";
    f.profile.WriteProfileInt("Download", "Type", CMeasView::kAllBinary);
    f.Frame().OnCommand(cmd::DownloadView);
    CMeasView* view = f.Doc().GetMeasView();
    ASSERT_NE(view, nullptr);
    LoseRevisionReplies();
    sim.ClearTranscript();
    view->SelectMeasurement(0);
    f.prompter.ExpectFile((dir / "ssa").string());
    view->GetPage()->OnBrowse();
    view->GetPage()->findChild<QPushButton*>("downloadButton")->click();
    EXPECT_TRUE(fs::exists(dir / "ssa.slmdl"));
    EXPECT_EQ(Count("R90"), 0);
    EXPECT_EQ(Count("S150"), 0);
    EXPECT_EQ(j57.bandwidth, "1/1");
    EXPECT_TRUE(f.prompter.Boxes().empty());
}

// A revision that could not be read is not guessed: the connect fails with
// the failure's text, and a revision lost later refuses stores and SSA
// downloads with a message, sending nothing.
TEST_F(SilentInstrumentTest, AnUnknownRevisionIsRefusedNotGuessed)
{
    LoseRevisionReplies();
    EXPECT_EQ(f.Doc().ConnectInstrument(1, 9600), -201);
    EXPECT_FALSE(f.Doc().IsConnected());

    sim.On("R90", [](const std::string&) { return std::optional<std::string>("3.70"); });
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    LoseRevisionReplies();
    f.Doc().GetLink()->GetFirmwareRevision();  // as a later read that went unanswered
    sim.ClearTranscript();
    SetupRec record;
    record.SetType(7);
    record.SetOrigin(5);
    const std::vector<uint8_t> block = SetupBlockBuilder(219).Version(3).Name("LOGB").Mode(2).Bytes();
    record.LoadLOGSetup(block.data(), 219);
    f.prompter.Expect("firmware version could not be read", platform::IDOK);
    EXPECT_LT(f.Doc().StoreSetupInInstrument(record), 0);
    EXPECT_EQ(Count("&I5"), 0);

    f.profile.WriteProfileInt("Download", "Type", CMeasView::kAllBinary);
    f.Frame().OnCommand(cmd::DownloadView);
    CMeasView* view = f.Doc().GetMeasView();
    ASSERT_NE(view, nullptr);
    view->SelectMeasurement(0);
    f.prompter.ExpectFile((dir / "ssa").string());
    view->GetPage()->OnBrowse();
    f.prompter.Expect("firmware version could not be read", platform::IDOK);
    view->GetPage()->findChild<QPushButton*>("downloadButton")->click();
    EXPECT_FALSE(fs::exists(dir / "ssa.slmdl"));
    EXPECT_EQ(Count("X160"), 0);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

// After the connect the instrument says nothing more: each command ends with
// the failure's text within its bounded wait, never with a false report.
TEST_F(SilentInstrumentTest, ACommandToASilentInstrumentSaysSo)
{
    GetSetups();
    struct Case {
        const char* name;
        std::function<void()> prepare;
        int command;
        std::vector<std::pair<const char*, platform::Answer>> boxes;
    } cases[] = {
        {"Download View", [] {}, cmd::DownloadView, {{"No response from instrument", platform::IDOK}}},
        {"Purge", [] {}, cmd::PurgeAll,
         {{"Are you sure you want to purge", platform::IDYES}, {"No response from instrument", platform::IDOK}}},
        {"Stop", [] {}, cmd::StopInstrument, {{"No response from instrument", platform::IDOK}}},
        // The directory commands tell their own failure (a reply that never
        // checks out), never "is not stored in the J57".
        {"Lock", [this] { f.Doc().GetSdiView()->SelectSetup(SetupRowOf("PLAIN")); }, cmd::LockSetup,
         {{"", platform::IDOK}}},
    };
    for (const Case& c : cases) {
        c.prepare();
        sim.SilenceNext(1000);
        for (const auto& [text, answer] : c.boxes)
            f.prompter.Expect(text, answer);
        const int64_t start = platform::Clock::NowMs();
        f.Frame().OnCommand(c.command);
        EXPECT_LT(platform::Clock::NowMs() - start, 5000) << c.name;
        EXPECT_EQ(f.prompter.Pending(), 0u) << c.name << ": " << f.prompter.LastText();
        EXPECT_TRUE(f.Doc().IsSetupViewActive()) << c.name;
        sim.SilenceNext(0);
    }
    for (const platform::MessageBoxRequest& box : f.prompter.Boxes()) {
        EXPECT_EQ(box.text.find("is not stored in the J57"), std::string::npos);
        EXPECT_EQ(box.text.find("already stopped"), std::string::npos);
        EXPECT_EQ(box.text.find("does not contain any"), std::string::npos);
    }
    EXPECT_FALSE(f.prompter.Boxes().back().text.empty());
}

// Opening a menu asks the instrument nothing, but for the Setups menu with
// an instrument setup selected: one question of each kind. After a failed
// question nothing is asked until a command succeeds, and Rename and Make
// Current stay enabled (the command itself tells the failure).
TEST_F(SilentInstrumentTest, AMenuOpeningAsksOnlyWhatItsStatesNeed)
{
    GetSetups();
    f.Doc().GetSdiView()->SelectSetup(SetupRowOf("DEFAULT"));
    sim.ClearTranscript();
    for (const char* menu : {"&File", "&View", "&Data", "&Help"})
        ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), menu)) << menu;
    EXPECT_TRUE(sim.Commands().empty());

    ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), "&Setups"));
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"Q204", "R180"}));
    EXPECT_FALSE(f.Frame().UpdateCommand(cmd::MakeSetupCurrent).enabled);  // DEFAULT is the active one

    sim.SilenceNext(1000);
    sim.ClearTranscript();
    ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), "&Setups"));
    EXPECT_EQ(sim.Commands(), std::vector<std::string>{"Q204"});
    sim.ClearTranscript();
    ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), "&Setups"));
    ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), "&Help"));
    EXPECT_TRUE(sim.Commands().empty());
    EXPECT_TRUE(f.Frame().UpdateCommand(cmd::MakeSetupCurrent).enabled);
    EXPECT_TRUE(f.Frame().UpdateCommand(cmd::RenameSetup).enabled);

    // A command that gets its answer opens the way again.
    sim.SilenceNext(0);
    f.prompter.Expect("already stopped", platform::IDOK);
    f.Frame().OnCommand(cmd::StopInstrument);
    sim.ClearTranscript();
    ASSERT_TRUE(shelltest::OpenMenu(f.Frame(), "&Setups"));
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"Q204", "R180"}));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

}  // namespace
