#include <gtest/gtest.h>

#include <memory>

#include "RecordTestSupport.h"
#include "Rt60Decays.h"

using testsupport::OutputRecordBuilder;

namespace {

// RTA event (output kind 1): the two decay sample counts.
constexpr size_t kFirstCount = 18, kSecondCount = 24;
// Spectrum time-history sample (output kind 21): the live bands.
constexpr size_t kLiveBands = 20;

void AddEvent(EventRecMgr& events, int first, int second)
{
    events.Add(std::make_unique<EventRec>(
        EventRec::FromRta(ViewOf(OutputRecordBuilder(1).I16(kFirstCount, first).I16(kSecondCount, second)))));
}

// Band 0 holds level, band 1 holds 100 - level.
void AddSample(ThMgr& th, float level)
{
    th.Add(std::make_unique<ThRec>(
        ThRec::FromSpectrum(ViewOf(OutputRecordBuilder(21).Floats(kLiveBands, {level, 100.0f - level})))));
}

}  // namespace

TEST(Rt60Decays, EventsTakeTheTimeHistoryInTurn)
{
    EventRecMgr events;
    AddEvent(events, 1, 2);  // samples 0 to 2
    AddEvent(events, 0, 3);  // samples 3 to 5, of which only 3 and 4 exist
    ThMgr th;
    for (float level : {50.0f, 70.0f, 70.0f, 40.0f, 30.0f})
        AddSample(th, level);
    ASSERT_EQ(BuildRt60Decays(events, th, 11), 0);

    const EventRec& a = *events.GetAt(0);
    EXPECT_EQ(a.GetBandCount(), 11);
    EXPECT_FLOAT_EQ(a.GetDecayLevel(0, 2), 70.0f);
    EXPECT_EQ(a.GetDecayPeak(0).index, 2) << "the last sample of the maximum";
    EXPECT_EQ(a.GetDecayPeak(1).index, 0);
    EXPECT_FLOAT_EQ(a.GetDecayPeak(1).level, 50.0f);
    EXPECT_EQ(a.GetDecayPeak(5).index, 2) << "a band of 0.0 dB throughout peaks at its last sample";

    const EventRec& b = *events.GetAt(1);
    EXPECT_FLOAT_EQ(b.GetDecayLevel(0, 0), 40.0f);
    EXPECT_FLOAT_EQ(b.GetDecayLevel(0, 1), 30.0f);
    EXPECT_FLOAT_EQ(b.GetDecayLevel(0, 2), 0.0f) << "past the time history";
    EXPECT_EQ(b.GetDecayPeak(0).index, 0);
}

TEST(Rt60Decays, NegativeSampleCountsGiveEmptyHistories)
{
    EventRecMgr events;
    AddEvent(events, 2, -5);
    ThMgr th;
    AddSample(th, 60.0f);
    ASSERT_EQ(BuildRt60Decays(events, th, 33), 0);
    EXPECT_EQ(events.GetAt(0)->GetBandCount(), 33);
    EXPECT_FLOAT_EQ(events.GetAt(0)->GetDecayLevel(0, 0), 0.0f);
    events.GetAt(0)->ComputeRt60Texts(10, 0, 32);
    EXPECT_EQ(events.GetAt(0)->GetRt60Text(0), "   ----   ");
}
