// The report view's export commands: Export Data as text and CSV with the
// viewer question, the spreadsheet copy in the temp folder, the SSA interval
// choice, and files that cannot be written.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "CSdiApp.h"
#include "Files.h"
#include "ReportViewTestSupport.h"
#include "ShellTestSupport.h"
#include "TwoChoiceDialog.h"

using namespace reporttest;

namespace {

using shelltest::RecordingOpener;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool HasBareLineFeed(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return true;
    return false;
}

// Answers the next two-choice dialog: option 1 or 2, or Cancel (0). Keeps
// the texts it showed.
struct ChoiceAnswer {
    std::string caption, line1, option2;
    void Answer(int option)
    {
        QTimer::singleShot(0, [this, option] {
            auto* dialog = qobject_cast<TwoChoiceDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            caption = dialog->windowTitle().toStdString();
            line1 = dialog->findChild<QLabel*>("line1")->text().toStdString();
            option2 = dialog->findChild<QRadioButton*>("option2")->text().toStdString();
            EXPECT_TRUE(dialog->findChild<QRadioButton*>("option1")->isChecked());
            if (option == 2)
                dialog->findChild<QRadioButton*>("option2")->setChecked(true);
            dialog->findChild<QPushButton*>(option ? "okButton" : "cancelButton")->click();
        });
    }
};

class ReportExport : public ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        opener.registered = false;
        platform::SetAppShellOpener(&opener);
    }
    void TearDown() override
    {
        platform::SetAppShellOpener(nullptr);
        std::system(("rm -rf '" + dir + "'/*").c_str());
        ReportFixture::TearDown();
    }
    void LoadSystemSettings()
    {
        translation.Add(SystemRecord()).Add(OutputRecordBuilder(50).F32(CalibrationFields::kNoiseFloor, 18.5f));
        Select("1 .Sys Settings");
        ASSERT_EQ(report->GetReportType(), 2);
    }
    RecordingOpener opener;
};

}  // namespace

TEST_F(ReportExport, TextAndCsvFilesCarryTitleHeaderAndReport)
{
    LoadSystemSettings();
    prompter.ExpectFile(dir + "/plain");  // typed without an extension
    report->ExportData();
    const std::string text = ReadFile(dir + "/plain.txt");
    EXPECT_EQ(text.rfind("J57 System Settings", 0), 0u) << text.substr(0, 80);
    EXPECT_NE(text.find("\r\n" + std::string(80, '-') + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("File Translated:"), std::string::npos);
    EXPECT_NE(text.find("Site meter"), std::string::npos);
    EXPECT_FALSE(HasBareLineFeed(text));
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");  // the final empty line
    EXPECT_EQ(opener.asked, std::vector<std::string>{".txt"});
    EXPECT_TRUE(opener.opened.empty());

    // A registered viewer is offered; Yes opens the file.
    opener.registered = true;
    prompter.ExpectFile(dir + "/sheet.Csv");
    prompter.Expect("Would you like to launch the default viewer\nfor file type .Csv?", platform::IDYES);
    report->ExportData();
    const std::string csv = ReadFile(dir + "/sheet.Csv");
    EXPECT_EQ(csv.rfind("\"J57 System Settings\",", 0), 0u) << csv.substr(0, 80);
    EXPECT_FALSE(HasBareLineFeed(csv));
    EXPECT_EQ(opener.opened, std::vector<std::string>{dir + "/sheet.Csv"});

    // Capitals and other extensions get the CSV layout and no question.
    prompter.ExpectFile(dir + "/upper.TXT");
    report->ExportData();
    EXPECT_EQ(ReadFile(dir + "/upper.TXT").rfind("\"J57 System Settings\",", 0), 0u);
    EXPECT_EQ(prompter.Pending(), 0u);
    EXPECT_EQ(prompter.Boxes().size(), 1u);
}

TEST_F(ReportExport, UnwritableTargetsTellTheUserAndLeaveNoFile)
{
    LoadSystemSettings();
    opener.registered = true;
    const std::string path = dir + "/missing/out.txt";
    prompter.ExpectFile(path);
    prompter.Expect("The export file\n\n" + path + "\n\ncould not be opened or created.", platform::IDOK);
    report->ExportData();
    EXPECT_TRUE(opener.opened.empty());

    // The spreadsheet copy falls back to the start folder when no temp
    // folder can be made there, and reports a file it cannot write.
    CSdiApp app(dir + "/nowhere");
    const std::string sheet = dir + "/nowhere/syssetss.csv";
    prompter.Expect("The temporary file\n\n" + sheet + "\n\ncould not be opened or created.", platform::IDOK);
    report->ViewDataInSpreadsheet();
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(prompter.Pending(), 0u);

    // Cancel in the file dialog writes nothing.
    prompter.ExpectFile(std::nullopt);
    report->ExportData();
    EXPECT_EQ(prompter.Boxes().size(), 2u);
}

TEST_F(ReportExport, SpreadsheetCopyGoesToTheTempFolderAndOpens)
{
    LoadSystemSettings();
    CSdiApp app(dir);
    report->ViewDataInSpreadsheet();
    const std::string path = dir + "/temp/syssetss.csv";
    const std::string csv = ReadFile(path);
    EXPECT_EQ(csv.rfind("\"J57 System Settings\",", 0), 0u) << csv.substr(0, 80);
    EXPECT_FALSE(HasBareLineFeed(csv));
    EXPECT_NE(csv.substr(csv.size() - 4), "\r\n\r\n");  // no final empty line
    EXPECT_EQ(opener.opened, std::vector<std::string>{path});
    EXPECT_TRUE(opener.asked.empty());

    opener.result = false;
    prompter.Expect("There was an error launching the spreadsheet application", platform::IDOK);
    report->ViewDataInSpreadsheet();
    EXPECT_EQ(prompter.Pending(), 0u);
}

TEST_F(ReportExport, SsaIntervalsAskForSpectraOrSpectralLns)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(51).I16(SsaSetupFields::kSpectralLn, 2));
    Select("1 SSA Intvs");
    ASSERT_EQ(report->GetReportType(), 18);
    CSdiApp app(dir);

    // Cancel ends the command before the file dialog.
    ChoiceAnswer answer;
    answer.Answer(0);
    report->ExportData();
    EXPECT_EQ(answer.caption, "SSA Interval Report Options");
    EXPECT_EQ(answer.line1, "There is too much data to export.");
    EXPECT_EQ(answer.option2, "Spectral Ln's");
    EXPECT_TRUE(prompter.Questions().empty());

    answer.Answer(2);
    report->ViewDataInSpreadsheet();
    answer.Answer(1);
    report->ViewDataInSpreadsheet();
    EXPECT_EQ(opener.opened,
              (std::vector<std::string>{dir + "/temp/ssaintlss.csv", dir + "/temp/ssaintvss.csv"}));
    EXPECT_EQ(ReadFile(dir + "/temp/ssaintlss.csv").rfind("\"SSA Intervals\",", 0), 0u);
}

TEST_F(ReportExport, RunStopLogTakesEachCommandsTitle)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(63))
        .Add(OutputRecordBuilder(64)
                 .U32(RunStopFields::kTime, 86401)
                 .I16(RunStopFields::kCause, 1)
                 .U32(RunStopFields::kThRecordNumber, 41)
                 .I16(RunStopFields::kRunStopNumber, 7)
                 .U32(RunStopFields::kRecordNumber, 1)
                 .I16(RunStopFields::kState, 64));
    Select("1 FFT Run/Stops");
    ASSERT_EQ(report->GetReportType(), 26);
    CSdiApp app(dir);
    report->ViewDataInSpreadsheet();
    const std::string csv = ReadFile(dir + "/temp/fftrsss.csv");
    EXPECT_EQ(csv.rfind("\"FFT Run/Stop Log\",", 0), 0u) << csv.substr(0, 80);
    EXPECT_NE(csv.find("02-Jan-1970"), std::string::npos);

    prompter.ExpectFile(dir + "/fftrs.txt");
    report->ExportData();
    const std::string text = ReadFile(dir + "/fftrs.txt");
    EXPECT_EQ(text.rfind("J57 FFT Run/Stop Log", 0), 0u) << text.substr(0, 80);
    EXPECT_NE(text.find("02-Jan-1970"), std::string::npos);
}
