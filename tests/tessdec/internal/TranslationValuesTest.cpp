// The translation values that parameter lines, settings and calibration
// records leave for the data records after them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../RecordFixture.h"
#include "SetupBlockBuilder.h"
#include "WorkState.h"

using namespace tessdec_test;
using tessdec::WorkState;

namespace {

class TranslationValuesTest : public ::testing::Test {
protected:
    // Translates the whole file; the state stays in the buffer after the end.
    const WorkState& After(const FileSpec& spec, const std::function<void(fixtures::DownloadFileBuilder&)>& build) {
        std::fill(b.work.begin(), b.work.end(), 0);
        const std::string path = dir.Write("v.slmdl", MakeFile(spec, build));
        EXPECT_EQ(CV_StartTranslate(path.c_str(), b.work.data()), 0);
        int32_t st = 0;
        for (int i = 0; i < 100 && st >= 0; ++i) st = CV_TranslateNextRec(b.record.data(), b.work.data());
        EXPECT_EQ(st, -318);
        return *reinterpret_cast<const WorkState*>(b.work.data());
    }
    fixtures::TempFolder dir;
    Buffers b;
};

TEST_F(TranslationValuesTest, ParameterLinesSetThePeriodAndFlags) {
    FileSpec spec;
    spec.model = 61;
    const WorkState& w = After(spec, [](fixtures::DownloadFileBuilder& f) {
        f.Q(83, "6").Q(84, "2").Q(81, "1").Q(82, "3").Q(55, "10").Q(61, "70.5").Q(71, "1").Q(78, "1");
        f.Q(122, "-5").Q(123, "5").Q(137, "Wind").Q(162, "2").Q(163, "1").Q(210, "17").Q(227, "-1.5");
    });
    EXPECT_FLOAT_EQ(w.periodSecs, 60.0f);
    EXPECT_EQ(w.singleByteLevel, 1);
    EXPECT_EQ(w.thFormatCode, 3);
    EXPECT_FLOAT_EQ(w.lnPercent[0], 10.0f);
    EXPECT_FLOAT_EQ(w.lnPercent[1], -1.0f);  // other models start without Ln percentages
    EXPECT_FLOAT_EQ(w.exceedLevel1, 70.5f);
    EXPECT_EQ(w.eventFlag1, 1);
    EXPECT_EQ(w.eventFlag2, 1);
    EXPECT_FLOAT_EQ(w.channelFactor1[0], -5.0f);
    EXPECT_FLOAT_EQ(w.channelFactor2[0], 5.0f);
    EXPECT_STREQ(w.channelName[2], "Wind");
    EXPECT_EQ(w.q162Flag, 1);
    EXPECT_EQ(w.exceedTimeFlag, 1);
    EXPECT_EQ(w.intervalHistFlag, 1);
    EXPECT_EQ(w.dailyHistFlag, 1);
    EXPECT_FLOAT_EQ(w.levelOffset, -1.5f);
}

TEST_F(TranslationValuesTest, SsaSettingsAtAndAboveFirmware201) {
    testsupport::SetupBlockBuilder s(219);
    s.Mode(0).Byte(41, 0x80).Byte(42, 0x41).Byte(47, 0x04).Byte(99, 7).Byte(103, 2).Byte(104, 1);
    s.Byte(140, 33).Byte(141, 15).Byte(142, 3).Byte(181, 40).Byte(182, 1).Byte(183, 4).Byte(184, 2);
    s.Byte(185, 5).Byte(186, 3).Byte(187, 6).Fixed88(110, 10, 128);
    const std::string body(s.Bytes().begin(), s.Bytes().end());
    FileSpec spec;
    spec.firmware = "2.02";
    const WorkState& w = After(spec, [&](fixtures::DownloadFileBuilder& f) { f.Q(49, "8").Record('M', body); });
    EXPECT_FLOAT_EQ(w.periodSecs, 900.0f);
    EXPECT_FLOAT_EQ(w.setupLevelOffset, 40.0f);
    EXPECT_EQ(w.singleByteLevel, 1);
    EXPECT_FLOAT_EQ(w.lnPercent[0], 10.5f);
    EXPECT_EQ(w.thOtherLevel, 33);
    const uint16_t masks[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.thMask[i], masks[i]) << i;
    EXPECT_EQ(w.intervalLnFlag, 1);
    EXPECT_EQ(w.intervalHistFlag, 1);
    EXPECT_EQ(w.spectraSel, 2);
    EXPECT_EQ(w.lnSpectraSel, 1);
    EXPECT_EQ(w.summaryA[0], 0);
    EXPECT_EQ(w.summaryB[0], 7);
    EXPECT_EQ(w.modeFlags, 0x80);

    spec.firmware = "2.01";
    const WorkState& old = After(spec, [&](fixtures::DownloadFileBuilder& f) { f.Q(49, "8").Q(83, "5").Record('M', body); });
    EXPECT_FLOAT_EQ(old.periodSecs, 5.0f);  // as the parameter line left it
    EXPECT_FLOAT_EQ(old.setupLevelOffset, 0.0f);
    EXPECT_EQ(old.summaryA[0], 0);         // the pairs are cleared
    EXPECT_EQ(old.summaryB[0], 0);
}

TEST_F(TranslationValuesTest, LogMasksComeFromTheirFieldsAndTheRtaFlag) {
    testsupport::SetupBlockBuilder log(219);
    log.Mode(2).Byte(48, 0x60).Byte(47, 0xA0).Byte(179, 75).Byte(182, 1).Byte(183, 4).Byte(184, 2);
    log.Byte(185, 5).Byte(186, 3).Byte(187, 6).Be16(175, 300).Byte(75, 1).Byte(76, 2).Byte(78, 3).Byte(79, 4);
    const std::string logBody(log.Bytes().begin(), log.Bytes().end());
    FileSpec spec;
    spec.modeLine = "LOG";
    const WorkState& w = After(spec, [&](fixtures::DownloadFileBuilder& f) { f.Record('M', logBody); });
    const uint16_t masks[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.thMask[i], masks[i]) << i;
    EXPECT_EQ(w.exceedLevel2, 75);
    EXPECT_EQ(w.exceedThFlag, 1);
    EXPECT_EQ(w.exceedTimeFlag, 1);
    EXPECT_FLOAT_EQ(w.exceedValue16, 300.0f);
    EXPECT_EQ(w.dailyLnFlag, 1);
    EXPECT_EQ(w.dailyHistFlag, 1);
    EXPECT_EQ(w.summaryA[0], 3);
    EXPECT_EQ(w.summaryA[1], 4);
    EXPECT_EQ(w.summaryB[0], 1);
    EXPECT_EQ(w.summaryB[1], 2);

    testsupport::SetupBlockBuilder rta(216);
    rta.Mode(4).Byte(41, 0x80);
    const std::string rtaBody(rta.Bytes().begin(), rta.Bytes().end());
    spec.modeLine = "RTA";
    EXPECT_EQ(After(spec, [&](fixtures::DownloadFileBuilder& f) { f.Record('M', rtaBody); }).rtaThirdOctave, 128);
}

TEST_F(TranslationValuesTest, J46CalibrationTakesTheLevelOffsetOfTheSetupLine) {
    FileSpec spec;
    spec.model = 46;
    spec.modeLine = "OBA ";
    struct Case {
        const char* value;
        float offset;
    } cases[] = {{"250", -6.0f}, {"1.5", 1.5f}, {"x", 0.0f}};
    for (const Case& c : cases) {
        spec.levelOffset = c.value;
        const WorkState& w = After(spec, [](fixtures::DownloadFileBuilder& f) {
            f.Record('C', fixtures::BodyBuilder().PadTo(129)).Record(200, fixtures::BodyBuilder().PadTo(20));
        });
        EXPECT_FLOAT_EQ(w.levelOffset, c.offset) << c.value;
    }
}

TEST_F(TranslationValuesTest, PeriodsAndLevelOffsetsNoInstrumentHasAreNone) {
    // Each case: the lines of another model's file, the period and level
    // offset they leave, and the sample period field (Q 70) they leave.
    struct Case {
        std::vector<std::pair<int, std::string>> lines;
        float period, offset;
    } cases[] = {
        {{{83, "6"}, {84, "3"}, {227, "-1.5"}}, 360.0f, -1.5f},
        {{{83, "-5"}}, 0.0f, 0.0f},
        {{{83, "99999999999"}}, 0.0f, 0.0f},
        {{{83, "2000"}, {84, "3"}}, 0.0f, 0.0f},  // 33 hours
        {{{83, "1440"}, {84, "3"}, {227, "256"}}, 86400.0f, 256.0f},
        {{{227, "999999999999999999999999999999999999999999"}}, 0.0f, 0.0f},
        {{{227, "-300"}}, 0.0f, 0.0f},
    };
    FileSpec spec;
    spec.model = 61;
    for (const Case& c : cases) {
        const WorkState& w = After(spec, [&](fixtures::DownloadFileBuilder& f) {
            for (const auto& [q, v] : c.lines) f.Q(q, v);
        });
        EXPECT_FLOAT_EQ(w.periodSecs, c.period) << c.lines.front().second;
        EXPECT_FLOAT_EQ(w.levelOffset, c.offset) << c.lines.back().second;
    }

    // A sample value past any integer: its whole-number field saturates.
    const auto recs = Records(dir, MakeFile(spec, [](fixtures::DownloadFileBuilder& f) { f.Q(70, "66666666666"); }));
    ASSERT_FALSE(recs.empty());
    EXPECT_EQ(U16At(recs[0].record, 372), 0xFFFF);

    // A J46 calibration record's setup line with a value past any offset.
    spec.model = 46;
    spec.modeLine = "OBA ";
    spec.levelOffset = std::string(60, '9');
    const WorkState& w = After(spec, [](fixtures::DownloadFileBuilder& f) {
        f.Record('C', fixtures::BodyBuilder().PadTo(129));
    });
    EXPECT_FLOAT_EQ(w.levelOffset, 0.0f);
}

TEST_F(TranslationValuesTest, LaterJ46CalibrationsKeepTheOffsetTheFirstFound) {
    FileSpec spec;
    spec.model = 46;
    spec.modeLine = "OBA ";
    spec.levelOffset = "250";  // the setup lines at the end: -6
    const std::string path = dir.Write("c.slmdl", MakeFile(spec, [](fixtures::DownloadFileBuilder& f) {
        const fixtures::BodyBuilder cal = fixtures::BodyBuilder().PadTo(129);
        f.Record('C', cal).R(106, "1.5").Record('C', cal);
    }));
    std::fill(b.work.begin(), b.work.end(), 0);
    ASSERT_EQ(CV_StartTranslate(path.c_str(), b.work.data()), 0);
    const WorkState& w = *reinterpret_cast<const WorkState*>(b.work.data());
    std::vector<float> offsets;
    for (int i = 0; i < 10 && offsets.size() < 2; ++i) {
        ASSERT_GE(CV_TranslateNextRec(b.record.data(), b.work.data()), 0);
        if (b.record[0] == 30) offsets.push_back(w.levelOffset);
    }
    EXPECT_EQ(offsets, (std::vector<float>{1.5f, 1.5f}));
}

}  // namespace
