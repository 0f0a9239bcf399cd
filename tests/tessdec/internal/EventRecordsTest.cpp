// Event and interval records, spectrum continuation blocks and the record
// lookup that gives each spectrum its record's time.
#include <gtest/gtest.h>

#include <functional>

#include "RecordTools.h"
#include "TranslationHarness.h"

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;
using namespace tessdec_test;

namespace {

const uint32_t kEventTime = Utc(2003, 3, 10, 12);
constexpr uint32_t kClock = 777777;

// An event of 100.5 s whose levels 1 to 5 are 70.5 to 74.5 and whose
// pre-trigger part is 20 % of it, then the options the test's state asks for.
BodyBuilder EventHead(int hour = 12) {
    BodyBuilder b;
    b.BcdDate(10, 3, 3).BcdTime(hour, 0, 0).U16(0).U8(1).U8(40).U8(128);
    for (int i = 0; i < 5; ++i) b.Fix88(70.5 + i);
    return b.U8(5).U8(6).Fix88(20.0);
}

struct SpectraFixture : ::testing::Test {
    void SetUp() override { tessdec::SetSpectrumClock([] { return kClock; }); }
    void TearDown() override { tessdec::SetSpectrumClock(nullptr); }
};

// The J61 state of the event test: every option on.
void EventOptions(tessdec::WorkState& w) {
    w.levelOffset = 2.5f;
    w.exceedLevel1 = 65.0f;
    w.exceedLevel2 = 74;  // below level 3 (75.0)
    w.q162Flag = 1;
    w.eventFlag1 = 1;
    w.channelOption = 1;
    w.channelFactor1[0] = 0.0f, w.channelFactor2[0] = 256.0f;
    w.channelFactor1[1] = 10.0f, w.channelFactor2[1] = 522.0f;
    w.channelFactor1[2] = -256.0f, w.channelFactor2[2] = 0.0f;
    w.windFlag = 1;
    w.dailyHistFlag = 1;
    w.exceedThFlag = 1;
    w.exceedValue16 = 64.0f;
    w.exceedTimeFlag = 1;
}

TEST_F(SpectraFixture, EventWithEveryOption) {
    BodyBuilder b = EventHead();
    b.Fix88(66.25);                  // threshold level read from the record
    b.U16(0x8000).U16(0x4000).U8(3);  // wind values and byte
    b.U8(100).U8(50).U8(200);        // channels of ranges 1, 2, 3
    b.Raw("ABCDEFGHIJKLMNOP");       // histogram
    b.U8(3).U8(0x85).U8(0x80).U8(0x00);  // time history: two overloaded samples, the end
    Translation t;
    ASSERT_EQ(t.Start(OtherFile(61, "1.2", [&](DownloadFileBuilder& f) { f.Record(1, b); })), 0);
    EventOptions(t.W());
    ASSERT_EQ(t.NextOf(1), 0);
    const unsigned flags = (1 << 2) | (1 << 3) | (1 << 4) | (1 << 8) | (1 << 10) | (1 << 11) | (1 << 12);
    EXPECT_TRUE(SameBytes(t.Rec(), Image(416).U16(0, 1).U32(4, kEventTime - 20).F32(12, 100.0f).F32(16, 110.0f)
                                        .F32(20, -56.0f).Bytes(24, "ABCDEFGHIJKLMNOP").F32(84, 100.0f)
                                        .F32(88, 100.5f).F32(92, 68.75f).U16(96, flags).F32(100, 73.0f)
                                        .F32(104, 75.0f).U32(108, kEventTime).U16(112, 61).U16(114, 6)
                                        .F32(116, 76.0f).U8(120, 5).U32(124, 1).F32(128, 74.0f).F32(132, 20.0f)
                                        .F32(136, 2.0f).F32(144, 77.0f).F32(148, 6239.0f).U8(152, 3)
                                        .F32(156, 3119.5f).U8(160, 7).U8(161, 0)));
}

TEST(EventRecordsTest, J57FirmwareFromThreePointSixHasNoFirstWindValue) {
    for (const char* firmware : {"3.5", "3.6"}) {
        fixtures::HeaderSpec h;
        h.modeLine = "LOG";
        h.firmware = firmware;
        DownloadFileBuilder f;
        f.Header(h).Record(1, EventHead().U16(1000).U16(2000).U8(4));
        Translation t;
        ASSERT_EQ(t.Start(f.J57Trailer("09Mar2003", "14:05:30", "0.0").End()), 0);
        t.W().windFlag = 1;
        ASSERT_EQ(t.NextOf(1), 0);
        const bool dropped = std::string(firmware) == "3.6";
        EXPECT_EQ(t.F32(148), dropped ? 0.0f : 1000.0f) << firmware;
        EXPECT_EQ(t.F32(156), dropped ? 1000.0f : 2000.0f) << firmware;
    }
}

TEST(EventRecordsTest, RtaEventWithOctaveBands) {
    BodyBuilder b;
    b.BcdDate(10, 3, 3).BcdTime(12, 0, 0).U16(0).U8(0).U8(10).U16(0x8000).Zeros(3).U16(1000).U16(2000).U8(7);
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 12; ++i) b.Fix88(50.25 + 10 * s + i);
    b.U8(9);
    Translation t;
    ASSERT_EQ(t.Start(J57File("RTA", [&](DownloadFileBuilder& f) { f.Record(1, b); })), 0);
    ASSERT_EQ(t.NextOf(1), 0);
    Image want(440);
    want.U16(0, 1).U16(4, 57).U32(8, kEventTime).F32(12, 10.5f).U8(16, 7).U16(18, 2000).U32(20, 1).U16(24, 1000);
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 12; ++i) want.F32(28 + 136 * s + 4 * i, 50.75f + 10 * s + i);
    want.U8(436, 9);
    EXPECT_TRUE(SameBytes(t.Rec(), want));
}

TEST(EventRecordsTest, IntervalWithLnChannelsAndHistogram) {
    BodyBuilder b;
    b.BcdDate(10, 3, 3).BcdTime(13, 0, 0).U16(1).U8(0).U8(0).U8(0);
    for (int i = 0; i < 6; ++i) b.Fix88(60.5 + i);
    b.U8(1).U8(2).U8(3).U8(4);
    for (int i = 0; i < 6; ++i) b.Fix88(40.5 + i);
    for (int i = 0; i < 6; ++i) b.U8(10 + i);
    for (int i = 0; i < 9; ++i) b.U8(i + 1);  // channels: range 1, then 2, then 3, of samples 1 to 3
    std::string hist(384, '\x11');
    b.Raw(hist);
    Translation t;
    ASSERT_EQ(t.Start(OtherFile(61, "1.2", [&](DownloadFileBuilder& f) { f.Record(2, b); })), 0);
    tessdec::WorkState& w = t.W();
    w.levelOffset = 1.25f;
    w.intervalLnFlag = 1;
    w.eventFlag2 = 1;
    w.intervalHistFlag = 1;
    for (int r = 0; r < 3; ++r) w.channelFactor1[r] = 100.0f * r, w.channelFactor2[r] = 100.0f * r + 256.0f;
    ASSERT_EQ(t.NextOf(2), 0);
    Image want(545);
    want.U16(0, 2).U32(4, Utc(2003, 3, 10, 13)).F32(48, 3600.0f).U16(52, (1 << 2) | (1 << 8) | (1 << 9));
    for (int sample = 0; sample < 3; ++sample)
        for (int range = 0; range < 3; ++range) want.F32(12 + 4 * (3 * sample + range), 100.0f * range + 3 * range + sample + 1);
    const size_t levels[6] = {56, 136, 64, 60, 124, 140};
    for (int i = 0; i < 6; ++i) want.F32(levels[i], 61.75f + i).F32(68 + 4 * i, 41.75f + i).F32(96 + 4 * i, 10.0f + i);
    want.U16(130, 1).U16(128, 2).U16(144, 3).U16(120, 4).U16(92, 61).U32(132, 1);
    want.U8(160, 1).Bytes(161, hist).U8(161, 1).U8(162, 2).U8(163, 5);  // the level offset 1.25 over the first three
    EXPECT_TRUE(SameBytes(t.Rec(), want));
}

// --- spectrum blocks -------------------------------------------------------------

// A block body whose pair at each position p of the ranges [last, first]
// (every second byte) is (p % 30) + 1/2.
BodyBuilder SpectrumBody(unsigned number, size_t size, std::initializer_list<std::pair<size_t, size_t>> ranges) {
    BodyBuilder b;
    b.U16(number).PadTo(size);
    for (const auto& [first, last] : ranges)
        for (size_t p = last; p <= first; p += 2) b.Set(p, p % 30).Set(p + 1, 0x80);
    return b;
}
float PairAt(size_t p) { return (static_cast<float>(p % 30) + 0.5f) * 3.0103f; }

TEST_F(SpectraFixture, EventSpectraLongAndShortBlocks) {
    BodyBuilder longBlock = SpectrumBody(1, 211, {{69, 3}, {207, 141}, {209, 209}});
    for (size_t p = 72; p <= 138; p += 2) longBlock.Set(p, 0xFF).Set(p + 1, 0x80);  // spectrum 2
    BodyBuilder shortBlock = SpectrumBody(2, 199, {{129, 63}, {60, 2}, {131, 131}, {135, 135}});
    shortBlock.Set(133, 0x01).Set(134, 0x01).Set(137, 42);

    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
        f.Record(1, EventHead()).Record(129, longBlock).Record(129, shortBlock);
    })), 0);
    t.W().exceedTimeFlag = 1;
    ASSERT_EQ(t.NextOf(11), 0);
    // The pair 0xFF 0x80 counts as -1 + 1/2.
    EXPECT_FLOAT_EQ(t.F32(172), -1.50515f);
    Image want(444);
    want.U16(0, 11).U32(4, kEventTime - 20).F32(16, PairAt(209)).U32(20, 1).U32(24, 1);
    for (size_t i = 0; i < 34; ++i)
        want.F32(36 + 4 * i, PairAt(69 - 2 * i)).F32(172 + 4 * i, -0.5f * 3.0103f).F32(308 + 4 * i, PairAt(207 - 2 * i));
    EXPECT_TRUE(SameBytes(t.Rec(), want));

    // The short block of older firmware; its event is not in the file.
    ASSERT_EQ(t.NextOf(11), 0);
    Image shortWant(444);
    shortWant.U16(0, 11).U32(4, kClock).U16(10, 1 << 13).U16(12, 42).F32(16, PairAt(135)).U32(20, 2).U32(24, 2)
        .F32(28, PairAt(131)).F32(32, 128.5f);
    for (size_t i = 0; i < 34; ++i) shortWant.F32(36 + 4 * i, PairAt(129 - 2 * i));
    for (size_t i = 0; i < 30; ++i) shortWant.F32(172 + 4 * i, PairAt(60 - 2 * i));
    shortWant.F32(172 + 4 * 30, 2 / 256.0f * 3.0103f);  // the pair at 0 is the event number
    EXPECT_TRUE(SameBytes(t.Rec(), shortWant));
}

TEST_F(SpectraFixture, IntervalCalibrationAndTimeHistorySpectraTakeTheirRecordsTimes) {
    Translation t;
    ASSERT_EQ(t.Start(OtherFile(61, "1.2", [&](DownloadFileBuilder& f) {
        f.Record(1, EventHead(9));
        // The lookup frames what lies between: a run, a stream, a histogram.
        f.Run(27, 2, {"\x41\x01", "\x42\x02"}).Stream(6, std::string("\x41\x80\x00", 3)).Record(8, BodyBuilder().PadTo(5120));
        f.Record(1, EventHead(10));
        f.Record(2, BodyBuilder().BcdDate(10, 3, 3).BcdTime(11, 0, 0).PadTo(40));
        f.Record(5, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(11, 30, 0).Fix88(93.5).U8(0));
        f.Record(130, SpectrumBody(1, 211, {{71, 5}, {140, 74}, {209, 143}})).Record(130, SpectrumBody(9, 211, {}));
        f.Record(131, SpectrumBody(1, 71, {{69, 3}}));
        f.Record(132, SpectrumBody(1, 71, {})).Record(132, SpectrumBody(1, 71, {})).Record(132, SpectrumBody(2, 71, {}));
        f.Record(129, SpectrumBody(1, 211, {}));
    })), 0);
    ASSERT_EQ(t.NextOf(12), 0);
    Image interval(428);
    interval.U16(0, 12).U32(4, Utc(2003, 3, 10, 11)).U32(12, 1).U32(16, 1);
    for (size_t i = 0; i < 34; ++i)
        interval.F32(20 + 4 * i, PairAt(71 - 2 * i)).F32(156 + 4 * i, PairAt(140 - 2 * i)).F32(292 + 4 * i, PairAt(209 - 2 * i));
    EXPECT_TRUE(SameBytes(t.Rec(), interval));
    ASSERT_EQ(t.NextOf(12), 0);
    EXPECT_EQ(t.U32(4), kClock);  // no interval 9 in the file
    EXPECT_EQ(t.U32(12), 9u);
    ASSERT_EQ(t.NextOf(10), 0);
    Image cal(156);
    cal.U16(0, 10).U32(4, Utc(2003, 3, 10, 11, 30)).U32(12, 1).U32(16, 3);
    for (size_t i = 0; i < 34; ++i) cal.F32(20 + 4 * i, PairAt(69 - 2 * i));
    EXPECT_TRUE(SameBytes(t.Rec(), cal));

    // Three spectra of event 2: two share its time, the third is its last.
    const uint32_t event2 = Utc(2003, 3, 10, 10);
    for (unsigned index = 0; index < 3; ++index) {
        ASSERT_EQ(t.NextOf(13), 0);
        EXPECT_EQ(t.U32(4), event2) << index;
        EXPECT_EQ(t.U32(12), 2u) << index;
        EXPECT_EQ(t.U32(16), index == 2 ? 1u : 0u) << index;
        EXPECT_EQ(t.U16(28), index) << index;
    }
    EXPECT_EQ(t.W().cachedEvent, -1);
    EXPECT_EQ(t.W().specIndex, 65535);
    // Event 1 lies behind the scan position that event 2 left: not found.
    ASSERT_EQ(t.NextOf(11), 0);
    EXPECT_EQ(t.U32(4), kClock);
}

TEST_F(SpectraFixture, AMissedLookupLeavesTheScanAsItWas) {
    Translation t;
    ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
        f.Record(1, EventHead(10)).Record(129, SpectrumBody(7, 211, {}));
        f.Record(1, EventHead(11)).Record(129, SpectrumBody(2, 211, {})).Record(129, SpectrumBody(5, 211, {}));
    })), 0);
    ASSERT_EQ(t.NextOf(11), 0);
    EXPECT_EQ(t.U32(4), kClock);  // no event 7
    EXPECT_EQ(t.W().scanCount[0], 0u);
    EXPECT_EQ(t.W().scanEndCount[0], 2u);  // the scan met two events before the end
    ASSERT_EQ(t.NextOf(11), 0);
    EXPECT_EQ(t.U32(4), Utc(2003, 3, 10, 11)) << "event 2 keeps its time";
    ASSERT_EQ(t.NextOf(11), 0);
    EXPECT_EQ(t.U32(4), kClock);

    // Past the events the file holds, a lookup fails without reading it.
    tessdec::WorkState& w = t.W();
    const long at = w.file->Tell();
    EXPECT_EQ(tessdec::LookupRecord(w, 1, 3), -310);
    EXPECT_EQ(w.file->Tell(), at);
    EXPECT_EQ(tessdec::LookupRecord(w, 1, 2), -317);  // passed already
}

TEST_F(SpectraFixture, TheLookupFramesKnownRecordsAndStopsAtOtherBytes) {
    struct Case {
        const char* name;
        std::function<void(DownloadFileBuilder&)> between;
        bool found;
    } cases[] = {
        {"calibration check",
         [](DownloadFileBuilder& f) { f.Record(5, BodyBuilder().U8(0).BcdDate(10, 3, 3).BcdTime(11, 30, 0).Fix88(93.5).U8(0)); },
         true},
        {"run", [](DownloadFileBuilder& f) { f.Run(21, 2, {"\x41\x01"}); }, true},
        {"type 50", [](DownloadFileBuilder& f) { f.Record(50, BodyBuilder().PadTo(3)); }, false},
        {"type 200", [](DownloadFileBuilder& f) { f.Record(200, BodyBuilder().PadTo(3)); }, false},
    };
    for (const Case& c : cases) {
        Translation t;
        ASSERT_EQ(t.Start(J57File("LOG", [&](DownloadFileBuilder& f) {
            f.Record(1, EventHead(10));
            c.between(f);
            f.Record(1, EventHead(11)).Record(129, SpectrumBody(2, 211, {}));
        })), 0) << c.name;
        ASSERT_EQ(t.NextOf(11), 0) << c.name;
        EXPECT_EQ(t.U32(4), c.found ? Utc(2003, 3, 10, 11) : kClock) << c.name;
    }
}

}  // namespace
