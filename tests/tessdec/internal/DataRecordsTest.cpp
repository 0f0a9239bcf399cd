// Day, run/stop, calibration-check, histogram and time-history records.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "TranslationHarness.h"

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;
using fixtures::HeaderSpec;
using namespace tessdec_test;

namespace {

BodyBuilder RunStop(int day, int hour, int minute, unsigned eventByte, unsigned number, bool with24 = true) {
    BodyBuilder b;
    b.U8(0).BcdDate(day, 3, 3).BcdTime(hour, minute, 0).U8(eventByte).U16(number);
    if (with24) b.U24(0x010203);
    return b;
}

TEST(DataRecordsTest, RunStopEntriesWithAndWithoutTheTimeHistoryNumber) {
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [](DownloadFileBuilder& f) {
        f.Record(4, RunStop(10, 8, 0, 0x41, 7)).Record(4, RunStop(10, 9, 30, 0x12, 8));
    })), 0);
    ASSERT_EQ(t.NextOf(4), 0);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(28).U16(0, 4).U32(4, Utc(2003, 3, 10, 8)).U16(10, 1).U32(12, 0x010203)
                                        .U16(16, 57).U16(18, 7).U32(20, 1).U16(24, 0x40)));
    ASSERT_EQ(t.NextOf(4), 0);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(28).U16(0, 4).U32(4, Utc(2003, 3, 10, 9, 30)).U16(10, 2).U32(12, 0x010203)
                                        .U16(16, 57).U16(18, 8).U32(20, 2).U16(24, 0x10)));
    // The run start and the stop went into their tables.
    EXPECT_EQ(t.W().runTimeCount, 1);
    EXPECT_EQ(t.W().runTimes[0], Utc(2003, 3, 10, 8));
    EXPECT_EQ(t.W().otherTimeCount, 1);

    Translation j52;
    ASSERT_EQ(j52.Start(OtherFile(52, "1.2", [](DownloadFileBuilder& f) {
        f.Record(4, RunStop(10, 8, 0, 0x50, 3, false));
    })), 0);
    ASSERT_EQ(j52.NextOf(4), 0);
    EXPECT_TRUE(SameBytes(j52.Rec(), Image(28).U16(0, 4).U32(4, Utc(2003, 3, 10, 8)).U16(16, 52).U16(18, 3)
                                          .U32(20, 1).U16(24, 0x50)));
}

TEST(DataRecordsTest, CalibrationChecksGoodAndFailed) {
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [](DownloadFileBuilder& f) {
        f.Record(5, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(7, 59, 0).Fix88(93.75).U8(0x25));
        f.Record(5, BodyBuilder().U8(0).BcdDate(11, 3, 3).BcdTime(8, 0, 0).U16(0).U8(0x88));
        f.Record(5, BodyBuilder().U8(0).BcdDate(11, 3, 3));  // cut short
    })), 0);
    ASSERT_EQ(t.NextOf(5), 0);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(30).U16(0, 5).U32(4, Utc(2003, 3, 10, 7, 59)).F32(12, 0.5f).F32(16, 94.25f)
                                        .U16(20, 32).U16(22, 57).U32(24, 1).U16(28, 5)));
    ASSERT_EQ(t.NextOf(5), 0);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(30).U16(0, 5).U32(4, Utc(2003, 3, 11, 8)).F32(12, 0.5f).F32(16, 999.0f)
                                        .U16(20, 0).U16(22, 57).U32(24, 2).U16(28, 128)));
    EXPECT_EQ(t.NextOf(5), -313);
}

// A flagged level as the instrument writes it: whole, then fraction bits with
// bit 0 "valid" and bit 1 "positive".
void Flagged(BodyBuilder& b, unsigned whole, unsigned fraction) { b.U8(whole).U8(fraction); }

TEST(DataRecordsTest, DayWithWindOptionsLnAndHistogram) {
    BodyBuilder b;
    b.U8(0).BcdDate(10, 3, 3).Fix88(60.25).Fix88(61.25).Fix88(62.25);
    for (unsigned i = 0; i < 24; ++i) Flagged(b, 40 + i, i == 5 ? 0x01 : 0x03);  // hour 5 negative
    b.Fix88(63.25).Fix88(64.25).Fix88(65.25).Fix88(66.25).U16(23).U8(59).U8(59).U8(128);
    for (unsigned i = 0; i < 48; ++i) Flagged(b, 30 + i, i == 1 ? 0x01 : 0x03);  // values 1, then 2
    b.U16(1000).U16(2000).U8(7).BcdTime(1, 2, 3).U16(300).U8(9);
    for (unsigned i = 0; i < 8; ++i) b.U8(i + 1);
    b.U16(11).U16(12);
    for (unsigned i = 0; i < 48; ++i) b.U16(100 + i);
    for (unsigned i = 0; i < 6; ++i) b.Fix88(70.25 + i);
    for (unsigned i = 0; i < 6; ++i) b.U8(10 * (i + 1));
    std::string hist;
    for (unsigned i = 0; i < 440; ++i) hist += static_cast<char>(i % 251);
    b.Raw(hist);

    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) { f.Record(3, b); })), 0);
    t.W().windFlag = 1;
    t.W().dayOptionA = 1;
    t.W().dailyLnFlag = 1;
    t.W().dailyHistFlag = 1;
    ASSERT_EQ(t.NextOf(3), 0);

    auto flagged = [](unsigned whole, unsigned fraction) {
        const float v = whole + fraction / 256.0f + 0.5f;
        return (fraction & 2) ? v : -v;
    };
    Image want(1020);
    want.U16(0, 3).U32(4, Utc(2003, 3, 10)).F32(12, 62.75f).U16(16, (1 << 3) | (1 << 7) | (1 << 8) | (1 << 9));
    want.F32(20, 60.75f).F32(24, 61.75f).F32(28, 64.75f).F32(32, 63.75f).U16(60, 57).F32(88, 65.75f);
    for (unsigned i = 0; i < 6; ++i) want.F32(36 + 4 * i, 70.75f + i).F32(64 + 4 * i, 10.0f * (i + 1));
    want.U16(92, 11).U16(94, 12).U32(96, 1).F32(100, 86399.5f).F32(104, 66.75f);
    want.F32(108, 1000.0f).U16(112, 300).U16(130, 7).F32(132, 2000.0f).U32(136, 3723).U16(140, 9);
    for (unsigned i = 0; i < 8; ++i) want.U16(114 + 2 * i, i + 1);
    for (unsigned i = 0; i < 24; ++i) {
        want.F32(144 + 4 * i, flagged(40 + i, i == 5 ? 1 : 3));
        want.F32(336 + 4 * i, std::fabs(flagged(30 + i, i == 1 ? 1 : 3)));
        want.F32(240 + 4 * i, flagged(54 + i, 3));
        want.U16(432 + 2 * i, 100 + i).U16(480 + 2 * i, 124 + i);
    }
    want.U8(576, 1).Bytes(577, hist);
    EXPECT_TRUE(SameBytes(t.Rec(), want));
}

TEST(DataRecordsTest, OldFirmwareDayHistogramIsRebuiltInWholeDecibels) {
    BodyBuilder b;
    b.U8(0).BcdDate(10, 3, 3).PadTo(1 + 3 + 6 + 48 + 8 + 5);
    b.U8(0xAA).U8(0xBB).U8(0xCC);  // passed over
    for (unsigned i = 0; i < 1023; ++i) {
        // Levels offset + 0.125 (i + 1): i = 0 is in bin 20, 7 and 8 in bin 21, 15 in bin 22.
        const unsigned long count = i == 0 ? 5 : i == 7 ? 3 : i == 8 ? 4 : i == 15 ? 0x010203 : 0;
        b.U24(count);
    }
    std::string tail;
    for (unsigned i = 0; i < 40; ++i) tail += static_cast<char>(0x80 + i);
    b.Raw(tail);

    Translation t;
    ASSERT_EQ(t.Start(OtherFile(61, "0.85", [&](DownloadFileBuilder& f) { f.Record(3, b); })), 0);
    t.W().levelOffset = 20.0f;
    t.W().dailyHistFlag = 1;
    ASSERT_EQ(t.NextOf(3), 0);
    EXPECT_EQ(t.U16(16), 1 << 8);
    Image hist(1020);
    hist.U8(576, 1).U8(577, 20).U8(578, 0).U8(579, 0);  // the level offset 20.00
    hist.U8(576 + 6, 7).U8(576 + 7, 1).U8(576 + 8, 2).U8(576 + 9, 3).Bytes(576 + 386, tail);
    std::vector<uint8_t> got(t.Rec().begin(), t.Rec().end());
    std::fill(got.begin(), got.begin() + 576, 0);
    EXPECT_TRUE(SameBytes(got, hist));
}

TEST(DataRecordsTest, HistogramsByChannelFlagsAndModel) {
    std::string level(5120, '\0'), peak(512, '\0'), unweighted(512, '\0');
    for (size_t i = 0; i < level.size(); ++i) level[i] = static_cast<char>(i % 253 + 1);
    for (size_t i = 0; i < 512; ++i) peak[i] = static_cast<char>(i % 7 + 1), unweighted[i] = static_cast<char>(i % 9 + 1);

    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) { f.Record(8, BodyBuilder().Raw(level)); })), 0);
    t.W().modeFlags = 64;
    t.W().setupLevelOffset = 1.5f;
    ASSERT_EQ(t.NextOf(9), 0);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(TESSDEC_RECORD_SIZE).U16(0, 9).U32(4, kStart - 1).U16(10, 64).U16(12, 57)
                                        .F32(16, 1.5f).Bytes(20, level)));

    // Other models carry all three, the level histogram in 4096 bytes.
    Translation j61;
    ASSERT_EQ(j61.Start(OtherFile(61, "1.2", [&](DownloadFileBuilder& f) {
        f.Record(7, BodyBuilder().Raw(level.substr(0, 4096)).Raw(peak).Raw(unweighted));
    })), 0);
    j61.W().levelOffset = -0.25f;
    ASSERT_EQ(j61.NextOf(9), 0);
    EXPECT_TRUE(SameBytes(j61.Rec(), Image(TESSDEC_RECORD_SIZE).U16(0, 9).U32(4, kStart - 1).U16(10, 112).U16(12, 61)
                                          .F32(16, -0.25f).Bytes(20, level.substr(0, 4096)).Bytes(5140, peak)
                                          .Bytes(5652, unweighted)));
}

// --- the time-history stream ---------------------------------------------------

struct Entry {
    float first, second;
};

// Level entries of the J57 stream: b0 + 0.5 (fraction byte 128).
void Levels(std::string& s, std::vector<Entry>& want, int n, int base) {
    for (int i = 0; i < n; ++i) {
        const int b0 = base + i % 50;
        s += static_cast<char>(b0);
        s += static_cast<char>(128);
        want.push_back({b0 + 0.5f, 0.0f});
    }
}
void Marker(std::string& s, std::vector<Entry>& want, unsigned code) {
    s += static_cast<char>(128 + code);
    s += '\0';
    want.push_back({-static_cast<float>(code), 0.0f});
}

struct Block {
    uint32_t time;
    std::vector<Entry> samples;
};

std::vector<Block> ReadBlocks(Translation& t, int32_t& lastStatus, int maxCalls = 200) {
    std::vector<Block> blocks;
    for (int i = 0; i < maxCalls; ++i) {
        lastStatus = t.Next();
        if (lastStatus < 0) break;
        if (t.Kind() != 16) continue;
        Block b{t.U32(4), {}};
        for (uint32_t k = 0; k < t.U32(508); ++k) b.samples.push_back({t.F32(12 + 4 * k), t.F32(252 + 4 * k)});
        blocks.push_back(b);
    }
    return blocks;
}

TEST(DataRecordsTest, TimeHistoryStreamLosesNoSampleAndRestartsAtRunStarts) {
    const uint32_t run1 = Utc(2003, 3, 9, 15), run2 = Utc(2003, 3, 9, 16);
    std::string s;
    std::vector<Entry> want;
    Levels(s, want, 61, 40);
    Marker(s, want, 0x40);
    Levels(s, want, 100, 60);
    Marker(s, want, 0x50);
    Levels(s, want, 150, 20);
    Marker(s, want, 0x10);  // a stop: no new block
    Levels(s, want, 5, 90);
    s += '\0';
    ASSERT_GT(s.size(), 600u);

    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
        f.Record(4, RunStop(9, 15, 0, 0x40, 1)).Record(4, RunStop(9, 16, 0, 0x50, 2)).Stream(7, s);
    })), 0);
    t.W().periodSecs = 1.0f;
    int32_t last = 0;
    const std::vector<Block> blocks = ReadBlocks(t, last);
    EXPECT_EQ(last, -318);
    const std::vector<std::pair<uint32_t, size_t>> expected = {
        {kStart, 60}, {kStart + 60, 2}, {run1, 60}, {run1 + 60, 41}, {run2, 60}, {run2 + 60, 60}, {run2 + 120, 36}};
    ASSERT_EQ(blocks.size(), expected.size());
    std::vector<Entry> got;
    for (size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].time, expected[i].first) << "block " << i;
        EXPECT_EQ(blocks[i].samples.size(), expected[i].second) << "block " << i;
        got.insert(got.end(), blocks[i].samples.begin(), blocks[i].samples.end());
    }
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].first, want[i].first) << "sample " << i;
        EXPECT_EQ(got[i].second, want[i].second) << "sample " << i;
    }
    std::vector<uint32_t> counts;
    EXPECT_EQ(t.Count(counts), 0);
    EXPECT_EQ(counts[14], 316u);  // the level entries
}

TEST(DataRecordsTest, TimeHistoryBlockLayout) {
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [](DownloadFileBuilder& f) {
        f.Stream(7, std::string("\x41\x80\x42\x80\x91\x00\x82\x00\x00", 9));
    })), 0);
    t.W().periodSecs = 0.125f;
    t.W().thFormatCode = 1;
    t.W().setupLevelOffset = 2.0f;
    ASSERT_EQ(t.NextOf(16), 0);
    // Level 0x41 0x80 with the second level 0x42 0x80 (2·128/256 + offset +
    // 16 for format codes below 3); marker 0x91 with its second value 0x82.
    EXPECT_TRUE(SameBytes(t.Rec(), Image(512).U16(0, 16).U32(4, kStart).U16(10, 1 << 8)
                                        .F32(12, 65.5f + 2.0f).F32(16, -16.0f)
                                        .F32(252, 66.0f + 1.0f + 2.0f + 16.0f).F32(256, 2.0f)
                                        .U16(492, 57).U16(500, 65535).U16(502, 65535).F32(504, 0.125f).U32(508, 2)));
    EXPECT_EQ(t.W().contMode, 0u);
}

TEST(DataRecordsTest, RunStartsPastTheNinetyNinthKeepTheirTimes) {
    std::string s;
    std::vector<Entry> want;
    for (int i = 0; i < 101; ++i) {
        Levels(s, want, 1, 50);
        Marker(s, want, 0x40);
    }
    s += '\0';
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
        for (int i = 0; i < 101; ++i) f.Record(4, RunStop(10 + i / 24, i % 24, 0, 0x40, static_cast<unsigned>(i)));
        f.Stream(7, s);
    })), 0);
    int32_t last = 0;
    const std::vector<Block> blocks = ReadBlocks(t, last, 400);
    EXPECT_EQ(last, -318);
    ASSERT_EQ(blocks.size(), 101u);
    EXPECT_EQ(blocks[100].time, Utc(2003, 3, 10 + 99 / 24, 99 % 24));  // started by the 100th run start
}

TEST(DataRecordsTest, StreamCutByTheEndOfTheFileDeliversItsSamplesThenFails) {
    std::string s;
    std::vector<Entry> want;
    Levels(s, want, 70, 40);
    s += '\x41';  // half an entry, then the file ends
    HeaderSpec h;
    h.modeLine = "LOG";
    DownloadFileBuilder f;
    f.Header(h).J57Trailer("09Mar2003", "14:05:30", "0.5").Stream(7, s);
    Translation t;
    ASSERT_EQ(t.Start(f), 0);
    int32_t last = 0;
    const std::vector<Block> blocks = ReadBlocks(t, last, 10);
    EXPECT_LT(last, 0);
    EXPECT_NE(last, -318);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].samples.size() + blocks[1].samples.size(), 70u);
}

}  // namespace
