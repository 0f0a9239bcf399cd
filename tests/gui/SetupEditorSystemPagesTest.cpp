// The pages of the instrument's system settings: what they show of a system
// block built field by field, what they store back, and the date and time
// page's clock against a scripted instrument clock.
#include <gtest/gtest.h>

#include <ctime>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "PageBitmaps.h"
#include "PageControls.h"
#include "PropPageSysTime.h"
#include "SetupEditorTestSupport.h"
#include "SystemSetupFields.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;

namespace {

SetupBlockBuilder SysBlock()
{
    return SetupBlockBuilder(226);
}

std::unique_ptr<SetupRec> SysSetup(const SetupBlockBuilder& block)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(1);
    record->LoadSYSSetup(block.Bytes().data(), block.Bytes().size());
    return record;
}

std::vector<uint8_t> SysBytes(const SetupRec& record)
{
    return BlockBytes(record.GetSYSSetup());
}

QCheckBox* Box(QWidget* page, const char* name)
{
    return Control<QCheckBox>(page, name);
}

QComboBox* List(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name);
}

void Choose(QWidget* page, const char* name, int index)
{
    QComboBox* combo = List(page, name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Ticks or unticks as a click does.
void Click(QAbstractButton* button)
{
    button->click();
}

// A system setup shown in the sheet, one page opened.
struct SystemSheet {
    explicit SystemSheet(const SetupBlockBuilder& block) : record(SysSetup(block)) { s.sheet.ShowSetup(record.get()); }
    SetupPage* Open(Id id) { return s.Open(id); }
    std::vector<uint8_t> SaveAll()
    {
        s.sheet.SaveAll();
        return SysBytes(*record);
    }
    std::unique_ptr<SetupRec> record;
    ShownSheet s;
};

}  // namespace

TEST(SetupEditorSystemPagesTest, SetShowsTheSystemPagesInOrder)
{
    SystemSheet sys(SysBlock());
    EXPECT_EQ(sys.s.Tabs(), (std::vector<std::string>{"Title", "Calib", "Power", "Date/Time", "Controls", "Modem"}));
}

TEST(SetupEditorSystemPagesTest, TitlePageShowsIdentityAndStoresLabels)
{
    SystemSheet sys(SysBlock()
                        .Text(SystemSetupFields::kSerialNumber, 5, "12345")
                        .Text(SystemSetupFields::kInstrumentName, 30, "Site A   ")
                        .Text(SystemSetupFields::kDescription1, 30, "North"));
    SetupPage* page = sys.Open(Id::System);
    EXPECT_EQ(Control<QLabel>(page, "serialNumber")->text(), "12345");
    EXPECT_EQ(Text(page, "instrumentName"), "Site A");
    EXPECT_EQ(Text(page, "description1"), "North");
    // No document, no instrument: nothing to say about its active setup.
    EXPECT_EQ(Control<QLabel>(page, "activeSetup")->text(), "");
    EXPECT_EQ(Control<QLabel>(page, "instrumentType")->text(), "");

    Retype(page, "instrumentName", QString(31, 'n'));
    EXPECT_EQ(Text(page, "instrumentName"), QString(30, 'n'));
    Retype(page, "description2", "Dock");
    const std::vector<uint8_t> bytes = sys.SaveAll();
    EXPECT_EQ(std::string(bytes.begin() + SystemSetupFields::kInstrumentName,
                  bytes.begin() + SystemSetupFields::kInstrumentName + 30),
        std::string(30, 'n'));
    EXPECT_EQ(std::string(bytes.begin() + 79, bytes.begin() + 83), "Dock");
    EXPECT_EQ(bytes[83], ' ');
}

TEST(SetupEditorSystemPagesTest, CalibPageAutoCheckRuleAndStoredFields)
{
    SystemSheet sys(SysBlock()
                        .Byte(SystemSetupFields::kAutoCalibration, 2)
                        .Byte(SystemSetupFields::kAutoCalHour, 0x23)
                        .Byte(SystemSetupFields::kAutoCalMinute, 0x59)
                        .Fixed88(SystemSetupFields::kCalibratorLevel, 94, 0)
                        .Byte(SystemSetupFields::kEuScale, 0)
                        .Byte(SystemSetupFields::kEuScale + 1, 0)
                        .Text(SystemSetupFields::kEuLabel, 4, "Pa")
                        .Bit(SystemSetupFields::kFlags, 5));
    sys.record->SetParam207(20.0f);
    SetupPage* page = sys.Open(Id::SysCalib);
    EXPECT_TRUE(Box(page, "autoCheck")->isChecked());
    EXPECT_TRUE(Box(page, "noiseFloorCheck")->isChecked());
    EXPECT_EQ(Text(page, "checkHour"), "23");
    EXPECT_EQ(Text(page, "checkMinute"), "59");
    EXPECT_EQ(Text(page, "calibratorLevel"), "94.00");
    EXPECT_EQ(Text(page, "noiseFloor"), "20.00");
    EXPECT_EQ(Text(page, "scaleFactor"), "1");
    EXPECT_EQ(List(page, "unitsLabel")->currentText(), "Pa");
    EXPECT_TRUE(Box(page, "randomIncidence")->isChecked());
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kAutoCalibration], 2);

    Click(Box(page, "autoCheck"));
    EXPECT_FALSE(Box(page, "noiseFloorCheck")->isEnabled());
    EXPECT_FALSE(Control(page, "checkHour")->isEnabled());
    Retype(page, "noiseFloor", "31.5");
    Retype(page, "scaleFactor", "2k");
    const std::vector<uint8_t> bytes = sys.SaveAll();
    EXPECT_EQ(bytes[SystemSetupFields::kAutoCalibration], 0);  // whatever the noise-floor box shows
    EXPECT_FLOAT_EQ(sys.record->GetParam207(), 31.5f);
    EXPECT_NEAR(sys.record->GetSYSSetup()->GetEuScaleFactor(), 2000.0, 2000.0 * 0.002);
    EXPECT_EQ(bytes[SystemSetupFields::kCalibratorLevel], 94);
}

TEST(SetupEditorSystemPagesTest, CalibPageMicPickAndTransducerRule)
{
    SystemSheet sys(SysBlock().Byte(SystemSetupFields::kTransducer, 0));
    SetupPage* page = sys.Open(Id::SysCalib);
    QComboBox* mic = List(page, "micFloor");
    EXPECT_TRUE(mic->isEnabled());
    Choose(page, "micFloor", mic->findText("K150 / 18.00"));
    EXPECT_EQ(Text(page, "noiseFloor"), "18.00");
    EXPECT_EQ(mic->currentIndex(), 0);

    Choose(page, "transducer", 1);
    EXPECT_FALSE(mic->isEnabled());
    Choose(page, "transducer", 0);
    EXPECT_TRUE(mic->isEnabled());
    Choose(page, "transducer", 2);
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kTransducer], 2);
}

TEST(SetupEditorSystemPagesTest, ControlsPageLoadsAndStoresTheOutputCode)
{
    SystemSheet sys(SysBlock()
                        .Byte(SystemSetupFields::kLogicOutput, 5)
                        .Byte(SystemSetupFields::kLogicOutputTime, 3)
                        .Byte(SystemSetupFields::kLogicInputMode, 2));
    SetupPage* page = sys.Open(Id::SysControls);
    EXPECT_TRUE(Box(page, "enableOutput")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(page, "eventRadio")->isChecked());
    EXPECT_TRUE(Box(page, "rms")->isChecked());
    EXPECT_FALSE(Box(page, "peak")->isChecked());
    EXPECT_TRUE(Box(page, "interval")->isChecked());
    EXPECT_EQ(List(page, "inputMode")->currentIndex(), 2);
    EXPECT_EQ(Text(page, "holdTime"), "3");
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicOutput], 5);

    // No event chosen under an enabled output stores "off".
    Click(Box(page, "rms"));
    Click(Box(page, "interval"));
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicOutput], 0);

    Click(Control<QRadioButton>(page, "excdRadio"));
    EXPECT_FALSE(Box(page, "rms")->isEnabled());
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicOutput], 17);
    Click(Control<QRadioButton>(page, "eventRadio"));
    EXPECT_TRUE(Box(page, "rms")->isChecked());  // the event choice starts with RMS
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicOutput], 1);

    // Unticking forgets every choice.
    Click(Box(page, "enableOutput"));
    Click(Box(page, "enableOutput"));
    for (const char* name : {"eventRadio", "runRadio", "excdRadio"})
        EXPECT_FALSE(Control<QRadioButton>(page, name)->isChecked()) << name;
    EXPECT_FALSE(Box(page, "rms")->isEnabled());
}

TEST(SetupEditorSystemPagesTest, ControlsPageHoldTimeLimit)
{
    SystemSheet sys(SysBlock().Byte(SystemSetupFields::kLogicOutput, 16));
    SetupPage* page = sys.Open(Id::SysControls);
    EXPECT_TRUE(Control<QRadioButton>(page, "runRadio")->isChecked());
    // The block would take 255 as 10 seconds: the field takes no 255.
    const struct {
        const char* typed;
        const char* shown;
        int stored;
    } cases[] = {{"255", "25", 25}, {"254", "254", 254}};
    for (const auto& c : cases) {
        Retype(page, "holdTime", c.typed);
        EXPECT_EQ(Text(page, "holdTime"), c.shown);
        EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicOutputTime], c.stored) << c.typed;
    }
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicOutput], 16);
}

TEST(SetupEditorSystemPagesTest, PowerPageModesTimesAndContrast)
{
    SystemSheet sys(SysBlock()
                        .Byte(SystemSetupFields::kPowerOffMode, 0)
                        .Byte(SystemSetupFields::kBlankLcdTime, 4)
                        .Byte(SystemSetupFields::kAutoOffTime, 20)
                        .Byte(SystemSetupFields::kLcdContrast, 55)
                        .Byte(SystemSetupFields::kBacklightTime, 15));
    SetupPage* page = sys.Open(Id::SysPower);
    EXPECT_EQ(List(page, "contrast")->currentText(), "54");
    EXPECT_EQ(Text(page, "powerOffTime"), "04");
    EXPECT_EQ(Control<QLabel>(page, "explanation")->text(),
              "Blank LDC and turn off serial communications after 4 minutes of inactivity");
    EXPECT_FALSE(Control(page, "backlightTime")->isEnabled());

    Retype(page, "powerOffTime", "30");
    Choose(page, "powerOffMode", 1);
    EXPECT_EQ(Text(page, "powerOffTime"), "20");  // the stored time of the new mode
    EXPECT_EQ(Control<QLabel>(page, "timeLabel")->text(), "Auto Off");
    Retype(page, "powerOffTime", "99");  // the block would take 99 as 12
    EXPECT_EQ(Text(page, "powerOffTime"), "9");
    std::vector<uint8_t> bytes = sys.SaveAll();
    EXPECT_EQ(bytes[SystemSetupFields::kAutoOffTime], 9);
    EXPECT_EQ(bytes[SystemSetupFields::kBlankLcdTime], 4);
    EXPECT_EQ(bytes[SystemSetupFields::kLcdContrast], 55);  // shown as its row "54", not edited

    Choose(page, "powerOffMode", 2);
    EXPECT_TRUE(Control(page, "powerOffTime")->isHidden());
    Click(Box(page, "backlightOn"));
    EXPECT_TRUE(Control(page, "backlightTime")->isEnabled());
    Choose(page, "externalPower", 1);
    bytes = sys.SaveAll();
    EXPECT_EQ(bytes[SystemSetupFields::kPowerOffMode], 2);
    EXPECT_EQ(bytes[SystemSetupFields::kAutoOffTime], 9);
    EXPECT_EQ(bytes[SystemSetupFields::kBlankLcdTime], 4);
    EXPECT_EQ(bytes[SystemSetupFields::kFlags], 0x02 | 0x04);
}

TEST(SetupEditorSystemPagesTest, PowerPageReadsModeThreeAsAutoOff)
{
    SystemSheet sys(SysBlock().Byte(SystemSetupFields::kPowerOffMode, 3).Byte(SystemSetupFields::kAutoOffTime, 98));
    SetupPage* page = sys.Open(Id::SysPower);
    EXPECT_EQ(List(page, "powerOffMode")->currentText(), "Auto Off");
    EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kAutoOffTime], 98);
}

TEST(SetupEditorSystemPagesTest, ModemPageKeepsTheHiddenFlagAndStoresFields)
{
    SystemSheet sys(SysBlock()
                        .Bit(SystemSetupFields::kFlags, 6)
                        .Bit(SystemSetupFields::kFlags, 7)
                        .Byte(SystemSetupFields::kDialOutFlags, 0x02)
                        .Text(SystemSetupFields::kTelephone, 30, "5551234")
                        .Byte(SystemSetupFields::kMonitorNumber, 7));
    SetupPage* page = sys.Open(Id::SysModem);
    EXPECT_TRUE(Box(page, "modemEnabled")->isChecked());
    EXPECT_TRUE(Box(page, "dialOnAlarm")->isChecked());
    EXPECT_FALSE(Box(page, "dialOnExceedance")->isChecked());
    EXPECT_TRUE(Box(page, "makerModem")->isHidden());
    EXPECT_EQ(Text(page, "telephone"), "5551234");

    Click(Box(page, "dialOnExceedance"));
    Retype(page, "monitorNumber", "255");
    Retype(page, "initString", "ATZ");
    const std::vector<uint8_t> bytes = sys.SaveAll();
    EXPECT_EQ(bytes[SystemSetupFields::kFlags], 0xC0);
    EXPECT_EQ(bytes[SystemSetupFields::kDialOutFlags], 0x03);
    EXPECT_EQ(bytes[SystemSetupFields::kMonitorNumber], 255);
    EXPECT_EQ(std::string(bytes.begin() + 152, bytes.begin() + 155), "ATZ");
}

namespace {

// The instrument's clock as the document reports it, and what was sent.
struct ScriptedClock : InstrumentClock {
    struct State {
        int result = -6;
        int date[6] = {2026, 3, 14, 9, 26, 53};
        int reads = 0;
        std::vector<std::time_t> set;
        int setFromPc = 0;
    };
    explicit ScriptedClock(State& state) : s(state) {}
    bool IsSetupViewActive() const override { return true; }
    int Get(int& y, int& mo, int& d, int& h, int& mi, int& sec) const override
    {
        ++s.reads;
        y = s.date[0], mo = s.date[1], d = s.date[2], h = s.date[3], mi = s.date[4], sec = s.date[5];
        return s.result;
    }
    int Set(std::time_t t) override { s.set.push_back(t); return s.result; }
    int SetFromPC() override { ++s.setFromPc; return s.result; }
    State& s;
};

}  // namespace

TEST(SetupEditorSystemPagesTest, TimePageShowsTheInstrumentClock)
{
    SystemSheet sys(SysBlock());
    auto* page = static_cast<PropPageSysTime*>(sys.Open(Id::SysTime));
    ScriptedClock::State clock;
    page->SetClock(std::make_unique<ScriptedClock>(clock));

    page->OnClockTick();  // not connected
    EXPECT_EQ(Control<QLabel>(page, "clockDate")->text(), "");
    EXPECT_EQ(Control<QLabel>(page, "clockTime")->text(), "");

    clock.result = 0;
    page->OnClockTick();
    EXPECT_EQ(Control<QLabel>(page, "clockDate")->text(), "2026 Mar 14");
    EXPECT_EQ(Control<QLabel>(page, "clockTime")->text(), "09:26:53");

    // The same second again draws nothing, although the minute differs.
    clock.date[4] = 27;
    page->OnClockTick();
    EXPECT_EQ(Control<QLabel>(page, "clockTime")->text(), "09:26:53");

    // Another page in front: the instrument is not asked.
    const int reads = clock.reads;
    sys.Open(Id::SysControls);
    page->OnClockTick();
    EXPECT_EQ(clock.reads, reads);
}

TEST(SetupEditorSystemPagesTest, TimePageSetsTheClockFromTheComputerOrTypedFields)
{
    SystemSheet sys(SysBlock());
    auto* page = static_cast<PropPageSysTime*>(sys.Open(Id::SysTime));
    ScriptedClock::State clock;
    clock.result = 0;
    page->SetClock(std::make_unique<ScriptedClock>(clock));
    EXPECT_TRUE(Control<QRadioButton>(page, "computerTime")->isChecked());
    EXPECT_FALSE(Control(page, "year")->isEnabled());
    Click(Control<QPushButton>(page, "set"));
    EXPECT_EQ(clock.setFromPc, 1);

    Click(Control<QRadioButton>(page, "manualTime"));
    EXPECT_TRUE(Control(page, "year")->isEnabled());
    EXPECT_EQ(Text(page, "year").toInt(), QDate::currentDate().year());
    Retype(page, "year", "2030");
    Retype(page, "month", "Jun");
    Retype(page, "day", "5");
    Retype(page, "hour", "13");
    Retype(page, "minute", "07");
    Retype(page, "second", "09");
    Click(Control<QPushButton>(page, "set"));
    ASSERT_EQ(clock.set.size(), 1u);
    std::tm tm{};
    localtime_r(&clock.set[0], &tm);
    EXPECT_EQ(tm.tm_year + 1900, 2030);
    EXPECT_EQ(tm.tm_mon + 1, 6);
    EXPECT_EQ(tm.tm_mday, 5);
    EXPECT_EQ(tm.tm_hour, 13);
    EXPECT_EQ(tm.tm_min, 7);
    EXPECT_EQ(tm.tm_sec, 9);
    EXPECT_EQ(clock.setFromPc, 1);
}

TEST(SetupEditorSystemPagesTest, EverySystemPageShowsTheSystemBadge)
{
    SystemSheet sys(SysBlock());
    for (Id id : {Id::System, Id::SysCalib, Id::SysPower, Id::SysTime, Id::SysControls, Id::SysModem}) {
        SetupPage* page = sys.Open(id);
        const auto* badge = page->findChild<BitmapStatic*>();
        ASSERT_NE(badge, nullptr) << page->Caption().toStdString();
        EXPECT_EQ(badge->GetBitmapId(), 156);
        EXPECT_FALSE(badge->pixmap().isNull()) << page->Caption().toStdString();
    }
}

TEST(SetupEditorSystemPagesTest, TypedInputModeStoresTheRowItNamesAndAddsNoRow)
{
    SystemSheet sys(SysBlock().Byte(SystemSetupFields::kLogicInputMode, 2));
    SetupPage* page = sys.Open(Id::SysControls);
    QComboBox* mode = List(page, "inputMode");
    const int rows = mode->count();
    const struct {
        const char* typed;
        int stored;
    } cases[] = {{"Level", 3}, {"Sometimes", 3}, {"alarm", 4}};
    for (const auto& c : cases) {
        mode->lineEdit()->selectAll();
        QTest::keyClicks(mode->lineEdit(), c.typed);
        QTest::keyClick(mode->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(mode->count(), rows) << c.typed;
        EXPECT_EQ(sys.SaveAll()[SystemSetupFields::kLogicInputMode], c.stored) << c.typed;
    }
}

TEST(SetupEditorSystemPagesTest, TimePageSetButtonShowsThePicturesOfTheTickedRadio)
{
    SystemSheet sys(SysBlock());
    SetupPage* page = sys.Open(Id::SysTime);
    auto* set = Control<CMappedBitmapButton>(page, "set");
    EXPECT_TRUE(Control<QRadioButton>(page, "computerTime")->isChecked());
    EXPECT_EQ(set->GetBitmapId(), 177);
    EXPECT_FALSE(set->grab().isNull());
    Click(Control<QRadioButton>(page, "manualTime"));
    EXPECT_EQ(set->GetBitmapId(), 176);
    Click(Control<QRadioButton>(page, "computerTime"));
    EXPECT_EQ(set->GetBitmapId(), 177);
    for (int id : {176, 207, 206, 205, 177, 179, 178, 180})
        EXPECT_FALSE(PageBitmaps::PageBitmap(id, page->palette()).isNull()) << id;
}
