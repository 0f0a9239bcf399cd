// The SLM/RTA settings report: the SSA setup with which the measurement was
// made.
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSettingsCells.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace {

using namespace settings;

using namespace SsaSetupFields;
using SetupRecordFields::kPeriodLength;
using SetupRecordFields::kTimeLength;

Cells SsaSettingsCells(const RecordView& r, unsigned index)
{
    const int rta = r.U8(kModeFlags);
    const int intervals = r.U8(kIntervalFlags);
    const int ln = r.U8(kLnFlags);
    auto percent = [&r](int k) {
        return "L" + FormatFixed(r.F32(kLnPercentiles + 4 * static_cast<size_t>(k)), 2);
    };
    auto lnPair = [&](int k) { return Cells{{kLnColumn, percent(k)}, {6, percent(k + 3)}}; };
    auto join = [](Cells a, const Cells& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    switch (index) {
    case 0: return {{0, "Sound Level Meter / RTA Analyzer"}, {4, "Ln"}};
    case 1: return Pair("Bandwidth:", (rta & 0x08) ? "1/3" : "1/1", "Ln:", Enabled(ln & 0x02));
    case 2:
        return Pair("Detector:", Code(TALValueTexts::DetectorText, r.U8(kDetector)), "Start Level:",
                    Dbs(r.I16(kLnStartLevel)));
    case 3: {
        const int option = r.I16(kSpectralLn);
        return Pair("Weighting:", Code(SSAValueTexts::WeightingText, r.U8(kWeighting)), "Spectral Ln Option:",
                    SSAValueTexts::SpectralLnText(option));
    }
    case 4:
        return {{1, "Peak-1 Weighting:"}, {3, Code(SSAValueTexts::Peak1WeightingText, r.U8(kPeak1Weighting))},
                {5, "Ln Percentiles"}};
    case 5:
        return join({{1, "Second Display"}, {3, Code(SSAValueTexts::SecondDisplayText, r.U8(kSecondDisplay))}},
                    lnPair(0));
    case 6: return join({{1, "Gain"}, {3, Code(SSAValueTexts::GainText, r.U8(kGain))}}, lnPair(1));
    case 7: return join({{1, "RTA Detector"}, {3, (rta & 0x04) ? "Fast" : "Slow"}}, lnPair(2));
    case 8:
        return Pair("RTA Weighting:",
                    Code(SSAValueTexts::WeightingText, r.I16(kFormatVersion) >= 4 ? r.U8(kRtaWeighting) : 2));
    case 9: return Pair("AC Output Control:", Code(SSAValueTexts::AcOutputText, r.U8(kAcOutput)));
    case 11: return {{0, "Intervals"}, {4, "Time History"}};
    case 12: return Pair("Intervals:", Enabled(intervals & 0x80), "Time History:", Enabled(ln & 0x08));
    case 13:
        return Pair("Interval Time Sync:", YesNo(intervals & 0x20), "Time History Period:",
                    Printf("%d", r.I16(kHistoryPeriod)));
    case 14:
        return Pair("Interval Save Ln:", YesNo(intervals & 0x40), "Time History Units:",
                    Code(LOGValueTexts::PeriodUnitText, r.U8(kHistoryUnit)));
    case 15:
        return Pair("Interval Save Ln Table:", YesNo(intervals & 0x01), "Resolution:",
                    Printf("%.1f dB", (ln & 0x04) ? 1.0 : 0.1));
    case 16: return Pair("Interval Auto Stop:", YesNo(intervals & 0x10));
    case 17: return Pair("Interval Period:", IntervalPeriodText(r.Text(kIntervalPeriod, kPeriodLength)));
    case 18: return Pair("Interval Threshold:", Printf("%d", r.I16(kIntervalThreshold)));
    case 19: return Pair("Interval Exchange Rate:", Dbs(r.I16(kIntervalExchangeRate) + 3));
    case 20: {
        const int spectra = r.I16(kIntervalSpectra);
        return Pair("Interval Spectra Option:",
                    SSAValueTexts::IntervalSpectraText(spectra));
    }
    case 22: return {{0, "Timer"}};
    case 23: return Pair("Timer Mode:", Code(LOGValueTexts::TimerModeText, r.U8(kTimerMode)));
    case 24: return Pair("Start Date:", ShortDateText(r, kStartDate));
    case 25: return Pair("Stop Date:", ShortDateText(r, kStopDate));
    case 26: return Pair("Start Time 1:", r.Text(kStartTime1, kTimeLength));
    case 27: return Pair("Start Time 2:", r.Text(kStartTime2, kTimeLength));
    case 28: return Pair("Stop Time 1:", r.Text(kStopTime1, kTimeLength));
    case 29: return Pair("Stop Time 2:", r.Text(kStopTime2, kTimeLength));
    default: return {};
    }
}

}  // namespace

namespace settings {

void DrawSsaSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const RecordView setup = report.DataSet().SetupView();
    if (!setup.IsEmpty() && index <= 29)
        DrawCells(report, dc, line, SsaSettingsCells(setup, index));
}

}  // namespace settings
