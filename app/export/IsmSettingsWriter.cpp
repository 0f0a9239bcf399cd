// The settings of the integrating sound level meter mode, from the ISM
// setup record (output kind 52).
#include <iomanip>

#include "ISMSetup.h"
#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SSASetup.h"
#include "SettingsWriterSupport.h"

namespace {

using namespace IsmSetupFields;

}  // namespace

int ReportWriter::WriteIsmSettings(std::ostream& out, ExportFormat format, const RecordView& r)
{
    if (!Usable(out) || r.IsEmpty())
        return 1;
    const bool text = IsText(format);
    StartSettings(out, format, 1);

    // The text layout puts the unit behind the number; the CSV layout keeps
    // both in one field.
    const std::string exchangeRate = std::to_string(r.I16(kExchangeRate) + 3);
    std::vector<SettingLine> lines = {
        Heading("Integrating Sound Level Meter Settings"),
        Setting("Detector:", ValueText(&ISMSetup::GetDetectorText, r.U8(kDetector))),
        Setting("Weighting:", ValueText(&SSASetup::WeightingText, r.U8(kWeighting))),
        Setting("Peak-1 Weighting:", ValueText(&SSASetup::Peak1WeightingText, r.U8(kPeak1Weighting))),
        Setting("Range:", ValueText(&ISMSetup::GetRangeText, r.U8(kRange))),
        Setting("AC-Out Filter:", ValueText(&ISMSetup::GetAcOutputText, r.U8(kAcOutput))),
        Setting("Threshold:", std::to_string(r.I16(kThreshold))),
        text ? Setting("Exchange Rate:", exchangeRate, 0, " dB") : Setting("Exchange Rate:", exchangeRate + " dB"),
    };
    if (!text)
        lines.push_back(EmptyLine());
    WriteSettingLines(out, format, {"", 18}, lines);
    return 1;
}
