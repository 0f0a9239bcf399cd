// The logging meter's summary.
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

// C weighting, fast detector, Peak-1 on Flat; wind measured in m/s.
OutputRecordBuilder LogSetupRecord()
{
    OutputRecordBuilder setup(53);
    setup.U16(LogSetupFields::kFreqWeighting, 1).U16(LogSetupFields::kDetector, 1)
        .U16(LogSetupFields::kPeak1Weighting, 2);
    setup.U16(LogSetupFields::kOverallExchangeRate, 0).U16(LogSetupFields::kCurrentExchangeRate, 2);
    setup.F32(LogSetupFields::kSplExceedance1, 85.5f).U16(LogSetupFields::kSplExceedance2, 90)
        .U16(LogSetupFields::kPeak1Exceedance, 135).U16(LogSetupFields::kPeak2Exceedance, 140)
        .U16(LogSetupFields::kHysteresis, 2);
    setup.U16(LogSetupFields::kLnStartLevel, 30);
    setup.U16(LogSetupFields::kIntervalFlags, 0x80).U16(LogSetupFields::kHistoryFlags, 0x00)
        .U16(LogSetupFields::kOptionFlags, 0x40);  // intervals on, history off, wind
    setup.F32(LogSetupFields::kWindScale, 0.5f).Text(LogSetupFields::kWindUnits, "m/s")
        .U16(LogSetupFields::kWindThreshold, 20).U16(LogSetupFields::kWindExceedanceLevel, 30);
    return setup;
}

std::string Summary(ExportFormat format, const OutputRecordBuilder& summary, const RecordView& setup,
                    const RecordView& system)
{
    return Written([&](ReportWriter& writer, std::ostream& out) {
        writer.WriteLogSummary(out, format, writertest::View(summary), setup, system);
    });
}

}  // namespace

TEST(LogSummaryWriter, TextLayout)
{
    const auto setup = LogSetupRecord();
    const auto system = CalibratorSystemRecord();
    const std::string text = Summary(kTextFormat, SoundLevelSummary(), writertest::View(setup), writertest::View(system));
    const std::string measurement = Lines({
         "Overall Measurement                     Current Measurement",
         "--------------------------------------- ---------------------------------------",
         "Start Time:       08-Jun-2003 14:05:09  Start Time        09-Jun-2003 14:05:09",
         "Elapsed Time:                 01:02:05  Elapsed Time                00:02:05.8",
         "Leq:                              75.5  Lavg:                             70.1",
         "SEL:                             105.0  SEL:                              94.3",
         "Dose:                            12.50  Dose:                             3.25",
         "Proj. Dose:                      50.00  Proj. Dose:                      25.00",
         "Threshold:                       80 dB  Threshold:                       70 dB",
         "Criterion:                       90 dB  Criterion:                       85 dB",
         "Exchange Rate:                    3 dB  Exchange Rate:                    5 dB",
         "Min:     34.0     08-Jun-2003 16:09:09  Min:     44.0     09-Jun-2003 16:09:09",
         "Max:     94.0     08-Jun-2003 15:09:09  Max:     84.0     09-Jun-2003 15:09:09",
         "Peak-1: 130.0     08-Jun-2003 14:08:09  Peak-1: 115.0     09-Jun-2003 14:08:09",
         "Peak-2: 125.0     08-Jun-2003 14:07:09  Peak-2: 112.5     09-Jun-2003 14:07:09",
         "",
         "Ln Start Level:                  30 dB",
         "  L  (1.00)  70.0",
         "  L (10.00)  65.3",
         "  L (50.00)  60.0",
         "  L (90.00)  55.0",
         "  L (95.00)  50.0",
         "  L (99.00)  --- ",
         "LDN:          68.0",
         "CNEL:         --- ",
         "Overall Leq:  66.6",
         "",
         }) + kWindText + Lines({
         "Detector:   Fast",
         "Weighting:  C",
         "SPL Exceedance Level 1:   85.50          Exceeded: 4 times",
         "SPL Exceedance Level 2:      90          Exceeded: 5 times",
         "Peak-1 Exceedance Level:    135          Exceeded: 6 times",
         "Peak-2 Exceedance Level:    140          Exceeded: 7 times",
         "Hysteresis:                2",
         "Overloaded:                2",
         "Pause Count:               3             Pause Time: 00:01:05.0",
         "",
         "Calibrated:       09-Jun-2003 13:05:09   Offset:  -0.3 dB",
         "Checked:          09-Jun-2003 16:35:09   Level:   93.9 dB",
         "Calibrator:       CAL200",
         "Level:             94.0",
         "Cal Record Count:   2         ",
         "",
         "Interval Records:   Enabled              Number Interval Records:         120",
         "Time History:       Disabled             Number History Records:         3600",
         "",
         "J57 Memory:          4194304",
         "Free Memory:         1048576             Percent Free:  25.00% ",
         "Battery Level:          6.2V             Source: Ext   ",
         "",
    });
    EXPECT_EQ(text.substr(0, measurement.size()), measurement);
    // Then the Any Data block of each set, the Overall one closed by an empty line.
    const std::string rest = text.substr(measurement.size());
    EXPECT_EQ(rest.substr(0, 17), "Overall Any Data\n");
    EXPECT_NE(rest.find("  \n\nCurrent Any Data\nStart Time:   09-Jun-2003 14:05:09  \n"), std::string::npos);
    EXPECT_EQ(rest.substr(rest.size() - 16), "2003 16:13:09  \n");
}

TEST(LogSummaryWriter, CsvLayout)
{
    const auto setup = LogSetupRecord();
    const auto system = CalibratorSystemRecord();
    const std::string csv = Summary(kCsvFormat, SoundLevelSummary(), writertest::View(setup), writertest::View(system));
    const std::string measurement = Lines({
         "\"Overall Measurement\",\"\",\"\",\"Current Measurement\",",
         "\"Start Time:\",\"08-Jun-2003\",\"14:05:09\",\"Start Time\",\"09-Jun-2003\",\"14:05:09\",",
         "\"Elapsed Time:\",\"01:02:05\",\"\",\"Elapsed Time\",\"00:02:05.8\",",
         "\"Leq:\",\"75.5\",\"\",\"Lavg:\",\"70.1\",",
         "\"SEL:\",\"105.0\",\"\",\"SEL:\",\"94.3\",",
         "\"Dose:\",\"12.5\",\"\",\"Dose:\",\"3.3\",",
         "\"Proj. Dose:\",\"50.0\",\"\",\"Proj. Dose:\",\"25.0\",",
         "\"Threshold:\",\"80\",\"\",\"Threshold:\",\"70\",",
         "\"Criterion:\",\"90\",\"\",\"Criterion:\",\"85\",",
         "\"Exchange Rate:\",\"3\",\"\",\"Exchange Rate:\",\"5\",",
         "",
         "\"Min:\",\"34.0\",\"\",\"Min:\",\"44.0\",",
         "\"Min Occurred:\",\"08-Jun-2003\",\"16:09:09\",\"Min Occurred:\",\"09-Jun-2003\",\"16:09:09\",",
         "\"Max:\",\"94.0\",\"\",\"Max:\",\"84.0\",",
         "\"Max Occurred:\",\"08-Jun-2003\",\"15:09:09\",\"Max Occurred:\",\"09-Jun-2003\",\"15:09:09\",",
         "\"Peak-1:\",\"130.0\",\"\",\"Peak-1:\",\"115.0\",",
         "\"Peak-1 Occurred:\",\"08-Jun-2003\",\"14:08:09\",\"Peak-1 Occurred:\",\"09-Jun-2003\",\"14:08:09\",",
         "\"Peak-2:\",\"125.0\",\"\",\"Peak-2:\",\"112.5\",",
         "\"Peak-2 Occurred:\",\"08-Jun-2003\",\"14:07:09\",\"Peak-2 Occurred:\",\"09-Jun-2003\",\"14:07:09\",",
         "\"LDN:\",\"68.0\",",
         "\"CNEL:\",\" --- \",",
         "\"Overall Leq:\",\"66.6\",",
         "",
         }) + kWindCsv + Lines({
         "\"Ln Start Level:\",\"30 dB\",",
         "\"L1.00\",\"70.0\",",
         "\"L10.00\",\"65.3\",",
         "\"L50.00\",\"60.0\",",
         "\"L90.00\",\"55.0\",",
         "\"L95.00\",\"50.0\",",
         "\"L99.00\",\" --- \",",
         "",
         "\"Detector:\",\"Fast\",",
         "\"Weighting:\",\"C\",",
         "\"SPL Exceedance Level 1:\",\"85.50\",\"\",\"Exceeded:\",\"4\",\"times\",",
         "\"SPL Exceedance Level 2:\",\"90\",\"\",\"Exceeded:\",\"5\",\"times\",",
         "\"Peak-1 Exceedance Level:\",\"135\",\"\",\"Exceeded:\",\"6\",\"times\",",
         "\"Peak-2 Exceedance Level:\",\"140\",\"\",\"Exceeded:\",\"7\",\"times\",",
         "\"Hysteresis:\",\"2\",",
         "\"Overloaded:\",\"2\",",
         "\"Pause Count:\",\"3\",\"\",\"Pause Time:\",\"00:01:05.0\",",
         "",
         "\"Calibrated:\",\"09-Jun-2003\",\"13:05:09\",\"Offset:\",\"-0.3\",\"dB\",",
         "\"Checked:\",\"09-Jun-2003\",\"16:35:09\",\"Level:\",\"93.9\",\"dB\",",
         "\"Calibrator:\",\"CAL200\",\"\",\"Level:\",\"94.0\",",
         "\"Cal Record Count:\",\"2\",",
         "",
         "\"Interval Records:\",\"Enabled\",\"\",\"Number Interval Records:\",\"120\",",
         "\"Time History:\",\"Disabled\",\"\",\"Number History Records:\",\"3600\",",
         "",
         "\"J57 Memory:\",\"4194304\",",
         "\"Free Memory:\",\"1048576\",\"\",\"Percent Free:\",\"25.00%\",",
         "\"Battery Level:\",\"6.2V\",\"\",\"Source:\",\"Ext\",",
         "",
    });
    EXPECT_EQ(csv.substr(0, measurement.size()), measurement);
    const std::string rest = csv.substr(measurement.size());
    EXPECT_EQ(rest.substr(0, 17), "Overall Any Data\n");  // bare, the only line without fields
    EXPECT_NE(rest.find("\",\n\n\"Current Any Data\",\n"), std::string::npos);
}

TEST(LogSummaryWriter, WithoutSetupAndSystemRecords)
{
    const std::string text = Summary(kTextFormat, SoundLevelSummary(), RecordView(), RecordView());
    for (const char* line : {
             "\nExchange Rate:                          Exchange Rate:                        \n",
             "\nLn Start Level:                       \n",
             "\nOverall Leq:  66.6\n\nDetector:   \nWeighting:  \n",  // no wind lines
             "\nSPL Exceedance Level 1:    0.00          Exceeded: 4 times\n",
             "\nSPL Exceedance Level 2:       0          Exceeded: 5 times\n",
             "\nHysteresis:                0\n",
             "\nCalibrator:       not set\nLevel:                 \n",
             "\nInterval Records:                        Number Interval Records:         120\n",
             // weighting A and detector slow
             "\nLeq:                              70.0  Lavg:                             65.3\n",
             "\nMin:     30.0     08-Jun-2003 16:05:09  Min:     40.0     09-Jun-2003 16:05:09\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line;

    const std::string csv = Summary(kCsvFormat, SoundLevelSummary(), RecordView(), RecordView());
    for (const char* line : {"\n\"Weighting:\",\n", "\n\"Calibrator:\",\"not set\",\"\",\"Level:\",\"\",\n",
                             "\n\"Exchange Rate:\",\"\",\"\",\"Exchange Rate:\",\"\",\n"})
        EXPECT_NE(csv.find(line), std::string::npos) << line;
}

TEST(LogSummaryWriter, CodesOutsideTheTablesReadAsASlow)
{
    auto setup = LogSetupRecord();
    setup.U16(LogSetupFields::kFreqWeighting, 4).U16(LogSetupFields::kDetector, 7)
        .U16(LogSetupFields::kPeak1Weighting, 3);  // 1/3 octave, no detector, no Peak-1 weighting
    const std::string text = Summary(kTextFormat, SoundLevelSummary(), writertest::View(setup), RecordView());
    for (const char* line : {
             "\nLeq:                              70.0  Lavg:                             65.3\n",
             "\nMin:     30.0     08-Jun-2003 16:05:09  Min:     40.0     09-Jun-2003 16:05:09\n",
             "\nPeak-1: 120.0     08-Jun-2003 14:06:09  Peak-1: 110.0     09-Jun-2003 14:06:09\n",
             "\nDetector:   \nWeighting:  1/3\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(LogSummaryWriter, NothingForAFailedStreamOrAMissingSummary)
{
    const auto setup = LogSetupRecord();
    EXPECT_EQ(Summary(kTextFormat, OutputRecordBuilder(55), writertest::View(setup), RecordView()).empty(), false);
    EXPECT_EQ(Written([&](ReportWriter& writer, std::ostream& out) {
                  writer.WriteLogSummary(out, kCsvFormat, RecordView(), writertest::View(setup), RecordView());
              }),
              "");
    EXPECT_EQ(Written(
                  [&](ReportWriter& writer, std::ostream& out) {
                      writer.WriteLogSummary(out, kTextFormat, writertest::View(SoundLevelSummary()),
                                             writertest::View(setup), RecordView());
                  },
                  true),
              "");
}
