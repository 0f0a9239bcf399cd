// The logging sound level meter summary: the overall and the current
// measurement side by side (times, average level, SEL, dose, Min, Max and
// peaks), the Ln table, exceedances, overloads and pauses, the wind summary,
// calibration, record counts, memory and battery; on paper in three
// sections with the overall and current "Any Data" blocks (their page
// plans: ReportPrintPages.cpp).
#include "ISMSetup.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "MeasDataSet.h"
#include "ReportSummaries.h"
#include "ReportText.h"
#include "SummaryWriterSupport.h"

namespace {

namespace logsetup {
using namespace LogSetupFields;
}  // namespace logsetup

// The wind lines are effective indexes 31 to 38; without the wind sensor
// they drop out and the lines after them move up.
constexpr unsigned kFirstWindLine = 31;
constexpr unsigned kWindLines = 8;
// The wind lines, an empty line and the four calibration lines.
constexpr unsigned kWindCalLines = 12;
constexpr unsigned kLastLogSummaryLine = 54;

int WeightingIndex(int code) { return code >= 0 && code <= 2 ? code : 0; }

// A signed 32-bit count of the record for a "%ld" format.
long Long(const RecordView& record, size_t offset) { return static_cast<long>(record.I32(offset)); }

std::string Enabled(const RecordView& setup, size_t field, int bit)
{
    return SwitchStatus(setup, (setup.U8(field) & bit) != 0);
}

}  // namespace

namespace summary {

void DrawLogLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const MeasDataSet& data = report.DataSet();
    const RecordView sum = data.SummaryView();
    if (sum.IsEmpty())
        return;
    const RecordView setup = data.GetSetupType() == 7 ? data.SetupView() : RecordView();
    const bool has = !setup.IsEmpty();
    const unsigned e = LogWindLines(data) || index < kFirstWindLine ? index : index + kWindLines;
    if (e > kLastLogSummaryLine)
        return;
    const int y = report.LineY(dc, line);
    if (e >= kFirstWindLine && e < kFirstWindLine + kWindCalLines) {
        DrawWindCalLine(report, dc, y, e - kFirstWindLine, setup, kLogWindSetup);
        return;
    }

    // The weighting (w, its short text s), the weighting and detector of
    // the Min and Max entries (k) and the Peak-1 weighting (p).
    const int code = setup.I16(logsetup::kFreqWeighting);
    std::string s;
    if (has)
        LOGSetup::FreqWeightingShortText(code, s);
    const bool weightingKnown = code >= 0 && code <= 2;
    const size_t w = static_cast<size_t>(WeightingIndex(code));
    const size_t k = static_cast<size_t>(LOGSetup::WeightingDetectorIndex(code, setup.I16(logsetup::kDetector)));
    const int peak1Code = setup.I16(logsetup::kPeak1Weighting);
    const size_t p = static_cast<size_t>(WeightingIndex(peak1Code));
    std::string peak1Letter;
    if (has)
        LOGSetup::WeightingLetter(peak1Code, peak1Letter);

    auto both = [&](const char* label) {
        dc.TextOut(report.LeftEdge(), y, label);
        dc.TextOut(report.Column(4), y, label);
    };
    auto values = [&](int first, const std::string& overall, const std::string& current) {
        DrawRightAligned(dc, report.SummaryPosition(first), y, overall);
        DrawRightAligned(dc, report.SummaryPosition(first + 1), y, current);
    };
    auto level = [&](size_t offset, const std::string& suffix) {
        return FormatFixed(sum.F32(offset), 1) + " dB" + suffix;
    };
    // A weighting's value, 0.0 for a weighting code outside A, C and Flat.
    auto weighted = [&](size_t offset) {
        return FormatFixed(weightingKnown ? sum.F32(offset + 4 * w) : 0.0f, 1) + " dB" + s;
    };
    auto occurred = [&](size_t levels, size_t times, size_t entry, const std::string& suffix, const char* gap) {
        return level(levels + 4 * entry, suffix) + gap + DateTimeText(sum.U32(times + 4 * entry));
    };
    auto percent = [&](size_t offset) { return FormatFixed(sum.F32(offset), 1) + " %"; };
    auto decibels = [&](size_t offset) { return Printf("%d dB", sum.I16(offset)); };
    auto lnRow = [&](size_t n, const char* label, size_t labelled) {
        for (size_t c = 0; c < 2; ++c) {
            const size_t i = n + 3 * c;
            dc.TextOut(report.LnColumn(2 * c), y, "L" + FormatFixed(sum.F32(SummaryFields::kLnPercentiles + 4 * i), 2));
            dc.TextOut(report.LnColumn(2 * c + 1), y, level(SummaryFields::kLnLevels + 4 * i, s));
        }
        dc.TextOut(report.LnColumn(4), y, label);
        dc.TextOut(report.LnColumn(5), y, level(labelled, s));
    };
    auto exceedance = [&](const char* label, const std::string& limit, size_t count) {
        dc.TextOut(report.ExceedanceColumn(0), y, label);
        if (has)
            dc.TextOut(report.ExceedanceColumn(1), y, limit);
        dc.TextOut(report.ExceedanceColumn(2), y, "Exceeded:");
        dc.TextOut(report.ExceedanceColumn(3), y, Printf("%ld %s", Long(sum, count), "times"));
    };
    auto records = [&](const char* label, const char* countLabel, const char* sample, const std::string& state,
                       size_t count) {
        dc.TextOut(report.LeftEdge(), y, label);
        if (!state.empty())
            dc.TextOut(report.Column(2), y, state);
        dc.TextOut(report.Column(4), y, countLabel);
        dc.TextOut(report.Column(4) + dc.TextWidth(sample), y, Printf("%5ld", Long(sum, count)));
    };

    switch (e) {
    case 0:
        dc.TextOut(report.LeftEdge(), y, "Overall Measurement");
        dc.TextOut(report.Column(4), y, "Current Measurement");
        break;
    case 1:
        both("Start Time:");
        dc.TextOut(report.Column(2), y, DateTimeText(sum.U32(kOverallSet.start)));
        dc.TextOut(report.Column(6), y, DateTimeText(sum.U32(kCurrentSet.start)));
        break;
    case 2:
        both("Elapsed Time:");
        dc.TextOut(report.Column(2), y, DurationText(sum.F32(kOverallSet.elapsed)));
        dc.TextOut(report.Column(6), y, DurationText(sum.F32(kCurrentSet.elapsed)));
        break;
    case 3:
        dc.TextOut(report.LeftEdge(), y, sum.Text(kOverallSet.averageLabel, kLevelLabelLength) + ":");
        dc.TextOut(report.Column(4), y, sum.Text(kCurrentSet.averageLabel, kLevelLabelLength) + ":");
        values(0, weighted(kOverallSet.average), weighted(kCurrentSet.average));
        break;
    case 4:
        both("SEL:");
        values(0, weighted(kOverallSet.sel), weighted(kCurrentSet.sel));
        break;
    case 5:
        both(has ? Printf("Dose: (%d hr)", setup.I16(logsetup::kCriterionTime)).c_str() : "Dose:");
        values(0, percent(kOverallSet.dose), percent(kCurrentSet.dose));
        break;
    case 6:
        both("Proj. Dose:");
        values(0, percent(kOverallSet.projectedDose), percent(kCurrentSet.projectedDose));
        break;
    case 7:
        both("Threshold:");
        values(0, decibels(kOverallSet.threshold), decibels(kCurrentSet.threshold));
        break;
    case 8:
        both("Criterion:");
        values(0, decibels(kOverallSet.criterion), decibels(kCurrentSet.criterion));
        break;
    case 9:
        both("Exchange Rate:");
        if (has)
            values(0, Printf("%2d dB", setup.I16(logsetup::kOverallExchangeRate) + 3),
                   Printf("%2d dB", setup.I16(logsetup::kCurrentExchangeRate) + 3));
        break;
    case 11:
        both("Min:");
        values(2, occurred(kOverallSet.lmin, kOverallSet.lminTimes, k, s, "  "),
               occurred(kCurrentSet.lmin, kCurrentSet.lminTimes, k, s, "  "));
        break;
    case 12:
        both("Max:");
        values(2, occurred(kOverallSet.lmax, kOverallSet.lmaxTimes, k, s, "  "),
               occurred(kCurrentSet.lmax, kCurrentSet.lmaxTimes, k, s, " "));
        break;
    case 13:
        both("Peak-1:");
        values(2, occurred(SummaryFields::kOverallPeak1, SummaryFields::kOverallPeak1Times, p, peak1Letter, "  "),
               occurred(SummaryFields::kCurrentPeak1, SummaryFields::kCurrentPeak1Times, p, peak1Letter, "  "));
        break;
    case 14:
        both("Peak-2:");
        values(2, occurred(kOverallSet.peak, kOverallSet.peakTimes, w, s, "  "),
               occurred(kCurrentSet.peak, kCurrentSet.peakTimes, w, s, "  "));
        break;
    case 16:
        dc.TextOut(report.LnColumn(0), y, "Ln Start Level:");
        if (has)
            dc.TextOut(report.LnColumn(2), y, Printf("%2d dB", setup.I16(logsetup::kLnStartLevel)));
        break;
    case 17: lnRow(0, "LDN:", SummaryFields::kLdn); break;
    case 18: lnRow(1, "CNEL:", SummaryFields::kCnel); break;
    case 19: lnRow(2, "Overall Leq:", SummaryFields::kOverallLeq); break;
    case 21: {
        dc.TextOut(report.LeftEdge(), y, "Detector:");
        std::string text;
        if (has)
            dc.TextOut(report.Column(1), y, ISMSetup::GetDetectorText(setup.I16(logsetup::kDetector), text));
        break;
    }
    case 22: {
        dc.TextOut(report.LeftEdge(), y, "Weighting:");
        std::string text;
        if (has)
            dc.TextOut(report.Column(1), y, LOGSetup::FreqWeightingText(code, text));
        break;
    }
    case 23:
        exceedance("SPL Exceedance Level 1:",
                   Printf("%5s", FormatReportNumber(setup.F32(logsetup::kSplExceedance1), 1, 0)),
                   SummaryFields::kSplExceedances1);
        break;
    case 24:
        exceedance("SPL Exceedance level 2:", Printf("%5d", setup.I16(logsetup::kSplExceedance2)),
                   SummaryFields::kSplExceedances2);
        break;
    case 25:
        exceedance("Peak-1 Exceedance Level:", Printf("%5d", setup.I16(logsetup::kPeak1Exceedance)),
                   SummaryFields::kPeak1Exceedances);
        break;
    case 26:
        exceedance("Peak-2 Exceedance Level:", Printf("%5d", setup.I16(logsetup::kPeak2Exceedance)),
                   SummaryFields::kPeak2Exceedances);
        break;
    case 27:
        dc.TextOut(report.LeftEdge(), y, "Hysteresis:");
        if (has)
            dc.TextOut(report.Column(2), y, Printf("%d", setup.I16(logsetup::kHysteresis)));
        break;
    case 28:
        DrawLabelAndValue(report, dc, y, "Overloaded:",
                          Printf("%ld %s", Long(sum, SummaryFields::kOverloads), "time(s)"));
        break;
    case 29:
        DrawLabelAndValue(report, dc, y, "Paused:",
                          Printf("%ld %s %s", Long(sum, SummaryFields::kPauses), "times for",
                                 DurationText(sum.F32(SummaryFields::kPausedTime)).c_str()));
        break;
    case 44:
        records("Interval Records:", "Number Interval Records:", "Number Interval Records:SS",
                Enabled(setup, logsetup::kIntervalFlags, 0x80), SummaryFields::kIntervalRecords);
        break;
    case 45:
        records("History Records:", "Number History Records:", "Number Interval Records:SS",
                Enabled(setup, logsetup::kHistoryFlags, 0x08), SummaryFields::kHistoryRecords);
        break;
    case 46:
        records("Exceedance Records:", "Number Exceedance Records:", "Number Exceedance Records:SS",
                Enabled(setup, logsetup::kExceedanceFlags, 0x80), SummaryFields::kExceedanceRecords);
        break;
    case 47:
        records("Daily Records:", "Number Daily Records:", "Number Daily Records:SS",
                Enabled(setup, logsetup::kHistoryFlags, 0x40), SummaryFields::kDailyRecords);
        break;
    case 48:
        records("Run/Stop Records:", "Number Run/Stop Records:", "Number Run/Stop Records:SS", "",
                SummaryFields::kRunStopRecords);
        break;
    case 50:
        DrawLabelAndValue(report, dc, y, "J57 Memory:",
                          Printf("%ld %s", Long(sum, SummaryFields::kMemorySize), "bytes"));
        break;
    case 51: {
        dc.TextOut(report.LeftEdge(), y, "Free Memory:");
        const int32_t total = sum.I32(SummaryFields::kMemorySize);
        const int32_t free = sum.I32(SummaryFields::kFreeMemory);
        // Without a memory size there is no share to show.
        const std::string share =
            total > 0 ? FormatFixed(static_cast<float>(free) / static_cast<float>(total) * 100.0f, 2, 5) : "  ---";
        dc.TextOut(report.Column(2), y,
                   Printf("%ld %s %s%% %s", static_cast<long>(free), "bytes", share.c_str(), "free"));
        break;
    }
    case 53:
        DrawLabelAndValue(report, dc, y, "Battery Level:",
                          Printf("%s %s %s", sum.Text(SummaryFields::kBattery, SummaryFields::kBatteryLength).c_str(), "Source:",
                                 sum.Text(SummaryFields::kPowerSource, SummaryFields::kPowerSourceLength).c_str()));
        break;
    default: break;
    }
}

bool LogWindLines(const MeasDataSet& data)
{
    const RecordView setup = data.GetSetupType() == 7 ? data.SetupView() : RecordView();
    return !setup.IsEmpty() && (setup.U8(logsetup::kOptionFlags) & 0x40) != 0;
}

int LogBlockLines(const MeasDataSet& data)
{
    return LogWindLines(data) ? 54 : 46;
}

}  // namespace summary
