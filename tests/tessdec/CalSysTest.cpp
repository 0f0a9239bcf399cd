// Calibration ("C") and system ("S") records of the J46 and the other models.
#include <gtest/gtest.h>

#include <string>

#include "RecordFixture.h"

using namespace tessdec_test;

namespace {

class CalSysTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    fixtures::TempFolder dir;
};

std::vector<uint8_t> Pattern(size_t n, int seed) {
    std::vector<uint8_t> b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(i + seed);
    return b;
}

std::vector<uint8_t> OneRecord(const fixtures::TempFolder& dir, const FileSpec& spec, unsigned type,
                               const std::string& body) {
    const auto recs = Records(dir, MakeFile(spec, [&](fixtures::DownloadFileBuilder& f) { f.Record(type, body); }));
    EXPECT_EQ(recs.size(), 2u);
    return recs.empty() ? std::vector<uint8_t>(TESSDEC_RECORD_SIZE) : recs.front().record;
}

float SignedFix88(const std::vector<uint8_t>& b, size_t i) {
    return static_cast<float>(b[i] >= 192 ? b[i] - 256 : b[i]) + b[i + 1] / 256.0f;
}

Expected SystemExpected(const std::vector<uint8_t>& b, bool j46) {
    const size_t d = j46 ? 4 : 0;
    Expected e(j46 ? 272 : 288);
    e.U16(0, j46 ? 36 : 54).U16(10, j46 ? 46 : 57);
    for (size_t i = 0; i < 5; ++i) e.U16(12 + 2 * i, b[i]);
    if (!j46) e.U16(22, b[7]).U16(24, b[8]);
    auto copy = [&](size_t off, size_t from, size_t n) {
        for (size_t i = 0; i < n; ++i) e.U8(off - d + i, b[from + i]);
    };
    copy(26, 9, 5);
    copy(32, 14, 4);
    e.U16(36 - d, b[18]);
    copy(38, 19, 30);
    copy(70, 49, 30);
    copy(102, 79, 30);
    e.U16(134 - d, b[109]).U8(136 - d, b[110]);
    for (size_t i = 0; i < 10; ++i) e.U16(138 - d + 2 * i, b[111 + i]);
    copy(158, 121, 30);
    e.U16(190 - d, b[151]);
    copy(192, 152, 30);
    copy(224, 182, 8);
    for (size_t i = 0; i < 8; ++i) e.U16(234 - d + 2 * i, b[190 + i]);
    e.F32(252 - d, SignedFix88(b, 198));
    copy(256, 200, 8);
    e.U16(266 - d, b[208]).U16(268 - d, b[209]);
    char hm[8];
    std::snprintf(hm, sizeof hm, "%02x:%02x", b[210], b[211]);
    e.Text(270 - d, hm);
    if (!j46) {
        e.F32(276, SignedFix88(b, 212));
        copy(280, 214, 4);
    }
    return e;
}

TEST_F(CalSysTest, SystemRecordsOfBothFamilies) {
    const std::vector<uint8_t> b = Pattern(226, 5);
    const std::string body(b.begin(), b.end());
    EXPECT_TRUE(SameBytes(OneRecord(dir, FileSpec{}, 'S', body), SystemExpected(b, false)));
    FileSpec j46;
    j46.model = 46;
    j46.modeLine = "OBA ";
    EXPECT_TRUE(SameBytes(OneRecord(dir, j46, 'S', body), SystemExpected(b, true)));
}

TEST_F(CalSysTest, CalibrationOfOtherModels) {
    fixtures::BodyBuilder body;
    body.U8(1).U8(2).U8(0).Fix88(-1.5).Fix88(94.0).Fix88(0.25);
    body.BcdDate(9, 3, 3).BcdTime(14, 5, 30).BcdDate(10, 3, 3).BcdTime(8, 0, 0);
    body.Fix88(93.5).U16(0x5000).Fix88(1.25).Zeros(10).Fix88(-2.0).Fix88(80.5).Fix88(81.5).Zeros(20).U16(777);
    FileSpec spec;
    spec.levelOffset = "0.5";
    Expected e(64);
    e.U16(0, 50).U16(10, 57).U16(12, 1).U16(14, 2).F32(16, -1.5f).F32(20, 94.0f).F32(24, 0.25f);
    e.U32(28, 1047215130).U32(32, 1047279600);
    e.F32(36, 94.0f).F32(40, 999.0f).F32(44, 1.75f).F32(48, -2.0f).F32(52, 81.0f).F32(56, 82.0f).U32(60, 777);
    EXPECT_TRUE(SameBytes(OneRecord(dir, spec, 'C', body.Bytes()), e));
}

TEST_F(CalSysTest, CalibrationOfTheJ46) {
    std::vector<uint8_t> b = Pattern(129, 1);
    // Dates and times that convert: 09 Mar 2003 14:05:30 and 10 Mar 2003 08:00:00.
    const uint8_t times[12] = {0x09, 0x03, 0x03, 0x14, 0x05, 0x30, 0x10, 0x03, 0x03, 0x08, 0x00, 0x00};
    std::copy(times, times + 12, b.begin() + 9);
    FileSpec spec;
    spec.model = 46;
    spec.modeLine = "OBA ";
    const auto r = OneRecord(dir, spec, 'C', std::string(b.begin(), b.end()));
    Expected e(148);
    e.U16(0, 30).U16(10, 46).U16(12, b[0]).U16(14, b[1]).U16(16, b[2]);
    e.F32(20, SignedFix88(b, 3)).F32(24, SignedFix88(b, 5)).F32(28, b[7] + b[8] / 256.0f);
    e.U32(32, 1047215130).U32(36, 1047279600).F32(40, b[21] + b[22] / 256.0f);
    for (size_t i = 0; i < 3; ++i) e.F32(44 + 4 * i, b[43 + 2 * i] + b[44 + 2 * i] / 256.0f);
    for (size_t i = 0; i < 3; ++i) e.F32(56 + 4 * i, (b[49 + 2 * i] * 256 + b[50 + 2 * i]) / 32512.0f);
    e.U16(68, b[55]).U16(70, b[56]);
    for (size_t i = 0; i < 33; ++i) e.U16(72 + 2 * i, b[57 + i]);
    e.U16(138, b[90]).U16(140, b[91]).U16(142, b[92]).U32(144, b[127] * 256u + b[128]);
    EXPECT_TRUE(SameBytes(r, e));
}

}  // namespace
