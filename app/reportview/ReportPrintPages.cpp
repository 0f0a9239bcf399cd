// The print pages: each printed page repeats the report's title with the page
// number; the first page carries the title block, and the rows of the report
// continue from page to page under the headings that each page repeats.
//
// Every page keeps its last line empty. Rows follow each other without gaps
// or repeats, and the page count of the job comes from the same plan, so
// every row of the report reaches paper exactly once. The summaries whose
// blocks have a fixed length print their screen lines through the same plan,
// on as many pages as the paper needs. Nothing is drawn below the page's
// last line: on a short page the first page may hold its head alone.
//
// The histogram tables and the blocks of the LOG summary print in sections
// instead: each section is a plan of its own and starts a page of its own.
#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <span>
#include <utility>

#include "CDataReport.h"
#include "ReportCalibration.h"
#include "ReportDaily.h"
#include "ReportFft.h"
#include "ReportHistograms.h"
#include "ReportIntervals.h"
#include "ReportPlanDrawers.h"
#include "ReportRt60.h"
#include "ReportRta.h"
#include "ReportRunStop.h"
#include "ReportSettingsCells.h"
#include "ReportSsaSummary.h"
#include "ReportSummaries.h"
#include "ReportTalSnapshots.h"
#include "ReportTimeHistory.h"

namespace {

// A drawer of the page's head at a page line, with the index it is drawn
// with (no drawer: no heading).
struct PageLine {
    int line = 0;
    Drawer draw = nullptr;
    unsigned index = 0;
};

constexpr int kAnyMode = -1;

// The paper's plan of a report type: title, the title block on page 1, the
// headings each page repeats, then the report's rows from a page line on,
// page after page.
struct PrintPlan {
    int type = 0;
    int mode = kAnyMode;               // type 1: the measurement's mode
    const char* title = nullptr;       // null: the screen's title
    const char* laterTitle = nullptr;  // null: the title of page 1
    void (CDataReport::*layout)(ReportDC&) = nullptr;
    int blockLine = 3;  // page 1: title block indexes 0 .. blockCount - 1 from here
    int blockCount = 11;
    std::array<PageLine, 4> headings{};       // page 1
    std::array<PageLine, 4> laterHeadings{};  // further pages
    int rowLine = 14;      // page 1: the first row's page line
    int laterRowLine = 4;  // further pages
    // The rows of the report, by its data and the screen's line count.
    int (*rows)(const MeasDataSet& data, int lineCount) = nullptr;
    // Rows are printed in whole blocks of this many (null: 1).
    int (*recordLines)(const MeasDataSet&) = nullptr;
    // The line count of the report runs past its last line with text (the
    // settings and summary tables): paper ends with the last such row.
    bool trimBlankTail = false;
    // The plan is one section of its report; the report's sections follow
    // each other in the table. A section starts a page of its own with the
    // title at line 1, draws its head whole, fills its pages to their last
    // line with at least one row each, and has no pages without rows.
    bool section = false;
    Drawer row = nullptr;
};

// ---- rows of the reports ------------------------------------------------
// Each counts the rows of its report from the loaded data and, for the
// reports whose rows are the screen's lines, the screen's line count.

// The screen's lines after the title block (from line 14), and after the
// block and a heading line (from line 15).
int LinesAfterBlock(const MeasDataSet&, int lineCount)
{
    return std::max(0, lineCount - 14);
}

int LinesAfterHeading(const MeasDataSet&, int lineCount)
{
    return std::max(0, lineCount - 15);
}

int SnapshotLines(const MeasDataSet& data, int)
{
    return data.Records().snapshots.GetReportLineCount();
}

int Rt60Lines(const MeasDataSet& data, int)
{
    return data.Records().events.GetCount() * rt60::LinesPerEvent(data);
}

int LogIntervalLines(const MeasDataSet& data, int)
{
    return data.Records().intervals.GetReportLineCount();
}

int LogIntervalRecordLines(const MeasDataSet& data)
{
    return data.Records().intervals.GetLinesPerRecord();
}

int SsaIntervalLines(const MeasDataSet& data, int)
{
    return data.Records().ssaIntervals.GetReportLineCount();
}

int SsaIntervalRecordLines(const MeasDataSet& data)
{
    return data.Records().ssaIntervals.GetLinesPerRecord(0);
}

int ObaIntervalLines(const MeasDataSet& data, int)
{
    return data.Records().obaIntervals.GetReportLineCount();
}

int ObaIntervalRecordLines(const MeasDataSet& data)
{
    return data.Records().obaIntervals.GetLinesPerRecord();
}

// The screen's line count of the check log runs 13 lines past its records;
// paper takes the records.
int CalibrationChecks(const MeasDataSet& data, int)
{
    return data.Records().calibrations.GetCount();
}

int DayLines(const MeasDataSet& data, int)
{
    return data.Records().days.GetReportLineCount();
}

int DayRecordLines(const MeasDataSet& data)
{
    return data.Records().days.GetLinesPerRecord();
}

// The "Any Data" blocks of the summaries: the integrating sound level
// meter's current block, the LOG summary's overall and current blocks.
int AnyDataLines(const MeasDataSet&, int)
{
    return summary::kAnyDataLines;
}

int LogBlockLines(const MeasDataSet& data, int)
{
    return summary::LogBlockLines(data);
}

// The rows of a histogram table, as the options read before counting left
// them.
template <histograms::Table T>
int HistogramRows(const MeasDataSet& data, int)
{
    int rows[3];
    histograms::TableRows(data.Records(), rows);
    return rows[T];
}

// The summaries printed through their screen lines: the lines from line 14
// up to the end of the last block.
int TalSummaryLines(const MeasDataSet&, int lineCount)
{
    return std::max(0, std::min(lineCount, 75) - 14);  // the tonality lines end at line 74
}

int RtaSummaryLines(const MeasDataSet& data, int lineCount)
{
    // The spectrum tables and the empty line after each but the last.
    const int tables = rta::AveragedSpectra(data) > 0 ? 4 : 3;
    const int lines = std::min(lineCount, 26 + tables * ((rta::ThirdOctave(data) ? 19 : 8) + 1) - 1);
    return std::max(0, lines - 14);
}

int SsaSummaryLines(const MeasDataSet& data, int)
{
    return std::max(0, ssasummary::LineCount(data) - 14);
}

// ---- drawers of the plans -----------------------------------------------

template <histograms::Table T>
void HistogramRow(CDataReport& report, ReportDC& dc, unsigned index, int line)
{
    histograms::DrawRow(report, dc, T, index, line);
}

// A summary line: the screen's line 14 + index, in the layout of its block,
// at the page's line.
void SummaryRow(CDataReport& report, ReportDC& dc, unsigned index, int line)
{
    const int n = 14 + static_cast<int>(index);
    report.RunLayout(dc, ReportLines::Grid::kSummary);
    if (report.GetReportType() == 1 && report.DataSet().GetSetupType() == 10 && n >= 26)
        report.RunLayout(dc, ReportLines::Grid::kSpectrum);
    report.DrawReportLineAt(dc, n, line);
}

// The settings reports: title, title block and their lines.
constexpr PrintPlan Settings(int type, const char* title, void (CDataReport::*layout)(ReportDC&), int blockCount,
                             Drawer row)
{
    return {.type = type, .title = title, .layout = layout, .blockCount = blockCount, .rowLine = blockCount + 3,
            .rows = LinesAfterBlock, .trimBlankTail = true, .row = row};
}

// The run/stop logs.
constexpr PrintPlan RunStop(int type, const char* title)
{
    return {.type = type,
            .title = title,
            .layout = &CDataReport::LayoutRunStopColumns,
            .blockLine = 2,
            .headings = {{{13, HeadingAt<&runstop::DrawHeadings>}}},
            .laterHeadings = {{{3, HeadingAt<&runstop::DrawHeadings>}}},
            .rows = LinesAfterHeading,
            .row = RowAt<&runstop::DrawRow>};
}

// The time histories: the note and the headings above the rows.
constexpr PrintPlan TimeHistory(int type, const char* title, const char* laterTitle, Drawer note, Drawer headings,
                                Drawer row)
{
    return {.type = type,
            .title = title,
            .laterTitle = laterTitle,
            .layout = &CDataReport::LayoutTimeHistoryColumns,
            .headings = {{{14, note}, {15, headings}}},
            .laterHeadings = {{{2, note}, {3, headings}}},
            .rowLine = 16,
            .rows = LinesAfterHeading,
            .row = row};
}

// The ZU-Reru and RTA summaries, whose blocks have a fixed length: their
// screen lines from line 14 on.
constexpr PrintPlan Summary(int mode, int (*rows)(const MeasDataSet&, int))
{
    return {.type = 1, .mode = mode, .layout = &CDataReport::LayoutSummaryColumns, .laterRowLine = 3, .rows = rows,
            .trimBlankTail = true, .row = SummaryRow};
}

// A histogram table (types 9 and 10): under the title block its title and
// column heads, on later pages at the top.
template <histograms::Table T>
constexpr PrintPlan HistogramTable(int type)
{
    constexpr Drawer title = RowAt<&histograms::DrawTableTitle>;
    constexpr Drawer heads = HeadingAt<&histograms::DrawColumnHeads>;
    return {.type = type,
            .title = "Sound Level Meter Histograms",
            .layout = &CDataReport::LayoutHistogramColumns,
            .blockLine = 5,
            .headings = {{{17, title, T}, {18, heads}}},
            .laterHeadings = {{{5, title, T}, {6, heads}}},
            .rowLine = 19,
            .laterRowLine = 7,
            .rows = HistogramRows<T>,
            .section = true,
            .row = HistogramRow<T>};
}

// A block of the LOG summary, under its own title.
constexpr PrintPlan LogSummaryBlock(const char* title, int (*rows)(const MeasDataSet&, int), Drawer row)
{
    return {.type = 1,
            .mode = 7,
            .title = title,
            .layout = &CDataReport::LayoutSummaryColumns,
            .blockCount = 10,
            .laterRowLine = 3,
            .rows = rows,
            .section = true,
            .row = row};
}

using R = CDataReport;
// Types not listed print as the screen draws them, on one page.
const PrintPlan kPrintPlans[] = {
    Settings(2, nullptr, &R::LayoutSystemSetupColumns, 11, RowAt<&settings::DrawSystemSettingsLine>),
    Settings(3, "Sound Level Meter Settings", &R::LayoutSettingsColumns, 12, RowAt<&settings::DrawLogSettingsLine>),
    Settings(13, nullptr, &R::LayoutSettingsColumns, 12, RowAt<&settings::DrawSsaSettingsLine>),
    Settings(23, nullptr, &R::LayoutSettingsColumns, 11, RowAt<&settings::DrawTalSettingsLine>),
    Settings(25, nullptr, &R::LayoutSettingsColumns, 11, RowAt<&fft::DrawSettingsLine>),
    Settings(28, nullptr, &R::LayoutSettingsColumns, 11, RowAt<&settings::DrawRtaSettingsLine>),
    Settings(29, nullptr, &R::LayoutSpectrumColumns, 11, RowAt<&rta::DrawSpatialAverageLine>),
    Settings(11, "Calibration Settings", &R::LayoutCalSettingsColumns, 12, RowAt<&calibration::DrawSettingsLine>),
    Settings(15, nullptr, &R::LayoutIsmSettingsColumns, 12, RowAt<&calibration::DrawIsmSettingsLine>),
    {.type = 27,
     .layout = &R::LayoutSpectrumColumns,
     .headings = {{{14, SnapshotRecordsTitle}}},
     .rowLine = 15,
     .laterRowLine = 3,
     .rows = SnapshotLines,
     .row = RowAt<&fft::DrawSnapshotLine>},
    {.type = 24,
     .layout = &R::LayoutSummaryColumns,
     .headings = {{{14, SnapshotRecordsTitle}}},
     .rowLine = 15,
     .rows = SnapshotLines,
     .row = RowAt<&talsnapshots::DrawLine>},
    // Whole events per page, at the options stored now.
    {.type = 33,
     .laterTitle = "RT60 Report",
     .layout = &R::LayoutRt60Columns,
     .blockCount = 12,
     .rowLine = 15,
     .laterRowLine = 3,
     .rows = Rt60Lines,
     .recordLines = rt60::LinesPerEvent,
     .row = RowAt<&rt60::DrawLine>},
    // The nine summary lines, then the spectrum; later pages repeat the
    // spectrum heading (entry 0) above their rows.
    {.type = 32,
     .layout = &R::LayoutSpectrumColumns,
     .laterHeadings = {{{4, RowAt<&fft::DrawSpectrumLine>, 0}}},
     .laterRowLine = 5,
     .rows = LinesAfterBlock,
     .row = RowAt<&fft::DrawSummaryReportLine>},
    {.type = 1,
     .mode = 6,
     .title = "Integrating Sound Level Meter Summary",
     .layout = &R::LayoutSummaryColumns,
     .blockCount = 12,
     .rowLine = 15,
     .rows = AnyDataLines,
     .trimBlankTail = true,
     .row = RowAt<&summary::DrawCurrentAnyDataLine>},
    LogSummaryBlock("Logging Sound Level Meter Summary", LogBlockLines, RowAt<&summary::DrawLogLine>),
    LogSummaryBlock("Logging SLM Overall Any Data", AnyDataLines, RowAt<&summary::DrawOverallAnyDataLine>),
    LogSummaryBlock("Logging SLM Current Any Data", AnyDataLines, RowAt<&summary::DrawCurrentAnyDataLine>),
    Summary(8, TalSummaryLines),
    Summary(10, RtaSummaryLines),
    // Later pages name the file and the instrument above the blocks.
    {.type = 31,
     .layout = &R::LayoutSummaryColumns,
     .laterHeadings = {{{2, RowAt<&R::DrawTitleBlockLine>, 0}, {3, RowAt<&R::DrawTitleBlockLine>, 1}}},
     .laterRowLine = 5,
     .rows = SsaSummaryLines,
     .trimBlankTail = true,
     .row = SummaryRow},
    RunStop(6, "Sound Level Meter Run / Stop Log"),
    RunStop(20, "SLM/RTA Run/Stop Log"),
    RunStop(22, "ZU-Reru Run / Stop Log"),
    RunStop(26, "FFT Run / Stop Log"),
    {.type = 7,
     .title = "Sound Level Meter Intervals",
     .layout = &R::LayoutIntervalColumns,
     .blockCount = 12,
     .headings = {{{15, RowAt<&intervals::DrawLogHeadings>, 0},
                   {16, RowAt<&intervals::DrawLogHeadings>, 1},
                   {17, RowAt<&intervals::DrawLogHeadings>, 2}}},
     .laterHeadings = {{{3, RowAt<&intervals::DrawLogHeadings>, 0}}},
     .rowLine = 19,
     .rows = LogIntervalLines,
     .recordLines = LogIntervalRecordLines,
     .row = RowAt<&intervals::DrawLogLine>},
    {.type = 18,
     .layout = &R::LayoutSsaIntervalColumns,
     .blockCount = 12,
     .headings = {{{15, RowAt<&intervals::DrawSsaHeadings>, 0},
                   {16, RowAt<&intervals::DrawSsaHeadings>, 1},
                   {17, RowAt<&intervals::DrawSsaHeadings>, 2},
                   {19, RowAt<&intervals::DrawSsaHeadings>, 4}}},
     .laterHeadings = {{{3, RowAt<&intervals::DrawSsaHeadings>, 0}}},
     .rowLine = 21,
     .rows = SsaIntervalLines,
     .recordLines = SsaIntervalRecordLines,
     .row = RowAt<&intervals::DrawSsaLine>},
    TimeHistory(8, "Sound Level Meter Time History", nullptr, HeadingAt<&timehistory::DrawLogNote>,
                HeadingAt<&timehistory::DrawLogHeadings>, RowAt<&timehistory::DrawLogRow>),
    TimeHistory(19, "Sound Level Meter / RTA Time History", nullptr, HeadingAt<&timehistory::DrawSsaNote>,
                HeadingAt<&timehistory::DrawSsaHeadings>, RowAt<&timehistory::DrawSsaRow>),
    TimeHistory(21, "ZU-Reru SLM Time History", "Sound Level Meter Time History",
                HeadingAt<&timehistory::DrawTalNote>, HeadingAt<&timehistory::DrawTalHeadings>,
                RowAt<&timehistory::DrawTalRow>),
    {.type = 12,
     .layout = &R::LayoutObaIntervalColumns,
     .blockCount = 12,
     .headings = {{{15, RowAt<&intervals::DrawObaHeadings>, 0},
                   {16, RowAt<&intervals::DrawObaHeadings>, 1},
                   {17, RowAt<&intervals::DrawObaHeadings>, 2}}},
     .rowLine = 19,
     .rows = ObaIntervalLines,
     .recordLines = ObaIntervalRecordLines,
     .row = ObaIntervalLine},
    HistogramTable<histograms::kSpl>(9),
    HistogramTable<histograms::kPeak>(9),
    HistogramTable<histograms::kUwPeak>(9),
    HistogramTable<histograms::kSpl>(10),
    HistogramTable<histograms::kPeak>(10),
    HistogramTable<histograms::kUwPeak>(10),
    {.type = 14,
     .layout = &R::LayoutCalCheckColumns,
     .blockCount = 12,
     .headings = {{{15, HeadingAt<&calibration::DrawCheckHeadings>}}},
     .laterHeadings = {{{3, HeadingAt<&calibration::DrawCheckHeadings>}}},
     .rowLine = 16,
     .rows = CalibrationChecks,
     .row = RowAt<&calibration::DrawCheckRow>},
    {.type = 16,
     .layout = &R::LayoutDailyColumns,
     .blockCount = 12,
     .headings = {{{15, HeadingAt<&daily::DrawHeadings>}}},
     .laterHeadings = {{{3, HeadingAt<&daily::DrawHeadings>}}},
     .rowLine = 16,
     .rows = DayLines,
     .recordLines = DayRecordLines,
     .row = RowAt<&daily::DrawRow>},
};

bool Fits(const PrintPlan& plan, int type, int mode)
{
    return plan.type == type && (plan.mode == kAnyMode || plan.mode == mode);
}

// The plan of a report type: its one row, or the rows of its sections.
std::span<const PrintPlan> PrintPlansOf(int type, int mode)
{
    const auto first = std::find_if(std::begin(kPrintPlans), std::end(kPrintPlans),
                                    [&](const PrintPlan& plan) { return Fits(plan, type, mode); });
    auto last = first;
    while (last != std::end(kPrintPlans) && Fits(*last, type, mode))
        ++last;
    return {first, last};
}

// A device that draws nothing and counts the texts it is given: which rows
// of a plan hold any text.
class ProbeDC : public ReportDC {
public:
    bool IsPrinting() const override { return true; }
    ReportFont SelectFont(ReportFont font) override
    {
        std::swap(font, font_);
        return font;
    }
    int TextWidth(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
    int LineHeight() const override { return 10; }
    int PixelsPerInchX() const override { return 96; }
    int PixelsPerInchY() const override { return 96; }
    void TextOut(int, int, const std::string& text) override { texts += text.empty() ? 0 : 1; }
    void SetAlignRight(bool) override {}
    void Line(int, int, int, int) override {}
    QRect ClipBox() const override { return QRect(0, 0, 1000, 1000); }

    int texts = 0;

private:
    ReportFont font_ = ReportFont::Printer;
};

// The plan's rows up to its last row that holds any text.
int RowsWithText(CDataReport& report, const PrintPlan& plan, int rows)
{
    ProbeDC probe;
    (report.*plan.layout)(probe);
    for (int i = rows - 1; i >= 0; --i) {
        const int before = probe.texts;
        plan.row(report, probe, static_cast<unsigned>(i), 0);
        if (probe.texts > before)
            return i + 1;
    }
    return 0;
}

// Rows from the first row's page line up to the line before the page's
// last line, cut to whole records. A first page whose head fills it holds
// no rows; every later page holds at least one. A section's page runs to
// its last line and holds at least one row.
int Capacity(const PrintPlan& shape, int linesPerPage, int recordLines, bool firstPage)
{
    const int from = firstPage ? shape.rowLine : shape.laterRowLine;
    if (shape.section)
        return std::max(1, linesPerPage - from);
    int capacity = std::max(firstPage ? 0 : 1, linesPerPage - 1 - from);
    if (recordLines > 1 && capacity >= recordLines)
        capacity -= capacity % recordLines;
    return capacity;
}

int PagesOf(int rows, int firstCapacity, int laterCapacity)
{
    if (rows <= firstCapacity)
        return 1;
    return 1 + (rows - firstCapacity + laterCapacity - 1) / laterCapacity;
}

}  // namespace

// A plan of the report shown (a section of it, or all of it), with its rows
// counted and its pages at the lines per page.
struct CDataReport::PagePlan {
    const PrintPlan* shape = nullptr;
    std::string title;
    int rows = 0;
    int firstCapacity = 0;
    int laterCapacity = 0;
    int pages = 0;
};

std::vector<CDataReport::PagePlan> CDataReport::PagePlansOf()
{
    const int mode = data_.GetSetupType();
    const std::span<const PrintPlan> shapes = PrintPlansOf(reportType_, mode);
    if (shapes.empty())
        return {};
    // The options may have changed since the load.
    if (reportType_ == 33) {
        data_.Records().events.LoadRT60Settings();
        ComputeRt60();
    } else if (reportType_ == 9 || reportType_ == 10) {
        int rows[3];
        histograms::Configure(data_.Records(), rows);
    }
    std::vector<PagePlan> plans;
    for (const PrintPlan& shape : shapes) {
        PagePlan& plan = plans.emplace_back();
        plan.shape = &shape;
        plan.title = shape.title != nullptr ? shape.title : ReportTitle(reportType_, mode);
        plan.rows = shape.rows(data_, lineCount_);
        if (shape.trimBlankTail)
            plan.rows = RowsWithText(*this, shape, plan.rows);
        const int recordLines = shape.recordLines != nullptr ? shape.recordLines(data_) : 1;
        plan.firstCapacity = Capacity(shape, linesPerPage_, recordLines, true);
        plan.laterCapacity = Capacity(shape, linesPerPage_, recordLines, false);
        plan.pages = shape.section && plan.rows == 0 ? 0 : PagesOf(plan.rows, plan.firstCapacity, plan.laterCapacity);
    }
    return plans;
}

void CDataReport::DrawReportLineAt(ReportDC& dc, int n, int at)
{
    lineShift_ = n - at;
    DrawReportLine(dc, n);
    lineShift_ = 0;
}

int CDataReport::PrintPageCount()
{
    const std::vector<PagePlan> plans = PagePlansOf();
    if (plans.empty())
        return 1;  // printed as the screen draws it: one page
    int pages = 0;
    for (const PagePlan& plan : plans)
        pages += plan.pages;
    return pages;
}

bool CDataReport::PrintPlannedPage(ReportDC& dc, int page)
{
    const std::vector<PagePlan> plans = PagePlansOf();
    if (plans.empty())
        return false;
    if (lineCount_ == 0 || page < 1)
        return true;
    // The plan that holds the page, and the page's place in it; a report
    // without sections holds every page in its one plan.
    int start = 1;
    for (const PagePlan& plan : plans) {
        if (page < start + plan.pages || !plan.shape->section) {
            PrintPlanPage(dc, plan, page - start + 1, page);
            break;
        }
        start += plan.pages;
    }
    return true;
}

void CDataReport::PrintPlanPage(ReportDC& dc, const PagePlan& plan, int k, int page)
{
    const PrintPlan& shape = *plan.shape;
    PrinterFontScope font(dc);
    (this->*shape.layout)(dc);
    const bool firstPage = k == 1;
    // The head's lines that fit above the page's last line.
    const int lastLine = shape.section ? std::numeric_limits<int>::max() : linesPerPage_ - 1;
    DrawReportTitle(dc, firstPage || shape.laterTitle == nullptr ? plan.title : shape.laterTitle,
                    shape.section ? 1 : 0, page);
    if (firstPage)
        for (int i = 0; i < shape.blockCount && shape.blockLine + i <= lastLine; ++i)
            DrawTitleBlockLine(dc, static_cast<unsigned>(i), shape.blockLine + i);
    for (const PageLine& heading : firstPage ? shape.headings : shape.laterHeadings)
        if (heading.draw != nullptr && heading.line <= lastLine)
            heading.draw(*this, dc, heading.index, heading.line);

    const int first = firstPage ? 0 : plan.firstCapacity + (k - 2) * plan.laterCapacity;
    const int count = std::min(firstPage ? plan.firstCapacity : plan.laterCapacity, plan.rows - first);
    const int rowLine = firstPage ? shape.rowLine : shape.laterRowLine;
    for (int i = 0; i < count; ++i)
        shape.row(*this, dc, static_cast<unsigned>(first + i), rowLine + i);
}
