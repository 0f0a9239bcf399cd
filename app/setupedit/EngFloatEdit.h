#pragma once
// An edit field for numbers in engineering form: an exponent of one digit
// ("2E-3") or a multiplier letter M, k, m or u ("1.5k").
#include "FilteredEdit.h"

class EngFloatEdit : public FilteredEdit {
    Q_OBJECT
public:
    explicit EngFloatEdit(QWidget* parent = nullptr);

    void SetRange(float minimum, float maximum, int decimals);

    // True when the text's value lies within the limits; the text is then
    // rewritten in engineering form. False leaves it unchanged.
    bool IsValid(QString& text) const;

protected:
    Outcome OnChar(QChar c, unsigned charClass) override;

private:
    bool Scans(const QString& candidate) const;

    int decimals_ = 2;
    float min_ = 0.0f;
    float max_ = 255.0f;
};
