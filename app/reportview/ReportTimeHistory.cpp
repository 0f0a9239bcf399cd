// The time-history reports of LOG (type 8), SSA (19) and TAL (21)
// measurements: one line per sample, with the columns that the setup chose to
// store beside the Leq, and the run/stop entries of the time history.
#include "ReportTimeHistory.h"

#include <vector>

#include "MeasDataSet.h"
#include "ReportText.h"
#include "ThColumns.h"
#include "TimeTexts.h"

namespace {

constexpr int kMaxPosition = 9;  // at most six columns beyond the four fixed
constexpr int kAdvanced = 4;

// A column from position 4 on: the one other level, or an advanced column.
struct ScreenColumn {
    std::string heading;
    bool otherLevel;
    ThColumn column;
};

// The columns a setup record gives a time history, in position order from
// position 4.
std::vector<ScreenColumn> ColumnPlan(const ThSetup& th)
{
    std::vector<ScreenColumn> plan;
    if (th.OneOtherLevel()) {
        plan.push_back({ThOtherLevelHeading(th), true, {}});
        return plan;
    }
    if (!th.Advanced())
        return plan;
    for (const ThColumn& column : ThAdvancedColumns(th)) {
        if (static_cast<int>(plan.size()) == kMaxPosition - kAdvanced + 1)
            break;
        plan.push_back({ThScreenHeading(column, th), false, column});
    }
    return plan;
}

std::string Cell(const ScreenColumn& column, const ThRec& record, const ThSetup& th)
{
    return column.otherLevel ? ThOtherLevel(record) : ThValue(column.column, record, th, ThReadings::kTwoDecimals);
}

}  // namespace

namespace timehistory {

void DrawNote(const ReportLines& report, ReportDC& dc, int line, ThMode mode)
{
    const ThSetup th(report.DataSet().SetupView(), mode);
    if (!th.Advanced())
        return;
    PrinterFontScope font(dc);
    const int count = ThFlagBitCount(th);
    const ThSpectrum spectrum = mode == ThMode::kLog ? ThSpectrum::kNone : ThChosenSpectrum(th);
    std::string note;
    if (count > 6)
        note = Printf("  6 of %d Adv TH Columns - Use 'File/Export' for remaining columns", count);
    else if (spectrum == ThSpectrum::kLeq)
        note = Printf("  %d Adv TH Columns - Use 'File/Export' for RTA Leq spectrum", count);
    else if (spectrum == ThSpectrum::kLive)
        note = Printf("  %d Adv TH Columns - Use 'File/Export' for RTA Live spectrum", count);
    else
        note = Printf("  %d Advanced Time History Columns", count);
    dc.TextOut(report.Column(kAdvanced), report.LineY(dc, line), note);
}

void DrawHeadings(const ReportLines& report, ReportDC& dc, int line, ThMode mode)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    dc.TextOut(report.LeftEdge(), y, "Rec #");
    dc.TextOut(report.Column(1), y, "Date");
    dc.TextOut(report.Column(2), y, "Time");
    dc.TextOut(report.Column(3), y, "Leq");
    int position = kAdvanced;
    for (const ScreenColumn& column : ColumnPlan(ThSetup(report.DataSet().SetupView(), mode)))
        dc.TextOut(report.Column(position++), y, column.heading);
}

void DrawRow(const ReportLines& report, ReportDC& dc, unsigned index, int line, ThMode mode)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const MeasDataSet& data = report.DataSet();
    const ThMgr& mgr = data.Records().timeHistory;
    const ThRec* rec = index < static_cast<unsigned>(mgr.GetCount()) ? mgr.GetAt(static_cast<int>(index)) : nullptr;
    if (!rec)
        return;
    dc.TextOut(report.LeftEdge(), y, Printf("%ld", static_cast<long>(static_cast<int32_t>(rec->GetRecordNumber()))));
    dc.TextOut(report.Column(1), y, DateText(rec->GetTime()));
    dc.TextOut(report.Column(2), y, ClockText(rec->GetTime()));
    if (rec->IsLevelSample()) {
        dc.TextOut(report.Column(3), y, FormatReportNumber(rec->GetLeq(), 1, 0));
        const ThSetup th(data.SetupView(), mode);
        int position = kAdvanced;
        for (const ScreenColumn& column : ColumnPlan(th)) {
            const std::string cell = Cell(column, *rec, th);
            if (!cell.empty())
                dc.TextOut(report.Column(position), y, cell);
            ++position;
        }
        return;
    }
    dc.TextOut(report.Column(3), y, ThRunStopText(*rec, data.ParameterView()));
}

void DrawLogNote(const ReportLines& report, ReportDC& dc, int line) { DrawNote(report, dc, line, ThMode::kLog); }
void DrawSsaNote(const ReportLines& report, ReportDC& dc, int line) { DrawNote(report, dc, line, ThMode::kSsa); }
void DrawTalNote(const ReportLines& report, ReportDC& dc, int line) { DrawNote(report, dc, line, ThMode::kTal); }
void DrawLogHeadings(const ReportLines& report, ReportDC& dc, int line) { DrawHeadings(report, dc, line, ThMode::kLog); }
void DrawSsaHeadings(const ReportLines& report, ReportDC& dc, int line) { DrawHeadings(report, dc, line, ThMode::kSsa); }
void DrawTalHeadings(const ReportLines& report, ReportDC& dc, int line) { DrawHeadings(report, dc, line, ThMode::kTal); }
void DrawLogRow(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawRow(report, dc, index, line, ThMode::kLog);
}
void DrawSsaRow(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawRow(report, dc, index, line, ThMode::kSsa);
}
void DrawTalRow(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawRow(report, dc, index, line, ThMode::kTal);
}

}  // namespace timehistory
