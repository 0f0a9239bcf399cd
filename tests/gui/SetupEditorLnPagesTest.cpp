// The Ln pages of the SSA, LOG and TAL setups: percentiles in 8.8 percent,
// the start level, and each page's own "Enable Ln".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "PropPageLn.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

TEST(SetupEditorLnPagesTest, LogLnPercentilesStartLevelAndReferenceTexts)
{
    auto log = LogSetup(LogBlock("LN")
                            .Fixed88(MeasurementSetupFields::kLn1, 10, 0)
                            .Fixed88(MeasurementSetupFields::kLn1 + 2 * 2, 150, 0)
                            .Fixed88(MeasurementSetupFields::kLn1 + 2 * 5, 90, 0)
                            .Byte(MeasurementSetupFields::kLnStartLevel, 150)
                            .Byte(MeasurementSetupFields::kFreqWeighting, 3)
                            .Byte(MeasurementSetupFields::kDetector, 1));
    ShownSheet s;
    s.sheet.ShowSetup(log.get());
    SetupPage* page = s.Open(Id::LogLn);
    EXPECT_EQ(Text(page, "ln1"), "10.00");
    EXPECT_EQ(Text(page, "ln3"), "33.33");  // 150 % is no percentile
    EXPECT_EQ(Text(page, "startLevel"), "150");
    EXPECT_EQ(Control<QLabel>(page, "weighting")->text(), "Oct");
    EXPECT_EQ(Control<QLabel>(page, "detector")->text(), "Fast");
    EXPECT_TRUE(Control<QCheckBox>(page, "enableLn")->isHidden());

    Retype(page, "ln2", "8.33");
    Retype(page, "ln4", "");
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = LogBytes(*log);
    EXPECT_EQ(bytes[112], 8);
    EXPECT_EQ(bytes[113], 84);
    // The fallback shown for 150 % and the start level above 99 are kept as
    // stored, and the hidden Ln box writes nothing.
    EXPECT_EQ(bytes[114], 150);
    EXPECT_EQ(bytes[115], 0);
    EXPECT_EQ(bytes[116], 0);
    EXPECT_EQ(bytes[117], 0);
    EXPECT_EQ(bytes[120], 90);
    EXPECT_EQ(bytes[181], 150);
    EXPECT_EQ(bytes[41] & 0x02, 0);
}

TEST(SetupEditorLnPagesTest, SsaEnableLnReachesTheSetupAtOnceAndKeepsControlsEnabled)
{
    auto ssa = SsaSetup(SsaBlock("SSA")
                            .Bit(MeasurementSetupFields::kStoreFlags, 1)
                            .Byte(MeasurementSetupFields::kSpectralLn, 2)
                            .Byte(MeasurementSetupFields::kFreqWeighting, 3));
    ShownSheet s;
    s.sheet.ShowSetup(ssa.get());
    SetupPage* page = s.Open(Id::SsaLn);
    EXPECT_EQ(Control<QComboBox>(page, "spectralLn")->currentIndex(), 2);
    EXPECT_EQ(Control<QLabel>(page, "weighting")->text(), "A");
    Control<QCheckBox>(page, "enableLn")->click();
    EXPECT_EQ(BlockBytes(ssa->GetSSASetup())[47] & 0x02, 0);
    EXPECT_TRUE(Control(page, "ln1")->isEnabled());
}

TEST(SetupEditorLnPagesTest, TalLnNeedsBothBitsAndStoresThemTogether)
{
    auto tal
        = TalSetup(SetupBlockBuilder(219).Version(3).Name("TAL").Mode(7).Bit(MeasurementSetupFields::kModeFlags, 6));
    ShownSheet s;
    s.sheet.ShowSetup(tal.get());
    SetupPage* page = s.Open(Id::TalLn);
    EXPECT_FALSE(Control<QCheckBox>(page, "enableLn")->isChecked());
    EXPECT_FALSE(Control(page, "ln1")->isEnabled());
    EXPECT_EQ(Control<QLabel>(page, "header")->text(), "ZU-Reru TAL");
    s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[41] & 0x40, 0x40);  // untouched: as stored
    Control<QCheckBox>(page, "enableLn")->click();
    s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[41] & 0x40, 0x40);
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[47] & 0x02, 0x02);
    Control<QCheckBox>(page, "enableLn")->click();
    s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[41] & 0x40, 0);
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[47] & 0x02, 0);
}
