// The download command against the simulated J57: download files named by
// the pattern, their bytes, replacing existing files, and failed downloads.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CMeasView.h"
#include "CommandIds.h"
#include "DownloadFileBuilder.h"
#include "DownloadOptionsDialog.h"
#include "Files.h"
#include "DownloadProgressDialog.h"
#include "GFTiming.h"
#include "GFXmodem.h"
#include "J57Instrument.h"
#include "J57Setups.h"
#include "J57Sim.h"
#include "J57Xmodem.h"
#include "MeasListCtrl.h"
#include "PropPageDownload.h"
#include "ReplaceFileDialog.h"
#include "SetupBlock.h"
#include "ShellSetupSimSupport.h"
#include "ShellTestSupport.h"

namespace fs = std::filesystem;

namespace {


std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// What the XMODEM sender delivers: the payload padded with 0x1A to whole
// 128-byte blocks.
std::string Padded(std::string payload)
{
    payload.append((128 - payload.size() % 128) % 128, '\x1a');
    return payload;
}

using shelltest::RecordingOpener;

class DownloadTest : public ::testing::Test {
protected:
    DownloadTest() : scale(shelltest::kSimPauseScale, shelltest::kSimAnswerScale)
    {
        sim.Bind(f.profile, 1);
        dir = fs::temp_directory_path() / ("j57dl-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "tmp");
        oldTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        ::setenv("TMPDIR", (dir / "tmp").c_str(), 1);
        platform::SetAppShellOpener(&opener);
        for (int i = 0; i < 10; ++i) {
            std::string payload = "file " + std::to_string(i) + std::string("\r\n\x11\x13\x1a", 5);
            payload += std::string(1, '\0') + "\xff" + std::string(150, static_cast<char>('a' + i));
            j57.files.push_back({shelltest::StoredFileInfo("RUN" + std::to_string(i), "LOG"), payload});
        }
        // Each download sends the file the recall made current.
        sim.On("X160", [this](const std::string&) {
            {
                std::lock_guard lock(sim.Mutex());
                sender.payload = j57.files[static_cast<size_t>(std::max(j57.selected, 1) - 1)].payload;
            }
            sim.AfterReply([this] { sender.Run(sim); });
            return std::optional<std::string>("");
        });
    }
    ~DownloadTest() override
    {
        platform::SetAppShellOpener(nullptr);
        if (oldTmp.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", oldTmp.c_str(), 1);
        fs::remove_all(dir);
    }
    void SetUp() override
    {
        ASSERT_TRUE(f.Start());
        f.profile.WriteProfileInt("Download", "Type", 101);
        ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
        f.Frame().OnCommand(cmd::DownloadView);
        view = f.Doc().GetMeasView();
        ASSERT_NE(view, nullptr);
        page = view->GetPage();
    }

    // Selects rows, names the files through Browse and presses Download.
    void Download(std::initializer_list<int> rows, const std::string& chosen)
    {
        view->GetList()->clearSelection();
        for (int row : rows)
            view->GetList()->item(row)->setSelected(true);
        f.prompter.ExpectFile((dir / chosen).string());
        page->OnBrowse();
        page->findChild<QLineEdit*>("location")->setText("Main Street");
        page->findChild<QLineEdit*>("note1")->setText("windy");
        page->findChild<QPushButton*>("downloadButton")->click();
    }
    // Answers the Confirm File Replace boxes in order, as they come.
    void AnswerReplace(std::vector<const char*> buttons)
    {
        replaceAnswers.insert(replaceAnswers.end(), buttons.begin(), buttons.end());
        if (replacePoll)
            return;
        replacePoll = new QTimer(view);
        QObject::connect(replacePoll, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<ReplaceFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++replaceQuestions;
            if (replaceAnswers.empty()) {
                ADD_FAILURE() << "unexpected replace question";
                dialog->reject();
                return;
            }
            const char* name = replaceAnswers.front();
            replaceAnswers.erase(replaceAnswers.begin());
            dialog->findChild<QPushButton*>(name)->click();
        });
        replacePoll->start(20);
    }
    std::string Expected(int index) const
    {
        return "@Main Street\r\n@windy\r\n@\r\n" + Padded(j57.files[static_cast<size_t>(index)].payload);
    }
    bool Marked(int row) const { return view->GetList()->RecordAt(row)->IsDownloadComplete(); }
    size_t TempFiles() const
    {
        size_t count = 0;
        for (const auto& entry : fs::directory_iterator(dir / "tmp"))
            count += entry.path().filename().string().rfind("J57", 0) == 0;
        for (const auto& entry : fs::directory_iterator(dir))
            count += entry.path().filename().string().rfind(".J57", 0) == 0;
        return count;
    }

    RecordingOpener opener;
    shelltest::ShellFixture f;
    comm::ScopedTimeScale scale;
    // Before the simulator: a transfer session may still use it while the
    // simulator's thread stops.
    sim::XmodemSender sender;
    sim::J57Sim sim;
    sim::J57Instrument j57{sim};
    sim::J57Setups setups{sim};
    fs::path dir;
    std::string oldTmp;
    CMeasView* view = nullptr;
    PropPageDownload* page = nullptr;
    int replaceQuestions = 0;
    std::vector<const char*> replaceAnswers;
    QTimer* replacePoll = nullptr;
};

TEST_F(DownloadTest, EachMeasurementIsNumberedByItsPlaceInTheInstrument)
{
    Download({0, 4, 9}, "site.txt");
    for (int index : {0, 4, 9}) {
        char name[32];
        std::snprintf(name, sizeof name, "site_%03d.slmdl", index + 1);
        EXPECT_EQ(Read(dir / name), Expected(index)) << name;
        EXPECT_TRUE(Marked(index));
    }
    EXPECT_FALSE(Marked(1));
    EXPECT_EQ(TempFiles(), 0u);
    EXPECT_EQ(page->GetStatus(), "");
}

TEST_F(DownloadTest, OneMeasurementTakesThePageNameAndShowsItsMark)
{
    Download({3}, "north");
    EXPECT_EQ(Read(dir / "north.slmdl"), Expected(3));
    EXPECT_EQ(page->GetStatus(), "Download Complete");
}

// The chosen name is the file's name as typed: ':' and '\\' are characters
// of a name here, not separators.
TEST_F(DownloadTest, AChosenNameIsKeptAsTyped)
{
    for (const char* chosen : {"site 12:30.slmdl", "north\\south.slmdl"}) {
        Download({3}, chosen);
        EXPECT_EQ(Read(dir / chosen), Expected(3)) << chosen;
    }
    EXPECT_FALSE(fs::exists(dir / "30.slmdl"));
}

// Without a usable temporary folder nothing can be received: the command
// says so instead of doing nothing.
TEST_F(DownloadTest, NoTemporaryFolderIsTold)
{
    ::setenv("TMPDIR", (dir / "missing").c_str(), 1);
    f.prompter.Expect("Unable to create download file", platform::IDOK);
    Download({3}, "north");
    EXPECT_FALSE(fs::exists(dir / "north.slmdl"));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(DownloadTest, NoSkipsOnlyThatFileAndYesToAllAsksNoMore)
{
    Write(dir / "site_001.slmdl", "old one");
    Write(dir / "site_003.slmdl", "old three");
    Write(dir / "site_004.slmdl", "old four");
    AnswerReplace({"noButton", "yesToAllButton"});
    Download({0, 1, 2, 3}, "site.slmdl");
    EXPECT_EQ(replaceQuestions, 2);
    EXPECT_EQ(Read(dir / "site_001.slmdl"), "old one");
    EXPECT_FALSE(Marked(0));
    EXPECT_EQ(Read(dir / "site_002.slmdl"), Expected(1));
    EXPECT_EQ(Read(dir / "site_003.slmdl"), Expected(2));
    EXPECT_EQ(Read(dir / "site_004.slmdl"), Expected(3));
}

TEST_F(DownloadTest, AFailedDownloadLeavesTheOldFileAndStops)
{
    Write(dir / "site_001.slmdl", "old one");
    sender.cancelBeforeBlock = 2;
    AnswerReplace({"yesButton"});
    f.prompter.Expect("An error occurred while communicating with the J57", platform::IDOK);
    Download({0, 1}, "site.slmdl");
    EXPECT_EQ(Read(dir / "site_001.slmdl"), "old one");
    EXPECT_FALSE(fs::exists(dir / "site_002.slmdl"));
    EXPECT_FALSE(Marked(0));
    EXPECT_EQ(TempFiles(), 0u);
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(DownloadTest, CancelInTheProgressWindowStopsWithoutAFile)
{
    // A long stall in the second block: the transfer is under way when the
    // user clicks Cancel on the window the download command put up.
    sender.stallBeforeBlock = 2;
    sender.stallMs = 3000;
    bool clicked = false;
    bool cancelUsable = false;
    QString lastStatus;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<DownloadProgressDialog*>(widget);
            if (!progress || !progress->isVisible())
                continue;
            lastStatus = progress->findChild<QLabel*>("statusLine")->text();
            auto* cancel = progress->findChild<QPushButton*>("cancelButton");
            if (clicked || !progress->findChild<QLabel*>("byteCountLine")->text().startsWith("Received"))
                continue;
            clicked = true;
            cancelUsable = cancel->isEnabled() && !f.Frame().isEnabled();
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    watcher.start(10);
    Download({0, 1}, "site.slmdl");
    watcher.stop();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(cancelUsable);
    EXPECT_EQ(lastStatus, "Download Cancelled");
    EXPECT_FALSE(fs::exists(dir / "site_001.slmdl"));
    EXPECT_FALSE(fs::exists(dir / "site_002.slmdl"));
    EXPECT_FALSE(Marked(0));
    EXPECT_EQ(TempFiles(), 0u);
    EXPECT_TRUE(f.Frame().isEnabled());
}

TEST_F(DownloadTest, AFailedRecallShowsTheInstrumentsMessage)
{
    sim.On("&F102", [](const std::string&) { return std::optional<std::string>("\x07Memory busy"); });
    f.prompter.Expect("The J57 message was:\nMemory busy", platform::IDOK);
    Download({2}, "one.slmdl");
    EXPECT_FALSE(fs::exists(dir / "one.slmdl"));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(DownloadTest, ARefusedStartShowsTheInstrumentsTextWithoutWaitingForTheLine)
{
    sim.On("X160", [](const std::string&) { return std::optional<std::string>("\x07No data"); });
    f.prompter.Expect("An error occurred while communicating with the J57 (No data)", platform::IDOK);
    const auto start = std::chrono::steady_clock::now();
    Download({2}, "one.slmdl");
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(comm::ScaledMs(comm::GFXmodem::kSilenceSeconds)));
    EXPECT_FALSE(fs::exists(dir / "one.slmdl"));
    EXPECT_FALSE(Marked(2));
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

}  // namespace

namespace {

TEST_F(DownloadTest, OneModeAsksForTheOptionsFirst)
{
    view->GetTypeCombo()->setCurrentIndex(view->GetTypeCombo()->findText("LOG"));
    // Cancel downloads nothing; OK hands the selection on.
    shelltest::AnswerNextDialog(false);
    Download({1}, "first.slmdl");
    EXPECT_FALSE(fs::exists(dir / "first.slmdl"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<DownloadOptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->GetMeasurementType(), 7);
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    Download({1}, "first.slmdl");
    EXPECT_EQ(Read(dir / "first.slmdl"), Expected(1));
}

// A logging measurement with its settings, system and calibration records.
std::string LoggingFile()
{
    fixtures::HeaderSpec header;
    header.modeLine = "LOG";
    fixtures::DownloadFileBuilder file;
    file.Header(header).Q(5, "Quarry");
    file.Record('M', fixtures::BodyBuilder().Text("MODE", SetupBlock::kMode).U8(2).PadTo(400));
    file.Record('S', fixtures::BodyBuilder().PadTo(226)).Record('C', fixtures::BodyBuilder().PadTo(65));
    file.J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    return file.Bytes();
}

// Launch with the system and calibration settings as text reports, the
// LOG filter chosen and its options dialog confirmed at once.
void ChooseLoggingReports(shelltest::ShellFixture& f, CMeasView* view)
{
    f.profile.WriteProfileInt("Download", "Launch", 1);
    f.profile.WriteProfileInt("Download", "Text", 1);
    f.profile.WriteProfileInt("Download", "Spreadsheet", 0);
    f.profile.WriteProfileInt("TranslateOptionsLOG", "SysSettings", 1);
    f.profile.WriteProfileInt("TranslateOptionsLOG", "CalSettings", 1);
    view->GetTypeCombo()->setCurrentIndex(view->GetTypeCombo()->findText("LOG"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<DownloadOptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("okButton")->click();
    });
}

TEST_F(DownloadTest, LaunchWritesTheChosenReportsBesideTheDownloadFile)
{
    j57.files[1].payload = LoggingFile();
    ChooseLoggingReports(f, view);
    Download({1}, "site.slmdl");

    ASSERT_TRUE(fs::exists(dir / "site.slmdl"));
    const std::string report = Read(dir / "site.txt");
    EXPECT_EQ(report.rfind("J57 System Settings ", 0), 0u) << report.substr(0, 200);
    const size_t calibration = report.find("\r\nJ57 Calibration Settings ");
    EXPECT_NE(calibration, std::string::npos);
    // The header goes with the first report only.
    EXPECT_NE(report.find("File Translated:"), std::string::npos);
    EXPECT_EQ(report.find("File Translated:", calibration), std::string::npos);
    EXPECT_EQ(report.find('\n'), report.find("\r\n") + 1);
    EXPECT_EQ(opener.opened, std::vector<std::string>{(dir / "site.txt").string()});
    EXPECT_EQ(TempFiles(), 0u);
}

TEST_F(DownloadTest, ReportsComeOnlyFromTheDownloadsOfThisRun)
{
    // An older file of the first measurement's name is in the folder; the
    // first download fails, the second succeeds.
    const std::string old = "@OLD SURVEY 2002\r\n@\r\n@\r\n" + LoggingFile();
    Write(dir / "site_001.slmdl", old);
    j57.files[0].payload = LoggingFile();
    j57.files[1].payload = LoggingFile();
    int starts = 0;
    sim.On("X160", [this, &starts](const std::string&) {
        // No answer to the first start: that download fails.
        if (++starts == 1)
            return std::optional<std::string>();
        {
            std::lock_guard lock(sim.Mutex());
            sender.payload = j57.files[static_cast<size_t>(std::max(j57.selected, 1) - 1)].payload;
        }
        sim.AfterReply([this] { sender.Run(sim); });
        return std::optional<std::string>("");
    });
    AnswerReplace({"yesButton"});
    f.prompter.Expect("An error occurred while communicating with the J57", platform::IDOK);
    ChooseLoggingReports(f, view);
    Download({0, 1}, "site.slmdl");

    EXPECT_EQ(Read(dir / "site_001.slmdl"), old);
    EXPECT_FALSE(fs::exists(dir / "site_001.txt"));
    const std::string report = Read(dir / "site_002.txt");
    EXPECT_EQ(report.rfind("J57 System Settings ", 0), 0u) << report.substr(0, 200);
    EXPECT_NE(report.find("Location:         Main Street\r\n"), std::string::npos);
    EXPECT_EQ(report.find("OLD SURVEY"), std::string::npos);
    EXPECT_EQ(opener.opened, std::vector<std::string>{(dir / "site_002.txt").string()});
    EXPECT_EQ(f.prompter.Pending(), 0u);
}

TEST_F(DownloadTest, NoReportAndNoViewerWhenNothingWasDownloaded)
{
    Write(dir / "site_001.slmdl", "@OLD SURVEY 2002\r\n@\r\n@\r\n" + LoggingFile());
    sim.On("X160", [](const std::string&) { return std::optional<std::string>(); });
    AnswerReplace({"yesButton"});
    f.prompter.Expect("An error occurred while communicating with the J57", platform::IDOK);
    ChooseLoggingReports(f, view);
    Download({0}, "site_001.slmdl");
    EXPECT_FALSE(fs::exists(dir / "site_001.txt"));
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(DownloadTest, TextsOfThePageGoIntoTheFileAsTheInstrumentWritesThem)
{
    // The folder name is UTF-8 like every path; the location is written in
    // the instrument's Windows-1252.
    fs::create_directories(dir / "Pr\xC3\xBC" "fung");
    view->GetList()->clearSelection();
    view->GetList()->item(3)->setSelected(true);
    f.prompter.ExpectFile((dir / "Pr\xC3\xBC" "fung" / "north.slmdl").string());
    page->OnBrowse();
    page->findChild<QLineEdit*>("location")->setText(QString::fromUtf8("M\xC3\xBCllerstra\xC3\x9F" "e \xE2\x82\xAC" "5"));
    page->findChild<QPushButton*>("downloadButton")->click();
    const std::string file = Read(dir / "Pr\xC3\xBC" "fung" / "north.slmdl");
    EXPECT_EQ(file.rfind("@M\xFCllerstra\xDF" "e \x80" "5\r\n@", 0), 0u) << file.substr(0, 40);
}

}  // namespace
