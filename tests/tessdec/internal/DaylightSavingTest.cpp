// The daylight-saving window: a record count notes the run/stop times around
// the autumn change, so that a later translation reads the repeated hour as
// the instrument meant it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "../RecordFixture.h"
#include "TimeConv.h"
#include "WorkState.h"

using namespace tessdec_test;

namespace {

fixtures::BodyBuilder RunStop(int day, int month, int hour, int minute, unsigned event) {
    fixtures::BodyBuilder b;
    return b.U8(0).BcdDate(day, month, 3).BcdTime(hour, minute, 0).U8(event).U16(1).U24(0);
}

std::tm Local(int day, int month, int hour, int minute) {
    std::tm tm{};
    tm.tm_mday = day, tm.tm_mon = month - 1, tm.tm_year = 103, tm.tm_hour = hour, tm.tm_min = minute;
    tm.tm_isdst = -1;
    return tm;
}

TEST(DaylightSavingTest, RepeatedAutumnHourIsReadInTheRunsSummerTime) {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    fixtures::TempFolder dir;
    FileSpec spec;
    spec.modeLine = "LOG";
    const std::string path = dir.Write("dst.slmdl", MakeFile(spec, [](fixtures::DownloadFileBuilder& f) {
        f.Record(4, RunStop(25, 10, 22, 0, 0x40));  // run start in summer time
        f.Record(4, RunStop(26, 10, 10, 0, 0x00));  // stop in standard time
    }));
    Buffers b;
    uint32_t counts[TESSDEC_COUNT_FIELDS];
    ASSERT_EQ(CV_GetRecordCount(path.c_str(), b.work.data(), counts, b.record.data()), 0);
    EXPECT_EQ(counts[11], 2u);
    // 02:30 on the day of the change, inside the window: the first 02:30 (CEST).
    EXPECT_EQ(tessdec::StampSecs(Local(26, 10, 2, 30), nullptr), 1067128200u);
    // Outside the window the system decides as usual.
    EXPECT_EQ(tessdec::StampSecs(Local(27, 10, 2, 30), nullptr), 1067218200u);
    // Without the window the system takes the second 02:30 (CET).
    tessdec::ResetDstWindow();
    EXPECT_EQ(tessdec::StampSecs(Local(26, 10, 2, 30), nullptr), 1067131800u);
}

}  // namespace

namespace {

// Every minute of a day, at its first and last second, converted as a record
// time stamp and by the system, under each daylight-saving field.
void ExpectStampsAsTheSystem(const char* zone, int day, int month) {
    setenv("TZ", zone, 1);
    tzset();
    tessdec::LibraryState& lib = tessdec::Lib();
    for (int field : {-1, 0, 1}) {
        tessdec::ResetDstWindow();
        lib.dstState = field;
        lib.dstEnd = INT64_MAX;  // the window holds every time
        for (int minute = 0; minute < 24 * 60; ++minute) {
            for (int second : {0, 59}) {
                std::tm tm = Local(day, month, minute / 60, minute % 60);
                tm.tm_sec = second;
                tm.tm_isdst = field;
                ASSERT_EQ(tessdec::StampSecs(tm, nullptr), tessdec::LocalSecs(tm))
                    << zone << ' ' << day << '.' << month << ' ' << minute << ':' << second << " field " << field;
            }
        }
    }
    tessdec::ResetDstWindow();
}

TEST(DaylightSavingTest, StampsOfTheDaysOfAChangeAreTheSystemsTimes) {
    const struct {
        const char* zone;
        int day, month;
    } kChanges[] = {
        {"Europe/Berlin", 30, 3}, {"Europe/Berlin", 26, 10},          // an hour at 02:00 and 03:00
        {"Australia/Lord_Howe", 30, 3}, {"Australia/Lord_Howe", 26, 10},  // half an hour
        {"America/Sao_Paulo", 16, 2}, {"America/Sao_Paulo", 19, 10},   // at midnight
    };
    for (const auto& c : kChanges) ExpectStampsAsTheSystem(c.zone, c.day, c.month);
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
}

}  // namespace
