#pragma once
// Edit fields for the parts of a date: the year, the month by name and the
// day (the day field also serves as a two-digit hour or minute field). Each
// relies on its text limit (4 for a year, 3 for a month name, 2 for a day,
// hour or minute), which the owning page sets.
#include <cstdint>

#include <QStringList>

#include "FilteredEdit.h"

// A field of digits whose text must pass the class's test while it is typed.
class DigitRangeEdit : public FilteredEdit {
    Q_OBJECT
public:
    void SetRange(uint32_t minimum, uint32_t maximum);
    virtual bool IsValid(const QString& text) const = 0;

protected:
    DigitRangeEdit(QWidget* parent, uint32_t minimum, uint32_t maximum);
    Outcome OnChar(QChar c, unsigned charClass) override;
    QString WidestText() const override;

    uint32_t max_;
    uint32_t min_;
};

// A year is typed digit by digit: each prefix must still be able to grow into
// a year of the range within the text limit.
class YearEdit : public DigitRangeEdit {
    Q_OBJECT
public:
    explicit YearEdit(QWidget* parent = nullptr);
    // The prefix test with the text's own length.
    bool IsValid(const QString& text) const override;

protected:
    // A year outside the range becomes the current year ("1998" when that is
    // outside too).
    void focusOutEvent(QFocusEvent* event) override;
};

// A day of the month, or an hour or minute: the whole value must lie within
// the range.
class DayEdit : public DigitRangeEdit {
    Q_OBJECT
public:
    explicit DayEdit(QWidget* parent = nullptr);
    bool IsValid(const QString& text) const override;

protected:
    // The value is brought into the range; below 10 it is written with two
    // digits ("05").
    void focusOutEvent(QFocusEvent* event) override;
};

// The twelve month names, January first.
class MonthNameList : public QStringList {
public:
    MonthNameList();
};

// A month typed by name: each letter completes the first month whose name
// starts with the typed letters ("M" gives "Mar", then "y" gives "May").
class MonthEdit : public FilteredEdit {
    Q_OBJECT
public:
    explicit MonthEdit(QWidget* parent = nullptr);

    // Shows the month's name, all selected unless the field is greyed: 0
    // shows January, above 12 December.
    void SetMonth(int month);
    // 1 to 12.
    int GetMonth() const { return month_; }
    // The name at index 0 to 11; another index leaves out unchanged.
    void GetMonthText(int index, QString& out) const;

protected:
    Outcome OnChar(QChar c, unsigned charClass) override;
    QString WidestText() const override;
    // An empty field gets the current month.
    void focusOutEvent(QFocusEvent* event) override;

private:
    int month_ = 1;
    MonthNameList names_;
};
