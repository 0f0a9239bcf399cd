#pragma once
// An edit field for decimal numbers within limits, with at most a number of
// digits after the point and, optionally, a step.
#include "FilteredEdit.h"

class FloatEdit : public FilteredEdit {
    Q_OBJECT
public:
    explicit FloatEdit(QWidget* parent = nullptr);

    void SetRange(float minimum, float maximum, int decimals);
    // 0 for none. step x 10^decimals must come to at least 0.9.
    void SetStep(float step) { step_ = step; }

    float GetMinimum() const { return min_; }
    float GetMaximum() const { return max_; }
    int GetDecimals() const { return decimals_; }

    // Within the limits, no more decimals than allowed, and with a step a
    // whole multiple of it (compared in units of the last decimal).
    bool IsValid(const QString& text) const;

protected:
    Outcome OnChar(QChar c, unsigned charClass) override;
    QString WidestText() const override;

private:
    bool DecimalsFit(const QString& text) const;

    int decimals_ = 2;
    float min_ = 0.0f;
    float max_ = 255.0f;
    float step_ = 0.0f;
};
