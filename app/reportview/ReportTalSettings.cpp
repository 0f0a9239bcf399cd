// The ZU-Reru settings report: the TAL setup with which the measurement was
// made.
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSettingsCells.h"
#include "SetupValueTexts.h"

namespace {

using namespace settings;

using namespace TalSetupFields;
const char* const kModes[3] = {"Basic", "RTA", "Tonal"};

Cells TalSettingsCells(const RecordView& r, unsigned index)
{
    const int th = r.U16(kHistoryFlags);
    auto percent = [&r](int k) {
        return "L" + FormatFixed(r.F32(kLnPercentiles + 4 * static_cast<size_t>(k)), 2);
    };
    auto withLn = [&](const char* label, std::string value, int k) {
        return Cells{{1, label}, {3, std::move(value)}, {5, percent(k)}, {6, percent(k + 3)}};
    };
    switch (index) {
    case 0: return {{0, "ZU-Reru Analyzer"}, {4, "Ln Percentiles"}};
    case 1: return withLn("Bandwidth:", "1/3", 0);
    case 2: return withLn("Detector:", Code(TALValueTexts::DetectorText, r.U8(kDetector)), 1);
    case 3: return withLn("Weighting:", Code(SSAValueTexts::WeightingText, r.U8(kSlmWeighting)), 2);
    case 4: return Pair("Gain:", Code(SSAValueTexts::GainText, r.U8(kGain)));
    case 5:
        return Pair("RTA Detector:", (r.U8(kRtaFlags) & 0x04) ? "Fast" : "Slow", "Ln Start Level:",
                    Dbs(r.I16(kLnStartLevel)));
    case 7: return {{0, "Time History"}};
    case 8: return Pair("Time History:", Enabled(th & 0x08));
    case 9: return Pair("Time History Period:", Printf("%d", r.I16(kHistoryPeriod)));
    case 10: return Pair("Time History Units:", Code(LOGValueTexts::PeriodUnitText, r.U8(kHistoryUnit)));
    case 11: return Pair("Resolution:", Printf("%.1f dB", (th & 0x04) ? 1.0 : 0.1));
    case 13: return {{0, "Miscellaneous"}};
    case 14: return Pair("Slm Run Timer:", r.Text(kSlmRunTimer, kRunTimerLength));
    case 15: return Pair("RTA Run Timer:", r.Text(kRtaRunTimer, kRunTimerLength));
    case 16: return Pair("Tonal Averaging Count:", Printf("%d", static_cast<int8_t>(r.U8(kTonalAveraging))));
    case 17: {
        const int mode = r.U8(kMode);
        return Pair("ZU-Reru Mode:", mode < 3 ? kModes[mode] : "");
    }
    default: return {};
    }
}

}  // namespace

namespace settings {

void DrawTalSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    const RecordView setup = report.DataSet().SetupView();
    if (!setup.IsEmpty() && index < 27)
        DrawCells(report, dc, line, TalSettingsCells(setup, index));
}

}  // namespace settings
