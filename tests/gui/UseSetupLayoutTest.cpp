// The Setup view as a user meets it on a laptop: the window fits a 1366x768
// screen whatever page of whatever setup shows, numeric fields are as wide as
// their digits, and a greyed month field shows no selection.
#include <gtest/gtest.h>

#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "CSdiView.h"
#include "CommandIds.h"
#include "FilteredEdit.h"
#include "PropSheetSetup.h"
#include "SetupListCtrl.h"
#include "SetupPage.h"
#include "ShellSetupSimSupport.h"

namespace {

// What a 1366x768 screen leaves a window below its title bar once a panel
// takes its share.
constexpr int kLaptopHeight = 600;

const char* const kModeRadios[] = {"ssaRadio", "ismRadio", "logRadio", "talRadio", "fftRadio", "rtaRadio"};

class UseSetupLayoutTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start.isValid());
        ASSERT_TRUE(f.Start({}, start.path().toStdString()));
        f.app->SetProgramDir(TESSAVO_PROGRAM_DIR);
    }
    SetupListCtrl& List() { return *f.Doc().GetSdiView()->GetSetupList(); }
    PropSheetSetup* Sheet() { return f.Frame().findChild<PropSheetSetup*>(); }

    // The default setup of that mode joins the list.
    void NewSetup(const char* radio) { shelltest::ClickNewSetup(f.Frame(), radio); }
    // Shows the setup of that row with a click on its row.
    void ClickRow(int row)
    {
        QTreeWidgetItem* item = List().topLevelItem(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualItemRect(item).center());
        ASSERT_EQ(List().GetSelectedSetup(), List().GetSetupAt(row));
    }
    // Brings a tab of the sheet to the front with a click on it.
    void ClickTab(int index)
    {
        QTabBar* tabs = Sheet()->tabBar();
        if (!tabs->tabRect(index).isValid() || !tabs->rect().contains(tabs->tabRect(index).center()))
            tabs->setCurrentIndex(index);  // scrolled out of the bar: its arrows would bring it
        else
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        ASSERT_EQ(Sheet()->currentIndex(), index);
    }
    // The page of that id, brought to the front in the setup of that row.
    QWidget* OpenPage(int row, PropSheetSetup::PageId id)
    {
        ClickRow(row);
        QWidget* page = Sheet()->GetPage(id);
        const int index = Sheet()->indexOf(page);
        EXPECT_GE(index, 0);
        ClickTab(index);
        return page;
    }

    // A click on a radio button's mark.
    static void ClickButton(QRadioButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    QTemporaryDir start;
};

// Every page of every setup (the system's and one of each mode) leaves the
// window free to take the height of a laptop's screen; a page taller than
// that scrolls within the sheet, which keeps the page's own height.
TEST_F(UseSetupLayoutTest, TheWindowFitsALaptopScreenOnEveryPage)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    for (const char* radio : kModeRadios)
        NewSetup(radio);
    ASSERT_EQ(List().GetCount(), 7);
    f.Frame().resize(1366, kLaptopHeight);
    int pages = 0;
    for (int row = 0; row < List().GetCount(); ++row) {
        ClickRow(row);
        for (int tab = 0; tab < Sheet()->count(); ++tab, ++pages) {
            ClickTab(tab);
            const std::string where = List().GetSetupAt(row)->GetName() + " / " + Sheet()->tabText(tab).toStdString();
            EXPECT_LE(f.Frame().minimumSizeHint().height(), kLaptopHeight) << where;
            f.Frame().resize(1366, kLaptopHeight);
            QApplication::processEvents();
            EXPECT_EQ(f.Frame().height(), kLaptopHeight) << where;
            QWidget* page = Sheet()->currentWidget();
            // The scroll area gives the page its height once the page's
            // layout request has come round.
            for (int wait = 0; wait < 50 && page->height() < page->minimumSizeHint().height(); ++wait)
                QTest::qWait(10);
            EXPECT_GE(page->height(), page->minimumSizeHint().height()) << where;
        }
    }
    EXPECT_GE(pages, 30);
}

// A field of two or three digits takes the width of its digits, not the
// width of the page; a text field beside it keeps the page's width.
TEST_F(UseSetupLayoutTest, NumericFieldsAreAsWideAsTheirDigits)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    NewSetup("ismRadio");
    NewSetup("logRadio");
    struct Field {
        int row;
        PropSheetSetup::PageId page;
        const char* name;
        int digits;
    };
    const Field fields[] = {
        {1, PropSheetSetup::Ism, "threshold", 3},
        {0, PropSheetSetup::SysPower, "powerOffTime", 2},
        {2, PropSheetSetup::LogTimer, "runDay", 2},
        {2, PropSheetSetup::LogTimer, "runYear", 4},
    };
    for (const Field& field : fields) {
        QWidget* page = OpenPage(field.row, field.page);
        auto* edit = page->findChild<FilteredEdit*>(field.name);
        ASSERT_NE(edit, nullptr) << field.name;
        const QFontMetrics metrics(edit->font());
        const int digits = metrics.horizontalAdvance(QString(field.digits, QLatin1Char('0')));
        EXPECT_GE(edit->width(), digits) << field.name;
        EXPECT_LE(edit->width(), digits + metrics.horizontalAdvance(QLatin1Char('0')) + 16) << field.name;
    }
    QWidget* ism = OpenPage(1, PropSheetSetup::Ism);
    EXPECT_GT(ism->findChild<QLineEdit*>("title")->width(), 3 * ism->findChild<QLineEdit*>("threshold")->width());
}

// The LOG timer's dates are greyed while the timer is off: their month
// fields show no selection, before and after the dates were in use.
TEST_F(UseSetupLayoutTest, GreyedMonthFieldsShowNoSelection)
{
    NewSetup("logRadio");
    QWidget* page = OpenPage(0, PropSheetSetup::LogTimer);
    auto months = {page->findChild<QLineEdit*>("runMonth"), page->findChild<QLineEdit*>("stopMonth")};
    for (QLineEdit* month : months) {
        ASSERT_NE(month, nullptr);
        EXPECT_FALSE(month->isEnabled());
        EXPECT_FALSE(month->hasSelectedText()) << month->objectName().toStdString();
    }
    auto* off = page->findChild<QRadioButton*>("mode0");
    auto* dates = page->findChild<QRadioButton*>("mode1");
    ASSERT_TRUE(off && dates);
    ClickButton(dates);
    for (QLineEdit* month : months)
        EXPECT_TRUE(month->isEnabled());
    QTest::mouseClick(*months.begin(), Qt::LeftButton);
    (*months.begin())->selectAll();
    ClickButton(off);
    for (QLineEdit* month : months) {
        EXPECT_FALSE(month->isEnabled());
        EXPECT_FALSE(month->hasSelectedText()) << month->objectName().toStdString();
    }
}

}  // namespace
