// The time-history pages of the sound analyser, logging and ZU-Reru setups:
// the period rules of LAFTM5 and the unit, the enabling rules, and the item
// bits they store.
#include <gtest/gtest.h>

#include "ScriptedPrompter.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;
using testsupport::ScriptedPrompter;

namespace {

QCheckBox* Box(QWidget* page, const char* name)
{
    return Control<QCheckBox>(page, name);
}

QComboBox* List(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name);
}

// An SSA setup with time history on, the unit and period given.
struct SsaThPage {
    explicit SsaThPage(SetupBlockBuilder block)
        : setup(SsaSetup(block.Bit(MeasurementSetupFields::kStoreFlags, 3)))
    {
        sheet.sheet.ShowSetup(setup.get());
        page = sheet.Open(Id::SsaTh);
    }
    std::vector<uint8_t> Saved()
    {
        sheet.sheet.SaveAll();
        return BlockBytes(setup->GetSSASetup());
    }
    std::unique_ptr<SetupRec> setup;
    ShownSheet sheet;
    SetupPage* page = nullptr;
};

}  // namespace

TEST(SetupEditorThPagesTest, Laftm5AdjustsThePeriodToWholeFiveSeconds)
{
    struct Case {
        int unit;
        int period;
        bool asks;
        const char* after;
    };
    const Case cases[] = {
        {1, 7, true, "5"},    {1, 8, true, "10"},   {1, 0, true, "5"},    {1, 10, false, "10"},
        {0, 70, true, "160"}, {0, 100, true, "160"}, {0, 160, false, "160"}, {0, 250, true, "160"},
        {2, 1, false, "1"},   {2, 0, true, "1"},
    };
    for (const Case& c : cases) {
        SsaThPage p(SsaBlock("THL")
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, c.unit)
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriod, c.period));
        ScriptedPrompter prompter;
        if (c.asks)
            prompter.Expect("LAFTM5 requires", platform::IDOK);
        Box(p.page, "LAFTM5")->click();
        EXPECT_EQ(prompter.Boxes().size(), c.asks ? 1u : 0u) << c.unit << ' ' << c.period;
        EXPECT_EQ(Text(p.page, "period"), c.after) << c.unit << ' ' << c.period;
        EXPECT_TRUE(Box(p.page, "LAFTM5")->isChecked());
    }
}

TEST(SetupEditorThPagesTest, CancelInTheLaftm5MessageLeavesItOffAndZeroAllowed)
{
    SsaThPage p(SsaBlock("CAN")
                    .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 1)
                    .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 7));
    ScriptedPrompter prompter;
    prompter.Expect("LAFTM5 requires", platform::IDCANCEL);
    Box(p.page, "LAFTM5")->click();
    EXPECT_FALSE(Box(p.page, "LAFTM5")->isChecked());
    EXPECT_EQ(Text(p.page, "period"), "7");
    Retype(p.page, "period", "0");
    EXPECT_EQ(Text(p.page, "period"), "0");
    EXPECT_EQ(p.Saved()[183] & 0x04, 0);
}

TEST(SetupEditorThPagesTest, UnitChangeAdjustsAnInvalidPeriod)
{
    {
        SsaThPage p(SsaBlock("U32")
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 1)
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 10));
        ScriptedPrompter prompter;
        prompter.Expect("adjusting it to 4", platform::IDOK);
        List(p.page, "periodUnit")->setCurrentIndex(0);
        EXPECT_EQ(Text(p.page, "period"), "4");
        EXPECT_EQ(prompter.LastText(), "Invalid value in Period field; adjusting it to 4");
    }
    {
        SsaThPage p(SsaBlock("U5")
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 2)
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 12)
                        .Bit(MeasurementSetupFields::kThLiveA, 2));
        ScriptedPrompter prompter;
        prompter.Expect("adjusting it to 5", platform::IDOK);
        List(p.page, "periodUnit")->setCurrentIndex(1);
        EXPECT_EQ(Text(p.page, "period"), "5");
    }
    {
        // A period of 0 under LAFTM5 is adjusted to the field's minimum, never
        // to 0 again.
        SsaThPage p(SsaBlock("U0")
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 1)
                        .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 0)
                        .Bit(MeasurementSetupFields::kThLiveA, 2));
        ScriptedPrompter prompter;
        prompter.Expect("adjusting it to 1", platform::IDOK);
        List(p.page, "periodUnit")->setCurrentIndex(2);
        EXPECT_EQ(Text(p.page, "period"), "1");
    }
    {
        // The logging analyser has no eighth-second rule.
        auto log = LogSetup(LogBlock("LOG")
                                .Bit(MeasurementSetupFields::kStoreFlags, 3)
                                .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 1)
                                .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 10));
        ShownSheet s;
        s.sheet.ShowSetup(log.get());
        SetupPage* page = s.Open(Id::Th);
        ScriptedPrompter prompter;
        List(page, "periodUnit")->setCurrentIndex(0);
        EXPECT_EQ(Text(page, "period"), "10");
        EXPECT_TRUE(prompter.Boxes().empty());
    }
}

TEST(SetupEditorThPagesTest, SsaPageStoresItemsAndKeepsWindBitsOfAnOldBlock)
{
    SsaThPage p(SsaBlock("ITEMS")
                    .Version(4)
                    .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 3)
                    .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 255)
                    .Bit(MeasurementSetupFields::kThLiveF, 1)
                    .Bit(MeasurementSetupFields::kThLiveF, 0)
                    .Bit(MeasurementSetupFields::kThLiveA, 1)
                    .Bit(MeasurementSetupFields::kThLiveA, 0)
                    .Bit(MeasurementSetupFields::kThLevelC, 7)
                    .Bit(MeasurementSetupFields::kThLiveF, 5)
                    .Byte(MeasurementSetupFields::kOtherLevel, 1));
    EXPECT_FALSE(Box(p.page, "Wind Spd")->isVisible());
    EXPECT_TRUE(Box(p.page, "RTA Leq")->isChecked());
    EXPECT_TRUE(Box(p.page, "RTA Live")->isChecked());
    EXPECT_TRUE(Box(p.page, "C Leq")->isChecked());
    EXPECT_TRUE(Box(p.page, "Flat Impl Live")->isChecked());
    EXPECT_FALSE(Box(p.page, "A Leq")->isChecked());

    Box(p.page, "RTA Live")->click();  // cleared: RTA Leq stays
    EXPECT_TRUE(Box(p.page, "RTA Leq")->isChecked());
    Box(p.page, "RTA Live")->click();  // checked: clears RTA Leq
    EXPECT_FALSE(Box(p.page, "RTA Leq")->isChecked());
    Box(p.page, "A Peak")->click();
    List(p.page, "resolution")->setCurrentIndex(1);
    const std::vector<uint8_t> bytes = p.Saved();
    EXPECT_EQ(bytes[141], 255);
    EXPECT_EQ(bytes[142], 3);
    EXPECT_EQ(bytes[140], 4);
    EXPECT_EQ(bytes[47] & 0x0C, 0x0C);
    EXPECT_EQ(bytes[182], 0x40);
    EXPECT_EQ(bytes[183] & 0x03, 0x03);  // wind bits kept
    EXPECT_EQ(bytes[184], 0x80);
    EXPECT_EQ(bytes[187], 0x21);
}

TEST(SetupEditorThPagesTest, EnableRulesOfTheThreePages)
{
    {
        auto ssa = SsaSetup(SsaBlock("OFF")
                                .Version(5)
                                .Byte(MeasurementSetupFields::kTimeHistoryPeriodUnit, 1)
                                .Byte(MeasurementSetupFields::kTimeHistoryPeriod, 9)
                                .Bit(MeasurementSetupFields::kThLevelA, 7));
        ShownSheet s;
        s.sheet.ShowSetup(ssa.get());
        SetupPage* page = s.Open(Id::SsaTh);
        EXPECT_TRUE(Box(page, "Wind Dir")->isVisible());
        for (const char* name : {"period", "periodUnit", "resolution", "A Leq", "LAFTM5", "Wind Dir"})
            EXPECT_FALSE(Control<QWidget>(page, name)->isEnabled()) << name;
        Box(page, "A Leq")->setChecked(false);
        s.sheet.SaveAll();
        EXPECT_EQ(ssa->GetSSASetup()->GetSetupBlock()[182], 0);  // greyed boxes still stored
        EXPECT_EQ(ssa->GetSSASetup()->GetSetupBlock()[141], 9);
        Box(page, "thEnabled")->click();
        for (const char* name : {"period", "A Leq", "Wind Dir"})
            EXPECT_TRUE(Control<QWidget>(page, name)->isEnabled()) << name;
    }
    {
        auto log = LogSetup(LogBlock("LOG")
                                .Bit(MeasurementSetupFields::kStoreFlags, 3)
                                .Byte(MeasurementSetupFields::kOtherLevel, 9)
                                .Bit(MeasurementSetupFields::kThLevelA, 7));
        ShownSheet s;
        s.sheet.ShowSetup(log.get());
        SetupPage* page = s.Open(Id::Th);
        EXPECT_EQ(List(page, "otherLevel")->currentIndex(), 0);
        EXPECT_TRUE(Control<QWidget>(page, "period")->isEnabled());
        EXPECT_FALSE(Box(page, "A Leq")->isEnabled());
        List(page, "otherLevel")->setCurrentIndex(4);
        EXPECT_TRUE(Box(page, "A Leq")->isEnabled());
        s.sheet.SaveAll();
        EXPECT_EQ(log->GetLOGSetup()->GetSetupBlock()[140], 4);
        EXPECT_EQ(log->GetLOGSetup()->GetSetupBlock()[182], 0x80);
    }
}

TEST(SetupEditorThPagesTest, TalPageStoresOnlyItsOwnItems)
{
    auto tal = TalSetup(SetupBlockBuilder(219)
                            .Version(3)
                            .Name("TAL")
                            .Mode(7)
                            .Bit(MeasurementSetupFields::kStoreFlags, 3)
                            .Byte(MeasurementSetupFields::kThLevelA, 0x47)
                            .Byte(MeasurementSetupFields::kThLiveC, 0x07)
                            .Byte(MeasurementSetupFields::kThLiveF, 0x03)
                            .Byte(MeasurementSetupFields::kOtherLevel, 1));
    ShownSheet s;
    s.sheet.ShowSetup(tal.get());
    SetupPage* page = s.Open(Id::TalTh);
    EXPECT_EQ(page->Caption(), "Time History");
    EXPECT_EQ(page->findChild<QCheckBox*>("A Peak"), nullptr);
    Box(page, "LAeq")->click();
    Box(page, "LAIeq")->click();
    Box(page, "A Slow Max")->click();
    s.sheet.SaveAll();
    const uint8_t* block = tal->GetTALSetup()->GetSetupBlock();
    EXPECT_EQ(block[182], 0xE7);  // Peak and Min bits as stored
    EXPECT_EQ(block[185], 0x07);
    EXPECT_EQ(block[187], 0x07);
    EXPECT_EQ(block[140], 4);
}
