#include <gtest/gtest.h>

#include <vector>

#include "EventRec.h"
#include "RecordTestSupport.h"
#include "StreamedRecordFields.h"

using testsupport::OutputRecordBuilder;

namespace {
// An RTA event of duration seconds with pre + triggered decay samples and
// one averaged event: the samples lie duration / triggered apart.
EventRec Event(float duration, int pre, int triggered)
{
    return EventRec::FromRta(ViewOf(OutputRecordBuilder(1)
                                        .F32(RtaEventFields::kDuration, duration)
                                        .I16(RtaEventFields::kPreTrigger, pre)
                                        .I16(RtaEventFields::kTriggered, triggered)));
}
}  // namespace

TEST(EventRt60, CleanDecayFlatBandAndOnePointBand)
{
    // 0.1 s a sample; a 60 dB/s decay from the peak at sample 2.
    EventRec e = Event(4.0f, 0, 40);
    std::vector<float> clean(40, 20.0f);
    clean[0] = 80;
    clean[1] = 88;
    for (int i = 2; i < 40; ++i)
        clean[i] = std::max(20.0f, 90.0f - 6.0f * (i - 2));
    std::vector<float> flat(40, 70.0f);
    std::vector<float> onePoint(40, 0.0f);
    onePoint[39] = 70;
    e.SetDecayData({clean, flat, onePoint, clean}, {{2, 90}, {39, 70}, {39, 70}, {2, 90}});

    e.ComputeRt60Texts(10, 0, 2);
    EXPECT_EQ(e.GetRt60Text(0), "   1.00");
    EXPECT_EQ(e.GetRt60Text(1), "   ----   ");  // never 5 dB below its peak
    EXPECT_EQ(e.GetRt60Text(2), "   ----   ");  // a line through one point
    EXPECT_EQ(e.GetRt60Text(3), "");            // outside the range: untouched
    EXPECT_EQ(e.GetRt60Text(33), "");

    // A larger dB-down value takes more of the same straight decay.
    e.ComputeRt60Texts(30, 0, 40);
    EXPECT_EQ(e.GetRt60Text(0), "   1.00");
    EXPECT_EQ(e.GetRt60Text(3), "   1.00");

    // New decay data makes the texts anew, even for the same settings.
    e.SetDecayData({flat}, {{39, 70}});
    e.ComputeRt60Texts(30, 0, 40);
    EXPECT_EQ(e.GetRt60Text(0), "   ----   ");
    EXPECT_EQ(e.GetRt60Text(3), "   1.00");  // past the band count: untouched
}

TEST(EventRt60, DegenerateEventsGiveDashes)
{
    std::vector<float> decay = {90, 84, 78, 72, 66, 60};
    for (auto [duration, triggered] : {std::pair{0.0f, 6}, {1.0f, 0}}) {
        EventRec e = Event(duration, 0, triggered);
        e.SetDecayData({decay}, {{0, 90}});
        e.ComputeRt60Texts(10, 0, 32);
        EXPECT_EQ(e.GetRt60Text(0), "   ----   ") << duration << ' ' << triggered;
    }
    // A peak index outside the history, and a history shorter than the counts.
    EventRec e = Event(1.0f, 0, 100);
    e.SetDecayData({decay, decay}, {{-1, 90}, {0, 90}});
    e.ComputeRt60Texts(10, 0, 1);
    EXPECT_EQ(e.GetRt60Text(0), "   ----   ");
    EXPECT_NE(e.GetRt60Text(1), "");
    // A slow decay: 12 s or more.
    EventRec slow = Event(10.0f, 0, 10);
    slow.SetDecayData({{90, 89.9f, 89.8f, 80, 79.9f}}, {{0, 90}});
    slow.ComputeRt60Texts(10, 0, 0);
    EXPECT_EQ(slow.GetRt60Text(0), "   ----   ");
    EXPECT_EQ(Event(1, 0, 1).GetBandCount(), 0);
}
