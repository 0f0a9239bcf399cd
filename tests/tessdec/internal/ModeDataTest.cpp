// Mode data records of type 2: SSA intervals with their options, TAL
// snapshots, FFT and RTA spectra of the J57, OBA and sSLM intervals of the J46.
#include <gtest/gtest.h>

#include <cmath>

#include "TranslationHarness.h"

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;
using namespace tessdec_test;

namespace {

const uint32_t kTime = Utc(2003, 3, 10, 12, 30);

BodyBuilder Stamp(BodyBuilder b = {}) { return b.BcdDate(10, 3, 3).BcdTime(12, 30, 0); }

float Octave(float a, float b, float c) {
    if (a == 999.0f || b == 999.0f || c == 999.0f) return 999.0f;
    return static_cast<float>(10.0 * std::log10(std::pow(10.0, a / 10.0) + std::pow(10.0, b / 10.0) + std::pow(10.0, c / 10.0)));
}

TEST(ModeDataTest, SsaIntervalWithEveryOption) {
    BodyBuilder b = Stamp();
    b.U16(0).U8(15).U8(0).U8(0);  // 15 minutes
    for (int i = 0; i < 6; ++i) b.Fix88(60.25 + i);
    b.U8(1).U8(2).U8(3).U8(4);
    for (int i = 0; i < 6; ++i) b.Fix88(50.25 + i);
    for (int i = 0; i < 6; ++i) b.Fix88(10.5 * (i + 1));
    b.U16(400).U16(90).U8(7);
    std::string hist(384, '\0');
    for (size_t i = 0; i < hist.size(); ++i) hist[i] = static_cast<char>(i % 200 + 1);
    b.Raw(hist);
    // The first spectrum: bands 0 to 2 at 80 dB (79.5 + the offset), band 3
    // without a value, the rest 40.25 + k dB; the second 30.25 + k dB.
    for (int k = 0; k < 33; ++k) k < 3 ? b.Fix88(79.5) : k == 3 ? b.U8(70).U8(0) : b.Fix88(39.75 + k);
    for (int k = 0; k < 33; ++k) b.Fix88(29.75 + k);
    for (int k = 0; k < 6 * 33; ++k) k == 0 ? b.U16(0) : b.Fix88(20.25 + k % 33);

    Translation t;
    ASSERT_EQ(t.Start(J57File("SSA", [&](DownloadFileBuilder& f) { f.Record(2, b); })), 0);
    tessdec::WorkState& w = t.W();
    w.intervalLnFlag = w.windFlag = w.intervalHistFlag = 1;
    w.spectraSel = 1;
    w.lnSpectraSel = 2;
    ASSERT_EQ(t.NextOf(56), 0);

    Image want(1652);
    want.U16(0, 56).U32(4, kTime).F32(12, 900.0f).U16(16, 0x200 | 0x100 | 0x08).U16(32, 57).U32(44, 1);
    const size_t levels[6] = {20, 48, 28, 24, 36, 52};
    for (int i = 0; i < 6; ++i) want.F32(levels[i], 60.75f + i).F32(412 + 4 * i, 50.75f + i).F32(436 + 4 * i, 10.5f * (i + 1));
    want.U16(42, 1).U16(40, 2).U16(56, 3).U16(34, 4);
    want.F32(1640, 400.0f).F32(1648, 90.0f).U16(1644, 7).U8(460, 1).Bytes(461, hist);
    float first[33], second[33];
    for (int k = 0; k < 33; ++k) {
        first[k] = k < 3 ? 80.0f : k == 3 ? 999.0f : 40.25f + k;
        second[k] = 30.25f + k;
        want.F32(60 + 4 * k, first[k]).F32(236 + 4 * k, second[k]);
    }
    for (int o = 0; o < 11; ++o) {
        want.F32(192 + 4 * o, Octave(first[3 * o], first[3 * o + 1], first[3 * o + 2]));
        want.F32(368 + 4 * o, Octave(second[3 * o], second[3 * o + 1], second[3 * o + 2]));
    }
    // The Ln spectra come from the highest Ln down; a zero pair has no value.
    for (int n = 0; n < 6 * 33; ++n)
        want.F32(848 + 132 * (5 - n / 33) + 4 * (n % 33), n == 0 ? 999.0f : 20.75f + n % 33);
    EXPECT_TRUE(SameBytes(t.Rec(), want));
    EXPECT_NEAR(t.F32(192), 84.77f, 0.005f);
    EXPECT_EQ(t.F32(196), 999.0f);
}

TEST(ModeDataTest, SsaIntervalWithoutOptionsReadsItsFixedPartAndOneSpectrum) {
    BodyBuilder b = Stamp();
    b.PadTo(27);
    for (int k = 0; k < 33; ++k) b.Fix88(59.5);
    ASSERT_EQ(b.Size(), 27u + 66u);
    BodyBuilder windy = Stamp();
    windy.PadTo(27).U16(1).U16(2).U8(3).PadTo(27 + 5 + 66);
    Translation t;
    ASSERT_EQ(t.Start(J57File("SSA", [&](DownloadFileBuilder& f) { f.Record(2, windy).Record(2, b).Record(5, Stamp(BodyBuilder().U8(0)).PadTo(10)); })), 0);
    t.W().windFlag = 1;
    ASSERT_EQ(t.NextOf(56), 0);
    t.W().windFlag = 0;
    ASSERT_EQ(t.NextOf(56), 0);  // no wind: nothing of the windy record shows
    Image want(1652);
    want.U16(0, 56).U32(4, kTime).U32(44, 2).U16(32, 57);
    for (size_t at : {20, 48, 28, 24, 36, 52}) want.F32(at, 999.0f);
    for (int k = 0; k < 33; ++k) want.F32(60 + 4 * k, 60.0f);
    for (int o = 0; o < 11; ++o) want.F32(192 + 4 * o, Octave(60.0f, 60.0f, 60.0f)).F32(368 + 4 * o, Octave(0, 0, 0));
    EXPECT_TRUE(SameBytes(t.Rec(), want));
    EXPECT_NEAR(t.F32(368), 4.7712f, 0.0001f);
    EXPECT_EQ(t.NextOf(5), 0);  // the next record is framed where the body ended
}

TEST(ModeDataTest, TalSnapshotsBySubKind) {
    BodyBuilder broadband = Stamp();
    broadband.U16(0).U8(0).U8(10).U8(0).U8(9).U8(0);
    for (int i = 0; i < 23; ++i) broadband.Fix88(40.25 + i);
    for (int i = 0; i < 6; ++i) broadband.Fix88(1.5 + i);
    for (int i = 0; i < 6; ++i) broadband.Fix88(70.25 + i);
    ASSERT_EQ(broadband.Size(), 83u);
    BodyBuilder spectra = Stamp();
    spectra.U16(0).U8(0).U8(10).U8(0).U8(9).U8(1);
    for (int i = 0; i < 66; ++i) spectra.Fix88(20.25 + i);
    BodyBuilder counts = Stamp();
    counts.U16(0).U8(0).U8(10).U8(0).U8(9).U8(5).U16(1234).U8(0xEE).U16(4321).U8(0xEE).Fix88(45.25).Fix88(46.25);
    ASSERT_EQ(counts.Size(), 23u);

    Translation t;
    ASSERT_EQ(t.Start(J57File("TAL", [&](DownloadFileBuilder& f) { f.Record(2, broadband).Record(2, spectra).Record(2, counts); })), 0);
    ASSERT_EQ(t.NextOf(66), 0);
    Image k66(284);
    k66.U16(0, 66).U32(4, 1).U32(8, kTime).F32(12, 10.0f).U16(16, 9);
    for (int i = 0; i < 9; ++i) k66.F32(20 + 4 * i, 40.75f + i).F32(56 + 4 * i, 49.75f + i);
    k66.F32(92, 58.75f).F32(96, 59.75f).F32(100, 60.75f).F32(108, 61.75f).F32(104, 62.75f);
    for (int i = 0; i < 6; ++i) k66.F32(112 + 4 * i, 1.5f + i).F32(136 + 4 * i, 70.75f + i);
    EXPECT_TRUE(SameBytes(t.Rec(), k66));
    ASSERT_EQ(t.NextOf(67), 0);
    Image k67(284);
    k67.U16(0, 67).U32(4, 2).U32(8, kTime).F32(12, 10.0f).U16(16, 9);
    for (int i = 0; i < 66; ++i) k67.F32(20 + 4 * i, 20.75f + i);
    EXPECT_TRUE(SameBytes(t.Rec(), k67));
    ASSERT_EQ(t.NextOf(68), 0);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(284).U16(0, 68).U32(4, 3).U32(8, kTime).F32(12, 10.0f).U16(16, 9)
                                        .U16(18, 1234).U16(20, 4321).F32(24, 45.75f).F32(28, 46.75f)));
}

TEST(ModeDataTest, FftSpectrumCarriesTheRecordNumberOfItsType) {
    BodyBuilder b = Stamp();
    b.U16(2048).U8(3).Fix88(88.25);
    for (int i = 0; i < 401; ++i) b.Fix88(10.25 + i % 100);
    ASSERT_EQ(b.Size(), 813u);
    Translation t;
    ASSERT_EQ(t.Start(J57File("FFT", [&](DownloadFileBuilder& f) { f.Record(2, b); })), 0);
    t.W().snapshotCount = 10;
    ASSERT_EQ(t.NextOf(69), 0);
    Image want(1624);
    want.U16(0, 69).U32(4, 1).U32(8, kTime).U16(12, 2048).U16(14, 3).F32(16, 88.75f);
    for (int i = 0; i < 401; ++i) want.F32(20 + 4 * i, 10.75f + i % 100);
    EXPECT_TRUE(SameBytes(t.Rec(), want));
    EXPECT_EQ(t.W().snapshotCount, 11u);
}

TEST(ModeDataTest, RtaSpectrumInOctaveAndThirdOctaveBands) {
    for (const bool thirds : {false, true}) {
        const int bands = thirds ? 33 : 11;
        BodyBuilder b = Stamp();
        b.U16(512).Text("Spot 12", 8).Fix88(77.25);
        for (int i = 0; i < bands; ++i) b.Fix88(30.25 + i);
        ASSERT_EQ(b.Size(), thirds ? 84u : 40u);
        Translation t;
        ASSERT_EQ(t.Start(J57File("RTA", [&](DownloadFileBuilder& f) { f.Record(2, b); })), 0);
        t.W().rtaThirdOctave = thirds ? 128 : 0;
        ASSERT_EQ(t.NextOf(72), 0);
        Image want(164);
        want.U16(0, 72).U32(4, 1).U32(8, kTime).U16(12, 512).Bytes(14, "Spot 12").F32(24, 77.75f).U16(160, thirds ? 128 : 0);
        for (int i = 0; i < bands; ++i) want.F32(28 + 4 * i, 30.75f + i);
        EXPECT_TRUE(SameBytes(t.Rec(), want)) << bands;
    }
}

DownloadFileBuilder J46File(const std::string& mode, const BodyBuilder& body) {
    fixtures::HeaderSpec h;
    h.model = 46;
    h.modeLine = mode;
    DownloadFileBuilder f;
    f.Header(h).Record(2, body);
    return f.R(6, "09Mar2003 14:05:30").End();
}

TEST(ModeDataTest, J46OctaveBandIntervals) {
    for (const bool thirds : {false, true}) {
        BodyBuilder b = Stamp();
        b.U16(1).U8(0).U8(0).U8(0).U8(6);
        for (int i = 0; i < (thirds ? 30 : 10); ++i) b.Fix88(50.5 + i);
        Translation t;
        ASSERT_EQ(t.Start(J46File("OBA ", b)), 0);
        t.W().modeFlags = thirds ? 0x08 : 0;
        ASSERT_EQ(t.NextOf(31), 0);
        Image want(148);
        want.U16(0, 31).U32(4, kTime).F32(12, 3600.0f).U16(16, thirds ? 2 : 0).U16(140, 46).U16(142, 6).U32(144, 1);
        if (thirds) {
            for (int i = 0; i < 30; ++i) want.F32(20 + 4 * i, 50.5f + i);
        } else {
            for (int i = 0; i < 10; ++i) want.F32(20 + 4 * (1 + 3 * i), 50.5f + i);
        }
        EXPECT_TRUE(SameBytes(t.Rec(), want)) << thirds;
    }
}

TEST(ModeDataTest, J46SoundLevelMeterInterval) {
    BodyBuilder b = Stamp();
    b.BcdDate(10, 3, 3).BcdTime(12, 45, 0).U16(0).U8(15).U8(0).U8(0);
    for (int i = 0; i < 7; ++i) b.Fix88(i == 6 ? -2.5 : 60.5 + i);
    for (int i = 0; i < 7; ++i) b.U8(11 + i);
    ASSERT_EQ(b.Size(), 38u);
    Translation t;
    ASSERT_EQ(t.Start(J46File("sSLM", b)), 0);
    ASSERT_EQ(t.NextOf(32), 0);
    Image want(72);
    want.U16(0, 32).U32(4, kTime).U32(20, Utc(2003, 3, 10, 12, 45)).F32(12, 900.0f).U16(40, 46).U32(52, 1);
    const size_t levels[7] = {28, 56, 36, 32, 44, 64, 60}, bytes[7] = {42, 24, 18, 68, 26, 48, 50};
    for (int i = 0; i < 7; ++i) want.F32(levels[i], i == 6 ? -2.5f : 60.5f + i).U16(bytes[i], 11 + i);
    EXPECT_TRUE(SameBytes(t.Rec(), want));
}

}  // namespace
