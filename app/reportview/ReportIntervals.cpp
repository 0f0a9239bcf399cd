// The interval reports: LOG intervals (type 7), SLM/RTA intervals (type 18)
// and the heading block of the octave band intervals (type 12). Each interval
// is a block of lines: heads and values twice, the wind line when the file
// has wind data, the Ln percentiles and levels, and the Ln-table histogram.
#include "CDataReport.h"
#include "DirectionText.h"
#include "KeptRecordFields.h"
#include "ReportText.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace {

// Where the LOG and the SSA setup records keep what the interval report reads.
struct IntervalFields {
    size_t exchangeRate, threshold, period, flags, weighting, peak1Weighting, windScale, windUnits,
        directionUnits;
};
namespace logsetup = LogSetupFields;
namespace ssasetup = SsaSetupFields;
namespace obasetup = ObaSetupFields;
constexpr IntervalFields kLogFields{logsetup::kIntervalExchangeRate, logsetup::kIntervalThreshold,
                                    logsetup::kIntervalPeriod,       logsetup::kIntervalFlags,
                                    logsetup::kFreqWeighting,        logsetup::kPeak1Weighting,
                                    logsetup::kWindScale,            logsetup::kWindUnits,
                                    logsetup::kDirectionUnits};
constexpr IntervalFields kSsaFields{ssasetup::kIntervalExchangeRate, ssasetup::kIntervalThreshold,
                                    ssasetup::kIntervalPeriod,       ssasetup::kIntervalFlags,
                                    ssasetup::kWeighting,            ssasetup::kPeak1Weighting,
                                    ssasetup::kWindScale,            ssasetup::kWindUnits,
                                    ssasetup::kDirectionUnits};
constexpr size_t kPeriodLength = 11;
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

}  // namespace

void CDataReport::DrawLogIntervalHeadings(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const RecordView setup = data_.SetupView();
    const IntervalFields& f = reportType_ == 18 ? kSsaFields : kLogFields;
    const int count = reportType_ == 18 ? data_.Records().ssaIntervals.GetCount() : data_.Records().intervals.GetCount();
    switch (index) {
    case 0: dc.TextOut(left_, y, Printf("%s %d", "Interval Records:", count)); break;
    case 1:
        dc.TextOut(left_, y, "Exch. Rate");
        dc.TextOut(columns_[1], y, "Threshold");
        dc.TextOut(columns_[2], y, "Intv Period");
        dc.TextOut(columns_[3], y, "Sync Hours/Minutes");
        dc.TextOut(columns_[5], y, "Save Ln");
        dc.TextOut(columns_[6], y, "Auto Stop");
        break;
    case 2: {
        if (setup.IsEmpty())
            break;
        const int flags = setup.U8(f.flags);
        dc.TextOut(columns_[0], y, Printf("%d dB", setup.I16(f.exchangeRate) + 3));
        dc.TextOut(columns_[1], y, Printf("%d", setup.I16(f.threshold)));
        dc.TextOut(columns_[2], y, setup.Text(f.period, kPeriodLength));
        dc.TextOut(columns_[3], y, YesNo(flags, kTimeSync));
        dc.TextOut(columns_[5], y, YesNo(flags, kSaveLn));
        dc.TextOut(columns_[6], y, YesNo(flags, kAutoStop));
        break;
    }
    case 4: {
        if (reportType_ != 18 || setup.IsEmpty())
            break;
        const std::string start = "Note: Use 'File/Export' to see interval Leq ";
        const std::string ending = setup.I16(ssasetup::kSpectralLn) == 2 ? ", and Interval Spectral Ln's" : "";
        const int spectra = setup.I16(ssasetup::kIntervalSpectra);
        const char* format = spectra == 1 ? "%s and Max spectra%s" : spectra == 2 ? "%s and Min spectra%s" : "%s spectrum %s";
        dc.TextOut(columns_[0], y, Printf(format, start.c_str(), ending.c_str()));
        break;
    }
    default: break;
    }
}

void CDataReport::DrawSsaIntervalHeadings(ReportDC& dc, unsigned index, int line)
{
    DrawLogIntervalHeadings(dc, index, line);
}

void CDataReport::DrawObaIntervalHeadings(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const RecordView setup = data_.SetupView();
    if (index == 0) {
        dc.TextOut(columns_[0], y, Printf("%s %d", "OBA Interval Records:", data_.Records().obaIntervals.GetCount()));
    } else if (index == 1) {
        dc.TextOut(columns_[0], y, "Bandwidth");
        dc.TextOut(columns_[2], y, "Intv Period");
        dc.TextOut(columns_[4], y, "Sync Hours/Minutes");
        dc.TextOut(columns_[8], y, "Auto Stop");
    } else if (index == 2 && !setup.IsEmpty()) {
        std::string bandwidth;
        OBAValueTexts::GetBandwidthText(setup.U16(obasetup::kBandwidth), bandwidth);
        const int flags = setup.U16(obasetup::kIntervalFlags);
        dc.TextOut(columns_[0], y, bandwidth);
        dc.TextOut(columns_[2], y, setup.Text(obasetup::kIntervalPeriod, kPeriodLength));
        dc.TextOut(columns_[4], y, YesNo(flags, kTimeSync));
        dc.TextOut(columns_[8], y, YesNo(flags, kAutoStop));
    }
}

void CDataReport::DrawLogIntervalLine(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const IntvMgr& mgr = data_.Records().intervals;
    const int perRecord = mgr.GetLinesPerRecord();
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const IntvRec* rec = mgr.GetAt(static_cast<int>(index / static_cast<unsigned>(perRecord)));
    const IntervalBlock b = BlockOf(index, perRecord, mgr.windLine, mgr.lnLines, mgr.histogram);
    const RecordView setup = data_.SetupView();
    std::string suffix, peakLetter;
    if (!setup.IsEmpty()) {
        LOGValueTexts::FreqWeightingShortText(setup.U8(kLogFields.weighting), suffix);
        LOGValueTexts::WeightingLetter(setup.U8(kLogFields.peak1Weighting), peakLetter);
    }
    if (b.s == 0) {
        const char* const heads[] = {"Rec #", "Date", "Time", "Duration", "Excd SPL", "Excd Peak-1", "Excd Peak-2"};
        dc.TextOut(left_, y, heads[0]);
        for (int k = 1; k < 7; ++k)
            dc.TextOut(columns_[k], y, heads[k]);
        return;
    }
    if (b.s == 2) {
        const char* const heads[] = {"Leq", "SEL", "Min", "Max", "Peak-1", "Peak-2", "Overloads"};
        for (int k = 0; k < 7; ++k)
            dc.TextOut(columns_[k], y, heads[k]);
        return;
    }
    if (!rec)
        return;
    if (b.s == 1) {
        std::string duration;
        SecondsToHms(WholeSeconds(rec->GetDuration()), duration);
        dc.TextOut(left_, y, Printf("%ld", static_cast<long>(static_cast<int32_t>(rec->GetRecordNumber()))));
        dc.TextOut(columns_[1], y, TimeText(rec->GetTime(), "%d-%b-%Y"));
        dc.TextOut(columns_[2], y, TimeText(rec->GetTime(), "%H:%M:%S"));
        dc.TextOut(columns_[3], y, duration);
        dc.TextOut(columns_[4], y, Printf("%d", rec->GetExcdSpl()));
        dc.TextOut(columns_[5], y, Printf("%d", static_cast<int>(rec->GetExcdPeak1())));
        dc.TextOut(columns_[6], y, Printf("%d", rec->GetExcdPeak2()));
    } else if (b.s == 3) {
        dc.TextOut(columns_[0], y, Db(rec->GetLeq(), suffix));
        dc.TextOut(columns_[1], y, Db(rec->GetSel(), suffix));
        dc.TextOut(columns_[2], y, Db(rec->GetMin(), suffix));
        dc.TextOut(columns_[3], y, Db(rec->GetMax(), suffix));
        dc.TextOut(columns_[4], y, Db(rec->GetPeak1(), peakLetter));
        dc.TextOut(columns_[5], y, Db(rec->GetPeak2(), suffix));
        dc.TextOut(columns_[6], y, Printf("%u", rec->GetOverloads()));
    } else if (b.s == 4) {
        DrawIntervalWindLine(dc, y, rec->GetWindAverage(), rec->GetWindMax(), rec->GetMaxWindDir(), kLogFields.windScale,
                             kLogFields.windUnits, kLogFields.directionUnits);
    } else if (b.s == 5 || b.s == 6) {
        if (setup.IsEmpty() || !(setup.U8(kLogFields.flags) & kSaveLn))
            return;
        for (int k = 0; k < 6; ++k)
            dc.TextOut(columns_[k], y,
                       b.s == 5 ? "L" + FormatFixed(rec->GetLnPercent(k), 2)
                                : Db(rec->GetLnLevel(k), suffix));
    } else if (b.s == 7) {
        uint32_t bins[128];
        for (int i = 0; i < 128; ++i)
            bins[i] = rec->GetHistogramBin(i);
        DrawLnTableRow(dc, b.tableLine, y, mgr.GetLnTableRowCount(), bins, mgr.baseLevel, 32);
    }
}

void CDataReport::DrawSsaIntervalLine(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const SSAIntvRecMgr& mgr = data_.Records().ssaIntervals;
    const int perRecord = mgr.GetLinesPerRecord(0);
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const SSAIntvRec* rec = mgr.GetAt(static_cast<int>(index / static_cast<unsigned>(perRecord)));
    if (!rec)
        return;
    const IntervalBlock b = BlockOf(index, perRecord, mgr.windLine, mgr.lnLines, mgr.histogram);
    const RecordView setup = data_.SetupView();
    std::string letter;
    if (!setup.IsEmpty())
        SSAValueTexts::WeightingLetter(setup.U8(kSsaFields.weighting), letter);
    switch (b.s) {
    case 0: {
        const char* const heads[] = {"Rec #", "Date", "Time", "Duration", "Leq", "SEL", "Min", "Max"};
        dc.TextOut(left_, y, heads[0]);
        for (int k = 1; k < 8; ++k)
            dc.TextOut(columns_[k], y, heads[k]);
        break;
    }
    case 1: {
        std::string duration;
        SecondsToTime(rec->GetDuration(), duration, 1, 0);
        dc.TextOut(left_, y, Printf("%ld", static_cast<long>(static_cast<int32_t>(rec->GetRecordNumber()))));
        dc.TextOut(columns_[1], y, TimeText(rec->GetStartTime(), "%d-%b-%Y"));
        dc.TextOut(columns_[2], y, TimeText(rec->GetStartTime(), "%H:%M:%S"));
        dc.TextOut(columns_[3], y, duration);
        dc.TextOut(columns_[4], y, Db(rec->GetLeq(), letter));
        dc.TextOut(columns_[5], y, Db(rec->GetSel(), letter));
        dc.TextOut(columns_[6], y, Db(rec->GetMin(), letter));
        dc.TextOut(columns_[7], y, Db(rec->GetMax(), letter));
        break;
    }
    case 2: {
        const char* const heads[] = {"UwPeak", "Peak", "Excd SPL", "Excd Peak-1", "Excd Peak-2", "Overloads"};
        for (int k = 0; k < 6; ++k)
            dc.TextOut(columns_[k], y, heads[k]);
        break;
    }
    case 3:
        dc.TextOut(columns_[0], y, FormatFixed(rec->GetUwPeak(), 1) + " dBF");
        dc.TextOut(columns_[1], y, Db(rec->GetPeak(), letter));
        dc.TextOut(columns_[2], y, Printf("%d", static_cast<int>(rec->GetRmsExcdCount())));
        dc.TextOut(columns_[3], y, Printf("%d", static_cast<int>(rec->GetUwPkExcdCount())));
        dc.TextOut(columns_[4], y, Printf("%d", static_cast<int>(rec->GetPeakExcdCount())));
        dc.TextOut(columns_[5], y, Printf("%u", rec->GetOverloads()));
        break;
    case 4:
        DrawIntervalWindLine(dc, y, rec->GetWindAverage(), rec->GetWindMax(), rec->GetMaxWindDir(), kSsaFields.windScale,
                             kSsaFields.windUnits, kSsaFields.directionUnits);
        break;
    case 5:
    case 6:
        if (setup.IsEmpty() || !(setup.U8(kSsaFields.flags) & kSaveLn))
            break;
        for (int k = 0; k < 6; ++k)
            dc.TextOut(columns_[k], y,
                       b.s == 5 ? "L" + FormatFixed(rec->GetLnPercent(k), 2)
                                : Db(rec->GetLnLevel(k), letter));
        break;
    case 7: {
        uint32_t bins[128];
        for (int i = 0; i < 128; ++i)
            bins[i] = rec->GetHistogramBin(i);
        DrawLnTableRow(dc, b.tableLine, y, mgr.GetLnTableRowCount(), bins, mgr.baseLevel, 8);
        break;
    }
    default: break;
    }
}

void CDataReport::DrawIntervalWindLine(ReportDC& dc, int y, float average, float maximum, int direction,
                                       size_t scaleField, size_t unitsField, size_t directionUnitsField)
{
    const RecordView setup = data_.SetupView();
    const float scale = setup.F32(scaleField);
    const std::string units = setup.Text(unitsField, 4);
    dc.TextOut(columns_[0], y, "Wind Avg.:");
    dc.TextOut(columns_[1], y, FormatFixed(average * scale, 1) + " " + units);
    dc.TextOut(columns_[2], y, "Wind Max.:");
    dc.TextOut(columns_[3], y, FormatFixed(maximum * scale, 1) + " " + units);
    dc.TextOut(columns_[4], y, "Max Wind Dir:");
    dc.TextOut(columns_[6], y, FormatDirectionText(direction, setup.U8(directionUnitsField)));
}
