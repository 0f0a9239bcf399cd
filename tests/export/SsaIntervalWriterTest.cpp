// The SSA intervals in both layouts.
#include <gtest/gtest.h>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

struct SsaOptions {
    bool thirdOctave = false;
    int spectraCode = 1;
    int spectralLn = 0;
};

OutputRecordBuilder SsaSetup(const SsaOptions& o)
{
    OutputRecordBuilder r(51);
    r.U16(SsaSetupFields::kWeighting, 0).U16(SsaSetupFields::kPeak1Weighting, 1).U16(SsaSetupFields::kDetector, 2);
    r.U16(SsaSetupFields::kModeFlags, 0x04 | (o.thirdOctave ? 0x08 : 0)).U16(SsaSetupFields::kIntervalFlags, 0x40);
    r.I16(SsaSetupFields::kIntervalSpectra, o.spectraCode).I16(SsaSetupFields::kSpectralLn, o.spectralLn);
    r.F32(SsaSetupFields::kWindScale, 2.0f).Text(SsaSetupFields::kWindUnits, "mph").U8(SsaSetupFields::kDirectionUnits, 0);
    r.Floats(SsaSetupFields::kLnPercentiles, {10.0f, 50.0f, 90.0f, 1.0f, 5.0f, 95.0f});
    return r;
}

// An interval (output kind 56): one-third octaves 30 + i (second spectrum
// 50 + i), octaves 40 + k (60 + k), spectral Ln table 10 x ln + band.
OutputRecordBuilder Interval(uint32_t number)
{
    OutputRecordBuilder r(56);
    r.U32(SsaIntervalFields::kStartTime, kJune9).F32(SsaIntervalFields::kDuration, 900.0f)
        .F32(SsaIntervalFields::kLeq, 55.25f).F32(SsaIntervalFields::kMax, 70.0f).F32(SsaIntervalFields::kMin, 40.0f)
        .U16(SsaIntervalFields::kOverloads, 2).F32(SsaIntervalFields::kPeak, 99.0f);
    r.U16(SsaIntervalFields::kPeakExceedances, 3).U16(SsaIntervalFields::kRmsExceedances, 65535)
        .U32(SsaIntervalFields::kRecordNumber, number).F32(SsaIntervalFields::kSel, kNoValue)
        .F32(SsaIntervalFields::kUwPeak, 101.0f).U16(SsaIntervalFields::kUwPeakExceedances, 4);
    r.FloatRamp(SsaIntervalFields::kThirds1, 33, 30.0f, 1.0f).FloatRamp(SsaIntervalFields::kOctaves1, 11, 40.0f, 1.0f);
    r.FloatRamp(SsaIntervalFields::kThirds2, 33, 50.0f, 1.0f).FloatRamp(SsaIntervalFields::kOctaves2, 11, 60.0f, 1.0f);
    r.Floats(SsaIntervalFields::kLnLevels, {60.125f, 55.0f, 50.0f, 65.0f, 62.0f, 45.0f});
    for (int ln = 0; ln < 6; ++ln)
        r.FloatRamp(SsaIntervalFields::kBandLn + 4 * 33 * ln, 33, 10.0f * ln, 1.0f);
    r.F32(SsaIntervalFields::kWindAverage, 1.5f).U8(SsaIntervalFields::kMaxWindDirection, 64)
        .F32(SsaIntervalFields::kWindMax, 3.0f);
    r.U8(SsaIntervalFields::kHistogram, 1).BeCount(SsaIntervalFields::kHistogram + 1 + 3 * 50, 3, 16);
    return r;
}

struct SsaIntervals : ::testing::Test {
    void Add(const OutputRecordBuilder& r, const OutputRecordBuilder& setup)
    {
        intervals.Add(std::make_unique<SSAIntvRec>(writertest::View(r), true, true, writertest::View(setup)));
    }
    std::string Write(ExportFormat format, const OutputRecordBuilder& setup, int choice) const
    {
        return writertest::Written([&](ReportWriter& w, std::ostream& out) {
            w.WriteSsaIntervals(out, format, intervals, writertest::View(setup), choice);
        });
    }
    SSAIntvRecMgr intervals;
};

const char* const kOctaveLabels[] = {"   16Hz", " 31.5Hz", "   63Hz", "  125Hz", "  250Hz", "  500Hz",
                                     "   1KHz", "   2KHz", "   4KHz", "   8KHz", "  16KHz"};

std::string Repeat(const std::string& cell, int times)
{
    std::string cells;
    for (int i = 0; i < times; ++i)
        cells += cell;
    return cells;
}

// count cells of first, first + 1, ... with one decimal, in 8 or as fields.
std::string Ramp(int first, int count, bool text)
{
    std::string cells;
    for (int i = 0; i < count; ++i) {
        const std::string value = std::to_string(first + i) + ".0";
        cells += text ? R(value, 8) : Csv({value});
    }
    return cells;
}

const std::string kTextSettings = L("Weighting:", 16) + L("A", 5) + "\n" + L("Peak Weighting:", 16) + L("C", 5) +
                                  "\n" + L("Detector:", 16) + L("Impulse", 5) + "\n" + L("RTA Detector:", 16) +
                                  L("Fast", 5) + "\n\n";
const std::string kCsvSettings =
    "\"Weighting:\",\"A\"\n\"Peak Weighting:\",\"C\"\n\"Detector:\",\"Impulse\"\n\"RTA Detector:\",\"Fast\"\n\n";

const std::string kTextColumns = L("Rec #", 12) + L("Date", 12) + L("Time", 10) + L("Duration", 12) + R("Leq", 10) +
                                 R("SEL", 10) + R("LMin", 10) + R("LMax", 10) + R("UwPk", 10) + R("Peak", 10) +
                                 R("RMS Excd Count", 15) + R("UwPk Excd Count", 16) + R("Peak Excd Count", 16) +
                                 R("Overloads", 10);
const std::string kTextLnHeadings =
    R("L10.00", 8) + R("L50.00", 8) + R("L90.00", 8) + R("L1.00", 8) + R("L5.00", 8) + R("L95.00", 8);
const std::string kTextLine = L("1", 12) + L("09-Jun-2003", 12) + L("14:05:09", 10) + L("00:15:00.0", 12) +
                              R("55.3", 10) + R(" --- ", 10) + R("40.0", 10) + R("70.0", 10) + R("101.0", 10) +
                              R("99.0", 10) + R("65535", 15) + R("4", 16) + R("3", 16) + R("2", 10) + R("60.13", 8) +
                              R("55.00", 8) + R("50.00", 8) + R("65.00", 8) + R("62.00", 8) + R("45.00", 8);

}  // namespace

TEST_F(SsaIntervals, TextLayoutOctavesWithTheirMaximum)
{
    const OutputRecordBuilder setup = SsaSetup({});
    Add(Interval(1), setup);
    std::string octaveLabels;
    for (const char* label : kOctaveLabels)
        octaveLabels += R(label, 8);
    EXPECT_EQ(Write(kTextFormat, setup, 0),
              kTextSettings + std::string(164, ' ') + Repeat(R(" ", 8), 6) + Repeat(R("Leq 1/1", 8), 11) +
                  Repeat(R("Max 1/1", 8), 11) + "\n" + kTextColumns + kTextLnHeadings + octaveLabels + octaveLabels +
                  "\n" + kTextLine + Ramp(40, 11, true) + Ramp(60, 11, true) + "\n");
}

TEST_F(SsaIntervals, CsvLayoutThirdOctavesMinimumAndWind)
{
    SsaOptions options;
    options.thirdOctave = true;
    options.spectraCode = 2;
    const OutputRecordBuilder setup = SsaSetup(options);
    intervals.windLine = true;
    Add(Interval(1), setup);
    Add(Interval(2), setup);
    const std::string text = Write(kCsvFormat, setup, 0);
    ASSERT_EQ(text.substr(0, kCsvSettings.size()), kCsvSettings);
    const std::string group = std::string(14, ',') + Csv({"Wind Avg.", "Wind Max.", ","}) + std::string(6, ',') +
                              Repeat(Csv({"Leq 1/3"}), 33) + Repeat(Csv({"Min 1/3"}), 33) +
                              Repeat(Csv({"Leq 1/1"}), 11) + Repeat(Csv({"Min 1/1"}), 11) + "\n";
    EXPECT_EQ(text.substr(kCsvSettings.size(), group.size()), group);
    const std::string columns = Csv({"Rec #", "Date", "Time", "Duration", "Leq", "SEL", "LMin", "LMax", "UwPk", "Peak",
                                     "RMS Excd Count", "UwPk Excd Count", "Peak Excd Count", "Overloads", "mph", "mph",
                                     "Max Wind Dir", "L10.00", "L50.00", "L90.00", "L1.00", "L5.00", "L95.00",
                                     " 12.5Hz", "   16Hz"});
    EXPECT_EQ(text.substr(kCsvSettings.size() + group.size(), columns.size()), columns);
    // The headings stand once; the Ln levels have two decimals as in the
    // text layout; the counts are unsigned.
    const std::string line2 = Csv({"2", "09-Jun-2003", "14:05:09", "00:15:00.0", "55.3", " --- ", "40.0", "70.0",
                                   "101.0", "99.0", "65535", "4", "3", "2", "3.0", "6.0", "  E", "60.13", "55.00",
                                   "50.00", "65.00", "62.00", "45.00"}) +
                              Ramp(30, 33, false) + Ramp(50, 33, false) + Ramp(40, 11, false) + Ramp(60, 11, false) +
                              "\n";
    ASSERT_GE(text.size(), line2.size());
    EXPECT_EQ(text.substr(text.size() - line2.size()), line2);
    EXPECT_EQ(text.find("Rec #"), text.rfind("Rec #"));
}

TEST_F(SsaIntervals, SpectralLnTableOnlyWhenTheSetupStoredIt)
{
    SsaOptions options;
    options.spectralLn = 2;
    const OutputRecordBuilder setup = SsaSetup(options);
    Add(Interval(1), setup);
    const std::string text = Write(kTextFormat, setup, 2);
    std::string group = std::string(164, ' ') + Repeat(R(" ", 8), 6);
    std::string line = kTextLine;
    const char* percentiles[] = {" L10.00", " L50.00", " L90.00", " L1.00", " L5.00", " L95.00"};
    for (int ln = 0; ln < 6; ++ln) {
        group += Repeat(R(percentiles[ln], 8), 33);
        line += Ramp(10 * ln, 33, true);
    }
    EXPECT_NE(text.find("\n" + group + "\n"), std::string::npos);
    EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos);

    // Without the spectral Ln option the choice gives neither spectra nor Ln's.
    const OutputRecordBuilder plain = SsaSetup({});
    EXPECT_EQ(Write(kTextFormat, plain, 2), kTextSettings + std::string(164, ' ') + Repeat(R(" ", 8), 6) + "\n" +
                                                kTextColumns + kTextLnHeadings + "\n" + kTextLine + "\n");
}

TEST_F(SsaIntervals, SettingsAloneOrNothing)
{
    const OutputRecordBuilder setup = SsaSetup({});
    EXPECT_EQ(Write(kTextFormat, setup, 0), kTextSettings);
    EXPECT_EQ(Write(kCsvFormat, setup, 0), "");
    Add(Interval(1), setup);
    for (ExportFormat format : {kTextFormat, kCsvFormat})
        EXPECT_EQ(writertest::Written([&](ReportWriter& w, std::ostream& out) {
                      w.WriteSsaIntervals(out, format, intervals, RecordView(), 0);
                  }),
                  "");
}

TEST_F(SsaIntervals, LnTablesRepeatTheHeadings)
{
    const OutputRecordBuilder setup = SsaSetup({});
    intervals.histogram = true;
    intervals.baseLevel = 15;
    Add(Interval(1), setup);
    Add(Interval(2), setup);
    const std::string text = Write(kTextFormat, setup, 0);
    const size_t firstTable = text.find("Ln Table Histogram\n");
    ASSERT_NE(firstTable, std::string::npos);
    const size_t secondColumns = text.find(kTextColumns, firstTable);
    ASSERT_NE(secondColumns, std::string::npos);
    // An empty line after the table, then the second interval's headings.
    EXPECT_LT(text.find("\n\n" + std::string(164, ' '), firstTable), secondColumns);
    // The table of the second interval ends the report, with an empty line.
    EXPECT_NE(text.find("Ln Table Histogram\n", secondColumns), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
    // 16 samples at 8 a second in the 65 dB row.
    EXPECT_NE(text.find("  65.0          16   100.00%  00:00:02.0\n"), std::string::npos);
}
