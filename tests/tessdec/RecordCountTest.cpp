// CV_GetRecordCount: the 41 counters of a file by model and mode.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "RecordFixture.h"
#include "SetupBlockBuilder.h"

using namespace tessdec_test;

namespace {

std::string SettingsBody(int mode, unsigned flags, size_t size = 219) {
    testsupport::SetupBlockBuilder s(size);
    s.Mode(mode).Byte(41, static_cast<int>(flags));
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

// One of every counted record after a settings record of the mode.
void EveryKind(fixtures::DownloadFileBuilder& f, int model, int mode) {
    const bool j46j57 = model == 46 || model == 57;
    f.Q(5, "x");
    f.Record('M', SettingsBody(mode, 0x70, model == 46 ? 186 : 219));  // all three histogram bits
    f.Record('S', fixtures::BodyBuilder().PadTo(226)).Record('C', fixtures::BodyBuilder().PadTo(model == 46 ? 129 : 65));
    for (unsigned type = 1; type <= 5; ++type) f.Record(type, fixtures::BodyBuilder().BcdDate(9, 3, 3).PadTo(30));
    f.Record(2, fixtures::BodyBuilder().PadTo(30));
    const std::string stream = std::string("\x50\x80\x90\x00\x51\x40", 6) + '\0';  // two levels and a marker
    if (j46j57) {
        f.Record(6, fixtures::BodyBuilder().PadTo(10)).Stream(7, stream);
    } else {
        f.Stream(6, stream).Record(7, fixtures::BodyBuilder().PadTo(10));
    }
    f.Record(8, fixtures::BodyBuilder().PadTo(10));
    f.Run(21, 2, {"\x01\x02", "\x03\x04"}).Run(27, 1, {"\x05"});
    for (unsigned type = 129; type <= 132; ++type) f.Record(type, fixtures::BodyBuilder().PadTo(10));
    f.E(" 1,x", "y");
}

struct Case {
    const char* name;
    int model;
    const char* modeLine;
    int mode;
    std::map<int, uint32_t> counts;  // every other field is 0
};

TEST(RecordCountTest, CountersByModelAndMode) {
    // Fields: 0 cal checks, 1 cal spectra, 2 days, 3 events, 4 RTA events, 5 event spectra, 6 event TH
    // spectra, 7 histograms, 8 intervals, 9 interval spectra, 11 run/stops, 12 Q groups, 13 R groups,
    // 14 TH samples, 15 S, 16 C, 17-19 J46 M, 20-21 J46 type 2, 22-29 M by mode, 30-40 J57 by mode.
    const std::map<int, uint32_t> common = {{0, 1}, {1, 1}, {2, 1}, {5, 1}, {6, 1}, {9, 1}, {12, 1}, {15, 1}, {16, 1}};
    auto with = [&](std::map<int, uint32_t> extra) {
        std::map<int, uint32_t> m = common;
        for (const auto& [k, v] : extra) m[k] = v;
        return m;
    };
    const Case cases[] = {
        {"J57 SSA", 57, "SSA", 0, with({{3, 1}, {14, 2}, {22, 1}, {30, 2}, {31, 3}, {32, 3}, {33, 1}, {40, 1}})},
        {"J57 LOG", 57, "LOG", 2, with({{3, 1}, {7, 3}, {8, 2}, {11, 1}, {13, 1}, {14, 5}, {24, 1}})},
        {"J57 RTA", 57, "RTA", 4, with({{4, 1}, {7, 3}, {11, 1}, {13, 1}, {14, 2}, {25, 1}, {38, 3}, {39, 2}})},
        {"J57 FFT", 57, "FFT", 5, with({{3, 1}, {7, 3}, {13, 1}, {14, 5}, {26, 1}, {36, 2}, {37, 1}})},
        {"J57 TAL", 57, "TAL", 7, with({{3, 1}, {7, 3}, {11, 1}, {13, 1}, {14, 2}, {28, 1}, {34, 3}, {35, 2}})},
        {"J46 iSLM", 46, "iSLM", 2, with({{3, 1}, {7, 3}, {8, 2}, {11, 1}, {13, 1}, {14, 5}, {19, 1}})},
        {"J46 OBA", 46, "OBA ", 0, with({{3, 1}, {7, 3}, {11, 1}, {14, 5}, {17, 1}, {20, 2}, {40, 1}})},
        {"J61", 61, "", 0, with({{3, 1}, {7, 6}, {8, 2}, {11, 1}, {14, 5}, {22, 1}, {40, 1}})},
    };
    fixtures::TempFolder dir;
    for (const Case& c : cases) {
        FileSpec spec;
        spec.model = c.model;
        spec.modeLine = c.modeLine;
        const std::string path = dir.Write("n.slmdl", MakeFile(spec, [&](fixtures::DownloadFileBuilder& f) {
            EveryKind(f, c.model, c.mode);
        }));
        Buffers b;
        uint32_t counts[TESSDEC_COUNT_FIELDS];
        std::memset(counts, 0xAB, sizeof counts);
        ASSERT_EQ(CV_GetRecordCount(path.c_str(), b.work.data(), counts, b.record.data()), 0) << c.name;
        for (int i = 0; i < TESSDEC_COUNT_FIELDS; ++i) {
            const auto it = c.counts.find(i);
            EXPECT_EQ(counts[i], it == c.counts.end() ? 0u : it->second) << c.name << " field " << i;
        }
    }
}

TEST(RecordCountTest, FilesWithoutHeaderOrEnd) {
    fixtures::TempFolder dir;
    Buffers b;
    uint32_t counts[TESSDEC_COUNT_FIELDS];
    // "@" lines and no header: counted from the byte after the third "@" line.
    fixtures::DownloadFileBuilder noHeader;
    noHeader.AtLines("a", "b", "c").Q(5, "x").Record(5, fixtures::BodyBuilder().PadTo(20)).End();
    ASSERT_EQ(CV_GetRecordCount(dir.Write("a.slmdl", noHeader.Bytes()).c_str(), b.work.data(), counts, nullptr), 0);
    EXPECT_EQ(counts[12], 1u);
    EXPECT_EQ(counts[0], 1u);

    // Without its end byte the missing type and length read as a length no body has.
    const std::string bytes = MakeFile(FileSpec{}, [](fixtures::DownloadFileBuilder& f) {
        f.Record(3, fixtures::BodyBuilder().PadTo(20));
    });
    EXPECT_EQ(CV_GetRecordCount(dir.Write("e.slmdl", bytes.substr(0, bytes.size() - 1)).c_str(), b.work.data(), counts,
                                b.record.data()),
              -312);
    EXPECT_EQ(counts[2], 1u);  // what was counted before stays
    EXPECT_EQ(CV_GetRecordCount((dir.Path() + "/none").c_str(), b.work.data(), counts, b.record.data()), -302);
}

}  // namespace
