// The interval reports: LOG intervals (type 7), SLM/RTA intervals (type 18)
// and the heading block of the octave band intervals (type 12). Each interval
// is a block of lines: heads and values twice, the wind line when the file
// has wind data, the Ln percentiles and levels, and the Ln-table histogram.
#include "ReportIntervals.h"

#include "DirectionText.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportHistograms.h"
#include "ReportText.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace {

// Where the LOG and the SSA setup records keep what the interval report reads.
struct IntervalFields {
    size_t exchangeRate, threshold, period, flags, weighting, peak1Weighting, windScale, windUnits,
        windUnitsLength, directionUnits;
};
namespace logsetup = LogSetupFields;
namespace ssasetup = SsaSetupFields;
namespace obasetup = ObaSetupFields;
constexpr IntervalFields kLogFields{logsetup::kIntervalExchangeRate, logsetup::kIntervalThreshold,
                                    logsetup::kIntervalPeriod,       logsetup::kIntervalFlags,
                                    logsetup::kFreqWeighting,        logsetup::kPeak1Weighting,
                                    logsetup::kWindScale,            logsetup::kWindUnits,
                                    logsetup::kWindUnitsLength,      logsetup::kDirectionUnits};
constexpr IntervalFields kSsaFields{ssasetup::kIntervalExchangeRate, ssasetup::kIntervalThreshold,
                                    ssasetup::kIntervalPeriod,       ssasetup::kIntervalFlags,
                                    ssasetup::kWeighting,            ssasetup::kPeak1Weighting,
                                    ssasetup::kWindScale,            ssasetup::kWindUnits,
                                    ssasetup::kWindUnitsLength,      ssasetup::kDirectionUnits};
using SetupRecordFields::kPeriodLength;
constexpr int kTimeSync = 0x20, kSaveLn = 0x40, kAutoStop = 0x10;

const char* YesNo(int flags, int bit)
{
    return (flags & bit) ? "Yes" : "No";
}

std::string Db(float value, const std::string& suffix)
{
    return FormatFixed(value, 1) + " dB" + suffix;
}

// The record's lines as the two interval reports share them: s 0 to 3 the
// heads and values, 4 the wind line, 5 and 6 the Ln lines, 7 a line of the
// Ln table (tableLine), 8 the empty line that ends the block. Lines the file
// does not carry are left out, so the table follows directly after what
// there is and ends inside the block's lines.
struct IntervalBlock {
    int s;
    unsigned tableLine;
};

IntervalBlock BlockOf(unsigned index, int linesPerRecord, bool wind, bool lnLines, bool table)
{
    int m = static_cast<int>(index % static_cast<unsigned>(linesPerRecord));
    if (m < 4)
        return {m, 0};
    if (!wind)
        ++m;  // s 4 is left out
    if (m == 4)
        return {4, 0};
    if (!lnLines)
        m += 2;  // s 5 and 6 are left out
    if (m < 7)
        return {m, 0};
    const int rows = table ? linesPerRecord - (wind ? 6 : 5) - (lnLines ? 2 : 0) : 0;
    if (m - 7 < rows)
        return {7, static_cast<unsigned>(m - 7)};
    return {8, 0};
}

void DrawIntervalWindLine(const ReportLines& report, ReportDC& dc, int y, float average, float maximum,
                          int direction, const IntervalFields& f)
{
    const RecordView setup = report.DataSet().SetupView();
    const float scale = setup.F32(f.windScale);
    const std::string units = setup.Text(f.windUnits, f.windUnitsLength);
    dc.TextOut(report.Column(0), y, "Wind Avg.:");
    dc.TextOut(report.Column(1), y, FormatFixed(average * scale, 1) + " " + units);
    dc.TextOut(report.Column(2), y, "Wind Max.:");
    dc.TextOut(report.Column(3), y, FormatFixed(maximum * scale, 1) + " " + units);
    dc.TextOut(report.Column(4), y, "Max Wind Dir:");
    dc.TextOut(report.Column(6), y, FormatDirectionText(direction, setup.U8(f.directionUnits)));
}

// The heading block of the LOG (ssa false) and the SLM/RTA intervals.
void DrawHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line, bool ssa)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const MeasDataSet& data = report.DataSet();
    const RecordView setup = data.SetupView();
    const IntervalFields& f = ssa ? kSsaFields : kLogFields;
    const int count = ssa ? data.Records().ssaIntervals.GetCount() : data.Records().intervals.GetCount();
    switch (index) {
    case 0: dc.TextOut(report.LeftEdge(), y, Printf("%s %d", "Interval Records:", count)); break;
    case 1:
        dc.TextOut(report.LeftEdge(), y, "Exch. Rate");
        dc.TextOut(report.Column(1), y, "Threshold");
        dc.TextOut(report.Column(2), y, "Intv Period");
        dc.TextOut(report.Column(3), y, "Sync Hours/Minutes");
        dc.TextOut(report.Column(5), y, "Save Ln");
        dc.TextOut(report.Column(6), y, "Auto Stop");
        break;
    case 2: {
        if (setup.IsEmpty())
            break;
        const int flags = setup.U8(f.flags);
        dc.TextOut(report.Column(0), y, Printf("%d dB", setup.I16(f.exchangeRate) + 3));
        dc.TextOut(report.Column(1), y, Printf("%d", setup.I16(f.threshold)));
        dc.TextOut(report.Column(2), y, setup.Text(f.period, kPeriodLength));
        dc.TextOut(report.Column(3), y, YesNo(flags, kTimeSync));
        dc.TextOut(report.Column(5), y, YesNo(flags, kSaveLn));
        dc.TextOut(report.Column(6), y, YesNo(flags, kAutoStop));
        break;
    }
    case 4: {
        if (!ssa || setup.IsEmpty())
            break;
        const std::string start = "Note: Use 'File/Export' to see interval Leq ";
        const std::string ending = setup.I16(ssasetup::kSpectralLn) == 2 ? ", and Interval Spectral Ln's" : "";
        const int spectra = setup.I16(ssasetup::kIntervalSpectra);
        const char* format = spectra == 1 ? "%s and Max spectra%s" : spectra == 2 ? "%s and Min spectra%s" : "%s spectrum %s";
        dc.TextOut(report.Column(0), y, Printf(format, start.c_str(), ending.c_str()));
        break;
    }
    default: break;
    }
}

}  // namespace

namespace intervals {

void DrawLogHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawHeadings(report, dc, index, line, false);
}

void DrawSsaHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawHeadings(report, dc, index, line, true);
}

void DrawObaHeadings(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const MeasDataSet& data = report.DataSet();
    const RecordView setup = data.SetupView();
    if (index == 0) {
        dc.TextOut(report.Column(0), y, Printf("%s %d", "OBA Interval Records:", data.Records().obaIntervals.GetCount()));
    } else if (index == 1) {
        dc.TextOut(report.Column(0), y, "Bandwidth");
        dc.TextOut(report.Column(2), y, "Intv Period");
        dc.TextOut(report.Column(4), y, "Sync Hours/Minutes");
        dc.TextOut(report.Column(8), y, "Auto Stop");
    } else if (index == 2 && !setup.IsEmpty()) {
        std::string bandwidth;
        OBAValueTexts::GetBandwidthText(setup.U16(obasetup::kBandwidth), bandwidth);
        const int flags = setup.U16(obasetup::kIntervalFlags);
        dc.TextOut(report.Column(0), y, bandwidth);
        dc.TextOut(report.Column(2), y, setup.Text(obasetup::kIntervalPeriod, kPeriodLength));
        dc.TextOut(report.Column(4), y, YesNo(flags, kTimeSync));
        dc.TextOut(report.Column(8), y, YesNo(flags, kAutoStop));
    }
}

void DrawLogLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const IntvMgr& mgr = report.DataSet().Records().intervals;
    const int perRecord = mgr.GetLinesPerRecord();
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const IntvRec* rec = mgr.GetAt(static_cast<int>(index / static_cast<unsigned>(perRecord)));
    const IntervalBlock b = BlockOf(index, perRecord, mgr.windLine, mgr.lnLines, mgr.histogram);
    const RecordView setup = report.DataSet().SetupView();
    std::string suffix, peakLetter;
    if (!setup.IsEmpty()) {
        LOGValueTexts::FreqWeightingShortText(setup.U8(kLogFields.weighting), suffix);
        LOGValueTexts::WeightingLetter(setup.U8(kLogFields.peak1Weighting), peakLetter);
    }
    if (b.s == 0) {
        const char* const heads[] = {"Rec #", "Date", "Time", "Duration", "Excd SPL", "Excd Peak-1", "Excd Peak-2"};
        dc.TextOut(report.LeftEdge(), y, heads[0]);
        for (int k = 1; k < 7; ++k)
            dc.TextOut(report.Column(k), y, heads[k]);
        return;
    }
    if (b.s == 2) {
        const char* const heads[] = {"Leq", "SEL", "Min", "Max", "Peak-1", "Peak-2", "Overloads"};
        for (int k = 0; k < 7; ++k)
            dc.TextOut(report.Column(k), y, heads[k]);
        return;
    }
    if (!rec)
        return;
    if (b.s == 1) {
        std::string duration;
        SecondsToHms(WholeSeconds(rec->GetDuration()), duration);
        dc.TextOut(report.LeftEdge(), y, Printf("%ld", static_cast<long>(static_cast<int32_t>(rec->GetRecordNumber()))));
        dc.TextOut(report.Column(1), y, DateText(rec->GetTime()));
        dc.TextOut(report.Column(2), y, ClockText(rec->GetTime()));
        dc.TextOut(report.Column(3), y, duration);
        dc.TextOut(report.Column(4), y, Printf("%d", rec->GetExcdSpl()));
        dc.TextOut(report.Column(5), y, Printf("%d", static_cast<int>(rec->GetExcdPeak1())));
        dc.TextOut(report.Column(6), y, Printf("%d", rec->GetExcdPeak2()));
    } else if (b.s == 3) {
        dc.TextOut(report.Column(0), y, Db(rec->GetLeq(), suffix));
        dc.TextOut(report.Column(1), y, Db(rec->GetSel(), suffix));
        dc.TextOut(report.Column(2), y, Db(rec->GetMin(), suffix));
        dc.TextOut(report.Column(3), y, Db(rec->GetMax(), suffix));
        dc.TextOut(report.Column(4), y, Db(rec->GetPeak1(), peakLetter));
        dc.TextOut(report.Column(5), y, Db(rec->GetPeak2(), suffix));
        dc.TextOut(report.Column(6), y, Printf("%u", rec->GetOverloads()));
    } else if (b.s == 4) {
        DrawIntervalWindLine(report, dc, y, rec->GetWindAverage(), rec->GetWindMax(), rec->GetMaxWindDir(),
                             kLogFields);
    } else if (b.s == 5 || b.s == 6) {
        if (setup.IsEmpty() || !(setup.U8(kLogFields.flags) & kSaveLn))
            return;
        for (int k = 0; k < 6; ++k)
            dc.TextOut(report.Column(k), y,
                       b.s == 5 ? "L" + FormatFixed(rec->GetLnPercent(k), 2)
                                : Db(rec->GetLnLevel(k), suffix));
    } else if (b.s == 7) {
        uint32_t bins[128];
        for (int i = 0; i < 128; ++i)
            bins[i] = rec->GetHistogramBin(i);
        histograms::DrawLnTableRow(report, dc, b.tableLine, y, mgr.GetLnTableRowCount(), bins, mgr.baseLevel, 32);
    }
}

void DrawSsaLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const SSAIntvRecMgr& mgr = report.DataSet().Records().ssaIntervals;
    const int perRecord = mgr.GetLinesPerRecord(0);
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const SSAIntvRec* rec = mgr.GetAt(static_cast<int>(index / static_cast<unsigned>(perRecord)));
    if (!rec)
        return;
    const IntervalBlock b = BlockOf(index, perRecord, mgr.windLine, mgr.lnLines, mgr.histogram);
    const RecordView setup = report.DataSet().SetupView();
    std::string letter;
    if (!setup.IsEmpty())
        SSAValueTexts::WeightingLetter(setup.U8(kSsaFields.weighting), letter);
    switch (b.s) {
    case 0: {
        const char* const heads[] = {"Rec #", "Date", "Time", "Duration", "Leq", "SEL", "Min", "Max"};
        dc.TextOut(report.LeftEdge(), y, heads[0]);
        for (int k = 1; k < 8; ++k)
            dc.TextOut(report.Column(k), y, heads[k]);
        break;
    }
    case 1: {
        std::string duration;
        SecondsToTime(rec->GetDuration(), duration, 1, 0);
        dc.TextOut(report.LeftEdge(), y, Printf("%ld", static_cast<long>(static_cast<int32_t>(rec->GetRecordNumber()))));
        dc.TextOut(report.Column(1), y, DateText(rec->GetStartTime()));
        dc.TextOut(report.Column(2), y, ClockText(rec->GetStartTime()));
        dc.TextOut(report.Column(3), y, duration);
        dc.TextOut(report.Column(4), y, Db(rec->GetLeq(), letter));
        dc.TextOut(report.Column(5), y, Db(rec->GetSel(), letter));
        dc.TextOut(report.Column(6), y, Db(rec->GetMin(), letter));
        dc.TextOut(report.Column(7), y, Db(rec->GetMax(), letter));
        break;
    }
    case 2: {
        const char* const heads[] = {"UwPeak", "Peak", "Excd SPL", "Excd Peak-1", "Excd Peak-2", "Overloads"};
        for (int k = 0; k < 6; ++k)
            dc.TextOut(report.Column(k), y, heads[k]);
        break;
    }
    case 3:
        dc.TextOut(report.Column(0), y, FormatFixed(rec->GetUwPeak(), 1) + " dBF");
        dc.TextOut(report.Column(1), y, Db(rec->GetPeak(), letter));
        dc.TextOut(report.Column(2), y, Printf("%d", static_cast<int>(rec->GetRmsExcdCount())));
        dc.TextOut(report.Column(3), y, Printf("%d", static_cast<int>(rec->GetUwPkExcdCount())));
        dc.TextOut(report.Column(4), y, Printf("%d", static_cast<int>(rec->GetPeakExcdCount())));
        dc.TextOut(report.Column(5), y, Printf("%u", rec->GetOverloads()));
        break;
    case 4:
        DrawIntervalWindLine(report, dc, y, rec->GetWindAverage(), rec->GetWindMax(), rec->GetMaxWindDir(),
                             kSsaFields);
        break;
    case 5:
    case 6:
        if (setup.IsEmpty() || !(setup.U8(kSsaFields.flags) & kSaveLn))
            break;
        for (int k = 0; k < 6; ++k)
            dc.TextOut(report.Column(k), y,
                       b.s == 5 ? "L" + FormatFixed(rec->GetLnPercent(k), 2)
                                : Db(rec->GetLnLevel(k), letter));
        break;
    case 7: {
        uint32_t bins[128];
        for (int i = 0; i < 128; ++i)
            bins[i] = rec->GetHistogramBin(i);
        histograms::DrawLnTableRow(report, dc, b.tableLine, y, mgr.GetLnTableRowCount(), bins, mgr.baseLevel, 8);
        break;
    }
    default: break;
    }
}

}  // namespace intervals
