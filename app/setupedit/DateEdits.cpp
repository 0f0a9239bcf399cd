#include "DateEdits.h"

#include <ctime>

#include "TextNumbers.h"

namespace {

uint32_t UnsignedValue(const QString& text)
{
    return static_cast<uint32_t>(AtoI(text));
}

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// A prefix of length characters can still grow into a value of the range
// when the field holds limit characters.
bool PrefixInRange(uint32_t value, qsizetype length, int limit, uint32_t minimum, uint32_t maximum)
{
    const qsizetype missing = limit - length;
    if (missing < 0)
        return false;
    uint64_t divisor = 1;
    for (qsizetype i = 0; i < missing && divisor <= UINT32_MAX; ++i)
        divisor *= 10;
    return value >= minimum / divisor && value <= maximum / divisor;
}

}  // namespace

DigitRangeEdit::DigitRangeEdit(QWidget* parent, uint32_t minimum, uint32_t maximum)
    : FilteredEdit(parent), max_(maximum), min_(minimum)
{
    FitWidthToText();
}

void DigitRangeEdit::SetRange(uint32_t minimum, uint32_t maximum)
{
    min_ = minimum;
    max_ = maximum;
    updateGeometry();
}

QString DigitRangeEdit::WidestText() const
{
    return Digits(QString::number(max_).size());
}

FilteredEdit::Outcome DigitRangeEdit::OnChar(QChar c, unsigned charClass)
{
    if (charClass != Digit)
        return Outcome::Refuse;
    return IsValid(CandidateText(c)) ? Outcome::Pass : Outcome::Refuse;
}

YearEdit::YearEdit(QWidget* parent) : DigitRangeEdit(parent, 1980, 2099) {}

bool YearEdit::IsValid(const QString& text) const
{
    return PrefixInRange(UnsignedValue(text), text.size(), maxLength(), min_, max_);
}

// Only what the user typed is corrected: a stored value shown as it stands
// is kept until the user edits it.
void YearEdit::focusOutEvent(QFocusEvent* event)
{
    const uint32_t value = UnsignedValue(text());
    if (isModified() && (value < min_ || value > max_)) {
        const QString year = IntText(LocalNow().tm_year + 1900);
        setText(IsValid(year) ? year : QStringLiteral("1998"));
    }
    FilteredEdit::focusOutEvent(event);
}

DayEdit::DayEdit(QWidget* parent) : DigitRangeEdit(parent, 1, 31) {}

bool DayEdit::IsValid(const QString& text) const
{
    const uint32_t value = UnsignedValue(text);
    return value >= min_ && value <= max_;
}

void DayEdit::focusOutEvent(QFocusEvent* event)
{
    uint32_t value = UnsignedValue(text());
    if (value < min_)
        value = min_;
    if (value > max_)
        value = max_;
    if (isModified() && value < 10)
        setText(TwoDigitText(static_cast<int>(value)));
    FilteredEdit::focusOutEvent(event);
}

MonthNameList::MonthNameList()
    : QStringList{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}
{
}

MonthEdit::MonthEdit(QWidget* parent) : FilteredEdit(parent)
{
    FitWidthToText();
}

QString MonthEdit::WidestText() const
{
    QString widest;
    for (const QString& name : names_)
        if (fontMetrics().horizontalAdvance(name) > fontMetrics().horizontalAdvance(widest))
            widest = name;
    return widest;
}

void MonthEdit::SetMonth(int month)
{
    const int index = month >= 1 && month <= 12 ? month - 1 : (month > 12 ? 11 : 0);
    setText(names_[index]);
    if (isEnabled())
        selectAll();
    month_ = index + 1;
}

void MonthEdit::GetMonthText(int index, QString& out) const
{
    if (index >= 0 && index < names_.size())
        out = names_[index];
}

FilteredEdit::Outcome MonthEdit::OnChar(QChar c, unsigned charClass)
{
    if (charClass != Letter)
        return Outcome::Refuse;
    const QString candidate = CandidateText(c);
    if (candidate.size() > maxLength())
        return Outcome::Refuse;
    for (int i = 0; i < names_.size(); ++i) {
        if (names_[i].toUpper().startsWith(candidate.toUpper()) && names_[i].size() >= candidate.size()) {
            // The completed part stays selected, so the next letter replaces it.
            setText(names_[i]);
            setSelection(static_cast<int>(candidate.size()), static_cast<int>(names_[i].size() - candidate.size()));
            month_ = i + 1;
            return Outcome::Handled;
        }
    }
    return Outcome::Refuse;
}

void MonthEdit::focusOutEvent(QFocusEvent* event)
{
    if (text().isEmpty())
        SetMonth(LocalNow().tm_mon + 1);
    FilteredEdit::focusOutEvent(event);
}
