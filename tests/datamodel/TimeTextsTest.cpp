#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "TimeTexts.h"

namespace {
class TimeTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
};

struct DurationCase {
    double seconds;
    int decimals;
    int format;
    const char* text;
};
}  // namespace

TEST_F(TimeTexts, SecondsToTimeFormatsAndCarries)
{
    const DurationCase cases[] = {
        {125.75, 1, 0, "00:02:05.8"},
        {3725.5, 1, 0, "01:02:06"},  // between 1 and 23 hours: whole seconds
        {90000, 1, 0, "25:00:00.0"},
        {3725.5, 1, 1, "02:05.5"},
        {59.96, 1, 0, "00:01:00.0"},
        {59.96, 1, 1, "01:00.0"},
        {3599.96, 1, 0, "01:00:00"},
        {3599.4, 0, 0, "00:59:59"},
        {86399.7, 1, 0, "24:00:00"},
        {0, 2, 0, "00:00:00.00"},
        {7.25, 0, 1, "00:07"},
        {-125.75, 1, 0, "-00:02:05.8"},
        {-2.5, 4, 1, "-00:02.5000"},  // ByTime records before the trigger
        {0.04, 4, 1, "00:00.0400"},
        {12.34567, 4, 1, "00:12.3457"},
        {3725.123456, 6, 1, "02:05.123456"},
        {90000.25, 2, 0, "25:00:00.25"},
        {1.5, 8, 0, "00:00:01.500000"},  // at most six decimals
        {1.5, -1, 0, "00:00:02"},
        {359999.99, 1, 0, "100:00:00.0"},
        {61, 0, 1, "01:01"},
    };
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(SecondsToTime(c.seconds, out, c.decimals, c.format), 0);
        EXPECT_EQ(out, c.text) << c.seconds << " s, " << c.decimals << " decimals, format " << c.format;
    }
}

TEST_F(TimeTexts, SecondsToTimeRefusesUnknownFormat)
{
    std::string out = "old";
    EXPECT_EQ(SecondsToTime(10, out, 1, 2), -1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(SecondsToTime(std::nan(""), out, 1, 0), -1);
}

TEST_F(TimeTexts, SecondsToHmsAndMonthNames)
{
    std::string out;
    SecondsToHms(90061, out);
    EXPECT_EQ(out, "25:01:01");
    SecondsToHms(0, out);
    EXPECT_EQ(out, "00:00:00");
    EXPECT_EQ(GetMonthName(1, out), "Jan");
    EXPECT_EQ(GetMonthName(12, out), "Dec");
    EXPECT_EQ(GetMonthName(13, out), "Jan");
    EXPECT_EQ(GetMonthName(0, out), "Jan");
}

TEST_F(TimeTexts, WholeSecondsCutTowardZeroWithinTheCount)
{
    EXPECT_EQ(WholeSeconds(3725.9), 3725u);
    EXPECT_EQ(WholeSeconds(-0.5), 0u);
    EXPECT_EQ(WholeSeconds(std::nan("")), 0u);
    EXPECT_EQ(WholeSeconds(5e9), 4294967295u);
}

TEST_F(TimeTexts, LocalDateAndTimeTexts)
{
    // The reports and the exports both take these: day before month in the
    // numeric text, the date and the clock the two halves of the long one.
    const std::time_t t = 1055160309;  // 2003-06-09 14:05:09 CEST
    EXPECT_EQ(DateText(t), "09-Jun-2003");
    EXPECT_EQ(ClockText(t), "14:05:09");
    EXPECT_EQ(DateTimeText(t), DateText(t) + " " + ClockText(t));
    EXPECT_EQ(NumericDateTimeText(t), "09/06/03 14:05:09");
}

TEST_F(TimeTexts, DateTextToSecsInEachFormat)
{
    const uint32_t jan5 = 1041766200;  // 2003-01-05 12:30:00 CET
    EXPECT_EQ(DateTextToSecs("05Jan03", "12:30:00", 0), jan5);
    EXPECT_EQ(DateTextToSecs("05jAN03", "12:30:00", 1), jan5);
    EXPECT_EQ(DateTextToSecs("01/05/03", "12:30:00", 2), jan5);
    EXPECT_EQ(DateTextToSecs("01/05/03", "12:30:00", 4), jan5);
    EXPECT_EQ(DateTextToSecs("05/01/03", "12:30:00", 3), jan5);
    EXPECT_EQ(DateTextToSecs("2003 Jan 05", "12:30:00", 6), jan5);
    EXPECT_EQ(DateTextToSecs("2003  Jan  5", "12:30:00", 6), jan5);
    EXPECT_EQ(DateTextToSecs("05/07/2003", "12:30:00", 3), 1057401000u);  // summer time, year > 1900
    // No time text is midnight; a day of 0 is the first; an unknown month is January.
    EXPECT_EQ(DateTextToSecs("00Xyz03", "", 0), jan5 - 4 * 86400 - 12 * 3600 - 1800);
}

TEST_F(TimeTexts, DateTextToSecsCurrentYearFormat)
{
    std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    std::time_t got = DateTextToSecs("01Jan", "", 5);
    std::tm parsed{};
    localtime_r(&got, &parsed);
    EXPECT_EQ(parsed.tm_year, today.tm_year);
    EXPECT_EQ(parsed.tm_yday, 0);
    got = DateTextToSecs("31Dec", "", 5);
    localtime_r(&got, &parsed);
    EXPECT_EQ(parsed.tm_year, today.tm_mon < 11 ? today.tm_year - 1 : today.tm_year);
}

TEST_F(TimeTexts, DateTextToSecsReadsOnlyWithinShortTexts)
{
    // Every field past the end reads as no digits: day 1, January, year 2000.
    const uint32_t jan1of2000 = 946681200;
    EXPECT_EQ(DateTextToSecs("", "", 0), jan1of2000);
    EXPECT_EQ(DateTextToSecs("1", "", 2), jan1of2000 - 86400);  // January, day 0: the day before
    EXPECT_EQ(DateTextToSecs("20", "", 6), 1577746800u);  // 2020, January, day 0: 2019-12-31
}

TEST_F(TimeTexts, TextToDoubleIsStrict)
{
    struct Case {
        const char* text;
        int result;
        double value;
    };
    const Case cases[] = {
        {" - 12.50", 0, -12.5}, {".5", 0, 0.5},  {"12abc", 0, 12.0}, {"\t+3", 0, 3.0},
        {"1.0", 0, 1.0},        {"abc", -1, 99}, {"", -1, 99},       {"-", -1, 99},
        {".", -1, 99},
    };
    for (const auto& c : cases) {
        double value = 99;
        EXPECT_EQ(TextToDouble(c.text, value), c.result) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(value, c.value) << '"' << c.text << '"';
    }
}
