// The report number formatter, the RT60 step and the time texts.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "ReportNumbers.h"

TEST(ReportNumbers, FormatReportNumber)
{
    struct Case {
        float value;
        int decimals;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {999.0f, 1, 8, " --- "},  // the no-value mark is never widened
        {999.0f, 0, 0, " --- "},
        {998.99f, 1, 0, "999.0"},  // only the exact mark is replaced
        {65.27f, 1, 0, "65.3"},
        {65.27f, 1, 6, "  65.3"},
        {65.27f, 3, 2, "65.270"},  // never cut to the width
        {-3.5f, 0, 4, "  -4"},    // ties away from zero
        {2.5f, 0, 0, "3"},
        {0.125f, 2, 0, "0.13"},
        {-0.125f, 2, 0, "-0.13"},
        {0.1f, 1, 0, "0.1"},
        {12.0f, 0, 0, "12"},
        {1e30f, 2, 0, "1000000015047466219876688855040.00"},
        {30.25f, 1, 0, "30.3"},  // a level of 1/256 dB steps on a tie
        {-30.25f, 1, 0, "-30.3"},
        {55.125f, 2, 7, "  55.13"},
        {-0.04f, 1, 0, "-0.0"},
        {-0.0f, 2, 0, "-0.00"},
        {123456.7f, 6, 0, "123456.703125"},
        {1e9f, 6, 0, "1000000000.000000"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(FormatReportNumber(c.value, c.decimals, c.width), c.text) << c.value << " " << c.decimals;
}

TEST(ReportNumbers, FixedTextsAreTheCorrectlyRoundedDigitsWithTiesAwayFromZero)
{
    // Levels of the instrument (1/256 dB steps) and floats of other scales,
    // against printf's exact rounding of the value moved off its tie.
    std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1e-30, -1e-30, 0.1, 1e15, 9.99e14, 4294967296.5};
    for (int n = -40000; n <= 40000; n += 7)
        values.push_back(n / 256.0);
    for (int n = 1; n < 4000; n += 3) {
        values.push_back(static_cast<float>(n * 0.001));
        values.push_back(static_cast<float>(n * 1234.5678));
        values.push_back(-static_cast<float>(1.0 / n));
    }
    for (const double value : values)
        for (int decimals = 0; decimals <= 8; ++decimals) {
            char expected[400];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, NudgeTieAwayFromZero(value, decimals));
            char text[400];
            const std::string written(text, WriteFixed(text, text + sizeof text, value, decimals));
            ASSERT_EQ(written, expected) << value << " with " << decimals << " decimals";
        }
    // Into too little room nothing is written.
    char small[4];
    EXPECT_EQ(WriteFixed(small, small + sizeof small, 55.125, 2), small);
}

TEST(ReportNumbers, FormatterStaysInItsBufferAndIgnoresTheLocale)
{
    // A value far too long for the buffer is cut, not written past it.
    const std::string huge = FormatReportNumber(3e38f, 10, 200);
    EXPECT_LT(huge.size(), 80u);
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_STREQ(FormatReportNumber(1.5f, 2, 0), "1.50");
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
}

TEST(ReportNumbers, Rt60DbDownSteps)
{
    EXPECT_EQ(RT60DbDownFromIndex(4.0f, 2), 15);
    EXPECT_EQ(RT60DbDownFromIndex(4.0f, 5), 30);
    EXPECT_EQ(RT60DbDownFromIndex(4.0f, 6), 0);
    EXPECT_EQ(RT60DbDownFromIndex(3.0f, 2), 20);
    EXPECT_EQ(RT60DbDownFromIndex(3.0f, 3), 30);
    EXPECT_EQ(RT60DbDownFromIndex(3.0f, 4), 0);
    EXPECT_EQ(RT60DbDownFromIndex(3.99f, static_cast<unsigned>(-1)), 0);
}

TEST(ReportNumbers, LocalTimeTexts)
{
    // 9 June 2003 14:05:09 in Berlin (summer time) as the tests run it.
    const std::time_t t = 1055160309;
    EXPECT_EQ(FormatLocalTime(t, "%d-%b-%Y %H:%M:%S"), "09-Jun-2003 14:05:09");
    EXPECT_EQ(FormatLocalTime(t, "%m/%d/%y %%"), "06/09/03 %");
}

TEST(ReportNumbers, LocalTimesAcrossTheClockChanges)
{
    // Second by second over both clock changes of 2003 in Berlin, then back
    // in time: every text is the local time of its own second.
    struct Case {
        std::time_t time;
        const char* text;
    };
    const Case cases[] = {
        {1048985998, "30-Mar-2003 01:59:58"}, {1048985999, "30-Mar-2003 01:59:59"},
        {1048986000, "30-Mar-2003 03:00:00"}, {1048986059, "30-Mar-2003 03:00:59"},
        {1067129999, "26-Oct-2003 02:59:59"}, {1067130000, "26-Oct-2003 02:00:00"},
        {1067130001, "26-Oct-2003 02:00:01"}, {1048985999, "30-Mar-2003 01:59:59"},
        {-1, "01-Jan-1970 00:59:59"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatLocalTime(c.time, "%d-%b-%Y %H:%M:%S"), c.text) << c.time;
}

TEST(ReportNumbers, LocalTimesFollowTheZoneAcrossClockChangesAndZoneChanges)
{
    // The same stamps under zones set one after another, each with its own
    // clock changes: a day's conversion is never carried into another zone,
    // and a day with a change shows each side with its own offset.
    struct Case {
        const char* zone;
        std::time_t time;
        const char* text;
    };
    const Case cases[] = {
        {"Europe/Berlin", 1048982400, "30-Mar-2003 01:00:00"},
        {"Europe/Berlin", 1048989600, "30-Mar-2003 04:00:00"},  // same day, after the change
        {"America/New_York", 1048989600, "29-Mar-2003 21:00:00"},
        {"America/New_York", 1049612399, "06-Apr-2003 01:59:59"},
        {"America/New_York", 1049612400, "06-Apr-2003 03:00:00"},
        {"Australia/Lord_Howe", 1048948200, "30-Mar-2003 01:30:00"},  // half an hour of summer time ends
        {"Australia/Lord_Howe", 1048949999, "30-Mar-2003 01:59:59"},
        {"Australia/Lord_Howe", 1048950000, "30-Mar-2003 01:30:00"},
        {"UTC0", 1049556600, "05-Apr-2003 15:30:00"},
        {"", 1049556600, "05-Apr-2003 15:30:00"},  // an empty zone is UTC
        {"Europe/Berlin", 1067130000, "26-Oct-2003 02:00:00"},
        {"Europe/Berlin", 1067126399, "26-Oct-2003 01:59:59"},
    };
    for (const Case& c : cases) {
        setenv("TZ", c.zone, 1);
        tzset();
        EXPECT_EQ(FormatLocalTime(c.time, "%d-%b-%Y %H:%M:%S"), c.text) << c.zone << " " << c.time;
    }
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
}
