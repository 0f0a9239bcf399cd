#include "FilteredEdit.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

}  // namespace

FilteredEdit::FilteredEdit(QWidget* parent) : QLineEdit(parent) {}

unsigned FilteredEdit::ClassOf(QChar c)
{
    if (c.unicode() < 32 || c.unicode() == 127)
        return Control;
    if (c.isLetter())
        return Letter;
    if (c.isLetterOrNumber())
        return Digit;
    return Other;
}

QString FilteredEdit::CandidateText(QChar c) const
{
    QString candidate = text();
    if (hasSelectedText())
        candidate.replace(selectionStart(), selectedText().size(), c);
    else
        candidate.insert(cursorPosition(), c);
    return candidate;
}

void FilteredEdit::SetBeepHook(std::function<void()> hook)
{
    BeepHook() = std::move(hook);
}

void FilteredEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.isEmpty() || ClassOf(typed[0]) == Control) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    // Composed input of several characters cannot be tested as one keystroke.
    if (typed.size() != 1) {
        Refuse(typed[0]);
        return;
    }
    const QChar c = typed[0];
    // The field's text limit refuses before any test.
    if (CandidateText(c).size() > TextLimit()) {
        Refuse(c);
        return;
    }
    switch (OnChar(c, ClassOf(c))) {
    case Outcome::Pass:
        QLineEdit::keyPressEvent(event);
        break;
    case Outcome::Refuse:
        Refuse(c);
        break;
    case Outcome::Handled:
        break;
    }
}

void FilteredEdit::Refuse(QChar c)
{
    emit Refused(c);
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* listener = dynamic_cast<EditRefusalListener*>(w)) {
            if (listener->OnEditRefused(this) == -1)
                return;
            break;
        }
    }
    if (BeepHook())
        BeepHook()();
    else
        QApplication::beep();
}
