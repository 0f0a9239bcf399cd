// The octave band analyser intervals.
#include <gtest/gtest.h>

#include <memory>

#include "KeptRecordFields.h"
#include "StreamedRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

constexpr uint32_t kJune9th2003 = 1055160309;  // 09-Jun-2003 14:05:09 in Berlin

// An OBA interval record (output kind 31): 30 band levels from 25 Hz; the
// octave bands are the levels of every third band from 31.5 Hz.
std::unique_ptr<ObaIntvRec> Interval(uint32_t number, uint32_t start, float duration, float firstLevel)
{
    OutputRecordBuilder r(31);
    r.U32(ObaIntervalFields::kTime, start).F32(ObaIntervalFields::kDuration, duration)
        .FloatRamp(ObaIntervalFields::kBands, 30, firstLevel, 1.0f).U32(ObaIntervalFields::kRecordNumber, number);
    return std::make_unique<ObaIntvRec>(RecordView(r.Bytes().data(), r.Bytes().size()));
}

// An OBA setup record (output kind 33).
OutputRecordBuilder ObaSetupRecord(int intervalFlags, int bandwidth, const char* period)
{
    OutputRecordBuilder r(33);
    r.U8(ObaSetupFields::kIntervalFlags, intervalFlags).U8(ObaSetupFields::kBandwidth, bandwidth)
        .Text(ObaSetupFields::kIntervalPeriod, period);
    return r;
}

std::string Write(const ObaIntvMgr& intervals, ExportFormat format, const RecordView& setup)
{
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteObaIntervals(out, format, intervals, setup); });
}

}  // namespace

TEST(ObaIntervalWriter, TextLayoutOfOctaveBands)
{
    ObaIntvMgr intervals;
    intervals.Add(Interval(7, kJune9th2003, 3725.9f, 40.0f));
    const auto setup = ObaSetupRecord(0x20, 3, "00:15:00");
    EXPECT_EQ(Write(intervals, kTextFormat, View(setup)), Lines({
        "OBA Interval Records: 1",
        "Bandwidth   Intv Period   Sync Hours/Minutes    Auto Stop   ",
        "1/1         00:15:00      Yes                   No          ",
        "",
        "Rec #       Date          Time        Duration    ",
        "7           09-Jun-2003   14:05:09    01:02:05    ",
        "",
        "Filter      Leq           ",
        " 31.5 Hz     41.0 dB 1/1",
        " 63.0 Hz     44.0 dB 1/1",
        "  125 Hz     47.0 dB 1/1",
        "  250 Hz     50.0 dB 1/1",
        "  500 Hz     53.0 dB 1/1",
        " 1000 Hz     56.0 dB 1/1",
        " 2000 Hz     59.0 dB 1/1",
        " 4000 Hz     62.0 dB 1/1",
        " 8000 Hz     65.0 dB 1/1",
        "16000 Hz     68.0 dB 1/1",
        "",
    }));
}

TEST(ObaIntervalWriter, CsvLayoutWithoutSetupRecord)
{
    ObaIntvMgr intervals;
    intervals.Add(Interval(1, kJune9th2003, 360000.0f, 999.0f - 28.0f));  // band 28 (16 kHz) not measured
    const std::string csv = Write(intervals, kCsvFormat, RecordView());
    EXPECT_EQ(csv.substr(0, csv.find("\"Filter\"")), Lines({
        R"("OBA Interval Records:","1",)",
        R"("Bandwidth","0 ",)",
        R"("Intv Period","",)",
        R"("Sync Hours/Minutes","",)",
        R"("Auto Stop","",)",
        "",
        R"("Rec #","Date","Time","Duration",)",
        R"("1","09-Jun-2003","14:05:09","100:00:00",)",
        "",
    }));
    EXPECT_NE(csv.find(Lines({R"("8000 Hz","996.0 dB 1/1",)", R"("16000 Hz"," ---  dB 1/1",)", ""})),
              std::string::npos);
}

TEST(ObaIntervalWriter, ThirdOctaveRecordsGiveThirtyBands)
{
    ObaIntvMgr intervals;
    intervals.thirdOctave = true;
    intervals.Add(Interval(1, kJune9th2003, 60, 20.0f));
    intervals.Add(Interval(2, kJune9th2003 + 60, 60, 30.0f));
    const auto setup = ObaSetupRecord(0x10, 4, "00:01:00");
    const std::string text = Write(intervals, kTextFormat, View(setup));
    size_t bands = 0;
    for (size_t at = text.find(" dB 1/3"); at != std::string::npos; at = text.find(" dB 1/3", at + 1))
        ++bands;
    EXPECT_EQ(bands, 60u);
    EXPECT_NE(text.find(" 25.0 Hz     30.0 dB 1/3\n"), std::string::npos);
    EXPECT_NE(text.find("20000 Hz     49.0 dB 1/3\n\nRec #"), std::string::npos);
    EXPECT_NE(text.find("1/3         00:01:00      No                    Yes         \n"), std::string::npos);
}

TEST(ObaIntervalWriter, NothingWithoutRecordsOrOnAFailedStream)
{
    ObaIntvMgr empty;
    ObaIntvMgr intervals;
    intervals.Add(Interval(1, kJune9th2003, 60, 20.0f));
    for (ExportFormat format : {kTextFormat, kCsvFormat}) {
        EXPECT_EQ(Write(empty, format, RecordView()), "");
        EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) {
                      w.WriteObaIntervals(out, format, intervals, RecordView());
                  }, true),
                  "");
    }
}
