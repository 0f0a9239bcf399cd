// Data records of every kind with bodies of random bytes and lengths, under
// every option: the translation must end with a status, never loop or read
// outside its buffers (the sanitizer build watches the latter).
#include <gtest/gtest.h>

#include <random>

#include "TranslationHarness.h"

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;
using namespace tessdec_test;

namespace {

std::string RandomBytes(std::mt19937& rng, size_t n) {
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(rng() & 0xFF);
    return s;
}

// Records framed as they should be, with random bodies; type 6 or 7 is the
// length-framed one of the model (streams have their own tests).
void RandomRecords(DownloadFileBuilder& f, std::mt19937& rng, unsigned framedHistory) {
    const unsigned kTypes[] = {1, 2, 3, 4, 5, framedHistory, 8, 21, 27, 129, 130, 131, 132};
    for (int i = 0; i < 60; ++i) {
        const unsigned type = kTypes[rng() % std::size(kTypes)];
        if (type == 21 || type == 27) {
            const unsigned len = 1 + rng() % 90;
            std::vector<std::string> blocks;
            for (unsigned k = rng() % 4; k > 0; --k) {
                std::string b = RandomBytes(rng, len);
                if (b[0] == '\0') b[0] = 1;
                blocks.push_back(b);
            }
            f.Run(type, len, blocks);
        } else {
            f.Record(type, BodyBuilder().Raw(RandomBytes(rng, rng() % 1200)));
        }
    }
}

void EveryOption(tessdec::WorkState& w, std::mt19937& rng) {
    w.windFlag = w.dayOptionA = w.dayOptionB = w.dailyLnFlag = w.dailyHistFlag = 1;
    w.intervalLnFlag = w.intervalHistFlag = w.eventFlag1 = w.eventFlag2 = w.q162Flag = 1;
    w.exceedThFlag = w.exceedTimeFlag = w.channelOption = 1;
    w.spectraSel = 1;
    w.lnSpectraSel = 2;
    w.modeFlags = 0xFF;
    w.rtaThirdOctave = 128;
    w.thOtherLevel = 4;
    w.thFormatCode = static_cast<uint16_t>(rng() % 5);
    w.singleByteLevel = static_cast<uint16_t>(rng() % 2);
    for (uint16_t& m : w.thMask) m = 0xFF;
    w.periodSecs = 0.25f;
}

TEST(MalformedRecordsTest, RandomBodiesEndTheWalkWithAStatus) {
    struct FileCase { int model; const char* mode; };
    const FileCase cases[] = {{57, "SSA"}, {57, "LOG"}, {57, "RTA"}, {57, "FFT"}, {57, "TAL"}, {46, "OBA "},
                              {46, "sSLM"}, {61, ""}, {52, ""}};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        for (const FileCase& c : cases) {
            std::mt19937 rng(seed * 101 + static_cast<unsigned>(c.model));
            fixtures::HeaderSpec h;
            h.model = c.model;
            h.modeLine = c.mode;
            h.firmware = seed % 2 ? "3.116" : "0.85";
            DownloadFileBuilder f;
            f.Header(h);
            if (c.model == 57) f.J57Trailer("09Mar2003", "14:05:30", "0.5");
            RandomRecords(f, rng, c.model == 46 || c.model == 57 ? 6 : 7);
            f.End();
            Translation t;
            ASSERT_EQ(t.Start(f), 0);
            EveryOption(t.W(), rng);
            // Past a body that was too short the walk goes on with the next
            // record, so that every record of the file is met.
            int32_t st = 0;
            int calls = 0;
            while ((st >= 0 || st == TESSDEC_ERR_PAST_BODY) && calls < 5000) {
                st = t.Next();
                ++calls;
            }
            EXPECT_EQ(st, TESSDEC_END_OF_DATA) << c.model << " " << c.mode << " seed " << seed;
        }
    }
}

}  // namespace
