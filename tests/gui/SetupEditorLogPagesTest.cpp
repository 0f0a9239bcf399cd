// The pages of a logging sound level meter setup: what they show of a setup
// built from its raw block, and what they store back.
#include <gtest/gtest.h>

#include <QComboBox>

#include "PropPageLog.h"
#include "PropPageTrigger.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace {

int Selection(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name)->currentIndex();
}

QCheckBox* Box(QWidget* page, const char* name)
{
    return Control<QCheckBox>(page, name);
}

// The user picks an entry of a list.
void Choose(QWidget* page, const char* name, int index)
{
    QComboBox* combo = Control<QComboBox>(page, name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

TEST(SetupEditorLogPagesTest, SlmPageWithoutSetupShowsFirstEntries)
{
    PropPageLog page;
    page.show();
    for (const char* list : {"detector", "freqWeighting", "peak1Weighting", "range", "acOutput"})
        EXPECT_EQ(Selection(&page, list), 0) << list;
    EXPECT_EQ(Text(&page, "title"), "");
}

TEST(SetupEditorLogPagesTest, SlmPageShowsAndStoresTitleAndLists)
{
    auto log = LogSetup(LogBlock("ROAD").Title("Short").Byte(86, 3).Byte(87, 3).Byte(90, 1).Byte(91, 5).Byte(89, 2));
    log->SetFileName("road.log");
    log->SetPath("/surveys/road.log");
    ShownSheet s;
    s.sheet.ShowSetup(log.get());
    SetupPage* page = s.Page(Id::Log);
    EXPECT_EQ(Text(page, "title"), "Short");
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "(road.log)");
    EXPECT_EQ(Selection(page, "detector"), 0);        // code 3 reads as Slow
    EXPECT_EQ(Selection(page, "freqWeighting"), -1);  // octave weighting: none of the list
    EXPECT_EQ(Selection(page, "peak1Weighting"), 1);
    EXPECT_EQ(Selection(page, "range"), 0);
    EXPECT_EQ(Selection(page, "acOutput"), 2);

    Retype(page, "title", QString(31, 'x'));
    EXPECT_EQ(Text(page, "title").size(), 30);
    Retype(page, "title", "Night");
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = LogBytes(*log);
    EXPECT_EQ(std::string(bytes.begin() + 9, bytes.begin() + 39), "Night" + std::string(25, ' '));
    // Lists the user did not touch keep their stored codes, shown or not.
    EXPECT_EQ(bytes[86], 3);
    EXPECT_EQ(bytes[87], 3);
    EXPECT_EQ(bytes[90], 1);
    EXPECT_EQ(bytes[91], 5);
    EXPECT_EQ(bytes[89], 2);
}

TEST(SetupEditorLogPagesTest, TwaPageReplacesOddValuesAndStoresTheSetterRules)
{
    auto log = LogSetup(LogBlock("DOSE").Byte(83, 120).Byte(76, 85).Byte(75, 70).Byte(74, 4).Byte(77, 2));
    ShownSheet s;
    s.sheet.ShowSetup(log.get());
    SetupPage* page = s.Open(Id::LogTwa);
    EXPECT_EQ(Text(page, "criterionTime"), "8");
    EXPECT_EQ(Text(page, "criterionLevel"), "85");
    EXPECT_EQ(Text(page, "threshold"), "70");
    EXPECT_EQ(Selection(page, "exchangeRate"), -1);
    EXPECT_EQ(Selection(page, "overallExchangeRate"), 2);

    Retype(page, "criterionTime", "99");  // the field takes it, the setup does not
    Retype(page, "threshold", "");
    LoseFocus(Control(page, "threshold"));
    EXPECT_EQ(Text(page, "threshold"), "0");
    s.sheet.SaveAll();
    EXPECT_EQ(LogBytes(*log)[83], 8);
    EXPECT_EQ(LogBytes(*log)[75], 0);
    EXPECT_EQ(LogBytes(*log)[74], 4);  // a valid code the list does not show stays
    EXPECT_EQ(LogBytes(*log)[77], 2);
}

TEST(SetupEditorLogPagesTest, EventsPageLevelsPeriodRuleAndTimedPeriod)
{
    auto log = LogSetup(LogBlock("EVENTS").Fixed88(122, 0, 128).Byte(126, 12).Byte(177, 0x05).Byte(178, 0x30)
                            .Byte(176, 50).Byte(174, 9));
    ShownSheet s;
    s.sheet.ShowSetup(log.get());
    SetupPage* page = s.Open(Id::Events);
    EXPECT_EQ(Text(page, "splLevel1"), "0.50");
    EXPECT_EQ(Text(page, "timedMinutes"), "05");
    EXPECT_EQ(Text(page, "timedSeconds"), "30");
    EXPECT_EQ(Selection(page, "hysteresis"), -1);
    EXPECT_EQ(Text(page, "thPeriod"), "50");  // loading does not apply the PassBy rule

    Choose(page, "trigger", 1);
    EXPECT_EQ(Text(page, "thPeriod"), "32");
    Choose(page, "trigger", 0);
    Retype(page, "thPeriod", "50");
    LoseFocus(Control(page, "thPeriod"));
    EXPECT_EQ(Text(page, "thPeriod"), "50");

    Retype(page, "splLevel1", "120.5");
    Retype(page, "timedMinutes", "12");
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = LogBytes(*log);
    EXPECT_EQ(bytes[122], 120);
    EXPECT_EQ(bytes[123], 128);
    EXPECT_EQ(bytes[126], 12);  // the untouched hysteresis keeps its code
    EXPECT_EQ(bytes[176], 50);
    EXPECT_EQ(bytes[177], 0x12);
    EXPECT_EQ(bytes[178], 0x30);
    EXPECT_EQ(bytes[48] & 0x10, 0);  // trigger Level
}

TEST(SetupEditorLogPagesTest, EventsPeriodRuleFollowsTheStoredTriggerOfEachSetup)
{
    // "PassBy" chosen on one setup does not reach the next one's period.
    auto passBy = LogSetup(LogBlock("A").Byte(176, 64));
    auto level = LogSetup(LogBlock("B").Byte(176, 50));
    ShownSheet s;
    s.sheet.ShowSetup(passBy.get());
    SetupPage* page = s.Open(Id::Events);
    Choose(page, "trigger", 1);
    s.sheet.ShowSetup(level.get());
    EXPECT_EQ(Text(page, "thPeriod"), "50");
    LoseFocus(Control(page, "thPeriod"));
    s.sheet.SaveAll();
    EXPECT_EQ(LogBytes(*level)[176], 50);
    EXPECT_EQ(LogBytes(*passBy)[48] & 0x10, 0x10);
    // A stored pass-by trigger brings its rule along: 48 is no power of two.
    auto storedPassBy = LogSetup(LogBlock("C").Bit(48, 4).Byte(176, 48));
    s.sheet.ShowSetup(storedPassBy.get());
    EXPECT_EQ(Text(page, "thPeriod"), "32");
}

TEST(SetupEditorLogPagesTest, IntervalPageEnableRuleExclusionAndPeriod)
{
    auto log = LogSetup(LogBlock("INTV").Bit(42, 5).Byte(100, 100).Byte(101, 60).Byte(102, 30).Byte(98, 1));
    ShownSheet s;
    s.sheet.ShowSetup(log.get());
    SetupPage* page = s.Open(Id::LogIntv);
    EXPECT_TRUE(Box(page, "intervalEnabled")->isEnabled());
    for (const char* name : {"timeSync", "lnSave", "autoStop", "completeHistogram"})
        EXPECT_FALSE(Box(page, name)->isEnabled()) << name;
    EXPECT_FALSE(Control(page, "hours")->isEnabled());
    EXPECT_EQ(Text(page, "hours"), "00");
    EXPECT_EQ(Text(page, "minutes"), "00");
    EXPECT_EQ(Text(page, "seconds"), "30");

    Box(page, "intervalEnabled")->click();
    EXPECT_TRUE(Box(page, "autoStop")->isEnabled());
    EXPECT_TRUE(Control(page, "hours")->isEnabled());
    Box(page, "autoStop")->click();
    EXPECT_FALSE(Box(page, "timeSync")->isChecked());
    Box(page, "timeSync")->click();
    EXPECT_FALSE(Box(page, "autoStop")->isChecked());

    Box(page, "intervalEnabled")->click();  // off again; the options stay as they stand
    Box(page, "lnSave")->setChecked(true);
    s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = LogBytes(*log);
    EXPECT_EQ(bytes[42], 0x20 | 0x40);
    // The fallbacks shown for a period the fields refuse are not written.
    EXPECT_EQ(bytes[100], 100);
    EXPECT_EQ(bytes[101], 60);
    EXPECT_EQ(bytes[102], 30);
    EXPECT_EQ(bytes[98], 1);
}

TEST(SetupEditorLogPagesTest, DailyPageRulesFollowClicksAndEveryLoad)
{
    auto off = LogSetup(LogBlock("OFF"));
    auto on = LogSetup(LogBlock("ON").Bit(47, 6).Bit(47, 4));
    ShownSheet s;
    s.sheet.ShowSetup(off.get());
    SetupPage* page = s.Open(Id::Daily);
    EXPECT_FALSE(Box(page, "dailyLn")->isEnabled());
    EXPECT_TRUE(Control<QLabel>(page, "note")->isHidden());

    s.sheet.ShowSetup(on.get());
    EXPECT_TRUE(Box(page, "dailyHistory")->isChecked());
    EXPECT_TRUE(Box(page, "dailyCalCheck")->isChecked());
    EXPECT_TRUE(Box(page, "dailyLn")->isEnabled());
    EXPECT_FALSE(Control<QLabel>(page, "note")->isHidden());
    Box(page, "dailyCalCheck")->click();
    EXPECT_TRUE(Control<QLabel>(page, "note")->isHidden());
    Box(page, "dailyCalCheck")->click();
    EXPECT_FALSE(Control<QLabel>(page, "note")->isHidden());

    Box(page, "dailyHistory")->click();  // off, and the options stored as they stand
    Box(page, "dailyLn")->setChecked(true);
    s.sheet.SaveAll();
    EXPECT_EQ(LogBytes(*on)[47], 0x80 | 0x10);
}

TEST(SetupEditorLogPagesTest, TimerPageModesDatesAndTimes)
{
    auto twice = LogSetup(LogBlock("TWICE").Byte(56, 3).Byte(57, 0x15).Byte(58, 0).Byte(59, 0x99).Byte(60, 0x31)
                              .Byte(61, 0x12).Byte(62, 0x05).Byte(67, 0x23).Byte(68, 0x45));
    auto off = LogSetup(LogBlock("OFF").Byte(57, 0x00));
    ShownSheet s;
    s.sheet.ShowSetup(twice.get());
    SetupPage* page = s.Open(Id::LogTimer);
    EXPECT_EQ(Text(page, "runYear"), "1999");
    EXPECT_EQ(Text(page, "runMonth"), "Jan");
    EXPECT_EQ(Text(page, "runDay"), "15");
    EXPECT_EQ(Text(page, "stopYear"), "2005");
    EXPECT_EQ(Text(page, "stopMonth"), "Dec");
    EXPECT_EQ(Text(page, "start2Hour"), "23");
    for (const char* name : {"runYear", "start1Hour", "start2Minute"})
        EXPECT_TRUE(Control(page, name)->isEnabled()) << name;

    Control<QAbstractButton>(page, "mode1")->click();
    EXPECT_TRUE(Control(page, "stop1Hour")->isEnabled());
    EXPECT_FALSE(Control(page, "stop2Hour")->isEnabled());
    Retype(page, "stopYear", "2024");
    s.sheet.SaveAll();
    std::vector<uint8_t> bytes = LogBytes(*twice);
    EXPECT_EQ(bytes[56], 1);
    EXPECT_EQ(bytes[58], 0);  // month 0, shown as January, is not written
    EXPECT_EQ(bytes[59], 0x99);
    EXPECT_EQ(bytes[60], 0x31);
    EXPECT_EQ(bytes[61], 0x12);
    EXPECT_EQ(bytes[62], 0x24);
    EXPECT_EQ(bytes[67], 0x23);  // greyed second times are still stored
    EXPECT_EQ(bytes[68], 0x45);

    s.sheet.ShowSetup(off.get());
    // Day 0 fails the test: the fixed fallback shows, never the previous
    // setup's day.
    EXPECT_EQ(Text(page, "runDay"), "01");
    EXPECT_TRUE(Control<QAbstractButton>(page, "mode0")->isChecked());
    for (const char* name : {"runYear", "start1Hour", "start2Minute"})
        EXPECT_FALSE(Control(page, name)->isEnabled()) << name;
}

TEST(SetupEditorLogPagesTest, TriggeringPageShowsLevelsWithFallbacks)
{
    auto log = LogSetup(LogBlock("TRIG").Fixed88(122, 255, 255).Byte(179, 100).Byte(125, 137).Byte(126, 3));
    PropPageTrigger page;
    page.SetSetup(log.get());
    page.show();
    EXPECT_EQ(Text(&page, "splLevel1"), "115.00");
    EXPECT_EQ(Text(&page, "splLevel2"), "100");
    EXPECT_EQ(Text(&page, "peak1Level"), "137");
    EXPECT_EQ(Selection(&page, "hysteresis"), 3);
    EXPECT_EQ(Control<QLabel>(&page, "header")->text(), "Sound Level Meter - TRIG");
}
