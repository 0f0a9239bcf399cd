// The settings reports of the measurement modes.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

class ReportSettings : public ReportFixture {};

TEST_F(ReportSettings, LogSettingsInTwoHalves)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53)
                 .U16(LogSetupFields::kOptionFlags, 0x40)
                 .U16(LogSetupFields::kIntervalFlags, 0x81)
                 .U16(LogSetupFields::kHistoryFlags, 0x04)
                 .I16(LogSetupFields::kCurrentExchangeRate, 3)
                 .I16(LogSetupFields::kCriterionTime, 8)
                 .U16(LogSetupFields::kDetector, 1)
                 .U16(LogSetupFields::kFreqWeighting, 4)
                 .U16(LogSetupFields::kPeak1Weighting, 7)
                 .Floats(LogSetupFields::kLnPercentiles, {10, 50, 90, 1.5f, 99, 0.25f})
                 .I16(LogSetupFields::kLnStartLevel, 5)
                 .I16(LogSetupFields::kPrintDataReport, 2)
                 .I16(LogSetupFields::kPrintSplHistogram, 1)
                 .Text(LogSetupFields::kStartDate, "03/05/09")
                 .Text(LogSetupFields::kStopDate, "71/13/31")
                 .Text(LogSetupFields::kStartTime1, "08:00")
                 .Text(LogSetupFields::kStartTime2, "20:00"));
    Select("1 LOG Settings");
    ASSERT_EQ(report->GetReportType(), 3);
    EXPECT_EQ(report->GetLineCount(), 60);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 34), "Logging Sound Level Meter Settings");
    const std::vector<std::pair<int, std::string>> expected = {
        {14, "Sound Level Meter | Time Weighted Average"},
        {15, "Detector: | Fast | Criterion Time: | 8 hours"},
        {16, "Weighting: | 1/3 | Current Criterion Level: | 0 dB"},
        {17, "Peak-1 Weighting: | Flat | Overall Criterion Level: | 0 dB"},
        {19, "AC Output Control: | AC-1 AC-2 | Ln Percentiles"},
        {20, "Current Threshold: | 0 | Start Level: | 5 dB"},
        {21, "Current Exchange Rate: | 6 dB | L10.00 | L1.50"},
        {23, "Overall Exchange Rate: | 3 dB | L90.00 | L0.25"},
        {24, ""},
        {30, "Exceedance Hysteresis: | 0 dB | Resolution: | 1.0 dB"},
        {33, "Intervals: | Enabled | Print Data Report: | No"},
        {34, "Interval Time Sync: | No | Print SPL Histogram: | Yes"},
        {36, "Interval Save Ln Table: | Yes | Print Peak-2 Histogram: | No"},
        {44, "Start Date: | 09-May-2003 | Daily Ln: | No"},
        {45, "Stop Date: | 31-Jan-1971 | Daily Ln Table: | No"},
        {46, "Start Time 1: | 08:00 | Daily Auto. Calibration: | No"},
        {47, "Start Time 2: | 20:00"},
        {50, ""},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;
}

TEST_F(ReportSettings, SsaSettingsWithItsLnColumnsAndVersionedRtaWeighting)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(51)
                 .I16(SsaSetupFields::kFormatVersion, 3)
                 .U8(SsaSetupFields::kModeFlags, 0x0C)
                 .U8(SsaSetupFields::kIntervalFlags, 0x20)
                 .U8(SsaSetupFields::kDetector, 2)
                 .U8(SsaSetupFields::kRtaWeighting, 0)
                 .U8(SsaSetupFields::kSecondDisplay, 4)
                 .U8(SsaSetupFields::kGain, 9)
                 .Text(SsaSetupFields::kIntervalPeriod, "1:30:0")
                 .U8(SsaSetupFields::kLnFlags, 0x02)
                 .I16(SsaSetupFields::kIntervalSpectra, 2)
                 .I16(SsaSetupFields::kSpectralLn, 2)
                 .I16(SsaSetupFields::kIntervalExchangeRate, 0)
                 .Floats(SsaSetupFields::kLnPercentiles, {10, 20, 30, 40, 50, 60})
                 .Text(SsaSetupFields::kStartDate, "03/05/21"));
    Select("1 SSA Settings");
    ASSERT_EQ(report->GetReportType(), 13);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 32), "Sound Level Meter / RTA Settings");
    const std::vector<std::pair<int, std::string>> expected = {
        {14, "Sound Level Meter / RTA Analyzer | Ln"},
        {15, "Bandwidth: | 1/3 | Ln: | Enabled"},
        {16, "Detector: | Impulse | Start Level: | 0 dB"},
        {17, "Weighting: | A | Spectral Ln Option: | Interval"},
        {19, "Second Display | Peak | L10.00 | L40.00"},
        {20, "Gain | +0 | L20.00 | L50.00"},
        {21, "RTA Detector | Fast | L30.00 | L60.00"},
        {22, "RTA Weighting: | Flat"},
        {27, "Interval Time Sync: | Yes | Time History Period: | 0"},
        {31, "Interval Period: | 01:30:00"},
        {33, "Interval Exchange Rate: | 3 dB"},
        {34, "Interval Spectra Option: | Min of Min"},
        {38, "Start Date: | 21-May-2003"},
        {44, ""},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;
}

TEST_F(ReportSettings, TalSettingsAndItsPrintedPage)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(60)
                 .U16(TalSetupFields::kLnEnableFlags, 0x04)
                 .Text(TalSetupFields::kSlmRunTimer, "01:00:00")
                 .U16(TalSetupFields::kGain, 9)
                 .U16(TalSetupFields::kHistoryFlags, 0x08)
                 .Floats(TalSetupFields::kLnPercentiles, {5, 10, 50, 90, 95, 99})
                 .U8(TalSetupFields::kTonalAveraging, 200)
                 .U8(TalSetupFields::kMode, 3)
                 .I16(TalSetupFields::kLnStartLevel, 30));
    Select("1 TAL Settings");
    ASSERT_EQ(report->GetReportType(), 23);
    const auto lines = ScreenLines();
    const std::vector<std::pair<int, std::string>> expected = {
        {14, "ZU-Reru Analyzer | Ln Percentiles"},
        {15, "Bandwidth: | 1/3 | L5.00 | L90.00"},
        {17, "Weighting: | A | L50.00 | L99.00"},
        {18, "Gain: | +0"},
        {19, "RTA Detector: | Fast | Ln Start Level: | 30 dB"},
        {20, ""},
        {22, "Time History: | Enabled"},
        {25, "Resolution: | 0.1 dB"},
        {28, "Slm Run Timer: | 01:00:00"},
        {30, "Tonal Averaging Count: | -56"},
        {31, "ZU-Reru Mode:"},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;

    RecordingDC paper(true, QRect(0, 0, 1000, 800));
    ASSERT_EQ(report->OnBeginPrinting(paper), 1);
    report->OnPrint(paper, 1, QRect(0, 0, 1000, 800));
    EXPECT_EQ(paper.At(2 * 10).substr(0, 16), "ZU-Reru Settings");
    EXPECT_EQ(paper.At((3 + 2) * 10).substr(0, 16), "File Translated:");
    EXPECT_EQ(paper.At((14 + 2) * 10), "ZU-Reru Analyzer | Ln Percentiles");
    EXPECT_EQ(paper.At((31 + 2) * 10), "ZU-Reru Mode:") << "every entry reaches paper";
}

TEST_F(ReportSettings, FftSettingsAndSnapshotsWithTheirFrequencyColumns)
{
    OutputRecordBuilder snap(69);
    snap.U32(SnapshotFields::kRecordNumber, 12)
        .U32(SnapshotFields::kTime, 7200)
        .U16(FftSnapshotFields::kAverageCount, 16)
        .U16(FftSnapshotFields::kOverloads, 2)
        .F32(FftSnapshotFields::kSpl, 71.25f)
        .FloatRamp(FftSnapshotFields::kSpectrum, 401, 0.0f, 0.5f)
        .F32(FftSnapshotFields::kSpectrum + 4 * 81, 999.0f);
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(63)
                 .I16(FftSetupFields::kBandwidthIndex, 0)
                 .U16(FftSetupFields::kGain, 9)
                 .I16(FftSetupFields::kWindow, 5)
                 .I16(FftSetupFields::kOverloadSkipping, 64)
                 .I16(FftSetupFields::kAverageCount, 32))
        .Add(snap)
        .Add(snap);
    Select("1 FFT Settings");
    ASSERT_EQ(report->GetReportType(), 25);
    auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "FFT Analyzer");
    EXPECT_EQ(lines[15], "Bandwidth: | 0 - 200 Hz");
    EXPECT_EQ(lines[16], "Gain: | +0");
    EXPECT_EQ(lines[17], "Average Count: | 32");
    EXPECT_EQ(lines[18], "Window: | Unknown ??");
    EXPECT_EQ(lines[19], "Overload Skipping: | Enabled");

    Select("2 FFT Snapshots");
    ASSERT_EQ(report->GetReportType(), 27);
    ASSERT_EQ(report->GetLineCount(), 15 + 176);
    lines = ScreenLines();
    EXPECT_EQ(lines[14], "Snapshot Records");
    EXPECT_EQ(lines[15], "***Record #12 ***");
    EXPECT_EQ(lines[16], "Timestamp: | 01-Jan-1970 02:00:00");
    EXPECT_EQ(lines[17], "Average Count: |    16 | Overload Count: |     2");
    EXPECT_EQ(lines[18], "SPL: | 71.3 dB");
    EXPECT_EQ(lines[21], "  0.0 | 0.0");
    EXPECT_EQ(lines[22], "  0.5 | 0.5 |  40.5 |  ---  |  80.5 | 80.5 | 120.5 | 120.5 | 160.5 | 160.5");
    EXPECT_EQ(lines[101], " 40.0 | 40.0 |  80.0 | 80.0 | 120.0 | 120.0 | 160.0 | 160.0 | 200.0 | 200.0");
    EXPECT_EQ(lines[15 + 88], "***Record #12 ***");

    RecordingDC paper(true, QRect(0, 0, 1000, 640));  // 59 lines a page
    const int pages = report->OnBeginPrinting(paper);
    EXPECT_EQ(pages, 1 + 3);  // 43 entries on page 1, then 55 a page
    RecordingDC page2(true, QRect(0, 0, 1000, 640));
    report->OnBeginPrinting(page2);
    report->OnPrint(page2, 2, QRect(0, 0, 1000, 640));
    // Page 2 continues with entry 43: spectrum row 37 of the first record.
    EXPECT_EQ(page2.At((3 + 2) * 10).substr(0, 27), " 18.5 | 18.5 |  58.5 | 58.5");
}

TEST_F(ReportSettings, RtaSettingsWithTriggerRowsAndLogicOutputs)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(70)
                 .I16(RtaSetupFields::kVersion, 4)
                 .U8(RtaSetupFields::kBandwidthFlags, 0xA0)
                 .U8(RtaSetupFields::kStoreFlags, 0x20)
                 .U8(RtaSetupFields::kTriggerFlags, 0x8C)
                 .F32(RtaSetupFields::kLinearDetectorTime, 0.12349f)
                 .U8(RtaSetupFields::kExpDetectorTime, 2)
                 .U16(RtaSetupFields::kLogicOutMap, (1 << 0) | (1 << 14))
                 .U8(RtaSetupFields::kTriggerSource, 33)
                 .U8(RtaSetupFields::kArmMode, 1)
                 .U8(RtaSetupFields::kTriggerMode, 6)
                 .U8(RtaSetupFields::kEndMode, 0)
                 .F32(RtaSetupFields::kArmLevel, 999.0f)
                 .F32(RtaSetupFields::kArmTime, 1.5f)
                 .U16(RtaSetupFields::kTriggerSamples, 0xFFFF)
                 .U8(RtaSetupFields::kEndThen, 1)
                 .U8(RtaSetupFields::kRepeatCount, 10)
                 .U8(RtaSetupFields::kRt60DbDown, 2)
                 .Text(RtaSetupFields::kNote, "Hall A"));
    Select("1 RTA Settings");
    ASSERT_EQ(report->GetReportType(), 28);
    const auto lines = ScreenLines();
    const std::vector<std::pair<int, std::string>> expected = {
        {14, "RTA | AutoStore"},
        {15, "Bandwidth: | 1/3 | AutoStore: | Enabled"},
        {16, "Detector: | Lin | Pretrigger #: | 0"},
        {18, "Lin. Detect Time: | 0.1225"},
        {19, "Exp. Detect. Time: | 1/8"},
        {20, "Exp. Store Rate: | 1/8"},
        {21, "RT60 dB Down: | 15 dB"},
        {22, "Note: | Hall A"},
        {26, "Trigger Source: | Flat"},
        {28, "Mode | Level dB | Time sec | Samples | Logic"},
        {29, "Arm | L< |  ---  | 1.5000 |    -    |    -   "},
        {30, "Trigger | Count |    -    |    -    | -1 |    -   "},
        {31, "End | Never |    -    |    -    |    -    |    -   "},
        {34, "    Action: | Repeat"},
        {38, "Run On Logic Input: | Yes | Logic Level: | High"},
        {40, "Logic Out: | Ended | Trigger | Armed | Ready | Stop"},
        {41, "    Heat | X |   |   |   |  "},
        {43, "    Logic Out |   |   |   |   | X"},
        {44, ""},
    };
    for (const auto& [line, text] : expected)
        EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;
}

TEST_F(ReportSettings, FftSummaryHeadAndSpectrumTable)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(63)
                 .I16(FftSetupFields::kBandwidthIndex, 1)
                 .I16(FftSetupFields::kWindow, 1)
                 .I16(FftSetupFields::kOverloadSkipping, -1)
                 .I16(FftSetupFields::kAverageCount, 8))
        .Add(OutputRecordBuilder(55)
                 .U32(kCurrentSet.start, 3600)
                 .U32(SummaryFields::kFftEndTime, 7200)
                 .F32(kCurrentSet.elapsed, 3600.0f)
                 .U32(SummaryFields::kOverloads, 2)
                 .FloatRamp(SummaryFields::kFftSpectrum, 401, 0.0f, 1.0f)
                 .F32(SummaryFields::kFftSpectrum + 4 * 81, 999.0f));
    Select("1 FFT Summary");
    ASSERT_EQ(report->GetReportType(), 32);
    ASSERT_EQ(report->GetLineCount(), 105);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "Overall Measurement       **** 2 OVERLOAD(S) DETECTED ****");
    EXPECT_EQ(lines[15], "Start Time: | 01-Jan-1970 01:00:00 | End Time: | 01-Jan-1970 02:00:00");
    EXPECT_EQ(lines[16], "Run Time: | 01:00:00");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "Bandwidth: | 0 - 500 Hz");
    EXPECT_EQ(lines[20], "Window: | Hanning");
    EXPECT_EQ(lines[21], "Overload Skipping: | Enabled");
    EXPECT_EQ(lines[23].substr(0, 19), "Freq. Hz | Level dB");
    EXPECT_EQ(lines[24], "  0.00 | 0.0");
    EXPECT_EQ(lines[25], "  1.25 | 1.0 | 101.25 |  ---  | 201.25 | 161.0 | 301.25 | 241.0 | 401.25 | 321.0");
    EXPECT_EQ(lines[104].substr(0, 15), "100.00 | 80.0 |");

    RecordingDC paper(true, QRect(0, 0, 1000, 640));  // 59 lines a page
    ASSERT_EQ(report->OnBeginPrinting(paper), 2);
    RecordingDC page2(true, QRect(0, 0, 1000, 640));
    report->OnBeginPrinting(page2);
    report->OnPrint(page2, 2, QRect(0, 0, 1000, 640));
    EXPECT_EQ(page2.At((4 + 2) * 10).substr(0, 19), "Freq. Hz | Level dB");
    // Page 1 holds entries 0 to 34 (page lines 23 to 57); page 2 goes on.
    EXPECT_EQ(page2.At((5 + 2) * 10).substr(0, 13), " 42.50 | 34.0");
}

TEST_F(ReportSettings, SpatiallyAveragedHistoryOfOctaveData)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(72)
                 .U32(SnapshotFields::kRecordNumber, 3)
                 .U32(SnapshotFields::kTime, 60)
                 .I16(AveragedSnapshotFields::kAverageCount, 4)
                 .Text(AveragedSnapshotFields::kLabel, "Room 2")
                 .F32(AveragedSnapshotFields::kSpl, 88.0f)
                 .FloatRamp(AveragedSnapshotFields::kBands, 11, 40.0f, 1.0f)
                 .U16(AveragedSnapshotFields::kBandwidth, 0));
    Select("1 Spatially Averaged Samples");
    ASSERT_EQ(report->GetReportType(), 29);
    ASSERT_EQ(report->GetLineCount(), 14 + 13);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[14], "***Record #3 ***");
    EXPECT_EQ(lines[15], "Timestamp: | 01-Jan-1970 00:01:00");
    EXPECT_EQ(lines[16], "Average Count: | 4     | Note: Room 2");
    EXPECT_EQ(lines[17], "Flat Level: | 88.0 dB");
    EXPECT_EQ(lines[19], "Freq. Hz | Avg 1/1dB | Freq. Hz | Avg 1/1dB");
    EXPECT_EQ(lines[20], "16.0 | 40.0 | 1000 | 46.0");
    EXPECT_EQ(lines[25], "500 | 45.0");
    EXPECT_EQ(lines[26], "");
}

TEST_F(ReportSettings, RtaSummaryTimesAndOctaveSpectra)
{
    OutputRecordBuilder sum(55);
    sum.U32(kOverallSet.start, 43200)
        .F32(kOverallSet.elapsed, 90.7f)
        .U32(kCurrentSet.start, 43200)
        .F32(kCurrentSet.elapsed, 30.0f)
        .F32(SummaryFields::kSpectraDuration, 2.5f)
        .Text(SummaryFields::kOverloadMark, "    ")
        .FloatRamp(SummaryFields::kLeqThirds, 12, 50.0f, 1.0f)
        .F32(SummaryFields::kLeqThirds + 4 * 3, 999.0f)
        .F32(SummaryFields::kSpatialCount, 3.0f);
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(70).U8(RtaSetupFields::kBandwidthFlags, 0x00).U8(RtaSetupFields::kStoreFlags, 0x20))
        .Add(sum);
    Select("1 .Summary");
    ASSERT_EQ(report->GetReportType(), 1);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 11), "RTA Summary");
    EXPECT_EQ(lines[14], "Overall Start Time: | 01-Jan-1970 12:00:00");
    EXPECT_EQ(lines[15], "Overall End Time: | 01-Jan-1970 12:01:30");
    EXPECT_EQ(lines[17], "Auto store: | Enabled");
    EXPECT_EQ(lines[18], "ByTime: | Disabled");
    EXPECT_EQ(lines[21], "Elapsed Time: | 00:00:30.0");
    EXPECT_EQ(lines[24], "Spectra Duration: | 2.50");
    EXPECT_EQ(lines[26], "Leq Spectrum");
    EXPECT_EQ(lines[27], "Freq. Hz | 1/1dB | Freq. Hz | 1/1dB");
    EXPECT_EQ(lines[28], "16.0 | 50.0 | 1000 | 56.0");
    EXPECT_EQ(lines[31], "125 |  ---  | 8000 | 59.0");
    EXPECT_EQ(lines[33], "500 | 55.0 | Flat: | 61.0");
    EXPECT_EQ(lines[34], "");
    EXPECT_EQ(lines[35], "Max Spectrum");
    EXPECT_EQ(lines[53], "Spatial Average Spectrum: 3 Averaged Spectra");
}

TEST_F(ReportSettings, RtaSummaryOfThirdOctavesGoesOnWhereThePageEnds)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(70).U8(RtaSetupFields::kBandwidthFlags, 0x80))
        .Add(OutputRecordBuilder(55));
    Select("1 .Summary");
    const int lines = report->GetLineCount();
    RecordingDC paper(true, QRect(0, 0, 1000, 640));  // 59 lines a page
    ASSERT_EQ(report->OnBeginPrinting(paper), 2);
    std::vector<std::string> titles;
    for (int page = 1; page <= 2; ++page) {
        RecordingDC dc(true, QRect(0, 0, 1000, 640));
        report->OnBeginPrinting(dc);
        report->OnPrint(dc, page, QRect(0, 0, 1000, 640));
        for (const auto& [y, cells] : dc.cells)
            for (const auto& cell : cells)
                if (cell.text.find("Spectrum") != std::string::npos)
                    titles.push_back(Printf("%d %s", page, cell.text.c_str()));
    }
    // Page 1 runs to its last line (screen line 57); the Min table follows on
    // page 2.
    EXPECT_EQ(titles, (std::vector<std::string>{"1 Leq Spectrum", "1 Max Spectrum", "2 Min Spectrum"}));
    EXPECT_EQ(report->GetLineCount(), lines) << "printing leaves the screen's lines alone";
}
