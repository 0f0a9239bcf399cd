#pragma once
// The OK and Cancel buttons of the option dialogs, wired to accept and
// reject (a dialog's own accept runs through the virtual call).
#include <QDialog>
#include <QDialogButtonBox>
#include <QLayout>

inline void AddOkCancelButtons(QDialog* dialog, QLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}
