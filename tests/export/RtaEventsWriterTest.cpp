// The RTA events with their ByTime records in both layouts.
#include <gtest/gtest.h>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

// An RTA event (kind 1 of an RTA file): bands Leq 40 + i, Max 60 + i (band
// 2 without a value) and Min 20 + i.
OutputRecordBuilder RtaEvent(uint32_t number, int preTrigger, int triggered)
{
    OutputRecordBuilder r(1);
    r.U32(RtaEventFields::kStartTime, kJune9).F32(RtaEventFields::kDuration, 65.5f)
        .I16(RtaEventFields::kPreTrigger, preTrigger).U32(RtaEventFields::kRecordNumber, number)
        .I16(RtaEventFields::kTriggered, triggered);
    r.F32(RtaEventFields::kLeq, 80.125f).FloatRamp(RtaEventFields::kLeqBands, 33, 40.0f, 1.0f);
    r.F32(RtaEventFields::kMax, 90.0f).FloatRamp(RtaEventFields::kMaxBands, 33, 60.0f, 1.0f)
        .F32(RtaEventFields::kMaxBands + 2 * 4, kNoValue);
    r.F32(RtaEventFields::kMin, 45.5f).FloatRamp(RtaEventFields::kMinBands, 33, 20.0f, 1.0f);
    return r;
}

// A ByTime record (kind 21): Leq 70 + n, bands 30 + n + i.
OutputRecordBuilder ByTime(int n)
{
    OutputRecordBuilder r(21);
    r.F32(SpectrumThFields::kFirst, 70.0f + static_cast<float>(n))
        .U32(SpectrumThFields::kRecordNumber, static_cast<uint32_t>(n));
    r.FloatRamp(SpectrumThFields::kBands, 33, 30.0f + static_cast<float>(n), 1.0f);
    return r;
}

struct RtaEvents : ::testing::Test {
    void AddEvent(const OutputRecordBuilder& r)
    {
        events.Add(std::make_unique<EventRec>(EventRec::FromRta(writertest::View(r))));
    }
    void AddByTime(int n) { byTime.Add(std::make_unique<ThRec>(ThRec::FromSpectrum(writertest::View(ByTime(n))))); }
    std::string Write(ExportFormat format, bool thirdOctave, bool failed = false) const
    {
        const OutputRecordBuilder setup = RtaSetup(thirdOctave, 0.5f);
        return writertest::Written(
            [&](ReportWriter& w, std::ostream& out) {
                w.WriteRtaEvents(out, format, events, byTime, writertest::View(setup));
            },
            failed);
    }
    EventRecMgr events;
    ThMgr byTime;
};

std::string ByTimeBlock(int number, const std::string& elapsed, const char* leq, int first)
{
    const char* names[] = {"16.0", "31.5", "63.0", "125", "250", "500", "1000", "2000", "4000", "8000", "16000"};
    std::string text = "***ByTime Record #" + std::to_string(number) + " (Event #1)***\nElapsed Time: " + L(elapsed, 30) +
                       "\nLeq: " + leq + "\n\n  Freq.Hz     1/1dB  Freq.Hz     1/1dB\n";
    for (int row = 0; row < 6; ++row) {
        text += "  " + R(names[row], 7) + " " + R(std::to_string(first + row) + ".0", 9);
        if (row + 6 < 11)
            text += "  " + R(names[row + 6], 7) + " " + R(std::to_string(first + row + 6) + ".0", 9);
        text += "\n";
    }
    return text + "\n";
}

}  // namespace

TEST_F(RtaEvents, TextLayoutOctavesWithByTimeAroundTheTrigger)
{
    AddEvent(RtaEvent(1, 2, 1));
    for (int n = 1; n <= 3; ++n)
        AddByTime(n);
    EXPECT_EQ(Write(kTextFormat, false),
              writertest::Lines({
                  "***Event #1***",
                  "Timestamp:    " + L("09-Jun-2003 14:05:09", 30) + " Pre-trigger count: 2",
                  "Elapsed Time: " + L("00:01:05.5", 30) + " Triggered count:   1",
                  "Leq:           80.13",
                  "Lmax:          90.00",
                  "Lmin:          45.50",
                  "",
                  "  Freq.Hz Leq 1/1dB Max 1/1dB Min 1/1dB  Freq.Hz Leq 1/1dB Max 1/1dB Min 1/1dB",
                  "     16.0      40.0      60.0      20.0     1000      46.0      66.0      26.0",
                  "     31.5      41.0      61.0      21.0     2000      47.0      67.0      27.0",
                  "     63.0      42.0  ---       22.0     4000      48.0      68.0      28.0",
                  "      125      43.0      63.0      23.0     8000      49.0      69.0      29.0",
                  "      250      44.0      64.0      24.0    16000      50.0      70.0      30.0",
                  "      500      45.0      65.0      25.0",
                  "",
              }) + ByTimeBlock(1, "-00:00.5000", " 71.00", 31) +
                  ByTimeBlock(2, "+00:00.0000", " 72.00", 32) + ByTimeBlock(3, "+00:00.5000", " 73.00", 33));
}

TEST_F(RtaEvents, TextLayoutThirdOctavesLeavesTheLastRowHalf)
{
    AddEvent(RtaEvent(1, 0, 0));
    const std::string text = Write(kTextFormat, true);
    EXPECT_NE(text.find("\n     12.5      40.0      60.0      20.0      630      57.0      77.0      37.0\n"),
              std::string::npos);
    EXPECT_NE(text.find("      400      55.0      75.0      35.0    20000      72.0      92.0      52.0\n      500      56.0      76.0      36.0\n\n"),
              std::string::npos);
}

TEST_F(RtaEvents, CsvLayoutEventsTakeTheirByTimeRecordsInTurn)
{
    AddEvent(RtaEvent(1, 2, 1));
    AddEvent(RtaEvent(2, 1, 1));
    for (int n = 1; n <= 4; ++n)
        AddByTime(n);
    auto spectrum = [](int first, bool gap) {
        std::string cells;
        for (int i = 0; i < 11; ++i)
            cells += Csv({gap && i == 2 ? " --- " : std::to_string(first + i) + ".0"});
        return cells;
    };
    const std::string blanks = Csv({" ", " ", " ", " ", " ", " ", " "});
    auto eventRows = [&](const char* number, bool first) {
        std::string rows = Csv({"***Event #:", number}) + "\n" +
                           Csv({"Timestamp:", "09-Jun-2003 14:05:09", "Elapsed Time:", "00:01:05.5", "Pre-trigger count:",
                                first ? "2" : "1", "Triggered count:", "1"});
        if (first)
            rows += Csv({" ", "1/1dB Spectra", "16.0 Hz", "31.5 Hz", "63.0 Hz", "125 Hz", "250 Hz", "500 Hz",
                         "1000 Hz", "2000 Hz", "4000 Hz", "8000 Hz", "16000 Hz"});
        return rows + "\n" + Csv({"Leq:", "80.125", "Leq"}) + blanks + spectrum(40, false) + "\n" +
               Csv({"Lmax:", "90.000", "Max"}) + blanks + spectrum(60, true) + "\n" + Csv({"Lmin:", "45.500", "Min"}) +
               blanks + spectrum(20, false) + "\n";
    };
    // ByTime record n of an event, made from record m of the manager.
    auto byTimeRow = [&](int n, const char* event, const char* elapsed, int m) {
        return Csv({"***ByTime Record #:", std::to_string(n), event, "Elapsed Time:", L(elapsed, 30), "Leq:",
                    std::to_string(70 + m) + ".000", " ", "ByTime", " "}) +
               spectrum(30 + m, false) + "\n";
    };
    // The second event wants two ByTime records; only one is left.
    EXPECT_EQ(Write(kCsvFormat, false), eventRows("1", true) + byTimeRow(1, "(Event #1)", "-00:00.5000", 1) +
                                            byTimeRow(2, "(Event #1)", "+00:00.0000", 2) +
                                            byTimeRow(3, "(Event #1)", "+00:00.5000", 3) + "\n" + eventRows("2", false) +
                                            byTimeRow(1, "(Event #2)", "+00:00.0000", 4) + "\n");
}

TEST_F(RtaEvents, NothingWithoutEventsOrOnAFailedStream)
{
    AddByTime(1);
    EXPECT_EQ(Write(kTextFormat, true), "");
    AddEvent(RtaEvent(1, 1, 0));
    EXPECT_EQ(Write(kCsvFormat, true, true), "");
    // Without ByTime records the event stands alone.
    ThMgr none;
    const std::string alone = writertest::Written([&](ReportWriter& w, std::ostream& out) {
        w.WriteRtaEvents(out, kCsvFormat, events, none, RecordView());
    });
    EXPECT_EQ(alone.find("ByTime"), std::string::npos);
}
