#include "CharClassEdit.h"

CharClassEdit::CharClassEdit(QWidget* parent) : FilteredEdit(parent) {}

FilteredEdit::Outcome CharClassEdit::OnChar(QChar, unsigned charClass)
{
    return (charClass & mask_) ? Outcome::Pass : Outcome::Refuse;
}
