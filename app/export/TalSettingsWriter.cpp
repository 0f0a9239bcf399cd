// The settings of the ZU-Reru mode, from the ZU-Reru setup record (output
// kind 60). The mode always analyses in one-third octaves.
#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "LOGSetup.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SettingsWriterSupport.h"
#include "TALSetup.h"

namespace {

using namespace TalSetupFields;

std::string ModeText(int mode)
{
    static const char* const kTexts[] = {"Basic", "RTA", "Tonal"};
    return mode >= 0 && mode <= 2 ? kTexts[mode] : "";
}

}  // namespace

int ReportWriter::WriteTalSettings(std::ostream& out, ExportFormat format, const RecordView& r)
{
    if (!Usable(out) || r.IsEmpty())
        return 1;
    const bool text = IsText(format);
    StartSettings(out, format, 1);
    constexpr SettingColumns columns = {"  ", 25};

    std::vector<SettingLine> meter = {
        Heading("ZU-Reru Settings"),
        Setting("Bandwidth:", text ? "1/3" : "0 1/3"),
        Setting("Detector:", ValueText(&TALSetup::DetectorText, r.U8(kDetector))),
        Setting("Weighting:", ValueText(&SSASetup::WeightingText, r.U8(kSlmWeighting))),
        Setting("Gain:", ValueText(&SSASetup::GainText, r.U8(kGain))),
    };
    if (!text)
        meter.push_back(Setting("RTA Detector:", SSASetup::IsBit04Set(r.U8(kRtaFlags)) ? "Fast" : "Slow"));
    meter.push_back(EmptyLine());
    WriteSettingLines(out, format, columns, meter);

    if (text)
        out << std::setprecision(2);
    WriteSettingLines(out, format, columns, {
        Heading("Ln Percentiles"),
        Setting("Ln Start Level:", std::to_string(r.I16(kLnStartLevel)), 0, " dB"),
    });
    WriteLnPercentiles(out, format, r, kLnPercentiles);

    const int history = r.U16(kHistoryFlags);
    const double resolution = (history & 0x04) ? 1.0 : 0.1;
    WriteSettingLines(out, format, columns, {
        EmptyLine(),
        Heading("Time History"),
        Setting("Time History:", EnabledText(history & 0x08)),
        Setting("Time History Period:", std::to_string(r.I16(kHistoryPeriod))),
        Setting("Time History Units:", ValueText(&LOGSetup::PeriodUnitText, r.U8(kHistoryUnit))),
        Setting("Resolution:", FormatFixed(resolution, text ? 2 : 1), 6, " dB", " dB"),
        EmptyLine(),
        Heading("Miscellaneous"),
        Setting(text ? "Slm Run Timer:" : "SLM Run Timer:", r.Text(kSlmRunTimer, TalSetupFields::kRunTimerLength)),
        Setting("RTA Run Timer:", r.Text(kRtaRunTimer, TalSetupFields::kRunTimerLength)),
        Setting("Tonal Avging Count:", std::to_string(static_cast<int8_t>(r.U8(kTonalAveraging)))),
        Setting("ZU-Reru Mode:", ModeText(r.U8(kMode))),
    });
    return 1;
}
