// The octave band analyser reports: its settings block and its interval
// records in octaves or one-third octaves, on screen and on paper.
#include "ReportOba.h"
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

constexpr uint32_t kStart = 1055167507;  // 09-Jun-2003 14:05:07 UTC

OutputRecordBuilder ObaSetup(int bandwidth)
{
    return OutputRecordBuilder(33)
        .U16(ObaSetupFields::kIntervalFlags, 0xA0)
        .U16(ObaSetupFields::kTimerMode, 2)
        .Text(ObaSetupFields::kStartDate, "03/07/15")
        .Text(ObaSetupFields::kStopDate, "71/13/31")
        .Text(ObaSetupFields::kStartTime1, "08:00")
        .Text(ObaSetupFields::kStopTime1, "17:30")
        .Text(ObaSetupFields::kStartTime2, "20:00")
        .Text(ObaSetupFields::kStopTime2, "06:00")
        .U16(ObaSetupFields::kBandwidth, bandwidth)
        .U16(ObaSetupFields::kAcOutput, 1)
        .U16(ObaSetupFields::kRange, 2)
        .U16(ObaSetupFields::kScanMode, 1)
        .U16(ObaSetupFields::kProfile, 3)
        .Text(ObaSetupFields::kIntervalPeriod, "00:15:00");
}

// An interval record: bands 0 to 29 at 40.0, 40.5 ... dB.
OutputRecordBuilder ObaInterval(uint32_t number, bool thirds, float duration)
{
    OutputRecordBuilder r(31);
    r.U32(ObaIntervalFields::kTime, kStart + 900 * number)
        .F32(ObaIntervalFields::kDuration, duration)
        .U16(ObaIntervalFields::kBandwidth, thirds ? 1 : 0)
        .U32(ObaIntervalFields::kRecordNumber, number)
        .FloatRamp(ObaIntervalFields::kBands, 30, 40.0f, 0.5f);
    return r;
}

}  // namespace

class ReportOba : public ReportFixture {
protected:
    std::vector<std::string> LoadIntervals(std::initializer_list<OutputRecordBuilder> records)
    {
        translation.Add(SystemRecord());
        for (const auto& r : records)
            translation.Add(r);
        Select("3 OBA Intvs");
        EXPECT_EQ(report->GetReportType(), 12);
        return ScreenLines();
    }
};

TEST_F(ReportOba, OctaveRecordsTakeFifteenLines)
{
    const auto lines = LoadIntervals({ObaSetup(3), ObaInterval(1, false, 3725.9f),
        ObaInterval(2, false, 90000.0f).F32(ObaIntervalFields::kBands + 4 * 1, 999.0f)});
    EXPECT_EQ(report->GetLineCount(), 20 + 2 * 15);
    EXPECT_EQ(lines[1].substr(0, 30), "Octave Band Analyzer Intervals");
    EXPECT_EQ(lines[17], "OBA Interval Records: 2");
    EXPECT_EQ(lines[19], "1/1 | 00:15:00 | Yes | No");
    const std::vector<std::pair<int, std::string>> expected = {
        {21, "Rec # | Date | Time | Duration"},
        {22, "1 | 09-Jun-2003 | 14:20:07 | 01:02:05"},
        {23, ""},
        {24, "Filter | Leq"},
        {25, "31.5 Hz | 40.5 dB 1/1"},
        {34, "16000 Hz | 54.0 dB 1/1"},
        {35, ""},
        {36, "Rec # | Date | Time | Duration"},  // block index 15
        {37, "2 | 09-Jun-2003 | 14:35:07 | 25:00:00"},
        {40, "31.5 Hz | 999.0 dB 1/1"},  // block index 19
        {49, "16000 Hz | 54.0 dB 1/1"},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines.at(static_cast<size_t>(line)), text) << "line " << line;
}

TEST_F(ReportOba, ThirdOctaveRecordsShowTwoHalves)
{
    const auto lines = LoadIntervals({ObaInterval(1, true, 60.0f), ObaInterval(2, true, 60.0f)});
    EXPECT_EQ(report->GetLineCount(), 20 + 2 * 20);
    const std::vector<std::pair<int, std::string>> expected = {
        {21, "Rec # | Date | Time | Duration"},
        {22, "1 | 09-Jun-2003 | 14:20:07 | 00:01:00"},
        {24, "Filter | Leq | Filter | Leq"},
        {25, "25.0 Hz | 40.0 dB 1/3 | 800 Hz | 47.5 dB 1/3"},
        {39, "630 Hz | 47.0 dB 1/3 | 20000 Hz | 54.5 dB 1/3"},
        {40, ""},
        {44, "Filter | Leq | Filter | Leq"},  // block index 23
        {45, "25.0 Hz | 40.0 dB 1/3 | 800 Hz | 47.5 dB 1/3"},
        {59, "630 Hz | 47.0 dB 1/3 | 20000 Hz | 54.5 dB 1/3"},  // the report's last line
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines.at(static_cast<size_t>(line)), text) << "line " << line;
    // Without a setup record the settings line under the headings is empty.
    EXPECT_EQ(lines[19], "");
}

TEST_F(ReportOba, RecordsOfMixedBandwidthAreAllShown)
{
    // The records take the lines of the last record's bandwidth.
    const auto lines =
        LoadIntervals({ObaInterval(1, false, 1.0f), ObaInterval(2, false, 1.0f), ObaInterval(3, true, 1.0f)});
    EXPECT_EQ(report->GetLineCount(), 20 + 3 * 20);
    EXPECT_EQ(lines[21 + 2 * 20 + 1].substr(0, 14), "3 | 09-Jun-200");
}

TEST_F(ReportOba, BlockIndexPastTheRecordsDrawsNothing)
{
    LoadIntervals({ObaInterval(1, false, 1.0f)});
    RecordingDC dc;
    report->OnDraw(dc);
    RecordingDC after;
    oba::DrawIntervalLine(*report, after, 15, 40);
    oba::DrawThirdOctaveIntervalLine(*report, after, 15, 40);
    EXPECT_TRUE(after.cells.empty());
}

TEST_F(ReportOba, SettingsBlock)
{
    struct Case {
        int bandwidth;
        const char* shown;
    };
    for (const Case c : {Case{4, "1/3"}, Case{3, "1/1"}, Case{0, "1/1"}, Case{5, "1/1"}}) {
        translation.records.clear();
        LoadIntervals({ObaSetup(c.bandwidth)});
        RecordingDC dc;
        report->LayoutSettingsColumns(dc);
        for (unsigned i = 0; i < 24; ++i)
            oba::DrawSettingsLine(*report, dc, i, static_cast<int>(i));
        const int h = report->ScreenLineHeight();
        EXPECT_EQ(dc.Line(1, h), std::string("Bandwidth | ") + c.shown) << c.bandwidth;
        if (c.bandwidth != 4)
            continue;
        const std::vector<std::pair<int, std::string>> expected = {
            {0, "Octave Band Analyzer"}, {2, "Scanmode: | Auto"},        {3, "Profile: | Custom"},
            {4, "Range: | Low"},         {5, "AC Out Filter: | Weighted"}, {6, ""},
            {7, "Intervals"},            {8, "Intervals: | Enabled"},      {9, "Interval Time Sync: | Yes"},
            {10, "Interval Auto Stop: | No"}, {11, "Interval Period: | 00:15:00"}, {12, ""},
            {13, "Timer"},               {14, "Timer Mode: | 1/Day"},      {15, "Start Date: | 15-Jul-2003"},
            {16, "Stop Date: | 31-Jan-1971"}, {17, "Start Time 1: | 08:00"}, {18, "Start Time 2: | 20:00"},
            {19, "Stop Time 1: | 17:30"}, {20, "Stop Time 2: | 06:00"},    {21, ""},
            {23, ""},
        };
        for (const auto& [line, text] : expected)
            EXPECT_EQ(dc.Line(line, h), text) << "index " << line;
    }
}

TEST_F(ReportOba, PagesPrintWholeRecords)
{
    // Page 1 has room for two records of 15 lines, later pages for three.
    LoadIntervals({ObaSetup(3), ObaInterval(1, false, 1.0f), ObaInterval(2, false, 1.0f),
                   ObaInterval(3, false, 1.0f), ObaInterval(4, false, 1.0f), ObaInterval(5, false, 1.0f),
                   ObaInterval(6, false, 1.0f)});
    RecordingDC dc(true, QRect(0, 0, 1000, 640));  // 59 lines a page
    ASSERT_EQ(report->OnBeginPrinting(dc), 3);
    std::vector<std::string> numbers;
    for (int page = 1; page <= 3; ++page) {
        const RecordingDC paper = PrintedPage(page, 640);
        auto at = [&paper](int pageLine) { return paper.At((pageLine + 2) * 10); };
        EXPECT_NE(at(0).find(Printf("Page %d", page)), std::string::npos);
        if (page == 1) {
            EXPECT_EQ(at(15), "OBA Interval Records: 6");
            EXPECT_EQ(at(19), "Rec # | Date | Time | Duration");
        } else {
            EXPECT_EQ(at(4), "Rec # | Date | Time | Duration");
        }
        for (int m = 0; m < 59; ++m)
            if (at(m).find(" | 09-Jun-2003 | ") != std::string::npos)
                numbers.push_back(at(m).substr(0, 1));
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
}
