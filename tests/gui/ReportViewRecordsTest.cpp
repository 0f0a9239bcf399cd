// The record reports: time histories, calibration checks, histograms,
// intervals, days and the system settings.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

// A time-history level sample: Leq, the other level and A/C/F detector
// levels of the first set (entry 7 is bit 0x80).
OutputRecordBuilder Sample(uint32_t record, float leq, float other = 0)
{
    OutputRecordBuilder r(57);
    r.U32(TimeHistoryFields::kTime, 3600 + record)
        .F32(TimeHistoryFields::kFirst, leq)
        .F32(TimeHistoryFields::kSecond, other)
        .U32(TimeHistoryFields::kRecordNumber, record);
    for (size_t w = 0; w < 3; ++w)
        r.FloatRamp(
            TimeHistoryFields::kSet1 + TimeHistoryFields::kSetStride * w, 8, 10.0f * static_cast<float>(w + 1), 1.0f);
    r.Floats(TimeHistoryFields::kSet2 + TimeHistoryFields::kSetStride * 1,
        {3.5f, 12.25f, 7.75f});  // temperature, external, battery
    return r;
}

OutputRecordBuilder RunStopSample(uint32_t record, int state, int cause)
{
    return OutputRecordBuilder(57)
        .U32(TimeHistoryFields::kTime, 3600)
        .F32(TimeHistoryFields::kFirst, -1.0f)
        .I16(TimeHistoryFields::kCause, cause)
        .I16(TimeHistoryFields::kState, state)
        .U32(TimeHistoryFields::kRecordNumber, record);
}

// A LOG setup record with the advanced time-history selection.
OutputRecordBuilder LogSetupAdvanced(int firstA, int secondC)
{
    return OutputRecordBuilder(53)
        .U16(LogSetupFields::kOtherLevel, 4)
        .U16(LogSetupFields::kThFlags.a1, firstA)
        .U16(LogSetupFields::kThFlags.c2, secondC);
}

}  // namespace

class ReportRecords : public ReportFixture {};

TEST_F(ReportRecords, TimeHistoryColumnsFollowTheSetup)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53).U16(LogSetupFields::kOtherLevel, 2))
        .Add(OutputRecordBuilder(7).Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * 2, "Bus"))
        .Add(Sample(1, 65.27f, 80.04f))
        .Add(Sample(2, 999.0f))
        .Add(RunStopSample(3, 2, 13))
        .Add(RunStopSample(4, 0, 1));
    Select("4 .Time Hist Samples");
    ASSERT_EQ(report->GetReportType(), 8);
    auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 38), "Logging Sound Level Meter Time History");
    EXPECT_EQ(lines[13], "") << "no note without advanced columns";
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Leq | Peak-I");
    EXPECT_EQ(lines[15], "1 | 01-Jan-1970 | 01:00:01 | 65.3 | 80.0");
    EXPECT_EQ(lines[16], "2 | 01-Jan-1970 | 01:00:02 |  ---  | 0.0");
    EXPECT_EQ(lines[17], "3 | 01-Jan-1970 | 01:00:00 | Mark3:Bus");
    EXPECT_EQ(lines[18], "4 | 01-Jan-1970 | 01:00:00 | Stop:Timer");

    translation.records[1] = LogSetupAdvanced(0xFF, 0x04).Bytes();
    Select("4 .Time Hist Samples");
    lines = ScreenLines();
    EXPECT_EQ(lines[13], "  6 of 9 Adv TH Columns - Use 'File/Export' for remaining columns");
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Leq | A-TWA | A-Peak | AMaxSlw | AMaxFst | AMaxImp | AMinSlw");
    EXPECT_EQ(lines[15], "1 | 01-Jan-1970 | 01:00:01 | 65.3 | 17.0 | 16.0 | 15.0 | 14.0 | 13.0 | 12.0");
}

// A block of the time-history stream of one second a sample: a run-start
// marker (minus 16 times run-state 4, cause 0), then two levels with their
// second level.
OutputRecordBuilder StreamBlock(uint32_t time)
{
    OutputRecordBuilder block(16);
    block.U32(ThBlockFields::kTime, time)
        .U16(ThBlockFields::kFormatBits, 1 << 8)
        .F32(ThBlockFields::kInterval, 1.0f)
        .U32(ThBlockFields::kCount, 3);
    block.Floats(ThBlockFields::kFirstValues, {-64, 70.5f, 71.25f})
        .Floats(ThBlockFields::kSecondValues, {0, 60.5f, 61});
    return block;
}

TEST_F(ReportRecords, TimeHistoryStreamSamplesShowTheirOwnColumns)
{
    // A kind 57 sample with detector levels, then the stream's samples: the
    // advanced columns stay empty for them, the other level shows.
    translation.Add(SystemRecord()).Add(LogSetupAdvanced(0x80, 0)).Add(Sample(1, 65.0f)).Add(StreamBlock(7200));
    Select("4 .Time Hist Samples");
    auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Leq | A-TWA");
    EXPECT_EQ(lines[15], "1 | 01-Jan-1970 | 01:00:01 | 65.0 | 17.0");
    EXPECT_EQ(lines[16], "2 | 01-Jan-1970 | 02:00:00 | Run:Key");
    EXPECT_EQ(lines[17], "3 | 01-Jan-1970 | 02:00:00 | 70.5");
    EXPECT_EQ(lines[18], "4 | 01-Jan-1970 | 02:00:01 | 71.3");

    translation.records[1] = OutputRecordBuilder(53).U16(LogSetupFields::kOtherLevel, 3).Bytes();
    Select("4 .Time Hist Samples");
    lines = ScreenLines();
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Leq | Lmax");
    EXPECT_EQ(lines[17], "3 | 01-Jan-1970 | 02:00:00 | 70.5 | 60.5");
}

TEST_F(ReportRecords, SlmRtaTimeHistoryNotesTheStoredSpectrum)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(51)
                 .U16(SsaSetupFields::kOtherLevel, 4)
                 .U16(SsaSetupFields::kThFlags.a2, 0x04)
                 .U16(SsaSetupFields::kThFlags.c2, 0x04)
                 .U16(SsaSetupFields::kThFlags.f2, 0x02))
        .Add(Sample(1, 50.0f));
    Select("1 SSA Time Hist Samples");
    ASSERT_EQ(report->GetReportType(), 19);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[13], "  3 Adv TH Columns - Use 'File/Export' for RTA Leq spectrum");
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Leq | LAFTM5 | Battery");
    EXPECT_EQ(lines[15], "1 | 01-Jan-1970 | 01:00:01 | 50.0 | 0.0 | 7.75");
}

TEST_F(ReportRecords, CalibrationCheckLog)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(5)
                 .U32(CalRecordFields::kTime, 7200)
                 .F32(CalRecordFields::kOffset, -0.4f)
                 .F32(CalRecordFields::kLevel, 114.0f)
                 .I16(CalRecordFields::kMode, 32)
                 .U32(CalRecordFields::kRecordNumber, 9)
                 .I16(CalRecordFields::kStatus, 4))
        .Add(OutputRecordBuilder(5)
                 .F32(CalRecordFields::kLevel, 999.0f)
                 .U32(CalRecordFields::kRecordNumber, 10)
                 .I16(CalRecordFields::kStatus, 3)
                 .I16(CalRecordFields::kMode, 7));
    Select("2 Calibrations");
    ASSERT_EQ(report->GetReportType(), 14);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Level | Offset | Mode | Status");
    EXPECT_EQ(lines[15], "9 | 01-Jan-1970 | 02:00:00 | 114.0 | -0.4 | Auto | Too high");
    EXPECT_EQ(lines[16], "10 | 01-Jan-1970 | 00:00:00 |  ---  | 0.0 |  | Cal Status Error");
}

TEST_F(ReportRecords, HistogramTablesWithTheProfileLimits)
{
    OutputRecordBuilder hist(9);
    hist.F32(HistogramRecordFields::kBaseLevel, 20.0f);
    hist.BeCount(HistogramRecordFields::kSplBins + 4 * 200, 4, 8);  // 40.0 dB: below 45
    hist.BeCount(HistogramRecordFields::kSplBins + 4 * 300, 4, 24);  // 50.0 dB
    translation.Add(SystemRecord()).Add(hist);
    Select("1 Histograms");
    ASSERT_EQ(report->GetReportType(), 9);
    auto lines = ScreenLines();
    EXPECT_EQ(report->GetLineCount(), 53 + 28);
    EXPECT_EQ(lines[1].substr(0, 28), "Sound Level Meter Histograms");
    EXPECT_EQ(lines[14], "SPL Histogram");
    EXPECT_EQ(lines[15], "Level | Count | Percent | Duration");
    // A LOG histogram counts 32 samples a second.
    EXPECT_EQ(lines[16], "< 45.0 |        8 | 25.00% | 00:00:00.3");
    EXPECT_EQ(lines[17], " 45.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[22], " 50.0 |       24 | 75.00% | 00:00:00.8");
    EXPECT_EQ(lines[16 + 52], "> 95.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[16 + 53], "") << "no peak sections without peak bins";

    profile.WriteProfileInt("Histogram Options", "SPLRes", 5);
    lines = ScreenLines();
    EXPECT_EQ(report->GetLineCount(), 103 + 28);
    EXPECT_EQ(lines[17], " 45.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[18], " 45.5 |        0 |  0.00% | 00:00:00.0");
}

TEST_F(ReportRecords, HistogramSectionsStartPagesOfTheirOwn)
{
    OutputRecordBuilder hist(9);
    hist.F32(HistogramRecordFields::kBaseLevel, 20.0f)
        .U16(HistogramRecordFields::kFlags, 0x30)
        .BeCount(HistogramRecordFields::kSplBins + 4 * 300, 4, 24)
        .BeCount(HistogramRecordFields::kPeakBins + 4 * 60, 4, 3)
        .BeCount(HistogramRecordFields::kUwPeakBins + 4 * 100, 4, 2);
    translation.Add(SystemRecord()).Add(hist);
    Select("1 Histograms");
    RecordingDC dc(true, QRect(0, 0, 1000, 640));  // 59 lines a page
    const int pages = report->OnBeginPrinting(dc);
    ASSERT_EQ(report->LinesPerPage(), 59);
    // SPL: 53 rows, 40 on its first page; peak 53 rows; unweighted peak 33.
    EXPECT_EQ(pages, 2 + 2 + 1);
    std::vector<std::string> splRows;
    for (int page = 1; page <= 2; ++page) {
        RecordingDC paper(true, QRect(0, 0, 1000, 640));
        report->OnBeginPrinting(paper);
        report->OnPrint(paper, page, QRect(0, 0, 1000, 640));
        const int head = page == 1 ? 17 : 5;
        EXPECT_EQ(paper.At((head + 2) * 10), "SPL Histogram");
        EXPECT_NE(paper.At(3 * 10).find(Printf("Page %d", page)), std::string::npos);
        for (int m = head + 2; m < 59; ++m)
            if (!paper.At((m + 2) * 10).empty())
                splRows.push_back(paper.At((m + 2) * 10));
    }
    ASSERT_EQ(splRows.size(), 53u);
    EXPECT_EQ(splRows.front().substr(0, 6), "< 45.0");
    EXPECT_EQ(splRows.back().substr(0, 6), "> 95.0");
    RecordingDC paper(true, QRect(0, 0, 1000, 640));
    report->OnBeginPrinting(paper);
    report->OnPrint(paper, 5, QRect(0, 0, 1000, 640));
    EXPECT_EQ(paper.At((17 + 2) * 10), "Unweighted Peak Histogram");
}

TEST_F(ReportRecords, LogIntervalBlocksWithWindLnAndLnTable)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kIntervalFlags, 0x60)
                 .U16(LogSetupFields::kOptionFlags, 0x40)
                 .I16(LogSetupFields::kIntervalExchangeRate, 1)
                 .I16(LogSetupFields::kIntervalThreshold, 70)
                 .Text(LogSetupFields::kIntervalPeriod, "01:00:00")
                 .U16(LogSetupFields::kFreqWeighting, 0)
                 .U16(LogSetupFields::kPeak1Weighting, 1)
                 .F32(LogSetupFields::kWindScale, 2.0f)
                 .Text(LogSetupFields::kWindUnits, "m/s")
                 .U16(LogSetupFields::kDirectionUnits, 0)
                 .I16(LogSetupFields::kLnStartLevel, 20)
                 .Floats(LogSetupFields::kLnPercentiles, {10, 50, 90, 0, 0, 0}))
        .Add(OutputRecordBuilder(2)
                 .U32(LogIntervalFields::kTime, 0)
                 .F32(LogIntervalFields::kDuration, 3725.9f)
                 .F32(LogIntervalFields::kLeq, 61.04f)
                 .U32(LogIntervalFields::kRecordNumber, 1)
                 .I16(LogIntervalFields::kPeak1Exceedances, 3)
                 .U16(LogIntervalFields::kSplExceedances, 2)
                 .F32(LogIntervalFields::kWindAverage, 1.5f)
                 .F32(LogIntervalFields::kWindMax, 4.0f)
                 .I16(LogIntervalFields::kMaxWindDirection, 64)
                 .Floats(LogIntervalFields::kLnLevels, {70, 60, 50, 0, 0, 0})
                 .U8(LogIntervalFields::kHistogram, 1)
                 .BeCount(LogIntervalFields::kHistogram + 1 + 3 * 30, 3, 64));
    Select("1 Intervals");
    ASSERT_EQ(report->GetReportType(), 7);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "Interval Records: 1");
    EXPECT_EQ(lines[15], "Exch. Rate | Threshold | Intv Period | Sync Hours/Minutes | Save Ln | Auto Stop");
    EXPECT_EQ(lines[16], "4 dB | 70 | 01:00:00 | Yes | Yes | No");
    EXPECT_EQ(lines[18], "Rec # | Date | Time | Duration | Excd SPL | Excd Peak-1 | Excd Peak-2");
    EXPECT_EQ(lines[19], "1 | 01-Jan-1970 | 00:00:00 | 01:02:05 | 2 | 3 | 0");
    EXPECT_EQ(lines[20], "Leq | SEL | Min | Max | Peak-1 | Peak-2 | Overloads");
    EXPECT_EQ(lines[21].substr(0, 12), "61.0 dBA | 0");
    EXPECT_NE(lines[21].find("0.0 dBC"), std::string::npos) << "Peak-1 with its own weighting";
    EXPECT_EQ(lines[22], "Wind Avg.: | 3.0 m/s | Wind Max.: | 8.0 m/s | Max Wind Dir: |   E");
    EXPECT_EQ(lines[23], "L10.00 | L50.00 | L90.00 | L0.00 | L0.00 | L0.00");
    EXPECT_EQ(lines[24], "70.0 dBA | 60.0 dBA | 50.0 dBA | 0.0 dBA | 0.0 dBA | 0.0 dBA");
    EXPECT_EQ(lines[25], "Ln Table Histogram");
    EXPECT_EQ(lines[26], "Level |    Count | Percent | Duration");
    EXPECT_EQ(lines[27], "< 45.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[28], "  45.0 |       64 | 100.00% | 00:00:02.0");
    EXPECT_EQ(lines[29], "  55.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[33], "  95.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[34], "> 95.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[35], "");
    EXPECT_EQ(report->GetLineCount(), 20 + 8 + 10);
}

TEST_F(ReportRecords, LnTableWithoutSavedLnLevelsFollowsTheValuesAndEndsWithItsTopRow)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kIntervalFlags, 0x20)
                 .U16(LogSetupFields::kOptionFlags, 0x40)
                 .F32(LogSetupFields::kWindScale, 2.0f)
                 .Text(LogSetupFields::kWindUnits, "m/s"))
        .Add(OutputRecordBuilder(2)
                 .U32(LogIntervalFields::kRecordNumber, 1)
                 .F32(LogIntervalFields::kLeq, 61.0f)
                 .U8(LogIntervalFields::kHistogram, 1)
                 .BeCount(LogIntervalFields::kHistogram + 1 + 3 * 30, 3, 64));
    Select("1 Intervals");
    ASSERT_EQ(report->GetLineCount(), 20 + 6 + 10);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[22].substr(0, 10), "Wind Avg.:");
    EXPECT_EQ(lines[23], "Ln Table Histogram");
    EXPECT_EQ(lines[24], "Level |    Count | Percent | Duration");
    EXPECT_EQ(lines[25].substr(0, 9), "< 45.0 | ");
    EXPECT_EQ(lines[32], "> 95.0 |        0 |  0.00% | 00:00:00.0");
    EXPECT_EQ(lines[33], "");
}

TEST_F(ReportRecords, DailyHistoryWithWind)
{
    OutputRecordBuilder day(3);
    day.U32(DailyFields::kStartTime, 0)
        .F32(DailyFields::kCnel, 55.0f)
        .U16(DailyFields::kFlags, 0x08)
        .F32(DailyFields::kLeq, 60.0f)
        .F32(DailyFields::kDuration, 86400.0f)
        .U32(DailyFields::kRecordNumber, 1)
        .F32(DailyFields::kUwPeak, 120.0f)
        .F32(DailyFields::kWindAverage, 2.0f)
        .F32(DailyFields::kWindMax, 5.0f)
        .I16(DailyFields::kMaxWindDirection, 0)
        .U32(DailyFields::kMaxWindTime, 3600)
        .I16(DailyFields::kWindAbove, 12)
        .I16(DailyFields::kWindExceedances, 3)
        .I16(DailyFields::kWindDirections, 40);
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kFreqWeighting, 0)
                 .U16(LogSetupFields::kPeak1Weighting, 2)
                 .F32(LogSetupFields::kWindScale, 0.5f)
                 .Text(LogSetupFields::kWindUnits, "kn")
                 .I16(LogSetupFields::kWindThreshold, 20)
                 .I16(LogSetupFields::kWindExceedanceLevel, 40))
        .Add(day);
    Select("1 Days");
    ASSERT_EQ(report->GetReportType(), 16);
    const auto lines = ScreenLines();
    EXPECT_EQ(report->GetLineCount(), 15 + 8);
    EXPECT_EQ(lines[14], "Rec # | Date | Time | Duration | Leq | Ldn | CNEL | Peak | UwPeak | Lmax | Lmin");
    EXPECT_EQ(lines[15].substr(0, 60), "1 | 01-Jan-1970 | 00:00:00 | 24:00:00.0 | 60.0 dBA | 0.0 dBA");
    EXPECT_NE(lines[15].find("120.0 dBF"), std::string::npos);
    EXPECT_EQ(lines[16], "Wind Average: | 1.0 kn | Wind Max: | 2.5 kn");
    EXPECT_EQ(lines[17], "Max Wind Dir.: |   N | Time at Wind Max: | 01/01/70 01:00:00");
    EXPECT_EQ(lines[18], "Wind Threshold: | 10.0 kn | Exceed Threshold: |  12%");
    EXPECT_EQ(lines[19], "Wind Excd. level: | 20.0 kn | Wind Exceedances: | 3");
    EXPECT_EQ(lines[20], "Wind Direction Percents: |   N |  NE |   E |  SE |   S |  SW |   W |  NW");
    EXPECT_EQ(lines[21], "40% | 0% | 0% | 0% | 0% | 0% | 0% | 0%");
    EXPECT_EQ(lines[22], "");
}

TEST_F(ReportRecords, SystemSettingsLines)
{
    translation
        .Add(SystemRecord()
                 .U8(SystemFields::kFlags, 0x02 | 0x80)
                 .U8(SystemFields::kLogicOutput, 3)
                 .U16(SystemFields::kLogicOutputTime, 10)
                 .U8(SystemFields::kLogicInputMode, 2)
                 .U8(SystemFields::kDialOutFlags, 3)
                 .Text(SystemFields::kTelephone, "555 0100                      ")
                 .I16(SystemFields::kMonitorNumber, 4)
                 .I16(SystemFields::kPowerOffMode, 1)
                 .U16(SystemFields::kAutoOffTime, 15)
                 .U16(SystemFields::kBacklightOffTime, 30)
                 .U16(SystemFields::kLcdContrast, 60)
                 .F32(SystemFields::kCalibratorLevel, 114.0f)
                 .Text(SystemFields::kCalibratorSerial, "CAL123")
                 .I16(SystemFields::kTransducer, 1)
                 .I16(SystemFields::kAutoCalibration, 5)
                 .Text(SystemFields::kAutoCalibrationTime, "06:30")
                 .F32(SystemFields::kEuScale, 0.0f)
                 .Text(SystemFields::kEuLabel, "    "))
        .Add(OutputRecordBuilder(50).F32(CalibrationFields::kNoiseFloor, 18.5f));
    Select("1 .Sys Settings");
    ASSERT_EQ(report->GetReportType(), 2);
    const auto lines = ScreenLines();
    const std::vector<std::pair<int, std::string>> expected = {
        {14, "Calibration"},
        {15, "Calibrator S/N: | CAL123"},
        {16, "Level: | 114.0 dB"},
        {17, "Auto. Calibration: | No"},
        {18, "Calibrate Time: | 06:30"},
        {19, ""},
        {20, "Transducer: | Electret"},
        {21, "Noise Floor: |  18.5 dB"},
        {22, "Rand. Inc Correction: | Disabled"},
        {24, "Linear Eng. Units: | Disabled"},
        {27, "Power Off Mode: | Auto Off | Auto Off Time: | 15 minutes"},
        {28, "Backlight: | On | Backlight Off Time: | 30 seconds"},
        {32, "Logic Input Mode: | Toggle"},
        {33, "Logic Output: | On | Output Logic Enabled For: | RMS | Peak"},
        {34, "Logic Output Time: | 10 seconds"},
        {37, "Modem control: | Enabled"},
        {38, "Dial out mode: | Exceedance, Alarm"},
        {39, "Telephone Number: | 555 0100"},
        {41, "Modem Init String: | <none>"},
        {42, ""},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;
}
