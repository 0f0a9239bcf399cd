#include "RangeEdit.h"

#include <cmath>

#include "TextNumbers.h"

namespace {

uint32_t UnsignedValue(const QString& text)
{
    return static_cast<uint32_t>(AtoI(text));
}

}  // namespace

RangeEdit::RangeEdit(QWidget* parent) : FilteredEdit(parent)
{
    FitWidthToText();
}

QString RangeEdit::WidestText() const
{
    return Digits(QString::number(max_).size());
}

void RangeEdit::SetRange(uint32_t minimum, uint32_t maximum)
{
    min_ = minimum;
    max_ = maximum;
    updateGeometry();
}

void RangeEdit::SetPowerRule(bool on, int32_t base)
{
    power_ = on;
    base_ = base;
}

bool RangeEdit::IsValid(const QString& text) const
{
    const uint32_t value = UnsignedValue(text);
    return value >= min_ && value <= max_ && value % Step() == 0 && (!power_ || IsPowerOfBase(value, base_));
}

bool RangeEdit::IsPowerOfBase(uint32_t value, int32_t base) const
{
    if (value == 0)
        return false;
    const double maximum = static_cast<int32_t>(max_);
    for (int k = 0; k <= 31; ++k) {
        const double power = std::trunc(std::pow(static_cast<double>(base), k));
        if (power > maximum)
            return false;
        if (power == static_cast<double>(value))
            return true;
    }
    return false;
}

FilteredEdit::Outcome RangeEdit::OnChar(QChar c, unsigned charClass)
{
    if (charClass != Digit)
        return Outcome::Refuse;
    // While typing only the limits count: the step and the power rule would
    // refuse the first digit of most valid numbers.
    const uint32_t value = UnsignedValue(CandidateText(c));
    return value >= min_ && value <= max_ ? Outcome::Pass : Outcome::Refuse;
}

void RangeEdit::focusOutEvent(QFocusEvent* event)
{
    // Only what the user typed is corrected: a stored value shown as it
    // stands is kept until the user edits it.
    if (!isModified()) {
        FilteredEdit::focusOutEvent(event);
        return;
    }
    const uint32_t value = UnsignedValue(text());
    if (text().isEmpty())
        setText(IntText(min_));
    else if (value % Step() != 0)
        setText(IntText(Step()));
    else if (power_ && !IsPowerOfBase(value, base_))
        setText(IntText(base_));
    else if (value < min_)
        setText(IntText(min_));
    else if (value > max_)
        setText(IntText(max_));
    FilteredEdit::focusOutEvent(event);
}
