#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "DownloadFileBuilder.h"
#include "J57Fixture.h"
#include "TessdecTestSupport.h"

using fixtures::DownloadFileBuilder;
using fixtures::HeaderSpec;
using fixtures::TempFolder;
using namespace tessdec_test;

namespace {

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    TempFolder dir;
};

TEST_F(ExportsTest, EveryExportWithAWorkBufferRefusesNone) {
    const std::string path = dir.Write("a.slmdl", J57AllFramings().Bytes());
    Buffers b;
    uint32_t counts[TESSDEC_COUNT_FIELDS];
    uint16_t model;
    char serial[TESSDEC_SERIAL_SIZE];
    float version;
    int16_t site;
    EXPECT_EQ(CV_GetRecordCount(path.c_str(), nullptr, counts, b.record.data()), -319);
    EXPECT_EQ(CV_ReadFileSN(path.c_str(), nullptr, &model, serial, &version), -319);
    EXPECT_EQ(CV_ReadSiteNum(path.c_str(), nullptr, &site), -319);
    EXPECT_EQ(CV_StartTranslate(path.c_str(), nullptr), -319);
    EXPECT_EQ(CV_TranslateNextRec(b.record.data(), nullptr), -319);
    EXPECT_EQ(CV_ReadFileHeader(path.c_str(), nullptr, nullptr), -319);
}

TEST_F(ExportsTest, SizesAndVersions) {
    EXPECT_EQ(CV_GetBufferSize(), 9984);
    EXPECT_EQ(CV_TranVersion(), 323);
    EXPECT_EQ(CV_TranVersionEx(), 323);
}

TEST_F(ExportsTest, StopBeforeAnythingAndTwiceDoesNothing) {
    CV_StopTranslate();
    CV_StopTranslate();
    Buffers b;
    EXPECT_EQ(CV_TranslateNextRec(b.record.data(), b.work.data()), -302);  // fresh buffer: no path
    CV_StopTranslate();
    CV_StopTranslate();
}

TEST_F(ExportsTest, WalkOverEveryFramingEndsWithTheSummaryRecord) {
    const std::string path = dir.Write("survey 7.slmdl", J57AllFramings().Bytes());
    int32_t start = 1;
    const auto steps = Walk(path, &start);
    ASSERT_EQ(start, 0);
    ASSERT_FALSE(steps.empty());
    for (size_t i = 0; i + 1 < steps.size(); ++i) EXPECT_GE(steps[i].status, 0) << "call " << i + 1;
    const auto& last = steps.back();
    ASSERT_EQ(last.status, -318);
    const auto& r = last.record;
    EXPECT_EQ(U16At(r, 0), 15);
    EXPECT_EQ(TextAt(r, TESSDEC_SUM_FILE_NAME, 256), "survey 7.slmdl");
    EXPECT_EQ(TextAt(r, TESSDEC_SUM_LOCATION, 82), " Site north gate");
    EXPECT_EQ(TextAt(r, TESSDEC_SUM_NOTE1, 82), " Note one");
    EXPECT_EQ(TextAt(r, TESSDEC_SUM_NOTE2, 82), " Note two");
    EXPECT_EQ(TextAt(r, TESSDEC_SUM_SERIAL, 8), "A1234");
    EXPECT_EQ(U16At(r, 8), 0);
    // Nothing is left after the end: a stop touches no file.
    CV_StopTranslate();
}

TEST_F(ExportsTest, EventLineGivesStatusZeroAndNoRecord) {
    DownloadFileBuilder f;
    f.Header(HeaderSpec{}).E(" 1,Overload", "x").J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    const auto steps = Walk(dir.Write("e.slmdl", f.Bytes()));
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0].status, 0);
    EXPECT_EQ(U16At(steps[0].record, 0), 0);
}

TEST_F(ExportsTest, StartTranslateStatus) {
    HeaderSpec j46;
    j46.model = 46;
    j46.modeLine = "sSLM";
    HeaderSpec j61;
    j61.model = 61;
    struct Case {
        const char* name;
        std::string bytes;
        int32_t status;
    } cases[] = {
        {"complete J57", J57AllFramings().Bytes(), 0},
        {"parameter lines only", DownloadFileBuilder().Q(5, "x").Q(157, "3").End().Bytes(), -317},
        {"bad first character", DownloadFileBuilder().Line("#junk").Header(HeaderSpec{}).End().Bytes(), -314},
        {"two @ lines only", DownloadFileBuilder().Line("@a").Line("@b").Bytes(), -314},
        {"@ lines without header", DownloadFileBuilder().AtLines("a", "b", "c").Q(1, "x").End().Bytes(), -317},
        {"empty file", std::string(), -314},
        {"J57 trailer without R 106",
         DownloadFileBuilder().Header(HeaderSpec{}).J57Trailer("09Mar2003", "14:05:30", "").End().Bytes(), -310},
        {"J57 trailer without R 6",
         DownloadFileBuilder().Header(HeaderSpec{}).J57Trailer("", "", "1.5").End().Bytes(), 0},
        {"J57 without identification line",
         DownloadFileBuilder().Header(HeaderSpec{}).R(6, "09Mar2003 14:05:30").R(106, "0.0").End().Bytes(), -310},
        {"J46 short file", DownloadFileBuilder().Header(j46).R(6, "09Mar2003 14:05:30").End().Bytes(), 0},
        {"J61 short file", DownloadFileBuilder().Header(j61).R(6, " 09Mar2003 14:05:30").End().Bytes(), 0},
    };
    for (const Case& c : cases) {
        Buffers b;
        const std::string path = dir.Write("s.slmdl", c.bytes);
        EXPECT_EQ(CV_StartTranslate(path.c_str(), b.work.data()), c.status) << c.name;
        CV_StopTranslate();
    }
}

TEST_F(ExportsTest, J57IdentificationBeyondTheScannedAmountCannotBeStarted) {
    DownloadFileBuilder f;
    f.Header(HeaderSpec{});
    const std::string filler = fixtures::BodyBuilder().PadTo(6000).Bytes();
    while (f.Size() < 2100000 + 100) f.Record(200, filler);
    f.J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    Buffers b;
    EXPECT_EQ(CV_StartTranslate(dir.Write("big.slmdl", f.Bytes()).c_str(), b.work.data()), -310);
    CV_StopTranslate();
}

TEST_F(ExportsTest, PathsThatCannotBeOpened) {
    Buffers b;
    const std::string longPath = dir.Path() + "/" + std::string(300, 'x');
    EXPECT_EQ(CV_StartTranslate(longPath.c_str(), b.work.data()), -302);
    EXPECT_EQ(CV_StartTranslate((dir.Path() + "/missing.slmdl").c_str(), b.work.data()), -302);
    CV_StopTranslate();
    int16_t site = 5;
    EXPECT_EQ(CV_ReadSiteNum(longPath.c_str(), b.work.data(), &site), -302);
    EXPECT_EQ(site, 0);
}

TEST_F(ExportsTest, BodyLongerThanTheLimitIsRefused) {
    DownloadFileBuilder f;
    f.Header(HeaderSpec{}).Record(3, fixtures::BodyBuilder().PadTo(6201)).J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    const auto steps = Walk(dir.Write("long.slmdl", f.Bytes()));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].status, -312);

    DownloadFileBuilder ok;
    ok.Header(HeaderSpec{}).Record(3, fixtures::BodyBuilder().PadTo(6200)).J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    const auto okSteps = Walk(dir.Write("ok.slmdl", ok.Bytes()));
    EXPECT_EQ(okSteps.back().status, -318);
}

TEST_F(ExportsTest, FileHeaderBlockSlots) {
    HeaderSpec h;
    h.line1 = "L" + std::string(60, 'h');  // longer than its slot
    DownloadFileBuilder f;
    f.AtLines("Yard @ gate", std::string(100, 'n'), "").Header(h).End();
    Buffers b;
    std::vector<uint8_t> block(TESSDEC_HEADER_BLOCK_SIZE, 0xEE);
    ASSERT_EQ(CV_ReadFileHeader(dir.Write("h.slmdl", f.Bytes()).c_str(), b.work.data(), block.data()), 0);
    EXPECT_EQ(TextAt(block, 0, 42), h.line1.substr(0, 41));
    EXPECT_EQ(block[41], 0);
    EXPECT_EQ(TextAt(block, 42, 42), "057A1234");
    EXPECT_EQ(TextAt(block, 84, 42), "3.116");
    EXPECT_EQ(TextAt(block, 126, 42), "Meter J57");
    EXPECT_EQ(TextAt(block, 168, 42), "Start:    09Mar2003 14:05:30");
    EXPECT_EQ(TextAt(block, 210, 42), "SSA");
    EXPECT_EQ(TextAt(block, 252, 82), " Yard @ gate");  // only the first "@" becomes a blank
    EXPECT_EQ(TextAt(block, 334, 82), " " + std::string(80, 'n'));
    EXPECT_EQ(TextAt(block, 416, 82), " ");

    // A file without "@" lines and of another model leaves their slots and
    // the mode line's slot at zero.
    HeaderSpec j61;
    j61.model = 61;
    std::fill(block.begin(), block.end(), 0xEE);
    ASSERT_EQ(CV_ReadFileHeader(dir.Write("h2.slmdl", DownloadFileBuilder().Header(j61).End().Bytes()).c_str(),
                                b.work.data(), block.data()), 0);
    for (size_t i = 210; i < block.size(); ++i) ASSERT_EQ(block[i], 0) << i;
}

TEST_F(ExportsTest, ReadFileSerialNumber) {
    struct Case {
        const char* name;
        std::string bytes;
        int32_t status;
        uint16_t model;
        std::string serial;
        float version;
    } cases[] = {
        {"header", DownloadFileBuilder().AtLines("a", "b", "c").Header(HeaderSpec{}).End().Bytes(), 0, 57, "A1234", 3.116f},
        {"parameter lines", DownloadFileBuilder().Q(5, "x").Q(233, "98765").Q(1, "y").End().Bytes(), 0, 61, "A98765", -1.0f},
        {"short line 2", DownloadFileBuilder().Line("L").Line("57").Line("1.2").Bytes(), -317, 57, "", 1.2f},
        {"parameter lines without 233", DownloadFileBuilder().Q(5, "x").Bytes(), -310, 61, "", -1.0f},
        {"nothing", DownloadFileBuilder().Line("garbage").Bytes(), -310, 61, "", -1.0f},
    };
    for (const Case& c : cases) {
        Buffers b;
        uint16_t model = 0;
        char serial[TESSDEC_SERIAL_SIZE];
        std::memset(serial, 'x', sizeof serial);
        float version = 0;
        EXPECT_EQ(CV_ReadFileSN(dir.Write("sn.slmdl", c.bytes).c_str(), b.work.data(), &model, serial, &version), c.status) << c.name;
        EXPECT_EQ(model, c.model) << c.name;
        EXPECT_EQ(std::string(serial), c.serial) << c.name;
        EXPECT_FLOAT_EQ(version, c.version) << c.name;
    }
}

TEST_F(ExportsTest, ReadSiteNumber) {
    Buffers b;
    int16_t site = -5;
    const std::string with = DownloadFileBuilder().Header(HeaderSpec{}).Q(5, "x").Q(157, "42").End().Bytes();
    EXPECT_EQ(CV_ReadSiteNum(dir.Write("w.slmdl", with).c_str(), b.work.data(), &site), 0);
    EXPECT_EQ(site, 42);
    const std::string without = DownloadFileBuilder().Header(HeaderSpec{}).Q(157, "0").End().Bytes();
    EXPECT_EQ(CV_ReadSiteNum(dir.Write("wo.slmdl", without).c_str(), b.work.data(), &site), -317);
    EXPECT_EQ(site, 0);
}

TEST_F(ExportsTest, FinishedTranslationLeavesNoPointerToTheBuffer) {
    const std::string path = dir.Write("p.slmdl", J57AllFramings().Bytes());
    auto work = std::make_unique<std::vector<uint8_t>>(TESSDEC_WORK_SIZE, 0);
    std::vector<uint8_t> record(TESSDEC_RECORD_SIZE);
    ASSERT_EQ(CV_StartTranslate(path.c_str(), work->data()), 0);
    int32_t st = 0;
    for (int i = 0; i < 1000 && st >= 0; ++i) st = CV_TranslateNextRec(record.data(), work->data());
    ASSERT_EQ(st, -318);
    work.reset();       // the caller frees its buffer
    CV_StopTranslate();  // and a stop must not touch it (AddressSanitizer watches)

    // A translation ended early is closed by the stop and forgotten too.
    work = std::make_unique<std::vector<uint8_t>>(TESSDEC_WORK_SIZE, 0);
    ASSERT_EQ(CV_StartTranslate(path.c_str(), work->data()), 0);
    ASSERT_GE(CV_TranslateNextRec(record.data(), work->data()), 0);
    CV_StopTranslate();
    work.reset();
    CV_StopTranslate();
}

TEST_F(ExportsTest, ReusedBufferCarriesNothingOfTheEarlierFile) {
    DownloadFileBuilder first;
    first.AtLines("First place", "n1", "n2").Header(HeaderSpec{}).J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    DownloadFileBuilder second;
    second.Header(HeaderSpec{}).J57Trailer("09Mar2003", "14:05:30", "0.0").End();
    Buffers b;
    for (const auto* f : {&first, &second}) {
        ASSERT_EQ(CV_StartTranslate(dir.Write("r.slmdl", f->Bytes()).c_str(), b.work.data()), 0);
        int32_t st = 0;
        while (st >= 0) st = CV_TranslateNextRec(b.record.data(), b.work.data());
        ASSERT_EQ(st, -318);
    }
    EXPECT_EQ(TextAt(b.record, TESSDEC_SUM_LOCATION, 82), "");
}

// Every prefix of a valid file, and garbage, is refused cleanly: no crash, and
// the walk ends with a negative status within a few calls.
TEST_F(ExportsTest, TruncatedAndGarbageFilesEndCleanly) {
    const std::string path = dir.Path() + "/t.slmdl";
    Buffers b;
    uint32_t counts[TESSDEC_COUNT_FIELDS];
    const std::string trailer = DownloadFileBuilder().J57Trailer("09Mar2003", "14:05:30", "0.0").Bytes();
    const std::string j57 = J57AllFramings("SSA", true).Bytes();
    const std::string j57Records = Records(DownloadFileBuilder().Header(HeaderSpec{}), 57, true).Bytes();
    const std::string j61 = J61AllFramings(true).Bytes();
    struct Cut {
        const std::string* whole;
        const std::string* tail;  // appended to every prefix, or null
    } cuts[] = {{&j57, nullptr}, {&j61, nullptr}, {&j57Records, &trailer}};
    for (const Cut& c : cuts) {
        for (size_t n = 0; n < c.whole->size(); ++n) {
            dir.Write("t.slmdl", c.whole->substr(0, n) + (c.tail ? *c.tail : std::string()));
            const auto steps = Walk(path, nullptr, 200);
            ASSERT_LT(steps.size(), 60u) << "prefix " << n;
            if (!steps.empty()) {
                ASSERT_LT(steps.back().status, 0) << "prefix " << n;
            }
            std::fill(b.work.begin(), b.work.end(), 0);
            ASSERT_NE(CV_GetRecordCount(path.c_str(), b.work.data(), counts, b.record.data()), 0) << "prefix " << n;
        }
    }
    std::srand(7);
    for (int round = 0; round < 50; ++round) {
        std::string junk = DownloadFileBuilder().Header(HeaderSpec{}).Bytes();
        for (int i = 0; i < 400; ++i) junk += static_cast<char>(std::rand() & 0xFF);
        junk += DownloadFileBuilder().J57Trailer("09Mar2003", "14:05:30", "0.0").Bytes();
        dir.Write("t.slmdl", junk);
        const auto steps = Walk(path, nullptr, 2000);
        ASSERT_LT(steps.size(), 2000u);
        std::fill(b.work.begin(), b.work.end(), 0);
        CV_GetRecordCount(path.c_str(), b.work.data(), counts, b.record.data());
    }
}

}  // namespace
