// The instrument's system settings (output kind 54: calibration, power,
// controls, modem) with the noise floor of the calibration record (kind 50).
#include <array>
#include <iomanip>

#include "ExportCells.h"
#include "KeptRecordFields.h"
#include "ReportNumbers.h"
#include "ReportWriter.h"
#include "SYSSetup.h"
#include "SettingsWriterSupport.h"
#include "TextTrim.h"

namespace {

using namespace SystemFields;

constexpr int kBacklightOn = 0x02;
constexpr int kRandomIncidence = 0x20;
constexpr int kModemControl = 0x80;

// The sources of the logic output, in the order of SYSSetup::DecodeLogicOutput.
constexpr std::array<const char*, 6> kLogicSources = {
    "Output Logic Enabled For: RMS",      "Output Logic Enabled For: Peak", "Output Logic Enabled For: Interval",
    "Output Logic Enabled For: AD",       "Output Logic Enabled For: Run / Stop",
    "Output Logic Enabled For: Excd",
};

}  // namespace

int ReportWriter::WriteSystemSettings(std::ostream& out, ExportFormat format, const RecordView& system,
                                      const RecordView& calibration)
{
    if (!Usable(out) || system.IsEmpty() || calibration.IsEmpty())
        return 1;
    const bool text = IsText(format);
    StartSettings(out, format, 1);
    const int flags = system.U8(kFlags);

    WriteSettingLines(out, format, {"  ", 19}, {
        Heading("Calibration"),
        Setting("Calibrator S/N:", system.Text(kCalibratorSerial, kCalibratorSerialLength)),
        Setting("Calibrator Level:", FormatFixed(system.F32(kCalibratorLevel), 1), 5, "dB", "dB"),
        Setting("Auto. Calibration:", SYSSetup::AutoCalibrationText(system.I16(kAutoCalibration)), -5),
        Setting("Calibration Time:", system.Text(kAutoCalibrationTime, kAutoCalibrationTimeLength), 5),
        EmptyLine(),
    });
    // The lines built as "%-21s %s": the label and a blank in 22 columns.
    constexpr SettingColumns wide = {"", 22};
    WriteSettingLines(out, format, wide, {Setting("Transducer:", SYSSetup::TransducerText(system.I16(kTransducer)))});
    const float noiseFloor = calibration.F32(CalibrationFields::kNoiseFloor);
    CellLine noise(out, format);
    noise.Left(wide.labelWidth, "Noise Floor:")
        .Split(std::ios::left, 0, FormatFixed(noiseFloor, 2, 5), FormatFixed(noiseFloor, 1))
        .TextOnly(0, " dB");
    if (!text)
        out << "dB";  // the unit stands bare at the end of the line, outside the fields
    noise.End();
    const std::string euLabel = TrimTrailingBlanks(system.Text(kEuLabel, kEuLabelLength));
    WriteSettingLines(out, format, wide, {
        Setting("Rand. Inc Correction:", EnabledText(flags & kRandomIncidence)),
        EmptyLine(),
        Setting(text ? "Linear Eng. Units:" : "Linear Engineering Units:",
                SYSSetup::EngineeringUnitsText(system.F32(kEuScale), euLabel)),
        EmptyLine(),
    });

    const int powerOff = system.I16(kPowerOffMode);
    std::vector<SettingLine> power = {
        Heading("Power Monitor"),
        Setting("Power Off Mode:", SYSSetup::PowerOffModeText(powerOff)),
    };
    if (powerOff == 0)
        power.push_back(Setting("Standby Time:", std::to_string(system.U16(kStandbyTime)), 0, " minutes", "minutes"));
    if (powerOff == 1)
        power.push_back(Setting("Auto Off Time:", std::to_string(system.U16(kAutoOffTime)), 0, " minutes", "minutes"));
    power.push_back(Setting("Backlight:", (flags & kBacklightOn) ? "On" : "Off"));
    if (flags & kBacklightOn)
        power.push_back(Setting("Backlight Off Time:", std::to_string(system.U16(kBacklightOffTime)), 10, " seconds",
                                "seconds"));
    power.push_back(Setting("LCD Contrast:", std::to_string(system.U16(kLcdContrast))));
    power.push_back(EmptyLine());

    std::array<bool, 7> logic{};  // on, then the sources
    SYSSetup::DecodeLogicOutput(system.U8(kLogicOutput), logic);
    power.push_back(Heading("Controls"));
    power.push_back(Setting("Logic Input Mode:", ValueText(&SYSSetup::LogicInputModeText, system.U8(kLogicInputMode))));
    power.push_back(Setting("Logic Output:", logic[0] ? "On" : "Off"));
    if (logic[0]) {
        for (size_t i = 0; i < kLogicSources.size(); ++i)
            if (logic[i + 1])
                power.push_back(Setting("", kLogicSources[i]));
        power.push_back(Setting("Logic Output Time:", std::to_string(system.U16(kLogicOutputTime)), 10, " seconds",
                                "seconds"));
    }
    power.push_back(EmptyLine());
    WriteSettingLines(out, format, {"  ", 18}, power);

    CellLine(out, format).Left(20, "Modem Settings").End();
    constexpr SettingColumns modem = {"  ", 22};
    WriteSettingLines(out, format, modem, {Setting("Modem control:", EnabledText(flags & kModemControl))});
    const int dialOut = system.U8(kDialOutFlags);
    const char* exceedance = (dialOut & 0x01) ? "Exceedance" : "";
    const char* alarm = (dialOut & 0x02) ? "Alarm" : "";
    // Text: one value, both modes joined by a comma; CSV: a field each.
    CellLine dial(out, format);
    dial.TextOnly(0, modem.indent).Left(modem.labelWidth, "Dial out mode:");
    if (text) {
        dial.Cell(0, OrNone(std::string(exceedance) + ((dialOut & 0x03) == 0x03 ? ", " : "") + alarm));
    } else {
        if (*exceedance)
            dial.Cell(0, exceedance);
        if (*alarm)
            dial.Cell(0, alarm);
        if ((dialOut & 0x03) == 0)
            dial.Cell(0, "<none>");
    }
    dial.End();
    WriteSettingLines(out, format, {"  ", 21}, {
        Setting("Telephone Number:", OrNone(TrimTrailingBlanks(system.Text(kTelephone, kTelephoneLength)))),
    });
    WriteSettingLines(out, format, modem, {
        Setting("Monitor Number:", std::to_string(system.I16(kMonitorNumber))),
        Setting("Modem Init String:", OrNone(TrimTrailingBlanks(system.Text(kModemInit, kModemInitLength)))),
    });
    return 1;
}
