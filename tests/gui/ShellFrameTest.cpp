// The main frame: its menus, toolbar and status bar, the view switch, the
// command states and the frame's own commands.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include "CBinTreeView.h"
#include "CDataReport.h"
#include "CMeasView.h"
#include "CSdiView.h"
#include "CommandIds.h"
#include "Files.h"
#include "PropSheetSetup.h"
#include "ShellTestSupport.h"

using shelltest::MenuTexts;
using shelltest::ShellFixture;

namespace {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTranslatorVersionQuery([this] { return libraryVersion; });
        ASSERT_TRUE(f.Start());
    }
    bool Enabled(int id) { return f.Frame().UpdateCommand(id).enabled; }
    bool Checked(int id) { return f.Frame().UpdateCommand(id).checked; }

    ShellFixture f;
    int libraryVersion = 323;
};

TEST_F(FrameTest, MenusHoldEveryItemOfTheProgram)
{
    CMainFrame& frame = f.Frame();
    EXPECT_EQ(frame.windowTitle(), "J57 - Utility");
    std::vector<std::string> titles;
    for (QAction* top : frame.menuBar()->actions())
        titles.push_back(top->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&View", "&Setups", "&Data", "&Help"}));
    EXPECT_EQ(MenuTexts(frame.GetMenu("&File")),
              (std::vector<std::string>{
                  "&Connect...", "&Get Setups from J57", "-", "&New Setup...\tCtrl+N",
                  "&Open Setup File...\tCtrl+O", "-", "&Save Setup to File...\tCtrl+S", "Save Setup to &J57", "-",
                  "&Export Data...", "V&iew Data in Spreadsheet", "-", "C&lose Setup", "Close &All Setups", "-",
                  "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-", "&Upgrade Firmware...", "-",
                  "E&xit"}));
    EXPECT_EQ(MenuTexts(frame.GetMenu("&View")),
              (std::vector<std::string>{"&Setup View", "&Download View", "&Translate View", "-",
                                        "&Histogram Options", "Set &RT60 Options", "-", "T&oolbar",
                                        "Status &Bar"}));
    EXPECT_EQ(MenuTexts(frame.GetMenu("&Setups")),
              (std::vector<std::string>{"&Rename Setup", "Make Setup &Current", "&Lock Setup", "&Unlock Setup",
                                        "&Delete"}));
    EXPECT_EQ(MenuTexts(frame.GetMenu("&Help")),
              (std::vector<std::string>{"&Help Document", "-", "&About J57 Utility..."}));
}

TEST_F(FrameTest, ToolbarAndStatusBar)
{
    std::vector<std::string> tips;
    for (QAction* action : f.Frame().GetToolBar()->actions())
        tips.push_back(action->isSeparator() ? "-" : action->toolTip().toStdString());
    EXPECT_EQ(tips, (std::vector<std::string>{"Connect", "-", "Retrieve setups from J57", "New J57 Setup",
                                              "Open Setup File", "-", "Save Setup to a File", "Store Setup in J57",
                                              "-", "Setup Window", "Download Window", "Translate Window", "-",
                                              "Launch spreadsheet and view data"}));
    for (QAction* action : f.Frame().GetToolBar()->actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
    QStatusBar* bar = f.Frame().statusBar();
    for (const char* pane : {"CAP", "NUM", "SCRL"})
        EXPECT_NE(bar->findChild<QLabel*>(pane), nullptr) << pane;
}

TEST_F(FrameTest, AcceleratorsAndAboutBox)
{
    bool ctrl8 = false;
    for (QAction* action : f.Frame().ActionsOf(cmd::SaveSetupToJ57))
        ctrl8 = ctrl8 || action->shortcut() == QKeySequence("Ctrl+8");
    EXPECT_TRUE(ctrl8);
    EXPECT_EQ(f.Frame().ActionsOf(cmd::EditCopy).size(), 2u);  // Ctrl+C and Ctrl+Insert

    std::vector<std::string> texts;
    QString caption;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        caption = about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts.push_back(label->text().toStdString());
        static_cast<QDialog*>(about)->accept();
    });
    f.Frame().OnCommand(cmd::About);
    EXPECT_EQ(caption, "About J57 Utility");
    EXPECT_EQ(texts, (std::vector<std::string>{"J57 Utility Software", "Version 3.12", "June 2003"}));
}

TEST_F(FrameTest, SetupViewSurvivesARoundTripAndTheOthersAreRebuilt)
{
    CSdiDoc& doc = f.Doc();
    CSdiView* setup = doc.GetSdiView();
    ASSERT_NE(setup, nullptr);
    ASSERT_NE(setup->GetSheet(), nullptr);
    EXPECT_EQ(setup->GetSheet()->count(), 0);  // the blank page is gone
    EXPECT_TRUE(doc.IsSetupViewActive());

    f.Frame().SwitchView(CMainFrame::kDownloadView);
    QPointer<CMeasView> download = dynamic_cast<CMeasView*>(doc.GetFirstView());
    ASSERT_TRUE(download);
    EXPECT_TRUE(doc.IsDownloadViewActive());
    EXPECT_FALSE(doc.HasView(setup));
    EXPECT_FALSE(setup->isEnabled());
    EXPECT_TRUE(setup->isHidden());

    doc.OnSetupView();
    shelltest::RunDeferredDeletes();
    EXPECT_FALSE(download);
    EXPECT_EQ(doc.GetSdiView(), setup);
    EXPECT_EQ(doc.GetFirstView(), setup);
    EXPECT_TRUE(setup->isEnabled());
    EXPECT_TRUE(setup->isVisible());

    doc.OnTranslateView();
    QPointer<QSplitter> splitter = f.Frame().GetSplitter();
    ASSERT_TRUE(splitter);
    EXPECT_TRUE(doc.IsTranslateViewActive());
    EXPECT_TRUE(doc.IsTreeViewFirst());
    ASSERT_NE(doc.GetReportView(), nullptr);
    EXPECT_EQ(splitter->count(), 2);
    EXPECT_NE(qobject_cast<CBinTreeView*>(splitter->widget(0)), nullptr);
    EXPECT_NE(qobject_cast<CDataReport*>(splitter->widget(1)), nullptr);

    doc.OnTranslateView();  // shown already: no second splitter
    EXPECT_EQ(f.Frame().GetSplitter(), splitter);

    f.Frame().SwitchView(CMainFrame::kDownloadView);
    shelltest::RunDeferredDeletes();
    EXPECT_FALSE(splitter);
    EXPECT_EQ(doc.GetReportView(), nullptr);
    EXPECT_TRUE(doc.IsDownloadViewActive());
    EXPECT_EQ(doc.Views().size(), 1u);
}

TEST_F(FrameTest, OldLibraryRefusesTheTranslateView)
{
    libraryVersion = 322;
    f.prompter.Expect(platform::IDOK);
    f.Frame().OnCommand(cmd::TranslateView);
    EXPECT_EQ(f.prompter.LastText(),
              "Unable to translate data.\nTessdec.dll version 3.23 is required (version 3.22 is installed).");
    EXPECT_TRUE(f.Doc().IsSetupViewActive());
    EXPECT_EQ(f.Frame().GetSplitter(), nullptr);
}

TEST_F(FrameTest, CommandStatesFollowTheActiveView)
{
    // Setup view, nothing selected, not connected.
    EXPECT_TRUE(Enabled(cmd::Connect));
    EXPECT_TRUE(Enabled(cmd::NewSetup));
    EXPECT_TRUE(Enabled(cmd::GetSetups));
    EXPECT_FALSE(Enabled(cmd::SaveSetupToJ57));
    EXPECT_FALSE(Enabled(cmd::RenameSetup));
    EXPECT_FALSE(Enabled(cmd::ExportData));
    EXPECT_FALSE(Enabled(cmd::EditCopy));  // nobody handles it
    EXPECT_TRUE(Enabled(cmd::HistogramOptions));
    EXPECT_TRUE(Checked(cmd::SetupView));
    EXPECT_FALSE(Checked(cmd::TranslateView));
    EXPECT_FALSE(f.Frame().ActionsOf(cmd::SaveSetupToJ57).front()->isEnabled());

    f.Frame().SwitchView(CMainFrame::kDownloadView);
    EXPECT_TRUE(Enabled(cmd::Connect));
    EXPECT_FALSE(Enabled(cmd::NewSetup));
    EXPECT_TRUE(Checked(cmd::DownloadView));

    f.Frame().OnCommand(cmd::TranslateView);
    EXPECT_FALSE(Enabled(cmd::Connect));
    EXPECT_FALSE(Enabled(cmd::OpenSetupFile));
    EXPECT_FALSE(Enabled(cmd::Print));  // no report shown
    EXPECT_TRUE(Enabled(cmd::NextPane));
    EXPECT_TRUE(Checked(cmd::TranslateView));
    for (QAction* action : f.Frame().ActionsOf(cmd::TranslateView))
        EXPECT_TRUE(action->isChecked());
}

TEST_F(FrameTest, SelectedSetupDecidesTheSetupCommands)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(10);
    record->SetOrigin(5);
    f.Doc().GetSetupList().AddSorted(std::move(record));
    auto system = std::make_unique<SetupRec>();
    system->SetType(1);
    system->SetOrigin(7);
    f.Doc().GetSetupList().AddSorted(std::move(system));
    CSdiView* view = f.Doc().GetSdiView();
    f.Doc().RebuildSetupView();
    ASSERT_EQ(view->GetSetupCount(), 2);

    view->SelectSetup(0);  // the system setup comes first
    EXPECT_TRUE(Enabled(cmd::SaveSetupToJ57));
    EXPECT_FALSE(Enabled(cmd::SaveSetupToFile));
    EXPECT_FALSE(Enabled(cmd::DeleteSetup));

    view->SelectSetup(1);
    EXPECT_EQ(view->GetCurrentSetup(), f.Doc().GetSetupList().GetAt(1));
    EXPECT_TRUE(Enabled(cmd::SaveSetupToFile));
    EXPECT_TRUE(Enabled(cmd::RenameSetup));
    EXPECT_TRUE(Enabled(cmd::DeleteSetup));
    EXPECT_FALSE(Enabled(cmd::LockSetup));

    // Another view: no setup commands.
    f.Frame().SwitchView(CMainFrame::kDownloadView);
    EXPECT_FALSE(Enabled(cmd::SaveSetupToJ57));
}

struct RuleCase {
    int id;
    std::optional<SelectedSetupState> selected;
    bool enabled;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.id;
    if (c.selected)
        *os << " type " << c.selected->type << " origin " << c.selected->origin << (c.selected->locked ? " locked" : "")
            << (c.selected->protect ? " protected" : "") << (c.selected->instrumentActive ? " active" : "");
}

class CommandRules : public ::testing::TestWithParam<RuleCase> {};

constexpr SelectedSetupState Setup(int type, int origin, bool locked, bool protect, bool active)
{
    return SelectedSetupState{type, origin, locked, protect, active};
}

TEST_P(CommandRules, SetupCommandsInTheSetupView)
{
    CmdUI ui;
    ui.id = GetParam().id;
    CommandContext ctx;
    ctx.view = ActiveView::Setup;
    ctx.selected = GetParam().selected;
    DocumentCommandState(ui, ctx);
    EXPECT_TRUE(ui.handled);
    EXPECT_EQ(ui.enabled, GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandRules,
    ::testing::Values(
        RuleCase{cmd::SaveSetupToJ57, Setup(1, 7, false, false, false), true},
        RuleCase{cmd::SaveSetupToFile, Setup(1, 7, false, false, false), false},
        RuleCase{cmd::SaveSetupToFile, Setup(10, 5, false, false, false), true},
        // Rename: a file or new setup even when it carries the active name;
        // an instrument setup only when it is not the active one.
        RuleCase{cmd::RenameSetup, Setup(10, 5, false, false, true), true},
        RuleCase{cmd::RenameSetup, Setup(10, 7, false, false, true), false},
        RuleCase{cmd::RenameSetup, Setup(10, 7, false, false, false), true},
        RuleCase{cmd::RenameSetup, Setup(10, 7, false, true, false), false},
        RuleCase{cmd::UnlockSetup, Setup(10, 7, true, false, false), true},
        RuleCase{cmd::UnlockSetup, Setup(10, 7, true, true, false), false},
        RuleCase{cmd::DeleteSetup, Setup(10, 7, true, false, false), false},
        RuleCase{cmd::DeleteSetup, Setup(10, 5, false, false, false), true},
        RuleCase{cmd::LockSetup, Setup(10, 7, false, false, false), true},
        RuleCase{cmd::LockSetup, Setup(10, 5, false, false, false), false},
        RuleCase{cmd::MakeSetupCurrent, Setup(10, 7, true, false, false), true},
        RuleCase{cmd::MakeSetupCurrent, Setup(10, 7, false, false, true), false},
        RuleCase{cmd::MakeSetupCurrent, Setup(1, 7, false, false, false), false},
        RuleCase{cmd::DeleteSetup, std::nullopt, false}));

TEST(CommandRulesReport, SpreadsheetNeedsAReportAndACsvViewer)
{
    struct Case {
        bool hasReport, csvViewer, enabled;
    };
    for (Case c : {Case{false, true, false}, Case{true, false, false}, Case{true, true, true}}) {
        CmdUI ui;
        ui.id = cmd::ViewDataInSpreadsheet;
        CommandContext ctx;
        ctx.view = ActiveView::Translate;
        ctx.hasReport = c.hasReport;
        ctx.csvViewer = c.csvViewer;
        DocumentCommandState(ui, ctx);
        EXPECT_EQ(ui.enabled, c.enabled) << c.hasReport << c.csvViewer;
        ui = CmdUI{};
        ui.id = cmd::Print;
        DocumentCommandState(ui, ctx);
        EXPECT_EQ(ui.enabled, c.hasReport);
    }
}

TEST_F(FrameTest, Rt60OptionsWithoutDataOnlyTellsSo)
{
    f.prompter.Expect(platform::IDOK);
    f.Frame().OnCommand(cmd::Rt60Options);
    EXPECT_EQ(f.prompter.LastText(), "No RT60 data has been loaded");
    EXPECT_EQ(f.profile.GetProfileString("RT60Settings", "dBDown", "none"), "none");
}

TEST_F(FrameTest, Rt60OptionsWriteTheSettingsOnOk)
{
    f.Frame().SetRt60BandFlag(1);
    f.profile.WriteProfileInt("RT60Settings", "EndFreq", 20);
    shelltest::AnswerNextDialog(true);
    f.Frame().OnCommand(cmd::Rt60Options);
    EXPECT_EQ(f.profile.GetProfileString("RT60Settings", "dBDown", ""), "10");
    EXPECT_EQ(f.profile.GetProfileInt("RT60Settings", "StartFreq", -1), 0);
    EXPECT_EQ(f.profile.GetProfileInt("RT60Settings", "EndFreq", -1), 20);
}

TEST_F(FrameTest, HistogramOptionsWriteOnOkOnly)
{
    shelltest::AnswerNextDialog(false);
    f.Frame().OnCommand(cmd::HistogramOptions);
    EXPECT_EQ(f.profile.GetProfileInt("Histogram Options", "SPLRes", -1), -1);

    f.profile.WriteProfileInt("Histogram Options", "PeakLowLimit", 60);
    shelltest::AnswerNextDialog(true);
    f.Frame().OnCommand(cmd::HistogramOptions);
    EXPECT_EQ(f.profile.GetProfileInt("Histogram Options", "SPLRes", -1), 10);
    EXPECT_EQ(f.profile.GetProfileInt("Histogram Options", "PeakLowLimit", -1), 60);
    EXPECT_EQ(f.profile.GetProfileInt("Histogram Options", "UwPkHighLimit", -1), 140);
    EXPECT_EQ(f.profile.GetProfileInt("Histogram Options", "LnTblHighLimit", -1), 95);
}

using shelltest::RecordingOpener;

TEST_F(FrameTest, HelpDocumentOpensOrTellsWhyNot)
{
    RecordingOpener opener;
    platform::SetAppShellOpener(&opener);
    const std::string folder = ::testing::TempDir() + "shell-help";
    const std::string pdf = folder + "/TessavoHelp.pdf";
    std::remove(pdf.c_str());
    f.Frame().SetHelpFolder(folder);

    f.prompter.Expect("The on-line help file ('TessavoHelp.pdf') is missing.\nYou will need to reinstall",
                      platform::IDOK);
    f.Frame().OnCommand(cmd::HelpDocument);
    EXPECT_TRUE(opener.opened.empty());

    std::string mk = "mkdir -p '" + folder + "'";
    ASSERT_EQ(std::system(mk.c_str()), 0);
    std::ofstream(pdf) << "%PDF";
    f.Frame().OnCommand(cmd::HelpDocument);
    EXPECT_EQ(opener.opened, std::vector<std::string>{pdf});

    opener.result = false;
    f.prompter.Expect("Unable to start Acrobat reader to display the on-line help file.\nPlease check to make "
                      "sure that the the Acrobat viewer\nis installed on your system.",
                      platform::IDOK);
    f.Frame().OnCommand(cmd::HelpDocument);
    EXPECT_EQ(f.prompter.Pending(), 0u);
    platform::SetAppShellOpener(nullptr);
    std::remove(pdf.c_str());
}

TEST_F(FrameTest, SetupContextCommandsCarryTextAndImages)
{
    for (int id : {cmd::UnlockSetup, cmd::RenameSetup, cmd::LockSetup, cmd::DeleteSetup, cmd::MakeSetupCurrent}) {
        std::unique_ptr<QAction> action(CMainFrame::MakeSetupContextAction(id, nullptr));
        EXPECT_FALSE(action->text().isEmpty()) << id;
        EXPECT_FALSE(action->icon().pixmap(16, 16, QIcon::Disabled).isNull()) << id;
    }
    std::unique_ptr<QAction> del(CMainFrame::MakeSetupContextAction(cmd::DeleteSetup, nullptr));
    EXPECT_EQ(del->text(), "&Delete Setup");
}

// Pictures of the three views for people to look at (in the build folder).
TEST_F(FrameTest, ScreenshotsOfTheViews)
{
    CMainFrame& frame = f.Frame();
    frame.resize(900, 600);
    EXPECT_TRUE(frame.grab().save("shell-setup-view.png"));
    frame.SwitchView(CMainFrame::kDownloadView);
    EXPECT_TRUE(frame.grab().save("shell-download-view.png"));
    f.Doc().OnTranslateView();
    EXPECT_TRUE(frame.grab().save("shell-translate-view.png"));
}

}  // namespace
