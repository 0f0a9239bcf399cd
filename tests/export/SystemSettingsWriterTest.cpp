// The system settings printout.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

// A system settings record (output kind 54), fields by their names.
struct SystemRecord : OutputRecordBuilder {
    SystemRecord() : OutputRecordBuilder(54) {}
    SystemRecord& Flags(int v) { U8(SystemFields::kFlags, v); return *this; }
    SystemRecord& LogicOutput(int code, int seconds)
    {
        U8(SystemFields::kLogicOutput, code);
        U16(SystemFields::kLogicOutputTime, seconds);
        return *this;
    }
    SystemRecord& LogicInput(int mode) { U8(SystemFields::kLogicInputMode, mode); return *this; }
    SystemRecord& Modem(int dialOut, const std::string& phone, int monitor, const std::string& init)
    {
        U8(SystemFields::kDialOutFlags, dialOut);
        Text(SystemFields::kTelephone, Padded(phone, SystemFields::kTelephoneLength));
        I16(SystemFields::kMonitorNumber, monitor);
        Text(SystemFields::kModemInit, Padded(init, SystemFields::kModemInitLength));
        return *this;
    }
    SystemRecord& Power(int mode, int autoOff, int standby, int backlightOff, int contrast)
    {
        I16(SystemFields::kPowerOffMode, mode);
        U16(SystemFields::kAutoOffTime, autoOff);
        U16(SystemFields::kStandbyTime, standby);
        U16(SystemFields::kBacklightOffTime, backlightOff);
        U16(SystemFields::kLcdContrast, contrast);
        return *this;
    }
    SystemRecord& Calibrator(float level, const char* serial, int transducer, int autoCal, const char* time)
    {
        F32(SystemFields::kCalibratorLevel, level);
        Text(SystemFields::kCalibratorSerial, serial);
        I16(SystemFields::kTransducer, transducer);
        I16(SystemFields::kAutoCalibration, autoCal);
        Text(SystemFields::kAutoCalibrationTime, time);
        return *this;
    }
    SystemRecord& EngineeringUnits(float scaleDb, const std::string& label)
    {
        F32(SystemFields::kEuScale, scaleDb); Text(SystemFields::kEuLabel, Padded(label, SystemFields::kEuLabelLength));
        return *this;
    }
    static std::string Padded(std::string text, size_t width) { text.resize(width, ' '); return text; }
};

OutputRecordBuilder CalibrationRecord(float noiseFloor)
{
    OutputRecordBuilder r(50);
    r.F32(CalibrationFields::kNoiseFloor, noiseFloor);
    return r;
}

SystemRecord Representative()
{
    SystemRecord r;
    r.Flags(0x02 | 0x20).LogicOutput(3, 5).LogicInput(2).Modem(0x03, "555 0101", -1, "");
    r.Power(0, 10, 15, 30, 8).Calibrator(94.0f, "CA1234", 1, 2, "07:30").EngineeringUnits(60.0f, "Pa");
    return r;
}

std::string Write(const SystemRecord& r, ExportFormat format, float noiseFloor = 18.375f)
{
    const auto cal = CalibrationRecord(noiseFloor);
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteSystemSettings(out, format, View(r), View(cal)); });
}

}  // namespace

TEST(SystemSettingsWriter, TextLayout)
{
    EXPECT_EQ(Write(Representative(), kTextFormat), Lines({
        "Calibration",
        "  Calibrator S/N:    CA1234",
        "  Calibrator Level:   94.0dB",
        "  Auto. Calibration: NF+  ",
        "  Calibration Time:  07:30",
        "",
        "Transducer:           Electret",
        "Noise Floor:          18.38 dB",
        "Rand. Inc Correction: Enabled",
        "",
        "Linear Eng. Units:    1k Volts / Pa",
        "",
        "Power Monitor",
        "  Power Off Mode:   Blank LCD",
        "  Standby Time:     15 minutes",
        "  Backlight:        On",
        "  Backlight Off Time:        30 seconds",
        "  LCD Contrast:     8",
        "",
        "Controls",
        "  Logic Input Mode: Toggle",
        "  Logic Output:     On",
        "                    Output Logic Enabled For: RMS",
        "                    Output Logic Enabled For: Peak",
        "  Logic Output Time:         5 seconds",
        "",
        "Modem Settings      ",
        "  Modem control:        Disabled",
        "  Dial out mode:        Exceedance, Alarm",
        "  Telephone Number:    555 0101",
        "  Monitor Number:       -1",
        "  Modem Init String:    <none>",
    }));
}

TEST(SystemSettingsWriter, CsvLayout)
{
    SystemRecord r = Representative();
    r.Flags(0x80).LogicOutput(16, 5).Modem(0x02, "", 3, "ATZ").Power(1, 10, 15, 30, 8).EngineeringUnits(0, "    ");
    EXPECT_EQ(Write(r, kCsvFormat), Lines({
        R"("Calibration",)",
        R"("Calibrator S/N:","CA1234",)",
        R"("Calibrator Level:","94.0","dB",)",
        R"("Auto. Calibration:","NF+",)",
        R"("Calibration Time:","07:30",)",
        "",
        R"("Transducer:","Electret",)",
        R"("Noise Floor:","18.4",dB)",
        R"("Rand. Inc Correction:","Disabled",)",
        "",
        R"("Linear Engineering Units:","Disabled",)",
        "",
        R"("Power Monitor",)",
        R"("Power Off Mode:","Auto Off",)",
        R"("Auto Off Time:","10","minutes",)",
        R"("Backlight:","Off",)",
        R"("LCD Contrast:","8",)",
        "",
        R"("Controls",)",
        R"("Logic Input Mode:","Toggle",)",
        R"("Logic Output:","On",)",
        R"("","Output Logic Enabled For: Run / Stop",)",
        R"("Logic Output Time:","5","seconds",)",
        "",
        R"("Modem Settings",)",
        R"("Modem control:","Enabled",)",
        R"("Dial out mode:","Alarm",)",
        R"("Telephone Number:","<none>",)",
        R"("Monitor Number:","3",)",
        R"("Modem Init String:","ATZ",)",
    }));
}

TEST(SystemSettingsWriter, OptionalLinesFollowTheirSwitches)
{
    struct Case {
        int powerOff;
        int logicCode;
        int dialOut;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {2, 0, 0, {"  Power Off Mode:   Manual Off\n", "  Logic Output:     Off\n", "  Dial out mode:        <none>\n"},
         {"Standby Time:", "Auto Off Time:", "Output Logic", "Logic Output Time:"}},
        {2, 20, 1, {"  Logic Output:     On\n", "  Logic Output Time:", "  Dial out mode:        Exceedance\n"},
         {"Output Logic Enabled"}},
        {2, 12, 0, {"For: Interval\n", "For: AD\n"}, {"For: RMS", "For: Peak", "For: Excd"}},
    };
    for (const Case& c : cases) {
        SystemRecord r = Representative();
        r.Flags(0).Power(c.powerOff, 10, 15, 30, 8).LogicOutput(c.logicCode, 5).Modem(c.dialOut, "", 0, "");
        const std::string text = Write(r, kTextFormat);
        for (const std::string& line : c.present)
            EXPECT_NE(text.find(line), std::string::npos) << line;
        for (const std::string& line : c.absent)
            EXPECT_EQ(text.find(line), std::string::npos) << line;
        EXPECT_EQ(text.find("Backlight Off Time:"), std::string::npos);
    }
}

TEST(SystemSettingsWriter, DialOutModesInBothLayouts)
{
    struct Case {
        int dialOut;
        const char* text;
        const char* csv;
    };
    const Case cases[] = {
        {0x00, "  Dial out mode:        <none>\n", "\"Dial out mode:\",\"<none>\",\n"},
        {0x01, "  Dial out mode:        Exceedance\n", "\"Dial out mode:\",\"Exceedance\",\n"},
        {0x02, "  Dial out mode:        Alarm\n", "\"Dial out mode:\",\"Alarm\",\n"},
        {0x03, "  Dial out mode:        Exceedance, Alarm\n", "\"Dial out mode:\",\"Exceedance\",\"Alarm\",\n"},
    };
    for (const Case& c : cases) {
        SystemRecord r = Representative();
        r.Modem(c.dialOut, "555 0101", -1, "");
        EXPECT_NE(Write(r, kTextFormat).find(c.text), std::string::npos) << c.dialOut;
        EXPECT_NE(Write(r, kCsvFormat).find(c.csv), std::string::npos) << c.dialOut;
    }
}

// The instrument pads its texts with blanks, and a tab typed at the end of a
// text is padding too: the export trims both, as the report view does, so a
// number or an init string reads the same on screen and in the file.
TEST(SystemSettingsWriter, TextsAreTrimmedOfBlanksAndTabsAsOnScreen)
{
    SystemRecord r = Representative();
    r.Modem(0x01, "555 0101\t", -1, "\t\t");
    const std::string text = Write(r, kTextFormat);
    EXPECT_NE(text.find("  Telephone Number:    555 0101\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  Modem Init String:    <none>\n"), std::string::npos) << text;
    EXPECT_NE(Write(r, kCsvFormat).find("\"Telephone Number:\",\"555 0101\",\n"), std::string::npos);
}

TEST(SystemSettingsWriter, NothingWithoutBothRecordsOrOnAFailedStream)
{
    const SystemRecord system = Representative();
    const auto cal = CalibrationRecord(20);
    for (ExportFormat format : {kTextFormat, kCsvFormat}) {
        EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) {
                      w.WriteSystemSettings(out, format, View(system), RecordView());
                      w.WriteSystemSettings(out, format, RecordView(), View(cal));
                  }),
                  "");
        EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) {
                      w.WriteSystemSettings(out, format, View(system), View(cal));
                  }, true),
                  "");
    }
}
