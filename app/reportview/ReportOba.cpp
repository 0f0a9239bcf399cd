// The octave band analyser reports of the J46: its settings (report type 5)
// and its interval records with their band levels (report type 12).
#include "ReportOba.h"

#include "BandNames.h"
#include "ISMSetup.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "MeasDataSet.h"
#include "OBASetup.h"
#include "ReportSettingsCells.h"
#include "TimeTexts.h"

namespace {

using namespace settings;

// The OBA setup record (output kind 33); the 16-bit fields carry one setup
// byte in their low byte.
using namespace ObaSetupFields;
using SetupRecordFields::kPeriodLength;
using SetupRecordFields::kTimeLength;

Cells ObaSettingsCells(const RecordView& r, unsigned index)
{
    using namespace ObaSetupFields;
    const int intervals = r.U8(kIntervalFlags);
    auto row = [](const char* label, std::string value) { return Cells{{1, label}, {3, std::move(value)}}; };
    switch (index) {
    case 0: return {{0, "Octave Band Analyzer"}};
    case 1: return row("Bandwidth", OBASetup::GetBandwidthIndex(r.U8(kBandwidth)) == 1 ? "1/3" : "1/1");
    case 2: return row("Scanmode:", Code(OBASetup::GetScanModeText, r.U8(kScanMode)));
    case 3: return row("Profile:", Code(OBASetup::GetProfileText, r.U8(kProfile)));
    case 4: return row("Range:", Code(OBASetup::GetRangeText, r.U8(kRange)));
    case 5: return row("AC Out Filter:", Code(ISMSetup::GetAcOutputText, r.U8(kAcOutput)));
    case 7: return {{0, "Intervals"}};
    case 8: return row("Intervals:", Enabled(intervals & 0x80));
    case 9: return row("Interval Time Sync:", YesNo(intervals & 0x20));
    case 10: return row("Interval Auto Stop:", YesNo(intervals & 0x10));
    case 11: return row("Interval Period:", r.Text(kIntervalPeriod, kPeriodLength));
    case 13: return {{0, "Timer"}};
    case 14: return row("Timer Mode:", Code(LOGSetup::TimerModeText, r.U8(kTimerMode)));
    case 15: return row("Start Date:", ShortDateText(r, kStartDate));
    case 16: return row("Stop Date:", ShortDateText(r, kStopDate));
    case 17: return row("Start Time 1:", r.Text(kStartTime1, kTimeLength));
    case 18: return row("Start Time 2:", r.Text(kStartTime2, kTimeLength));
    case 19: return row("Stop Time 1:", r.Text(kStopTime1, kTimeLength));
    case 20: return row("Stop Time 2:", r.Text(kStopTime2, kTimeLength));
    default: return {};
    }
}

// Line r of the record at index / L: its headings, the record's number, date,
// time and duration, and the band levels as stored (999.0 included), ten
// octaves in one column or thirty one-third octaves in two.
void DrawRecordLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, bool thirds)
{
    PrinterFontScope font(dc);
    const ObaIntvMgr& mgr = report.DataSet().Records().obaIntervals;
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const unsigned perRecord = static_cast<unsigned>(mgr.GetLinesPerRecord());
    const ObaIntvRec* rec = mgr.GetAt(static_cast<int>(index / perRecord));
    const int r = static_cast<int>(index % perRecord);
    const int y = report.LineY(dc, line);
    const int durationColumn = thirds ? 6 : 5;
    const int bandRows = thirds ? TwoColumnRows(30) : 10;
    if (r == 0) {
        dc.TextOut(report.LeftEdge(), y, "Rec #");
        dc.TextOut(report.Column(2), y, "Date");
        dc.TextOut(report.Column(4), y, "Time");
        dc.TextOut(report.Column(durationColumn), y, "Duration");
        return;
    }
    if (r == 3) {
        dc.TextOut(report.Column(0), y, "Filter");
        dc.TextOut(report.Column(2), y, "Leq");
        if (thirds) {
            dc.TextOut(report.Column(4), y, "Filter");
            dc.TextOut(report.Column(6), y, "Leq");
        }
        return;
    }
    if (!rec)
        return;
    if (r == 1) {
        const std::time_t stamp = ToTime(rec->GetTime());
        std::string duration;
        SecondsToHms(WholeSeconds(rec->GetDuration()), duration);
        dc.TextOut(report.Column(0), y, Printf("%ld", static_cast<long>(rec->GetRecordNumber())));
        dc.TextOut(report.Column(2), y, DateText(stamp));
        dc.TextOut(report.Column(4), y, ClockText(stamp));
        dc.TextOut(report.Column(durationColumn), y, duration);
        return;
    }
    const int b = r - 4;
    if (b < 0 || b >= bandRows)
        return;
    auto band = [&](int k, int labelColumn) {
        DrawRightAligned(dc, report.Column(labelColumn), y, ObaBandName(k));
        DrawRightAligned(dc, report.Column(labelColumn + 2), y, FormatFixed(rec->GetBandLevel(k), 1) + (thirds ? " dB 1/3" : " dB 1/1"));
    };
    if (thirds) {
        band(b, 1);
        band(b + bandRows, 5);
    } else {
        band(3 * b + 1, 1);
    }
}

}  // namespace

namespace oba {

void DrawSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const RecordView setup = report.DataSet().SetupView();
    if (setup.Kind() == 33 && index <= 20)
        settings::DrawCells(report, dc, line, ObaSettingsCells(setup, index));
}

void DrawIntervalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawRecordLine(report, dc, index, line, false);
}

void DrawThirdOctaveIntervalLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawRecordLine(report, dc, index, line, true);
}

}  // namespace oba
