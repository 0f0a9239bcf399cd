// The hour that comes twice when summer time ends: the record count notes the
// run starts and stops around it, and the translation then reads the times
// of the repeated hour as summer time while the run that began in summer
// lasts. The day is recognised in any month, so it works in the south too.
#include <gtest/gtest.h>

#include "TranslationHarness.h"

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;
using namespace tessdec_test;

namespace {

struct DstCase {
    const char* tz;
    int year, month, lastSummerDay;  // summer time ends in the night after it
    int utcOffsetSummer;            // hours
};

BodyBuilder RunStopAt(int day, int month, int year, int hour, int minute, unsigned eventByte) {
    return BodyBuilder().U8(0).BcdDate(day, month, year % 100).BcdTime(hour, minute, 0).U8(eventByte).U16(1).U24(0);
}

class DstWindowTest : public ::testing::TestWithParam<DstCase> {};

TEST_P(DstWindowTest, RepeatedHourIsReadAsSummerTimeWithinTheRun) {
    const DstCase c = GetParam();
    const int d = c.lastSummerDay, next = c.lastSummerDay + 1;
    Translation t(c.tz);
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
        f.Record(4, RunStopAt(d, c.month, c.year, 22, 0, 0x40));     // run starts in summer time
        f.Record(4, RunStopAt(next, c.month, c.year, 2, 20, 0x00));  // stop in the first 02:20
        f.Record(4, RunStopAt(next, c.month, c.year, 2, 40, 0x40));  // run again in the second 02:40
        f.Record(4, RunStopAt(next, c.month, c.year, 5, 0, 0x00));   // stop in standard time
        f.Record(5, BodyBuilder().U8(0).BcdDate(next, c.month, c.year % 100).BcdTime(2, 30, 0).Fix88(94.5).U8(0));
    })), 0);
    std::vector<uint32_t> counts;
    ASSERT_EQ(t.Count(counts), 0);
    // The window starts at the run in summer time: the run of the repeated
    // hour is known to be in standard time and does not move it.
    EXPECT_EQ(tessdec::Lib().dstState, 1);
    EXPECT_EQ(tessdec::Lib().dstStart, Utc(c.year, c.month, d, 22 - c.utcOffsetSummer));
    EXPECT_GT(tessdec::Lib().dstEnd, 0);
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
        f.Record(5, BodyBuilder().U8(0).BcdDate(next, c.month, c.year % 100).BcdTime(2, 30, 0).Fix88(94.5).U8(0));
    })), 0);
    ASSERT_EQ(t.NextOf(5), 0);
    EXPECT_EQ(t.U32(4), Utc(c.year, c.month, next, 2, 30) - 3600 * c.utcOffsetSummer);
}

INSTANTIATE_TEST_SUITE_P(Zones, DstWindowTest,
                         ::testing::Values(DstCase{"Europe/Berlin", 2003, 10, 25, 2},
                                           DstCase{"Australia/Sydney", 2003, 3, 29, 11}));

}  // namespace
