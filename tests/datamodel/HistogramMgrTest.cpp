#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>
#include <utility>

#include "RecordBuilders.h"
#include "RecordTestSupport.h"
#include "StreamedRecordFields.h"

using testsupport::OutputRecordBuilder;

namespace {
// A histogram record (output kind 9 or 17) with its base level and some
// counts: SPL bins of 0.1 dB, and peak and unweighted-peak bins of 1 dB when
// the peak bits of its flags are set.
struct Histogram {
    OutputRecordBuilder record{9};
    explicit Histogram(float base, bool peaks = true)
    {
        record.F32(HistogramRecordFields::kBaseLevel, base)
            .U16(HistogramRecordFields::kFlags, peaks ? HistogramRecordFields::kPeakHistograms : 0);
    }
    Histogram& Spl(int bin, uint32_t count)
    {
        record.BeCount(HistogramRecordFields::kSplBins + 4 * static_cast<size_t>(bin), 4, count);
        return *this;
    }
    Histogram& Peak(int bin, uint32_t count)
    {
        record.BeCount(HistogramRecordFields::kPeakBins + 4 * static_cast<size_t>(bin), 4, count);
        return *this;
    }
};

struct Row {
    float level;
    int count;
    float percent;
    float seconds;
};
Row Below(const HistogramMgr& h)
{
    Row r{};
    h.GetBelowLowStats(&r.level, &r.count, &r.percent, &r.seconds);
    return r;
}
Row Above(const HistogramMgr& h)
{
    Row r{};
    h.GetAboveHighStats(&r.level, &r.count, &r.percent, &r.seconds);
    return r;
}
Row At(const HistogramMgr& h, int row)
{
    Row r{};
    h.GetRowStats(row, &r.level, &r.count, &r.percent, &r.seconds);
    return r;
}
}  // namespace

TEST(HistogramMgr, SplTableWithTheDefaultLimits)
{
    ScopedProfile profile;
    RecordManagers m;
    Histogram h(30.7f);  // base level 30: bin 150 is 45.0 dB, bin 650 is 95.0 dB
    h.Spl(0, 8).Spl(149, 8).Spl(150, 16).Spl(151, 4).Spl(650, 4).Spl(651, 32).Spl(1279, 8).Peak(40, 10);
    int lines = 0;
    RecordBuilders::AddHistograms(ViewOf(h.record), 10, lines, m);
    const SplHistMgr& spl = m.splHistogram;
    EXPECT_EQ(spl.GetSize(), 1280);
    EXPECT_EQ(spl.GetTotalCount(), 80);
    EXPECT_EQ(spl.GetLowLimit(), 45);
    EXPECT_EQ(spl.GetHighLimit(), 95);
    // 45.0 to 95.0 in tenths, the 95.0 row included, plus below and above.
    EXPECT_EQ(spl.GetTableRowCount(), 503);
    EXPECT_NEAR(spl.GetAt(650)->GetLevel(), 95.0f, 0.01f);

    Row below = Below(spl);
    EXPECT_FLOAT_EQ(below.level, 45);
    EXPECT_EQ(below.count, 16);
    EXPECT_FLOAT_EQ(below.percent, 20);
    EXPECT_FLOAT_EQ(below.seconds, 2);  // SSA histograms: 8 samples a second
    Row first = At(spl, 0);
    EXPECT_NEAR(first.level, 45.0f, 0.01f);
    EXPECT_EQ(first.count, 16);
    EXPECT_FLOAT_EQ(first.percent, 20);
    Row last = At(spl, 500);
    EXPECT_EQ(last.count, 4);
    Row above = Above(spl);
    EXPECT_FLOAT_EQ(above.level, 95);
    EXPECT_EQ(above.count, 40);
    EXPECT_FLOAT_EQ(above.seconds, 5);

    // One-dB rows: 50 rows, each of ten bins.
    m.splHistogram.SetResolution(1.0f);
    EXPECT_EQ(spl.GetTableRowCount(), 53);
    EXPECT_EQ(At(spl, 0).count, 20);
    EXPECT_EQ(Above(spl).count, 8);  // from 96.0 dB on

    EXPECT_EQ(m.peakHistogram.GetSize(), 128);
    EXPECT_EQ(m.peakHistogram.GetLowLimit(), 70);
    EXPECT_EQ(m.peakHistogram.GetTableRowCount(), 50 + 3);
    EXPECT_EQ(At(m.peakHistogram, 0).count, 10);  // bin 40 is 70 dB
    EXPECT_EQ(m.uwPeakHistogram.GetTableRowCount(), 0);  // no counts
    EXPECT_EQ(lines, 503 + 53);
}

TEST(HistogramMgr, RangesFallBackAndASecondRecordReplacesTheFirst)
{
    ScopedProfile profile;
    profile.profile.WriteProfileInt("Histogram Options", "SplHighLimit", 1330);
    profile.profile.WriteProfileInt("Histogram Options", "SplLowLimit", 20);
    RecordManagers m;
    int lines = 0;
    RecordBuilders::AddHistograms(ViewOf(Histogram(30).Spl(0, 2).record), 9, lines, m);
    EXPECT_EQ(m.splHistogram.GetLowLimit(), 30);    // below the base: the base
    EXPECT_EQ(m.splHistogram.GetHighLimit(), 157);  // 1300 dB above: base + 127
    EXPECT_FLOAT_EQ(Below(m.splHistogram).count, 0);

    // The above row past the last bin keeps its level.
    m.splHistogram.SetLevelRange(158, 30);
    EXPECT_EQ(m.splHistogram.GetHighLimit(), 158);
    Row above = Above(m.splHistogram);
    EXPECT_FLOAT_EQ(above.level, 158);
    EXPECT_EQ(above.count, 0);

    RecordBuilders::AddHistograms(ViewOf(Histogram(40, false).Spl(3, 6).record), 9, lines, m);
    EXPECT_EQ(m.splHistogram.GetSize(), 1280);
    EXPECT_EQ(m.splHistogram.GetTotalCount(), 6);
    EXPECT_EQ(m.splHistogram.GetAt(3)->GetCount(), 6u);
    EXPECT_FLOAT_EQ(m.splHistogram.GetAt(3)->GetPercent(), 100);
    EXPECT_EQ(m.splHistogram.GetAt(0)->GetRateFlag(), 0u);
    EXPECT_EQ(m.peakHistogram.GetSize(), 0);
    EXPECT_EQ(m.peakHistogram.GetTableRowCount(), 0);
    Row nothing = At(m.peakHistogram, 0);
    EXPECT_EQ(nothing.count, 0);

    m.splHistogram.RemoveAll();
    EXPECT_EQ(m.splHistogram.GetSize(), 0);
    EXPECT_EQ(m.splHistogram.GetTableRowCount(), 0);
}

TEST(HistogramMgr, DamagedBaseLevelsAndCountsStayInRange)
{
    ScopedProfile profile;
    const float inf = std::numeric_limits<float>::infinity();
    // The base level is the whole part of the record's float; one that is no
    // level of an int counts as 0.
    const std::pair<float, int> bases[] = {{70.9f, 70}, {-3.5f, -3}, {1e32f, 0}, {-1e32f, 0}, {inf, 0},
                                           {std::numeric_limits<float>::quiet_NaN(), 0}, {3e9f, 0}};
    for (const auto& [base, want] : bases) {
        RecordManagers m;
        int lines = 0;
        RecordBuilders::AddHistograms(ViewOf(Histogram(base).Spl(0, 1).record), 9, lines, m);
        EXPECT_EQ(m.splHistogram.GetBaseLevel(), want) << base;
        EXPECT_EQ(m.peakHistogram.GetBaseLevel(), want) << base;
    }

    // Counts whose row sums pass int: the sums stop at its largest value.
    RecordManagers m;
    Histogram h(30);
    h.Spl(0, 0x80000000u).Spl(1, 0xFFFFFFFFu).Spl(150, 0xFFFFFFFFu).Spl(151, 0xFFFFFFFFu).Spl(700, 0xFFFFFFFFu);
    int lines = 0;
    RecordBuilders::AddHistograms(ViewOf(h.record), 9, lines, m);
    EXPECT_EQ(m.splHistogram.GetTotalCount(), INT32_MAX);
    m.splHistogram.SetResolution(1.0f);
    EXPECT_EQ(Below(m.splHistogram).count, INT32_MAX);
    Row first = At(m.splHistogram, 0);  // bins 150 to 159
    EXPECT_EQ(first.count, INT32_MAX);
    EXPECT_FLOAT_EQ(first.seconds, static_cast<float>(2.0 * 0xFFFFFFFFu / 32));
    EXPECT_EQ(At(m.splHistogram, 1).count, 0);
    EXPECT_EQ(Above(m.splHistogram).count, INT32_MAX);
}
