#include "FilteredEdit.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

}  // namespace

namespace {

// The longest text a field fits its width to; a longer one takes the width
// of a text field.
constexpr int kShortText = 12;
// QLineEdit's margin on either side of its text.
constexpr int kTextMargin = 2;

}  // namespace

FilteredEdit::FilteredEdit(QWidget* parent) : QLineEdit(parent) {}

void FilteredEdit::FitWidthToText()
{
    fitWidth_ = true;
    setSizePolicy(QSizePolicy::Fixed, sizePolicy().verticalPolicy());
}

QString FilteredEdit::Digits(qsizetype count) const
{
    return QString(std::min<qsizetype>(count, std::max(TextLimit(), 1)), QLatin1Char('0'));
}

QSize FilteredEdit::sizeHint() const
{
    const QSize hint = QLineEdit::sizeHint();
    const QString widest = fitWidth_ ? WidestText() : QString();
    if (widest.isEmpty() || widest.size() > kShortText)
        return hint;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins text = textMargins();
    const QMargins contents = contentsMargins();
    const int width = fontMetrics().horizontalAdvance(widest) + 2 * kTextMargin + text.left() + text.right() +
                      contents.left() + contents.right();
    const QSize framed = style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                   QSize(width, fontMetrics().height()), this);
    return {framed.width(), hint.height()};
}

void FilteredEdit::changeEvent(QEvent* event)
{
    // The highlight of a greyed field would read as a choice still open.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        deselect();
    QLineEdit::changeEvent(event);
}

unsigned FilteredEdit::ClassOf(QChar c)
{
    if (c.unicode() < 32 || c.unicode() == 127)
        return Control;
    if (c.isLetter())
        return Letter;
    // Only '0' to '9' are digits: the numbers are read as such, and "²" or
    // "½" would be read as nothing.
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
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

void FilteredEdit::TypeText(const QString& text)
{
    for (const QChar c : text) {
        // Line breaks and other control characters of a pasted text are
        // nothing the fields hold.
        if (ClassOf(c) == Control)
            continue;
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        keyPressEvent(&key);
    }
}

void FilteredEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // The line edit's own paste entry, by name or by its text.
        if (action->objectName() == QLatin1String("edit-paste") || action->text().startsWith(QLineEdit::tr("&Paste"))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { TypeText(QApplication::clipboard()->text()); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void FilteredEdit::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    deselect();
    TypeText(event->mimeData()->text());
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FilteredEdit::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Paste) {
        event->accept();
        TypeText(QApplication::clipboard()->text());
        return;
    }
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
