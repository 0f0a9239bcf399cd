// The LOG settings report: the logging sound level meter setup with which
// the measurement was made, in two halves of labels and values.
#include <vector>

#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSettingsCells.h"
#include "SetupValueTexts.h"

namespace {

using namespace LogSetupFields;
using SetupRecordFields::kPeriodLength;
using SetupRecordFields::kTimeLength;

using namespace settings;

Cells LogSettingsCells(const RecordView& r, unsigned index)
{
    const int intervals = r.U16(kIntervalFlags);
    const int history = r.U16(kHistoryFlags);
    auto ln = [&r](int k) { return "L" + FormatFixed(r.F32(kLnPercentiles + 4 * static_cast<size_t>(k)), 2); };
    switch (index) {
    case 0: return {{0, "Sound Level Meter"}, {4, "Time Weighted Average"}};
    case 1:
        return Pair("Detector:", Code(ISMValueTexts::GetDetectorText, r.U8(kDetector)), "Criterion Time:",
                    Printf("%d hours", r.I16(kCriterionTime)));
    case 2:
        return Pair("Weighting:", Code(LOGValueTexts::FreqWeightingText, r.U8(kFreqWeighting)), "Current Criterion Level:",
                    Dbs(r.I16(kCurrentCriterion)));
    case 3:
        return Pair("Peak-1 Weighting:", Code(LOGValueTexts::WeightingText, r.U8(kPeak1Weighting)),
                    "Overall Criterion Level:", Dbs(r.I16(kOverallCriterion)));
    case 4: return Pair("Range:", Code(LOGValueTexts::RangeText, r.U8(kRange)));
    case 5: return {{1, "AC Output Control:"}, {3, Code(LOGValueTexts::AcOutputText, r.U8(kAcOutput))}, {4, "Ln Percentiles"}};
    case 6:
        return Pair("Current Threshold:", Printf("%d", r.I16(kCurrentThreshold)), "Start Level:",
                    Printf("%1d dB", r.I16(kLnStartLevel)));
    case 7: return Pair("Current Exchange Rate:", Dbs(r.I16(kCurrentExchangeRate) + 3), ln(0), ln(3));
    case 8: return Pair("Overall Threshold:", Printf("%d", r.I16(kOverallThreshold)), ln(1), ln(4));
    case 9: return Pair("Overall Exchange Rate:", Dbs(r.I16(kOverallExchangeRate) + 3), ln(2), ln(5));
    case 11: return {{0, "Triggering"}, {4, "Time History"}};
    case 12:
        return Pair("SPL Exceedance Level 1:", FormatFixed(r.F32(kSplExceedance1), 1) + " dB",
                    "Time History:", Enabled(history & 0x08));
    case 13:
        return Pair("SPL Exceedance Level 2:", Dbs(r.I16(kSplExceedance2)), "Time History Period:",
                    Printf("%d", r.I16(kHistoryPeriod)));
    case 14:
        return Pair("Peak-1 Exceedance Level:", Dbs(r.I16(kPeak1Exceedance)), "Time History Units:",
                    Code(LOGValueTexts::PeriodUnitText, r.U8(kHistoryUnit)));
    case 15:
        return Pair("Peak-2 Exceedance Level:", Dbs(r.I16(kPeak2Exceedance)), "Store Other Level:",
                    Code(LOGValueTexts::OtherLevelText, r.U8(kOtherLevel)));
    case 16:
        return Pair("Exceedance Hysteresis:", Dbs(r.I16(kHysteresis)), "Resolution:",
                    Printf("%.1f dB", (history & 0x04) ? 1.0 : 0.1));
    case 18: return {{0, "Intervals"}, {4, "Define Report"}};
    case 19: return Pair("Intervals:", Enabled(intervals & 0x80), "Print Data Report:", YesNo(r.I16(kPrintDataReport) == 1));
    case 20:
        return Pair("Interval Time Sync:", YesNo(intervals & 0x20), "Print SPL Histogram:", YesNo(r.I16(kPrintSplHistogram) == 1));
    case 21:
        return Pair("Interval Save Ln:", YesNo(intervals & 0x40), "Print Peak-1 Histogram:",
                    YesNo(r.I16(kPrintPeak1Histogram) == 1));
    case 22:
        return Pair("Interval Save Ln Table:", YesNo(intervals & 0x01), "Print Peak-2 Histogram:",
                    YesNo(r.I16(kPrintPeak2Histogram) == 1));
    case 23:
        return Pair("Interval Auto Stop:", YesNo(intervals & 0x10), "Print Time History:", YesNo(r.I16(kPrintTimeHistory) == 1));
    case 24:
        return Pair("Interval Period:", r.Text(kIntervalPeriod, kPeriodLength), "Interval Report:",
                    Code(LOGValueTexts::ReportChoiceText, r.U8(kIntervalReport)));
    case 25: return Pair("Interval Threshold:", Dbs(r.I16(kIntervalThreshold)));
    case 26: return Pair("Interval Exchange Rate:", Dbs(r.I16(kIntervalExchangeRate) + 3));
    case 28: return {{0, "Timer"}, {4, "Daily"}};
    case 29:
        return Pair("Timer Mode:", Code(LOGValueTexts::TimerModeText, r.U8(kTimerMode)), "Daily History:",
                    Enabled(history & 0x40));
    case 30: return Pair("Start Date:", ShortDateText(r, kStartDate), "Daily Ln:", YesNo(history & 0x80));
    case 31: return Pair("Stop Date:", ShortDateText(r, kStopDate), "Daily Ln Table:", YesNo(history & 0x20));
    case 32: return Pair("Start Time 1:", r.Text(kStartTime1, kTimeLength), "Daily Auto. Calibration:", YesNo(history & 0x10));
    case 33: return Pair("Start Time 2:", r.Text(kStartTime2, kTimeLength));
    case 34: return Pair("Stop Time 1:", r.Text(kStopTime1, kTimeLength));
    case 35: return Pair("Stop Time 2:", r.Text(kStopTime2, kTimeLength));
    default: return {};
    }
}

}  // namespace

namespace settings {

void DrawLogSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const RecordView setup = report.DataSet().SetupView();
    if (!setup.IsEmpty() && index <= 35)
        DrawCells(report, dc, line, LogSettingsCells(setup, index));
}

void DrawCells(const ReportLines& report, ReportDC& dc, int line, const Cells& cells)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    for (const auto& [column, text] : cells) {
        if (text.empty())
            continue;
        const int x = column == 0 ? report.LeftEdge()
                      : column == kLnColumn ? report.Column(5) + (report.Column(5) - report.Column(4))
                                                      : report.Column(column);
        dc.TextOut(x, y, text);
    }
}

}  // namespace settings
