// The SLM & RTA summary.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SummaryRecordFixture.h"
#include "WriterTestSupport.h"

using namespace summaryfixture;
using testsupport::OutputRecordBuilder;
using writertest::Lines;
using writertest::Written;

namespace {

// The sound level summary with three overloads and its spectra: a missing
// Leq in the lowest band, spectral Ln's of 30 dB plus 5 per column and 0.5
// per band (one missing).
OutputRecordBuilder SsaSummaryRecord()
{
    OutputRecordBuilder record = SoundLevelSummary();
    record.U32(SummaryFields::kOverloads, 3);
    record.FloatRamp(SummaryFields::kLeqThirds, 33, 40.0f, 1.0f).F32(SummaryFields::kLeqThirds, 999.0f);
    record.FloatRamp(SummaryFields::kLeqOctaves, 11, 50.0f, 1.0f);
    record.FloatRamp(SummaryFields::kMaxThirds, 33, 60.0f, 1.0f).FloatRamp(SummaryFields::kMaxOctaves, 11, 70.0f, 1.0f);
    record.FloatRamp(SummaryFields::kMinThirds, 33, 20.0f, 1.0f).FloatRamp(SummaryFields::kMinOctaves, 11, 30.0f, 1.0f);
    for (size_t column = 0; column < 6; ++column)
        record.FloatRamp(SummaryFields::kSpectralLn + SummaryFields::kSpectralLnRow * column, 33,
                         30.0f + 5.0f * static_cast<float>(column), 0.5f);
    record.F32(SummaryFields::kSpectralLn + 4 * 2, 999.0f);
    record.Floats(SummaryFields::kSpectralLnPercentiles, {5.0f, 10.0f, 50.0f, 90.0f, 95.0f, 99.0f});
    record.U32(SummaryFields::kChecked, 0);  // never checked
    return record;
}

// One-third octaves with the overall spectral Ln table; impulse detector, A
// weighting, wind measured in m/s.
OutputRecordBuilder SsaSetupRecord()
{
    OutputRecordBuilder setup(51);
    setup.U8(SsaSetupFields::kModeFlags, 0x08).U8(SsaSetupFields::kIntervalFlags, 0x80)
        .U16(SsaSetupFields::kOptionFlags, 0x40).U16(SsaSetupFields::kLnFlags, 0x08);  // thirds, intervals, wind, history
    setup.U8(SsaSetupFields::kDetector, 2).U8(SsaSetupFields::kWeighting, 0);  // impulse, A
    setup.F32(SsaSetupFields::kSplExceedance1, 85.5f).I16(SsaSetupFields::kSplExceedance2, 90)
        .I16(SsaSetupFields::kPeak1Exceedance, 120).I16(SsaSetupFields::kPeak2Exceedance, 140)
        .I16(SsaSetupFields::kHysteresis, 2);
    setup.I16(SsaSetupFields::kLnStartLevel, 5).I16(SsaSetupFields::kSpectralLn, 1);  // overall spectral Ln's
    setup.F32(SsaSetupFields::kWindScale, 0.5f).Text(SsaSetupFields::kWindUnits, "m/s")
        .I16(SsaSetupFields::kWindThreshold, 20).I16(SsaSetupFields::kWindExceedanceLevel, 30);
    return setup;
}

std::string Summary(ExportFormat format, const OutputRecordBuilder& summary, const RecordView& system,
                    const RecordView& setup)
{
    return Written([&](ReportWriter& writer, std::ostream& out) {
        out << std::setprecision(3);  // as the common header leaves it
        writer.WriteSsaSummary(out, format, writertest::View(summary), system, setup);
    });
}

// The output holds part beginning at from, and ends with tail.
void ExpectParts(const std::string& output, const std::string& from, const std::string& part,
                 const std::string& tail)
{
    const size_t at = output.find(from);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(output.substr(at, part.size()), part);
    ASSERT_GE(output.size(), tail.size());
    EXPECT_EQ(output.substr(output.size() - tail.size()), tail);
}

}  // namespace

TEST(SsaSummaryWriter, TextLayout)
{
    const auto system = CalibratorSystemRecord();
    const auto setup = SsaSetupRecord();
    const std::string text = Summary(kTextFormat, SsaSummaryRecord(), writertest::View(system), writertest::View(setup));
    const std::string opening = "Overall Any Data\t\t**** 3 OVERLOAD(S) DETECTED ****\n";
    EXPECT_EQ(text.substr(0, opening.size()), opening);
    ExpectParts(text, "Spectra\n", Lines({
         "Spectra",
         "Start Time:   09-Jun-2003 14:05:09  Run Time:   00:02:05.8  ",
         "        Freq     Leq 1/3     Leq 1/1     Max 1/3     Max 1/1     Min 1/3     Min 1/1",
         "     12.5 Hz        ---                     60.0                    20.0",
         "     16.0 Hz        41.0        50.0        61.0        70.0        21.0        30.0",
         "     20.0 Hz        42.0                    62.0                    22.0",
         "     25.0 Hz        43.0                    63.0                    23.0",
         "     31.5 Hz        44.0        51.0        64.0        71.0        24.0        31.0",
         "     40.0 Hz        45.0                    65.0                    25.0",
         "     50.0 Hz        46.0                    66.0                    26.0",
         "     63.0 Hz        47.0        52.0        67.0        72.0        27.0        32.0",
         "     80.0 Hz        48.0                    68.0                    28.0",
         "      100 Hz        49.0                    69.0                    29.0",
         "      125 Hz        50.0        53.0        70.0        73.0        30.0        33.0",
         "      160 Hz        51.0                    71.0                    31.0",
         "      200 Hz        52.0                    72.0                    32.0",
         "      250 Hz        53.0        54.0        73.0        74.0        33.0        34.0",
         "      315 Hz        54.0                    74.0                    34.0",
         "      400 Hz        55.0                    75.0                    35.0",
         "      500 Hz        56.0        55.0        76.0        75.0        36.0        35.0",
         "      630 Hz        57.0                    77.0                    37.0",
         "      800 Hz        58.0                    78.0                    38.0",
         "     1000 Hz        59.0        56.0        79.0        76.0        39.0        36.0",
         "     1250 Hz        60.0                    80.0                    40.0",
         "     1600 Hz        61.0                    81.0                    41.0",
         "     2000 Hz        62.0        57.0        82.0        77.0        42.0        37.0",
         "     2500 Hz        63.0                    83.0                    43.0",
         "     3150 Hz        64.0                    84.0                    44.0",
         "     4000 Hz        65.0        58.0        85.0        78.0        45.0        38.0",
         "     5000 Hz        66.0                    86.0                    46.0",
         "     6300 Hz        67.0                    87.0                    47.0",
         "     8000 Hz        68.0        59.0        88.0        79.0        48.0        39.0",
         "    10000 Hz        69.0                    89.0                    49.0",
         "    12500 Hz        70.0                    90.0                    50.0",
         "    16000 Hz        71.0        60.0        91.0        80.0        51.0        40.0",
         "    20000 Hz        72.0                    92.0                    52.0",
         "",
         "Overall Spectral Ln's",
         "        Freq       L5.00      L10.00      L50.00      L90.00      L95.00      L99.00",
         "     12.5 Hz        30.0        35.0        40.0        45.0        50.0        55.0",
         "     16.0 Hz        30.5        35.5        40.5        45.5        50.5        55.5",
         "     20.0 Hz        ---         36.0        41.0        46.0        51.0        56.0",
         "     25.0 Hz        31.5        36.5        41.5        46.5        51.5        56.5",
         "     31.5 Hz        32.0        37.0        42.0        47.0        52.0        57.0",
         "     40.0 Hz        32.5        37.5        42.5        47.5        52.5        57.5",
         "     50.0 Hz        33.0        38.0        43.0        48.0        53.0        58.0",
         "     63.0 Hz        33.5        38.5        43.5        48.5        53.5        58.5",
         "     80.0 Hz        34.0        39.0        44.0        49.0        54.0        59.0",
         "      100 Hz        34.5        39.5        44.5        49.5        54.5        59.5",
         "      125 Hz        35.0        40.0        45.0        50.0        55.0        60.0",
         "      160 Hz        35.5        40.5        45.5        50.5        55.5        60.5",
         "      200 Hz        36.0        41.0        46.0        51.0        56.0        61.0",
         "      250 Hz        36.5        41.5        46.5        51.5        56.5        61.5",
         "      315 Hz        37.0        42.0        47.0        52.0        57.0        62.0",
         "      400 Hz        37.5        42.5        47.5        52.5        57.5        62.5",
         "      500 Hz        38.0        43.0        48.0        53.0        58.0        63.0",
         "      630 Hz        38.5        43.5        48.5        53.5        58.5        63.5",
         "      800 Hz        39.0        44.0        49.0        54.0        59.0        64.0",
         "     1000 Hz        39.5        44.5        49.5        54.5        59.5        64.5",
         "     1250 Hz        40.0        45.0        50.0        55.0        60.0        65.0",
         "     1600 Hz        40.5        45.5        50.5        55.5        60.5        65.5",
         "     2000 Hz        41.0        46.0        51.0        56.0        61.0        66.0",
         "     2500 Hz        41.5        46.5        51.5        56.5        61.5        66.5",
         "     3150 Hz        42.0        47.0        52.0        57.0        62.0        67.0",
         "     4000 Hz        42.5        47.5        52.5        57.5        62.5        67.5",
         "     5000 Hz        43.0        48.0        53.0        58.0        63.0        68.0",
         "     6300 Hz        43.5        48.5        53.5        58.5        63.5        68.5",
         "     8000 Hz        44.0        49.0        54.0        59.0        64.0        69.0",
         "    10000 Hz        44.5        49.5        54.5        59.5        64.5        69.5",
         "    12500 Hz        45.0        50.0        55.0        60.0        65.0        70.0",
         "    16000 Hz        45.5        50.5        55.5        60.5        65.5        70.5",
         "    20000 Hz        46.0        51.0        56.0        61.0        66.0        71.0",
         "",
         "   Ln Start Level:                5 dB",
         "",
         "  L  (1.00)  70.0",
         "  L (10.00)  65.3",
         "  L (50.00)  60.0",
         "  L (90.00)  55.0",
         "  L (95.00)  50.0",
         "  L (99.00)  --- ",
         "",
         "Detector:      Impulse   ",
         "Weighting:     A         ",
         "SPL Exceedance Level 1:    85.5 dB           Exceeded:      4 times             ",
         "SPL Exceedance Level 2:    90.0 dB           Exceeded:      5 times             ",
         "Peak-1 Exceedance Level:  120.0 dB           Exceeded:      6 times             ",
         "Peak-2 Exceedance Level:  140.0 dB           Exceeded:      7 times             ",
         "Hysteresis:    2         ",
         "Overloaded:    3 time(s)                ",
         "Paused:        3 times for 00:01:05.0   ",
         "",
        "Current Any Data",  // then the Current set's block
    }),
                Lines({
                    "              09-Jun-2003 16:07:09  09-Jun-2003 16:10:09  09-Jun-2003 16:13:09  ",
                    "",
         }) + kWindText + Lines({
         "Calibrated:         09-Jun-2003 13:05:09 Offset:                      -0.3 dB",
         "Checked:            ---                  Level:                       93.9 dB",
         "Calibrator          CAL200               Level:                       94.0 dB",
         "Cal Records Count:  2                    ",
         "",
         "Interval Records:   Enabled              Number Interval Records:         120",
         "Time History:       Enabled              Number History Records:         3600",
         "Run/Stop Records:                        Number Run/Stop Records:           4",
                }));
}

TEST(SsaSummaryWriter, CsvLayout)
{
    const auto system = CalibratorSystemRecord();
    const auto setup = SsaSetupRecord();
    const std::string csv = Summary(kCsvFormat, SsaSummaryRecord(), writertest::View(system), writertest::View(setup));
    const std::string opening = "\"Overall Any Data\t\t**** 3 OVERLOAD(S) DETECTED ****\",\n"
                                "\"Start Time:\",\"08-Jun-2003\",\"14:05:09\",\n";
    EXPECT_EQ(csv.substr(0, opening.size()), opening);
    ExpectParts(csv, "\"Spectra\",\n", Lines({
         "\"Spectra\",",
         "\"Start Time:\",\"09-Jun-2003\",\"14:05:09\",\"Run Time:\",\"00:02:05.8\",",
         "\"Freq Hz\",\"Leq 1/3 Oct\",\"Leq 1/1 Oct\",\"Max 1/3 Oct\",\"Max 1/1 Oct\",\"Min 1/3 Oct\",\"Min 1/1 Oct\",",
         "\"12.5\",\" --- \",,\"60.0\",,\"20.0\",",
         "\"16.0\",\"41.0\",\"50.0\",\"61.0\",\"70.0\",\"21.0\",\"30.0\",",
         "\"20.0\",\"42.0\",,\"62.0\",,\"22.0\",",
         "\"25.0\",\"43.0\",,\"63.0\",,\"23.0\",",
         "\"31.5\",\"44.0\",\"51.0\",\"64.0\",\"71.0\",\"24.0\",\"31.0\",",
         "\"40.0\",\"45.0\",,\"65.0\",,\"25.0\",",
         "\"50.0\",\"46.0\",,\"66.0\",,\"26.0\",",
         "\"63.0\",\"47.0\",\"52.0\",\"67.0\",\"72.0\",\"27.0\",\"32.0\",",
         "\"80.0\",\"48.0\",,\"68.0\",,\"28.0\",",
         "\"100\",\"49.0\",,\"69.0\",,\"29.0\",",
         "\"125\",\"50.0\",\"53.0\",\"70.0\",\"73.0\",\"30.0\",\"33.0\",",
         "\"160\",\"51.0\",,\"71.0\",,\"31.0\",",
         "\"200\",\"52.0\",,\"72.0\",,\"32.0\",",
         "\"250\",\"53.0\",\"54.0\",\"73.0\",\"74.0\",\"33.0\",\"34.0\",",
         "\"315\",\"54.0\",,\"74.0\",,\"34.0\",",
         "\"400\",\"55.0\",,\"75.0\",,\"35.0\",",
         "\"500\",\"56.0\",\"55.0\",\"76.0\",\"75.0\",\"36.0\",\"35.0\",",
         "\"630\",\"57.0\",,\"77.0\",,\"37.0\",",
         "\"800\",\"58.0\",,\"78.0\",,\"38.0\",",
         "\"1000\",\"59.0\",\"56.0\",\"79.0\",\"76.0\",\"39.0\",\"36.0\",",
         "\"1250\",\"60.0\",,\"80.0\",,\"40.0\",",
         "\"1600\",\"61.0\",,\"81.0\",,\"41.0\",",
         "\"2000\",\"62.0\",\"57.0\",\"82.0\",\"77.0\",\"42.0\",\"37.0\",",
         "\"2500\",\"63.0\",,\"83.0\",,\"43.0\",",
         "\"3150\",\"64.0\",,\"84.0\",,\"44.0\",",
         "\"4000\",\"65.0\",\"58.0\",\"85.0\",\"78.0\",\"45.0\",\"38.0\",",
         "\"5000\",\"66.0\",,\"86.0\",,\"46.0\",",
         "\"6300\",\"67.0\",,\"87.0\",,\"47.0\",",
         "\"8000\",\"68.0\",\"59.0\",\"88.0\",\"79.0\",\"48.0\",\"39.0\",",
         "\"10000\",\"69.0\",,\"89.0\",,\"49.0\",",
         "\"12500\",\"70.0\",,\"90.0\",,\"50.0\",",
         "\"16000\",\"71.0\",\"60.0\",\"91.0\",\"80.0\",\"51.0\",\"40.0\",",
         "\"20000\",\"72.0\",,\"92.0\",,\"52.0\",",
         "",
         "\"Overall Spectral Ln's\",",
         "\"Freq\",\"L5.00\",\"L10.00\",\"L50.00\",\"L90.00\",\"L95.00\",\"L99.00\",",
         "\"12.5 Hz\",\"30.000\",\"35.000\",\"40.000\",\"45.000\",\"50.000\",\"55.000\",",
         "\"16.0 Hz\",\"30.500\",\"35.500\",\"40.500\",\"45.500\",\"50.500\",\"55.500\",",
         "\"20.0 Hz\",\"999.000\",\"36.000\",\"41.000\",\"46.000\",\"51.000\",\"56.000\",",
         "\"25.0 Hz\",\"31.500\",\"36.500\",\"41.500\",\"46.500\",\"51.500\",\"56.500\",",
         "\"31.5 Hz\",\"32.000\",\"37.000\",\"42.000\",\"47.000\",\"52.000\",\"57.000\",",
         "\"40.0 Hz\",\"32.500\",\"37.500\",\"42.500\",\"47.500\",\"52.500\",\"57.500\",",
         "\"50.0 Hz\",\"33.000\",\"38.000\",\"43.000\",\"48.000\",\"53.000\",\"58.000\",",
         "\"63.0 Hz\",\"33.500\",\"38.500\",\"43.500\",\"48.500\",\"53.500\",\"58.500\",",
         "\"80.0 Hz\",\"34.000\",\"39.000\",\"44.000\",\"49.000\",\"54.000\",\"59.000\",",
         "\"100 Hz\",\"34.500\",\"39.500\",\"44.500\",\"49.500\",\"54.500\",\"59.500\",",
         "\"125 Hz\",\"35.000\",\"40.000\",\"45.000\",\"50.000\",\"55.000\",\"60.000\",",
         "\"160 Hz\",\"35.500\",\"40.500\",\"45.500\",\"50.500\",\"55.500\",\"60.500\",",
         "\"200 Hz\",\"36.000\",\"41.000\",\"46.000\",\"51.000\",\"56.000\",\"61.000\",",
         "\"250 Hz\",\"36.500\",\"41.500\",\"46.500\",\"51.500\",\"56.500\",\"61.500\",",
         "\"315 Hz\",\"37.000\",\"42.000\",\"47.000\",\"52.000\",\"57.000\",\"62.000\",",
         "\"400 Hz\",\"37.500\",\"42.500\",\"47.500\",\"52.500\",\"57.500\",\"62.500\",",
         "\"500 Hz\",\"38.000\",\"43.000\",\"48.000\",\"53.000\",\"58.000\",\"63.000\",",
         "\"630 Hz\",\"38.500\",\"43.500\",\"48.500\",\"53.500\",\"58.500\",\"63.500\",",
         "\"800 Hz\",\"39.000\",\"44.000\",\"49.000\",\"54.000\",\"59.000\",\"64.000\",",
         "\"1000 Hz\",\"39.500\",\"44.500\",\"49.500\",\"54.500\",\"59.500\",\"64.500\",",
         "\"1250 Hz\",\"40.000\",\"45.000\",\"50.000\",\"55.000\",\"60.000\",\"65.000\",",
         "\"1600 Hz\",\"40.500\",\"45.500\",\"50.500\",\"55.500\",\"60.500\",\"65.500\",",
         "\"2000 Hz\",\"41.000\",\"46.000\",\"51.000\",\"56.000\",\"61.000\",\"66.000\",",
         "\"2500 Hz\",\"41.500\",\"46.500\",\"51.500\",\"56.500\",\"61.500\",\"66.500\",",
         "\"3150 Hz\",\"42.000\",\"47.000\",\"52.000\",\"57.000\",\"62.000\",\"67.000\",",
         "\"4000 Hz\",\"42.500\",\"47.500\",\"52.500\",\"57.500\",\"62.500\",\"67.500\",",
         "\"5000 Hz\",\"43.000\",\"48.000\",\"53.000\",\"58.000\",\"63.000\",\"68.000\",",
         "\"6300 Hz\",\"43.500\",\"48.500\",\"53.500\",\"58.500\",\"63.500\",\"68.500\",",
         "\"8000 Hz\",\"44.000\",\"49.000\",\"54.000\",\"59.000\",\"64.000\",\"69.000\",",
         "\"10000 Hz\",\"44.500\",\"49.500\",\"54.500\",\"59.500\",\"64.500\",\"69.500\",",
         "\"12500 Hz\",\"45.000\",\"50.000\",\"55.000\",\"60.000\",\"65.000\",\"70.000\",",
         "\"16000 Hz\",\"45.500\",\"50.500\",\"55.500\",\"60.500\",\"65.500\",\"70.500\",",
         "\"20000 Hz\",\"46.000\",\"51.000\",\"56.000\",\"61.000\",\"66.000\",\"71.000\",",
         "",
         "\"Ln Start Level:\",\" 5 dB\",",
         "\"L 1.00\",\"70.0\",\"dBA\",",
         "\"L 10.00\",\"65.3\",\"dBA\",",
         "\"L 50.00\",\"60.0\",\"dBA\",",
         "\"L 90.00\",\"55.0\",\"dBA\",",
         "\"L 95.00\",\"50.0\",\"dBA\",",
         "\"L 99.00\",\" --- \",\"dBA\",",
         "",
         "\"Detector:\",\"Impulse\",",
         "\"Weighting:\",\"A\",",
         "\"SPL Exceedance Level 1:\",\"  85.5 dB\",\"Exceeded:\",\"4 times\",",
         "\"SPL Exceedance level 2:\",\"    90 dB\",\"Exceeded:\",\"5 times\",",
         "\"Peak-1 Exceedance Level:\",\"   120 dB\",\"Exceeded:\",\"6 times\",",
         "\"Peak-2 Exceedance Level:\",\"   140 dB\",\"Exceeded:\",\"7 times\",",
         "\"Hysteresis:\",\"2\",",
         "\"Overloaded:\",\"3 time(s)\",",
         "\"Paused:\",\"3 times for 00:01:05.0\",",
         "",
        "\"Current Any Data\",",
        "\"Start Time:\",\"09-Jun-2003\",\"14:05:09\",",
    }),
                Lines({
                    "\"\",\"09-Jun-2003 16:07:09\",\"09-Jun-2003 16:10:09\",\"09-Jun-2003 16:13:09\",",
                    "",
         }) + kWindCsv + Lines({
         "\"Calibrated:\",\"09-Jun-2003 13:05:09\",\"Offset:   -0.3 dB\",",
         "\"Checked:\",\"---\",\"Level:   93.9 dB\",",
         "\"Calibrator\",\"CAL200\",\"Level:   94.0 dB\",",
         "\"Cal Records Count:\",\"2\",",
         "",
         "\"Interval Records:\",\"Enabled\",\"Number Interval Records:\",\"120\",",
         "\"History Records:\",\"Enabled\",\"Number History Records:\",\"3600\",",
         "\"Run/Stop Records:\",\"\",\"Number Run/Stop Records:\",\"    4\",",
                }));
}

TEST(SsaSummaryWriter, OctaveBandsWithoutSpectralLnsOrOverloads)
{
    const auto system = CalibratorSystemRecord();
    auto setup = SsaSetupRecord();
    setup.U8(SsaSetupFields::kModeFlags, 0x00).I16(SsaSetupFields::kSpectralLn, 2);  // octaves; spectral Ln's per interval
    auto summary = SsaSummaryRecord();
    summary.U32(SummaryFields::kOverloads, 0);  // no overloads
    const std::string text = Summary(kTextFormat, summary, writertest::View(system), writertest::View(setup));
    EXPECT_EQ(text.substr(0, 17), "Overall Any Data\n");
    ExpectParts(text, "        Freq", Lines({
         "        Freq     Leq 1/1     Max 1/1     Min 1/1",
         "     16.0 Hz        50.0        70.0        30.0",
         "     31.5 Hz        51.0        71.0        31.0",
         "     63.0 Hz        52.0        72.0        32.0",
         "      125 Hz        53.0        73.0        33.0",
         "      250 Hz        54.0        74.0        34.0",
         "      500 Hz        55.0        75.0        35.0",
         "     1000 Hz        56.0        76.0        36.0",
         "     2000 Hz        57.0        77.0        37.0",
         "     4000 Hz        58.0        78.0        38.0",
         "     8000 Hz        59.0        79.0        39.0",
         "    16000 Hz        60.0        80.0        40.0",
         "",
                                               "   Ln Start Level:                5 dB",
                                           }),
                "");
}

TEST(SsaSummaryWriter, WithoutSetupAndSystemRecords)
{
    const std::string text = Summary(kTextFormat, SsaSummaryRecord(), RecordView(), RecordView());
    for (const char* line : {
             "\n   Ln Start Level:                    \n",
             "\nDetector:                \nWeighting:               \n",
             "\nSPL Exceedance Level 1:  Level Not Set       Exceeded:      4 times             \n",
             "\nHysteresis:    Not Set   \n",
             "\nCalibrator          \nCal Records Count:  2                    \n",
             "\nInterval Records:                        Number Interval Records:         120\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("Wind"), std::string::npos);
    EXPECT_EQ(text.find("Overall Spectral"), std::string::npos);

    const std::string csv = Summary(kCsvFormat, SsaSummaryRecord(), RecordView(), RecordView());
    for (const char* line : {"\n\"Detector:\",\n\"Weighting:\",\n",
                             "\n\"SPL Exceedance Level 1:\",\"Exceeded:\",\"4 times\",\n",
                             "\n\"Hysteresis:\",\n", "\n\"Calibrator\",\n"})
        EXPECT_NE(csv.find(line), std::string::npos) << line;
}

TEST(SsaSummaryWriter, NothingForAFailedStreamOrAMissingSummary)
{
    const auto setup = SsaSetupRecord();
    EXPECT_EQ(Written([&](ReportWriter& writer, std::ostream& out) {
                  writer.WriteSsaSummary(out, kTextFormat, RecordView(), RecordView(), writertest::View(setup));
              }),
              "");
    EXPECT_EQ(Written(
                  [&](ReportWriter& writer, std::ostream& out) {
                      writer.WriteSsaSummary(out, kCsvFormat, writertest::View(SsaSummaryRecord()), RecordView(),
                                             writertest::View(setup));
                  },
                  true),
              "");
}
