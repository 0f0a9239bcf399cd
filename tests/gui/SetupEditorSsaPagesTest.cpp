// The main and interval pages of a sound level meter / real-time analyser
// setup: what they show of a setup built from its raw block, and what they
// store back.
#include <gtest/gtest.h>

#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace {

int Selection(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name)->currentIndex();
}

std::vector<uint8_t> SsaBytes(const SetupRec& record)
{
    return BlockBytes(record.GetSSASetup());
}

}  // namespace

TEST(SetupEditorSsaPagesTest, MainPageShowsAndStoresTitleAndLists)
{
    auto ssa = SsaSetup(SsaBlock("TRAFFIC")
                            .Version(4)
                            .Title("Main road")
                            .Byte(MeasurementSetupFields::kDetector, 3)
                            .Bit(MeasurementSetupFields::kModeFlags, 2)
                            .Bit(MeasurementSetupFields::kModeFlags, 3)
                            .Byte(MeasurementSetupFields::kFreqWeighting, 1)
                            .Byte(MeasurementSetupFields::kPeak1Weighting, 2)
                            .Byte(MeasurementSetupFields::kRtaWeighting, 0)
                            .Byte(MeasurementSetupFields::kGain, 9)
                            .Byte(MeasurementSetupFields::kAcOutput, 3));
    ssa->SetFileName("traffic.ssa");
    ShownSheet s;
    s.sheet.ShowSetup(ssa.get());
    SetupPage* page = s.Page(Id::Ssa);
    EXPECT_EQ(page->Caption(), "SLM RTA");
    EXPECT_EQ(Text(page, "title"), "Main road");
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "(traffic.ssa)");
    EXPECT_EQ(Selection(page, "slmDetector"), 0);  // code 3 reads as Slow
    EXPECT_EQ(Selection(page, "rtaDetector"), 1);
    EXPECT_EQ(Selection(page, "freqWeighting"), 1);
    EXPECT_EQ(Selection(page, "peak1Weighting"), 2);
    EXPECT_EQ(Selection(page, "rtaWeighting"), 0);
    EXPECT_EQ(Selection(page, "gain"), 0);  // code 9 reads as -20
    EXPECT_EQ(Selection(page, "bandwidth"), 1);
    EXPECT_EQ(Selection(page, "acOutput"), 3);

    Retype(page, "title", "Night");
    Control<QComboBox>(page, "slmDetector")->setCurrentIndex(2);
    Control<QComboBox>(page, "rtaDetector")->setCurrentIndex(0);
    Control<QComboBox>(page, "gain")->setCurrentIndex(5);
    Control<QComboBox>(page, "bandwidth")->setCurrentIndex(0);
    Control<QComboBox>(page, "rtaWeighting")->setCurrentIndex(1);
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = SsaBytes(*ssa);
    EXPECT_EQ(std::string(bytes.begin() + 9, bytes.begin() + 39), "Night" + std::string(25, ' '));
    EXPECT_EQ(bytes[86], 2);
    EXPECT_EQ(bytes[41] & 0x0C, 0);
    EXPECT_EQ(bytes[93], 5);
    EXPECT_EQ(bytes[94], 1);
    EXPECT_EQ(bytes[89], 3);
}

TEST(SetupEditorSsaPagesTest, RtaWeightingOfAnOldBlockShowsFlatAndIsNotStored)
{
    auto ssa = SsaSetup(SsaBlock("OLD").Byte(MeasurementSetupFields::kRtaWeighting, 1));
    ShownSheet s;
    s.sheet.ShowSetup(ssa.get());
    SetupPage* page = s.Page(Id::Ssa);
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "");
    EXPECT_EQ(Selection(page, "rtaWeighting"), 2);
    Control<QComboBox>(page, "rtaWeighting")->setCurrentIndex(0);
    s.sheet.SaveAll();
    EXPECT_EQ(SsaBytes(*ssa)[94], 1);
}

TEST(SetupEditorSsaPagesTest, TypedRtaWeightingStoresTheRowItNamesOrNothing)
{
    auto ssa = SsaSetup(SsaBlock("TYPED").Version(4).Byte(MeasurementSetupFields::kRtaWeighting, 0));
    ShownSheet s;
    s.sheet.ShowSetup(ssa.get());
    SetupPage* page = s.Page(Id::Ssa);
    QComboBox* combo = Control<QComboBox>(page, "rtaWeighting");
    combo->setEditText("Z");
    s.sheet.SaveAll();
    EXPECT_EQ(SsaBytes(*ssa)[94], 0);  // names no row: the stored code stays
    combo->setEditText("C");
    s.sheet.SaveAll();
    EXPECT_EQ(SsaBytes(*ssa)[94], 1);
}

TEST(SetupEditorSsaPagesTest, IntervalPageShowsFallbacksAndStoresThePeriod)
{
    auto ssa = SsaSetup(SsaBlock("INTV")
                            .Bit(MeasurementSetupFields::kIntervalFlags, 7)
                            .Bit(MeasurementSetupFields::kIntervalFlags, 6)
                            .Bit(MeasurementSetupFields::kIntervalFlags, 0)
                            .Byte(MeasurementSetupFields::kIntervalThreshold, 65)
                            .Byte(kIntervalPeriod, 100)
                            .Byte(kIntervalPeriod + 1, 15)
                            .Byte(kIntervalPeriod + 2, 60)
                            .Byte(MeasurementSetupFields::kIntervalExchangeRate, 2)
                            .Byte(MeasurementSetupFields::kSpectra, 2));
    ShownSheet s;
    s.sheet.ShowSetup(ssa.get());
    SetupPage* page = s.Open(Id::SsaIntv);
    EXPECT_EQ(page->Caption(), "Intervals");
    EXPECT_TRUE(Control<QCheckBox>(page, "intervalEnabled")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(page, "lnSave")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(page, "completeHistogram")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(page, "timeSync")->isChecked());
    EXPECT_EQ(Text(page, "threshold"), "65");
    EXPECT_EQ(Text(page, "intervalHours"), "00");
    EXPECT_EQ(Text(page, "intervalMinutes"), "15");
    EXPECT_EQ(Text(page, "intervalSeconds"), "00");
    EXPECT_EQ(Selection(page, "exchangeRate"), 2);
    EXPECT_EQ(Selection(page, "spectra"), 2);

    Retype(page, "threshold", "70");
    Retype(page, "intervalSeconds", "30");
    Control<QComboBox>(page, "spectra")->setCurrentIndex(1);
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = SsaBytes(*ssa);
    EXPECT_EQ(bytes[99], 70);
    EXPECT_EQ(bytes[100], 100);  // the fallback hours were not edited
    EXPECT_EQ(bytes[101], 15);
    EXPECT_EQ(bytes[102], 30);
    EXPECT_EQ(bytes[103], 1);
    EXPECT_EQ(bytes[42], 0xC1);
}

TEST(SetupEditorSsaPagesTest, IntervalControlsFollowTheEnableBoxAndOptionsExcludeEachOther)
{
    auto ssa = SsaSetup(SsaBlock("OFF").Bit(MeasurementSetupFields::kIntervalFlags, 5));
    ShownSheet s;
    s.sheet.ShowSetup(ssa.get());
    SetupPage* page = s.Open(Id::SsaIntv);
    QCheckBox* enabled = Control<QCheckBox>(page, "intervalEnabled");
    QCheckBox* timeSync = Control<QCheckBox>(page, "timeSync");
    QCheckBox* autoStop = Control<QCheckBox>(page, "autoStop");
    EXPECT_TRUE(enabled->isEnabled());
    for (const char* name : {"timeSync", "autoStop", "threshold", "intervalHours", "spectra", "exchangeRate"})
        EXPECT_FALSE(Control<QWidget>(page, name)->isEnabled()) << name;

    enabled->click();
    for (const char* name : {"timeSync", "autoStop", "threshold", "intervalHours", "spectra", "exchangeRate"})
        EXPECT_TRUE(Control<QWidget>(page, name)->isEnabled()) << name;
    autoStop->click();
    EXPECT_FALSE(timeSync->isChecked());
    timeSync->click();
    EXPECT_FALSE(autoStop->isChecked());
    timeSync->click();
    EXPECT_FALSE(timeSync->isChecked());
    EXPECT_FALSE(autoStop->isChecked());

    // A greyed option is stored as it stands.
    timeSync->click();
    enabled->click();
    s.sheet.SaveAll();
    EXPECT_EQ(SsaBytes(*ssa)[42], 0x20);
}
