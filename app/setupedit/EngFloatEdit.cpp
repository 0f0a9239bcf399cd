#include "EngFloatEdit.h"

#include "EngineeringText.h"

namespace {

bool IsMultiplier(QChar c)
{
    return c == 'M' || c == 'k' || c == 'm' || c == 'u';
}

bool IsAsciiDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

EngFloatEdit::EngFloatEdit(QWidget* parent) : FilteredEdit(parent) {}

void EngFloatEdit::SetRange(float minimum, float maximum, int decimals)
{
    min_ = minimum;
    max_ = maximum;
    decimals_ = decimals;
}

bool EngFloatEdit::IsValid(QString& text) const
{
    const float value = ParseEngineeringValue(text.toStdString());
    if (value < min_ || value > max_)
        return false;
    std::string formatted = text.toStdString();
    FormatEngineeringText(formatted);
    text = QString::fromStdString(formatted);
    return true;
}

// The form of a number: digits, one point, one digit of exponent after E with
// an optional sign, or a multiplier letter at the end.
bool EngFloatEdit::Scans(const QString& candidate) const
{
    bool integerDigit = false, point = false, fractionDigit = false;
    int fractionDigits = 0;
    bool exponent = false, exponentSign = false, exponentDigit = false, multiplier = false;
    for (const QChar c : candidate) {
        if (IsAsciiDigit(c)) {
            if (multiplier)
                return false;
            if (exponent) {
                if (exponentDigit)
                    return false;
                exponentDigit = true;
            } else if (!point) {
                integerDigit = true;
            } else {
                fractionDigit = true;
                if (++fractionDigits > decimals_)
                    return false;
            }
        } else if (c == '.') {
            if (point || multiplier || exponent || exponentSign || exponentDigit)
                return false;
            point = true;
        } else if (IsMultiplier(c)) {
            if (multiplier || exponent || exponentSign || exponentDigit)
                return false;
            multiplier = true;
        } else if (c == 'E' || c == 'e') {
            if (multiplier || exponent || exponentSign || exponentDigit || !(integerDigit || fractionDigit))
                return false;
            exponent = true;
        } else if (c == '+' || c == '-') {
            // Only the exponent has a sign: the value itself cannot be typed
            // negative.
            if (multiplier || exponentSign || exponentDigit || !exponent)
                return false;
            exponentSign = true;
        }
    }
    return true;
}

FilteredEdit::Outcome EngFloatEdit::OnChar(QChar c, unsigned)
{
    const bool admitted = IsAsciiDigit(c) || c == 'E' || c == 'e' || IsMultiplier(c) || c == '+' || c == '-' || c == '.';
    if (!admitted)
        return Outcome::Refuse;
    const QString candidate = CandidateText(c);
    if (!Scans(candidate))
        return Outcome::Refuse;
    const QChar last = candidate.back();
    // A text that cannot be a number yet (it ends in a point, E or a sign) is
    // taken as it stands.
    if (!IsAsciiDigit(last) && !IsMultiplier(last))
        return Outcome::Pass;
    const float value = ParseEngineeringValue(candidate.toStdString());
    return (value >= min_ && value <= max_) || value == 0.0f ? Outcome::Pass : Outcome::Refuse;
}
