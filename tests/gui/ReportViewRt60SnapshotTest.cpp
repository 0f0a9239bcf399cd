// The RT60 report (decays cut from the spectrum time history, RT60 texts at
// the stored options) and the ZU-Reru snapshots report.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

OutputRecordBuilder RtaSetup(bool thirdOctave)
{
    return OutputRecordBuilder(70).U8(RtaSetupFields::kBandwidthFlags, thirdOctave ? 0x80 : 0);
}

// An event of first + second decay samples, 0.1 s apart.
OutputRecordBuilder RtaEvent(uint32_t record, int first, int second)
{
    return OutputRecordBuilder(1)
        .U32(RtaEventFields::kRecordNumber, record)
        .F32(RtaEventFields::kDuration, 0.1f * second)
        .I16(RtaEventFields::kPreTrigger, first)
        .I16(RtaEventFields::kTriggered, second)
        .U32(RtaEventFields::kAveragedEvents, 0);
}

// One time-history sample with its level in every band: band 0 decays 3 dB
// a sample from sample 1 on (RT60 2 s), band 1 drops from 110 dB to 0.5 dB
// (a decay past 99 dB), the others decay 6 dB a sample (RT60 1 s).
OutputRecordBuilder DecaySample(int t)
{
    OutputRecordBuilder r(21);
    const float after = static_cast<float>(t > 1 ? t - 1 : 0);
    for (size_t b = 0; b < 33; ++b) {
        float level = 90.0f - 6.0f * after;
        if (b == 0)
            level = 90.0f - 3.0f * after;
        else if (b == 1)
            level = t <= 1 ? 110.0f : 0.5f;
        r.F32(SpectrumThFields::kBands + 4 * b, level);
    }
    return r;
}

OutputRecordBuilder SlmSnapshot(uint32_t record)
{
    return OutputRecordBuilder(66)
        .U32(SnapshotFields::kRecordNumber, record)
        .U32(SnapshotFields::kTime, 7200)
        .FloatRamp(TalSlmSnapshotFields::kSplTable, 9, 60.0f, 1.0f)
        .FloatRamp(TalSlmSnapshotFields::kLmaxTable, 9, 70.0f, 1.0f)
        .Floats(TalSlmSnapshotFields::kLeqTable, {65.0f, 68.5f, 71.0f, 66.3f})
        .F32(TalSlmSnapshotFields::kLaftm5, 69.0f)
        .Floats(TalSlmSnapshotFields::kLnPercentiles, {1, 5, 10, 50, 90, 95})
        .FloatRamp(TalSlmSnapshotFields::kLnLevels, 6, 80.0f, -2.0f);
}

OutputRecordBuilder RtaSnapshot(uint32_t record)
{
    OutputRecordBuilder r(67);
    r.U32(SnapshotFields::kRecordNumber, record)
        .U32(SnapshotFields::kTime, 7260)
        .FloatRamp(TalRtaSnapshotFields::kLiveBands, 33, 30.0f, 1.0f)
        .FloatRamp(TalRtaSnapshotFields::kLeqBands, 33, 20.0f, 1.0f)
        .F32(TalRtaSnapshotFields::kLeqBands + 4 * 16, 999.0f);
    return r;
}

OutputRecordBuilder ToneSnapshot(uint32_t record)
{
    return OutputRecordBuilder(68)
        .U32(SnapshotFields::kRecordNumber, record)
        .U32(SnapshotFields::kTime, 7320)
        .U16(TalToneSnapshotFields::kToneFrequency, 1250)
        .U16(TalToneSnapshotFields::kDeltaFc, 200)
        .F32(TalToneSnapshotFields::kToneLevel, 60.0f)
        .F32(TalToneSnapshotFields::kGroupLevel, 55.5f);
}

constexpr int h = RecordingDC::kLineHeight;

// Pages of the print job on recording paper of 59 lines a page.
int PrintPageCount(CDataReport& report)
{
    RecordingDC paper(true, QRect(0, 0, 1000, 640));
    return report.OnBeginPrinting(paper);
}

}  // namespace

class ReportRt60 : public ReportFixture {
protected:
    void LoadDecays(bool thirdOctave)
    {
        translation.Add(SystemRecord()).Add(RtaSetup(thirdOctave)).Add(RtaEvent(7, 2, 8));
        for (int t = 0; t < 10; ++t)
            translation.Add(DecaySample(t));
        Select("1 RT60 Analyses");
        ASSERT_EQ(report->GetReportType(), 33);
    }
};

TEST_F(ReportRt60, ThirdOctaveBandsInTwoHalvesAtTheDefaults)
{
    LoadDecays(true);
    const auto lines = ScreenLines();
    ASSERT_EQ(report->GetLineCount(), 18 + 20);
    EXPECT_EQ(lines[1].substr(0, 11), "RT60 REPORT");
    EXPECT_EQ(lines[14], "Rec # 7 | 1 averaged events | Duration: 0.800 | dB Down: 10 dB");
    EXPECT_EQ(lines[15], "Freq. Hz | RT60 (sec) | Freq. Hz | RT60 (sec)");
    EXPECT_EQ(lines[16], "12.5 |    2.00 | 630 |    1.00");
    EXPECT_EQ(lines[17], "16.0 |    ----    | 800 |    1.00") << "a decay of more than 99 dB";
    EXPECT_EQ(lines[32], "500 |    1.00") << "the last row has an empty right half";
    EXPECT_EQ(lines[33], "");
    EXPECT_EQ(lines[34], "") << "past the last event";
}

TEST_F(ReportRt60, DrawingFollowsTheStoredOptions)
{
    LoadDecays(true);
    profile.WriteProfileString("RT60Settings", "dBDown", "20");
    profile.WriteProfileInt("RT60Settings", "StartFreq", 2);
    profile.WriteProfileInt("RT60Settings", "EndFreq", 12);
    auto lines = ScreenLines();
    EXPECT_EQ(report->GetLineCount(), 18 + 9);
    EXPECT_EQ(lines[14], "Rec # 7 | 1 averaged events | Duration: 0.800 | dB Down: 20 dB");
    EXPECT_EQ(lines[16], "20.0 |    1.00 | 80.0 |    1.00");
    EXPECT_EQ(lines[21], "63.0 |    1.00");

    // A range given backwards, and past the bands, through the profile.
    profile.WriteProfileInt("RT60Settings", "StartFreq", 40);
    profile.WriteProfileInt("RT60Settings", "EndFreq", 30);
    lines = ScreenLines();
    EXPECT_EQ(report->GetLineCount(), 18 + 5);
    EXPECT_EQ(lines[16], "12500 |    1.00 | 20000 |    1.00");
    EXPECT_EQ(lines[17], "16000 |    1.00");
}

TEST_F(ReportRt60, OctaveDataShowsOctaveBands)
{
    LoadDecays(false);
    const auto lines = ScreenLines();
    EXPECT_EQ(report->GetLineCount(), 18 + 9) << "the stored end band 32 is taken as the last octave";
    EXPECT_EQ(lines[16], "16.0 |    2.00 | 1000 |    1.00");
    EXPECT_EQ(lines[21], "500 |    1.00");
    EXPECT_EQ(lines[22], "");
}

TEST_F(ReportRt60, PrintsWholeEvents)
{
    translation.Add(SystemRecord()).Add(RtaSetup(true));
    for (uint32_t e = 1; e <= 4; ++e)
        translation.Add(RtaEvent(e, 2, 8));
    for (int t = 0; t < 40; ++t)
        translation.Add(DecaySample(t % 10));
    Select("4 RT60 Analyses");
    ASSERT_EQ(report->GetReportType(), 33);
    EXPECT_GT(PrintToPdfPages(), 0u);

    // Two events of 20 lines fit under the title block.
    EXPECT_EQ(PrintPageCount(*report), 2);
    // Rows start at page line 15 under the title block, and at page line 3
    // of later pages, under the title "RT60 Report".
    const RecordingDC paper = PrintedPage(1, 640);
    EXPECT_EQ(paper.Line(2 + 14, h), "");
    EXPECT_EQ(paper.Line(2 + 15, h), "Rec # 1 | 1 averaged events | Duration: 0.800 | dB Down: 10 dB");
    EXPECT_EQ(paper.Line(2 + 17, h), "12.5 |    2.00 | 630 |    1.00");
    EXPECT_EQ(paper.Line(2 + 35, h), "Rec # 2 | 1 averaged events | Duration: 0.800 | dB Down: 10 dB");
    EXPECT_EQ(paper.Line(2 + 55, h), "");
    const RecordingDC second = PrintedPage(2, 640);
    EXPECT_EQ(second.Line(2, h).substr(0, 14), "RT60 Report | ");
    EXPECT_EQ(second.Line(2 + 3, h), "Rec # 3 | 1 averaged events | Duration: 0.800 | dB Down: 10 dB");
}

class ReportTalSnapshots : public ReportFixture {};

TEST_F(ReportTalSnapshots, EachKindInItsOwnLayout)
{
    translation.Add(SystemRecord())
        .Add(OutputRecordBuilder(60).U16(TalSetupFields::kSlmWeighting, 1))
        .Add(SlmSnapshot(1))
        .Add(RtaSnapshot(2))
        .Add(ToneSnapshot(3));
    Select("3 TAL Snapshots");
    ASSERT_EQ(report->GetReportType(), 24);
    ASSERT_EQ(report->GetLineCount(), 15 + 19 + 23 + 7);
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[1].substr(0, 17), "ZU-Reru Snapshots");
    EXPECT_EQ(lines[14], "Snapshot Records");

    // Sound level meter snapshot, lines 15 to 33.
    EXPECT_EQ(lines[15], "***Record #1 (SLM)***");
    EXPECT_EQ(lines[16], "Timestamp: | 01-Jan-1970 02:00:00");
    EXPECT_EQ(lines[18], "LAFTM5 | 69.0 dB | LCeq | 68.5 dB | LAIeq | 66.3 dB");
    EXPECT_EQ(lines[19], "LAeq | 65.0 dB | LAeq | 65.0 dB | LAeq | 65.0 dB");
    EXPECT_EQ(lines[20], "LAFTM5-LAeq | 4.0 dB | LCeq-LAeq | 3.5 dB | LAIeq-LAeq | 1.3 dB");
    EXPECT_EQ(lines[22], "A Weight | C Weight | Flat");
    EXPECT_EQ(lines[23], "Leq: | 65.0 dBA | 68.5 dBC | 71.0 dBF");
    EXPECT_EQ(lines[24], "SPL (slow): | 60.0 dBA | 63.0 dBC | 66.0 dBF");
    EXPECT_EQ(lines[29], "Lmax (impulse): | 72.0 dBA | 75.0 dBC | 78.0 dBF");
    EXPECT_EQ(lines[31], "L1 1.00 | 80.0 dBC | L3 10.00 | 76.0 dBC | L5 90.00 | 72.0 dBC");
    EXPECT_EQ(lines[32], "L2 5.00 | 78.0 dBC | L4 50.00 | 74.0 dBC | L6 95.00 | 70.0 dBC")
        << "every Ln level carries the setup's weighting";

    // RTA snapshot: block index 19 is its line 0.
    EXPECT_EQ(lines[34], "***Record #2 (RTA)***");
    EXPECT_EQ(lines[35], "Date | Time");
    EXPECT_EQ(lines[36], "01-Jan-1970 | 02:01:00");
    EXPECT_EQ(lines[38], "Freq. Hz | Leq 1/3dB | Live 1/3dB | Freq. Hz | Leq 1/3dB | Live 1/3dB");
    EXPECT_EQ(lines[39], "8.0 | 20.0 | 30.0 | 400 | 37.0 | 47.0");
    EXPECT_EQ(lines[55], "315 |  ---  | 46.0") << "band 16 alone, its Leq not measured";

    // Tonality snapshot: block index 42 is its line 0.
    EXPECT_EQ(lines[57], "***Record #3 (Tonality)***");
    EXPECT_EQ(lines[58], "Timestamp: | 01-Jan-1970 02:02:00");
    EXPECT_EQ(lines[60], "ft (Freq. Tone): | 1250 Hz | Lt (Ltone): | 60.0 dB");
    EXPECT_EQ(lines[61], "delta fc (BARQ Bandwidth): | 200 Hz | Lg (LGroup): | 55.5 dB");
    EXPECT_EQ(lines[62], "Lt-Lg: | 4.5 dB");
    EXPECT_EQ(lines[63], "");
}

TEST_F(ReportTalSnapshots, WithoutSetupTheLnLevelsCarryNoWeighting)
{
    translation.Add(SystemRecord()).Add(SlmSnapshot(1));
    Select("1 TAL Snapshots");
    const auto lines = ScreenLines();
    EXPECT_EQ(lines[31], "L1 1.00 | 80.0 dB | L3 10.00 | 76.0 dB | L5 90.00 | 72.0 dB");
}

TEST_F(ReportTalSnapshots, PrintsTheRecordsOverPages)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(60));
    for (uint32_t i = 1; i <= 6; ++i)
        translation.Add(i % 2 ? SlmSnapshot(i) : RtaSnapshot(i));
    Select("6 TAL Snapshots");
    ASSERT_EQ(report->GetReportType(), 24);
    EXPECT_EQ(PrintPageCount(*report), 3);
    const RecordingDC paper = PrintedPage(1, 640);
    EXPECT_EQ(paper.Line(2 + 14, h), "Snapshot Records");
    EXPECT_EQ(paper.Line(2 + 15, h), "***Record #1 (SLM)***");
    EXPECT_EQ(paper.Line(2 + 15 + 19, h), "***Record #2 (RTA)***");
    EXPECT_EQ(paper.Line(2 + 15 + 19 + 5, h), "8.0 | 20.0 | 30.0 | 400 | 37.0 | 47.0");
    EXPECT_EQ(PrintedPage(2, 640).Line(2 + 4, h), "Timestamp: | 01-Jan-1970 02:00:00")
        << "the rows go on where page 1 ended";
}

TEST_F(ReportTalSnapshots, TimeHistoryHeadingsFollowTheSetup)
{
    // ZU-Reru setup: the other level and the advanced-column flags of A, C
    // and Flat (first bytes, then second bytes).
    constexpr size_t kOtherLevel = 90, kFirstFlags[] = {98, 100, 102}, kSecondFlags[] = {106, 108, 110};
    struct Case {
        int other;
        int firstA, secondA, firstC, secondFlat;
        const char* note;
        const char* headings;
    } cases[] = {
        {4, 0xC0, 0, 0, 0x02, "  3 Adv TH Columns - Use 'File/Export' for RTA Leq spectrum",
         "Rec # | Date | Time | Leq | LAeq | A-Peak"},
        {4, 0x80, 0x04, 0x3F, 0, "  6 of 8 Adv TH Columns - Use 'File/Export' for remaining columns",
         "Rec # | Date | Time | Leq | LAeq | CMaxSlw | CMaxFst | CMaxImp | CMinSlw | CMinFst"},
        {2, 0xFF, 0, 0, 0, "", "Rec # | Date | Time | Leq | Peak-I"},
    };
    for (const Case& c : cases) {
        translation.records.clear();
        translation.Add(SystemRecord())
            .Add(OutputRecordBuilder(60).I16(kOtherLevel, c.other).U16(kFirstFlags[0], c.firstA)
                     .U16(kSecondFlags[0], c.secondA).U16(kFirstFlags[1], c.firstC).U16(kSecondFlags[2], c.secondFlat));
        Select("0 TAL Time Hist Samples");
        ASSERT_EQ(report->GetReportType(), 21);
        const auto lines = ScreenLines();
        EXPECT_EQ(lines[13], c.note) << c.other;
        EXPECT_EQ(lines[14], c.headings) << c.other;
    }
}
