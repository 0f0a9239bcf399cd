#include "CharClassEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>

CharClassEdit::CharClassEdit(QWidget* parent) : QLineEdit(parent) {}

CharClassEdit* CharClassEdit::SubclassEdit(const QString& objectName, QWidget* parentDialog)
{
    auto* plain = parentDialog ? parentDialog->findChild<QLineEdit*>(objectName) : nullptr;
    if (!plain)
        return nullptr;
    if (auto* already = qobject_cast<CharClassEdit*>(plain))
        return already;
    auto* edit = new CharClassEdit(plain->parentWidget());
    edit->setObjectName(objectName);
    edit->setText(plain->text());
    edit->setMaxLength(plain->maxLength());
    if (QLayout* layout = plain->parentWidget()->layout())
        delete layout->replaceWidget(plain, edit);
    else
        edit->setGeometry(plain->geometry());
    delete plain;
    return edit;
}

bool CharClassEdit::Accepts(QChar c) const
{
    unsigned cls = Other;
    if (c.isLetter())
        cls = Letters;
    else if (c.isDigit())
        cls = Digits;
    else if (c.isSpace())
        cls = Blanks;
    else if (c.isPunct() || c.isSymbol())
        cls = Punctuation;
    return (mask_ & cls) != 0;
}

void CharClassEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint() && !Accepts(text[0])) {
        QApplication::beep();
        emit Refused(text[0]);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
