// The validated edit fields of the setup pages: keystrokes, focus loss and
// the validity tests the pages use when they show stored values.
#include <ctime>

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

#include "DateEdits.h"
#include "EngFloatEdit.h"
#include "FloatEdit.h"
#include "RangeEdit.h"
#include "SetupEditorTestSupport.h"

using namespace setupedittest;

namespace {

struct RangeCase {
    const char* what;
    uint32_t minimum, maximum, step;
    bool power;
    const char* start;  // the text before typing, as a page shows it
    const char* keys;   // typed at the start of the text; "\x7f" deletes
    const char* typed;  // after the keys
    const char* left;   // after focus loss
};

}  // namespace

TEST(SetupEditorEditsTest, RangeEditTypesWithinLimitsAndCorrectsOnFocusLoss)
{
    const RangeCase cases[] = {
        {"out of range refused", 0, 255, 1, false, "", "256", "25", "25"},
        {"leading 0 under minimum 1", 1, 255, 1, false, "", "0", "", ""},
        {"a field the user empties gets the minimum", 1, 255, 1, false, "5", "\x7f", "", "1"},
        {"not a multiple becomes the step", 1, 255, 160, false, "", "200", "200", "160"},
        {"0 is a multiple but below the minimum", 1, 255, 160, false, "10", "\x7f", "0", "1"},
        {"a shown value the user left alone stays", 1, 255, 160, false, "200", "", "200", "200"},
        {"no power of two becomes the base", 0, 255, 1, true, "", "48", "48", "2"},
        {"a power of two stays", 0, 255, 1, true, "", "64", "64", "64"},
        {"typing ignores the power rule", 0, 255, 1, true, "", "200", "200", "2"},
        {"letters and signs refused", 0, 255, 1, false, "", "-1.a 2", "12", "12"},
    };
    for (const RangeCase& c : cases) {
        RangeEdit edit;
        edit.SetRange(c.minimum, c.maximum);
        edit.SetStep(c.step);
        edit.SetPowerRule(c.power, c.power ? 2 : 1);
        edit.setMaxLength(3);
        edit.setText(c.start);
        edit.home(false);
        for (const char* k = c.keys; *k; ++k) {
            if (*k == '\x7f')
                QTest::keyClick(&edit, Qt::Key_Delete);
            else
                QTest::keyClicks(&edit, QString(QChar(*k)));
        }
        EXPECT_EQ(edit.text(), c.typed) << c.what;
        LoseFocus(&edit);
        EXPECT_EQ(edit.text(), c.left) << c.what;
    }
}

TEST(SetupEditorEditsTest, RangeEditBeepsOnRefusalAndTypingReplacesTheSelection)
{
    BeepCounter counter;
    RangeEdit edit;
    edit.setMaxLength(3);
    QTest::keyClicks(&edit, "256");
    EXPECT_EQ(edit.text(), "25");
    EXPECT_EQ(counter.beeps, 1);
    edit.selectAll();
    QTest::keyClicks(&edit, "9");
    EXPECT_EQ(edit.text(), "9");

    edit.SetPowerRule(true, 2);
    EXPECT_FALSE(edit.IsValid("0"));
    EXPECT_TRUE(edit.IsValid("128"));
    EXPECT_FALSE(edit.IsValid("96"));
}

TEST(SetupEditorEditsTest, APageThatAnswersMinusOneSilencesTheBeep)
{
    struct QuietPage : QWidget, EditRefusalListener {
        int OnEditRefused(QWidget*) override
        {
            ++told;
            return -1;
        }
        int told = 0;
    } page;
    BeepCounter counter;
    auto* edit = new RangeEdit(&page);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(page.told, 1);
    EXPECT_EQ(counter.beeps, 0);
}

TEST(SetupEditorEditsTest, FloatEditLimitsDecimalsAndStep)
{
    FloatEdit level;
    level.SetRange(0.0f, 255.99f, 2);
    QTest::keyClicks(&level, "12.345");
    EXPECT_EQ(level.text(), "12.34");
    level.clear();
    QTest::keyClicks(&level, ".");
    EXPECT_EQ(level.text(), ".");
    level.clear();
    QTest::keyClicks(&level, "256");
    EXPECT_EQ(level.text(), "25");

    FloatEdit time;
    time.SetRange(0.0025f, 99.9999f, 4);
    time.SetStep(0.0025f);
    QTest::keyClicks(&time, "0.00");
    EXPECT_EQ(time.text(), "0.00");
    EXPECT_FALSE(time.IsValid("0.0060"));
    EXPECT_TRUE(time.IsValid("0.0050"));
    EXPECT_FALSE(time.IsValid("0.00250"));  // one decimal too many
    EXPECT_FALSE(time.IsValid("0"));        // below the minimum
}

TEST(SetupEditorEditsTest, EngFloatEditTypesExponentsAndMultipliers)
{
    const struct {
        const char* keys;
        const char* typed;
    } cases[] = {
        {"1.5k", "1.5k"}, {"2E-3", "2E-3"}, {"2E", "2E"}, {"2E13", "2E1"},
        {"-1", "1"},      {"1k5", "1k"},    {"1K", "1"},  {"1.2.3", "1.23"},
    };
    for (const auto& c : cases) {
        EngFloatEdit edit;
        edit.SetRange(1e-6f, 1e6f, 9);
        QTest::keyClicks(&edit, c.keys);
        EXPECT_EQ(edit.text(), c.typed) << c.keys;
    }
    EngFloatEdit edit;
    edit.SetRange(1e-6f, 1e6f, 9);
    QString text = "1500";
    EXPECT_TRUE(edit.IsValid(text));
    EXPECT_EQ(text, "1.5k");
    text = "2M";
    EXPECT_FALSE(edit.IsValid(text));
    EXPECT_EQ(text, "2M");
}

TEST(SetupEditorEditsTest, YearEditTakesOnlyPrefixesOfYearsInRange)
{
    YearEdit year;
    year.setMaxLength(4);
    QTest::keyClicks(&year, "2099");
    EXPECT_EQ(year.text(), "2099");
    year.clear();
    QTest::keyClicks(&year, "2197");
    EXPECT_EQ(year.text(), "2");  // no year of the range starts 21, 29 or 27
    year.clear();
    QTest::keyClicks(&year, "3");
    EXPECT_EQ(year.text(), "");
    EXPECT_FALSE(year.IsValid("2100"));
    EXPECT_TRUE(year.IsValid("19"));

    // Only a year the user changed is corrected: one shown as stored stays.
    year.setText("1970");
    LoseFocus(&year);
    EXPECT_EQ(year.text(), "1970");
    year.setText("1985");
    year.end(false);
    QTest::keyClick(&year, Qt::Key_Backspace);
    LoseFocus(&year);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(year.text(), QString::number(local.tm_year + 1900));
}

TEST(SetupEditorEditsTest, DayEditKeepsItsRangeAndWritesTwoDigits)
{
    DayEdit hour;
    hour.SetRange(0, 23);
    hour.setMaxLength(2);
    QTest::keyClicks(&hour, "0");
    EXPECT_EQ(hour.text(), "0");
    hour.setText("7");
    LoseFocus(&hour);
    EXPECT_EQ(hour.text(), "7");  // shown, not typed: left as it stands
    Retype(&hour, "7");
    LoseFocus(&hour);
    EXPECT_EQ(hour.text(), "07");
    Retype(&hour, "");
    LoseFocus(&hour);
    EXPECT_EQ(hour.text(), "00");
    hour.clear();
    QTest::keyClicks(&hour, "24");
    EXPECT_EQ(hour.text(), "2");

    DayEdit day;
    day.setMaxLength(2);
    QTest::keyClicks(&day, "0");
    EXPECT_EQ(day.text(), "");
    QTest::keyClicks(&day, "5");
    QTest::keyClick(&day, Qt::Key_Backspace);
    LoseFocus(&day);
    EXPECT_EQ(day.text(), "01");
}

TEST(SetupEditorEditsTest, MonthEditCompletesNamesAndSetMonthClamps)
{
    BeepCounter counter;
    MonthEdit month;
    month.setMaxLength(3);
    QTest::keyClicks(&month, "M");
    EXPECT_EQ(month.text(), "Mar");
    EXPECT_EQ(month.selectedText(), "ar");
    QTest::keyClicks(&month, "a");
    EXPECT_EQ(month.text(), "Mar");
    QTest::keyClicks(&month, "y");
    EXPECT_EQ(month.text(), "May");
    EXPECT_EQ(month.GetMonth(), 5);
    QTest::keyClicks(&month, "1");
    EXPECT_EQ(counter.beeps, 1);

    month.clear();
    QTest::keyClicks(&month, "jul");
    EXPECT_EQ(month.text(), "Jul");
    EXPECT_EQ(month.GetMonth(), 7);

    month.SetMonth(0);
    EXPECT_EQ(month.text(), "Jan");
    EXPECT_EQ(month.GetMonth(), 1);
    month.SetMonth(13);
    EXPECT_EQ(month.text(), "Dec");
    EXPECT_EQ(month.GetMonth(), 12);
    QString name = "unchanged";
    month.GetMonthText(12, name);
    EXPECT_EQ(name, "unchanged");
    month.GetMonthText(1, name);
    EXPECT_EQ(name, "Feb");
}

TEST(SetupEditorEditsTest, PastedAndDroppedTextMeetsTheKeystrokeRules)
{
    // Only '0' to '9' are digits; pasted and dropped text goes through the
    // same test, character by character, as typed text.
    const struct {
        const char* what;
        const char* text;
        const char* range;  // into a 0..59 field
        const char* percent;  // into a 0.00..100.00 field
    } cases[] = {
        {"sign and letter", "-7x", "7", "7"},
        {"exponent", "1e9", "19", "19"},
        {"superscript", "1\u00b2", "1", "1"},
        {"fraction sign", "5\u00bd", "5", "5"},
        {"line break", "12\n", "12", "12"},
    };
    enum Way { Typed, Keys, Menu, Drop };
    for (const auto& c : cases) {
        for (Way way : {Typed, Keys, Menu, Drop}) {
            RangeEdit minutes;
            minutes.SetRange(0, 59);
            minutes.setMaxLength(2);
            FloatEdit percent;
            percent.SetRange(0.0f, 100.0f, 2);
            for (FilteredEdit* edit : std::initializer_list<FilteredEdit*>{&minutes, &percent}) {
                const QString text = QString::fromUtf8(c.text);
                QApplication::clipboard()->setText(text);
                edit->show();
                switch (way) {
                case Typed:
                    for (const QChar ch : text) {
                        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                        QApplication::sendEvent(edit, &key);
                    }
                    break;
                case Keys: QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); break;
                case Menu: {
                    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
                    QApplication::sendEvent(edit, &event);
                    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                    ASSERT_NE(menu, nullptr);
                    for (QAction* action : menu->actions())
                        if (action->text().startsWith(QLineEdit::tr("&Paste")))
                            action->trigger();
                    menu->close();
                    break;
                }
                case Drop: {
                    QMimeData data;
                    data.setText(text);
                    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(edit, &enter);
                    QDropEvent event(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(edit, &event);
                    break;
                }
                }
            }
            EXPECT_EQ(minutes.text(), c.range) << c.what << ' ' << way;
            EXPECT_EQ(percent.text(), c.percent) << c.what << ' ' << way;
        }
    }
}
