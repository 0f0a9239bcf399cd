// The system settings report: the instrument's calibration, power, control
// and modem settings as the download file stored them.
#include <array>

#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSettingsCells.h"
#include "ReportText.h"
#include "SYSSetup.h"

namespace {
using namespace SystemFields;
}  // namespace

namespace settings {

void DrawSystemSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const RecordView sys = report.DataSet().SystemView();
    if (sys.IsEmpty() || index >= 28)
        return;
    const int y = report.LineY(dc, line);
    const int edge = report.LeftEdge();
    const int indent = report.LeftEdge() + dc.TextWidth("S");
    auto item = [&](int x, const char* label, const std::string& value) {
        dc.TextOut(x, y, label);
        if (!value.empty())
            dc.TextOut(report.Column(2), y, value);
    };
    auto second = [&](const char* label, const std::string& value) {
        dc.TextOut(report.Column(3), y, label);
        dc.TextOut(report.Column(4), y, value);
    };
    const int flags = sys.U8(kFlags);
    switch (index) {
    case 0: item(edge, "Calibration", {}); break;
    case 1: item(indent, "Calibrator S/N:", sys.Text(kCalibratorSerial, kCalibratorSerialLength)); break;
    case 2: item(indent, "Level:", FormatFixed(sys.F32(kCalibratorLevel), 1, 5) + " dB"); break;
    case 3: {
        const int code = sys.I16(kAutoCalibration);
        item(indent, "Auto. Calibration:", SYSSetup::AutoCalibrationText(code));
        break;
    }
    case 4: item(indent, "Calibrate Time:", sys.Text(kAutoCalibrationTime, kAutoCalibrationTimeLength)); break;
    case 6: {
        const int code = sys.I16(kTransducer);
        item(edge, "Transducer:", SYSSetup::TransducerText(code));
        break;
    }
    case 7: {
        const RecordView cal = report.DataSet().CalibrationView();
        item(edge, "Noise Floor:",
             cal.IsEmpty() ? std::string() : FormatFixed(cal.F32(CalibrationFields::kNoiseFloor), 1, 5) + " dB");
        break;
    }
    case 8: item(edge, "Rand. Inc Correction:", (flags & 0x20) ? "Enabled" : "Disabled"); break;
    case 10: {
        const std::string label = TrimTrailingBlanks(sys.Text(kEuLabel, kEuLabelLength));
        item(edge, "Linear Eng. Units:", SYSSetup::EngineeringUnitsText(sys.F32(kEuScale), label));
        break;
    }
    case 12: item(edge, "Power Monitor", {}); break;
    case 13: {
        const int mode = sys.I16(kPowerOffMode);
        item(indent, "Power Off Mode:", SYSSetup::PowerOffModeText(mode));
        if (mode == 0)
            second("Standby Time:", Printf("%d minutes", sys.U16(kStandbyTime)));
        else if (mode == 1)
            second("Auto Off Time:", Printf("%d minutes", sys.U16(kAutoOffTime)));
        break;
    }
    case 14:
        item(indent, "Backlight:", (flags & 0x02) ? "On" : "Off");
        if (flags & 0x02)
            second("Backlight Off Time:", Printf("%d seconds", sys.U16(kBacklightOffTime)));
        break;
    case 15: item(indent, "LCD Contrast:", Printf("%d", sys.U16(kLcdContrast))); break;
    case 17: item(edge, "Controls", {}); break;
    case 18: {
        std::string mode;
        item(indent, "Logic Input Mode:", SYSSetup::LogicInputModeText(sys.U8(kLogicInputMode), mode));
        break;
    }
    case 19: {
        const int code = sys.U8(kLogicOutput);
        if (code == 0) {
            item(indent, "Logic Output:", "Off");
            break;
        }
        item(indent, "Logic Output:", "On");
        dc.TextOut(report.Column(3), y, "Output Logic Enabled For:");
        // RMS, Peak, Intv and AD, the run mode and the exceedance.
        std::array<bool, 7> set{};
        SYSSetup::DecodeLogicOutput(code, set);
        const char* const names[6] = {"RMS", "Peak", "Intv", "AD", "R/S", "Excd"};
        int x = report.Column(3) + dc.TextWidth("Output Logic Enbled For:SS");
        for (int k = 0; k < 6; ++k)
            if (set[static_cast<size_t>(k + 1)]) {
                dc.TextOut(x, y, names[k]);
                x += dc.TextWidth(std::string(names[k]) + "S");
            }
        break;
    }
    case 20:
        if (sys.U8(kLogicOutput) != 0)
            item(indent, "Logic Output Time:", Printf("%d seconds", sys.U16(kLogicOutputTime)));
        break;
    case 22: item(edge, "Modem Settings", {}); break;
    case 23: item(indent, "Modem control:", (flags & 0x80) ? "Enabled" : "Disabled"); break;
    case 24: {
        const int dial = sys.U8(kDialOutFlags);
        const std::string a = (dial & 1) ? "Exceedance" : "";
        const std::string b = (dial & 2) ? "Alarm" : "";
        item(indent, "Dial out mode:",
             OrNone(!a.empty() && !b.empty() ? Printf("%s, %s", a.c_str(), b.c_str()) : a + b));
        break;
    }
    case 25: item(indent, "Telephone Number:", OrNone(TrimTrailingBlanks(sys.Text(kTelephone, kTelephoneLength)))); break;
    case 26: item(indent, "Monitor Number:", Printf("%d", sys.I16(kMonitorNumber))); break;
    case 27: item(indent, "Modem Init String:", OrNone(TrimTrailingBlanks(sys.Text(kModemInit, kModemInitLength)))); break;
    default: break;
    }
}

}  // namespace settings
