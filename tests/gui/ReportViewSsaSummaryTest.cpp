// The SLM & RTA summary: spectra, spectral Ln table, Ln and exceedance
// block, wind, calibration and record counts, on screen and on paper.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

constexpr uint32_t kStart = 1055167507;  // 09-Jun-2003 14:05:07 UTC

struct SsaOptions {
    int spectralLn = 1;  // 0 None, 1 Overall, 2 Interval
    bool wind = true;
    bool thirds = true;
};

OutputRecordBuilder SsaSetup(SsaOptions o)
{
    return OutputRecordBuilder(51)
        .U8(SsaSetupFields::kModeFlags, o.thirds ? 0x08 : 0)
        .U8(SsaSetupFields::kIntervalFlags, 0x80)
        .U16(SsaSetupFields::kOptionFlags, o.wind ? 0x40 : 0)
        .U8(SsaSetupFields::kDetector, 1)
        .U8(SsaSetupFields::kWeighting, 1)
        .F32(SsaSetupFields::kSplExceedance1, 999.0f)
        .I16(SsaSetupFields::kSplExceedance2, 85)
        .I16(SsaSetupFields::kPeak2Exceedance, 140)
        .I16(SsaSetupFields::kPeak1Exceedance, 130)
        .I16(SsaSetupFields::kHysteresis, 2)
        .U8(SsaSetupFields::kLnFlags, 0)
        .I16(SsaSetupFields::kLnStartLevel, 35)
        .I16(SsaSetupFields::kSpectralLn, o.spectralLn)
        .F32(SsaSetupFields::kWindScale, 0.5f)
        .Text(SsaSetupFields::kWindUnits, "mph")
        .I16(SsaSetupFields::kWindThreshold, 20)
        .I16(SsaSetupFields::kWindExceedanceLevel, 41);
}

OutputRecordBuilder SsaSummary()
{
    OutputRecordBuilder sum(55);
    sum.U32(SummaryFields::kCalibrated, kStart)
        .F32(SummaryFields::kCheckLevel, 93.94f)
        .U32(SummaryFields::kChecked, 0)
        .F32(SummaryFields::kCalOffset, -0.3f)
        .F32(kCurrentSet.elapsed, 3725.5f)
        .U32(kCurrentSet.start, kStart)
        .Floats(SummaryFields::kLnLevels, {71.2f, 65.0f, 60.5f, 55.5f, 50.0f, 45.0f})
        .Floats(SummaryFields::kLnPercentiles, {1, 10, 50, 90, 95, 99})
        .U32(SummaryFields::kOverloads, 2)
        .U32(SummaryFields::kPauses, 3)
        .F32(SummaryFields::kPausedTime, 65.0f)
        .U32(SummaryFields::kPeak2Exceedances, 4)
        .U32(SummaryFields::kCalRecords, 5)
        .U32(SummaryFields::kHistoryRecords, 6)
        .U32(SummaryFields::kIntervalRecords, 7)
        .U32(SummaryFields::kRunStopRecords, 8)
        .U32(SummaryFields::kSplExceedances1, 9)
        .U32(SummaryFields::kSplExceedances2, 10)
        .FloatRamp(SummaryFields::kLeqThirds, 33, 40, 1)
        .FloatRamp(SummaryFields::kLeqOctaves, 11, 60, 1)
        .FloatRamp(SummaryFields::kMaxThirds, 33, 70, 1)
        .FloatRamp(SummaryFields::kMaxOctaves, 11, 90, 1)
        .FloatRamp(SummaryFields::kMinThirds, 33, 20, 1)
        .FloatRamp(SummaryFields::kMinOctaves, 11, 30, 1)
        .F32(SummaryFields::kLeqThirds + 4 * 2, 999.0f)
        .Floats(SummaryFields::kSpectralLnPercentiles, {1, 10, 50, 90, 95, 99})
        .U32(SummaryFields::kPeak1Exceedances, 11)
        .F32(SummaryFields::kWindAverage, 12.5f)
        .F32(SummaryFields::kWindMax, 30.3f)
        .I16(SummaryFields::kWindMaxDirection, 15)
        .U32(SummaryFields::kWindMaxTime, kStart)
        .F32(SummaryFields::kWindAboveThreshold, 12.5f)
        .U32(SummaryFields::kWindExceedances, 3);
    for (size_t j = 0; j < 6; ++j)
        sum.FloatRamp(SummaryFields::kSpectralLn + SummaryFields::kSpectralLnRow * j, 33,
            10.0f * static_cast<float>(j + 1), 0.5f);
    const uint32_t percents[8] = {10, 5, 20, 5, 30, 5, 20, 5};
    for (size_t d = 0; d < 8; ++d)
        sum.U32(SummaryFields::kWindShares + 4 * d, percents[d]);
    sum.F32(SummaryFields::kSpectralLn + SummaryFields::kSpectralLnRow * 5 + 4 * 20, 999.0f);
    return sum;
}

OutputRecordBuilder SystemWithCalibrator()
{
    return SystemRecord().F32(SystemFields::kCalibratorLevel, 114.0f).Text(SystemFields::kCalibratorSerial, "CA1234");
}

}  // namespace

class ReportSsaSummary : public ReportFixture {
protected:
    std::vector<std::string> Load(SsaOptions o, bool withSetup = true)
    {
        translation.Add(SystemWithCalibrator());
        if (withSetup)
            translation.Add(SsaSetup(o));
        translation.Add(SsaSummary());
        Select("1 SSA Summary");
        EXPECT_EQ(report->GetReportType(), 31);
        return ScreenLines();
    }
    void Expect(const std::vector<std::string>& lines, const std::vector<std::pair<int, std::string>>& expected)
    {
        for (const auto& [line, text] : expected) {
            ASSERT_LT(static_cast<size_t>(line), lines.size());
            EXPECT_EQ(lines[static_cast<size_t>(line)], text) << "line " << line;
        }
    }
};

TEST_F(ReportSsaSummary, OverallSpectralLnAndWindGiveTheFullReport)
{
    const auto lines = Load({});
    EXPECT_EQ(report->GetLineCount(), 138);
    EXPECT_EQ(lines[1].substr(0, 17), "SLM & RTA Summary");
    Expect(lines, {
        {39, "Spectra"},
        {40, "Date | Time | Run Time"},
        {41, "09-Jun-2003 | 14:05:07 | 01:02:06"},  // whole seconds from one hour on
        {42, ""},
        {43, "Hz | Leq1/3 | Leq1/1 | Max1/3 | Max1/1 | Min1/3 | Min1/1 | Hz | Leq1/3 | Leq1/1 | Max1/3 | Max1/1 | "
             "Min1/3 | Min1/1"},
        // 12.5 Hz and 630 Hz; 16 Hz carries the first octave.
        {44, "12.5 | 40.0 | 70.0 | 20.0 | 630 | 57.0 | 87.0 | 37.0"},
        {45, "16.0 | 41.0 | 60.0 | 71.0 | 90.0 | 21.0 | 30.0 | 800 | 58.0 | 88.0 | 38.0"},
        {46, "20.0 |  ---  | 72.0 | 22.0 | 1000 | 59.0 | 66.0 | 89.0 | 96.0 | 39.0 | 36.0"},
        {60, "500 | 56.0 | 65.0 | 86.0 | 95.0 | 36.0 | 35.0"},
        {61, ""},
        {62, "Overall Spectral Ln's"},
        {63, "Hz | L1.00 | L10.00 | L50.00 | L90.00 | L95.00 | L99.00 | Hz | L1.00 | L10.00 | L50.00 | L90.00 | "
             "L95.00 | L99.00"},
        {64, "12.5 | 10.0 | 20.0 | 30.0 | 40.0 | 50.0 | 60.0 | 630 | 18.5 | 28.5 | 38.5 | 48.5 | 58.5 | 68.5"},
        {67, "25.0 | 11.5 | 21.5 | 31.5 | 41.5 | 51.5 | 61.5 | 1250 | 20.0 | 30.0 | 40.0 | 50.0 | 60.0 |  --- "},
        {80, "500 | 18.0 | 28.0 | 38.0 | 48.0 | 58.0 | 68.0"},
        {81, ""},
        {82, "Ln Start Level: | 35 dB"},
        {83, "L1.00 | 71.2 dBC | L50.00 | 60.5 dBC | L95.00 | 50.0 dBC"},
        {84, "L10.00 | 65.0 dBC | L90.00 | 55.5 dBC | L99.00 | 45.0 dBC"},
        {86, "Detector: | Fast"},
        {87, "Weighting: | C"},
        {88, "SPL Exceedance Level 1: |   ---  dB | Exceeded: | 9 times"},
        {89, "SPL Exceedance level 2: |     85 dB | Exceeded: | 10 times"},
        {90, "Peak-1 Exceedance Level: |    130 dB | Exceeded: | 11 times"},
        {91, "Peak-2 Exceedance Level: |    140 dB | Exceeded: | 4 times"},
        {92, "Hysteresis: | 2"},
        {93, "Overloaded: | 2 time(s)"},
        {94, "Paused: | 3 times for 00:01:05.0"},
        {95, ""},
        {121, "Wind Average: | 12.5 mph | Wind Max: | 30.3 mph"},
        {122, "Wind Direction at Max: | NNW | Time at Wind Max: | 09/06/03 14:05:07"},
        {123, "Wind Threshold: | 10.0 mph | Exceed Threshold: |  12.5%"},
        {124, "Wind Exceedance level: | 20.5 mph | Wind Exceedances: | 3"},
        {125, "Wind Direction Percentages:"},
        {126, "  N:   10% |   E:   20% |   S:   30% |   W:   20%"},
        {127, " NE:    5% |  SE:    5% |  SW:    5% |  NW:    5%"},
        {129, "Calibrated: | 09-Jun-2003 14:05:07 | Offset:   -0.3 dB"},
        {130, "Checked: | --- | Level:   93.9 dB"},
        {131, "Calibrator | CA1234 | Level:  114.0 dB"},
        {132, "Cal Records Count: | 5"},
        {134, "Interval Records: | Enabled | Number Interval Records: |     7"},
        {135, "History Records: | Disabled | Number History Records:  |     6"},
        {136, "Run/Stop Records: | Number Run/Stop Records: |     8"},
        {137, ""},
    });
}

TEST_F(ReportSsaSummary, WithoutSpectralLnOrWindTheBlocksMoveUp)
{
    const auto lines = Load({.spectralLn = 2, .wind = false});
    EXPECT_EQ(report->GetLineCount(), 111);
    Expect(lines, {
        {61, ""},
        {62, "Ln Start Level: | 35 dB"},
        {75, ""},
        {101, "Calibrated: | 09-Jun-2003 14:05:07 | Offset:   -0.3 dB"},
        {108, "Run/Stop Records: | Number Run/Stop Records: |     8"},
    });
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("Wind"), std::string::npos) << line;
}

TEST_F(ReportSsaSummary, OctaveSetupShowsTheFourColumnTable)
{
    const auto lines = Load({.spectralLn = 0, .thirds = false});
    EXPECT_EQ(report->GetLineCount(), 119);
    Expect(lines, {
        {43, "Freq. Hz | Leq 1/1dB | Max 1/1dB | Min 1/1dB"},
        {44, "16.0 | 60.0 | 90.0 | 30.0"},
        {45, "31.5 | 61.0 | 91.0 | 31.0"},
        {54, "16000 | 70.0 | 100.0 | 40.0"},
        {55, ""},
        {101, "Wind Average: | 12.5 mph | Wind Max: | 30.3 mph"},
    });
}

TEST_F(ReportSsaSummary, WithoutSetupRecordTheSetupValuesStayOut)
{
    const auto lines = Load({}, false);
    // As its export: octave spectra, no spectral Ln table, no wind lines.
    EXPECT_EQ(report->GetLineCount(), 111);
    Expect(lines, {
        {43, "Freq. Hz | Leq 1/1dB | Max 1/1dB | Min 1/1dB"},
        {62, "Ln Start Level:"},
        {63, "L1.00 | 71.2 dB | L50.00 | 60.5 dB | L95.00 | 50.0 dB"},
        {66, "Detector:"},
        {68, "SPL Exceedance Level 1: | Exceeded: | 9 times"},
        {72, "Hysteresis:"},
        {101, "Calibrated: | 09-Jun-2003 14:05:07 | Offset:   -0.3 dB"},
        {106, "Interval Records: | Number Interval Records: |     7"},
    });
}

TEST_F(ReportSsaSummary, WithoutSummaryRecordTheBlocksStayEmpty)
{
    translation.Add(SystemWithCalibrator()).Add(SsaSetup({}));
    Select("1 SSA Summary");
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[3].substr(0, 15), "File Translated");
    for (size_t n = 14; n < lines.size(); ++n)
        EXPECT_EQ(lines[n], "") << "line " << n;
}

TEST_F(ReportSsaSummary, DirectionOutsideTheCompassShowsNothing)
{
    translation.Add(SystemWithCalibrator())
        .Add(SsaSetup({}))
        .Add(SsaSummary().I16(SummaryFields::kWindMaxDirection, 16));
    Select("1 SSA Summary");
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[122], "Wind Direction at Max: | Time at Wind Max: | 09/06/03 14:05:07");
}

TEST_F(ReportSsaSummary, LaterPagesGoOnWithTheLinesAfterPageOne)
{
    const auto screen = Load({});
    RecordingDC dc(true, QRect(0, 0, 1000, 640));  // 59 lines a page
    const int pages = report->OnBeginPrinting(dc);
    // 124 lines after the title block: 44 on page 1 (page lines 14 to 57),
    // 53 on each later page (page lines 5 to 57).
    EXPECT_EQ(pages, 3);
    std::vector<std::string> printed;
    for (int page = 1; page <= pages; ++page) {
        const RecordingDC paper = PrintedPage(page, 640);
        auto at = [&paper](int pageLine) { return paper.At((pageLine + 2) * 10); };
        EXPECT_NE(at(0).find(Printf("Page %d", page)), std::string::npos);
        EXPECT_EQ(at(58), "") << "the page's last line stays empty";
        if (page == 1) {
            EXPECT_EQ(at(39), "Spectra");
            EXPECT_EQ(at(44).substr(0, 4), "12.5");
            EXPECT_EQ(at(57), screen[57]);
            continue;
        }
        EXPECT_EQ(at(2).substr(0, 16), "File Translated:");
        EXPECT_EQ(at(4), "");
        for (int m = 5; m < 58; ++m)
            printed.push_back(at(m));
    }
    const std::vector<std::string> rest(screen.begin() + 58, screen.end());
    printed.resize(rest.size());
    EXPECT_EQ(printed, rest);
    EXPECT_EQ(rest[60 - 58], "500 | 56.0 | 65.0 | 86.0 | 95.0 | 36.0 | 35.0");
    EXPECT_NE(std::find(rest.begin(), rest.end(), "Run/Stop Records: | Number Run/Stop Records: |     8"), rest.end());
}

TEST_F(ReportSsaSummary, FirstPageHoldsTheLnBlockWithoutSpectralLns)
{
    Load({.spectralLn = 0, .wind = false});
    RecordingDC dc(true, QRect(0, 0, 1000, 1000));
    ASSERT_EQ(report->OnBeginPrinting(dc), 2);
    const RecordingDC paper = PrintedPage(1, 1000);
    EXPECT_EQ(paper.At((62 + 2) * 10), "Ln Start Level: | 35 dB");
    EXPECT_EQ(paper.At((74 + 2) * 10), "Paused: | 3 times for 00:01:05.0");

    EXPECT_EQ(PrintToPdfPages(), 2u);
}
