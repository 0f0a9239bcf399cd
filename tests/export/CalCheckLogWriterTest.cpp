// The calibration check log in both layouts.
#include <gtest/gtest.h>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

OutputRecordBuilder CalCheck(uint32_t number, uint32_t time, float level, float offset, int mode, int status)
{
    OutputRecordBuilder r(5);
    r.U32(CalRecordFields::kTime, time).F32(CalRecordFields::kOffset, offset).F32(CalRecordFields::kLevel, level)
        .I16(CalRecordFields::kMode, mode).U32(CalRecordFields::kRecordNumber, number)
        .I16(CalRecordFields::kStatus, status);
    return r;
}

struct CalCheckLog : ::testing::Test {
    CalCheckLog()
    {
        AddRecord<CalRec>(checks, CalCheck(1, kJune9, 94.04f, -0.25f, 0, 0));
        AddRecord<CalRec>(checks, CalCheck(2, kJune9 + 3600, kNoValue, kNoValue, 32, 128));
        AddRecord<CalRec>(checks, CalCheck(3, kJune9 + 7200, 114.0f, 1.25f, 1, 3));
    }
    std::string Write(ExportFormat format, bool failed = false) const
    {
        return writertest::Written([&](ReportWriter& w, std::ostream& out) { w.WriteCalCheckLog(out, format, checks); },
                                   failed);
    }
    CalRecMgr checks;
};

std::string TextRow(const char* number, const char* time, const char* level, const char* offset, const char* mode,
                    const char* status)
{
    return L(number, 12) + L("09-Jun-2003", 12) + L(time, 10) + R(level, 8) + R(offset, 8) + "  " + L(mode, 10) +
           L(status, 12);
}

}  // namespace

TEST_F(CalCheckLog, TextLayout)
{
    EXPECT_EQ(Write(kTextFormat),
              writertest::Lines({
                  L("Rec #", 12) + L("Date", 12) + L("Time", 10) + R("Level", 8) + R("Offset", 8) + "  " +
                      L("Mode", 10) + L("Status", 12),
                  TextRow("1", "14:05:09", "94.0", "-0.3", "Manual", "Stable"),
                  TextRow("2", "15:05:09", " --- ", "999.0", "Auto", "Noise Floor Check"),
                  TextRow("3", "16:05:09", "114.0", "1.3", "", "Cal Status Error"),
              }));
}

TEST_F(CalCheckLog, CsvLayoutSetsItsOwnNotation)
{
    // With or without the common header before it, the offset has one
    // decimal.
    EXPECT_EQ(Write(kCsvFormat),
              writertest::Lines({
                  Csv({"Rec #", "Date", "Time", "Level", "Offset", "Mode", "Status"}),
                  Csv({"1", "09-Jun-2003", "14:05:09", "94.0", "-0.3", "Manual", "Stable"}),
                  Csv({"2", "09-Jun-2003", "15:05:09", " --- ", "999.0", "Auto", "Noise Floor Check"}),
                  Csv({"3", "09-Jun-2003", "16:05:09", "114.0", "1.3", "", "Cal Status Error"}),
              }));
    ExportStream out;
    out.setf(std::ios::scientific, std::ios::floatfield);
    out.precision(6);
    ReportWriter().WriteCalCheckLog(out, kCsvFormat, checks);
    EXPECT_NE(writertest::Plain(out).find(Csv({"1", "09-Jun-2003", "14:05:09", "94.0", "-0.3", "Manual", "Stable"})),
              std::string::npos);
}

TEST_F(CalCheckLog, NothingWithoutRecordsOrOnAFailedStream)
{
    EXPECT_EQ(Write(kTextFormat, true), "");
    EXPECT_EQ(Write(kCsvFormat, true), "");
    CalRecMgr none;
    for (ExportFormat format : {kTextFormat, kCsvFormat})
        EXPECT_EQ(writertest::Written([&](ReportWriter& w, std::ostream& out) { w.WriteCalCheckLog(out, format, none); }),
                  "");
}
