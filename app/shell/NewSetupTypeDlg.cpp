#include "NewSetupTypeDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "CSdiDoc.h"

namespace {

struct TypeButton {
    int type;
    const char* text;
    const char* objectName;
};

const TypeButton kButtons[] = {
    {5, "SSA - Simple Sound Analyzer", "ssaRadio"},
    {6, "ISM - Integrating Sound Level Meter", "ismRadio"},
    {7, "LOG - Logging Sound Level Meter", "logRadio"},
    {8, "TAL - ZU-Reru", "talRadio"},
    {9, "FFT - Fast Fourier Transform", "fftRadio"},
    {10, "RTA - Real Time Analyzer", "rtaRadio"},
};

}  // namespace

NewSetupTypeDlg::NewSetupTypeDlg(CSdiDoc* doc, int initialType, QWidget* parent) : QDialog(parent), doc_(doc)
{
    setWindowTitle("Select New Setup Type");
    auto* layout = new QVBoxLayout(this);
    auto* group = new QButtonGroup(this);
    for (const TypeButton& b : kButtons) {
        auto* radio = new QRadioButton(b.text, this);
        radio->setObjectName(b.objectName);
        group->addButton(radio);
        layout->addWidget(radio);
        choices_.push_back({b.type, radio});
    }
    const bool known = initialType >= 6 && initialType <= 10;
    for (const Choice& c : choices_)
        if (c.type == (known ? initialType : 5))
            c.button->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &NewSetupTypeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewSetupTypeDlg::reject);
    layout->addWidget(buttons);
}

int NewSetupTypeDlg::CheckedType() const
{
    for (const Choice& c : choices_)
        if (c.button->isChecked())
            return c.type;
    return 5;
}

void NewSetupTypeDlg::accept()
{
    if (doc_)
        doc_->SetNewSetupType(CheckedType());
    QDialog::accept();
}
