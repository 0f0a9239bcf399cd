// The settings of the logging sound level meter mode, from the LOG setup
// record (output kind 53). Every 16-bit field holds one byte of the raw
// setup block; codes are read from the low byte.
#include <iomanip>

#include "ISMSetup.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SettingsWriterSupport.h"
#include "SummaryTableSupport.h"

namespace {

using namespace LogSetupFields;
constexpr TimerFields kTimer = {kTimerMode, kStartDate, kStopDate, kStartTime1, kStopTime1, kStartTime2, kStopTime2};

constexpr SettingColumns kColumns = {"  ", 25};

std::string Int(const RecordView& r, size_t offset) { return std::to_string(r.I16(offset)); }
std::string ExchangeDb(const RecordView& r, size_t offset)
{
    return std::to_string(LOGSetup::ExchangeRateToDb(r.U8(offset)));
}
std::string Selected(const RecordView& r, size_t offset) { return YesNo(r.I16(offset) == 1); }

}  // namespace

int ReportWriter::WriteLogSettings(std::ostream& out, ExportFormat format, const RecordView& r)
{
    if (!Usable(out) || r.IsEmpty())
        return 1;
    StartSettings(out, format, 1);

    const int history = r.U16(kHistoryFlags);
    WriteSettingLines(out, format, kColumns, {
        Heading("Sound Level Meter"),
        Setting("Detector:", ValueText(&ISMSetup::GetDetectorText, r.U8(kDetector))),
        Setting("Weighting:", ValueText(&LOGSetup::FreqWeightingText, r.U8(kFreqWeighting))),
        Setting("Peak-1 Weighting:", ValueText(&LOGSetup::WeightingText, r.U8(kPeak1Weighting))),
        Setting("Range:", ValueText(&LOGSetup::RangeText, r.U8(kRange))),
        Setting("AC Output Control:", ValueText(&LOGSetup::AcOutputText, r.U8(kAcOutput))),
        Setting("Current Threshold:", Int(r, kCurrentThreshold), 3, " dB", "dB"),
        Setting("Current Exchange Rate:", ExchangeDb(r, kCurrentExchangeRate), 3, " dB", "dB"),
        Setting("Overall Threshold:", Int(r, kOverallThreshold), 3, " dB", "dB"),
        Setting("Overall Exchange Rate:", ExchangeDb(r, kOverallExchangeRate), 3, " dB", "dB"),
        EmptyLine(),
        Heading("Time Weighted Average"),
        Setting("Criterion Time:", Int(r, kCriterionTime), 3, " hours", "hours"),
        Setting("Current Criterion Level:", Int(r, kCurrentCriterion), 3, " dB", "dB"),
        Setting("Overall Criterion Level:", Int(r, kOverallCriterion), 3, " dB", "dB"),
        EmptyLine(),
    });
    WriteSettingLines(out, format, {"", 18}, {
        Setting("Ln Start Level:", LnStartLevelText(r.I16(kLnStartLevel))),
        EmptyLine(),
        Heading("Ln Percentiles"),
    });

    // Two decimals in the text layout; the CSV layout keeps one.
    if (IsText(format))
        out << std::setprecision(2);
    WriteLnPercentiles(out, format, r, kLnPercentiles);
    out << std::setprecision(1);

    WriteSettingLines(out, format, kColumns, {
        EmptyLine(),
        Heading("Triggering"),
        Setting("SPL Exceedance Level 1:", FormatFixed(r.F32(kSplExceedance1), 1), 6, " dB", " dB"),
        Setting("SPL Exceedance Level 2:", Int(r, kSplExceedance2), 6, " dB", " dB"),
        Setting("Peak-1 Exceedance Level:", Int(r, kPeak1Exceedance), 6, " dB", " dB"),
        Setting("Peak-2 Exceedance Level:", Int(r, kPeak2Exceedance), 6, " dB", " dB"),
        Setting("Exceedance Hysteresis:", Int(r, kHysteresis), 6, " dB", " dB"),
        EmptyLine(),
        Heading("Time History"),
        Setting("Time History:", EnabledText(history & 0x08)),
        Setting("Time History Period:", Int(r, kHistoryPeriod)),
        Setting("Time History Units:", ValueText(&LOGSetup::PeriodUnitText, r.U8(kHistoryUnit))),
        Setting("Store Other Level:", ValueText(&LOGSetup::OtherLevelText, r.U8(kOtherLevel))),
        Setting("Resolution:", FormatFixed((history & 0x04) ? 1.0 : 0.1, 1), 6, " dB", " dB"),
        EmptyLine(),
        Heading("Intervals"),
    });
    WriteSettingLines(out, format, kColumns, IntervalSwitchLines(r.U8(kIntervalFlags)));
    WriteSettingLines(out, format, kColumns, {
        Setting("Interval Period:", r.Text(kIntervalPeriod, SetupRecordFields::kPeriodLength)),
        Setting("Interval Threshold:", Int(r, kIntervalThreshold), 3, " dB", "dB"),
        Setting("Interval Exchange Rate:", ExchangeDb(r, kIntervalExchangeRate), 3, " dB", "dB"),
        EmptyLine(),
        Setting("Daily History:", YesNo(history & 0x40)),
        Setting("Daily Save Ln:", YesNo(history & 0x80)),
        Setting("Daily Save Ln Table:", YesNo(history & 0x20)),
        Setting("Daily Auto. Calibration:", YesNo(history & 0x10)),
        EmptyLine(),
        Heading("Define Report"),
        Setting("Print Data Report:", Selected(r, kPrintDataReport)),
        Setting("Print SPL Histogram:", Selected(r, kPrintSplHistogram)),
        Setting("Print Peak-1 Histogram:", Selected(r, kPrintPeak1Histogram)),
        Setting("Print Peak-2 Histogram:", Selected(r, kPrintPeak2Histogram)),
        Setting("Print Time History:", Selected(r, kPrintTimeHistory)),
        Setting("Interval Report:", ValueText(&LOGSetup::ReportChoiceText, r.U8(kIntervalReport))),
        EmptyLine(),
    });
    WriteSettingLines(out, format, kColumns, TimerLines(r, kTimer));
    return 1;
}
