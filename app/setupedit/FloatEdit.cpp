#include "FloatEdit.h"

#include <algorithm>
#include <cmath>

#include "TextNumbers.h"

FloatEdit::FloatEdit(QWidget* parent) : FilteredEdit(parent)
{
    FitWidthToText();
}

void FloatEdit::SetRange(float minimum, float maximum, int decimals)
{
    min_ = minimum;
    max_ = maximum;
    decimals_ = decimals;
    updateGeometry();
}

QString FloatEdit::WidestText() const
{
    // Digits are the widest characters of a number.
    return Digits(std::max(QString::number(min_, 'f', decimals_).size(), QString::number(max_, 'f', decimals_).size()));
}

bool FloatEdit::DecimalsFit(const QString& text) const
{
    const qsizetype point = text.indexOf('.');
    return point < 0 || text.size() - point - 1 <= decimals_;
}

bool FloatEdit::IsValid(const QString& text) const
{
    const float value = static_cast<float>(AtoF(text));
    if (value < min_ || value > max_ || !DecimalsFit(text))
        return false;
    if (step_ == 0.0f)
        return true;
    const double scale = std::pow(10.0, decimals_);
    const long long scaledValue = static_cast<long long>(value * scale + 0.1);
    const long long scaledStep = static_cast<long long>(step_ * scale + 0.1);
    return scaledStep > 0 && scaledValue % scaledStep == 0;
}

FilteredEdit::Outcome FloatEdit::OnChar(QChar c, unsigned charClass)
{
    if (charClass != Digit && c != '.')
        return Outcome::Refuse;
    const QString candidate = CandidateText(c);
    const float value = static_cast<float>(AtoF(candidate));
    if (value < min_ || value > max_) {
        if (value < 0 || value > max_)
            return Outcome::Refuse;
        // Below the minimum: with a step a number may still be started there
        // (the first 0 of 0.0025).
        if (step_ <= 0.0f)
            return Outcome::Refuse;
    }
    return DecimalsFit(candidate) ? Outcome::Pass : Outcome::Refuse;
}
