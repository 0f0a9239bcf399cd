// The setup property sheet: which pages a setup type gets, when the pages
// save into which setup, and what removing a setup's pages does.
#include <gtest/gtest.h>

#include "PropPageTimer.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace {

const std::vector<std::string> kLogTabs = {"SLM", "TWA", "Ln", "Events", "Time History", "Intervals", "Daily", "Timer",
                                           "Advanced"};

}  // namespace

TEST(SetupEditorSheetTest, FirstLogSetupBuildsTheLogSetWithoutSavingAnything)
{
    ShownSheet s;
    EXPECT_EQ(s.sheet.count(), 0);
    auto log = LogSetup(LogBlock("FIRST")
                            .Title("Road survey")
                            .Byte(MeasurementSetupFields::kDetector, 7)
                            .Byte(MeasurementSetupFields::kExchangeRate, 9));
    const std::vector<uint8_t> before = LogBytes(*log);

    s.sheet.ShowSetup(log.get());
    EXPECT_EQ(s.Tabs(), kLogTabs);
    EXPECT_EQ(s.ActiveTab(), "SLM");
    EXPECT_EQ(s.sheet.GetCurrentType(), 7);
    for (Id id : {Id::Log, Id::LogTwa, Id::LogLn, Id::Events, Id::LogIntv, Id::Daily, Id::LogTimer})
        EXPECT_EQ(s.Page(id)->GetSetup(), log.get()) << id;
    EXPECT_EQ(Text(s.Page(Id::Log), "title"), "Road survey");
    EXPECT_EQ(LogBytes(*log), before);
}

TEST(SetupEditorSheetTest, AnotherSetupOfTheSameTypeSavesTheFirstAndKeepsTheTab)
{
    ShownSheet s;
    auto first = LogSetup(LogBlock("FIRST").Byte(MeasurementSetupFields::kCriterionTime, 8));
    auto second = LogSetup(LogBlock("SECOND").Byte(MeasurementSetupFields::kCriterionTime, 12));
    s.sheet.ShowSetup(first.get());
    SetupPage* twa = s.Open(Id::LogTwa);
    Retype(twa, "criterionTime", "24");

    s.sheet.ShowSetup(second.get());
    EXPECT_EQ(first->GetLOGSetup()->GetCriterionTime(), 24);
    EXPECT_EQ(s.ActiveTab(), "TWA");
    EXPECT_EQ(s.Page(Id::LogTwa), twa);  // the same page object, bound anew
    EXPECT_EQ(twa->GetSetup(), second.get());
    EXPECT_EQ(Text(twa, "criterionTime"), "12");
    EXPECT_EQ(Control<QLabel>(twa, "header")->text(), "Sound Level Meter - SECOND");
}

TEST(SetupEditorSheetTest, ATypeChangeSavesAndReplacesTheSet)
{
    ShownSheet s;
    auto log = LogSetup(LogBlock("LOGGER"));
    auto ssa = SsaSetup(SsaBlock("ANALYSE").Byte(kTimerMode, 1));
    s.sheet.ShowSetup(log.get());
    Retype(s.Page(Id::Log), "title", "Night");

    s.sheet.ShowSetup(ssa.get());
    EXPECT_EQ(log->GetLOGSetup()->GetTitle(), "Night");
    for (Id id : {Id::Log, Id::LogTwa, Id::LogLn, Id::Events, Id::LogIntv, Id::Daily, Id::LogTimer})
        EXPECT_EQ(s.Page(id), nullptr) << id;
    EXPECT_EQ(s.Tabs(), (std::vector<std::string>{"SLM RTA", "Ln", "Time History", "Intervals", "Timer", "Advanced"}));
    EXPECT_EQ(s.ActiveTab(), "SLM RTA");
    auto* timer = static_cast<PropPageTimer*>(s.Open(Id::SsaTimer));
    EXPECT_EQ(timer->GetSetupType(), 5);
    EXPECT_EQ(Control<QLabel>(timer, "header")->text(), "Sound Level Meter - ANALYSE");
    EXPECT_TRUE(Control<QAbstractButton>(timer, "mode1")->isChecked());
}

TEST(SetupEditorSheetTest, ATypeWithoutPagesEmptiesTheSheet)
{
    ShownSheet s;
    auto log = LogSetup(LogBlock("LOGGER"));
    auto env = BareSetup(11);
    auto system = BareSetup(1);
    s.sheet.ShowSetup(log.get());
    s.sheet.ShowSetup(env.get());
    EXPECT_EQ(s.sheet.count(), 0);
    EXPECT_EQ(s.sheet.GetCurrentType(), 11);
    s.sheet.ShowSetup(system.get());
    EXPECT_EQ(s.sheet.GetCurrentType(), 1);
    s.sheet.ShowSetup(log.get());
    EXPECT_EQ(s.Tabs(), kLogTabs);
}

TEST(SetupEditorSheetTest, RemovingTheShownSetupsPagesDropsThemUnsaved)
{
    ShownSheet s;
    auto shown = LogSetup(LogBlock("SHOWN").Title("Kept"));
    auto other = LogSetup(LogBlock("OTHER"));
    s.sheet.ShowSetup(shown.get());
    Retype(s.Page(Id::Log), "title", "Typed");

    s.sheet.RemovePagesOf(other.get());
    EXPECT_EQ(s.Tabs(), kLogTabs);

    s.sheet.RemovePagesOf(shown.get());
    EXPECT_EQ(s.sheet.count(), 0);
    EXPECT_EQ(s.sheet.GetCurrentType(), 0);
    EXPECT_EQ(shown->GetLOGSetup()->GetTitle(), "Kept");
    s.sheet.ShowSetup(other.get());
    EXPECT_EQ(s.Tabs(), kLogTabs);
}

TEST(SetupEditorSheetTest, SaveAllLeavesFieldsOfPagesNeverShown)
{
    ShownSheet s;
    auto log = LogSetup(LogBlock("LOGGER")
                            .Title("Old")
                            .Byte(MeasurementSetupFields::kCriterionTime, 120)
                            .Byte(MeasurementSetupFields::kExceedanceHysteresis, 12));
    s.sheet.ShowSetup(log.get());
    Retype(s.Page(Id::Log), "title", "New");
    s.sheet.SaveAll();
    EXPECT_EQ(log->GetLOGSetup()->GetTitle(), "New");
    // TWA and Events were never displayed: their odd stored values stay.
    EXPECT_EQ(LogBytes(*log)[83], 120);
    EXPECT_EQ(LogBytes(*log)[126], 12);
}

TEST(SetupEditorSheetTest, LeavingTheSlmPageStoresItAndRefreshHeadersShowsANewName)
{
    ShownSheet s;
    auto log = LogSetup(LogBlock("LOGGER"));
    s.sheet.ShowSetup(log.get());
    Retype(s.Page(Id::Log), "title", "Harbour");
    s.Open(Id::Daily);
    EXPECT_EQ(log->GetLOGSetup()->GetTitle(), "Harbour");

    log->SetName("RENAMED");
    s.sheet.RefreshHeaders();
    EXPECT_EQ(Control<QLabel>(s.Page(Id::Daily), "header")->text(), "Sound Level Meter - RENAMED");
    EXPECT_EQ(Control<QLabel>(s.Page(Id::Log), "header")->text(), "Sound Level Meter - RENAMED");
}

TEST(SetupEditorSheetTest, TheTabLeftSavesBeforeTheNewTabShowsWhatItWrote)
{
    // The SLM page writes its lists on leaving; the Ln page, entered next,
    // shows the weighting and detector it wrote.
    auto log = LogSetup(
        LogBlock("ORDER").Byte(MeasurementSetupFields::kDetector, 0).Byte(MeasurementSetupFields::kFreqWeighting, 0));
    ShownSheet s;
    s.sheet.ShowSetup(log.get());
    SetupPage* slm = s.Page(Id::Log);
    PickEntry(Control<QComboBox>(slm, "freqWeighting"), 1);
    PickEntry(Control<QComboBox>(slm, "detector"), 1);
    SetupPage* ln = s.Open(Id::LogLn);
    EXPECT_EQ(Control<QLabel>(ln, "weighting")->text(), "C");
    EXPECT_EQ(Control<QLabel>(ln, "detector")->text(), "Fast");
    EXPECT_EQ(LogBytes(*log)[87], 1);
}

TEST(SetupEditorSheetTest, AViewSwitchKeepsWhatTheUserTyped)
{
    // Hiding and showing the sheet (another view in front, a minimised
    // window) is no tab change: the ZU-Reru Ln page keeps its unsaved edits.
    auto tal = TalSetup(SetupBlockBuilder(219)
                            .Version(3)
                            .Name("TAL")
                            .Mode(7)
                            .Bit(MeasurementSetupFields::kModeFlags, 6)
                            .Bit(MeasurementSetupFields::kStoreFlags, 1));
    ShownSheet s;
    s.sheet.ShowSetup(tal.get());
    SetupPage* ln = s.Open(Id::TalLn);
    Retype(ln, "ln1", "12.5");
    s.sheet.hide();
    s.sheet.show();
    EXPECT_EQ(Text(ln, "ln1"), "12.5");
    EXPECT_EQ(s.ActiveTab(), "Ln");
    s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[110], 12);
    EXPECT_EQ(BlockBytes(tal->GetTALSetup())[111], 128);
}
