// The daily noise history in both layouts.
#include <gtest/gtest.h>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

OutputRecordBuilder LogSetup(int weighting, int peakWeighting)
{
    OutputRecordBuilder r(53);
    r.U16(LogSetupFields::kFreqWeighting, weighting)
        .U16(LogSetupFields::kPeak1Weighting, peakWeighting)
        .F32(LogSetupFields::kWindScale, 2.0f)
        .Text(LogSetupFields::kWindUnits, "m/s")
        .U8(LogSetupFields::kDirectionUnits, 1);
    return r;
}

// A day (output kind 3) of the given duration; the wind's maximum came
// 30 seconds after the day's start.
OutputRecordBuilder Day(uint32_t number, float duration, float leq)
{
    OutputRecordBuilder r(3);
    r.U32(DailyFields::kStartTime, kJune9).F32(DailyFields::kCnel, 62.0f).F32(DailyFields::kLeq, leq)
        .F32(DailyFields::kLdn, 66.04f).F32(DailyFields::kLmax, 91.0f).F32(DailyFields::kLmin, kNoValue);
    r.F32(DailyFields::kPeak, 120.0f).U32(DailyFields::kRecordNumber, number).F32(DailyFields::kDuration, duration)
        .F32(DailyFields::kUwPeak, 125.5f);
    r.F32(DailyFields::kWindAverage, 1.5f).I16(DailyFields::kMaxWindDirection, 120).I16(DailyFields::kWindAbove, 25)
        .F32(DailyFields::kWindMax, 4.25f).U32(DailyFields::kMaxWindTime, 30).I16(DailyFields::kWindExceedances, 7);
    for (int sector = 0; sector < 8; ++sector)
        r.I16(DailyFields::kWindDirections + 2 * sector, 10 + sector);
    return r;
}

// One histogram bin of a day: 32 samples in bin 40.
OutputRecordBuilder WithHistogram(OutputRecordBuilder r)
{
    r.U8(DailyFields::kHistogram, 1).BeCount(DailyFields::kHistogram + 1 + 3 * 40, 3, 32);
    return r;
}

struct DailyHistory : ::testing::Test {
    void Add(const OutputRecordBuilder& r) { AddRecord<DailyRec>(days, r); }
    std::string Write(ExportFormat format, const OutputRecordBuilder* setup, bool failed = false) const
    {
        const RecordView view = setup ? writertest::View(*setup) : RecordView();
        return writertest::Written(
            [&](ReportWriter& w, std::ostream& out) { w.WriteDailyHistory(out, format, days, view); }, failed);
    }
    DayRecMgr days;
};

const std::string kTextHeading = L("Rec #", 12) + L("Date", 12) + L("Time", 10) + L("Duration", 12) + R("Leq", 10) +
                                 R("Ldn", 10) + R("CNEL", 10) + R("Peak", 10) + R("UwPeak", 10) + R("Lmax", 10) +
                                 R("Lmin", 10);

std::string TextLevels(const char* leq, const char* f, const char* p)
{
    const std::string dbF = std::string(" dB") + f;
    return R(std::string(leq) + dbF, 10) + R("66.0" + dbF, 10) + R("62.0" + dbF, 10) + R("120.0" + dbF, 10) +
           R(std::string("125.5 dB") + p, 10) + R("91.0" + dbF, 10) + R(" --- " + dbF, 10);
}

}  // namespace

TEST_F(DailyHistory, TextLayoutOneHeadingOverTheDays)
{
    Add(Day(1, 86400.0f, 65.27f));
    Add(Day(2, 3600.4f, kNoValue));
    const OutputRecordBuilder setup = LogSetup(1, 0);
    EXPECT_EQ(Write(kTextFormat, &setup),
              writertest::Lines({
                  kTextHeading,
                  L("1", 12) + L("09-Jun-2003", 12) + L("14:05:09", 10) + L("24:00:00.0", 12) + TextLevels("65.3", "C", "A"),
                  L("2", 12) + L("09-Jun-2003", 12) + L("14:05:09", 10) + L("01:00:00", 12) + TextLevels(" --- ", "C", "A"),
              }));
}

TEST_F(DailyHistory, TextLayoutWithWind)
{
    days.wind = true;
    Add(Day(1, 59.5f, 65.27f));
    const OutputRecordBuilder setup = LogSetup(0, 2);
    std::string sectorHeadings;
    std::string sectors;
    for (const char* heading : {"Wind %  N", "Wind % NE", "Wind %  E", "Wind % SE", "Wind %  S", "Wind % SW",
                                "Wind %  W", "Wind % NW"})
        sectorHeadings += R(heading, 10);
    for (int s = 0; s < 8; ++s)
        sectors += R(std::to_string(10 + s), 10);
    EXPECT_EQ(Write(kTextFormat, &setup),
              writertest::Lines({
                  kTextHeading + R("Wind Avg (m/s) ", 16) + R("Wind Max (m/s) ", 16) + R("Max Wind Dir ", 13) +
                      R("Max Wind Time     ", 18) + R("Excd Thresh (%) ", 16) + R("# Wind Exced. ", 13) + sectorHeadings,
                  L("1", 12) + L("09-Jun-2003", 12) + L("14:05:09", 10) + L("00:00:59.5", 12) +
                      TextLevels("65.3", "A", "F") + R("3.0", 16) + R("8.5", 16) + R("168\xC2\xB0", 13) +
                      R("09/06/03 14:05:39", 18) + R("25", 16) + R("7", 13) + sectors,
              }));
}

TEST_F(DailyHistory, CsvLayoutWithWindAndLnTables)
{
    days.wind = true;
    days.histogram = true;
    days.baseLevel = 20;
    Add(WithHistogram(Day(1, 60.0f, 65.27f)));
    Add(WithHistogram(Day(2, 60.0f, 70.0f)));
    const OutputRecordBuilder setup = LogSetup(2, 1);
    const std::string heading =
        Csv({"Rec #", "Date", "Time", "Duration", "Leq", "Ldn", "CNEL", "Peak", "UwPeak", "Lmax", "Lmin",
             "Wind Avg (m/s)", "Wind Max (m/s)", "Max Wind Dir", "Max Wind Time", "Exceed Thresh (%)", "# Wind Exced.",
             "Wind %  N", "Wind % NE", "Wind %  E", "Wind % SE", "Wind %  S", "Wind % SW", "Wind %  W", "Wind % NW"});
    auto row = [](const char* number, const char* leq) {
        return Csv({number, "09-Jun-2003", "14:05:09", "00:01:00.0", std::string(leq) + " dBF", "66.0 dBF", "62.0 dBF",
                    "120.0 dBF", "125.5 dBC", "91.0 dBF", " ---  dBF", "3.0", "8.5", "168\xC2\xB0", "09/06/03 14:05:39",
                    "25", "7", "10", "11", "12", "13", "14", "15", "16", "17"});
    };
    const std::string text = Write(kCsvFormat, &setup);
    // Each day gets its heading, its row and its Ln table.
    const std::string lnTable = "\"Ln Table Histogram\",\n";
    ASSERT_NE(text.find(lnTable), std::string::npos);
    const size_t firstTable = text.find(lnTable);
    const size_t secondHeading = text.find(heading, firstTable);
    EXPECT_EQ(text.substr(0, firstTable), heading + "\n" + row("1", "65.3") + "\n");
    ASSERT_NE(secondHeading, std::string::npos);
    EXPECT_EQ(text.substr(secondHeading, text.find(lnTable, secondHeading) - secondHeading),
              heading + "\n" + row("2", "70.0") + "\n");
    EXPECT_NE(text.find("\"<45.0\",\"0\",\"0.00%\",\"00:00:00.0\",\n"), std::string::npos);
    EXPECT_NE(text.find("\"55.0\",\"32\",\"100.00%\",\"00:00:04.0\",\n"), std::string::npos);
}

TEST_F(DailyHistory, NoSetupNoSuffixesNoWind)
{
    days.wind = true;
    Add(Day(1, 60.0f, 65.27f));
    EXPECT_EQ(Write(kCsvFormat, nullptr),
              writertest::Lines({
                  Csv({"Rec #", "Date", "Time", "Duration", "Leq", "Ldn", "CNEL", "Peak", "UwPeak", "Lmax", "Lmin"}),
                  Csv({"1", "09-Jun-2003", "14:05:09", "00:01:00.0", "65.3 dB", "66.0 dB", "62.0 dB", "120.0 dB",
                       "125.5 dB", "91.0 dB", " ---  dB"}),
              }));
    EXPECT_EQ(Write(kTextFormat, nullptr, true), "");
    DayRecMgr none;
    EXPECT_EQ(writertest::Written(
                  [&](ReportWriter& w, std::ostream& out) { w.WriteDailyHistory(out, kTextFormat, none, RecordView()); }),
              "");
}
