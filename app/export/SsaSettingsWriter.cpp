// The settings of the SSA mode (sound level meter with real-time analyser),
// from the SSA setup record (output kind 51).
#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SettingsWriterSupport.h"
#include "TALSetup.h"
#include "TimeTexts.h"

namespace {

using namespace SsaSetupFields;
constexpr TimerFields kTimer = {kTimerMode, kStartDate, kStopDate, kStartTime1, kStopTime1, kStartTime2, kStopTime2};
constexpr SettingColumns kColumns = {"  ", 25};

// The analyser weighting came with setup format 4; older setups are flat.
constexpr int kRtaWeightingVersion = 4;

}  // namespace

int ReportWriter::WriteSsaSettings(std::ostream& out, ExportFormat format, const RecordView& r)
{
    if (!Usable(out) || r.IsEmpty())
        return 1;
    const bool text = IsText(format);
    StartSettings(out, format, 1);

    const int rtaFlags = r.U8(kModeFlags);
    const int lnFlags = r.U16(kLnFlags);
    const std::string bandwidth = SSASetup::IsBit08Set(rtaFlags) ? "1/3" : "1/1";
    const std::string rtaWeighting = r.I16(kFormatVersion) >= kRtaWeightingVersion
                                         ? ValueText(&SSASetup::WeightingText, r.U8(kRtaWeighting))
                                         : "Flat";
    WriteSettingLines(out, format, kColumns, {
        Heading("Sound Level Meter / RTA Settings"),
        Setting("Bandwidth:", text ? bandwidth : "0 " + bandwidth),
        Setting("Detector:", ValueText(&TALSetup::DetectorText, r.U8(kDetector))),
        Setting("Weighting:", ValueText(&SSASetup::WeightingText, r.U8(kWeighting))),
        Setting("Peak-1 Weighting:", ValueText(&SSASetup::Peak1WeightingText, r.U8(kPeak1Weighting))),
        Setting("Second Display:", ValueText(&SSASetup::SecondDisplayText, r.U8(kSecondDisplay))),
        Setting("Gain:", ValueText(&SSASetup::GainText, r.U8(kGain))),
        Setting("RTA Detector:", SSASetup::IsBit04Set(rtaFlags) ? "Fast" : "Slow"),
        Setting("RTA Weighting:", rtaWeighting),
        Setting("AC Output Control:", ValueText(&SSASetup::AcOutputText, r.U8(kAcOutput))),
        EmptyLine(),
        Heading("Ln"),
        Setting("Ln:", EnabledText(lnFlags & 0x02)),
        Setting("Ln Start Level:", std::to_string(r.I16(kLnStartLevel)), 0, " dB", "dB"),
        Setting("Spectral Ln Option:", SSASetup::SpectralLnText(r.I16(kSpectralLn))),
    });
    CellLine(out, format).TextOnly(0, "  ").Left(21, "Ln Percentiles").End();
    for (size_t i = 0; i < 6; ++i) {
        const float percentile = r.F32(kLnPercentiles + 4 * i);
        CellLine(out, format)
            .Split(std::ios::left, 0, "    L" + FormatFixed(percentile, 2), "L " + FormatFixed(percentile, 1))
            .End();
    }
    WriteSettingLines(out, format, kColumns, {
        EmptyLine(),
        Heading("Intervals"),
    });
    WriteSettingLines(out, format, kColumns, IntervalSwitchLines(r.U8(kIntervalFlags)));
    WriteSettingLines(out, format, kColumns, {
        Setting("Interval Period:", IntervalPeriodText(r.Text(kIntervalPeriod, SetupRecordFields::kPeriodLength))),
        Setting("Interval Threshold:", std::to_string(r.I16(kIntervalThreshold))),
        Setting("Interval Exchange Rate:", std::to_string(r.I16(kIntervalExchangeRate) + 3), 0, " dB", "dB"),
        Setting("Interval Spectra Option:", SSASetup::IntervalSpectraText(r.I16(kIntervalSpectra)), 3),
        EmptyLine(),
        Heading("Time History"),
        Setting("Time History:", EnabledText(lnFlags & 0x08)),
        Setting("Time History Period:", std::to_string(r.I16(kHistoryPeriod))),
        Setting("Time History Units:", ValueText(&LOGSetup::PeriodUnitText, r.U8(kHistoryUnit))),
        Setting("Resolution:", FormatFixed((lnFlags & 0x04) ? 1.0 : 0.1, 1, 3), 0, " dB", " dB"),
        EmptyLine(),
    });
    WriteSettingLines(out, format, kColumns, TimerLines(r, kTimer));
    return 1;
}
