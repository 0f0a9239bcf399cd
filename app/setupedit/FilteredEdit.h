#pragma once
// The keystroke scheme that every validated edit field of the setup pages
// shares. Each typed character is classified (control, digit, letter, other);
// control characters always reach the field, any other character is offered
// to the class's own test, usually on the text the field would hold with the
// current selection replaced by the character. A refused character never
// reaches the field: the field tells its page (an EditRefusalListener among
// its ancestors), which may answer -1 to silence the beep; otherwise the
// field beeps.
#include <functional>

#include <QLineEdit>

#include "EditRefusalListener.h"

class FilteredEdit : public QLineEdit {
    Q_OBJECT
public:
    // Character classes; a control character counts as every class.
    enum CharClass : unsigned { Digit = 1, Letter = 2, Other = 4, Control = 0xFFFF };
    static unsigned ClassOf(QChar c);

    // The text the field would hold with c typed: the selection replaced by
    // c, or c inserted at the caret.
    QString CandidateText(QChar c) const;

    // The most characters that can be typed; by default the field's maximum
    // length. Unlike that length it leaves longer texts set by the program
    // whole.
    void SetTextLimit(int limit) { textLimit_ = limit; }
    int TextLimit() const { return textLimit_ >= 0 ? textLimit_ : maxLength(); }

    // Offers each character of text to the keystroke rules in turn, as if
    // typed at the caret: what is pasted or dropped is held to the same
    // rules as what is typed.
    void TypeText(const QString& text);

    // Tests replace the beep of a refused keystroke.
    static void SetBeepHook(std::function<void()> hook);

    // A field that fits its width to its text (see FitWidthToText) is as
    // wide as its widest text, when that is a short one. The classes tell
    // the layout when their range changes that text.
    QSize sizeHint() const override;

signals:
    void Refused(QChar c);

protected:
    explicit FilteredEdit(QWidget* parent);

    enum class Outcome {
        Pass,     // the field takes the character as typed
        Refuse,   // refused: notification and beep
        Handled,  // the class changed the text itself
    };
    virtual Outcome OnChar(QChar c, unsigned charClass) = 0;

    // A number or a month of a few characters is as wide as they are, not
    // as the page: the field keeps the width of its widest text.
    void FitWidthToText();
    // The widest text the field takes; empty for any text.
    virtual QString WidestText() const { return {}; }
    // That many digits, or as many as the text limit if it is lower.
    QString Digits(qsizetype count) const;

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A greyed field shows no selection.
    void changeEvent(QEvent* event) override;

private:
    void Refuse(QChar c);

    int textLimit_ = -1;
    bool fitWidth_ = false;
};
