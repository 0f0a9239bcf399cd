// Setup lines ("R" group): the J57's summary (kind 55), the J46's (kind 37)
// and the other models' (kind 8).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "RecordFixture.h"

using namespace tessdec_test;

namespace {

constexpr uint32_t k9Mar2003 = 1047215130;  // 09 Mar 2003 14:05:30 CET

class SetupLinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    // The setup-line record of a file whose trailer lines are those given
    // (after the identification and start lines the fixture writes).
    std::vector<uint8_t> Summary(const FileSpec& spec, const std::function<void(fixtures::DownloadFileBuilder&)>& before,
                                 const std::function<void(fixtures::DownloadFileBuilder&)>& lines) {
        fixtures::HeaderSpec h;
        h.model = spec.model;
        h.firmware = spec.firmware;
        h.modeLine = spec.modeLine;
        fixtures::DownloadFileBuilder f;
        f.Header(h);
        before(f);
        if (spec.model == 57) {
            f.J57Trailer("09Mar2003", "14:05:30", "0.0");
        } else {
            f.R(1, "Morvek-Audio Model J" + std::to_string(spec.model));
            f.R(6, spec.model == 46 ? "09Mar2003 14:05:30" : " 09Mar2003 14:05:30");
        }
        lines(f);
        const auto recs = Records(dir, f.End().Bytes(), true);
        EXPECT_EQ(recs.size(), 2u + CountKinds(before));
        return recs.size() >= 2 ? recs[recs.size() - 2].record : std::vector<uint8_t>(TESSDEC_RECORD_SIZE);
    }
    size_t CountKinds(const std::function<void(fixtures::DownloadFileBuilder&)>& before) {
        fixtures::DownloadFileBuilder f;
        before(f);
        return f.Size() == 0 ? 0 : 1;  // the tests put one parameter group before the trailer
    }
    fixtures::TempFolder dir;
};

void NoRecords(fixtures::DownloadFileBuilder&) {}
void NoLines(fixtures::DownloadFileBuilder&) {}

TEST_F(SetupLinesTest, J57StartLineAndTranslationCopies) {
    const auto r = Summary(FileSpec{}, [](fixtures::DownloadFileBuilder& f) {
        f.Q(49, "80").Q(50, "85").Q(46, "70").Q(47, "90").Q(53, "3").Q(54, "4").Q(121, "Chan1").Q(124, "Pa");
        f.Q(146, "1").Q(157, "7").Q(145, "1");
    }, NoLines);
    // R 6 in J57 trailers has the date in the column after the comma.
    Expected e(5316);
    e.U16(0, 55).U16(2, 7).U32(4, k9Mar2003).U32(0x035C, k9Mar2003).U16(0x000A, 0x0008);
    e.U16(0x0360, 80).U16(0x028C, 85).U16(0x017C, 70).U16(0x0090, 90).U16(0x0244, 3).U16(0x0232, 4);
    e.Text(0x003C, "Chan1").Text(0x005A, "Pa").U16(0x026C, 57).U16(0x0E58, 1);
    EXPECT_TRUE(SameBytes(r, e));
}

TEST_F(SetupLinesTest, J57SpecialLines) {
    const std::string dash33 = [] {
        std::string s;
        for (int i = 0; i < 33; ++i) s += (i ? "," : "") + std::string(i == 3 ? " ---" : "40.0");
        return s;
    }();
    std::string twelve, long33;
    for (int i = 0; i < 12; ++i) twelve += (i ? "," : "") + std::to_string(50 + i) + ".0";
    for (int i = 0; i < 33; ++i) long33 += (i ? "," : "") + std::string("  30.0");
    const auto r = Summary(FileSpec{}, NoRecords, [&](fixtures::DownloadFileBuilder& f) {
        f.R(5, "1:02:03").R(7, "1:30.5").R(60, "3,12.5p").R(60, "99,1.0");
        f.R(98, "  1   2   3   4   5   6   7 255").R(98, "  9   9   9   9   9   9   9   9");
        f.R(120, "WSW").R(172, dash33).R(207, twelve).R(213, long33).R(219, long33).R(87, "EXT").R(170, "12.34");
        f.R(220, "1.5K").R(223, "2M").R(221, "12,13").R(40, "55.5").R(53, "unknown").R(124, "N  10,NNE20,NE 30");
        f.R(21, "80.1,81.2,82.3").R(22, "09Mar2003 14:05:30,10Mar2003 08:00:00").R(218, "xN  " + std::string(21, 'a') +
                                                                                          std::string(21, 'b'));
    });
    EXPECT_FLOAT_EQ(F32At(r, 0x034C), 3723.0f);
    EXPECT_FLOAT_EQ(F32At(r, 0x0144), 90.5f);
    EXPECT_FLOAT_EQ(F32At(r, 0x01C8 + 12), -12.5f);
    const uint8_t r98[8] = {2, 3, 4, 5, 6, 7, 8, 1};  // 255 + 1 wraps to 0, stored as 1
    for (size_t k = 0; k < 8; ++k) EXPECT_EQ(r[0x01AC + k], r98[k]) << k;
    EXPECT_EQ(U16At(r, 0x0E50), 11);
    EXPECT_EQ(F32At(r, 0x03D0 + 12), 999.0f);             // " ---"
    EXPECT_EQ(F32At(r, 0x03D0 + 136 + 4), 999.0f);        // its octave
    EXPECT_NEAR(F32At(r, 0x03D0 + 136), 40.0f + 10 * std::log10(3.0f), 1e-4);
    EXPECT_EQ(F32At(r, 0x03D0 + 136 + 44), 0.0f);         // octave slot 11 is not computed
    // R 207 (short) replaces spectrum 2's third octaves 0 to 11 and copies them to the octaves.
    EXPECT_FLOAT_EQ(F32At(r, 0x0494), 50.0f);
    EXPECT_FLOAT_EQ(F32At(r, 0x0494 + 136 + 44), 61.0f);
    EXPECT_EQ(F32At(r, 0x0494 + 48), 0.0f);               // slot 12: no thirteenth item
    EXPECT_EQ(F32At(r, 0x0558 + 136), 0.0f);              // R 213 long: octaves untouched
    EXPECT_EQ(F32At(r, 0x0900 + 4 * 33), 999.0f);         // R 219 with 33 items
    EXPECT_EQ(TextAt(r, 0x0074, 8), "12.3V");
    EXPECT_FLOAT_EQ(F32At(r, 0x09B8), 1536.0f);
    EXPECT_FLOAT_EQ(F32At(r, 0x08FC), 2.0f);              // "M" only multiplies R 220
    for (size_t i = 0; i < 46; ++i) EXPECT_EQ(F32At(r, 0x0784 + 4 * i), 999.0f) << i;
    EXPECT_FLOAT_EQ(F32At(r, 0x0254 + 8), 55.5f);
    EXPECT_EQ(U16At(r, 0x000A) & 0x0200, 0x0200);
    EXPECT_EQ(U32At(r, 0x0238), 1u);
    EXPECT_EQ(U32At(r, 0x0E2C), 10u);
    EXPECT_EQ(U32At(r, 0x0E30), 20u);
    EXPECT_EQ(U32At(r, 0x0E34), 30u);
    EXPECT_FLOAT_EQ(F32At(r, 0x0098 + 8), 82.3f);
    EXPECT_EQ(U32At(r, 0x00BC), k9Mar2003);
    EXPECT_EQ(U32At(r, 0x00C0), 1047279600u);
    EXPECT_EQ(U32At(r, 0x00C4), 0u);
    EXPECT_EQ(TextAt(r, 0x09C0, 22), std::string(21, 'a'));
    EXPECT_EQ(TextAt(r, 0x09C0 + 22, 22), std::string(21, 'b'));
    EXPECT_EQ(TextAt(r, 0x09C0 + 44, 22), "");
    EXPECT_EQ(U16At(r, 0x026C), 57);
}

TEST_F(SetupLinesTest, J57VoltageNeedsAPowerTextWithE) {
    const auto before = Summary(FileSpec{}, NoRecords, [](fixtures::DownloadFileBuilder& f) {
        f.R(86, "Batt").R(170, "12.34").R(87, "EXT");
    });
    EXPECT_EQ(TextAt(before, 0x0074, 8), "Batt");
    const auto other = Summary(FileSpec{}, NoRecords, [](fixtures::DownloadFileBuilder& f) {
        f.R(86, "Batt").R(87, "INT").R(170, "12.34");
    });
    EXPECT_EQ(TextAt(other, 0x0074, 8), "Batt");
}

TEST_F(SetupLinesTest, J46Summary) {
    FileSpec spec;
    spec.model = 46;
    spec.modeLine = "OBA ";
    std::string bands;
    for (int i = 0; i < 30; ++i) bands += (i ? "," : "") + std::string(i == 5 ? "-" : std::to_string(i) + ".5");
    const auto r = Summary(spec, [](fixtures::DownloadFileBuilder& f) { f.Q(147, "2.5").Q(157, "4"); },
                           [&](fixtures::DownloadFileBuilder& f) {
                               f.R(106, "250").R(124, "3,xxx42").R(124, "9,xxx1").R(172, bands).R(4, "1,2,3");
                               f.R(122, "5").R(139, "1:00:00").R(19, "88.5").R(20, "10Mar2003 08:00:00");
                               f.R(120, "NNE").R(120, " NE");
                           });
    EXPECT_EQ(U16At(r, 0), 37);
    EXPECT_EQ(U16At(r, 2), 4);
    EXPECT_EQ(U32At(r, 4), k9Mar2003);
    EXPECT_EQ(U32At(r, 0x0388), k9Mar2003);
    EXPECT_FLOAT_EQ(F32At(r, 0x008C), -6.0f);
    EXPECT_EQ(U32At(r, 0x0408 + 8), 42u);
    for (size_t k = 0; k < 8; ++k) {
        if (k != 2) {
            EXPECT_EQ(U32At(r, 0x0408 + 4 * k), 0u) << k;
        }
    }
    EXPECT_FLOAT_EQ(F32At(r, 0x01A4), 0.5f);
    EXPECT_FLOAT_EQ(F32At(r, 0x01A4 + 20), 0.0f);  // "-" is no number, not "no value"
    EXPECT_FLOAT_EQ(F32At(r, 0x01A4 + 4 * 29), 29.5f);
    EXPECT_FLOAT_EQ(F32At(r, 0x0168), 88.5f);
    EXPECT_EQ(U32At(r, 0x0170), 1047279600u);
    EXPECT_EQ(U16At(r, 0x042C), 2);
    EXPECT_FLOAT_EQ(F32At(r, 0x043C), 2.5f);
    EXPECT_EQ(U16At(r, 0x0188), 46);
}

TEST_F(SetupLinesTest, OtherModelsSummary) {
    FileSpec spec;
    spec.model = 61;
    const auto r = Summary(spec, [](fixtures::DownloadFileBuilder& f) { f.Q(157, "9").Q(53, "5"); },
                           [](fixtures::DownloadFileBuilder& f) {
                               f.R(120, "NNE").R(90, "7.5").R(98, "   9   0  -1").R(98, "   5").R(60, "3,12.5p");
                               f.R(40, "66.6").R(48, "1.0").R(50, "62.5").R(60, "30,1.0").R(124, "9,xxx5");
                               f.R(124, "2,xxx7").R(87, "POWER SOURCE TEXT").R(3, std::string(60, 't'));
                           });
    EXPECT_EQ(U16At(r, 0), 8);
    EXPECT_EQ(U16At(r, 2), 9);
    EXPECT_EQ(U32At(r, 4), k9Mar2003);
    EXPECT_EQ(U32At(r, 544), k9Mar2003);
    EXPECT_EQ(U16At(r, 708), 1);
    // R 98 comes after R 90 and wins over its bytes; R 60 after R 98 wins over slot 3.
    const uint8_t r98[4] = {10, 1, 1, 1};
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(r[160 + k], r98[k]) << k;
    for (size_t k = 4; k < 32; ++k) {
        if (160 + k < 200 || 160 + k >= 204) {
            EXPECT_EQ(r[160 + k], 1) << k;
        }
    }
    EXPECT_FLOAT_EQ(F32At(r, 200), -12.5f);
    EXPECT_FLOAT_EQ(F32At(r, 344), 66.6f);
    EXPECT_EQ(U16At(r, 10) & 0x200, 0x200);
    EXPECT_FLOAT_EQ(F32At(r, 316), 62.5f);
    EXPECT_FLOAT_EQ(F32At(r, 296), 1.0f);
    EXPECT_EQ(U32At(r, 676), 7u);
    EXPECT_EQ(TextAt(r, 124, 4), "POW");       // cut at the next field
    EXPECT_EQ(U32At(r, 128), 0u);
    EXPECT_EQ(TextAt(r, 552, 51), std::string(50, 't'));
    EXPECT_EQ(U16At(r, 312), 5);
    EXPECT_EQ(U16At(r, 392), 61);
}

TEST_F(SetupLinesTest, ModelLineKeepsItsDigits) {
    FileSpec spec;
    spec.model = 61;
    const auto steps = Walk(dir.Write("m.slmdl", MakeFile(spec, [](fixtures::DownloadFileBuilder&) {})));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(U16At(steps.back().record, TESSDEC_SUM_MODEL), 61);
    EXPECT_EQ(U32At(steps.back().record, TESSDEC_SUM_SETUP_START), k9Mar2003);
    const auto j57 = Walk(dir.Write("m57.slmdl", MakeFile(FileSpec{}, [](fixtures::DownloadFileBuilder&) {})));
    EXPECT_EQ(U16At(j57.back().record, TESSDEC_SUM_MODEL), 57);
}

// The setup-line record of a walk (the first of kind 55, 37 or 8).
std::vector<uint8_t> SetupRecordOf(const std::vector<WalkStep>& steps) {
    for (const WalkStep& s : steps) {
        const uint16_t kind = U16At(s.record, 0);
        if (kind == 55 || kind == 37 || kind == 8) return s.record;
    }
    ADD_FAILURE() << "no setup-line record";
    return std::vector<uint8_t>(TESSDEC_RECORD_SIZE);
}

// Lines with numbers, indexes and lengths nobody meant leave every byte that
// no known line fills as it was.
TEST_F(SetupLinesTest, GarbageLinesTouchNothingElse) {
    for (int model : {57, 46, 61}) {
        FileSpec spec;
        spec.model = model;
        spec.modeLine = model == 46 ? "OBA " : "SSA";
        const auto clean = SetupRecordOf(Walk(dir.Write("c.slmdl", MakeFile(spec, NoRecords))));
        auto garbage = [](fixtures::DownloadFileBuilder& f) {
            f.R(999, "x").R(-1, "x").R(241, std::string(100, '9'));
            f.R(60, "-5,1.0").R(60, "24,1.0").R(60, "2147483647,1.0").R(124, "-3,xxx1").R(124, "0,xxx1");
            f.R(98, "").R(218, "xN").R(12, std::string(200, 'q')).R(87, std::string(40, 'p'));
            f.R(180, std::string(40, 'r'));
            f.R(3, std::string(5000, 'z'));  // read in pieces: its rest ends the group
        };
        const std::string bytes = MakeFile(spec, NoRecords);
        // The garbage lines go after the fixture's own setup lines, before the end byte.
        const std::string withGarbage = bytes.substr(0, bytes.size() - 1) +
                                        [&] { fixtures::DownloadFileBuilder g; garbage(g); return g.Bytes(); }() + '\0';
        const auto r = SetupRecordOf(Walk(dir.Write("g.slmdl", withGarbage)));
        for (size_t i = 0; i < TESSDEC_RECORD_SIZE; ++i) {
            if (r[i] == clean[i]) continue;
            const bool textOrR98 = r[i] == 'z' || r[i] == 'q' || r[i] == 'p' || r[i] == 'r' || r[i] == 1;
            EXPECT_TRUE(textOrR98) << "model " << model << " offset " << i;
            if (!textOrR98) break;
        }
    }
}

}  // namespace
