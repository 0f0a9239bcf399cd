// The report view: data kinds, loading, notices, the title line and block.
#include <QImage>
#include <QPrinter>
#include <QScrollBar>

#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

TEST(ReportDataKinds, EndingsInTheirOrder)
{
    const struct {
        const char* text;
        int kind;
    } cases[] = {
        {"/d/a.slmdl\\12 ssa run/stops", 59}, {"/d/a.slmdl\\12 run/stops", 4},
        {"/d/a.slmdl\\3 rta events", 21},     {"/d/a.slmdl\\3 events", 1},
        {"/d/a.slmdl\\1 tal time hist samples", 61}, {"/d/a.slmdl\\1 .time hist samples", 57},
        {"/d/a.slmdl\\1 time hist samples", 0},  {"/d/a.slmdl\\2 event th spectra", 13},
        {"/d/a.slmdl\\1 ssa summary", 73},    {"/d/a.slmdl\\1 .summary", 55},
        {"summary", 8},                       {"ummary", 0},
        {"/d/a.slmdl\\1 .SYS SETTINGS", 0},   {"/d/a.slmdl\\2 fft settings", 63},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataKindFromLabel(c.text), c.kind) << c.text;
}

TEST(ReportDataKinds, TranslationErrorTexts)
{
    testsupport::ScriptedPrompter prompter;
    prompter.Expect("Translation Error: Bad download file name in directory", platform::IDOK);
    prompter.Expect(platform::IDOK);
    ShowTranslationError(-301);
    ShowTranslationError(-319);
    ShowTranslationError(5);
    ASSERT_EQ(prompter.Boxes().size(), 2u);
    EXPECT_EQ(prompter.Boxes()[1].text, "Translation Error: -319");
}

class ReportView : public ReportFixture {};

TEST_F(ReportView, CalibrationSettingsWithTitleAndTitleBlock)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53)
                 .Text(SetupRecordFields::kName, "MYSETUP ")
                 .Text(SetupRecordFields::kDescription, "Road survey"))
        .Add(OutputRecordBuilder(50)
                 .F32(CalibrationFields::kOffset, 1.25f)
                 .U32(CalibrationFields::kCalibrationTime, 86400)
                 .U32(CalibrationFields::kCheckTime, 90061)
                 .F32(CalibrationFields::kCheckLevel, 999.0f));
    Select("1 .Cal Settings");
    EXPECT_EQ(report->GetReportType(), 11);
    EXPECT_EQ(report->GetLineCount(), 18);
    EXPECT_TRUE(report->HasReport());
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 24), "J57 Calibration Settings");
    EXPECT_EQ(lines[3], "File Translated: | " + file);
    EXPECT_EQ(lines[4], "Model/Serial Number: | 57 / A1234");
    EXPECT_EQ(lines[5], "Firm/Software Revs: | 3.116 / 3.120");
    EXPECT_EQ(lines[6], "Name:  | Site meter");
    EXPECT_EQ(lines[9], "Setup/Setup Descr: | mysetup.log / Road survey");
    EXPECT_EQ(lines[10], "Location: | North gate");
    EXPECT_EQ(lines[12], "Note2: | Note two");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "Calibration Offset: | 1.3");
    EXPECT_EQ(lines[15], "Calibration Date: | 02-Jan-1970 | Calibration Time: | 00:00:00");
    EXPECT_EQ(lines[16], "Calib Check Date: | 02-Jan-1970 | Calib Check Time: | 01:01:01");
    EXPECT_EQ(lines[17], "Calib Check Level: |  --- ");
}

TEST_F(ReportView, TitleBlockNeedsTheSystemRecordAndShowsAMissingHeader)
{
    translation.Add(OutputRecordBuilder(50));
    Select("1 .Cal Settings");
    auto lines = ScreenLines();
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[14], "Calibration Offset: | 0.0");

    translation.Add(SystemRecord());
    translation.firmwareLine = "3.116";  // no blank: no version
    Select("1 .Cal Settings");
    lines = ScreenLines();
    EXPECT_EQ(lines[5], "Firm/Software Revs: |  / 3.120");
}

TEST_F(ReportView, IsmSettingsLines)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(52)
                 .I16(IsmSetupFields::kExchangeRate, 2)
                 .I16(IsmSetupFields::kThreshold, 80)
                 .U8(IsmSetupFields::kDetector, 3)
                 .U8(IsmSetupFields::kWeighting, 1)
                 .U8(IsmSetupFields::kAcOutput, 1)
                 .U8(IsmSetupFields::kPeak1Weighting, 5)
                 .U8(IsmSetupFields::kRange, 2));
    Select("1 ISM Settings");
    EXPECT_EQ(report->GetReportType(), 15);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "Simple Sound Level Meter");
    EXPECT_EQ(lines[15], "Detector: | ");
    EXPECT_EQ(lines[16], "Weighting: | C");
    EXPECT_EQ(lines[17], "Peak-1 Weighting: | Flat");
    EXPECT_EQ(lines[18], "Range | High");
    EXPECT_EQ(lines[19], "AC-Out Filter: | Weighted");
    EXPECT_EQ(lines[20], "Threshold | 80");
    EXPECT_EQ(lines[21], "Exchange Rate: | 5 dB");
    EXPECT_EQ(lines[22], "");
}

TEST_F(ReportView, NonDataSelectionsEmptyTheView)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(50));
    Select("1 .Cal Settings");
    ASSERT_TRUE(report->HasReport());
    Select("");  // the file node itself
    EXPECT_FALSE(report->HasReport());

    // A file that vanished since the tree listed it empties the view.
    Select("1 .Cal Settings");
    ASSERT_TRUE(report->HasReport());
    Select("1 .Cal Settings", dir + "/UPPER.SLMDL");
    EXPECT_TRUE(prompter.Boxes().empty()) << "a missing file shows no message";
    EXPECT_TRUE(report->DataSet().CalibrationView().IsEmpty());
    EXPECT_EQ(report->GetReportType(), 0);
    EXPECT_EQ(report->GetLineCount(), 0);
    EXPECT_FALSE(report->HasReport()) << "Print and Export are off";
    EXPECT_EQ(report->ScrollHeight(), 0);
    std::ofstream(dir + "/UPPER.SLMDL") << "x";
    Select("1 .Cal Settings", dir + "/UPPER.SLMDL");
    EXPECT_EQ(report->GetReportType(), 11);
    std::remove((dir + "/UPPER.SLMDL").c_str());

    Select("1 Unknown Thing");
    EXPECT_EQ(report->GetReportType(), 0);
    EXPECT_FALSE(report->HasReport());
}

TEST_F(ReportView, OtherModelsAndOldFirmwareGetTheirNotices)
{
    translation.model = 46;
    Select("3 Run/Stops");
    EXPECT_EQ(report->GetReportType(), 34);
    EXPECT_EQ(report->GetLineCount(), 10);
    EXPECT_EQ(ScreenLines()[1], "J57 Utility displays and exports J57 download files only.");

    translation.model = 57;
    translation.version = 0.9f;
    prompter.Expect("was created by an J57 with firmware version\n0.900\nwhich is unsupported", platform::IDOK);
    Select("3 Run/Stops");
    EXPECT_EQ(prompter.Pending(), 0u);
    EXPECT_EQ(report->GetReportType(), 35);
    EXPECT_EQ(report->GetLineCount(), 10);
    EXPECT_EQ(ScreenLines()[1], "J57 Utility supports download files from firmware version 1.000 or greater");
}

TEST_F(ReportView, TranslationErrorIsShownOnce)
{
    translation.Add(SystemRecord());
    translation.failure = -314;
    prompter.Expect("Translation Error: Error reading file", platform::IDOK);
    Select("1 .Cal Settings");
    EXPECT_EQ(prompter.Boxes().size(), 1u);
}

TEST_F(ReportView, EveryLineOfALongReportCanBeScrolledTo)
{
    translation.Add(SystemRecord());
    for (int i = 0; i < 4000; ++i)
        translation.Add(OutputRecordBuilder(4).U32(RunStopFields::kRecordNumber, static_cast<uint32_t>(i)));
    const int h = report->ScreenLineHeight();
    Select("4000 Run/Stops");
    Select("4000 Run/Stops");
    EXPECT_TRUE(prompter.Boxes().empty()) << "no message, on any selection";
    EXPECT_EQ(report->GetLineCount(), 4015);
    EXPECT_EQ(report->ScrollHeight(), 4015 * h);

    // Scrolled to the end, the view paints the last record's line.
    QScrollBar* bar = report->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int top = bar->value();
    RecordingDC dc(false, QRect(0, top, report->viewport()->width(), report->viewport()->height()));
    report->OnDraw(dc);
    EXPECT_EQ(dc.Line(4014, h).substr(0, 6), "3999 |");
    EXPECT_GE(top + report->viewport()->height(), 4015 * h);
}

TEST_F(ReportView, AFileWithoutSetupIsNotTitledWithTheModeBefore)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(53)).Add(OutputRecordBuilder(55));
    Select("1 .Summary");
    ASSERT_EQ(ScreenLines()[1].substr(0, 33), "Logging Sound Level Meter Summary");
    translation.records = {SystemRecord().Bytes(), OutputRecordBuilder(55).Bytes()};
    Select("1 .Summary");
    EXPECT_EQ(report->DataSet().GetSetupType(), 0);
    EXPECT_EQ(ScreenLines()[1], "");
}

TEST_F(ReportView, PrintsToPdf)
{
    translation.Add(SystemRecord());
    for (int i = 0; i < 150; ++i)
        translation.Add(OutputRecordBuilder(4)
                            .U32(RunStopFields::kTime, 1000)
                            .I16(RunStopFields::kCause, 1)
                            .U32(RunStopFields::kRecordNumber, static_cast<uint32_t>(i)));
    Select("150 Run/Stops");
    // The print dialog offers the pages the job then prints.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const int offered = report->PagesOnPrinter(printer);
    EXPECT_GE(offered, 2);
    EXPECT_EQ(PrintToPdfPages(), static_cast<size_t>(offered));
}

TEST_F(ReportView, PaintsOnTheScreen)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(50).F32(CalibrationFields::kOffset, 1.0f));
    Select("1 .Cal Settings");
    const QImage image = report->viewport()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 100) << "the report's texts reach the screen";
}

TEST_F(ReportView, PaperTitleBlockValuesStartAfterTheWidestLabel)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(50));
    Select("1 .Cal Settings");
    const RecordingDC paper = PrintedPage(1, 650);
    const auto& cells = paper.cells.at((3 + 2 + 2) * RecordingDC::kLineHeight);  // title block index 2
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].text, "Firmware/Software Revs:");
    EXPECT_GE(cells[1].x, cells[0].x + paper.TextWidth(cells[0].text + "  ")) << "a gap of two blanks";
}
