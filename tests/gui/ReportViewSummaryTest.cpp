// The measurement summaries of the logging, integrating and ZU-Reru modes,
// on the screen and on paper.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

// One report line expected on the screen.
using Expected = std::vector<std::pair<int, std::string>>;

// A LOG setup: weighting A, detector Fast, Peak-1 weighting C, the wind
// sensor as asked.
OutputRecordBuilder LogSetup(bool wind)
{
    return OutputRecordBuilder(53)
        .U16(LogSetupFields::kOptionFlags, wind ? 0x40 : 0)
        .U16(LogSetupFields::kIntervalFlags, 0x80)
        .U16(LogSetupFields::kHistoryFlags, 0x40)
        .I16(LogSetupFields::kCurrentExchangeRate, 0)
        .I16(LogSetupFields::kOverallExchangeRate, 2)
        .I16(LogSetupFields::kCriterionTime, 8)
        .I16(LogSetupFields::kDetector, 1)
        .I16(LogSetupFields::kFreqWeighting, 0)
        .I16(LogSetupFields::kPeak1Weighting, 1)
        .F32(LogSetupFields::kSplExceedance1, 999.0f)
        .I16(LogSetupFields::kPeak2Exceedance, 140)
        .I16(LogSetupFields::kPeak1Exceedance, 135)
        .I16(LogSetupFields::kHysteresis, 2)
        .F32(LogSetupFields::kWindScale, 0.5f)
        .Text(LogSetupFields::kWindUnits, "m/s")
        .I16(LogSetupFields::kWindThreshold, 20)
        .I16(LogSetupFields::kWindExceedanceLevel, 40)
        .I16(LogSetupFields::kSplExceedance2, 100)
        .I16(LogSetupFields::kLnStartLevel, 30);
}

// A summary record with both measurement sets filled.
OutputRecordBuilder LogSummary()
{
    OutputRecordBuilder s(55);
    // Overall set.
    s.U32(kOverallSet.start, 43200)
        .F32(kOverallSet.elapsed, 3725.0f)
        .Text(kOverallSet.averageLabel, "Leq")
        .Floats(kOverallSet.average, {85.3f, 90.0f, 95.0f})
        .F32(kOverallSet.sel, 100.4f)
        .F32(kOverallSet.dose, 12.5f)
        .F32(kOverallSet.projectedDose, 50.0f)
        .I16(kOverallSet.threshold, 80)
        .I16(kOverallSet.criterion, 90)
        .FloatRamp(kOverallSet.lmax, 9, 100.0f, 1.0f)
        .U32(kOverallSet.lmaxTimes + 4, 43320)
        .F32(kOverallSet.lmin + 4, 40.5f)
        .U32(kOverallSet.lminTimes + 4, 43260)
        .F32(SummaryFields::kOverallPeak1 + 4, 120.0f)
        .U32(SummaryFields::kOverallPeak1Times + 4, 43380)
        .F32(kOverallSet.peak, 125.0f)
        .U32(kOverallSet.peakTimes, 43440)
        .U32(SummaryFields::kOverloads, 2);
    // Current set.
    s.U32(kCurrentSet.start, 46800)
        .F32(kCurrentSet.elapsed, 125.5f)
        .Text(kCurrentSet.averageLabel, "Lavg")
        .Floats(kCurrentSet.average, {80.1f, -12.34f, 70.0f})
        .F32(kCurrentSet.sel, 95.2f)
        .F32(kCurrentSet.dose, 3.2f)
        .F32(kCurrentSet.projectedDose, 25.0f)
        .I16(kCurrentSet.threshold, 75)
        .I16(kCurrentSet.criterion, 85)
        .F32(kCurrentSet.lmax + 4, 105.0f)
        .U32(kCurrentSet.lmaxTimes + 4, 46920)
        .F32(kCurrentSet.lmin + 4, 35.0f)
        .U32(kCurrentSet.lminTimes + 4, 46860)
        .F32(SummaryFields::kCurrentPeak1 + 4, 118.0f)
        .U32(SummaryFields::kCurrentPeak1Times + 4, 46980)
        .F32(kCurrentSet.peak, 121.0f)
        .U32(kCurrentSet.peakTimes, 47040);
    // Ln table, wind, calibration, counts, memory and battery.
    s.Floats(SummaryFields::kLnPercentiles, {1, 10, 50, 90, 95, 99})
        .Floats(SummaryFields::kLnLevels, {70, 65, 60, 55, 50, 45})
        .F32(SummaryFields::kLdn, 66.0f)
        .F32(SummaryFields::kCnel, 67.0f)
        .F32(SummaryFields::kOverallLeq, 68.0f)
        .U32(SummaryFields::kSplExceedances1, 3)
        .U32(SummaryFields::kSplExceedances2, 1)
        .U32(SummaryFields::kPeak1Exceedances, 0)
        .U32(SummaryFields::kPeak2Exceedances, 4)
        .U32(SummaryFields::kPauses, 2)
        .F32(SummaryFields::kPausedTime, 90.0f)
        .F32(SummaryFields::kWindAverage, 3.5f)
        .F32(SummaryFields::kWindMax, 12.0f)
        .I16(SummaryFields::kWindMaxDirection, 5)
        .U32(SummaryFields::kWindMaxTime, 43200)
        .F32(SummaryFields::kWindAboveThreshold, 7.5f)
        .U32(SummaryFields::kWindExceedances, 4)
        .F32(SummaryFields::kCalOffset, 1.5f)
        .U32(SummaryFields::kChecked, 43200)
        .F32(SummaryFields::kCheckLevel, 94.0f)
        .U32(SummaryFields::kCalRecords, 2)
        .U32(SummaryFields::kIntervalRecords, 12)
        .U32(SummaryFields::kHistoryRecords, 7)
        .U32(SummaryFields::kExceedanceRecords, 1)
        .U32(SummaryFields::kDailyRecords, 3)
        .U32(SummaryFields::kRunStopRecords, 5)
        .U32(SummaryFields::kMemorySize, 1048576)
        .U32(SummaryFields::kFreeMemory, 262144)
        .Text(SummaryFields::kBattery, "Full")
        .Text(SummaryFields::kPowerSource, "Ext");
    const int shares[8] = {40, 5, 10, 5, 20, 5, 10, 5};
    for (size_t i = 0; i < 8; ++i)
        s.U32(SummaryFields::kWindShares + 4 * i, static_cast<uint32_t>(shares[i]));
    return s;
}

OutputRecordBuilder SystemWithCalibrator()
{
    return SystemRecord().F32(SystemFields::kCalibratorLevel, 114.0f).Text(SystemFields::kCalibratorSerial, "CAL123");
}

// A ZU-Reru setup with both Ln bits and time history on, weighting A.
OutputRecordBuilder TalSetup()
{
    return OutputRecordBuilder(60)
        .U16(TalSetupFields::kLnEnableFlags, 0x40)
        .U16(TalSetupFields::kHistoryFlags, 0x0A)
        .U16(TalSetupFields::kSlmWeighting, 0)
        .I16(TalSetupFields::kLnStartLevel, 25);
}

OutputRecordBuilder TalSummary()
{
    OutputRecordBuilder s(55);
    s.U32(kOverallSet.start, 43200)
        .U32(SummaryFields::kOverallEnd, 50400)
        .U32(SummaryFields::kIntervalRecords, 3)
        .U32(SummaryFields::kHistoryRecords, 120)
        .U32(kCurrentSet.start, 36000)
        .F32(kCurrentSet.elapsed, 59.9f)
        .Floats(kCurrentSet.average, {55.3f, 60.0f, 65.0f})
        .Text(kCurrentSet.averageLabel, "LAeq")
        .F32(SummaryFields::kLaftm5, 58.3f)
        .F32(SummaryFields::kLaieq, 57.1f)
        .FloatRamp(SummaryFields::kSpl, 9, 50.0f, 1.0f)
        .FloatRamp(kCurrentSet.lmax, 9, 70.0f, 1.0f)
        .U32(kCurrentSet.lmaxTimes + 4, 36060)
        .Floats(SummaryFields::kLnPercentiles, {10, 20, 50, 80, 90, 99})
        .Floats(SummaryFields::kLnLevels, {55.3f, 52, 50, 45, 40, 35})
        .F32(SummaryFields::kRtaRunTime, 300.0f)
        .FloatRamp(SummaryFields::kLeqThirds, 33, 30.0f, 1.0f)
        .F32(SummaryFields::kLeqThirds + 4, 999.0f)
        .F32(SummaryFields::kTonalityElapsed, 60.0f)
        .U32(SummaryFields::kToneFrequency, 1000)
        .U32(SummaryFields::kBarqBandwidth, 150)
        .F32(SummaryFields::kToneLevel, 70.0f)
        .F32(SummaryFields::kGroupLevel, 64.5f);
    return s;
}

constexpr int kPaperHeight = 650;  // 60 lines a page

// The texts of a printed page's line.
std::string PageLine(const RecordingDC& paper, int pageLine)
{
    return paper.At((pageLine + 2) * RecordingDC::kLineHeight);
}

}  // namespace

class ReportSummary : public ReportFixture {
protected:
    void ExpectLines(const Expected& expected)
    {
        const auto lines = ScreenLines();
        for (const auto& [line, text] : expected) {
            ASSERT_LT(static_cast<size_t>(line), lines.size());
            EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;
        }
    }
    int PageCount()
    {
        RecordingDC probe(true, QRect(0, 0, 1000, kPaperHeight));
        return report->OnBeginPrinting(probe);
    }
};

TEST_F(ReportSummary, LogSummaryWithWindLinesThenTheAnyDataBlocks)
{
    translation.Add(SystemWithCalibrator()).Add(LogSetup(true)).Add(LogSummary());
    Select("1 .Summary");
    ASSERT_EQ(report->GetReportType(), 1);
    ASSERT_EQ(report->GetLineCount(), 119);
    ExpectLines({
        {12, "Note2: | Note two"},
        {13, ""},
        {14, "Overall Measurement | Current Measurement"},
        {15, "Start Time: | 01-Jan-1970 12:00:00 | Start Time: | 01-Jan-1970 13:00:00"},
        {16, "Elapsed Time: | 01:02:05 | Elapsed Time: | 00:02:05.5"},
        {17, "Leq: | 85.3 dBA | Lavg: | 80.1 dBA"},
        {18, "SEL: | 100.4 dBA | SEL: | 95.2 dBA"},
        {19, "Dose: (8 hr) | 12.5 % | Dose: (8 hr) | 3.2 %"},
        {20, "Proj. Dose: | 50.0 % | Proj. Dose: | 25.0 %"},
        {21, "Threshold: | 80 dB | Threshold: | 75 dB"},
        {22, "Criterion: | 90 dB | Criterion: | 85 dB"},
        {23, "Exchange Rate: |  5 dB | Exchange Rate: |  3 dB"},
        {24, ""},
        {25, "Min: | 40.5 dBA  01-Jan-1970 12:01:00 | Min: | 35.0 dBA  01-Jan-1970 13:01:00"},
        {26, "Max: | 101.0 dBA  01-Jan-1970 12:02:00 | Max: | 105.0 dBA 01-Jan-1970 13:02:00"},
        {27, "Peak-1: | 120.0 dBC  01-Jan-1970 12:03:00 | Peak-1: | 118.0 dBC  01-Jan-1970 13:03:00"},
        {28, "Peak-2: | 125.0 dBA  01-Jan-1970 12:04:00 | Peak-2: | 121.0 dBA  01-Jan-1970 13:04:00"},
        {30, "Ln Start Level: | 30 dB"},
        {31, "L1.00 | 70.0 dBA | L90.00 | 55.0 dBA | LDN: | 66.0 dBA"},
        {32, "L10.00 | 65.0 dBA | L95.00 | 50.0 dBA | CNEL: | 67.0 dBA"},
        {33, "L50.00 | 60.0 dBA | L99.00 | 45.0 dBA | Overall Leq: | 68.0 dBA"},
        {35, "Detector: | Fast"},
        {36, "Weighting: | A"},
        {37, "SPL Exceedance Level 1: |  ---  | Exceeded: | 3 times"},
        {38, "SPL Exceedance level 2: |   100 | Exceeded: | 1 times"},
        {40, "Peak-2 Exceedance Level: |   140 | Exceeded: | 4 times"},
        {41, "Hysteresis: | 2"},
        {42, "Overloaded: | 2 time(s)"},
        {43, "Paused: | 2 times for 00:01:30.0"},
        {45, "Wind Average: | 3.5 m/s | Wind Max: | 12.0 m/s"},
        {46, "Wind Direction at Max: | ESE | Time at Wind Max: | 01/01/70 12:00:00"},
        {47, "Wind Threshold: | 10.0 m/s | Exceed Threshold: |  7.5%"},
        {48, "Wind Exceedance level: | 20.0 m/s | Wind Exceedances: | 4"},
        {49, "Wind Direction Percentages:"},
        {50, "  N:   40% |   E:   10% |   S:   20% |   W:   10%"},
        {51, " NE:    5% |  SE:    5% |  SW:    5% |  NW:    5%"},
        {53, "Calibrated: | --- | Offset:    1.5 dB"},
        {54, "Checked: | 01-Jan-1970 12:00:00 | Level:   94.0 dB"},
        {55, "Calibrator | CAL123 | Level:  114.0 dB"},
        {56, "Cal Records Count: | 2"},
        {58, "Interval Records: | Enabled | Number Interval Records: |    12"},
        {59, "History Records: | Disabled | Number History Records: |     7"},
        {61, "Daily Records: | Enabled | Number Daily Records: |     3"},
        {62, "Run/Stop Records: | Number Run/Stop Records: |     5"},
        {64, "J57 Memory: | 1048576 bytes"},
        {65, "Free Memory: | 262144 bytes 25.00% free"},
        {67, "Battery Level: | Full Source: Ext"},
        {68, ""},
        {69, "Overall Any Data      **** 2 OVERLOAD(S) DETECTED ****"},
        {70, "Start Time: | 01-Jan-1970 12:00:00"},
        {72, ""},
        {73, "A Weight | C Weight | Flat"},
        {74, "Leq: | 85.3 dBA | 90.0 dBC | 95.0 dBF"},
        {79, "Lmax (slow): | 100.0 dBA | 103.0 dBC | 106.0 dBF"},
        {89, "Lmax (impulse): | 102.0 dBA | 105.0 dBC | 108.0 dBF"},
        {93, ""},
        {94, "Current Any Data"},
        {96, "Elapsed Time: | 00:02:05.5"},
        {99, "Lavg: | 80.1 dBA | -12.3 dBC | 70.0 dBF"},
        {101, "Peak: | 121.0 dBA | 0.0 dBC | 0.0 dBF"},
        {102, "01-Jan-1970 13:04:00 | 01-Jan-1970 00:00:00 | 01-Jan-1970 00:00:00"},
        {118, ""},
    });
    EXPECT_EQ(ScreenLines()[1].substr(0, 33), "Logging Sound Level Meter Summary");
}

TEST_F(ReportSummary, LogSummaryWithoutWindIsEightLinesShorterAndFallsBackToEntryZero)
{
    // Weighting code 3 (1/1 octave): average and SEL show 0.0, Min and Max
    // the first entry of their tables.
    translation.Add(SystemRecord())
        .Add(LogSetup(false).I16(LogSetupFields::kFreqWeighting, 3))
        .Add(LogSummary()
                 .F32(kOverallSet.lmin, 33.0f)
                 .F32(kOverallSet.lmax, 99.0f)
                 .U32(SummaryFields::kOverloads, 0)
                 .U32(SummaryFields::kMemorySize, 0));
    Select("1 .Summary");
    ExpectLines({
        {17, "Leq: | 0.0 dB1/1 | Lavg: | 0.0 dB1/1"},
        {25, "Min: | 33.0 dB1/1  01-Jan-1970 00:00:00 | Min: | 0.0 dB1/1  01-Jan-1970 00:00:00"},
        {26, "Max: | 99.0 dB1/1  01-Jan-1970 00:00:00 | Max: | 0.0 dB1/1 01-Jan-1970 00:00:00"},
        {36, "Weighting: | Oct"},
        {45, "Calibrated: | --- | Offset:    1.5 dB"},
        {47, "Calibrator |  | Level:    0.0 dB"},
        {57, "Free Memory: | 262144 bytes   ---% free"},
        {59, "Battery Level: | Full Source: Ext"},
        {60, ""},
        {61, "Overall Any Data"},
        {85, ""},
        {86, "Current Any Data"},
        {108, "Lmin (impulse): | 0.0 dBA | 0.0 dBC | 0.0 dBF"},
        {110, ""},
    });
}

TEST_F(ReportSummary, IsmSummaryIsTheCurrentBlockAlone)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(52))
        .Add(OutputRecordBuilder(55)
                 .U32(kCurrentSet.start, 46800)
                 .F32(kCurrentSet.elapsed, 7322.0f)
                 .Floats(kCurrentSet.average, {80.1f, -12.34f, 70.0f})
                 .U32(SummaryFields::kOverloads, 5)
                 .FloatRamp(kCurrentSet.lmin, 9, 30.0f, 1.0f));
    Select("1 .Summary");
    ASSERT_EQ(report->GetLineCount(), 119);
    ExpectLines({
        {13, ""},
        {14, "Current Any Data"},
        {15, "Start Time: | 01-Jan-1970 13:00:00"},
        {16, "Elapsed Time: | 02:02:02"},
        {17, ""},
        {19, ": | 80.1 dBA | -12.3 dBC | 70.0 dBF"},
        {23, ""},
        {28, ""},
        {31, "Lmin (fast): | 31.0 dBA | 34.0 dBC | 37.0 dBF"},
        {33, ""},
        {37, "01-Jan-1970 00:00:00 | 01-Jan-1970 00:00:00 | 01-Jan-1970 00:00:00"},
        {38, ""},
    });
    EXPECT_EQ(ScreenLines()[1].substr(0, 37), "Integrating Sound Level Meter Summary");

    EXPECT_EQ(PageCount(), 1);
    const RecordingDC page = PrintedPage(1, kPaperHeight);
    EXPECT_EQ(PageLine(page, 14), "");
    EXPECT_EQ(PageLine(page, 15), "Current Any Data");
    EXPECT_EQ(PageLine(page, 20), ": | 80.1 dBA | -12.3 dBC | 70.0 dBF");
    EXPECT_EQ(page.Selected(), ReportFont::Screen);
}

TEST_F(ReportSummary, TalSummaryBlocksInTheirPlan)
{
    translation.Add(SystemRecord()).Add(TalSetup()).Add(TalSummary());
    Select("1 .Summary");
    ASSERT_EQ(report->GetLineCount(), 119);
    const Expected expected = {
        {13, ""},
        {14, "Overall Start Time: | 01-Jan-1970 12:00:00"},
        {15, "Overall End Time: | 01-Jan-1970 14:00:00"},
        {16, ""},
        {17, "Number Snapshot Records: |     3 | Ln Table: | Enabled"},
        {18, "Number History Records: |   120 | Time History: | Enabled"},
        {20, "Current Data:"},
        {21, "SLM Mode"},
        {22, "SLM Start Time: | 01-Jan-1970 10:00:00 | SLM End Time: | 01-Jan-1970 10:00:59"},
        {23, "SLM Elapsed Time: | 00:00:59.9"},
        {25, "LAFTM5: | 58.3 dB | LCeq: | 60.0 dB | LAIeq: | 57.1 dB"},
        {26, "LAeq: | 55.3 dB | LAeq: | 55.3 dB | LAeq: | 55.3 dB"},
        {27, "LAFTM5-LAeq: | 3.0 dB | LCeq-LAeq: | 4.7 dB | LAIeq-LAeq: | 1.8 dB"},
        {28, ""},
        {29, "A Weight | C Weight | Flat"},
        {30, "LAeq: | 55.3 dBA | 60.0 dBC | 65.0 dBF"},
        {31, "SPL Slow: | 50.0 dBA | 53.0 dBC | 56.0 dBF"},
        {33, "SPL Impulse | 52.0 dBA | 55.0 dBC | 58.0 dBF"},
        {34, ""},
        {38, "Lmax (fast): | 71.0 dBA | 74.0 dBC | 77.0 dBF"},
        {39, "01-Jan-1970 10:01:00 | 01-Jan-1970 00:00:00 | 01-Jan-1970 00:00:00"},
        {40, ""},
        {41, "Lmax (impulse): | 72.0 dBA | 75.0 dBC | 78.0 dBF"},
        {43, ""},
        {44, "Ln Start Level: | 25 dB"},
        {45, "L1 10.00 | 55.3 dBA | L3 50.00 | 50.0 dBA | L5 90.00 | 40.0 dBA"},
        {46, "L2 20.00 | 52.0 dBA | L4 80.00 | 45.0 dBA | L6 99.00 | 35.0 dBA"},
        {47, ""},
        {48, "RTA Mode: Leq Spectrum"},
        {49, "RTA Run Time: | 00:05:00.0"},
        {50, ""},
        {51, "Freq. Hz | Leq 1/3dB | Freq. Hz | Leq 1/3dB"},
        {52, "8.0 | 30.0 | 400 | 47.0"},
        {53, "10.0 |  ---  | 500 | 48.0"},
        {68, "315 | 46.0"},
        {69, ""},
        {70, "Tonality Mode"},
        {71, "Tonality Elapsed Time: | 00:01:00.0"},
        {72, "ft (Freq. Tone) | 1000 Hz | Lt (Ltone) | 70.0 dB"},
        {73, "delta fc (BARQ Bandwidth) | 150 Hz | Lg (LGroup) | 64.5 dB"},
        {74, "Lt-Lg | 5.5 dB"},
        {75, ""},
        {118, ""},
    };
    ExpectLines(expected);
    EXPECT_EQ(ScreenLines()[1].substr(0, 15), "ZU-Reru Summary");

    // On paper the same lines: page 1 up to the line before its last (page
    // line 58), then page 2 from page line 3.
    EXPECT_EQ(PageCount(), 2);
    const RecordingDC page = PrintedPage(1, kPaperHeight);
    const std::map<int, std::string> screen(expected.begin(), expected.end());
    for (int line : {14, 27, 30, 45, 48, 53})
        EXPECT_EQ(PageLine(page, line), screen.at(line)) << "page line " << line;
    EXPECT_EQ(PageLine(page, 0).substr(0, 15), "ZU-Reru Summary");
    const RecordingDC second = PrintedPage(2, kPaperHeight);
    for (int line : {68, 70, 72, 74})
        EXPECT_EQ(PageLine(second, 3 + line - 59), screen.at(line)) << "screen line " << line;
    EXPECT_EQ(PageLine(second, 3 + 75 - 59), "");
}

TEST_F(ReportSummary, TalSummaryWithOneLnBitNoSuffixAndNoSummaryRecord)
{
    translation.Add(SystemRecord())
        .Add(TalSetup()
                 .U16(TalSetupFields::kHistoryFlags, 0x02)
                 .U16(TalSetupFields::kLnEnableFlags, 0)
                 .U16(TalSetupFields::kSlmWeighting, 5))
        .Add(TalSummary());
    Select("1 .Summary");
    ExpectLines({
        {17, "Number Snapshot Records: |     3 | Ln Table: | Disabled"},
        {18, "Number History Records: |   120 | Time History: | Disabled"},
        {45, "L1 10.00 | 55.3 dB | L3 50.00 | 50.0 dB | L5 90.00 | 40.0 dB"},
    });

    // Without the summary record only the spectrum's two headings remain.
    translation.records.pop_back();
    Select("1 .Summary");
    const auto lines = ScreenLines();
    std::vector<int> drawn;
    for (int n = 14; n < static_cast<int>(lines.size()); ++n)
        if (!lines[static_cast<size_t>(n)].empty())
            drawn.push_back(n);
    EXPECT_EQ(drawn, (std::vector<int>{48, 51}));
}

TEST_F(ReportSummary, LogSummaryPrintsThreeSectionsEachFromAPageOfItsOwn)
{
    translation.Add(SystemRecord()).Add(LogSetup(false)).Add(LogSummary());
    Select("1 .Summary");
    ASSERT_EQ(PageCount(), 3);
    const char* const titles[] = {"Logging Sound Level Meter Summary", "Logging SLM Overall Any Data",
                                  "Logging SLM Current Any Data"};
    const char* const first[] = {"Overall Measurement | Current Measurement",
                                 "Overall Any Data      **** 2 OVERLOAD(S) DETECTED ****", "Current Any Data"};
    for (int k = 1; k <= 3; ++k) {
        const RecordingDC page = PrintedPage(k, kPaperHeight);
        const std::string title = PageLine(page, 1);
        EXPECT_EQ(title.substr(0, title.find(" | ")), titles[k - 1]);
        EXPECT_NE(title.find(Printf("Page %d", k)), std::string::npos);
        EXPECT_EQ(PageLine(page, 3).substr(0, 16), "File Translated:");
        EXPECT_EQ(PageLine(page, 13), "");
        EXPECT_EQ(PageLine(page, 14), first[k - 1]);
    }
    const RecordingDC summary = PrintedPage(1, kPaperHeight);
    EXPECT_EQ(PageLine(summary, 59), "Battery Level: | Full Source: Ext");
}

TEST_F(ReportSummary, LogSummaryWithWindContinuesItsFirstSectionOnASecondPage)
{
    translation.Add(SystemRecord()).Add(LogSetup(true)).Add(LogSummary());
    Select("1 .Summary");
    ASSERT_EQ(PageCount(), 4);
    const RecordingDC first = PrintedPage(1, kPaperHeight);
    EXPECT_EQ(PageLine(first, 45), "Wind Average: | 3.5 m/s | Wind Max: | 12.0 m/s");
    EXPECT_EQ(PageLine(first, 59), "History Records: | Disabled | Number History Records: |     7");
    const RecordingDC second = PrintedPage(2, kPaperHeight);
    EXPECT_EQ(PageLine(second, 2), "");
    EXPECT_EQ(PageLine(second, 3), "Exceedance Records: | Disabled | Number Exceedance Records: |     1");
    EXPECT_EQ(PageLine(second, 10), "Battery Level: | Full Source: Ext");
    EXPECT_EQ(PageLine(second, 11), "");
    const RecordingDC overall = PrintedPage(3, kPaperHeight);
    EXPECT_EQ(PageLine(overall, 14), "Overall Any Data      **** 2 OVERLOAD(S) DETECTED ****");

    EXPECT_EQ(PrintToPdfPages(), 3u);  // all sections fit a page of paper
}

TEST_F(ReportSummary, SlmAndRtaSummaryCarriesBothAnyDataBlocks)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(51))
        .Add(OutputRecordBuilder(55)
                 .U32(SummaryFields::kOverloads, 1)
                 .Text(kOverallSet.averageLabel, "Leq")
                 .Text(kCurrentSet.averageLabel, "Lavg"));
    Select("1 SSA Summary");
    ExpectLines({
        {14, "Overall Any Data      **** 1 OVERLOAD(S) DETECTED ****"},
        {19, "Leq: | 0.0 dBA | 0.0 dBC | 0.0 dBF"},
        {76, "Current Any Data"},
        {81, "Lavg: | 0.0 dBA | 0.0 dBC | 0.0 dBF"},
    });
}
