#pragma once
// An edit field for whole numbers within limits. Keystrokes are tested only
// against the limits; on focus loss the text is corrected to the step and,
// with the power rule on, to a power of the base.
#include <cstdint>

#include "FilteredEdit.h"

class RangeEdit : public FilteredEdit {
    Q_OBJECT
public:
    explicit RangeEdit(QWidget* parent = nullptr);

    void SetRange(uint32_t minimum, uint32_t maximum);
    // A valid value is a whole multiple of the step (at least 1).
    void SetStep(uint32_t step) { step_ = step; }
    // With the power rule on, a valid value is also a power of the base.
    void SetPowerRule(bool on, int32_t base);

    uint32_t GetMinimum() const { return min_; }
    uint32_t GetMaximum() const { return max_; }
    uint32_t GetStep() const { return step_; }
    int32_t GetBase() const { return base_; }
    bool GetPowerFlag() const { return power_; }

    // The text's value lies within the limits, is a multiple of the step and,
    // with the power rule on, a power of the base.
    bool IsValid(const QString& text) const;
    // value is base^k for some k from 0 to 31 with base^k not above the
    // maximum; 0 is no power.
    bool IsPowerOfBase(uint32_t value, int32_t base) const;

protected:
    Outcome OnChar(QChar c, unsigned charClass) override;
    QString WidestText() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    uint32_t Step() const { return step_ ? step_ : 1; }

    uint32_t min_ = 0;
    uint32_t max_ = 255;
    uint32_t step_ = 1;
    int32_t base_ = 1;
    bool power_ = false;
};
