// Runs of types 21 and 27: one body a call, times rebuilt from the start
// time, the period and the run/stop tables.
#include <gtest/gtest.h>

#include "TranslationHarness.h"

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;
using namespace tessdec_test;

namespace {

std::string Bytes(std::initializer_list<unsigned> b) {
    std::string s;
    for (unsigned v : b) s += static_cast<char>(v);
    return s;
}

BodyBuilder RunStop(int hour, unsigned eventByte) {
    return BodyBuilder().U8(0).BcdDate(9, 3, 3).BcdTime(hour, 0, 0).U8(eventByte).U16(1).U24(0);
}

TEST(RunsTest, ThreeSamplesThenTheRecordAfterTheRun) {
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [](DownloadFileBuilder& f) {
        f.Run(27, 2, {Bytes({0x40, 0x80}), Bytes({0x41, 0x80}), Bytes({0x42, 0x80})});
        f.Record(5, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(8, 0, 0).Fix88(93.5).U8(0));
    })), 0);
    t.W().periodSecs = 1.0f;
    t.W().thMask[3] = 0x21;  // mask 4, shown at 232 from firmware 2.02 on
    for (unsigned i = 0; i < 3; ++i) {
        ASSERT_EQ(t.Next(), 0);
        EXPECT_TRUE(SameBytes(t.Rec(), Image(500).U16(0, 57).U32(4, kStart + i).F32(20, 64.5f + i).F32(28, 1.0f)
                                            .U32(32, i + 1).U16(232, 0x21)))
            << "entry " << i;
    }
    ASSERT_EQ(t.Next(), 0);  // the fourth call goes on after the run's zero byte
    EXPECT_EQ(t.Kind(), 5);
}

TEST(RunsTest, MarkersTakeTheirTimesFromTheRunStopTables) {
    const uint32_t run = Utc(2003, 3, 9, 15), stop = Utc(2003, 3, 9, 16);
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [](DownloadFileBuilder& f) {
        f.Record(4, RunStop(15, 0x40)).Record(4, RunStop(16, 0x10));
        f.Run(27, 2, {Bytes({0x40, 0x80}), Bytes({0x40, 0x80}), Bytes({0xC0, 0}), Bytes({0x40, 0x80}),
                      Bytes({0x93, 0}), Bytes({0x40, 0x80})});
    })), 0);
    t.W().periodSecs = 1.0f;
    struct Want { uint32_t time; float level; unsigned cause, state; };
    const Want want[] = {{kStart, 64.5f, 0, 0}, {kStart + 1, 64.5f, 0, 0}, {run, -1.0f, 0, 4},
                         {run, 64.5f, 0, 0},    {stop, -1.0f, 3, 1},      {run + 1, 64.5f, 0, 0}};
    unsigned n = 0;
    for (const Want& w : want) {
        ASSERT_EQ(t.NextOf(57), 0);
        ++n;
        EXPECT_EQ(t.U32(4), w.time) << n;
        EXPECT_EQ(t.F32(20), w.level) << n;
        EXPECT_EQ(t.U16(36), w.cause) << n;
        EXPECT_EQ(t.U16(38), w.state) << n;
        EXPECT_EQ(t.U32(32), n);
    }
    EXPECT_EQ(t.NextOf(57), -318);
}

TEST(RunsTest, OtherLevelFourReadsTheValuesItsMasksSelect) {
    // Single-byte levels: mask 1 = 0x81 takes one byte for bit 7 and one for bit 0.
    Translation single;
    ASSERT_EQ(single.Start(J57File("LOG", [](DownloadFileBuilder& f) { f.Run(27, 3, {Bytes({0x40, 0x21, 0x22})}); })), 0);
    tessdec::WorkState& s = single.W();
    s.singleByteLevel = 1;
    s.thOtherLevel = 4;
    s.thMask[0] = 0x81;
    ASSERT_EQ(single.NextOf(57), 0);
    EXPECT_EQ(single.F32(20), 64.0f);
    EXPECT_EQ(single.F32(40 + 4 * 7), 33.0f);
    EXPECT_EQ(single.F32(40), 34.0f);
    EXPECT_EQ(single.NextOf(57), -318);  // three bytes were the whole body

    BodyBuilder b;
    b.U8(0x40).U8(0x80);                              // main level
    b.U8(1).U8(2).U8(128).U8(9);                      // mask 4: extended count, one byte
    b.U8(0x30).U8(0x40);                              // mask 2 bit 0
    b.U8(0x59).U8(0x0E).U8(40).U8(0).U8(0x5F).U8(0x80);  // mask 5: scaled, sixteenths, to calibration
    for (int i = 0; i < 33; ++i) b.U8(0x20 + i).U8(0x40);  // mask 6 bit 1
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) { f.Run(27, static_cast<unsigned>(b.Size()), {b.Bytes()}); })), 0);
    tessdec::WorkState& w = t.W();
    w.thOtherLevel = 4;
    w.thMask[1] = 0x01, w.thMask[3] = 0x03, w.thMask[4] = 0x07, w.thMask[5] = 0x02;
    w.calReference = 94.0f;
    w.periodSecs = 0.5f;
    ASSERT_EQ(t.NextOf(57), 0);
    Image want(500);
    want.U16(0, 57).U32(4, kStart).U16(10, 4).U16(14, 0x01).U16(18, 0x07).U16(232, 0x03).U16(234, 0x02)
        .F32(20, 64.5f).F32(28, 0.5f).U32(32, 1);
    want.F32(136 + 4, 258.5f).F32(136, 9.0f).F32(72, 48.75f);
    want.F32(168 + 8, static_cast<float>(0x590E / 45590.0 * 8)).F32(168 + 4, 2.5f).F32(168, 1.5f);
    for (int i = 0; i < 33; ++i) want.F32(236 + 4 * i, 32.75f + i);
    EXPECT_TRUE(SameBytes(t.Rec(), want));
}

TEST(RunsTest, SpectrumSamplesInOctaveAndThirdOctaveBands) {
    for (const bool thirds : {false, true}) {
        const int bands = thirds ? 33 : 11;
        BodyBuilder b;
        b.U8(5).U8(0).U8(0x80).U8(0).Fix88(80.5);
        for (int i = 0; i < bands; ++i) b.Fix88(30.25 + i);
        ASSERT_EQ(b.Size(), thirds ? 72u : 28u);
        Translation t;
        ASSERT_EQ(t.Start(J57File("RTA", [&](DownloadFileBuilder& f) { f.Run(21, static_cast<unsigned>(b.Size()), {b.Bytes(), b.Bytes()}); })), 0);
        t.W().modeFlags = thirds ? 0x80 : 0;
        for (uint32_t n = 1; n <= 2; ++n) {
            ASSERT_EQ(t.NextOf(21), 0);
            Image want(152);
            want.U16(0, 21).F32(4, 0.5f).F32(8, 81.0f).U8(12, 5).U32(16, n);
            for (int i = 0; i < bands; ++i) want.F32(20 + 4 * i, 30.75f + i);
            EXPECT_TRUE(SameBytes(t.Rec(), want)) << bands << " bands, sample " << n;
        }
        EXPECT_EQ(t.NextOf(21), -318);
    }
}

TEST(RunsTest, RunCutByTheEndOfTheFileEndsWithAFailure) {
    for (const std::string& cut : {Bytes({27, 2, 0x40, 0x80, 0x41, 0x80}), Bytes({27, 2, 0x40, 0x80, 0x41})}) {
        fixtures::HeaderSpec h;
        h.modeLine = "LOG";
        DownloadFileBuilder f;
        f.Header(h).J57Trailer("09Mar2003", "14:05:30", "0.5").Raw(cut);
        Translation t;
        ASSERT_EQ(t.Start(f), 0);
        int32_t st = 0;
        int calls = 0, entries = 0;
        while (st >= 0 && calls < 20) {
            st = t.Next();
            ++calls;
            if (st >= 0 && t.Kind() == 57) ++entries;
        }
        EXPECT_LT(st, 0);
        EXPECT_NE(st, -318);
        EXPECT_LE(calls, 6);
        EXPECT_EQ(entries, 2);
    }
}

}  // namespace
