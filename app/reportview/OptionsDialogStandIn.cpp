#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "HistogramOptionsDialog.h"
#include "RT60OptionsDialog.h"

namespace {

void AddOkCancel(QDialog* dialog, const QString& caption)
{
    dialog->setWindowTitle(caption);
    auto* layout = new QVBoxLayout(dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace

HistogramOptionsDialog::HistogramOptionsDialog(QWidget* parent) : QDialog(parent)
{
    AddOkCancel(this, "Histogram Options");
}

RT60OptionsDialog::RT60OptionsDialog(QWidget* parent) : QDialog(parent)
{
    AddOkCancel(this, "RT60 Options");
}
