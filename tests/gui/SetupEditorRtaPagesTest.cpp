// The eight pages of a real-time analyser setup: what they show of a setup
// built from its raw block, what they store back, and how the trigger pages
// follow the "Enable Triggering" box of the trigger setup page.
#include <gtest/gtest.h>

#include "PropPageRtaCondition.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace {

// The RTA block's own fields; the data model keeps them inside RTASetup.
constexpr size_t kRtaLogicFlags = 48;
constexpr size_t kRtaLinDetectorTime = 74;  // 24-bit seconds
constexpr size_t kRtaExpDetectorTime = 77;
constexpr size_t kRtaPretriggerCount = 78;  // high byte first
constexpr size_t kRtaLogicOutMap = 80;  // high byte first
constexpr size_t kRtaTriggerSource = 94;
// Each condition: mode byte, 8.8 level, 24-bit time, 16-bit sample count.
constexpr size_t kRtaArm = 95;
constexpr size_t kRtaTrigger = 103;
constexpr size_t kConditionLevel = 1;
constexpr size_t kConditionTime = 3;
constexpr size_t kRtaEndThen = 119;
constexpr size_t kRtaRepeatCount = 120;
constexpr size_t kRtaAverageCount = 121;
constexpr size_t kRtaRt60DbDown = 130;

QComboBox* List(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name);
}

QCheckBox* Box(QWidget* page, const char* name)
{
    return Control<QCheckBox>(page, name);
}

bool Enabled(QWidget* page, const char* name)
{
    return Control<QWidget>(page, name)->isEnabled();
}

// Every named control is enabled, or every one disabled.
void ExpectEnabled(QWidget* page, std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        EXPECT_EQ(Enabled(page, name), enabled) << name;
}

std::vector<uint8_t> Bytes(const SetupRec& record, size_t from, size_t count)
{
    const std::vector<uint8_t> bytes = BlockBytes(record.GetRTASetup());
    return {bytes.begin() + from, bytes.begin() + from + count};
}

// An RTA setup shown in the sheet.
struct RtaSheet {
    explicit RtaSheet(const SetupBlockBuilder& block) : record(RtaSetup(block)) { s.sheet.ShowSetup(record.get()); }
    SetupPage* Open(Id id) { return s.Open(id); }

    std::unique_ptr<SetupRec> record;
    ShownSheet s;
};

// The arm, trigger and end pages: where each keeps its condition.
struct Condition {
    Id id;
    const char* caption;
    size_t mode;  // then level (2), time (3) and samples (2) bytes
    int logicBit;
};
const Condition kConditions[] = {
    {Id::RtaArm, "Arm", 95, 5},
    {Id::RtaTrigger, "Trigger", 103, 6},
    {Id::RtaEnd, "End", 111, 4},
};

}  // namespace

TEST(SetupEditorRtaPagesTest, SheetBuildsTheEightRtaPages)
{
    RtaSheet r(RtaBlock("SPECTRA"));
    EXPECT_EQ(r.s.Tabs(), (std::vector<std::string>{"RTA", "AutoStore", "Trigger Setup", "Arm", "Trigger", "End",
                                                     "Then", "Logic Out"}));
    EXPECT_EQ(r.s.ActiveTab(), "RTA");
    EXPECT_EQ(Control<QLabel>(r.s.Page(Id::Rta), "header")->text(), "Real Time Analyzer - SPECTRA");
    EXPECT_EQ(Control<QLabel>(r.Open(Id::RtaThen), "pageLabel")->text(), "Then");
    EXPECT_EQ(Control<QLabel>(r.Open(Id::RtaLogicOut), "header")->text(), "Real Time Analyzer - SPECTRA");
    r.record->SetName("RENAMED");
    r.s.sheet.RefreshHeaders();
    EXPECT_EQ(Control<QLabel>(r.s.Page(Id::RtaThen), "header")->text(), "Real Time Analyzer - RENAMED");
}

TEST(SetupEditorRtaPagesTest, PageWithoutSetupKeepsItsDialogTexts)
{
    PropPageRtaTrigger page;
    page.show();
    EXPECT_EQ(Control<QLabel>(&page, "header")->text(), "Real Time Analyzer Settings");
    EXPECT_EQ(List(&page, "mode")->currentIndex(), -1);
    EXPECT_EQ(Text(&page, "level"), "");
    page.Save();  // nothing bound: nothing happens
}

TEST(SetupEditorRtaPagesTest, RtaPageShowsAndStoresTheAnalyserSettings)
{
    RtaSheet r(RtaBlock("SPECTRA", 4)
                   .Title("Hall")
                   .Byte(MeasurementSetupFields::kGain, 9)
                   .Bit(MeasurementSetupFields::kModeFlags, 7)
                   .Byte(kRtaRt60DbDown, 2)
                   .Byte(kRtaLinDetectorTime, 0)
                   .Byte(kRtaLinDetectorTime + 1, 64)
                   .Byte(kRtaExpDetectorTime, 3)
                   .Bit(MeasurementSetupFields::kModeFlags, 5));
    r.record->SetFileName("hall.rta");
    r.s.sheet.ShowSetup(r.record.get());
    SetupPage* page = r.s.Page(Id::Rta);
    EXPECT_EQ(Text(page, "title"), "Hall");
    EXPECT_EQ(Control<QLabel>(page, "fileName")->text(), "(hall.rta)");
    EXPECT_EQ(List(page, "gain")->currentText(), "-20");  // codes 9 and up read as 0
    EXPECT_EQ(List(page, "bandwidth")->currentText(), "1/3");
    EXPECT_EQ(List(page, "rt60DbDown")->count(), 6);
    EXPECT_EQ(List(page, "rt60DbDown")->currentText(), "15");
    EXPECT_EQ(List(page, "detector")->currentText(), "Linear");
    EXPECT_EQ(Text(page, "linDetectorTime"), "0.2500");
    EXPECT_EQ(List(page, "expDetectorTime")->currentText(), "1/4");
    EXPECT_EQ(List(page, "expStoreRate")->currentText(), "1/8");

    Retype(page, "title", "A title well beyond thirty characters");
    PickEntry(List(page, "bandwidth"), 0);
    PickEntry(List(page, "rt60DbDown"), 5);
    Retype(page, "linDetectorTime", "1.5");
    PickEntry(List(page, "expStoreRate"), 0);
    r.s.sheet.SaveAll();
    const RTASetup* rta = r.record->GetRTASetup();
    EXPECT_EQ(const_cast<RTASetup*>(rta)->GetTitle(), "A title well beyond thirty cha");
    const std::vector<uint8_t> bytes = BlockBytes(rta);
    EXPECT_EQ(bytes[93], 9);  // the gain list was not touched
    EXPECT_EQ(bytes[41] & 0xE0, 0x00);
    EXPECT_EQ(bytes[130], 5);
    EXPECT_EQ(Bytes(*r.record, 74, 4), (std::vector<uint8_t>{1, 128, 0, 3}));
}

TEST(SetupEditorRtaPagesTest, RtaPageFallsBackOnValuesItsControlsDoNotOffer)
{
    // Format 3 knows four RT60 steps; a gain of 8 and a time of 0 are no
    // entries either.
    RtaSheet r(
        RtaBlock("OLD").Byte(kRtaRt60DbDown, 5).Byte(MeasurementSetupFields::kGain, 8).Byte(kRtaExpDetectorTime, 14));
    SetupPage* page = r.s.Page(Id::Rta);
    EXPECT_EQ(List(page, "rt60DbDown")->count(), 4);
    EXPECT_EQ(List(page, "rt60DbDown")->currentIndex(), -1);
    EXPECT_EQ(List(page, "gain")->currentIndex(), -1);
    EXPECT_EQ(List(page, "expDetectorTime")->currentIndex(), -1);
    EXPECT_EQ(Text(page, "linDetectorTime"), "0.0000");
    r.s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(r.record->GetRTASetup());
    // Kept, not replaced by a code the user never chose.
    EXPECT_EQ(bytes[93], 8);
    EXPECT_EQ(bytes[130], 5);
    EXPECT_EQ(bytes[77], 14);
    EXPECT_EQ(Bytes(*r.record, 74, 3), (std::vector<uint8_t>{0, 0, 0}));

    // Another setup of the same type on the same page: the list follows its
    // format.
    auto newer = RtaSetup(RtaBlock("NEW", 4).Byte(kRtaRt60DbDown, 2).Byte(kRtaLinDetectorTime, 100));
    r.s.sheet.ShowSetup(newer.get());
    EXPECT_EQ(List(page, "rt60DbDown")->count(), 6);
    EXPECT_EQ(List(page, "rt60DbDown")->currentText(), "15");
    EXPECT_EQ(Text(page, "linDetectorTime"), "0.0000");  // 100 s is beyond the edit
    auto older = RtaSetup(RtaBlock("OLD2").Byte(kRtaRt60DbDown, 2));
    r.s.sheet.ShowSetup(older.get());
    EXPECT_EQ(List(page, "rt60DbDown")->count(), 4);
    EXPECT_EQ(List(page, "rt60DbDown")->currentText(), "20");
}

TEST(SetupEditorRtaPagesTest, DetectorChoosesWhichDetectorTimesAreEnabled)
{
    RtaSheet r(RtaBlock("DET").Bit(MeasurementSetupFields::kModeFlags, 6));
    SetupPage* page = r.s.Page(Id::Rta);
    ExpectEnabled(page, {"linDetectorTime"}, false);
    ExpectEnabled(page, {"expDetectorTime", "expStoreRate"}, true);
    PickEntry(List(page, "detector"), 0);
    ExpectEnabled(page, {"linDetectorTime"}, true);
    ExpectEnabled(page, {"expDetectorTime", "expStoreRate"}, false);
}

TEST(SetupEditorRtaPagesTest, AutoStoreGovernsItsFieldsWhichAreSavedEitherWay)
{
    RtaSheet r(RtaBlock("AUTO")
                   .Bit(MeasurementSetupFields::kIntervalFlags, 5)
                   .Bit(MeasurementSetupFields::kIntervalFlags, 7)
                   .Be16(kRtaPretriggerCount, 401));
    SetupPage* page = r.Open(Id::RtaAutoStore);
    EXPECT_TRUE(Box(page, "enableAutoStore")->isChecked());
    EXPECT_TRUE(Box(page, "saveByTime")->isChecked());
    EXPECT_EQ(Text(page, "pretrigger"), "0");  // above 400
    Retype(page, "pretrigger", "300");

    BeepCounter beeps;
    QTest::keyClicks(Control<QLineEdit>(page, "pretrigger"), "0");
    EXPECT_EQ(beeps.beeps, 1);

    Box(page, "enableAutoStore")->click();
    ExpectEnabled(page, {"saveByTime", "pretrigger", "pretriggerLabel"}, false);
    EXPECT_TRUE(Box(page, "saveByTime")->isChecked());
    r.s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(r.record->GetRTASetup());
    EXPECT_EQ(bytes[42], 0x80);
    EXPECT_EQ(Bytes(*r.record, 78, 2), (std::vector<uint8_t>{1, 44}));
}

TEST(SetupEditorRtaPagesTest, TriggerSetupShowsAndStoresItsFields)
{
    RtaSheet r(RtaBlock("TRIG").Bit(kRtaLogicFlags, 7).Byte(kRtaTriggerSource, 33).Bit(kRtaLogicFlags, 2));
    SetupPage* page = r.Open(Id::RtaTSetup);
    EXPECT_EQ(Control<QLabel>(page, "pageLabel")->text(), "Triggering");
    EXPECT_TRUE(Box(page, "enableTriggering")->isChecked());
    EXPECT_EQ(List(page, "triggerSource")->currentText(), "Flat");
    EXPECT_TRUE(Box(page, "runOnInput")->isChecked());
    EXPECT_EQ(List(page, "runLogic")->currentText(), "Low");
    EXPECT_TRUE(Enabled(page, "runLogic"));

    PickEntry(List(page, "triggerSource"), 19);
    Box(page, "runOnInput")->click();
    ExpectEnabled(page, {"runLogic", "runLogicLabel"}, false);
    PickEntry(List(page, "runLogic"), 1);
    r.s.sheet.SaveAll();
    const std::vector<uint8_t> bytes = BlockBytes(r.record->GetRTASetup());
    EXPECT_EQ(bytes[94], 19);
    EXPECT_EQ(bytes[48], 0x88);

    // A band beyond the list shows no selection and is kept.
    auto beyond = RtaSetup(RtaBlock("BEYOND").Byte(kRtaTriggerSource, 40));
    r.s.sheet.ShowSetup(beyond.get());
    EXPECT_EQ(List(page, "triggerSource")->currentIndex(), -1);
    r.s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(beyond->GetRTASetup())[94], 40);
}

// The lists are built from the texts the reports print; they keep the
// dialog's spelling row by row, the row being the stored code.
TEST(SetupEditorRtaPagesTest, ListsKeepTheDialogSpellingOfEveryCode)
{
    struct Case {
        Id id;
        const char* list;
        QStringList entries;
    };
    const Case cases[] = {
        {Id::RtaTSetup, "triggerSource", {"12.5", "16",   "20",   "25",   "31.5",  "40",    "50",    "63",    "80",
                                          "100",  "125",  "160",  "200",  "250",   "315",   "400",   "500",   "630",
                                          "800",  "1000", "1250", "1600", "2000",  "2500",  "3150",  "4000",  "5000",
                                          "6300", "8000", "10000", "12500", "16000", "20000", "Flat"}},
        {Id::RtaArm, "mode", {"Now", "L <", "L =", "L >", "Input", "Time", "Count"}},
        {Id::Rta, "expDetectorTime", {"1/32", "1/16", "1/8", "1/4", "1/2", "1", "2", "4", "8", "16", "32", "64"}},
        {Id::Rta, "rt60DbDown", {"5", "10", "15", "20", "25", "30"}},
    };
    RtaSheet r(RtaBlock("LISTS", 4));
    for (const Case& c : cases) {
        const QComboBox* list = List(r.Open(c.id), c.list);
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << list->itemText(row);
        EXPECT_EQ(shown, c.entries) << c.list;
    }
}

TEST(SetupEditorRtaPagesTest, EnableTriggeringGovernsTheTriggerPages)
{
    // Triggering off, "Run on Input" on: the run logic stays disabled.
    RtaSheet r(RtaBlock("GATE").Bit(kRtaLogicFlags, 2).Byte(kRtaArm, 3).Byte(kRtaEndThen, 1));
    SetupPage* arm = r.Open(Id::RtaArm);
    SetupPage* then = r.Open(Id::RtaThen);
    SetupPage* logicOut = r.Open(Id::RtaLogicOut);
    // Before the trigger setup page was displayed the pages count as enabled.
    ExpectEnabled(arm, {"mode", "level"}, true);
    EXPECT_TRUE(r.s.sheet.IsRtaTriggeringEnabled());

    SetupPage* tsetup = r.Open(Id::RtaTSetup);
    EXPECT_FALSE(r.s.sheet.IsRtaTriggeringEnabled());
    ExpectEnabled(tsetup, {"triggerSource", "triggerSourceLabel", "hzLabel", "runOnInput", "runLogic", "runLogicLabel"},
                  false);
    ExpectEnabled(tsetup, {"enableTriggering"}, true);
    ExpectEnabled(arm, {"mode", "modeLabel", "level", "time", "samples", "logic", "levelLabel"}, false);
    ExpectEnabled(then, {"endThen", "endThenLabel", "repeatCount", "averageCount"}, false);
    ExpectEnabled(logicOut, {"logicOutMap", "logicOut7"}, false);

    Box(tsetup, "enableTriggering")->click();
    ExpectEnabled(tsetup, {"triggerSource", "runLogic"}, true);  // the run logic follows "Run on Input"
    ExpectEnabled(arm, {"mode", "level", "time"}, true);
    ExpectEnabled(arm, {"samples", "logic"}, false);
    ExpectEnabled(then, {"endThen", "repeatCount"}, true);
    ExpectEnabled(then, {"averageCount"}, false);
    ExpectEnabled(logicOut, {"logicOutMap", "logicOut7"}, true);

    Box(tsetup, "enableTriggering")->click();
    EXPECT_FALSE(Enabled(arm, "mode"));
    r.s.sheet.SaveAll();
    EXPECT_EQ(BlockBytes(r.record->GetRTASetup())[48], 0x04);
}

TEST(SetupEditorRtaPagesTest, TriggerPageDisplayedLaterFollowsTheBoxNotTheStoredFlag)
{
    RtaSheet r(RtaBlock("LATER").Bit(kRtaLogicFlags, 7).Byte(kRtaTrigger, 5));
    SetupPage* tsetup = r.Open(Id::RtaTSetup);
    Box(tsetup, "enableTriggering")->click();
    SetupPage* trigger = r.Open(Id::RtaTrigger);
    ExpectEnabled(trigger, {"mode", "time"}, false);
    EXPECT_EQ(r.record->GetRTASetup()->GetTriggeringEnabled(), 1);  // until the next save
    r.s.sheet.SaveAll();
    EXPECT_EQ(r.record->GetRTASetup()->GetTriggeringEnabled(), 0);
    EXPECT_EQ(BlockBytes(r.record->GetRTASetup())[103], 5);
}

TEST(SetupEditorRtaPagesTest, TriggerPagesAnswerTrueWithoutAnRtaSetup)
{
    ShownSheet s;
    EXPECT_TRUE(s.sheet.IsRtaTriggeringEnabled());
    auto log = LogSetup(LogBlock("LOG"));
    s.sheet.ShowSetup(log.get());
    EXPECT_TRUE(s.sheet.IsRtaTriggeringEnabled());
    s.sheet.EnableRtaTriggerPages(0);  // no trigger pages: nothing to do
}

TEST(SetupEditorRtaPagesTest, ModeEnablesTheParametersItUses)
{
    struct Case {
        int mode;
        bool level, time, samples, logic;
    };
    const Case cases[] = {
        {0, false, false, false, false}, {1, true, true, false, false},  {2, true, true, false, false},
        {3, true, true, false, false},   {4, false, false, false, true}, {5, false, true, false, false},
        {6, false, false, true, false},
    };
    RtaSheet r(RtaBlock("MODES").Bit(kRtaLogicFlags, 7));
    SetupPage* page = r.Open(Id::RtaTrigger);
    for (const Case& c : cases) {
        PickEntry(List(page, "mode"), c.mode);
        EXPECT_EQ(Enabled(page, "level"), c.level) << c.mode;
        EXPECT_EQ(Enabled(page, "levelLabel"), c.level) << c.mode;
        EXPECT_EQ(Enabled(page, "time"), c.time) << c.mode;
        EXPECT_EQ(Enabled(page, "timeLabel"), c.time) << c.mode;
        EXPECT_EQ(Enabled(page, "samples"), c.samples) << c.mode;
        EXPECT_EQ(Enabled(page, "logic"), c.logic) << c.mode;
    }
}

TEST(SetupEditorRtaPagesTest, ConditionPagesKeepTheirOwnBytes)
{
    for (const Condition& c : kConditions) {
        SCOPED_TRACE(c.caption);
        RtaSheet r(RtaBlock("COND")
                       .Bit(kRtaLogicFlags, 7)
                       .Byte(c.mode, 3)
                       .Fixed88(c.mode + 1, 72, 128)
                       .Byte(c.mode + 3, 2)
                       .Byte(c.mode + 4, 64)
                       .Be16(c.mode + 6, 1000));
        SetupPage* page = r.Open(c.id);
        EXPECT_EQ(page->Caption(), c.caption);
        EXPECT_EQ(List(page, "mode")->currentText(), "L >");
        EXPECT_EQ(List(page, "logic")->currentText(), "Low");
        EXPECT_EQ(Text(page, "level"), " 72.5");
        EXPECT_EQ(Text(page, "time"), " 2.2500");
        EXPECT_EQ(Text(page, "samples"), "1000");

        Retype(page, "level", "80.1");
        Retype(page, "time", "1.5");
        PickEntry(List(page, "mode"), 6);
        Retype(page, "samples", "");
        PickEntry(List(page, "logic"), 1);
        r.s.sheet.SaveAll();
        EXPECT_EQ(Bytes(*r.record, c.mode, 8), (std::vector<uint8_t>{6, 80, 26, 1, 128, 0, 0, 0}));
        EXPECT_EQ(BlockBytes(r.record->GetRTASetup())[48], 0x80 | (1 << c.logicBit));
    }
}

TEST(SetupEditorRtaPagesTest, ConditionPageFallsBackOnStoredValuesBeyondItsEdits)
{
    // A mode beyond the list, 255.99 dB (shown "256.0") and 100 s.
    RtaSheet r(RtaBlock("WILD")
                   .Bit(kRtaLogicFlags, 7)
                   .Byte(kRtaArm, 7)
                   .Fixed88(kRtaArm + kConditionLevel, 255, 253)
                   .Byte(kRtaArm + kConditionTime, 100));
    SetupPage* page = r.Open(Id::RtaArm);
    EXPECT_EQ(List(page, "mode")->currentIndex(), -1);
    EXPECT_EQ(Text(page, "level"), "0.0");
    EXPECT_EQ(Text(page, "time"), "0.0000");
    // The fallbacks are shown, but written only when the user edits them.
    r.s.sheet.SaveAll();
    EXPECT_EQ(Bytes(*r.record, 95, 6), (std::vector<uint8_t>{7, 255, 253, 100, 0, 0}));

    // The getter rounds the time to 0.0025 s.
    auto small
        = RtaSetup(RtaBlock("SMALL").Byte(kRtaArm + kConditionTime + 2, 85).Byte(kRtaTrigger + kConditionTime + 2, 86));
    r.s.sheet.ShowSetup(small.get());
    EXPECT_EQ(Text(page, "time"), " 0.0000");
    EXPECT_EQ(Text(r.Open(Id::RtaTrigger), "time"), " 0.0025");
}

TEST(SetupEditorRtaPagesTest, ThenPageShowsStoresAndEnablesItsCounts)
{
    RtaSheet r(RtaBlock("THEN")
                   .Bit(kRtaLogicFlags, 7)
                   .Byte(kRtaEndThen, 2)
                   .Byte(kRtaRepeatCount, 0)
                   .Byte(kRtaAverageCount, 12));
    SetupPage* page = r.Open(Id::RtaThen);
    EXPECT_EQ(List(page, "endThen")->currentText(), "Average");
    EXPECT_EQ(Text(page, "repeatCount"), "0");
    EXPECT_EQ(Text(page, "averageCount"), "4");  // 12 is beyond one digit
    ExpectEnabled(page, {"repeatCount", "repeatCountLabel"}, false);
    ExpectEnabled(page, {"averageCount", "averageCountLabel"}, true);
    Retype(page, "averageCount", "7");
    PickEntry(List(page, "endThen"), 0);
    ExpectEnabled(page, {"repeatCount", "averageCount", "averageCountLabel"}, false);
    PickEntry(List(page, "endThen"), 1);
    ExpectEnabled(page, {"repeatCount", "repeatCountLabel"}, true);
    ExpectEnabled(page, {"averageCount"}, false);
    Retype(page, "repeatCount", "");
    r.s.sheet.SaveAll();
    EXPECT_EQ(Bytes(*r.record, 119, 3), (std::vector<uint8_t>{1, 0, 7}));

    // An action beyond the list shows no selection and is kept.
    auto beyond = RtaSetup(RtaBlock("BEYOND").Byte(kRtaEndThen, 3).Byte(kRtaAverageCount, 9));
    r.s.sheet.ShowSetup(beyond.get());
    EXPECT_EQ(List(page, "endThen")->currentIndex(), -1);
    r.s.sheet.SaveAll();
    EXPECT_EQ(Bytes(*beyond, 119, 3), (std::vector<uint8_t>{3, 0, 9}));
}

TEST(SetupEditorRtaPagesTest, LogicOutBoxesWriteTheMapAtOnce)
{
    RtaSheet r(RtaBlock("LOGIC").Bit(kRtaLogicFlags, 7).Be16(kRtaLogicOutMap, 0x0009));
    SetupPage* page = r.Open(Id::RtaLogicOut);
    EXPECT_TRUE(Box(page, "logicOut0")->isChecked());
    EXPECT_TRUE(Box(page, "logicOut3")->isChecked());
    EXPECT_EQ(Text(page, "logicOutMap"), "9");

    Box(page, "logicOut7")->click();  // "Cal Out" while "Armed"
    EXPECT_EQ(Bytes(*r.record, 80, 2), (std::vector<uint8_t>{0, 137}));
    EXPECT_EQ(Text(page, "logicOutMap"), "137");
    Box(page, "logicOut3")->click();
    EXPECT_EQ(Bytes(*r.record, 80, 2), (std::vector<uint8_t>{0, 129}));

    QLineEdit* map = Control<QLineEdit>(page, "logicOutMap");
    Retype(map, "7");
    LoseFocus(map);
    EXPECT_EQ(Bytes(*r.record, 80, 2), (std::vector<uint8_t>{0, 7}));
    for (int bit = 0; bit < 15; ++bit)
        EXPECT_EQ(Box(page, ("logicOut" + std::to_string(bit)).c_str())->isChecked(), bit < 3) << bit;

    BeepCounter beeps;
    Retype(map, "40000");
    EXPECT_EQ(map->text(), "4000");
    EXPECT_EQ(beeps.beeps, 1);
    Retype(map, "");
    LoseFocus(map);
    EXPECT_EQ(map->text(), "0");
    EXPECT_EQ(Bytes(*r.record, 80, 2), (std::vector<uint8_t>{0, 0}));
}

TEST(SetupEditorRtaPagesTest, LogicOutKeepsTheChoicesOfAMapWithItsTopBitSet)
{
    RtaSheet r(RtaBlock("TOP").Be16(kRtaLogicOutMap, 0x8000 | 0x0005));
    r.Open(Id::RtaTSetup);
    SetupPage* page = r.Open(Id::RtaLogicOut);
    EXPECT_TRUE(Box(page, "logicOut0")->isChecked());
    EXPECT_TRUE(Box(page, "logicOut2")->isChecked());
    EXPECT_EQ(Text(page, "logicOutMap"), "5");
    // Triggering is off on the trigger setup page: all is disabled; the map
    // the user did not edit keeps its top bit.
    ExpectEnabled(page, {"logicOut0", "logicOut14", "logicOutMap", "logicOutMapLabel"}, false);
    r.s.sheet.SaveAll();
    EXPECT_EQ(Bytes(*r.record, 80, 2), (std::vector<uint8_t>{0x80, 5}));
}

TEST(SetupEditorRtaPagesTest, LogicOutMapEditKeepsFollowingTheUnsavedTriggeringBox)
{
    RtaSheet r(RtaBlock("BOX"));
    SetupPage* tsetup = r.Open(Id::RtaTSetup);
    Box(tsetup, "enableTriggering")->click();
    SetupPage* page = r.Open(Id::RtaLogicOut);
    ExpectEnabled(page, {"logicOutMap", "logicOut0"}, true);
    QLineEdit* map = Control<QLineEdit>(page, "logicOutMap");
    Retype(map, "4");
    LoseFocus(map);
    EXPECT_EQ(Bytes(*r.record, 80, 2), (std::vector<uint8_t>{0, 4}));
    EXPECT_TRUE(Box(page, "logicOut2")->isChecked());
    ExpectEnabled(page, {"logicOutMap", "logicOut0"}, true);
}
