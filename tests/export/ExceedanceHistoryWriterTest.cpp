// The exceedance history in both layouts.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

OutputRecordBuilder LogSetup(int weighting, int peakWeighting, int detector)
{
    OutputRecordBuilder r(53);
    r.U16(LogSetupFields::kFreqWeighting, weighting)
        .U16(LogSetupFields::kPeak1Weighting, peakWeighting)
        .U16(LogSetupFields::kDetector, detector)
        .F32(LogSetupFields::kWindScale, 0.5f)
        .Text(LogSetupFields::kWindUnits, "km/h")
        .U8(LogSetupFields::kDirectionUnits, 0);
    return r;
}

// An exceedance event whose profile holds the given samples.
OutputRecordBuilder Event(uint32_t number, float leq, std::initializer_list<int> profile)
{
    OutputRecordBuilder r(1);
    r.U32(ExceedanceFields::kStartTime, kJune9).F32(ExceedanceFields::kDuration, 75.5f).F32(ExceedanceFields::kLeq, leq)
        .F32(ExceedanceFields::kMax, 90.04f).U16(ExceedanceFields::kOverloads, 3).F32(ExceedanceFields::kPeak, 110.0f)
        .U16(ExceedanceFields::kPeakExceedances, 65535);
    r.U32(ExceedanceFields::kRecordNumber, number).F32(ExceedanceFields::kSel, 95.1f)
        .F32(ExceedanceFields::kExtraValue, 1.25f).F32(ExceedanceFields::kThPeriod, 0.125f)
        .F32(ExceedanceFields::kExtraLevel, 88.8f);
    r.U16(ExceedanceFields::kMaxWindDirection, 32).F32(ExceedanceFields::kWindMax, 20.0f);
    size_t at = ExceedanceFields::kProfile;
    for (int sample : profile)
        r.U8(at++, sample);
    return r;
}

struct ExceedanceHistory : ::testing::Test {
    ExceedanceHistory()
    {
        Add(Event(1, 80.25f, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 0, 72}));
        Add(Event(2, kNoValue, {}));
    }
    void Add(const OutputRecordBuilder& r)
    {
        events.Add(std::make_unique<EventRec>(EventRec::FromExceedance(writertest::View(r))));
    }
    std::string Write(ExportFormat format, const OutputRecordBuilder* setup) const
    {
        const RecordView view = setup ? writertest::View(*setup) : RecordView();
        return writertest::Written(
            [&](ReportWriter& w, std::ostream& out) { w.WriteExceedanceHistory(out, format, events, view); });
    }
    EventRecMgr events;
};

std::string ProfileHeadings(bool text)
{
    std::string cells;
    for (int i = -9; i <= 118; ++i)
        cells += text ? R(std::to_string(i), 7) : Csv({std::to_string(i)});
    return cells;
}

std::string TextCells(std::initializer_list<int> samples)
{
    std::string cells;
    for (int s : samples)
        cells += R(std::to_string(s), 7);
    return cells;
}

const std::string kTextRowStart = L("09-Jun-2003", 12) + L("14:05:09", 10) + L("00:01:15.5", 12);

}  // namespace

TEST_F(ExceedanceHistory, TextLayoutWithWind)
{
    events.windLayout = true;
    const OutputRecordBuilder setup = LogSetup(0, 1, 1);
    const std::string levels = R("95.1", 10) + R("90.0", 10) + R("110.0", 10) + R("65535", 14) + R("88.8", 10) +
                               R("1.3", 10) + R("3", 10) + R("0.1", 10) + R("10.0", 12) + R(" NE", 10) + R(" ", 10);
    EXPECT_EQ(Write(kTextFormat, &setup),
              writertest::Lines({
                  L("Weighting:", 16) + L("A", 5),
                  L("Peak Weighting:", 16) + L("C", 5),
                  L("Detector:", 16) + L("Fast", 5),
                  "",
                  L("Rec #", 12) + L("Date", 12) + L("Time", 10) + L("Duration", 12) + R("Leq", 10) + R("SEL", 10) +
                      R("Max", 10) + R("Peak", 10) + R("Pk Excd Count", 14) + R("dBC", 10) + R("Sym", 10) +
                      R("Overloads", 10) + R("Th Period", 10) + R("Wnd Max (km/h)", 12) + R("Wind Dir", 10) +
                      R("Profile >", 10) + ProfileHeadings(true),
                  L("1", 12) + kTextRowStart + R("80.3", 10) + levels +
                      TextCells({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}),
                  L("2", 12) + kTextRowStart + R(" --- ", 10) + levels + TextCells({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              }));
}

TEST_F(ExceedanceHistory, CsvLayoutWithoutSetupOrWind)
{
    const std::string fixedCells = Csv({"95.1", "90.0", "110.0", "65535", "88.8", "1.3", "3", "0.125", " "});
    EXPECT_EQ(Write(kCsvFormat, nullptr),
              writertest::Lines({
                  Csv({"Weighting:"}) + "\"\"",
                  Csv({"Peak Weighting:"}) + "\"\"",
                  Csv({"Detector:"}) + "\"\"",
                  "",
                  Csv({"Rec #", "Date", "Time", "Duration", "Leq", "SEL", "Max", "Peak", "Pk Excd Count", "", "Sym",
                       "Overloads", "Th Period", "Profile >"}) +
                      ProfileHeadings(false),
                  Csv({"1", "09-Jun-2003", "14:05:09", "00:01:15.5", "80.3"}) + fixedCells +
                      Csv({"60", "61", "62", "63", "64", "65", "66", "67", "68", "69", "70", "71"}),
                  Csv({"2", "09-Jun-2003", "14:05:09", "00:01:15.5", " --- "}) + fixedCells +
                      Csv({"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}),
              }));
}

TEST_F(ExceedanceHistory, FullProfileAndCsvWindHeadings)
{
    std::initializer_list<int> none = {};
    OutputRecordBuilder full = Event(3, 70.0f, none);
    for (size_t i = 0; i < 200; ++i)
        full.U8(ExceedanceFields::kProfile + i, 50);
    EventRecMgr one;
    one.windLayout = true;
    one.Add(std::make_unique<EventRec>(EventRec::FromExceedance(writertest::View(full))));
    const OutputRecordBuilder setup = LogSetup(2, 2, 0);
    const std::string csv = writertest::Written(
        [&](ReportWriter& w, std::ostream& out) { w.WriteExceedanceHistory(out, kCsvFormat, one, writertest::View(setup)); });
    EXPECT_NE(csv.find(Csv({"Th Period", "Wnd Max (km/h)", "Max Wind Dir", "Profile >", "-9"})), std::string::npos);
    EXPECT_NE(csv.find(Csv({"dBF"})), std::string::npos);
    const std::string lastLine = csv.substr(csv.rfind('\n', csv.size() - 2) + 1);
    EXPECT_NE(lastLine.find(Csv({"10.0", " NE", " ", "50"})), std::string::npos);
    size_t cells = 0;
    for (size_t at = lastLine.find(Csv({" ", "50"})); (at = lastLine.find("\"50\",", at + 1)) != std::string::npos;)
        ++cells;
    EXPECT_EQ(cells, 128u);
}

TEST_F(ExceedanceHistory, NothingWithoutEventsOrOnAFailedStream)
{
    const OutputRecordBuilder setup = LogSetup(0, 0, 0);
    EXPECT_EQ(writertest::Written([&](ReportWriter& w, std::ostream& out) {
                  w.WriteExceedanceHistory(out, kTextFormat, EventRecMgr(), writertest::View(setup));
              }),
              "");
    EXPECT_EQ(writertest::Written(
                  [&](ReportWriter& w, std::ostream& out) {
                      w.WriteExceedanceHistory(out, kCsvFormat, events, writertest::View(setup));
                  },
                  true),
              "");
}

TEST(ExceedanceCounts, SixteenBitCountsPrintUnsigned)
{
    for (unsigned count : {0u, 32767u, 32768u, 40000u, 65535u}) {
        OutputRecordBuilder r = Event(1, 80.0f, {});
        r.U16(ExceedanceFields::kOverloads, count).U16(ExceedanceFields::kPeakExceedances, count);
        EventRecMgr events;
        events.Add(std::make_unique<EventRec>(EventRec::FromExceedance(writertest::View(r))));
        const std::string csv = writertest::Written(
            [&](ReportWriter& w, std::ostream& out) { w.WriteExceedanceHistory(out, kCsvFormat, events, RecordView()); });
        const std::string cell = Csv({std::to_string(count)});
        // The peak exceedance count, then (after the peak level and Sym) the
        // overloads.
        EXPECT_NE(csv.find(Csv({"95.1", "90.0", "110.0"}) + cell + Csv({"88.8", "1.3"}) + cell), std::string::npos)
            << count << "\n" << csv;
    }
}
