// Parameter lines ("Q"): the kind-7 record and the site number they give the
// records after them.
#include <gtest/gtest.h>

#include <string>

#include "RecordFixture.h"

using namespace tessdec_test;

namespace {

class ParamsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    fixtures::TempFolder dir;
};

TEST_F(ParamsTest, FieldsOfTheParameterRecord) {
    const auto recs = Records(dir, MakeFile(FileSpec{}, [](fixtures::DownloadFileBuilder& f) {
        f.Q(2, "north").Q(5, "Place").Q(6, "14:05:30").Q(7, "09Mar2003").Q(8, "Wed").Q(9, "7");
        f.Q(22, "01Jan2000").Q(23, "15Dec1999").Q(24, "0123456789012345678901234567890123456789");
        f.Q(35, "1.5").Q(38, "abcdefgh").Q(61, "xx").Q(70, "12.7").Q(84, "2").Q(119, "5").Q(121, "CH1name");
        f.Q(122, "2.5").Q(124, "Pa").Q(140, "unit3").Q(157, "12").Q(161, "ABCDEFGHIJ").Q(165, "Z").Q(206, "3");
        f.Q(999, "ignored");
    }));
    ASSERT_EQ(recs.size(), 2u);
    const auto& r = recs[0].record;
    struct TextField {
        size_t off, slot;
        std::string text;
    } texts[] = {
        {22, 32, "north"}, {118, 32, "Place"}, {150, 10, "14:05:30"}, {160, 12, "09Mar2003"},
        {202, 10, "01/01/00"}, {212, 10, "12/15/99"}, {222, 10, "012345678"}, {300, 6, "abcde"},
        {416, 10, "CH1name"}, {472, 6, "Pa"}, {484, 8, "unit3"}, {640, 9, "ABCDEFGH"}, {676, 9, "Z"},
    };
    for (const TextField& t : texts) {
        EXPECT_EQ(TextAt(r, t.off, t.slot), t.text) << t.off;
        EXPECT_EQ(r[t.off + t.slot - 1], 0) << t.off;
    }
    EXPECT_EQ(U16At(r, 0), 7);
    EXPECT_EQ(U16At(r, 2), 12);
    EXPECT_EQ(U32At(r, 4), 1047215130u);  // the header's start time
    EXPECT_EQ(U16At(r, 8), 0);
    EXPECT_EQ(U16At(r, 10), 57);
    EXPECT_EQ(U32At(r, 172), 3u);          // Wed
    EXPECT_EQ(U16At(r, 176), 7);
    EXPECT_FLOAT_EQ(F32At(r, 284), 1.5f);
    EXPECT_FLOAT_EQ(F32At(r, 352), 65.0f);  // unreadable: 65
    EXPECT_EQ(U16At(r, 372), 12);
    EXPECT_EQ(U16At(r, 404), 2);
    EXPECT_EQ(U16At(r, 412), 5);
    EXPECT_FLOAT_EQ(F32At(r, 448), 2.5f);
    EXPECT_EQ(U16At(r, 580), 12);
    EXPECT_EQ(U16At(r, 634), 3);
    for (size_t off = 620; off < 634; ++off) EXPECT_EQ(r[off], 0) << off;  // other models' slots

    const auto& summary = recs[1].record;
    EXPECT_EQ(U16At(summary, TESSDEC_SUM_SITE), 12);
    EXPECT_EQ(U32At(summary, TESSDEC_SUM_START), 1047215130u);
    EXPECT_EQ(TextAt(summary, TESSDEC_SUM_LOCATION, 82), "Place");  // no "@" lines
    EXPECT_EQ(TextAt(summary, TESSDEC_SUM_NOTE1, 82), "north");
    EXPECT_EQ(U16At(summary, TESSDEC_SUM_MODEL), 57);
}

TEST_F(ParamsTest, OtherModelsAndOldFirmware) {
    FileSpec spec;
    spec.model = 61;
    spec.firmware = "0.9";
    const auto recs = Records(dir, MakeFile(spec, [](fixtures::DownloadFileBuilder& f) {
        f.Q(8, "Xyz").Q(119, "5").Q(161, "ABCDEFGHIJ").Q(162, "2").Q(165, "9").Q(206, "3");
    }));
    ASSERT_EQ(recs.size(), 2u);
    const auto& r = recs[0].record;
    EXPECT_EQ(U32At(r, 172), 0u);    // no day name
    EXPECT_EQ(U16At(r, 412), 0);     // without the version flag
    EXPECT_EQ(TextAt(r, 620, 6), "ABCDE");
    EXPECT_EQ(U16At(r, 626), 2);
    EXPECT_EQ(U16At(r, 632), 9);
    EXPECT_EQ(U16At(r, 634), 0);     // Q 206 without the version flag
    EXPECT_EQ(U16At(r, 10), 61);
}

TEST_F(ParamsTest, DatesOfAnyNumbersStayInTheirSlots) {
    const auto recs = Records(dir, MakeFile(FileSpec{}, [](fixtures::DownloadFileBuilder& f) {
        f.Q(22, "-99999999Xyz99999999").Q(23, "15Dec1999");
    }));
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].record[211], 0);
    EXPECT_EQ(TextAt(recs[0].record, 212, 10), "12/15/99");
}

TEST_F(ParamsTest, SiteNumberReachesTheRecordsAfterIt) {
    const auto recs = Records(dir, MakeFile(FileSpec{}, [](fixtures::DownloadFileBuilder& f) {
        f.Record('C', fixtures::BodyBuilder().PadTo(65));                      // before: 0
        f.Q(157, "12");
        f.Record('C', fixtures::BodyBuilder().PadTo(65));                      // 12
        f.Record('S', fixtures::BodyBuilder().PadTo(151).U8(9).PadTo(226));   // still 12, then 9
        f.Record('C', fixtures::BodyBuilder().PadTo(65));                      // 9
    }));
    ASSERT_EQ(recs.size(), 6u);
    EXPECT_EQ(U16At(recs[0].record, 2), 0);
    EXPECT_EQ(U16At(recs[2].record, 2), 12);
    EXPECT_EQ(U16At(recs[3].record, 0), 54);
    EXPECT_EQ(U16At(recs[3].record, 2), 12);
    EXPECT_EQ(U16At(recs[4].record, 2), 9);
    EXPECT_EQ(U16At(recs[5].record, TESSDEC_SUM_SITE), 12);  // the summary keeps Q 157's
}

TEST_F(ParamsTest, GroupEndsAtTheFirstOtherLine) {
    // The R lines after the group are read as the next record, not lost.
    const std::string bytes = MakeFile(FileSpec{}, [](fixtures::DownloadFileBuilder& f) { f.Q(5, "x").Q(157, "3"); });
    const auto steps = Walk(dir.Write("q.slmdl", bytes));
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(U16At(steps[0].record, 0), 7);
    EXPECT_EQ(steps[1].status, 0);  // the setup lines
    EXPECT_EQ(steps[2].status, -318);
}

}  // namespace
