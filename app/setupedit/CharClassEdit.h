#pragma once
// An edit field that admits typed characters by class: digits, letters and
// others. Every class is admitted at construction.
#include <cstdint>

#include "FilteredEdit.h"

class CharClassEdit : public FilteredEdit {
    Q_OBJECT
public:
    enum Class : uint16_t {
        Digits = FilteredEdit::Digit,
        Letters = FilteredEdit::Letter,
        Others = FilteredEdit::Other,
        All = 0xFFFF,
    };

    explicit CharClassEdit(QWidget* parent = nullptr);

    void SetClassMask(uint16_t mask) { mask_ = mask; }
    uint16_t GetClassMask() const { return mask_; }
    bool Accepts(QChar c) const { return (ClassOf(c) & mask_) != 0; }

protected:
    Outcome OnChar(QChar c, unsigned charClass) override;

private:
    uint16_t mask_ = All;
};
