// The run/stop log, the logging intervals and the two time histories.
#include <gtest/gtest.h>

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
    setup.Floats(184, {10, 50, 90, 1, 5, 99}).F32(220, 0.5f).Text(224, "m/s").U8(312, 1);
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
    b.U32(132, v.record).U32(4, v.time).F32(48, v.duration).F32(56, v.leq).F32(136, v.leq + 10);
    b.F32(64, v.leq - 10).F32(60, v.leq + 5).F32(140, v.leq + 20).F32(124, v.leq + 25).U16(120, 3);
    b.FloatRamp(68, 6, 70.0f, -5.0f).F32(148, v.windAverage).I16(152, v.windDirection).F32(156, 2 * v.windAverage);
    b.U8(160, 1).BeCount(161 + 3 * 20, 3, 32).BeCount(161 + 3 * 30, 3, 64);
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
              "         5.0        10.0       168\xC2\xB0    70.0    65.0    60.0    55.0    50.0    45.0\n" +
                  lnTable +
                  // The degree sign takes two bytes of its column; wide levels push
                  // the rest of the line to the right.
                  "2           09-Jun-2003 14:20:09    25:00:00    --- 1009.0 989.01004.01019.01024.0       3"
                  "         1.5         3.0       000\xC2\xB0    70.0    65.0    60.0    55.0    50.0    45.0\n" +
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
