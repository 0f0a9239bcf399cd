#pragma once
// An edit field that refuses typed characters outside its character classes:
// the keystroke is dropped with a beep. Every class is allowed at
// construction.
#include <QLineEdit>

class CharClassEdit : public QLineEdit {
    Q_OBJECT
public:
    enum Class : unsigned {
        Letters = 1u << 0,
        Digits = 1u << 1,
        Blanks = 1u << 2,
        Punctuation = 1u << 3,
        Other = 1u << 4,
        All = Letters | Digits | Blanks | Punctuation | Other,
    };

    explicit CharClassEdit(QWidget* parent = nullptr);

    // Takes the place of the dialog's plain edit field named objectName.
    static CharClassEdit* SubclassEdit(const QString& objectName, QWidget* parentDialog);

    void SetClassMask(unsigned mask) { mask_ = mask; }
    unsigned GetClassMask() const { return mask_; }
    bool Accepts(QChar c) const;

signals:
    // A keystroke was refused.
    void Refused(QChar c);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    unsigned mask_ = All;
};
