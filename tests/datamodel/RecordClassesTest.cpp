#include <gtest/gtest.h>

#include <limits>

#include <cstdlib>
#include <ctime>

#include "CalRec.h"
#include "RSRec.h"
#include "RecordTestSupport.h"
#include "SnapRec.h"
#include "StreamedRecordFields.h"
#include "ThRec.h"

using testsupport::OutputRecordBuilder;

TEST(RecordClasses, RunStopTexts)
{
    struct Case {
        int state;
        int cause;
        const char* stateText;
        const char* causeText;
    };
    const Case cases[] = {
        {0, 0, "Stop", "Key"},   {16, 10, "Pause", "Wind"}, {64, 6, "Run", "Calib"},
        {80, 7, "Cont.", "A:D 1"}, {96, -1, "Reset", ""},   {48, 11, "unchanged", ""},
    };
    for (const auto& c : cases) {
        OutputRecordBuilder b(4);
        b.U32(RunStopFields::kTime, 1000).I16(RunStopFields::kCause, c.cause).U32(RunStopFields::kThRecordNumber, 77)
            .I16(RunStopFields::kRunStopNumber, 3).U32(RunStopFields::kRecordNumber, 12)
            .I16(RunStopFields::kState, c.state);
        RSRec r(ViewOf(b));
        std::string text = "unchanged";
        EXPECT_EQ(r.GetStateText(text), c.stateText) << c.state;
        EXPECT_EQ(r.GetCauseText(text), c.causeText) << c.cause;
        EXPECT_EQ(r.GetTime(), 1000u);
        EXPECT_EQ(r.GetThRecordNumber(), 77u);
        EXPECT_EQ(r.GetRunStopNumber(), 3);
        EXPECT_EQ(r.GetRecordNumber(), 12u);
    }
}

TEST(RecordClasses, CalibrationFieldsAndTexts)
{
    OutputRecordBuilder b(5);
    b.U32(CalRecordFields::kTime, 5000).F32(CalRecordFields::kOffset, -0.3f).F32(CalRecordFields::kLevel, 114.0f)
        .I16(CalRecordFields::kMode, 32).U32(CalRecordFields::kRecordNumber, 4).I16(CalRecordFields::kStatus, 3);
    CalRec r(ViewOf(b));
    std::string text;
    EXPECT_EQ(r.GetStatusText(text), "Cal Status Error");
    EXPECT_EQ(r.GetModeText(text), "Auto");
    EXPECT_FLOAT_EQ(r.GetLevel(), 114.0f);
    EXPECT_FLOAT_EQ(r.GetOffset(), -0.3f);
    EXPECT_EQ(r.GetRecordNumber(), 4u);
    EXPECT_EQ(r.GetTime(), 5000u);

    for (auto [status, expected] : {std::pair{0, "Stable"}, {1, "Unstable"}, {2, "Too low"}, {4, "Too high"},
                                    {128, "Noise Floor Check"}}) {
        CalRec s(ViewOf(OutputRecordBuilder(5).I16(CalRecordFields::kStatus, status)
                            .I16(CalRecordFields::kMode, 16)));
        EXPECT_EQ(s.GetStatusText(text), expected);
        EXPECT_EQ(s.GetModeText(text), "");
    }
}

TEST(RecordClasses, TimeHistorySampleAndRunStopEntry)
{
    OutputRecordBuilder level(57);
    level.U32(TimeHistoryFields::kTime, 100).F32(TimeHistoryFields::kFirst, 65.5f)
        .F32(TimeHistoryFields::kSecond, 99.0f).U32(TimeHistoryFields::kRecordNumber, 8);
    level.FloatRamp(TimeHistoryFields::kSet1, 8, 10, 1);  // A, first set: entries 0..7 = 10..17
    level.FloatRamp(TimeHistoryFields::kSet1 + 2 * TimeHistoryFields::kSetStride, 8, 30, 1);  // F, first set
    level.FloatRamp(TimeHistoryFields::kSet2, 8, 50, 1);  // A, second set
    level.FloatRamp(TimeHistoryFields::kSet2 + TimeHistoryFields::kSetStride, 8, 60, 1);  // C, second set
    level.FloatRamp(TimeHistoryFields::kSet2 + 2 * TimeHistoryFields::kSetStride, 8, 70, 1);  // F, second set
    level.FloatRamp(TimeHistoryFields::kLeqBands, 33, 1, 0);
    level.FloatRamp(TimeHistoryFields::kLiveBands, 33, 2, 0);
    ThRec t = ThRec::FromTimeHistory(ViewOf(level));
    EXPECT_TRUE(t.IsLevelSample());
    EXPECT_FLOAT_EQ(t.GetLeq(), 65.5f);
    EXPECT_FLOAT_EQ(t.GetOtherLevel(), 99.0f);
    EXPECT_EQ(t.GetRecordNumber(), 8u);
    EXPECT_FLOAT_EQ(t.GetDetectorLevel(1, 'A'), 10);
    EXPECT_FLOAT_EQ(t.GetDetectorLevel(128, 'F'), 37);
    EXPECT_FLOAT_EQ(t.GetDetectorLevel(3, 'A'), -1);
    EXPECT_FLOAT_EQ(t.GetDetectorLevel(1, 'B'), -1);
    EXPECT_FLOAT_EQ(t.GetDetectorLevel2(32, 'C'), 65);
    EXPECT_FLOAT_EQ(t.GetDetectorLevel2(16, 'C'), -1);
    EXPECT_FLOAT_EQ(t.GetAuxA(2), 51);
    EXPECT_FLOAT_EQ(t.GetAuxC(4), 62);
    EXPECT_FLOAT_EQ(t.GetAuxF(4), 72);
    EXPECT_FLOAT_EQ(t.GetAuxF(2), -1);
    EXPECT_FLOAT_EQ(t.GetLeqBand(32), 1);
    EXPECT_FLOAT_EQ(t.GetLiveBand(0), 2);
    EXPECT_FLOAT_EQ(t.GetLiveBand(33), 0);
    std::string text = "x";
    EXPECT_EQ(t.GetStateText(text), "");
    EXPECT_EQ(t.GetCauseText(text), "");

    // A negative first value marks a run/stop entry: state and cause as words.
    ThRec run = ThRec::FromTimeHistory(ViewOf(OutputRecordBuilder(57)
                                                  .F32(TimeHistoryFields::kFirst, -4.0f)
                                                  .I16(TimeHistoryFields::kState, 4)
                                                  .I16(TimeHistoryFields::kCause, 1)));
    EXPECT_FALSE(run.IsLevelSample());
    EXPECT_EQ(run.GetStateText(text), "Run");
    EXPECT_EQ(run.GetCauseText(text), "Timer");
    EXPECT_EQ(run.GetCauseCode(), 1);
    for (auto [state, expected] : {std::pair{0, "Stop"}, {3, "Stop"}, {5, "Cont"}, {6, "Reset"}, {7, "Run"}, {8, ""}}) {
        ThRec s = ThRec::FromTimeHistory(
            ViewOf(OutputRecordBuilder(57).F32(TimeHistoryFields::kFirst, -1.0f).I16(TimeHistoryFields::kState, state)));
        EXPECT_EQ(s.GetStateText(text), expected) << state;
    }

    // A spectrum sample of an RTA event: its one spectrum is both.
    ThRec spectrum = ThRec::FromSpectrum(ViewOf(OutputRecordBuilder(21)
                                                    .U32(SpectrumThFields::kRecordNumber, 3)
                                                    .FloatRamp(SpectrumThFields::kBands, 33, 40, 1)));
    EXPECT_FLOAT_EQ(spectrum.GetLiveBand(5), 45);
    EXPECT_FLOAT_EQ(spectrum.GetLeqBand(5), 45);
    EXPECT_EQ(spectrum.GetRecordNumber(), 3u);
}

TEST(RecordClasses, DamagedFloatsGiveCodeZero)
{
    // Values a damaged record may hold where a code is read as a whole number.
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        float first, second;
        int cause;
        const char* state;
    };
    const Case cases[] = {
        {0.5f, 1e32f, 0, "Stop"}, {0.5f, -inf, 0, "Stop"}, {0.5f, nan, 0, "Stop"},
        {0.5f, 3e9f, 0, "Stop"},  {0.5f, 13.7f, 13, "Stop"}, {-1e30f, 2.0f, 2, "Stop"},
        {-inf, 1.0f, 1, "Stop"},  {-2.5f, 4.0f, 4, "Mark"},  {nan, 1.0f, 1, ""},
    };
    std::string text;
    for (const Case& c : cases) {
        // The spectrum layout keeps the first value as it comes; the second
        // value of a level-sample layout likewise.
        ThRec spectrum = ThRec::FromSpectrum(ViewOf(OutputRecordBuilder(21).F32(SpectrumThFields::kFirst, c.first)));
        EXPECT_EQ(spectrum.GetStateText(text), c.state) << c.first;
        ThRec sample = ThRec::FromTimeHistory(
            ViewOf(OutputRecordBuilder(57).F32(TimeHistoryFields::kFirst, 0.5f).F32(TimeHistoryFields::kSecond, c.second)));
        EXPECT_EQ(sample.GetCauseCode(), c.cause) << c.second;
    }
}

TEST(RecordClasses, SnapshotStandardTime)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const uint32_t summer = 1057401000;  // 2003-07-05, summer time
    const uint32_t winter = 1041766200;  // 2003-01-05
    EXPECT_EQ(SnapRec(ViewOf(OutputRecordBuilder(66).U32(SnapshotFields::kTime, summer)), 1).GetStandardTime(),
              summer - 3600);
    EXPECT_EQ(SnapRec(ViewOf(OutputRecordBuilder(66).U32(SnapshotFields::kTime, winter)), 1).GetStandardTime(), winter);
    EXPECT_EQ(SnapRec(ViewOf(OutputRecordBuilder(66).U32(SnapshotFields::kTime, 0xFFFFFFF0u)), 1).GetStandardTime(),
              0u);
}

TEST(RecordClasses, ShortRecordReadsAsZeros)
{
    const uint8_t bytes[6] = {57, 0, 1, 0, 0xFF, 0xFF};
    ThRec t = ThRec::FromTimeHistory(RecordView(bytes, sizeof bytes));
    EXPECT_EQ(t.GetTime(), 0u);  // the time field runs past the end
    EXPECT_FLOAT_EQ(t.GetLeq(), 0.0f);
    EXPECT_EQ(RecordView(nullptr, 100).U32(0), 0u);
}
