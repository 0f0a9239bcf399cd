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
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "CDataReport.h"
#include "HistogramMgr.h"
#include "ReportCalibration.h"
#include "ReportFft.h"
#include "ReportRt60.h"
#include "ReportRta.h"
#include "ReportRunStop.h"
#include "ReportSettingsCells.h"
#include "ReportTalSnapshots.h"

struct CDataReport::PagePlan {
    using Heading = std::function<void(ReportDC&, int line)>;
    using Row = std::function<void(ReportDC&, unsigned index, int line)>;

    std::string title;
    std::string laterTitle;  // empty: the title of page 1
    void (CDataReport::*layout)(ReportDC&) = nullptr;
    int blockLine = 3;   // page 1: title block indexes 0 .. blockCount - 1 from here
    int blockCount = 11;
    std::vector<std::pair<int, Heading>> headings;       // page 1: page line, drawer
    std::vector<std::pair<int, Heading>> laterHeadings;  // further pages
    int rowLine = 14;       // page 1: the first row's page line
    int laterRowLine = 4;   // further pages
    int rows = 0;           // rows of the report
    int recordLines = 1;    // rows are printed in whole blocks of this many
    // The line count of the report runs past its last line with text (the
    // settings and summary tables): paper ends with the last such row.
    bool trimBlankTail = false;
    Row row;
};

namespace {

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

// Rows from page line `from` up to the line before the page's last line,
// cut to whole records. A first page whose head fills it holds no rows;
// every later page holds at least one.
int Capacity(int linesPerPage, int from, int recordLines, bool firstPage)
{
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

// The printed titles of the run/stop logs; type 20 (SLM/RTA) is the rest.
const struct {
    int type;
    const char* title;
} kRunStopPrintTitles[] = {
    {6, "Sound Level Meter Run / Stop Log"},
    {26, "FFT Run / Stop Log"},
    {22, "ZU-Reru Run / Stop Log"},
};

const char* RunStopPrintTitle(int type)
{
    for (const auto& entry : kRunStopPrintTitles)
        if (entry.type == type)
            return entry.title;
    return "SLM/RTA Run/Stop Log";
}

// The time-history reports: their printed titles and their drawers.
struct ThPrint {
    int type;
    const char* title;
    const char* laterTitle;  // empty: the title of page 1
    void (CDataReport::*note)(ReportDC&, int);
    void (CDataReport::*headings)(ReportDC&, int);
    void (CDataReport::*row)(ReportDC&, unsigned, int);
};
const ThPrint kThPrints[] = {
    {8, "Sound Level Meter Time History", "", &CDataReport::DrawLogThNote, &CDataReport::DrawLogThHeadings,
     &CDataReport::DrawLogThRow},
    {19, "Sound Level Meter / RTA Time History", "", &CDataReport::DrawSsaThNote, &CDataReport::DrawSsaThHeadings,
     &CDataReport::DrawSsaThRow},
    {21, "ZU-Reru SLM Time History", "Sound Level Meter Time History", &CDataReport::DrawTalThNote,
     &CDataReport::DrawTalThHeadings, &CDataReport::DrawTalThRow},
};

}  // namespace

bool CDataReport::PagePlanOf(int type, PagePlan& plan)
{
    using namespace std::placeholders;
    auto heading = [this](void (CDataReport::*drawer)(ReportDC&, int)) -> PagePlan::Heading {
        return [this, drawer](ReportDC& dc, int line) { (this->*drawer)(dc, line); };
    };
    auto indexed = [this](void (CDataReport::*drawer)(ReportDC&, unsigned, int), unsigned index) {
        return [this, drawer, index](ReportDC& dc, int line) { (this->*drawer)(dc, index, line); };
    };
    auto rows = [this](void (CDataReport::*drawer)(ReportDC&, unsigned, int)) -> PagePlan::Row {
        return [this, drawer](ReportDC& dc, unsigned index, int line) { (this->*drawer)(dc, index, line); };
    };
    // A family's drawers reach the view through ReportLines only.
    auto familyHeading = [this](void (*drawer)(const ReportLines&, ReportDC&, int)) -> PagePlan::Heading {
        return [this, drawer](ReportDC& dc, int line) { drawer(*this, dc, line); };
    };
    auto familyRows = [this](void (*drawer)(const ReportLines&, ReportDC&, unsigned, int)) -> PagePlan::Row {
        return [this, drawer](ReportDC& dc, unsigned index, int line) { drawer(*this, dc, index, line); };
    };
    // The settings reports: title, title block and their lines.
    auto common = [&](const char* title, void (CDataReport::*layout)(ReportDC&), int blockCount,
                      PagePlan::Row row) {
        plan.title = title;
        plan.layout = layout;
        plan.blockCount = blockCount;
        plan.rowLine = blockCount + 3;
        plan.rows = std::max(0, lineCount_ - 14);
        plan.row = std::move(row);
        plan.trimBlankTail = true;
    };
    const RecordManagers& m = data_.Records();
    switch (type) {
    case 2:
        common("J57 System Setup", &CDataReport::LayoutSystemSetupColumns, 11,
               familyRows(&settings::DrawSystemSettingsLine));
        break;
    case 3:
        common("Sound Level Meter Settings", &CDataReport::LayoutSettingsColumns, 12,
               familyRows(&settings::DrawLogSettingsLine));
        break;
    case 13:
        common("Sound Level Meter / RTA Settings", &CDataReport::LayoutSettingsColumns, 12,
               familyRows(&settings::DrawSsaSettingsLine));
        break;
    case 23:
        common("ZU-Reru Settings", &CDataReport::LayoutSettingsColumns, 11,
               familyRows(&settings::DrawTalSettingsLine));
        break;
    case 25:
        common("FFT Settings", &CDataReport::LayoutSettingsColumns, 11, familyRows(&fft::DrawSettingsLine));
        break;
    case 27:
        plan.title = "FFT Snapshots";
        plan.layout = &CDataReport::LayoutSpectrumColumns;
        plan.headings = {{14, [this](ReportDC& dc, int line) { DrawSnapshotRecordsTitle(dc, line); }}};
        plan.rowLine = 15;
        plan.laterRowLine = 3;
        plan.rows = m.snapshots.GetReportLineCount();
        plan.row = familyRows(&fft::DrawSnapshotLine);
        break;
    case 24:
        plan.title = "ZU-Reru Snapshots";
        plan.layout = &CDataReport::LayoutSummaryColumns;
        plan.headings = {{14, [this](ReportDC& dc, int line) { DrawSnapshotRecordsTitle(dc, line); }}};
        plan.rowLine = 15;
        plan.rows = m.snapshots.GetReportLineCount();
        plan.row = [this](ReportDC& dc, unsigned index, int line) { talsnapshots::DrawLine(*this, dc, index, line); };
        break;
    case 33:
        // Whole events per page, at the options stored now.
        data_.Records().events.LoadRT60Settings();
        ComputeRt60();
        plan.title = "RT60 REPORT";
        plan.laterTitle = "RT60 Report";
        plan.layout = &CDataReport::LayoutRt60Columns;
        plan.blockCount = 12;
        plan.rowLine = 15;
        plan.laterRowLine = 3;
        plan.recordLines = rt60::LinesPerEvent(data_);
        plan.rows = m.events.GetCount() * plan.recordLines;
        plan.row = familyRows(&rt60::DrawLine);
        break;
    case 28:
        common("RTA Settings", &CDataReport::LayoutSettingsColumns, 11,
               familyRows(&settings::DrawRtaSettingsLine));
        break;
    case 32: {
        plan.title = "FFT Summary";
        plan.layout = &CDataReport::LayoutSpectrumColumns;
        plan.laterHeadings = {{4, [this](ReportDC& dc, int line) { fft::DrawSpectrumLine(*this, dc, 0, line); }}};
        plan.rowLine = 14;
        plan.laterRowLine = 5;
        // The nine summary lines, then the spectrum; later pages repeat the
        // spectrum heading (entry 0) above their rows.
        plan.rows = std::max(0, lineCount_ - 14);
        plan.row = [this](ReportDC& dc, unsigned index, int line) {
            if (index < 9)
                fft::DrawSummaryLine(*this, dc, index, line);
            else
                fft::DrawSpectrumLine(*this, dc, index - 9, line);
        };
        break;
    }
    case 29:
        common("RTA Spatially Averaged History", &CDataReport::LayoutSpectrumColumns, 11,
               familyRows(&rta::DrawSpatialAverageLine));
        break;
    case 1:
        switch (data_.GetSetupType()) {
        case 6:
            // The integrating sound level meter summary: its current block.
            common("Integrating Sound Level Meter Summary", &CDataReport::LayoutSummaryColumns, 12,
                   rows(&CDataReport::DrawCurrentAnyDataLine));
            plan.rows = 24;
            break;
        case 8:
        case 10: SummaryPlan(plan); break;
        default: return false;
        }
        break;
    case 31: SummaryPlan(plan); break;
    case 11:
        common("Calibration Settings", &CDataReport::LayoutCalSettingsColumns, 12,
               familyRows(&calibration::DrawSettingsLine));
        break;
    case 15:
        common("Integrating Sound Level Meter Settings", &CDataReport::LayoutIsmSettingsColumns, 12,
               familyRows(&calibration::DrawIsmSettingsLine));
        break;
    case 6: case 20: case 22: case 26:
        plan.title = RunStopPrintTitle(type);
        plan.layout = &CDataReport::LayoutRunStopColumns;
        plan.blockLine = 2;
        plan.headings = {{13, familyHeading(&runstop::DrawHeadings)}};
        plan.laterHeadings = {{3, familyHeading(&runstop::DrawHeadings)}};
        plan.rowLine = 14;
        plan.rows = std::max(0, lineCount_ - 15);
        plan.row = familyRows(&runstop::DrawRow);
        break;
    case 7:
        plan.title = "Sound Level Meter Intervals";
        plan.layout = &CDataReport::LayoutIntervalColumns;
        plan.blockCount = 12;
        for (unsigned i = 0; i < 3; ++i)
            plan.headings.push_back({15 + static_cast<int>(i), indexed(&CDataReport::DrawLogIntervalHeadings, i)});
        plan.laterHeadings = {{3, indexed(&CDataReport::DrawLogIntervalHeadings, 0)}};
        plan.rowLine = 19;
        plan.rows = m.intervals.GetReportLineCount();
        plan.recordLines = m.intervals.GetLinesPerRecord();
        plan.row = rows(&CDataReport::DrawLogIntervalLine);
        break;
    case 18:
        plan.title = "Sound Level Meter / SLM/RTA Intervals";
        plan.layout = &CDataReport::LayoutSsaIntervalColumns;
        plan.blockCount = 12;
        plan.headings = {{15, indexed(&CDataReport::DrawSsaIntervalHeadings, 0)},
                         {16, indexed(&CDataReport::DrawSsaIntervalHeadings, 1)},
                         {17, indexed(&CDataReport::DrawSsaIntervalHeadings, 2)},
                         {19, indexed(&CDataReport::DrawSsaIntervalHeadings, 4)}};
        plan.laterHeadings = {{3, indexed(&CDataReport::DrawSsaIntervalHeadings, 0)}};
        plan.rowLine = 21;
        plan.rows = m.ssaIntervals.GetReportLineCount();
        plan.recordLines = m.ssaIntervals.GetLinesPerRecord(0);
        plan.row = rows(&CDataReport::DrawSsaIntervalLine);
        break;
    case 8: case 19: case 21: {
        const ThPrint& th = *std::find_if(std::begin(kThPrints), std::end(kThPrints),
                                          [type](const ThPrint& entry) { return entry.type == type; });
        plan.title = th.title;
        plan.laterTitle = th.laterTitle;
        plan.layout = &CDataReport::LayoutTimeHistoryColumns;
        plan.headings = {{14, heading(th.note)}, {15, heading(th.headings)}};
        plan.laterHeadings = {{2, heading(th.note)}, {3, heading(th.headings)}};
        plan.rowLine = 16;
        plan.rows = std::max(0, lineCount_ - 15);
        plan.row = rows(th.row);
        break;
    }
    case 12:
        plan.title = "Octave Band Analyzer Intervals";
        plan.layout = &CDataReport::LayoutObaIntervalColumns;
        plan.blockCount = 12;
        for (unsigned i = 0; i < 3; ++i)
            plan.headings.push_back({15 + static_cast<int>(i), indexed(&CDataReport::DrawObaIntervalHeadings, i)});
        plan.rowLine = 19;
        plan.rows = m.obaIntervals.GetReportLineCount();
        plan.recordLines = m.obaIntervals.GetLinesPerRecord();
        plan.row = rows(m.obaIntervals.thirdOctave ? &CDataReport::DrawObaThirdOctaveIntervalLine
                                                   : &CDataReport::DrawObaIntervalLine);
        break;
    case 14: case 16:
        plan.title = type == 14 ? "Calibration Check Log" : "Daily Noise History";
        plan.layout = type == 14 ? &CDataReport::LayoutCalCheckColumns : &CDataReport::LayoutDailyColumns;
        plan.blockCount = 12;
        plan.headings = {{15, type == 14 ? familyHeading(&calibration::DrawCheckHeadings)
                                         : heading(&CDataReport::DrawDailyHeadings)}};
        plan.laterHeadings = {{3, plan.headings[0].second}};
        plan.rowLine = 16;
        // The screen's line count of the check log runs 13 lines past its
        // records; paper takes the records.
        plan.rows = type == 14 ? m.calibrations.GetCount() : m.days.GetReportLineCount();
        plan.recordLines = type == 16 ? m.days.GetLinesPerRecord() : 1;
        plan.row = type == 14 ? familyRows(&calibration::DrawCheckRow) : rows(&CDataReport::DrawDailyRow);
        break;
    default: return false;
    }
    if (plan.trimBlankTail)
        plan.rows = RowsWithText(plan);
    return true;
}

int CDataReport::RowsWithText(const PagePlan& plan)
{
    ProbeDC probe;
    (this->*plan.layout)(probe);
    for (int i = plan.rows - 1; i >= 0; --i) {
        const int before = probe.texts;
        plan.row(probe, static_cast<unsigned>(i), 0);
        if (probe.texts > before)
            return i + 1;
    }
    return 0;
}

void CDataReport::SummaryPlan(PagePlan& plan)
{
    const bool ssa = reportType_ == 31;
    const int mode = data_.GetSetupType();
    plan.title = ssa ? "SLM & RTA Summary" : ReportTitle(1, mode);
    plan.layout = &CDataReport::LayoutSummaryColumns;
    plan.rowLine = 14;
    plan.laterRowLine = 3;
    int lines = lineCount_;
    if (ssa) {
        // Later pages name the file and the instrument above the blocks.
        for (unsigned i = 0; i <= 1; ++i)
            plan.laterHeadings.push_back(
                {2 + static_cast<int>(i), [this, i](ReportDC& dc, int line) { DrawTitleBlockLine(dc, i, line); }});
        plan.laterRowLine = 5;
        lines = SsaSummaryLineCount();
    } else if (mode == 10) {
        // The spectrum tables and the empty line after each but the last.
        const int tables = rta::AveragedSpectra(data_) > 0 ? 4 : 3;
        lines = std::min(lines, 26 + tables * ((rta::ThirdOctave(data_) ? 19 : 8) + 1) - 1);
    } else {
        lines = std::min(lines, 75);  // the ZU-Reru summary's tonality lines end at line 74
    }
    plan.rows = std::max(0, lines - 14);
    plan.row = [this, mode, ssa](ReportDC& dc, unsigned index, int line) {
        const int n = 14 + static_cast<int>(index);
        LayoutSummaryColumns(dc);
        if (!ssa && mode == 10 && n >= 26)
            LayoutSpectrumColumns(dc);
        DrawReportLineAt(dc, n, line);
    };
    plan.trimBlankTail = true;
}

void CDataReport::DrawReportLineAt(ReportDC& dc, int n, int at)
{
    lineShift_ = n - at;
    DrawReportLine(dc, n);
    lineShift_ = 0;
}

int CDataReport::PrintPageCount()
{
    if (reportType_ == 9 || reportType_ == 10) {
        CountHistogramPages();
        return histogramPages_[0] + histogramPages_[1] + histogramPages_[2];
    }
    if (reportType_ == 1 && data_.GetSetupType() == 7)
        return LogSummaryPageCount();
    PagePlan plan;
    if (!PagePlanOf(reportType_, plan))
        return 1;  // printed as the screen draws it: one page
    const int first = Capacity(linesPerPage_, plan.rowLine, plan.recordLines, true);
    const int later = Capacity(linesPerPage_, plan.laterRowLine, plan.recordLines, false);
    return PagesOf(plan.rows, first, later);
}

void CDataReport::PrintPlannedPage(ReportDC& dc, int page, const PagePlan& plan)
{
    if (lineCount_ == 0 || page < 1)
        return;
    PrinterFontScope font(dc);
    (this->*plan.layout)(dc);
    const bool firstPage = page == 1;
    // The head's lines that fit above the page's last line.
    const int lastLine = linesPerPage_ - 1;
    DrawReportTitle(dc, firstPage || plan.laterTitle.empty() ? plan.title : plan.laterTitle, 0, page);
    if (firstPage)
        for (int i = 0; i < plan.blockCount && plan.blockLine + i <= lastLine; ++i)
            DrawTitleBlockLine(dc, static_cast<unsigned>(i), plan.blockLine + i);
    for (const auto& [line, draw] : firstPage ? plan.headings : plan.laterHeadings)
        if (line <= lastLine)
            draw(dc, line);

    const int firstCapacity = Capacity(linesPerPage_, plan.rowLine, plan.recordLines, true);
    const int laterCapacity = Capacity(linesPerPage_, plan.laterRowLine, plan.recordLines, false);
    const int start = firstPage ? 0 : firstCapacity + (page - 2) * laterCapacity;
    const int count = std::min(firstPage ? firstCapacity : laterCapacity, plan.rows - start);
    const int rowLine = firstPage ? plan.rowLine : plan.laterRowLine;
    for (int i = 0; i < count; ++i)
        plan.row(dc, static_cast<unsigned>(start + i), rowLine + i);
}

#define PLANNED_PAGE(name, type)                  \
    void CDataReport::name(ReportDC& dc, int page) \
    {                                             \
        PagePlan plan;                            \
        if (PagePlanOf(type, plan))               \
            PrintPlannedPage(dc, page, plan);     \
    }

PLANNED_PAGE(PrintSystemSetupPage, 2)
PLANNED_PAGE(PrintLogSettingsPage, 3)
PLANNED_PAGE(PrintSsaSettingsPage, 13)
PLANNED_PAGE(PrintTalSettingsPage, 23)
PLANNED_PAGE(PrintFftSettingsPage, 25)
PLANNED_PAGE(PrintRtaSettingsPage, 28)
PLANNED_PAGE(PrintFftSummaryPage, 32)
PLANNED_PAGE(PrintRtaSpatialHistoryPage, 29)
PLANNED_PAGE(PrintFftSnapshotsPage, 27)
PLANNED_PAGE(PrintTalSnapshotsPage, 24)
PLANNED_PAGE(PrintRt60Page, 33)
PLANNED_PAGE(PrintCalSettingsPage, 11)
PLANNED_PAGE(PrintIsmSettingsPage, 15)
PLANNED_PAGE(PrintIsmSummaryPage, 1)
PLANNED_PAGE(PrintTalSummaryPage, 1)
PLANNED_PAGE(PrintRtaSummaryPage, 1)
PLANNED_PAGE(PrintSsaSummaryPage, 31)
PLANNED_PAGE(PrintLogIntervalsPage, 7)
PLANNED_PAGE(PrintSsaIntervalsPage, 18)
PLANNED_PAGE(PrintLogTimeHistoryPage, 8)
PLANNED_PAGE(PrintSsaTimeHistoryPage, 19)
PLANNED_PAGE(PrintTalTimeHistoryPage, 21)
PLANNED_PAGE(PrintCalCheckPage, 14)
PLANNED_PAGE(PrintDailyHistoryPage, 16)
PLANNED_PAGE(PrintObaIntervalsPage, 12)

void CDataReport::PrintRunStopPage(ReportDC& dc, int page)
{
    PagePlan plan;
    if (PagePlanOf(reportType_, plan))
        PrintPlannedPage(dc, page, plan);
}

// ---- histogram sections ------------------------------------------------
// Each table starts a page of its own. A section's first page holds the
// title block, the table's title and heads and rows from page line 19; its
// further pages the title and heads again and rows from page line 7.

namespace {

int HistogramFirstRows(int linesPerPage)
{
    return std::max(1, linesPerPage - 19);
}

int HistogramLaterRows(int linesPerPage)
{
    return std::max(1, linesPerPage - 7);
}

}  // namespace

void CDataReport::CountHistogramPages()
{
    int rows[3];
    ConfigureHistograms(rows);
    for (int s = 0; s < 3; ++s)
        histogramPages_[s] =
            rows[s] > 0 ? PagesOf(rows[s], HistogramFirstRows(linesPerPage_), HistogramLaterRows(linesPerPage_)) : 0;
}

void CDataReport::PrintHistogramsPage(ReportDC& dc, int page)
{
    if (lineCount_ == 0)
        return;
    const int first = (page - 1) * linesPerPage_;
    const int last = std::min(lineCount_ - 1, first + linesPerPage_ - 1);
    PrinterFontScope font(dc);
    LayoutHistogramColumns(dc);
    PrintHistogramSections(dc, first, last, page);
}

void CDataReport::PrintHistogramSections(ReportDC& dc, int, int, int page)
{
    int rows[3];
    ConfigureHistograms(rows);
    int sectionStart = 1;
    for (int s = 0; s < 3; ++s) {
        const int pages = histogramPages_[s];
        if (page < sectionStart || page >= sectionStart + pages) {
            sectionStart += pages;
            continue;
        }
        const int k = page - sectionStart + 1;
        DrawReportTitle(dc, "Sound Level Meter Histograms", 1, page);
        const Histogram which = static_cast<Histogram>(s);
        const char* const titles[] = {"SPL Histogram", "Peak Histogram", "Unweighted Peak Histogram"};
        const int headLine = k == 1 ? 17 : 5;
        if (k == 1)
            for (unsigned i = 0; i <= 10; ++i)
                DrawTitleBlockLine(dc, i, 5 + static_cast<int>(i));
        DrawSectionTitle(dc, headLine, titles[s]);
        DrawHistogramColumnHeads(dc, headLine + 1);
        const int firstRows = HistogramFirstRows(linesPerPage_);
        const int laterRows = HistogramLaterRows(linesPerPage_);
        const int start = k == 1 ? 0 : firstRows + (k - 2) * laterRows;
        const int count = std::min(k == 1 ? firstRows : laterRows, rows[s] - start);
        for (int i = 0; i < count; ++i)
            DrawHistogramRow(dc, which, static_cast<unsigned>(start + i), headLine + 2 + i);
        return;
    }
}
