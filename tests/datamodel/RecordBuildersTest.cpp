#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "RecordBuilders.h"
#include "RecordTestSupport.h"
#include "StreamedRecordFields.h"

using testsupport::OutputRecordBuilder;
namespace B = RecordBuilders;

namespace {
// A LOG setup record (output kind 53) with the interval Ln and wind bits.
OutputRecordBuilder LogSetup(bool ln, bool wind, int lnStart)
{
    OutputRecordBuilder s(53);
    s.U16(LogSetupFields::kIntervalFlags, ln ? 0x40 : 0).U16(LogSetupFields::kOptionFlags, wind ? 0x40 : 0)
        .I16(LogSetupFields::kLnStartLevel, lnStart);
    s.Floats(LogSetupFields::kLnPercentiles, {10, 20, 30, 50, 90, 99});
    return s;
}

OutputRecordBuilder Interval(bool histogram)
{
    OutputRecordBuilder r(2);
    r.U32(LogIntervalFields::kTime, 1000).F32(LogIntervalFields::kDuration, 60).F32(LogIntervalFields::kLeq, 70.5f)
        .F32(LogIntervalFields::kMax, 80).F32(LogIntervalFields::kMin, 50).U16(LogIntervalFields::kOverloads, 2)
        .F32(LogIntervalFields::kPeak2, 101).U32(LogIntervalFields::kRecordNumber, 9).F32(LogIntervalFields::kSel, 88)
        .F32(LogIntervalFields::kPeak1, 102).I16(LogIntervalFields::kPeak1Exceedances, 5);
    r.Floats(LogIntervalFields::kLnLevels, {75, 72, 70, 65, 55, 52});
    r.F32(LogIntervalFields::kWindAverage, 3.5f).I16(LogIntervalFields::kMaxWindDirection, 64)
        .F32(LogIntervalFields::kWindMax, 7.25f);
    if (histogram)
        r.U8(LogIntervalFields::kHistogram, 1).BeCount(LogIntervalFields::kHistogram + 1, 3, 0x010203)
            .BeCount(LogIntervalFields::kHistogram + 1 + 3 * 127, 3, 5);
    return r;
}
}  // namespace

TEST(RecordBuilders, IntervalWithAndWithoutSetup)
{
    ScopedProfile profile;
    RecordManagers m;
    int lines = 20;
    auto setup = LogSetup(true, true, 20);
    B::AddIntervalRec(ViewOf(Interval(true)), ViewOf(setup), 7, lines, m);
    ASSERT_EQ(m.intervals.GetCount(), 1);
    const IntvRec* r = m.intervals.GetAt(0);
    EXPECT_FLOAT_EQ(r->GetLeq(), 70.5f);
    EXPECT_FLOAT_EQ(r->GetMax(), 80);
    EXPECT_FLOAT_EQ(r->GetMin(), 50);
    EXPECT_FLOAT_EQ(r->GetSel(), 88);
    EXPECT_FLOAT_EQ(r->GetPeak1(), 102);
    EXPECT_FLOAT_EQ(r->GetPeak2(), 101);
    EXPECT_DOUBLE_EQ(r->GetExcdPeak1(), 5);
    EXPECT_EQ(r->GetOverloads(), 2u);
    EXPECT_EQ(r->GetRecordNumber(), 9u);
    EXPECT_FLOAT_EQ(r->GetLnLevel(5), 52);
    EXPECT_FLOAT_EQ(r->GetLnPercent(4), 90);
    EXPECT_FLOAT_EQ(r->GetLnLevel(6), 0);
    EXPECT_FLOAT_EQ(r->GetWindMax(), 7.25f);
    EXPECT_EQ(r->GetMaxWindDir(), 64);
    EXPECT_EQ(r->GetHistogramBin(0), 0x010203u);
    EXPECT_EQ(r->GetHistogramBin(127), 5u);
    EXPECT_TRUE(m.intervals.windLine);
    EXPECT_EQ(m.intervals.baseLevel, 20);
    // 7 + 1 wind + Ln table (95 - 20) - (45 - 20) / 10 + 5 = 10.
    EXPECT_EQ(lines, 20 + 18);

    // Without a setup: Ln levels kept, percentages 0, no wind line, base 15.
    RecordManagers bare;
    lines = 0;
    B::AddIntervalRec(ViewOf(Interval(false)), RecordView(), 7, lines, bare);
    const IntvRec* b = bare.intervals.GetAt(0);
    EXPECT_FLOAT_EQ(b->GetLnLevel(0), 75);
    EXPECT_FLOAT_EQ(b->GetLnPercent(0), 0);
    EXPECT_FALSE(b->HasHistogram());
    EXPECT_EQ(bare.intervals.baseLevel, 15);
    EXPECT_EQ(lines, 7);

    // Another report type keeps nothing.
    B::AddIntervalRec(ViewOf(Interval(false)), RecordView(), 8, lines, bare);
    EXPECT_EQ(bare.intervals.GetCount(), 1);
    EXPECT_EQ(lines, 7);
}

TEST(RecordBuilders, IntervalLineCounts)
{
    struct Case {
        bool ln, wind, histogram;
        int lnTblRes;  // 0: not in the profile
        int lines;
    };
    const Case cases[] = {
        {true, true, false, 0, 8},    {false, false, false, 0, 5},
        {true, false, true, 0, 17},   // 7 + (80 - 30) / 10 + 5
        {true, false, true, 25, 17},  // 25 is lowered to 10
        {true, false, true, -3, 62},  // raised to 1: 50 + 5 rows
        {false, true, true, 5, 21},   // 5 + 1 + 50 / 5 + 5
    };
    for (const auto& c : cases) {
        ScopedProfile profile;
        if (c.lnTblRes != 0)
            profile.profile.WriteProfileInt("Histogram Options", "LnTblRes", c.lnTblRes);
        RecordManagers m;
        int lines = 0;
        B::AddIntervalRec(ViewOf(Interval(c.histogram)), ViewOf(LogSetup(c.ln, c.wind, 15)), 7, lines, m);
        B::AddIntervalRec(ViewOf(Interval(c.histogram)), ViewOf(LogSetup(c.ln, c.wind, 15)), 7, lines, m);
        EXPECT_EQ(m.intervals.GetLinesPerRecord(), c.lines) << c.ln << c.wind << c.histogram << c.lnTblRes;
        EXPECT_EQ(lines, 2 * c.lines);
        EXPECT_EQ(m.intervals.GetReportLineCount(), 2 * c.lines);
    }
}

TEST(RecordBuilders, DaysAndSsaIntervals)
{
    ScopedProfile profile;
    RecordManagers m;
    int lines = 0;
    OutputRecordBuilder day(3);
    day.U32(DailyFields::kStartTime, 86400).F32(DailyFields::kCnel, 61).U16(DailyFields::kFlags, 0x08)
        .F32(DailyFields::kLeq, 55).U32(DailyFields::kRecordNumber, 1).F32(DailyFields::kDuration, 86400)
        .U32(DailyFields::kMaxWindTime, 3600).I16(DailyFields::kWindDirections + 2 * 7, 40)
        .U8(DailyFields::kHistogram, 1).BeCount(DailyFields::kHistogram + 1, 3, 9);
    B::AddDailyRec(ViewOf(day), RecordView(), 16, lines, m);
    const DailyRec* d = m.days.GetAt(0);
    EXPECT_FLOAT_EQ(d->GetCnel(), 61);
    EXPECT_FLOAT_EQ(d->GetLeq(), 55);
    EXPECT_EQ(d->GetMaxWindTime(), 86400u + 3600u);
    EXPECT_EQ(d->GetWindDirectionPercent(7), 40);
    EXPECT_EQ(d->GetHistogramBin(0), 9u);
    EXPECT_TRUE(m.days.wind);
    EXPECT_EQ(lines, 8 + 10);

    OutputRecordBuilder ssaSetup(51);
    ssaSetup.U8(SsaSetupFields::kModeFlags, 0x08).U16(SsaSetupFields::kIntervalFlags, 0x40)
        .U16(SsaSetupFields::kOptionFlags, 0x40).I16(SsaSetupFields::kLnStartLevel, 25)
        .I16(SsaSetupFields::kSpectralLn, 2);
    ssaSetup.Floats(SsaSetupFields::kLnPercentiles, {1, 5, 10, 50, 90, 95});
    OutputRecordBuilder ssa(56);
    ssa.U32(SsaIntervalFields::kStartTime, 7).F32(SsaIntervalFields::kLeq, 66).U32(SsaIntervalFields::kRecordNumber, 2)
        .F32(SsaIntervalFields::kLnLevels, 71).FloatRamp(SsaIntervalFields::kThirds1, 33, 30, 1)
        .FloatRamp(SsaIntervalFields::kOctaves1, 11, 40, 1).F32(SsaIntervalFields::kBandLn + 4 * (5 * 33 + 32), 12.5f);
    lines = 0;
    B::AddSsaIntervalRec(ViewOf(ssa), ViewOf(ssaSetup), 18, lines, m);
    const SSAIntvRec* s = m.ssaIntervals.GetAt(0);
    EXPECT_FLOAT_EQ(s->GetLeq(), 66);
    EXPECT_FLOAT_EQ(s->GetLnLevel(0), 71);
    EXPECT_FLOAT_EQ(s->GetLnPercent(5), 95);
    EXPECT_FLOAT_EQ(s->GetThirdOctave1(32), 62);
    EXPECT_FLOAT_EQ(s->GetOctave1(10), 50);
    EXPECT_FLOAT_EQ(s->GetOctave1(11), 0);
    EXPECT_FLOAT_EQ(s->GetBandLn(5, 32), 12.5f);
    EXPECT_TRUE(m.ssaIntervals.thirdOctave);
    EXPECT_EQ(m.ssaIntervals.baseLevel, 25);
    EXPECT_EQ(lines, 7 + 1);
    EXPECT_EQ(m.ssaIntervals.GetLinesPerRecord(1), 8 + 19);

    // Without the setup record: no Ln values, no spectral Ln table.
    RecordManagers bare;
    lines = 0;
    B::AddSsaIntervalRec(ViewOf(ssa), RecordView(), 18, lines, bare);
    EXPECT_FLOAT_EQ(bare.ssaIntervals.GetAt(0)->GetLnLevel(0), 0);
    EXPECT_FLOAT_EQ(bare.ssaIntervals.GetAt(0)->GetBandLn(5, 32), 0);
    EXPECT_EQ(lines, 7);  // the flags keep their first values
}

TEST(RecordBuilders, SnapshotLinesAndLookup)
{
    RecordManagers m;
    int lines = 0;
    for (int kind : {66, 66, 69, 68, 72})  // 69 and 72 are no TAL snapshots
        B::AddSnapshotRec(ViewOf(OutputRecordBuilder(kind).U32(SnapshotFields::kRecordNumber, 100 + kind)), 24, lines, m);
    EXPECT_EQ(lines, 45);
    EXPECT_EQ(m.snapshots.GetReportLineCount(), 45);
    ASSERT_EQ(m.snapshots.GetCount(), 3);
    EXPECT_EQ(m.snapshots.GetAt(1)->GetFirstLine(), 19);
    EXPECT_EQ(m.snapshots.GetAt(2)->GetFirstLine(), 38);
    EXPECT_EQ(m.snapshots.FindRecordByLine(40), m.snapshots.GetAt(2));
    EXPECT_EQ(m.snapshots.FindRecordByLine(0), m.snapshots.GetAt(0));
    EXPECT_EQ(m.snapshots.FindRecordByLine(37), m.snapshots.GetAt(1));
    EXPECT_EQ(m.snapshots.FindRecordByLine(999), m.snapshots.GetAt(2));
    EXPECT_EQ(m.snapshots.GetTypeCount(1), 2);
    m.snapshots.RemoveAll();
    EXPECT_EQ(m.snapshots.FindRecordByLine(3), nullptr);
    EXPECT_EQ(m.snapshots.GetTypeCount(1), 0);

    // Spatially averaged samples: 24 lines for third octaves, else 13.
    lines = 0;
    OutputRecordBuilder third(72);
    third.I16(AveragedSnapshotFields::kAverageCount, 4).Text(AveragedSnapshotFields::kLabel, "NOTE1")
        .F32(AveragedSnapshotFields::kSpl, 81).U16(AveragedSnapshotFields::kBandwidth, 1)
        .FloatRamp(AveragedSnapshotFields::kBands, 33, 20, 1);
    B::AddSnapshotRec(ViewOf(third), 29, lines, m);
    EXPECT_EQ(lines, 24);
    EXPECT_EQ(m.snapshots.GetAt(0)->GetLabel(), "NOTE1");
    EXPECT_FLOAT_EQ(m.snapshots.GetAt(0)->GetBand(32), 52);
    B::AddSnapshotRec(ViewOf(OutputRecordBuilder(72)), 29, lines, m);
    EXPECT_EQ(lines, 24 + 13);
    EXPECT_EQ(m.snapshots.GetReportLineCount(), 2 * 13);

    RecordManagers fft;
    lines = 0;
    OutputRecordBuilder fftSnapshot(69);
    fftSnapshot.F32(FftSnapshotFields::kSpl, 90).FloatRamp(FftSnapshotFields::kSpectrum, 401, 0, 0.1f);
    B::AddSnapshotRec(ViewOf(fftSnapshot), 27, lines, fft);
    EXPECT_EQ(lines, 88);
    EXPECT_EQ(fft.snapshots.GetLinesPerRecord(), 88);
    EXPECT_FLOAT_EQ(fft.snapshots.GetAt(0)->GetSpectrumLine(400), 40.0f);
}

TEST(RecordBuilders, OctaveBandIntervalsEventsAndTheOthers)
{
    ScopedProfile profile;
    RecordManagers m;
    int lines = 0;
    OutputRecordBuilder thirds(31);
    thirds.U16(ObaIntervalFields::kBandwidth, 1).F32(ObaIntervalFields::kBands + 4 * 29, 77)
        .U32(ObaIntervalFields::kRecordNumber, 3);
    B::AddObaIntervalRec(ViewOf(thirds), 12, lines, m);
    EXPECT_EQ(lines, 20);
    B::AddObaIntervalRec(ViewOf(OutputRecordBuilder(31)), 12, lines, m);
    EXPECT_EQ(lines, 35);
    EXPECT_EQ(m.obaIntervals.GetReportLineCount(), 30);
    EXPECT_FLOAT_EQ(m.obaIntervals.GetAt(0)->GetBandLevel(29), 77);
    EXPECT_EQ(m.obaIntervals.GetAt(0)->GetBandwidthFlag(), 1);

    lines = 0;
    OutputRecordBuilder event(1);
    event.U32(ExceedanceFields::kStartTime, 900).F32(ExceedanceFields::kDuration, 12.5f)
        .U16(ExceedanceFields::kFlags, 0x08).F32(ExceedanceFields::kLeq, 85).F32(ExceedanceFields::kMax, 95)
        .U16(ExceedanceFields::kOverloads, 1).F32(ExceedanceFields::kPeak, 120).U32(ExceedanceFields::kRecordNumber, 6)
        .F32(ExceedanceFields::kSel, 96).F32(ExceedanceFields::kExtraValue, 25).F32(ExceedanceFields::kThPeriod, 0.25f)
        .F32(ExceedanceFields::kExtraLevel, 118).U16(ExceedanceFields::kMaxWindDirection, 128)
        .F32(ExceedanceFields::kWindMax, 9).U8(ExceedanceFields::kProfile, 70).U8(ExceedanceFields::kProfile + 255, 71);
    B::AddEventRec(ViewOf(event), 17, lines, m);
    B::AddEventRec(ViewOf(event), 30, lines, m);
    ASSERT_EQ(m.events.GetCount(), 1);
    const EventRec* e = m.events.GetAt(0);
    EXPECT_TRUE(m.events.windLayout);
    EXPECT_EQ(e->GetStartTime(), 900u);
    EXPECT_FLOAT_EQ(e->GetDuration(), 12.5f);
    EXPECT_FLOAT_EQ(e->GetSymValue(), 25);
    EXPECT_FLOAT_EQ(e->GetThPeriod(), 0.25f);
    EXPECT_FLOAT_EQ(e->GetPeakWeightingLevel(), 118);
    EXPECT_EQ(e->GetMaxWindDir(), 128u);
    EXPECT_EQ(e->GetProfileByte(255), 71);
    EXPECT_EQ(e->GetProfileByte(256), 0);
    EXPECT_EQ(lines, 1);

    lines = 0;
    B::AddTimeHistoryRec(ViewOf(OutputRecordBuilder(57).F32(TimeHistoryFields::kFirst, 60)), 8, lines, m);
    B::AddTimeHistoryRec(ViewOf(OutputRecordBuilder(57)), 7, lines, m);
    B::AddSpectrumThRec(ViewOf(OutputRecordBuilder(22)), 33, m);
    B::AddCalRec(ViewOf(OutputRecordBuilder(5)), 14, lines, m);
    B::AddCalRec(ViewOf(OutputRecordBuilder(5)), 9, lines, m);
    B::AddRunStopRec(ViewOf(OutputRecordBuilder(59)), lines, m);
    EXPECT_EQ(m.timeHistory.GetCount(), 2);
    EXPECT_EQ(m.calibrations.GetCount(), 1);
    EXPECT_EQ(m.runStops.GetCount(), 1);
    EXPECT_EQ(lines, 3);

    m.RemoveAll();
    EXPECT_EQ(m.timeHistory.GetCount() + m.calibrations.GetCount() + m.events.GetCount(), 0);
}

TEST(RecordBuilders, RtaEventsTakeTheRt60Settings)
{
    ScopedProfile profile;
    profile.profile.WriteProfileString("RT60Settings", "dBDown", "20");
    profile.profile.WriteProfileInt("RT60Settings", "StartFreq", 0);
    profile.profile.WriteProfileInt("RT60Settings", "EndFreq", 10);
    RecordManagers m;
    EXPECT_EQ(m.events.rt60DbDown, 20);
    int lines = 0;
    OutputRecordBuilder event(1);
    event.U32(RtaEventFields::kStartTime, 500).F32(RtaEventFields::kDuration, 2.0f).I16(RtaEventFields::kPreTrigger, 10)
        .U32(RtaEventFields::kRecordNumber, 4).I16(RtaEventFields::kTriggered, 40).F32(RtaEventFields::kLeq, 80)
        .F32(RtaEventFields::kMax, 90).F32(RtaEventFields::kMin, 30).FloatRamp(RtaEventFields::kLeqBands, 33, 50, 0)
        .FloatRamp(RtaEventFields::kMaxBands, 33, 60, 0).FloatRamp(RtaEventFields::kMinBands, 33, 20, 0)
        .U32(RtaEventFields::kAveragedEvents, 1);
    B::AddRtaEventRec(ViewOf(event), 33, lines, m);
    EXPECT_EQ(lines, 10 / 2 + 4);
    const EventRec* e = m.events.GetAt(0);
    EXPECT_EQ(e->GetStartTime(), 500u);
    EXPECT_EQ(e->GetRecordNumber(), 4u);
    EXPECT_EQ(e->GetAveragedEvents(), 2u);
    EXPECT_EQ(e->GetPreTriggerCount(), 10);
    EXPECT_EQ(e->GetTriggeredCount(), 40);
    EXPECT_FLOAT_EQ(e->GetTimeStep(), 2.0f / (2 * 40));
    EXPECT_FLOAT_EQ(e->GetMinLevel(), 30);
    EXPECT_FLOAT_EQ(e->GetMaxBand(32), 60);
    EXPECT_FLOAT_EQ(e->GetMinBand(0), 20);
}

// The load counts an RTA event's lines as the RT60 report draws them: a
// title, the column heads, the bands of the range in two columns (the left
// one the longer) and a blank line, a reversed range turned round and a
// range beyond the 33 bands cut to them.
TEST(RecordBuilders, RtaEventLinesAreTheRt60LinesDrawn)
{
    struct Case {
        int first, last, lines;
    };
    for (Case c : {Case{0, 10, 9}, {10, 0, 9}, {5, 5, 4}, {0, 32, 20}, {32, 0, 20}, {3, 40, 18}, {-2, 1, 4}}) {
        ScopedProfile profile;
        profile.profile.WriteProfileInt("RT60Settings", "StartFreq", c.first);
        profile.profile.WriteProfileInt("RT60Settings", "EndFreq", c.last);
        RecordManagers m;
        int lines = 0;
        B::AddRtaEventRec(ViewOf(OutputRecordBuilder(1)), 30, lines, m);
        EXPECT_EQ(lines, c.lines) << c.first << " " << c.last;
    }
}

TEST(RecordBuilders, TimeHistoryBlockEntries)
{
    // A block of two-valued entries at 0.5 s: a level, a mark marker (minus
    // 16 times run-state 2, cause 13), two levels, then zero entries up to a
    // count that claims more than a block holds.
    OutputRecordBuilder block(16);
    block.U16(ThBlockFields::kSite, 12).U32(ThBlockFields::kTime, 1000).U16(ThBlockFields::kFormatBits, 1 << 8)
        .F32(ThBlockFields::kInterval, 0.5f).U32(ThBlockFields::kCount, 99);
    block.Floats(ThBlockFields::kFirstValues, {70.5f, -32, 71, 72});
    block.Floats(ThBlockFields::kSecondValues, {65.25f, 13, 66, 67});
    RecordManagers m;
    int lines = 0;
    OutputRecordBuilder sample(57);
    sample.F32(TimeHistoryFields::kFirst, 60).U32(TimeHistoryFields::kRecordNumber, 41);
    B::AddTimeHistoryRec(ViewOf(sample), 19, lines, m);
    B::AddTimeHistoryBlock(ViewOf(block), 7, lines, m);  // not a time-history report
    ASSERT_EQ(m.timeHistory.GetCount(), 1);
    B::AddTimeHistoryBlock(ViewOf(block), 19, lines, m);
    ASSERT_EQ(m.timeHistory.GetCount(), 61);
    EXPECT_EQ(lines, 61);

    const struct {
        int index;
        bool level;
        uint32_t time;
        float first, second;
    } kCases[] = {
        {1, true, 1000, 70.5f, 65.25f},
        {2, false, 1000, -2, 13},  // a marker takes the time of its place
        {3, true, 1000, 71, 66},
        {4, true, 1001, 72, 67},   // 1000.5 s in whole seconds
        {60, false, 1001, 0, 0},   // the last of 60 entries, a zero (stop) entry
    };
    for (const auto& c : kCases) {
        const ThRec* r = m.timeHistory.GetAt(c.index);
        EXPECT_EQ(r->IsLevelSample(), c.level) << c.index;
        EXPECT_EQ(r->GetTime(), c.time) << c.index;
        EXPECT_FLOAT_EQ(r->GetLeq(), c.first) << c.index;
        EXPECT_FLOAT_EQ(r->GetSecondValue(), c.second) << c.index;
        EXPECT_EQ(r->GetRecordNumber(), 41u + static_cast<uint32_t>(c.index)) << c.index;
        EXPECT_FALSE(r->HasDetectorLevels());
    }
    std::string text;
    EXPECT_EQ(m.timeHistory.GetAt(2)->GetStateText(text), "Mark");
    EXPECT_EQ(m.timeHistory.GetAt(2)->GetCauseCode(), 13);
    EXPECT_TRUE(m.timeHistory.GetAt(1)->HasSecondLevel());
    EXPECT_TRUE(m.timeHistory.GetAt(0)->HasDetectorLevels());

    // Without the format bits the stream stores no second level.
    block.U16(ThBlockFields::kFormatBits, 0).U32(ThBlockFields::kCount, 1);
    B::AddTimeHistoryBlock(ViewOf(block), 8, lines, m);
    EXPECT_FALSE(m.timeHistory.GetLast()->HasSecondLevel());
}
