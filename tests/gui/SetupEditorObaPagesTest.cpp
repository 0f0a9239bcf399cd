// The octave band analyser pages: the analyser settings with the interval
// options, and the timer with its run and stop dates.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QRadioButton>
#include <QLayout>
#include <QToolTip>

#include "PropPageOba.h"
#include "PropPageObaTimer.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;

namespace {

// The OBA block's own fields; the data model keeps them inside OBASetup.
constexpr size_t kObaIntervalFlags = 42;
constexpr size_t kObaBandwidth = 87;
constexpr size_t kObaAcOutFilter = 89;
constexpr size_t kObaRange = 91;
constexpr size_t kObaScanMode = 98;
constexpr size_t kObaProfile = 99;

QComboBox* List(QWidget* page, const char* name)
{
    return Control<QComboBox>(page, name);
}

QCheckBox* Box(QWidget* page, const char* name)
{
    return Control<QCheckBox>(page, name);
}

// A page of the OBA set bound to an OBA setup and shown.
template <class Page>
struct ObaPage {
    explicit ObaPage(const SetupBlockBuilder& block) : setup(ObaSetup(block))
    {
        page.SetSetup(setup.get());
        page.resize(500, 450);
        page.show();
    }
    std::vector<uint8_t> Saved()
    {
        page.Save();
        return BlockBytes(setup->GetOBASetup());
    }
    std::unique_ptr<SetupRec> setup;
    Page page;
};

}  // namespace

TEST(SetupEditorObaPagesTest, LoadShowsTheStoredSettings)
{
    ObaPage<PropPageOba> p(ObaBlock()
                               .Title("Plant room")
                               .Byte(kObaScanMode, 2)
                               .Byte(kObaProfile, 3)
                               .Byte(kObaRange, 1)
                               .Byte(kObaBandwidth, 4)
                               .Byte(kObaAcOutFilter, 1)
                               .Byte(kIntervalPeriod, 100)
                               .Byte(kIntervalPeriod + 1, 5)
                               .Byte(kIntervalPeriod + 2, 59)
                               .Bit(kObaIntervalFlags, 7)
                               .Bit(kObaIntervalFlags, 5)
                               .Bit(kObaIntervalFlags, 4));
    p.setup->SetFileName("plant.oba");
    p.setup->SetPath("/data/setups/plant.oba");
    p.page.Load();
    // An OBA setup has no name: the prefix, a blank and nothing more.
    EXPECT_EQ(Control<QLabel>(&p.page, "header")->text(), "Octave Band Analyzer - ");
    EXPECT_EQ(Text(&p.page, "title"), "Plant room");
    QLabel* fileName = Control<QLabel>(&p.page, "fileName");
    EXPECT_EQ(fileName->text(), "(plant.oba)");
    // The file name line carries the whole path as its tip.
    const QPoint over = fileName->geometry().center();
    QHelpEvent help(QEvent::ToolTip, over, p.page.mapToGlobal(over));
    EXPECT_TRUE(QApplication::sendEvent(&p.page, &help));
    EXPECT_EQ(QToolTip::text(), "/data/setups/plant.oba");
    // The tip follows the line when the page's layout moves or widens it.
    const QRect before = fileName->geometry();
    p.page.resize(900, 450);
    p.page.layout()->activate();
    const QPoint widened(fileName->geometry().right() - 2, fileName->geometry().center().y());
    ASSERT_FALSE(before.contains(widened));
    QToolTip::hideText();
    QHelpEvent moved(QEvent::ToolTip, widened, p.page.mapToGlobal(widened));
    EXPECT_TRUE(QApplication::sendEvent(&p.page, &moved));
    EXPECT_EQ(QToolTip::text(), "/data/setups/plant.oba");
    EXPECT_EQ(Control(&p.page, "title")->toolTip(), "Title: Enter up to 30 characters");
    EXPECT_EQ(Control(&p.page, "intervalSeconds")->toolTip(), "Interval Period Seconds: 0-59");
    EXPECT_EQ(List(&p.page, "scanMode")->currentText(), "Timed");
    EXPECT_EQ(List(&p.page, "profile")->currentText(), "Custom");
    EXPECT_EQ(List(&p.page, "range")->currentText(), "Low");
    EXPECT_EQ(List(&p.page, "bandwidth")->currentText(), "1 / 3");
    EXPECT_EQ(List(&p.page, "acOutFilter")->currentText(), "Weighted");
    // 100 hours is no interval hour: the field shows 00.
    EXPECT_EQ(Text(&p.page, "intervalHours"), "00");
    EXPECT_EQ(Text(&p.page, "intervalMinutes"), "05");
    EXPECT_EQ(Text(&p.page, "intervalSeconds"), "59");
    // Time sync and auto stop may both be on.
    EXPECT_TRUE(Box(&p.page, "timeSync")->isChecked());
    EXPECT_TRUE(Box(&p.page, "autoStop")->isChecked());
    EXPECT_TRUE(Box(&p.page, "timeSync")->isEnabled());
}

TEST(SetupEditorObaPagesTest, BandwidthCodesAndTheirListRows)
{
    struct Case {
        int stored;
        QString shown;
        int chosen;  // -1: leave the list as loaded
        int saved;
    };
    const Case cases[] = {
        {3, "1 / 1", -1, 3}, {4, "1 / 3", -1, 4}, {3, "1 / 1", 1, 4}, {4, "1 / 3", 0, 3},
        {7, "", -1, 7},  // a code outside the list shows no row and is kept
    };
    for (const Case& c : cases) {
        ObaPage<PropPageOba> p(ObaBlock().Byte(kObaBandwidth, c.stored));
        QComboBox* list = List(&p.page, "bandwidth");
        EXPECT_EQ(list->currentText(), c.shown) << c.stored;
        if (c.chosen >= 0)
            list->setCurrentIndex(c.chosen);
        EXPECT_EQ(p.Saved()[87], c.saved) << c.stored << ' ' << c.chosen;
    }
}

TEST(SetupEditorObaPagesTest, DisabledIntervalsGreyTheOptionsButStoreThem)
{
    ObaPage<PropPageOba> p(ObaBlock()
                               .Bit(kObaIntervalFlags, 7)
                               .Byte(kIntervalPeriod, 1)
                               .Byte(kIntervalPeriod + 1, 2)
                               .Byte(kIntervalPeriod + 2, 3));
    Retype(&p.page, "intervalMinutes", "45");
    QCheckBox* enabled = Box(&p.page, "intervalsEnabled");
    enabled->click();
    EXPECT_FALSE(enabled->isChecked());
    EXPECT_TRUE(enabled->isEnabled());
    for (const char* name : {"timeSync", "autoStop", "intervalHours", "intervalMinutes", "intervalSeconds"})
        EXPECT_FALSE(Control<QWidget>(&p.page, name)->isEnabled()) << name;
    Box(&p.page, "timeSync")->setChecked(true);
    const std::vector<uint8_t> saved = p.Saved();
    EXPECT_EQ(saved[42] & 0x80, 0);
    EXPECT_EQ(saved[42] & 0x20, 0x20);
    EXPECT_EQ(saved[100], 1);
    EXPECT_EQ(saved[101], 45);
    EXPECT_EQ(saved[102], 3);
    enabled->click();
    EXPECT_TRUE(Box(&p.page, "autoStop")->isEnabled());
}

TEST(SetupEditorObaPagesTest, SaveWritesEveryFieldIntoTheBlock)
{
    ObaPage<PropPageOba> p(ObaBlock().Byte(kObaScanMode, 7).Byte(kObaProfile, 9).Byte(kObaRange, 5));
    // Stored codes past the lists read as their first rows.
    EXPECT_EQ(List(&p.page, "scanMode")->currentText(), "Manual");
    EXPECT_EQ(List(&p.page, "profile")->currentText(), "Normal");
    Retype(&p.page, "title", "North boundary");
    List(&p.page, "scanMode")->setCurrentIndex(1);
    List(&p.page, "profile")->setCurrentIndex(2);
    List(&p.page, "range")->setCurrentIndex(2);
    List(&p.page, "acOutFilter")->setCurrentIndex(1);
    Box(&p.page, "intervalsEnabled")->click();
    Retype(&p.page, "intervalHours", "12");
    Box(&p.page, "autoStop")->click();
    const std::vector<uint8_t> saved = p.Saved();
    EXPECT_EQ(std::string(saved.begin() + 9, saved.begin() + 39), "North boundary                ");
    EXPECT_EQ(saved[98], 1);
    EXPECT_EQ(saved[99], 2);
    EXPECT_EQ(saved[91], 2);
    EXPECT_EQ(saved[89], 1);
    EXPECT_EQ(saved[100], 12);
    EXPECT_EQ(saved[42], 0x80 | 0x10);
}

TEST(SetupEditorObaPagesTest, TimerKeepsRunAndStopDatesApart)
{
    ObaPage<PropPageObaTimer> p(ObaBlock().Byte(kTimerMode, 1));
    EXPECT_EQ(Control<QLabel>(&p.page, "header")->text(), "Octave Band Analyzer - ");
    Retype(&p.page, "runYear", "2004");
    Retype(&p.page, "runMonth", "Mar");
    Retype(&p.page, "runDay", "1");
    Retype(&p.page, "stopYear", "2004");
    Retype(&p.page, "stopMonth", "Mar");
    Retype(&p.page, "stopDay", "2");
    Retype(&p.page, "start1Hour", "7");
    Retype(&p.page, "stop2Minute", "30");
    const std::vector<uint8_t> saved = p.Saved();
    EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 57, saved.begin() + 63),
              (std::vector<uint8_t>{0x01, 0x03, 0x04, 0x02, 0x03, 0x04}));
    EXPECT_EQ(saved[56], 1);
    EXPECT_EQ(saved[63], 0x07);
    EXPECT_EQ(saved[70], 0x30);
}

TEST(SetupEditorObaPagesTest, TimerLoadLeavesTheEnablingUntilAModeIsClicked)
{
    // Stored "Timer Off": loading greys nothing.
    ObaPage<PropPageObaTimer> p(
        ObaBlock().Byte(kTimerMode, 0).Byte(kRunDate + 2, 0x05).Byte(kRunDate + 1, 0x06).Byte(kRunDate, 0x07));
    EXPECT_TRUE(Control<QRadioButton>(&p.page, "mode0")->isChecked());
    EXPECT_EQ(Text(&p.page, "runYear"), "2005");
    EXPECT_TRUE(Control<QWidget>(&p.page, "runYear")->isEnabled());
    EXPECT_TRUE(Control<QWidget>(&p.page, "start2Hour")->isEnabled());
    Control<QRadioButton>(&p.page, "mode1")->click();
    EXPECT_TRUE(Control<QWidget>(&p.page, "runYear")->isEnabled());
    EXPECT_FALSE(Control<QWidget>(&p.page, "start2Hour")->isEnabled());
    Control<QRadioButton>(&p.page, "mode0")->click();
    EXPECT_FALSE(Control<QWidget>(&p.page, "start1Hour")->isEnabled());
    // Loading a "2 / Daily" setup does not enable them again.
    p.setup->GetOBASetup()->SetTimerMode(3);
    p.page.Load();
    EXPECT_TRUE(Control<QRadioButton>(&p.page, "mode3")->isChecked());
    EXPECT_FALSE(Control<QWidget>(&p.page, "start2Hour")->isEnabled());
}

TEST(SetupEditorObaPagesTest, TimerModePastTheListIsKeptUntilAModeIsClicked)
{
    ObaPage<PropPageObaTimer> p(ObaBlock().Byte(kTimerMode, 7));
    EXPECT_TRUE(Control<QRadioButton>(&p.page, "mode0")->isChecked());
    EXPECT_EQ(p.Saved()[56], 7);
    Control<QRadioButton>(&p.page, "mode2")->click();
    Control<QRadioButton>(&p.page, "mode0")->click();
    EXPECT_EQ(p.Saved()[56], 0);
}

TEST(SetupEditorObaPagesTest, PagesWithoutAnObaBlockDoNothing)
{
    auto log = LogSetup(LogBlock("LOG1").Byte(kTimerMode, 2).Byte(kObaScanMode, 2));
    const std::vector<uint8_t> before = LogBytes(*log);
    PropPageOba oba;
    PropPageObaTimer timer;
    for (SetupPage* page : {static_cast<SetupPage*>(&oba), static_cast<SetupPage*>(&timer)}) {
        page->SetSetup(log.get());
        page->CreatePageWindow();
        page->Save();
    }
    EXPECT_EQ(LogBytes(*log), before);
    EXPECT_EQ(Control<QLabel>(&oba, "header")->text(), "Octave Band Analyzer Settings");
}
