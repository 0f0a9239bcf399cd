// Measurement settings records ("M"): each kind's fields byte for byte, on
// both sides of every firmware threshold.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "RecordFixture.h"
#include "SetupBlockBuilder.h"

using namespace tessdec_test;
using testsupport::SetupBlockBuilder;

namespace {

constexpr size_t kCompared = 320;

struct Block {
    std::vector<uint8_t> b;
    unsigned operator[](size_t i) const { return b[i]; }
    unsigned Be16(size_t i) const { return b[i] * 256u + b[i + 1]; }
    float Fix88(size_t i) const { return b[i] + b[i + 1] / 256.0f; }
    float SignedFix88(size_t i) const { return static_cast<float>(b[i] >= 192 ? b[i] - 256 : b[i]) + b[i + 1] / 256.0f; }
    float Fix816(size_t i) const { return static_cast<float>(b[i] + Be16(i + 1) / 65536.0); }
    std::string Hex(std::initializer_list<size_t> at, char sep) const {
        std::string s;
        for (size_t i : at) {
            char x[4];
            std::snprintf(x, sizeof x, "%02x", b[i]);
            if (!s.empty()) s += sep;
            s += x;
        }
        return s;
    }
    std::string Dec3(size_t i) const {
        char x[16];
        std::snprintf(x, sizeof x, "%02d:%02d:%02d", b[i], b[i + 1], b[i + 2]);
        return std::string(x).substr(0, 8);  // cut to its 9-byte slot
    }
};

// A pattern block (byte i holds i + seed) of the given mode; bytes the
// Part's rules look at are set by the caller.
Block PatternBlock(int mode, size_t size = 219, int seed = 3) {
    SetupBlockBuilder s(size);
    s.Pattern(0, size, seed).Mode(mode);
    return {s.Bytes()};
}

std::string Body(const Block& b) { return std::string(b.b.begin(), b.b.end()); }

// The common part every settings record starts with.
Expected Common(const Block& b, unsigned kind, unsigned model, unsigned site = 0) {
    Expected e(kCompared);
    e.U16(0, kind).U16(2, site).U16(10, model).U16(12, b[0]).U16(56, b[39]).U16(58, b[40]).U16(60, b[41]);
    for (size_t i = 0; i < 8; ++i) e.U8(14 + i, b[1 + i]);
    for (size_t i = 0; i < 30; ++i) e.U8(24 + i, b[9 + i]);
    return e;
}

void FourHm(Expected& e, const Block& b, size_t off) {
    for (size_t i = 0; i < 4; ++i) e.Text(off + 6 * i, b.Hex({63 + 2 * i, 64 + 2 * i}, ':'));
}

std::vector<uint8_t> SettingsRecord(const fixtures::TempFolder& dir, const FileSpec& spec, const Block& b) {
    const auto recs = Records(dir, MakeFile(spec, [&](fixtures::DownloadFileBuilder& f) { f.Record('M', Body(b)); }));
    EXPECT_EQ(recs.size(), 2u);
    return recs.empty() ? std::vector<uint8_t>(TESSDEC_RECORD_SIZE) : recs.front().record;
}

class SettingsTest : public ::testing::Test {
protected:
    fixtures::TempFolder dir;
};

Expected SsaExpected(const Block& b, bool above201, bool wind, bool above3115) {
    Expected e = Common(b, 51, 57);
    e.U16(62, b[42]).U16(66, b[56]);
    e.Text(68, b.Hex({59, 58, 57}, '/')).Text(80, b.Hex({62, 61, 60}, '/'));
    FourHm(e, b, 92);
    e.Text(116, b.Hex({71, 72, 73}, ':'));
    e.U16(126, b[86]).U16(128, b[87]).U16(130, b[89]).U16(132, b[90]).U16(136, b[92]).U16(138, b[93]);
    e.U16(140, b[98]).U16(142, b[99]).U16(256, b[104]);
    e.U16(178, b[145]).U16(180, b[146]).U16(182, b[147]).U16(184, b[148]);
    if (above3115) e.U16(134, b[94]);
    e.Text(144, b.Dec3(100));
    if (!above201) return e;
    e.U16(168, b[47]).U16(170, b[103]);
    for (size_t i = 0; i < 6; ++i) e.F32(232 + 4 * i, b.SignedFix88(110 + 2 * i));
    e.F32(156, b.Fix88(122)).U16(162, b[124]).U16(164, b[125]).U16(166, b[126]);
    if (wind) {
        e.U16(64, b[49]).F32(260, static_cast<float>(b[127] + b.Be16(128) / 65535.0));
        for (size_t i = 0; i < 4; ++i) e.U8(264 + i, b[130 + i]);
        e.U16(270, b.Be16(134)).U16(272, b.Be16(136)).U16(274, b[138]).U8(276, b[139]);
    }
    e.U16(172, b[140]).U16(174, b[141]).U16(176, b[142]);
    for (size_t i = 0; i < 13; ++i) e.U16(186 + 2 * i, b[153 + i]);
    e.U16(160, b[179]).U16(228, b[180]).U16(212, b[181]).U16(214, b[182]).U16(222, b[183]);
    e.U16(216, b[184]).U16(224, b[185]).U16(218, b[186]).U16(226, b[187]);
    return e;
}

TEST_F(SettingsTest, SsaOnBothSidesOfItsThresholds) {
    struct Case {
        const char* firmware;
        bool above201, wind, above3115;
    } cases[] = {
        // Versions compare as decimal numbers: 3.59 is above 3.115 and below 3.6.
        {"2.01", false, false, false}, {"2.02", true, false, false}, {"3.59", true, false, true},
        {"3.60", true, true, true},    {"3.115", true, false, true}, {"3.114", true, false, false},
    };
    const Block b = PatternBlock(0);
    for (const Case& c : cases) {
        FileSpec spec;
        spec.firmware = c.firmware;
        EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, b), SsaExpected(b, c.above201, c.wind, c.above3115)))
            << c.firmware;
    }
}

TEST_F(SettingsTest, SsaWindScaleUses65535) {
    Block b = PatternBlock(0);
    b.b[127] = 1, b.b[128] = 128, b.b[129] = 0;
    FileSpec spec;
    spec.firmware = "3.60";
    EXPECT_FLOAT_EQ(F32At(SettingsRecord(dir, spec, b), 260), static_cast<float>(1 + 32768.0 / 65535.0));
}

Expected LogExpected(const Block& b, bool above201, bool from36, float levelOffset) {
    Expected e = Common(b, 53, 57);
    e.U16(62, b[42]).U16(64, b[46]).U16(66, b[47]).U16(68, b[48]).U16(70, b[49]).U16(72, b[56]);
    e.Text(74, b.Hex({59, 58, 57}, '/')).Text(86, b.Hex({62, 61, 60}, '/'));
    FourHm(e, b, 98);
    e.Text(122, b.Hex({71, 72, 73}, ':'));
    for (size_t i = 0; i < 10; ++i) e.U16(132 + 2 * i, b[74 + i]);
    e.F32(152, b[85] == 0 ? 999.0f : b.Fix88(84) + levelOffset);
    e.U16(156, b[86]).U16(158, b[87]).U16(160, b[89]).U16(162, b[90]).U16(164, b[91]).U16(166, b[92]);
    e.U16(168, b[98]).U16(170, b[99]).Text(172, b.Dec3(100));
    for (size_t i = 0; i < 6; ++i) e.F32(184 + 4 * i, b.SignedFix88(110 + 2 * i));
    e.F32(208, b.Fix88(122)).U16(212, b[124]).U16(214, b[125]).U16(216, b[126]);
    e.F32(220, static_cast<float>(b[127] + b.Be16(128) / 65535.0));
    for (size_t i = 0; i < 4; ++i) e.U8(224 + i, b[130 + i]);
    e.U16(230, b.Be16(134)).U16(232, b.Be16(136));
    if (from36) {
        e.U16(234, b[138]).U8(312, b[139]);
    } else {
        e.U16(234, b.Be16(138));
    }
    e.U16(236, b[140]).U16(238, b[141]).U16(240, b[142]);
    for (size_t i = 0; i < 4; ++i) e.U16(242 + 2 * i, b[145 + i]);
    for (size_t i = 0; i < 15; ++i) e.U16(250 + 2 * i, b[153 + i]);
    e.U16(280, b[173]).U16(282, b[174]).U16(284, b.Be16(175)).Text(286, b.Hex({177, 178}, ':'));
    e.U16(292, b[179]).U16(294, b[180]).U16(296, b[181]).U16(298, b[182]);
    if (above201) {
        e.U16(300, b[184]).U16(302, b[186]).U16(306, b[183]).U16(308, b[185]).U16(310, b[187]);
    } else {
        e.U16(300, b[183]).U16(302, b[184]).U16(308, b[185]);
    }
    return e;
}

TEST_F(SettingsTest, LogOnBothSidesOfItsThresholds) {
    struct Case {
        const char* firmware;
        bool above201, from36;
    } cases[] = {{"2.01", false, false}, {"2.02", true, false}, {"3.6", true, true}};
    const Block b = PatternBlock(2);
    for (const Case& c : cases) {
        FileSpec spec;
        spec.firmware = c.firmware;
        spec.levelOffset = "0.5";
        EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, b), LogExpected(b, c.above201, c.from36, 0.5f))) << c.firmware;
    }
    // ENV shares the LOG layout.
    const Block env = PatternBlock(3);
    FileSpec spec;
    EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, env), LogExpected(env, true, false, 0.0f)));  // 3.116 is below 3.6
}

TEST_F(SettingsTest, IsmAndTal) {
    const Block ism = PatternBlock(1);
    Expected e = Common(ism, 52, 57);
    e.U16(62, ism[74]).U16(64, ism[75]);
    for (size_t i = 0; i < 7; ++i) e.U16(66 + 2 * i, ism[86 + i]);
    e.U16(80, ism[145]).U16(82, ism[146]).U16(84, ism[147]);
    EXPECT_TRUE(SameBytes(SettingsRecord(dir, FileSpec{}, ism), e));

    const Block tal = PatternBlock(7);
    for (const char* fw : {"2.01", "2.02"}) {
        Expected t = Common(tal, 60, 57);
        t.Text(62, tal.Dec3(71)).U16(72, tal[86]).U16(74, tal[87]).U16(76, tal[93]).Text(78, tal.Dec3(100));
        if (std::string(fw) == "2.02") {
            t.U16(88, tal[47]);
            for (size_t i = 0; i < 6; ++i) t.F32(112 + 4 * i, tal.SignedFix88(110 + 2 * i));
            t.U16(90, tal[140]).U16(92, tal[141]).U16(94, tal[142]);
            const size_t at[] = {96, 98, 106, 100, 108, 102, 110};
            for (size_t i = 0; i < 7; ++i) t.U16(at[i], tal[181 + i]);
            t.U8(136, tal[188]).U8(137, tal[189]);
        }
        FileSpec spec;
        spec.firmware = fw;
        EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, tal), t)) << fw;
    }
}

Expected RtaExpected(const Block& b, unsigned dbDown, float detector) {
    Expected e = Common(b, 70, 57);
    e.U8(60, b[41]).U8(61, b[42]).U8(62, b[48]).F32(64, detector).U8(68, b[77]);
    e.U16(70, b.Be16(78)).U16(72, b.Be16(80)).U8(74, b[93]).U8(75, b[94]).U8(76, b[95]);
    e.F32(84, b.SignedFix88(96)).F32(96, b.Fix816(98)).U16(106, b.Be16(101)).U8(77, b[103]);
    e.F32(80, b.SignedFix88(104)).F32(92, b.Fix816(106)).U16(104, b.Be16(109)).U8(78, b[111]);
    e.F32(88, b.SignedFix88(112)).F32(100, b.Fix816(114)).U16(108, b.Be16(117));
    e.U8(110, b[119]).U8(111, b[120]).U8(112, b[121]).U8(113, dbDown);
    for (size_t i = 0; i < 8; ++i) e.U8(114 + i, b[122 + i]);
    return e;
}

TEST_F(SettingsTest, RtaDbDownListAndDetectorRounding) {
    struct Case {
        const char* firmware;
        uint8_t stored;
        unsigned shown;
        uint8_t det[3];
        float detector;
    } cases[] = {
        {"3.111", 3, 5, {0, 32, 0}, 0.125f},            // 12500: unchanged
        {"3.111", 2, 3, {0, 0x1F, 0xFF}, 0.12508f},     // 12498 + 10
        {"3.111", 1, 1, {0, 32, 0}, 0.125f},
        {"3.112", 3, 3, {0, 32, 0}, 0.125f},
        {"3.112", 2, 2, {0, 32, 0}, 0.125f},
    };
    for (const Case& c : cases) {
        Block b = PatternBlock(4, 216);
        b.b[130] = c.stored;
        std::copy(c.det, c.det + 3, b.b.begin() + 74);
        FileSpec spec;
        spec.firmware = c.firmware;
        spec.modeLine = "RTA";
        const auto r = SettingsRecord(dir, spec, b);
        EXPECT_EQ(r[113], c.shown) << c.firmware << " " << int(c.stored);
        EXPECT_NEAR(F32At(r, 64), c.detector, 1e-7) << c.firmware;
        EXPECT_TRUE(SameBytes(r, RtaExpected(b, c.shown, F32At(r, 64))));
    }
}

TEST_F(SettingsTest, FftWindowFieldsAroundFirmware3115) {
    Block b = PatternBlock(5);
    b.b[47] = 0xC0;
    struct Case {
        const char* firmware;
        unsigned at64, at66;
    } cases[] = {{"3.114", 128, 64}, {"3.115", b[78], 0}};
    for (const Case& c : cases) {
        Expected e = Common(b, 63, 57);
        e.U16(60, b[75]).U16(62, b[93]).U16(64, c.at64).U16(66, c.at66).U16(68, b.Be16(76));
        FileSpec spec;
        spec.firmware = c.firmware;
        EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, b), e)) << c.firmware;
    }
}

TEST_F(SettingsTest, J46Kinds) {
    FileSpec spec;
    spec.model = 46;
    spec.modeLine = "OBA ";
    spec.levelOffset = "0.0";

    const Block oba = PatternBlock(0, 186);
    Expected o = Common(oba, 33, 46);
    o.U16(62, oba[42]).U16(64, oba[56]).Text(66, oba.Hex({59, 58, 57}, '/')).Text(78, oba.Hex({62, 61, 60}, '/'));
    FourHm(o, oba, 90);
    o.Text(114, oba.Hex({71, 72, 73}, ':'));
    for (size_t i = 0; i < 6; ++i) o.U16(124 + 2 * i, oba[86 + i]);
    o.U16(136, oba[98]).U16(138, oba[99]).Text(140, oba.Hex({100, 101, 102}, ':'));
    for (size_t i = 0; i < 33; ++i) o.U16(150 + 2 * i, oba[110 + i]).U16(224 + 2 * i, oba[153 + i]);
    for (size_t i = 0; i < 4; ++i) o.U16(216 + 2 * i, oba[145 + i]);
    EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, oba), o));

    const Block sslm = PatternBlock(1, 186);
    Expected s = Common(sslm, 34, 46);
    for (size_t i = 0; i < 3; ++i) s.U16(62 + 2 * i, sslm[74 + i]).U16(82 + 2 * i, sslm[145 + i]);
    for (size_t i = 0; i < 7; ++i) s.U16(68 + 2 * i, sslm[86 + i]);
    EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, sslm), s));

    const Block islm = PatternBlock(2, 186);
    Expected i2 = Common(islm, 35, 46);
    i2.U16(62, islm[42]);
    for (size_t i = 0; i < 5; ++i) i2.U16(64 + 2 * i, islm[46 + i]);
    i2.U16(74, islm[56]).Text(76, islm.Hex({59, 58, 57}, '/')).Text(88, islm.Hex({62, 61, 60}, '/'));
    FourHm(i2, islm, 100);
    i2.Text(124, islm.Hex({71, 72, 73}, ':'));
    for (size_t i = 0; i < 10; ++i) i2.U16(134 + 2 * i, islm[74 + i]);
    i2.F32(156, islm[85] == 0 ? 999.0f : islm.Fix88(84));
    for (size_t i = 0; i < 6; ++i) i2.U16(160 + 2 * i, islm[86 + i]);
    i2.U16(172, islm[98]).U16(174, islm[99]).Text(176, islm.Dec3(100));
    for (size_t i = 0; i < 6; ++i) i2.F32(188 + 4 * i, islm.SignedFix88(110 + 2 * i));
    i2.F32(212, islm.SignedFix88(122)).U16(216, islm[124]).U16(218, islm[125]).U16(220, islm[126]);
    i2.F32(224, static_cast<float>(islm[127] + islm.Be16(128) / 65535.0));
    for (size_t i = 0; i < 4; ++i) i2.U8(228 + i, islm[130 + i]);
    i2.U16(234, islm.Be16(134)).U16(236, islm.Be16(136)).U16(238, islm.Be16(138));
    i2.U16(240, islm[140]).U16(242, islm[141]).U16(244, islm[142]);
    for (size_t i = 0; i < 4; ++i) i2.U16(246 + 2 * i, islm[145 + i]);
    for (size_t i = 0; i < 15; ++i) i2.U16(254 + 2 * i, islm[153 + i]);
    i2.U16(284, islm[173]).U16(286, islm[174]).U16(288, islm.Be16(175)).Text(290, islm.Hex({177, 178}, ':'));
    i2.U16(296, islm[179]).U16(298, islm[180]);
    EXPECT_TRUE(SameBytes(SettingsRecord(dir, spec, islm), i2));
}

TEST_F(SettingsTest, ModeWithoutSettingsGivesOnlyTheCommonPart) {
    const Block aud = PatternBlock(6);
    const auto steps = Walk(dir.Write("aud.slmdl", MakeFile(FileSpec{}, [&](fixtures::DownloadFileBuilder& f) {
                                          f.Record('M', Body(aud));
                                      })));
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0].status, 0);
    EXPECT_TRUE(SameBytes(steps[0].record, Common(aud, 0, 57)));
}

TEST_F(SettingsTest, ShortBodyGivesReadPastTheEnd) {
    Block b = PatternBlock(0);
    b.b.resize(100);
    const auto steps = Walk(dir.Write("short.slmdl", MakeFile(FileSpec{}, [&](fixtures::DownloadFileBuilder& f) {
                                          f.Record('M', Body(b));
                                      })));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].status, -313);
    EXPECT_EQ(U16At(steps[0].record, 0), 51);
    EXPECT_EQ(U16At(steps[0].record, 142), b[99]);   // read before the end
    EXPECT_EQ(U16At(steps[0].record, 178), 0);       // after it
}

}  // namespace
