#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "tessdec/tessdec.h"

namespace {

class TimeExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
};

constexpr uint32_t k9Mar2003 = 1047215130;  // 09 Mar 2003 14:05:30 CET

TEST_F(TimeExportsTest, DateToSecondsBySelector) {
    struct Case {
        const char* date;
        const char* time;
        uint16_t selector;
        uint32_t secs;
    } cases[] = {
        {"09Mar2003", "14:05:30", 0, k9Mar2003},
        {"09mar03", "14:05:30", 0, k9Mar2003},      // two-digit year, small letters
        {"09MAR2003", "14:05:30", 1, k9Mar2003},    // capitals
        {" 9Mar2003", "14:05:30", 0, k9Mar2003},    // a one-digit day
        {"03/09/03", "14:05:30", 2, k9Mar2003},
        {"09/03/2003", "14:05:30", 3, k9Mar2003},
        {"03-09-2003", "14:05:30", 4, k9Mar2003},
        {"12/25/03", "09:30:00", 2, 1072341000},
        {"01Jan69", nullptr, 0, 3124220400u},        // 69 is 2069, midnight without a time
        {"02Jan70", nullptr, 0, 82800},              // 70 is 1970
        {"02Jan1970", nullptr, 1, 82800},
        {"15Jul2003", "12:00:00", 0, 1058263200},    // summer time decided by the system
        {"09Xyz2003", "00:00:00", 0, 1042066800},    // no month name: January
        {"xxMar2003", "14:05:30", 0, 0},             // no day: not a date
        {"01Jan1960", nullptr, 0, 2840137200u},      // years wrap as their last two digits
        {"09Mar2003", "14:05:30", 7, 0},             // no such selector
    };
    for (const Case& c : cases) EXPECT_EQ(TX_DateToSecs(c.date, c.time, c.selector), c.secs) << c.date << " " << c.selector;
    EXPECT_EQ(TX_DateToSecs(nullptr, nullptr, 0), 0u);
}

TEST_F(TimeExportsTest, DateWithoutYearTakesTheLatestPastYear) {
    const uint32_t secs = TX_DateToSecs("09Mar", "10:00:00", 5);
    std::time_t t = secs, now = std::time(nullptr);
    std::tm tm{}, today{};
    localtime_r(&t, &tm);
    localtime_r(&now, &today);
    EXPECT_EQ(tm.tm_mday, 9);
    EXPECT_EQ(tm.tm_mon, 2);
    EXPECT_EQ(tm.tm_year, today.tm_mon < 2 ? today.tm_year - 1 : today.tm_year);
}

TEST_F(TimeExportsTest, SecondsToDateBySelector) {
    struct Case {
        int32_t secs;
        uint16_t selector;
        const char* date;
        const char* time;
    } cases[] = {
        {k9Mar2003, 0, "09Mar2003", "14:05:30"},
        {k9Mar2003, 1, "09Mar 03", "14:05:30"},
        {k9Mar2003, 2, "03/09/03", "14:05:30"},
        {k9Mar2003, 3, "09/03/03", "14:05:30"},
        {k9Mar2003, 4, "03-09-2003", "14:05:30"},
        {k9Mar2003, 5, "2003-03-09", "14:05:30"},
        {k9Mar2003, 6, "Sun, 03/09/2003", "14:05:30"},
        {k9Mar2003, 9, "2003-03-09", "14:05:30"},   // unknown selector: form 5
        {1058263200, 0, "15Jul2003", "11:00:00"},    // summer time is shown as standard time
        {-5, 5, "1970-01-01", "01:00:00"},           // negative: the start of 1970
    };
    for (const Case& c : cases) {
        char date[18], time[9];
        TX_SecsToDate(&c.secs, date, time, c.selector);
        EXPECT_STREQ(date, c.date) << c.selector;
        EXPECT_STREQ(time, c.time) << c.selector;
    }
}

TEST_F(TimeExportsTest, RoundTripOfTheHeaderForm) {
    const int32_t secs = static_cast<int32_t>(TX_DateToSecs("31Dec1999", "23:59:59", 0));
    char date[18], time[9];
    TX_SecsToDate(&secs, date, time, 0);
    EXPECT_STREQ(date, "31Dec1999");
    EXPECT_STREQ(time, "23:59:59");
}

}  // namespace
