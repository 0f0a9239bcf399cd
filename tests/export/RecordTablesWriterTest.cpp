// The run/stop log, the logging intervals and the two time histories.
#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "TableWriterFixtures.h"

using namespace tablefixture;

namespace {

RSMgr RunStops()
{
    RSMgr log;
    log.Add(RunStopRec({1, kStart, 1, 64, 0, 10}));        // Run by key
    log.Add(RunStopRec({2, kStart + 60, 1, 32, 12, 11}));  // mark 2
    log.Add(RunStopRec({3, kStart + 120, 2, 0, 10, 12}));  // Stop by wind
    log.Add(RunStopRec({4, kStart + 180, 3, 64, 14, 13})); // a Run with the cause of mark 4
    log.Add(RunStopRec({5, kStart + 240, 4, 48, 17, 14})); // codes without a text
    log.Add(RunStopRec({6, kStart + 300, 4, 32, 0, 15}));  // mark 0
    return log;
}

const std::vector<std::string> kMarks = {"Door", "Truck", "Dog", "Plane", "Rain"};

std::string RunStopLog(ExportFormat format, const RSMgr& log, const RecordView& parameters)
{
    return Written([&](std::ostream& out) { ReportWriter().WriteRunStopLog(out, format, log, parameters); });
}

}  // namespace

TEST(RunStopLogWriter, TextLayout)
{
    const auto parameters = Parameters(kMarks);
    EXPECT_EQ(RunStopLog(kTextFormat, RunStops(), View(parameters)),
              "Rec #       Date        Time        R/S Num     Type        Cause       Time Hist Num \n"
              "1           09-Jun-2003 14:05:09    1           Run         Key         10          \n"
              "2           09-Jun-2003 14:06:09                Mark2       Truck       11          \n"
              "3           09-Jun-2003 14:07:09    2           Stop        Wind        12          \n"
              "4           09-Jun-2003 14:08:09    3           Run         Plane       13          \n"
              "5           09-Jun-2003 14:09:09    4                                   14          \n"
              "6           09-Jun-2003 14:10:09                Mark0       Key         15          \n");
}

TEST(RunStopLogWriter, CsvLayout)
{
    const auto parameters = Parameters(kMarks);
    EXPECT_EQ(RunStopLog(kCsvFormat, RunStops(), View(parameters)),
              "\"Rec #\",\"Date\",\"Time\",\"R/S Num\",\"Type\",\"Cause\",\"Time Hist Num\",\n"
              "\"1\",\"09-Jun-2003\",\"14:05:09\",\"1\",\"Run\",\"Key\",\"10\",\n"
              "\"2\",\"09-Jun-2003\",\"14:06:09\",\" \",\"Mark2\",\"Truck\",\"11\",\n"
              "\"3\",\"09-Jun-2003\",\"14:07:09\",\"2\",\"Stop\",\"Wind\",\"12\",\n"
              "\"4\",\"09-Jun-2003\",\"14:08:09\",\"3\",\"Run\",\"Plane\",\"13\",\n"
              "\"5\",\"09-Jun-2003\",\"14:09:09\",\"4\",\"\",\"\",\"14\",\n"
              "\"6\",\"09-Jun-2003\",\"14:10:09\",\" \",\"Mark0\",\"Key\",\"15\",\n");
}

TEST(RunStopLogWriter, NothingWithoutEntriesAndNoNamesWithoutParameters)
{
    EXPECT_EQ(RunStopLog(kTextFormat, RSMgr(), RecordView()), "");
    const std::string csv = RunStopLog(kCsvFormat, RunStops(), RecordView());
    EXPECT_EQ(Lines(csv, 2, 2), "\"2\",\"09-Jun-2003\",\"14:06:09\",\" \",\"Mark2\",\"\",\"11\",\n");
}

namespace {

// A LOG setup with Ln percentiles 10, 50, 90, 1, 5, 99, wind in m/s at half
// the raw reading, directions in degrees.
OutputRecordBuilder LogSetup()
{
    OutputRecordBuilder setup(53);
    setup.Floats(LogSetupFields::kLnPercentiles, {10, 50, 90, 1, 5, 99}).F32(LogSetupFields::kWindScale, 0.5f)
        .Text(LogSetupFields::kWindUnits, "m/s").U8(LogSetupFields::kDirectionUnits, 1);
    return setup;
}

struct Interval {
    uint32_t record;
    uint32_t time;
    float duration;
    float leq;
    float windAverage;
    int windDirection;
};

// An interval with SEL, Min, Max and peaks 10, -10, +5, +20 and +25 dB from
// its Leq, 3 overloads, six Ln levels from 70 dB down in 5 dB steps and
// histogram bins: 32 samples at 35 dB and 64 at 45 dB (base level 15).
std::unique_ptr<IntvRec> IntervalRec(const Interval& v, const RecordView& setup)
{
    OutputRecordBuilder b(2);
    b.U32(LogIntervalFields::kRecordNumber, v.record).U32(LogIntervalFields::kTime, v.time)
        .F32(LogIntervalFields::kDuration, v.duration).F32(LogIntervalFields::kLeq, v.leq)
        .F32(LogIntervalFields::kSel, v.leq + 10);
    b.F32(LogIntervalFields::kMin, v.leq - 10).F32(LogIntervalFields::kMax, v.leq + 5)
        .F32(LogIntervalFields::kPeak1, v.leq + 20).F32(LogIntervalFields::kPeak2, v.leq + 25)
        .U16(LogIntervalFields::kOverloads, 3);
    b.FloatRamp(LogIntervalFields::kLnLevels, 6, 70.0f, -5.0f).F32(LogIntervalFields::kWindAverage, v.windAverage)
        .I16(LogIntervalFields::kMaxWindDirection, v.windDirection).F32(LogIntervalFields::kWindMax, 2 * v.windAverage);
    b.U8(LogIntervalFields::kHistogram, 1).BeCount(LogIntervalFields::kHistogram + 1 + 3 * 20, 3, 32)
        .BeCount(LogIntervalFields::kHistogram + 1 + 3 * 30, 3, 64);
    return std::make_unique<IntvRec>(View(b), true, setup);
}

IntvMgr Intervals(const RecordView& setup, bool wind, bool lnTable)
{
    IntvMgr intervals;
    intervals.Add(IntervalRec({1, kStart, 725.9f, 65.25f, 10.0f, 120}, setup));
    intervals.Add(IntervalRec({2, kStart + 900, 90000.0f, 999.0f, 3.0f, 0}, setup));
    intervals.windLine = wind;
    intervals.histogram = lnTable;
    return intervals;
}

std::string LogIntervals(ExportFormat format, const IntvMgr& intervals, const RecordView& setup)
{
    return Written([&](std::ostream& out) { ReportWriter().WriteLogIntervals(out, format, intervals, setup); });
}

}  // namespace

TEST(LogIntervalWriter, TextLayoutWithWindAndLnTables)
{
    ScopedProfile profile;
    profile.Set("LnTblLowLimit", 40).Set("LnTblHighLimit", 50);
    const auto setup = LogSetup();
    const std::string lnTable =
        "Ln Table Histogram\n"
        " Level       Count   Percent    Duration\n"
        "< 40.0          32    33.33%  00:00:01.0\n"
        "  40.0          64    66.67%  00:00:02.0\n"
        "  50.0           0     0.00%  00:00:00.0\n"
        "> 50.0           0     0.00%  00:00:00.0\n"
        "\n";
    EXPECT_EQ(LogIntervals(kTextFormat, Intervals(View(setup), true, true), View(setup)),
              "Rec #       Date        Time        Duration     Leq   SEL   Min   MaxPeak-1Peak-2  Overld"
              "Wnd Avg(m/s)Wnd Max(m/s)Max Wind Dir  L10.00  L50.00  L90.00   L1.00   L5.00  L99.00\n"
              "1           09-Jun-2003 14:05:09    00:12:05    65.3  75.3  55.3  70.3  85.3  90.3       3"
              "         5.0        10.0        168\xC2\xB0    70.0    65.0    60.0    55.0    50.0    45.0\n" +
                  lnTable +
                  // The degree sign is one character of its column; wide levels
                  // push the rest of the line to the right.
                  "2           09-Jun-2003 14:20:09    25:00:00    --- 1009.0 989.01004.01019.01024.0       3"
                  "         1.5         3.0        000\xC2\xB0    70.0    65.0    60.0    55.0    50.0    45.0\n" +
                  lnTable);
}

TEST(LogIntervalWriter, CsvLayout)
{
    ScopedProfile profile;
    const auto setup = LogSetup();
    EXPECT_EQ(LogIntervals(kCsvFormat, Intervals(View(setup), true, false), View(setup)),
              "\"Rec #\",\"Date\",\"Time\",\"Duration\",\"Leq\",\"SEL\",\"Min\",\"Max\",\"Peak-1\",\"Peak-2\","
              "\"Overld\",\"Wnd Avg(m/s)\",\"Wnd Max(m/s)\",\"Max Wind Dir\",\"L10.00\",\"L50.00\",\"L90.00\","
              "\"L1.00\",\"L5.00\",\"L99.00\",\n"
              "\"1\",\"09-Jun-2003\",\"14:05:09\",\"00:12:05\",\"65.3\",\"75.3\",\"55.3\",\"70.3\",\"85.3\","
              "\"90.3\",\"3\",\"5.0\",\"10.0\",\"168\xC2\xB0\",\"70.0\",\"65.0\",\"60.0\",\"55.0\",\"50.0\",\"45.0\",\n"
              "\"2\",\"09-Jun-2003\",\"14:20:09\",\"25:00:00\",\" --- \",\"1009.0\",\"989.0\",\"1004.0\","
              "\"1019.0\",\"1024.0\",\"3\",\"1.5\",\"3.0\",\"000\xC2\xB0\",\"70.0\",\"65.0\",\"60.0\",\"55.0\",\"50.0\","
              "\"45.0\",\n");
}

TEST(LogIntervalWriter, WithoutSetupWindOrRecords)
{
    ScopedProfile profile;
    // No setup record: no Ln percentiles and no wind cells, the headings
    // stay.
    const std::string text = LogIntervals(kTextFormat, Intervals(RecordView(), true, false), RecordView());
    EXPECT_EQ(Lines(text, 0, 1),
              "Rec #       Date        Time        Duration     Leq   SEL   Min   MaxPeak-1Peak-2  Overld"
              "   Wnd Avg()   Wnd Max()Max Wind Dir   L0.00   L0.00   L0.00   L0.00   L0.00   L0.00\n"
              "1           09-Jun-2003 14:05:09    00:12:05    65.3  75.3  55.3  70.3  85.3  90.3       3"
              "    70.0    65.0    60.0    55.0    50.0    45.0\n");
    const auto setup = LogSetup();
    EXPECT_EQ(Lines(LogIntervals(kCsvFormat, Intervals(View(setup), false, false), View(setup)), 0, 0),
              "\"Rec #\",\"Date\",\"Time\",\"Duration\",\"Leq\",\"SEL\",\"Min\",\"Max\",\"Peak-1\",\"Peak-2\","
              "\"Overld\",\"L10.00\",\"L50.00\",\"L90.00\",\"L1.00\",\"L5.00\",\"L99.00\",\n");
    EXPECT_EQ(LogIntervals(kTextFormat, IntvMgr(), View(setup)), "");
}

namespace {

// Time-history column flags: A first byte TWA and MaxSlow, A second byte
// LivFast, LAFTM5, wind speed and direction, C second byte battery and
// temperature, F first byte MinImpl.
struct ThFlags {
    int a1 = 0x80 | 0x20, a2 = 0x40 | 0x04 | 0x02 | 0x01, c1 = 0, c2 = 0x04 | 0x01, f1 = 0x01, f2 = 0;
};

OutputRecordBuilder LogThSetup(int otherLevel, const ThFlags& f)
{
    OutputRecordBuilder setup(53);
    setup.U16(LogSetupFields::kOtherLevel, otherLevel).U16(LogSetupFields::kThFlags.a1, f.a1)
        .U16(LogSetupFields::kThFlags.a2, f.a2).U16(LogSetupFields::kThFlags.c1, f.c1)
        .U16(LogSetupFields::kThFlags.c2, f.c2).U16(LogSetupFields::kThFlags.f1, f.f1);
    setup.U16(LogSetupFields::kThFlags.f2, f.f2).F32(LogSetupFields::kWindScale, 0.5f)
        .Text(LogSetupFields::kWindUnits, "m/s").U8(LogSetupFields::kDirectionUnits, 1);
    return setup;
}

// A level sample with every column of ThFlags filled, a mark, and a sample
// without a Leq.
ThMgr History()
{
    ThMgr history;
    history.Add(ThSample(1, kStart)
                    .Levels(65.25f, 999.0f)
                    .Detector(0, 7, 66.0f)   // A-TWA
                    .Detector(0, 5, 70.0f)   // A-MaxSlow
                    .Second(0, 6, 64.0f)     // A-LivFast
                    .Second(0, 2, 68.5f)     // LAFTM5
                    .Second(0, 1, 10.0f)     // wind speed reading
                    .Second(0, 0, 120.0f)    // wind direction reading
                    .Second(1, 2, 6.5f)      // battery
                    .Second(1, 0, 999.0f)    // temperature
                    .Detector(2, 0, 40.0f)   // F-MinImpl
                    .LeqBands(60.0f, 0.0f)
                    .LeqBand(3, 999.0f)
                    .Rec());
    history.Add(ThSample(2, kStart + 1).RunStopEntry(2, 12).Rec());
    history.Add(ThSample(3, kStart + 2).Levels(999.0f, 70.0f).RunStopEntry(0, 10).Rec());
    history.Add(ThSample(4, kStart + 3).Levels(999.0f, 70.0f).Rec());
    return history;
}

std::string LogTh(ExportFormat format, const ThMgr& history, const RecordView& setup, const RecordView& parameters)
{
    return Written(
        [&](std::ostream& out) { ReportWriter().WriteLogTimeHistory(out, format, history, setup, parameters); });
}

}  // namespace

TEST(LogTimeHistoryWriter, AdvancedColumnsInBothLayouts)
{
    const auto setup = LogThSetup(4, {});
    const auto parameters = Parameters(kMarks);
    EXPECT_EQ(LogTh(kTextFormat, History(), View(setup), View(parameters)),
              // "Battery" is not padded; the Leq of the text layout goes through the
              // stream, so no value shows as 999.0.
              "Rec #    Date        Time           Leq     A-TWA A-MaxSlow A-LivFast F-MinImpl    LAFTM5"
              "  Wnd Spd(m/s) Wind Dir.Battery      Temp\n"
              "1        09-Jun-2003 14:05:09      65.3      66.0      70.0      64.0      40.0      68.5"
              "       5.0      168\xC2\xB0       6.5      --- \n"
              "2        09-Jun-2003 14:05:10    Mark2:Truck\n"
              "3        09-Jun-2003 14:05:11    Stop:Wind\n"
              "4        09-Jun-2003 14:05:12     999.0       0.0       0.0       0.0       0.0       0.0"
              "       0.0      000\xC2\xB0       0.0       0.0\n");
    EXPECT_EQ(LogTh(kCsvFormat, History(), View(setup), View(parameters)),
              "\"Rec #\",\"Date\",\"Time\",\"Leq\",\"A-TWA\",\"A-MaxSlow\",\"A-LivFast\",\"F-MinImpl\","
              "\"LAFTM5\",\"Wnd Spd(m/s)\",\"Wind Dir.\",\"Battery\",\"Temp\",\n"
              "\"1\",\"09-Jun-2003\",\"14:05:09\",\"65.3\",\"66.0\",\"70.0\",\"64.0\",\"40.0\",\"68.5\","
              "\"5.0\",\"168\xC2\xB0\",\"6.5\",\" --- \",\n"
              "\"2\",\"09-Jun-2003\",\"14:05:10\",\"Mark2:Truck\",\n"
              "\"3\",\"09-Jun-2003\",\"14:05:11\",\"Stop:Wind\",\n"
              "\"4\",\"09-Jun-2003\",\"14:05:12\",\" --- \",\"0.0\",\"0.0\",\"0.0\",\"0.0\",\"0.0\","
              "\"0.0\",\"000\xC2\xB0\",\"0.0\",\"0.0\",\n");
}

TEST(LogTimeHistoryWriter, OtherLevelOrNoSetup)
{
    const auto setup = LogThSetup(2, {});
    const std::string text = LogTh(kTextFormat, History(), View(setup), RecordView());
    EXPECT_EQ(Lines(text, 0, 2),
              "Rec #    Date        Time           Leq   Peak-I\n"
              "1        09-Jun-2003 14:05:09      65.3     --- \n"
              "2        09-Jun-2003 14:05:10    Mark2:\n");
    EXPECT_EQ(Lines(LogTh(kCsvFormat, History(), View(setup), RecordView()), 4, 4),
              "\"4\",\"09-Jun-2003\",\"14:05:12\",\" --- \",\"70.0\",\n");
    EXPECT_EQ(Lines(LogTh(kCsvFormat, History(), RecordView(), RecordView()), 0, 1),
              "\"Rec #\",\"Date\",\"Time\",\"Leq\",\n\"1\",\"09-Jun-2003\",\"14:05:09\",\"65.3\",\n");
    EXPECT_EQ(LogTh(kTextFormat, ThMgr(), View(setup), RecordView()), "");
}

TEST(LogTimeHistoryWriter, StreamSamplesLeaveTheColumnsTheyLackEmpty)
{
    // A block of the time-history stream: a pause marker (minus 16 times
    // run-state 1, cause 1), a level with its second level and one without
    // a value; a kind 57 sample comes before it.
    testsupport::OutputRecordBuilder block(16);
    block.U32(ThBlockFields::kTime, kStart + 10).U16(ThBlockFields::kFormatBits, 1 << 8)
        .F32(ThBlockFields::kInterval, 1.0f).U32(ThBlockFields::kCount, 3);
    block.Floats(ThBlockFields::kFirstValues, {-16, 70.5f, 999.0f})
        .Floats(ThBlockFields::kSecondValues, {1, 60.25f, 999.0f});
    RecordManagers m;
    int lines = 0;
    m.timeHistory.Add(ThSample(1, kStart).Levels(65.25f, 50.0f).Detector(0, 7, 66.0f).Rec());
    RecordBuilders::AddTimeHistoryBlock(RecordView(block.Bytes().data(), block.Bytes().size()), 8, lines, m);

    ThFlags twaOnly;
    twaOnly.a1 = 0x80;
    twaOnly.a2 = twaOnly.c2 = twaOnly.f1 = 0;
    const auto advanced = LogThSetup(4, twaOnly);
    EXPECT_EQ(LogTh(kTextFormat, m.timeHistory, View(advanced), RecordView()),
              "Rec #    Date        Time           Leq     A-TWA\n"
              "1        09-Jun-2003 14:05:09      65.3      66.0\n"
              "2        09-Jun-2003 14:05:19    Pause:Timer\n"
              "3        09-Jun-2003 14:05:19      70.5          \n"
              "4        09-Jun-2003 14:05:20     999.0          \n");
    EXPECT_EQ(LogTh(kCsvFormat, m.timeHistory, View(advanced), RecordView()),
              "\"Rec #\",\"Date\",\"Time\",\"Leq\",\"A-TWA\",\n"
              "\"1\",\"09-Jun-2003\",\"14:05:09\",\"65.3\",\"66.0\",\n"
              "\"2\",\"09-Jun-2003\",\"14:05:19\",\"Pause:Timer\",\n"
              "\"3\",\"09-Jun-2003\",\"14:05:19\",\"70.5\",\"\",\n"
              "\"4\",\"09-Jun-2003\",\"14:05:20\",\" --- \",\"\",\n");

    const auto peak = LogThSetup(2, {});
    EXPECT_EQ(Lines(LogTh(kTextFormat, m.timeHistory, View(peak), RecordView()), 3, 4),
              "3        09-Jun-2003 14:05:19      70.5     60.3\n"
              "4        09-Jun-2003 14:05:20     999.0     --- \n");
    // A stream without second levels leaves the other-level column empty.
    block.U16(ThBlockFields::kFormatBits, 0);
    RecordManagers single;
    RecordBuilders::AddTimeHistoryBlock(RecordView(block.Bytes().data(), block.Bytes().size()), 8, lines, single);
    EXPECT_EQ(Lines(LogTh(kCsvFormat, single.timeHistory, View(peak), RecordView()), 2, 2),
              "\"2\",\"09-Jun-2003\",\"14:05:19\",\"70.5\",\"\",\n");
}


namespace {

// An SSA setup: A-TWA and the external input, the first spectrum stored.
OutputRecordBuilder SsaThSetup(int bandwidthFlags, int otherLevel, int f2)
{
    OutputRecordBuilder setup(51);
    setup.U16(SsaSetupFields::kModeFlags, bandwidthFlags).U16(SsaSetupFields::kOtherLevel, otherLevel)
        .U16(SsaSetupFields::kThFlags.a1, 0x80).U16(SsaSetupFields::kThFlags.c2, 0x02)
        .U16(SsaSetupFields::kThFlags.f2, f2);
    return setup;
}

std::string SsaTh(ExportFormat format, const ThMgr& history, const RecordView& setup)
{
    const auto parameters = Parameters(kMarks);
    return Written([&](std::ostream& out) {
        ReportWriter().WriteSsaTimeHistory(out, format, history, setup, View(parameters));
    });
}

std::string Repeat(const std::string& cell, int count)
{
    std::string cells;
    for (int i = 0; i < count; ++i)
        cells += cell;
    return cells;
}

}  // namespace

TEST(SsaTimeHistoryWriter, ThirdOctaveSpectrumInTheTextLayout)
{
    const auto setup = SsaThSetup(0x08, 4, 0x02 | 0x01);
    int width = 0;
    EXPECT_EQ(ReportWriter::CountSsaTimeHistoryColumns(View(setup), &width), 6);
    EXPECT_EQ(width, 59);
    const std::string text = SsaTh(kTextFormat, History(), View(setup));
    // Both spectra chosen: the first is written.
    EXPECT_EQ(Lines(text, 0, 0),
              std::string(63, ' ') + "RTA Leq 1/3 Spectrum" + std::string(308, ' ') + "RTA Leq 1/1 Spectrum\n");
    EXPECT_EQ(Lines(text, 1, 1).substr(0, 89),
              "Rec #    Date        Time           Leq     A-TWA    Extern    12.5Hz   16.0 Hz   20.0 Hz");
    // Band 3 has no value: its octave (bands 3 to 5) has none either; three
    // bands of 60 dB make an octave of 64.8 dB.
    EXPECT_EQ(Lines(text, 2, 2),
              "1        09-Jun-2003 14:05:09      65.3      66.0       0.0" + Repeat("      60.0", 3) + "      --- " +
                  Repeat("      60.0", 29) + "      64.8      --- " + Repeat("      64.8", 9) + "\n");
    EXPECT_EQ(Lines(text, 3, 4), "2        09-Jun-2003 14:05:10    Mark2:Truck\n3        09-Jun-2003 14:05:11    Stop:Wind\n");
}

TEST(SsaTimeHistoryWriter, CsvLayoutAndOctaves)
{
    const auto third = SsaThSetup(0x08, 2, 0x02);
    const std::string csv = SsaTh(kCsvFormat, History(), View(third));
    EXPECT_EQ(Lines(csv, 0, 0), ",,,,,,RTA Leq 1/3 Spectrum" + std::string(33, ',') + "RTA Leq 1/1 Spectrum\n");
    // The advanced columns whatever the other-level code, no other level.
    EXPECT_EQ(Lines(csv, 1, 1).substr(0, 64), "\"Rec #\",\"Date\",\"Time\",\"Leq\",\"A-TWA\",\"Extern\",\"12.5Hz\",\"16.0 Hz\",");
    EXPECT_EQ(Lines(csv, 2, 2).substr(0, 64), "\"1\",\"09-Jun-2003\",\"14:05:09\",\"65.3\",\"66.0\",\"0.0\",\"60.0\",\"60.0\",\"");

    const auto octave = SsaThSetup(0, 0, 0x01);
    const std::string live = SsaTh(kCsvFormat, History(), View(octave));
    EXPECT_EQ(Lines(live, 0, 0), ",,,,,,,,RTA Live 1/1 Spectrum\n");
    EXPECT_EQ(Lines(live, 1, 1),
              "\"Rec #\",\"Date\",\"Time\",\"Leq\",\"A-TWA\",\"Extern\",\"16.0 Hz\",\"31.5 Hz\",\"63.0 Hz\",\"125 Hz\","
              "\"250 Hz\",\"500 Hz\",\"1000 Hz\",\"2000 Hz\",\"4000 Hz\",\"8000 Hz\",\"16000 Hz\",\n");
}

TEST(SsaTimeHistoryWriter, OtherLevelTextAndNothingToWrite)
{
    const auto setup = SsaThSetup(0, 2, 0);
    const std::string text = SsaTh(kTextFormat, History(), View(setup));
    EXPECT_EQ(Lines(text, 0, 1),
              "Rec #    Date        Time           Leq   Peak-I\n"
              "1        09-Jun-2003 14:05:09      65.3     --- \n");
    EXPECT_EQ(SsaTh(kTextFormat, History(), RecordView()), "");
    EXPECT_EQ(SsaTh(kCsvFormat, ThMgr(), View(setup)), "");
    OutputRecordBuilder all(51);
    all.U16(SsaSetupFields::kThFlags.a1, 0xFF).U16(SsaSetupFields::kThFlags.c1, 0xFF)
        .U16(SsaSetupFields::kThFlags.f1, 0xFF).U16(SsaSetupFields::kThFlags.a2, 0xFF)
        .U16(SsaSetupFields::kThFlags.c2, 0xFF).U16(SsaSetupFields::kThFlags.f2, 0xFF);
    int width = 0;
    EXPECT_EQ(ReportWriter::CountSsaTimeHistoryColumns(View(all), &width), 43);
    EXPECT_EQ(width, 429);
}
