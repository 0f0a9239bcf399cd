// The histogram tables, the Ln table under interval rows and the
// statistics behind it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "HistogramStats.h"
#include "TableWriterFixtures.h"

using namespace tablefixture;

namespace {

// A peak histogram from 60 dB with 240 samples at 32 a second: 32 below
// 70 dB, 64 at 70, 16 at 71, 48 at 72 and 80 above 72 (at 80 dB).
void FillPeak(PkHistMgr& peak, int low, int high)
{
    std::array<uint32_t, 128> counts{};
    counts[5] = 32;
    counts[10] = 64;
    counts[11] = 16;
    counts[12] = 48;
    counts[20] = 80;
    for (int i = 0; i < 128; ++i)
        peak.AddBin(HistogramRec(60.0f + i, counts[static_cast<size_t>(i)], counts[static_cast<size_t>(i)] / 2.4f, 0));
    peak.SetBaseLevel(60);
    peak.SetTotalCount(240);
    peak.SetLevelRange(low, high);
}

// An SPL histogram of 1280 bins of 0.1 dB from 0 dB, one sample at 50 dB.
void FillSpl(SplHistMgr& spl)
{
    for (int i = 0; i < SplHistMgr::kBins; ++i)
        spl.AddBin(HistogramRec(0.1f * i, i == 500 ? 1 : 0, i == 500 ? 100.0f : 0.0f, 1));
    spl.SetTotalCount(1);
    spl.SetLevelRange(45, 95);
}

struct Histograms {
    SplHistMgr spl;
    PkHistMgr peak;
    PkHistMgr uwPeak;
    std::string Write(ExportFormat format)
    {
        return Written([&](std::ostream& out) { ReportWriter().WriteHistograms(out, format, spl, peak, uwPeak); });
    }
};

size_t LineCount(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

std::array<uint32_t, 128> LnBins()
{
    std::array<uint32_t, 128> bins{};
    bins[20] = 32;  // 35 dB, below the 45 dB low limit
    bins[30] = 64;  // 45 dB
    bins[89] = 32;  // 104 dB: still in the 95 dB row
    bins[90] = 16;  // 105 dB: above
    return bins;
}

std::string LnTable(ExportFormat format, int rowCount, int countsPerSecond)
{
    const auto bins = LnBins();
    return Written([&](std::ostream& out) {
        out << std::fixed;  // as the interval heading leaves it
        ReportWriter().WriteLnTableHistogram(out, format, rowCount, bins.data(), 15, countsPerSecond);
    });
}

}  // namespace

TEST(HistogramTablesWriter, OnlyThePeakHistogramInBothLayouts)
{
    ScopedProfile profile;
    Histograms h;
    FillPeak(h.peak, 70, 72);
    EXPECT_EQ(h.Write(kTextFormat),
              "\n"
              "Peak Histogram\n"
              " Level       Count   Percent    Duration\n"
              "< 70.0          32    13.33%  00:00:01.0\n"
              "  70.0          64    26.67%  00:00:02.0\n"
              "  71.0          16     6.67%  00:00:00.5\n"
              "  72.0          48    20.00%  00:00:01.5\n"
              "> 72.0          80    33.33%  00:00:02.5\n");
    EXPECT_EQ(h.Write(kCsvFormat),
              "\n"
              "\"Peak Histogram\",\n"
              "\"Level\",\"Count\",\"Percent\",\"Duration\",\n"
              "\"<70.0\",\"32\",\"13.33%\",\"00:00:01.0\",\n"
              "\"70.0\",\"64\",\"26.67%\",\"00:00:02.0\",\n"
              "\"71.0\",\"16\",\"6.67%\",\"00:00:00.5\",\n"
              "\"72.0\",\"48\",\"20.00%\",\"00:00:01.5\",\n"
              "\">72.0\",\"80\",\"33.33%\",\"00:00:02.5\",\n");
}

TEST(HistogramTablesWriter, SplStepsFromTheProfileAndAllThreeSections)
{
    ScopedProfile profile;
    Histograms h;
    FillSpl(h.spl);
    FillPeak(h.peak, 100, 101);
    FillPeak(h.uwPeak, 70, 72);
    // No profile values: 1 dB steps, 51 range rows.
    std::string text = h.Write(kTextFormat);
    EXPECT_EQ(Lines(text, 0, 3), "SPL Histogram\n Level       Count   Percent    Duration\n< 45.0           0     0.00%"
                                 "  00:00:00.0\n  45.0           0     0.00%  00:00:00.0\n");
    EXPECT_EQ(Lines(text, 53, 61),
              "  95.0           0     0.00%  00:00:00.0\n"
              "> 95.0           0     0.00%  00:00:00.0\n"
              "\n"
              "Peak Histogram\n"
              " Level       Count   Percent    Duration\n"
              "<100.0         240   100.00%  00:00:07.5\n"
              " 100.0           0     0.00%  00:00:00.0\n"
              " 101.0           0     0.00%  00:00:00.0\n"
              ">101.0           0     0.00%  00:00:00.0\n");
    EXPECT_EQ(Lines(text, 62, 64), "\nUnweighted Peak Histogram\n Level       Count   Percent    Duration\n");
    EXPECT_EQ(Lines(h.Write(kCsvFormat), 55, 57),
              "\n\"Peak Histogram\",\n\"Level\",\"Count\",\"Percent\",\"Duration\",\n");

    const struct {
        int splRes;
        size_t rangeRows;
        const char* lastRange;
    } steps[] = {{5, 101, "  95.0"}, {1, 501, "  95.0"}, {20, 26, "  95.0"}};
    for (const auto& step : steps) {
        profile.Set("SPLRes", step.splRes);
        PkHistMgr none;
        const std::string spl =
            Written([&](std::ostream& out) { ReportWriter().WriteHistograms(out, kTextFormat, h.spl, none, none); });
        EXPECT_EQ(LineCount(spl), step.rangeRows + 4) << step.splRes;
        EXPECT_EQ(Lines(spl, step.rangeRows + 2, step.rangeRows + 2).substr(0, 6), step.lastRange) << step.splRes;
        EXPECT_FLOAT_EQ(h.spl.GetResolution(), step.splRes / 10.0f);
    }
}

TEST(HistogramTablesWriter, NothingToWriteButTheResolutionsAreSet)
{
    ScopedProfile profile;
    profile.Set("SPLRes", 50).Set("PeakRes", 2).Set("UwPkRes", 5);
    Histograms h;
    EXPECT_EQ(h.Write(kTextFormat), "");
    FillPeak(h.peak, 70, 72);
    ExportStream failed;
    failed.setstate(std::ios::failbit);
    ReportWriter().WriteHistograms(failed, kCsvFormat, h.spl, h.peak, h.uwPeak);
    EXPECT_EQ(writertest::Plain(failed), "");
    EXPECT_FLOAT_EQ(h.spl.GetResolution(), 5.0f);
    EXPECT_FLOAT_EQ(h.peak.GetResolution(), 2.0f);
    EXPECT_FLOAT_EQ(h.uwPeak.GetResolution(), 5.0f);
}

TEST(LnTableHistogramWriter, DefaultLimitsInBothLayouts)
{
    ScopedProfile profile;
    EXPECT_EQ(LnTable(kTextFormat, 10, 32),
              "Ln Table Histogram\n"
              " Level       Count   Percent    Duration\n"
              "< 45.0          32    22.22%  00:00:01.0\n"
              "  45.0          64    44.44%  00:00:02.0\n"
              "  55.0           0     0.00%  00:00:00.0\n"
              "  65.0           0     0.00%  00:00:00.0\n"
              "  75.0           0     0.00%  00:00:00.0\n"
              "  85.0           0     0.00%  00:00:00.0\n"
              "  95.0          32    22.22%  00:00:01.0\n"
              "> 95.0          16    11.11%  00:00:00.5\n");
    EXPECT_EQ(LnTable(kCsvFormat, 10, 8),
              "\"Ln Table Histogram\",\n"
              "\"Level\",\"Count\",\"Percent\",\"Duration\",\n"
              "\"<45.0\",\"32\",\"22.22%\",\"00:00:04.0\",\n"
              "\"45.0\",\"64\",\"44.44%\",\"00:00:08.0\",\n"
              "\"55.0\",\"0\",\"0.00%\",\"00:00:00.0\",\n"
              "\"65.0\",\"0\",\"0.00%\",\"00:00:00.0\",\n"
              "\"75.0\",\"0\",\"0.00%\",\"00:00:00.0\",\n"
              "\"85.0\",\"0\",\"0.00%\",\"00:00:00.0\",\n"
              "\"95.0\",\"32\",\"22.22%\",\"00:00:04.0\",\n"
              "\">95.0\",\"16\",\"11.11%\",\"00:00:02.0\",\n");
}

TEST(LnTableHistogramWriter, ShortRowCounts)
{
    ScopedProfile profile;
    const std::string head = "Ln Table Histogram\n Level       Count   Percent    Duration\n";
    EXPECT_EQ(LnTable(kTextFormat, 0, 32), "");
    EXPECT_EQ(LnTable(kTextFormat, -3, 32), "");
    EXPECT_EQ(LnTable(kTextFormat, 2, 32), head);
    EXPECT_EQ(LnTable(kTextFormat, 3, 32), head + "< 45.0          32    22.22%  00:00:01.0\n");
    EXPECT_EQ(LnTable(kTextFormat, 4, 32),
              head + "< 45.0          32    22.22%  00:00:01.0\n> 95.0          16    11.11%  00:00:00.5\n");
}

// The interval and day reports count the Ln-table lines from the profile
// before any table is written, and the statistics correct the profile when
// they are built: counted before or after, the lines are the table's rows,
// and its range rows end at the high limit.
TEST(LnTableHistogramWriter, TheCountedLinesAreTheRowsOfTheTable)
{
    struct Case {
        int low, high, resolution, baseLevel;
    };
    const Case cases[] = {
        {45, 95, 10, 15},  {45, 98, 10, 15}, {40, 50, 3, 20},   // within the histogram
        {10, 500, 10, 20}, {45, 200, 7, 20}, {45, 200, 10, 20}, // limits outside it
        {10, 60, 4, 20},   {45, 95, 0, 15},  {30, 150, 25, 10}, // resolutions outside 1 to 10
    };
    const auto bins = LnBins();
    for (const Case& c : cases) {
        ScopedProfile profile;
        profile.Set("LnTblLowLimit", c.low).Set("LnTblHighLimit", c.high).Set("LnTblRes", c.resolution);
        const int counted = LnTableRowCount(true, c.baseLevel);
        const std::string table = Written([&](std::ostream& out) {
            ReportWriter().WriteLnTableHistogram(out, kTextFormat, counted, bins.data(), c.baseLevel, 32);
        });
        EXPECT_EQ(LineCount(table), static_cast<size_t>(counted)) << c.low << " " << c.high << " " << c.resolution;
        EXPECT_EQ(LnTableRowCount(true, c.baseLevel), counted) << c.low << " " << c.high << " " << c.resolution;

        const HistogramStats stats(bins.data(), c.baseLevel, 32);
        EXPECT_EQ(stats.GetTableRowCount(), counted);
        float lastRange = 0, above = 0, unused = 0;
        int count = 0;
        stats.GetRangeRow(counted - 5, &lastRange, &count, &unused, &unused);
        stats.GetAboveRow(&above, &count, &unused, &unused);
        EXPECT_LE(lastRange, above) << c.low << " " << c.high << " " << c.resolution;
        EXPECT_LT(above, lastRange + static_cast<float>(stats.GetResolution()))
            << c.low << " " << c.high << " " << c.resolution;
    }
}

TEST(HistogramStats, LimitsOutsideTheHistogramAreCorrectedInTheProfile)
{
    ScopedProfile profile;
    std::array<uint32_t, 128> bins{};
    bins[127] = 5;
    profile.Set("LnTblLowLimit", 10).Set("LnTblHighLimit", 500);
    HistogramStats low(bins.data(), 20, 32);
    EXPECT_EQ(low.GetLowIndex(), 0);
    EXPECT_EQ(profile.Get("LnTblLowLimit"), 20);
    EXPECT_EQ(low.GetHighIndex(), 128 - 128 % 10);
    EXPECT_EQ(profile.Get("LnTblHighLimit"), 140);

    profile.Set("LnTblLowLimit", 45).Set("LnTblHighLimit", 200);
    HistogramStats high(bins.data(), 20, 32);
    EXPECT_EQ(high.GetHighIndex(), 125);
    EXPECT_EQ(profile.Get("LnTblHighLimit"), 145);
    // The last range row reaches the top bin: nothing is left above it, and
    // the row still stands at the high limit.
    float level = -1, percent = -1, time = -1;
    int count = -1;
    high.GetAboveRow(&level, &count, &percent, &time);
    EXPECT_EQ(count, 0);
    EXPECT_FLOAT_EQ(level, 145.0f);
    EXPECT_FLOAT_EQ(percent, 0.0f);
    EXPECT_FLOAT_EQ(time, 0.0f);

    for (auto [stored, used] : {std::pair{0, 1}, {15, 10}, {5, 5}}) {
        profile.Set("LnTblRes", stored);
        EXPECT_EQ(HistogramStats(bins.data(), 20, 32).GetResolution(), used);
    }
}

TEST(HistogramStats, RowsOfAnEmptyHistogramAndNoSampleRate)
{
    ScopedProfile profile;
    std::array<uint32_t, 128> bins{};
    const HistogramStats empty(bins.data(), 15, 32);
    float level = 1, percent = 1, time = 1;
    int count = 1;
    empty.GetRangeRow(2, &level, &count, &percent, &time);
    EXPECT_EQ(count, 0);
    EXPECT_FLOAT_EQ(level, 65.0f);
    EXPECT_FLOAT_EQ(percent, 0.0f);
    EXPECT_FLOAT_EQ(time, 0.0f);

    bins[40] = 10;
    const HistogramStats noRate(bins.data(), 15, 0);
    noRate.GetRangeRow(1, &level, &count, &percent, &time);
    EXPECT_EQ(count, 10);
    EXPECT_FLOAT_EQ(percent, 100.0f);
    EXPECT_FLOAT_EQ(time, 0.0f);
}

TEST(HistogramStats, TheAboveRowStandsAtTheHighLimitNearTheTopBin)
{
    ScopedProfile profile;
    std::array<uint32_t, 128> bins{};
    bins[127] = 8;
    bins[0] = 8;
    struct Case {
        int highLimit;
        int count;  // of the bins above the last range row
    };
    // Bin 0 is 20 dB, bin 127 147 dB; rows of 10 dB from the high limit.
    for (Case c : {Case{137, 8}, Case{138, 0}, Case{140, 0}, Case{147, 0}}) {
        profile.Set("LnTblLowLimit", 45).Set("LnTblHighLimit", c.highLimit).Set("LnTblRes", 10);
        float level = -1, percent = -1, time = -1;
        int count = -1;
        HistogramStats(bins.data(), 20, 8).GetAboveRow(&level, &count, &percent, &time);
        EXPECT_FLOAT_EQ(level, static_cast<float>(c.highLimit)) << c.highLimit;
        EXPECT_EQ(count, c.count) << c.highLimit;
        EXPECT_FLOAT_EQ(percent, c.count ? 50.0f : 0.0f) << c.highLimit;
        EXPECT_FLOAT_EQ(time, c.count / 8.0f) << c.highLimit;
    }
}
