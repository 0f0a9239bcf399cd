// The integrating mode's settings and the calibration settings printouts.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

// An ISM setup record (output kind 52), fields by their names.
OutputRecordBuilder IsmSetupRecord(int detector, int weighting, int peak1, int range, int acOutput, int threshold,
                                   int exchangeIndex)
{
    OutputRecordBuilder r(52);
    r.I16(IsmSetupFields::kExchangeRate, exchangeIndex).I16(IsmSetupFields::kThreshold, threshold)
        .U8(IsmSetupFields::kDetector, detector).U8(IsmSetupFields::kWeighting, weighting)
        .U8(IsmSetupFields::kAcOutput, acOutput);
    r.U8(IsmSetupFields::kPeak1Weighting, peak1).U8(IsmSetupFields::kRange, range);
    return r;
}

// A calibration record (output kind 50).
OutputRecordBuilder CalibrationRecord(float offset, uint32_t calibrated, uint32_t checked, float checkLevel)
{
    OutputRecordBuilder r(50);
    r.F32(CalibrationFields::kOffset, offset).U32(CalibrationFields::kCalibrationTime, calibrated)
        .U32(CalibrationFields::kCheckTime, checked).F32(CalibrationFields::kCheckLevel, checkLevel);
    return r;
}

constexpr uint32_t kJune9th2003 = 1055160309;  // 09-Jun-2003 14:05:09 in Berlin
constexpr uint32_t kJan2nd2004 = 1073041200;   // 02-Jan-2004 12:00:00 in Berlin

}  // namespace

TEST(IsmSettingsWriter, BothLayouts)
{
    const auto r = IsmSetupRecord(3, 5, 5, 2, 1, 80, 0);
    EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) { w.WriteIsmSettings(out, kTextFormat, View(r)); }),
              Lines({
                  "Integrating Sound Level Meter Settings",
                  "Detector:         ",
                  "Weighting:        ",
                  "Peak-1 Weighting: Flat",
                  "Range:            High",
                  "AC-Out Filter:    Weighted",
                  "Threshold:        80",
                  "Exchange Rate:    3 dB",
              }));
    const auto csv = IsmSetupRecord(1, 0, 1, 0, 0, 70, 3);
    EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) { w.WriteIsmSettings(out, kCsvFormat, View(csv)); }),
              Lines({
                  R"("Integrating Sound Level Meter Settings",)",
                  R"("Detector:","Fast",)",
                  R"("Weighting:","A",)",
                  R"("Peak-1 Weighting:","C",)",
                  R"("Range:","Normal",)",
                  R"("AC-Out Filter:","Flat",)",
                  R"("Threshold:","70",)",
                  R"("Exchange Rate:","6 dB",)",
                  "",
              }));
}

TEST(CalSettingsWriter, BothLayouts)
{
    const auto r = CalibrationRecord(0.5f, kJune9th2003, kJan2nd2004, -93.125f);
    EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) { w.WriteCalSettings(out, kTextFormat, View(r)); }),
              Lines({
                  "Calibration Offset:   0.50",
                  "Calibration Date:   09-Jun-2003   Calibration Time:   14:05:09    ",
                  "Calib Check Date:   02-Jan-2004   Calib Check Time:   12:00:00    ",
                  "Calib Check Level:  -93.13",
              }));
    EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) { w.WriteCalSettings(out, kCsvFormat, View(r)); }),
              Lines({
                  R"("Calibration Offset:","0.50",)",
                  R"("Calibration Date:","09-Jun-2003","Calibration Time:","14:05:09",)",
                  R"("Calib Check Date:","02-Jan-2004","Calib Check Time:","12:00:00",)",
                  R"("Calib Check Level:","-93.13",)",
              }));
}

TEST(IsmCalSettingsWriter, NothingWithoutRecordOrOnAFailedStream)
{
    const auto ism = IsmSetupRecord(0, 0, 0, 0, 0, 80, 0);
    ExpectNothingWithoutRecordOrStream<&ReportWriter::WriteIsmSettings>(View(ism));
    const auto cal = CalibrationRecord(0.5f, kJune9th2003, kJan2nd2004, 94.0f);
    ExpectNothingWithoutRecordOrStream<&ReportWriter::WriteCalSettings>(View(cal));
}
