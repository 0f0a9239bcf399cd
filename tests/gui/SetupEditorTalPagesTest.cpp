// The SLM and RTA pages of a ZU-Reru tonality setup: what they show of a
// setup built from its raw block, and what they store back.
#include <gtest/gtest.h>

#include "PropPageTal.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace {

SetupBlockBuilder TalBlock(const std::string& name)
{
    return SetupBlockBuilder(219).Version(3).Name(name).Mode(7);
}

int Selection(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name)->currentIndex();
}

}  // namespace

TEST(SetupEditorTalPagesTest, SlmPageWithoutSetupShowsDefaults)
{
    PropPageTal page;
    page.show();
    EXPECT_EQ(Selection(&page, "detector"), 0);
    EXPECT_EQ(Selection(&page, "weighting"), 0);
    EXPECT_EQ(Control<QComboBox>(&page, "gain")->currentText(), "+0");
    EXPECT_EQ(Text(&page, "avgToneCount"), "125");
    EXPECT_EQ(Text(&page, "title"), "");
    for (const char* field : {"runHours", "runMinutes", "runSeconds"})
        EXPECT_EQ(Text(&page, field), "00") << field;
}

TEST(SetupEditorTalPagesTest, SlmPageShowsAndStoresItsFields)
{
    auto tal = TalSetup(TalBlock("TONE")
                            .Title("Plant")
                            .Byte(MeasurementSetupFields::kDetector, 2)
                            .Byte(MeasurementSetupFields::kFreqWeighting, 1)
                            .Byte(MeasurementSetupFields::kGain, 9)
                            .Byte(MeasurementSetupFields::kAvgToneCount, 200));
    ShownSheet s;
    s.sheet.ShowSetup(tal.get());
    SetupPage* page = s.Page(Id::Tal);
    EXPECT_EQ(Text(page, "title"), "Plant");
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "");
    EXPECT_EQ(Selection(page, "detector"), -1);  // impulse is none of the list
    EXPECT_EQ(Selection(page, "weighting"), 1);
    EXPECT_EQ(Selection(page, "gain"), 0);
    EXPECT_EQ(Text(page, "avgToneCount"), "200");

    BeepCounter beeps;
    QLineEdit* count = Control<QLineEdit>(page, "avgToneCount");
    Retype(count, "30");
    QTest::keyClicks(count, "0");
    EXPECT_EQ(count->text(), "30");
    EXPECT_EQ(beeps.beeps, 1);
    Retype(page, "runHours", "99");
    Retype(page, "runMinutes", "59");
    Retype(page, "runSeconds", "59");
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(tal->GetTALSetup());
    // Codes the lists do not show stay as stored.
    EXPECT_EQ(bytes[86], 2);
    EXPECT_EQ(bytes[93], 9);
    EXPECT_EQ(bytes[188], 30);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 71, bytes.begin() + 74), (std::vector<uint8_t>{99, 59, 59}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 100, bytes.begin() + 103), (std::vector<uint8_t>{0, 0, 0}));
}

TEST(SetupEditorTalPagesTest, RtaPageKeepsItsRunTimeApartFromTheSlmRunTime)
{
    auto tal = TalSetup(TalBlock("RTA")
                            .Bit(MeasurementSetupFields::kModeFlags, 2)
                            .Byte(MeasurementSetupFields::kRunTime, 1)
                            .Byte(MeasurementSetupFields::kRunTime + 1, 2)
                            .Byte(MeasurementSetupFields::kRunTime + 2, 3)
                            .Byte(kIntervalPeriod, 4)
                            .Byte(kIntervalPeriod + 1, 60));
    tal->SetFileName("rta.tal");
    ShownSheet s;
    s.sheet.ShowSetup(tal.get());
    SetupPage* page = s.Open(Id::TalRta);
    EXPECT_EQ(page->Caption(), "RTA");
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "(rta.tal)");
    EXPECT_EQ(Selection(page, "rtaDetector"), 1);
    EXPECT_EQ(Text(page, "rtaRunHours"), "04");
    EXPECT_EQ(Text(page, "rtaRunMinutes"), "00");

    Control<QComboBox>(page, "rtaDetector")->setCurrentIndex(0);
    Retype(page, "rtaRunHours", "00");
    Retype(page, "rtaRunSeconds", "01");
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(tal->GetTALSetup());
    EXPECT_EQ(bytes[41] & 0x04, 0);
    // The minutes shown as "00" for a stored 60 were not edited: kept.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 100, bytes.begin() + 103), (std::vector<uint8_t>{0, 60, 1}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 71, bytes.begin() + 74), (std::vector<uint8_t>{1, 2, 3}));
}
