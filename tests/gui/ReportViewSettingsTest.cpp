// The settings reports of the measurement modes.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

class ReportSettings : public ReportFixture {};

TEST_F(ReportSettings, LogSettingsInTwoHalves)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(53).U16(70, 0x40).U16(62, 0x81).U16(66, 0x04).I16(132, 3).I16(150, 8).U16(156, 1)
                 .U16(158, 4).U16(162, 7).Floats(184, {10, 50, 90, 1.5f, 99, 0.25f}).I16(296, 5).I16(242, 2)
                 .I16(250, 1).Text(74, "03/05/09").Text(86, "71/13/31").Text(98, "08:00").Text(110, "20:00"));
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
        .Add(OutputRecordBuilder(51).I16(12, 3).U8(60, 0x0C).U8(62, 0x20).U8(126, 2).U8(134, 0).U8(136, 4)
                 .U8(138, 9).Text(144, "1:30:0").U8(168, 0x02).I16(170, 2).I16(256, 2).I16(140, 0)
                 .Floats(232, {10, 20, 30, 40, 50, 60}).Text(68, "03/05/21"));
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
        .Add(OutputRecordBuilder(60).U16(60, 0x04).Text(62, "01:00:00").U16(76, 9).U16(88, 0x08)
                 .Floats(112, {5, 10, 50, 90, 95, 99}).U8(136, 200).U8(137, 3).I16(96, 30));
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
    snap.U32(4, 12).U32(8, 7200).U16(12, 16).U16(14, 2).F32(16, 71.25f).FloatRamp(20, 401, 0.0f, 0.5f).F32(20 + 4 * 81, 999.0f);
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(63).I16(60, 0).U16(62, 9).I16(64, 5).I16(66, 64).I16(68, 32))
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
        .Add(OutputRecordBuilder(70).I16(12, 4).U8(60, 0xA0).U8(61, 0x20).U8(62, 0x8C).F32(64, 0.12349f).U8(68, 2)
                 .U16(72, (1 << 0) | (1 << 14)).U8(75, 33).U8(76, 1).U8(77, 6).U8(78, 0).F32(84, 999.0f)
                 .F32(96, 1.5f).U16(104, 0xFFFF).U8(110, 1).U8(111, 10).U8(113, 2).Text(114, "Hall A"));
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
        .Add(OutputRecordBuilder(63).I16(60, 1).I16(64, 1).I16(66, -1).I16(68, 8))
        .Add(OutputRecordBuilder(55).U32(376, 3600).U32(5312, 7200).F32(324, 3600.0f).U32(912, 2)
                 .FloatRamp(3708, 401, 0.0f, 1.0f).F32(3708 + 4 * 81, 999.0f));
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
        .Add(OutputRecordBuilder(72).U32(4, 3).U32(8, 60).I16(12, 4).Text(14, "Room 2").F32(24, 88.0f)
                 .FloatRamp(28, 11, 40.0f, 1.0f).U16(160, 0));
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
    sum.U32(0x35C, 43200).F32(0x34C, 90.7f).U32(0x178, 43200).F32(0x144, 30.0f).F32(0x488, 2.5f)
        .Text(0x48C, "    ").FloatRamp(0x3D0, 12, 50.0f, 1.0f).F32(0x3D0 + 4 * 3, 999.0f).F32(0x9B8, 3.0f);
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(70).U8(60, 0x00).U8(61, 0x20)).Add(sum);
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
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(70).U8(60, 0x80)).Add(OutputRecordBuilder(55));
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
