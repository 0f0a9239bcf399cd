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
    auto log = LogSetup(LogBlock("ROAD")
                            .Title("Short")
                            .Byte(MeasurementSetupFields::kDetector, 3)
                            .Byte(MeasurementSetupFields::kFreqWeighting, 3)
                            .Byte(MeasurementSetupFields::kPeak1Weighting, 1)
                            .Byte(MeasurementSetupFields::kRange, 5)
                            .Byte(MeasurementSetupFields::kAcOutput, 2));
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
    auto log = LogSetup(LogBlock("DOSE")
                            .Byte(MeasurementSetupFields::kCriterionTime, 120)
                            .Byte(MeasurementSetupFields::kCriterionLevel, 85)
                            .Byte(MeasurementSetupFields::kThreshold, 70)
                            .Byte(MeasurementSetupFields::kExchangeRate, 4)
                            .Byte(MeasurementSetupFields::kOverallExchangeRate, 2));
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
    auto log = LogSetup(LogBlock("EVENTS")
                            .Fixed88(MeasurementSetupFields::kSplExceedanceLevel1, 0, 128)
                            .Byte(MeasurementSetupFields::kExceedanceHysteresis, 12)
                            .Byte(MeasurementSetupFields::kTimedExcdMinutes, 0x05)
                            .Byte(MeasurementSetupFields::kTimedExcdSeconds, 0x30)
                            .Byte(MeasurementSetupFields::kExceedanceThPeriod, 50)
                            .Byte(MeasurementSetupFields::kMinimumDuration, 9));
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
    auto passBy = LogSetup(LogBlock("A").Byte(MeasurementSetupFields::kExceedanceThPeriod, 64));
    auto level = LogSetup(LogBlock("B").Byte(MeasurementSetupFields::kExceedanceThPeriod, 50));
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
    auto storedPassBy = LogSetup(LogBlock("C")
                                     .Bit(MeasurementSetupFields::kExceedanceFlags, 4)
                                     .Byte(MeasurementSetupFields::kExceedanceThPeriod, 48));
    s.sheet.ShowSetup(storedPassBy.get());
    EXPECT_EQ(Text(page, "thPeriod"), "32");
}

TEST(SetupEditorLogPagesTest, IntervalPageEnableRuleExclusionAndPeriod)
{
    auto log = LogSetup(LogBlock("INTV")
                            .Bit(MeasurementSetupFields::kIntervalFlags, 5)
                            .Byte(kIntervalPeriod, 100)
                            .Byte(kIntervalPeriod + 1, 60)
                            .Byte(kIntervalPeriod + 2, 30)
                            .Byte(MeasurementSetupFields::kIntervalExchangeRate, 1));
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
    auto on = LogSetup(
        LogBlock("ON").Bit(MeasurementSetupFields::kStoreFlags, 6).Bit(MeasurementSetupFields::kStoreFlags, 4));
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
    auto twice = LogSetup(LogBlock("TWICE")
                              .Byte(kTimerMode, 3)
                              .Byte(kRunDate, 0x15)
                              .Byte(kRunDate + 1, 0)
                              .Byte(kRunDate + 2, 0x99)
                              .Byte(kStopDate, 0x31)
                              .Byte(kStopDate + 1, 0x12)
                              .Byte(kStopDate + 2, 0x05)
                              .Byte(kStartTime2, 0x23)
                              .Byte(kStartTime2 + 1, 0x45));
    auto off = LogSetup(LogBlock("OFF").Byte(kRunDate, 0x00));
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
    auto log = LogSetup(LogBlock("TRIG")
                            .Fixed88(MeasurementSetupFields::kSplExceedanceLevel1, 255, 255)
                            .Byte(MeasurementSetupFields::kSplExceedanceLevel2, 100)
                            .Byte(MeasurementSetupFields::kPeak1ExceedanceLevel, 137)
                            .Byte(MeasurementSetupFields::kExceedanceHysteresis, 3));
    PropPageTrigger page;
    page.SetSetup(log.get());
    page.show();
    EXPECT_EQ(Text(&page, "splLevel1"), "115.00");
    EXPECT_EQ(Text(&page, "splLevel2"), "100");
    EXPECT_EQ(Text(&page, "peak1Level"), "137");
    EXPECT_EQ(Selection(&page, "hysteresis"), 3);
    EXPECT_EQ(Control<QLabel>(&page, "header")->text(), "Sound Level Meter - TRIG");
}
